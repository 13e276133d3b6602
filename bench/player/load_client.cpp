// The client's own pages as one process under load, for bench_player, which
// starts it, measures it from outside like every other side and asks it for
// its inner figures. Not meant to be run by hand.
//
//   load_client panes URL N [client-dpi]
//       The live page (1920x1080, 16-pane layout), N panes playing URL. With
//       client-dpi the screen scaling is set up as the client sets it (on
//       the offscreen platform's 100 dpi screen: a factor of 100/96).
//   load_client full URL N RECORD_DIR NVR_IP NVR_PORT ALARM_IP:PORT...
//       The operator's full load: the live page as above; N scheduled
//       recorders of URL into RECORD_DIR; the device playback window playing
//       four channels of the simulated NVR; alarm reception (with its
//       database) from the simulated cameras listed, which push the alarms.
//
// Commands on standard input, one a line: "mark" starts the window (counters
// from zero), "report" prints one line "REPORT key=value ..." about the
// window, "click" clicks a layout button and back and reports the time; end
// of input quits; "close" closes every live pane and reports how long the GUI
// thread was held (closeMs). The line's figures: pictures decoded and painted
// by the live panes and by the playback panes, alarms received, the GUI
// event loop's lateness (a 10 ms timer: largest and 99th percentile, ms) and
// the time from a click on a layout button to the new layout painted (ms).
// "churn" (full load) opens and closes the windows an operator opens from the
// main window, one after the other, each open for 1.5 s: the report then adds
// per window the longest hold of the GUI thread on open and on close (the
// event that opens or closes it, and the loop's lateness until the next
// one), and for every load the live panes' painted intervals (99th
// percentile and the count over 80 ms).

#include "AddClientDevDlg.h"
#include "AlarmInfoWidget.h"
#include "CNVRConfigSetting.h"
#include "ClientLook.h"
#include "../AlarmCameras.h"
#include "DeviceAlarmHandler.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "FFmpegPlayer.h"
#include "FFmpegRecordPlan.h"
#include "FFmpegReplayWidget.h"
#include "HighDpi.h"
#include "I420Render2.h"
#include "KelvoSDKHelper.h"
#include "MainViewVideoPreview.h"
#include "OrmHelper.h"
#include "RecordWnd.h"
#include "RemoteConfigSetting.h"
#include "VideoPreviewPane.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <mutex>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

qint64 nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The allocator's trims, timed where the client asks for them: whether the
// panes' long intervals fall on them.
std::mutex g_trimsMutex;
std::vector<std::pair<qint64, qint64>> g_trims; // start, end (us)

} // namespace

extern "C" int malloc_trim(size_t pad)
{
    using Trim = int (*)(size_t);
    static const Trim real = reinterpret_cast<Trim>(dlsym(RTLD_NEXT, "malloc_trim"));
    const qint64 start = nowUs();
    const int result = real ? real(pad) : 0;
    const qint64 end = nowUs();
    std::lock_guard<std::mutex> lock(g_trimsMutex);
    g_trims.emplace_back(start, end);
    return result;
}

namespace {

struct Counters
{
    qint64 liveDecoded = 0, livePainted = 0, liveConverted = 0, playDecoded = 0, playPainted = 0, alarms = 0;
    int playing = 0, retries = 0;
};

// The windows of the churn, in the order they open.
enum ChurnKind { CameraConfig, NvrConfig, Playback, AddDevice, AlarmInfo, ChurnKinds };
const char *const churnNames[ChurnKinds] = {"cameraConfig", "nvrConfig", "playback", "addDevice", "alarmInfo"};

class Load : public QObject
{
public:
    MainViewVideoPreview live;
    std::unique_ptr<RecordWnd> playback;
    std::vector<std::unique_ptr<FFmpegRecordPlan>> recorders;
    std::unique_ptr<DeviceController> controller;
    std::unique_ptr<DeviceAlarmHandler> alarms;
    qint64 alarmsReceived = 0;
    Counters base;
    std::vector<qint64> gaps;
    QElapsedTimer tick;
    QTimer probe;
    double clickMs = -1;

    // The live panes' paints: when each pane last painted, the intervals.
    std::vector<qint64> lastPaint = std::vector<qint64>(MainViewVideoPreview::MaxPanes, -1);
    std::vector<qint64> paintGaps;
    std::vector<std::pair<qint64, qint64>> longGaps; // over 80 ms: start, end (us)

    // The churn: the window open now, the action that last held the thread
    // and the longest holds per window (open, close).
    QString cameraIp, nvrIp;
    QTimer churnTimer;
    QWidget *churnWindow = nullptr;
    int churnKind = 0;
    int lastAction = -1; // kind * 2 + (closing ? 1 : 0)
    qint64 lateSince = 0;
    std::array<double, ChurnKinds * 2> holds{};
    std::array<int, ChurnKinds * 2> actions{};
    std::array<double, ChurnKinds * 2> own{}; // the opening or closing event alone
    qint64 markedUs = 0;

    Load()
    {
        probe.setTimerType(Qt::PreciseTimer);
        probe.setInterval(10);
        connect(&probe, &QTimer::timeout, this, [this] {
            const qint64 late = qMax<qint64>(0, tick.restart() - 10);
            gaps.push_back(late);
            lateSince = qMax(lateSince, late);
        });
        churnTimer.setInterval(750);
        connect(&churnTimer, &QTimer::timeout, this, &Load::churnStep);
    }

    void watchPanes()
    {
        for (int i = 0; i < MainViewVideoPreview::MaxPanes; ++i)
            if (VideoPreviewPane *pane = live.pane(i))
                pane->renderer()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            for (int i = 0; i < MainViewVideoPreview::MaxPanes; ++i) {
                VideoPreviewPane *pane = live.pane(i);
                if (!pane || pane->renderer() != watched)
                    continue;
                // Only pictures count: a pane paints nothing new between them.
                const qint64 painted = pane->renderer()->framesPainted();
                if (painted == paintedSeen[size_t(i)])
                    break;
                paintedSeen[size_t(i)] = painted;
                const qint64 now = nowUs();
                if (lastPaint[size_t(i)] >= 0) {
                    paintGaps.push_back((now - lastPaint[size_t(i)]) / 1000);
                    if (paintGaps.back() > 80)
                        longGaps.emplace_back(lastPaint[size_t(i)], now);
                }
                lastPaint[size_t(i)] = now;
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }
    std::vector<qint64> paintedSeen = std::vector<qint64>(MainViewVideoPreview::MaxPanes, -1);

    // The hold of the last action: its own time, or the loop's lateness
    // until this one, whichever is longer.
    void settleHold()
    {
        if (lastAction >= 0) {
            holds[size_t(lastAction)] = std::max(holds[size_t(lastAction)], double(lateSince));
            ++actions[size_t(lastAction)];
        }
        lateSince = 0;
    }

    void churnStep()
    {
        settleHold();
        QElapsedTimer t;
        t.start();
        if (!churnWindow) {
            churnWindow = openWindow(churnKind);
            lastAction = churnKind * 2;
        } else {
            closeWindow(churnKind, churnWindow);
            churnWindow = nullptr;
            lastAction = churnKind * 2 + 1;
            churnKind = (churnKind + 1) % ChurnKinds;
        }
        own[size_t(lastAction)] = std::max(own[size_t(lastAction)], t.nsecsElapsed() / 1e6);
        holds[size_t(lastAction)] = std::max(holds[size_t(lastAction)], own[size_t(lastAction)]);
    }

    QWidget *openWindow(int kind)
    {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        switch (kind) {
        case CameraConfig: {
            auto *w = new RemoteConfigSetting;
            w->setObjectName(QStringLiteral("RemoteConfig"));
            w->setDevInfo(registry->getChannelInfo(cameraIp, 0));
            w->show();
            return w;
        }
        case NvrConfig: {
            auto *w = new CNVRConfigSetting;
            w->setObjectName(QStringLiteral("NVRConfig"));
            w->setDevInfo(registry->getChannelInfo(nvrIp, 0));
            w->show();
            return w;
        }
        case Playback: {
            auto *w = new RecordWnd;
            w->resize(1600, 900);
            w->show();
            return w;
        }
        case AddDevice: {
            auto *w = new AddClientDevDlg;
            w->show();
            return w;
        }
        default: {
            auto *w = new AlarmInfoWidget;
            w->resize(1600, 900);
            w->show();
            return w;
        }
        }
    }

    // As the operator closes each: its close button, then the shell deletes it.
    static void closeWindow(int kind, QWidget *w)
    {
        if (kind == CameraConfig)
            static_cast<RemoteConfigSetting *>(w)->onCloseBtnClick();
        else if (kind == NvrConfig)
            static_cast<CNVRConfigSetting *>(w)->onCloseBtnClicked();
        else if (kind == AddDevice)
            static_cast<AddClientDevDlg *>(w)->onbtnCloseclicked();
        else
            w->close();
        delete w;
    }

    Counters now() const
    {
        Counters c;
        for (int i = 0; i < MainViewVideoPreview::MaxPanes; ++i) {
            VideoPreviewPane *pane = live.pane(i);
            if (!pane)
                continue;
            if (pane->player())
                c.liveDecoded += pane->player()->framesDecoded();
            c.livePainted += pane->renderer()->framesPainted();
            c.liveConverted += pane->renderer()->framesConverted();
            c.retries += pane->retries();
        }
        if (playback)
            for (int i = 0; i < FFmpegReplayWidget::kPaneCount; ++i) {
                c.playDecoded += playback->replayWidget()->framesDecoded(i);
                c.playPainted += playback->replayWidget()->paneRender(i)->framesPainted();
            }
        c.alarms = alarmsReceived;
        if (playback)
            for (int i = 0; i < FFmpegReplayWidget::kPaneCount; ++i)
                c.playing += playback->replayWidget()->isPlaying(i) ? 1 : 0;
        return c;
    }

    void mark()
    {
        base = now();
        gaps.clear();
        paintGaps.clear();
        longGaps.clear();
        {
            std::lock_guard<std::mutex> lock(g_trimsMutex);
            g_trims.clear();
        }
        holds.fill(0);
        own.fill(0);
        actions.fill(0);
        markedUs = nowUs();
        lateSince = 0;
        lastAction = -1;
        tick.restart();
        if (!probe.isActive())
            probe.start();
    }

    // A click on a layout button, timed to the new layout painted.
    void clickLayout()
    {
        const int next = live.layoutCount() == 16 ? 9 : 16;
        auto *button = live.findChild<QPushButton *>(QStringLiteral("layoutButton%1").arg(next));
        if (!button)
            return;
        QElapsedTimer t;
        t.start();
        button->click();
        live.repaint();
        clickMs = t.nsecsElapsed() / 1e6;
        // Back to sixteen at once: the figures are of sixteen panes.
        if (auto *back = live.findChild<QPushButton *>(QStringLiteral("layoutButton%1").arg(16)))
            back->click();
    }

    void report()
    {
        const Counters c = now();
        std::vector<qint64> g = gaps;
        std::sort(g.begin(), g.end());
        const qint64 worst = g.empty() ? 0 : g.back();
        const qint64 p99 = g.empty() ? 0 : g[g.size() * 99 / 100];
        std::printf("REPORT liveDecoded=%lld livePainted=%lld playPainted=%lld alarms=%lld latencyMax=%lld "
                    "latencyP99=%lld clickMs=%.1f playing=%d liveConverted=%lld retries=%d dpr=%.4f playDecoded=%lld",
                    static_cast<long long>(c.liveDecoded - base.liveDecoded),
                    static_cast<long long>(c.livePainted - base.livePainted),
                    static_cast<long long>(c.playPainted - base.playPainted),
                    static_cast<long long>(c.alarms - base.alarms), static_cast<long long>(worst),
                    static_cast<long long>(p99), clickMs, c.playing,
                    static_cast<long long>(c.liveConverted - base.liveConverted), c.retries,
                    live.pane(0) ? live.pane(0)->renderer()->devicePixelRatioF() : 0.0,
                    static_cast<long long>(c.playDecoded - base.playDecoded));
        std::vector<qint64> p = paintGaps;
        std::sort(p.begin(), p.end());
        std::printf(" paintP99=%lld paintOver80=%lld paints=%zu",
                    static_cast<long long>(p.empty() ? 0 : p[p.size() * 99 / 100]),
                    static_cast<long long>(std::count_if(p.begin(), p.end(), [](qint64 x) { return x > 80; })),
                    p.size());
        // The trims of the window and the long intervals a trim fell in.
        std::vector<std::pair<qint64, qint64>> trims;
        {
            std::lock_guard<std::mutex> lock(g_trimsMutex);
            trims = g_trims;
        }
        std::vector<qint64> trimUs;
        for (const auto &t : trims)
            trimUs.push_back(t.second - t.first);
        std::sort(trimUs.begin(), trimUs.end());
        const long onTrim = std::count_if(longGaps.begin(), longGaps.end(), [&trims](const auto &g) {
            return std::any_of(trims.begin(), trims.end(),
                               [&g](const auto &t) { return t.first < g.second && t.second > g.first; });
        });
        // How many would meet a trim by chance: an interval meets one when
        // they overlap, so each trim covers its own time and an interval's.
        double gapUs = 0;
        for (const auto &g : longGaps)
            gapUs += double(g.second - g.first);
        double cover = 0;
        if (!longGaps.empty())
            for (qint64 us : trimUs)
                cover += double(us) + gapUs / double(longGaps.size());
        const double windowUs = double(qMax<qint64>(1, nowUs() - markedUs));
        std::printf(" trims=%zu trimMedianMs=%.1f trimMaxMs=%.1f over80OnTrim=%ld over80OnTrimByChance=%.1f",
                    trims.size(), trimUs.empty() ? 0.0 : trimUs[trimUs.size() / 2] / 1000.0,
                    trimUs.empty() ? 0.0 : trimUs.back() / 1000.0, onTrim,
                    double(longGaps.size()) * std::min(1.0, cover / windowUs));
        if (churnTimer.isActive()) {
            settleHold();
            lastAction = -1;
            for (int k = 0; k < ChurnKinds; ++k)
                std::printf(" %sOpen=%.1f %sClose=%.1f %sCycles=%d %sOpenOwn=%.1f %sCloseOwn=%.1f", churnNames[k],
                            holds[size_t(k * 2)], churnNames[k], holds[size_t(k * 2 + 1)], churnNames[k],
                            actions[size_t(k * 2 + 1)], churnNames[k], own[size_t(k * 2)], churnNames[k],
                            own[size_t(k * 2 + 1)]);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
};

void startLive(Load &load, const QString &url, int panes)
{
    load.live.resize(1920, 1080);
    load.live.show();
    load.live.setLayoutCount(16);
    for (int i = 0; i < panes && i < MainViewVideoPreview::MaxPanes; ++i)
        load.live.pane(i)->startPlay(url, QString(), QStringLiteral("camera %1").arg(i + 1));
}

bool startFull(Load &load, const QStringList &a)
{
    const QString url = a.value(0);
    const int n = a.value(1).toInt();
    const QString recordDir = a.value(2);
    const QString nvrIp = a.value(3);
    const int nvrPort = a.value(4).toInt();
    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        std::fprintf(stderr, "load_client: database: %s\n", qPrintable(error));
        return false;
    }
    startLive(load, url, n);
    load.nvrIp = nvrIp;
    load.cameraIp = a.value(5).section(QLatin1Char(':'), 0, 0);
    for (int i = 0; i < n; ++i) {
        auto rec = std::make_unique<FFmpegRecordPlan>();
        rec->setParams(url, QStringLiteral("%1/cam%2").arg(recordDir).arg(i + 1, 2, 10, QLatin1Char('0')));
        rec->start();
        load.recorders.push_back(std::move(rec));
    }

    // The alarm cameras, with motion alarms enabled all week.
    std::vector<std::unique_ptr<FUN_DEV_INFO>> records;
    QList<FUN_DEV_INFO *> list;
    for (int i = 5; i < a.size(); ++i) {
        auto r = armedAlarmCamera(a.at(i).section(QLatin1Char(':'), 0, 0),
                                  a.at(i).section(QLatin1Char(':'), 1, 1).toInt(), i - 4);
        list.append(r.get());
        records.push_back(std::move(r));
    }
    OrmHelper::AddDevs(list);
    load.controller = std::make_unique<DeviceController>();
    load.alarms = std::make_unique<DeviceAlarmHandler>();
    load.alarms->updateAlarmDataBase();
    QObject::connect(load.controller.get(), &DeviceController::alarmReceived, &load,
                     [&load](FUN_DEV_INFO *dev, const QString &xml) {
                         load.alarms->handleDeviceAlarm(xml, dev);
                         ++load.alarmsReceived;
                     });
    load.controller->onTimeoutLoginDevice();

    // The NVR and its four channels, logged in as the device page leaves them.
    auto *nvr = new FUN_DEV_INFO;
    nvr->ip = nvrIp;
    nvr->name = QStringLiteral("bench nvr");
    nvr->devType = 1;
    nvr->devPort = nvrPort;
    nvr->channelNum = 4;
    nvr->loginStatus = 1;
    DeviceInfoManager::instance()->addDevInfo(nvr);
    DeviceInfoManager::instance()->addNVRChannels(nvr);
    for (int ch = 0; ch <= 4; ++ch) {
        FUN_DEV_INFO *rec = DeviceInfoManager::instance()->getChannelInfo(nvrIp, uint8_t(ch));
        DeviceInfoManager::instance()->loginDevice(rec);
        const loginDev key = toLoginDev(rec);
        QElapsedTimer t;
        t.start();
        while (!KelvoSDKHelper::instance()->isConnected(key) && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    load.playback = std::make_unique<RecordWnd>();
    load.playback->resize(1600, 900);
    load.playback->move(0, 0);
    load.playback->show();
    // One channel after the other, as an operator opens them: each asks its
    // day first.
    for (int ch = 1; ch <= 4; ++ch) {
        const QString key = QStringLiteral("%1_%2").arg(nvrIp).arg(ch);
        load.playback->playDevice(key);
        QElapsedTimer t;
        t.start();
        while (load.playback->dayRecords(key).empty() && t.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "client-dpi")
            HighDpi::setUp();
    QApplication app(argc, argv);
    // Only what went wrong: the pages log every start and stop.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    av_log_set_level(AV_LOG_ERROR); // as the ffmpeg sides run
    player::registerMetaTypes();
    registerKelvoMetaTypes();
    const QStringList args = app.arguments().mid(1);
    QTemporaryDir work;
    if (!work.isValid() || !QDir::setCurrent(work.path()))
        return 2;

    Load load;
    const QString mode = args.value(0);
    // The operator's windows look as in the client: its style sheet costs
    // every window that opens.
    if (mode == QLatin1String("full"))
        ClientLook::apply();
    if (mode == QLatin1String("panes")) {
        startLive(load, args.value(1), args.value(2).toInt());
    } else if (mode == QLatin1String("full")) {
        if (!startFull(load, args.mid(1)))
            return 1;
    } else {
        std::fprintf(stderr, "load_client: panes URL N | full URL N RECORD_DIR NVR_IP NVR_PORT ALARM_IP:PORT...\n");
        return 2;
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[256];
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buf, int(n));
        int nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(nl).trimmed();
            pending.remove(0, nl + 1);
            if (line == "mark") {
                load.mark();
            } else if (line == "churn") {
                load.churnTimer.start();
            } else if (line == "click") {
                load.clickLayout();
                std::printf("REPORT clickMs=%.1f\n", load.clickMs);
                std::fflush(stdout);
            } else if (line == "report") {
                load.report();
            } else if (line == "close") {
                // What the operator waits for when a layout or the window
                // closes every pane at once.
                QElapsedTimer t;
                t.start();
                load.live.stopAll();
                std::printf("REPORT closeMs=%.1f\n", t.nsecsElapsed() / 1e6);
                std::fflush(stdout);
            }
        }
    });
    load.watchPanes();
    const int rc = app.exec();
    load.churnTimer.stop();
    delete load.churnWindow;
    load.live.stopAll();
    if (load.playback)
        load.playback->resetReplay();
    for (auto &r : load.recorders)
        r->requestStop();
    load.recorders.clear();
    if (load.alarms)
        load.alarms->shutdown();
    if (load.controller)
        load.controller->closeApp();
    return rc;
}
