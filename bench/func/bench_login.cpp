// The start-up login sequence at scale: N devices in the database, each one a
// simulated device in its own process on a loopback address; the client loads
// the registry and logs every device in, 20 ms apart. Prints the time to the
// last login reply and the GUI thread's largest stall.
//
//   bench_login [--devices N] [--simdevice PATH] [--spacing MS] [--first-start]
// --first-start: the records carry their address as serial number, so every
// first login also stores the reported serial number in the database.

#include "CommandProcessor.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#ifndef KELVO_SIMDEVICE
#define KELVO_SIMDEVICE ""
#endif

namespace {

void raiseOpenFileLimit()
{
    rlimit lim{};
    if (getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < lim.rlim_max) {
        lim.rlim_cur = lim.rlim_max;
        setrlimit(RLIMIT_NOFILE, &lim);
    }
}

struct Peer
{
    std::unique_ptr<QProcess> process;
    QString ip;
    quint16 port = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    raiseOpenFileLimit();
    int count = 1000;
    int spacing = 20;
    bool firstStart = false;
    QString simdevice = QStringLiteral(KELVO_SIMDEVICE);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--first-start"))
            firstStart = true;
        else if (i + 1 >= args.size())
            break;
        else if (args.at(i) == QLatin1String("--devices"))
            count = qBound(1, args.at(++i).toInt(), 60000);
        else if (args.at(i) == QLatin1String("--simdevice"))
            simdevice = args.at(++i);
        else if (args.at(i) == QLatin1String("--spacing"))
            spacing = qMax(0, args.at(++i).toInt());
    }
    if (simdevice.isEmpty() || !QFileInfo::exists(simdevice)) {
        std::fprintf(stderr, "bench_login: the simulated device program is missing (--simdevice PATH)\n");
        return 2;
    }
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}%{if-critical}%{message}%{endif}"));

    // The database lands in the working directory: keep it out of the checkout.
    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 2;

    std::printf("bench_login: %d devices, one process each, logins %d ms apart%s\n", count, spacing,
                firstStart ? ", first start (serial numbers stored)" : "");
    std::fflush(stdout);

    // 127.72.0.1 upwards, one address per device, each on a free port.
    std::vector<Peer> peers(static_cast<size_t>(count));
    const quint32 base = QHostAddress(QStringLiteral("127.72.0.1")).toIPv4Address();
    QElapsedTimer spawnClock;
    spawnClock.start();
    for (int i = 0; i < count; ++i) {
        Peer &p = peers[size_t(i)];
        p.ip = QHostAddress(base + quint32(i)).toString();
        p.process = std::make_unique<QProcess>();
        p.process->setProcessChannelMode(QProcess::SeparateChannels);
        p.process->setStandardErrorFile(QProcess::nullDevice());
        p.process->start(simdevice, {QStringLiteral("--ipc"), p.ip + QStringLiteral(":0")});
    }
    for (Peer &p : peers) {
        if (!p.process->waitForStarted(10000)) {
            std::fprintf(stderr, "bench_login: cannot start %s\n", qPrintable(simdevice));
            return 1;
        }
        QByteArray line;
        while (!line.contains('\n') && p.process->waitForReadyRead(10000))
            line += p.process->readAllStandardOutput();
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() < 4 || parts.at(0) != "READY") {
            std::fprintf(stderr, "bench_login: %s did not start: %s\n", qPrintable(p.ip), line.constData());
            return 1;
        }
        p.port = quint16(parts.at(3).toUInt());
    }
    std::printf("devices up in %lld ms\n", static_cast<long long>(spawnClock.elapsed()));

    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        std::fprintf(stderr, "bench_login: database: %s\n", qPrintable(error));
        return 1;
    }
    {
        std::vector<FUN_DEV_INFO> records(static_cast<size_t>(count));
        QList<FUN_DEV_INFO *> list;
        for (int i = 0; i < count; ++i) {
            FUN_DEV_INFO &r = records[size_t(i)];
            r.ip = peers[size_t(i)].ip;
            // A device added by hand carries its address as serial number until
            // its first login reports the real one, which is then stored.
            r.sn = firstStart ? r.ip : QStringLiteral("SIM-%1").arg(i);
            r.devPort = peers[size_t(i)].port;
            r.name = QStringLiteral("cam %1").arg(i + 1);
            list.append(&r);
        }
        OrmHelper::AddDevs(list);
    }

    QElapsedTimer loadClock;
    loadClock.start();
    DeviceController controller;
    controller.setLoginSpacingMs(spacing);
    const qint64 loadMs = loadClock.elapsed();
    const int registered = DeviceInfoManager::instance()->getAllDevInfo().size();

    // The GUI thread's stall: the largest gap between ticks of a 5 ms timer.
    QElapsedTimer tick;
    qint64 worstGap = 0;
    qint64 worstAt = 0;
    int over20 = 0;
    QElapsedTimer clock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 gap = tick.restart() - 5;
        if (gap > 20)
            ++over20;
        if (gap > worstGap) {
            worstGap = gap;
            worstAt = clock.elapsed();
        }
    });

    QSet<QString> answered;
    int refused = 0;
    qint64 lastReply = -1;
    QObject::connect(controller.commandProcessor(), &CommandProcessor::loginReceived, [&](const RecvInfo &info) {
        if (info.channel != 0 || answered.contains(info.ip))
            return;
        answered.insert(info.ip);
        if (!info.xml.contains(QLatin1String("<result>0</result>")))
            ++refused;
        if (answered.size() == registered) {
            lastReply = clock.elapsed();
            QTimer::singleShot(200, &app, &QCoreApplication::quit);
        }
    });
    QTimer::singleShot(spacing * count + 60000, &app, &QCoreApplication::quit);

    tick.start();
    probe.start();
    clock.start();
    controller.onTimeoutLoginDevice();
    app.exec();
    probe.stop();

    const double goal = spacing * (count - 1) / 1000.0 + 1.0;
    std::printf("registry load: %lld ms for %d records\n", static_cast<long long>(loadMs), registered);
    std::printf("login replies: %d of %d (%d refused)\n", int(answered.size()), registered, refused);
    if (lastReply >= 0)
        std::printf("time to the last login reply: %.3f s (goal under %.3f s)\n", lastReply / 1000.0, goal);
    else
        std::printf("time to the last login reply: not reached\n");
    std::printf("largest GUI-thread stall: %lld ms at %.3f s (goal under 50 ms); stalls over 20 ms: %d\n",
                static_cast<long long>(worstGap), worstAt / 1000.0, over20);

    controller.closeApp();
    if (firstStart) {
        int stored = 0;
        QSqlError error;
        for (const auto &row : OrmHelper::getAllDevices(&error))
            stored += row->DevSN != row->DevIP ? 1 : 0;
        std::printf("serial numbers stored: %d of %d\n", stored, count);
    }
    for (Peer &p : peers)
        p.process->kill();
    for (Peer &p : peers)
        p.process->waitForFinished(2000);
    return lastReply >= 0 ? 0 : 1;
}
