#pragma once

// The simulated cameras a bench takes alarms from, each with motion alarms
// armed all week, so that every alarm it pushes is handled and stored.

#include "DeviceInfoManager.h"
#include "OrmHelper.h"

#include <QString>

#include <memory>

inline std::unique_ptr<FUN_DEV_INFO> armedAlarmCamera(const QString &ip, int port, int number)
{
    auto r = std::make_unique<FUN_DEV_INFO>();
    r->ip = ip;
    r->devPort = port;
    r->sn = QStringLiteral("ALARM-%1").arg(number);
    r->name = QStringLiteral("alarm camera %1").arg(number);
    cms_DealAlarmType type;
    type.devip = ip;
    type.bMotionDetection = true;
    orm::dao::insert(type);
    cms_DealAlarmTime arming;
    arming.devip = ip;
    for (QString *t : {&arming.timeMon, &arming.timeTue, &arming.timeWed, &arming.timeThu, &arming.timeFri,
                       &arming.timeSat, &arming.timeSun})
        *t = QStringLiteral("00:00:00-23:59:59");
    arming.bMon = arming.bTue = arming.bWed = arming.bThu = arming.bFri = arming.bSat = arming.bSun = true;
    orm::dao::insert(arming);
    return r;
}
