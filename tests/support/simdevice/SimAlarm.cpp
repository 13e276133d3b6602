// Alarm events from every device, for trying the alarm road by hand and for
// the alarm burst bench. Off unless the environment or the program asks:
//   KELVO_SIM_ALARMS="N[:INTERVAL_MS[:TYPE]]"   (see SimAlarm.h)

#include "SimAlarm.h"

#include "SimDevice.h"

#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

namespace SimAlarms {
namespace {

std::optional<Plan> &chosenPlan()
{
    static std::optional<Plan> plan;
    return plan;
}

Plan currentPlan()
{
    if (chosenPlan())
        return *chosenPlan();
    Plan p;
    if (!parsePlan(qEnvironmentVariable("KELVO_SIM_ALARMS"), &p))
        return Plan();
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
    const Plan p = currentPlan();
    if (p.count == 0)
        return;
    auto *timer = new QTimer(&device);
    timer->setInterval(p.intervalMs);
    auto left = std::make_shared<int>(p.count);
    QObject::connect(timer, &QTimer::timeout, &device, [&device, timer, left, type = p.type] {
        device.pushAlarm(alarmBody(type, QDateTime::currentDateTime()));
        if (*left > 0 && --*left == 0)
            timer->stop();
    });
    QObject::connect(&device, &SimDevice::requestReceived, timer, [timer, left](const SimRequest &r) {
        if (r.cmd == Cmd::Login && !timer->isActive() && *left != 0)
            timer->start();
    });
});

} // namespace

bool parsePlan(const QString &text, Plan *plan)
{
    if (text.trimmed().isEmpty())
        return false;
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 3)
        return false;
    Plan p;
    bool ok = true;
    if (parts.at(0) == QLatin1String("forever"))
        p.count = -1;
    else if ((p.count = parts.at(0).toInt(&ok)), !ok || p.count < 0 || p.count > 1000000)
        return false;
    if (parts.size() > 1
        && ((p.intervalMs = parts.at(1).toInt(&ok)), !ok || p.intervalMs < 0 || p.intervalMs > 3600000))
        return false;
    if (parts.size() > 2 && ((p.type = parts.at(2).toInt(&ok)), !ok))
        return false;
    if (p.count < 0 && p.intervalMs < 100)
        return false;
    *plan = p;
    return true;
}

void setPlan(const Plan &plan)
{
    chosenPlan() = plan;
}

} // namespace SimAlarms
