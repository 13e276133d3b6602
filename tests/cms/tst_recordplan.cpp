// The record strategy without the page: its stored texts, the conversion of
// drawn segments, the schedule decision, the disk rules and the schedule
// thread recording from the loopback RTSP server.

#include "../support/HeldDatabase.h"
#include "../support/QueuedSpy.h"
#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "FFmpegRecordPlan.h"
#include "FileChooser.h"
#include "MountTable.h"
#include "OrmAccessQueue.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "Platform.h"
#include "RecordSchedule.h"
#include "RecordScheduleThread.h"
#include "SettingsKeeper.h"
#include "SmallDisk.h"
#include "StorageMark.h"
#include "../support/SmallFs.h"
#include "recordAdvanceConfigDlg.h"
#include "TestMedia.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QMutex>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// "b-e,b-e|...|..." one day per '|', Monday first; a leading '#' stores the
// day with part count 0.
QVector<RECORD_DAY_INFO> week(const QString &text)
{
    QVector<RECORD_DAY_INFO> days;
    for (QString day : text.split(QLatin1Char('|'))) {
        RECORD_DAY_INFO d;
        const bool countZero = day.startsWith(QLatin1Char('#'));
        day.remove(QLatin1Char('#'));
        for (const QString &part : day.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList ends = part.split(QLatin1Char('-'));
            d.timePart.append({uint16_t(ends.value(0).toUInt()), uint16_t(ends.value(1).toUInt())});
        }
        d.iPartCount = countZero ? 0 : uint8_t(d.timePart.size());
        days.append(d);
    }
    return days;
}

QString partsText(const RECORD_DAY_INFO &day)
{
    QStringList parts;
    for (const RECORD_TIME_PART &p : day.timePart)
        parts << QStringLiteral("%1-%2").arg(p.sBeginTime).arg(p.sEndTime);
    return parts.join(QLatin1Char(','));
}

// Segment files listed in the day indexes below folder, and how many of them
// are closed (have an end time).
QPair<QStringList, int> dayIndexes(const QString &folder)
{
    QPair<QStringList, int> found;
    QDirIterator it(folder, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array()) {
            found.first << QFileInfo(f).path() + QLatin1Char('/') + v.toObject().value("fileName").toString();
            found.second += v.toObject().value("endTime").toString().isEmpty() ? 0 : 1;
        }
    }
    return found;
}

// True when folder holds the storage mark the database keeps.
bool holdsKeptMark(const QString &folder)
{
    QString kept;
    SettingsKeeper::readNamed(QStringLiteral("StorageMark"), &kept);
    QFile f(folder + QLatin1Char('/') + StorageMark::fileName());
    return !kept.isEmpty() && f.open(QIODevice::ReadOnly) && QString::fromLatin1(f.readAll()).contains(kept);
}

// Footage on disk in the newest file of a folder's indexes not listed in
// `known`, in ms (a file being written reads as far as it is written).
qint64 newestFootage(const QString &folder, const QStringList &known)
{
    const QStringList files = dayIndexes(folder).first;
    for (int i = files.size() - 1; i >= 0; --i) {
        if (!known.contains(files.at(i)))
            return FFmpegRecordPlan::fileDurationMs(files.at(i));
    }
    return 0;
}

} // namespace

class tst_RecordPlan : public QObject
{
    Q_OBJECT

    QTemporaryDir m_storage;
    QString m_root;   // the storage folder of the tests that need no other
    QString m_backup; // the storage folder the recorders write below

    // An NVR at 127.0.0.1 with two channel records, its streams on the server,
    // and a plan recording the channels all day.
    RECORD_PLAN_INFO recordNvr(const QString &sn, int rtspPort, const QList<int> &channels)
    {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        registry->deleteDevice(QStringLiteral("127.0.0.1"));
        auto *nvr = new FUN_DEV_INFO;
        nvr->devType = 1;
        nvr->ip = QStringLiteral("127.0.0.1");
        nvr->sn = sn;
        nvr->channelNum = 2;
        nvr->rtspPort = quint16(rtspPort);
        registry->addDevInfo(nvr);
        registry->addNVRChannels(nvr);
        RECORD_PLAN_INFO plan;
        plan.iTurnOn = 1;
        plan.iTimeFile = 1;
        plan.szStoragePath = m_backup;
        plan.days = week(QStringLiteral("0-1440|0-1440|0-1440|0-1440|0-1440|0-1440|0-1440"));
        for (int ch : channels)
            plan.devices.append({sn, nvr->ip, 1, uint8_t(ch), 0});
        return plan;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_storage.isValid());
        // Beside the folders other tests make: each is a storage folder of its own.
        m_root = m_storage.path() + QStringLiteral("/Backup");
        m_backup = m_root;
        CommonHelper::setStoragePathsProvider([this] { return StoragePaths{{}, m_backup, {}}; });
        // The database keeps the storage folder's mark (in the test's own folder).
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        // Segments of two seconds per minute of the plan.
        RecordScheduleThread::setSecondsPerPlanMinuteForTesting(2);
        // The machine's own mount table is never read here, let alone changed.
        MountTable::setFstabPathForTesting(m_storage.filePath(QStringLiteral("fstab")));
        cleanup();
    }

    void cleanup()
    {
        // Plenty of room and the wall clock unless a test says otherwise.
        Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
        ScheduleClock::setForTesting(QDateTime(), 1.0);
        // Each test's storage folder is a new one to the client.
        QCOMPARE(SettingsKeeper::saveNamed(QStringLiteral("StorageMark"), QString()).text(), QString());
        StorageMark::forgetForTesting();
    }

    void readDevices_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("sn");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("stream");
        QTest::newRow("empty") << "" << 0 << "" << 0 << 0 << 0;
        QTest::newRow("not JSON") << "[{" << 0 << "" << 0 << 0 << 0;
        QTest::newRow("not an array") << "{\"szDevId\":\"A\"}" << 0 << "" << 0 << 0 << 0;
        QTest::newRow("channel low 8 bits") << "[{\"iChannelIdx\":258}]" << 1 << "" << 0 << 2 << 0;
        QTest::newRow("element not an object") << "[5]" << 1 << "" << 0 << 0 << 0;
        QTest::newRow("wrong member types")
            << "[{\"szDevId\":7,\"eDevType\":\"1\",\"iStreamType\":257}]" << 1 << "" << 0 << 0 << 1;
        QTest::newRow("full") << "[{\"szDevId\":\"SN9\",\"szDevIp\":\"10.0.0.9\",\"eDevType\":1,\"iChannelIdx\":3,"
                                 "\"iStreamType\":1}]"
                              << 1 << "SN9" << 1 << 3 << 1;
    }

    void readDevices()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        const QVector<RECORD_DEVICE_INFO> devices = RecordSchedule::readRecordDevices(text);
        QCOMPARE(devices.size(), count);
        if (count > 0) {
            const RECORD_DEVICE_INFO &d = devices.first();
            QTEST(d.szDevId, "sn");
            QTEST(int(d.eDevType), "type");
            QTEST(int(d.iChannelIdx), "channel");
            QTEST(int(d.iStreamType), "stream");
        }
    }

    void readDays_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("parts");
        QTest::newRow("empty") << "" << 0 << 0 << "";
        QTest::newRow("no timePart") << "[{\"iPartCount\":3}]" << 1 << 3 << "";
        QTest::newRow("timePart not an array") << "[{\"iPartCount\":1,\"timePart\":{}}]" << 1 << 1 << "";
        QTest::newRow("count kept, three parts read")
            << "[{\"iPartCount\":2,\"timePart\":[{\"sBeginTime\":0,\"sEndTime\":60},{\"sBeginTime\":120,"
               "\"sEndTime\":180},{\"sBeginTime\":240,\"sEndTime\":300}]}]"
            << 1 << 2 << "0-60,120-180,240-300";
        QTest::newRow("low 16 bits") << "[{\"iPartCount\":257,\"timePart\":[{\"sBeginTime\":65537,\"sEndTime\":1440}]}]"
                                     << 1 << 1 << "1-1440";
    }

    void readDays()
    {
        QFETCH(QString, text);
        QFETCH(int, days);
        const QVector<RECORD_DAY_INFO> read = RecordSchedule::readTimePlan(text);
        QCOMPARE(read.size(), days);
        if (days > 0) {
            QTEST(int(read.first().iPartCount), "count");
            QTEST(partsText(read.first()), "parts");
        }
    }

    // The stored layout other versions read: indented, members sorted by key.
    void writtenTextsReadBack()
    {
        RECORD_DEVICE_INFO d;
        d.szDevId = QStringLiteral("SN1");
        d.szDevIp = QStringLiteral("10.0.0.1");
        d.eDevType = 1;
        d.iChannelIdx = 2;
        d.iStreamType = 1;
        const QString devText = RecordSchedule::writeRecordDevices({d});
        QCOMPARE(devText, QStringLiteral("[\n    {\n        \"eDevType\": 1,\n        \"iChannelIdx\": 2,\n"
                                         "        \"iStreamType\": 1,\n        \"szDevId\": \"SN1\",\n"
                                         "        \"szDevIp\": \"10.0.0.1\"\n    }\n]\n"));
        QCOMPARE(RecordSchedule::readRecordDevices(devText), QVector<RECORD_DEVICE_INFO>{d});

        const QVector<RECORD_DAY_INFO> days = week(QStringLiteral("0-1440|480-1080|#|0-1440|||0-1440"));
        const QString dayText = RecordSchedule::writeTimePlan(days);
        QVERIFY(dayText.indexOf("\"iPartCount\"") < dayText.indexOf("\"timePart\""));
        QCOMPARE(RecordSchedule::readTimePlan(dayText), days);
    }

    void segmentConversion_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("endSecs"); // seconds after midnight
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("end");
        QTest::newRow("rounded outwards") << QTime(10, 0, 30) << (12 * 3600 + 30) << 600 << 721;
        QTest::newRow("workday") << QTime(8, 0) << (17 * 3600 + 59 * 60 + 59) << 480 << 1080;
        QTest::newRow("exact minute") << QTime(11, 0) << 12 * 3600 << 660 << 720;
        QTest::newRow("whole day") << QTime(0, 0) << 86399 << 0 << 1440;
        QTest::newRow("past midnight") << QTime(23, 0) << 90000 << 1380 << 1440;
    }

    void segmentConversion()
    {
        QFETCH(QTime, start);
        QFETCH(int, endSecs);
        QFETCH(int, begin);
        QFETCH(int, end);
        const int64_t day = QDateTime(QDate(2026, 3, 2), QTime(0, 0)).toSecsSinceEpoch();
        const RECORD_TIME_PART part =
            RecordPlanTime::partFromSegment(day, day + start.msecsSinceStartOfDay() / 1000, day + endSecs);
        QCOMPARE(int(part.sBeginTime), begin);
        QCOMPARE(int(part.sEndTime), end);
        // Shown again and saved again without change, it keeps its minutes.
        const auto shown = RecordPlanTime::segmentFromPart(day, part);
        QCOMPARE(shown.first, day + begin * 60);
        QCOMPARE(RecordPlanTime::partFromSegment(day, shown.first, shown.second), part);
    }

    void schedule_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("inSchedule");
        QTest::addColumn<qint64>("wait");
        const QString workday = QStringLiteral("480-1080|480-1080|480-1080|480-1080|480-1080||");
        const QDate monday(2026, 12, 7);
        const auto at = [&](int dayOffset, int h, int m, int s = 0) {
            return QDateTime(monday.addDays(dayOffset), QTime(h, m, s));
        };
        QTest::newRow("part start: one file length") << workday << true << at(0, 8, 0) << true << qint64(1800);
        QTest::newRow("near the end: until the end") << workday << true << at(0, 17, 45) << true << qint64(900);
        QTest::newRow("end is inclusive") << workday << true << at(0, 18, 0) << true << qint64(0);
        QTest::newRow("after the end: next morning")
            << workday << true << at(0, 18, 0, 1) << false << qint64(14 * 3600 - 1);
        QTest::newRow("friday evening: monday morning")
            << workday << true << at(4, 18, 30) << false << qint64(61 * 3600 + 1800);
        QTest::newRow("later part today")
            << QStringLiteral("60-120,600-660||||||") << true << at(0, 5, 0) << false << qint64(5 * 3600);
        QTest::newRow("count 0 today: tomorrow")
            << QStringLiteral("#480-1080|480-1080|||||") << true << at(0, 9, 0) << false << qint64(23 * 3600);
        QTest::newRow("same weekday next week")
            << QStringLiteral("480-1080||||||") << true << at(0, 19, 0) << false << qint64(6 * 86400 + 13 * 3600);
        QTest::newRow("whole day, last second") << QStringLiteral("0-1440|0-1440|0-1440|0-1440|0-1440|0-1440|0-1440")
                                                << true << at(0, 23, 59, 59) << true << qint64(1);
        QTest::newRow("switched off") << workday << false << at(0, 9, 0) << false << qint64(-1);
        QTest::newRow("six days") << QStringLiteral("0-1440|0-1440|0-1440|0-1440|0-1440|0-1440") << true << at(0, 9, 0)
                                  << false << qint64(-1);
        QTest::newRow("no parts at all") << QStringLiteral("||||||") << true << at(0, 9, 0) << false << qint64(-1);
    }

    void schedule()
    {
        QFETCH(QString, days);
        QFETCH(bool, on);
        QFETCH(QDateTime, now);
        RECORD_PLAN_INFO plan;
        plan.iTurnOn = on ? 1 : 0;
        plan.days = week(days);
        qint64 wait = 12345;
        QTEST(RecordScheduleThread::isInSchedule(plan, now, 1800, wait), "inSchedule");
        QTEST(wait, "wait");
    }

    void diskCheck_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        QTest::addColumn<int>("policy");
        QTest::addColumn<bool>("oldDay");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("stranger"); // the folder holds another's file and no day folder
        QTest::newRow("5 GiB") << (qint64(5) << 30) << 1 << false << true << false;
        QTest::newRow("one byte less, stop") << (qint64(5) << 30) - 1 << 1 << true << false << false;
        QTest::newRow("unreadable volume") << qint64(-1) << 0 << true << false << false;
        QTest::newRow("full, old day removed") << qint64(0) << 0 << true << true << false;
        QTest::newRow("full, nothing old") << qint64(0) << 0 << false << false << false;
        QTest::newRow("a stranger's folder") << (qint64(100) << 30) << 1 << false << false << true;
    }

    void diskCheck()
    {
        QFETCH(qint64, freeBytes);
        QFETCH(int, policy);
        QFETCH(bool, oldDay);
        QFETCH(bool, stranger);
        QTemporaryDir tmp;
        const QString storage = tmp.path() + "/not/yet";
        // "Today" is the schedule's clock, whatever the wall clock says.
        ScheduleClock::setForTesting(QDateTime(QDate(2026, 12, 7), QTime(12, 0)), 1.0);
        const QString old = storage + "/10.1.1.1/20261107";
        if (oldDay)
            QVERIFY(QDir().mkpath(old));
        if (stranger) {
            QVERIFY(QDir().mkpath(storage));
            QFile notes(storage + "/notes.txt");
            QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("mine") == 4);
        }
        QStringList asked;
        Platform::setFreeSpaceProbe([&](const QString &path) {
            asked << path;
            return freeBytes;
        });
        RECORD_PLAN_INFO plan;
        plan.iStorageType = uint8_t(policy);
        plan.szStoragePath = storage;
        RecordScheduleThread thread;
        thread.setPlan(&plan);
        QTEST(thread.checkDisk(), "goOn");
        QVERIFY(QFileInfo(storage).isDir());
        // Made and marked on first use, or what holds recordings already; a
        // stranger's folder is not taken, nor written into.
        QCOMPARE(asked, stranger ? QStringList() : QStringList{storage});
        QCOMPARE(QFileInfo::exists(storage + "/" + StorageMark::fileName()), !stranger);
        if (stranger)
            QCOMPARE(QDir(storage).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList{"notes.txt"});
        QCOMPARE(QFileInfo::exists(old), oldDay && !(freeBytes == 0 && policy == 0));
    }

    void expiredDaysRemoved()
    {
        QTemporaryDir tmp;
        const QDate today(2026, 12, 7);
        const auto day = [&](int age) { return today.addDays(-age).toString("yyyyMMdd"); };
        const QString root = tmp.path();
        const QStringList removed{root + "/10.1.1.2/" + day(30),        // depth 2
                                  root + "/10.1.1.2/CH_01/" + day(31)}; // depth 3
        const QStringList kept{root + "/10.1.1.2/" + day(29),
                               root + "/x/20261301",            // month 13: a day folder, kept
                               root + "/x/20261301/" + day(60), // inside it: never searched
                               root + "/a/1234567/" + day(400), // not the recorders' layout
                               root + "/10.1.1.2/" + today.addDays(3).toString("yyyyMMdd")};
        for (const QString &dir : removed + kept)
            QVERIFY(QDir().mkpath(dir));
        QVERIFY(RecordScheduleThread::deleteOldRecord(root, today));
        for (const QString &dir : removed)
            QVERIFY2(!QFileInfo::exists(dir), qPrintable(dir));
        for (const QString &dir : kept)
            QVERIFY2(QFileInfo(dir).isDir(), qPrintable(dir));
        QVERIFY(!RecordScheduleThread::deleteOldRecord(root, today));
    }

    // Delete old recordings takes only what the recorders wrote, in their
    // own layout, and a day folder only when nothing else is left in it; the
    // operator's files and date-named folders, links and what they lead to,
    // a segment another process is writing, and the storage folder itself
    // stay byte for byte. "O" stands for a day 41 days old, "Y" for one 29
    // days old.
    void cleanUpTakesOnlyFootage_data()
    {
        QTest::addColumn<QString>("root");        // the storage folder
        QTest::addColumn<QStringList>("entries"); // files, "link -> target", or "file (locked)"
        QTest::addColumn<QStringList>("gone");    // what the clean-up removes
        QTest::addColumn<bool>("removed");
        const QString dev = "B/10.1.1.2/O", ch = "B/10.1.1.2/CH_01/O";
        QTest::newRow("old footage of a device and a channel")
            << "B" << QStringList{dev + "/O120000.mp4",  dev + "/record.json", ch + "/O120000.mp4",
                                  ch + "/O120000_1.mp4", ch + "/record.json",  "B/10.1.1.2/Y/Y120000.mp4"}
            << QStringList{dev,
                           dev + "/O120000.mp4",
                           dev + "/record.json",
                           ch,
                           ch + "/O120000.mp4",
                           ch + "/O120000_1.mp4",
                           ch + "/record.json"}
            << true;
        QTest::newRow("a note beside old footage")
            << "B"
            << QStringList{dev + "/O120000.mp4", dev + "/record.json", dev + "/note.txt", dev + "/holiday.mp4",
                           dev + "/20190315120000.mp4"}
            << QStringList{dev + "/O120000.mp4", dev + "/record.json"} << true;
        // Another client's recorder still writes (and locks) one segment of
        // the old day: it and its folder stay.
        QTest::newRow("a segment another process writes")
            << "B" << QStringList{dev + "/O120000.mp4", dev + "/O123000.mp4 (locked)", dev + "/record.json"}
            << QStringList{dev + "/O120000.mp4", dev + "/record.json"} << true;
        QTest::newRow("the operator's date-named folders")
            << "B"
            << QStringList{"B/Documents/20190315/tax-return.pdf", "B/photos/2019/20190315/img.jpg",
                           "B/20190101/20190101120000.mp4", "B/20190101/record.json"}
            << QStringList{} << false;
        QTest::newRow("storage folder named as a date")
            << "20200101" << QStringList{"20200101/10.1.1.2/20261207/20261207120000.mp4"} << QStringList{} << false;
        QTest::newRow("links out of the storage folder") << "B"
                                                         << QStringList{"out/dev/O/O120000.mp4",
                                                                        "out/dev/O/record.json",
                                                                        "out/day/O120000.mp4",
                                                                        "out/ch/O/O120000.mp4",
                                                                        "out/video.mp4",
                                                                        "B/10.1.1.3 -> out/dev",
                                                                        dev + " -> out/day",
                                                                        "B/10.1.1.2/CH_02 -> out/ch",
                                                                        "B/10.1.1.4/O/O120000.mp4 -> out/video.mp4"}
                                                         << QStringList{} << false;
    }
    void cleanUpTakesOnlyFootage()
    {
        QFETCH(QString, root);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, gone);
        QTemporaryDir tmp;
        const auto at = [&tmp](QString path) {
            return tmp.path() + "/" + path.replace("O", "20261027").replace("Y", "20261108");
        };
        std::vector<std::unique_ptr<QProcess>> lockers;
        QStringList held;
        const auto unlock = [&lockers] {
            for (auto &p : lockers) {
                p->kill();
                p->waitForFinished(10000);
            }
        };
        auto unlockOnFailure = qScopeGuard(unlock);
        for (QString entry : entries) {
            const bool locked = entry.endsWith(QStringLiteral(" (locked)"));
            entry.remove(QStringLiteral(" (locked)"));
            const QStringList link = entry.split(QStringLiteral(" -> "));
            QVERIFY(QDir().mkpath(QFileInfo(at(link.first())).path()));
            QVERIFY(link.size() == 2 ? QFile::link(at(link.last()), at(link.first()))
                                     : writeFile(at(entry), entry.toUtf8()));
            if (locked) {
                // Held as a recorder of another process holds what it writes.
                // The shell takes the lock on a descriptor of its own and
                // becomes the sleep: the process ended is the one that holds
                // it, with no child left holding it on.
                lockers.push_back(std::make_unique<QProcess>());
                lockers.back()->start("sh",
                                      {"-c", R"(exec 9<"$0" && flock --exclusive 9 && exec sleep 600)", at(entry)});
                QVERIFY(lockers.back()->waitForStarted(10000));
                QTRY_VERIFY_WITH_TIMEOUT(FFmpegRecordPlan::segmentInUse(at(entry)), 10000);
                held << at(entry);
            }
        }
        QMap<QString, QByteArray> expected = fileTree(tmp.path());
        for (const QString &path : gone)
            QVERIFY2(expected.remove(QDir(tmp.path()).relativeFilePath(at(path))) == 1, qPrintable(path));

        QTEST(RecordScheduleThread::deleteOldRecord(at(root), QDate(2026, 12, 7)), "removed");
        QCOMPARE(fileTree(tmp.path()), expected);
        // Nothing of the holders outlives the test.
        unlockOnFailure.dismiss();
        unlock();
        for (const QString &path : qAsConst(held))
            QVERIFY2(!FFmpegRecordPlan::segmentInUse(path), qPrintable(path));
    }

    // A full disk stops the recording and says so once (the plan stays as
    // it is); the free space is looked at again, and recording resumes by
    // itself when there is room, as after an outage. A disk that another
    // writer fills between two checks stops the recorder that cannot write,
    // said once, and it records again once there is room.
    void fullDiskStopsUntilThereIsRoom_data()
    {
        QTest::addColumn<qint64>("fullBytes"); // what the volume reports while full
        QTest::addColumn<int>("policy");
        QTest::addColumn<bool>("filledByOthers"); // the volume reports room all along
        QTest::newRow("stop when full") << qint64(0) << 1 << false;
        QTest::newRow("delete old, nothing old") << (qint64(1) << 30) << 0 << false;
        QTest::newRow("volume cannot be read") << qint64(-1) << 1 << false;
        QTest::newRow("filled between two checks") << (qint64(100) << 30) << 1 << true;
    }
    void fullDiskStopsUntilThereIsRoom()
    {
        QFETCH(qint64, fullBytes);
        QFETCH(int, policy);
        QFETCH(bool, filledByOthers);
        static std::atomic<qint64> freeBytes;
        static std::atomic<int> asked;
        freeBytes = qint64(100) << 30;
        asked = 0;
        Platform::setFreeSpaceProbe([](const QString &) {
            ++asked;
            return freeBytes.load();
        });
        static int run = 0;
        SmallDisk disk(m_storage.path() + QStringLiteral("/small%1").arg(++run));
        m_backup = disk.path();
        auto restore = qScopeGuard([this] { m_backup = m_root; });
        testmedia::RtspServer rtsp;
        QVERIFY(rtsp.start({"/stream1-1=" + testmedia::makeClip("rec30.mp4", "h264", 30)}));
        RECORD_PLAN_INFO plan = recordNvr("SIM-REC-FULL", rtsp.port(), {1});
        plan.iStorageType = uint8_t(policy);
        const QString ch1 = disk.path() + "/127.0.0.1/CH_01";

        RecordScheduleThread thread;
        QList<int> states;
        connect(&thread, &RecordScheduleThread::deviceStateChanged, this,
                [&states](const QString &, const QString &, int, int state) { states << state; });
        QueuedSpy stopped(&thread, &RecordScheduleThread::sig_recordStopped);
        QueuedSpy writeFailed(&thread, &RecordScheduleThread::sig_recordWriteFailed);
        thread.setPlan(&plan);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Recording), 30000);

        if (filledByOthers)
            QVERIFY(disk.fill());
        else
            freeBytes = fullBytes;
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::DiskFull), 30000);
        // Looked at again and again (the recorder tried again and again),
        // said once.
        if (filledByOthers) {
            QTRY_VERIFY_WITH_TIMEOUT(states.count(RecordScheduleThread::DiskFull) >= 3, 60000);
            QCOMPARE(writeFailed.count(), 1);
            QCOMPARE(stopped.count(), 0);
        } else {
            const int before = asked;
            QTRY_VERIFY_WITH_TIMEOUT(asked >= before + 3, 30000);
            QCOMPARE(stopped.count(), 1);
            QCOMPARE(stopped.first().at(0).toInt(), policy);
            QCOMPARE(writeFailed.count(), 0);
        }
        QVERIFY(thread.isRunning());

        const QStringList before = dayIndexes(ch1).first;
        disk.makeRoom();
        freeBytes = qint64(100) << 30;
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Recording), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, before) >= 1000, 30000);
        thread.stop();
        QCOMPARE(stopped.count(), filledByOthers ? 0 : 1);
        // Nothing without footage was left behind by the tries on the full disk.
        for (QDirIterator it(ch1, {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            QVERIFY(FFmpegRecordPlan::fileDurationMs(it.next()) > 0);
    }

    // The storage folder is known by the client's mark inside it. It goes
    // away while recording (its disk unmounted, the empty mount point left;
    // the folder moved away and an empty one put in its place; another disk
    // mounted over it), or is not there when recording starts (the client
    // started before its disk is mounted): nothing is written into what stands
    // in its place, it is said once, and recording resumes into the same tree
    // when the folder with the mark is back, under any device number. A
    // segment open at the loss is closed within one look. A folder made again
    // by hand is the storage only once the operator chooses it again. Waited
    // for too, each said with its reason: a listed mount point with nothing
    // mounted, a kept mark that cannot be read, a read-only disk. A folder the
    // client took on its own, not the operator, gives way to a disk mounted
    // over it: recording goes on there, the footage before said to lie below.
    // The folder itself removed from its disk, which stays mounted, is the
    // client's own still: made again at once, recorded into, and said so,
    // never as a disk that is not mounted.
    void storageThatWentAwayIsWaitedFor_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("said"); // StorageMark::State told to the page; -1: moved, -2: made again
        const int notOurs = int(StorageMark::State::NotOurs);
        QTest::newRow("disk unmounted") << "unmount" << notOurs;
        QTest::newRow("replaced by an empty folder") << "replace" << notOurs;
        QTest::newRow("empty mount point at start") << "start unmounted" << notOurs;
        QTest::newRow("a disk mounted over the folder chosen") << "mount over" << notOurs;
        QTest::newRow("remounted under another device number") << "remount" << notOurs;
        QTest::newRow("lost while a segment is open") << "open segment" << notOurs;
        QTest::newRow("folder removed") << "remove" << -2;
        QTest::newRow("folder removed from a mounted disk") << "remove from disk" << -2;
        QTest::newRow("a folder below the mount point, its disk unmounted")
            << "unmount below" << int(StorageMark::State::Missing);
        QTest::newRow("a folder made again by hand, chosen again") << "hand-made" << notOurs;
        QTest::newRow("listed in the mount table, not mounted at start")
            << "listed" << int(StorageMark::State::Unmounted);
        QTest::newRow("the kept mark cannot be read once") << "unreadable mark" << int(StorageMark::State::Unknown);
        QTest::newRow("read-only at start") << "read-only" << int(StorageMark::State::Unwritable);
        QTest::newRow("new database, a disk mounted over it after the first segment") << "mounted later" << -1;
        QTest::newRow("new database, a disk mounted over it while the database is held") << "mounted later, held" << -1;
        QTest::newRow("database without settings table, a disk mounted over it") << "no settings table" << -1;
        QTest::newRow("new database, restarted before a disk is mounted over it") << "restarted" << -1;
        // The folder taken on the client's own lies below the mount point.
        QTest::newRow("new database, an empty disk mounted above it while recording") << "above" << -1;
        QTest::newRow("new database, an empty disk mounted above it before a restart") << "above, restarted" << -1;
        QTest::newRow("new database, restarted with a disk holding the folder") << "holds it, restarted" << -1;
        QTest::newRow("new database, restarted with a disk holding another client's folder")
            << "foreign, restarted" << notOurs;
        // Upgrades: what an earlier version kept of a folder it took on its own.
        QTest::newRow("no mount point kept, upgraded with a disk holding the folder mounted")
            << "no mount kept, holds it, restarted" << -1;
        QTest::newRow("no mount point kept, upgraded with an empty disk mounted above it")
            << "no mount kept, above, restarted" << -1;
        QTest::newRow("a mark kept alone, upgraded with a disk holding the folder mounted")
            << "mark alone, holds it, restarted" << -1;
        QTest::newRow("a settings table of other columns") << "other columns" << int(StorageMark::State::Unknown);
    }
    void storageThatWentAwayIsWaitedFor()
    {
        QFETCH(QString, how);
        QFETCH(int, said);
        const bool mounts = how != "replace" && how != "hand-made" && how != "remove";
        static int run = 0;
        const QString base = m_storage.path() + QStringLiteral("/gone%1").arg(++run);
        const QString disk = base + "/disk";   // what the storage folder holds while it is there
        const QString other = base + "/other"; // the folder that stands in its place meanwhile
        const bool above =
            how.endsWith("above") || how.endsWith(", restarted") || how == "unmount below" || how == "remove from disk";
        const bool mountedBetween = how.endsWith(", restarted"); // while the client does not run
        const QString mountPoint = base + "/mnt";
        const QString storage = above ? mountPoint + "/Backup" : mountPoint;
        QVERIFY(QDir().mkpath(disk) && QDir().mkpath(mountPoint) && QDir().mkpath(other));
        const QStorageInfo below(mountPoint);
        const QByteArray storageName = QFile::encodeName(mountPoint);
        const auto bind = [&](const QString &from) {
            return ::mount(QFile::encodeName(from).constData(), storageName.constData(), nullptr, MS_BIND, nullptr)
                   == 0;
        };
        const auto unbind = [&] { return ::umount2(storageName.constData(), MNT_DETACH) == 0; };
        // What the disk mounted later holds: the folder with day folders of the client's layout, or
        // another client's storage folder with its mark.
        if (how.endsWith("holds it, restarted"))
            QVERIFY(QDir().mkpath(other + "/Backup/127.0.0.1/CH_01/20250101"));
        else if (how == "foreign, restarted")
            QVERIFY(writeFile(other + "/Backup/" + StorageMark::fileName(),
                              "kelvo-storage\n" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + "\n"));
        const QMap<QString, QByteArray> otherBefore = fileTree(other);
        std::unique_ptr<SmallFs> tmpfs, tmpfs2; // the remounted disk: its copy on a file system of its own
        if (mounts) {
            if (how == "remount" || how == "read-only")
                tmpfs = std::make_unique<SmallFs>(disk, qint64(64) << 20);
            if (how == "remount")
                tmpfs2 = std::make_unique<SmallFs>(other, qint64(64) << 20);
            if (how == "remove from disk")
                tmpfs = std::make_unique<SmallFs>(mountPoint, qint64(64) << 20);
            // The folder is taken while nothing is mounted on it yet in the rows that move or wait.
            if (qEnvironmentVariableIsSet("KELVO_TEST_NO_MOUNT")
                || (tmpfs && !(tmpfs->mounted() && (!tmpfs2 || tmpfs2->mounted())))
                || (said >= 0 && how != "listed" && !mountedBetween && !bind(how == "mount over" ? storage : disk)))
                QSKIP("no bind mount here");
        }
        auto unmounted = qScopeGuard([&] {
            if (mounts)
                while (::umount2(storageName.constData(), MNT_DETACH) == 0) {
                }
        });
        if (how == "listed")
            QVERIFY(writeFile(m_storage.filePath("fstab"), "LABEL=rec " + storageName + " ext4 defaults,nofail 0 2\n"));
        auto ownTable = qScopeGuard([this] { QFile::remove(m_storage.filePath("fstab")); });
        const auto lift = qScopeGuard([] { OrmDatabase::setFailingStatementForTesting(QString()); });
        m_backup = storage;
        auto restore = qScopeGuard([this] { m_backup = m_root; });
        testmedia::RtspServer rtsp;
        // A segment of two minutes, and a stream that does not end meanwhile
        // (a recorder ending with its stream would look at the folder too).
        const bool longSegment = how == "open segment";
        QVERIFY(rtsp.start({"/stream1-1="
                            + (longSegment ? testmedia::makeClip("rec90.mp4", "h264", 90)
                                           : testmedia::makeClip("rec30.mp4", "h264", 30))}));
        RECORD_PLAN_INFO plan = recordNvr("SIM-REC-GONE", rtsp.port(), {1});
        if (longSegment)
            plan.iTimeFile = 60;
        const QString ch1 = storage + "/127.0.0.1/CH_01";
        const QString diskCh1 = QString(ch1).replace(mountPoint, disk);

        std::unique_ptr<RecordScheduleThread> thread;
        QList<int> states;
        QList<QList<QVariant>> unavailable, moved;
        QStringList remade;
        QStringList notKept;
        int startedAtLook = -1; // the look count when a recorder was last started
        QObject receiver;       // of the thread's signals: those still queued when the test ends go with it
        const auto start = [&] {
            thread = std::make_unique<RecordScheduleThread>();
            connect(thread.get(), &RecordScheduleThread::deviceStateChanged, &receiver,
                    [&](const QString &, const QString &, int, int state) {
                        states << state;
                        if (state == RecordScheduleThread::Starting)
                            startedAtLook = StorageMark::looks();
                    });
            connect(thread.get(), &RecordScheduleThread::sig_storageUnavailable, &receiver,
                    [&unavailable](const QString &path, int state, const QString &detail) {
                        unavailable.append({path, state, detail});
                    });
            connect(thread.get(), &RecordScheduleThread::sig_storageMoved, &receiver,
                    [&moved](const QString &path, const QString &at, const QString &source, const QString &from) {
                        moved.append({path, at, source, from});
                    });
            connect(thread.get(), &RecordScheduleThread::sig_markNotKept, &receiver,
                    [&notKept](const QString &reason) { notKept << reason; });
            connect(thread.get(), &RecordScheduleThread::sig_storageRemade, &receiver,
                    [&remade](const QString &path) { remade << path; });
            thread->setPlan(&plan);
            thread->start();
        };
        // The operator chooses the folder in the settings dialog.
        const auto choose = [&] {
            FileChooser::setFolderQuestion([&](QWidget *, const QString &, const QString &) { return storage; });
            recordAdvanceConfigDlg dialog(&plan);
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton *>("pushButtonPath"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton *>("m_btnOK"), Qt::LeftButton);
            FileChooser::setFolderQuestion(nullptr);
            return dialog.result() == QDialog::Accepted && plan.szStoragePath == storage;
        };

        if (how == "no settings table" || how == "other columns")
            QVERIFY(orm::dao::execute_query(OrmQuery("DROP TABLE CMS_Settings")).text().isEmpty());
        if (how == "other columns")
            QVERIFY(orm::dao::execute_query(OrmQuery("CREATE TABLE CMS_Settings (id INTEGER PRIMARY KEY, Key TEXT)"))
                        .text()
                        .isEmpty());
        const auto settingsBack = qScopeGuard([&how] {
            if (how == "other columns")
                orm::dao::execute_query(OrmQuery("DROP TABLE CMS_Settings"));
            orm::dao::create_table<CMS_Settings>();
        });
        if (how == "other columns") {
            // Waited for, said naming the settings table and the file, nothing made on the disk.
            start();
            QTRY_COMPARE_WITH_TIMEOUT(unavailable.size(), 1, 20000);
            QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::NoStorage), 20000);
            const QString detail = unavailable.first().value(2).toString();
            QCOMPARE(unavailable.first().value(1).toInt(), said);
            QVERIFY2(detail.contains("no such column"), qPrintable(detail));
            const QString text =
                RecordSchedule::storageUnavailableText(unavailable.first().value(0).toString(), said, detail);
            QVERIFY2(text.contains("settings table") && text.contains("may be damaged")
                         && text.contains(QFileInfo(OrmDatabase::databaseName()).absoluteFilePath())
                         && text.contains("nothing is recorded"),
                     qPrintable(text));
            const int looked = StorageMark::looks();
            QTRY_VERIFY_WITH_TIMEOUT(StorageMark::looks() >= looked + 2, 20000);
            QCOMPARE(unavailable.size(), 1);
            QCOMPARE(fileTree(storage), (QMap<QString, QByteArray>{}));
            return;
        }
        if (how == "start unmounted" || how == "unreadable mark" || how == "read-only" || how == "restarted"
            || mountedBetween) {
            // An earlier run marked the folder; this one starts before its disk is mounted, while the
            // database does not give the mark it keeps, with the disk read-only, or with nothing mounted yet.
            start();
            QTRY_VERIFY_WITH_TIMEOUT(dayIndexes(ch1).second >= 1, 60000);
            thread.reset();
            if (how == "start unmounted")
                QVERIFY(unbind());
            else if (how == "read-only")
                QVERIFY(tmpfs->setReadOnly(true));
            else if (how == "unreadable mark")
                OrmDatabase::setFailingStatementForTesting(QStringLiteral("CMS_Settings"));
            else if (mountedBetween)
                QVERIFY(bind(other));
            // An earlier version's database: no mount point kept with the mark, nor (older still) who
            // took the folder.
            const auto forget = [](const char *name) {
                return orm::dao::execute_query(OrmQuery("DELETE FROM CMS_Settings WHERE Name = :name")
                                                   .bind(":name", QString::fromLatin1(name)))
                    .text()
                    .isEmpty();
            };
            if (how.startsWith("no mount kept") || how.startsWith("mark alone"))
                QVERIFY(forget("StorageMarkOn"));
            if (how.startsWith("mark alone"))
                QVERIFY(forget("StorageMarkTaken"));
            StorageMark::forgetForTesting();
            QCoreApplication::sendPostedEvents(&receiver); // what the ended run said comes before the clear
            states.clear();
            start();
        } else if (how == "listed" || said < 0) {
            start();
        } else {
            if (how == "mount over")
                QVERIFY(choose());
            start();
            if (how == "open segment") {
                QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, {}) >= 1000, 60000);
                QCOMPARE(dayIndexes(ch1).second, 0); // none closed yet: the one segment is open
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(dayIndexes(ch1).second >= 1, 60000);
            }
            if (how == "replace" || how == "hand-made") {
                QVERIFY(QDir().rmdir(disk) && QDir().rename(storage, disk) && QDir().mkdir(storage));
            } else if (how == "mount over") {
                QVERIFY(bind(other));
            } else {
                QVERIFY(unbind());
            }
        }
        if (said == -2) {
            // Removed while recording: moved away whole, or deleted with what it held.
            QTRY_VERIFY_WITH_TIMEOUT(dayIndexes(ch1).second >= 1, 60000);
            const QStringList before = dayIndexes(ch1).first;
            if (how == "remove")
                QVERIFY(QDir().rmdir(disk) && QDir().rename(storage, disk));
            else
                QVERIFY(QDir(storage).removeRecursively());
            QTRY_COMPARE_WITH_TIMEOUT(remade, QStringList{QDir::toNativeSeparators(storage)}, 20000);
            // Made again with the mark kept, and recorded into at once, by itself.
            QVERIFY(holdsKeptMark(storage));
            QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, {}) >= 1000, 30000);
            thread.reset();
            QCOMPARE(unavailable, QList<QList<QVariant>>());
            const auto index = dayIndexes(ch1);
            QVERIFY(!index.first.isEmpty() && index.second == index.first.size());
            for (const QString &file : index.first)
                QVERIFY2(!before.contains(file) && FFmpegRecordPlan::fileDurationMs(file) > 0, qPrintable(file));
            // What was moved away went with it: the segments closed before it
            // went play there (the newest may have been open at the move).
            if (how == "remove") {
                const QStringList away = dayIndexes(diskCh1).first;
                for (const QString &file : before.mid(0, before.size() - 1)) {
                    const QString moved = QString(file).replace(mountPoint, disk);
                    QVERIFY2(away.contains(moved) && FFmpegRecordPlan::fileDurationMs(moved) > 0, qPrintable(moved));
                }
            }
            const QString words = RecordSchedule::storageRemadeText(QDir::toNativeSeparators(storage));
            QVERIFY2(words.contains(QDir::toNativeSeparators(storage)) && words.contains("was removed")
                         && words.contains("made it again") && words.contains("recording goes on")
                         && !words.contains("unmounted"),
                     qPrintable(words));
            return;
        }
        if (said < 0) {
            // The folder taken at start lies on the disk below the mount point; the disk comes later.
            std::unique_ptr<HeldDatabase> hold;
            if (!mountedBetween) {
                QTRY_VERIFY_WITH_TIMEOUT(
                    dayIndexes(ch1).second >= 1 && states.endsWith(RecordScheduleThread::Recording), 60000);
                if (how.endsWith("held"))
                    hold = std::make_unique<HeldDatabase>();
                QVERIFY(bind(other));
            }
            const QString otherCh1 = QString(ch1).replace(mountPoint, other);
            QTRY_COMPARE_WITH_TIMEOUT(moved.size(), 1, 20000);
            QCOMPARE(moved.first(), (QList<QVariant>{QDir::toNativeSeparators(storage), mountPoint,
                                                     QString::fromLocal8Bit(below.device()), below.rootPath()}));
            if (hold) {
                // Followed without waiting for the database: the mark's settings wait in the
                // client's queue, not in the thread a close waits for, and land once it lets go.
                QVERIFY(hold->isHeld() && notKept.isEmpty());
                QVERIFY(OrmAccessQueue::outstanding().changesSaid.contains("the storage folder's mark"));
                hold.reset();
                QTRY_VERIFY_WITH_TIMEOUT(OrmAccessQueue::outstanding().changes.isEmpty(), 20000);
            }
            QTRY_VERIFY_WITH_TIMEOUT(newestFootage(otherCh1, {}) >= 1000, 30000);
            thread.reset();
            QCOMPARE(unavailable, QList<QList<QVariant>>());
            // A settings table that cannot be read is said, in the database's words; otherwise
            // the disk is the storage folder from now on, also for the next start.
            if (how == "no settings table")
                QVERIFY2(notKept.size() == 1 && notKept.first().contains("no such table"),
                         qPrintable(notKept.join('|')));
            else
                QVERIFY(notKept.isEmpty() && holdsKeptMark(QString(storage).replace(mountPoint, other)));
            // On the disk whole segments, each closed; below it, what was recorded before, whole.
            const auto onDisk = dayIndexes(otherCh1);
            QVERIFY(!onDisk.first.isEmpty() && onDisk.second == onDisk.first.size());
            QVERIFY(unbind());
            const auto earlier = dayIndexes(ch1);
            QVERIFY(earlier.second >= 1);
            for (const QString &file : onDisk.first + earlier.first)
                QVERIFY2(FFmpegRecordPlan::fileDurationMs(file) > 0, qPrintable(file));
            return;
        }

        // Within one look (generously), long before the open segment would end.
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::NoStorage), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(unavailable.size(), 1, 10000);
        // Said with why, as the page says it: the database's words, the disk's, or the mount point.
        const QString detail = unavailable.first().value(2).toString();
        const bool covered = how == "mount over" || how == "foreign, restarted";
        const QString why = covered || how == "listed"                                        ? mountPoint
                            : how == "read-only"                                              ? "the disk is read-only"
                            : how == "unreadable mark" && detail.contains("Injected failure") ? detail
                                                                                              : QString();
        QCOMPARE(unavailable.first(), (QList<QVariant>{QDir::toNativeSeparators(storage), said, why}));
        QVERIFY(thread->isRunning());
        const QMap<QString, QByteArray> treeWhenSaid = fileTree(storage);
        if (how == "open segment") {
            // The recorder ended and closed its file on the disk it wrote to.
            const QStringList open = dayIndexes(diskCh1).first;
            QCOMPARE(open.size(), 1);
            QVERIFY(FFmpegRecordPlan::fileDurationMs(open.first()) >= 1000);
        }
        // Nothing is made in what stands in its place, however long it waits.
        const int looked = StorageMark::looks();
        QTRY_VERIFY_WITH_TIMEOUT(StorageMark::looks() >= looked + 2, 20000);
        if (said == int(StorageMark::State::Missing))
            QVERIFY(!QFileInfo::exists(storage)); // not made again on the disk below
        else if (how == "unreadable mark" || how == "read-only")
            QCOMPARE(fileTree(storage), treeWhenSaid); // the disk itself, left as it was
        else
            QCOMPARE(fileTree(covered ? other : storage), (covered ? otherBefore : QMap<QString, QByteArray>{}));
        QCOMPARE(unavailable.size(), 1);

        // What was recorded before, where the tree is meanwhile.
        QStringList before = dayIndexes(covered ? ch1 : diskCh1).first;
        if (!covered)
            before.replaceInStrings(disk, mountPoint);
        const int looksWhenBack = StorageMark::looks();
        if (how == "hand-made") {
            // The operator stops the plan and chooses the folder again.
            thread.reset();
            plan.szStoragePath = QString();
            QVERIFY(choose());
            before.clear();
            states.clear();
            start();
        } else if (how == "unreadable mark") {
            // The mark kept stays kept, not taken for none nor replaced; the next look reads it.
            OrmDatabase::setFailingStatementForTesting(QString());
            QVERIFY(holdsKeptMark(storage));
        } else if (how == "read-only") {
            QVERIFY(tmpfs->setReadOnly(false));
        } else if (how == "replace") {
            QVERIFY(QDir().rmdir(storage) && QDir().rename(disk, storage));
        } else if (how == "remount") {
            QProcess copy;
            copy.start("cp", {"-a", disk + "/.", other});
            QVERIFY(copy.waitForFinished(30000) && copy.exitCode() == 0);
            QVERIFY(bind(other));
            struct stat was, now;
            QVERIFY(::stat(QFile::encodeName(disk).constData(), &was) == 0
                    && ::stat(storageName.constData(), &now) == 0);
            QVERIFY(was.st_dev != now.st_dev);
        } else if (covered) {
            QVERIFY(unbind());
        } else {
            QVERIFY(bind(disk));
        }
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Recording), 60000);
        // Started again with the pass that follows the first look that finds it writable
        // (a look just before counts too), not after a recorder's retry step (eight looks by then).
        if (how == "read-only")
            QVERIFY2(startedAtLook - looksWhenBack <= 5, qPrintable(QString::number(startedAtLook - looksWhenBack)));
        QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, before) >= 1000, 30000);
        thread.reset();
        QCOMPARE(unavailable.size(), 1);
        // The same tree: one day index with the segments of before and after,
        // each closed (the one open at the loss completed from its file).
        const auto index = dayIndexes(ch1);
        QVERIFY(index.first.size() > before.size());
        QCOMPARE(index.second, index.first.size());
        for (const QString &file : index.first)
            QVERIFY2(FFmpegRecordPlan::fileDurationMs(file) > 0, qPrintable(file));
        if (covered)
            QCOMPARE(fileTree(other), otherBefore);
    }

    // Both channels record into BackupPath/<ip>/CH_NN/yyyyMMdd; after stop
    // every segment is closed in its index and plays.
    void threadRecordsAndCloses()
    {
        const QString clip = testmedia::makeClip("rec30.mp4", "h264", 30);
        QVERIFY(!clip.isEmpty());
        testmedia::RtspServer rtsp;
        QVERIFY(rtsp.start({"/stream1-1=" + clip, "/stream1-2=" + clip}));
        const RECORD_PLAN_INFO plan = recordNvr("SIM-REC-A", rtsp.port(), {1, 2});
        const QString ch1 = m_root + "/127.0.0.1/CH_01", ch2 = m_root + "/127.0.0.1/CH_02";
        const int before1 = dayIndexes(ch1).second, before2 = dayIndexes(ch2).second;

        RecordScheduleThread thread;
        thread.setPlan(&plan);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(dayIndexes(ch1).second >= before1 + 2 && dayIndexes(ch2).second >= before2 + 2, 90000);
        thread.stop();
        QVERIFY(thread.isFinished());
        for (const QString &folder : {ch1, ch2}) {
            const auto index = dayIndexes(folder);
            QCOMPARE(index.second, index.first.size());
            for (const QString &file : index.first)
                QVERIFY2(testmedia::probeFrames(file) > 0, qPrintable(file));
        }
        QVERIFY(
            QRegularExpression("/CH_01/\\d{8}/\\d{14}(_\\d+)?\\.mp4$").match(dayIndexes(ch1).first.first()).hasMatch());
    }

    // A recorder whose stream ended is started again on the next pass.
    void threadRestartsEndedRecorder()
    {
        const QString clip = testmedia::makeClip("rec3.mp4", "h264", 3);
        QVERIFY(!clip.isEmpty());
        testmedia::RtspServer rtsp;
        QVERIFY(rtsp.start({"/stream1-1=" + clip}));
        const RECORD_PLAN_INFO plan = recordNvr("SIM-REC-B", rtsp.port(), {1});
        const QString ch1 = m_root + "/127.0.0.1/CH_01";
        const int before = dayIndexes(ch1).first.size();

        RecordScheduleThread thread;
        thread.setPlan(&plan);
        thread.start();
        // One run of the three-second clip gives two segments; more come only
        // from a recorder started again.
        QTRY_VERIFY_WITH_TIMEOUT(dayIndexes(ch1).second >= before + 3, 90000);
        thread.stop();
    }

    // Which registry record a plan entry means: by serial number; an entry
    // kept by address (no serial number, or its address in its place) by
    // address, so an NVR added before its serial number was known still
    // finds its channels once they carry the real one.
    void planEntryFindsItsChannel_data()
    {
        QTest::addColumn<QString>("sn");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("found"); // device key, "" for none
        QTest::newRow("by serial number") << "UID-X"
                                          << "127.0.0.1" << 1 << "127.0.0.1_1";
        QTest::newRow("serial number is the address") << "127.0.0.1"
                                                      << "127.0.0.1" << 2 << "127.0.0.1_2";
        QTest::newRow("no serial number") << ""
                                          << "127.0.0.1" << 1 << "127.0.0.1_1";
        QTest::newRow("another device at the address") << "UID-Y"
                                                       << "127.0.0.1" << 1 << "";
        QTest::newRow("channel it does not have") << "UID-X"
                                                  << "127.0.0.1" << 5 << "";
        QTest::newRow("address of nobody") << "127.0.0.9"
                                           << "127.0.0.9" << 1 << "";
    }
    void planEntryFindsItsChannel()
    {
        QFETCH(QString, sn);
        QFETCH(QString, ip);
        QFETCH(int, channel);
        QFETCH(QString, found);
        recordNvr(QStringLiteral("UID-X"), 554, {});
        FUN_DEV_INFO *record = RecordScheduleThread::findRecord({sn, ip, 1, uint8_t(channel), 0});
        QCOMPARE(record ? CommonHelper::getDevKey(record) : QString(), found);
    }

    // A channel the registry does not know yet (its NVR has not answered
    // the login) is looked for again within seconds, not at the next pass.
    void missingChannelIsLookedForAgain()
    {
        const QString clip = testmedia::makeClip("rec30.mp4", "h264", 30);
        QVERIFY(!clip.isEmpty());
        testmedia::RtspServer rtsp;
        QVERIFY(rtsp.start({"/stream1-1=" + clip}));
        RECORD_PLAN_INFO plan = recordNvr("SIM-REC-M", rtsp.port(), {1});
        plan.iTimeFile = 30; // a pass of a minute: longer than this test waits
        DeviceInfoManager::instance()->deleteDevice(QStringLiteral("127.0.0.1"));
        RecordScheduleThread thread;
        QList<int> states;
        connect(&thread, &RecordScheduleThread::deviceStateChanged, this,
                [&states](const QString &, const QString &, int, int state) { states << state; });
        thread.setPlan(&plan);
        thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(states, QList<int>{RecordScheduleThread::Missing}, 10000);
        recordNvr("SIM-REC-M", rtsp.port(), {});
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Recording), 30000);
        thread.stop();
        QCOMPARE(states.mid(0, 2), (QList<int>{RecordScheduleThread::Missing, RecordScheduleThread::Starting}));
    }

    // The source stops for a while and comes back: the recorder starts again
    // as soon as it is back, found by its probe of the source, not after the
    // step it was waiting out (16 s by then); meanwhile the channel reads
    // "retrying", and the files on both sides of the outage are whole and in
    // order. How long the outage costs is measured by bench_record_outage.
    void outageCostsLittleMoreThanItself()
    {
        QCOMPARE(QList<qint64>({RecordScheduleThread::retryDelayMs(1), RecordScheduleThread::retryDelayMs(5),
                                RecordScheduleThread::retryDelayMs(6), RecordScheduleThread::retryDelayMs(9)}),
                 QList<qint64>({1000, 16000, 30000, 30000}));
        static QMutex logLock;
        static QStringList log;
        log.clear();
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext &c, const QString &m) {
            if (m.startsWith(QLatin1String("record plan"))) {
                QMutexLocker lock(&logLock);
                log << m;
            }
            previous(t, c, m);
        });
        auto restoreLog = qScopeGuard([] { qInstallMessageHandler(previous); });
        auto logged = [](const QString &part) {
            QMutexLocker lock(&logLock);
            return std::any_of(log.cbegin(), log.cend(), [&](const QString &m) { return m.contains(part); });
        };

        const QStringList mounts{"/stream1-1=clock:512x288"};
        testmedia::RtspServer rtsp;
        QVERIFY(rtsp.start(mounts));
        RECORD_PLAN_INFO plan = recordNvr("SIM-REC-OUT", rtsp.port(), {1});
        plan.iTimeFile = 30;
        const QString ch1 = m_root + "/127.0.0.1/CH_01";
        const QStringList before = dayIndexes(ch1).first;

        RecordScheduleThread thread;
        QList<int> states;
        connect(&thread, &RecordScheduleThread::deviceStateChanged, this,
                [&states](const QString &, const QString &, int, int state) { states << state; });
        thread.setPlan(&plan);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(states.contains(RecordScheduleThread::Recording), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, before) >= 2000, 30000); // some footage before the outage

        rtsp.quit();
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Retrying), 15000);
        const QStringList beforeReturn = dayIndexes(ch1).first;
        // The source stays away until the recorder waits out a long step.
        QTRY_VERIFY_WITH_TIMEOUT(logged(QStringLiteral("(5 failures), next try in 16 s")), 60000);
        rtsp.setPort(rtsp.port());
        QVERIFY(rtsp.start(mounts));
        QTRY_VERIFY_WITH_TIMEOUT(states.endsWith(RecordScheduleThread::Recording), 60000);
        QVERIFY(logged(QStringLiteral("is back, restart record plan thread")));
        QTRY_VERIFY_WITH_TIMEOUT(newestFootage(ch1, beforeReturn) >= 2000, 30000); // some footage after it
        thread.stop();

        // The files of this test, in time order, none overlapping the next.
        QVector<QPair<QTime, QTime>> spans;
        QDirIterator it(ch1, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array()) {
                const QJsonObject o = v.toObject();
                if (before.contains(QFileInfo(f).path() + QLatin1Char('/') + o.value("fileName").toString()))
                    continue;
                spans.append({QTime::fromString(o.value("startTime").toString(), "hhmmsszzz"),
                              QTime::fromString(o.value("endTime").toString(), "hhmmsszzz")});
            }
        }
        std::sort(spans.begin(), spans.end());
        QVERIFY2(spans.size() >= 2, qPrintable(QString::number(spans.size())));
        for (int i = 1; i < spans.size(); ++i)
            QVERIFY(spans.at(i - 1).first < spans.at(i - 1).second && spans.at(i - 1).second <= spans.at(i).first);
        const int retrying = int(states.indexOf(RecordScheduleThread::Retrying));
        QVERIFY(retrying > 0 && states.indexOf(RecordScheduleThread::Recording, retrying) > retrying);
    }
};

QTEST_MAIN(tst_RecordPlan)
#include "tst_recordplan.moc"
