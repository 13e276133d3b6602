#include "TcpClient.h"

#include "DataProcessor.h"
#include "PrivateProto.h"
#include "ThreadStack.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/ioctl.h>
#include <sys/socket.h>
#endif

namespace {
QMutex g_timingsMutex;
SdkTimings g_defaultTimings;

// Ticks' worth of time a late peer clock tick adds at most.
constexpr int LateTickCredit = 5;

// Bytes the system holds for the socket that Qt has not read yet.
qint64 systemUnread(qintptr descriptor)
{
    if (descriptor < 0)
        return 0;
#ifdef Q_OS_WIN
    u_long n = 0;
    return ioctlsocket(SOCKET(descriptor), FIONREAD, &n) == 0 ? qint64(n) : 0;
#else
    int n = 0;
    return ::ioctl(int(descriptor), FIONREAD, &n) == 0 ? qint64(n) : 0;
#endif
}
} // namespace

void TcpClient::setDefaultTimings(const SdkTimings &timings)
{
    QMutexLocker lock(&g_timingsMutex);
    g_defaultTimings = timings;
}

SdkTimings TcpClient::defaultTimings()
{
    QMutexLocker lock(&g_timingsMutex);
    return g_defaultTimings;
}

TcpClient::TcpClient(QObject *parent)
    : QObject(parent)
    , m_timings(defaultTimings())
{
    registerKelvoMetaTypes();

    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(SocketReadBuffer);
    // Devices sit on the LAN; never tunnel them through a configured proxy.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QTcpSocket::connected, this, &TcpClient::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &TcpClient::onDataReceived);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &TcpClient::onConnectionError);

    m_replyTimer = new QTimer(this);
    connect(m_replyTimer, &QTimer::timeout, this, &TcpClient::onConnectTimeout);

    m_heartbeatTimer = new QTimer(this);
    connect(m_heartbeatTimer, &QTimer::timeout, this, &TcpClient::sendHeartbeat);

    m_reconnectTimer = new QTimer(this);
    m_reconnectTimer->setSingleShot(true);
    m_reconnectTimer->setTimerType(Qt::PreciseTimer);
    connect(m_reconnectTimer, &QTimer::timeout, this, [this]() { connectDev(m_dev); });

    m_resumeTimer = new QTimer(this);
    connect(m_resumeTimer, &QTimer::timeout, this, &TcpClient::resumeReading);

    m_peerTimer = new QTimer(this);
    connect(m_peerTimer, &QTimer::timeout, this, &TcpClient::onPeerTick);

    m_connected = false;

    m_thread = new QThread(this);
    m_worker = new DataProcessor();
    m_worker->moveToThread(m_thread);
    connect(
        m_thread, &QThread::started, m_worker, [] { ThreadStack::install(); }, Qt::DirectConnection);
    connect(
        m_worker, &DataProcessor::recvCommonInfo, this,
        [this](const devXmlInfo &info) {
            m_worker->addBacklog(-DataProcessor::deliveryCost(info));
            if (m_waitingHeartbeatReply && m_worker->messagesParsed() != m_messagesAtHeartbeat)
                m_waitingHeartbeatReply = false;
            // Last: the facade relays at once, and a listener may end this session.
            emit recvCommonInfo(info);
        },
        Qt::QueuedConnection);
    connect(m_worker, &DataProcessor::streamLost, this, &TcpClient::streamLost, Qt::QueuedConnection);
    connect(m_worker, &DataProcessor::judged, this, &TcpClient::onJudged, Qt::QueuedConnection);
    applyWorkerLimits();
    connect(
        m_worker, &DataProcessor::setTimerInterval, this,
        [this](int interval) {
            if (m_pacingTimer && m_pacingTimer->interval() != interval)
                m_pacingTimer->setInterval(interval);
        },
        Qt::QueuedConnection);
    m_thread->start(QThread::InheritPriority);

    m_pacingTimer = new QTimer(this);
    connect(m_pacingTimer, &QTimer::timeout, m_worker, &DataProcessor::sendStream, Qt::QueuedConnection);
    m_pacingTimer->setInterval(m_timings.pacingStartMs);
    m_pacingTimer->start();
}

TcpClient::~TcpClient()
{
    if (m_thread->isRunning()) {
        m_pacingTimer->stop();
        disconnect(m_pacingTimer, nullptr, m_worker, nullptr);
        m_thread->requestInterruption();
        m_thread->quit();
        m_thread->wait();
        if (m_thread->isRunning()) {
            m_thread->terminate();
            m_thread->wait();
        }
    }
    delete m_worker;
    m_worker = nullptr;
    delete m_thread;
    m_thread = nullptr;
}

void TcpClient::applyWorkerLimits()
{
    StreamLimits limits;
    limits.queueMaxBytes = m_timings.streamQueueMaxBytes;
    limits.queueMaxFrames = m_timings.streamQueueMaxFrames;
    // A reply behind a header that lies about its length reaches its page
    // within one reply timeout, and a heartbeat reply swallowed by such a
    // header is released before the heartbeat's own timeout ends the session.
    limits.stalledFrameMs = m_timings.replyTimeoutMs * 3 / 4;
    m_worker->setLimits(limits);
}

void TcpClient::setTimings(const SdkTimings &timings)
{
    m_timings = timings;
    applyWorkerLimits();
    if (m_heartbeatTimer->isActive())
        m_heartbeatTimer->setInterval(m_timings.heartbeatIntervalMs);
    m_peerTimer->setInterval(m_timings.peerTickMs());
}

void TcpClient::connectDev(const loginDev &dev)
{
    // Nothing connects again once the client closes.
    if (m_connected || m_ending)
        return;
    m_dev = dev;
    m_identity.ip = dev.ip;
    m_identity.channel = dev.channel;
    qInfo() << "Try to connect " << dev.ip << ":" << dev.port << " by " << dev.user << "/" << PASSWORD_MASK;

    m_reconnectTimer->stop();
    m_socket->setProxy(QNetworkProxy::NoProxy);
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_resumeTimer->stop();
    m_peerTimer->stop();
    m_readPaused = false;
    QMetaObject::invokeMethod(m_worker, "resetConnection", Qt::QueuedConnection);
    m_worker->setDevInfo(m_identity);
    // Armed before connecting: an error reported from inside connectToHost
    // then finds the session in its connecting state.
    armReplyTimer();
    m_manualDisconnect = false;
    m_socket->connectToHost(dev.ip, dev.port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
}

void TcpClient::armReplyTimer()
{
    m_waitingHeartbeatReply = false;
    m_replyTimer->start(m_timings.replyTimeoutMs);
}

// Also ends the wait for a heartbeat's reply.
void TcpClient::stopReplyTimer()
{
    m_replyTimer->stop();
    m_waitingHeartbeatReply = false;
}

void TcpClient::onConnectTimeout()
{
    m_replyTimer->stop();
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_socket->abort();
        onConnectionError(QAbstractSocket::SocketTimeoutError);
    }
}

void TcpClient::startPeerClock()
{
    m_pausedSinceTick = false;
    m_judgePending = false;
    m_sinceTick.start();
    m_peerTimer->start(m_timings.peerTickMs());
}

bool TcpClient::socketHoldsUnread() const
{
    return m_socket->bytesAvailable() > 0 || systemUnread(m_socket->socketDescriptor()) > 0;
}

// The device is judged only on time during which the client had taken all it
// sent: a tick that finds bytes waiting in the socket, or reads held for the
// worker, adds nothing to the peer clock. A tick that came late (the thread
// held up) adds no more than a few ticks' worth, less than any bound the
// device is judged by. Each tick first hands over what the socket holds, then
// has the worker judge, behind those bytes.
void TcpClient::onPeerTick()
{
    const bool leftUnread = socketHoldsUnread();
    const qint64 elapsed = m_sinceTick.restart();
    onDataReceived();
    const bool held = leftUnread || m_readPaused || m_pausedSinceTick;
    m_pausedSinceTick = m_readPaused;
    if (!held) {
        m_peerMs += qMin<qint64>(elapsed, LateTickCredit * m_timings.peerTickMs());
        m_worker->setPeerClock(m_peerMs);
    }
    const bool replyOverdue = m_waitingHeartbeatReply && m_peerMs - m_heartbeatPeerMs >= m_timings.replyTimeoutMs;
    if (m_judgePending || m_readPaused || (!replyOverdue && !m_worker->holdsIncompleteFrame()))
        return;
    m_judgePending = true;
    m_judgeAskedMs = m_peerMs;
    QMetaObject::invokeMethod(m_worker, "judgeStalls", Qt::QueuedConnection, Q_ARG(qint64, m_peerMs));
}

void TcpClient::onJudged()
{
    m_judgePending = false;
    // Every message the device sent before the judged moment has been
    // handed on by now: only a complete message is a sign of life, bytes of
    // a frame that never completes are not.
    if (m_waitingHeartbeatReply && m_judgeAskedMs - m_heartbeatPeerMs >= m_timings.replyTimeoutMs
        && m_worker->messagesParsed() == m_messagesAtHeartbeat)
        onWriteTimeout();
}

bool TcpClient::holdsUnreadData() const
{
    if (!m_connected)
        return false;
    return m_readPaused || socketHoldsUnread() || m_worker->backlogBytes() > 0 || m_worker->holdsIncompleteFrame()
           || m_worker->streamQueueLength() > 0;
}

bool TcpClient::holdsUnfinishedFrame() const
{
    return m_worker->holdsIncompleteFrame() || m_worker->reassemblyBytes() > 0;
}

void TcpClient::onConnected()
{
    stopReplyTimer();
    startPeerClock();
    qInfo() << "Succeed to connect to " << m_dev.ip << m_dev.channel;
    emit recvConnectDev(m_dev);
    m_connected = true;
    m_tryCount = 0;
}

void TcpClient::onDisconnected()
{
    qInfo() << " ip " << m_dev.ip << " channel " << m_dev.channel << " Port " << m_dev.port;
}

void TcpClient::onConnectionError(QAbstractSocket::SocketError error)
{
    qWarning() << error << "; ip:" << m_dev.ip << " channelno:" << m_dev.channel;
    m_connected = false;
    m_heartbeatTimer->stop();
    m_peerTimer->stop();
    // A timer left running would abort the next attempt.
    stopReplyTimer();
    // The device ended its side after the client ended its own: the close's
    // doing, nobody's loss.
    if (m_ending) {
        onDataReceived();
        return;
    }
    emit devDisconnected(m_dev);
    if (!m_manualDisconnect) {
        ++m_tryCount;
        tryReconnet();
    }
}

void TcpClient::tryReconnet()
{
    if (m_tryCount > RetryCap)
        m_tryCount = RetryCap;
    const int n = m_tryCount;
    const qint64 delayMs = qint64(2) * n * n * m_timings.reconnectUnitMs;
    qInfo() << m_dev.ip << " channelId:" << m_dev.channel << " tryConnect:" << n
            << " next login after(s):" << double(delayMs) / 1000.0;
    // One pending reconnect per session: a later failure replaces it.
    m_reconnectTimer->start(int(delayMs));
}

bool TcpClient::reconnectPending() const
{
    return m_reconnectTimer->isActive();
}

bool TcpClient::heartbeatActive() const
{
    return m_heartbeatTimer->isActive();
}

int TcpClient::pacingInterval() const
{
    return m_pacingTimer->interval();
}

void TcpClient::restartSession()
{
    qInfo() << "fresh session for" << m_dev.ip << "channel" << m_dev.channel;
    m_manualDisconnect = false;
    m_socket->abort();
    m_tryCount = 0;
    onConnectionError(QAbstractSocket::RemoteHostClosedError);
}

void TcpClient::disconnectDev()
{
    qInfo() << m_dev.ip << " channelId:" << m_dev.channel;
    m_manualDisconnect = true;
    m_reconnectTimer->stop();
    m_heartbeatTimer->stop();
    m_peerTimer->stop();
    stopReplyTimer();
    // Cleared so that a later connectDev really connects again.
    m_connected = false;
    m_socket->disconnectFromHost();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TcpClient::endReading()
{
    if (m_ending)
        return;
    m_ending = true;
    m_manualDisconnect = true;
    m_reconnectTimer->stop();
    m_heartbeatTimer->stop();
    m_peerTimer->stop();
    stopReplyTimer();
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        // Not connected (yet): nothing was sent on it.
        m_socket->abort();
        m_connected = false;
        return;
    }
    // What is written goes first; then the device sees the client's side end,
    // ends its own, and everything it sent before that arrives ahead of it.
    m_socket->flush();
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(m_socket->socketDescriptor()), SD_SEND);
#else
    ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
#endif
    onDataReceived();
}

bool TcpClient::readingEnded() const
{
    if (!m_ending || m_socket->state() != QAbstractSocket::UnconnectedState)
        return false;
    return m_socket->bytesAvailable() == 0 && m_worker->backlogBytes() <= 0;
}

bool TcpClient::sendData(unsigned int cmd, const QString &body, unsigned char channel)
{
    if (m_ending)
        return false;
    if (!m_connected) {
        qDebug() << "sendData Unconnected " << m_dev.ip << m_dev.channel << cmd;
        return false;
    }
    if (m_socket->state() == QAbstractSocket::UnconnectedState) {
        qDebug() << "m_socket Unconnected " << m_dev.ip << m_dev.channel << cmd;
        return false;
    }
    if (channel != 0)
        qDebug() << "send data cmd " << cmd;
    const QString xml = getSafeXml(cmd, body, channel);
    if (xml.isEmpty())
        return false; // refused body: already logged, nothing goes out
    return sendByteData(xml.toUtf8());
}

bool TcpClient::sendByteData(const QByteArray &payload)
{
    // The client's side has ended: a write would break what is still read.
    if (!m_socket || m_ending)
        return false;
    const QByteArray magic = PrivateProto::magicBytes();
    if (m_socket->write(magic) != magic.size()) {
        qWarning() << "Failed to send flag to " << m_dev.ip << " Error:" << m_socket->errorString();
        return false;
    }
    const QByteArray length = PrivateProto::frameHeader(uint32_t(payload.size())).mid(4);
    if (m_socket->write(length) != length.size()) {
        qWarning() << "Failed to send length to " << m_dev.ip << " Error:" << m_socket->errorString();
        return false;
    }
    const qint64 written = m_socket->write(payload);
    if (written != payload.size()) {
        qWarning() << "Partial data sent to " << m_dev.ip << " Expected:" << payload.size() << " Actual:" << written;
        return false;
    }
    return true;
}

void TcpClient::onDataReceived()
{
    if (m_readPaused)
        return;
    // Read in pieces and look at the worker's backlog before each: one read
    // could otherwise take everything the socket and kernel hold at once.
    while (m_socket->bytesAvailable() > 0) {
        if (m_worker->backlogBytes() > m_timings.workerBacklogMaxBytes) {
            pauseReading();
            return;
        }
        const QByteArray bytes = m_socket->read(ReadChunk);
        if (bytes.isEmpty())
            return;
        // Every read goes to the worker at once: holding bytes back until the next
        // closing tag would stall the binary tail of the last message of a burst.
        m_worker->addBacklog(bytes.size());
        QMetaObject::invokeMethod(m_worker, "processPacket", Qt::QueuedConnection, Q_ARG(QByteArray, bytes));
    }
}

// Left in the socket, the bytes fill its read buffer and then the kernel's,
// and the peer is throttled instead of our memory growing. The peer clock
// stands still meanwhile: the peer cannot send what the client does not take.
void TcpClient::pauseReading()
{
    m_readPaused = true;
    m_pausedSinceTick = true;
    m_resumeTimer->start(m_timings.resumePollMs);
}

void TcpClient::resumeReading()
{
    if (m_worker->backlogBytes() > m_timings.workerBacklogMaxBytes / 2)
        return;
    m_resumeTimer->stop();
    m_readPaused = false;
    if (m_socket->bytesAvailable() > 0)
        onDataReceived();
}

void TcpClient::startHeartbeat()
{
    m_heartbeatTimer->start(m_timings.heartbeatIntervalMs);
}

void TcpClient::stopHeartbeat()
{
    m_heartbeatTimer->stop();
}

void TcpClient::sendHeartbeat()
{
    m_heartbeatTimer->setInterval(m_timings.heartbeatIntervalMs);
    m_messagesAtHeartbeat = m_worker->messagesParsed();
    sendData(Cmd::Heartbeat, QString(), 0);
    if (!m_connected)
        return;
    // The reply is owed within the reply timeout on the peer clock, judged
    // by its ticks.
    m_waitingHeartbeatReply = true;
    m_heartbeatPeerMs = m_peerMs;
}

void TcpClient::onWriteTimeout()
{
    qWarning() << "Write timeout occurred ip:" << m_dev.ip << " channelId:" << m_dev.channel;
    stopReplyTimer();
    m_socket->abort();
    onConnectionError(QAbstractSocket::SocketTimeoutError);
}

// ---- playback and download ------------------------------------------------------

void TcpClient::queryRecord(const RecordQuery &query)
{
    sendData(Cmd::QueryRecords,
             QStringLiteral("<ChannelId>%1</ChannelId><Time>%2</Time><ByMonth>%3</ByMonth>")
                 .arg(QString::number(query.channel), query.time, QString::number(query.byMonth)),
             0);
}

void TcpClient::downloadOrRecord(const RecordStreamRequest &request)
{
    sendData(Cmd::StartRecordStream,
             QStringLiteral("<ChannelId>%1</ChannelId><Time>%2</Time><TimeEnd>%3</TimeEnd>"
                            "<DownloadRecord>%4</DownloadRecord>")
                 .arg(QString::number(request.channel), request.startTime, request.endTime,
                      QString::number(request.download)),
             0);
    // Queued behind every read so far: frames of the previous playback that
    // were already received are dropped, not played ahead of the new one.
    QMetaObject::invokeMethod(m_worker, "resetStream", Qt::QueuedConnection);
}

void TcpClient::stopDownload(const RecordStreamRequest &request)
{
    sendData(Cmd::StopRecordStream,
             QStringLiteral("<ChannelId>%1</ChannelId><DownloadRecord>%2</DownloadRecord>")
                 .arg(QString::number(request.channel), QString::number(request.download)),
             0);
    QMetaObject::invokeMethod(m_worker, "resetStream", Qt::QueuedConnection);
}

void TcpClient::seekPlay(unsigned char channel, const QString &time)
{
    sendData(Cmd::SeekRecordStream,
             QStringLiteral("<ChannelId>%1</ChannelId><Time>%2</Time>").arg(QString::number(channel), time), 0);
}

void TcpClient::setPlaySpeed(unsigned char channel, unsigned char speed, bool flag)
{
    sendData(flag ? Cmd::PlayFaster : Cmd::PlaySlower,
             QStringLiteral("<ChannelId>%1</ChannelId><Speed>%2</Speed>")
                 .arg(QString::number(channel), QString::number(speed)),
             0);
}

void TcpClient::pausePlay(unsigned char channel)
{
    sendData(Cmd::PausePlayback, QStringLiteral("<ChannelId>%1</ChannelId>").arg(channel), 0);
}

void TcpClient::resumePlay(unsigned char channel)
{
    sendData(Cmd::ResumePlayback, QStringLiteral("<ChannelId>%1</ChannelId>").arg(channel), 0);
}

// ---- firmware upload ----------------------------------------------------------------

void TcpClient::uploadFileDev(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << m_dev.ip << " failed to open file " << path;
        return;
    }
    m_upload.chunks.clear();
    m_upload.path = path;
    m_upload.totalSize = 0;
    m_upload.startPos = 0;
    m_upload.uploading = true;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(PrivateProto::FirmwareChunkSize);
        if (piece.isEmpty()) {
            qWarning() << m_dev.ip << " Read zero-size data block, which is unexpected.";
            m_upload.uploading = false;
            m_upload.chunks.clear();
            return;
        }
        m_upload.totalSize += uint32_t(piece.size());
        m_upload.chunks.append(piece);
    }
    file.close();
    qInfo() << m_dev.ip << " upgrade file path:" << path << "; file size:" << m_upload.totalSize;
    if (m_upload.chunks.isEmpty()) {
        qWarning() << m_dev.ip << " No data blocks to upload.";
        m_upload.uploading = false;
        return;
    }
    sendData(Cmd::UpgradeBegin, QStringLiteral("<firmwareLength>%1</firmwareLength>").arg(m_upload.totalSize), 0);
    m_heartbeatTimer->setInterval(m_timings.heartbeatIntervalMs);
}

void TcpClient::uploadStep()
{
    for (int i = 0; i < UploadBurst; ++i) {
        if (m_upload.uploading && !m_upload.chunks.isEmpty()) {
            uploadXml(false);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    if (!m_upload.uploading)
        return; // no upload running (or it already ended): no stray closing message
    if (m_upload.chunks.isEmpty())
        uploadXml(true);
    else
        QTimer::singleShot(m_timings.uploadBurstGapMs, this, &TcpClient::uploadStep);
}

void TcpClient::uploadXml(bool last)
{
    const QByteArray chunk = last || m_upload.chunks.isEmpty() ? QByteArray() : m_upload.chunks.first();
    const QString body =
        QStringLiteral("<startPos>%1</startPos><dataLength>%2</dataLength>").arg(m_upload.startPos).arg(chunk.size());
    QByteArray payload = getSafeXml(Cmd::UpgradeChunk, body, 0).toUtf8();
    payload.append(4, '\0');
    payload.append(chunk);
    sendByteData(payload);
    m_upload.startPos += uint32_t(chunk.size());
    if (!last) {
        if (!m_upload.chunks.isEmpty())
            m_upload.chunks.removeFirst();
    } else {
        qInfo() << m_dev.ip << " send last upgrade file data";
        m_upload.uploading = false;
    }
}
