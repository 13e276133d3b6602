// The database tool of scripts/try, run as the script runs it: a first start
// makes the database, a later start keeps what the operator made in it and
// only moves the devices to their new ports. A held database is said once,
// with how the wait ended; a damaged one is said as unusable, never ready.

#include "OrmCore.h"
#include "../StoredRows.h"
#include "OrmHelper.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString kCamera = QStringLiteral("127.0.0.1");
const QString kRecorder = QStringLiteral("127.0.0.2");
const QString kDoorCamera = QStringLiteral("127.0.0.3");

// How the tool ended (-1: not by itself) and all it said.
struct Run
{
    int code = -1;
    QString said;
};

Run runTool(const QString &db, const QStringList &devices)
{
    // The tool writes the file; this process must not hold it open meanwhile.
    OrmHelper::resetForTesting();
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(KELVO_TRYDB), QStringList{db} + devices);
    Run run;
    if (tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit)
        run.code = tool.exitCode();
    run.said = QString::fromUtf8(tool.readAll());
    return run;
}

// The tool run while another program holds the database: held until the
// tool has said that it waits and then let go, or held throughout (the tool
// told to wait six seconds: two tries of five).
Run runToolHeld(const QString &db, const QStringList &devices, bool letGo)
{
    OrmHelper::resetForTesting();
    Run run;
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(db);
        QSqlQuery hold(holder);
        if (holder.open() && hold.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
            QProcess tool;
            tool.setProcessChannelMode(QProcess::MergedChannels);
            tool.start(QStringLiteral(KELVO_TRYDB),
                       QStringList{db} + (letGo ? QStringList() : QStringList{"--wait", "6"}) + devices);
            QByteArray said;
            while (letGo && !said.contains("is in use by another program; waiting for it")
                   && tool.waitForReadyRead(60000))
                said += tool.readAll();
            if (!letGo)
                tool.waitForFinished(60000);
            hold.exec(QStringLiteral("ROLLBACK"));
            tool.waitForFinished(60000);
            if (tool.state() == QProcess::NotRunning && tool.exitStatus() == QProcess::NormalExit)
                run.code = tool.exitCode();
            run.said = QString::fromUtf8(said + tool.readAll());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    return run;
}

bool openDatabase(const QString &db)
{
    OrmHelper::resetForTesting();
    OrmDatabase::setDatabaseName(db);
    return OrmHelper::instance()->init();
}

QSharedPointer<CMS_Devices> deviceRow(const QString &ip)
{
    QList<QSharedPointer<CMS_Devices>> rows;
    orm::dao::fetch_by_query(OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), ip), rows);
    return rows.size() == 1 ? rows.first() : QSharedPointer<CMS_Devices>();
}

template <class T> QList<QSharedPointer<T>> settingsOf(const QString &ip)
{
    QList<QSharedPointer<T>> rows;
    orm::dao::fetch_by_query(OrmQuery(QStringLiteral("WHERE devip = :ip")).bind(QStringLiteral(":ip"), ip), rows);
    return rows;
}

QStringList firstStart()
{
    return {QStringLiteral("--ipc"), QStringLiteral("Try camera@127.0.0.1:40001:40002"),
            QStringLiteral("--nvr"), QStringLiteral("Try recorder@127.0.0.2:40003:40004/4#SIMNVR-127-0-0-2"),
            QStringLiteral("--ipc"), QStringLiteral("Door@127.0.0.3:40005:40006")};
}

} // namespace

class TestTryDb : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { OrmHelper::resetForTesting(); }

    void startsKeepTheOperatorsRows_data()
    {
        QTest::addColumn<QStringList>("second"); // empty: no second start
        QTest::addColumn<int>("secondExit");
        QTest::addColumn<QStringList>("ports"); // camera device, camera RTSP, recorder device, recorder RTSP
        QTest::addColumn<QString>("held");      // another program holds the database: "let go" while the tool waits,
                                                // or "throughout"

        const QStringList first{"40001", "40002", "40003", "40004"};
        const QStringList moving{"--ipc", "Try camera@127.0.0.1:41001:41002",
                                 "--nvr", "Try recorder@127.0.0.2:41003:41004/4",
                                 "--ipc", "Door@127.0.0.3:41005:41006"};
        const QStringList moved{"41001", "41002", "41003", "41004"};
        QTest::newRow("first start") << QStringList() << 0 << first << QString();
        QTest::newRow("second start moves the ports") << moving << 0 << moved << QString();
        QTest::newRow("recorder without an RTSP port keeps its own")
            << QStringList{"--ipc", "Try camera@127.0.0.1:42001:42002", "--nvr", "Try recorder@127.0.0.2:42003/4"} << 0
            << QStringList{"42001", "42002", "42003", "40004"} << QString();
        QTest::newRow("an address off loopback changes nothing")
            << QStringList{"--ipc", "Try camera@127.0.0.1:43001:43002", "--nvr", "Try recorder@10.0.0.2:43003/4"} << 2
            << first << QString();
        QTest::newRow("a port out of range changes nothing")
            << QStringList{"--ipc", "Try camera@127.0.0.1:70000:43002"} << 2 << first << QString();
        // Not a damaged database: waited for, and told apart when it stays held.
        QTest::newRow("second start waits for a held database") << moving << 0 << moved << "let go";
        QTest::newRow("database held throughout") << moving << 3 << first << "throughout";
    }

    void startsKeepTheOperatorsRows()
    {
        QFETCH(QStringList, second);
        QFETCH(int, secondExit);
        QFETCH(QStringList, ports);
        QFETCH(QString, held);
        const QString db = QDir::current().filePath(QStringLiteral("try-%1.sqlite").arg(QTest::currentDataTag()));
        QFile::remove(db);

        QCOMPARE(runTool(db, firstStart()).code, 0);
        QVERIFY(openDatabase(db));
        // Every camera is set to pop up on motion, at any time; the recorder has no alarm page.
        for (const QString &ip : {kCamera, kDoorCamera}) {
            const auto types = settingsOf<cms_DealAlarmType>(ip);
            const auto links = settingsOf<cms_DealAlarmLink>(ip);
            const auto times = settingsOf<cms_DealAlarmTime>(ip);
            QCOMPARE(types.size() + links.size() + times.size(), 3);
            QVERIFY(types[0]->bMotionDetection && links[0]->bVideoPopup);
            QVERIFY(times[0]->bALL && times[0]->bMon && times[0]->bSun);
            QCOMPARE(times[0]->timeWed, QStringLiteral("00:00:00-23:59:59"));
        }
        QVERIFY(settingsOf<cms_DealAlarmType>(kRecorder).isEmpty());
        QCOMPARE(deviceRow(kRecorder)->DevType, 1);
        QCOMPARE(deviceRow(kRecorder)->DevSN, QStringLiteral("SIMNVR-127-0-0-2"));
        QCOMPARE(deviceRow(kCamera)->DevSN, kCamera);
        // Files of the try stay beside its database.
        const QString beside = QFileInfo(db).absolutePath();
        QCOMPARE(storedConfig()->BackupPath, beside + QStringLiteral("/Backup"));
        QCOMPARE(storedConfig()->SnapPath, beside + QStringLiteral("/Snap"));
        QVERIFY(QFileInfo(beside + QStringLiteral("/Record")).isDir());
        // Private like the client's own folders, and none made in the documents folder.
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeOther;
        for (const char *folder : {"/Snap", "/Record", "/Backup"})
            QCOMPARE(QFileInfo(beside + QLatin1String(folder)).permissions() & others, QFile::Permissions());
        QVERIFY(!QFileInfo::exists(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                   + QStringLiteral("/Tavik")));

        // What the operator does in the first try.
        QSharedPointer<CMS_Devices> camera = deviceRow(kCamera);
        camera->DevName = QStringLiteral("Front door");
        QVERIFY(orm::dao::update(camera).text().isEmpty());
        QSharedPointer<PlanRecord> plan = storedPlan();
        plan->scheduleTime = QStringLiteral("1:08:00-12:00");
        plan->iTurnOn = 1;
        QVERIFY(OrmHelper::savePlanRecord(plan));
        QSharedPointer<CMS_Config_V2> config = storedConfig();
        config->BackupPath = QStringLiteral("/srv/recordings");
        QVERIFY(OrmHelper::saveConfig(config));
        auto link = settingsOf<cms_DealAlarmLink>(kCamera).first();
        link->popupTime = QStringLiteral("25");
        QVERIFY(orm::dao::update(link).text().isEmpty());
        CustomAlarmInfo alarm;
        alarm.alarmTime = QStringLiteral("2024-05-06 07:08:09");
        alarm.handler = kCamera;
        QVERIFY(orm::dao::insert(alarm).text().isEmpty());
        QVERIFY(orm::dao::delete_by_query<CMS_Devices>(
                    OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), kDoorCamera))
                    .text()
                    .isEmpty());

        Run again;
        if (!held.isEmpty())
            again = runToolHeld(db, second, held == "let go");
        else if (!second.isEmpty())
            again = runTool(db, second);
        if (!second.isEmpty()) {
            QCOMPARE(again.code, secondExit);
            // The wait said once, and how it ended; nothing of the database
            // layer's own log (a line at every try, "ready").
            const QString &said = again.said;
            QVERIFY2(said.count(QLatin1String("waiting for it")) == int(!held.isEmpty())
                         && said.count(QLatin1String("is free again")) == int(held == "let go")
                         && said.count(QLatin1String("left as it is")) == int(held == "throughout")
                         && !said.contains(QLatin1String("Database held")) && !said.contains(QLatin1String("ready")),
                     qPrintable(said));
        }
        QVERIFY(openDatabase(db));

        camera = deviceRow(kCamera);
        const auto recorder = deviceRow(kRecorder);
        QVERIFY(camera && recorder);
        QCOMPARE(QStringList({camera->PTZPort, camera->VideoPort, recorder->PTZPort, recorder->VideoPort}), ports);
        QCOMPARE(camera->DevName, QStringLiteral("Front door"));
        QCOMPARE(recorder->DevName, QStringLiteral("Try recorder"));
        QVERIFY(!deviceRow(kDoorCamera));
        QCOMPARE(storedDevices().size(), 2);
        QCOMPARE(storedPlan()->scheduleTime, QStringLiteral("1:08:00-12:00"));
        QCOMPARE(storedPlan()->iTurnOn, 1);
        QCOMPARE(storedConfig()->BackupPath, QStringLiteral("/srv/recordings"));
        const auto links = settingsOf<cms_DealAlarmLink>(kCamera);
        QCOMPARE(links.size(), 1);
        QCOMPARE(links[0]->popupTime, QStringLiteral("25"));
        QCOMPARE(settingsOf<cms_DealAlarmType>(kCamera).size(), 1);
        QList<QSharedPointer<CustomAlarmInfo>> alarms;
        orm::dao::fetch_all(alarms);
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms[0]->alarmTime, QStringLiteral("2024-05-06 07:08:09"));
    }

    // A database whose device table is damaged opens all the same: the next
    // start says it cannot be used, never that it is ready or kept, and
    // leaves it where it is for the operator to move away.
    void damagedDatabaseSaid()
    {
        const QString db = QDir::current().filePath(QStringLiteral("damaged.sqlite"));
        QFile::remove(db);
        QCOMPARE(runTool(db, firstStart()).code, 0);
        int pageSize = 0;
        int devicesPage = 0;
        {
            QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
            raw.setDatabaseName(db);
            QVERIFY(raw.open());
            QSqlQuery query(raw);
            QVERIFY(query.exec(QStringLiteral("PRAGMA page_size")) && query.next());
            pageSize = query.value(0).toInt();
            QVERIFY(query.exec(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'CMS_Devices'"))
                    && query.next());
            devicesPage = query.value(0).toInt();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("raw"));
        QVERIFY(pageSize > 0 && devicesPage > 1);
        QFile file(db);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(qint64(devicesPage - 1) * pageSize));
        QCOMPARE(file.write(QByteArray(pageSize, char(0xA5))), qint64(pageSize));
        file.close();

        const Run second = runTool(db, {QStringLiteral("--ipc"), QStringLiteral("Try camera@127.0.0.1:41001:41002")});
        QCOMPARE(second.code, 1);
        QVERIFY2(second.said.contains(QLatin1String("cannot be used")) && !second.said.contains(QLatin1String("ready"))
                     && !second.said.contains(QLatin1String("kept")),
                 qPrintable(second.said));
        QVERIFY(QFileInfo::exists(db));
    }
};

QTEST_GUILESS_MAIN(TestTryDb)
#include "tst_trydb.moc"
