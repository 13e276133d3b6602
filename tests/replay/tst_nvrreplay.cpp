#include "CommonHelper.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "DeviceTree.h"
#include "FFmpegReplayWidget.h"
#include "I420Render2.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "MyCalendar.h"
#include "PlayerCommon.h"
#include "RecordWnd.h"
#include "ReplayControl.h"
#include "SimDevice.h"
#include "SimRecordStreams.h"
#include "SmallDisk.h"
#include "TestMedia.h"
#include "TimeLine.h"
#include "TypedDateTimeEdit.h"
#include "VideoRecord.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QTemporaryDir>
#include <QtTest>

#include "../support/Keyboard.h"

#include <cerrno>
#include <cstring>

using DevicePagesTest::toastTexts;

namespace {

const QDate kToday = QDate::currentDate();
const QString kTodayText = kToday.toString("yyyyMMdd");

// Minutes [from, to) recorded, the rest 'C'.
QString dayText(int from, int to)
{
    return QString(from, 'C') + QString(to - from, '0') + QString(1440 - to, 'C');
}

bool toastContains(const QString &text)
{
    for (const QString &t : toastTexts())
        if (t.contains(text))
            return true;
    return false;
}

QString probeCodec(const QString &path)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries", "stream=codec_name", "-of",
                        "default=nw=1:nk=1", path});
    p.waitForFinished(60000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

// A 640x360 clip of 25 fps with the given encoder settings, made once.
QString makeClip360(const QString &name, const QStringList &encoder)
{
    const QString path = QDir::current().filePath(name);
    if (QFile::exists(path))
        return path;
    QProcess p;
    p.start("ffmpeg", QStringList{"-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25",
                                  "-t", "6", "-pix_fmt", "yuv420p", "-c:v", "libx264", "-g", "25"}
                          + encoder + QStringList{path});
    return p.waitForFinished(120000) && p.exitCode() == 0 ? path : QString();
}

// The download's progress lines, as the log writer gets them.
QStringList g_progressLines;
QtMessageHandler g_previousHandler = nullptr;

void keepProgressLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Download Progress")))
        g_progressLines << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

struct ProgressLines
{
    ProgressLines()
    {
        g_progressLines.clear();
        g_previousHandler = qInstallMessageHandler(keepProgressLines);
    }
    ~ProgressLines() { qInstallMessageHandler(g_previousHandler); }
};

} // namespace

class TstNvrReplay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QVector<SimRecordStreams::Frame> m_h264, m_h265;
    std::vector<std::unique_ptr<SimDevice>> m_sims;
    QList<FUN_DEV_INFO *> m_nvrs;
    std::unique_ptr<RecordWnd> m_wnd;
    int m_block = 0;

    static QVector<SimRecordStreams::Frame> frames(const QString &clip)
    {
        QVector<SimRecordStreams::Frame> out;
        for (const testmedia::AnnexBFrame &f : testmedia::annexBFrames(clip))
            out.append({f.data, f.ms, f.key});
        return out;
    }

    // A simulated NVR on its own loopback address, in the registry and
    // logged in, with each channel's connection already open.
    SimDevice *addNvr(int channels = 4)
    {
        auto sim = std::make_unique<SimDevice>(SimDevice::Nvr);
        sim->state().maxChannels = channels;
        const QString ip = QStringLiteral("127.41.%1.1").arg(++m_block);
        if (!sim->listen(QHostAddress(ip)))
            return nullptr;
        SimRecordStreams::Setup &s = SimRecordStreams::setup(*sim);
        s.frames = m_h264;
        s.monthDays[0] = QStringList{kTodayText};
        for (int ch = 1; ch <= channels; ++ch) {
            s.dayRecords[ch] = dayText(480 + ch, 482 + ch);
            s.monthDays[ch] = QStringList{kTodayText, kToday.addDays(-ch).toString("yyyyMMdd")};
        }
        auto *nvr = new FUN_DEV_INFO;
        nvr->ip = ip;
        nvr->name = "nvr " + ip;
        nvr->devType = 1;
        nvr->devPort = sim->port();
        nvr->channelNum = uint8_t(channels);
        nvr->loginStatus = 1;
        DeviceInfoManager::instance()->addDevInfo(nvr);
        DeviceInfoManager::instance()->addNVRChannels(nvr);
        for (int ch = 0; ch <= channels; ++ch) {
            FUN_DEV_INFO *rec = DeviceInfoManager::instance()->getChannelInfo(ip, uint8_t(ch));
            DeviceInfoManager::instance()->loginDevice(rec);
            const loginDev key = toLoginDev(rec);
            if (!DevicePagesTest::waitFor([&] { return KelvoSDKHelper::instance()->isConnected(key); }))
                return nullptr;
        }
        m_nvrs << nvr;
        m_sims.push_back(std::move(sim));
        return m_sims.back().get();
    }

    void openWindow()
    {
        m_wnd = std::make_unique<RecordWnd>();
        m_wnd->resize(1300, 900);
        m_wnd->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wnd.get()));
        m_wnd->setWatchdogTimings(100, 1500);
        m_wnd->setProgressInterval(200);
        m_wnd->setRefreshInterval(10000);
    }

    QModelIndex treeIndex(const QString &key) const
    {
        QStandardItem *item = m_wnd->tree()->itemForKey(key);
        return item ? m_wnd->tree()->proxyModel()->mapFromSource(item->index()) : QModelIndex();
    }

    void click(const QString &key) { m_wnd->onDeviceItemClicked(treeIndex(key)); }
    void doubleClick(const QString &key)
    {
        const QModelIndex index = treeIndex(key);
        m_wnd->tree()->scrollTo(index);
        const QPoint at = m_wnd->tree()->visualRect(index).center();
        QTest::mouseClick(m_wnd->tree()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(m_wnd->tree()->viewport(), Qt::LeftButton, {}, at);
    }

    static QList<SimRequest> requestsOf(SimDevice *sim, unsigned cmd, int channel)
    {
        QList<SimRequest> out;
        for (const SimRequest &r : sim->requests(cmd))
            if (r.body.value("ChannelId").trimmed().toInt() == channel)
                out << r;
        return out;
    }

    static QList<unsigned> commandsOf(SimDevice *sim, int channel, const QSet<unsigned> &wanted)
    {
        QList<unsigned> out;
        for (const SimRequest &r : sim->requests())
            if (wanted.contains(r.cmd) && r.body.value("ChannelId").trimmed().toInt() == channel)
                out << r.cmd;
        return out;
    }

    qint64 shown(int pane) const { return m_wnd->replayWidget()->paneRender(pane)->framesReceived(); }

    // Typed as the operator types: the start over its whole text selected,
    // the end from a click into its year on (Shift as a US keyboard needs it
    // for the start, as a Czech one for the end).
    void setRange(const QTime &from, const QTime &to)
    {
        const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
        auto *start = m_wnd->findChild<QDateTimeEdit *>("dateTimeEditStart");
        QTest::mouseClick(start->findChild<QLineEdit *>(), Qt::LeftButton, {}, QPoint(8, start->height() / 2));
        QTest::keyClick(start, Qt::Key_A, Qt::ControlModifier);
        Keyboard::type(start, QDateTime(kToday, from).toString(format), Keyboard::Layout::Us);
        typeAt("dateTimeEditEnd", 0, QDateTime(kToday, to).toString(format));
    }

    // A click on the character at position of a date-time field, then text.
    void typeAt(const char *field, int position, const QString &text)
    {
        auto *edit = m_wnd->findChild<QDateTimeEdit *>(field);
        QLineEdit *line = edit->findChild<QLineEdit *>();
        const QFontMetrics fm = line->fontMetrics();
        const int x = line->contentsRect().left() + 2 + fm.horizontalAdvance(line->text().left(position))
                      + fm.horizontalAdvance(line->text().mid(position, 1)) / 2;
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, line->height() / 2));
        Keyboard::type(edit, text, Keyboard::Layout::Czech);
    }

private slots:
    void initTestCase()
    {
        player::registerMetaTypes();
        registerKelvoMetaTypes();
        // A recorder back is found again within a second, not half a minute.
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(timings);
        QVERIFY(m_root.isValid());
        const QString records = m_root.filePath("records");
        CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
        const QString h264 = testmedia::makeClip("nvr264.mp4", "h264", 6, 1280, 720);
        const QString h265 = testmedia::makeClip("nvr265.mp4", "h265", 6, 1280, 720);
        QVERIFY(!h264.isEmpty() && !h265.isEmpty());
        m_h264 = frames(h264);
        m_h265 = frames(h265);
        QVERIFY(m_h264.size() > 100 && m_h265.size() > 100);
    }

    void cleanup()
    {
        m_wnd.reset();
        const QString records = m_root.filePath("records");
        CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
        for (FUN_DEV_INFO *nvr : qAsConst(m_nvrs)) {
            for (int ch = 0; ch <= nvr->channelNum; ++ch)
                if (FUN_DEV_INFO *rec = DeviceInfoManager::instance()->getChannelInfo(nvr->ip, uint8_t(ch)))
                    DeviceInfoManager::instance()->logoutDevice(rec);
            DeviceInfoManager::instance()->deleteDevice(nvr->ip);
        }
        m_nvrs.clear();
        m_sims.clear();
        DevicePagesTest::closeToasts();
    }

    // Month dots and day segments, then channel 3 played, sought, paused,
    // slowed and resumed; a paused pane outlives the watchdog limit.
    void playsAChannelAndControlsIt()
    {
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        openWindow();
        const QString ip = sim->address().toString(), key = ip + "_3";
        click(key);
        const QSet<QString> month{kTodayText, kToday.addDays(-3).toString("yyyyMMdd")};
        QTRY_COMPARE_WITH_TIMEOUT(m_wnd->monthDays(ip), month, 5000);
        QCOMPARE(QSet<QString>(m_wnd->calendar()->markedDays().cbegin(), m_wnd->calendar()->markedDays().cend()),
                 month);
        QTRY_COMPARE_WITH_TIMEOUT(m_wnd->dayRecords(key).size(), size_t(1), 5000);
        const ArchiveRecordPtr segment = m_wnd->dayRecords(key).front();
        const qint64 midnight = QDateTime(kToday, QTime(0, 0)).toMSecsSinceEpoch();
        QCOMPARE(segment->startTime(), midnight + 483 * 60000LL);
        QCOMPARE(segment->endTime(), midnight + 485 * 60000LL);
        QCOMPARE(m_wnd->timeLine()->records().size(), size_t(1));
        // The month is asked on the NVR's connection, this month and the one before.
        const QList<SimRequest> months = requestsOf(sim, 14300, 3);
        QVERIFY(months.size() >= 3);
        QCOMPARE(months.at(0).body.value("Time"), kTodayText);

        doubleClick(key);
        QCOMPARE(m_wnd->paneKeys().value(0), key);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 10, 10000);
        const SimRequest start = requestsOf(sim, 14301, 3).first();
        QCOMPARE(start.body.value("Time"), kTodayText + "080300");
        QCOMPARE(start.body.value("TimeEnd"), kTodayText + "235959");
        QCOMPARE(start.body.value("DownloadRecord"), QStringLiteral("0"));

        sim->clearRequests();
        m_wnd->onTimeLineRecordSelected(segment, segment->startTime() + 60000);
        QTRY_COMPARE_WITH_TIMEOUT(sim->requests(14304).size(), 1, 5000);
        QCOMPARE(sim->requests(14304).first().body.value("Time"), kTodayText + "080400");
        m_wnd->onTimeLineRecordSelected(segment, segment->startTime() + 30000);
        QTRY_COMPARE_WITH_TIMEOUT(commandsOf(sim, 3, {14301, 14302}), (QList<unsigned>{14302, 14301}), 5000);
        QCOMPARE(requestsOf(sim, 14301, 3).last().body.value("Time"), kTodayText + "080330");
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->replayWidget()->isPlaying(0), 10000);

        sim->clearRequests();
        m_wnd->onBtnSpeed(0.5f);
        m_wnd->onBtnPlayClicked(false);
        // Paused for three times the watchdog limit: the pane stays. The limit
        // is made short while paused, and the watchdog's own tick after three
        // of them is waited for.
        constexpr int TickMs = 50, LimitMs = 300;
        m_wnd->setWatchdogTimings(TickMs, LimitMs);
        QTimer *watchdog = nullptr;
        for (QTimer *timer : m_wnd->session()->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
            if (timer->interval() == TickMs && timer->isActive())
                watchdog = timer;
        QVERIFY(watchdog);
        QElapsedTimer paused;
        paused.start();
        bool looked = false;
        const auto tick = connect(watchdog, &QTimer::timeout, this, [&] { looked = paused.elapsed() > 3 * LimitMs; });
        QTRY_VERIFY_WITH_TIMEOUT(looked, 10000);
        disconnect(tick);
        QCOMPARE(m_wnd->paneKeys().value(0), key);
        m_wnd->setWatchdogTimings(100, 1500);
        m_wnd->onBtnPlayClicked(true);
        const QSet<unsigned> controls{14306, 14307, 14309, 14310};
        QTRY_COMPARE_WITH_TIMEOUT(commandsOf(sim, 3, controls), (QList<unsigned>{14307, 14309, 14310, 14307}), 5000);
        for (const SimRequest &r : sim->requests(14307))
            QCOMPARE(r.body.value("Speed"), QStringLiteral("2"));
    }

    // Played past the last known minute, the day is asked again once (not on
    // every position tick), and an answer that reaches no further sends no seek.
    void refreshPastTheEndIsThrottled()
    {
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::setup(*sim).dayRecords[1] = dayText(480, 481);
        openWindow();
        const QString key = sim->address().toString() + "_1";
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        sim->clearRequests();
        const qint64 midnight = QDateTime(kToday, QTime(0, 0)).toMSecsSinceEpoch();
        m_wnd->startPlaybackAt(key, midnight + 480 * 60000LL + 57000);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 100, 15000);
        int days = 0;
        for (const SimRequest &r : requestsOf(sim, 14300, 1))
            days += r.body.value("ByMonth").trimmed() == "0";
        QCOMPARE(days, 1);
        QVERIFY(sim->requests(14304).isEmpty());
    }

    // A stream that falls silent ends with "Playback ended" and a stop.
    // Silence of a recorder that is gone is said as such, with the channel,
    // in the toast and on the pane, where it stays after the toast, another
    // channel picked and another pane started, until the operator picks the
    // channel itself; a recorder back is said there.
    void silentStreamEnds_data()
    {
        QTest::addColumn<bool>("gone");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("word"); // on the pane; %1 the recorder's address
        QTest::addColumn<QString>("back"); // said there once it is back; empty: it stays away
        QTest::addColumn<bool>("early");   // back before the pane's silence is judged
        QTest::newRow("the footage ended")
            << false << RecordWnd::tr("Playback ended") << QString() << QString() << false;
        const QString lost = RecordWnd::tr("Playback stopped: the connection to the recorder was lost");
        QTest::newRow("the recorder gone") << true << lost << "nvr %1 - CH_02\n" + lost << QString() << false;
        const QString back = "nvr %1 - CH_02\n" + RecordWnd::tr("The recorder is back: play the channel again");
        QTest::newRow("the recorder gone, then back") << true << lost << "nvr %1 - CH_02\n" + lost << back << false;
        QTest::newRow("the recorder back before its silence is judged")
            << true << lost << "nvr %1 - CH_02\n" + lost << back << true;
    }

    void silentStreamEnds()
    {
        QFETCH(bool, gone);
        QFETCH(QString, told);
        QFETCH(QString, word);
        QFETCH(QString, back);
        QFETCH(bool, early);
        SimDevice *sim = addNvr();
        SimDevice *other = addNvr();
        QVERIFY(sim && other);
        SimRecordStreams::setup(*sim).silentAfterFrames = 30;
        openWindow();
        const QString ip = sim->address().toString(), key = ip + "_2";
        if (!word.isEmpty())
            word = word.arg(ip);
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        doubleClick(key);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 0, 10000);
        QCOMPARE(m_wnd->replayWidget()->paneWord(0), QString());
        FUN_DEV_INFO *nvr = DeviceInfoManager::instance()->findDevInfo(ip);
        if (gone)
            sim->close();
        // Up again, and the client logs in to it as it does after a loss.
        const auto comeBack = [&] {
            return sim->listen(sim->address(), sim->port())
                   && QTest::qWaitFor([&] { return KelvoSDKHelper::instance()->isConnected(toLoginDev(nvr)); }, 10000)
                   && KelvoSDKHelper::instance()->sendData(toLoginDev(nvr), Cmd::Login,
                                                           DeviceController::loginBody(nvr), 0);
        };
        if (early) {
            QTRY_VERIFY_WITH_TIMEOUT(!KelvoSDKHelper::instance()->isConnected(toLoginDev(nvr)), 10000);
            QVERIFY(comeBack());
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 15000);
        QVERIFY2(toastContains(gone ? word : told), qPrintable(toastTexts().join(" | ")));
        if (early)
            word = back.arg(ip);
        QVERIFY(!toastContains(gone ? RecordWnd::tr("Playback ended")
                                    : RecordWnd::tr("Playback stopped: the connection to the recorder was lost")));
        if (!gone)
            QTRY_VERIFY_WITH_TIMEOUT(!requestsOf(sim, 14302, 2).isEmpty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().isEmpty(), 30000);
        QCOMPARE(m_wnd->replayWidget()->paneWord(0), word);
        click(ip + "_1");
        QCOMPARE(m_wnd->replayWidget()->paneWord(0), word);
        // Another channel plays in a pane that says nothing.
        const QString elsewhere = other->address().toString() + "_1";
        doubleClick(elsewhere);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().values().contains(elsewhere), 10000);
        QCOMPARE(m_wnd->paneKeys().key(elsewhere), word.isEmpty() ? 0 : 1);
        QTRY_VERIFY_WITH_TIMEOUT(shown(m_wnd->paneKeys().key(elsewhere)) > 0, 10000);
        QCOMPARE(m_wnd->replayWidget()->paneWord(0), word);
        if (!back.isEmpty() && !early) {
            QVERIFY(comeBack());
            QTRY_COMPARE_WITH_TIMEOUT(m_wnd->replayWidget()->paneWord(0), back.arg(ip), 10000);
        }
        click(key);
        QCOMPARE(m_wnd->replayWidget()->paneWord(0), QString());
    }

    // Four channels play; the fifth gets no pane and no stream request.
    void fifthChannelDoesNotStart()
    {
        SimDevice *sim = addNvr(5);
        QVERIFY(sim);
        openWindow();
        const QString ip = sim->address().toString();
        for (int ch = 1; ch <= 5; ++ch) {
            m_wnd->playDevice(QStringLiteral("%1_%2").arg(ip).arg(ch));
            QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(QStringLiteral("%1_%2").arg(ip).arg(ch)).empty(), 5000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(sim->requests(14301).size(), 4, 5000);
        QCOMPARE(m_wnd->paneKeys().size(), 4);
        QVERIFY(!m_wnd->paneKeys().values().contains(ip + "_5"));
        QVERIFY(DevicePagesTest::roundTrip(DeviceInfoManager::instance()->getChannelInfo(ip, 5)));
        QVERIFY(requestsOf(sim, 14301, 5).isEmpty());
    }

    // A late day reply lands on its own channel and day; a late month reply
    // on its own NVR.
    void lateRepliesLandOnTheirOwnKeys()
    {
        SimDevice *first = addNvr();
        SimDevice *second = addNvr();
        QVERIFY(first && second);
        SimRecordStreams::setup(*first).dayReplyDelayMs = 800;
        SimRecordStreams::setup(*first).monthDays[1] = QStringList{"20200101"};
        SimRecordStreams::setup(*second).monthDays[2] = QStringList{"20200202"};
        openWindow();
        const QString a = first->address().toString(), b = second->address().toString();
        click(a + "_1");
        click(b + "_2");
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(a + "_1").empty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(b + "_2").empty(), 5000);
        const qint64 midnight = QDateTime(kToday, QTime(0, 0)).toMSecsSinceEpoch();
        QCOMPARE(m_wnd->dayRecords(a + "_1").front()->startTime(), midnight + 481 * 60000LL);
        QCOMPARE(m_wnd->dayRecords(b + "_2").front()->startTime(), midnight + 482 * 60000LL);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->monthDays(a).contains("20200101"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->monthDays(b).contains("20200202"), 5000);
        QVERIFY(!m_wnd->monthDays(b).contains("20200101"));
        // The time line stays on the channel chosen last.
        QCOMPARE(m_wnd->timeLine()->records().front()->startTime(), midnight + 482 * 60000LL);
    }

    void bothCodecsPlay_data()
    {
        QTest::addColumn<bool>("h265");
        QTest::newRow("H.264") << false;
        QTest::newRow("H.265") << true;
    }

    void bothCodecsPlay()
    {
        QFETCH(bool, h265);
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        if (h265) {
            SimRecordStreams::setup(*sim).frames = m_h265;
            SimRecordStreams::setup(*sim).codec = "H265";
        }
        openWindow();
        const QString key = sim->address().toString() + "_1";
        m_wnd->playDevice(key);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 10, 15000);
    }

    void downloads_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("recorded"); // minutes "from-to" of the channel's day
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("kept"); // "complete", "partial" or "none"
        QTest::addColumn<QString>("told"); // after the channel's key
        const QString ok = RecordWnd::tr("Download successful");
        // The clip is 6 s of footage from 08:00:00.
        QTest::newRow("range past the last recording") << ""
                                                       << "480-481" << true << "complete" << ok;
        QTest::newRow("H.265") << "h265"
                               << "480-481" << true << "complete" << ok;
        // The recorder sends 6 s of the 10 min it has in the range.
        QTest::newRow("silent mid-range")
            << ""
            << "480-490" << false << "partial"
            << RecordWnd::tr("Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)")
                   .arg("08:00:06", "6", "1800");
        QTest::newRow("ended by the operator") << "end"
                                               << "480-490" << false << "partial"
                                               << "";
        QTest::newRow("stream request unanswered")
            << "noanswer"
            << "480-481" << false << "none"
            << RecordWnd::tr("Download failed: the recorder did not answer the request");
        QTest::newRow("no download data")
            << "nodata"
            << "480-481" << false << "none"
            << RecordWnd::tr("Download failed: the recorder sent no footage of the range");
        // Killed once 40 frames (1.6 s) came: the footage's end inside the
        // range makes it no whole.
        QTest::newRow("recorder gone mid-range")
            << "gone"
            << "480-481" << false << "partial"
            << RecordWnd::tr("Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)")
                   .arg("08:00:01", "1", "1800");
    }

    void downloads()
    {
        QFETCH(QString, fault);
        QFETCH(QString, recorded);
        QFETCH(bool, success);
        QFETCH(QString, kept);
        QFETCH(QString, told);
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::Setup &s = SimRecordStreams::setup(*sim);
        if (fault == "gone")
            s.silentAfterFrames = 40;
        s.answerStreamRequest = fault != "noanswer";
        s.sendDownloadData = fault != "nodata";
        if (fault == "h265") {
            s.frames = m_h265;
            s.codec = "H265";
        }
        const QStringList minutes = recorded.split('-');
        s.dayRecords[3] = dayText(minutes[0].toInt(), minutes[1].toInt());
        const ProgressLines progressLines;
        openWindow();
        const QString ip = sim->address().toString(), key = ip + "_3";
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        setRange(QTime(8, 0), QTime(8, 30));
        auto *startButton = m_wnd->findChild<QPushButton *>("pushButtonStart");
        QTest::mouseClick(startButton, Qt::LeftButton);
        QCOMPARE(m_wnd->downloadKey(), key);
        QSignalSpy frames(m_wnd->session(), &NvrPlaybackSession::downloadData);
        const QString folder = QDir::toNativeSeparators(m_root.filePath("records") + "/" + ip + "/CH_03/");
        const QString path = folder + kTodayText + "080000000.mp4";
        const QString partial = folder + kTodayText + "080000000.partial.mp4";
        QCOMPARE(m_wnd->downloadPath(), path);
        QVERIFY(!startButton->isEnabled());
        // Another channel plays meanwhile; its frames stay in its pane.
        if (fault.isEmpty())
            m_wnd->playDevice(ip + "_2");
        if (fault == "end") {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(partial).size() > 0, 20000);
            QTest::mouseClick(m_wnd->findChild<QPushButton *>("pushButtonEnd"), Qt::LeftButton);
        }
        if (fault == "gone") {
            // Long before its silence could count.
            m_wnd->setProgressInterval(3000);
            QTRY_COMPARE_WITH_TIMEOUT(frames.size(), 40, 10000);
            sim->close();
        }

        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->downloadKey().isEmpty(), 20000);
        QVERIFY(startButton->isEnabled());
        if (fault != "end") {
            // Told once the writer has closed the file, of the channel as the operator names it.
            const QString text = "nvr " + ip + " - CH_03 " + told;
            QTRY_VERIFY2_WITH_TIMEOUT(toastContains(text), qPrintable(toastTexts().join(" | ")), 10000);
            QCOMPARE(toastContains(RecordWnd::tr("Download successful")), success);
            // The toast links to where the file is.
            if (kept != "none")
                QVERIFY2(toastContains(kept == "complete" ? path : partial), qPrintable(toastTexts().join(" | ")));
        }
        // The writer closes the file after the verdict; only then has it its
        // last name, and nothing is left under the other.
        const QString where = kept == "complete" ? path : partial;
        if (kept != "none") {
            QTRY_VERIFY_WITH_TIMEOUT(m_wnd->downloadWriter()->isFinished() && QFile::exists(where), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(testmedia::probeFrames(where) > 0, 10000);
            if (kept == "complete")
                QVERIFY(testmedia::probeFrames(where) > 100);
            QCOMPARE(probeCodec(where), fault == "h265" ? QStringLiteral("hevc") : QStringLiteral("h264"));
        }
        QCOMPARE(QDir(folder).entryList({"*.mp4"}, QDir::Files),
                 kept == "none" ? QStringList() : QStringList{QFileInfo(where).fileName()});
        if (fault.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 10, 10000);
        if (fault == "gone")
            return;
        const SimRequest request = requestsOf(sim, 14301, 3).value(0);
        QCOMPARE(request.body.value("Time"), kTodayText + "080000000");
        QCOMPARE(request.body.value("TimeEnd"), kTodayText + "083000000");
        QCOMPARE(request.body.value("DownloadRecord"), QStringLiteral("1"));
        // Each progress tick is one line.
        const QString day = kToday.toString("yyyy-MM-dd");
        const QRegularExpression line(
            "^Download Progress - Current: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d Start: " + day + " 08:00:00 End: "
            + day + " 08:30:00 Queue size: \\d+ Last count: \\d+ Total count: \\d+ Progress: \\d+%$");
        QVERIFY(fault == "end" || !g_progressLines.isEmpty());
        for (const QString &l : qAsConst(g_progressLines))
            QVERIFY2(line.match(l).hasMatch(), qPrintable(l));
    }

    // A download into a folder on a disk that is full, fills up, or is
    // read-only: the recorder sends the whole range, but the file is not
    // written whole, so it is told as failed with the reason and never gets
    // the complete name; a part that holds pictures stays under the partial
    // name, one without is removed.
    void downloadOnAFullDisk_data()
    {
        QTest::addColumn<QString>("disk"); // "full", "room" (300 KB left) or "read-only"
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("partKept");
        QTest::newRow("full") << "full" << ENOSPC << false;
        QTest::newRow("300 KB free") << "room" << ENOSPC << true;
        QTest::newRow("read-only") << "read-only" << EROFS << false;
    }

    void downloadOnAFullDisk()
    {
        QFETCH(QString, disk);
        QFETCH(int, error);
        QFETCH(bool, partKept);
        SmallDisk small(m_root.filePath("small-" + disk));
        if (!small.mounted())
            QSKIP("no small file system can be mounted here");
        const QString records = small.path();
        CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::setup(*sim).dayRecords[3] = dayText(480, 481);
        openWindow();
        const QString ip = sim->address().toString(), key = ip + "_3";
        const QString folder = records + "/" + ip + "/CH_03";
        QVERIFY(QDir().mkpath(folder));
        if (disk == "read-only")
            QVERIFY(small.setReadOnly(true));
        else
            QVERIFY(small.fill(disk == "room" ? 300 * 1024 : 0));
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        setRange(QTime(8, 0), QTime(8, 30));
        QTest::mouseClick(m_wnd->findChild<QPushButton *>("pushButtonStart"), Qt::LeftButton);
        QCOMPARE(m_wnd->downloadKey(), key);
        const QString complete = m_wnd->downloadPath();
        const QString partial = NvrPlaybackSession::partialPathOf(complete);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->downloadKey().isEmpty(), 20000);
        const QString text = "nvr " + ip + " - CH_03 " + RecordWnd::tr("Download failed") + ": "
                             + QString::fromLocal8Bit(strerror(error));
        QTRY_VERIFY2_WITH_TIMEOUT(toastContains(text), qPrintable(toastTexts().join(" | ")), 10000);
        QVERIFY2(!toastContains(RecordWnd::tr("Download successful")), qPrintable(toastTexts().join(" | ")));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 partKept ? QStringList{QFileInfo(partial).fileName()} : QStringList());
        if (partKept) {
            // The toast leads to the part, which holds some pictures of the range.
            QVERIFY(toastContains(partial));
            const int frames = testmedia::probeFrames(partial);
            QVERIFY2(frames > 0 && frames < m_h264.size(), qPrintable(QString::number(frames)));
        }
    }

    // "Start Download" without a channel, or without a folder to write to,
    // or with a start typed that does not exist, says so and asks the
    // recorder for nothing.
    void downloadRefusalsAreTold_data()
    {
        QTest::addColumn<QString>("picked"); // "", "recorder", "channel, then recorder" or "channel"
        QTest::addColumn<bool>("folderBlocked");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("from");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<QString>("retyped"); // typed afterwards: "<Start|End> <position> <text>"
        const QTime eight(8, 0), half(8, 30);
        QTest::newRow("nothing picked") << "" << false << RecordWnd::tr("Please select the device to operate.") << eight
                                        << half << "";
        QTest::newRow("the recorder picked")
            << "recorder" << false << RecordWnd::tr("Please select a channel to download.") << eight << half << "";
        QTest::newRow("a channel, then the recorder")
            << "channel, then recorder" << false << RecordWnd::tr("Please select a channel to download.") << eight
            << half << "";
        QTest::newRow("folder cannot be made")
            << "channel" << true << RecordWnd::tr("Failed to create file directory!") << eight << half << "";
        const QString notAfter = RecordWnd::tr("Start time can not be greater than the end time.");
        QTest::newRow("end typed before the start")
            << "channel" << false << notAfter << QTime(8, 30) << QTime(8, 10) << "";
        QTest::newRow("end typed equal to the start")
            << "channel" << false << notAfter << QTime(8, 10) << QTime(8, 10) << "";
        QTest::newRow("end's minutes typed before the start")
            << "channel" << false << notAfter << QTime(8, 10) << QTime(8, 30) << "End 14 05";
        // Taken back and said when Start is clicked; that click downloads
        // nothing, neither the 28th nor the start kept.
        const QString feb31 = kToday.toString("yyyy-02-31 08:00:00");
        QTest::newRow("start typed as 31 February")
            << "channel" << false
            << TypedDateTimeEdit::noSuchTimeText(feb31, QDateTime(kToday, eight).toString("yyyy-MM-dd HH:mm:ss"))
            << eight << half << "Start 5 02-31";
    }

    void downloadRefusalsAreTold()
    {
        QFETCH(QString, picked);
        QFETCH(bool, folderBlocked);
        QFETCH(QString, text);
        QFETCH(QTime, from);
        QFETCH(QTime, to);
        QFETCH(QString, retyped);
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        const QString blocked = m_root.filePath("blocked");
        if (folderBlocked) {
            QFile file(blocked);
            QVERIFY(file.open(QIODevice::WriteOnly));
            CommonHelper::setStoragePathsProvider([blocked] { return StoragePaths{blocked, QString(), QString()}; });
        }
        openWindow();
        // The operator works in it: the click on Start takes the focus.
        m_wnd->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_wnd.get()));
        const QString ip = sim->address().toString();
        // Clicked as the operator does: the tree's highlight moves too.
        const auto mouseClick = [this](const QString &key) {
            const QModelIndex index = treeIndex(key);
            QVERIFY2(index.isValid(), qPrintable(key));
            m_wnd->tree()->scrollTo(index);
            QTest::mouseClick(m_wnd->tree()->viewport(), Qt::LeftButton, {}, m_wnd->tree()->visualRect(index).center());
        };
        if (picked.startsWith("channel"))
            mouseClick(ip + "_1");
        if (picked.endsWith("recorder"))
            mouseClick(ip);
        setRange(from, to);
        const QStringList again = retyped.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!again.isEmpty())
            typeAt(qPrintable("dateTimeEdit" + again[0]), again[1].toInt(), again[2]);
        // The fields show what was typed; a start that does not exist is
        // taken back whole by the click.
        QCOMPARE(m_wnd->findChild<QDateTimeEdit *>("dateTimeEditEnd")->dateTime(),
                 QDateTime(kToday, retyped.startsWith("End") ? QTime(to.hour(), again[2].toInt()) : to));
        QTest::mouseClick(m_wnd->findChild<QPushButton *>("pushButtonStart"), Qt::LeftButton);
        QCOMPARE(m_wnd->findChild<QDateTimeEdit *>("dateTimeEditStart")->dateTime(), QDateTime(kToday, from));
        const QString records = m_root.filePath("records");
        CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
        QVERIFY2(toastContains(text), qPrintable(toastTexts().join(" | ")));
        QVERIFY(m_wnd->downloadKey().isEmpty());
        QVERIFY(m_wnd->findChild<QPushButton *>("pushButtonStart")->isEnabled());
        // Anything sent would have arrived by the time a later request does.
        QVERIFY(DevicePagesTest::roundTrip(DeviceInfoManager::instance()->getChannelInfo(ip, 1)));
        QVERIFY(sim->requests(14301).isEmpty());
    }

    // A low-bitrate channel whose key frames are a few kilobytes starts, and
    // starts again after a seek.
    void lowBitrateChannelPlays()
    {
        const QString clip =
            makeClip360("nvr360low.mp4", {"-bf", "0", "-b:v", "200k", "-maxrate", "200k", "-bufsize", "400k"});
        QVERIFY(!clip.isEmpty());
        const QVector<SimRecordStreams::Frame> low = frames(clip);
        int largestKey = 0;
        for (const SimRecordStreams::Frame &f : low)
            if (f.key)
                largestKey = qMax(largestKey, f.data.size());
        QVERIFY2(largestKey > 0 && largestKey < 10000, qPrintable(QString::number(largestKey)));
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::setup(*sim).frames = low;
        openWindow();
        const QString key = sim->address().toString() + "_1";
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        m_wnd->playDevice(key);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > 10, 15000);
        QCOMPARE(m_wnd->replayWidget()->paneRender(0)->frameSize(), QSize(640, 360));
        const ArchiveRecordPtr segment = m_wnd->dayRecords(key).front();
        m_wnd->onTimeLineRecordSelected(segment, segment->startTime() + 30000);
        QTRY_COMPARE_WITH_TIMEOUT(sim->requests(14304).size(), 1, 5000);
        const qint64 before = shown(0);
        QTRY_VERIFY_WITH_TIMEOUT(shown(0) > before + 10, 15000);
    }

    // Footage with B-frames: the file holds the asked range with its frames
    // shown in order, whatever more the recorder sends; the same start again
    // goes to a new file.
    void bFrameDownloadKeepsTheRange()
    {
        const QString clip = makeClip360("nvr360b.mp4", {"-bf", "2", "-crf", "30"});
        QVERIFY(!clip.isEmpty());
        const QVector<SimRecordStreams::Frame> sent = frames(clip);
        bool reordered = false;
        for (int i = 1; i < sent.size(); ++i)
            reordered = reordered || sent.at(i).ms < sent.at(i - 1).ms;
        QVERIFY(reordered);
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::setup(*sim).frames = sent;
        SimRecordStreams::setup(*sim).dayRecords[2] = dayText(480, 490);
        openWindow();
        const QString key = sim->address().toString() + "_2";
        click(key);
        QTRY_VERIFY_WITH_TIMEOUT(!m_wnd->dayRecords(key).empty(), 5000);
        // 3 s asked; the recorder sends its 6 s from the start on.
        setRange(QTime(8, 0, 1), QTime(8, 0, 4));
        QStringList paths;
        for (int round = 0; round < 2; ++round) {
            DevicePagesTest::closeToasts();
            m_wnd->onBtnStartDownoadClicked();
            QCOMPARE(m_wnd->downloadKey(), key);
            paths << m_wnd->downloadPath();
            QTRY_VERIFY_WITH_TIMEOUT(m_wnd->downloadKey().isEmpty(), 20000);
            QTRY_VERIFY2_WITH_TIMEOUT(toastContains("nvr " + sim->address().toString() + " - CH_02 "
                                                    + RecordWnd::tr("Download successful") + " "
                                                    + RecordWnd::tr("Saved to")),
                                      qPrintable(toastTexts().join(" | ")), 10000);
            double duration = 0;
            QTRY_COMPARE_WITH_TIMEOUT(testmedia::probeFrames(paths.last(), &duration), 75, 10000);
            QVERIFY2(qAbs(duration - 3.0) < 0.001, qPrintable(QString::number(duration)));
            QProcess probe;
            probe.start("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries", "frame=pts_time", "-of",
                                    "csv=p=0", paths.last()});
            QVERIFY(probe.waitForFinished(60000));
            QList<double> times; // side data of a frame may add lines of its own
            for (const QByteArray &line : probe.readAllStandardOutput().split('\n')) {
                bool number = false;
                const double t = line.split(',').first().trimmed().toDouble(&number);
                if (number)
                    times << t;
            }
            QCOMPARE(times.size(), 75);
            for (int i = 1; i < times.size(); ++i)
                QVERIFY2(qAbs(times.at(i) - times.at(i - 1) - 0.04) < 0.0015,
                         qPrintable(QString("%1 %2").arg(i).arg(times.at(i))));
        }
        const QString first = QDir::toNativeSeparators(m_root.filePath("records") + "/" + sim->address().toString()
                                                       + "/CH_02/" + kTodayText + "080001000");
        QCOMPARE(paths, (QStringList{first + ".mp4", first + "_1.mp4"}));
        QVERIFY(QFile::exists(paths.first()));
    }

    // Full screen carries time line and control bar in a 40 px bar at the
    // bottom; leaving it puts both back under the panes.
    void fullScreenBarComesAndGoes()
    {
        openWindow();
        FFmpegReplayWidget *replay = m_wnd->replayWidget();
        QWidget *bar = m_wnd->control();
        QWidget *line = m_wnd->timeLine();
        QWidget *home = line->parentWidget();
        QMetaObject::invokeMethod(m_wnd->control(), "signalFull");
        QVERIFY(replay->isFullScreenMode());
        QCOMPARE(line->parentWidget(), bar->parentWidget());
        QWidget *holder = line->parentWidget();
        QCOMPARE(holder->parentWidget(), static_cast<QWidget *>(replay));
        QCOMPARE(holder->geometry(), QRect(0, replay->height() - 40, replay->width(), 40));
        QCOMPARE(line->height(), 30);
        QTest::keyClick(replay, Qt::Key_Escape);
        QVERIFY(!replay->isFullScreenMode());
        QCOMPARE(line->parentWidget(), home);
        QCOMPARE(bar->parentWidget(), home);
        QCOMPARE(line->height(), 60);
        auto *layout = m_wnd->findChild<QVBoxLayout *>("verticalLayout_2");
        QVERIFY(layout);
        QCOMPARE(layout->indexOf(bar), 1);
        QCOMPARE(layout->indexOf(line), 2);
    }

    // A device deleted mid-download leaves the box usable.
    void deviceDeletedDuringDownload()
    {
        SimDevice *sim = addNvr();
        QVERIFY(sim);
        SimRecordStreams::setup(*sim).answerStreamRequest = false;
        openWindow();
        const QString ip = sim->address().toString(), key = ip + "_3";
        click(key);
        setRange(QTime(8, 0), QTime(8, 30));
        m_wnd->onBtnStartDownoadClicked();
        QCOMPARE(m_wnd->downloadKey(), key);
        DeviceInfoManager::instance()->deleteDevice(ip);
        m_nvrs.clear();
        m_wnd->onBtnEndDownoadClicked();
        QVERIFY(m_wnd->downloadKey().isEmpty());
        QVERIFY(m_wnd->findChild<QPushButton *>("pushButtonStart")->isEnabled());
        DevicePagesTest::closeToasts();
        m_wnd->onBtnStartDownoadClicked();
        QVERIFY(!toastContains(RecordWnd::tr("Video is downloading, please wait for the download to finish.")));
    }
};

QTEST_MAIN(TstNvrReplay)
#include "tst_nvrreplay.moc"
