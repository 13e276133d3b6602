// Alarm rows stored with the table at its bound: the row writer takes rows as
// fast as it accepts them into a table already holding the bound (so the
// oldest go as the new come), against the same table without a bound. Both
// start from a copy of one prepared file. Prints rows stored per second, the
// cleanups, and how long the record browser's count and page took meanwhile,
// as median and range of interleaved rounds.
//
//   bench_alarm_insert [--bound N] [--rows N] [--rounds N]
// Defaults: bound 1,000,000 (the client's), 100,000 rows a round, 3 rounds.

#include "AlarmRecordStore.h"
#include "AlarmRecordWriter.h"
#include "OrmHelper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

struct Figures
{
    QVector<double> v;
    void print(const char *what, const char *unit) const
    {
        QVector<double> s = v;
        std::sort(s.begin(), s.end());
        if (s.isEmpty())
            return;
        std::printf("  %-40s median %10.1f %s  range %10.1f .. %10.1f  (%d rounds)\n", what, s[s.size() / 2], unit,
                    s.first(), s.last(), int(s.size()));
    }
};

CustomAlarmInfo row(qint64 n)
{
    CustomAlarmInfo r;
    r.alarmType = int(n % 6);
    r.alarmTime = QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addSecs(n).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    r.devName = QStringLiteral("cam %1").arg(n % 50);
    r.handler = QStringLiteral("SN-%1").arg(n % 50);
    return r;
}

bool openDatabase(const QString &file)
{
    OrmHelper::resetForTesting();
    OrmDatabase::setDatabaseName(file);
    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        std::fprintf(stderr, "bench_alarm_insert: database: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qint64 bound = AlarmRecordWriter::DefaultRowLimit;
    qint64 rows = 100000;
    int rounds = 3;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--bound"))
            bound = qBound<qint64>(1000, args.at(i + 1).toLongLong(), 20000000);
        else if (args.at(i) == QLatin1String("--rows"))
            rows = qBound<qint64>(1000, args.at(i + 1).toLongLong(), 10000000);
        else if (args.at(i) == QLatin1String("--rounds"))
            rounds = qBound(1, args.at(i + 1).toInt(), 50);
    }
    qSetMessagePattern(QStringLiteral("%{if-warning}%{message}%{endif}%{if-critical}%{message}%{endif}"));
    QTemporaryDir work;
    if (!work.isValid())
        return 2;

    // The prepared table: exactly the bound.
    const QString prepared = work.filePath(QStringLiteral("prepared.sqlite"));
    if (!openDatabase(prepared))
        return 1;
    {
        QElapsedTimer t;
        t.start();
        for (qint64 done = 0; done < bound;) {
            OrmTransaction tx;
            for (int i = 0; i < 20000 && done < bound; ++i, ++done) {
                CustomAlarmInfo r = row(done);
                orm::dao::insert(r);
            }
            tx.commit();
        }
        std::printf("bench_alarm_insert: table prepared with %lld rows in %.1f s; %lld rows a round, %d rounds\n",
                    static_cast<long long>(bound), t.elapsed() / 1000.0, static_cast<long long>(rows), rounds);
        std::fflush(stdout);
    }
    OrmHelper::resetForTesting();

    Figures rate[2], browse[2], cleanups[2], kept[2];
    const char *names[2] = {"bound active", "no bound"};
    const OrmQuery all = AlarmRecordStore::condition(AlarmRecordStore::Filter{});
    for (int round = 0; round < rounds; ++round) {
        for (int variant = 0; variant < 2; ++variant) {
            const QString file = work.filePath(QStringLiteral("round.sqlite"));
            QFile::remove(file);
            if (!QFile::copy(prepared, file) || !openDatabase(file))
                return 1;
            AlarmRecordWriter writer;
            writer.setRowLimit(variant == 0 ? bound : 0);
            QElapsedTimer t;
            t.start();
            double worstBrowseMs = 0;
            QElapsedTimer sinceBrowse;
            sinceBrowse.start();
            for (qint64 n = 0; n < rows;) {
                // As fast as the writer takes them, never beyond its queue.
                if (writer.queued() < AlarmRecordWriter::Capacity - 1) {
                    writer.append(row(bound + n));
                    ++n;
                    continue;
                }
                // The writer is behind. Meanwhile the browser asks.
                if (sinceBrowse.elapsed() >= 50) {
                    QElapsedTimer b;
                    b.start();
                    AlarmRecordStore::count(all);
                    AlarmRecordStore::fetchPage(all, 0, 30);
                    worstBrowseMs = std::max(worstBrowseMs, b.nsecsElapsed() / 1e6);
                    sinceBrowse.restart();
                } else {
                    QThread::usleep(200);
                }
            }
            writer.finish();
            const double seconds = t.nsecsElapsed() / 1e9;
            long count = 0;
            orm::dao::count<CustomAlarmInfo>(count);
            rate[variant].v.append(double(rows) / seconds);
            browse[variant].v.append(worstBrowseMs);
            cleanups[variant].v.append(double(writer.cleanups()));
            kept[variant].v.append(double(count));
            std::printf("round %d %-13s %8.0f rows/s, %3lld cleanups, table %8ld rows, file %6.1f MB, "
                        "slowest browser count+page %6.1f ms; %lld rows not stored\n",
                        round + 1, names[variant], double(rows) / seconds, static_cast<long long>(writer.cleanups()),
                        count, QFileInfo(file).size() / 1048576.0, worstBrowseMs,
                        static_cast<long long>(writer.failedRows()));
            std::fflush(stdout);
            OrmHelper::resetForTesting();
        }
    }
    for (int variant = 0; variant < 2; ++variant) {
        std::printf("%s:\n", names[variant]);
        rate[variant].print("rows stored", "rows/s");
        browse[variant].print("slowest browser count+page", "ms");
        kept[variant].print("rows in the table after the round", "rows");
    }
    return 0;
}
