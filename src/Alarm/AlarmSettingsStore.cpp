#include "AlarmSettingsStore.h"

#include "DeviceInfoManager.h"
#include "DeviceTree.h"

#include <QDebug>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTime>

namespace AlarmSettingsStore {

namespace {

// owners: name -> address of the one device that may take its rows over.
template <class T> QSqlError takeOver(const QHash<QString, QString> &owners)
{
    QList<QSharedPointer<T>> rows;
    QSqlError err = orm::dao::fetch_by_query(OrmQuery(QStringLiteral("ORDER BY id")), rows);
    const QString table = OrmClass<T>::get().info().table;
    if (!err.text().isEmpty()) {
        qWarning().noquote() << "Alarm settings under device names not read from" << table << "-" << err.text();
        return err;
    }
    QSet<QString> keyed;
    for (const QSharedPointer<T> &row : qAsConst(rows))
        keyed.insert(row->devip);
    for (const QSharedPointer<T> &row : qAsConst(rows)) {
        const QString ip = owners.value(row->devip);
        if (ip.isEmpty() || keyed.contains(ip))
            continue;
        err = orm::dao::execute_query(OrmQuery(QStringLiteral("UPDATE %1 SET devip = :ip WHERE id = :id").arg(table))
                                          .bind(QStringLiteral(":ip"), ip)
                                          .bind(QStringLiteral(":id"), qlonglong(row->id)));
        if (!err.text().isEmpty()) {
            qWarning().noquote() << "Alarm settings of" << ip << "left under the name" << row->devip << "in" << table
                                 << "-" << err.text();
            return err;
        }
        keyed.insert(ip);
        qInfo().noquote() << "Alarm settings of" << ip << "in" << table << "moved from under its name" << row->devip;
    }
    return QSqlError();
}

} // namespace

QHash<QString, QString> namedOwners()
{
    QHash<QString, QString> owners;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return owners;
    const QMap<QString, FUN_DEV_INFO *> all = registry->getAllDevInfo();
    QHash<QString, QStringList> byName;
    for (const FUN_DEV_INFO *dev : all) {
        if (dev && dev->channelIdx == 0 && !dev->name.isEmpty())
            byName[dev->name].append(dev->ip);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (it.value().size() == 1 && !all.contains(it.key()) && it.key() != it.value().first())
            owners.insert(it.key(), it.value().first());
    }
    return owners;
}

QSqlError takeOverNamedRows(const QHash<QString, QString> &owners)
{
    if (owners.isEmpty())
        return QSqlError();
    QSqlError err = takeOver<cms_DealAlarmType>(owners);
    if (err.text().isEmpty())
        err = takeOver<cms_DealAlarmLink>(owners);
    if (err.text().isEmpty())
        err = takeOver<cms_DealAlarmTime>(owners);
    return err;
}

void keepUnshown(const cms_DealAlarmType &stored, cms_DealAlarmType &row)
{
    row.id = stored.id;
    row.devsn = stored.devsn;
    row.remark = stored.remark;
}

void keepUnshown(const cms_DealAlarmLink &stored, cms_DealAlarmLink &row)
{
    row.id = stored.id;
    row.devsn = stored.devsn;
    row.remark = stored.remark;
}

void keepUnshown(const cms_DealAlarmTime &stored, cms_DealAlarmTime &row)
{
    row.id = stored.id;
    row.devsn = stored.devsn;
    row.remark = stored.remark;
    row.timeALL = stored.timeALL;
}

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
