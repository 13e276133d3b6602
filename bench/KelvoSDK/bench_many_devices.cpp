// 256 simulated devices (in their own process) connected at once, logged in,
// with heartbeats every second; reports the GUI thread's largest stall while
// connecting and while the sessions run.
//
//   bench_many_devices [devices=256] [seconds=10] [simdevice-program]

#include "KelvoSDKHelper.h"
#include "PrivateProto.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTimer>

#include <cstdio>

namespace {

struct StallMeter
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
    qint64 worstAt = 0;
    void reset()
    {
        last = clock.elapsed();
        worst = 0;
        worstAt = 0;
    }
    void tick()
    {
        const qint64 now = clock.elapsed();
        if (now - last > worst) {
            worst = now - last;
            worstAt = now;
        }
        last = now;
    }
};

void waitFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? args.at(1).toInt() : 256;
    const int seconds = args.size() > 2 ? args.at(2).toInt() : 10;
    const QString program = args.size() > 3 ? args.at(3) : QStringLiteral(KELVO_SIMDEVICE_PROGRAM);
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "simulated device program not found: %s (build kelvo_simdevice)\n", qPrintable(program));
        return 1;
    }

    QProcess sim;
    sim.setProgram(program);
    sim.setArguments({"--count", QString::number(count), "--base", "127.77.0.1", "--port", "0"});
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
        return 1;
    }
    QList<loginDev> keys;
    QByteArray pending;
    QElapsedTimer wait;
    wait.start();
    while (keys.size() < count && wait.elapsed() < 30000) {
        sim.waitForReadyRead(200);
        pending += sim.readAllStandardOutput();
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> parts = pending.left(nl).trimmed().split(' ');
            pending.remove(0, nl + 1);
            if (parts.size() >= 4 && parts.at(0) == "READY") {
                loginDev key;
                key.ip = QString::fromLatin1(parts.at(2));
                key.port = parts.at(3).toUShort();
                keys.append(key);
            }
        }
    }
    if (keys.size() < count) {
        std::fprintf(stderr, "only %d of %d simulated devices came up\n", int(keys.size()), count);
        sim.kill();
        sim.waitForFinished();
        return 1;
    }

    SdkTimings timings;
    timings.heartbeatIntervalMs = 1000;
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    sdk->setTimings(timings);

    QSet<QString> connected, loggedIn;
    int heartbeats = 0, disconnects = 0;
    QObject::connect(sdk, &KelvoSDKHelper::recvConnectDev, [&](const loginDev &dev) {
        connected.insert(dev.ip);
        sdk->sendData(dev, 14012,
                      QStringLiteral("<userName>%1</userName><password>%2</password>")
                          .arg(PrivateProto::escapeText(dev.user), PrivateProto::escapeText(dev.password)),
                      0);
    });
    QObject::connect(sdk, &KelvoSDKHelper::disconnectDev, [&](const loginDev &) { ++disconnects; });
    QObject::connect(sdk, &KelvoSDKHelper::signalCommonInfo, [&](const RecvInfo &info) {
        const int cmd = PrivateProto::headCommand(info.xml);
        if (cmd == 14012 && !loggedIn.contains(info.ip)) {
            loggedIn.insert(info.ip);
            loginDev key;
            key.ip = info.ip;
            sdk->startHeartbeat(key);
        } else if (cmd == 35001) {
            ++heartbeats;
        }
    });

    StallMeter meter;
    meter.clock.start();
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&meter]() { meter.tick(); });
    probe.start(1);

    // Connect the way the shell does: one device every 20 ms.
    meter.reset();
    QElapsedTimer phase;
    phase.start();
    for (int i = 0; i < keys.size(); ++i) {
        const loginDev key = keys.at(i);
        QTimer::singleShot(i * 20, [sdk, key]() { sdk->connectDev(key); });
    }
    while (loggedIn.size() < count && phase.elapsed() < keys.size() * 20 + 15000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 connectMs = phase.elapsed();
    const qint64 connectStall = meter.worst;
    const qint64 connectStallAt = meter.worstAt;

    meter.reset();
    heartbeats = 0;
    waitFor(seconds * 1000);
    const qint64 steadyStall = meter.worst;

    std::printf("devices: %d, connected: %d, logged in: %d in %lld ms, disconnects: %d\n", count, int(connected.size()),
                int(loggedIn.size()), static_cast<long long>(connectMs), disconnects);
    std::printf("heartbeat replies in %d s: %d (expected about %d)\n", seconds, heartbeats, count * seconds);
    std::printf(
        "GUI thread largest stall: %lld ms while connecting (at %lld ms), %lld ms while running (goal < 50 ms)\n",
        static_cast<long long>(connectStall), static_cast<long long>(connectStallAt),
        static_cast<long long>(steadyStall));

    probe.stop();
    for (const loginDev &k : qAsConst(keys))
        sdk->logoutDev(k);
    waitFor(200);
    sim.kill();
    sim.waitForFinished(5000);
    return 0;
}
