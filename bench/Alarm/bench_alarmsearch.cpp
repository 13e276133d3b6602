// Times the alarm record browser's queries on a throw-away database:
//   bench_alarmsearch [records] [rounds]   (default 1000000 and 7)
// For "All" and for one event type: the count of a search, then the first,
// a middle and the last page of 30. Each figure is the median of the rounds,
// with the range.

#include "AlarmRecordStore.h"
#include "OrmDao.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace {

QString figure(QVector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return QStringLiteral("median %1 ms (%2 to %3)")
        .arg(ms.at(ms.size() / 2), 0, 'f', 1)
        .arg(ms.first(), 0, 'f', 1)
        .arg(ms.last(), 0, 'f', 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const qint64 records = argc > 1 ? qMax(1LL, QString::fromLocal8Bit(argv[1]).toLongLong()) : 1000000;
    const int rounds = argc > 2 ? qMax(1, QString::fromLocal8Bit(argv[2]).toInt()) : 7;
    QTextStream out(stdout);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    OrmDatabase::setDatabaseName(dir.filePath(QStringLiteral("bench.sqlite")));
    if (!OrmHelper::instance()->init())
        return 1;

    QElapsedTimer timer;
    timer.start();
    // One statement: 30 s apart, six types, fifty cameras.
    const QSqlError seeded = orm::dao::execute_query(
        OrmQuery(QStringLiteral("INSERT INTO CustomAlarmInfo (alarmType, alarmContent, alarmTime, devName, status, "
                                "records, handler) "
                                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < :count) "
                                "SELECT i % 6, '', datetime('2026-01-01 00:00:00', '+' || (i * 30) || ' seconds'), "
                                "'cam ' || (i % 50), 0, '', 'SN' || (i % 50) FROM n"))
            .bind(QStringLiteral(":count"), records));
    if (!seeded.text().isEmpty()) {
        out << "seeding failed: " << seeded.text() << "\n";
        return 1;
    }
    out << "seeded " << records << " records: " << timer.elapsed() << " ms\n";

    const struct
    {
        const char *name;
        int type;
    } searches[] = {{"All", -1}, {"Sound detection", 5}};
    for (const auto &search : searches) {
        AlarmRecordStore::Filter filter;
        filter.alarmType = search.type;
        filter.after = QStringLiteral("2025-12-01 00:00:00");
        const OrmQuery where = AlarmRecordStore::condition(filter);
        const qint64 total = AlarmRecordStore::count(where);
        const qint64 pages = (total + 29) / 30;
        QVector<double> countMs, firstMs, middleMs, lastMs;
        int lastRows = 0;
        auto time = [&](QVector<double> &into, const std::function<void()> &query) {
            QElapsedTimer t;
            t.start();
            query();
            into << t.nsecsElapsed() / 1e6;
        };
        // Interleaved: each round runs every query once.
        for (int round = 0; round < rounds; ++round) {
            time(countMs, [&] { AlarmRecordStore::count(where); });
            time(firstMs, [&] { AlarmRecordStore::fetchPage(where, 0, 30); });
            time(middleMs, [&] { AlarmRecordStore::fetchPage(where, (pages / 2) * 30, 30); });
            time(lastMs, [&] { lastRows = AlarmRecordStore::fetchPage(where, (pages - 1) * 30, 30).size(); });
        }
        out << search.name << ": " << total << " found, " << pages << " pages\n"
            << "  count:       " << figure(countMs) << "\n"
            << "  first page:  " << figure(firstMs) << "\n"
            << "  middle page: " << figure(middleMs) << "\n"
            << "  last page:   " << figure(lastMs) << " (" << lastRows << " rows)\n";
    }
    OrmDatabase::closeAllConnections();
    return 0;
}
