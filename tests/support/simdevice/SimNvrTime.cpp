// The recorder's clock and record schedules: time configuration (14006 /
// 14007) with a running clock, setting the clock (14009), and one weekly
// schedule per channel (14104 / 14105).

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

// Applies a 14007 body to the stored configuration. The clock is not set
// here, and the daylight-saving block is kept only by a recorder that has one.
void storeTimeConfig(SimDevice &d, const QString &body)
{
    QDomDocument stored;
    QDomDocument update;
    if (!stored.setContent(d.storedBody(14006)) || !update.setContent(QStringLiteral("<r>%1</r>").arg(body)))
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
    d.setStoredBody(14006, elementText(root));
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
    d.setStoredBody(14006, QStringLiteral(
        "<timeConfig><sysTime></sysTime><dateFormat>MM/DD/YYYY</dateFormat><timeFormat>0</timeFormat>"
        "<ipcSetTime>1</ipcSetTime><ipcSetTimeInterval>24</ipcSetTimeInterval><timeZone>12</timeZone>"
        "<chanNumberDisplay>1</chanNumberDisplay><desktopTimeDisplay>0</desktopTimeDisplay></timeConfig>"));
    SimDevice *device = &d;
    // Every answer carries the running clock, whatever form the stored
    // element took after a change (<sysTime/> included).
    d.setHandler(14006, [device, offsetMs](SimConnection *c, const SimRequest &) {
        QDomDocument doc;
        if (!doc.setContent(device->storedBody(14006))) {
            c->reply(14006, 0, device->storedBody(14006));
            return;
        }
        QDomElement root = doc.documentElement();
        QDomElement time = root.firstChildElement(QStringLiteral("sysTime"));
        if (time.isNull())
            time = root.insertBefore(doc.createElement(QStringLiteral("sysTime")), root.firstChild()).toElement();
        while (time.hasChildNodes())
            time.removeChild(time.firstChild());
        time.appendChild(doc.createTextNode(QDateTime::currentDateTime().addMSecs(*offsetMs).toString(kTimeFormat)));
        c->reply(14006, 0, elementText(root));
    });
    d.setHandler(14007, [device](SimConnection *c, const SimRequest &r) {
        storeTimeConfig(*device, r.bodyText);
        c->reply(14007, 0);
    });
    d.setHandler(14009, [offsetMs](SimConnection *c, const SimRequest &r) {
        if (r.body.value(QStringLiteral("ntpUpdateTime")) == QLatin1String("0")) {
            const QDateTime set = QDateTime::fromString(r.body.value(QStringLiteral("sysTime")), kTimeFormat);
            if (!set.isValid()) {
                c->reply(14009, -1);
                return;
            }
            *offsetMs = QDateTime::currentDateTime().msecsTo(set);
        }
        c->reply(14009, 0);
    });

    // A schedule for every channel a recorder may have; it reports those of
    // its own channels only (state().maxChannels at the time of asking).
    auto plans = std::make_shared<Plans>();
    for (int ch = 1; ch <= kMaxSeededChannels; ++ch)
        plans->schedules.insert(ch, schedule(ch));
    // Tests change the mode and the schedules through the store: the reply
    // is built from it.
    d.setStoredBody(14104, plans->body());
    d.setHandler(14104, [device](SimConnection *c, const SimRequest &) {
        QString body = QStringLiteral("<RecordMode>%1</RecordMode>")
                           .arg(device->storedValue(14104, QStringLiteral("RecordMode")));
        for (const QString &element : findAllXmlElements(device->storedBody(14104), QStringLiteral("ChannelDetail"))) {
            const int id = findValuesInXml(element, QStringLiteral("ChannelDetail")).value(QStringLiteral("ID")).toInt();
            if (id >= 1 && id <= device->state().maxChannels)
                body += element;
        }
        c->reply(14104, 0, body);
    });
    // Schedules are taken whole or refused whole (-2, no such channel).
    d.setHandler(14105, [device](SimConnection *c, const SimRequest &r) {
        Plans next;
        next.recordMode = device->storedValue(14104, QStringLiteral("RecordMode"));
        for (const QString &element : findAllXmlElements(device->storedBody(14104), QStringLiteral("ChannelDetail"))) {
            const QHash<QString, QString> v = findValuesInXml(element, QStringLiteral("ChannelDetail"));
            next.schedules.insert(v.value(QStringLiteral("ID")).toInt(), v.value(QStringLiteral("Schedule")));
        }
        for (const QString &element : findAllXmlElements(r.bodyText, QStringLiteral("ChannelDetail"))) {
            const QHash<QString, QString> v = findValuesInXml(element, QStringLiteral("ChannelDetail"));
            const int id = v.value(QStringLiteral("ID")).toInt();
            if (id < 1 || id > device->state().maxChannels) {
                c->reply(14105, -2);
                return;
            }
            next.schedules.insert(id, v.value(QStringLiteral("Schedule")));
        }
        device->setStoredBody(14104, next.body());
        c->reply(14105, 0);
    });
});

} // namespace
