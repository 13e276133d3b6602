#include "OnvifService.h"

#include "CommonHelper.h"
#include "KelvoCommon.h"
#include "OnvifClient.h"
#include "OnvifMessage.h"
#include "OnvifNamespaces.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QFile>
#include <QGlobalStatic>
#include <QMutexLocker>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QTimer>
#include <QUdpSocket>
#include <QUrl>
#include <QXmlQuery>

#include <memory>

// The probe templates live in this static library's resource file; a program
// only links that file in when something names it.
static void initOnvifResources()
{
    Q_INIT_RESOURCE(onvif);
}

namespace ONVIF {

namespace {

Q_GLOBAL_STATIC(Service, g_service)

// Set on the road thread while a road runs: a road never starts inside another.
thread_local bool t_inRoad = false;

QNetworkInterface interfaceOf(const QHostAddress &address)
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip() == address)
                return iface;
        }
    }
    return QNetworkInterface();
}

QString readProbeTemplate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// MessageIDs compared without the forms cameras vary in: "urn:" or "uuid:"
// prefixes, braces and letter case.
QString probeId(QString text)
{
    text = text.trimmed().toLower();
    for (bool cut = true; cut;) {
        cut = false;
        for (const QLatin1String prefix : {QLatin1String("urn:"), QLatin1String("uuid:")}) {
            if (text.startsWith(prefix)) {
                text.remove(0, prefix.size());
                cut = true;
            }
        }
    }
    text.remove(QLatin1Char('{'));
    text.remove(QLatin1Char('}'));
    return text;
}

} // namespace

Service *Service::instance()
{
    return g_service.isDestroyed() ? nullptr : g_service();
}

Service::Service(QObject *parent)
    : Service(CommonHelper::getValidIpv4(), parent)
{
}

Service::Service(const QList<QHostAddress> &localAddresses, QObject *parent)
    : QObject(parent)
    , m_probeAddress(QStringLiteral("239.255.255.250"))
{
    initOnvifResources();
    qRegisterMetaType<ONVIF_DEV_INFO>("ONVIF_DEV_INFO");
    m_client = new Client(this);
    m_roadPool.setMaxThreadCount(1);
    setLocalAddresses(localAddresses);
    m_namespaces = defaultNamespaces();
}

Service::~Service()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
    }
    // Roads not yet started never start; the running one ends within its
    // request timeouts.
    m_roadPool.clear();
    m_roadPool.waitForDone();
}

void Service::setLocalAddresses(const QList<QHostAddress> &addresses)
{
    qDeleteAll(m_sockets);
    m_sockets.clear();
    m_localAddresses = addresses;
    for (const QHostAddress &address : addresses) {
        auto *socket = new QUdpSocket(this);
        if (socket->bind(address, 0, QAbstractSocket::ShareAddress)) {
            // Binding does not pick the outgoing interface of multicast on Linux.
            const QNetworkInterface iface = interfaceOf(address);
            if (iface.isValid())
                socket->setMulticastInterface(iface);
        } else {
            qDebug() << "onvif probe socket bind failed" << address.toString() << socket->errorString();
        }
        connect(socket, &QUdpSocket::readyRead, this, &Service::readPendingDatagrams);
        m_sockets.append(socket);
    }
}

QList<QHostAddress> Service::localAddresses() const
{
    return m_localAddresses;
}

void Service::setProbeTarget(const QHostAddress &address, quint16 port)
{
    m_probeAddress = address;
    m_probePort = port;
}

void Service::setIgnoreList(const QStringList &ignoreList)
{
    QMutexLocker lock(&m_mutex);
    m_ignoreList = ignoreList;
}

QHash<QString, Service::ONVIF_DEV_INFO> Service::getDevices() const
{
    QMutexLocker lock(&m_mutex);
    return m_devices;
}

void Service::setRegistered(const QString &ip, bool registered)
{
    QMutexLocker lock(&m_mutex);
    if (registered)
        m_registered.insert(ip);
    else
        m_registered.remove(ip);
}

bool Service::isRegistered(const QString &ip) const
{
    QMutexLocker lock(&m_mutex);
    return m_registered.contains(ip);
}

QStringList Service::registeredDevices() const
{
    QMutexLocker lock(&m_mutex);
    return m_registered.values();
}

// Caller holds m_mutex.
bool Service::needsServiceAddress(const ONVIF_DEV_INFO &stored) const
{
    return stored.xaddr.isEmpty() && m_registered.contains(stored.ip);
}

bool Service::entry(const QString &ip, ONVIF_DEV_INFO *out) const
{
    QMutexLocker lock(&m_mutex);
    auto it = m_devices.constFind(ip);
    if (it == m_devices.constEnd())
        return false;
    if (out)
        *out = it.value();
    return true;
}

void Service::store(const ONVIF_DEV_INFO &info)
{
    QMutexLocker lock(&m_mutex);
    // A road only updates: a device forgotten while its road ran stays gone.
    auto it = m_devices.find(info.ip);
    if (it != m_devices.end())
        it.value() = info;
}

int Service::deviceCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_devices.size();
}

bool Service::searchRunning() const
{
    return m_searchClock.isValid() && m_searchClock.elapsed() < m_searchWindowMs;
}

void Service::forgetDevice(const QString &ip)
{
    {
        QMutexLocker lock(&m_mutex);
        m_devices.remove(ip);
        m_registered.remove(ip);
        m_roadsQueued.remove(ip);
    }
    Client::clearAuthCache(ip);
    qDebug() << "onvif device forgotten" << ip;
}

// ---- discovery -------------------------------------------------------------------

void Service::writeProbe(const QByteArray &probe)
{
    for (QUdpSocket *socket : qAsConst(m_sockets)) {
        if (socket->state() == QAbstractSocket::BoundState)
            socket->writeDatagram(probe, m_probeAddress, m_probePort);
    }
}

void Service::searchDevices()
{
    {
        // Only discovered-only entries go: registered devices keep theirs.
        QMutexLocker lock(&m_mutex);
        for (auto it = m_devices.begin(); it != m_devices.end();) {
            if (m_registered.contains(it.key()))
                ++it;
            else
                it = m_devices.erase(it);
        }
    }
    m_probeIds.clear();
    m_tableFullLogged = false;
    m_searchClock.start();
    const QString first = readProbeTemplate(QStringLiteral(":/Resources/xml/search.xml"));
    if (first.isEmpty())
        return;
    const QString id1 = makeUuidString();
    m_probeIds.insert(probeId(QStringLiteral("uuid:") + id1));
    writeProbe(QString(first).replace(QLatin1String("%1"), id1).toUtf8());

    const QString second = readProbeTemplate(QStringLiteral(":/Resources/xml/search2.xml"));
    if (second.isEmpty())
        return;
    const QString id2 = makeUuidString();
    m_probeIds.insert(probeId(QStringLiteral("uuid:") + id2));
    const QByteArray probe2 = QString(second).replace(QLatin1String("%1"), id2).toUtf8();
    QTimer::singleShot(200, this, [this, probe2] { writeProbe(probe2); });
    qDebug() << "begin searchDevices";
}

void Service::readPendingDatagrams()
{
    auto *socket = qobject_cast<QUdpSocket *>(sender());
    if (!socket)
        return;
    while (socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        QByteArray datagram(int(qMax<qint64>(size, 0)), Qt::Uninitialized);
        const qint64 read = socket->readDatagram(datagram.data(), datagram.size());
        if (read < 0)
            break;
        datagram.truncate(int(read));
        acceptDatagram(decodeReply(datagram));
    }
}

bool Service::acceptDatagram(const QString &datagram)
{
    // Anyone on the LAN can send to a probe socket: outside a search, or not
    // answering one of our probes, a datagram would plant an address of its
    // choosing in the table and start a road to it.
    if (!searchRunning()) {
        qDebug() << "onvif datagram outside a search skipped";
        return false;
    }
    MessageParser parser(datagram, m_namespaces);
    if (!parser.isWellFormed()) {
        qDebug() << "onvif datagram skipped: not XML";
        return false;
    }
    const QString relatesTo = parser.getValue(QStringLiteral("//*[local-name()='RelatesTo']"));
    if (!m_probeIds.contains(probeId(relatesTo))) {
        qDebug() << "onvif datagram skipped: answers no probe of this search" << relatesTo.left(64);
        return false;
    }
    return handleProbeMatch(datagram);
}

bool Service::handleProbeMatch(const QString &datagram)
{
    MessageParser parser(datagram, m_namespaces);
    if (!parser.isWellFormed()) {
        qDebug() << "onvif datagram skipped: not XML";
        return false;
    }
    ONVIF_DEV_INFO info;
    info.status = 1;
    const QString xaddrs = parser.getValue(QStringLiteral("//d:ProbeMatches/d:ProbeMatch/d:XAddrs"));
    const QString address =
        parser.getValue(QStringLiteral("//d:ProbeMatches/d:ProbeMatch/wsa:EndpointReference/wsa:Address"));
    const QString scopes = parser.getValue(QStringLiteral("//d:ProbeMatches/d:ProbeMatch/d:Scopes"));

    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    info.uuid = address.split(QLatin1Char(':')).last();
    // The table is keyed by IPv4 address: take the first IPv4 XAddr, else the first one.
    const QStringList xaddrList = xaddrs.split(spaces, Qt::SkipEmptyParts);
    info.xaddr = xaddrList.value(0);
    for (const QString &candidate : xaddrList) {
        const QHostAddress host(QUrl(candidate, QUrl::TolerantMode).host());
        if (host.protocol() == QAbstractSocket::IPv4Protocol) {
            info.xaddr = candidate;
            break;
        }
    }
    qDebug().noquote() << "onvif info " << xaddrs << address << scopes << "/n/r";

    const QUrl xaddrUrl(info.xaddr, QUrl::TolerantMode);
    const QString ip = xaddrUrl.host();
    if (ip.isEmpty()) {
        qDebug() << "onvif datagram skipped: no ProbeMatch with a device address";
        return false;
    }
    info.ip = ip;
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_devices.constFind(ip);
        if (it != m_devices.constEnd()) {
            if (!needsServiceAddress(it.value()))
                return false;
        } else if (m_ignoreList.contains(ip)) {
            return false;
        }
    }

    // Scope values are URI segments: spaces, slashes and colons arrive encoded.
    auto decoded = [](const QString &segment) { return QUrl::fromPercentEncoding(segment.toUtf8()); };
    const QStringList scopeList = scopes.split(spaces, Qt::SkipEmptyParts);
    for (const QString &scope : scopeList) {
        const QStringList segments = scope.split(QLatin1Char('/'));
        if (segments.contains(QLatin1String("name")))
            info.devName = decoded(segments.last());
        else if (segments.contains(QLatin1String("location")))
            info.location = decoded(segments.last());
        else if (segments.contains(QLatin1String("hardware")))
            info.hardware = decoded(segments.last());
    }
    info.user = DEFAULT_DEV_USER;
    info.password = DEFAULT_DEV_PASSWORD;
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_devices.find(ip);
        if (it == m_devices.end() && m_devices.size() >= m_maxDevices) {
            if (!m_tableFullLogged)
                qWarning() << "onvif device table full at" << m_maxDevices << "entries; further answers skipped";
            m_tableFullLogged = true;
            return false;
        }
        if (it == m_devices.end()) {
            m_devices.insert(ip, info);
        } else if (needsServiceAddress(it.value())) {
            // Registered by address alone: discovery supplies what the operator
            // could not know, never the credentials, mode or stream addresses.
            ONVIF_DEV_INFO &kept = it.value();
            kept.xaddr = info.xaddr;
            if (kept.uuid.isEmpty())
                kept.uuid = info.uuid;
            if (kept.devName.isEmpty())
                kept.devName = info.devName;
            if (kept.location.isEmpty())
                kept.location = info.location;
            if (kept.hardware.isEmpty())
                kept.hardware = info.hardware;
        } else {
            return false; // filled meanwhile by another thread
        }
    }
    qDebug() << "Device recv:" << address;
    QTimer::singleShot(30, this, [this, ip] { getDeviceInformation(ip); });
    return true;
}

QString Service::getUriInfo(const QString &ip, int stream) const
{
    ONVIF_DEV_INFO info;
    entry(ip, &info);
    if (info.streamUris.isEmpty()) {
        qDebug() << ip << "onvif rtsp no data";
        return QString();
    }
    return stream >= 1 ? info.streamUris.last() : info.streamUris.first();
}

bool Service::modiflyDev(const ONVIF_DEV_INFO &record)
{
    qDebug() << " modiflyDev " << record.ip;
    if (record.ip.isEmpty())
        return false;
    {
        QMutexLocker lock(&m_mutex);
        m_devices.insert(record.ip, record);
        m_registered.insert(record.ip);
    }
    Client::clearAuthCache(record.ip);
    return getDeviceInformation(record.ip);
}

// ---- requests ------------------------------------------------------------------------

QStringList Service::requestParams(const ONVIF_DEV_INFO &info)
{
    return {info.ip, info.user, info.password, QString::number(info.authMode)};
}

MessageParser *Service::sendRequest(Message *message, const QString &url, const QStringList &params)
{
    if (!message)
        return nullptr;
    const QString reply = m_client->sendData(url, message->toXmlStr(), params);
    if (reply.isEmpty())
        return nullptr;
    auto *parser = new MessageParser(reply, m_namespaces);
    if (!parser->isWellFormed()) {
        qDebug() << "malformed reply from" << Client::maskUrl(url) << (parser->isTooLarge() ? "(too large)" : "");
        delete parser;
        return nullptr;
    }
    if (parser->isFault()) {
        qDebug() << "fault reply from" << Client::maskUrl(url);
        delete parser;
        return nullptr;
    }
    return parser;
}

// Media is optional in the capabilities; such cameras serve it at the device address.
static QString mediaUrl(const Service::ONVIF_DEV_INFO &info)
{
    return info.mediaXaddr.isEmpty() ? info.xaddr : info.mediaXaddr;
}

Message *Service::newRequest(const ONVIF_DEV_INFO &info) const
{
    return Message::getMessageWithUserInfo(QHash<QString, QString>(), info.user, info.password);
}

// ---- device-information road ---------------------------------------------------------

bool Service::getDeviceInformation(const QString &ip)
{
    if (!entry(ip, nullptr))
        return false;
    if (t_inRoad) {
        qWarning() << "road for" << ip << "not started inside another road";
        return false;
    }
    {
        QMutexLocker lock(&m_mutex);
        if (m_stopping)
            return false;
        // The queued road reads the entry when it starts, so it already uses
        // whatever changed meanwhile.
        if (m_roadsQueued.contains(ip))
            return true;
        m_roadsQueued.insert(ip);
    }
    m_roadPool.start([this, ip] {
        ThreadStack::install();
        roadTask(ip);
    });
    return true;
}

int Service::roadsQueued() const
{
    QMutexLocker lock(&m_mutex);
    return m_roadsQueued.size();
}

void Service::roadTask(const QString &ip)
{
    ONVIF_DEV_INFO info;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_roadsQueued.remove(ip) || m_stopping)
            return; // forgotten meanwhile
        auto it = m_devices.constFind(ip);
        if (it == m_devices.constEnd())
            return;
        info = it.value();
    }
    if (info.xaddr.isEmpty())
        qDebug() << "not get ovfser" << ip;
    qDebug() << "begin get devinfo ip: " << ip;
    t_inRoad = true;
    m_roadComplete = true;
    runRoad(ip, &info);
    t_inRoad = false;
    const bool complete = m_roadComplete && info.status == 1;
    qDebug() << "get devinfo to update " << ip << "; status: " << info.status << "; version: " << info.firmwareVersion;
    // Listeners live in the service's thread (the GUI): the result goes there.
    QMetaObject::invokeMethod(
        this,
        [this, ip, complete] {
            emit updateDevInfo(ip);
            emit roadFinished(ip, complete);
        },
        Qt::QueuedConnection);
}

void Service::runRoad(const QString &ip, ONVIF_DEV_INFO *info)
{
    std::unique_ptr<Message> message(newRequest(*info));
    QDomElement request = Message::newElement(QStringLiteral("GetDeviceInformation"));
    request.setAttribute(QStringLiteral("xmlns"), NS::Tds);
    message->appendToBody(request);
    std::unique_ptr<MessageParser> parser(sendRequest(message.get(), info->xaddr, requestParams(*info)));
    message.reset();

    ONVIF_DEV_INFO read = *info;
    bool answered = parser && parser->find(QStringLiteral("//tds:GetDeviceInformationResponse"));
    if (answered) {
        read.firmwareVersion = parser->getValue(QStringLiteral("//tds:FirmwareVersion"));
        read.manufacturer = parser->getValue(QStringLiteral("//tds:Manufacturer"));
        read.model = parser->getValue(QStringLiteral("//tds:Model"));
        read.serialNumber = parser->getValue(QStringLiteral("//tds:SerialNumber"));
        // A reply whose values could not be read is no answer: an empty
        // identity must not pass for a camera that was read.
        answered = !parser->readFailed();
    }
    if (answered) {
        *info = read;
        info->hardware = info->model;
        info->status = 1;
        parser.reset();
        store(*info);
        getCapabilitiesMedia(ip);
    } else {
        // 2 (credentials refused) only for a camera that answered over HTTP.
        const bool answered = Client::lastHttpCode() != 0;
        qDebug() << "get devinfo error from " << ip << (answered ? "" : "(no answer)");
        info->status = answered ? 2 : 0;
        store(*info);
        m_roadComplete = false;
    }
}

void Service::getCapabilitiesMedia(const QString &ip)
{
    ONVIF_DEV_INFO info;
    if (!entry(ip, &info))
        return;
    qDebug() << "get cap info" << ip;
    std::unique_ptr<Message> message(newRequest(info));
    QDomElement request = Message::newElement(QStringLiteral("GetCapabilities"));
    request.setAttribute(QStringLiteral("xmlns"), NS::Tds);
    request.appendChild(Message::newElement(QStringLiteral("Category"), QStringLiteral("All")));
    message->appendToBody(request);
    std::unique_ptr<MessageParser> parser(sendRequest(message.get(), info.xaddr, requestParams(info)));
    const QString media = parser ? parser->getValue(QStringLiteral("//tt:Media/tt:XAddr")) : QString();
    if (!parser || parser->readFailed()) {
        m_roadComplete = false;
        return;
    }
    if (media.isEmpty()) {
        // Keep what an earlier road learned rather than forget the address.
        qDebug() << "no media service address from" << ip;
    } else {
        info.mediaXaddr = media;
    }
    store(info);
    parser.reset();
    getProfiles(ip);
}

void Service::getProfiles(const QString &ip)
{
    ONVIF_DEV_INFO info;
    if (!entry(ip, &info))
        return;
    qDebug() << "get getProfiles" << ip;
    std::unique_ptr<Message> message(newRequest(info));
    QDomElement request = Message::newElement(QStringLiteral("GetProfiles"));
    request.setAttribute(QStringLiteral("xmlns"), NS::Trt);
    message->appendToBody(request);
    std::unique_ptr<MessageParser> parser(sendRequest(message.get(), mediaUrl(info), requestParams(info)));
    if (parser) {
        // Matched by namespace, whatever prefix the camera chose.
        QXmlQuery *query = parser->query();
        query->setQuery(parser->nameSpace() + QStringLiteral("doc($inputDocument)//trt:Profiles/string(@token)"));
        QStringList tokens;
        if (!query->isValid() || !query->evaluateTo(&tokens))
            m_roadComplete = false;
        for (const QString &token : qAsConst(tokens)) {
            qDebug() << "gettoken" << ip << token;
            if (!token.isEmpty())
                info.profileTokens.insert(token);
        }
    } else {
        m_roadComplete = false;
    }
    store(info);
    parser.reset();
    getStreamUri(ip);
}

void Service::getStreamUri(const QString &ip)
{
    ONVIF_DEV_INFO info;
    if (!entry(ip, &info))
        return;
    qDebug() << "get StreamUri" << ip;
    QStringList tokens = info.profileTokens.values();
    tokens.sort();
    for (const QString &token : qAsConst(tokens)) {
        std::unique_ptr<Message> message(newRequest(info));
        QDomElement request = Message::newElement(QStringLiteral("GetStreamUri"));
        request.setAttribute(QStringLiteral("xmlns"), NS::Trt);
        QDomElement setup = Message::newElement(QStringLiteral("StreamSetup"));
        QDomElement stream = Message::newElement(QStringLiteral("Stream"), QStringLiteral("RTP-Unicast"));
        stream.setAttribute(QStringLiteral("xmlns"), NS::Tt);
        QDomElement transport = Message::newElement(QStringLiteral("Transport"));
        transport.setAttribute(QStringLiteral("xmlns"), NS::Tt);
        transport.appendChild(Message::newElement(QStringLiteral("Protocol"), QStringLiteral("UDP")));
        setup.appendChild(stream);
        setup.appendChild(transport);
        request.appendChild(setup);
        request.appendChild(Message::newElement(QStringLiteral("ProfileToken"), token));
        message->appendToBody(request);

        std::unique_ptr<MessageParser> parser(sendRequest(message.get(), mediaUrl(info), requestParams(info)));
        QString uri = parser ? parser->getValue(QStringLiteral("//tt:Uri")) : QString();
        if (parser && uri.isEmpty())
            uri = parser->getValue(QStringLiteral("//tr2:Uri"));
        if (!parser || parser->readFailed()) {
            m_roadComplete = false;
            continue;
        }
        qDebug() << "send  token url" << token << Client::maskUrl(uri);
        info.streamUris.insert(token, uri);
    }
    store(info);
    qDebug() << "get StreamUri end";
}

} // namespace ONVIF
