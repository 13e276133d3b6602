// Scheduled recording through a source outage: the schedule thread records a
// live loopback RTSP source (one NVR channel, 30-minute segments), the source
// goes away for the outage and comes back on the same port; the figure is the
// hole in the recorded files (last packet before the outage to the first
// after it, from the day index) less the outage itself. Interleaved rounds of
// the recorder as it is (steps of 1, 2, 4, 8, 16, 30 s, and at once when the
// source takes connections again) and of the steps alone.
//
//   bench_record_outage [--outage S] [--rounds N] [--rtspserver PATH]
// Defaults: a 40 s outage, 3 rounds of each.

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "Platform.h"
#include "RecordScheduleThread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <cstdio>
#include <functional>

#ifndef KELVO_RTSP_SERVER
#define KELVO_RTSP_SERVER ""
#endif

namespace {

// The loopback RTSP server with a live clock source; "" when it did not start.
bool startServer(QProcess &server, const QString &program, int &port)
{
    QStringList args{"--mount", "/stream1-1=clock:640x360"};
    if (port > 0)
        args << "--port" << QString::number(port);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(program, args);
    if (!server.waitForStarted(5000))
        return false;
    QByteArray out;
    while (!out.contains('\n')) {
        if (!server.waitForReadyRead(10000))
            return false;
        out += server.readAllStandardOutput();
    }
    const int at = out.indexOf("PORT ");
    if (at < 0)
        return false;
    port = out.mid(at + 5, out.indexOf('\n', at) - at - 5).trimmed().toInt();
    return port > 0;
}

void stopServer(QProcess &server)
{
    if (server.state() == QProcess::NotRunning)
        return;
    server.write("quit\n");
    server.closeWriteChannel();
    if (!server.waitForFinished(3000)) {
        server.kill();
        server.waitForFinished(3000);
    }
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// The largest hole between the segments listed below folder, in ms; -1 when
// fewer than two segments were written.
qint64 largestHole(const QString &folder, int *segments)
{
    QVector<QPair<QTime, QTime>> spans;
    QDirIterator it(folder, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array()) {
            const QJsonObject o = v.toObject();
            spans.append({QTime::fromString(o.value("startTime").toString(), "hhmmsszzz"),
                          QTime::fromString(o.value("endTime").toString(), "hhmmsszzz")});
        }
    }
    std::sort(spans.begin(), spans.end());
    *segments = spans.size();
    if (spans.size() < 2)
        return -1;
    qint64 hole = 0;
    for (int i = 1; i < spans.size(); ++i)
        hole = std::max<qint64>(hole, spans.at(i - 1).second.msecsTo(spans.at(i).first));
    return hole;
}

struct Figures
{
    QVector<double> seconds;
    void print(const char *what) const
    {
        if (seconds.isEmpty()) {
            std::printf("%-34s no round completed\n", what);
            return;
        }
        QVector<double> v = seconds;
        std::sort(v.begin(), v.end());
        std::printf("%-34s median %6.1f s  range %6.1f .. %6.1f s  (%d rounds)\n", what, v[v.size() / 2], v.first(),
                    v.last(), int(v.size()));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int outageS = 40;
    int rounds = 3;
    QString server = QStringLiteral(KELVO_RTSP_SERVER);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--outage"))
            outageS = qBound(1, args.at(i + 1).toInt(), 600);
        else if (args.at(i) == QLatin1String("--rounds"))
            rounds = qBound(1, args.at(i + 1).toInt(), 50);
        else if (args.at(i) == QLatin1String("--rtspserver"))
            server = args.at(i + 1);
    }
    if (server.isEmpty() || !QFileInfo::exists(server)) {
        std::fprintf(stderr, "bench_record_outage: the RTSP test server is missing (--rtspserver PATH)\n");
        return 2;
    }
    qSetMessagePattern(QStringLiteral("%{if-critical}%{message}%{endif}"));
    Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
    std::printf("bench_record_outage: %d s outage of a live 640x360 source, %d rounds of each, interleaved\n", outageS,
                rounds);
    std::fflush(stdout);

    Figures probe, steps;
    int failed = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const bool withProbe : {true, false}) {
            QTemporaryDir storage;
            CommonHelper::setStoragePathsProvider([&storage] { return StoragePaths{{}, storage.path(), {}}; });
            RecordScheduleThread::setSourceProbeForTesting(withProbe);
            QProcess rtsp;
            int port = 0;
            if (!startServer(rtsp, server, port)) {
                std::fprintf(stderr, "bench_record_outage: the RTSP server did not start\n");
                return 1;
            }
            DeviceInfoManager *registry = DeviceInfoManager::instance();
            registry->deleteDevice(QStringLiteral("127.0.0.1"));
            auto *nvr = new FUN_DEV_INFO;
            nvr->devType = 1;
            nvr->ip = QStringLiteral("127.0.0.1");
            nvr->sn = QStringLiteral("BENCH-NVR");
            nvr->channelNum = 1;
            nvr->rtspPort = quint16(port);
            registry->addDevInfo(nvr);
            registry->addNVRChannels(nvr);
            RECORD_PLAN_INFO plan;
            plan.iTurnOn = 1;
            plan.iTimeFile = 30;
            plan.szStoragePath = storage.path();
            for (int d = 0; d < 7; ++d)
                plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
            plan.devices.append({nvr->sn, nvr->ip, 1, 1, 0});

            int state = RecordScheduleThread::Idle;
            RecordScheduleThread thread;
            QObject::connect(&thread, &RecordScheduleThread::deviceStateChanged, &app,
                             [&state](const QString &, const QString &, int, int s) { state = s; });
            thread.setPlan(&plan);
            thread.start();
            bool ok = waitUntil([&] { return state == RecordScheduleThread::Recording; }, 30000);
            ok = ok && !waitUntil([] { return false; }, 5000);
            QElapsedTimer outage;
            outage.start();
            stopServer(rtsp);
            waitUntil([] { return false; }, int(qMax<qint64>(0, outageS * 1000 - outage.elapsed())));
            ok = ok && startServer(rtsp, server, port);
            const double outageMs = double(outage.elapsed());
            ok = ok && waitUntil([&] { return state == RecordScheduleThread::Recording; }, 120000);
            waitUntil([] { return false; }, 5000);
            thread.stop();
            stopServer(rtsp);
            int segments = 0;
            const qint64 hole = largestHole(storage.path(), &segments);
            if (!ok || hole < 0) {
                ++failed;
                std::printf("round %d %-12s did not complete (%d segments)\n", round + 1,
                            withProbe ? "as it is" : "steps alone", segments);
                continue;
            }
            const double lost = (double(hole) - outageMs) / 1000.0;
            std::printf("round %d %-12s outage %5.1f s, hole in the files %5.1f s, beyond the outage %5.1f s\n",
                        round + 1, withProbe ? "as it is" : "steps alone", outageMs / 1000.0, hole / 1000.0, lost);
            std::fflush(stdout);
            (withProbe ? probe : steps).seconds.append(lost);
        }
    }
    std::printf("recording lost beyond the outage:\n");
    probe.print("  as it is (steps and source probe)");
    steps.print("  steps alone");
    return failed == 0 ? 0 : 1;
}
