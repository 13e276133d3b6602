// Local playback with a full day of 30-second segments (2,880 entries):
// double click to the first picture painted in the pane (what the operator
// waits for), and within it the handler alone (time line set, file started);
// one time-line repaint; marking a year of day folders of 2,880 files each.
// Each figure is the median and range of interleaved rounds.
//
//   bench_localreplay [--rounds N] [--files N]   (files per day folder, default 2880)

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegReplayWidget.h"
#include "I420Render2.h"
#include "LocalVideoReplayWnd.h"
#include "MyCalendar.h"
#include "PlayerCommon.h"
#include "TimeLine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <unistd.h>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kDaySegments = 2880;

struct Figures
{
    QVector<double> ms;
    void print(const char *what) const
    {
        QVector<double> v = ms;
        std::sort(v.begin(), v.end());
        std::printf("%-44s median %8.3f ms  range %8.3f .. %8.3f ms  (%d rounds)\n", what, v[v.size() / 2], v.front(),
                    v.back(), int(v.size()));
    }
};

QString makeClip(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25", "-t", "30",
                       "-pix_fmt", "yuv420p", "-g", "25", "-c:v", "libx264", path});
    return p.waitForFinished(120000) && p.exitCode() == 0 ? path : QString();
}

QString timeText(int second)
{
    return QTime(0, 0).addSecs(second).toString("hhmmss") + "000";
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    player::registerMetaTypes();
    const QStringList args = app.arguments();
    const int rounds = args.contains("--rounds") ? args.value(args.indexOf("--rounds") + 1).toInt() : 15;
    const int files = args.contains("--files") ? args.value(args.indexOf("--files") + 1).toInt() : kDaySegments;

    QTemporaryDir root;
    const QString backup = root.filePath("backup");
    CommonHelper::setStoragePathsProvider([backup] { return StoragePaths{QString(), backup, QString()}; });
    const QString clip = makeClip(root.filePath("clip.mp4"));
    if (clip.isEmpty()) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 1;
    }

    // Today's folder of the played device: 2,880 entries, the first a real file.
    const QDate today = QDate::currentDate();
    const QString dayDir = backup + "/127.0.0.1/" + today.toString("yyyyMMdd");
    QDir().mkpath(dayDir);
    QJsonArray index;
    for (int i = 0; i < kDaySegments; ++i) {
        const QString name = QString("seg%1.mp4").arg(i, 4, 10, QLatin1Char('0'));
        // Hard links: a day index may only name plain files of its own
        // folder, and a segment that is missing or empty is left out.
        if (::link(QFile::encodeName(clip).constData(), QFile::encodeName(dayDir + "/" + name).constData()) != 0)
            QFile::copy(clip, dayDir + "/" + name);
        index.append(
            QJsonObject{{"fileName", name}, {"startTime", timeText(i * 30)}, {"endTime", timeText(i * 30 + 30)}});
    }
    QFile json(dayDir + "/record.json");
    json.open(QIODevice::WriteOnly);
    json.write(QJsonDocument(index).toJson());
    json.close();

    // A year of day folders for the marking figure, each full of segments.
    const QString yearDir = root.filePath("year");
    std::printf("creating 365 day folders of %d files ...\n", files);
    for (int d = 0; d < 365; ++d) {
        const QString dir = yearDir + "/" + today.addDays(-d).toString("yyyyMMdd");
        QDir().mkpath(dir);
        for (int i = 0; i < files; ++i) {
            QFile f(dir + QString("/seg%1.mp4").arg(i, 4, 10, QLatin1Char('0')));
            f.open(QIODevice::WriteOnly);
        }
    }

    auto *dev = new FUN_DEV_INFO;
    dev->ip = "127.0.0.1";
    dev->name = "bench";
    DeviceInfoManager::instance()->addDevInfo(dev);
    LocalVideoReplayWnd wnd;
    wnd.resize(1600, 900);
    wnd.show();
    app.processEvents();
    QStandardItem *item = wnd.tree()->itemForKey("127.0.0.1");
    const QModelIndex treeIndex = wnd.tree()->proxyModel()->mapFromSource(item->index());
    wnd.onDeviceItemClicked(treeIndex);

    TimeLine line;
    line.resize(1600, 60);
    line.show();
    app.processEvents();
    std::vector<ArchiveRecordPtr> records;
    const qint64 day0 = QDateTime(today, QTime(0, 0)).toMSecsSinceEpoch();
    for (int i = 0; i < kDaySegments; ++i)
        records.push_back(std::make_shared<ArchiveRecord>(day0 + i * 30000LL, day0 + i * 30000LL + 29000));
    line.setRecords(records);
    QImage canvas(line.size(), QImage::Format_ARGB32_Premultiplied);

    Figures open, firstPicture, paint, mark;
    QElapsedTimer t;
    for (int r = 0; r < rounds; ++r) {
        wnd.resetReplay();
        wnd.onDeviceItemClicked(treeIndex);
        app.processEvents();
        I420Render2 *pane = wnd.replayWidget()->paneRender(0);
        const qint64 paintedBefore = pane->framesPainted();
        int openedSegments = -1;
        const auto conn =
            QObject::connect(&wnd, &LocalVideoReplayWnd::dayOpened,
                             [&](const QString &, const QDate &, int segments) { openedSegments = segments; });
        t.start();
        wnd.onDeviceItemDoubleClicked(treeIndex);
        // The day is read off the GUI thread; the handler returns before it.
        while (openedSegments < 0 && t.elapsed() < 10000)
            app.processEvents(QEventLoop::WaitForMoreEvents);
        open.ms << t.nsecsElapsed() / 1e6;
        QObject::disconnect(conn);
        if (openedSegments != kDaySegments || wnd.timeLine()->records().size() != size_t(kDaySegments))
            std::fprintf(stderr, "day not opened whole: %d segments\n", openedSegments);
        // The pane paints on the GUI thread as a window system would have it.
        while (pane->framesPainted() == paintedBefore && t.elapsed() < 10000)
            app.processEvents(QEventLoop::WaitForMoreEvents);
        if (pane->framesPainted() == paintedBefore)
            std::fprintf(stderr, "no picture painted within 10 s\n");
        firstPicture.ms << t.nsecsElapsed() / 1e6;

        t.start();
        line.render(&canvas);
        paint.ms << t.nsecsElapsed() / 1e6;

        t.start();
        wnd.markRecordDays(yearDir);
        mark.ms << t.nsecsElapsed() / 1e6;
        if (wnd.calendar()->markedDays().size() != 365)
            std::fprintf(stderr, "marked %d days\n", int(wnd.calendar()->markedDays().size()));
    }
    wnd.resetReplay();
    firstPicture.print("double click to first painted picture (goal < 100)");
    open.print("  of which the day read and shown, 2880 segments");
    paint.print("time line repaint, 2880 segments (goal < 5)");
    mark.print("mark a year of day folders (goal < 200)");
    DeviceInfoManager::instance()->deleteDevice("127.0.0.1");
    return 0;
}
