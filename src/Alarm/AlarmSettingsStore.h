#pragma once

// The three per-device alarm settings rows (event types, linkage, arming
// time) as the settings page and its copy dialog read and write them.
//
// A device's rows are kept under its key, the IP address, and found there
// only. Rows written before the address became the key sit under the
// device's name; takeOverNamedRows moves them (same id) under the address
// once, at start, where the name cannot mean another device.

#include "OrmDao.h"
#include "OrmEntities.h"

#include <QPair>
#include <QSharedPointer>
#include <QString>
#include <QVector>

class DeviceTree;
class QModelIndex;

namespace AlarmSettingsStore {

// The key of a tree item: the IP address when the item is a registered device
// record of channel 0; empty for a group, a channel or an unknown item.
QString deviceKeyOf(const DeviceTree *tree, const QModelIndex &index);
// True for the key of a registered device record of channel 0.
bool isDeviceKey(const QString &key);
// The registered device's name, empty when the key is not registered.
QString deviceName(const QString &key);

template <class T> QSharedPointer<T> firstRowUnder(const QString &devip)
{
    QList<QSharedPointer<T>> rows;
    orm::dao::fetch_by_query(
        OrmQuery(QStringLiteral("WHERE devip = :devip ORDER BY id LIMIT 1")).bind(QStringLiteral(":devip"), devip),
        rows);
    return rows.isEmpty() ? QSharedPointer<T>() : rows.first();
}

// The device's stored row, or null when it has none. A name is no key: a
// device may well be named after another one's address.
template <class T> QSharedPointer<T> storedRow(const QString &key)
{
    return key.isEmpty() ? QSharedPointer<T>() : firstRowUnder<T>(key);
}

// Rows stored under a device's name go under its address, where the name
// belongs to exactly one registered device, is no registered key and the
// device has no row of that table of its own. Returns the rows moved.
int takeOverNamedRows();

// Insert or update by id; the statement's error.
template <class T> QSqlError storeRow(const QSharedPointer<T> &row)
{
    return row ? orm::dao::save(*row) : QSqlError(QString(), QStringLiteral("No row"), QSqlError::StatementError);
}

// Seconds of the day, from and to.
using DayRange = QPair<int, int>;

// "hh:mm:ss-hh:mm:ss" ranges joined by ";"; no ranges give "".
QString dayText(const QVector<DayRange> &ranges);
// The ranges of a stored day text: a piece that is not a time counts as
// 00:00:00, a part without exactly one "-" is skipped, and a range is kept
// only when it starts before it ends.
QVector<DayRange> parseDayText(const QString &text);

} // namespace AlarmSettingsStore
