#pragma once

// One TCP session with one device or one recorder channel: frames out, bytes
// to the receive worker, heartbeat, reconnect with a growing delay, and the
// commands that need per-session state (playback, firmware upload). Created
// and owned by KelvoSDKHelper only.

#include "KelvoCommon.h"
#include "RecordRequests.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class QTcpSocket;
class QThread;
class QTimer;
class DataProcessor;

// Timer values of a session. The defaults are the protocol's; tests shrink
// them so a reconnect sequence runs in seconds.
struct SdkTimings
{
    int heartbeatIntervalMs = 30000;
    int replyTimeoutMs = 3000;  // connect timeout and heartbeat reply timeout
    int reconnectUnitMs = 1000; // reconnect delay n is 2·n²·unit (n capped at 5)
    int uploadBurstGapMs = 100; // pause between bursts of firmware chunks
    int pacingStartMs = 38;     // first period of the playback pacing timer
    // Bounds against a peer that sends faster than the client consumes: the
    // paced playback queue (about 3 s of 1080p at 16x), and the bytes the
    // receive worker may have pending before the session stops reading.
    qint64 streamQueueMaxBytes = 48 * 1024 * 1024;
    int streamQueueMaxFrames = 1500;
    qint64 workerBacklogMaxBytes = 4 * 1024 * 1024;
    int resumePollMs = 5; // how often a paused session looks at the backlog again

    // How often the peer clock ticks: a frame's rest and a heartbeat's reply
    // are judged on its ticks.
    int peerTickMs() const { return qBound(5, replyTimeoutMs / 30, 100); }
};

class TcpClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int UploadBurst = 5;
    static constexpr uint8_t RetryCap = 5;
    static constexpr int SocketReadBuffer = 0x100000;
    static constexpr int ReadChunk = 256 * 1024; // bytes handed to the worker at a time

    explicit TcpClient(QObject *parent = nullptr);
    ~TcpClient() override;

    // Timings applied to sessions created afterwards.
    static void setDefaultTimings(const SdkTimings &timings);
    static SdkTimings defaultTimings();
    void setTimings(const SdkTimings &timings);
    SdkTimings timings() const { return m_timings; }

    void connectDev(const loginDev &dev);
    // Breaks the connection as a lost one breaks (devDisconnected) and
    // reconnects at once.
    void restartSession();
    void disconnectDev();
    // The client closes: nothing more is sent, the device is told so by the
    // end of the client's side of the connection, and what it sent until it
    // ends its own side is read and passed on, so nothing it sent is left
    // unread. No reconnect follows, and the end is told to nobody.
    void endReading();
    // Since endReading(): the device ended its side (or there was no
    // connection), and everything it sent was passed on.
    bool readingEnded() const;
    // False when nothing or only part of the message was written.
    bool sendData(unsigned int cmd, const QString &body, unsigned char channel);
    bool sendCmd(unsigned int cmd, unsigned char channel) { return sendData(cmd, QString(), channel); }
    bool sendByteData(const QByteArray &payload);
    void startHeartbeat();
    void stopHeartbeat();
    void sendHeartbeat();
    bool isConnected() const { return m_connected; }
    void resetTryCount() { m_tryCount = 0; }

    // The client has not yet passed on all the device sent: reads are held,
    // the socket holds bytes, the worker has bytes or messages on their way
    // (paced playback frames too), or a frame is half read. A silence of the
    // device counts only once this is false (a closed connection holds
    // nothing more to come).
    bool holdsUnreadData() const;
    // A frame the device began is not yet whole (half read, or some of its
    // fragments collected).
    bool holdsUnfinishedFrame() const;

    void queryRecord(const RecordQuery &query);
    void downloadOrRecord(const RecordStreamRequest &request);
    void stopDownload(const RecordStreamRequest &request);
    void seekPlay(unsigned char channel, const QString &time);
    void setPlaySpeed(unsigned char channel, unsigned char speed, bool flag);
    void pausePlay(unsigned char channel);
    void resumePlay(unsigned char channel);

    void uploadFileDev(const QString &path);
    void uploadStep();
    void uploadXml(bool last);

    // Inspection (tests, diagnostics).
    loginDev loginData() const { return m_dev; }
    uint8_t tryCount() const { return m_tryCount; }
    bool reconnectPending() const;
    bool heartbeatActive() const;
    int pacingInterval() const;
    // Each of its ticks lets the worker release at most one stream frame.
    const QTimer *pacingTimer() const { return m_pacingTimer; }
    bool isUploading() const { return m_upload.uploading; }
    bool readingPaused() const { return m_readPaused; }
    DataProcessor *worker() const { return m_worker; }

signals:
    // Each message of the device, its head read (RecvInfo::head), always on
    // this object's thread: the worker's messages come over in one queued call.
    void recvCommonInfo(devXmlInfo info);
    void devDisconnected(loginDev dev);
    void recvConnectDev(loginDev dev);
    // Stream data the worker lost (see DataProcessor::streamLost), in order
    // with the messages.
    void streamLost(devXmlInfo who, StreamLoss loss);

public slots:
    void onConnected();
    void onDisconnected();
    void onDataReceived();
    void onWriteTimeout();

private slots:
    void onConnectionError(QAbstractSocket::SocketError error);
    void onConnectTimeout();

private:
    void tryReconnet();
    void armReplyTimer();
    void stopReplyTimer();
    void applyWorkerLimits();
    void resumeReading();
    void pauseReading();
    bool socketHoldsUnread() const;
    void startPeerClock();
    void onPeerTick();
    void onJudged();

    struct UploadState
    {
        QString path;
        bool uploading = false;
        uint32_t totalSize = 0;
        uint32_t startPos = 0;
        QList<QByteArray> chunks;
    };

    SdkTimings m_timings;
    UploadState m_upload;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_heartbeatTimer = nullptr;
    DataProcessor *m_worker = nullptr;
    QThread *m_thread = nullptr;
    QTimer *m_pacingTimer = nullptr;
    QTimer *m_replyTimer = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_resumeTimer = nullptr;
    QTimer *m_peerTimer = nullptr;
    bool m_readPaused = false;
    bool m_ending = false; // endReading()
    bool m_pausedSinceTick = false;
    bool m_judgePending = false;
    qint64 m_judgeAskedMs = 0; // the peer clock of the judgement asked for
    // The peer clock: ms during which the client had taken everything the
    // device sent (it stands still while reads are held or bytes wait in the
    // socket). The device is judged on this time only.
    qint64 m_peerMs = 0;
    QElapsedTimer m_sinceTick;
    qint64 m_heartbeatPeerMs = 0;
    quint64 m_messagesAtHeartbeat = 0;
    bool m_connected = false;
    bool m_manualDisconnect = true;
    bool m_waitingHeartbeatReply = false;
    loginDev m_dev;
    RecvInfo m_identity;
    uint8_t m_tryCount = 0;
};
