// The repair of a day's index for a complete day that needs none: 2,880
// thirty-second segments in one day folder, every one named in its
// "record.json" with its end, as the recorder leaves a day it finished. The
// repair runs at every start and at every recorder's start, holding the index
// lock the other recorders wait on.
//
// Sides in interleaved rounds over the same folder:
//
// - the client's repair (FFmpegRecordPlan::repairDayIndex);
// - the way it looked for unlisted segments before: every segment file
//   opened and asked for its lock, then the whole index searched for its
//   name.
//
// Each figure is the median and range of the rounds, as wall time and as CPU
// time of the thread; the segments each side found unlisted are counted (0
// on both, the day needs no repair).
//
//   bench_dayrepair [--rounds N]

#include "FFmpegRecordPlan.h"
#include "RecordIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTime>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kSegments = 2880;
const QString kTimeFormat = QStringLiteral("hhmmsszzz");

struct Figures
{
    std::vector<double> wall, cpu;
    qint64 work = 0;
    static void line(const char *what, const char *clock, std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        std::printf("  %-44s %-5s %8.2f ms (%.2f-%.2f)\n", what, clock, median, v.front(), v.back());
    }
    void print(const char *what) const
    {
        line(what, "wall", wall);
        line(what, "cpu", cpu);
        std::printf("  %-44s %lld segments found unlisted\n", "", static_cast<long long>(work));
    }
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// The search for unlisted segments as it was: each file opened and locked
// first, then the index searched for its name.
int unlistedBefore(const QString &dayDir)
{
    RecordIndex::Status status = RecordIndex::Status::Missing;
    QString error;
    const QByteArray bytes = RecordIndex::readBytes(dayDir, &status, &error);
    if (status == RecordIndex::Status::Refused || status == RecordIndex::Status::Unreadable)
        return 0;
    QStringList names;
    const QString dayName = QFileInfo(dayDir).fileName();
    const QStringList files =
        QDir(dayDir).entryList({QStringLiteral("*.mp4")}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : files) {
        if (RecordIndex::isSegmentName(dayName, name)
            && !FFmpegRecordPlan::segmentInUse(dayDir + QLatin1Char('/') + name)
            && !bytes.contains(QByteArray("\"") + name.toUtf8() + "\""))
            names << name;
    }
    // An index that names every segment and has no open entry needs nothing.
    if (names.isEmpty() && (status != RecordIndex::Status::Ok || !bytes.contains("\"\"")))
        return 0;
    return int(names.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    const QStringList args = app.arguments();
    const int rounds = args.contains("--rounds") ? qMax(1, args.value(args.indexOf("--rounds") + 1).toInt()) : 21;

    QTemporaryDir root;
    const QString dayName = QDate::currentDate().toString("yyyyMMdd");
    const QString dayDir = root.filePath(dayName);
    QDir().mkpath(dayDir);
    QJsonArray index;
    for (int i = 0; i < kSegments; ++i) {
        const QTime at = QTime(0, 0).addSecs(i * 30);
        const QString name = dayName + at.toString("hhmmss") + ".mp4";
        // Never opened by a repair that finds the day whole: a few bytes do.
        QFile segment(dayDir + "/" + name);
        if (!segment.open(QIODevice::WriteOnly) || segment.write("segment") != 7) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(segment.fileName()));
            return 1;
        }
        index.append(QJsonObject{{"fileName", name},
                                 {"startTime", at.toString(kTimeFormat)},
                                 {"endTime", at.addMSecs(29960).toString(kTimeFormat)}});
    }
    QString error;
    if (!RecordIndex::write(dayDir, index, &error)) {
        std::fprintf(stderr, "index not written: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray before = RecordIndex::readBytes(dayDir);

    Figures now, old;
    const auto measure = [](Figures &f, const std::function<int()> &side) {
        QElapsedTimer t;
        const double cpu = threadCpuMs();
        t.start();
        f.work += side();
        f.wall.push_back(double(t.nsecsElapsed()) / 1e6);
        f.cpu.push_back(threadCpuMs() - cpu);
    };
    // A first pass of each fills the file system's caches for both.
    FFmpegRecordPlan::repairDayIndex(dayDir);
    unlistedBefore(dayDir);
    for (int r = 0; r < rounds; ++r) {
        if (r % 2 == 0) {
            measure(now, [&] { return FFmpegRecordPlan::repairDayIndex(dayDir); });
            measure(old, [&] { return unlistedBefore(dayDir); });
        } else {
            measure(old, [&] { return unlistedBefore(dayDir); });
            measure(now, [&] { return FFmpegRecordPlan::repairDayIndex(dayDir); });
        }
    }
    if (RecordIndex::readBytes(dayDir) != before) {
        std::fprintf(stderr, "the day's index changed: it needed no repair\n");
        return 1;
    }
    std::printf("day repair, a complete day of %d segments that needs none, %d rounds:\n", kSegments, rounds);
    now.print("repairDayIndex");
    old.print("before: each file locked, the index searched");
    return 0;
}
