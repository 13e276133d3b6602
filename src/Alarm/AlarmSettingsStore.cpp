#include "AlarmSettingsStore.h"

#include "DeviceInfoManager.h"
#include "DeviceTree.h"

#include <QStringList>
#include <QTime>

namespace AlarmSettingsStore {

bool isDeviceKey(const QString &key)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (key.isEmpty() || !registry)
        return false;
    const FUN_DEV_INFO *dev = registry->findDevInfo(key);
    return dev && dev->channelIdx == 0;
}

QString deviceKeyOf(const DeviceTree *tree, const QModelIndex &index)
{
    if (!tree || !index.isValid())
        return {};
    const QString key = tree->itemData(index).toString();
    return isDeviceKey(key) ? key : QString();
}

QString deviceName(const QString &key)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    const FUN_DEV_INFO *dev = registry && !key.isEmpty() ? registry->findDevInfo(key) : nullptr;
    return dev ? dev->name : QString();
}

QString dayText(const QVector<DayRange> &ranges)
{
    QStringList parts;
    for (const DayRange &range : ranges) {
        const QTime midnight(0, 0, 0);
        parts << QStringLiteral("%1-%2").arg(midnight.addSecs(range.first).toString(QStringLiteral("hh:mm:ss")),
                                             midnight.addSecs(range.second).toString(QStringLiteral("hh:mm:ss")));
    }
    return parts.join(QLatin1Char(';'));
}

QVector<DayRange> parseDayText(const QString &text)
{
    QVector<DayRange> ranges;
    if (text.isEmpty())
        return ranges;
    const QStringList parts = text.split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const QStringList pieces = part.split(QLatin1Char('-'));
        if (pieces.size() != 2)
            continue;
        const QTime from = QTime::fromString(pieces.at(0), QStringLiteral("hh:mm:ss"));
        const QTime to = QTime::fromString(pieces.at(1), QStringLiteral("hh:mm:ss"));
        const int fromSecs = from.isValid() ? QTime(0, 0).secsTo(from) : 0;
        const int toSecs = to.isValid() ? QTime(0, 0).secsTo(to) : 0;
        if (fromSecs < toSecs)
            ranges.append(qMakePair(fromSecs, toSecs));
    }
    return ranges;
}

} // namespace AlarmSettingsStore
