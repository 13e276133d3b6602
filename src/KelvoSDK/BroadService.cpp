#include "BroadService.h"

#include "CommonHelper.h"
#include "KelvoCommon.h"
#include "PrivateProto.h"

#include <QDebug>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QUdpSocket>
#include <QUuid>

BroadService::BroadService(QObject *parent)
    : QObject(parent)
{
}

BroadService::~BroadService() = default;

void BroadService::setBroadcastTarget(const QHostAddress &address, uint16_t port)
{
    m_broadcastAddress = address;
    m_port = port;
}

void BroadService::setLocalAddresses(const QList<QHostAddress> &addresses)
{
    m_localAddresses = addresses;
}

QList<QHostAddress> BroadService::localAddresses() const
{
    if (!m_localAddresses.isEmpty())
        return m_localAddresses;
    return CommonHelper::getValidIpv4();
}

void BroadService::clearSockets()
{
    for (QUdpSocket *socket : qAsConst(m_sockets)) {
        socket->close();
        socket->deleteLater();
    }
    m_sockets.clear();
}

void BroadService::init()
{
    clearSockets();
    const QList<QHostAddress> addresses = localAddresses();
    for (const QHostAddress &address : addresses) {
        auto *socket = new QUdpSocket(this);
        socket->setProxy(QNetworkProxy::NoProxy);
        connect(socket, &QUdpSocket::readyRead, this, &BroadService::onReadyRead);
        const bool bound = socket->bind(address, 0, QAbstractSocket::ShareAddress);
        qDebug() << "bind" << address.toString() << (bound ? "ok" : socket->errorString());
        m_sockets.append(socket);
    }
}

void BroadService::searchDevices()
{
    m_devices.clear();
    init();
    sendBroadcast(Cmd::Search, QString());
    qInfo() << "searchDevices";
}

QHash<QString, SearchDevInfo> BroadService::getSearchDevices() const
{
    return m_devices;
}

QString BroadService::credentialBody(const SearchDevInfo &dev, const QString &token)
{
    using PrivateProto::escapeText;
    return QStringLiteral("<UID>%1</UID><token>%2</token><userName>%3</userName><password>%4</password>")
        .arg(escapeText(dev.uid), token, escapeText(dev.userName), escapeText(dev.password));
}

QString BroadService::modifyNetworkBody(const SearchDevInfo &dev, const QString &token)
{
    using PrivateProto::escapeText;
    const QString tcpip =
        QStringLiteral("<TCPIP><DHCPMode>%1</DHCPMode><IP>%2</IP><netmask>%3</netmask><gateway>%4</gateway>"
                       "<preferredDNS>%5</preferredDNS><standbyDNS>%6</standbyDNS><MAC>%7</MAC></TCPIP>")
            .arg(QString::number(dev.dhcpMode), escapeText(dev.ip), escapeText(dev.netmask), escapeText(dev.gateway),
                 escapeText(dev.preferredDns), escapeText(dev.standbyDns), escapeText(dev.mac));
    return credentialBody(dev, token) + tcpip;
}

void BroadService::modifyNetwork(const SearchDevInfo &dev)
{
    sendBroadcast(Cmd::Readdress, modifyNetworkBody(dev, QUuid::createUuid().toString()));
}

void BroadService::sendCredentialCmd(const SearchDevInfo &dev)
{
    SearchDevInfo withDefaults = dev;
    withDefaults.userName = DEFAULT_DEV_USER;
    withDefaults.password = DEFAULT_DEV_PASSWORD;
    sendBroadcast(Cmd::ResetCredentials, credentialBody(withDefaults, QUuid::createUuid().toString()));
}

void BroadService::sendBroadcast(unsigned int cmd, const QString &body)
{
    const QString xml = getSafeXml(cmd, body, 0);
    if (xml.isEmpty())
        return;
    const QByteArray datagram = xml.toUtf8();
    if (m_sockets.isEmpty())
        init();
    for (QUdpSocket *socket : qAsConst(m_sockets)) {
        if (socket->writeDatagram(datagram, m_broadcastAddress, m_port) != datagram.size())
            qDebug() << "broadcast failed from" << socket->localAddress().toString() << socket->errorString();
    }
}

void BroadService::onReadyRead()
{
    auto *socket = qobject_cast<QUdpSocket *>(sender());
    if (!socket)
        return;
    while (socket->hasPendingDatagrams()) {
        QByteArray datagram;
        datagram.resize(int(qMax<qint64>(0, socket->pendingDatagramSize())));
        socket->readDatagram(datagram.data(), datagram.size());
        const QString text = QString::fromUtf8(datagram);
        const QHash<QString, QString> head = findValuesInXml(text, QStringLiteral("head"));
        if (head.value(QStringLiteral("cmd")).trimmed().toInt() != Cmd::SearchAnswer)
            continue;
        QHash<QString, QString> body = findValuesInXml(text, QStringLiteral("body"));
        // The reader leaves empty elements out, but a present, empty firmware
        // version still wins over the misspelt one.
        if (!body.contains(QStringLiteral("firmwareVersion"))
            && (text.contains(QLatin1String("<firmwareVersion>"))
                || text.contains(QLatin1String("<firmwareVersion/>"))))
            body.insert(QStringLiteral("firmwareVersion"), QString());
        addSearchDevice(body);
    }
}

SearchDevInfo BroadService::fromAnswer(const QHash<QString, QString> &values)
{
    SearchDevInfo d;
    d.hardwareType = values.value(QStringLiteral("hardwareType"));
    static const char *const modelKeys[] = {"productModelExt", "product_model_ext", "deviceType", "productModel",
                                            "product_model"};
    for (const char *key : modelKeys) {
        const QString v = values.value(QLatin1String(key));
        if (!v.isEmpty()) {
            d.model = v;
            break;
        }
    }
    if (values.contains(QStringLiteral("firmwareVersion")))
        d.firmwareVersion = values.value(QStringLiteral("firmwareVersion"));
    else
        d.firmwareVersion = values.value(QStringLiteral("firmwaveVersion"));
    d.uid = values.value(QStringLiteral("UID"));
    d.sdkPlatform = values.value(QStringLiteral("sdkPlatform"));
    d.cpu = values.value(QStringLiteral("CPU"));
    d.dhcpMode = values.value(QStringLiteral("DHCPMode")).trimmed().toInt();
    d.ip = values.value(QStringLiteral("IP"));
    d.netmask = values.value(QStringLiteral("netmask"));
    d.gateway = values.value(QStringLiteral("gateway"));
    d.preferredDns = values.value(QStringLiteral("preferredDNS"));
    d.standbyDns = values.value(QStringLiteral("standbyDNS"));
    d.mac = values.value(QStringLiteral("MAC"));
    d.rtspPort = values.value(QStringLiteral("RTSPPort"));
    d.httpPort = values.value(QStringLiteral("HTTPPort"));
    d.osdText = values.value(QStringLiteral("OsdStr"));
    d.netType = uint8_t(values.value(QStringLiteral("net_type")).trimmed().toUInt());
    return d;
}

void BroadService::addSearchDevice(const QHash<QString, QString> &values)
{
    const SearchDevInfo d = fromAnswer(values);
    m_devices.insert(d.uid, d);
}
