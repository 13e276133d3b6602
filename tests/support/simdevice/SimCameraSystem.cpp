// What a simulated camera serves to the maintenance, device settings and
// TCP/IP pages of the configuration window.
//
//   13014        the network block (the 13002 store)
//   15004        language capabilities (store); 14003 settings and clock
//                (store), written by 14005 and 14007
//   13003        a new address: the camera answers (result 0, unless a forced
//                result refuses it) and moves there, keeping its port; with
//                the property "simSilentMove" set it moves without answering
//   14008, 14010, 14011  answered, then the camera goes away and comes back
//                after the property "simRebootMs" (default 1000 ms)

#include "SimDevice.h"

#include <QTimer>

namespace {

void moveTo(SimDevice *d, const QString &ip)
{
    const quint16 port = d->port();
    d->close();
    d->listen(QHostAddress(ip), port);
}

SimDeviceExtension cameraSystem(SimDevice::Ipc, [](SimDevice &device) {
    SimDevice *d = &device;
    d->setStoredBody(15004, QStringLiteral("<languageCapList>zh_cn+zh_en+</languageCapList>"));
    d->setStoredBody(14003, QStringLiteral(
        "<settingsConfig><deviceName>SIM-CAM</deviceName><language>zh_en</language></settingsConfig>"
        "<timingConfig><timingMode>0</timingMode><timeZone>Europe/Paris</timeZone><year>2026</year><month>12</month>"
        "<day>7</day><hour>8</hour><minute>30</minute><second>0</second><NTPServer>pool.ntp.org</NTPServer>"
        "<NTPPort>123</NTPPort><timingInterval>60</timingInterval></timingConfig>"));
    d->mapSetToGet(14005, 14003);
    d->mapSetToGet(14007, 14003);
    d->setHandler(13014, [d](SimConnection *c, const SimRequest &) { c->reply(13014, 0, d->storedBody(13002)); });
    d->setHandler(13003, [d](SimConnection *c, const SimRequest &r) {
        const QString ip = findValuesInXml(r.xml, QStringLiteral("TCPIP")).value(QStringLiteral("IP"));
        const bool moves = !ip.isEmpty() && ip != d->address().toString();
        d->mergeStoredBody(13002, r.bodyText);
        if (!moves) {
            c->reply(13003, 0);
            return;
        }
        if (!d->property("simSilentMove").toBool())
            c->reply(13003, 0);
        // After the answer has left.
        QTimer::singleShot(100, d, [d, ip] { moveTo(d, ip); });
    });
    for (unsigned int cmd : {14008u, 14010u, 14011u}) {
        d->setHandler(cmd, [d, cmd](SimConnection *c, const SimRequest &) {
            c->reply(cmd, 0);
            const int away = d->property("simRebootMs").isValid() ? d->property("simRebootMs").toInt() : 1000;
            QTimer::singleShot(100, d, [d, away] {
                d->setRefuseConnections(true);
                d->dropConnections();
                QTimer::singleShot(away, d, [d] { d->setRefuseConnections(false); });
            });
        });
    }
});

} // namespace
