// The client's memory and responsiveness under a hostile device: for each
// flood the simulated device (in its own process) floods one session for the
// given time, then stops; the bench then sends 20 requests. Printed per flood:
// peak and final resident memory of this process, the GUI thread's largest
// stall, and how many replies came back within the reply timeout.
//
//   bench_hostile_memory [seconds=30] [simdevice-program]

#include "KelvoSDKHelper.h"
#include "PrivateProto.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace {

constexpr unsigned int ControlCmd = 99001; // the simulated device's flood switch

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

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
    const int seconds = args.size() > 1 && args.at(1).toInt() > 0 ? args.at(1).toInt() : 30;
    const QString program = args.size() > 2 ? args.at(2) : QStringLiteral(KELVO_SIMDEVICE_PROGRAM);
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "simulated device program not found: %s (build kelvo_simdevice)\n", qPrintable(program));
        return 1;
    }

    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    const SdkTimings timings = sdk->timings();
    std::printf("flood            seconds  peak RSS MB  final RSS MB  GUI stall ms  replies in %d ms  reconnects\n",
                timings.replyTimeoutMs);

    const QStringList floods = {QStringLiteral("endless-middle"), QStringLiteral("stuck-header"),
                                QStringLiteral("stream-flood"), QStringLiteral("big-frames"),
                                QStringLiteral("download-flood")};
    int round = 0;
    for (const QString &flood : floods) {
        QProcess sim;
        sim.setProgram(program);
        sim.setArguments({"--ipc", QStringLiteral("127.78.0.%1:0").arg(++round)});
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start();
        loginDev key;
        QElapsedTimer wait;
        wait.start();
        while (key.ip.isEmpty() && wait.elapsed() < 10000 && sim.waitForReadyRead(200)) {
            const QList<QByteArray> parts = sim.readLine().trimmed().split(' ');
            if (parts.size() >= 4 && parts.at(0) == "READY") {
                key.ip = QString::fromLatin1(parts.at(2));
                key.port = parts.at(3).toUShort();
            }
        }
        if (key.ip.isEmpty()) {
            std::fprintf(stderr, "the simulated device did not come up\n");
            return 1;
        }

        int connects = 0;
        QHash<int, qint64> sentAt;
        QList<qint64> latencies;
        QElapsedTimer clock;
        clock.start();
        QMetaObject::Connection c1 = QObject::connect(sdk, &KelvoSDKHelper::recvConnectDev, [&](const loginDev &dev) {
            if (dev == key)
                ++connects;
        });
        QMetaObject::Connection c2 =
            QObject::connect(sdk, &KelvoSDKHelper::signalCommonInfo, [&](const RecvInfo &info) {
                if (info.ip != key.ip || PrivateProto::headCommand(info.xml) != 14002 || sentAt.isEmpty())
                    return;
                latencies.append(clock.elapsed() - sentAt.value(latencies.size()));
            });
        sdk->connectDev(key);
        while (connects == 0 && clock.elapsed() < 10000)
            waitFor(10);

        qint64 last = clock.elapsed(), stall = 0, peak = residentKb();
        QTimer meter;
        QObject::connect(&meter, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            stall = qMax(stall, now - last);
            last = now;
            peak = qMax(peak, residentKb());
        });
        meter.start(10);
        sdk->sendData(key, ControlCmd, QStringLiteral("<mode>%1</mode>").arg(flood), 0);
        waitFor(seconds * 1000);
        sdk->sendData(key, ControlCmd, QStringLiteral("<mode>stop</mode>"), 0);
        waitFor(200);
        for (int i = 0; i < 20; ++i) {
            sentAt.insert(i, clock.elapsed());
            sdk->sendCmd(key, 14002, 0);
        }
        waitFor(timings.replyTimeoutMs);
        int inTime = 0;
        for (qint64 ms : qAsConst(latencies))
            inTime += ms <= timings.replyTimeoutMs ? 1 : 0;
        meter.stop();
        std::printf("%-16s %7d  %11.1f  %12.1f  %12lld  %16d/20  %10d\n", qPrintable(flood), seconds, peak / 1024.0,
                    residentKb() / 1024.0, static_cast<long long>(stall), inTime, connects - 1);
        std::fflush(stdout);

        QObject::disconnect(c1);
        QObject::disconnect(c2);
        sdk->logoutDev(key);
        waitFor(100);
        sim.kill();
        sim.waitForFinished();
    }
    return 0;
}
