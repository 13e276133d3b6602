#pragma once

// Absence without a fixed sleep: a probe command sent over the client's own
// connection to a device, waited for until the device's answer is back. A
// connection keeps order, so whatever the client sent before the probe has
// been read by the device, and whatever the device sent before its answer
// (replies, pushes) has reached the client's receivers.

#include "KelvoCommon.h"
#include "KelvoSDKHelper.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

namespace DevicePagesTest {

// A command no page sends; the simulated device answers it with result 0.
constexpr unsigned int RoundTripProbe = 39999;

inline bool roundTrip(const loginDev &key, int timeoutMs = 10000)
{
    QSignalSpy replies(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo);
    KelvoSDKHelper::instance()->sendCmd(key, RoundTripProbe, 0);
    const QString probe = QStringLiteral("<cmd>%1</cmd>").arg(RoundTripProbe);
    const bool answered = QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &args : qAsConst(replies)) {
                const auto info = args.at(0).value<devXmlInfo>();
                if (info.ip == key.ip && info.xml.contains(probe))
                    return true;
            }
            return false;
        },
        timeoutMs);
    // Receivers connected through queued calls run now.
    if (answered)
        QCoreApplication::processEvents();
    return answered;
}

inline bool roundTrip(const FUN_DEV_INFO *dev, int timeoutMs = 10000)
{
    return dev && roundTrip(toLoginDev(dev), timeoutMs);
}

} // namespace DevicePagesTest
