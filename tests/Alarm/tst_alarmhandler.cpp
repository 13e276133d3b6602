// Alarm reception: which events are kept (type, weekday, arming ranges), and
// the whole road from a simulated device's alarm through the main window into
// the database file, with settings found by address or by name and reloaded
// on the settings broadcast.

#include "DeviceAlarmHandler.h"
#include "DeviceInfoManager.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QtTest>

#include <memory>

namespace {

// The body of an alarm event; an empty type leaves the element out.
QString alarmBody(const QString &type, const QString &moment)
{
    const QStringList v = moment.split(QRegularExpression(QStringLiteral("[- :]")));
    QString body = type.isEmpty() ? QString() : QStringLiteral("<alarmType>%1</alarmType>").arg(type);
    return body + QStringLiteral("<alarmTime><year>%1</year><month>%2</month><day>%3</day><hour>%4</hour>"
                                 "<minute>%5</minute><second>%6</second></alarmTime>")
                      .arg(v.value(0), v.value(1), v.value(2), v.value(3), v.value(4), v.value(5));
}

QString envelope(const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><PrivateProto><head><type>30000</type>"
                          "<cmd>35003</cmd><result>0</result></head><body>%1</body></PrivateProto>")
        .arg(body);
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

    // 2026-12-07 is a Monday, 12-05 a Saturday, 12-06 a Sunday.
    void keepsEnabledTypesInsideArmingTime_data()
    {
        QTest::addColumn<QString>("type");     // alarmType text, empty: element missing
        QTest::addColumn<QString>("flag");     // the one enabled type
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("day");      // the day given the ranges
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QString>("dayFlags"); // Monday .. Sunday
        QTest::addColumn<bool>("kept");

        const QString all = QStringLiteral("1111111");
        const QString morning = QStringLiteral("08:00:00-12:00:00");
        QTest::newRow("motion inside") << "0" << "motion" << "2026-12-07 10:00:00" << "Mon" << morning << all << true;
        QTest::newRow("start second") << "0" << "motion" << "2026-12-07 08:00:00" << "Mon" << morning << all << true;
        QTest::newRow("end second") << "0" << "motion" << "2026-12-07 12:00:00" << "Mon" << morning << all << true;
        QTest::newRow("after end") << "0" << "motion" << "2026-12-07 12:00:01" << "Mon" << morning << all << false;
        QTest::newRow("whole day") << "0" << "motion" << "2026-12-07 23:59:59" << "Mon" << "00:00:00-23:59:59" << all << true;
        QTest::newRow("empty day") << "0" << "motion" << "2026-12-07 10:00:00" << "Mon" << "" << all << false;
        QTest::newRow("broken parts skipped")
            << "0" << "motion" << "2026-12-07 10:00:00" << "Mon"
            << "10:00:00;08:00:00-09:00:00-11:00:00;09:30:00-10:30:00" << all << true;
        QTest::newRow("Sunday reads timeSun") << "0" << "motion" << "2026-12-06 10:00:00" << "Sun" << morning << all << true;
        QTest::newRow("Sunday not timeSat") << "0" << "motion" << "2026-12-06 10:00:00" << "Sat" << morning << all << false;
        QTest::newRow("Monday unchecked") << "0" << "motion" << "2026-12-07 10:00:00" << "Mon" << morning << "0111111" << false;
        QTest::newRow("All week unchecked") << "0" << "motion" << "2026-12-07 10:00:00" << "Mon" << morning << "0000000" << false;
        QTest::newRow("Saturday off, Saturday") << "0" << "motion" << "2026-12-05 10:00:00" << "Sat" << morning << "1111101" << false;
        QTest::newRow("Saturday off, Sunday") << "0" << "motion" << "2026-12-06 10:00:00" << "Sun" << morning << "1111101" << true;
        QTest::newRow("face") << "1" << "face" << "2026-12-07 10:00:00" << "Mon" << morning << all << true;
        QTest::newRow("human") << "2" << "human" << "2026-12-07 10:00:00" << "Mon" << morning << all << true;
        QTest::newRow("sound") << "5" << "noise" << "2026-12-07 10:00:00" << "Mon" << morning << all << true;
        QTest::newRow("face flag is not human") << "2" << "face" << "2026-12-07 10:00:00" << "Mon" << morning << all << false;
        QTest::newRow("code 3") << "3" << "noise" << "2026-12-07 10:00:00" << "Mon" << morning << all << false;
        QTest::newRow("code 4") << "4" << "noise" << "2026-12-07 10:00:00" << "Mon" << morning << all << false;
        QTest::newRow("code 261") << "261" << "noise" << "2026-12-07 10:00:00" << "Mon" << morning << all << false;
        QTest::newRow("code -1") << "-1" << "motion" << "2026-12-07 10:00:00" << "Mon" << morning << all << false;
        QTest::newRow("missing type is motion") << "" << "motion" << "2026-12-07 10:00:00" << "Mon" << morning << all << true;
        QTest::newRow("month 13") << "0" << "motion" << "2026-13-07 10:00:00" << "Mon" << morning << all << false;
    }

    void keepsEnabledTypesInsideArmingTime()
    {
        QFETCH(QString, type);
        QFETCH(QString, flag);
        QFETCH(QString, moment);
        QFETCH(QString, day);
        QFETCH(QString, ranges);
        QFETCH(QString, dayFlags);
        QFETCH(bool, kept);

        cms_DealAlarmType types;
        types.bMotionDetection = flag == QLatin1String("motion");
        types.bFaceDetection = flag == QLatin1String("face");
        types.bHumanDetection = flag == QLatin1String("human");
        types.bAudioNoise = flag == QLatin1String("noise");
        cms_DealAlarmTime arming;
        QString *texts[] = {&arming.timeMon, &arming.timeTue, &arming.timeWed, &arming.timeThu,
                            &arming.timeFri, &arming.timeSat, &arming.timeSun};
        bool *flags[] = {&arming.bMon, &arming.bTue, &arming.bWed, &arming.bThu,
                         &arming.bFri, &arming.bSat, &arming.bSun};
        const QStringList days {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
        for (int i = 0; i < 7; ++i)
            *flags[i] = dayFlags.at(i) == QLatin1Char('1');
        *texts[days.indexOf(day)] = ranges;

        const CustomAlarmInfo record = DeviceAlarmHandler::parseAlarmXml(envelope(alarmBody(type, moment)));
        QCOMPARE(record.alarmType, type.toInt());
        QCOMPARE(record.alarmTime, QDateTime::fromString(moment, "yyyy-MM-dd hh:mm:ss").toString("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(DeviceAlarmHandler::isAlarmTypeEnabled(&types, record.alarmType)
                     && DeviceAlarmHandler::isInArmingTime(&arming, record.alarmTime),
                 kept);
    }

    // Settings found by address and, for rows of older databases, by name;
    // a settings broadcast changes the next outcome.
    void alarmsFromDevicesReachTheDatabase()
    {
        SimDevice byIp, byName;
        QVERIFY(byIp.listen(QHostAddress(QStringLiteral("127.19.0.1"))));
        QVERIFY(byName.listen(QHostAddress(QStringLiteral("127.19.0.2"))));
        auto *gate = new FUN_DEV_INFO;
        gate->ip = QStringLiteral("127.19.0.1");
        gate->devPort = byIp.port();
        gate->sn = QStringLiteral("SN-GATE");
        gate->name = QStringLiteral("Gate");
        auto *yard = new FUN_DEV_INFO;
        yard->ip = QStringLiteral("127.19.0.2");
        yard->devPort = byName.port();
        yard->sn = QStringLiteral("SN-YARD");
        yard->name = QStringLiteral("yard.cam");
        OrmHelper::AddDevs({gate, yard});
        delete gate;
        delete yard;

        auto gateType = QSharedPointer<cms_DealAlarmType>::create();
        gateType->devip = QStringLiteral("127.19.0.1");
        gateType->bMotionDetection = true;
        auto yardType = QSharedPointer<cms_DealAlarmType>::create(*gateType);
        yardType->devip = QStringLiteral("yard.cam");
        for (const QString &key : {QStringLiteral("127.19.0.1"), QStringLiteral("yard.cam")}) {
            cms_DealAlarmTime arming;
            arming.devip = key;
            for (QString *t : {&arming.timeMon, &arming.timeTue, &arming.timeWed, &arming.timeThu, &arming.timeFri,
                               &arming.timeSat, &arming.timeSun})
                *t = QStringLiteral("00:00:00-23:59:59");
            arming.bMon = arming.bTue = arming.bWed = arming.bThu = arming.bFri = arming.bSat = arming.bSun = true;
            QVERIFY(orm::dao::insert(arming).text().isEmpty());
        }
        QVERIFY(orm::dao::insert(gateType).text().isEmpty());
        // A pop-up far longer than the test: closing the window must end it.
        cms_DealAlarmLink popup;
        popup.devip = QStringLiteral("127.19.0.1");
        popup.bVideoPopup = true;
        popup.popupTime = QStringLiteral("600");
        QVERIFY(orm::dao::insert(popup).text().isEmpty());
        QVERIFY(orm::dao::insert(yardType).text().isEmpty());

        MainWindow window;
        window.setRights(DEFAULT_RIGHTS);
        QTRY_VERIFY_WITH_TIMEOUT(byIp.connectionCount() == 1 && byName.connectionCount() == 1, 15000);
        auto online = [](const char *ip) {
            FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(QLatin1String(ip));
            return dev && dev->loginStatus == 1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(online("127.19.0.1") && online("127.19.0.2"), 15000);

        // On one connection order holds: the rejected code 3 comes first.
        byIp.pushAlarm(alarmBody("3", "2026-12-07 10:00:00"));
        byIp.pushAlarm(alarmBody("0", "2026-12-07 10:00:01"));
        byName.pushAlarm(alarmBody("0", "2026-12-07 10:00:02"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 2, 15000);
        QMap<QString, QSharedPointer<CustomAlarmInfo>> byTime;
        for (const auto &row : storedAlarms())
            byTime.insert(row->alarmTime, row);
        QCOMPARE(byTime.keys(), QStringList({"2026-12-07 10:00:01", "2026-12-07 10:00:02"}));
        const auto first = byTime.first();
        QCOMPARE(first->alarmType, 0);
        QCOMPARE(first->devName, QStringLiteral("Gate"));
        QCOMPARE(first->handler, QStringLiteral("SN-GATE"));
        QCOMPARE(first->status, 0);
        QCOMPARE(byTime.last()->devName, QStringLiteral("yard.cam"));
        QCOMPARE(window.alarmHandler()->runningLinkages(), 1);

        // Motion off, face on: stored but not yet broadcast, the cached
        // settings still hold; after the broadcast the next motion alarm is
        // rejected and face is kept.
        gateType->bMotionDetection = false;
        gateType->bFaceDetection = true;
        QVERIFY(orm::dao::save(gateType).text().isEmpty());
        byIp.pushAlarm(alarmBody("0", "2026-12-07 11:00:00"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 3, 15000);
        emit SignalsHelper::instance()->signalUpdateAlarm();
        byIp.pushAlarm(alarmBody("0", "2026-12-07 11:00:01"));
        byIp.pushAlarm(alarmBody("1", "2026-12-07 11:00:02"));
        QTRY_COMPARE_WITH_TIMEOUT(storedAlarms().size(), 4, 15000);
        QCOMPARE(storedAlarms().last()->alarmTime, QStringLiteral("2026-12-07 11:00:02"));
        window.closeApp();
        QCOMPARE(window.alarmHandler()->runningLinkages(), 0);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != QLatin1String("AlarmPopup") || !w->isVisible());
    }
};

QTEST_MAIN(TestAlarmHandler)
#include "tst_alarmhandler.moc"
