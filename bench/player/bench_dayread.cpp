// A full day of local recordings read for playback: 2,880 thirty-second
// segments in one day folder (its "record.json" as the recorder writes it,
// every entry a real file). Sides in interleaved rounds over the same folder:
//
// - the client's reader (LocalVideoReplayWnd::readDayRecords), and the same
//   read with each time taken by Qt's general format parser
//   (QTime::fromString with "hhmmsszzz") and each instant made by
//   QDateTime(day, time), the way the reader took them before;
// - each of those followed by the first segment played in a pane to its first
//   painted picture: what the operator waits for after a double click
//   (goal: within 100 ms);
// - the 5,760 times alone, both ways, and the instants made of them, both ways.
//
// Each figure is the median and range of the rounds; the segments read and
// the pictures painted are counted on every side.
//
//   bench_dayread [--rounds N]

#include "FFmpegPlayer.h"
#include "I420Render2.h"
#include "LocalVideoReplayWnd.h"
#include "RecordIndex.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kSegments = 2880;
const QString kTimeFormat = QStringLiteral("hhmmsszzz");

struct Figures
{
    std::vector<double> ms;
    qint64 work = 0;
    void print(const char *what, const char *unit) const
    {
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        std::printf("  %-58s %8.2f ms (%.2f-%.2f), %lld %s\n", what, median, v.front(), v.back(),
                    static_cast<long long>(work), unit);
    }
};

QString makeClip(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25", "-t", "30",
                       "-pix_fmt", "yuv420p", "-g", "25", "-c:v", "libx264", "-preset", "veryfast", path});
    return p.waitForFinished(120000) && p.exitCode() == 0 ? path : QString();
}

// The reader with Qt's general parser for the times, otherwise the client's.
std::vector<ArchiveRecordPtr> readWithGeneralParser(const QString &dayDir, const QDate &day)
{
    std::vector<ArchiveRecordPtr> records;
    const RecordIndex::Day index = RecordIndex::read(dayDir);
    if (index.status != RecordIndex::Status::Ok)
        return records;
    records.reserve(size_t(index.entries.size()));
    for (const RecordIndex::Entry &e : index.entries) {
        if (e.path.isEmpty() || e.startTime.isEmpty() || e.endTime.isEmpty() || !RecordIndex::isOwnFile(dayDir, e.path))
            continue;
        const QTime start = QTime::fromString(e.startTime, kTimeFormat);
        const QTime end = QTime::fromString(e.endTime, kTimeFormat);
        if (!start.isValid() || !end.isValid())
            continue;
        const QFileInfo file(e.path);
        if (!file.isFile() || file.size() <= 0)
            continue;
        records.push_back(std::make_shared<ArchiveRecord>(QDateTime(day, start).toMSecsSinceEpoch(),
                                                          QDateTime(day, end).toMSecsSinceEpoch(), e.path));
    }
    return records;
}

// The first segment played in a pane until its first picture is painted.
bool firstPicture(I420Render2 &pane, const QString &file)
{
    FFmpegPlayer player;
    player.setAudioEnabled(false);
    player.setPlayUrl(file);
    player.setViewSize(pane.viewSize());
    QObject::connect(&player, &FFmpegPlayer::emitFrame, &pane,
                     [&pane](std::shared_ptr<AVFrame> f, qint64) { pane.onFrame(std::move(f)); });
    const qint64 before = pane.framesPainted();
    player.play();
    QElapsedTimer t;
    t.start();
    while (pane.framesPainted() == before && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    player.requestStop();
    player.wait();
    QCoreApplication::processEvents();
    pane.clear();
    return pane.framesPainted() > before;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    player::registerMetaTypes();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    const QStringList args = app.arguments();
    const int rounds = args.contains("--rounds") ? qMax(1, args.value(args.indexOf("--rounds") + 1).toInt()) : 15;

    QTemporaryDir root;
    const QString clip = makeClip(root.filePath("clip.mp4"));
    if (clip.isEmpty()) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 1;
    }
    const QDate day = QDate::currentDate();
    const QString dayDir = root.filePath(day.toString("yyyyMMdd"));
    QDir().mkpath(dayDir);
    QJsonArray index;
    QStringList times;
    for (int i = 0; i < kSegments; ++i) {
        const QString name = QStringLiteral("%1.mp4").arg(QTime(0, 0).addSecs(i * 30).toString("hhmmss"));
        // Hard links: every entry a plain file of the folder, as the reader wants.
        if (::link(QFile::encodeName(clip).constData(), QFile::encodeName(dayDir + "/" + name).constData()) != 0)
            QFile::copy(clip, dayDir + "/" + name);
        const QString start = QTime(0, 0).addSecs(i * 30).addMSecs(37).toString(kTimeFormat);
        const QString end = QTime(0, 0).addSecs(i * 30 + 29).addMSecs(961).toString(kTimeFormat);
        index.append(QJsonObject{{"fileName", name}, {"startTime", start}, {"endTime", end}});
        times << start << end;
    }
    {
        QFile json(dayDir + "/record.json");
        json.open(QIODevice::WriteOnly);
        json.write(QJsonDocument(index).toJson(QJsonDocument::Indented));
    }

    I420Render2 pane;
    pane.resize(800, 450);
    pane.show();
    QCoreApplication::processEvents();

    Figures read, readGeneral, first, firstGeneral, parse, parseGeneral, dateTimes, dayClock;
    const std::vector<std::function<void()>> sides{
        [&] {
            QElapsedTimer t;
            t.start();
            const auto records = LocalVideoReplayWnd::readDayRecords(dayDir, day);
            read.ms.push_back(t.nsecsElapsed() / 1e6);
            read.work += qint64(records.size());
        },
        [&] {
            QElapsedTimer t;
            t.start();
            const auto records = readWithGeneralParser(dayDir, day);
            readGeneral.ms.push_back(t.nsecsElapsed() / 1e6);
            readGeneral.work += qint64(records.size());
        },
        [&] {
            QElapsedTimer t;
            t.start();
            const auto records = LocalVideoReplayWnd::readDayRecords(dayDir, day);
            const bool ok = !records.empty() && firstPicture(pane, records.front()->file());
            first.ms.push_back(t.nsecsElapsed() / 1e6);
            first.work += ok ? 1 : 0;
        },
        [&] {
            QElapsedTimer t;
            t.start();
            const auto records = readWithGeneralParser(dayDir, day);
            const bool ok = !records.empty() && firstPicture(pane, records.front()->file());
            firstGeneral.ms.push_back(t.nsecsElapsed() / 1e6);
            firstGeneral.work += ok ? 1 : 0;
        },
        [&] {
            QElapsedTimer t;
            t.start();
            qint64 sum = 0;
            for (const QString &s : qAsConst(times))
                sum += RecordIndex::timeOfDayMs(s) >= 0 ? 1 : 0;
            parse.ms.push_back(t.nsecsElapsed() / 1e6);
            parse.work += sum;
        },
        [&] {
            QElapsedTimer t;
            t.start();
            qint64 sum = 0;
            for (const QString &s : qAsConst(times))
                sum += QTime::fromString(s, kTimeFormat).isValid() ? 1 : 0;
            parseGeneral.ms.push_back(t.nsecsElapsed() / 1e6);
            parseGeneral.work += sum;
        },
        [&] {
            QElapsedTimer t;
            t.start();
            qint64 sum = 0;
            for (const QString &s : qAsConst(times))
                sum +=
                    QDateTime(day, QTime::fromMSecsSinceStartOfDay(RecordIndex::timeOfDayMs(s))).toMSecsSinceEpoch() > 0
                        ? 1
                        : 0;
            dateTimes.ms.push_back(t.nsecsElapsed() / 1e6);
            dateTimes.work += sum;
        },
        [&] {
            QElapsedTimer t;
            t.start();
            qint64 sum = 0;
            const RecordIndex::DayClock clock(day);
            for (const QString &s : qAsConst(times))
                sum += clock.epochMs(RecordIndex::timeOfDayMs(s)) > 0 ? 1 : 0;
            dayClock.ms.push_back(t.nsecsElapsed() / 1e6);
            dayClock.work += sum;
        },

    };
    for (int r = 0; r < rounds; ++r)
        for (size_t k = 0; k < sides.size(); ++k)
            sides[(k + size_t(r)) % sides.size()]();

    std::printf("a day of %d local segments, %d interleaved rounds, median (range); work summed over the rounds:\n",
                kSegments, rounds);
    read.print("day read, the client's reader", "segments");
    readGeneral.print("day read, times by the general format parser", "segments");
    first.print("day read + first segment to its first painted picture", "pictures");
    firstGeneral.print("the same with the general format parser", "pictures");
    parse.print("5,760 times, read digit by digit", "times");
    parseGeneral.print("5,760 times, QTime::fromString", "times");
    dateTimes.print("5,760 instants, QDateTime(day, time) each", "times");
    dayClock.print("5,760 instants, the day's offset looked up once", "times");
    std::printf("  goal: the first picture within 100 ms\n");
    return 0;
}
