// Start-up repair over a year of recordings: every day index below the
// recordings root is read and checked, as the client does off the GUI thread
// at each start. Side by side, in interleaved rounds on the same tree, the
// bare work of reading and parsing every index whole (what the repair did
// before it checked sizes and entries). Two trees: closed days only (the
// usual year), and every day holding one entry with an empty text, which
// makes the repair parse each index. A second figure takes one oversized
// index (a file someone else wrote there): the repair refuses it unread;
// the reference reads and parses it whole. Each figure is the median and
// range of the rounds; the work done is counted on both sides; memory is the
// growth of this process's PSS.
//
//   bench_localindex [--rounds N] [--days N] [--channels N] [--entries N] [--huge-mb N]

#include "FFmpegRecordPlan.h"
#include "RecordIndex.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <cstdio>

namespace {

struct Figures
{
    QVector<double> ms;
    void print(const char *what, const QString &work) const
    {
        QVector<double> v = ms;
        std::sort(v.begin(), v.end());
        std::printf("%-46s median %9.2f ms  range %9.2f .. %9.2f ms  (%d rounds)  %s\n", what, v[v.size() / 2],
                    v.front(), v.back(), int(v.size()), qPrintable(work));
    }
};

// Proportional set size of this process, kB.
long pssKb()
{
    QFile f(QStringLiteral("/proc/self/smaps_rollup"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray dayIndex(int entries, int seconds)
{
    QJsonArray index;
    for (int i = 0; i < entries; ++i) {
        const QTime start = QTime(0, 0).addSecs(i * seconds);
        index.append(QJsonObject{{"fileName", QString("%1.mp4").arg(start.toString("hhmmss"))},
                                 {"startTime", start.toString("hhmmsszzz")},
                                 {"endTime", start.addSecs(seconds - 1).toString("hhmmsszzz")}});
    }
    return QJsonDocument(index).toJson(QJsonDocument::Indented);
}

// The reference: every index below root read and parsed whole.
int readAllIndexes(const QString &root, qint64 *entries)
{
    int files = 0;
    QDirIterator it(root, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll());
        *entries += doc.array().size();
        ++files;
    }
    return files;
}

// What the repair sees: the same walk through the checked reader.
int checkedIndexes(const QString &root, qint64 *entries)
{
    int files = 0;
    QDirIterator it(root, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const RecordIndex::Day day = RecordIndex::read(QFileInfo(it.next()).path());
        if (day.status == RecordIndex::Status::Ok) {
            *entries += day.entries.size();
            ++files;
        }
    }
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto option = [&](const char *name, int fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 ? args.value(at + 1).toInt() : fallback;
    };
    const int rounds = option("--rounds", 9);
    const int days = option("--days", 365);
    const int channels = option("--channels", 4);
    const int entries = option("--entries", 2880);
    const int hugeMb = option("--huge-mb", 256);
    // The refusals of the oversized index are expected; keep the output to the figures.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QTemporaryDir tmp;
    const QDate today = QDate::currentDate();
    const auto makeTree = [&](const QString &root, bool withEmptyText) {
        QByteArray index = dayIndex(entries, 86400 / qMax(1, entries));
        if (withEmptyText)
            index.replace(index.lastIndexOf(']'), 1,
                          ",{\"fileName\": \"extra.mp4\", \"startTime\": \"\", \"endTime\": \"235959999\"}]");
        for (int ch = 1; ch <= channels; ++ch) {
            for (int d = 0; d < days; ++d) {
                const QString dir = QString("%1/127.0.0.1/CH_%2/%3")
                                        .arg(root)
                                        .arg(ch, 2, 10, QLatin1Char('0'))
                                        .arg(today.addDays(-d).toString("yyyyMMdd"));
                QDir().mkpath(dir);
                QFile f(dir + "/record.json");
                f.open(QIODevice::WriteOnly);
                f.write(index);
            }
        }
    };
    std::printf("writing 2 x %d days x %d channels of %d entries ...\n", days, channels, entries);
    const QString root = tmp.filePath("backup");
    const QString parsedRoot = tmp.filePath("parsed");
    makeTree(root, false);
    makeTree(parsedRoot, true);
    const qint64 expected = qint64(days) * channels * entries;

    Figures repair, repairParsed, checked, reference;
    qint64 checkedEntries = 0, referenceEntries = 0;
    int checkedFiles = 0, referenceFiles = 0;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        int fixed = FFmpegRecordPlan::repairRecordings(root);
        repair.ms << t.nsecsElapsed() / 1e6;
        t.start();
        fixed += FFmpegRecordPlan::repairRecordings(parsedRoot);
        repairParsed.ms << t.nsecsElapsed() / 1e6;
        if (fixed != 0)
            std::fprintf(stderr, "repair changed %d entries of a complete year\n", fixed);

        qint64 n = 0;
        t.start();
        checkedFiles = checkedIndexes(root, &n);
        checked.ms << t.nsecsElapsed() / 1e6;
        checkedEntries = n;

        n = 0;
        t.start();
        referenceFiles = readAllIndexes(root, &n);
        reference.ms << t.nsecsElapsed() / 1e6;
        referenceEntries = n;
    }
    const QString work = QString("%1 indexes, %2 entries").arg(days * channels).arg(expected);
    repair.print("start-up repair, a year of closed days", work);
    repairParsed.print("start-up repair, every index to be parsed", work);
    checked.print("checked read of every index (playback reader)",
                  QString("%1 indexes, %2 entries").arg(checkedFiles).arg(checkedEntries));
    reference.print("reference: read and parse every index whole",
                    QString("%1 indexes, %2 entries").arg(referenceFiles).arg(referenceEntries));

    // One oversized index among the days.
    const QString hugeDir = QString("%1/127.0.0.1/CH_01/%2").arg(root).arg(today.addDays(-days).toString("yyyyMMdd"));
    QDir().mkpath(hugeDir);
    {
        QFile f(hugeDir + "/record.json");
        f.open(QIODevice::WriteOnly);
        const QByteArray day = dayIndex(entries, 86400 / qMax(1, entries));
        f.write("[");
        qint64 written = 1;
        const QByteArray entry = day.mid(day.indexOf('{'), day.indexOf('}') - day.indexOf('{') + 1);
        while (written < qint64(hugeMb) * 1024 * 1024) {
            f.write(entry);
            f.write(",\n");
            written += entry.size() + 2;
        }
        f.write(entry);
        f.write("]\n");
    }
    Figures hugeRepair, hugeReference;
    long repairGrowth = 0, referenceGrowth = 0;
    for (int r = 0; r < qMax(3, rounds / 3); ++r) {
        long before = pssKb();
        QElapsedTimer t;
        t.start();
        FFmpegRecordPlan::repairDayIndex(hugeDir);
        hugeRepair.ms << t.nsecsElapsed() / 1e6;
        repairGrowth = qMax(repairGrowth, pssKb() - before);

        before = pssKb();
        long peak = before;
        t.start();
        {
            QFile f(hugeDir + "/record.json");
            f.open(QIODevice::ReadOnly);
            const QByteArray bytes = f.readAll();
            const QJsonDocument doc = QJsonDocument::fromJson(bytes);
            peak = qMax(peak, pssKb());
            if (doc.array().isEmpty())
                std::fprintf(stderr, "reference did not parse the oversized index\n");
        }
        hugeReference.ms << t.nsecsElapsed() / 1e6;
        referenceGrowth = qMax(referenceGrowth, peak - before);
    }
    hugeRepair.print(qPrintable(QString("repair of a %1 MB index (refused unread)").arg(hugeMb)),
                     QString("PSS growth %1 kB").arg(repairGrowth));
    hugeReference.print(qPrintable(QString("reference: read and parse it whole")),
                        QString("PSS growth %1 kB").arg(referenceGrowth));
    return 0;
}
