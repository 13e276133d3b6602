// The NVR playback session without a window, against a simulated recorder
// over loopback: what it asks, what it reports, and what reaches the device.

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "NvrPlaybackSession.h"
#include "Platform.h"
#include "SimDevice.h"
#include "SimRecordStreams.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>

using Session = NvrPlaybackSession;

namespace {

const QDate kToday = QDate::currentDate();
const QString kTodayText = kToday.toString("yyyyMMdd");
const qint64 kMidnight = QDateTime(kToday, QTime(0, 0)).toMSecsSinceEpoch();

// "480-482,600-601": the minutes recorded, the rest of the day 'C'.
QString dayText(const QString &runs)
{
    QString text(1440, 'C');
    for (const QString &run : runs.split(',', Qt::SkipEmptyParts)) {
        const int from = run.section('-', 0, 0).toInt(), to = run.section('-', 1, 1).toInt();
        text.replace(from, to - from, QString(to - from, '0'));
    }
    return text;
}

QString minutesOf(const Session::Segments &segments)
{
    QStringList runs;
    for (const Session::Segment &s : segments)
        runs << QStringLiteral("%1-%2").arg((s.start - kMidnight) / 60000).arg((s.end - kMidnight) / 60000);
    return runs.join(',');
}

// Six seconds at 25 fps, a key frame a second; the session forwards bytes
// without decoding them, so a pattern is as good as video.
QVector<SimRecordStreams::Frame> pattern()
{
    QVector<SimRecordStreams::Frame> frames;
    for (int i = 0; i < 150; ++i)
        frames.append({QByteArray(900 + 37 * (i % 50), char('a' + i % 26)), i * 40LL, i % 25 == 0});
    return frames;
}

} // namespace

class TestNvrPlaybackSession : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<SimDevice> m_sim;
    FUN_DEV_INFO *m_nvr = nullptr;
    std::unique_ptr<Session> m_session;
    QList<QPair<Session::Notice, QString>> m_notices;
    int m_block = 0;

    // A simulated NVR with four channels on its own address, registered,
    // logged in and each channel's connection open; and a session on today.
    bool start()
    {
        m_sim = std::make_unique<SimDevice>(SimDevice::Nvr);
        m_sim->state().maxChannels = 4;
        if (!m_sim->listen(QHostAddress(QStringLiteral("127.46.%1.1").arg(++m_block))))
            return false;
        SimRecordStreams::Setup &s = SimRecordStreams::setup(*m_sim);
        s.frames = pattern();
        for (int ch = 1; ch <= 4; ++ch)
            s.dayRecords[ch] = dayText("483-485");
        m_nvr = new FUN_DEV_INFO;
        m_nvr->ip = ip();
        m_nvr->name = "nvr";
        m_nvr->devType = 1;
        m_nvr->devPort = m_sim->port();
        m_nvr->channelNum = 4;
        m_nvr->loginStatus = 1;
        DeviceInfoManager::instance()->addDevInfo(m_nvr);
        DeviceInfoManager::instance()->addNVRChannels(m_nvr);
        for (int ch = 0; ch <= 4; ++ch) {
            FUN_DEV_INFO *rec = DeviceInfoManager::instance()->getChannelInfo(ip(), uint8_t(ch));
            DeviceInfoManager::instance()->loginDevice(rec);
            const loginDev key = toLoginDev(rec);
            if (!QTest::qWaitFor([&] { return KelvoSDKHelper::instance()->isConnected(key); }, 10000))
                return false;
        }
        m_session = std::make_unique<Session>();
        m_session->setActive(true);
        m_session->setDay(kToday);
        m_session->setWatchdogTimings(100, 1500);
        m_session->setProgressInterval(200);
        connect(m_session.get(), &Session::notice, this, [this](Session::Notice what, const QString &key) {
            m_notices.append({what, key});
        });
        return true;
    }

    QString ip() const { return m_sim->address().toString(); }

    // The commands of one channel that the device received, in order.
    QList<unsigned> commands(int channel, const QSet<unsigned> &wanted) const
    {
        QList<unsigned> out;
        for (const SimRequest &r : m_sim->requests())
            if (wanted.contains(r.cmd) && r.body.value("ChannelId").trimmed().toInt() == channel)
                out << r.cmd;
        return out;
    }

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        QVERIFY(m_root.isValid());
        const QString records = m_root.filePath("records");
        CommonHelper::setStoragePathsProvider([records] { return StoragePaths{records, QString(), QString()}; });
    }

    void cleanup()
    {
        if (m_session)
            m_session->reset();
        m_session.reset();
        if (m_nvr) {
            DeviceInfoManager *registry = DeviceInfoManager::instance();
            for (int ch = 0; ch <= 4; ++ch)
                registry->logoutDevice(registry->getChannelInfo(m_nvr->ip, uint8_t(ch)));
            registry->deleteDevice(m_nvr->ip);
            m_nvr = nullptr;
        }
        m_sim.reset();
        m_notices.clear();
    }

    void dayQuery_data()
    {
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<int>("replyDelayMs");
        QTest::addColumn<bool>("dayMovesMeanwhile");
        QTest::newRow("one run") << "483-485" << 0 << false;
        QTest::newRow("runs at both ends of the day") << "0-2,700-701,1439-1440" << 0 << false;
        QTest::newRow("nothing recorded") << "" << 0 << false;
        // A late reply belongs to the day it was asked for.
        QTest::newRow("late reply after another day was picked") << "600-610" << 600 << true;
    }

    // A channel picked: the month (this one and the one before) on the NVR's
    // connection, the day on the channel's; the day's minutes become segments.
    void dayQuery()
    {
        QFETCH(QString, recorded);
        QFETCH(int, replyDelayMs);
        QFETCH(bool, dayMovesMeanwhile);
        QVERIFY(start());
        SimRecordStreams::Setup &s = SimRecordStreams::setup(*m_sim);
        s.dayRecords[2] = dayText(recorded);
        s.dayReplyDelayMs = replyDelayMs;
        s.monthDays[2] = QStringList{kTodayText, "20200101"};
        QSignalSpy marked(m_session.get(), &Session::markedDaysChanged);
        QSignalSpy changed(m_session.get(), &Session::dayRecordsChanged);
        const QString key = ip() + "_2";
        m_session->select(key);
        if (dayMovesMeanwhile) {
            QTRY_COMPARE_WITH_TIMEOUT(m_sim->requests(14300).size(), 3, 5000);
            m_session->setDay(kToday.addDays(-1));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!changed.isEmpty() || m_notices.contains({Session::Notice::NoRecords, key}), 5000);
        QCOMPARE(minutesOf(m_session->dayRecords(key)), recorded);
        QCOMPARE(m_session->currentKey(), key);

        QTRY_VERIFY_WITH_TIMEOUT(!marked.isEmpty(), 5000);
        const QStringList days = marked.last().first().toStringList();
        QCOMPARE(QSet<QString>(days.cbegin(), days.cend()), (QSet<QString>{kTodayText, "20200101"}));
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->requests(14300).size(), 3, 5000);
        QSet<QString> asked;
        QSet<int> monthConnections, dayConnections;
        for (const SimRequest &r : m_sim->requests(14300)) {
            asked << r.body.value("ByMonth") + ":" + r.body.value("Time");
            (r.body.value("ByMonth") == "1" ? monthConnections : dayConnections) << r.connectionId;
        }
        QCOMPARE(asked, (QSet<QString>{"0:" + kTodayText, "1:" + kTodayText,
                                       "1:" + kToday.addMonths(-1).toString("yyyyMMdd")}));
        QCOMPARE(monthConnections.size(), 1);
        QVERIFY(!monthConnections.intersects(dayConnections));
    }

    void playback_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QList<unsigned>>("sent"); // after the start, on the channel
        QTest::addColumn<QString>("time");         // of the last 14301 or 14304
        QTest::newRow("frames arrive") << "" << QList<unsigned>{} << "080330";
        QTest::newRow("seek on") << "seek+60" << QList<unsigned>{14304} << "080430";
        QTest::newRow("seek back restarts") << "seek-20" << QList<unsigned>{14302, 14301} << "080310";
        QTest::newRow("pause, resume at half speed") << "pause" << QList<unsigned>{14309, 14310, 14307} << "080330";
        QTest::newRow("silent stream ends") << "silent" << QList<unsigned>{14302} << "080330";
        // Its silence is no end of the footage: said as a lost connection.
        QTest::newRow("recorder gone") << "gone" << QList<unsigned>{} << "080330";
    }

    // A channel started at 08:03:30 plays in a pane; seek, pause and the
    // watchdog act on it.
    void playback()
    {
        QFETCH(QString, action);
        QFETCH(QList<unsigned>, sent);
        QFETCH(QString, time);
        QVERIFY(start());
        if (action == "silent")
            SimRecordStreams::setup(*m_sim).silentAfterFrames = 20;
        const QString key = ip() + "_3";
        QSignalSpy ready(m_session.get(), &Session::paneStreamReady);
        QSignalSpy data(m_session.get(), &Session::streamData);
        QSignalSpy stopped(m_session.get(), &Session::paneStopped);
        const qint64 at = kMidnight + (8 * 3600 + 3 * 60 + 30) * 1000LL;
        const int pane = m_session->startAt(key, at);
        QCOMPARE(pane, 0);
        QCOMPARE(m_session->paneKeys(), (QMap<int, QString>{{0, key}}));
        QTRY_COMPARE_WITH_TIMEOUT(ready.size(), 1, 5000);
        QCOMPARE(ready.first().at(1).toString(), key);
        QCOMPARE(ready.first().at(2).toBool(), false);
        QTRY_VERIFY_WITH_TIMEOUT(data.size() >= 10, 5000);
        // Frame times are the recorder's, ms since midnight, from the asked time on.
        QCOMPARE(data.first().at(2).toLongLong(), at - kMidnight);
        QCOMPARE(data.first().at(1).toByteArray(), pattern().first().data);
        m_sim->clearRequests();
        data.clear();

        const QSet<unsigned> controls{14301, 14302, 14304, 14306, 14307, 14309, 14310};
        if (action.startsWith("seek")) {
            QVERIFY(m_session->seek(pane, at + action.mid(4).toInt() * 1000LL));
        } else if (action == "pause") {
            QVERIFY(m_session->pause(pane));
            QVERIFY(m_session->resume(pane, 0.5f));
        } else if (action == "silent" || action == "gone") {
            if (action == "gone")
                m_sim->close();
            QTRY_COMPARE_WITH_TIMEOUT(stopped.size(), 1, 10000);
            const auto told = action == "gone" ? Session::Notice::ConnectionLost : Session::Notice::PlaybackEnded;
            QCOMPARE(m_notices.last(), qMakePair(told, key));
            QVERIFY(m_session->paneKeys().isEmpty());
        }
        QTRY_COMPARE_WITH_TIMEOUT(commands(3, controls), sent, 5000);
        if (action == "pause")
            QCOMPARE(m_sim->requests(14307).first().body.value("Speed"), QStringLiteral("2"));
        const QList<SimRequest> timed = m_sim->requests(sent.value(sent.size() - 1) == 14304 ? 14304 : 14301);
        if (!timed.isEmpty())
            QCOMPARE(timed.last().body.value("Time"), kTodayText + time);
        if (action != "silent" && action != "gone") {
            // The stream plays on (again from the asked time after a restart).
            QTRY_VERIFY_WITH_TIMEOUT(data.size() >= 5, 5000);
            QCOMPARE(stopped.size(), 0);
        }
    }

    void download_data()
    {
        QTest::addColumn<QString>("recorded"); // minutes of channel 3's day
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<StreamLoss>("lost");
        // The six seconds from 08:00:00 are all the footage of the range.
        QTest::newRow("footage ends inside the range") << "480-481" << true << 150 << "" << StreamLoss::None;
        QTest::newRow("silent with footage to come") << "480-490" << false << 150 << "" << StreamLoss::None;
        // The day's list holds nothing of the range: it proves no end.
        QTest::newRow("no footage listed in the range") << "600-601" << false << 150 << "" << StreamLoss::None;
        QTest::newRow("no data") << "480-481" << false << 0 << "nodata" << StreamLoss::None;
        QTest::newRow("stream request unanswered") << "480-481" << false << 0 << "noanswer" << StreamLoss::None;
        // All the footage came but frame 60: never called whole.
        QTest::newRow("a frame lost on the way") << "480-481" << false << 149 << "lost" << StreamLoss::FramesMissing;
        // The recorder killed ("gone after n": once n frames came): the file
        // is partial, whatever the footage's end, and the words say where
        // it broke.
        QTest::newRow("recorder gone in the middle") << "480-481" << false << 40 << "gone after 40" << StreamLoss::None;
        QTest::newRow("recorder gone before any frame")
            << "480-481" << false << 0 << "gone after 0" << StreamLoss::None;
        // The range 08:00:00-08:00:05 lies inside the footage: whole once
        // frames reached its end, the recorder gone or not.
        QTest::newRow("frames to the range's end, then the recorder gone")
            << "480-481" << true << 150 << "to the end, then gone" << StreamLoss::None;
        QTest::newRow("the recorder silent short of the range's end")
            << "480-481" << false << 100 << "to the end, silent after 100" << StreamLoss::None;
    }

    // A range of channel 3 from 08:00 to 08:30 (or to 08:00:05): the frames
    // handed on for the file, the verdict and why, and the stop of the
    // download on the device.
    void download()
    {
        QFETCH(QString, recorded);
        QFETCH(bool, success);
        QFETCH(int, frames);
        QFETCH(QString, fault);
        QFETCH(StreamLoss, lost);
        QVERIFY(start());
        SimRecordStreams::Setup &s = SimRecordStreams::setup(*m_sim);
        s.dayRecords[3] = dayText(recorded);
        s.answerStreamRequest = fault != "noanswer";
        s.sendDownloadData = fault != "nodata";
        const int lostFrame = fault == "lost" ? 60 : -1;
        s.lostFrame = lostFrame;
        const bool gone = fault.startsWith("gone") || fault.endsWith("gone");
        if (fault.contains("after "))
            s.silentAfterFrames = fault.section("after ", 1).toInt();
        // The recorder is gone long before its silence could count.
        if (gone)
            m_session->setProgressInterval(3000);
        const QString key = ip() + "_3";
        QSignalSpy changed(m_session.get(), &Session::dayRecordsChanged);
        m_session->select(key);
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 5000);
        QSignalSpy writer(m_session.get(), &Session::downloadWriterWanted);
        QSignalSpy data(m_session.get(), &Session::downloadData);
        QSignalSpy finished(m_session.get(), &Session::downloadFinished);
        QSignalSpy ended(m_session.get(), &Session::downloadEnded);
        const QDateTime from(kToday, QTime(8, 0)),
            to(kToday, fault.startsWith("to the end") ? QTime(8, 0, 5) : QTime(8, 30));
        QCOMPARE(m_session->startDownload(from, to), Session::DownloadRefusal::None);
        const QString path = QDir::toNativeSeparators(m_root.filePath("records") + "/" + ip() + "/CH_03/" + kTodayText
                                                      + "080000000.mp4");
        QCOMPARE(m_session->downloadPath(), path);
        // Written under a name that says it is partial until judged complete.
        const QString partial = path.chopped(4) + ".partial.mp4";
        QCOMPARE(m_session->downloadFilePath(), partial);
        QCOMPARE(m_session->startDownload(from, to), Session::DownloadRefusal::DownloadRunning);
        if (gone) {
            QTRY_COMPARE_WITH_TIMEOUT(writer.size(), 1, 10000);
            QTRY_COMPARE_WITH_TIMEOUT(data.size(), frames, 10000);
            m_sim->close();
        }

        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 20000);
        QVERIFY(m_session->downloadKey().isEmpty());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().mid(0, 5),
                 (QVariantList{key, success ? path : partial, success, frames > 0, QVariant::fromValue(lost)}));
        // Why it is not whole, and how far it got: a frame reaches on to the next.
        using Why = Session::Shortfall;
        Why why = Why::None;
        if (!success)
            why = lost != StreamLoss::None ? Why::DataLost
                  : fault == "noanswer"    ? Why::NoAnswer
                  : fault == "nodata"      ? Why::NoFootage
                  : gone                   ? Why::ConnectionLost
                                           : Why::Stopped;
        QVector<SimRecordStreams::Frame> sent = pattern();
        if (lostFrame >= 0)
            sent.remove(lostFrame);
        const auto end = finished.first().at(5).value<Session::DownloadEnd>();
        QCOMPARE(end.why, why);
        QCOMPARE(end.lost, lost);
        QCOMPARE(end.rangeMs, from.msecsTo(to));
        const qint64 reached =
            frames > 0 ? qMin(from.toMSecsSinceEpoch() + sent.at(frames - 1).ms + 40, to.toMSecsSinceEpoch()) : 0;
        QCOMPARE(end.at, reached);
        QCOMPARE(end.keptMs, frames > 0 ? reached - from.toMSecsSinceEpoch() : 0);
        QCOMPARE(ended.first(), (QVariantList{partial, frames > 0}));
        QCOMPARE(writer.size(), fault == "noanswer" ? 0 : 1);
        if (!writer.isEmpty())
            QCOMPARE(writer.first(), (QVariantList{partial, false, from.toMSecsSinceEpoch(), to.toMSecsSinceEpoch()}));
        // Every frame that came whole and in order, stamped on the range's day.
        QCOMPARE(data.size(), frames);
        for (int i = 0; i < data.size(); ++i) {
            QCOMPARE(data.at(i).at(0).toByteArray(), sent.at(i).data);
            QCOMPARE(data.at(i).at(1).toLongLong(), from.toMSecsSinceEpoch() + sent.at(i).ms);
            QCOMPARE(data.at(i).at(2).toBool(), sent.at(i).key);
        }
        // A recorder that is gone hears no stop.
        QCOMPARE(commands(3, {14301}), QList<unsigned>{14301});
        if (!gone) {
            // The stop is on its way when the download ends: the recorder
            // hears it once the event loop has run.
            QTRY_COMPARE_WITH_TIMEOUT(commands(3, {14301, 14302}), (QList<unsigned>{14301, 14302}), 10000);
            QCOMPARE(m_sim->requests(14302).last().body.value("DownloadRecord"), QStringLiteral("1"));
        }
        QCOMPARE(m_sim->requests(14301).first().body.value("Time"), kTodayText + "080000000");
    }

    // A download judged complete takes its complete name, never over a file
    // (or a link) that already has it; when it does not, the reason is given.
    // A folder that cannot be synced after the rename is a failure too.
    void completingADownloadFile_data()
    {
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("nameTaken");
        QTest::addColumn<bool>("renamed");
        QTest::addColumn<int>("reason");     // errno of the refusal
        QTest::addColumn<QString>("endsAt"); // the written file's name afterwards: "partial", "complete", ""
        QTest::newRow("name free") << true << false << true << 0 << "complete";
        QTest::newRow("name taken meanwhile") << true << true << false << EEXIST << "partial";
        QTest::newRow("nothing written") << false << false << false << ENOENT << "";
        QTest::newRow("name is a dangling link") << true << false << false << EEXIST << "partial";
        QTest::newRow("folder not synced") << true << false << false << EIO << "complete";
    }

    void completingADownloadFile()
    {
        QFETCH(bool, written);
        QFETCH(bool, nameTaken);
        QFETCH(bool, renamed);
        QFETCH(int, reason);
        QFETCH(QString, endsAt);
        QTemporaryDir dir;
        const QString complete = dir.filePath("20250101080000000.mp4");
        const QString partial = Session::partialPathOf(complete);
        QCOMPARE(partial, dir.filePath("20250101080000000.partial.mp4"));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        };
        if (written)
            QVERIFY(write(partial, "new"));
        if (nameTaken)
            QVERIFY(write(complete, "old"));
        const bool link = QByteArray(QTest::currentDataTag()).contains("link");
        if (link)
            QVERIFY(QFile::link(dir.filePath("nowhere"), complete));
        if (reason == EIO)
            Platform::setFolderSyncForTesting([](const QString &) { return EIO; });
        QString error;
        const bool done = Session::completeDownloadFile(partial, complete, &error);
        Platform::setFolderSyncForTesting({});
        QCOMPARE(done, renamed);
        const QString why = QString::fromLocal8Bit(strerror(reason));
        QVERIFY2(reason ? error.endsWith(why) : error.isEmpty(), qPrintable(error));
        QCOMPARE(QFile::exists(partial), endsAt == "partial");
        if (link) {
            QCOMPARE(QFileInfo(complete).symLinkTarget(), dir.filePath("nowhere"));
            return;
        }
        QFile kept(complete);
        if (endsAt == "complete" || nameTaken) {
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray(nameTaken ? "old" : "new"));
        } else {
            QVERIFY(!kept.exists());
        }
    }

    void downloadRefusals_data()
    {
        QTest::addColumn<bool>("picked");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QTime>("to");
        QTest::addColumn<int>("refusal");
        using R = Session::DownloadRefusal;
        // Tested in this order: the first that applies is told.
        QTest::newRow("no channel") << false << false << QTime(7, 0) << int(R::NoChannel);
        QTest::newRow("channel playing") << true << true << QTime(7, 0) << int(R::ChannelPlaying);
        QTest::newRow("across midnight") << true << false << QTime(7, 0) << int(R::NotSameDay);
        QTest::newRow("end in the start's second") << true << false << QTime(8, 0, 0, 900) << int(R::EndNotAfterStart);
    }

    void downloadRefusals()
    {
        QFETCH(bool, picked);
        QFETCH(bool, playing);
        QFETCH(QTime, to);
        QFETCH(int, refusal);
        QVERIFY(start());
        const QString key = ip() + "_1";
        if (picked)
            m_session->select(key);
        if (playing)
            QCOMPARE(m_session->startAt(key, kMidnight + 8 * 3600 * 1000LL), 0);
        const QDate toDay = to.hour() < 8 ? kToday.addDays(1) : kToday;
        const auto answer = m_session->startDownload(QDateTime(kToday, QTime(8, 0)), QDateTime(toDay, to));
        QCOMPARE(int(answer), refusal);
        QVERIFY(m_session->downloadKey().isEmpty());
        QVERIFY(!QDir(m_root.filePath("records") + "/" + ip()).exists());
    }
};

QTEST_GUILESS_MAIN(TestNvrPlaybackSession)
#include "tst_nvrplaybacksession.moc"
