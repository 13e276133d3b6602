// Memory left behind by what an operator opens and closes all day, each
// measured in a process of its own against simulated devices on loopback
// (kelvo_simdevice: a camera and a four-channel NVR playing a real clip; the
// loopback RTSP server: the camera's preview stream):
//
//   playback  two NVR playback panes started, played and stopped
//   camera    the camera configuration window opened, every page read, closed
//   nvr       the NVR configuration window opened, every page read, closed
//   download  ten seconds of an NVR channel downloaded into a file
//   reconnect the devices (and the cameras' streams) ended and started again
//             on the same ports while two live panes play, two scheduled
//             recorders write and two alarm cameras push alarms; the cycle
//             ends when the sessions, the panes, the recorders and the alarm
//             stream are all back
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
// An operator's day, compressed (--day): one process under a constant load
// (eight live panes, eight scheduled recorders of 10 s segments, two alarm
// cameras pushing 20 alarms a second) for --minutes (default 10), the kinds
// of cycle taking turns over it: a live pane started again, the camera and
// the NVR configuration windows, NVR playback, a download, the devices
// reconnecting. Anonymous PSS is sampled every 15 s; after the warm-up
// (--warmup-minutes, default a third) two growths are fitted in MiB/hour:
// over every sample, and over the lowest sample of each minute. Per kind of
// cycle: the median growth across one (kB, the memory settled before and
// after; the load's own ups and downs are in it). The CPU time of the child is reported as a share of one core, and
// the work done beside it (pictures painted, segments written, alarms,
// replies, bytes downloaded). Goal: flat after warm-up, 0 MiB/hour within
// noise.
//
//   bench_windowcycles [--rounds N] [--cycles N] [--warmup N] [--only SCENARIO]
//   bench_windowcycles --day [--rounds N] [--minutes N] [--warmup-minutes N]
//   bench_windowcycles --child SCENARIO --cycles N --warmup N      (one run)
//   bench_windowcycles --child day --minutes N --warmup-minutes N  (one day)
//
// In a child, BENCH_TRACE prints the memory and the widgets left after every
// cycle; BENCH_KEEP_AT_EXIT ends it without tearing down, so that a heap
// profiler reports what the cycles left alive (compare two cycle counts).

#include "CNVRConfigSetting.h"
#include "ClientLook.h"
#include "CommonHelper.h"
#include "ConfigConversation.h"
#include "../AlarmCameras.h"
#include "DeviceAlarmHandler.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegRecordPlan.h"
#include "FFmpegReplayWidget.h"
#include "I420Render2.h"
#include "KelvoSDKHelper.h"
#include "MainViewVideoPreview.h"
#include "OrmHelper.h"
#include "Platform.h"
#include "PlayerCommon.h"
#include "RecordWnd.h"
#include "RemoteConfigSetting.h"
#include "SignalsHelper.h"
#include "VideoPreviewPane.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <atomic>
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

const QStringList kScenarios{"playback", "camera", "nvr", "download", "reconnect"};
// The day's turns: a reconnect about every minute, the rest in between.
const QStringList kDayTurns{"pane", "camera", "playback", "pane", "download", "nvr", "pane", "playback", "reconnect"};

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
    QProcess sim, rtsp, alarmSim;
    QString ip;  // the camera's address (the RTSP server listens there too)
    QString nvr; // the NVR's
    QStringList alarmIps;
    QList<int> alarmPorts;
    QString clip;
    int ipcPort = 0, nvrPort = 0, rtspPort = 0;

    static QByteArray readLines(QProcess &p, const QByteArray &until, int lines)
    {
        QByteArray out;
        while (out.count(until) < lines && p.waitForReadyRead(20000))
            out += p.readAllStandardOutput();
        return out;
    }

    // The first start picks free ports; a start again keeps them, as a
    // device that rebooted does.
    bool start(const QString &clipPath)
    {
        clip = clipPath;
        const int block = int(QCoreApplication::applicationPid() % 250) + 1;
        ip = QStringLiteral("127.44.%1.2").arg(block);
        nvr = QStringLiteral("127.44.%1.3").arg(block);
        alarmIps = QStringList{QStringLiteral("127.44.%1.4").arg(block), QStringLiteral("127.44.%1.5").arg(block)};
        return startAgain();
    }

    bool startAgain()
    {
        rtsp.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList rtspArgs{"--address", ip, "--mount", "/stream2=" + clip, "--mount", "/stream1=" + clip,
                             // As a camera streams all day: one encoder that
                             // every client joins.
                             "--mount", "/live1=shared:1280x720", "--mount", "/live2=shared:640x360"};
        if (rtspPort > 0)
            rtspArgs << "--port" << QString::number(rtspPort);
        rtsp.start(KELVO_RTSP_SERVER, rtspArgs);
        const QByteArray port = readLines(rtsp, "PORT ", 1);
        rtspPort = port.mid(port.indexOf("PORT ") + 5).trimmed().toInt();
        const auto at = [](const QString &address, int port) {
            return port > 0 ? QStringLiteral("%1:%2").arg(address).arg(port) : address;
        };
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(KELVO_SIMDEVICE,
                  {"--ipc", at(ip, ipcPort), "--nvr", at(nvr, nvrPort) + "/4", "--port", "0", "--clip", clip});
        for (const QByteArray &line : readLines(sim, "READY ", 2).split('\n')) {
            const QList<QByteArray> f = line.trimmed().split(' ');
            if (f.size() >= 4 && f[0] == "READY")
                (f[1] == "nvr" ? nvrPort : ipcPort) = f[3].toInt();
        }
        return rtspPort > 0 && ipcPort > 0 && nvrPort > 0;
    }

    // Two cameras that push ten alarms a second each once logged in to.
    bool startAlarms()
    {
        alarmSim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList args{"--port", "0", "--alarms", "forever:100"};
        for (int i = 0; i < alarmIps.size(); ++i)
            args << "--ipc"
                 << (alarmPorts.size() > i ? QStringLiteral("%1:%2").arg(alarmIps.at(i)).arg(alarmPorts.at(i))
                                           : alarmIps.at(i));
        alarmSim.start(KELVO_SIMDEVICE, args);
        QList<int> ports;
        for (const QByteArray &line : readLines(alarmSim, "READY ", alarmIps.size()).split('\n')) {
            const QList<QByteArray> f = line.trimmed().split(' ');
            if (f.size() >= 4 && f[0] == "READY")
                ports << f[3].toInt();
        }
        if (alarmPorts.isEmpty())
            alarmPorts = ports;
        return ports.size() == alarmIps.size();
    }

    // Every device ends and starts again on its ports.
    bool restart(int downMs)
    {
        const bool alarms = alarmSim.state() != QProcess::NotRunning;
        stop();
        pumpFor(downMs);
        return startAgain() && (!alarms || startAlarms());
    }

    ~Peers() { stop(); }

    void stop()
    {
        for (QProcess *p : {&sim, &rtsp, &alarmSim}) {
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
    Run(Peers &peers, const QString &records)
        : m_peers(peers)
        , m_records(records)
    {
        m_camera = addDevice(0, peers.ip, peers.ipcPort, peers.rtspPort, 1);
        m_nvr = addDevice(1, peers.nvr, peers.nvrPort, 0, 4);
        QObject::connect(SignalsHelper::instance(), &SignalsHelper::signalRecvImage, [this] { ++m_images; });
    }

    ~Run()
    {
        m_stopping = true;
        if (m_live)
            m_live->stopAll();
        for (auto &r : m_recorders)
            r->requestStop();
        m_recorders.clear();
        if (m_alarms)
            m_alarms->shutdown();
        if (m_controller)
            m_controller->closeApp();
    }

    qint64 work() const { return m_work; }

    // What lives as long as the client does is made before the baseline.
    bool prepare(const QString &scenario)
    {
        bool ready = true;
        if (scenario == QLatin1String("playback") || scenario == QLatin1String("download"))
            page();
        else if (scenario == QLatin1String("reconnect"))
            ready = startLoad(2);
        else if (scenario == QLatin1String("day")) {
            page();
            ready = startLoad(8);
        }
        settle();
        return ready;
    }

    bool cycle(const QString &scenario)
    {
        if (scenario == QLatin1String("playback"))
            return playback();
        if (scenario == QLatin1String("camera"))
            return camera();
        if (scenario == QLatin1String("nvr"))
            return nvrWindow();
        if (scenario == QLatin1String("reconnect"))
            return reconnect();
        if (scenario == QLatin1String("pane"))
            return paneAgain();
        return download();
    }

    // The constant load's work so far.
    qint64 painted() const
    {
        qint64 n = 0;
        for (int i = 0; m_live && i < m_panes; ++i)
            n += m_live->pane(i)->renderer()->framesPainted();
        return n;
    }
    qint64 alarms() const { return m_alarmCount; }
    qint64 segments() const { return m_segments; }

private:
    QString liveUrl() const { return QStringLiteral("rtsp://%1:%2/live1").arg(m_peers.ip).arg(m_peers.rtspPort); }

    // The operator's constant load: live panes, as many scheduled recorders
    // of the same stream (started again a second after they end, as the
    // schedule does), and the alarm cameras logged in to by the device
    // controller, their alarms taken by the alarm reception.
    bool startLoad(int panes)
    {
        QString error;
        if (!OrmHelper::instance()->init(&error) || !m_peers.startAlarms()) {
            std::fprintf(stderr, "bench_windowcycles: the load did not start %s\n", qPrintable(error));
            return false;
        }
        m_panes = panes;
        m_live = std::make_unique<MainViewVideoPreview>();
        m_live->resize(1920, 1080);
        m_live->show();
        m_live->setLayoutCount(panes <= 4 ? 4 : panes <= 9 ? 9 : 16);
        for (int i = 0; i < panes; ++i)
            m_live->pane(i)->startPlay(liveUrl(), QString(), QStringLiteral("camera %1").arg(i + 1));
        const QString backup = QDir::current().filePath("backup");
        QDir().mkpath(backup);
        for (int i = 0; i < panes; ++i) {
            auto rec = std::make_unique<FFmpegRecordPlan>();
            rec->setFileLength(10);
            rec->setParams(liveUrl(), QStringLiteral("%1/cam%2").arg(backup).arg(i + 1, 2, 10, QLatin1Char('0')));
            rec->setStorageRoot(backup);
            FFmpegRecordPlan *plan = rec.get();
            // Only the count is kept: a day of segments would fill the disk.
            QObject::connect(plan, &FFmpegRecordPlan::segmentClosed, &m_context, [this](const QString &path) {
                ++m_segments;
                QFile::remove(path);
            });
            QObject::connect(plan, &QThread::finished, &m_context, [this, plan] {
                QTimer::singleShot(1000, &m_context, [this, plan] {
                    if (!m_stopping && !plan->isRunning())
                        plan->start();
                });
            });
            plan->start();
            m_recorders.push_back(std::move(rec));
        }
        QList<FUN_DEV_INFO *> list;
        std::vector<std::unique_ptr<FUN_DEV_INFO>> records;
        for (int i = 0; i < m_peers.alarmIps.size(); ++i) {
            auto r = armedAlarmCamera(m_peers.alarmIps.at(i), m_peers.alarmPorts.value(i), i + 1);
            list.append(r.get());
            records.push_back(std::move(r));
        }
        OrmHelper::AddDevs(list);
        m_controller = std::make_unique<DeviceController>();
        m_alarms = std::make_unique<DeviceAlarmHandler>();
        m_alarms->updateAlarmDataBase();
        QObject::connect(m_controller.get(), &DeviceController::alarmReceived, &m_context,
                         [this](FUN_DEV_INFO *dev, const QString &xml) {
                             m_alarms->handleDeviceAlarm(xml, dev);
                             ++m_alarmCount;
                         });
        m_controller->onTimeoutLoginDevice();
        return allBack(0, 0, 0, 30000);
    }

    // Every pane painting, every recorder writing and alarms coming.
    bool allBack(qint64 alarmsBefore, qint64 segmentsBefore, int opened, int timeoutMs)
    {
        std::vector<qint64> paintedBefore;
        for (int i = 0; i < m_panes; ++i)
            paintedBefore.push_back(m_live->pane(i)->renderer()->framesPainted());
        return pumpUntil(
            [&] {
                for (int i = 0; i < m_panes; ++i)
                    if (m_live->pane(i)->renderer()->framesPainted() < paintedBefore[size_t(i)] + 10)
                        return false;
                return m_alarmCount > alarmsBefore + 10 && m_opened >= opened && m_segments >= segmentsBefore;
            },
            timeoutMs);
    }

    bool reconnect()
    {
        const loginDev camera = toLoginDev(m_camera), nvr = toLoginDev(m_nvr);
        int opened = 0;
        const QMetaObject::Connection counting = QObject::connect(
            KelvoSDKHelper::instance(), &KelvoSDKHelper::recvConnectDev, &m_context, [&opened] { ++opened; });
        for (auto &r : m_recorders)
            QObject::connect(r.get(), &FFmpegRecordPlan::segmentOpened, &m_context, [this] { ++m_opened; });
        if (!m_peers.restart(2000))
            return false;
        const qint64 alarmsBefore = m_alarmCount;
        m_opened = 0;
        // A pane waits for its source's probe, a recorder a second: a
        // minute at most for all of it.
        const bool sessions = pumpUntil(
            [&] {
                return KelvoSDKHelper::instance()->isConnected(camera) && KelvoSDKHelper::instance()->isConnected(nvr);
            },
            60000);
        const bool back = allBack(alarmsBefore, 0, int(m_recorders.size()), 60000);
        for (auto &r : m_recorders)
            QObject::disconnect(r.get(), &FFmpegRecordPlan::segmentOpened, &m_context, nullptr);
        QObject::disconnect(counting);
        m_work += opened;
        return sessions && back;
    }

    // A live pane closed and played again, the next one each time.
    bool paneAgain()
    {
        VideoPreviewPane *pane = m_live->pane(m_nextPane++ % m_panes);
        pane->stopPlay();
        pumpFor(200);
        const qint64 before = pane->renderer()->framesPainted();
        pane->startPlay(liveUrl(), QString(), QStringLiteral("camera again"));
        const bool shown = pumpUntil([&] { return pane->renderer()->framesPainted() > before + 25; }, 20000);
        m_work += pane->renderer()->framesPainted() - before;
        return shown;
    }

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

    Peers &m_peers;
    const QString m_records;
    FUN_DEV_INFO *m_camera = nullptr;
    FUN_DEV_INFO *m_nvr = nullptr;
    std::unique_ptr<RecordWnd> m_page;
    qint64 m_work = 0;
    qint64 m_images = 0;
    // The constant load (reconnect, day).
    QObject m_context;
    std::unique_ptr<MainViewVideoPreview> m_live;
    std::vector<std::unique_ptr<FFmpegRecordPlan>> m_recorders;
    std::unique_ptr<DeviceController> m_controller;
    std::unique_ptr<DeviceAlarmHandler> m_alarms;
    int m_panes = 0;
    int m_nextPane = 0;
    qint64 m_alarmCount = 0;
    qint64 m_segments = 0;
    int m_opened = 0;
    bool m_stopping = false;
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

// What both kinds of child share: the client's look, a work folder, the peers.
struct ChildSetup
{
    QTemporaryDir work;
    QString records;
    Peers peers;

    bool start()
    {
        // Only what went wrong; the pages log every start and stop.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
        // Quiet: a reconnect makes every player say the refused connection.
        av_log_set_level(AV_LOG_FATAL);
        // The windows paint as in the client: its font, its style sheet.
        ClientLook::apply();
        player::registerMetaTypes();
        registerKelvoMetaTypes();
        if (!work.isValid() || !QDir::setCurrent(work.path()))
            return false;
        records = work.filePath("records");
        const QString path = records;
        CommonHelper::setStoragePathsProvider([path] { return StoragePaths{path, QString(), QString()}; });
        const QString clip = work.filePath("clip.mp4");
        if (!makeClip(clip) || !peers.start(clip)) {
            std::fprintf(stderr, "bench_windowcycles: the peers did not start\n");
            return false;
        }
        return true;
    }
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Least-squares slope of y over x.
double fit(const std::vector<double> &x, const std::vector<double> &y)
{
    const double n = double(y.size());
    if (y.size() < 2)
        return 0;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < y.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    return (n * sxy - sx * sy) / (n * sxx - sx * sx);
}

int childDay(int minutes, int warmupMinutes)
{
    ChildSetup setup;
    if (!setup.start())
        return 1;
    Run run(setup.peers, setup.records);
    if (!run.prepare(QStringLiteral("day")))
        return 1;
    QElapsedTimer clock;
    clock.start();
    const qint64 warmupMs = qint64(warmupMinutes) * 60000, endMs = qint64(minutes) * 60000;
    std::vector<double> atMin, kb; // after the warm-up
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (clock.elapsed() >= warmupMs) {
            atMin.push_back(double(clock.elapsed()) / 60000);
            kb.push_back(double(pssAnonKb()));
        }
    });
    sampler.start(15000);
    QMap<QString, std::vector<double>> growth; // kind -> kB across each cycle
    int failed = 0;
    double cpuAtWarm = 0;
    qint64 wallAtWarm = 0, workAtWarm = 0, paintedAtWarm = 0, alarmsAtWarm = 0, segmentsAtWarm = 0;
    bool warm = false;
    for (int turn = 0; clock.elapsed() < endMs; ++turn) {
        if (!warm && clock.elapsed() >= warmupMs) {
            warm = true;
            cpuAtWarm = cpuSeconds();
            wallAtWarm = clock.elapsed();
            workAtWarm = run.work();
            paintedAtWarm = run.painted();
            alarmsAtWarm = run.alarms();
            segmentsAtWarm = run.segments();
        }
        const QString kind = kDayTurns.at(turn % kDayTurns.size());
        settle();
        const long before = pssAnonKb();
        const bool done = run.cycle(kind);
        settle();
        if (warm) {
            growth[kind].push_back(double(pssAnonKb() - before));
            if (!done)
                ++failed;
        }
        if (qEnvironmentVariableIsSet("BENCH_TRACE"))
            std::fprintf(stderr, "%.1f min %s %s anon %ld kB\n", double(clock.elapsed()) / 60000, qPrintable(kind),
                         done ? "done" : "FAILED", pssAnonKb());
        pumpFor(2000);
    }
    // The lowest sample of each minute.
    std::vector<double> minuteAt, minuteLow;
    for (size_t i = 0; i < kb.size(); ++i) {
        const double minute = std::floor(atMin[i]);
        if (minuteAt.empty() || minuteAt.back() != minute) {
            minuteAt.push_back(minute);
            minuteLow.push_back(kb[i]);
        } else {
            minuteLow.back() = std::min(minuteLow.back(), kb[i]);
        }
    }
    const double wallMin = double(clock.elapsed() - wallAtWarm) / 60000;
    QString kinds;
    for (auto it = growth.begin(); it != growth.end(); ++it) {
        std::vector<double> &v = it.value();
        std::sort(v.begin(), v.end());
        kinds += QStringLiteral(" kb_%1=%2 n_%1=%3").arg(it.key()).arg(v[v.size() / 2], 0, 'f', 1).arg(v.size());
    }
    std::printf("RESULT day slopeMiBh=%.1f lowSlopeMiBh=%.1f firstKb=%.0f lastKb=%.0f cpuPct=%.1f paintedPerMin=%.0f "
                "alarmsPerMin=%.0f segmentsPerMin=%.1f workPerMin=%.0f failed=%d%s\n",
                fit(atMin, kb) * 60 / 1024, fit(minuteAt, minuteLow) * 60 / 1024, kb.empty() ? 0 : kb.front(),
                kb.empty() ? 0 : kb.back(), (cpuSeconds() - cpuAtWarm) / (wallMin * 60) * 100,
                double(run.painted() - paintedAtWarm) / wallMin, double(run.alarms() - alarmsAtWarm) / wallMin,
                double(run.segments() - segmentsAtWarm) / wallMin, double(run.work() - workAtWarm) / wallMin, failed,
                qPrintable(kinds));
    std::fflush(stdout);
    if (qEnvironmentVariableIsSet("BENCH_KEEP_AT_EXIT")) {
        setup.peers.stop();
        std::_Exit(failed == 0 ? 0 : 3);
    }
    return failed == 0 ? 0 : 3;
}

int child(const QString &scenario, int cycles, int warmup)
{
    ChildSetup setup;
    if (!setup.start())
        return 1;
    Peers &peers = setup.peers;
    const QString records = setup.records;
    Run run(peers, records);
    if (!run.prepare(scenario))
        return 1;
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
    Platform::setUpAllocator();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(Resources);
    const QStringList args = app.arguments();
    const auto option = [&args](const char *name, int fallback) {
        const int at = args.indexOf(QLatin1String(name));
        return at >= 0 ? args.value(at + 1).toInt() : fallback;
    };
    const int cycles = option("--cycles", 100);
    const int warmup = option("--warmup", 20);
    const int minutes = option("--minutes", 10);
    const int warmupMinutes = option("--warmup-minutes", qMax(1, minutes / 3));
    if (args.contains("--child")) {
        const QString scenario = args.value(args.indexOf("--child") + 1);
        if (scenario == QLatin1String("day"))
            return childDay(minutes, warmupMinutes);
        return child(scenario, cycles, warmup);
    }

    const int rounds = option("--rounds", 3);
    QStringList scenarios = kScenarios;
    if (args.contains("--only"))
        scenarios = QStringList{args.value(args.indexOf("--only") + 1)};
    const bool day = args.contains("--day");
    if (day)
        scenarios = QStringList{"day"};
    QStringList builds{QCoreApplication::applicationFilePath()};
    for (const QString &other : qEnvironmentVariable("BENCH_COMPARE").split(',', Qt::SkipEmptyParts))
        builds << QFileInfo(other).absoluteFilePath();
    if (day)
        std::printf("cores: %d, days of %d minutes after %d of warm-up, %d rounds, builds: %s\n",
                    QThread::idealThreadCount(), minutes, warmupMinutes, rounds, qPrintable(builds.join(", ")));
    else
        std::printf("cores: %d, %d cycles after %d warm-up cycles, %d rounds, builds: %s\n",
                    QThread::idealThreadCount(), cycles, warmup, rounds, qPrintable(builds.join(", ")));
    // [scenario][build] -> per round
    QHash<QString, QVector<std::vector<double>>> held, perCycle, work;
    QVector<QMap<QByteArray, std::vector<double>>> dayFigures(builds.size());
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
                p.start(builds.at(b), day ? QStringList{"--child", s, "--minutes", QString::number(minutes),
                                                        "--warmup-minutes", QString::number(warmupMinutes)}
                                          : QStringList{"--child", s, "--cycles", QString::number(cycles), "--warmup",
                                                        QString::number(warmup)});
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
                for (auto it = f.cbegin(); it != f.cend(); ++it)
                    dayFigures[b][it.key()].push_back(it.value().toDouble());
                held[s][b].push_back(f.value("heldMb").toDouble());
                perCycle[s][b].push_back(f.value("slopeKb").toDouble());
                work[s][b].push_back(f.value("work").toDouble() / cycles);
                std::printf("  %-8s round %d build %d: %s", qPrintable(s), round + 1, b, out.mid(at + 7).constData());
                std::fflush(stdout);
            }
        }
    }
    if (day) {
        std::printf("day of %d minutes, %d of warm-up; goal: slopeMiBh and lowSlopeMiBh 0 within noise\n", minutes,
                    warmupMinutes);
        for (int b = 0; b < builds.size(); ++b)
            for (auto it = dayFigures[b].cbegin(); it != dayFigures[b].cend(); ++it)
                std::printf("day build %d: %-16s %s\n", b, it.key().constData(), qPrintable(spread(it.value(), 1)));
        return 0;
    }
    for (const QString &s : scenarios)
        for (int b = 0; b < builds.size(); ++b)
            std::printf("%-8s build %d: anonymous PSS held after the cycles (MB) %s; per cycle after warm-up (kB) %s; "
                        "work per cycle %s\n",
                        qPrintable(s), b, qPrintable(spread(held[s][b], 2)), qPrintable(spread(perCycle[s][b], 1)),
                        qPrintable(spread(work[s][b], 0)));
    return 0;
}
