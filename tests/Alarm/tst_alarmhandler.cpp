// Alarm reception: which events are kept (type, weekday, arming ranges), and
// the road from a simulated device's alarm through the main window into the
// database file, with settings found by address (rows an older database
// stored under a name taken over at start) and reloaded on the settings
// broadcast.

#include "../support/StoredRows.h"
#include "../cms/DevicePagesTestUtil.h"
#include "../support/HeldDatabase.h"
#include "../support/SmallFs.h"
#include "DamagedTable.h"

#include "AlarmInfoWidget.h"
#include "AlarmRecordStore.h"
#include "AlarmRecordWriter.h"
#include "DeviceAlarmHandler.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "EditClientDevDlg.h"
#include "MainWindow.h"
#include "DeviceController.h"
#include "RecordSchedule.h"
#include "RecordScheduleThread.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// How long a wait for the handler and its writer may take: thousands of
// alarms go through them, and on a loaded machine under the sanitizers that
// takes well beyond the default five seconds.
constexpr int Generous = 60000;

// The body of an alarm event at "yyyy-MM-dd hh:mm:ss"; an empty type leaves the element out.
QString alarmBody(const QString &type, const QString &moment)
{
    const QStringList v = moment.split(QRegularExpression(QStringLiteral("[- :]")));
    return (type.isEmpty() ? QString() : QStringLiteral("<alarmType>%1</alarmType>").arg(type))
           + QStringLiteral("<alarmTime><year>%1</year><month>%2</month><day>%3</day><hour>%4</hour>"
                            "<minute>%5</minute><second>%6</second></alarmTime>")
                 .arg(v.value(0), v.value(1), v.value(2), v.value(3), v.value(4), v.value(5));
}

// Days Monday .. Sunday: ranges and flags of an arming row.
void setWeek(cms_DealAlarmTime &t, const QString &ranges, const QString &flags)
{
    QString *texts[] = {&t.timeMon, &t.timeTue, &t.timeWed, &t.timeThu, &t.timeFri, &t.timeSat, &t.timeSun};
    bool *armed[] = {&t.bMon, &t.bTue, &t.bWed, &t.bThu, &t.bFri, &t.bSat, &t.bSun};
    for (int i = 0; i < 7; ++i) {
        *texts[i] = ranges.section(QLatin1Char('|'), i, i);
        *armed[i] = flags.at(i) == QLatin1Char('1');
    }
}

// Motion alarms of the device kept all day, every day.
bool armAllDay(const QString &ip)
{
    cms_DealAlarmType type;
    type.devip = ip;
    type.bMotionDetection = true;
    cms_DealAlarmTime arming;
    arming.devip = ip;
    setWeek(arming, QString(7, '|').replace("|", "00:00:00-23:59:59|"), "1111111");
    return orm::dao::insert(type).text().isEmpty() && orm::dao::insert(arming).text().isEmpty();
}

// Fills the file system of path until a write fails, then gives back leave
// bytes; false when it never fills.
bool fillDisk(const QString &path, qint64 leave = 0)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray chunk(16 << 10, 'f');
    for (int i = 0; i < 4096; ++i) {
        if (filler.write(chunk) != chunk.size() || !filler.flush()) {
            filler.close();
            return leave == 0 || filler.resize(QFileInfo(path).size() - leave);
        }
    }
    return false;
}

QList<QSharedPointer<CustomAlarmInfo>> storedAlarms()
{
    QList<QSharedPointer<CustomAlarmInfo>> rows;
    orm::dao::fetch_all(rows);
    return rows;
}

} // namespace

class TestAlarmHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
    }

    // 2026-12-07 is a Monday, 12-05 a Saturday, 12-06 a Sunday. Ranges are
    // Monday .. Sunday joined by "|".
    void keepsEnabledTypesInsideArmingTime_data()
    {
        QTest::addColumn<QString>("type"); // alarmType text, empty: element missing
        QTest::addColumn<QString>("flag"); // the one enabled type
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("week");
        QTest::addColumn<QString>("dayFlags");
        QTest::addColumn<bool>("kept");

        const QString mon = "08:00:00-12:00:00||||||", all = "1111111", at10 = "2026-12-07 10:00:00";
        QTest::newRow("motion inside") << "0"
                                       << "motion" << at10 << mon << all << true;
        QTest::newRow("start second") << "0"
                                      << "motion"
                                      << "2026-12-07 08:00:00" << mon << all << true;
        QTest::newRow("end second") << "0"
                                    << "motion"
                                    << "2026-12-07 12:00:00" << mon << all << true;
        QTest::newRow("after end") << "0"
                                   << "motion"
                                   << "2026-12-07 12:00:01" << mon << all << false;
        QTest::newRow("empty day") << "0"
                                   << "motion" << at10 << "|08:00:00-12:00:00|||||" << all << false;
        QTest::newRow("broken parts skipped")
            << "0"
            << "motion" << at10 << "10:00:00;08:00:00-09:00:00-11:00:00;09:30:00-10:30:00||||||" << all << true;
        QTest::newRow("Sunday reads timeSun") << "0"
                                              << "motion"
                                              << "2026-12-06 10:00:00"
                                              << "||||||08:00:00-12:00:00" << all << true;
        QTest::newRow("Sunday not timeSat") << "0"
                                            << "motion"
                                            << "2026-12-06 10:00:00"
                                            << "|||||08:00:00-12:00:00|" << all << false;
        QTest::newRow("Monday unchecked") << "0"
                                          << "motion" << at10 << mon << "0111111" << false;
        QTest::newRow("All week unchecked") << "0"
                                            << "motion" << at10 << mon << "0000000" << false;
        const QString weekend = "|||||08:00:00-12:00:00|08:00:00-12:00:00";
        QTest::newRow("Saturday off, Saturday") << "0"
                                                << "motion"
                                                << "2026-12-05 10:00:00" << weekend << "1111101" << false;
        QTest::newRow("Saturday off, Sunday") << "0"
                                              << "motion"
                                              << "2026-12-06 10:00:00" << weekend << "1111101" << true;
        QTest::newRow("face") << "1"
                              << "face" << at10 << mon << all << true;
        QTest::newRow("human") << "2"
                               << "human" << at10 << mon << all << true;
        QTest::newRow("sound") << "5"
                               << "noise" << at10 << mon << all << true;
        QTest::newRow("face flag is not human") << "2"
                                                << "face" << at10 << mon << all << false;
        QTest::newRow("code 3") << "3"
                                << "noise" << at10 << mon << all << false;
        QTest::newRow("code 4") << "4"
                                << "noise" << at10 << mon << all << false;
        QTest::newRow("code 261") << "261"
                                  << "noise" << at10 << mon << all << false;
        QTest::newRow("code -1") << "-1"
                                 << "motion" << at10 << mon << all << false;
        QTest::newRow("missing type is motion") << ""
                                                << "motion" << at10 << mon << all << true;
        QTest::newRow("month 13") << "0"
                                  << "motion"
                                  << "2026-13-07 10:00:00" << mon << all << false;
    }

    void keepsEnabledTypesInsideArmingTime()
    {
        QFETCH(QString, type);
        QFETCH(QString, flag);
        QFETCH(QString, moment);
        QFETCH(QString, week);
        QFETCH(QString, dayFlags);
        QFETCH(bool, kept);
        cms_DealAlarmType types;
        types.bMotionDetection = flag == "motion";
        types.bFaceDetection = flag == "face";
        types.bHumanDetection = flag == "human";
        types.bAudioNoise = flag == "noise";
        cms_DealAlarmTime arming;
        setWeek(arming, week, dayFlags);

        const CustomAlarmInfo r = DeviceAlarmHandler::parseAlarmXml("<body>" + alarmBody(type, moment) + "</body>");
        QCOMPARE(r.alarmType, type.toInt());
        QCOMPARE(r.alarmTime, QDateTime::fromString(moment, "yyyy-MM-dd hh:mm:ss").toString("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(DeviceAlarmHandler::isAlarmTypeEnabled(&types, r.alarmType)
                     && DeviceAlarmHandler::isInArmingTime(&arming, r.alarmTime),
                 kept);
    }

    // Settings found by address, also those an older database stored under
    // the device's name (taken over at start); a settings broadcast changes
    // the next outcome; closing ends the linkages.
    void alarmsFromDevicesReachTheDatabase()
    {
        SimDevice gate, yard;
        QVERIFY(gate.listen(QHostAddress(QStringLiteral("127.19.0.1"))));
        QVERIFY(yard.listen(QHostAddress(QStringLiteral("127.19.0.2"))));
        FUN_DEV_INFO records[2];
        const char *keys[2] = {"127.19.0.1", "yard.cam"};
        QSharedPointer<cms_DealAlarmType> types[2];
        for (int i = 0; i < 2; ++i) {
            records[i].ip = QStringLiteral("127.19.0.%1").arg(i + 1);
            records[i].devPort = (i ? yard : gate).port();
            records[i].sn = QStringLiteral("SN-%1").arg(i);
            records[i].name = i ? QStringLiteral("yard.cam") : QStringLiteral("Gate");
            types[i] = QSharedPointer<cms_DealAlarmType>::create();
            types[i]->devip = QLatin1String(keys[i]);
            types[i]->bMotionDetection = true;
            QVERIFY(orm::dao::insert(types[i]).text().isEmpty());
            cms_DealAlarmTime arming;
            arming.devip = QLatin1String(keys[i]);
            setWeek(arming, QString(7, '|').replace("|", "00:00:00-23:59:59|"), "1111111");
            QVERIFY(orm::dao::insert(arming).text().isEmpty());
        }
        OrmHelper::AddDevs({&records[0], &records[1]});
        // A pop-up far longer than the test: closing the window must end it.
        cms_DealAlarmLink popup;
        popup.devip = QStringLiteral("127.19.0.1");
        popup.bVideoPopup = true;
        popup.popupTime = QStringLiteral("600");
        QVERIFY(orm::dao::insert(popup).text().isEmpty());

        MainWindow window;
        window.setRights(DEFAULT_RIGHTS);
        auto online = [](const char *ip) {
            FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(QLatin1String(ip));
            return dev && dev->loginStatus == 1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(online("127.19.0.1") && online("127.19.0.2"), 15000);

        // On one connection order holds: the rejected code 3 comes first.
        gate.pushAlarm(alarmBody("3", "2026-12-07 10:00:00"));
        gate.pushAlarm(alarmBody("0", "2026-12-07 10:00:01"));
        yard.pushAlarm(alarmBody("0", "2026-12-07 10:00:02"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 2, 15000);
        QMap<QString, QSharedPointer<CustomAlarmInfo>> byTime;
        for (const auto &row : storedAlarms())
            byTime.insert(row->alarmTime, row);
        QCOMPARE(byTime.keys(), QStringList({"2026-12-07 10:00:01", "2026-12-07 10:00:02"}));
        const CustomAlarmInfo &first = *byTime.first();
        QCOMPARE(QVariantList({first.alarmType, first.devName, first.handler, first.status}),
                 QVariantList({0, "Gate", "SN-0", 0}));
        QCOMPARE(byTime.last()->devName, QStringLiteral("yard.cam"));
        QCOMPARE(window.alarmHandler()->runningLinkages(), 1);

        // Motion off, face on: saved but not yet broadcast, the cached
        // settings still hold; after the broadcast motion is rejected.
        types[0]->bMotionDetection = false;
        types[0]->bFaceDetection = true;
        QVERIFY(orm::dao::save(types[0]).text().isEmpty());
        gate.pushAlarm(alarmBody("0", "2026-12-07 11:00:00"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 3, 15000);
        emit SignalsHelper::instance()->signalUpdateAlarm();
        gate.pushAlarm(alarmBody("0", "2026-12-07 11:00:01"));
        gate.pushAlarm(alarmBody("1", "2026-12-07 11:00:02"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 4, 15000);
        QCOMPARE(storedAlarms().last()->alarmTime, QStringLiteral("2026-12-07 11:00:02"));

        window.closeApp();
        QCOMPARE(window.alarmHandler()->runningLinkages(), 0);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != QLatin1String("AlarmPopup") || !w->isVisible());
    }

    // The operator closes the client while another program holds the
    // database, with alarms taken, a device renamed and recording stopped,
    // all waiting for it. The window answers while the close waits and its
    // words say what waits; held through the close, the close still ends
    // (the holder holding), nothing of it is stored, each thing is counted
    // in the log by kind and the changes are said on screen, and the Stop
    // it gave up starts no recording. Let go while the close waits, all of
    // it is stored and nothing is said lost. Every change not stored is
    // named, also one that fails while the close waits, and the device list
    // shows the name stored. Flooded past the room alarms wait in, and still
    // sending while the client closes, each alarm the camera wrote is stored
    // or said lost.
    void closeUnderAHeldDatabase_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("letGo");
        QTest::addColumn<QString>("also"); // "fails": the rename fails in the close; "flood"
        QTest::newRow("held through the close") << "127.19.4.1" << false << "";
        QTest::newRow("let go while the close waits") << "127.19.4.2" << true << "";
        QTest::newRow("a change fails while the close waits") << "127.19.4.3" << false << "fails";
        QTest::newRow("flooded, still sending as it closes") << "127.19.4.4" << false << "flood";
    }

    void closeUnderAHeldDatabase()
    {
        QFETCH(QString, ip);
        QFETCH(bool, letGo);
        QFETCH(QString, also);
        // Past the writer's room: some are lost before the close.
        const int Alarms = also == "flood" ? int(AlarmRecordWriter::Capacity + AlarmRecordWriter::BatchSize) + 100 : 5;
        const QString sn = QStringLiteral("SN-") + ip;
        SimDevice cam;
        cam.setUid(sn); // as stored: no serial number write of its own
        QVERIFY(cam.listen(QHostAddress(ip)));
        FUN_DEV_INFO record;
        record.ip = ip;
        record.devPort = cam.port();
        record.sn = sn;
        record.name = QStringLiteral("Porch");
        QVERIFY(armAllDay(ip));
        OrmHelper::AddDevs({&record});
        QTemporaryDir storage;
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.iTurnOn = 1;
        plan.szStoragePath = storage.path();
        for (int i = 0; i < 7; ++i)
            plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
        plan.devices.append({sn, ip, 0, 0, 0});
        QVERIFY(RecordSchedule::storePlan(plan));
        // Room on the disk, whatever the machine has.
        Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
        const auto resetPlan = qScopeGuard([] {
            RecordSchedule::storePlan(RECORD_PLAN_INFO{});
            Platform::setFreeSpaceProbe(nullptr);
        });

        static QStringList logged;
        logged.clear();
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext &c, const QString &m) {
            logged << m;
            previous(t, c, m);
        });
        const auto restoreLog = qScopeGuard([] { qInstallMessageHandler(previous); });

        DevicePagesTest::closeToasts();
        MainWindow window;
        window.setRights(DEFAULT_RIGHTS);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RecordSchedule *schedule = window.schedulePage();
        QTRY_VERIFY_WITH_TIMEOUT(schedule->isRecording(), 15000);
        // Its folder taken (and marked) before the hold: the recorder tries its stream.
        QTRY_VERIFY_WITH_TIMEOUT(schedule->deviceState(0) == RecordScheduleThread::Starting
                                     || schedule->deviceState(0) == RecordScheduleThread::Retrying,
                                 15000);
        QTRY_VERIFY_WITH_TIMEOUT(DeviceInfoManager::instance()->findDevInfo(ip)
                                     && DeviceInfoManager::instance()->findDevInfo(ip)->loginStatus == 1,
                                 15000);
        QTRY_VERIFY(window.alarmHandler()->settingsRead());

        auto hold = std::make_unique<HeldDatabase>();
        QVERIFY(hold->isHeld());
        // The operator renames the camera ...
        window.showPage(MainWindow::DeviceManagement);
        DeviceManageWidget *devices = window.devicePage();
        auto *view = DevicePagesTest::child<QTableView>(devices, "m_AddDevTableView");
        QWidget *manage =
            view->indexWidget(devices->model()->index(devices->getRowIndexByIp(ip), DeviceManageWidget::ColOperation));
        QVERIFY(manage);
        DevicePagesTest::onModal<EditClientDevDlg>([](EditClientDevDlg *d) {
            DevicePagesTest::child<QLineEdit>(d, "m_DevNamelineEdit")->setText(QStringLiteral("Garden"));
            QTest::mouseClick(DevicePagesTest::child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(DevicePagesTest::child<QPushButton>(manage, "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY(window.deviceController()->rowWrites().isWaiting());
        // ... stops recording ...
        window.showPage(MainWindow::StorageSchedule);
        QTest::mouseClick(DevicePagesTest::child<QPushButton>(schedule, "m_btnOn"), Qt::LeftButton);
        QTRY_VERIFY(DevicePagesTest::child<QLabel>(schedule, "m_lblWaiting")->isVisible());
        // ... and the camera sends alarms.
        for (int i = 0; i < Alarms; ++i)
            cam.pushAlarm(alarmBody("0", QStringLiteral("2026-12-07 10:00:%1").arg(i % 60, 2, 10, QLatin1Char('0'))));
        AlarmRecordWriter *writer = window.alarmHandler()->recordWriter();
        QTRY_VERIFY_WITH_TIMEOUT(window.alarmHandler()->pendingAlarms() == 0
                                     && window.alarmHandler()->alarmsWaiting() + writer->failedRows() == Alarms,
                                 Generous);
        // Written as the operator closes: in the client's connection, not read yet.
        for (int i = 0; i < 3; ++i)
            cam.pushAlarm(alarmBody("0", QStringLiteral("2026-12-07 11:00:0%1").arg(i)));
        const int sent = Alarms + 3;

        // What the window says while it closes, in the order it says it.
        QStringList shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            for (const QString &text : DevicePagesTest::toastTexts()) {
                if (text.startsWith(QLatin1String("Closing")) || text.startsWith(QLatin1String("Not saved"))) {
                    if (!shown.contains(text))
                        shown << text;
                }
            }
            if (letGo && !shown.isEmpty())
                hold->letGo();
            if (also == "fails" && !shown.isEmpty())
                OrmDatabase::setFailingStatementForTesting(QStringLiteral("CMS_Organization"));
        });
        watch.start(20);
        window.closeApp();
        watch.stop();
        OrmDatabase::setFailingStatementForTesting(QString());
        // Ended by itself: the holder let go only when told.
        QCOMPARE(hold->isHeld(), !letGo);
        hold.reset();

        const QStringList changes{QStringLiteral("device Garden (%1)").arg(ip), QStringLiteral("the storage schedule")};
        const QString waited = MainWindow::closingText(sent, changes);
        const QString notSaved = MainWindow::notSavedAtCloseText(sent, changes);
        QVERIFY2(!shown.isEmpty() && (also == "flood" || shown.first() == waited), qPrintable(shown.join(" | ")));
        QCOMPARE(shown.contains(notSaved), !letGo);
        const QString lines = logged.join(QLatin1Char('\n'));
        QVERIFY2(
            also == "flood"
                || lines.contains(QStringLiteral("Closing: %1 alarms and 2 changes wait for the database").arg(sent)),
            qPrintable(lines));
        const QStringList summary = logged.filter(QStringLiteral("Not stored at close:"));
        if (letGo) {
            QCOMPARE(summary, QStringList());
        } else {
            QCOMPARE(summary.size(), 1);
            QVERIFY2(
                summary.first().startsWith(QStringLiteral("Not stored at close: %1 alarms; 2 changes: ").arg(sent)),
                qPrintable(summary.first()));
            QVERIFY(summary.first().contains(QStringLiteral("change ") + ip));
            QVERIFY(summary.first().contains(QStringLiteral("record strategy")));
            // Each alarm the camera wrote: none stored, every one said, its
            // device's apart, those lost before the close among them.
            const QStringList byDevice = logged.filter(QStringLiteral("Alarms not stored, "));
            QCOMPARE(byDevice.size(), 1);
            QVERIFY2(byDevice.first().endsWith(QStringLiteral("by device: Garden (%1): %2").arg(sn).arg(sent))
                         && byDevice.first().contains(also == "flood" ? QRegularExpression(", [1-9][0-9]* of them")
                                                                      : QRegularExpression(", 0 of them")),
                     qPrintable(byDevice.first()));
            QCOMPARE(logged.filter(QStringLiteral("Said at close: ") + notSaved).size(), 1);
        }
        // Nothing started during the close.
        QVERIFY(!schedule->isRecording());

        // The database holds exactly what the close said it stored.
        long alarms = -1;
        QCOMPARE(
            orm::dao::count<CustomAlarmInfo>(alarms, OrmQuery(QStringLiteral("WHERE handler = :sn")).bind(":sn", sn))
                .text(),
            QString());
        QCOMPARE(alarms, letGo ? long(sent) : 0L);
        QString name;
        for (const auto &row : storedDevices()) {
            if (row->DevIP == ip)
                name = row->DevName;
        }
        QCOMPARE(name, letGo ? QStringLiteral("Garden") : QStringLiteral("Porch"));
        // The list behind the close's words shows the name stored.
        QCOMPARE(devices->model()->index(devices->getRowIndexByIp(ip), DeviceManageWidget::ColName).data().toString(),
                 name);
        RECORD_PLAN_INFO stored;
        QVERIFY(RecordSchedule::loadPlan(stored));
        QCOMPARE(int(stored.iTurnOn), letGo ? 0 : 1);
        DevicePagesTest::closeToasts();
    }

    // A device floods the client: the table stays at its bound, the oldest
    // rows go first, each cleanup says so once in the log, and the record
    // browser keeps answering meanwhile.
    void floodKeepsTheTableAtItsBound()
    {
        constexpr int Limit = 1000;
        constexpr int Flood = 3000;
        constexpr int Older = 300;
        for (int i = 0; i < Older; ++i) {
            CustomAlarmInfo old;
            old.devName = QStringLiteral("older");
            old.alarmTime = QStringLiteral("2020-01-01 00:00:00");
            QVERIFY(orm::dao::insert(old).text().isEmpty());
        }
        const auto value = [](const char *sql) {
            OrmResult r;
            orm::dao::execute_query(OrmQuery(QLatin1String(sql)), &r);
            return r.rows.isEmpty() ? -1 : r.rows.first().value(0).toLongLong();
        };
        const qint64 lastBefore = value("SELECT MAX(id) FROM CustomAlarmInfo");
        const qint64 rowsBefore = value("SELECT COUNT(*) FROM CustomAlarmInfo");

        qputenv("KELVO_SIM_ALARMS", QByteArray::number(Flood) + ":0");
        SimDevice cam;
        qunsetenv("KELVO_SIM_ALARMS");
        QVERIFY(cam.listen(QHostAddress(QStringLiteral("127.19.0.9"))));
        FUN_DEV_INFO record;
        record.ip = QStringLiteral("127.19.0.9");
        record.devPort = cam.port();
        record.sn = QStringLiteral("SN-FLOOD");
        record.name = QStringLiteral("Flood");
        QVERIFY(armAllDay(record.ip));
        OrmHelper::AddDevs({&record});

        static QAtomicInt cleanupLines;
        cleanupLines = 0;
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext &c, const QString &m) {
            if (m.startsWith(QLatin1String("Alarm records above the limit")))
                cleanupLines.ref();
            previous(t, c, m);
        });

        MainWindow window;
        window.alarmHandler()->setRowLimit(Limit);
        // The browser's own queries, on the GUI thread, while rows come and go.
        const OrmQuery all = AlarmRecordStore::condition(AlarmRecordStore::Filter{});
        QStringList browserErrors;
        int browsed = 0;
        QTimer browse;
        browse.setInterval(5);
        connect(&browse, &QTimer::timeout, this, [&] {
            QString error;
            if (AlarmRecordStore::count(all, &error) < 0 || !error.isEmpty())
                browserErrors << error;
            AlarmRecordStore::fetchPage(all, 0, 30, &error);
            if (!error.isEmpty())
                browserErrors << error;
            ++browsed;
        });
        browse.start();
        window.setRights(DEFAULT_RIGHTS);
        QTRY_VERIFY_WITH_TIMEOUT(value("SELECT MAX(id) FROM CustomAlarmInfo") == lastBefore + Flood
                                     && value("SELECT COUNT(*) FROM CustomAlarmInfo") <= Limit,
                                 120000);
        browse.stop();
        qInstallMessageHandler(previous);

        const qint64 kept = value("SELECT COUNT(*) FROM CustomAlarmInfo");
        QVERIFY2(kept >= AlarmRecordWriter::cleanupTarget(Limit), qPrintable(QString::number(kept)));
        // The newest rows, without a hole.
        QCOMPARE(value("SELECT MIN(id) FROM CustomAlarmInfo"), lastBefore + Flood - kept + 1);
        QCOMPARE(value("SELECT COUNT(*) FROM CustomAlarmInfo WHERE devName = 'older'"), qint64(0));
        AlarmRecordWriter *writer = window.alarmHandler()->recordWriter();
        QVERIFY(writer->cleanups() >= 2);
        QCOMPARE(qint64(cleanupLines.loadRelaxed()), writer->cleanups());
        QCOMPARE(writer->removedRows(), rowsBefore + Flood - kept);
        QVERIFY(browsed > 0);
        QCOMPARE(browserErrors, QStringList());
        window.closeApp();
    }

    // Alarms that cannot be stored are said to the operator once per outage,
    // not once per alarm; stored again, the next outage is said again. A
    // database that cannot be written at all is said at start, once.
    void lostAlarmsAreSaidOncePerOutage_data()
    {
        QTest::addColumn<QString>("failure"); // "full", "statement", "read-only at start", "damaged"
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("room"); // bytes left on the full disk
        const QString full = DeviceAlarmHandler::notStoredText(AlarmRecordWriter::DiskFull);
        QTest::newRow("full disk") << "full" << full << 0;
        // Some alarms still fit: those stored are not counted lost.
        QTest::newRow("nearly full disk, 32 KiB") << "full" << full << (32 << 10);
        QTest::newRow("nearly full disk, 48 KiB") << "full" << full << (48 << 10);
        QTest::newRow("nearly full disk, 100 KiB") << "full" << full << 100000;
        QTest::newRow("failing statement")
            << "statement" << DeviceAlarmHandler::notStoredText(AlarmRecordWriter::NotWritable) << 0;
        QTest::newRow("read-only at start") << "read-only at start" << DeviceAlarmHandler::readOnlyDatabaseText() << 0;
        QTest::newRow("database moved away")
            << "moved" << DeviceAlarmHandler::notStoredText(AlarmRecordWriter::Missing) << 0;
        // Said at start as well, as the record browser says it.
        QTest::newRow("record pages damaged")
            << "damaged" << DeviceAlarmHandler::notStoredText(AlarmRecordWriter::Damaged) << 0;
    }

    void lostAlarmsAreSaidOncePerOutage()
    {
        QFETCH(QString, failure);
        QFETCH(QString, said);
        QFETCH(int, room);
        const QString previousDb = OrmDatabase::databaseName();
        SmallFs fs(QDir::current().filePath(QStringLiteral("small-%1").arg(QTest::currentDataTag()).replace(' ', '-')),
                   2 << 20);
        const bool onFs = failure == QLatin1String("full") || failure == QLatin1String("read-only at start");
        if (onFs && !fs.mounted())
            QSKIP("no file system of the test's own on this machine");
        const QString file =
            onFs ? fs.path(QStringLiteral("Kelvo.sqlite")) : QDir::current().filePath(QStringLiteral("outage.sqlite"));
        QFile::remove(file);
        QFile::remove(file + QStringLiteral(".away"));
        OrmHelper::resetForTesting();
        OrmDatabase::setDatabaseName(file);
        QVERIFY(OrmHelper::instance()->init());
        FUN_DEV_INFO dev;
        dev.ip = QStringLiteral("127.19.1.1");
        dev.name = QStringLiteral("Dock");
        dev.sn = QStringLiteral("SN-DOCK");
        QVERIFY(armAllDay(dev.ip));

        const bool damaged = failure == QLatin1String("damaged");
        if (damaged) {
            for (int i = 0; i < 17; ++i) {
                CustomAlarmInfo r;
                r.devName = QStringLiteral("Dock");
                r.alarmTime = QStringLiteral("2026-02-01 08:00:00");
                r.alarmContent = QStringLiteral("RECORD-PAGE-MARK");
                QVERIFY(orm::dao::insert(r).text().isEmpty());
            }
            OrmHelper::resetForTesting();
            QVERIFY(damagePagesHolding(file, "RECORD-PAGE-MARK") > 0);
            QVERIFY(OrmHelper::instance()->init());
        }
        const bool atStart = failure == QLatin1String("read-only at start");
        if (atStart) {
            OrmHelper::resetForTesting();
            QVERIFY(fs.setReadOnly(true));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Database opened read-only")));
            QVERIFY(OrmHelper::instance()->init());
        }
        DevicePagesTest::closeToasts();
        auto handler = std::make_unique<DeviceAlarmHandler>();
        AlarmRecordWriter *writer = handler->recordWriter();
        std::atomic<qint64> clock{0};
        writer->setClockForTesting([&clock] { return clock.load(); });
        handler->updateAlarmDataBase();
        int second = 0;
        const auto push = [&](int alarms) {
            for (int i = 0; i < alarms; ++i, ++second)
                handler->handleDeviceAlarm(
                    "<body>" + alarmBody("0", QTime(0, 0).addSecs(second).toString("2026-12-07 hh:mm:ss")) + "</body>",
                    &dev);
        };
        const auto fail = [&] {
            if (failure == QLatin1String("full"))
                return fillDisk(fs.path(QStringLiteral("filler")), room);
            if (failure == QLatin1String("moved"))
                return QFile::rename(file, file + QStringLiteral(".away"));
            OrmDatabase::setFailingStatementForTesting(QStringLiteral("INSERT INTO CustomAlarmInfo"));
            return true;
        };
        const auto mend = [&] {
            if (failure == QLatin1String("full"))
                return QFile::remove(fs.path(QStringLiteral("filler")));
            if (failure == QLatin1String("moved"))
                return QFile::rename(file + QStringLiteral(".away"), file);
            if (atStart)
                return fs.setReadOnly(false);
            OrmDatabase::setFailingStatementForTesting(QString());
            return true;
        };
        const auto saidTimes = [&] { return DevicePagesTest::toastTexts().count(said); };

        if (damaged) {
            QTRY_COMPARE_WITH_TIMEOUT(DevicePagesTest::toastTexts().count(AlarmInfoWidget::damagedText()), 1, Generous);
            push(300);
            QTRY_COMPARE_WITH_TIMEOUT(saidTimes(), 1, Generous);
            QTRY_VERIFY_WITH_TIMEOUT(handler->pendingAlarms() == 0 && writer->queued() == 0, Generous);
            QCoreApplication::processEvents();
            QStringList texts = DevicePagesTest::toastTexts();
            texts.sort();
            QCOMPARE(texts, QStringList({said, AlarmInfoWidget::damagedText()}));
            handler.reset();
            DevicePagesTest::closeToasts();
            OrmHelper::resetForTesting();
            OrmDatabase::setDatabaseName(previousDb);
            QVERIFY(OrmHelper::instance()->init());
            return;
        }

        if (atStart) {
            QTRY_COMPARE_WITH_TIMEOUT(saidTimes(), 1, Generous);
            push(300);
            QTRY_COMPARE_WITH_TIMEOUT(writer->failedRows(), qint64(300), Generous);
            QCoreApplication::processEvents();
            QCOMPARE(DevicePagesTest::toastTexts(), QStringList{said});
            QVERIFY(mend());
            handler.reset();
            OrmHelper::resetForTesting();
            OrmDatabase::setDatabaseName(previousDb);
            QVERIFY(OrmHelper::instance()->init());
            return;
        }

        push(20);
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 20, Generous);
        QCOMPARE(DevicePagesTest::toastTexts(), QStringList());
        QStringList over; // the words that each outage is over
        for (int outage = 1; outage <= 2; ++outage) {
            const qint64 failedBefore = writer->failedRows();
            const int storedBefore = storedAlarms().size();
            QVERIFY(fail());
            // Many batches of lost alarms, one word.
            for (int burst = 0; burst < 5; ++burst) {
                push(200);
                QTRY_VERIFY_WITH_TIMEOUT(writer->queued() == 0, Generous);
            }
            QTRY_VERIFY_WITH_TIMEOUT(handler->pendingAlarms() == 0 && writer->queued() == 0, Generous);
            // Lost is what the database does not hold.
            const int lost = 1000 - (storedAlarms().size() - storedBefore);
            QVERIFY(lost > 0);
            if (room == 0)
                QCOMPARE(lost, 1000);
            QTRY_COMPARE_WITH_TIMEOUT(writer->failedRows(), failedBefore + lost, Generous);
            QTRY_COMPARE_WITH_TIMEOUT(saidTimes(), outage, Generous);
            QCoreApplication::processEvents();
            QCOMPARE(saidTimes(), outage);
            QVERIFY(mend());
            const int before = storedAlarms().size();
            push(10);
            QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), before + 10, Generous);
            QVERIFY(writer->inOutage());
            // Over once alarms have been stored without a loss for a while.
            clock += AlarmRecordWriter::QuietMs;
            push(10);
            QTRY_VERIFY_WITH_TIMEOUT(!writer->inOutage(), Generous);
            over << DeviceAlarmHandler::storedAgainText(lost);
            for (const QString &text : qAsConst(over))
                QTRY_COMPARE_WITH_TIMEOUT(DevicePagesTest::toastTexts().count(text), over.count(text), Generous);
        }
        QCOMPARE(DevicePagesTest::toastTexts().count(), 4);
        handler.reset();
        DevicePagesTest::closeToasts();
        OrmHelper::resetForTesting();
        OrmDatabase::setDatabaseName(previousDb);
        QVERIFY(OrmHelper::instance()->init());
    }

    // A flood the database cannot keep up with loses alarms in every spell
    // while batches are still stored between the losses: one outage, said
    // when it begins and, with the alarms lost, when it is over. A flood
    // that fills the queue behind a database another program holds is lost
    // to the hold, and said so.
    void sustainedOverloadIsSaidOnce_data()
    {
        QTest::addColumn<bool>("coalescing");
        QTest::addColumn<int>("spells");
        QTest::addColumn<bool>("more"); // alarms come after the quiet while; else it ends by itself
        QTest::addColumn<bool>("held"); // the database held, not the writer
        QTest::newRow("one at a time, three spells") << false << 3 << true << false;
        QTest::newRow("coalesced, two spells") << true << 2 << true << false;
        QTest::newRow("flood stops, nothing more comes") << true << 1 << false << false;
        QTest::newRow("held database, two spells") << true << 2 << true << true;
    }

    void sustainedOverloadIsSaidOnce()
    {
        QFETCH(bool, coalescing);
        QFETCH(int, spells);
        QFETCH(bool, more);
        QFETCH(bool, held);
        constexpr int Over = 50;
        OrmDatabase::exec(QStringLiteral("DELETE FROM CustomAlarmInfo"), {}, {});
        FUN_DEV_INFO dev;
        dev.ip = QStringLiteral("127.19.3.1");
        dev.name = QStringLiteral("Busy");
        QVERIFY(armAllDay(dev.ip));
        DevicePagesTest::closeToasts();
        DeviceAlarmHandler handler;
        AlarmRecordWriter *writer = handler.recordWriter();
        std::atomic<qint64> clock{0};
        writer->setClockForTesting([&clock] { return clock.load(); });
        handler.updateAlarmDataBase();
        handler.setCoalescing(coalescing);
        int second = 0;
        const auto push = [&](int alarms) {
            for (int i = 0; i < alarms; ++i, ++second)
                handler.handleDeviceAlarm(
                    "<body>"
                        + alarmBody(
                            "0",
                            QDateTime(QDate(2026, 12, 7), QTime(0, 0)).addSecs(second).toString("yyyy-MM-dd hh:mm:ss"))
                        + "</body>",
                    &dev);
        };
        const auto stored = [] {
            long n = -1;
            orm::dao::count<CustomAlarmInfo>(n);
            return int(n);
        };
        const QString began =
            DeviceAlarmHandler::notStoredText(held ? AlarmRecordWriter::Held : AlarmRecordWriter::TooMany);
        // Held, the first alarm of a spell waits in the writer's hands: the queue's room is the flood's.
        const int kept = int(AlarmRecordWriter::Capacity) + (held ? 1 : 0);
        const QString over = DeviceAlarmHandler::storedAgainText(qint64(Over) * spells);
        // Toasts fade after a while: each word is counted as it is said.
        int saidBegun = 0, saidOver = 0;
        QObject counting; // its calls go with it, also when a row fails early
        connect(
            writer, &AlarmRecordWriter::storeFailed, &counting, [&] { ++saidBegun; }, Qt::QueuedConnection);
        connect(
            writer, &AlarmRecordWriter::storeRecovered, &counting, [&] { ++saidOver; }, Qt::QueuedConnection);
        QStringList saidPerSpell;
        for (int spell = 1; spell <= spells; ++spell) {
            // The disk stalls, or another program holds the database: the
            // queue fills and the rest is dropped ...
            std::unique_ptr<HeldDatabase> hold;
            if (held) {
                hold = std::make_unique<HeldDatabase>();
                QVERIFY(hold->isHeld());
                push(1);
                QTRY_VERIFY(writer->waitsForDatabase());
            } else {
                writer->holdForTesting(true);
            }
            push(int(AlarmRecordWriter::Capacity) + Over);
            QTRY_COMPARE_WITH_TIMEOUT(handler.pendingAlarms(), 0, Generous);
            QTRY_COMPARE_WITH_TIMEOUT(writer->failedRows(), qint64(Over) * spell, Generous);
            if (spell == 1)
                QTRY_VERIFY_WITH_TIMEOUT(DevicePagesTest::toastTexts().contains(began), Generous);
            // ... then catches up, a second of the flood later.
            writer->holdForTesting(false);
            hold.reset();
            QTRY_COMPARE_WITH_TIMEOUT(stored(), kept * spell, 60000);
            QTRY_COMPARE_WITH_TIMEOUT(writer->queued(), size_t(0), Generous);
            clock += 1000;
            QCoreApplication::processEvents();
            saidPerSpell << QStringLiteral("%1 %2").arg(saidBegun).arg(saidOver);
        }
        QCOMPARE(saidPerSpell, QVector<QString>(spells, QStringLiteral("1 0")).toList());
        QVERIFY(writer->inOutage());

        clock += AlarmRecordWriter::QuietMs;
        if (more)
            push(10);
        QTRY_COMPARE_WITH_TIMEOUT(DevicePagesTest::toastTexts().count(over), 1, Generous);
        QVERIFY(!writer->inOutage());
        // The outage ends with the first batch stored after the quiet while;
        // one at a time, the rest of the ten may still be on its way.
        QTRY_COMPARE_WITH_TIMEOUT(stored(), kept * spells + (more ? 10 : 0), Generous);
        QCoreApplication::processEvents();
        QCOMPARE(QStringLiteral("%1 %2").arg(saidBegun).arg(saidOver), QStringLiteral("1 1"));
        DevicePagesTest::closeToasts();
    }

    // A burst is handled in slices after it came: every alarm is stored, in
    // the order it came, also when the client closes before the slices ran;
    // beyond the bound of waiting alarms the rest is dropped and said once.
    // Closed while another program holds the database, the close ends by its
    // deadline with the holder still holding, and every alarm it could not
    // store is counted, in one line of the log.
    void burstIsStoredInOrder_data()
    {
        QTest::addColumn<int>("alarms");
        QTest::addColumn<bool>("closeAtOnce");
        QTest::addColumn<int>("lost");
        QTest::addColumn<QString>("held"); // another program holds the database: "mid burst", "through the close"
        QTest::newRow("handled by the event loop") << 3000 << false << 0 << "";
        QTest::newRow("closed with alarms waiting") << 3000 << true << 0 << "";
        QTest::newRow("more than may wait") << DeviceAlarmHandler::MaxPending + 150 << true << 150 << "";
        QTest::newRow("across a database hold") << 3000 << false << 0 << "mid burst";
        QTest::newRow("closed while the database is held") << 3000 << true << 3000 << "through the close";
    }

    void burstIsStoredInOrder()
    {
        QFETCH(int, alarms);
        QFETCH(bool, closeAtOnce);
        QFETCH(int, lost);
        QFETCH(QString, held);
        OrmDatabase::exec(QStringLiteral("DELETE FROM CustomAlarmInfo"), {}, {});
        FUN_DEV_INFO dev;
        dev.ip = QStringLiteral("127.19.2.1");
        dev.name = QStringLiteral("Burst");
        QVERIFY(armAllDay(dev.ip));
        DevicePagesTest::closeToasts();
        DeviceAlarmHandler handler;
        handler.updateAlarmDataBase();
        const auto stored = [] {
            long n = -1;
            orm::dao::count<CustomAlarmInfo>(n);
            return int(n);
        };
        const auto push = [&](int from, int to) {
            for (int i = from; i < to; ++i)
                handler.handleDeviceAlarm(
                    "<body>"
                        + alarmBody(
                            "0", QDateTime(QDate(2026, 12, 7), QTime(0, 0)).addSecs(i).toString("yyyy-MM-dd hh:mm:ss"))
                        + "</body>",
                    &dev);
        };
        if (held == QLatin1String("through the close")) {
            QTRY_VERIFY(handler.settingsRead());
            HeldDatabase hold;
            QVERIFY(hold.isHeld());
            push(0, alarms);
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("%1 alarms not stored at close: the database is in use by "
                                                           "another program")
                                                .arg(alarms)));
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("Alarms not stored at close: %1").arg(alarms)));
            handler.shutdown();
            // Ended with the database still held: nothing stored, each alarm counted.
            QVERIFY(hold.isHeld());
            QCOMPARE(handler.recordWriter()->lostAtClose(), qint64(alarms));
        } else if (!held.isEmpty()) {
            push(0, alarms / 2);
            QTRY_VERIFY_WITH_TIMEOUT(stored() > 0, 30000);
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(OrmDatabase::databaseName());
            QVERIFY(holder.open());
            {
                QSqlQuery hold(holder);
                QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
                push(alarms / 2, alarms);
                // Held until a batch met the held database and waited through
                // a whole busy timeout, then its next try met it again: the
                // batch that met it is the one that must not be lost.
                QTRY_VERIFY_WITH_TIMEOUT(handler.recordWriter()->busyTries() >= 2, 120000);
                QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
            }
            holder.close();
            holder = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        } else {
            push(0, alarms);
            QCOMPARE(handler.pendingAlarms(), qMin(alarms, int(DeviceAlarmHandler::MaxPending)));
        }
        if (closeAtOnce && held.isEmpty()) {
            // The close's deadline is not what these rows are about: a busy
            // machine may take longer than it to store this many, so it is
            // lifted here (the held rows keep it).
            handler.beginClose(QDeadlineTimer(10 * 60 * 1000));
            handler.endClose();
        } else if (closeAtOnce) {
            handler.shutdown();
        }
        QTRY_COMPARE_WITH_TIMEOUT(stored(), alarms - lost, 60000);
        QCOMPARE(handler.recordWriter()->failedRows(), qint64(lost));
        QString previous;
        for (const auto &row : storedAlarms()) {
            QVERIFY2(row->alarmTime > previous, qPrintable(row->alarmTime));
            previous = row->alarmTime;
        }
        // Dropped for room, said once; a close's loss is the close's to say.
        const bool said = lost > 0 && held.isEmpty();
        const QString tooMany = DeviceAlarmHandler::notStoredText(AlarmRecordWriter::TooMany);
        QCOMPARE(DevicePagesTest::toastTexts().count(tooMany), said ? 1 : 0);
        QCOMPARE(DevicePagesTest::toastTexts().count(), said ? 1 : 0);
        DevicePagesTest::closeToasts();
    }
};

QTEST_MAIN(TestAlarmHandler)
#include "tst_alarmhandler.moc"
