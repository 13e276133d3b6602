#pragma once

// Searching, paging, handling and exporting the stored alarm records.

#include "OrmCore.h"
#include "OrmEntities.h"

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

namespace AlarmRecordStore {

// What the browser filters by. A negative code adds no condition.
struct Filter
{
    int status = -1;
    int alarmType = -1;
    QString after;              // "yyyy-MM-dd HH:mm:ss"; records strictly later
    bool byDevice = false;      // a tree item is current
    bool deviceMatches = false; // ... and it is a device, named deviceName
    QString deviceName;
};

// The condition of a search with its values bound, in the order status,
// type, time, device.
OrmQuery condition(const Filter &filter);

// -1 when the count failed.
qint64 count(const OrmQuery &condition, QString *error = nullptr);
qint64 count(const OrmQuery &condition, QSqlError *error);
// One page in id order, so an index never reorders the pages; empty when the
// read failed (*error tells).
QList<QSharedPointer<CustomAlarmInfo>> fetchPage(const OrmQuery &condition, qint64 start, int pageSize,
                                                 QString *error = nullptr);
QList<QSharedPointer<CustomAlarmInfo>> fetchPage(const OrmQuery &condition, qint64 start, int pageSize,
                                                 QSqlError *error);

// Marks the records solved with the note, in one statement. Empty: success.
QSqlError markSolved(const QList<qint64> &ids, const QString &note);

// An .xlsx workbook with one worksheet: the header in the first row, the
// rows below, all as text, put at path whole (user-only) or not at all: a
// failed export leaves what was there as it was. Empty: success, else what
// failed.
QString writeWorkbook(const QString &path, const QStringList &header, const QVector<QStringList> &rows);

// The chosen export name with ".xlsx" added when it has no suffix.
QString workbookPath(const QString &chosen);

} // namespace AlarmRecordStore
