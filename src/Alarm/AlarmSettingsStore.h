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

#include <QHash>
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

// The device's row as the alarms follow it: the last one stored under the
// key (a file of an earlier version may hold several until the start-up has
// kept that one alone). *row is null when there is none; the read's error.
template <class T> QSqlError readRow(const QString &devip, QSharedPointer<T> *row)
{
    QList<QSharedPointer<T>> rows;
    const QSqlError err = orm::dao::fetch_by_query(
        OrmQuery(QStringLiteral("WHERE devip = :devip ORDER BY id DESC LIMIT 1")).bind(QStringLiteral(":devip"), devip),
        rows);
    *row = rows.isEmpty() ? QSharedPointer<T>() : rows.first();
    return err;
}

// The columns the settings page does not show, taken from the stored row.
void keepUnshown(const cms_DealAlarmType &stored, cms_DealAlarmType &row);
void keepUnshown(const cms_DealAlarmLink &stored, cms_DealAlarmLink &row);
void keepUnshown(const cms_DealAlarmTime &stored, cms_DealAlarmTime &row);

// What the page shows, stored as the device's row: the row the alarms follow
// is updated (its other columns kept), or one is added when the device has
// none. Read and written in the caller's transaction; the first error.
template <class T> QSqlError storeShown(const QString &key, const T &shown)
{
    if (key.isEmpty())
        return QSqlError(QString(), QStringLiteral("No device"), QSqlError::StatementError);
    QSharedPointer<T> stored;
    const QSqlError err = readRow<T>(key, &stored);
    if (!err.text().isEmpty())
        return err;
    T row = shown;
    row.devip = key;
    if (!stored) {
        row.id = 0;
        return orm::dao::insert(row);
    }
    keepUnshown(*stored, row);
    return orm::dao::update(row);
}

// Rows stored under a device's name go under its address, where the name
// belongs to exactly one registered device, is no registered key and the
// device has no row of that table of its own. namedOwners (from the registry,
// on its thread) gives name -> address; takeOverNamedRows runs anywhere and
// returns the first error: nothing is taken over on a table it cannot read.
QHash<QString, QString> namedOwners();
QSqlError takeOverNamedRows(const QHash<QString, QString> &owners);

// Seconds of the day, from and to.
using DayRange = QPair<int, int>;

// "hh:mm:ss-hh:mm:ss" ranges joined by ";"; no ranges give "".
QString dayText(const QVector<DayRange> &ranges);
// The ranges of a stored day text: a piece that is not a time counts as
// 00:00:00, a part without exactly one "-" is skipped, and a range is kept
// only when it starts before it ends.
QVector<DayRange> parseDayText(const QString &text);

} // namespace AlarmSettingsStore
