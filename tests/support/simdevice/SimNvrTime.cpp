// The recorder's clock and record schedules: time configuration
// (Cmd::GetTimeConfig / Cmd::SetTimeConfig) with a running clock, setting the
// clock (Cmd::SetClock), and one weekly schedule per channel
// (Cmd::GetRecordSchedule / Cmd::SetRecordSchedule).

#include "SimDevice.h"

#include <QDateTime>
#include <QDomDocument>
#include <QMap>
#include <QTextStream>

#include <memory>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
// Channels a recorder may have; each has a schedule from the start.
constexpr int kMaxSeededChannels = 64;

QString elementText(const QDomElement &e)
{
    QString text;
    QTextStream out(&text);
    e.save(out, -1);
    return text;
}

// Applies a Cmd::SetTimeConfig body to the stored configuration. The clock is
// not set here, and the daylight-saving block is kept only by a recorder that
// has one.
void storeTimeConfig(SimDevice &d, const QString &body)
{
    QDomDocument stored;
    QDomDocument update;
    if (!stored.setContent(d.storedBody(Cmd::GetTimeConfig))
        || !update.setContent(QStringLiteral("<r>%1</r>").arg(body)))
        return;
    QDomElement root = stored.documentElement();
    const QDomElement sent = update.documentElement().firstChildElement(QStringLiteral("timeConfig"));
    for (QDomElement e = sent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("sysTime"))
            continue;
        QDomElement existing = root.firstChildElement(e.tagName());
        if (e.tagName() == QLatin1String("summertime") && existing.isNull())
            continue;
        QDomNode copy = stored.importNode(e, true);
        if (existing.isNull())
            root.appendChild(copy);
        else
            root.replaceChild(copy, existing);
    }
    d.setStoredBody(Cmd::GetTimeConfig, elementText(root));
}

QString schedule(int channel)
{
    QString s;
    for (int k = 0; k < 336; ++k)
        s += QChar('0' + (k / 48 + channel) % 4);
    return s;
}

struct Plans
{
    QString recordMode = QStringLiteral("4");
    QMap<int, QString> schedules;

    QString body() const
    {
        QString out = QStringLiteral("<RecordMode>%1</RecordMode>").arg(recordMode);
        for (auto it = schedules.constBegin(); it != schedules.constEnd(); ++it)
            out += QStringLiteral("<ChannelDetail><ID>%1</ID><Schedule>%2</Schedule></ChannelDetail>")
                       .arg(it.key())
                       .arg(it.value());
        return out;
    }
};

SimDeviceExtension nvrTime([](SimDevice &d) {
    if (d.kind() != SimDevice::Nvr)
        return;
    // The recorder's clock runs five hours ahead of the host's.
    auto offsetMs = std::make_shared<qint64>(5 * 3600 * 1000);
    d.setStoredBody(
        Cmd::GetTimeConfig,
        QStringLiteral(
            "<timeConfig><sysTime></sysTime><dateFormat>MM/DD/YYYY</dateFormat><timeFormat>0</timeFormat>"
            "<ipcSetTime>1</ipcSetTime><ipcSetTimeInterval>24</ipcSetTimeInterval><timeZone>12</timeZone>"
            "<chanNumberDisplay>1</chanNumberDisplay><desktopTimeDisplay>0</desktopTimeDisplay></timeConfig>"));
    SimDevice *device = &d;
    // Every answer carries the running clock, whatever form the stored
    // element took after a change (<sysTime/> included).
    d.setHandler(Cmd::GetTimeConfig, [device, offsetMs](SimConnection *c, const SimRequest &) {
        QDomDocument doc;
        if (!doc.setContent(device->storedBody(Cmd::GetTimeConfig))) {
            c->reply(Cmd::GetTimeConfig, 0, device->storedBody(Cmd::GetTimeConfig));
            return;
        }
        QDomElement root = doc.documentElement();
        QDomElement time = root.firstChildElement(QStringLiteral("sysTime"));
        if (time.isNull())
            time = root.insertBefore(doc.createElement(QStringLiteral("sysTime")), root.firstChild()).toElement();
        while (time.hasChildNodes())
            time.removeChild(time.firstChild());
        time.appendChild(doc.createTextNode(QDateTime::currentDateTime().addMSecs(*offsetMs).toString(kTimeFormat)));
        c->reply(Cmd::GetTimeConfig, 0, elementText(root));
    });
    d.setHandler(Cmd::SetTimeConfig, [device](SimConnection *c, const SimRequest &r) {
        storeTimeConfig(*device, r.bodyText);
        c->reply(Cmd::SetTimeConfig, 0);
    });
    d.setHandler(Cmd::SetClock, [offsetMs](SimConnection *c, const SimRequest &r) {
        if (r.body.value(QStringLiteral("ntpUpdateTime")) == QLatin1String("0")) {
            const QDateTime set = QDateTime::fromString(r.body.value(QStringLiteral("sysTime")), kTimeFormat);
            if (!set.isValid()) {
                c->reply(Cmd::SetClock, -1);
                return;
            }
            *offsetMs = QDateTime::currentDateTime().msecsTo(set);
        }
        c->reply(Cmd::SetClock, 0);
    });

    // A schedule for every channel a recorder may have; it reports those of
    // its own channels only (state().maxChannels at the time of asking).
    auto plans = std::make_shared<Plans>();
    for (int ch = 1; ch <= kMaxSeededChannels; ++ch)
        plans->schedules.insert(ch, schedule(ch));
    // Tests change the mode and the schedules through the store: the reply
    // is built from it.
    d.setStoredBody(Cmd::GetRecordSchedule, plans->body());
    d.setHandler(Cmd::GetRecordSchedule, [device](SimConnection *c, const SimRequest &) {
        QString body = QStringLiteral("<RecordMode>%1</RecordMode>")
                           .arg(device->storedValue(Cmd::GetRecordSchedule, QStringLiteral("RecordMode")));
        for (const QString &element :
             findAllXmlElements(device->storedBody(Cmd::GetRecordSchedule), QStringLiteral("ChannelDetail"))) {
            const int id =
                findValuesInXml(element, QStringLiteral("ChannelDetail")).value(QStringLiteral("ID")).toInt();
            if (id >= 1 && id <= device->state().maxChannels)
                body += element;
        }
        c->reply(Cmd::GetRecordSchedule, 0, body);
    });
    // Schedules are taken whole or refused whole (-2, no such channel).
    d.setHandler(Cmd::SetRecordSchedule, [device](SimConnection *c, const SimRequest &r) {
        Plans next;
        next.recordMode = device->storedValue(Cmd::GetRecordSchedule, QStringLiteral("RecordMode"));
        for (const QString &element :
             findAllXmlElements(device->storedBody(Cmd::GetRecordSchedule), QStringLiteral("ChannelDetail"))) {
            const QHash<QString, QString> v = findValuesInXml(element, QStringLiteral("ChannelDetail"));
            next.schedules.insert(v.value(QStringLiteral("ID")).toInt(), v.value(QStringLiteral("Schedule")));
        }
        for (const QString &element : findAllXmlElements(r.bodyText, QStringLiteral("ChannelDetail"))) {
            const QHash<QString, QString> v = findValuesInXml(element, QStringLiteral("ChannelDetail"));
            const int id = v.value(QStringLiteral("ID")).toInt();
            if (id < 1 || id > device->state().maxChannels) {
                c->reply(Cmd::SetRecordSchedule, -2);
                return;
            }
            next.schedules.insert(id, v.value(QStringLiteral("Schedule")));
        }
        device->setStoredBody(Cmd::GetRecordSchedule, next.body());
        c->reply(Cmd::SetRecordSchedule, 0);
    });
});

} // namespace
