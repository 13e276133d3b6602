#include "KelvoSDKHelper.h"

#include <QDebug>

KelvoSDKHelper *KelvoSDKHelper::instance()
{
    static KelvoSDKHelper helper;
    return &helper;
}

KelvoSDKHelper::KelvoSDKHelper(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    qRegisterMetaType<RecordQuery>("RecordQuery");
    qRegisterMetaType<RecordStreamRequest>("RecordStreamRequest");
    qRegisterMetaType<RecordQuery>("RecordQueryInfo");
    qRegisterMetaType<RecordStreamRequest>("RecordStreamInfo");
    m_broad = new BroadService(this);
}

KelvoSDKHelper::~KelvoSDKHelper()
{
    // The facade dies at process exit, possibly after the application object:
    // delete the sessions right away so their worker threads are stopped.
    const auto sessions = m_sessions.values();
    m_sessions.clear();
    for (TcpClient *client : sessions) {
        disconnect(client, nullptr, this, nullptr);
        delete client;
    }
    delete m_broad;
    m_broad = nullptr;
}

void KelvoSDKHelper::setTimings(const SdkTimings &timings)
{
    TcpClient::setDefaultTimings(timings);
}

SdkTimings KelvoSDKHelper::timings() const
{
    return TcpClient::defaultTimings();
}

void KelvoSDKHelper::connectDev(const loginDev &dev)
{
    if (m_sessions.contains(dev))
        return;
    auto *client = new TcpClient(this);
    m_sessions.insert(dev, client);
    // Relays first: a failure reported from inside the first attempt is not lost.
    // The session emits its messages on this thread, from the one queued call
    // that brings them over from its receive worker (the session is a child
    // of this object, so it lives here): they go on at once, not through the
    // event queue a second time. The session does nothing after emitting, so
    // a listener may log it out from here.
    connect(client, &TcpClient::recvCommonInfo, this, &KelvoSDKHelper::signalCommonInfo, Qt::DirectConnection);
    connect(client, &TcpClient::streamLost, this, &KelvoSDKHelper::streamLost, Qt::DirectConnection);
    connect(client, &TcpClient::devDisconnected, this, &KelvoSDKHelper::disconnectDev, Qt::QueuedConnection);
    connect(client, &TcpClient::recvConnectDev, this, &KelvoSDKHelper::recvConnectDev, Qt::QueuedConnection);
    client->connectDev(dev);
}

void KelvoSDKHelper::logoutDev(const loginDev &dev)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client)
        return;
    disconnect(client, nullptr, this, nullptr);
    disconnect(this, nullptr, client, nullptr);
    m_sessions.remove(dev);
    client->disconnectDev();
    client->deleteLater();
}

void KelvoSDKHelper::endReading()
{
    for (TcpClient *client : qAsConst(m_sessions))
        client->endReading();
}

QList<loginDev> KelvoSDKHelper::stillReading() const
{
    QList<loginDev> reading;
    for (auto it = m_sessions.cbegin(); it != m_sessions.cend(); ++it) {
        if (!it.value()->readingEnded())
            reading << it.key();
    }
    return reading;
}

void KelvoSDKHelper::logoutAll()
{
    const QList<loginDev> all = m_sessions.keys();
    for (const loginDev &dev : all)
        logoutDev(dev);
}

void KelvoSDKHelper::update(const loginDev &dev)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client)
        return;
    if (client->isConnected()) {
        qDebug() << "[KelvoSDKHelper::update] send heartbeat to " << dev.ip << ", channel:" << dev.channel;
        client->sendHeartbeat();
    } else {
        client->resetTryCount();
        client->connectDev(dev);
    }
}

bool KelvoSDKHelper::holdsUnreadData(const loginDev &dev) const
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    return client && client->holdsUnreadData();
}

bool KelvoSDKHelper::holdsUnfinishedFrame(const loginDev &dev) const
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    return client && client->holdsUnfinishedFrame();
}

bool KelvoSDKHelper::isConnected(const loginDev &dev) const
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    return client && client->isConnected();
}

bool KelvoSDKHelper::sendData(const loginDev &dev, unsigned int cmd, const QString &body, unsigned char channel)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client || !client->sendData(cmd, body, channel))
        return false;
    emit requestWritten(dev, cmd, channel);
    return true;
}

bool KelvoSDKHelper::sendCmd(const loginDev &dev, unsigned int cmd, unsigned char channel)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client || !client->sendCmd(cmd, channel))
        return false;
    emit requestWritten(dev, cmd, channel);
    return true;
}

bool KelvoSDKHelper::restartSession(const loginDev &dev)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client)
        return false;
    client->restartSession();
    return true;
}

void KelvoSDKHelper::startHeartbeat(const loginDev &dev)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->startHeartbeat();
}

void KelvoSDKHelper::stopHeartbeat(const loginDev &dev)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->stopHeartbeat();
}

void KelvoSDKHelper::queryRecord(const loginDev &dev, const RecordQuery &query)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->queryRecord(query);
}

void KelvoSDKHelper::downloadOrRecord(const loginDev &dev, const RecordStreamRequest &request)
{
    TcpClient *client = m_sessions.value(dev, nullptr);
    if (!client)
        return;
    client->startHeartbeat();
    qInfo() << "[NVR-FIX] startHeartbeat for replay channel" << dev.ip << "channel:" << dev.channel;
    client->downloadOrRecord(request);
}

void KelvoSDKHelper::stopDownload(const loginDev &dev, const RecordStreamRequest &request)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->stopDownload(request);
}

void KelvoSDKHelper::seekPlay(const loginDev &dev, const QString &time)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->seekPlay(dev.channel, time);
}

void KelvoSDKHelper::setPlaySpeed(const loginDev &dev, unsigned char speed, bool flag)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->setPlaySpeed(dev.channel, speed, flag);
}

void KelvoSDKHelper::pausePlay(const loginDev &dev)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->pausePlay(dev.channel);
}

void KelvoSDKHelper::resumePlay(const loginDev &dev)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->resumePlay(dev.channel);
}

void KelvoSDKHelper::uploadFile(const loginDev &dev, const QString &path)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->uploadFileDev(path);
}

void KelvoSDKHelper::uploadNext(const loginDev &dev)
{
    if (TcpClient *client = m_sessions.value(dev, nullptr))
        client->uploadStep();
}

BroadService *KelvoSDKHelper::broadService()
{
    if (!m_broad)
        m_broad = new BroadService(this);
    return m_broad;
}

void KelvoSDKHelper::searchDevices()
{
    broadService()->searchDevices();
}

QHash<QString, SearchDevInfo> KelvoSDKHelper::getSearchDevices() const
{
    return m_broad ? m_broad->getSearchDevices() : QHash<QString, SearchDevInfo>();
}

void KelvoSDKHelper::modifyNetwork(const SearchDevInfo &dev)
{
    if (m_broad)
        m_broad->modifyNetwork(dev);
}

void KelvoSDKHelper::sendCredentialCmd(const SearchDevInfo &dev)
{
    if (m_broad)
        m_broad->sendCredentialCmd(dev);
}
