// Media engine figures, each side measured the same way over the same input:
//
// 1. Decode: one clip made at run time (1080p25, 60 s, GOP 50), decoded as
//    fast as possible by three whole processes with the same thread count:
//    this client's player, the ffmpeg tool (-f null), and a plain libav
//    decode loop (the physical reference: decoding with nothing around it).
//    Every run must decode every picture of the clip: a run that stops short
//    is reported as an error and left out of the ratios, never counted as
//    speed.
// 2. Live streams: N streams of the loopback RTSP server at once in four
//    ways: the player with rendering off (one process), N ffmpeg processes,
//    the libav loop (one process, one thread per stream), all with the
//    player's probe and live decoder settings, and the client itself: its
//    live page with N painted panes (offscreen platform), the same streams,
//    on a plain screen and on a 100 dpi one with the client's own scaling
//    (each pane then paints at a factor of 100/96); the painted sides then
//    close all their panes at once, the GUI thread's hold timed.
//    CPU is counted for every side over the same window after a warm-up;
//    memory at its end as PSS (shared pages split between the processes that
//    share them, so N processes do not count their libraries N times) beside
//    RSS; the client's GUI thread on its own; pictures decoded (and painted)
//    counted against what the streams sent.
// 3. Full operator load in one client process (16 live panes, 16 scheduled
//    recorders of the same streams, 4 panes playing a simulated NVR's 1080p
//    recording, alarms at 100/s from simulated cameras) against the sum of
//    its references: 16 ffmpeg decoders, 16 ffmpeg "-c copy" recorders and 4
//    ffmpeg decoders of the recording paced at its rate. The peers (RTSP
//    server, simulated devices) run for the client only and count for no
//    side. Also the GUI event loop's lateness and a layout click. Then the
//    same load with and without the windows an operator opens from the main
//    window opened and closed every 1.5 s (camera and NVR configuration,
//    playback, add device, alarm info): per window the GUI thread's longest
//    hold on open and on close (goal under 50 ms), the live panes' painted
//    intervals (99th percentile, count over 80 ms per 20 s: no worse with the
//    windows than without) and the memory trims the long ones fell on.
// 4. Mid-GOP join: a shared live source (one encoder, GOP 2 s); a player
//    joins at a random point of the GOP; the time to its first painted
//    picture against the rest of the GOP at the moment it joined.
// 5. Rendering on, and glass to glass on a clock source (single runs).
//
// Comparisons run in interleaved rounds (the sides take turns, their order
// rotating) and print median and range; never best-of. The core count and
// load average are printed before and after.
//
//   bench_player [--quick] [--rounds N] [--streams N] [--window S]
//
// --quick is a smoke run (small clip, short window). BENCH_CLIP_DIR keeps the
// generated clips between runs; BENCH_DECODE_ONLY, BENCH_LIVE_ONLY,
// BENCH_FULL_ONLY and BENCH_CHURN_ONLY run a part (the last with
// BENCH_LOAD_CLIENTS compares builds). BENCH_LOAD_CLIENTS (load_client programs of
// other builds, comma-separated) makes the full load compare those builds
// with each other in interleaved rounds instead of the client with the
// references: live and playback pictures decoded and painted, per pane per
// second and in all, and each round's playback figure, beside CPU and memory.
// Under CPU contention, run all of it pinned beside busy loops, e.g.
//   for i in $(seq 12); do taskset -c 4-7 sh -c 'while :; do :; done' & done
//   BENCH_FULL_ONLY=1 BENCH_LOAD_CLIENTS=old/load_client,new/load_client
//   taskset -c 4-7 bench_player --rounds 3 (the two lines one command)

#include "FFmpegPlayer.h"
#include "I420Render2.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSocketNotifier>
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
#include <optional>
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

struct Mem
{
    double rssMb = 0, pssMb = 0, anonMb = 0;
    Mem &operator+=(const Mem &o)
    {
        rssMb += o.rssMb;
        pssMb += o.pssMb;
        anonMb += o.anonMb;
        return *this;
    }
};

// Resident and proportional set sizes of a process (0 when gone).
Mem processMem(qint64 pid)
{
    Mem m;
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("Rss:"))
            m.rssMb = line.mid(4).trimmed().split(' ').first().toDouble() / 1024.0;
        else if (line.startsWith("Pss:"))
            m.pssMb = line.mid(4).trimmed().split(' ').first().toDouble() / 1024.0;
        else if (line.startsWith("Anonymous:"))
            m.anonMb = line.mid(10).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return m;
}

// CPU seconds of one thread of a process (the GUI thread's id is the pid).
double threadCpu(qint64 pid, qint64 tid)
{
    QFile f(QStringLiteral("/proc/%1/task/%2/stat").arg(pid).arg(tid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = f.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// "REPORT a=1 b=2" -> {a: 1, b: 2}
QHash<QString, double> parseReport(const QByteArray &out)
{
    QHash<QString, double> r;
    const int at = out.lastIndexOf("REPORT ");
    if (at < 0)
        return r;
    const QByteArray line = out.mid(at + 7, out.indexOf('\n', at) - at - 7);
    for (const QByteArray &kv : line.split(' ')) {
        const int eq = kv.indexOf('=');
        if (eq > 0)
            r.insert(QString::fromLatin1(kv.left(eq)), kv.mid(eq + 1).toDouble());
    }
    return r;
}

// Sends a command to a child and waits for its REPORT line.
QHash<QString, double> ask(QProcess &p, const QByteArray &command)
{
    p.write(command + "\n");
    p.waitForBytesWritten(2000);
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains("REPORT ") || !out.mid(out.lastIndexOf("REPORT ")).contains('\n')) {
        if (t.elapsed() > 15000 || !p.waitForReadyRead(1000)) {
            if (t.elapsed() > 15000 || p.state() != QProcess::Running)
                break;
            continue;
        }
        out += p.readAllStandardOutput();
    }
    return parseReport(out);
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
    return QStringLiteral("%1 (%2-%3)")
        .arg(s.median, 0, 'f', decimals)
        .arg(s.low, 0, 'f', decimals)
        .arg(s.high, 0, 'f', decimals);
}

// ---- inputs -------------------------------------------------------------------

QString makeClip(const QString &dir, const QString &name, const QString &codec, const Opts &o)
{
    const QString path = QDir(dir).filePath(name);
    if (QFile::exists(path))
        return path; // kept from an earlier run (BENCH_CLIP_DIR)
    QStringList args{"-loglevel",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     QStringLiteral("testsrc2=size=%1x%2:rate=25").arg(o.w).arg(o.h),
                     "-t",
                     QString::number(o.clipS),
                     "-pix_fmt",
                     "yuv420p",
                     "-bf",
                     "0",
                     "-g",
                     "50",
                     "-b:v",
                     "4M"};
    if (codec == "h265")
        args << "-c:v"
             << "libx265"
             << "-preset"
             << "veryfast"
             << "-x265-params"
             << "log-level=error"
             << "-tag:v"
             << "hvc1";
    else
        args << "-c:v"
             << "libx264"
             << "-preset"
             << "veryfast";
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
    // Not stop(): its 100 ms pause is the owners' courtesy, not decoding time.
    p.requestStop();
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
        // "mark" and "report" on standard input, as load_client answers them.
        auto decoded = [&players] {
            qint64 sum = 0;
            for (auto &p : players)
                sum += p->framesDecoded();
            return sum;
        };
        qint64 base = 0;
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, [&] {
            char buf[256];
            const ssize_t got = ::read(STDIN_FILENO, buf, sizeof buf);
            if (got <= 0) {
                input.setEnabled(false);
                QCoreApplication::quit();
                return;
            }
            const QByteArray text(buf, int(got));
            if (text.contains("mark"))
                base = decoded();
            if (text.contains("report")) {
                std::printf("REPORT liveDecoded=%lld\n", static_cast<long long>(decoded() - base));
                std::fflush(stdout);
            }
        });
        QCoreApplication::exec(); // until its input ends
        return 0;
    }
    if (mode == "live-libav") {
        std::atomic_bool stop{false};
        std::vector<std::thread> threads;
        for (int i = 0; i < n; ++i)
            threads.emplace_back([&] { libavDecode(a.value(1), 0, &stop); });
        for (std::thread &t : threads)
            t.join(); // until killed
        return 0;
    }
    return 2;
}

// ---- comparisons ----------------------------------------------------------------

struct Side
{
    QString name;
    std::function<double(int round)> measure; // one figure per round
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

// One run of a program to its end: wall seconds (-1 on failure), CPU
// seconds, peak memory (sampled every 50 ms) and what it printed.
struct Run
{
    double secs = -1, cpu = 0;
    Mem peak;
    QByteArray out;
};

Run timedRun(const QString &program, const QStringList &args)
{
    Run r;
    QProcess p;
    const double cpu0 = childrenCpu();
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForStarted())
        return r;
    while (!p.waitForFinished(50)) {
        const Mem m = processMem(p.processId());
        r.peak.rssMb = qMax(r.peak.rssMb, m.rssMb);
        r.peak.pssMb = qMax(r.peak.pssMb, m.pssMb);
    }
    const double secs = t.nsecsElapsed() / 1e9;
    r.cpu = childrenCpu() - cpu0;
    r.out = p.readAllStandardOutput();
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        r.secs = secs;
    return r;
}

// Pictures a decode run reports: "FRAMES n" from this program's children,
// the last "frame=n" of ffmpeg's progress lines.
qint64 picturesOf(const QByteArray &out)
{
    int at = out.lastIndexOf("FRAMES ");
    if (at >= 0)
        return out.mid(at + 7, out.indexOf('\n', at) - at - 7).trimmed().toLongLong();
    at = out.lastIndexOf("frame=");
    if (at >= 0)
        return out.mid(at + 6, out.indexOf('\n', at) - at - 6).trimmed().toLongLong();
    return -1;
}

void benchDecode(const QString &self, const QString &file, const QString &codecName, int threads, const Opts &o)
{
    const Run ref = timedRun(self, {"--child", "decode-libav", file, QString::number(threads)});
    const qint64 frames = picturesOf(ref.out);
    if (ref.secs < 0 || frames <= 0) {
        std::printf("decode %s: the reference cannot decode the clip\n", qPrintable(codecName));
        return;
    }
    const QString t = QString::number(threads);
    struct Figures
    {
        std::vector<double> cpu, rss, pss;
        int short_ = 0;
        QStringList shortRuns;
    };
    Figures figs[3];
    auto side = [&](const QString &program, const QStringList &args, Figures *f) {
        return [&, program, args, f](int round) {
            const Run r = timedRun(program, args);
            const qint64 got = picturesOf(r.out);
            f->cpu.push_back(r.cpu);
            f->rss.push_back(r.peak.rssMb);
            f->pss.push_back(r.peak.pssMb);
            if (r.secs < 0 || got != frames) {
                // A run that stops short decoded less: an error, not a speed.
                ++f->short_;
                f->shortRuns << QStringLiteral("round %1: %2 of %3 pictures%4")
                                    .arg(round + 1)
                                    .arg(got)
                                    .arg(frames)
                                    .arg(r.secs < 0 ? QStringLiteral(", failed") : QString());
                return 0.0;
            }
            return double(frames) / r.secs;
        };
    };
    const std::vector<Side> sides{
        {"player", side(self, {"--child", "decode-player", file, t}, &figs[0])},
        {"ffmpeg", side("ffmpeg",
                        {"-loglevel", "error", "-nostats", "-progress", "pipe:1", "-threads", t, "-i", file, "-an",
                         "-f", "null", "-"},
                        &figs[1])},
        {"libav loop", side(self, {"--child", "decode-libav", file, t}, &figs[2])},
    };
    const auto fps = interleave(sides, o.rounds);
    std::printf("decode %s, threads %s, %lld pictures, whole process each, %d interleaved rounds (median (range)):\n",
                qPrintable(codecName), threads ? qPrintable(t) : "auto", static_cast<long long>(frames), o.rounds);
    for (size_t i = 0; i < sides.size(); ++i) {
        std::vector<double> ok;
        for (double v : fps[i])
            if (v > 0)
                ok.push_back(v);
        std::printf("  %-10s %s fps, cpu %s s, memory PSS %s MB (RSS %s MB)%s\n", qPrintable(sides[i].name),
                    qPrintable(text(spread(ok))), qPrintable(text(spread(figs[i].cpu), 2)),
                    qPrintable(text(spread(figs[i].pss), 0)), qPrintable(text(spread(figs[i].rss), 0)),
                    figs[i].short_ ? "" : ", every picture in every round");
        for (const QString &line : figs[i].shortRuns)
            std::printf("  !! ERROR %s stopped short, %s\n", qPrintable(sides[i].name), qPrintable(line));
    }
    // Ratios of the rounds where both sides decoded every picture.
    auto pairRatios = [](const std::vector<double> &a, const std::vector<double> &b) {
        std::vector<double> out;
        for (size_t i = 0; i < a.size() && i < b.size(); ++i)
            if (a[i] > 0 && b[i] > 0)
                out.push_back(a[i] / b[i]);
        return out;
    };
    std::printf("  player/ffmpeg %s, player/libav %s (per-round fps ratios of complete runs; goal: player/ffmpeg at "
                "least 1.0)\n",
                qPrintable(text(spread(pairRatios(fps[0], fps[1])), 2)),
                qPrintable(text(spread(pairRatios(fps[0], fps[2])), 2)));
    std::fflush(stdout);
}

// One process of a side. A reporting one answers "mark" and "report" on its
// input (load_client, the live-player child).
struct Proc
{
    QString program;
    QStringList args;
    bool reports = false;
    QStringList env; // NAME=value added to the environment
};

// What a side did over the window.
struct Window
{
    double cpu = 0;     // CPU seconds of all its processes
    double guiCpu = -1; // of the reporting process's main thread
    Mem mem;            // at the end of the window, summed over its processes
    QHash<QString, double> report;
};

// Starts the processes, lets them warm up, counts CPU over the window, reads
// memory and the report at its end and stops them. extraCommands go to the
// reporting process after all that (a click, say); what it answers is added
// to the report. startCommands go to it with "mark" (a churn, say).
Window measureGroup(const std::vector<Proc> &procs, int warmupS, int windowS, const QByteArray &extraCommands = {},
                    const QByteArray &startCommands = {})
{
    std::vector<std::unique_ptr<QProcess>> ps;
    QProcess *reporter = nullptr;
    for (const Proc &pr : procs) {
        ps.push_back(std::make_unique<QProcess>());
        QProcess &p = *ps.back();
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (!pr.reports)
            p.setStandardOutputFile(QProcess::nullDevice());
        if (!pr.env.isEmpty()) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const QString &kv : pr.env)
                env.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
            p.setProcessEnvironment(env);
        }
        p.start(pr.program, pr.args);
        p.waitForStarted();
        if (pr.reports)
            reporter = &p;
    }
    Window w;
    QThread::sleep(unsigned(warmupS));
    if (reporter) {
        reporter->write("mark\n" + startCommands);
        reporter->waitForBytesWritten(2000);
    }
    double before = 0, guiBefore = 0;
    for (auto &p : ps)
        before += qMax(0.0, processCpu(p->processId()));
    if (reporter)
        guiBefore = threadCpu(reporter->processId(), reporter->processId());
    QThread::sleep(unsigned(windowS));
    for (auto &p : ps) {
        w.cpu += qMax(0.0, processCpu(p->processId()));
        w.mem += processMem(p->processId());
    }
    w.cpu -= before;
    if (reporter) {
        w.guiCpu = threadCpu(reporter->processId(), reporter->processId()) - guiBefore;
        w.report = ask(*reporter, "report");
        // After the window's report: a click may restart panes and their counts.
        if (!extraCommands.isEmpty()) {
            const QHash<QString, double> extra = ask(*reporter, extraCommands);
            for (auto it = extra.cbegin(); it != extra.cend(); ++it)
                w.report.insert(it.key(), it.value());
        }
        reporter->closeWriteChannel();
        if (!reporter->waitForFinished(10000))
            reporter->kill();
        else if (reporter->exitStatus() != QProcess::NormalExit || reporter->exitCode() != 0)
            std::printf("  !! %s ended badly (exit %d%s)\n", qPrintable(QFileInfo(reporter->program()).fileName()),
                        reporter->exitCode(), reporter->exitStatus() == QProcess::CrashExit ? ", crashed" : "");
    }
    for (auto &p : ps)
        if (p->state() != QProcess::NotRunning)
            p->kill();
    for (auto &p : ps)
        p->waitForFinished(5000);
    return w;
}

struct SideFigures
{
    std::vector<double> cpu, rss, pss, anon, gui;
    std::vector<QHash<QString, double>> reports;
    std::vector<double> of(const QString &key) const
    {
        std::vector<double> v;
        for (const auto &r : reports)
            v.push_back(r.value(key, -1));
        return v;
    }
};

QString memText(const SideFigures &f)
{
    QString out = QStringLiteral("PSS %1 MB (RSS %2 MB").arg(text(spread(f.pss), 0), text(spread(f.rss), 0));
    if (!f.anon.empty())
        out += QStringLiteral(", allocated %1 MB").arg(text(spread(f.anon), 0));
    return out + QLatin1Char(')');
}

// The reference side of a live row: ffmpeg decoding one stream as the
// player opens it (TCP, no probing delay, slice threads), pictures dropped.
QStringList ffmpegLiveDecoder(const QString &url)
{
    return QStringLiteral("-loglevel error -rtsp_transport tcp -probesize 32 -analyzeduration 0 -flags low_delay "
                          "-thread_type slice -i")
               .split(QLatin1Char(' '))
           + QStringList{url, "-an", "-f", "null", "-"};
}

void benchLive(const QString &self, const QString &url, const Opts &o)
{
    const QString n = QString::number(o.streams);
    const QStringList ff = ffmpegLiveDecoder(url);
    std::vector<std::vector<Proc>> groups(5);
    groups[0].push_back({self, {"--child", "live-player", url, n}, true, {}});
    for (int i = 0; i < o.streams; ++i)
        groups[1].push_back({"ffmpeg", ff, false, {}});
    groups[2].push_back({self, {"--child", "live-libav", url, n}, false, {}});
    groups[3].push_back({KELVO_LOAD_CLIENT, {"panes", url, n}, true, {"QT_QPA_PLATFORM=offscreen"}});
    // The offscreen screen is a 100 dpi one: with the client's own scaling
    // set up, every pane paints at a factor of 100/96.
    groups[4].push_back({KELVO_LOAD_CLIENT, {"panes", url, n, "client-dpi"}, true, {"QT_QPA_PLATFORM=offscreen"}});
    std::vector<SideFigures> figs(groups.size());
    std::vector<Side> sides;
    const QStringList names{"player, rendering off", "ffmpeg x" + n, "libav loop", "client, " + n + " painted panes",
                            "client, 100 dpi screen"};
    for (size_t i = 0; i < groups.size(); ++i)
        sides.push_back({names.at(int(i)), [&, i](int) {
                             // The painted sides then close their panes at once, timed.
                             const Window w =
                                 measureGroup(groups[i], o.warmupS, o.windowS, i >= 3 ? "close" : QByteArray());
                             figs[i].rss.push_back(w.mem.rssMb);
                             figs[i].pss.push_back(w.mem.pssMb);
                             figs[i].anon.push_back(w.mem.anonMb);
                             figs[i].gui.push_back(w.guiCpu);
                             figs[i].reports.push_back(w.report);
                             return w.cpu;
                         }});
    const auto cpu = interleave(sides, o.rounds);
    std::printf("%d live streams %dx%d, 25 fps, cpu over the same %d s after %d s of warm-up, %d interleaved rounds "
                "(median (range)):\n",
                o.streams, o.w, o.h, o.windowS, o.warmupS, o.rounds);
    const double sent = 25.0 * o.windowS * o.streams;
    for (size_t i = 0; i < sides.size(); ++i) {
        std::printf("  %-24s cpu %s s, memory %s", qPrintable(sides[i].name), qPrintable(text(spread(cpu[i]), 2)),
                    qPrintable(memText(figs[i])));
        if (figs[i].reports.front().contains("liveDecoded")) {
            std::vector<double> dec, painted;
            for (const auto &r : figs[i].reports) {
                dec.push_back(r.value("liveDecoded") / o.windowS / o.streams);
                painted.push_back(r.value("livePainted", -1) / o.windowS / o.streams);
            }
            std::printf(", decoded %s per stream per s", qPrintable(text(spread(dec))));
            if (figs[i].reports.front().contains("livePainted"))
                std::printf(", painted %s per pane per s", qPrintable(text(spread(painted))));
            for (size_t r = 0; r < figs[i].reports.size(); ++r)
                if (figs[i].reports[r].value("liveDecoded") < 0.98 * sent)
                    std::printf("\n  !! ERROR round %zu decoded %.0f of the about %.0f pictures the streams sent",
                                r + 1, figs[i].reports[r].value("liveDecoded"), sent);
        }
        if (figs[i].gui.front() >= 0 && figs[i].reports.front().contains("livePainted")) {
            std::vector<double> pct;
            for (double g : figs[i].gui)
                pct.push_back(100.0 * g / o.windowS);
            std::printf(", GUI thread %s %% of a core", qPrintable(text(spread(pct))));
        }
        if (figs[i].reports.front().contains("closeMs"))
            std::printf(", device pixel ratio %.4f, closing all panes holds the GUI thread %s ms",
                        figs[i].reports.front().value("dpr"), qPrintable(text(spread(figs[i].of("closeMs")), 1)));
        std::printf("\n");
    }
    std::printf(
        "  player/ffmpeg %s, player/libav %s, client painted/player decode-only %s, at 100 dpi %s (per-round "
        "cpu ratios; goals: player/libav at most 1.05, painted/decode-only at most 1.10, GUI thread under "
        "15 %%)\n",
        qPrintable(text(spread(ratios(cpu[0], cpu[1])), 2)), qPrintable(text(spread(ratios(cpu[0], cpu[2])), 2)),
        qPrintable(text(spread(ratios(cpu[3], cpu[0])), 2)), qPrintable(text(spread(ratios(cpu[4], cpu[0])), 2)));
    std::fflush(stdout);
}

// The simulated devices of the full load: cameras pushing alarms and an NVR
// playing the clip back; "READY kind ip port" lines name them.
struct Peers
{
    QProcess alarms, nvr;
    QStringList alarmAddresses;
    QString nvrIp;
    int nvrPort = 0;

    static QList<QStringList> ready(QProcess &p, int count)
    {
        QList<QStringList> out;
        QByteArray buf;
        while (out.size() < count && p.waitForReadyRead(15000)) {
            buf += p.readAllStandardOutput();
            int nl;
            while ((nl = buf.indexOf('\n')) >= 0) {
                const QStringList parts = QString::fromLatin1(buf.left(nl).trimmed()).split(QLatin1Char(' '));
                buf.remove(0, nl + 1);
                if (parts.size() >= 4 && parts.at(0) == QLatin1String("READY"))
                    out << parts;
            }
        }
        return out;
    }
    bool start(const QString &clip, int alarmCameras, int alarmsPerCameraPerS, int seconds)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const int perCamera = alarmsPerCameraPerS * seconds;
        env.insert("KELVO_SIM_ALARMS", QStringLiteral("%1:%2").arg(perCamera).arg(1000 / alarmsPerCameraPerS));
        alarms.setProcessEnvironment(env);
        alarms.setStandardErrorFile(QProcess::nullDevice());
        alarms.start(KELVO_SIMDEVICE,
                     {"--count", QString::number(alarmCameras), "--base", "127.67.0.1", "--port", "0"});
        for (const QStringList &r : ready(alarms, alarmCameras))
            alarmAddresses << r.at(2) + ":" + r.at(3);
        nvr.setStandardErrorFile(QProcess::nullDevice());
        nvr.start(KELVO_SIMDEVICE, {"--nvr", "127.68.0.1/4", "--port", "0", "--clip", clip});
        const QList<QStringList> n = ready(nvr, 1);
        if (!n.isEmpty()) {
            nvrIp = n.first().at(2);
            nvrPort = n.first().at(3).toInt();
        }
        return alarmAddresses.size() == alarmCameras && nvrPort > 0;
    }
    ~Peers()
    {
        for (QProcess *p : {&alarms, &nvr}) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
};

// One round of the client under the full load, against simulated devices of
// its own; nothing if they did not start.
std::optional<Window> measureFullLoad(const QString &program, const QString &url, const QString &clip, int n,
                                      const QString &recordPath, int warmupS, int windowS,
                                      const QByteArray &extraCommands, const QByteArray &startCommands = {})
{
    Peers peers;
    if (!peers.start(clip, 10, 10, warmupS + windowS + 30)) {
        std::printf("  !! the simulated devices did not start\n");
        return std::nullopt;
    }
    QStringList args{"full", url, QString::number(n), recordPath, peers.nvrIp, QString::number(peers.nvrPort)};
    args += peers.alarmAddresses;
    return measureGroup({{program, args, true, {"QT_QPA_PLATFORM=offscreen"}}}, warmupS, windowS, extraCommands,
                        startCommands);
}

void benchFull(const QString &url, const QString &clip, const Opts &o)
{
    const int n = o.streams;
    const int warmupS = o.warmupS + 5; // logins, the NVR's streams and the recorders' first segments
    QTemporaryDir recordDir;
    const QStringList ff = ffmpegLiveDecoder(url);
    // BENCH_LOAD_CLIENTS (paths, comma-separated) compares builds of the
    // client with each other, side by side, instead of with the references.
    QStringList programs = qEnvironmentVariable("BENCH_LOAD_CLIENTS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    const bool builds = !programs.isEmpty();
    if (!builds)
        programs << QStringLiteral(KELVO_LOAD_CLIENT);
    std::vector<SideFigures> clients(size_t(programs.size()));
    SideFigures &client = clients.front();
    SideFigures refs;
    std::vector<Side> sides;
    for (int c = 0; c < programs.size(); ++c) {
        const QString program = programs.at(c);
        sides.push_back({builds ? program : QStringLiteral("client, full load"), [&, program, c](int round) {
                             const std::optional<Window> measured =
                                 measureFullLoad(program, url, clip, n,
                                                 recordDir.filePath(QStringLiteral("client%1_%2").arg(c).arg(round)),
                                                 warmupS, o.windowS, "click");
                             if (!measured)
                                 return 0.0;
                             const Window &w = *measured;
                             SideFigures &f = clients[size_t(c)];
                             f.rss.push_back(w.mem.rssMb);
                             f.pss.push_back(w.mem.pssMb);
                             f.anon.push_back(w.mem.anonMb);
                             f.gui.push_back(w.guiCpu);
                             f.reports.push_back(w.report);
                             return w.cpu;
                         }});
    }
    if (builds) {
        const auto cpu = interleave(sides, o.rounds);
        std::printf("full load (%d live panes, %d scheduled recorders, 4 NVR playback panes, %dx%d, alarms at 100/s), "
                    "builds of the client side by side; cpu over the same %d s after %d s, memory at its end, %d "
                    "interleaved rounds (median (range)):\n",
                    n, n, o.w, o.h, o.windowS, warmupS, o.rounds);
        for (size_t c = 0; c < clients.size(); ++c) {
            const SideFigures &f = clients[c];
            auto perPane = [&](const QString &key, int panes) {
                std::vector<double> v;
                for (double x : f.of(key))
                    v.push_back(x / o.windowS / panes);
                return text(spread(v));
            };
            // Pictures a playback pane's decoder made that never reached it.
            std::vector<double> notHanded;
            const auto playDecoded = f.of("playDecoded"), playPainted = f.of("playPainted");
            for (size_t r = 0; r < playDecoded.size() && r < playPainted.size(); ++r)
                if (playDecoded[r] > 0)
                    notHanded.push_back(100.0 * (playDecoded[r] - playPainted[r]) / playDecoded[r]);
            std::printf("  %s\n    cpu %s s, memory %s\n    live decoded %s and painted %s per pane per s; "
                        "playback decoded %s and painted %s per pane per s, %s %% of the decoded not painted\n"
                        "    in the window: live %s decoded, %s painted; playback %s decoded, %s painted\n",
                        qPrintable(sides[c].name), qPrintable(text(spread(cpu[c]), 2)), qPrintable(memText(f)),
                        qPrintable(perPane("liveDecoded", n)), qPrintable(perPane("livePainted", n)),
                        qPrintable(perPane("playDecoded", 4)), qPrintable(perPane("playPainted", 4)),
                        qPrintable(text(spread(notHanded))), qPrintable(text(spread(f.of("liveDecoded")), 0)),
                        qPrintable(text(spread(f.of("livePainted")), 0)),
                        qPrintable(text(spread(f.of("playDecoded")), 0)),
                        qPrintable(text(spread(f.of("playPainted")), 0)));
            // Each round on its own, to read the sides' rounds side by side.
            std::printf("    rounds (playback painted per pane per s):");
            for (double x : playPainted)
                std::printf(" %.2f", x / o.windowS / 4);
            std::printf("\n");
        }
        std::fflush(stdout);
        return;
    }
    sides.push_back(
        {"references", [&](int round) {
             std::vector<Proc> procs;
             for (int i = 0; i < n; ++i)
                 procs.push_back({"ffmpeg", ff, false, {}});
             const QString dir = recordDir.filePath(QStringLiteral("refs%1").arg(round));
             QDir().mkpath(dir);
             for (int i = 0; i < n; ++i)
                 procs.push_back({"ffmpeg",
                                  {"-loglevel", "error", "-rtsp_transport", "tcp", "-i", url, "-an", "-c", "copy", "-f",
                                   "segment", "-segment_time", "30", "-reset_timestamps", "1",
                                   QStringLiteral("%1/cam%2_%03d.mp4").arg(dir).arg(i)},
                                  false,
                                  {}});
             for (int i = 0; i < 4; ++i)
                 procs.push_back(
                     {"ffmpeg", {"-loglevel", "error", "-re", "-i", clip, "-an", "-f", "null", "-"}, false, {}});
             const Window w = measureGroup(procs, warmupS, o.windowS);
             refs.rss.push_back(w.mem.rssMb);
             refs.pss.push_back(w.mem.pssMb);
             refs.anon.push_back(w.mem.anonMb);
             return w.cpu;
         }});
    const auto cpu = interleave(sides, o.rounds);
    std::printf("full load: %d live panes, %d scheduled recorders, 4 NVR playback panes (%dx%d), alarms at 100/s, "
                "one client process, against %d ffmpeg decoders + %d ffmpeg -c copy recorders + 4 paced ffmpeg "
                "decoders; cpu over the same %d s after %d s, %d interleaved rounds (median (range)):\n",
                n, n, o.w, o.h, n, n, o.windowS, warmupS, o.rounds);
    auto perSecond = [&](const QString &key, double per) {
        std::vector<double> v;
        for (double x : client.of(key))
            v.push_back(x / o.windowS / per);
        return text(spread(v));
    };
    std::vector<double> gui;
    for (double g : client.gui)
        gui.push_back(100.0 * g / o.windowS);
    std::printf("  client      cpu %s s, memory %s; live decoded %s and painted %s per pane per s, playback painted "
                "%s per pane per s, alarms %s per s; GUI thread %s %% of a core, event loop late by at most %s ms "
                "(99th percentile %s ms), layout click to painted %s ms\n",
                qPrintable(text(spread(cpu[0]), 2)), qPrintable(memText(client)),
                qPrintable(perSecond("liveDecoded", n)), qPrintable(perSecond("livePainted", n)),
                qPrintable(perSecond("playPainted", 4)), qPrintable(perSecond("alarms", 1)),
                qPrintable(text(spread(gui))), qPrintable(text(spread(client.of("latencyMax")), 0)),
                qPrintable(text(spread(client.of("latencyP99")), 0)),
                qPrintable(text(spread(client.of("clickMs")), 1)));
    std::printf("  references  cpu %s s, memory %s\n", qPrintable(text(spread(cpu[1]), 2)), qPrintable(memText(refs)));
    std::printf("  client/references cpu %s, memory (PSS) %s (per-round ratios; goals: cpu at most 1.0, memory under "
                "0.5, event loop under 50 ms)\n",
                qPrintable(text(spread(ratios(cpu[0], cpu[1])), 2)),
                qPrintable(text(spread(ratios(client.pss, refs.pss)), 2)));
    std::fflush(stdout);
}

// The full load with and without windows coming and going: per build, two
// sides (steady, churn) in the same interleaved rounds. Per window the
// longest hold of the GUI thread on open and on close; the live panes'
// painted intervals (99th percentile, count over 80 ms per 20 s) and how
// many of the long ones a memory trim fell in.
void benchChurn(const QString &url, const QString &clip, const Opts &o)
{
    const int n = o.streams;
    const int warmupS = o.warmupS + 5;
    QTemporaryDir recordDir;
    QStringList programs = qEnvironmentVariable("BENCH_LOAD_CLIENTS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (programs.isEmpty())
        programs << QStringLiteral(KELVO_LOAD_CLIENT);
    std::vector<SideFigures> figs(size_t(programs.size()) * 2);
    std::vector<Side> sides;
    for (int c = 0; c < programs.size(); ++c)
        for (int churn = 0; churn < 2; ++churn) {
            const QString program = programs.at(c);
            const size_t at = size_t(c) * 2 + size_t(churn);
            sides.push_back({program + (churn ? " churn" : " steady"), [&, program, at, churn](int round) {
                                 const std::optional<Window> measured = measureFullLoad(
                                     program, url, clip, n,
                                     recordDir.filePath(QStringLiteral("c%1_%2").arg(at).arg(round)), warmupS,
                                     o.windowS, {}, churn ? QByteArray("churn\n") : QByteArray());
                                 if (!measured)
                                     return 0.0;
                                 const Window &w = *measured;
                                 figs[at].pss.push_back(w.mem.pssMb);
                                 figs[at].rss.push_back(w.mem.rssMb);
                                 figs[at].anon.push_back(w.mem.anonMb);
                                 figs[at].reports.push_back(w.report);
                                 return w.cpu;
                             }});
        }
    const auto cpu = interleave(sides, o.rounds);
    std::printf("full load (%d live panes, %d scheduled recorders, 4 NVR playback panes, alarms at 100/s) with and "
                "without windows opened and closed every 1.5 s; %d s after %d s, %d interleaved rounds (median "
                "(range)):\n",
                n, n, o.windowS, warmupS, o.rounds);
    const char *kinds[] = {"cameraConfig", "nvrConfig", "playback", "addDevice", "alarmInfo"};
    for (size_t i = 0; i < sides.size(); ++i) {
        const SideFigures &f = figs[i];
        std::vector<double> over;
        for (double x : f.of("paintOver80"))
            over.push_back(x * 20.0 / o.windowS);
        std::printf("  %s\n    cpu %s s, %s; painted interval p99 %s ms, over 80 ms %s per 20 s (%s of them on a "
                    "trim, %s by chance); trims %s (median %s ms, max %s ms); event loop late by at most %s ms\n",
                    qPrintable(sides[i].name), qPrintable(text(spread(cpu[i]), 2)), qPrintable(memText(f)),
                    qPrintable(text(spread(f.of("paintP99")), 0)), qPrintable(text(spread(over), 1)),
                    qPrintable(text(spread(f.of("over80OnTrim")), 0)),
                    qPrintable(text(spread(f.of("over80OnTrimByChance")), 0)),
                    qPrintable(text(spread(f.of("trims")), 0)), qPrintable(text(spread(f.of("trimMedianMs")), 1)),
                    qPrintable(text(spread(f.of("trimMaxMs")), 1)), qPrintable(text(spread(f.of("latencyMax")), 0)));
        if (i % 2 == 1) {
            // The hold: the event itself, or the loop's lateness until the
            // next window's, whichever is longer (so it includes what the
            // rest of the load costs the loop: compare with the steady side's
            // lateness).
            std::printf("    longest hold of the GUI thread, open / close, ms (goal under 50; the event alone in "
                        "brackets):\n");
            for (const char *k : kinds)
                std::printf("      %-13s %s / %s [%s / %s], %s cycles\n", k,
                            qPrintable(text(spread(f.of(QStringLiteral("%1Open").arg(k))), 0)),
                            qPrintable(text(spread(f.of(QStringLiteral("%1Close").arg(k))), 0)),
                            qPrintable(text(spread(f.of(QStringLiteral("%1OpenOwn").arg(k))), 0)),
                            qPrintable(text(spread(f.of(QStringLiteral("%1CloseOwn").arg(k))), 0)),
                            qPrintable(text(spread(f.of(QStringLiteral("%1Cycles").arg(k))), 0)));
        }
    }
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

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child") {
        QCoreApplication app(argc, argv);
        av_log_set_level(AV_LOG_ERROR); // as the ffmpeg side runs
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
    const QString clipDir =
        qEnvironmentVariableIsSet("BENCH_CLIP_DIR")
            ? qEnvironmentVariable("BENCH_CLIP_DIR") + QStringLiteral("/%1x%2_%3_g50").arg(o.w).arg(o.h).arg(o.clipS)
            : tmp.path();
    QDir().mkpath(clipDir);
    const QString h264 = makeClip(clipDir, "a264.mp4", "h264", o);
    const QString h265 = makeClip(clipDir, "a265.mp4", "h265", o);
    if (h264.isEmpty() || h265.isEmpty()) {
        std::printf("cannot make the test clips\n");
        return 1;
    }
    for (int threads : {1, 0}) {
        if (qEnvironmentVariableIsSet("BENCH_LIVE_ONLY") || qEnvironmentVariableIsSet("BENCH_FULL_ONLY")
            || qEnvironmentVariableIsSet("BENCH_CHURN_ONLY"))
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
    if (qEnvironmentVariableIsSet("BENCH_CHURN_ONLY")) {
        benchChurn(server.url("/g"), h264, o);
        return 0;
    }
    if (!qEnvironmentVariableIsSet("BENCH_FULL_ONLY"))
        benchLive(self, server.url("/g"), o);
    if (!qEnvironmentVariableIsSet("BENCH_LIVE_ONLY")) {
        benchFull(server.url("/g"), h264, o);
        benchChurn(server.url("/g"), h264, o);
    }
    if (qEnvironmentVariableIsSet("BENCH_LIVE_ONLY") || qEnvironmentVariableIsSet("BENCH_FULL_ONLY"))
        return 0;
    benchJoin(server, o);
    benchRendering(server.url("/g"), server, o);
    std::printf("cores %ld, load average %s at the end\n", sysconf(_SC_NPROCESSORS_ONLN), qPrintable(loadAverage()));
    return 0;
}
