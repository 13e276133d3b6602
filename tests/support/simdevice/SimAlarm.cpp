// Alarm events from every device, for trying the alarm road by hand and for
// the alarm burst bench. Off unless the environment asks for it:
//   KELVO_SIM_ALARMS="N[:INTERVAL_MS[:TYPE]]"
// Once a client has sent its login, the device pushes N alarm events (35003)
// of type TYPE (default 0, motion) at the current time, INTERVAL_MS apart
// (default 1000).

#include "SimDevice.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

struct AlarmPlan
{
    int count = 0;
    int intervalMs = 1000;
    int type = 0;
};

AlarmPlan plan()
{
    AlarmPlan p;
    const QStringList parts = qEnvironmentVariable("KELVO_SIM_ALARMS").split(QLatin1Char(':'));
    p.count = qBound(0, parts.value(0).toInt(), 1000000);
    if (parts.size() > 1)
        p.intervalMs = qBound(0, parts.at(1).toInt(), 3600000);
    if (parts.size() > 2)
        p.type = parts.at(2).toInt();
    return p;
}

QString alarmBody(int type, const QDateTime &t)
{
    return QStringLiteral("<alarmType>%1</alarmType><alarmTime><year>%2</year><month>%3</month><day>%4</day>"
                          "<hour>%5</hour><minute>%6</minute><second>%7</second></alarmTime>")
        .arg(type)
        .arg(t.date().year())
        .arg(t.date().month())
        .arg(t.date().day())
        .arg(t.time().hour())
        .arg(t.time().minute())
        .arg(t.time().second());
}

const SimDeviceExtension alarms([](SimDevice &device) {
    const AlarmPlan p = plan();
    if (p.count <= 0)
        return;
    auto *timer = new QTimer(&device);
    timer->setInterval(p.intervalMs);
    auto left = std::make_shared<int>(p.count);
    QObject::connect(timer, &QTimer::timeout, &device, [&device, timer, left, type = p.type] {
        device.pushAlarm(alarmBody(type, QDateTime::currentDateTime()));
        if (--*left <= 0)
            timer->stop();
    });
    QObject::connect(&device, &SimDevice::requestReceived, timer, [timer, left](const SimRequest &r) {
        if (r.cmd == 14012 && !timer->isActive() && *left > 0)
            timer->start();
    });
});

} // namespace
