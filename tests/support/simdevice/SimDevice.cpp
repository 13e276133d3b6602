#include "SimDevice.h"

#include <QDebug>
#include <QDomDocument>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTextStream>
#include <QUdpSocket>

#include <cstring>

namespace {

const char kMagic[4] = {0x07, 0x03, 0x18, 0x20};
const QByteArray kClose("</PrivateProto>");

QByteArray frameBytes(const QByteArray &payload)
{
    QByteArray out(kMagic, 4);
    const uint32_t n = uint32_t(payload.size());
    for (int i = 0; i < 4; ++i)
        out.append(char((n >> (8 * i)) & 0xff));
    out.append(payload);
    return out;
}

QString innerText(const QString &xml, const QString &tag)
{
    const QString open = QStringLiteral("<%1>").arg(tag);
    const QString close = QStringLiteral("</%1>").arg(tag);
    const int s = xml.indexOf(open);
    if (s < 0)
        return QString();
    const int e = xml.indexOf(close, s + open.size());
    if (e < 0)
        return QString();
    return xml.mid(s + open.size(), e - s - open.size());
}

QString domChildrenToString(const QDomElement &root)
{
    QString out;
    for (QDomNode n = root.firstChild(); !n.isNull(); n = n.nextSibling()) {
        QString piece;
        QTextStream stream(&piece);
        n.save(stream, -1);
        out += piece;
    }
    return out;
}

QString escape(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

// ---- SimConnection ----------------------------------------------------------------

SimConnection::SimConnection(SimDevice *device, QTcpSocket *socket, int id)
    : QObject(device)
    , m_device(device)
    , m_socket(socket)
    , m_id(id)
{
    m_socket->setParent(this);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_socket, &QTcpSocket::readyRead, this, &SimConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, [this]() { emit closed(m_id); });
    m_splitTimer = new QTimer(this);
    connect(m_splitTimer, &QTimer::timeout, this, &SimConnection::flushSplit);
    m_streamTimer = new QTimer(this);
    connect(m_streamTimer, &QTimer::timeout, this, &SimConnection::sendNextFrame);
}

SimConnection::~SimConnection() = default;

QHostAddress SimConnection::peerAddress() const
{
    return m_socket->peerAddress();
}

quint16 SimConnection::peerPort() const
{
    return m_socket->peerPort();
}

void SimConnection::abort()
{
    m_streamTimer->stop();
    m_splitTimer->stop();
    m_socket->abort();
}

void SimConnection::hangUp()
{
    m_streamTimer->stop();
    m_splitTimer->stop();
    m_socket->disconnectFromHost();
}

void SimConnection::onReadyRead()
{
    m_in.append(m_socket->readAll());
    for (;;) {
        const int at = m_in.indexOf(QByteArray(kMagic, 4));
        if (at < 0) {
            if (m_in.size() > 3)
                m_in = m_in.right(3);
            return;
        }
        if (m_in.size() - at < 8)
            return;
        const auto *p = reinterpret_cast<const uint8_t *>(m_in.constData() + at + 4);
        const uint32_t len = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
        if (len > 0x800000) {
            m_in.remove(0, at + 8);
            continue;
        }
        if (qint64(m_in.size()) - at - 8 < qint64(len))
            return;
        const QByteArray payload = m_in.mid(at + 8, int(len));
        m_in.remove(0, at + 8 + int(len));
        handlePayload(payload);
        if (!m_socket->isOpen())
            return;
    }
}

void SimConnection::handlePayload(const QByteArray &payload)
{
    if (payload.isEmpty()) {
        m_device->countEmptyFrame();
        return;
    }
    const int closeAt = payload.indexOf(kClose);
    if (closeAt < 0)
        return;
    int end = closeAt + kClose.size();
    SimRequest req;
    req.xml = QString::fromUtf8(payload.left(end));
    int pos = end;
    if (pos < payload.size() && payload.at(pos) == '\n')
        ++pos;
    if (payload.size() >= pos + 4)
        req.tail = payload.mid(pos + 4);
    req.head = findValuesInXml(req.xml, QStringLiteral("head"));
    req.body = findValuesInXml(req.xml, QStringLiteral("body"));
    req.bodyText = innerText(req.xml, QStringLiteral("body"));
    req.cmd = req.head.value(QStringLiteral("cmd")).trimmed().toUInt();
    req.channel = req.head.value(QStringLiteral("channel")).trimmed().toInt();
    req.connectionId = m_id;
    // A reply carries the channel of the request it answers.
    m_channel = req.channel;
    m_device->dispatch(this, req);
}

void SimConnection::reply(unsigned int cmd, int result, const QString &body, int channel)
{
    const int ch = channel < 0 ? m_channel : channel;
    const QByteArray text =
        m_device->replyPayload(cmd, SimDevice::envelope(cmd, result, body + m_device->extraReplyBody(), ch));
    QByteArray payload = text;
    bool streamFirst = false;
    if (m_device->takeBundleRequest(&streamFirst)) {
        // A whole key frame large enough to pass the client's key-frame gate.
        const QByteArray stream = streamMessage(Cmd::PlaybackData, 0);
        payload = streamFirst ? stream + text : text + stream;
    }
    const int delay = m_device->replyDelayFor(cmd);
    if (delay == SimDevice::Held || delay == SimDevice::Repeated) {
        m_device->keepHeld(cmd, this, payload);
        if (delay == SimDevice::Held)
            return;
    }
    if (delay == SimDevice::Repeated) {
        sendFrame(payload);
        return;
    }
    if (delay <= 0) {
        sendFrame(payload);
        return;
    }
    QPointer<SimConnection> self(this);
    // Precise: what a test schedules after a late answer (a move, a hang-up)
    // comes after it, however long the delay.
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [self, payload]() {
        if (self)
            self->sendFrame(payload);
    });
}

void SimConnection::sendMessage(unsigned int cmd, int result, const QString &body, int channel, const QByteArray &tail)
{
    QByteArray payload = SimDevice::envelope(cmd, result, body, channel).toUtf8();
    if (!tail.isEmpty()) {
        payload.chop(1); // the data sits 4 bytes after the closing tag
        payload.append(4, '\0');
        payload.append(tail);
    }
    sendFrame(payload);
}

void SimConnection::sendFrame(const QByteArray &payload)
{
    writeOut(m_device->takeWritePrefix() + frameBytes(payload));
}

void SimConnection::sendRaw(const QByteArray &bytes)
{
    writeOut(bytes);
}

void SimConnection::writeOut(const QByteArray &bytes)
{
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_device->splitChunk() <= 0 && m_splitQueue.isEmpty()) {
        // Handed to the system at once, as a device's write is: what is
        // written is sent, whatever the client does next.
        m_socket->write(bytes);
        m_socket->flush();
        return;
    }
    m_splitQueue.append(bytes);
    if (!m_splitTimer->isActive())
        m_splitTimer->start(m_device->splitInterval());
}

void SimConnection::flushSplit()
{
    const int chunk = qMax(1, m_device->splitChunk());
    if (m_splitQueue.isEmpty() || m_socket->state() != QAbstractSocket::ConnectedState) {
        m_splitTimer->stop();
        return;
    }
    m_socket->write(m_splitQueue.left(chunk));
    m_socket->flush();
    m_splitQueue.remove(0, qMin(chunk, m_splitQueue.size()));
    if (m_splitQueue.isEmpty())
        m_splitTimer->stop();
}

QList<QByteArray> SimConnection::streamMessages(unsigned int cmd, int frameIndex)
{
    const PlaybackOptions &opt = m_device->playback();
    const int size = m_device->frameSize(frameIndex);
    const QByteArray media = SimDevice::mediaFrame(frameIndex, size);
    const bool key = m_device->isKeyFrame(frameIndex);
    const uint32_t time = opt.firstFrameTimeMs + uint32_t(frameIndex) * opt.frameTimeStepMs;
    const int fragSize = qBound(1, opt.fragmentSize, 65535);
    const int count = qMax(1, (size + fragSize - 1) / fragSize);

    SimStreamFrame sent;
    sent.index = frameIndex;
    sent.frameId = uint32_t(frameIndex + 1);
    sent.timeMs = time;
    sent.key = key;
    sent.media = media;
    m_sentFrames.append(sent);

    QList<QByteArray> out;
    for (int i = 0; i < count; ++i) {
        const QByteArray part = media.mid(i * fragSize, fragSize);
        StreamFragmentHeader h;
        const bool first = i == 0;
        h.setWord(0, first ? time : 0);
        h.setWord(1, 0x00010203);
        h.setSequence(int16_t(m_sequence++));
        h.setFragmentLength(uint16_t(part.size()));
        h.bytes[12] = count == 1 ? 0x11 : (first ? 0x01 : (i == count - 1 ? 0x10 : 0x00));
        h.bytes[13] = first && key && opt.markKeyFrames ? 1 : 0;
        h.setWord(4, sent.frameId);
        if (frameIndex == opt.dropMiddleOfFrame && count >= 3 && i == 1)
            continue; // lost on the way: the sequence number is used up all the same
        const QByteArray data = h.toByteArray() + part;
        QByteArray payload =
            SimDevice::envelope(cmd, 0, QStringLiteral("<dataLen>%1</dataLen>").arg(data.size()), 0).toUtf8();
        payload.chop(1);
        payload.append(4, '\0');
        payload.append(data);
        out.append(payload);
    }
    return out;
}

QByteArray SimConnection::streamMessage(unsigned int cmd, int frameIndex)
{
    // One whole-frame message, used by the bundle fault.
    const int saved = m_device->playback().fragmentSize;
    m_device->playback().fragmentSize = 65535;
    const QList<QByteArray> msgs = streamMessages(cmd, frameIndex);
    m_device->playback().fragmentSize = saved;
    return msgs.isEmpty() ? QByteArray() : msgs.first();
}

void SimConnection::sendStreamFrame(unsigned int cmd, int frameIndex)
{
    for (const QByteArray &m : streamMessages(cmd, frameIndex))
        sendFrame(m);
}

void SimConnection::startStream(bool download, int channel)
{
    const PlaybackOptions &opt = m_device->playback();
    m_streamDownload = download;
    m_streamChannel = channel;
    m_nextFrame = 0;
    m_sequence = uint16_t(opt.startSequence);
    m_sentFrames.clear();
    m_streamActive = true;
    sendMessage(Cmd::StreamAnswer, 0,
                QStringLiteral("<ChannelId>%1</ChannelId><VideoParam>%2</VideoParam>")
                    .arg(channel)
                    .arg(QString::fromLatin1(SimDevice::videoParam(opt.codec).toBase64())));
    if (download) {
        while (m_streamActive && m_nextFrame < opt.frameCount)
            sendNextFrame();
        return;
    }
    m_streamTimer->start(qMax(1, opt.frameIntervalMs));
}

void SimConnection::sendNextFrame()
{
    const PlaybackOptions &opt = m_device->playback();
    if (!m_streamActive || m_nextFrame >= opt.frameCount) {
        m_streamTimer->stop();
        m_streamActive = false;
        return;
    }
    const QList<QByteArray> msgs =
        streamMessages(m_streamDownload ? Cmd::DownloadData : Cmd::PlaybackData, m_nextFrame++);
    for (const QByteArray &m : msgs)
        sendFrame(m);
    if (m_nextFrame >= opt.frameCount) {
        m_streamTimer->stop();
        m_streamActive = false;
    }
}

void SimConnection::stopStream()
{
    m_streamTimer->stop();
    m_streamActive = false;
}

void SimConnection::pauseStream(bool paused)
{
    if (!m_streamActive || m_streamDownload)
        return;
    if (paused)
        m_streamTimer->stop();
    else
        m_streamTimer->start(qMax(1, m_device->playback().frameIntervalMs));
}

void SimConnection::seekStream()
{
    // The stream goes on from where it is; the client drops what precedes the
    // next key frame.
    if (m_streamActive && !m_streamDownload && !m_streamTimer->isActive() && !m_device->state().paused)
        m_streamTimer->start(qMax(1, m_device->playback().frameIntervalMs));
}

// ---- SimDevice --------------------------------------------------------------------

SimDevice::SimDevice(Kind kind, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
{
    registerKelvoMetaTypes();
    m_clock.start();
    m_server = new QTcpServer(this);
    m_server->setProxy(QNetworkProxy::NoProxy);
    connect(m_server, &QTcpServer::newConnection, this, &SimDevice::onNewConnection);
    m_state.dayRecord =
        QString(480, QLatin1Char('C')) + QString(120, QLatin1Char('0')) + QString(840, QLatin1Char('C'));

    const bool nvr = kind == Nvr;
    m_store.insert(Cmd::GetVersion,
                   QStringLiteral("<UID></UID><CPU>%1</CPU><sdkPlatform>SIGMASTAR</sdkPlatform>"
                                  "<hardwareType>%2</hardwareType><productModel>%3</productModel>"
                                  "<deviceType>%4</deviceType><firmwareVersion>V1.2.3.%5</firmwareVersion>")
                       .arg(nvr ? QStringLiteral("HI3536") : QStringLiteral("SSC335"),
                            nvr ? QStringLiteral("NVR-HW1") : QStringLiteral("IPC-HW1"),
                            nvr ? QStringLiteral("SIM-NVR8") : QStringLiteral("SIM-IPC1"),
                            nvr ? QStringLiteral("NVR") : QStringLiteral("IPC"), QStringLiteral("20261201")));
    m_store.insert(Cmd::GetNetwork,
                   QStringLiteral("<TCPIP><DHCPMode>0</DHCPMode><IP>127.0.0.1</IP><netmask>255.0.0.0</netmask>"
                                  "<gateway>127.0.0.1</gateway><preferredDNS>127.0.0.1</preferredDNS>"
                                  "<standbyDNS>127.0.0.1</standbyDNS><MAC>02:00:00:00:00:01</MAC></TCPIP>"
                                  "<RTSPPort>554</RTSPPort><HTTPPort>80</HTTPPort>"));
    m_store.insert(Cmd::GetCapabilities,
                   nvr ? QStringLiteral("<CapList>+NVR+playback+download</CapList>")
                       : QStringLiteral("<CapList>+audio+audioDecode+MD+OSD+PTZ+PD+voice+FD+BCD</CapList>"));
    m_store.insert(Cmd::GetContact,
                   QStringLiteral("<contactInfo><contactAddress>owner@example.com</contactAddress></contactInfo>"));
    m_store.insert(Cmd::GetSecurityCode, QStringLiteral("<QRCodeInfo>SIM-SECURITY-QR</QRCodeInfo>"));
    installDefaultHandlers();
    for (const Extension &extension : extensions())
        extension(*this);
}

QList<SimDevice::Extension> &SimDevice::extensions()
{
    static QList<Extension> list;
    return list;
}

void SimDevice::registerExtension(Extension extension)
{
    extensions().append(std::move(extension));
}

SimDevice::~SimDevice()
{
    const QList<SimConnection *> conns = connections();
    m_connections.clear();
    for (SimConnection *c : conns) {
        disconnect(c, nullptr, this, nullptr);
        c->abort();
    }
}

bool SimDevice::listen(const QHostAddress &address, quint16 port)
{
    if (!m_server->listen(address, port)) {
        qWarning() << "simdevice: cannot listen on" << address.toString() << port << m_server->errorString();
        return false;
    }
    m_address = address;
    m_port = m_server->serverPort();
    m_refuse = false;
    if (storedValue(Cmd::GetVersion, QStringLiteral("UID")).isEmpty()) {
        QString ip = address.toString();
        ip.replace(QLatin1Char('.'), QLatin1Char('-'));
        setUid(QStringLiteral("SIM%1-%2-%3")
                   .arg(m_kind == Nvr ? QStringLiteral("NVR") : QStringLiteral("IPC"), ip)
                   .arg(m_port));
    }
    setStoredValue(Cmd::GetNetwork, QStringLiteral("IP"), address.toString());
    const quint32 v = address.toIPv4Address();
    setStoredValue(Cmd::GetNetwork, QStringLiteral("MAC"),
                   QStringLiteral("02:%1:%2:%3:%4:%5")
                       .arg((v >> 16) & 0xff, 2, 16, QLatin1Char('0'))
                       .arg((v >> 8) & 0xff, 2, 16, QLatin1Char('0'))
                       .arg(v & 0xff, 2, 16, QLatin1Char('0'))
                       .arg((m_port >> 8) & 0xff, 2, 16, QLatin1Char('0'))
                       .arg(m_port & 0xff, 2, 16, QLatin1Char('0')));
    return true;
}

void SimDevice::close()
{
    m_server->close();
    dropConnections();
}

void SimDevice::hangUp()
{
    m_server->close();
    for (SimConnection *c : connections())
        c->hangUp();
}

loginDev SimDevice::loginKey(uint8_t channel) const
{
    loginDev key;
    key.ip = m_address.toString();
    key.port = m_port;
    key.user = m_state.user;
    key.password = m_state.password;
    key.channel = channel;
    return key;
}

QString SimDevice::uid() const
{
    return storedValue(Cmd::GetVersion, QStringLiteral("UID"));
}

void SimDevice::setUid(const QString &uid)
{
    setStoredValue(Cmd::GetVersion, QStringLiteral("UID"), uid);
}

void SimDevice::setStoredBody(unsigned int getCmd, const QString &body, int channel)
{
    if (channel == 0)
        m_store.insert(getCmd, body);
    else
        m_channelStore[channel].insert(getCmd, body);
}

QString SimDevice::storedBody(unsigned int getCmd, int channel) const
{
    if (channel != 0) {
        const auto own = m_channelStore.constFind(channel);
        if (own != m_channelStore.constEnd() && own->contains(getCmd))
            return own->value(getCmd);
    }
    return m_store.value(getCmd);
}

bool SimDevice::hasStoredBody(unsigned int getCmd, int channel) const
{
    return m_store.contains(getCmd) || (channel != 0 && m_channelStore.value(channel).contains(getCmd));
}

QString SimDevice::storedValue(unsigned int getCmd, const QString &element, int channel) const
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<root>%1</root>").arg(storedBody(getCmd, channel))))
        return QString();
    const QDomNodeList list = doc.elementsByTagName(element);
    return list.isEmpty() ? QString() : list.at(0).toElement().text();
}

void SimDevice::setStoredValue(unsigned int getCmd, const QString &element, const QString &value, int channel)
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<root>%1</root>").arg(storedBody(getCmd, channel))))
        return;
    const QDomNodeList list = doc.elementsByTagName(element);
    if (list.isEmpty()) {
        QDomElement e = doc.createElement(element);
        e.appendChild(doc.createTextNode(value));
        doc.documentElement().appendChild(e);
    } else {
        QDomElement e = list.at(0).toElement();
        while (e.hasChildNodes())
            e.removeChild(e.firstChild());
        e.appendChild(doc.createTextNode(value));
    }
    setStoredBody(getCmd, domChildrenToString(doc.documentElement()), channel);
}

void SimDevice::mapSetToGet(unsigned int setCmd, unsigned int getCmd)
{
    m_setToGet.insert(setCmd, getCmd);
}

void SimDevice::mergeStoredBody(unsigned int getCmd, const QString &body, int channel)
{
    QDomDocument stored;
    QDomDocument update;
    if (!update.setContent(QStringLiteral("<root>%1</root>").arg(body)))
        return;
    if (!stored.setContent(QStringLiteral("<root>%1</root>").arg(storedBody(getCmd, channel))))
        stored.setContent(QStringLiteral("<root/>"));
    QDomElement root = stored.documentElement();
    for (QDomElement e = update.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        QDomNode copy = stored.importNode(e, true);
        QDomElement existing = root.firstChildElement(e.tagName());
        if (existing.isNull())
            root.appendChild(copy);
        else
            root.replaceChild(copy, existing);
    }
    setStoredBody(getCmd, domChildrenToString(root), channel);
}

void SimDevice::setCommandDelay(unsigned int cmd, int ms)
{
    if (ms < 0)
        m_commandDelays.remove(cmd);
    else
        m_commandDelays.insert(cmd, ms);
}

void SimDevice::keepHeld(unsigned int cmd, SimConnection *conn, const QByteArray &payload)
{
    m_held.append(std::make_tuple(cmd, QPointer<SimConnection>(conn), payload));
}

bool SimDevice::releaseHeld(unsigned int cmd)
{
    for (int i = 0; i < m_held.size(); ++i) {
        if (std::get<0>(m_held.at(i)) != cmd)
            continue;
        const auto held = m_held.takeAt(i);
        if (!std::get<1>(held))
            return false;
        std::get<1>(held)->sendFrame(std::get<2>(held));
        return true;
    }
    return false;
}

int SimDevice::heldCount(unsigned int cmd) const
{
    int n = 0;
    for (const auto &held : m_held)
        n += std::get<0>(held) == cmd ? 1 : 0;
    return n;
}

void SimDevice::setCommandSilent(unsigned int cmd, bool silent)
{
    if (silent)
        m_silentCommands.insert(cmd);
    else
        m_silentCommands.remove(cmd);
}

void SimDevice::setReplyRewrite(unsigned int cmd, Rewrite rewrite, int times)
{
    m_rewrites.insert(cmd, qMakePair(std::move(rewrite), times));
}

QByteArray SimDevice::replyPayload(unsigned int cmd, const QString &envelope)
{
    const auto it = m_rewrites.find(cmd);
    if (it == m_rewrites.end())
        return envelope.toUtf8();
    const Rewrite rewrite = it->first;
    if (it->second > 0 && --it->second == 0)
        m_rewrites.erase(it);
    return rewrite(envelope);
}

void SimDevice::setHandler(unsigned int cmd, Handler handler)
{
    m_handlers.insert(cmd, std::move(handler));
}

void SimDevice::removeHandler(unsigned int cmd)
{
    m_handlers.remove(cmd);
}

QList<SimRequest> SimDevice::requests(unsigned int cmd) const
{
    QList<SimRequest> out;
    for (const SimRequest &r : m_requests)
        if (r.cmd == cmd)
            out.append(r);
    return out;
}

int SimDevice::requestCount(unsigned int cmd) const
{
    int n = 0;
    for (const SimRequest &r : m_requests)
        if (r.cmd == cmd)
            ++n;
    return n;
}

QList<SimConnection *> SimDevice::connections() const
{
    QList<SimConnection *> out;
    for (const auto &c : m_connections)
        if (c)
            out.append(c.data());
    return out;
}

void SimDevice::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        const int id = m_nextId++;
        auto *conn = new SimConnection(this, socket, id);
        m_connections.insert(id, conn);
        ++m_accepted;
        m_acceptTimes.append(m_clock.elapsed());
        connect(conn, &SimConnection::closed, this, [this](int cid) {
            if (SimConnection *c = m_connections.take(cid)) {
                c->deleteLater();
                emit clientDisconnected(cid);
            }
        });
        emit clientConnected(id);
    }
}

void SimDevice::pushMessage(unsigned int cmd, const QString &body, int result, int channel)
{
    for (SimConnection *c : connections())
        c->sendMessage(cmd, result, body, channel);
}

void SimDevice::pushAlarm(const QString &body)
{
    pushMessage(Cmd::AlarmEvent, body);
}

void SimDevice::pushFrame(const QByteArray &payload)
{
    for (SimConnection *c : connections())
        c->sendFrame(payload);
}

void SimDevice::pushRaw(const QByteArray &bytes)
{
    for (SimConnection *c : connections())
        c->sendRaw(bytes);
}

void SimDevice::pushStreamFrame(unsigned int cmd, int frameIndex)
{
    for (SimConnection *c : connections())
        c->sendStreamFrame(cmd, frameIndex);
}

void SimDevice::setRefuseConnections(bool refuse)
{
    if (refuse == m_refuse)
        return;
    m_refuse = refuse;
    if (refuse) {
        m_server->close();
    } else if (!m_server->isListening() && m_port != 0) {
        if (!m_server->listen(m_address, m_port))
            qWarning() << "simdevice: cannot listen again on" << m_address.toString() << m_port;
    }
}

void SimDevice::dropConnections()
{
    for (SimConnection *c : connections())
        c->abort();
}

void SimDevice::setSplitWrites(int chunk, int intervalMs)
{
    m_splitChunk = chunk;
    m_splitIntervalMs = qMax(0, intervalMs);
}

void SimDevice::injectGarbageBeforeNextFrame(const QByteArray &garbage)
{
    m_garbage.append(garbage);
}

void SimDevice::injectOversizedHeaderBeforeNextFrame()
{
    m_oversized = true;
}

void SimDevice::bundleNextReplyWithStream(bool streamFirst)
{
    m_bundle = true;
    m_bundleStreamFirst = streamFirst;
}

QByteArray SimDevice::takeWritePrefix()
{
    QByteArray prefix = m_garbage;
    m_garbage.clear();
    if (m_oversized) {
        m_oversized = false;
        prefix.append(kMagic, 4);
        const uint32_t n = 0x800001;
        for (int i = 0; i < 4; ++i)
            prefix.append(char((n >> (8 * i)) & 0xff));
    }
    return prefix;
}

bool SimDevice::takeBundleRequest(bool *streamFirst)
{
    if (!m_bundle)
        return false;
    m_bundle = false;
    if (streamFirst)
        *streamFirst = m_bundleStreamFirst;
    return true;
}

QByteArray SimDevice::mediaFrame(int index, int size)
{
    QByteArray m(qMax(0, size), Qt::Uninitialized);
    auto *p = reinterpret_cast<uint8_t *>(m.data());
    for (int i = 0; i < m.size(); ++i)
        p[i] = uint8_t(index * 131 + i * 7 + (i >> 8));
    return m;
}

int SimDevice::frameSize(int index) const
{
    return isKeyFrame(index) ? m_playback.keyFrameSize : m_playback.deltaFrameSize;
}

bool SimDevice::isKeyFrame(int index) const
{
    return m_playback.keyInterval <= 1 || index % m_playback.keyInterval == 0;
}

QByteArray SimDevice::videoParam(const QString &codec)
{
    QByteArray block(536, '\0');
    const QByteArray name = codec.toLatin1().left(255);
    std::memcpy(block.data(), name.constData(), size_t(name.size()));
    const auto put = [&block](int offset, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            block[offset + i] = char((v >> (8 * i)) & 0xff);
    };
    put(256, 1920);
    put(260, 1080);
    put(268, 25);
    return block;
}

QString SimDevice::envelope(unsigned int cmd, int result, const QString &body, int channel)
{
    QString head = QStringLiteral("<type>%1</type><cmd>%2</cmd>")
                       .arg(cmd / unsigned(Cmd::TypeUnit) * unsigned(Cmd::TypeUnit))
                       .arg(cmd);
    if (channel != 0)
        head += QStringLiteral("<channel>%1</channel>").arg(channel);
    head += QStringLiteral("<result>%1</result>").arg(result);
    return QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head>%1</head><body>%2</body></PrivateProto>\n")
        .arg(head, body);
}

void SimDevice::dispatch(SimConnection *conn, const SimRequest &request)
{
    m_requests.append(request);
    emit requestReceived(request);
    if (m_silent || m_silentCommands.contains(request.cmd))
        return;
    int planned = -1;
    auto plan = m_replyPlans.find(request.cmd);
    if (plan != m_replyPlans.end() && !plan->isEmpty()) {
        planned = plan->takeFirst();
        if (planned < 0)
            return;
    }
    m_plannedCmd = request.cmd;
    m_plannedDelay = planned;
    struct Unplan
    {
        int &delay;
        ~Unplan() { delay = -1; }
    } unplan{m_plannedDelay};
    const auto forced = m_forcedResults.constFind(request.cmd);
    if (forced != m_forcedResults.constEnd()) {
        conn->reply(request.cmd, forced.value());
        return;
    }
    const auto it = m_handlers.constFind(request.cmd);
    if (it != m_handlers.constEnd())
        it.value()(conn, request);
    else
        handleGeneric(conn, request);
}

void SimDevice::handleGeneric(SimConnection *conn, const SimRequest &request)
{
    const int channel = request.channel;
    if (hasStoredBody(request.cmd, channel)) {
        conn->reply(request.cmd, 0, storedBody(request.cmd, channel));
        return;
    }
    const unsigned int get = m_setToGet.value(request.cmd, request.cmd - 1);
    if (hasStoredBody(get, channel)) {
        mergeStoredBody(get, request.bodyText, channel);
        conn->reply(request.cmd, 0);
        return;
    }
    conn->reply(request.cmd, 0);
}

void SimDevice::installDefaultHandlers()
{
    setHandler(Cmd::Login, [this](SimConnection *c, const SimRequest &r) {
        const bool ok = r.body.value(QStringLiteral("userName")) == m_state.user
                        && r.body.value(QStringLiteral("password")) == m_state.password;
        c->setLoggedIn(ok);
        if (!ok) {
            c->reply(Cmd::Login, m_state.loginFailResult);
            return;
        }
        c->reply(Cmd::Login, 0,
                 m_kind == Nvr ? QStringLiteral("<MAXChannels>%1</MAXChannels>").arg(m_state.maxChannels) : QString());
    });
    setHandler(Cmd::Heartbeat, [this](SimConnection *c, const SimRequest &) {
        c->reply(Cmd::Heartbeat, 0,
                 m_kind == Nvr ? QStringLiteral("<Ipcs_stat>%1</Ipcs_stat>").arg(escape(m_state.channelStates))
                               : QString());
    });
    setHandler(Cmd::ResetPassword, [this](SimConnection *c, const SimRequest &r) {
        if (r.body.value(QStringLiteral("securityCodeCheck")) != m_state.securityCode) {
            c->reply(Cmd::ResetPassword, 6);
            return;
        }
        m_state.password = r.body.value(QStringLiteral("password"));
        c->reply(Cmd::ResetPassword, 0);
    });
    setHandler(Cmd::UpgradeBegin, [this](SimConnection *c, const SimRequest &r) {
        m_firmwareLength = r.body.value(QStringLiteral("firmwareLength")).trimmed().toUInt();
        m_firmware.clear();
        m_firmwareChunks.clear();
        m_firmwareComplete = false;
        m_firmwareOrderError = false;
        c->reply(Cmd::UpgradeBegin, 0);
    });
    setHandler(Cmd::UpgradeChunk, [this](SimConnection *c, const SimRequest &r) {
        const uint32_t start = r.body.value(QStringLiteral("startPos")).trimmed().toUInt();
        const uint32_t length = r.body.value(QStringLiteral("dataLength")).trimmed().toUInt();
        m_firmwareChunks.append(qMakePair(start, length));
        if (start != uint32_t(m_firmware.size()) || uint32_t(r.tail.size()) != length)
            m_firmwareOrderError = true;
        if (length == 0) {
            m_firmwareComplete = !m_firmwareOrderError && uint32_t(m_firmware.size()) == m_firmwareLength;
            c->sendMessage(Cmd::UpgradeProgress, m_firmwareComplete ? 0 : 1,
                           QStringLiteral("<updateProgress>%1</updateProgress>").arg(m_firmwareComplete ? 100 : 0));
            return;
        }
        m_firmware.append(r.tail);
        const int progress =
            m_firmwareLength ? int(qMin<qint64>(99, qint64(m_firmware.size()) * 100 / m_firmwareLength)) : 0;
        c->sendMessage(Cmd::UpgradeProgress, 0, QStringLiteral("<updateProgress>%1</updateProgress>").arg(progress));
    });
    setHandler(Cmd::QueryRecords, [this](SimConnection *c, const SimRequest &r) {
        const bool byMonth = r.body.value(QStringLiteral("ByMonth")).trimmed().toInt() != 0;
        c->reply(Cmd::QueryRecords, 0,
                 QStringLiteral("<ChannelId>%1</ChannelId><ByMonth>%2</ByMonth><Stream>%3</Stream>")
                     .arg(r.body.value(QStringLiteral("ChannelId")).trimmed())
                     .arg(byMonth ? 1 : 0)
                     .arg(byMonth ? m_state.recordDays.join(QLatin1Char(';')) : m_state.dayRecord));
    });
    setHandler(Cmd::StartRecordStream, [this](SimConnection *c, const SimRequest &r) {
        const bool download = r.body.value(QStringLiteral("DownloadRecord")).trimmed().toInt() != 0;
        c->reply(Cmd::StartRecordStream, 0);
        m_state.paused = false;
        c->startStream(download, r.body.value(QStringLiteral("ChannelId")).trimmed().toInt());
    });
    setHandler(Cmd::StopRecordStream, [](SimConnection *c, const SimRequest &) {
        c->stopStream();
        c->reply(Cmd::StopRecordStream, 0);
    });
    setHandler(Cmd::SeekRecordStream, [](SimConnection *c, const SimRequest &) {
        c->reply(Cmd::SeekRecordStream, 0);
        c->seekStream();
    });
    const Handler speed = [this](SimConnection *c, const SimRequest &r) {
        m_state.speed = r.body.value(QStringLiteral("Speed")).trimmed().toInt();
        c->reply(r.cmd, 0);
    };
    setHandler(Cmd::PlayFaster, speed);
    setHandler(Cmd::PlaySlower, speed);
    setHandler(Cmd::PausePlayback, [this](SimConnection *c, const SimRequest &) {
        m_state.paused = true;
        c->pauseStream(true);
        c->reply(Cmd::PausePlayback, 0);
    });
    setHandler(Cmd::ResumePlayback, [this](SimConnection *c, const SimRequest &) {
        m_state.paused = false;
        c->pauseStream(false);
        c->reply(Cmd::ResumePlayback, 0);
    });
}

QString SimDevice::searchAnswerBody() const
{
    const QString version = m_store.value(Cmd::GetVersion);
    const QString network = m_store.value(Cmd::GetNetwork);
    return version + network + QStringLiteral("<OsdStr>%1</OsdStr><net_type>0</net_type>").arg(escape(uid()));
}

bool SimDevice::applyModifyNetwork(const QHash<QString, QString> &body)
{
    if (body.value(QStringLiteral("UID")) != uid() || body.value(QStringLiteral("userName")) != m_state.user
        || body.value(QStringLiteral("password")) != m_state.password)
        return false;
    static const char *const keys[] = {"DHCPMode", "IP", "netmask", "gateway", "preferredDNS", "standbyDNS", "MAC"};
    for (const char *key : keys)
        setStoredValue(Cmd::GetNetwork, QLatin1String(key), body.value(QLatin1String(key)));
    return true;
}

bool SimDevice::applyCredentialReset(const QHash<QString, QString> &body)
{
    if (body.value(QStringLiteral("UID")) != uid())
        return false;
    m_state.user = body.value(QStringLiteral("userName"), DEFAULT_DEV_USER);
    m_state.password = body.value(QStringLiteral("password"), DEFAULT_DEV_PASSWORD);
    return true;
}

// ---- SimSearchResponder --------------------------------------------------------------

SimSearchResponder::SimSearchResponder(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    m_socket = new QUdpSocket(this);
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QUdpSocket::readyRead, this, &SimSearchResponder::onReadyRead);
}

SimSearchResponder::~SimSearchResponder() = default;

bool SimSearchResponder::bind(const QHostAddress &address, quint16 port)
{
    if (!m_socket->bind(address, port)) {
        qWarning() << "simdevice: cannot bind search responder" << address.toString() << port
                   << m_socket->errorString();
        return false;
    }
    m_address = address;
    m_port = m_socket->localPort();
    return true;
}

void SimSearchResponder::addDevice(SimDevice *device)
{
    if (device && !m_devices.contains(device))
        m_devices.append(device);
}

void SimSearchResponder::removeDevice(SimDevice *device)
{
    m_devices.removeAll(device);
}

int SimSearchResponder::requestCount(unsigned int cmd) const
{
    int n = 0;
    for (const SimRequest &r : m_requests)
        if (r.cmd == cmd)
            ++n;
    return n;
}

void SimSearchResponder::onReadyRead()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram d = m_socket->receiveDatagram();
        SimRequest req;
        req.xml = QString::fromUtf8(d.data());
        req.head = findValuesInXml(req.xml, QStringLiteral("head"));
        req.body = findValuesInXml(req.xml, QStringLiteral("body"));
        req.bodyText = innerText(req.xml, QStringLiteral("body"));
        req.cmd = req.head.value(QStringLiteral("cmd")).trimmed().toUInt();
        m_requests.append(req);
        emit requestReceived(req);
        for (const QPointer<SimDevice> &dev : qAsConst(m_devices)) {
            if (!dev)
                continue;
            if (req.cmd == Cmd::Search) {
                const QByteArray answer =
                    SimDevice::envelope(Cmd::SearchAnswer, 0, dev->searchAnswerBody(), 0).toUtf8();
                m_socket->writeDatagram(answer, d.senderAddress(), quint16(d.senderPort()));
            } else if (req.cmd == Cmd::Readdress) {
                dev->applyModifyNetwork(req.body);
            } else if (req.cmd == Cmd::ResetCredentials) {
                dev->applyCredentialReset(req.body);
            }
        }
    }
}
