// What a simulated camera serves to the maintenance, device settings and
// TCP/IP pages of the configuration window.
//
//   GetRecoveryNetwork  the network block (the GetNetwork store)
//   GetLanguageCaps     language capabilities (store); GetSettings settings
//                       and clock (store), written by SetSettings and
//                       SetTimeConfig
//   SetNetwork          a new address: the camera answers (result 0, unless a
//                       forced result refuses it) and moves there once its
//                       answer has left (after a reply delay too), keeping its
//                       port; with the property "simSilentMove" set it moves
//                       without answering; under DHCP it stays
//   Reboot, SimpleRecovery, FullRecovery
//                       answered, then the camera goes away and comes back
//                       after the property "simRebootMs" (default 1000 ms)
// (names of Cmd, DeviceCommands.h)

#include "SimDevice.h"

#include <QTimer>

namespace {

void moveTo(SimDevice *d, const QString &ip)
{
    const quint16 port = d->port();
    // Its answer reaches the client before the connection ends, however
    // late the client reads it.
    d->hangUp();
    d->listen(QHostAddress(ip), port);
}

SimDeviceExtension cameraSystem(SimDevice::Ipc, [](SimDevice &device) {
    SimDevice *d = &device;
    d->setStoredBody(Cmd::GetLanguageCaps, QStringLiteral("<languageCapList>zh_cn+zh_en+</languageCapList>"));
    d->setStoredBody(
        Cmd::GetSettings,
        QStringLiteral(
            "<settingsConfig><deviceName>SIM-CAM</deviceName><language>zh_en</language></settingsConfig>"
            "<timingConfig><timingMode>0</timingMode><timeZone>Europe/Paris</timeZone><year>2026</year><month>12</month>"
            "<day>7</day><hour>8</hour><minute>30</minute><second>0</second><NTPServer>pool.ntp.org</NTPServer>"
            "<NTPPort>123</NTPPort><timingInterval>60</timingInterval></timingConfig>"));
    d->mapSetToGet(Cmd::SetSettings, Cmd::GetSettings);
    d->mapSetToGet(Cmd::SetTimeConfig, Cmd::GetSettings);
    d->setHandler(Cmd::GetRecoveryNetwork, [d](SimConnection *c, const SimRequest &) {
        c->reply(Cmd::GetRecoveryNetwork, 0, d->storedBody(Cmd::GetNetwork));
    });
    d->setHandler(Cmd::SetNetwork, [d](SimConnection *c, const SimRequest &r) {
        const QString ip = findValuesInXml(r.xml, QStringLiteral("TCPIP")).value(QStringLiteral("IP"));
        // Under DHCP the camera takes its address from the server (here: it
        // keeps its own), whatever address the body carries.
        const bool dhcp =
            findValuesInXml(r.xml, QStringLiteral("TCPIP")).value(QStringLiteral("DHCPMode")).toInt() >= 1;
        const bool moves = !dhcp && !ip.isEmpty() && ip != d->address().toString();
        d->mergeStoredBody(Cmd::GetNetwork, r.bodyText);
        if (!moves) {
            c->reply(Cmd::SetNetwork, 0);
            return;
        }
        const bool silent = d->property("simSilentMove").toBool();
        if (!silent)
            c->reply(Cmd::SetNetwork, 0);
        // After the answer has left, also one a slow camera sends late (a
        // held one is left behind).
        const int delay = silent ? 0 : d->replyDelayFor(Cmd::SetNetwork);
        const int after = delay > 0 && delay < SimDevice::Repeated ? delay : 0;
        // Precise, as the late answer's own timer: a coarse one of seconds
        // may fire a few percent late, after the move.
        QTimer::singleShot(after + 100, Qt::PreciseTimer, d, [d, ip] { moveTo(d, ip); });
    });
    for (unsigned int cmd : {Cmd::Reboot, Cmd::SimpleRecovery, Cmd::FullRecovery}) {
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
