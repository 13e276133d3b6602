// Media engine figures, each side measured the same way over the same input:
//
// 1. Decode: one clip made at run time (1080p25, 60 s, GOP 50), decoded as
//    fast as possible by three whole processes with the same thread count:
//    this client's player, the ffmpeg tool (-f null), and a plain libav
//    decode loop (the physical reference: decoding with nothing around it).
// 2. Live streams: N streams of the loopback RTSP server at once, rendering
//    off, in three ways: the player (one process), N ffmpeg processes, and the
//    libav loop (one process, one thread per stream), all with the player's
//    probe and live decoder settings. CPU is counted for every side over the same window after a
//    warm-up, memory at its end.
// 3. Mid-GOP join: a shared live source (one encoder, GOP 2 s); a player
//    joins at a random point of the GOP; the time to its first painted
//    picture against the rest of the GOP at the moment it joined.
// 4. Rendering on, and glass to glass on a clock source (single runs).
//
// Comparisons run in interleaved rounds (the sides take turns, their order
// rotating) and print median and range; never best-of. The core count and
// load average are printed before and after.
//
//   bench_player [--quick] [--rounds N] [--streams N] [--window S]
//
// --quick is a smoke run (small clip, short window). BENCH_CLIP_DIR keeps the
// generated clips between runs; BENCH_DECODE_ONLY and BENCH_LIVE_ONLY run a
// part.

#include "FFmpegPlayer.h"
#include "I420Render2.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

struct Opts
{
    bool quick = false;
    int rounds = 5;
    int streams = 16;
    int windowS = 30;
    int warmupS = 5;
    int clipS = 60;
    int w = 1920, h = 1080;
};

// ---- measuring ----------------------------------------------------------------

double childrenCpu()
{
    struct rusage ru;
    getrusage(RUSAGE_CHILDREN, &ru);
    return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

// CPU seconds (user + system) a process has used so far; -1 when gone.
double processCpu(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = f.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

double processRssMb(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2) : QString();
}

struct Spread
{
    double median = 0, low = 0, high = 0;
};

Spread spread(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return {median, v.front(), v.back()};
}

QString text(const Spread &s, int decimals = 1)
{
    return QStringLiteral("%1 (%2-%3)").arg(s.median, 0, 'f', decimals).arg(s.low, 0, 'f', decimals).arg(s.high, 0, 'f', decimals);
}

// ---- inputs -------------------------------------------------------------------

QString makeClip(const QString &dir, const QString &name, const QString &codec, const Opts &o)
{
    const QString path = QDir(dir).filePath(name);
    if (QFile::exists(path))
        return path;  // kept from an earlier run (BENCH_CLIP_DIR)
    QStringList args{"-loglevel", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("testsrc2=size=%1x%2:rate=25").arg(o.w).arg(o.h), "-t", QString::number(o.clipS),
                     "-pix_fmt", "yuv420p", "-bf", "0", "-g", "50", "-b:v", "4M"};
    if (codec == "h265")
        args << "-c:v" << "libx265" << "-preset" << "veryfast" << "-x265-params" << "log-level=error" << "-tag:v"
             << "hvc1";
    else
        args << "-c:v" << "libx264" << "-preset" << "veryfast";
    args << path;
    QProcess p;
    p.start("ffmpeg", args);
    p.waitForFinished(-1);
    return p.exitCode() == 0 ? path : QString();
}

struct Server
{
    QProcess proc;
    int port = 0;
    bool start(const QStringList &mounts)
    {
        QStringList args;
        for (const QString &m : mounts)
            args << "--mount" << m;
        proc.start(KELVO_RTSP_SERVER, args);
        if (!proc.waitForStarted())
            return false;
        QByteArray out;
        while (!out.contains('\n') && proc.waitForReadyRead(10000))
            out += proc.readAllStandardOutput();
        const int at = out.indexOf("PORT ");
        port = at >= 0 ? out.mid(at + 5).trimmed().toInt() : 0;
        return port > 0;
    }
    QString url(const QString &mount) const { return QStringLiteral("rtsp://127.0.0.1:%1%2").arg(port).arg(mount); }
    ~Server()
    {
        proc.write("quit\n");
        proc.closeWriteChannel();
        if (!proc.waitForFinished(3000))
            proc.kill();
        proc.waitForFinished();
    }
};

void pumpFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// ---- the sides, run as child processes of this program --------------------------

// Plain libav decoding of one input: the reference. Live inputs get the
// player's options (TCP, small probe) and its live decoder settings (low
// delay, slice threads).
qint64 libavDecode(const QString &url, int threads, const std::atomic_bool *stop)
{
    AVDictionary *opts = nullptr;
    const bool live = url.startsWith(QLatin1String("rtsp://"));
    if (live) {
        av_dict_set(&opts, "rtsp_transport", "tcp", 0);
        av_dict_set(&opts, "probesize", "32", 0);
        av_dict_set(&opts, "analyzeduration", "0", 0);
    }
    AVFormatContext *fmt = nullptr;
    const int opened = avformat_open_input(&fmt, url.toUtf8().constData(), nullptr, &opts);
    av_dict_free(&opts);
    if (opened < 0)
        return -1;
    avformat_find_stream_info(fmt, nullptr);
    const AVCodec *codec = nullptr;
    const int v = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    AVCodecContext *ctx = v >= 0 ? avcodec_alloc_context3(codec) : nullptr;
    qint64 frames = 0;
    if (ctx && avcodec_parameters_to_context(ctx, fmt->streams[v]->codecpar) >= 0) {
        ctx->thread_count = threads;
        if (live) {
            ctx->flags |= AV_CODEC_FLAG_LOW_DELAY;
            ctx->thread_type = FF_THREAD_SLICE;
        }
        if (avcodec_open2(ctx, codec, nullptr) >= 0) {
            AVPacket *pkt = av_packet_alloc();
            AVFrame *frame = av_frame_alloc();
            auto drain = [&] {
                while (avcodec_receive_frame(ctx, frame) == 0)
                    ++frames;
            };
            while ((!stop || !*stop) && av_read_frame(fmt, pkt) >= 0) {
                if (pkt->stream_index == v && avcodec_send_packet(ctx, pkt) >= 0)
                    drain();
                av_packet_unref(pkt);
            }
            avcodec_send_packet(ctx, nullptr);
            drain();
            av_frame_free(&frame);
            av_packet_free(&pkt);
        }
    }
    avcodec_free_context(&ctx);
    avformat_close_input(&fmt);
    return frames;
}

qint64 playerDecode(const QString &file, int threads)
{
    FFmpegPlayer p;
    p.setRealtime(false);
    p.setRenderEnabled(false);
    p.setAudioEnabled(false);
    p.setDecodeThreads(threads);
    p.setPlayUrl(file);
    QEventLoop loop;
    QObject::connect(&p, &FFmpegPlayer::emitPlayFinished, &loop, &QEventLoop::quit);
    QObject::connect(&p, &QThread::finished, &loop, &QEventLoop::quit);
    p.play();
    loop.exec();
    const qint64 frames = p.framesDecoded();
    p.stop();
    p.wait();
    return frames;
}

int runChild(const QStringList &a)
{
    const QString mode = a.value(0);
    if (mode == "decode-player" || mode == "decode-libav") {
        const qint64 frames = mode == "decode-player" ? playerDecode(a.value(1), a.value(2).toInt())
                                                      : libavDecode(a.value(1), a.value(2).toInt(), nullptr);
        std::printf("FRAMES %lld\n", static_cast<long long>(frames));
        return frames > 0 ? 0 : 1;
    }
    const int n = a.value(2).toInt();
    if (mode == "live-player") {
        std::vector<std::unique_ptr<FFmpegPlayer>> players;
        for (int i = 0; i < n; ++i) {
            players.push_back(std::make_unique<FFmpegPlayer>());
            players.back()->setPlayUrl(a.value(1));
            players.back()->setAudioEnabled(false);
            players.back()->setRenderEnabled(false);
            players.back()->play();
        }
        QCoreApplication::exec();  // until killed
        return 0;
    }
    if (mode == "live-libav") {
        std::atomic_bool stop{false};
        std::vector<std::thread> threads;
        for (int i = 0; i < n; ++i)
            threads.emplace_back([&] { libavDecode(a.value(1), 0, &stop); });
        for (std::thread &t : threads)
            t.join();  // until killed
        return 0;
    }
    return 2;
}

// ---- comparisons ----------------------------------------------------------------

struct Side
{
    QString name;
    std::function<double(int round)> measure;  // one figure per round
};

// Interleaved rounds: every round runs every side once, the order rotating.
std::vector<std::vector<double>> interleave(const std::vector<Side> &sides, int rounds)
{
    std::vector<std::vector<double>> figures(sides.size());
    for (int r = 0; r < rounds; ++r)
        for (size_t k = 0; k < sides.size(); ++k) {
            const size_t i = (k + size_t(r)) % sides.size();
            figures[i].push_back(sides[i].measure(r));
        }
    return figures;
}

std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> out;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        out.push_back(b[i] > 0 ? a[i] / b[i] : 0);
    return out;
}

// Runs a program to its end; returns the wall seconds, -1 on failure.
double timedRun(const QString &program, const QStringList &args, QByteArray *out, double *cpu)
{
    QProcess p;
    const double cpu0 = childrenCpu();
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        return -1;
    const double secs = t.nsecsElapsed() / 1e9;
    if (cpu)
        *cpu = childrenCpu() - cpu0;
    if (out)
        *out = p.readAllStandardOutput();
    return secs;
}

void benchDecode(const QString &self, const QString &file, const QString &codecName, int threads, const Opts &o)
{
    QByteArray out;
    if (timedRun(self, {"--child", "decode-libav", file, QString::number(threads)}, &out, nullptr) < 0) {
        std::printf("decode %s: the reference cannot decode the clip\n", qPrintable(codecName));
        return;
    }
    const double frames = out.mid(out.indexOf("FRAMES ") + 7).trimmed().toDouble();
    const QString t = QString::number(threads);
    std::vector<double> cpuPlayer, cpuFfmpeg, cpuLibav;
    auto side = [&](const QString &program, const QStringList &args, std::vector<double> *cpu) {
        return [&, program, args, cpu](int) {
            double c = 0;
            const double secs = timedRun(program, args, nullptr, &c);
            cpu->push_back(c);
            return secs > 0 ? frames / secs : 0.0;
        };
    };
    const std::vector<Side> sides{
        {"player", side(self, {"--child", "decode-player", file, t}, &cpuPlayer)},
        {"ffmpeg", side("ffmpeg", {"-loglevel", "error", "-threads", t, "-i", file, "-an", "-f", "null", "-"}, &cpuFfmpeg)},
        {"libav loop", side(self, {"--child", "decode-libav", file, t}, &cpuLibav)},
    };
    const auto fps = interleave(sides, o.rounds);
    std::printf("decode %s, threads %s, %.0f frames, whole process each, %d interleaved rounds (fps median (range), "
                "cpu s):\n",
                qPrintable(codecName), threads ? qPrintable(t) : "auto", frames, o.rounds);
    const std::vector<double> *cpus[] = {&cpuPlayer, &cpuFfmpeg, &cpuLibav};
    for (size_t i = 0; i < sides.size(); ++i)
        std::printf("  %-10s %s fps, cpu %s s\n", qPrintable(sides[i].name), qPrintable(text(spread(fps[i]))),
                    qPrintable(text(spread(*cpus[i]), 2)));
    std::printf("  player/ffmpeg %s, player/libav %s (per-round ratios)\n",
                qPrintable(text(spread(ratios(fps[0], fps[1])), 2)), qPrintable(text(spread(ratios(fps[0], fps[2])), 2)));
    std::fflush(stdout);
}

// CPU seconds and memory of one side's processes over the window after the warm-up.
struct LiveFigure
{
    double cpu = 0, rssMb = 0;
};

LiveFigure measureLive(std::vector<std::unique_ptr<QProcess>> &procs, const Opts &o)
{
    LiveFigure f;
    QThread::sleep(unsigned(o.warmupS));
    double before = 0;
    for (auto &p : procs)
        before += qMax(0.0, processCpu(p->processId()));
    QThread::sleep(unsigned(o.windowS));
    for (auto &p : procs) {
        f.cpu += qMax(0.0, processCpu(p->processId()));
        f.rssMb += processRssMb(p->processId());
    }
    f.cpu -= before;
    for (auto &p : procs)
        p->kill();
    for (auto &p : procs)
        p->waitForFinished(5000);
    return f;
}

void benchLive(const QString &self, const QString &url, const Opts &o)
{
    std::vector<double> rss[3];
    auto one = [&](const QString &program, const std::function<QStringList(int)> &args, int count, int slot) {
        return [&, program, args, count, slot](int) {
            std::vector<std::unique_ptr<QProcess>> procs;
            for (int i = 0; i < count; ++i) {
                procs.push_back(std::make_unique<QProcess>());
                procs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                procs.back()->start(program, args(i));
            }
            const LiveFigure f = measureLive(procs, o);
            rss[slot].push_back(f.rssMb);
            return f.cpu;
        };
    };
    const QString n = QString::number(o.streams);
    const QStringList ff{"-loglevel", "error", "-rtsp_transport", "tcp", "-probesize", "32", "-analyzeduration", "0",
                         "-flags", "low_delay", "-thread_type", "slice", "-i", url, "-an", "-f", "null", "-"};
    const std::vector<Side> sides{
        {"player", one(self, [&](int) { return QStringList{"--child", "live-player", url, n}; }, 1, 0)},
        {"ffmpeg x" + n, one("ffmpeg", [&](int) { return ff; }, o.streams, 1)},
        {"libav loop", one(self, [&](int) { return QStringList{"--child", "live-libav", url, n}; }, 1, 2)},
    };
    const auto cpu = interleave(sides, o.rounds);
    std::printf("%d live streams %dx%d, rendering off, cpu over the same %d s after %d s of warm-up, %d interleaved "
                "rounds (median (range)):\n",
                o.streams, o.w, o.h, o.windowS, o.warmupS, o.rounds);
    for (size_t i = 0; i < sides.size(); ++i)
        std::printf("  %-10s cpu %s s, memory %s MB\n", qPrintable(sides[i].name), qPrintable(text(spread(cpu[i]), 2)),
                    qPrintable(text(spread(rss[i]), 0)));
    std::printf("  player/ffmpeg %s, player/libav %s (per-round ratios; goal: player/libav at most 1.05)\n",
                qPrintable(text(spread(ratios(cpu[0], cpu[1])), 2)), qPrintable(text(spread(ratios(cpu[0], cpu[2])), 2)));
    std::fflush(stdout);
}

// The capture stamp of the clock sources (see the RTSP server): ms, low 32 bits.
quint32 captureStamp(const AVFrame *f)
{
    quint32 stamp = 0;
    for (int bit = 0; bit < 32; ++bit)
        stamp = (stamp << 1) | (f->data[0][8 * f->linesize[0] + bit * 16 + 8] > 128 ? 1u : 0u);
    return stamp;
}

void benchJoin(const Server &server, const Opts &o)
{
    const int gopMs = 2000;
    // One client stays on, as a camera is watched by someone: the shared
    // encoder runs on and the others join it wherever it is.
    FFmpegPlayer anchor;
    anchor.setPlayUrl(server.url("/shared"));
    anchor.setAudioEnabled(false);
    anchor.play();
    pumpFor(3000);
    I420Render2 pane;
    pane.resize(640, 360);
    pane.show();
    std::vector<double> first, rest, excess;
    const int joins = o.quick ? 3 : 12;
    for (int j = 0; j < joins; ++j) {
        pumpFor(int(QRandomGenerator::global()->bounded(gopMs)));
        FFmpegPlayer p;
        p.setPlayUrl(server.url("/shared"));
        p.setAudioEnabled(false);
        qint64 paintedAt = -1;
        quint32 keyStamp = 0;
        QElapsedTimer t;
        QObject::connect(&p, &FFmpegPlayer::emitFrame, &pane, [&](std::shared_ptr<AVFrame> f) {
            if (paintedAt >= 0 || !f)
                return;
            pane.onFrame(f);
            pane.repaint();
            paintedAt = t.elapsed();
            keyStamp = captureStamp(f.get());
        });
        const quint32 joinedAt = quint32(QDateTime::currentMSecsSinceEpoch());
        t.start();
        p.play();
        while (paintedAt < 0 && t.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QThread::msleep(1);
        }
        p.stop();
        p.wait();
        QCoreApplication::sendPostedEvents(&pane, QEvent::MetaCall);
        if (paintedAt < 0)
            continue;
        // The first picture is the first key frame after the join; captured
        // before the join, it was on its way already: nothing to wait for.
        const qint64 toKey = qBound<qint64>(0, qint32(keyStamp - joinedAt), gopMs);
        first.push_back(double(paintedAt));
        rest.push_back(double(toKey));
        excess.push_back(double(paintedAt - toKey));
    }
    anchor.stop();
    anchor.wait();
    const long within = std::count_if(excess.begin(), excess.end(), [](double e) { return e <= 300; });
    std::printf("mid-GOP join of a shared live source (GOP %d ms), %zu joins at random points (median (range)):\n"
                "  first painted picture %s ms, rest of the GOP at the join %s ms, beyond the rest %s ms; "
                "%ld of %zu within rest + 300 ms (goal)\n",
                gopMs, first.size(), qPrintable(text(spread(first), 0)), qPrintable(text(spread(rest), 0)),
                qPrintable(text(spread(excess), 0)), within, excess.size());
    std::fflush(stdout);
}

// Rendering on and glass to glass: single runs of the player alone.
void benchRendering(const QString &url, const Server &clock, const Opts &o)
{
    const int grid = o.streams;
    const int liveMs = o.windowS * 1000;
    QWidget window;
    window.resize(1280, 720);
    window.show();
    std::vector<std::unique_ptr<FFmpegPlayer>> players;
    std::vector<I420Render2 *> panes;
    const int cols = grid >= 16 ? 4 : 2;
    for (int i = 0; i < grid; ++i) {
        players.push_back(std::make_unique<FFmpegPlayer>());
        players.back()->setPlayUrl(url);
        players.back()->setAudioEnabled(false);
        auto *pane = new I420Render2(&window);
        pane->setGeometry((i % cols) * 1280 / cols, (i / cols) * 720 / cols, 1280 / cols, 720 / cols);
        pane->show();
        QObject::connect(players.back().get(), &FFmpegPlayer::emitFrame, pane, &I420Render2::onFrame);
        panes.push_back(pane);
        players.back()->play();
    }
    pumpFor(liveMs);
    qint64 painted = 0, received = 0;
    double paintMs = 0;
    for (I420Render2 *pane : panes) {
        painted += pane->framesPainted();
        received += pane->framesReceived();
        paintMs += pane->paintTimeMs();
    }
    for (auto &p : players)
        p->stop();
    for (auto &p : players)
        p->wait();
    std::printf("%d streams, rendering on (%s), one run of %d s: %.1f received and %.1f painted per pane per s, "
                "paint cost %.2f ms per picture\n",
                grid, panes.empty() || panes[0]->usesOpenGL() ? "OpenGL" : "QPainter", o.windowS,
                received / (liveMs / 1000.0) / grid, painted / (liveMs / 1000.0) / grid,
                painted ? paintMs / painted : 0.0);

    I420Render2 pane;
    pane.resize(640, 360);
    pane.show();
    FFmpegPlayer p;
    p.setPlayUrl(clock.url("/clock"));
    p.setAudioEnabled(false);
    std::vector<qint64> lat;
    QObject::connect(&p, &FFmpegPlayer::emitFrame, &pane, [&](std::shared_ptr<AVFrame> f) {
        pane.onFrame(f);
        pane.repaint();
        if (f && f->width >= 512)
            lat.push_back(qint64(quint32(quint32(QDateTime::currentMSecsSinceEpoch()) - captureStamp(f.get()))));
    });
    p.play();
    pumpFor(o.quick ? 2000 : 8000);
    p.stop();
    p.wait();
    if (lat.size() > 10) {
        std::sort(lat.begin(), lat.end());
        std::printf("glass to glass (capture stamp to paint), one run, %zu pictures: median %lld ms, p95 %lld ms, "
                    "max %lld ms\n",
                    lat.size(), lat[lat.size() / 2], lat[lat.size() * 95 / 100], lat.back());
    }
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child") {
        QCoreApplication app(argc, argv);
        player::registerMetaTypes();
        return runChild(app.arguments().mid(2));
    }
    QApplication app(argc, argv);
    player::registerMetaTypes();
    Opts o;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--quick") {
            o.quick = true;
            o.w = 640;
            o.h = 360;
            o.clipS = 8;
            o.streams = 4;
            o.windowS = 2;
            o.warmupS = 1;
        } else if (i + 1 < args.size() && args[i] == "--rounds") {
            o.rounds = qMax(1, args[++i].toInt());
        } else if (i + 1 < args.size() && args[i] == "--streams") {
            o.streams = qBound(1, args[++i].toInt(), 64);
        } else if (i + 1 < args.size() && args[i] == "--window") {
            o.windowS = qBound(1, args[++i].toInt(), 600);
        }
    }
    const QString self = QCoreApplication::applicationFilePath();
    std::printf("cores %ld, load average %s; clips %dx%d, 25 fps, %d s, GOP 50\n", sysconf(_SC_NPROCESSORS_ONLN),
                qPrintable(loadAverage()), o.w, o.h, o.clipS);
    QTemporaryDir tmp;
    const QString clipDir = qEnvironmentVariableIsSet("BENCH_CLIP_DIR")
                                ? qEnvironmentVariable("BENCH_CLIP_DIR")
                                      + QStringLiteral("/%1x%2_%3_g50").arg(o.w).arg(o.h).arg(o.clipS)
                                : tmp.path();
    QDir().mkpath(clipDir);
    const QString h264 = makeClip(clipDir, "a264.mp4", "h264", o);
    const QString h265 = makeClip(clipDir, "a265.mp4", "h265", o);
    if (h264.isEmpty() || h265.isEmpty()) {
        std::printf("cannot make the test clips\n");
        return 1;
    }
    for (int threads : {1, 0}) {
        if (qEnvironmentVariableIsSet("BENCH_LIVE_ONLY"))
            break;
        benchDecode(self, h264, "H.264", threads, o);
        benchDecode(self, h265, "H.265", threads, o);
    }
    if (qEnvironmentVariableIsSet("BENCH_DECODE_ONLY"))
        return 0;

    Server server;
    if (!server.start({"/g=" + h264, "/shared=shared:1280x720", "/clock=clock:1280x720"})) {
        std::printf("rtsp server failed\n");
        return 1;
    }
    benchLive(self, server.url("/g"), o);
    benchJoin(server, o);
    benchRendering(server.url("/g"), server, o);
    std::printf("cores %ld, load average %s at the end\n", sysconf(_SC_NPROCESSORS_ONLN), qPrintable(loadAverage()));
    return 0;
}
