// An alarm flood: N simulated devices (one process, loopback addresses) push
// alarm events of an enabled type inside the arming time at a given total
// rate; the client receives, filters and stores them. The flood runs on
// while rounds of three ways of handling alarms take turns on it:
// "coalesced" (the client's: events handled in slices per pass of the event
// loop, rows queued together), "direct" (each event handled as it comes) and
// "pop-ups" (coalesced, with every device's linkage pop-up on, at most
// DeviceAlarmHandler::MaxLinkages at once, as a flooded site has them).
// Between rounds the alarms that arrive are not handed on until every queue
// is empty, the pop-ups are closed and what waited in the sockets is read, so
// each round starts from an empty queue and does not inherit the backlog of
// the one before.
// Each round reports the GUI thread's round trip (a probe thread posts a call
// to the GUI thread every 10 ms and times its arrival) as median, 95th
// percentile and largest, beside the share of the round's alarms that was
// stored; the summary gives the median and range of each figure over the
// rounds of one way, and how often the operator was told that alarms are lost
// and that they are stored again.
//
//   bench_alarm_burst [--devices N] [--rate R] [--seconds S] [--rounds K]
//                     [--client] [--simdevice PATH]
// Defaults: 50 devices, 5000 alarms/s, rounds of 10 s, 3 rounds of each way.
// --client: the alarms reach the main window's own handler, with every page
// built and the log writer installed, as in the client.
// Pin it to cores (taskset -c 0,1) to see a busy machine. Exits 0 when rounds
// ran, whatever their figures.

#include "AlarmRecordWriter.h"
#include "DeviceAlarmHandler.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "LogHandler.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#ifndef KELVO_SIMDEVICE
#define KELVO_SIMDEVICE ""
#endif

namespace {

using Clock = std::chrono::steady_clock;

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

enum Way { Coalesced, Direct, PopUps, Ways };
const char *const kWayNames[Ways] = {"coalesced", "direct", "pop-ups"};

struct Round
{
    Way way = Coalesced;
    int handled = 0;           // events that reached the handler in the round
    qint64 stored = 0;         // of them, rows stored
    qint64 lost = 0;           // of them, rows dropped or not written
    std::vector<double> trips; // ms
    qint64 worstGap = 0;       // of a 5 ms timer, ms
    double p50() const { return percentile(trips, 0.5); }
    double p95() const { return percentile(trips, 0.95); }
    double max() const { return trips.empty() ? 0 : *std::max_element(trips.begin(), trips.end()); }
    double storedShare() const { return handled > 0 ? 100.0 * double(stored) / double(handled) : 0; }
};

void summary(const std::vector<Round> &rounds, Way way)
{
    std::vector<double> p50, p95, mx, handled, share;
    for (const Round &r : rounds) {
        if (r.way != way)
            continue;
        p50.push_back(r.p50());
        p95.push_back(r.p95());
        mx.push_back(r.max());
        handled.push_back(r.handled);
        share.push_back(r.storedShare());
    }
    if (p95.empty())
        return;
    auto line = [](const char *what, const std::vector<double> &v, const char *unit) {
        std::printf("  %-22s median %8.1f %s  range %.1f .. %.1f\n", what, percentile(v, 0.5), unit,
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    std::printf("%s (%zu rounds):\n", kWayNames[way], p95.size());
    line("round trip p50", p50, "ms");
    line("round trip p95", p95, "ms");
    line("round trip largest", mx, "ms");
    line("events handled", handled, "  ");
    line("stored share", share, "% ");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int devices = 50;
    int rate = 5000;
    int seconds = 10;
    int rounds = 3;
    bool client = false;
    QString simdevice = QStringLiteral(KELVO_SIMDEVICE);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString next = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (args.at(i) == QLatin1String("--client"))
            client = true;
        else if (args.at(i) == QLatin1String("--devices") && ++i)
            devices = qBound(1, next.toInt(), 5000);
        else if (args.at(i) == QLatin1String("--rate") && ++i)
            rate = qBound(1, next.toInt(), 100000);
        else if (args.at(i) == QLatin1String("--seconds") && ++i)
            seconds = qBound(2, next.toInt(), 3600);
        else if (args.at(i) == QLatin1String("--rounds") && ++i)
            rounds = qBound(1, next.toInt(), 100);
        else if (args.at(i) == QLatin1String("--simdevice") && ++i)
            simdevice = next;
    }
    if (simdevice.isEmpty() || !QFileInfo::exists(simdevice)) {
        std::fprintf(stderr, "bench_alarm_burst: the simulated device program is missing (--simdevice PATH)\n");
        return 2;
    }
    qSetMessagePattern(QStringLiteral("%{if-critical}%{message}%{endif}"));
    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 2;

    const int intervalMs = qMax(1, devices * 1000 / rate);
    // Each round, and the wait for empty queues before it, at most this long.
    constexpr int MaxSettleSeconds = 60;
    const int totalSeconds = Ways * rounds * (seconds + MaxSettleSeconds) + 30;
    // The flood outlasts the rounds; the devices are stopped at the end.
    const int perDevice = (totalSeconds + 60) * (1000 / intervalMs + 1);
    std::printf("bench_alarm_burst: %d devices, one alarm each every %d ms (%d alarms/s), %d rounds of %d s of "
                "each way taking turns (%s), %s, %u cores\n",
                devices, intervalMs, devices * 1000 / intervalMs, rounds, seconds, "coalesced, direct, pop-ups",
                client ? "main window and log" : "handler alone", std::thread::hardware_concurrency());
    std::fflush(stdout);

    QProcess peers;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KELVO_SIM_ALARMS"), QStringLiteral("%1:%2").arg(perDevice).arg(intervalMs));
    peers.setProcessEnvironment(env);
    peers.setStandardErrorFile(QProcess::nullDevice());
    peers.start(simdevice, {"--count", QString::number(devices), "--base", "127.66.0.1", "--port", "0"});
    QList<QPair<QString, quint16>> ready;
    QByteArray out;
    while (ready.size() < devices && peers.waitForReadyRead(10000)) {
        out += peers.readAllStandardOutput();
        int nl;
        while ((nl = out.indexOf('\n')) >= 0) {
            const QList<QByteArray> parts = out.left(nl).trimmed().split(' ');
            out.remove(0, nl + 1);
            if (parts.size() >= 4 && parts.at(0) == "READY")
                ready.append({QString::fromLatin1(parts.at(2)), quint16(parts.at(3).toUInt())});
        }
    }
    if (ready.size() < devices) {
        std::fprintf(stderr, "bench_alarm_burst: only %d of %d devices started\n", int(ready.size()), devices);
        return 1;
    }

    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        std::fprintf(stderr, "bench_alarm_burst: database: %s\n", qPrintable(error));
        return 1;
    }
    {
        std::vector<FUN_DEV_INFO> records(static_cast<size_t>(devices));
        QList<FUN_DEV_INFO *> list;
        for (int i = 0; i < devices; ++i) {
            FUN_DEV_INFO &r = records[size_t(i)];
            r.ip = ready.at(i).first;
            r.devPort = ready.at(i).second;
            r.sn = QStringLiteral("SIM-%1").arg(i);
            r.name = QStringLiteral("cam %1").arg(i + 1);
            list.append(&r);

            cms_DealAlarmType type;
            type.devip = r.ip;
            type.bMotionDetection = true;
            orm::dao::insert(type);
            cms_DealAlarmTime arming;
            arming.devip = r.ip;
            for (QString *t : {&arming.timeMon, &arming.timeTue, &arming.timeWed, &arming.timeThu, &arming.timeFri,
                               &arming.timeSat, &arming.timeSun})
                *t = QStringLiteral("00:00:00-23:59:59");
            arming.bMon = arming.bTue = arming.bWed = arming.bThu = arming.bFri = arming.bSat = arming.bSun = true;
            orm::dao::insert(arming);
            // Switched on for the pop-up rounds.
            cms_DealAlarmLink link;
            link.devip = r.ip;
            link.bVideoPopup = false;
            link.popupTime = QStringLiteral("5");
            orm::dao::insert(link);
        }
        OrmHelper::AddDevs(list);
    }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<DeviceController> ownController;
    std::unique_ptr<DeviceAlarmHandler> ownHandler;
    DeviceController *controller = nullptr;
    DeviceAlarmHandler *handler = nullptr;
    if (client) {
        LogHandler *log = LogHandler::instance();
        log->setLogDir(work.filePath(QStringLiteral("log")));
        qInstallMessageHandler(LogHandler::messageHandler);
        log->start();
        window = std::make_unique<MainWindow>();
        window->show();
        controller = window->deviceController();
        handler = window->alarmHandler();
    } else {
        ownController = std::make_unique<DeviceController>();
        ownHandler = std::make_unique<DeviceAlarmHandler>();
        ownHandler->updateAlarmDataBase();
        controller = ownController.get();
        handler = ownHandler.get();
    }
    // What the operator is told: each begun outage and each ended one.
    int outagesBegun = 0;
    int outagesEnded = 0;
    AlarmRecordWriter *writer = handler->recordWriter();
    QObject::connect(writer, &AlarmRecordWriter::storeFailed, &app, [&] { ++outagesBegun; });
    QObject::connect(writer, &AlarmRecordWriter::storeRecovered, &app, [&] { ++outagesEnded; });

    std::vector<Round> done;
    Round current;
    bool measuring = false;
    Clock::time_point roundStart = Clock::now();
    int received = 0;
    int heldBack = 0; // arrived between rounds, not handed on
    if (client)       // the window's own road, taken here so it can be held between rounds
        QObject::disconnect(controller, &DeviceController::alarmReceived, window.get(), nullptr);
    QObject::connect(controller, &DeviceController::alarmReceived, [&](FUN_DEV_INFO *dev, const QString &xml) {
        ++received;
        if (!measuring) {
            ++heldBack;
            return;
        }
        handler->handleDeviceAlarm(xml, dev);
        ++current.handled;
    });

    // The probe: from its own thread, a call posted to the GUI thread every
    // 10 ms; the time it waited is the round trip an operator's click sees.
    std::atomic<bool> probing{true};
    std::thread probe([&] {
        while (probing.load()) {
            const Clock::time_point posted = Clock::now();
            QMetaObject::invokeMethod(
                &app,
                [&current, &measuring, &roundStart, posted] {
                    if (measuring && posted >= roundStart)
                        current.trips.push_back(
                            std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
                },
                Qt::QueuedConnection);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    QElapsedTimer tick;
    QTimer gaps;
    gaps.setTimerType(Qt::PreciseTimer);
    gaps.setInterval(5);
    QObject::connect(&gaps, &QTimer::timeout, [&] {
        const qint64 gap = tick.restart() - 5;
        if (measuring)
            current.worstGap = qMax(current.worstGap, gap);
    });

    // Rounds: coalesced, direct, pop-ups, coalesced, ... each after a wait
    // for empty queues, which also lets the round before store what it took.
    int roundIndex = -1;
    qint64 storedAtStart = 0;
    qint64 lostAtStart = 0;
    QElapsedTimer settling;
    // The client has caught up with the flood once alarms arrive no faster
    // than the devices send them: what waited in the sockets is through.
    QElapsedTimer mark;
    int heldAtMark = 0;
    bool caughtUp = false;
    const int sentPerHalfSecond = devices * 500 / intervalMs;
    QTimer settle;
    settle.setInterval(20);
    QTimer roundEnd;
    roundEnd.setSingleShot(true);
    roundEnd.setInterval(seconds * 1000);
    const auto setPopUps = [&](bool on) {
        orm::dao::execute_query(
            OrmQuery(QStringLiteral("UPDATE cms_DealAlarmLink SET bVideoPopup = :on")).bind(QStringLiteral(":on"), on));
        emit SignalsHelper::instance()->signalUpdateAlarm();
    };
    const auto holdBack = [&] {
        measuring = false;
        if (roundIndex + 1 < Ways * rounds) {
            const Way next = Way((roundIndex + 1) % Ways);
            handler->setCoalescing(next != Direct);
            setPopUps(next == PopUps);
        }
        settling.start();
        heldAtMark = heldBack;
        mark.start();
        caughtUp = false;
        settle.start();
    };
    QObject::connect(&roundEnd, &QTimer::timeout, holdBack);
    QObject::connect(&settle, &QTimer::timeout, [&] {
        if (mark.elapsed() >= 500) {
            caughtUp = heldBack - heldAtMark <= sentPerHalfSecond * 11 / 10;
            heldAtMark = heldBack;
            mark.restart();
        }
        const bool empty = handler->pendingAlarms() == 0 && writer->queued() == 0 && handler->runningLinkages() == 0;
        if (!(empty && caughtUp) && settling.elapsed() < MaxSettleSeconds * 1000)
            return;
        settle.stop();
        if (!(empty && caughtUp))
            std::printf("(not settled after %d s: %d alarms wait, %zu rows, %d pop-ups, %s)\n", MaxSettleSeconds,
                        handler->pendingAlarms(), writer->queued(), handler->runningLinkages(),
                        caughtUp ? "caught up" : "the sockets still hold a backlog");
        if (roundIndex >= 0) {
            // The writer counts a batch once it is committed: the last one
            // may still be on its way.
            current.stored = writer->storedRows() - storedAtStart;
            current.lost = writer->failedRows() - lostAtStart;
            done.push_back(current);
            const Round &r = done.back();
            std::printf("round %2d %-9s events %6d  stored %6lld (%5.1f %%) lost %6lld  round trip p50 %7.1f ms  "
                        "p95 %7.1f ms  largest %7.1f ms  (%zu probes)  largest 5 ms-timer gap %lld ms\n",
                        roundIndex + 1, kWayNames[r.way], r.handled, static_cast<long long>(r.stored), r.storedShare(),
                        static_cast<long long>(r.lost), r.p50(), r.p95(), r.max(), r.trips.size(),
                        static_cast<long long>(r.worstGap));
            std::fflush(stdout);
        }
        if (++roundIndex >= Ways * rounds) {
            app.quit();
            return;
        }
        current = Round();
        current.way = Way(roundIndex % Ways);
        storedAtStart = writer->storedRows();
        lostAtStart = writer->failedRows();
        roundStart = Clock::now();
        tick.restart();
        measuring = true;
        roundEnd.start();
    });
    QTimer waitForFlood;
    waitForFlood.setInterval(100);
    QObject::connect(&waitForFlood, &QTimer::timeout, [&] {
        // The flood runs at full rate before the first round starts.
        static int firstAt = -1;
        if (received > 0 && firstAt < 0)
            firstAt = 0;
        if (firstAt >= 0 && ++firstAt > 10) {
            waitForFlood.stop();
            holdBack();
        }
    });
    QTimer::singleShot((totalSeconds + 60) * 1000, &app, &QCoreApplication::quit);

    tick.start();
    gaps.start();
    waitForFlood.start();
    if (client)
        window->setRights(DEFAULT_RIGHTS); // logs the devices in, as after the login dialog
    else
        controller->onTimeoutLoginDevice();
    app.exec();
    probing = false;
    probe.join();
    gaps.stop();

    const qint64 lost = writer->failedRows();
    handler->shutdown(); // the rows still queued are written
    long stored = 0;
    orm::dao::count<CustomAlarmInfo>(stored);
    std::printf("events received: %d, held back between rounds: %d, stored: %ld, lost: %lld\n", received, heldBack,
                stored, static_cast<long long>(lost));
    std::printf("operator told: alarms not stored %d times, stored again %d times\n", outagesBegun, outagesEnded);
    if (client) {
        LogHandler::instance()->stop();
        qInstallMessageHandler(nullptr);
        qint64 logBytes = 0;
        for (const QFileInfo &f : QDir(work.filePath(QStringLiteral("log"))).entryInfoList(QDir::Files))
            logBytes += f.size();
        std::printf("log written: %lld bytes\n", static_cast<long long>(logBytes));
    }
    for (int way = 0; way < Ways; ++way)
        summary(done, Way(way));
    if (int(done.size()) < Ways * rounds)
        std::printf("%d of %d rounds ran before the time ran out\n", int(done.size()), Ways * rounds);
    std::printf("goal: round trip p95 under 100 ms while alarms arrive\n");
    if (window)
        window->closeApp();
    else
        controller->closeApp();
    peers.kill();
    peers.waitForFinished(2000);
    return done.empty() ? 1 : 0;
}
