// Replay panes: four 1080p25 panes playing files at 1x, against ffmpeg
// decoding the same files; then 1080p frames pushed through appendData from
// another thread, with the delay from push to paint. Doubles as the demo of
// the four-pane area: --screenshot <png> saves a picture of the playing panes.
//
//   bench_replay [--quick] [--seconds N] [--screenshot file.png]

#include "FFmpegReplayWidget.h"
#include "I420Render2.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QMutex>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <algorithm>
#include <cstdio>
#include <thread>

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

namespace {
double cpuSelf()
{
    struct rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}
double cpuChildren()
{
    struct rusage ru;
    getrusage(RUSAGE_CHILDREN, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}
void pumpFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
QString makeClip(const QString &path, int w, int h, int seconds, int hue)
{
    QProcess p;
    p.start("ffmpeg", {"-loglevel",
                       "error",
                       "-y",
                       "-f",
                       "lavfi",
                       "-i",
                       QString("testsrc2=size=%1x%2:rate=25,hue=h=%3").arg(w).arg(h).arg(hue),
                       "-t",
                       QString::number(seconds),
                       "-pix_fmt",
                       "yuv420p",
                       "-bf",
                       "0",
                       "-g",
                       "25",
                       "-b:v",
                       "4M",
                       "-c:v",
                       "libx264",
                       "-preset",
                       "veryfast",
                       path});
    p.waitForFinished(-1);
    return p.exitCode() == 0 ? path : QString();
}
struct Frame
{
    QByteArray data;
    qint64 ms;
};
QVector<Frame> annexB(const QString &path)
{
    QVector<Frame> out;
    AVFormatContext *fmt = nullptr;
    if (avformat_open_input(&fmt, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(fmt, nullptr);
    AVStream *st = fmt->streams[0];
    AVBSFContext *bsf = nullptr;
    av_bsf_alloc(av_bsf_get_by_name("h264_mp4toannexb"), &bsf);
    avcodec_parameters_copy(bsf->par_in, st->codecpar);
    bsf->time_base_in = st->time_base;
    av_bsf_init(bsf);
    AVPacket *pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        av_bsf_send_packet(bsf, pkt);
        while (av_bsf_receive_packet(bsf, pkt) == 0) {
            out.push_back({QByteArray(reinterpret_cast<char *>(pkt->data), pkt->size),
                           av_rescale_q(pkt->pts, st->time_base, AVRational{1, 1000})});
            av_packet_unref(pkt);
        }
    }
    av_packet_free(&pkt);
    av_bsf_free(&bsf);
    avformat_close_input(&fmt);
    return out;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    player::registerMetaTypes();
    int w = 1920, h = 1080, seconds = 20;
    QString shot;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--quick") {
            w = 640;
            h = 360;
            seconds = 4;
        } else if (a == "--seconds" && i + 1 < argc) {
            seconds = atoi(argv[++i]);
        } else if (a == "--screenshot" && i + 1 < argc) {
            shot = QString::fromLocal8Bit(argv[++i]);
        }
    }
    std::printf("cores: %ld, four panes %dx%d, %d s\n", sysconf(_SC_NPROCESSORS_ONLN), w, h, seconds);
    QTemporaryDir dir;
    QString files[4];
    for (int i = 0; i < 4; ++i) {
        files[i] = makeClip(dir.filePath(QString("r%1.mp4").arg(i)), w, h, seconds + 2, i * 90);
        if (files[i].isEmpty()) {
            std::printf("cannot make clips\n");
            return 1;
        }
    }

    FFmpegReplayWidget area;
    area.resize(1280, 720);
    area.show();
    pumpFor(300);
    const double cpu0 = cpuSelf();
    for (int i = 0; i < 4; ++i)
        area.playFile(i, files[i]);
    area.setOverlayText(3, "demo");
    pumpFor(1000);
    qint64 base[4];
    qint64 paintedBase[4];
    double paintBase[4];
    for (int i = 0; i < 4; ++i) {
        base[i] = area.paneRender(i)->framesReceived();
        paintedBase[i] = area.paneRender(i)->framesPainted();
        paintBase[i] = area.paneRender(i)->paintTimeMs();
    }
    const int measureMs = (seconds - 1) * 1000;
    pumpFor(measureMs);
    if (!shot.isEmpty()) {
        area.grab().save(shot);
        std::printf("screenshot: %s\n", qPrintable(shot));
    }
    const double cpu = cpuSelf() - cpu0;
    double paintMs = 0;
    qint64 painted = 0;
    for (int i = 0; i < 4; ++i) {
        const qint64 n = area.paneRender(i)->framesReceived() - base[i];
        const qint64 p = area.paneRender(i)->framesPainted() - paintedBase[i];
        painted += p;
        paintMs += area.paneRender(i)->paintTimeMs() - paintBase[i];
        std::printf("pane %d: %.1f frames shown/s, %.1f painted/s\n", i, n / (measureMs / 1000.0),
                    p / (measureMs / 1000.0));
    }
    area.stopAll();
    const double c0 = cpuChildren();
    for (int i = 0; i < 4; ++i) {
        QProcess p;
        p.start("ffmpeg", {"-loglevel", "error", "-i", files[i], "-t", QString::number(seconds), "-f", "null", "-"});
        p.waitForFinished(-1);
    }
    std::printf("four panes: cpu %.2f s in %.0f s (%s, paint %.2f ms per painted frame); ffmpeg decoding the same "
                "files: cpu %.2f s\n",
                cpu, (measureMs + 1000) / 1000.0, area.paneRender(0)->usesOpenGL() ? "OpenGL" : "QPainter",
                painted ? paintMs / painted : 0.0, cpuChildren() - c0);

    // Pushed stream: frames at their own pace from a worker thread.
    const QVector<Frame> frames = annexB(files[0]);
    QHash<qint64, qint64> pushedAt;
    QMutex mutex;
    std::vector<qint64> delays;
    area.setCustomIo(true);
    area.setFocusIndex(0);
    area.resetParams(0);
    area.initStream("push", 0, false, true);
    area.play(0);
    QObject::connect(&area, &FFmpegReplayWidget::emitReplayTimestampMS, [&](qulonglong ms) {
        area.paneRender(0)->repaint();
        QMutexLocker lock(&mutex);
        const auto it = pushedAt.constFind(qint64(ms));
        if (it != pushedAt.constEnd())
            delays.push_back(QDateTime::currentMSecsSinceEpoch() - it.value());
    });
    std::atomic_bool done{false};
    std::thread worker([&] {
        QElapsedTimer t;
        t.start();
        for (const Frame &f : frames) {
            while (t.elapsed() < f.ms)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            {
                QMutexLocker lock(&mutex);
                pushedAt.insert(f.ms, QDateTime::currentMSecsSinceEpoch());
            }
            area.appendData("push", f.data.constData(), f.data.size(), f.ms, 0);
        }
        done = true;
    });
    while (!done)
        pumpFor(100);
    pumpFor(500);
    worker.join();
    area.stopAll();
    if (!delays.empty()) {
        std::sort(delays.begin(), delays.end());
        std::printf("pushed %dx%d through appendData: %zu of %d frames shown, push to paint median %lld ms, "
                    "max %lld ms\n",
                    w, h, delays.size(), int(frames.size()), delays[delays.size() / 2], delays.back());
    } else {
        std::printf("pushed stream: no frames shown\n");
    }
    return 0;
}
