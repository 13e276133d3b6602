// An alarm burst: N simulated devices (one process, loopback addresses) push
// alarm events of an enabled type inside the arming time, linkage off; the
// client receives, filters and stores every one. Prints the events stored
// against those sent and the GUI thread's largest stall.
//
//   bench_alarm_burst [--devices N] [--events E] [--seconds S] [--simdevice PATH]
// Defaults: 50 devices, 1000 events within 10 s.

#include "DeviceAlarmHandler.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <vector>

#ifndef KELVO_SIMDEVICE
#define KELVO_SIMDEVICE ""
#endif

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int devices = 50;
    int events = 1000;
    int seconds = 10;
    QString simdevice = QStringLiteral(KELVO_SIMDEVICE);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--devices"))
            devices = qBound(1, args.at(i + 1).toInt(), 5000);
        else if (args.at(i) == QLatin1String("--events"))
            events = qBound(1, args.at(i + 1).toInt(), 1000000);
        else if (args.at(i) == QLatin1String("--seconds"))
            seconds = qBound(1, args.at(i + 1).toInt(), 3600);
        else if (args.at(i) == QLatin1String("--simdevice"))
            simdevice = args.at(i + 1);
    }
    if (simdevice.isEmpty() || !QFileInfo::exists(simdevice)) {
        std::fprintf(stderr, "bench_alarm_burst: the simulated device program is missing (--simdevice PATH)\n");
        return 2;
    }
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}%{if-critical}%{message}%{endif}"));
    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 2;

    const int perDevice = (events + devices - 1) / devices;
    const int intervalMs = seconds * 1000 / perDevice;
    const int sent = perDevice * devices;
    std::printf("bench_alarm_burst: %d devices x %d events, %d ms apart (%d events within %d s), linkage off\n",
                devices, perDevice, intervalMs, sent, seconds);
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
        }
        OrmHelper::AddDevs(list);
    }

    DeviceController controller;
    DeviceAlarmHandler handler;
    handler.updateAlarmDataBase();
    int received = 0;
    QElapsedTimer clock;
    qint64 firstAt = -1, lastAt = -1;
    qint64 handleMax = 0, handleSum = 0;
    QObject::connect(&controller, &DeviceController::alarmReceived, [&](FUN_DEV_INFO *dev, const QString &xml) {
        QElapsedTimer one;
        one.start();
        handler.handleDeviceAlarm(xml, dev);
        handleMax = qMax(handleMax, one.nsecsElapsed());
        handleSum += one.nsecsElapsed();
        lastAt = clock.elapsed();
        if (firstAt < 0)
            firstAt = lastAt;
        if (++received == sent)
            QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });

    // The GUI thread's stall: the largest gap between ticks of a 5 ms timer.
    QElapsedTimer tick;
    qint64 worstGap = 0, worstAt = 0;
    int over20 = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 gap = tick.restart() - 5;
        over20 += gap > 20 ? 1 : 0;
        if (gap > worstGap) {
            worstGap = gap;
            worstAt = clock.elapsed();
        }
    });
    QTimer::singleShot(seconds * 1000 + 60000, &app, &QCoreApplication::quit);

    tick.start();
    probe.start();
    clock.start();
    controller.onTimeoutLoginDevice();
    app.exec();
    probe.stop();

    handler.shutdown(); // the rows still queued are written
    long stored = 0;
    orm::dao::count<CustomAlarmInfo>(stored);
    std::printf("events received: %d of %d, stored: %ld, from first to last: %.3f s\n", received, sent, stored,
                (lastAt - firstAt) / 1000.0);
    std::printf("handling one event (parse, filter, queue the row): mean %.2f ms, largest %.2f ms\n",
                received ? handleSum / 1e6 / received : 0.0, handleMax / 1e6);
    std::printf("largest GUI-thread stall: %lld ms at %.3f s (first event at %.3f s; goal under 50 ms); "
                "stalls over 20 ms: %d\n",
                static_cast<long long>(worstGap), worstAt / 1000.0, firstAt / 1000.0, over20);
    controller.closeApp();
    peers.kill();
    peers.waitForFinished(2000);
    return stored == sent ? 0 : 1;
}
