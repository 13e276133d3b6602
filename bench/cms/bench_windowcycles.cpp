// Memory left behind by what an operator opens and closes all day, each
// measured in a process of its own against simulated devices on loopback
// (kelvo_simdevice: a camera and a four-channel NVR playing a real clip; the
// loopback RTSP server: the camera's preview stream):
//
//   playback  two NVR playback panes started, played and stopped
//   camera    the camera configuration window opened, every page read, closed
//   nvr       the NVR configuration window opened, every page read, closed
//   download  ten seconds of an NVR channel downloaded into a file
//
// A cycle is one such round. The anonymous memory of the process (Pss_Anon of
// /proc/self/smaps_rollup) is taken once everything is set up, before the
// first cycle, and after every cycle. Two figures: what the last cycle leaves
// held over that baseline (MB), and, after the warm-up cycles, the growth per
// cycle (least-squares slope, kB). Goal: both 0 within noise. The work done is
// counted beside them (pictures shown, replies placed, bytes downloaded), so a
// cycle that did nothing does not pass for one that kept nothing.
//
// Each round runs every scenario as a fresh child process; with
// BENCH_COMPARE=other/bench_windowcycles[,more] the builds take turns in
// interleaved rounds (their order rotating), each child with the same input.
// The median and range of the rounds are printed per build and scenario.
// The windows have the client's font and style sheet; the clip is 720p, as
// the try recorder's.
//
//   bench_windowcycles [--rounds N] [--cycles N] [--warmup N] [--only SCENARIO]
//   bench_windowcycles --child SCENARIO --cycles N --warmup N      (one run)
//
// In a child, BENCH_TRACE prints the memory and the widgets left after every
// cycle; BENCH_KEEP_AT_EXIT ends it without tearing down, so that a heap
// profiler reports what the cycles left alive (compare two cycle counts).

#include "CNVRConfigSetting.h"
#include "ClientLook.h"
#include "CommonHelper.h"
#include "ConfigConversation.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegReplayWidget.h"
#include "I420Render2.h"
#include "KelvoSDKHelper.h"
#include "PlayerCommon.h"
#include "RecordWnd.h"
#include "RemoteConfigSetting.h"
#include "SignalsHelper.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#ifndef KELVO_SIMDEVICE
#define KELVO_SIMDEVICE "kelvo_simdevice"
#endif
#ifndef KELVO_RTSP_SERVER
#define KELVO_RTSP_SERVER "kelvo_rtspserver"
#endif

namespace {

const QStringList kScenarios{"playback", "camera", "nvr", "download"};

long pssAnonKb()
{
    QFile f(QStringLiteral("/proc/self/smaps_rollup"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("Pss_Anon:"))
            return line.mid(9).trimmed().split(' ').first().toLong();
    return -1;
}

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

// What closing left to the event loop (deleteLater, queued frames, players
// ending) is done before memory is looked at, the same way on every side.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        pumpFor(100);
    }
}

bool makeClip(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-loglevel", "error", "-y",       "-f",      "lavfi",    "-i", "testsrc2=size=1280x720:rate=25",
                       "-t",        "10",    "-pix_fmt", "yuv420p", "-bf",      "0",  "-g",
                       "25",        "-c:v",  "libx264",  "-preset", "veryfast", path});
    return p.waitForFinished(120000) && p.exitCode() == 0;
}

// The peers: the devices and the camera's stream, for this process only.
struct Peers
{
    QProcess sim, rtsp;
    QString ip;  // the camera's address (the RTSP server listens there too)
    QString nvr; // the NVR's
    int ipcPort = 0, nvrPort = 0, rtspPort = 0;

    static QByteArray readLines(QProcess &p, const QByteArray &until, int lines)
    {
        QByteArray out;
        while (out.count(until) < lines && p.waitForReadyRead(20000))
            out += p.readAllStandardOutput();
        return out;
    }

    bool start(const QString &clip)
    {
        const int block = int(QCoreApplication::applicationPid() % 250) + 1;
        ip = QStringLiteral("127.44.%1.2").arg(block);
        nvr = QStringLiteral("127.44.%1.3").arg(block);
        rtsp.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        rtsp.start(KELVO_RTSP_SERVER, {"--address", ip, "--mount", "/stream2=" + clip, "--mount", "/stream1=" + clip});
        const QByteArray port = readLines(rtsp, "PORT ", 1);
        rtspPort = port.mid(port.indexOf("PORT ") + 5).trimmed().toInt();
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(KELVO_SIMDEVICE, {"--ipc", ip, "--nvr", nvr + "/4", "--port", "0", "--clip", clip});
        for (const QByteArray &line : readLines(sim, "READY ", 2).split('\n')) {
            const QList<QByteArray> f = line.trimmed().split(' ');
            if (f.size() >= 4 && f[0] == "READY")
                (f[1] == "nvr" ? nvrPort : ipcPort) = f[3].toInt();
        }
        return rtspPort > 0 && ipcPort > 0 && nvrPort > 0;
    }

    ~Peers() { stop(); }

    void stop()
    {
        for (QProcess *p : {&sim, &rtsp}) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->closeWriteChannel();
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished();
        }
    }
};

FUN_DEV_INFO *addDevice(int type, const QString &ip, int port, int rtspPort, int channels)
{
    auto *dev = new FUN_DEV_INFO;
    dev->ip = ip;
    dev->name = type == 1 ? QStringLiteral("bench nvr") : QStringLiteral("bench camera");
    dev->devType = uint8_t(type);
    dev->devPort = port;
    dev->rtspPort = rtspPort;
    dev->channelNum = uint8_t(channels);
    dev->userName = QStringLiteral("admin");
    dev->password = QStringLiteral("402917");
    dev->loginStatus = 1;
    DeviceInfoManager::instance()->addDevInfo(dev);
    if (type == 1)
        DeviceInfoManager::instance()->addNVRChannels(dev);
    DeviceInfoManager::instance()->loginDevice(dev);
    const loginDev key = toLoginDev(dev);
    pumpUntil([&] { return KelvoSDKHelper::instance()->isConnected(key); }, 10000);
    return dev;
}

// One scenario's cycles; returns false when a cycle could not do its work.
class Run
{
public:
    Run(const Peers &peers, const QString &records)
        : m_peers(peers)
        , m_records(records)
    {
        m_camera = addDevice(0, peers.ip, peers.ipcPort, peers.rtspPort, 1);
        m_nvr = addDevice(1, peers.nvr, peers.nvrPort, 0, 4);
        QObject::connect(SignalsHelper::instance(), &SignalsHelper::signalRecvImage, [this] { ++m_images; });
    }

    qint64 work() const { return m_work; }

    // What lives as long as the client does is made before the baseline.
    void prepare(const QString &scenario)
    {
        if (scenario == QLatin1String("playback") || scenario == QLatin1String("download"))
            page();
        settle();
    }

    bool cycle(const QString &scenario)
    {
        if (scenario == QLatin1String("playback"))
            return playback();
        if (scenario == QLatin1String("camera"))
            return camera();
        if (scenario == QLatin1String("nvr"))
            return nvrWindow();
        return download();
    }

private:
    RecordWnd &page()
    {
        if (!m_page) {
            m_page = std::make_unique<RecordWnd>();
            m_page->resize(1600, 900);
            m_page->show();
            pumpFor(50);
        }
        return *m_page;
    }

    QString channel(int ch) const { return QStringLiteral("%1_%2").arg(m_peers.nvr).arg(ch); }

    void pick(const QString &key)
    {
        RecordWnd &wnd = page();
        QStandardItem *item = wnd.tree()->itemForKey(key);
        if (item)
            wnd.onDeviceItemClicked(wnd.tree()->proxyModel()->mapFromSource(item->index()));
    }

    bool playback()
    {
        RecordWnd &wnd = page();
        const QStringList keys{channel(1), channel(2)};
        for (const QString &key : keys) {
            pick(key);
            wnd.playDevice(key);
            pumpUntil([&] { return wnd.paneKeys().values().contains(key); }, 10000);
        }
        FFmpegReplayWidget *replay = wnd.replayWidget();
        const auto shownBy = [replay](int pane) { return replay->paneRender(pane)->framesReceived(); };
        const qint64 first = shownBy(0), second = shownBy(1);
        const bool shown = pumpUntil([&] { return shownBy(0) > first + 25 && shownBy(1) > second + 25; }, 20000);
        m_work += shownBy(0) - first + shownBy(1) - second;
        for (int pane = 0; pane < 2; ++pane)
            wnd.stop(pane);
        pumpUntil([&] { return wnd.paneKeys().isEmpty() && !replay->isPlaying(0) && !replay->isPlaying(1); }, 5000);
        return shown;
    }

    // Every page of a window visited as the operator does, each waited for
    // until its reads came back.
    bool readAll(ConfigConversation *conversation, const std::function<bool(int)> &visit)
    {
        const QMetaObject::Connection counted =
            QObject::connect(conversation, &ConfigConversation::replied, [this] { ++m_work; });
        bool all = true;
        for (int i = 0; visit(i); ++i)
            all = pumpUntil([&] { return conversation->waiting() == 0; }, 10000) && all;
        QObject::disconnect(counted);
        return all;
    }

    bool camera()
    {
        auto *window = new RemoteConfigSetting;
        window->setObjectName(QStringLiteral("RemoteConfig"));
        window->setDevInfo(m_camera);
        window->show();
        QTreeView *tree = window->treeView();
        QList<QModelIndex> pages;
        auto *model = qobject_cast<QStandardItemModel *>(tree->model());
        for (int g = 0; model && g < model->rowCount(); ++g)
            for (int r = 0; r < model->item(g)->rowCount(); ++r)
                if (!tree->isRowHidden(r, model->item(g)->index()))
                    pages << model->item(g)->child(r)->index();
        const bool read = readAll(window->conversation(), [&](int i) {
            if (i >= pages.size())
                return false;
            tree->setCurrentIndex(pages.at(i));
            window->onTreeViewTreeClicked(pages.at(i));
            return true;
        });
        const qint64 images = m_images;
        const bool preview = pumpUntil([&] { return m_images > images; }, 10000);
        m_work += m_images - images;
        window->findChild<QPushButton *>(QStringLiteral("pushButtonClose"))->click();
        delete window;
        return read && preview;
    }

    bool nvrWindow()
    {
        auto *window = new CNVRConfigSetting;
        window->setObjectName(QStringLiteral("NVRConfig"));
        window->setDevInfo(m_nvr);
        window->show();
        const QStringList buttons{"pushButtonBasicInfo", "pushButtonDatetime", "pushButtonInternet",
                                  "pushButtonVersion",   "pushButtonPlan",     "pushButtonDisk"};
        const bool read = readAll(window->conversation(), [&](int i) {
            if (i >= buttons.size())
                return false;
            if (auto *b = window->findChild<QPushButton *>(buttons.at(i)))
                b->click();
            return true;
        });
        window->findChild<QPushButton *>(QStringLiteral("m_closeBtn"))->click();
        delete window;
        return read;
    }

    bool download()
    {
        RecordWnd &wnd = page();
        const QString key = channel(3);
        pick(key);
        pumpUntil([&] { return !wnd.dayRecords(key).empty(); }, 10000);
        const QDate today = QDate::currentDate();
        wnd.findChild<QDateTimeEdit *>("dateTimeEditStart")->setDateTime(QDateTime(today, QTime(8, 0)));
        wnd.findChild<QDateTimeEdit *>("dateTimeEditEnd")->setDateTime(QDateTime(today, QTime(8, 0, 10)));
        wnd.findChild<QPushButton *>("pushButtonStart")->click();
        const QString path = wnd.downloadPath();
        if (path.isEmpty())
            return false;
        pumpUntil([&] { return wnd.downloadKey().isEmpty(); }, 30000);
        const bool whole = pumpUntil([&] { return QFile::exists(path); }, 30000);
        m_work += QFileInfo(path).size();
        QDir(m_records).removeRecursively();
        return whole;
    }

    const Peers &m_peers;
    const QString m_records;
    FUN_DEV_INFO *m_camera = nullptr;
    FUN_DEV_INFO *m_nvr = nullptr;
    std::unique_ptr<RecordWnd> m_page;
    qint64 m_work = 0;
    qint64 m_images = 0;
};

double slope(const std::vector<double> &y)
{
    const double n = double(y.size());
    if (y.size() < 2)
        return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < y.size(); ++i) {
        sx += double(i);
        sy += y[i];
        sxx += double(i) * double(i);
        sxy += double(i) * y[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

int child(const QString &scenario, int cycles, int warmup)
{
    // Only what went wrong; the pages log every start and stop.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    av_log_set_level(AV_LOG_ERROR);
    // The windows paint as in the client: its font, its style sheet.
    ClientLook::apply();
    player::registerMetaTypes();
    registerKelvoMetaTypes();
    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 2;
    const QString records = work.filePath("records");
    CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
    const QString clip = work.filePath("clip.mp4");
    Peers peers;
    if (!makeClip(clip) || !peers.start(clip)) {
        std::fprintf(stderr, "bench_windowcycles: the peers did not start\n");
        return 1;
    }
    Run run(peers, records);
    run.prepare(scenario);
    const long base = pssAnonKb();
    int failed = 0;
    std::vector<double> samples;
    qint64 workBefore = 0;
    for (int i = 0; i < warmup + cycles; ++i) {
        if (i == warmup)
            workBefore = run.work();
        if (!run.cycle(scenario))
            ++failed;
        settle();
        if (i >= warmup)
            samples.push_back(double(pssAnonKb()));
        if (qEnvironmentVariableIsSet("BENCH_TRACE"))
            std::fprintf(stderr, "cycle %d anon %ld kB widgets %d\n", i + 1, pssAnonKb(),
                         int(QApplication::allWidgets().size()));
    }
    std::printf("RESULT %s heldMb=%.2f slopeKb=%.1f baseKb=%ld firstKb=%.0f lastKb=%.0f cycles=%d failed=%d "
                "work=%lld\n",
                qPrintable(scenario), (samples.back() - double(base)) / 1024, slope(samples), base, samples.front(),
                samples.back(), cycles, failed, static_cast<long long>(run.work() - workBefore));
    std::fflush(stdout);
    // Under a heap profiler: what the cycles left alive is reported as not
    // freed, instead of being freed by the teardown.
    if (qEnvironmentVariableIsSet("BENCH_KEEP_AT_EXIT")) {
        peers.stop();
        std::_Exit(failed == 0 ? 0 : 3);
    }
    return failed == 0 ? 0 : 3;
}

QString spread(std::vector<double> v, int decimals)
{
    if (v.empty())
        return QStringLiteral("-");
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    return QStringLiteral("median %1 range %2 .. %3")
        .arg(median, 0, 'f', decimals)
        .arg(v.front(), 0, 'f', decimals)
        .arg(v.back(), 0, 'f', decimals);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(Resources);
    const QStringList args = app.arguments();
    const auto option = [&args](const char *name, int fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 ? args.value(at + 1).toInt() : fallback;
    };
    const int cycles = option("--cycles", 100);
    const int warmup = option("--warmup", 20);
    if (args.contains("--child"))
        return child(args.value(args.indexOf("--child") + 1), cycles, warmup);

    const int rounds = option("--rounds", 3);
    QStringList scenarios = kScenarios;
    if (args.contains("--only"))
        scenarios = QStringList{args.value(args.indexOf("--only") + 1)};
    QStringList builds{QCoreApplication::applicationFilePath()};
    for (const QString &other : qEnvironmentVariable("BENCH_COMPARE").split(',', Qt::SkipEmptyParts))
        builds << QFileInfo(other).absoluteFilePath();
    std::printf("cores: %d, %d cycles after %d warm-up cycles, %d rounds, builds: %s\n", QThread::idealThreadCount(),
                cycles, warmup, rounds, qPrintable(builds.join(", ")));
    // [scenario][build] -> per round
    QHash<QString, QVector<std::vector<double>>> held, perCycle, work;
    for (const QString &s : scenarios) {
        held[s].resize(builds.size());
        perCycle[s].resize(builds.size());
        work[s].resize(builds.size());
    }
    for (int round = 0; round < rounds; ++round) {
        for (const QString &s : scenarios) {
            for (int k = 0; k < builds.size(); ++k) {
                const int b = (k + round) % builds.size();
                QProcess p;
                p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                p.start(builds.at(b),
                        {"--child", s, "--cycles", QString::number(cycles), "--warmup", QString::number(warmup)});
                p.waitForFinished(-1);
                const QByteArray out = p.readAllStandardOutput();
                const int at = out.indexOf("RESULT ");
                if (at < 0 || p.exitCode() != 0) {
                    std::printf("  %s round %d build %d: failed (%d) %s\n", qPrintable(s), round + 1, b, p.exitCode(),
                                out.constData());
                    continue;
                }
                QHash<QByteArray, QByteArray> f;
                for (const QByteArray &kv : out.mid(at).split('\n').first().split(' '))
                    if (kv.contains('='))
                        f.insert(kv.left(kv.indexOf('=')), kv.mid(kv.indexOf('=') + 1));
                held[s][b].push_back(f.value("heldMb").toDouble());
                perCycle[s][b].push_back(f.value("slopeKb").toDouble());
                work[s][b].push_back(f.value("work").toDouble() / cycles);
                std::printf("  %-8s round %d build %d: %s", qPrintable(s), round + 1, b, out.mid(at + 7).constData());
                std::fflush(stdout);
            }
        }
    }
    for (const QString &s : scenarios)
        for (int b = 0; b < builds.size(); ++b)
            std::printf("%-8s build %d: anonymous PSS held after the cycles (MB) %s; per cycle after warm-up (kB) %s; "
                        "work per cycle %s\n",
                        qPrintable(s), b, qPrintable(spread(held[s][b], 2)), qPrintable(spread(perCycle[s][b], 1)),
                        qPrintable(spread(work[s][b], 0)));
    return 0;
}
