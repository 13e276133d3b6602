#include "KelvoCommon.h"

#include <QDebug>

#include <cstring>

const QString DEFAULT_LOCAL_USER = QStringLiteral("admin");
const QString DEFAULT_LOCAL_PASSWORD = QStringLiteral("vemqa");
const QString DEFAULT_RIGHTS = QStringLiteral("1111111");
const QStringList CHIP_PLATFORMS = {QStringLiteral("SIGMASTAR"), QStringLiteral("GUOKE"), QStringLiteral("DUOFANG")};
const QString SKIN_DEFAULT = QStringLiteral("Default");
const QString SKIN_SECOND = QStringLiteral("brennic");
const QString DEFAULT_GROUP = QStringLiteral("Default");
const QString DEFAULT_DEV_USER = QStringLiteral("admin");
const QString DEFAULT_DEV_PASSWORD = QStringLiteral("402917");
const QString SKIN_LOGIN_DIR = QStringLiteral(":/Resources/Skin/Default/Login/");
const QString SKIN_MAINWINDOW_DIR = QStringLiteral(":/Resources/Skin/Default/MainWindow/");
const QString SKIN_PLAYBACK_DIR = QStringLiteral(":/Resources/Skin/Default/Playback/");
const QColor COLOR_DARK_GRAY = QColor(Qt::darkGray);
const QColor COLOR_BLUE = QColor(Qt::blue);
const QMap<int, QString> SKIN_BY_OEM = {{0, SKIN_DEFAULT}, {4, SKIN_SECOND}};
const QString DATE_FORMAT = QStringLiteral("yyyyMMdd");
const QString DATETIME_FORMAT = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QColor COLOR_DARK_BLUE = QColor(Qt::darkBlue);
const QString PASSWORD_MASK = QStringLiteral("********");
const QString TIME_FORMAT = QStringLiteral("hhmmsszzz");

QString skinForOem(int oemId)
{
    return SKIN_BY_OEM.value(oemId, SKIN_DEFAULT);
}

// ---- StreamFragmentHeader ----------------------------------------------------

StreamFragmentHeader StreamFragmentHeader::fromBytes(const char *data, int size)
{
    StreamFragmentHeader h;
    if (data && size > 0)
        std::memcpy(h.bytes.data(), data, size < Size ? size : Size);
    return h;
}

QByteArray StreamFragmentHeader::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), Size);
}

uint32_t StreamFragmentHeader::word(int index) const
{
    if (index < 0 || index > 4)
        return 0;
    const uint8_t *p = bytes.data() + index * 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void StreamFragmentHeader::setWord(int index, uint32_t value)
{
    if (index < 0 || index > 4)
        return;
    uint8_t *p = bytes.data() + index * 4;
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(value >> (8 * i));
}

int16_t StreamFragmentHeader::sequence() const
{
    return int16_t(uint16_t(bytes[8]) | (uint16_t(bytes[9]) << 8));
}

uint16_t StreamFragmentHeader::fragmentLength() const
{
    return uint16_t(bytes[10]) | (uint16_t(bytes[11]) << 8);
}

void StreamFragmentHeader::setSequence(int16_t value)
{
    bytes[8] = uint8_t(uint16_t(value) & 0xff);
    bytes[9] = uint8_t(uint16_t(value) >> 8);
}

void StreamFragmentHeader::setFragmentLength(uint16_t value)
{
    bytes[10] = uint8_t(value & 0xff);
    bytes[11] = uint8_t(value >> 8);
}

// ---- loginDev ------------------------------------------------------------------

uint qHash(const loginDev &key, uint seed)
{
    return qHash(key.ip, seed) ^ (uint(key.channel) * 0x9e3779b1u);
}

loginDev toLoginDev(const FUN_DEV_INFO *dev)
{
    loginDev key;
    if (!dev)
        return key;
    key.ip = dev->ip;
    key.port = dev->devPort;
    key.user = dev->userName;
    key.password = dev->password;
    key.channel = dev->devType == 1 ? dev->channelIdx : 0;
    key.authMode = uint8_t(dev->onvifAuth & 0xff);
    key.ipcChannels = dev->devType == 0 ? uint8_t(dev->channelNum - 1) : 0;
    return key;
}

void registerKelvoMetaTypes()
{
    qRegisterMetaType<RecvInfo>("devXmlInfo");
    qRegisterMetaType<RecvInfo>("RecvInfo");
    qRegisterMetaType<loginDev>("loginDev");
    qRegisterMetaType<StreamLoss>("StreamLoss");
    qRegisterMetaType<FUN_DEV_INFO *>("FUN_DEV_INFO*");
}

QString devKey(const QString &ip, int channel)
{
    if (channel == 0)
        return ip;
    return QStringLiteral("%1_%2").arg(ip).arg(channel);
}

QString devKey(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    return devKey(dev->ip, dev->channelIdx);
}

// ---- XML readers ---------------------------------------------------------------

QStringList findAllXmlElements(const QByteArray &data, const QString &tag)
{
    QStringList list;
    const QByteArray open = QStringLiteral("<%1>").arg(tag).toUtf8();
    const QByteArray close = QStringLiteral("</%1>").arg(tag).toUtf8();
    int start = data.indexOf(open, 0);
    while (start >= 0) {
        // A same-named element inside belongs to this one: the piece ends at
        // the closing tag that balances its opening tag, so that it can be
        // read again as an element.
        int depth = 1;
        int from = start + open.size();
        int nextOpen = data.indexOf(open, from);
        int end = -1;
        while (depth > 0) {
            const int nextClose = data.indexOf(close, from);
            if (nextClose < 0)
                break;
            if (nextOpen >= 0 && nextOpen < nextClose) {
                ++depth;
                from = nextOpen + open.size();
                nextOpen = data.indexOf(open, from);
            } else {
                --depth;
                from = nextClose + close.size();
                end = nextClose;
            }
        }
        if (depth > 0)
            break;
        list.append(QString::fromUtf8(data.mid(start, end + close.size() - start)));
        start = nextOpen;
    }
    return list;
}

QStringList findAllXmlElements(const QString &xml, const QString &tag)
{
    return findAllXmlElements(xml.toUtf8(), tag);
}
