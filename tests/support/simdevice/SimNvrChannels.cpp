// The recorder's channel cameras: the channel table (14203), a camera search
// on its network (14200 starts it, 14202 answers arrive spread out, 14201
// stops it), adding or replacing channels (14204), deleting one (14205) and
// re-addressing a found camera (14206).

#include "SimDevice.h"

#include <QMap>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

using Fields = QMap<QString, QString>;

QString toXml(const Fields &fields)
{
    QString out;
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        out += QStringLiteral("<%1>%2</%1>").arg(it.key(), it.value().toHtmlEscaped());
    return out;
}

Fields camera(const QString &ip, const QString &protocol, const QString &doubleCam, const QString &netType,
              const QString &mac)
{
    return Fields {{"IPAddress", ip}, {"Netmask", "255.255.255.0"}, {"Gateway", "127.77.0.1"},
                   {"Protocol", protocol}, {"CtrlPort", protocol == "ONVIF" ? "80" : "2028"},
                   {"VideoPort", "554"}, {"Username", "admin"}, {"Password", "402917"}, {"AuthType", "0"},
                   {"DoubleCam", doubleCam}, {"NetType", netType}, {"MacAddress", mac},
                   {"IpcVer", "V3.1.0"}, {"UID", "CAM-" + ip.section('.', 3) + "-" + doubleCam}};
}

struct Channels
{
    QMap<int, Fields> channels;  // by ChannelId
    QList<Fields> cameras;       // what a search finds, in answer order
    int searchRun = 0;           // a new search cancels the answers of an older one
    int answerSpacingMs = 10;
};

Fields channel(int id, const Fields &cam, const QString &name)
{
    return Fields {{"ChannelId", QString::number(id)}, {"ChannnelName", name}, {"IpAddr", cam.value("IPAddress")},
                   {"Protocol", cam.value("Protocol")}, {"CtrlPort", cam.value("CtrlPort")},
                   {"VideoPort", cam.value("VideoPort")}, {"Username", cam.value("Username")},
                   {"Password", cam.value("Password")}, {"AuthType", cam.value("AuthType")},
                   {"DoubleCam", cam.value("DoubleCam")}, {"MacAddress", cam.value("MacAddress")},
                   {"IpcVersion", cam.value("IpcVer")}, {"Status", "2"}};
}

SimDeviceExtension nvrChannels([](SimDevice &d) {
    if (d.kind() != SimDevice::Nvr)
        return;
    auto state = std::make_shared<Channels>();
    state->cameras = {
        camera("127.77.0.11", "ONVIF", "0", "0", "aa:bb:cc:00:00:11"),
        camera("127.77.0.12", "BRELON", "0", "0", "aa:bb:cc:00:00:12"),
        camera("127.77.0.12", "BRELON", "1", "0", "aa:bb:cc:00:00:12"),
        camera("127.77.0.11", "BRELON", "0", "0", "aa:bb:cc:00:00:11"),
        camera("127.77.0.13", "BRELON", "0", "1", "aa:bb:cc:00:00:13"),
        camera("127.77.0.21", "BRELON", "0", "0", "aa:bb:cc:00:00:21"),
        camera("127.77.0.15", "ONVIF", "0", "0", "aa:bb:cc:00:00:15"),
        camera("127.77.0.16", "brelon", "0", "0", "aa:bb:cc:00:00:16"),
        camera("127.77.0.11", "ONVIF", "0", "0", "aa:bb:cc:00:00:11"),
    };
    // Channels 1 and 2 in use; channel 2 holds a camera the search also finds.
    state->channels.insert(1, channel(1, camera("127.77.0.20", "BRELON", "0", "0", "aa:bb:cc:00:00:20"), "Gate"));
    state->channels.insert(2, channel(2, state->cameras[5], "Yard"));

    d.setHandler(14203, [state](SimConnection *c, const SimRequest &) {
        QString body;
        for (const Fields &ch : qAsConst(state->channels))
            body += QStringLiteral("<ChannelInfo>%1</ChannelInfo>").arg(toXml(ch));
        c->reply(14203, 0, body);
    });
    d.setHandler(14200, [state](SimConnection *c, const SimRequest &) {
        c->reply(14200, 0);
        const int run = ++state->searchRun;
        QPointer<SimConnection> conn(c);
        for (int i = 0; i < state->cameras.size(); ++i) {
            QTimer::singleShot(state->answerSpacingMs * (i + 1), c, [state, conn, run, i] {
                if (conn && run == state->searchRun && i < state->cameras.size())
                    conn->sendMessage(14202, 0, toXml(state->cameras[i]));
            });
        }
    });
    d.setHandler(14201, [state](SimConnection *c, const SimRequest &) {
        ++state->searchRun;
        c->reply(14201, 0);
    });
    d.setHandler(14204, [state](SimConnection *c, const SimRequest &r) {
        for (const QString &element : findAllXmlElements(r.bodyText, QStringLiteral("ChannelInfo"))) {
            const QHash<QString, QString> v = findValuesInXml(element, QStringLiteral("ChannelInfo"));
            const int id = v.value(QStringLiteral("ChannelId")).toInt();
            Fields ch;
            for (auto it = v.constBegin(); it != v.constEnd(); ++it)
                ch.insert(it.key(), it.value());
            ch.insert(QStringLiteral("ChannnelName"), QStringLiteral("IPC%1").arg(id));
            ch.insert(QStringLiteral("Status"), QStringLiteral("2"));
            state->channels.insert(id, ch);
        }
        c->reply(14204, 0);
    });
    d.setHandler(14205, [state](SimConnection *c, const SimRequest &r) {
        state->channels.remove(r.body.value(QStringLiteral("ChannelId")).toInt());
        c->reply(14205, 0);
    });
    d.setHandler(14206, [state](SimConnection *c, const SimRequest &r) {
        bool found = false;
        for (Fields &cam : state->cameras) {
            if (cam.value("IPAddress") != r.body.value(QStringLiteral("IPAddressOld")))
                continue;
            cam.insert("IPAddress", r.body.value(QStringLiteral("IPAddressNew")));
            cam.insert("Netmask", r.body.value(QStringLiteral("Netmask")));
            cam.insert("Gateway", r.body.value(QStringLiteral("Gateway")));
            found = true;
        }
        c->reply(14206, found ? 0 : -1);
    });
});

} // namespace
