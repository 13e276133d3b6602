#include "NvrBodies.h"

#include "CommonHelper.h"
#include "DeviceCommands.h"
#include "DeviceXml.h"
#include "KelvoCommon.h"
#include "PrivateProto.h"

#include <QXmlStreamReader>

namespace NvrBodies {

namespace {

// Each text escaped once, in the order the template names them.
QStringList escaped(const Values &values, const QStringList &keys)
{
    QStringList out;
    for (const QString &key : keys)
        out << PrivateProto::escapeText(values.value(key));
    return out;
}

QString fill(const QString &pattern, const Values &values, const QStringList &keys)
{
    return CommonHelper::fillTemplate(pattern, escaped(values, keys));
}

QList<Values> readAll(const QString &xml, const QString &element, int maxListed, const char *what)
{
    QStringList pieces = findAllXmlElements(xml, element);
    DeviceValue::boundList(pieces, maxListed, what);
    QList<Values> out;
    for (const QString &piece : qAsConst(pieces))
        out << readLeaves(piece, element);
    return out;
}

} // namespace

Values readLeaves(const QString &xml, const QString &tag)
{
    Values out;
    QXmlStreamReader reader(xml);
    int depth = 0;
    int tagDepth = -1; // depth of the first <tag>; -1 before it
    QString current;   // the element whose text is collected while it has no child
    QString text;
    bool leaf = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > DeviceXml::MaxDepth)
                return Values();
            if (tagDepth < 0) {
                if (reader.name() == tag)
                    tagDepth = depth;
                continue;
            }
            current = reader.name().toString();
            text.clear();
            leaf = true;
        } else if (token == QXmlStreamReader::Characters) {
            if (tagDepth >= 0 && leaf)
                text += reader.text();
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == tagDepth)
                return out;
            if (tagDepth >= 0 && leaf && !out.contains(current))
                out.insert(current, text);
            leaf = false;
            --depth;
        } else if (token == QXmlStreamReader::Invalid) {
            return Values();
        }
    }
    return out;
}

bool isTypedNumberIn(const QString &text, qint64 low, qint64 high)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const qint64 value = text.toLongLong();
    return value >= low && value <= high;
}

bool hasPageElements(int readCmd, const QString &xml)
{
    auto all = [](const Values &values, std::initializer_list<const char *> keys) {
        for (const char *key : keys) {
            if (!values.contains(QLatin1String(key)))
                return false;
        }
        return true;
    };
    switch (readCmd) {
    case Cmd::GetBasicSettings:
        return all(readBasic(xml), {"language", "transparency", "resolution", "lockScreenTime", "lockScreenOp",
                                    "guideEnable", "autoAddIpc"});
    case Cmd::GetTimeConfig:
        return all(readLeaves(xml, QStringLiteral("timeConfig")),
                   {"sysTime", "dateFormat", "timeFormat", "ipcSetTime", "ipcSetTimeInterval", "timeZone",
                    "chanNumberDisplay", "desktopTimeDisplay"});
    case Cmd::GetNvrNetwork:
        return all(readNetConfig(xml).tcpip,
                   {"DHCPMode", "IP", "netmask", "gateway", "preferredDNS", "standbyDNS", "MAC", "MTU"});
    case Cmd::GetStoragePolicy:
        return all(readLeaves(xml, QStringLiteral("body")), {"StoragePolicy", "noHDDPrompt"});
    case Cmd::GetRecordSchedule:
        return findValuesInXml(xml, QStringLiteral("body")).contains(QStringLiteral("RecordMode"))
               || !findAllXmlElements(xml, QStringLiteral("ChannelDetail")).isEmpty();
    case Cmd::GetVersion:
        return !findValuesInXml(xml, QStringLiteral("versionInfo")).isEmpty();
    default:
        // A disk list may be empty: a recorder without disks lists none.
        return true;
    }
}

// ---- basic settings ---------------------------------------------------------------

Values readBasic(const QString &xml)
{
    return readLeaves(xml, QStringLiteral("body"));
}

QString basicBody(const Values &values, bool withLogLevel)
{
    QString body = fill(QStringLiteral("<language>%1</language><transparency>%2</transparency>"
                                       "<resolution>%3</resolution><lockScreenTime>%4</lockScreenTime>"
                                       "<lockScreenOp>%5</lockScreenOp><guideEnable>%6</guideEnable>"
                                       "<autoAddIpc>%7</autoAddIpc>"),
                        values,
                        {QStringLiteral("language"), QStringLiteral("transparency"), QStringLiteral("resolution"),
                         QStringLiteral("lockScreenTime"), QStringLiteral("lockScreenOp"),
                         QStringLiteral("guideEnable"), QStringLiteral("autoAddIpc")});
    if (withLogLevel)
        body += fill(QStringLiteral("<debugLogLevel>%1</debugLogLevel>"), values, {QStringLiteral("debugLogLevel")});
    return body;
}

// ---- time configuration ---------------------------------------------------------

TimeConfig readTimeConfig(const QString &xml)
{
    TimeConfig config;
    config.values = readLeaves(xml, QStringLiteral("body"));
    // The element itself: <summertimeSupported> or a text mentioning the
    // word holds no rule.
    const QStringList summer = findAllXmlElements(xml, QStringLiteral("summertime"));
    config.hasSummer = !summer.isEmpty();
    if (config.hasSummer)
        config.summer = readLeaves(summer.first(), QStringLiteral("summertime"));
    return config;
}

QString timeConfigBody(const Values &values, const Values *summer)
{
    QString summerPart;
    if (summer) {
        summerPart = fill(QStringLiteral("<summertime><enable>%1</enable><offset>%2</offset>"
                                         "<weekStartTime>%3</weekStartTime><weekEndTime>%4</weekEndTime>"
                                         "</summertime>"),
                          *summer,
                          {QStringLiteral("enable"), QStringLiteral("offset"), QStringLiteral("weekStartTime"),
                           QStringLiteral("weekEndTime")});
    }
    return fill(QStringLiteral("<timeConfig><sysTime>%1</sysTime><dateFormat>%2</dateFormat>"
                               "<timeFormat>%3</timeFormat><ipcSetTime>%4</ipcSetTime>"
                               "<ipcSetTimeInterval>%5</ipcSetTimeInterval><timeZone>%6</timeZone>"
                               "<chanNumberDisplay>%7</chanNumberDisplay><desktopTimeDisplay>%8</desktopTimeDisplay>"),
                values,
                {QStringLiteral("sysTime"), QStringLiteral("dateFormat"), QStringLiteral("timeFormat"),
                 QStringLiteral("ipcSetTime"), QStringLiteral("ipcSetTimeInterval"), QStringLiteral("timeZone"),
                 QStringLiteral("chanNumberDisplay"), QStringLiteral("desktopTimeDisplay")})
           + summerPart + QStringLiteral("</timeConfig>");
}

// ---- network ----------------------------------------------------------------------

NetConfig readNetConfig(const QString &xml)
{
    NetConfig config;
    config.tcpip = readLeaves(xml, QStringLiteral("TCPIP"));
    config.body = readLeaves(xml, QStringLiteral("body"));
    return config;
}

QString netConfigBody(const Values &tcpip, const Values &switches)
{
    return fill(QStringLiteral("<TCPIP><DHCPMode>%1</DHCPMode><ipConflictMode>%2</ipConflictMode><IP>%3</IP>"
                               "<netmask>%4</netmask><gateway>%5</gateway><preferredDNS>%6</preferredDNS>"
                               "<standbyDNS>%7</standbyDNS><MAC>%8</MAC><MTU>%9</MTU></TCPIP>"),
                tcpip,
                {QStringLiteral("DHCPMode"), QStringLiteral("ipConflictMode"), QStringLiteral("IP"),
                 QStringLiteral("netmask"), QStringLiteral("gateway"), QStringLiteral("preferredDNS"),
                 QStringLiteral("standbyDNS"), QStringLiteral("MAC"), QStringLiteral("MTU")})
           + fill(QStringLiteral("<wifiEnhance>%1</wifiEnhance><poeLongCable>%2</poeLongCable>"), switches,
                  {QStringLiteral("wifiEnhance"), QStringLiteral("poeLongCable")});
}

// ---- record schedules -----------------------------------------------------------

Schedules readSchedules(const QString &xml, int maxListed)
{
    Schedules out;
    const Values body = findValuesInXml(xml, QStringLiteral("body"));
    if (body.contains(QStringLiteral("RecordMode")))
        out.recordMode = DeviceValue::bounded(body.value(QStringLiteral("RecordMode")), 0, 0xff, 0);
    for (const Values &detail : readAll(xml, QStringLiteral("ChannelDetail"), maxListed, "channel schedules")) {
        const std::optional<int> id = DeviceValue::number(detail.value(QStringLiteral("ID")));
        // A later element of the same channel replaces an earlier one.
        if (id) {
            out.byChannel.insert(*id, detail.value(QStringLiteral("Schedule")));
            out.idText.insert(*id, detail.value(QStringLiteral("ID")));
        }
    }
    return out;
}

QString scheduleBody(const QList<QPair<int, QString>> &channels)
{
    QList<QPair<QString, QString>> named;
    for (const auto &channel : channels)
        named.append({QString::number(channel.first), channel.second});
    return scheduleBody(named);
}

QString scheduleBody(const QList<QPair<QString, QString>> &channels)
{
    QString body = QStringLiteral("<ChannelNum>%1</ChannelNum>").arg(channels.size());
    for (const auto &channel : channels) {
        body += CommonHelper::fillTemplate(
            QStringLiteral("<ChannelDetail><ID>%1</ID><Schedule>%2</Schedule></ChannelDetail>"),
            {PrivateProto::escapeText(channel.first), PrivateProto::escapeText(channel.second)});
    }
    return body;
}

// ---- storage policy -------------------------------------------------------------

QString storagePolicyBody(const QString &policy, const QString &prompt)
{
    return fill(QStringLiteral("<StoragePolicy>%1</StoragePolicy><noHDDPrompt>%2</noHDDPrompt>"),
                {{QStringLiteral("p"), policy}, {QStringLiteral("n"), prompt}},
                {QStringLiteral("p"), QStringLiteral("n")});
}

// ---- user accounts --------------------------------------------------------------

QList<Values> readAccounts(const QString &xml, int maxListed)
{
    return readAll(xml, QStringLiteral("userAcount"), maxListed, "user accounts");
}

QString accountBody(int operation, const Values &account)
{
    return QStringLiteral("<userNum>1</userNum><userAcount><operationType>%1</operationType>").arg(operation)
           + fill(QStringLiteral("<userName>%1</userName><passWord>%2</passWord><status>%3</status>"
                                 "<email>%4</email></userAcount>"),
                  account,
                  {QStringLiteral("userName"), QStringLiteral("passWord"), QStringLiteral("status"),
                   QStringLiteral("email")});
}

QString rightsBody(const Values &account)
{
    // The state goes back as listed, also when the list gave none.
    const Values &values = account;
    return QStringLiteral("<userNum>1</userNum><userAcount><operationType>3</operationType>")
           + fill(QStringLiteral("<userName>%1</userName><passWord>%2</passWord><status>%3</status>"
                                 "<localAuthority>%4</localAuthority><remoteAuthority>%5</remoteAuthority>"
                                 "</userAcount>"),
                  values,
                  {QStringLiteral("userName"), QStringLiteral("passWord"), QStringLiteral("status"),
                   QStringLiteral("localAuthority"), QStringLiteral("remoteAuthority")});
}

QString deleteRecord(const Values &account)
{
    return QStringLiteral("<userAcount><operationType>2</operationType>")
           + fill(QStringLiteral("<userName>%1</userName><passWord>%2</passWord><status>%3</status><email>%4</email>"
                                 "<localAuthority>%5</localAuthority><remoteAuthority>%6</remoteAuthority>"
                                 "</userAcount>"),
                  account,
                  {QStringLiteral("userName"), QStringLiteral("passWord"), QStringLiteral("status"),
                   QStringLiteral("email"), QStringLiteral("localAuthority"), QStringLiteral("remoteAuthority")});
}

// ---- channels ---------------------------------------------------------------------

QList<Values> readChannels(const QString &xml, int maxListed)
{
    return readAll(xml, QStringLiteral("ChannelInfo"), maxListed, "channels");
}

QString channelAddBody(const QList<Values> &records, const QList<int> &rows)
{
    const int count = qMin(records.size(), rows.size());
    const QString tabs(9, QLatin1Char('\t'));
    const QString pattern = QStringLiteral("<ChannelInfo><ChannelId>%1</ChannelId><IpAddr>%2</IpAddr>"
                                           "<Protocol>%3</Protocol><CtrlPort>%4</CtrlPort><VideoPort>%5</VideoPort>")
                            + QLatin1Char('\n') + tabs
                            + QStringLiteral("<Username>%6</Username><Password>%7</Password><AuthType>%8</AuthType>")
                            + QLatin1Char('\n') + tabs + QStringLiteral("<DoubleCam>%9</DoubleCam></ChannelInfo>");
    QString body = QStringLiteral("<ChannelCount>%1</ChannelCount>").arg(count);
    for (int i = 0; i < count; ++i) {
        // Texts go as listed or typed: a camera login " pw " trimmed is
        // another login.
        Values record = records[i];
        // A found camera carries its address as IPAddress.
        if (record.value(QStringLiteral("IpAddr")).isEmpty())
            record.insert(QStringLiteral("IpAddr"), record.value(QStringLiteral("IPAddress")));
        // A changed channel is named as the list named it.
        if (record.value(QStringLiteral("ChannelId")).isEmpty())
            record.insert(QStringLiteral("ChannelId"), QString::number(rows[i] + 1));
        body += fill(pattern, record,
                     {QStringLiteral("ChannelId"), QStringLiteral("IpAddr"), QStringLiteral("Protocol"),
                      QStringLiteral("CtrlPort"), QStringLiteral("VideoPort"), QStringLiteral("Username"),
                      QStringLiteral("Password"), QStringLiteral("AuthType"), QStringLiteral("DoubleCam")});
    }
    return body;
}

} // namespace NvrBodies
