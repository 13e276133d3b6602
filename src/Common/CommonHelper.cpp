#include "CommonHelper.h"

#include "Platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTextCodec>
#include <QUrl>

namespace {

struct PathState
{
    QMutex mutex;
    QString writableDirOverride;
    std::function<StoragePaths()> provider;
};

PathState &pathState()
{
    static PathState s;
    return s;
}

QString channelText(const FUN_DEV_INFO *dev)
{
    if (dev->devType == 1)
        return QStringLiteral("%1").arg(int(dev->channelIdx), 2, 10, QLatin1Char('0'));
    return QStringLiteral("00");
}

bool hasNameLevel(const FUN_DEV_INFO *dev)
{
    return dev->devType == 1 || (dev->devType == 0 && dev->channelNum >= 2);
}

QString timeStampName()
{
    return QDateTime::currentDateTime().toString(DATE_FORMAT + TIME_FORMAT);
}

QTextCodec *gbkCodec()
{
    QTextCodec *codec = QTextCodec::codecForName("GBK");
    if (!codec)
        qWarning() << "GBK text codec is not available";
    return codec;
}

} // namespace

// ---- record tests --------------------------------------------------------------

bool CommonHelper::isDevType(const FUN_DEV_INFO *dev, int type)
{
    return dev && dev->devType == type;
}

bool CommonHelper::isMultiChannelIpc(const FUN_DEV_INFO *dev)
{
    return dev && dev->devType == 0 && dev->channelNum > 1;
}

bool CommonHelper::isMultiChannelIpcMain(const FUN_DEV_INFO *dev)
{
    return dev && dev->devType == 0 && dev->channelIdx == 0 && dev->channelNum > 1;
}

bool CommonHelper::isNvrMain(const FUN_DEV_INFO *dev)
{
    return dev && dev->devType == 1 && dev->channelIdx == 0;
}

bool CommonHelper::checkDevOnline(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return false;
    if (dev->channelIdx == 0)
        return dev->loginStatus == 1;
    if (!dev->parent || dev->parent->loginStatus != 1)
        return false;
    if (isMultiChannelIpc(dev))
        return dev->loginStatus == 1;
    const int i = int(dev->channelIdx) - 1;
    const QString &stat = dev->parent->ipcsStat;
    if (i >= 0 && i < stat.size())
        return stat.at(i) == QLatin1Char('1');
    qWarning() << "Channel index out of range:" << int(dev->channelIdx) << stat.size();
    return false;
}

// ---- device texts --------------------------------------------------------------

QString CommonHelper::getDevKey(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    return devKey(dev->ip, dev->channelIdx);
}

QString CommonHelper::getDevTypeName(const FUN_DEV_INFO *dev)
{
    static const QHash<int, QString> names = {
        {0, QStringLiteral("IPC")}, {1, QStringLiteral("NVR")}, {2, QStringLiteral("ONVIF")}};
    if (!dev)
        return QString();
    return names.value(dev->devType, QStringLiteral("IPC"));
}

QString CommonHelper::getDevStatusText(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return connectionFailedText();
    if (dev->loginStatus == 2)
        return incorrectLoginText();
    return checkDevOnline(dev) ? connectionSuccessText() : connectionFailedText();
}

QString CommonHelper::connectionFailedText()
{
    return QCoreApplication::translate("CommonHelper", "Connection failed");
}

QString CommonHelper::connectionSuccessText()
{
    return QCoreApplication::translate("CommonHelper", "Connection successful");
}

QString CommonHelper::incorrectLoginText()
{
    return QCoreApplication::translate("CommonHelper", "Incorrect username or password.");
}

QString CommonHelper::errorCodeToText(int code)
{
    // Source texts only: translated at each call so a language change applies.
    static const QHash<int, const char *> table = {
        {-1, QT_TRANSLATE_NOOP("CommonHelper", "Invalid parameter!")},
        {-2, QT_TRANSLATE_NOOP("CommonHelper", "Invalid channel id!")},
        {-3, QT_TRANSLATE_NOOP("CommonHelper", "Invalid stream id!")},
        {-4, QT_TRANSLATE_NOOP("CommonHelper", "Invalid xml parameter!")},
        {-5, QT_TRANSLATE_NOOP("CommonHelper", "Signaling connection with IPC is not established!")},
        {-6, QT_TRANSLATE_NOOP("CommonHelper", "Media connection with IPC is not established!")},
        {-7, QT_TRANSLATE_NOOP("CommonHelper", "The number of Preview is full!")},
        {-8, QT_TRANSLATE_NOOP("CommonHelper", "The number of streams is full!")},
        {-9, QT_TRANSLATE_NOOP("CommonHelper", "Failed to get video config!")},
        {-10, QT_TRANSLATE_NOOP("CommonHelper", "Failed to start Preview!")},
        {-12, QT_TRANSLATE_NOOP("CommonHelper", "User does not have remote permission!")},
        {-14, QT_TRANSLATE_NOOP("CommonHelper", "The total number of playback channels is full!")},
    };
    const auto it = table.constFind(code);
    if (it != table.constEnd())
        return QCoreApplication::translate("CommonHelper", it.value());
    return QCoreApplication::translate("CommonHelper", "Unknown error code: %1!").arg(code);
}

// ---- paths ---------------------------------------------------------------------

QString CommonHelper::appWritableDir()
{
    {
        QMutexLocker lock(&pathState().mutex);
        if (!pathState().writableDirOverride.isEmpty())
            return pathState().writableDirOverride;
    }
    const QString appDir = QCoreApplication::applicationDirPath();
    if (!appDir.isEmpty() && QFileInfo(appDir).isWritable())
        return appDir;
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!dataDir.isEmpty())
        QDir().mkpath(dataDir);
    return dataDir;
}

void CommonHelper::setAppWritableDir(const QString &dir)
{
    QMutexLocker lock(&pathState().mutex);
    pathState().writableDirOverride = dir;
}

void CommonHelper::setStoragePathsProvider(std::function<StoragePaths()> provider)
{
    QMutexLocker lock(&pathState().mutex);
    pathState().provider = std::move(provider);
}

StoragePaths CommonHelper::storagePaths()
{
    std::function<StoragePaths()> provider;
    {
        QMutexLocker lock(&pathState().mutex);
        provider = pathState().provider;
    }
    return provider ? provider() : StoragePaths();
}

QString CommonHelper::safePathSegment(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            out.append(QLatin1Char('_'));
        else
            out.append(c);
    }
    out = out.trimmed();
    if (out.isEmpty() || out == QLatin1String(".") || out == QLatin1String(".."))
        out = QString(qMax(1, out.size()), QLatin1Char('_'));
    // File systems refuse names longer than 255 bytes.
    while (out.toUtf8().size() > 255)
        out.chop(1);
    return out;
}

QString CommonHelper::getRecordDir(const FUN_DEV_INFO *dev, bool backup)
{
    if (!dev)
        return QString();
    const StoragePaths paths = storagePaths();
    QString base = backup ? paths.backupPath : paths.recordPath;
    if (base.isEmpty())
        base = appWritableDir() + QStringLiteral("/Video");
    const QString folder = base + QLatin1Char('/') + safePathSegment(dev->ip) + QStringLiteral("/CH_")
                           + channelText(dev) + QLatin1Char('/');
    Platform::makePrivateDir(folder);
    return QDir::toNativeSeparators(folder);
}

QString CommonHelper::getRecordFileName(const FUN_DEV_INFO *dev, bool backup)
{
    const QString folder = getRecordDir(dev, backup);
    if (folder.isEmpty())
        return QString();
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + timeStampName() + QStringLiteral(".mp4"));
}

QString CommonHelper::getVideoRootDir(const FUN_DEV_INFO *dev)
{
    const StoragePaths paths = storagePaths();
    // Not the default folder in place of one that could not be read: the
    // recordings would go, or be looked for, elsewhere.
    if (!paths.known)
        return QString();
    return getVideoRootDir(dev, paths.backupPath);
}

QString CommonHelper::getVideoRootDir(const FUN_DEV_INFO *dev, const QString &backupPath)
{
    if (!dev)
        return QString();
    QString base = backupPath;
    if (base.isEmpty())
        base = appWritableDir() + QStringLiteral("/Video");
    // The local playback looks for a channel's recordings under the same
    // folders, whether or not they exist yet; the recorder makes them.
    QString folder = QDir::cleanPath(base) + QLatin1Char('/') + safePathSegment(dev->ip);
    if (dev->channelIdx > 0)
        folder += QStringLiteral("/CH_%1").arg(int(dev->channelIdx), 2, 10, QLatin1Char('0'));
    return QDir::toNativeSeparators(folder);
}

QString CommonHelper::getSnapshotPath(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    QString base = storagePaths().snapPath;
    if (base.isEmpty())
        base = appWritableDir() + QStringLiteral("/Picture");
    QDir dir(base);
    if (hasNameLevel(dev)) {
        const QString ip = safePathSegment(dev->ip);
        if (dir.exists(ip))
            dir.cd(ip);
    }
    const QString name = safePathSegment(dev->name);
    Platform::makePrivateDir(dir.filePath(name));
    const QString folder = dir.filePath(name);
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + timeStampName() + QStringLiteral(".jpg"));
}

bool CommonHelper::getDiskFreeSpace(const QString &path, quint64 &freeGiB)
{
    const qint64 bytes = Platform::freeBytes(path);
    if (bytes < 0)
        return false;
    freeGiB = quint64(bytes) >> 30;
    qDebug() << "Disk space:" << path << freeGiB << "GB";
    return true;
}

// ---- text encoding -------------------------------------------------------------

QString CommonHelper::stringToHex(const QString &text, const QString &platform)
{
    if (text.isEmpty())
        return QString();
    if (platform.isEmpty()) {
        QTextCodec *codec = gbkCodec();
        if (!codec)
            return QString();
        return QString::fromLatin1(codec->fromUnicode(text).toHex());
    }
    if (CHIP_PLATFORMS.contains(platform))
        return QString::fromLatin1(text.toUtf8().toHex());
    return xmlEscape(text);
}

QString CommonHelper::hexToString(const QString &hex, const QString &platform)
{
    if (hex.isEmpty())
        return QString();
    if (platform.isEmpty()) {
        QTextCodec *codec = gbkCodec();
        if (!codec)
            return QString();
        return codec->toUnicode(QByteArray::fromHex(hex.toLatin1()));
    }
    if (CHIP_PLATFORMS.contains(platform))
        return QString::fromUtf8(QByteArray::fromHex(hex.toLatin1()));
    return hex;
}

QString CommonHelper::xmlEscape(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QStringLiteral("&amp;"));
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    out.replace(QLatin1Char('\''), QStringLiteral("&apos;"));
    out.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return out;
}

// ---- form checks ---------------------------------------------------------------

bool CommonHelper::hasEmptyString(const QStringList &texts)
{
    for (const QString &t : texts) {
        if (t.trimmed().isEmpty())
            return true;
    }
    return false;
}

bool CommonHelper::isValidEmail(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^[a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+\\.[a-zA-Z]{2,}$"));
    return re.match(text).hasMatch();
}

bool CommonHelper::isValidPhone(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\d{1,4}-\\d{7,15}$"));
    return re.match(text).hasMatch();
}

QString CommonHelper::maskAccount(const QString &text)
{
    return text.contains(QLatin1Char('@')) ? maskEmail(text) : maskPhone(text);
}

QString CommonHelper::maskEmail(const QString &text)
{
    const int p = text.indexOf(QLatin1Char('@'));
    if (p < 3)
        return text;
    return text.left(2) + QString(p - 2, QLatin1Char('*')) + text.mid(p);
}

QString CommonHelper::maskPhone(const QString &text)
{
    if (text.size() < 10)
        return text;
    return text.left(4) + QString(text.size() - 8, QLatin1Char('*')) + text.right(4);
}

bool CommonHelper::isNonZeroDigitAt(const QString &rights, int index)
{
    if (index < 0 || index >= rights.size())
        return false;
    const QChar c = rights.at(index);
    return c >= QLatin1Char('1') && c <= QLatin1Char('9');
}

// ---- addresses and the network -------------------------------------------------

QList<QHostAddress> CommonHelper::getValidIpv4()
{
    static const QStringList virtualAdapters = {QStringLiteral("00:50:56:C0:00:01"),
                                                QStringLiteral("00:50:56:C0:00:08")};
    const quint32 linkLocalFirst = QHostAddress(QStringLiteral("169.254.1.0")).toIPv4Address();
    const quint32 linkLocalLast = QHostAddress(QStringLiteral("169.254.254.255")).toIPv4Address();

    QList<QHostAddress> result;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (virtualAdapters.contains(iface.hardwareAddress(), Qt::CaseInsensitive))
            continue;
        const auto flags = iface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress addr = entry.ip();
            if (addr.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            const quint32 v = addr.toIPv4Address();
            if (v >= linkLocalFirst && v <= linkLocalLast)
                continue;
            result.append(addr);
            qDebug() << "Valid IPv4 found:" << addr.toString();
        }
    }
    return result;
}

int CommonHelper::checkIpAddress(const QString &ip, const QString &mask, const QString &gateway, bool pingFirst)
{
    if (pingFirst && ping(ip))
        return 1;
    const QStringList a = ip.split(QLatin1Char('.'));
    const QStringList m = mask.split(QLatin1Char('.'));
    const QStringList g = gateway.split(QLatin1Char('.'));
    const int n = qMin(a.size(), qMin(m.size(), g.size()));
    for (int i = 0; i < n; ++i) {
        const int mi = m.at(i).toInt();
        if ((a.at(i).toInt() & mi) != (g.at(i).toInt() & mi))
            return 2;
    }
    return 0;
}

bool CommonHelper::ping(const QString &ip)
{
    if (ip.isEmpty()) {
        qWarning() << "Ping failed: IP address is empty";
        return false;
    }
    return Platform::runPingProbe(ip);
}

int CommonHelper::findFreeSlot(const QString &value, const QMap<int, QString> &slotMap)
{
    for (auto it = slotMap.constBegin(); it != slotMap.constEnd(); ++it) {
        if (it.value() == value)
            return it.key();
    }
    for (int key = 0; key < 4; ++key) {
        if (!slotMap.contains(key))
            return key;
    }
    return -1;
}

QMap<int, QLocale::Language> CommonHelper::languageLocaleMap()
{
    static const QMap<int, QLocale::Language> table = {{0, QLocale::Chinese},
                                                       {1, QLocale::English},
                                                       {2, QLocale::Russian},
                                                       {3, QLocale::Indonesian},
                                                       {4, QLocale::Czech}};
    return table;
}

QString CommonHelper::getSkinName()
{
    static const int oemId = 0;
    return skinForOem(oemId);
}

bool CommonHelper::showFileInFolder(const QString &filePath)
{
    if (filePath.isEmpty()) {
        qWarning() << "Show in folder: empty file path";
        return false;
    }
    const QString folder = QFileInfo(QDir::fromNativeSeparators(filePath)).absolutePath();
    return Platform::launchUrl(QUrl::fromLocalFile(folder));
}

QString CommonHelper::fillTemplate(const QString &pattern, const QStringList &values)
{
    QString out;
    out.reserve(pattern.size() + values.size() * 8);
    const int n = pattern.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = pattern.at(i);
        if (c != QLatin1Char('%') || i + 1 >= n || !pattern.at(i + 1).isDigit()) {
            out.append(c);
            continue;
        }
        int j = i + 1;
        int number = 0;
        while (j < n && pattern.at(j).isDigit() && number < 100000) {
            number = number * 10 + pattern.at(j).digitValue();
            ++j;
        }
        if (number >= 1 && number <= values.size()) {
            out.append(values.at(number - 1));
        } else {
            out.append(pattern.midRef(i, j - i));
        }
        i = j - 1;
    }
    return out;
}
