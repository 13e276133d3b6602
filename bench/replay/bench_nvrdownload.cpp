// Download from a simulated NVR as fast as it sends: ten minutes of 1080p
// H.264 (the device's whole download at once, as real NVRs do). Reports the
// MB/s written, the writer's peak queue and the largest stall of the GUI
// thread (goal under 50 ms). The device runs on its own thread so its sending
// does not count as a GUI stall.
//
//   bench_nvrdownload [--seconds N] [--rounds N]

#include "CommonHelper.h"
#include "DeviceTree.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "PlayerCommon.h"
#include "RecordWnd.h"
#include "SimDevice.h"
#include "SimRecordStreams.h"
#include "VideoRecord.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

namespace {

QVector<SimRecordStreams::Frame> annexB(const QString &path)
{
    QVector<SimRecordStreams::Frame> out;
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(fmt, nullptr);
    const int v = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    AVStream *st = fmt->streams[v];
    const AVBitStreamFilter *f = av_bsf_get_by_name("h264_mp4toannexb");
    AVBSFContext *bsf = nullptr;
    av_bsf_alloc(f, &bsf);
    avcodec_parameters_copy(bsf->par_in, st->codecpar);
    bsf->time_base_in = st->time_base;
    av_bsf_init(bsf);
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index != v) {
            av_packet_unref(pkt);
            continue;
        }
        av_bsf_send_packet(bsf, pkt);
        while (av_bsf_receive_packet(bsf, pkt) == 0) {
            out.append({QByteArray(reinterpret_cast<const char *>(pkt->data), pkt->size),
                        av_rescale_q(pkt->pts, st->time_base, AVRational{1, 1000}),
                        bool(pkt->flags & AV_PKT_FLAG_KEY)});
            av_packet_unref(pkt);
        }
    }
    av_packet_free(&pkt);
    av_bsf_free(&bsf);
    avformat_close_input(&fmt);
    return out;
}

void print(const char *what, QVector<double> v, const char *unit)
{
    std::sort(v.begin(), v.end());
    std::printf("%-36s median %10.2f %s  range %10.2f .. %10.2f  (%d rounds)\n", what, v[v.size() / 2], unit, v.front(),
                v.back(), int(v.size()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    player::registerMetaTypes();
    registerKelvoMetaTypes();
    const QStringList args = app.arguments();
    const int seconds = args.contains("--seconds") ? args.value(args.indexOf("--seconds") + 1).toInt() : 600;
    const int rounds = args.contains("--rounds") ? args.value(args.indexOf("--rounds") + 1).toInt() : 3;

    QTemporaryDir root;
    const QString records = root.filePath("records");
    CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
    const QString clip = root.filePath("clip.mp4");
    std::printf("making %d s of 1080p H.264 ...\n", seconds);
    QProcess ff;
    ff.start("ffmpeg", {"-loglevel",
                        "error",
                        "-y",
                        "-f",
                        "lavfi",
                        "-i",
                        "testsrc2=size=1920x1080:rate=25",
                        "-t",
                        QString::number(seconds),
                        "-pix_fmt",
                        "yuv420p",
                        "-bf",
                        "0",
                        "-g",
                        "25",
                        "-c:v",
                        "libx264",
                        "-preset",
                        "ultrafast",
                        "-b:v",
                        "4M",
                        clip});
    if (!ff.waitForFinished(-1) || ff.exitCode() != 0)
        return 1;
    const QVector<SimRecordStreams::Frame> frames = annexB(clip);
    qint64 bytes = 0;
    for (const auto &f : frames)
        bytes += f.data.size();
    std::printf("%d frames, %.1f MB of stream\n", int(frames.size()), bytes / 1e6);

    // The device on its own thread.
    QThread deviceThread;
    deviceThread.start();
    SimDevice *sim = nullptr;
    QObject anchor;
    anchor.moveToThread(&deviceThread);
    QMetaObject::invokeMethod(
        &anchor,
        [&] {
            sim = new SimDevice(SimDevice::Nvr);
            SimRecordStreams::Setup &s = SimRecordStreams::setup(*sim);
            s.frames = frames;
            s.dayRecords[1] =
                QString(480, 'C') + QString(seconds / 60 + 1, '0') + QString(1440 - 480 - seconds / 60 - 1, 'C');
            sim->listen(QHostAddress("127.42.0.1"));
        },
        Qt::BlockingQueuedConnection);

    auto *nvr = new FUN_DEV_INFO;
    nvr->ip = "127.42.0.1";
    nvr->name = "bench nvr";
    nvr->devType = 1;
    nvr->devPort = sim->port();
    nvr->channelNum = 1;
    nvr->loginStatus = 1;
    DeviceInfoManager::instance()->addDevInfo(nvr);
    DeviceInfoManager::instance()->addNVRChannels(nvr);

    RecordWnd wnd;
    wnd.resize(1600, 900);
    wnd.show();
    app.processEvents();
    const QString key = "127.42.0.1_1";
    QVector<double> rate, peak, stall;
    for (int r = 0; r < rounds; ++r) {
        wnd.resetReplay();
        QStandardItem *item = wnd.tree()->itemForKey(key);
        wnd.onDeviceItemClicked(wnd.tree()->proxyModel()->mapFromSource(item->index()));
        QElapsedTimer wait;
        wait.start();
        while (wnd.dayRecords(key).empty() && wait.elapsed() < 10000)
            app.processEvents(QEventLoop::AllEvents, 10);
        const QDate today = QDate::currentDate();
        wnd.findChild<QDateTimeEdit *>("dateTimeEditStart")->setDateTime(QDateTime(today, QTime(8, 0)));
        wnd.findChild<QDateTimeEdit *>("dateTimeEditEnd")->setDateTime(QDateTime(today, QTime(8, 0).addSecs(seconds)));

        QElapsedTimer gap, clock;
        qint64 worst = 0, last = 0;
        int queuePeak = 0;
        QTimer probe;
        probe.setInterval(5);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = gap.elapsed();
            worst = std::max(worst, now - last);
            last = now;
            if (VideoRecord *w = wnd.downloadWriter())
                queuePeak = std::max(queuePeak, w->queueSize());
        });
        gap.start();
        clock.start();
        probe.start();
        wnd.onBtnStartDownoadClicked();
        const QString path = wnd.downloadPath();
        while (!wnd.downloadKey().isEmpty() && clock.elapsed() < 600000)
            app.processEvents(QEventLoop::AllEvents, 5);
        probe.stop();
        // The writer finishes its queue after the box is free again; the file
        // then takes its complete name.
        if (VideoRecord *w = wnd.downloadWriter())
            w->wait(60000);
        while (!QFile::exists(path) && clock.elapsed() < 600000)
            app.processEvents(QEventLoop::AllEvents, 5);
        const double secs = clock.elapsed() / 1000.0;
        rate << QFileInfo(path).size() / 1e6 / secs;
        peak << queuePeak;
        stall << double(worst);
        QFile::remove(path);
    }
    print("written (incl. the 4 s end detection)", rate, "MB/s");
    print("writer peak queue", peak, "msgs");
    print("largest GUI stall (goal < 50)", stall, "ms");

    QMetaObject::invokeMethod(
        &anchor, [&] { delete sim; }, Qt::BlockingQueuedConnection);
    deviceThread.quit();
    deviceThread.wait();
    return 0;
}
