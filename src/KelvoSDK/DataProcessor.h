#pragma once

// Receive side of one device session, living in a thread of its own: cuts the
// session's bytes into frames and messages, passes replies on at once,
// reassembles stream fragments and releases the playback stream at a pace
// that follows the backlog.

#include "KelvoCommon.h"
#include "PrivateProto.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>

#include <atomic>

// Bounds of what a peer can make one receive worker hold.
struct StreamLimits
{
    qint64 queueMaxBytes = 48 * 1024 * 1024; // paced playback queue, media bytes
    int queueMaxFrames = 1500;               // paced playback queue, frames
    // An incomplete frame is given up once its header has waited this long
    // on the peer clock: time the client spent caught up with the peer.
    int stalledFrameMs = 3000;
};

class DataProcessor : public QObject
{
    Q_OBJECT

public:
    static constexpr uint16_t MinInterval = 25;
    static constexpr uint16_t MaxInterval = 40;
    static constexpr int QueueHigh = 50;
    static constexpr int QueueLow = 15;
    // A playback frame larger than this opens the stream after a start or a
    // seek even without the key-frame flag.
    static constexpr int KeyFrameMinBytes = 10000;

    // Whether a playback frame may be the first one played after a start, a
    // seek or a gap: it carries the key-frame flag or is larger than
    // KeyFrameMinBytes.
    static bool startsDecoding(const RecvInfo &frame);

    explicit DataProcessor(QObject *parent = nullptr);

    // Identity stamped on every message; called from the session's thread.
    void setDevInfo(const RecvInfo &info);

    void setLimits(const StreamLimits &limits);
    StreamLimits limits() const;

    int streamQueueLength() const;
    uint16_t currentInterval() const;
    bool waitingForKeyFrame() const;

    // What the worker holds, readable from any thread.
    qint64 streamQueueBytes() const;
    qint64 reassemblyBytes() const;
    qint64 splitterBytes() const { return m_splitterBytes.load(); }

    // Complete messages parsed so far: the session's sign of life.
    quint64 messagesParsed() const { return m_messages.load(); }
    // A frame whose header came and whose payload has not yet all come.
    bool holdsIncompleteFrame() const { return m_incompleteFrame.load(); }

    // The peer clock, set by the session (from its thread): ms during which
    // the client had taken everything the peer sent. Reads are stamped with
    // it, so a wait for a frame's rest counts only that time.
    void setPeerClock(qint64 ms) { m_peerMs = ms; }

    // Bytes handed to the worker and not yet parsed, plus messages emitted and
    // not yet taken by the session: the session stops reading above a bound.
    qint64 backlogBytes() const { return m_backlog.load(); }
    void addBacklog(qint64 bytes) { m_backlog += bytes; }
    static qint64 deliveryCost(const RecvInfo &info);

signals:
    void setTimerInterval(int interval);
    void recvCommonInfo(devXmlInfo info);
    // Stream data lost on the client's side of the wire (who: the identity,
    // and in who.head.cmd the stream's command, -1 when the frame never told
    // it).
    void streamLost(devXmlInfo who, StreamLoss loss);
    // judgeStalls is done: every byte handed over before it is parsed, and
    // every message of them emitted.
    void judged();

public slots:
    void processPacket(const QByteArray &packet);
    void sendStream();
    // A playback stopped or restarted: what was queued or half collected for
    // it must not come out ahead of the new stream.
    void resetStream();
    // A new connection is a new byte stream: nothing half read on the old one
    // may be completed with the new one's bytes.
    void resetConnection();
    // Called by the session once it has handed over what its socket held:
    // gives up every incomplete frame whose header has waited the bound by
    // peerMs on the peer clock, and every frame found behind it that has too.
    void judgeStalls(qint64 peerMs);

public:
    // Passes one ordinary message on (called with the lock held).
    void parserRecvData(const QString &text);

private:
    void dispatchPayload(const QByteArray &payload);
    void queueStream();
    void emitNow(const RecvInfo &info);
    void checkStalledFrame(qint64 peerMs);
    void noteArrival();
    void forgetArrivals();
    qint64 arrivalMs(qint64 offset) const;
    // Tells a loss with the session's identity (caller holds the lock).
    void tellLoss(int cmd, StreamLoss loss);

    mutable QMutex m_mutex;
    RecvInfo m_work;
    FrameSplitter m_splitter;
    QList<QByteArray> m_payloads;
    QList<RecvInfo> m_streamQueue;
    uint16_t m_minInterval = MinInterval;
    uint16_t m_maxInterval = MaxInterval;
    uint16_t m_interval = MaxInterval;
    bool m_waitKeyFrame = true;
    StreamReassembler m_reassembler;

    StreamLimits m_limits;
    qint64 m_streamQueueBytes = 0;
    bool m_dropUntilKey = false;
    int m_droppedFrames = 0;
    // When the bytes still buffered came: (stream offset just past a read,
    // the peer clock then). A header is given up by when it came, not by when
    // the frame before it was given up, so frames that lie one after another
    // do not add up their waits.
    QList<QPair<qint64, qint64>> m_arrivals;
    std::atomic<qint64> m_peerMs{0};
    std::atomic_bool m_incompleteFrame{false};
    std::atomic<qint64> m_splitterBytes{0};
    std::atomic<quint64> m_messages{0};
    std::atomic<qint64> m_backlog{0};
};
