// A live pane's return after an outage of its RTSP source: the pane plays the
// loopback server, the server goes away for the outage and comes back on its
// port; the figure is the time from the server listening again to the first
// picture decoded from it reaching the pane (repaints of the old, greyed
// picture do not count: they come before). Two sides in interleaved rounds,
// the same server, clip, outage and pane size: the pane as the client runs
// it (its source's port probed while it has failed) and the pane on its
// retry steps alone (1, 2, 4, 8, 16, then every 30 s). Median and range of
// the rounds; the new pictures in the first second after the return are
// counted too, so a side that only flickers back does not pass for healed.
//
//   bench_paneheal [--rounds N] [--outage S]

#include "I420Render2.h"
#include "PlayerCommon.h"
#include "VideoPreviewPane.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QString makeClip(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-loglevel", "error", "-y",       "-f",      "lavfi",    "-i", "testsrc2=size=640x360:rate=25",
                       "-t",        "120",   "-pix_fmt", "yuv420p", "-bf",      "0",  "-g",
                       "25",        "-c:v",  "libx264",  "-preset", "veryfast", path});
    return p.waitForFinished(120000) && p.exitCode() == 0 ? path : QString();
}

// The loopback RTSP server; after the first start it comes back on its port.
struct Server
{
    QProcess proc;
    int port = 0;
    bool start(const QString &clip)
    {
        QStringList args{"--mount", "/s=" + clip};
        if (port > 0)
            args << "--port" << QString::number(port);
        proc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proc.start(KELVO_RTSP_SERVER, args);
        if (!proc.waitForStarted())
            return false;
        QByteArray out;
        while (!out.contains('\n') && proc.waitForReadyRead(10000))
            out += proc.readAllStandardOutput();
        const int at = out.indexOf("PORT ");
        const int got = at >= 0 ? out.mid(at + 5).trimmed().toInt() : 0;
        if (port == 0)
            port = got;
        return got > 0 && got == port;
    }
    void quit()
    {
        if (proc.state() == QProcess::NotRunning)
            return;
        proc.write("quit\n");
        proc.closeWriteChannel();
        if (!proc.waitForFinished(3000))
            proc.kill();
        proc.waitForFinished();
    }
    ~Server() { quit(); }
};

bool pumpUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void pumpFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Figures
{
    std::vector<double> ms, pictures;
    int failed = 0;
};

QString spreadText(std::vector<double> v, int decimals)
{
    if (v.empty())
        return QStringLiteral("-");
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return QStringLiteral("%1 (%2-%3)")
        .arg(median, 0, 'f', decimals)
        .arg(v.front(), 0, 'f', decimals)
        .arg(v.back(), 0, 'f', decimals);
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
    const auto option = [&](const char *name, int fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 ? args.value(at + 1).toInt() : fallback;
    };
    const int rounds = qMax(1, option("--rounds", 3));
    const int outageS = qMax(1, option("--outage", 40));

    QTemporaryDir tmp;
    const QString clip = makeClip(tmp.filePath("clip.mp4"));
    if (clip.isEmpty()) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 1;
    }
    Server server;
    if (!server.start(clip)) {
        std::fprintf(stderr, "rtsp server failed\n");
        return 1;
    }
    const QString url = QStringLiteral("rtsp://127.0.0.1:%1/s").arg(server.port);

    const char *names[] = {"pane with its port probe", "pane on its retry steps alone"};
    Figures figures[2];
    for (int r = 0; r < rounds; ++r) {
        for (int k = 0; k < 2; ++k) {
            const int side = (k + r) % 2;
            VideoPreviewPane::setSourceProbeEnabled(side == 0);
            VideoPreviewPane pane(0);
            pane.resize(640, 382);
            pane.show();
            pane.startPlay(url, QString(), QStringLiteral("bench"));
            I420Render2 *render = pane.renderer();
            if (!pumpUntil([&] { return render->framesPainted() > 25; }, 20000)) {
                std::fprintf(stderr, "round %d: no pictures before the outage\n", r + 1);
                ++figures[side].failed;
                continue;
            }
            server.quit();
            pumpUntil([&] { return pane.state() == VideoPreviewPane::State::Failed; }, 20000);
            pumpFor(outageS * 1000);
            if (!server.start(clip)) {
                std::fprintf(stderr, "round %d: the server did not come back on its port\n", r + 1);
                return 1;
            }
            QElapsedTimer back;
            back.start();
            const qint64 before = render->framesReceived();
            if (!pumpUntil([&] { return render->framesReceived() > before; }, 120000)) {
                ++figures[side].failed;
                continue;
            }
            figures[side].ms.push_back(back.nsecsElapsed() / 1e6);
            const qint64 first = render->framesReceived();
            pumpFor(1000);
            figures[side].pictures.push_back(double(render->framesReceived() - first));
            pane.stopPlay();
        }
    }
    std::printf("live pane after a %d s outage of its RTSP source (640x360, 25 fps), %d interleaved rounds, "
                "from the source listening again to its first picture at the pane (median (range)):\n",
                outageS, rounds);
    for (int side = 0; side < 2; ++side)
        std::printf("  %-32s %s ms, then %s new pictures in the next second%s\n", names[side],
                    qPrintable(spreadText(figures[side].ms, 0)), qPrintable(spreadText(figures[side].pictures, 0)),
                    figures[side].failed
                        ? qPrintable(QStringLiteral(", %1 rounds never healed").arg(figures[side].failed))
                        : "");
    std::printf("  goal: pictures within 5000 ms of the source's return\n");
    return 0;
}
