#pragma once

// The one entry point of the device protocol: one TCP session per device or
// recorder channel, keyed by IP address and channel, every command forwarded
// to its session, everything received relayed as application-wide signals,
// and the LAN search service.

#include "BroadService.h"
#include "KelvoCommon.h"
#include "RecordRequests.h"
#include "TcpClient.h"

#include <QHash>
#include <QObject>
#include <QString>

class KelvoSDKHelper : public QObject
{
    Q_OBJECT

public:
    static KelvoSDKHelper *instance();

    // Timings for sessions created afterwards (tests shrink them).
    void setTimings(const SdkTimings &timings);
    SdkTimings timings() const;

    void connectDev(const loginDev &dev);
    void logoutDev(const loginDev &dev);
    // The client closes: every session tells its device so and reads what it
    // sends until it ends its side (TcpClient::endReading). stillReading: the
    // sessions whose device has not ended its side yet, or whose data is not
    // all passed on. logoutAll: every session ends.
    void endReading();
    QList<loginDev> stillReading() const;
    void logoutAll();
    void update(const loginDev &dev);
    // False when the device has no session or the message could not be written.
    bool sendData(const loginDev &dev, unsigned int cmd, const QString &body, unsigned char channel);
    bool sendCmd(const loginDev &dev, unsigned int cmd, unsigned char channel);
    // Drops the session's connection as a lost one is dropped (everything
    // that runs over it is told so) and lets the usual reconnect open a
    // fresh one at once. False when the device has no session.
    bool restartSession(const loginDev &dev);
    void startHeartbeat(const loginDev &dev);
    void stopHeartbeat(const loginDev &dev);

    void queryRecord(const loginDev &dev, const RecordQuery &query);
    void downloadOrRecord(const loginDev &dev, const RecordStreamRequest &request);
    void stopDownload(const loginDev &dev, const RecordStreamRequest &request);
    // The same operations under the names the playback and download pages use.
    void sessionQueryRecord(const loginDev &dev, const RecordQueryInfo &query) { queryRecord(dev, query); }
    void sessionStopDownload(const loginDev &dev, const RecordStreamInfo &request) { stopDownload(dev, request); }
    void seekPlay(const loginDev &dev, const QString &time);
    void setPlaySpeed(const loginDev &dev, unsigned char speed, bool flag);
    void pausePlay(const loginDev &dev);
    void resumePlay(const loginDev &dev);

    void uploadFile(const loginDev &dev, const QString &path);
    void uploadNext(const loginDev &dev);

    void searchDevices();
    QHash<QString, SearchDevInfo> getSearchDevices() const;
    void modifyNetwork(const SearchDevInfo &dev);
    void sendCredentialCmd(const SearchDevInfo &dev);

    // The search service (created on first use); lets callers point the
    // broadcast target and the local addresses elsewhere.
    BroadService *broadService();

    // See TcpClient: false when the device has no session.
    bool holdsUnreadData(const loginDev &dev) const;
    bool holdsUnfinishedFrame(const loginDev &dev) const;

    // Inspection.
    bool hasSession(const loginDev &dev) const { return m_sessions.contains(dev); }
    bool isConnected(const loginDev &dev) const;
    int sessionCount() const { return m_sessions.size(); }
    TcpClient *session(const loginDev &dev) const { return m_sessions.value(dev, nullptr); }

signals:
    void signalCommonInfo(devXmlInfo info);
    void disconnectDev(loginDev dev);
    void recvConnectDev(loginDev dev);
    // A request written to a session (sendData, sendCmd): whoever sent it,
    // its reply is owed on that session.
    void requestWritten(loginDev dev, unsigned int cmd, unsigned char channel);
    // Stream data a session received and lost (who: its address and channel,
    // and in who.head.cmd the stream's command, -1 when not known), in order
    // with signalCommonInfo.
    void streamLost(devXmlInfo who, StreamLoss loss);

private:
    explicit KelvoSDKHelper(QObject *parent = nullptr);
    ~KelvoSDKHelper() override;

    BroadService *m_broad = nullptr;
    QHash<loginDev, TcpClient *> m_sessions;
};
