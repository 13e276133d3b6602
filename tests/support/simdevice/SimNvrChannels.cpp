// The recorder's channel cameras: the channel table (Cmd::GetChannels), a
// camera search on its network (Cmd::StartCameraSearch starts it,
// Cmd::FoundCamera answers arrive spread out, Cmd::StopCameraSearch stops it),
// adding or replacing channels (Cmd::AddChannels), deleting one
// (Cmd::DeleteChannel) and re-addressing a found camera (Cmd::ReaddressCamera).

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
    return Fields{{"IPAddress", ip},
                  {"Netmask", "255.255.255.0"},
                  {"Gateway", "127.77.0.1"},
                  {"Protocol", protocol},
                  {"CtrlPort", protocol == "ONVIF" ? "80" : "2028"},
                  {"VideoPort", "554"},
                  {"Username", "admin"},
                  {"Password", "402917"},
                  {"AuthType", "0"},
                  {"DoubleCam", doubleCam},
                  {"NetType", netType},
                  {"MacAddress", mac},
                  {"IpcVer", "V3.1.0"},
                  {"UID", "CAM-" + ip.section('.', 3) + "-" + doubleCam}};
}

struct Channels
{
    QMap<int, Fields> channels; // by ChannelId
    QList<Fields> cameras;      // what a search finds, in answer order
    int searchRun = 0;          // a new search cancels the answers of an older one
    int answerSpacingMs = 10;
};

Fields channel(int id, const Fields &cam, const QString &name)
{
    return Fields{{"ChannelId", QString::number(id)},
                  {"ChannnelName", name},
                  {"IpAddr", cam.value("IPAddress")},
                  {"Protocol", cam.value("Protocol")},
                  {"CtrlPort", cam.value("CtrlPort")},
                  {"VideoPort", cam.value("VideoPort")},
                  {"Username", cam.value("Username")},
                  {"Password", cam.value("Password")},
                  {"AuthType", cam.value("AuthType")},
                  {"DoubleCam", cam.value("DoubleCam")},
                  {"MacAddress", cam.value("MacAddress")},
                  {"IpcVersion", cam.value("IpcVer")},
                  {"Status", "2"}};
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

    d.setHandler(Cmd::GetChannels, [state](SimConnection *c, const SimRequest &) {
        QString body;
        for (const Fields &ch : qAsConst(state->channels))
            body += QStringLiteral("<ChannelInfo>%1</ChannelInfo>").arg(toXml(ch));
        c->reply(Cmd::GetChannels, 0, body);
    });
    d.setHandler(Cmd::StartCameraSearch, [state](SimConnection *c, const SimRequest &) {
        c->reply(Cmd::StartCameraSearch, 0);
        const int run = ++state->searchRun;
        QPointer<SimConnection> conn(c);
        for (int i = 0; i < state->cameras.size(); ++i) {
            QTimer::singleShot(state->answerSpacingMs * (i + 1), c, [state, conn, run, i] {
                if (conn && run == state->searchRun && i < state->cameras.size())
                    conn->sendMessage(Cmd::FoundCamera, 0, toXml(state->cameras[i]));
            });
        }
    });
    d.setHandler(Cmd::StopCameraSearch, [state](SimConnection *c, const SimRequest &) {
        ++state->searchRun;
        c->reply(Cmd::StopCameraSearch, 0);
    });
    d.setHandler(Cmd::AddChannels, [state](SimConnection *c, const SimRequest &r) {
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
        c->reply(Cmd::AddChannels, 0);
    });
    d.setHandler(Cmd::DeleteChannel, [state](SimConnection *c, const SimRequest &r) {
        state->channels.remove(r.body.value(QStringLiteral("ChannelId")).toInt());
        c->reply(Cmd::DeleteChannel, 0);
    });
    d.setHandler(Cmd::ReaddressCamera, [state](SimConnection *c, const SimRequest &r) {
        bool found = false;
        for (Fields &cam : state->cameras) {
            if (cam.value("IPAddress") != r.body.value(QStringLiteral("IPAddressOld")))
                continue;
            cam.insert("IPAddress", r.body.value(QStringLiteral("IPAddressNew")));
            cam.insert("Netmask", r.body.value(QStringLiteral("Netmask")));
            cam.insert("Gateway", r.body.value(QStringLiteral("Gateway")));
            found = true;
        }
        c->reply(Cmd::ReaddressCamera, found ? 0 : -1);
    });
});

} // namespace
