#include "CVideoPlayback.h"
#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "DeviceTree.h"
#include "FFmpegRecordPlan.h"
#include "FFmpegReplayWidget.h"
#include "LocalVideoReplayWnd.h"
#include "MsgTipInfoDlg.h"
#include "MyCalendar.h"
#include "PlayerCommon.h"
#include "ReplayControl.h"
#include "StorageMark.h"
#include "TestMedia.h"
#include "TimeLine.h"
#include "I420Render2.h"

#include <QAction>
#include <QLabel>
#include <QActionGroup>
#include <QPushButton>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

using DevicePagesTest::toastTexts;

namespace {

const QString kDay = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));

struct Entry
{
    QString file, start, end;
};

void writeIndex(const QString &dayDir, const QList<Entry> &entries)
{
    QJsonArray array;
    for (const Entry &e : entries)
        array.append(QJsonObject{{"fileName", e.file}, {"startTime", e.start}, {"endTime", e.end}});
    QFile f(dayDir + "/record.json");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(array).toJson());
}

QStringList indexNames(const QString &dayDir)
{
    QFile f(dayDir + "/record.json");
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array())
        names << v.toObject().value("fileName").toString();
    return names;
}

// Every file below a folder with its content's hash (links as their target).
QMap<QString, QByteArray> fingerprint(const QString &dir)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        out.insert(path, f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1)
                                                     : QByteArray("unreadable"));
    }
    return out;
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstLocalReplay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_clip3, m_clip10;
    std::unique_ptr<LocalVideoReplayWnd> m_wnd;
    QStringList m_keys;

    QString backup() const { return m_root.filePath("backup"); }

    // A day folder of the device holding copies of the clips, named in order
    // (a link out of the folder would be refused).
    QString makeDay(const QString &deviceDir, const QStringList &clips, const QString &day = kDay)
    {
        const QString dir = backup() + "/" + deviceDir + "/" + day;
        QDir().mkpath(dir);
        for (int i = 0; i < clips.size(); ++i) {
            const QString to = dir + QStringLiteral("/seg%1.mp4").arg(i + 1);
            if (!QFileInfo::exists(to))
                QFile::copy(clips.at(i), to);
        }
        return dir;
    }

    void addDevice(const QString &ip, int type = 0, int channels = 0)
    {
        auto *dev = new FUN_DEV_INFO;
        dev->ip = ip;
        dev->name = "cam " + ip;
        dev->devType = type;
        dev->channelNum = uint8_t(channels);
        DeviceInfoManager::instance()->addDevInfo(dev);
        if (type == 1)
            DeviceInfoManager::instance()->addNVRChannels(dev);
        m_keys << ip;
    }

    void openWindow()
    {
        m_wnd = std::make_unique<LocalVideoReplayWnd>();
        m_wnd->resize(1200, 800);
        m_wnd->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_wnd.get()));
    }

    QModelIndex treeIndex(const QString &key) const
    {
        QStandardItem *item = m_wnd->tree()->itemForKey(key);
        return item ? m_wnd->tree()->proxyModel()->mapFromSource(item->index()) : QModelIndex();
    }

    // What the operator does: click the item, then double-click it.
    void open(const QString &key)
    {
        const QModelIndex index = treeIndex(key);
        QVERIFY2(index.isValid(), qPrintable(key));
        m_wnd->tree()->scrollTo(index);
        const QPoint at = m_wnd->tree()->visualRect(index).center();
        QTest::mouseClick(m_wnd->tree()->viewport(), Qt::LeftButton, {}, at);
        QSignalSpy opened(m_wnd.get(), &LocalVideoReplayWnd::dayOpened);
        QTest::mouseDClick(m_wnd->tree()->viewport(), Qt::LeftButton, {}, at);
        // The day is read off the GUI thread.
        QTRY_VERIFY_WITH_TIMEOUT(!opened.isEmpty() && !m_wnd->isLoading(), 15000);
    }

    int paneOf(const QString &key) const { return m_wnd->paneKeys().key(key, -1); }

private slots:
    void initTestCase()
    {
        player::registerMetaTypes();
        QVERIFY(m_root.isValid());
        m_clip3 = testmedia::makeClip("clip3.mp4", "h264", 3);
        m_clip10 = testmedia::makeClip("clip10.mp4", "h264", 10);
        QVERIFY(!m_clip3.isEmpty() && !m_clip10.isEmpty());
        const QString root = backup(), snaps = m_root.filePath("snap");
        CommonHelper::setStoragePathsProvider([root, snaps] { return StoragePaths{QString(), root, snaps}; });
    }

    void cleanup()
    {
        m_wnd.reset();
        for (const QString &key : qAsConst(m_keys))
            DeviceInfoManager::instance()->deleteDevice(key);
        m_keys.clear();
        DevicePagesTest::closeToasts();
    }

    // Double click plays the first file; the end of a file continues with
    // the next; the end of the day frees the pane.
    void playsTheDayFileAfterFile()
    {
        addDevice("127.0.0.1");
        const QString day = makeDay("127.0.0.1", {m_clip3, m_clip3});
        writeIndex(day, {{"seg1.mp4", "100000000", "100003000"}, {"seg2.mp4", "100003000", "100006000"}});
        openWindow();
        open("127.0.0.1");
        QCOMPARE(paneOf("127.0.0.1"), 0);
        FFmpegReplayWidget *replay = m_wnd->replayWidget();
        QCOMPARE(replay->playUrl(0), day + "/seg1.mp4");
        QCOMPARE(m_wnd->timeLine()->records().size(), size_t(2));
        QCOMPARE(m_wnd->calendar()->markedDays(), QStringList{kDay});
        QVERIFY(m_wnd->control()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(replay->playUrl(0), day + "/seg2.mp4", 15000);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 15000);
    }

    // Played to the end of the day, stopped, or left (another tab) and come
    // back to: the last picture goes, the bar offers to play again at 1x and
    // cannot be used until a day opens; only the end of the day says so.
    void endOfTheDayLeavesTheBarStopped_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("last segment played") << 0;
        QTest::newRow("stop button") << 1;
        QTest::newRow("tab left and entered again") << 2;
    }

    void endOfTheDayLeavesTheBarStopped()
    {
        QFETCH(int, how);
        const bool toTheEnd = how == 0;
        static int block = 0;
        const QString ip = QStringLiteral("127.0.10.%1").arg(++block);
        addDevice(ip);
        writeIndex(makeDay(ip, {m_clip3, m_clip3}),
                   {{"seg1.mp4", "100000000", "100003000"}, {"seg2.mp4", "100003000", "100006000"}});
        openWindow();
        open(ip);
        QCOMPARE(paneOf(ip), 0);
        ReplayControl *bar = m_wnd->control();
        auto *speedButton = bar->findChild<QPushButton *>("pushButtonSpeed");
        auto *pauseButton = bar->findChild<QPushButton *>("pushButtonPause");
        QVERIFY(speedButton && pauseButton);
        FFmpegReplayWidget *replay = m_wnd->replayWidget();
        QTRY_VERIFY_WITH_TIMEOUT(replay->paneRender(0)->framesReceived() > 5, 15000);
        QVERIFY(bar->playFlag());
        QAction *faster = nullptr;
        for (QAction *action : bar->speedGroup()->actions())
            if (qFuzzyCompare(action->data().toFloat(), 2.0f))
                faster = action;
        QVERIFY(faster);
        faster->trigger();
        QCOMPARE(replay->speed(0), 2.0f);
        QCOMPARE(speedButton->text(), QStringLiteral("2.0X"));

        if (how == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 20000);
        } else if (how == 1) {
            QTest::mouseClick(bar->findChild<QPushButton *>("pushButtonStop"), Qt::LeftButton);
        } else {
            m_wnd->hide();
            m_wnd->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_wnd.get()));
        }
        QVERIFY(m_wnd->paneKeys().isEmpty());
        QCOMPARE(toastTexts().contains(LocalVideoReplayWnd::tr("Playback ended")), toTheEnd);
        QVERIFY(!replay->isPlaying(0));
        QVERIFY(replay->paneRender(0)->frameSize().isEmpty());
        QVERIFY(!bar->isEnabled());
        QVERIFY(!bar->playFlag());
        QVERIFY(!pauseButton->isChecked());
        QCOMPARE(speedButton->text(), ReplayControl::tr("Speed"));
        QCOMPARE(replay->speed(0), 1.0f);
        QVERIFY(m_wnd->timeLine()->records().empty());
    }

    // A time-line pick inside the second file opens it and seeks by the offset.
    void timeLinePickOpensTheFileAndSeeks()
    {
        addDevice("127.0.0.2");
        const QString day = makeDay("127.0.0.2", {m_clip10, m_clip10});
        writeIndex(day, {{"seg1.mp4", "100000000", "100010000"}, {"seg2.mp4", "100010000", "100020000"}});
        openWindow();
        open("127.0.0.2");
        const ArchiveRecordPtr second = m_wnd->paneRecords(0).at(1);
        TimeLine *line = m_wnd->timeLine();
        line->setClickLockInterval(0);
        // Ten seconds are a fraction of a pixel at zoom 1: zoom in over it.
        const int64_t at = second->startTime() + 5000;
        for (int i = 0; i < 60; ++i) {
            const QPoint x(int(line->xForTime(at)), 30);
            QWheelEvent wheel(x, line->mapToGlobal(x), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(line, &wheel);
        }
        QCOMPARE(line->zoom(), TimeLine::MaxZoom);
        const int x = int(line->xForTime(at));
        const int64_t picked = line->timeForX(x);
        QVERIFY(second->contains(picked));
        QSignalSpy seconds(m_wnd->replayWidget(), &FFmpegReplayWidget::emitReplayTimestampS);
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, 30));
        QCOMPARE(m_wnd->replayWidget()->playUrl(0), day + "/seg2.mp4");
        QCOMPARE(line->currentTime(), picked);
        // Playing goes on from the offset, not from the file's start.
        QTRY_VERIFY_WITH_TIMEOUT(!seconds.isEmpty(), 10000);
        QVERIFY2(seconds.first().at(1).toLongLong() >= (picked - second->startTime()) / 1000 - 1,
                 qPrintable(QString::number(seconds.first().at(1).toLongLong())));
    }

    // Four panes play four devices; the fifth gets the toast and no pane; the
    // same device on another day stays in its pane with the new day's files.
    void fifthDeviceAndAnotherDay()
    {
        for (int i = 1; i <= 5; ++i) {
            const QString ip = QStringLiteral("127.0.1.%1").arg(i);
            addDevice(ip);
            writeIndex(makeDay(ip, {m_clip10}), {{"seg1.mp4", "080000000", "080010000"}});
        }
        const QString yesterday = QDate::currentDate().addDays(-1).toString("yyyyMMdd");
        const QString other = makeDay("127.0.1.2", {m_clip10, m_clip10}, yesterday);
        writeIndex(other, {{"seg1.mp4", "090000000", "090010000"}, {"seg2.mp4", "090010000", "090020000"}});
        openWindow();
        for (int i = 1; i <= 5; ++i)
            open(QStringLiteral("127.0.1.%1").arg(i));
        QCOMPARE(m_wnd->paneKeys().size(), 4);
        QCOMPARE(paneOf("127.0.1.5"), -1);
        QTRY_VERIFY(
            toastTexts().contains(LocalVideoReplayWnd::tr("The maximum number of connections has been reached!")));

        m_wnd->calendar()->setSelectedDate(QDate::currentDate().addDays(-1));
        open("127.0.1.2");
        QCOMPARE(paneOf("127.0.1.2"), 1);
        QCOMPARE(m_wnd->paneRecords(1).size(), size_t(2));
        QCOMPARE(m_wnd->replayWidget()->playUrl(1), other + "/seg1.mp4");
    }

    // A device deleted while its last file plays still frees its pane.
    void deletedDeviceFreesThePane()
    {
        addDevice("127.0.2.1");
        writeIndex(makeDay("127.0.2.1", {m_clip3}), {{"seg1.mp4", "120000000", "120003000"}});
        openWindow();
        open("127.0.2.1");
        QCOMPARE(paneOf("127.0.2.1"), 0);
        DeviceInfoManager::instance()->deleteDevice("127.0.2.1");
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 15000);
    }

    void dayIndexes_data()
    {
        QTest::addColumn<QString>("legacy");       // "" none, "dir" one that cannot be opened
        QTest::addColumn<QStringList>("current");  // entries of record.json, "name start end"
        QTest::addColumn<QStringList>("expected"); // file names of the converted index
        QTest::addColumn<bool>("legacyStays");
        const QString lines = "file: seg2.mp4 , start: 100003000, end: 100006000\n"
                              "file:seg1.mp4,start:100000000,end:100003000,extra:1\n"
                              "file:seg3.mp4,start:10:00:06\n"                // two items
                              "seg4.mp4,start:100009000,end:100012000\n"      // no colon in the first
                              "file:seg5.mp4,start:10:00:12,end:100015000\n"; // colon in a value
        QTest::newRow("old index only") << lines << QStringList() << QStringList{"seg1.mp4", "seg2.mp4"} << false;
        QTest::newRow("both indexes") << lines << QStringList{"seg2.mp4 100003000 100006000"}
                                      << QStringList{"seg1.mp4", "seg2.mp4"} << false;
        QTest::newRow("old index unreadable")
            << "dir" << QStringList{"seg2.mp4 100003000 100006000"} << QStringList{"seg2.mp4"} << true;
    }

    void dayIndexes()
    {
        QFETCH(QString, legacy);
        QFETCH(QStringList, current);
        QFETCH(QStringList, expected);
        QFETCH(bool, legacyStays);
        addDevice("127.0.3.1");
        const QString day = makeDay("127.0.3.1", {m_clip3, m_clip3});
        const QString legacyPath = day + "/recordIdx.txt";
        QFile::remove(legacyPath);
        QDir(legacyPath).removeRecursively();
        QFile::remove(day + "/record.json");
        if (legacy == "dir") {
            QDir().mkpath(legacyPath);
        } else {
            QFile f(legacyPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(legacy.toUtf8());
        }
        QList<Entry> entries;
        for (const QString &e : current) {
            const QStringList parts = e.split(' ');
            entries.append({parts[0], parts[1], parts[2]});
        }
        if (!entries.isEmpty())
            writeIndex(day, entries);

        openWindow();
        open("127.0.3.1");
        QCOMPARE(indexNames(day), expected);
        QCOMPARE(QFileInfo::exists(legacyPath), legacyStays);
        QCOMPARE(m_wnd->paneRecords(0).size(), size_t(expected.size()));
        QCOMPARE(m_wnd->replayWidget()->playUrl(0), day + "/" + expected.first());
    }

    // An open entry takes its end from the length written so far: a killed
    // recorder's, and the one a running recorder is writing.
    void openEntriesShowTheirLength()
    {
        addDevice("127.0.4.1");
        const QString killed = makeDay("127.0.4.1", {m_clip3, m_clip3});
        writeIndex(
            killed,
            {{"seg1.mp4", "100000000", "100003000"}, {"seg2.mp4", "100003000", ""}, {"gone.mp4", "100006000", ""}});
        testmedia::RtspServer server;
        QVERIFY(server.start({"/cam=" + m_clip10}));
        addDevice("127.0.4.2");
        FFmpegRecordPlan plan;
        plan.setFileLength(60);
        plan.setParams(server.url("/cam"), backup() + "/127.0.4.2");
        QSignalSpy opened(&plan, &FFmpegRecordPlan::segmentOpened);
        plan.start();
        QTRY_VERIFY_WITH_TIMEOUT(opened.count() == 1, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(FFmpegRecordPlan::fileDurationMs(opened.at(0).at(0).toString()) >= 2000, 15000);

        openWindow();
        open("127.0.4.1");
        const auto records = m_wnd->paneRecords(0);
        QCOMPARE(records.size(), size_t(2));
        QVERIFY(qAbs(records.at(1)->endTime() - records.at(1)->startTime() - 3000) < 200);
        open("127.0.4.2");
        const auto growing = m_wnd->paneRecords(1);
        QCOMPARE(growing.size(), size_t(1));
        QVERIFY(growing.at(0)->endTime() - growing.at(0)->startTime() >= 2000);
        QCOMPARE(m_wnd->replayWidget()->playUrl(1), opened.at(0).at(0).toString());
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->replayWidget()->isPlaying(1), 10000);
        plan.requestStop();
        QVERIFY(plan.wait(5000));
        // Read only: the index is completed by the recorder, not by playback.
        QFile f(killed + "/record.json");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("\"endTime\": \"\""));
    }

    // Index files written by someone else: nothing outside the day folder is
    // removed, opened or played, by the start-up repair or by playback; what
    // is sound in the same index still plays.
    void hostileIndexesTouchNothingOutside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("legitPlays");
        QTest::newRow("dot-dot") << "dotdot" << true;
        QTest::newRow("absolute") << "absolute" << true;
        QTest::newRow("link out of the folder") << "link" << true;
        QTest::newRow("folder") << "folder" << true;
        QTest::newRow("wrong types") << "types" << true;
        QTest::newRow("over the size bound") << "huge" << false;
        QTest::newRow("index is a link") << "indexlink" << false;
    }

    void hostileIndexesTouchNothingOutside()
    {
        QFETCH(QString, kind);
        QFETCH(bool, legitPlays);
        static int block = 0;
        const QString ip = QStringLiteral("127.0.7.%1").arg(++block);
        const QString outside = m_root.filePath("outside-" + kind);
        QDir().mkpath(outside + "/folder");
        writeRaw(outside + "/song.wav", QByteArray(4096, 'w'));
        writeRaw(outside + "/empty.mp4", QByteArray());
        writeRaw(outside + "/folder/inner.mp4", QByteArray());
        QFile::copy(m_clip3, outside + "/real.mp4");
        QJsonArray otherIndex{QJsonObject{{"fileName", "real.mp4"}, {"startTime", "090000000"}, {"endTime", ""}}};
        writeRaw(outside + "/record.json", QJsonDocument(otherIndex).toJson());
        const QMap<QString, QByteArray> before = fingerprint(outside);

        addDevice(ip);
        const QString day = makeDay(ip, {m_clip3});
        const QJsonObject legit{{"fileName", "seg1.mp4"}, {"startTime", "100000000"}, {"endTime", "100003000"}};
        const auto openEntry = [](const QString &name) {
            return QJsonObject{{"fileName", name}, {"startTime", "110000000"}, {"endTime", ""}};
        };
        QJsonArray index{legit};
        const QString up = "../../../outside-" + kind;
        QByteArray raw;
        if (kind == "dotdot") {
            index << openEntry(up + "/song.wav") << openEntry(up + "/empty.mp4") << openEntry("..")
                  << openEntry(up + "/real.mp4");
        } else if (kind == "absolute") {
            index << openEntry(outside + "/song.wav") << openEntry(outside + "/empty.mp4")
                  << openEntry(outside + "/real.mp4");
        } else if (kind == "link") {
            QVERIFY(QFile::link(outside + "/empty.mp4", day + "/link.mp4"));
            QVERIFY(QFile::link(outside + "/real.mp4", day + "/real.mp4"));
            index << openEntry("link.mp4")
                  << QJsonObject{{"fileName", "real.mp4"}, {"startTime", "120000000"}, {"endTime", "120003000"}};
        } else if (kind == "folder") {
            QDir().mkpath(day + "/sub");
            index << openEntry("sub")
                  << QJsonObject{{"fileName", "."}, {"startTime", "120000000"}, {"endTime", "120003000"}};
        } else if (kind == "types") {
            index << 42 << "seg1.mp4" << QJsonArray{legit}
                  << QJsonObject{{"fileName", 7}, {"startTime", QJsonArray()}, {"endTime", QJsonObject()}}
                  << QJsonObject{{"fileName", QJsonArray{up + "/song.wav"}},
                                 {"startTime", "110000000"},
                                 {"endTime", ""}}
                  << QJsonObject{{"fileName", "seg1.mp4"}, {"startTime", 100000000}, {"endTime", 100003000}};
        } else if (kind == "huge") {
            index << openEntry(up + "/song.wav") << openEntry(up + "/empty.mp4");
            raw = QJsonDocument(index).toJson();
            raw.insert(raw.size() - 2, ",\"" + QByteArray(5 * 1024 * 1024, 'x') + "\"");
        }
        if (kind == "indexlink")
            QVERIFY(QFile::link(outside + "/record.json", day + "/record.json"));
        else
            writeRaw(day + "/record.json", raw.isEmpty() ? QJsonDocument(index).toJson() : raw);
        const QByteArray indexBefore =
            kind == "indexlink" ? QByteArray() : fingerprint(day).value(day + "/record.json");

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("record index (entry )?refused"));
        // The start-up repair of the storage folder the operator chose.
        QVERIFY(StorageMark::takeAnew(backup()));
        FFmpegRecordPlan::repairRecordings(backup());
        QCOMPARE(fingerprint(outside), before);
        QVERIFY(QFileInfo::exists(day + "/seg1.mp4"));
        if (!legitPlays && kind != "indexlink")
            QCOMPARE(fingerprint(day).value(day + "/record.json"), indexBefore);

        openWindow();
        open(ip);
        QCOMPARE(fingerprint(outside), before);
        if (legitPlays) {
            QCOMPARE(paneOf(ip), 0);
            const std::vector<ArchiveRecordPtr> records = m_wnd->paneRecords(0);
            QStringList files;
            for (const ArchiveRecordPtr &r : records)
                files << r->file();
            QCOMPARE(files, QStringList{day + "/seg1.mp4"});
        } else {
            QCOMPARE(paneOf(ip), -1);
            QTRY_VERIFY(toastTexts().contains(LocalVideoReplayWnd::tr("There is no video in this day.")));
        }
    }

    // A segment that cannot be played is passed over like one that ended: the
    // rest of the day plays.
    void unplayableSegmentsArePassedOver_data()
    {
        QTest::addColumn<QStringList>("segments"); // "clip" or "garbage" or "empty"
        QTest::addColumn<int>("listed");
        QTest::newRow("garbage first") << QStringList{"garbage", "clip"} << 2;
        QTest::newRow("empty first") << QStringList{"empty", "clip"} << 1;
        QTest::newRow("garbage between") << QStringList{"clip", "garbage", "clip"} << 3;
    }

    void unplayableSegmentsArePassedOver()
    {
        QFETCH(QStringList, segments);
        QFETCH(int, listed);
        static int block = 0;
        const QString ip = QStringLiteral("127.0.8.%1").arg(++block);
        addDevice(ip);
        const QString day = backup() + "/" + ip + "/" + kDay;
        QDir().mkpath(day);
        QList<Entry> entries;
        for (int i = 0; i < segments.size(); ++i) {
            const QString name = QStringLiteral("s%1.mp4").arg(i + 1);
            if (segments.at(i) == "clip")
                QVERIFY(QFile::copy(m_clip3, day + "/" + name));
            else
                writeRaw(day + "/" + name, segments.at(i) == "empty" ? QByteArray() : QByteArray(20000, '\x5a'));
            const QTime start = QTime(10, 0).addSecs(3 * i);
            entries.append({name, start.toString("hhmmsszzz"), start.addSecs(3).toString("hhmmsszzz")});
        }
        writeIndex(day, entries);
        openWindow();
        open(ip);
        QCOMPARE(paneOf(ip), 0);
        QCOMPARE(int(m_wnd->paneRecords(0).size()), listed);
        I420Render2 *render = m_wnd->replayWidget()->paneRender(0);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->replayWidget()->playUrl(0)
                                         == day + "/s" + QString::number(segments.size()) + ".mp4"
                                     && render->framesReceived() > 10,
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 20000);
    }

    // Played faster than real time, the segment still being recorded is
    // caught up with: playback goes on with what the recorder writes instead
    // of freezing on a pane given up (picture and cursor still, snapshots and
    // controls acting on nothing); once the recorder stops, the day ends and
    // the bar no longer offers controls.
    void fastPlaybackFollowsTheSegmentBeingRecorded()
    {
        const QString ip = QStringLiteral("127.0.9.1");
        addDevice(ip);
        testmedia::RtspServer server;
        QVERIFY(server.start({"/cam=shared:640x360"}));
        FFmpegRecordPlan plan;
        plan.setFileLength(600);
        plan.setParams(server.url("/cam"), backup() + "/" + ip);
        QSignalSpy opened(&plan, &FFmpegRecordPlan::segmentOpened);
        plan.start();
        QTRY_VERIFY_WITH_TIMEOUT(opened.count() == 1, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(FFmpegRecordPlan::fileDurationMs(opened.at(0).at(0).toString()) >= 4000, 20000);
        openWindow();
        open(ip);
        QCOMPARE(paneOf(ip), 0);
        const qint64 known = m_wnd->paneRecords(0).front()->endTime();
        m_wnd->onBtnSpeed(4.0f);
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->timeLine()->currentTime() > known + 3000, 30000);
        QCOMPARE(paneOf(ip), 0);
        QVERIFY(m_wnd->control()->isEnabled());
        QSignalSpy shots(m_wnd->replayWidget(), &FFmpegReplayWidget::emitCaptureResult);
        m_wnd->onBtnCaptureClicked();
        QTRY_COMPARE_WITH_TIMEOUT(shots.count(), 1, 10000);
        QVERIFY(shots.first().at(0).toBool());
        QVERIFY(QFileInfo(shots.first().at(1).toString()).size() > 0);
        // The toast shows the picture's path as a link, long enough to click it.
        const auto shownToast = [] {
            for (QWidget *w : QApplication::allWidgets()) {
                if (auto *toast = qobject_cast<MsgTipInfoDlg *>(w))
                    return toast;
            }
            return static_cast<MsgTipInfoDlg *>(nullptr);
        };
        MsgTipInfoDlg *tip = nullptr;
        QTRY_VERIFY((tip = shownToast()));
        QCOMPARE(tip->linkPath(), shots.first().at(1).toString());
        QVERIFY(tip->timeout() >= MsgTipInfoDlg::LinkMinMs);
        QVERIFY(tip->findChild<QLabel *>(QStringLiteral("labelText"))->text().contains(QStringLiteral("<a href=")));
        DevicePagesTest::closeToasts();

        plan.requestStop();
        QVERIFY(plan.wait(10000));
        QTRY_VERIFY_WITH_TIMEOUT(m_wnd->paneKeys().isEmpty(), 30000);
        QVERIFY(!m_wnd->control()->isEnabled());
    }

    void folderOfAKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("folder");
        QTest::newRow("device") << "127.0.5.1"
                                << "/127.0.5.1";
        QTest::newRow("channel") << "127.0.5.2_3"
                                 << "/127.0.5.2/CH_03";
    }

    void folderOfAKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, folder);
        addDevice("127.0.5.2", 1, 4);
        openWindow();
        QCOMPARE(m_wnd->deviceFolder(key), backup() + folder);
    }

    // Leaving the page or closing the client with it shown stops playback.
    void pageStopAllResetsTheLocalWindow()
    {
        addDevice("127.0.6.1");
        writeIndex(makeDay("127.0.6.1", {m_clip10}), {{"seg1.mp4", "100000000", "100010000"}});
        CVideoPlayback page;
        page.resize(1200, 800);
        page.show();
        page.tabWidget()->setCurrentIndex(CVideoPlayback::LocalTab);
        auto *local = qobject_cast<LocalVideoReplayWnd *>(page.tabPage(CVideoPlayback::LocalTab));
        QVERIFY(local);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QStandardItem *item = local->tree()->itemForKey("127.0.6.1");
        QVERIFY(item);
        const QModelIndex index = local->tree()->proxyModel()->mapFromSource(item->index());
        local->onDeviceItemClicked(index);
        local->onDeviceItemDoubleClicked(index);
        QTRY_COMPARE_WITH_TIMEOUT(local->paneKeys().size(), 1, 15000);
        page.stopAll();
        QVERIFY(local->paneKeys().isEmpty());
        QVERIFY(local->calendar()->markedDays().isEmpty());

        local->onDeviceItemDoubleClicked(index);
        local->onDeviceItemClicked(index);
        local->onDeviceItemDoubleClicked(index);
        QTRY_COMPARE_WITH_TIMEOUT(local->paneKeys().size(), 1, 15000);
        page.tabWidget()->setCurrentIndex(CVideoPlayback::NvrTab);
        QVERIFY(local->paneKeys().isEmpty());
    }
};

QTEST_MAIN(TstLocalReplay)
#include "tst_localreplay.moc"
