#include "CommonHelperStream.h"

#include <QDebug>
#include <QUrl>

QString CommonHelper::getDevUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream)
{
    if (!dev)
        return QString();
    if (dev->devType == 2)
        return getOnvifUrl(dev, stream);

    // Credentials are percent-encoded: a '/', '#', '?' or "%41" in a password
    // would otherwise end or alter the address and the stream could not open.
    const auto encoded = [](const QString &text) { return QString::fromLatin1(text.toUtf8().toPercentEncoding()); };
    const auto build = [dev, stream, &encoded](const QString &password) {
        // One pass, so a '%' in the credentials is never taken for a placeholder.
        QString url = QStringLiteral("rtsp://%1:%2@%3:%4/stream%5")
                          .arg(encoded(dev->userName), password, dev->ip, QString::number(dev->rtspPort),
                               QString::number(int(stream) + 1));
        if (dev->devType == 1 && dev->channelIdx > 0) {
            url += QStringLiteral("-%1").arg(dev->channelIdx);
        } else if (dev->devType == 0 && dev->channelIdx > 1) {
            const int at = url.lastIndexOf(QLatin1String("/stream"));
            if (at >= 0)
                url.insert(at, QStringLiteral("/%1").arg(dev->channelIdx - 1));
        }
        return url;
    };
    const QString url = build(encoded(dev->password));
    qDebug().noquote() << "ip:" << dev->ip << "; channleIdx:" << dev->channelIdx << "; url=" << build(PASSWORD_MASK);
    return url;
}

QString CommonHelper::getOnvifUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream)
{
    if (!dev)
        return QString();
    ONVIF::Service *onvif = ONVIF::Service::instance();
    QString url = onvif ? onvif->getUriInfo(dev->ip, int(stream)) : QString();
    if (url.isEmpty()) {
        qWarning() << "Failed to get ONVIF URL for device:" << dev->ip;
        return QString();
    }
    const QLatin1String scheme("rtsp://");
    // The camera names the address; the operator's credentials go only to the
    // camera itself, never to a host it points elsewhere.
    const QString host = QUrl(url, QUrl::TolerantMode).host();
    const QString serviceHost = QUrl(dev->onvifUrl, QUrl::TolerantMode).host();
    const bool ownHost = !host.isEmpty()
                         && (host.compare(dev->ip, Qt::CaseInsensitive) == 0
                             || (!serviceHost.isEmpty() && host.compare(serviceHost, Qt::CaseInsensitive) == 0));
    if (!ownHost && url.startsWith(scheme)) {
        qWarning() << "ONVIF stream address of" << dev->ip << "names another host, used without credentials:"
                   << QUrl(url, QUrl::TolerantMode).toDisplayString(QUrl::RemoveUserInfo);
        return url;
    }
    if (!url.contains(QLatin1Char('@')) && url.startsWith(scheme)) {
        const QString credentials =
            QStringLiteral("%1:%2@").arg(QString::fromLatin1(dev->userName.toLocal8Bit().toPercentEncoding()),
                                         QString::fromLatin1(dev->password.toLocal8Bit().toPercentEncoding()));
        url.insert(scheme.size(), credentials);
    }
    return url;
}

void CommonHelper::saveDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    ONVIF::Service *onvif = ONVIF::Service::instance();
    if (!onvif)
        return;
    ONVIF::Service::ONVIF_DEV_INFO entry = onvif->getDevices().value(dev->ip);
    entry.user = dev->userName;
    entry.password = dev->password;
    entry.ip = dev->ip;
    entry.uuid = dev->sn;
    // A camera added by hand was never discovered: its device service is at
    // the standard path on the port the operator typed.
    if (dev->onvifUrl.isEmpty() && entry.xaddr.isEmpty() && !dev->ip.isEmpty() && dev->devPort > 0)
        dev->onvifUrl = QStringLiteral("http://%1:%2/onvif/device_service").arg(dev->ip).arg(dev->devPort);
    if (!dev->onvifUrl.isEmpty())
        entry.xaddr = dev->onvifUrl;
    entry.authMode = dev->onvifAuth;
    onvif->modiflyDev(entry);
}

void CommonHelper::onvifToDevInfo(FUN_DEV_INFO *dev, const ONVIF::Service::ONVIF_DEV_INFO &entry)
{
    if (!dev)
        return;
    dev->devType = 2;
    dev->onvifUrl = entry.xaddr;
    dev->ip = entry.ip;
    dev->name = entry.devName.isEmpty() ? QStringLiteral("onvif_") + entry.ip : entry.devName;
    dev->userName = entry.user;
    dev->password = entry.password;
    dev->loginStatus = entry.status;
    dev->onvifAuth = entry.authMode;
    if (entry.status == 1) {
        dev->model = entry.hardware.isEmpty() ? entry.manufacturer : entry.hardware;
        dev->version = entry.firmwareVersion;
        dev->sn = entry.uuid.toUpper();
    }
    dev->devPort = 554;
    for (const QString &piece : dev->onvifUrl.split(QLatin1Char('/'))) {
        if (!dev->ip.isEmpty() && piece.contains(dev->ip)) {
            bool ok = false;
            const uint port = piece.split(QLatin1Char(':')).last().toUInt(&ok);
            dev->devPort = ok && port <= 0xffff ? uint16_t(port) : 0;
            break;
        }
    }
}
