#include "AlarmRecordStore.h"

#include "OrmDao.h"
#include "Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace {
constexpr int kCellMaxBytes = 32767;
} // namespace

namespace AlarmRecordStore {

OrmQuery condition(const Filter &filter)
{
    QStringList conditions;
    QVector<QPair<QString, QVariant>> values;
    if (filter.status >= 0) {
        conditions << QStringLiteral("status = :status");
        values.append({QStringLiteral(":status"), filter.status});
    }
    if (filter.alarmType >= 0) {
        conditions << QStringLiteral("alarmType = :alarmType");
        values.append({QStringLiteral(":alarmType"), filter.alarmType});
    }
    conditions << QStringLiteral("alarmTime > :after");
    values.append({QStringLiteral(":after"), filter.after});
    if (filter.byDevice) {
        if (filter.deviceMatches) {
            conditions << QStringLiteral("devName = :devName");
            values.append({QStringLiteral(":devName"), filter.deviceName});
        } else {
            // A group or a channel is no device name of any record.
            conditions << QStringLiteral("0 = 1");
        }
    }
    OrmQuery query(QStringLiteral("WHERE ") + conditions.join(QStringLiteral(" AND ")));
    for (const auto &value : qAsConst(values))
        query.bind(value.first, value.second);
    return query;
}

qint64 count(const OrmQuery &condition, QString *error)
{
    QSqlError err;
    const qint64 n = count(condition, &err);
    if (error)
        *error = err.text();
    return n;
}

qint64 count(const OrmQuery &condition, QSqlError *error)
{
    long n = 0;
    const QSqlError err = orm::dao::count<CustomAlarmInfo>(n, condition);
    if (error)
        *error = err;
    return err.text().isEmpty() ? qint64(n) : -1;
}

QList<QSharedPointer<CustomAlarmInfo>> fetchPage(const OrmQuery &condition, qint64 start, int pageSize, QString *error)
{
    QSqlError err;
    const auto rows = fetchPage(condition, start, pageSize, &err);
    if (error)
        *error = err.text();
    return rows;
}

QList<QSharedPointer<CustomAlarmInfo>> fetchPage(const OrmQuery &condition, qint64 start, int pageSize,
                                                 QSqlError *error)
{
    OrmQuery page(condition.text() + QStringLiteral(" ORDER BY id LIMIT :pageSize OFFSET :start"));
    for (const auto &value : condition.binds())
        page.bind(value.first, value.second);
    page.bind(QStringLiteral(":pageSize"), pageSize);
    page.bind(QStringLiteral(":start"), start);
    QList<QSharedPointer<CustomAlarmInfo>> rows;
    const QSqlError err = orm::dao::fetch_by_query(page, rows);
    if (error)
        *error = err;
    return rows;
}

QSqlError markSolved(const QList<qint64> &ids, const QString &note)
{
    if (ids.isEmpty())
        return {};
    QStringList names;
    for (int i = 0; i < ids.size(); ++i)
        names << QStringLiteral(":id%1").arg(i);
    OrmQuery update(QStringLiteral("UPDATE CustomAlarmInfo SET status = 2, records = :note WHERE id IN (%1)")
                        .arg(names.join(QStringLiteral(", "))));
    update.bind(QStringLiteral(":note"), note);
    for (int i = 0; i < ids.size(); ++i)
        update.bind(names.at(i), ids.at(i));
    return orm::dao::execute_query(update);
}

QString workbookPath(const QString &chosen)
{
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QStringLiteral(".xlsx");
}

QString writeWorkbook(const QString &path, const QStringList &header, const QVector<QStringList> &rows)
{
    // The library writes straight into the file it is given, so a failed
    // save would leave a broken workbook where the operator's was: it writes
    // into a folder of the client's own, and the workbook is put in place
    // only once whole.
    const QFileInfo target(path);
    if (target.isSymLink() || (target.exists() && !target.isFile()))
        return QStringLiteral("%1 is no plain file").arg(path);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString built = scratch.filePath(QStringLiteral("export.xlsx"));
    const QByteArray file = QFile::encodeName(built);
    lxw_workbook *workbook = workbook_new(file.constData());
    if (!workbook)
        return QStringLiteral("cannot create the workbook");
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    QString failure;
    auto put = [&](int row, int column, const QString &text) {
        // A cell holds at most 32767 bytes; a longer note is cut, not dropped.
        QString cell = text;
        QByteArray utf8 = cell.toUtf8();
        while (utf8.size() > kCellMaxBytes) {
            cell.chop(qMax(1, (utf8.size() - kCellMaxBytes) / 4));
            utf8 = cell.toUtf8();
        }
        const lxw_error err =
            worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), utf8.constData(), nullptr);
        if (err != LXW_NO_ERROR && failure.isEmpty())
            failure = QString::fromUtf8(lxw_strerror(err));
    };
    if (!sheet) {
        failure = QStringLiteral("cannot add the worksheet");
    } else {
        for (int c = 0; c < header.size(); ++c)
            put(0, c, header.at(c));
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < rows.at(r).size(); ++c)
                put(r + 1, c, rows.at(r).at(c));
        }
    }
    // The file is written (or not) by the close, which also frees the workbook.
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR)
        return QString::fromUtf8(lxw_strerror(closed));
    if (!failure.isEmpty())
        return failure;
    QFile made(built);
    if (!made.open(QIODevice::ReadOnly))
        return made.errorString();
    const QByteArray bytes = made.readAll();
    if (bytes.size() != made.size())
        return made.errorString();
    QString error;
    if (!Platform::writeWholeFile(path, bytes, &error))
        return error;
    return QString();
}

} // namespace AlarmRecordStore
