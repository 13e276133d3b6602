#include "OrmHelper.h"
#include "OrmTestSupport.h"
#include "SettingsKeeper.h"
#include "../support/SmallFs.h"
#include "../support/StoredRows.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

class TestOrmStartup : public QObject
{
    Q_OBJECT

private:
    int m_file = 0;

    QString useNewFile()
    {
        OrmHelper::resetForTesting();
        const QString file = QDir::current().filePath(QStringLiteral("startup%1.sqlite").arg(++m_file));
        OrmDatabase::setDatabaseName(file);
        return file;
    }

    static void expectFailureLog()
    {
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Database initialization failed!")));
    }

    // An old file with a few rows in the tables every version had.
    static QString buildOldFile(const QString &file, int version, bool withVersionRow = true)
    {
        RawDb raw(file);
        if (!raw.isOpen())
            return QStringLiteral("cannot open");
        QStringList sql = oldSchema(version);
        if (withVersionRow)
            sql << QStringLiteral("INSERT INTO DatabaseVersion (version) VALUES (%1)").arg(version);
        sql << "INSERT INTO CMS_Roles (Name, Rights, Remark) VALUES ('admin', '1111111', 'r')"
            << "INSERT INTO CMS_User (Name, password, RoleId, IsDefault, IsRemeber, Rights, Remark) "
               "VALUES ('admin', 'vemqa', 1, 1, 0, '1111111', 'default user')"
            << "INSERT INTO CMS_Organization (Name, ParentId, IsDefault, bRecord, bPlay, Remark) "
               "VALUES ('Default', 1, 1, 0, 0, '0:Default')"
            << "INSERT INTO CMS_Organization (Name, ParentId, IsDefault, bRecord, bPlay, Remark) "
               "VALUES ('Floor 2', 1, 0, 1, 0, '')"
            << "INSERT INTO CMS_Devices (DevIP, DevSN, DevType, DevName, DevGroup, LoginName, LoginPassword, "
               "DevStatus, VideoPort, PTZPort, Broadcast, Version, Model, DevTypeName, onvifSer, loadId, channelId) "
               "VALUES ('192.168.1.10', 'SN1', 0, 'Gate', 0, 'admin', 'pw', 0, '554', '2028', 0, 'v1', 'M1', 'IPC', '', 0, 0)"
            << "INSERT INTO CMS_Devices (DevIP, DevSN, DevType, DevName, DevGroup, LoginName, LoginPassword, "
               "DevStatus, VideoPort, PTZPort, Broadcast, Version, Model, DevTypeName, onvifSer, loadId, channelId) "
               "VALUES ('192.168.1.11', 'SN2', 2, 'Hall', 0, 'root', 'pw2', 0, '80', '2028', 0, '', '', 'IPC', "
               "'http://192.168.1.11/onvif/device_service', 0, 0)"
            << "INSERT INTO CustomAlarmInfo (alarmType, alarmContent, alarmTime, devName, status, records, handler) "
               "VALUES (0, 'motion', '2024-01-02 03:04:05', 'Gate', 2, 'done', 'SN1')"
            << "INSERT INTO PlanRecord (Name, iDefult, iTurnOn, iStorageType, szStoragePath, iTimeFile, iAudioRecord, "
               "iFileType, iworkType, scheduleTime, devInfo) VALUES ('default', 1, 1, 0, '', 15, 0, 0, 0, '', '[]')";
        if (version >= 2)
            sql << "INSERT INTO CMS_Config_V2 (bAutoRun, bAutoLogin, SnapPath, RecordPath, BackupPath, ScreenNum, "
                   "Language, SynchroTime, SynchroInterva, Name, password, bHardwareDecode, hardwareDecodeType, "
                   "bAspectRatio, bAutoStart, bRestoreVideo, iLogClear) "
                   "VALUES (0, 1, '/s', '/r', '/b', 4, 2, 0, 0, 'admin', 'vemqa', 1, 0, 0, 0, 1, 7)";
        return raw.exec(sql);
    }

private slots:
    void freshStartCreatesAndSeeds()
    {
        QCOMPARE(OrmDatabase::databaseName(), QStringLiteral("./Kelvo.sqlite"));
        QVERIFY(!OrmHelper::isInitialized());
        QSqlError closed;
        OrmHelper::getAllUsers(&closed);
        QVERIFY(!closed.text().isEmpty()); // closed before init: the read fails, said
        QVERIFY(!QFile::exists(QStringLiteral("Kelvo.sqlite")));

        QString error;
        QVERIFY(OrmHelper::instance());
        QVERIFY(OrmHelper::instance()->init(&error));
        QVERIFY(error.isEmpty());
        QVERIFY(OrmHelper::isInitialized());
        QVERIFY(QFile::exists(QDir::current().filePath(QStringLiteral("Kelvo.sqlite"))));

        RawDb raw(QStringLiteral("Kelvo.sqlite"));
        QStringList expected = {"CMS_Roles",         "CMS_AlarmType",   "CMS_DevType",       "CMS_User",
                                "CMS_Organization",  "CMS_Permissions", "CMS_Stream",        "CMS_Config_V2",
                                "cms_DealAlarmType", "CustomAlarmInfo", "cms_DealAlarmLink", "cms_DealAlarmTime",
                                "CMS_Action",        "CMS_Alarm",       "CMS_Devices",       "PlanRecord",
                                "DatabaseVersion",   "CMS_Settings"};
        expected.sort();
        QStringList tables = raw.tables();
        tables.sort();
        QCOMPARE(tables, expected);
        QVERIFY(!tables.contains(QStringLiteral("CMS_Config")));

        QCOMPARE(raw.rows("SELECT id, version FROM DatabaseVersion"), (QList<QVariantList>{{1, 3}}));
        QCOMPARE(raw.rows("SELECT id, Name, Rights, Remark FROM CMS_Roles"),
                 (QList<QVariantList>{{1, "admin", "1111111", "Admin is the default role and has all permissions "}}));
        QCOMPARE(raw.rows("SELECT id, Name, password, RoleId, IsDefault, Rights, Remark FROM CMS_User"),
                 (QList<QVariantList>{{1, "admin", "vemqa", 1, 1, "1111111", "default user"}}));
        QCOMPARE(raw.rows("SELECT id, Name, Remark FROM CMS_DevType"),
                 (QList<QVariantList>{{1, "IPC", "0:IPC"}, {2, "NVR", "1:NVR"}, {3, "onvif", "2:onvif"}}));
        QCOMPARE(raw.rows("SELECT id, Name, Remark FROM CMS_Stream"),
                 (QList<QVariantList>{{1, "Main stream", "0:Main stream"},
                                      {2, "Substream", "1:Substream"},
                                      {3, "Adaptive stream", "2:Adaptive stream"}}));
        const QList<QVariantList> alarmTypes = raw.rows("SELECT id, Name, Remark FROM CMS_AlarmType");
        QCOMPARE(alarmTypes.size(), 6);
        QCOMPARE(alarmTypes.first(), (QVariantList{1, "Motion detection alarm", "0:Motion detection alarm"}));
        QCOMPARE(alarmTypes.last(), (QVariantList{6, "Sound detection alarm", "5:Sound detection alarm"}));
        QCOMPARE(raw.rows("SELECT id, Name, ParentId, IsDefault, bRecord, bPlay, Remark FROM CMS_Organization"),
                 (QList<QVariantList>{{1, "Default", 1, 1, 0, 0, "0:Default"}}));
        QCOMPARE(
            raw.rows(
                "SELECT id, Name, iDefult, iTurnOn, iTimeFile, iAudioRecord, iFileType, iworkType FROM PlanRecord"),
            (QList<QVariantList>{{1, "default", 1, 0, 30, 0, 0, 0}}));
        QCOMPARE(raw.value("SELECT COUNT(*) FROM CMS_Devices").toInt(), 0);
        QVERIFY(raw.columns("CMS_Devices").endsWith(QStringLiteral("onvifAuth")));

        const QSharedPointer<CMS_Config_V2> config = storedConfig();
        QCOMPARE(config->id, 1L);
        QCOMPARE(config->bAutoLogin, true);
        QCOMPARE(config->Language, -1);
        QCOMPARE(config->Name, QStringLiteral("admin"));
        QCOMPARE(config->iLogClear, 30);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(config->SnapPath, documents + "/Tavik/Snap");
        QCOMPARE(config->RecordPath, documents + "/Tavik/Record");
        QCOMPARE(config->BackupPath, documents + "/Tavik/Backup");
        // Made where they are first written to, not with the database.
        for (const QString &folder : {config->SnapPath, config->RecordPath, config->BackupPath})
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
        QSqlError read;
        QVERIFY(OrmHelper::checkUser(QStringLiteral("admin"), QStringLiteral("vemqa"), &read));
        bool found = false;
        QCOMPARE(OrmHelper::getUser(QStringLiteral("admin"), QStringLiteral("vemqa"), &found, &read),
                 QStringLiteral("1111111"));
        QVERIFY(found);

        // Again in this process, then as a new start on the same file.
        const QMap<QString, QStringList> before = raw.dump();
        QVERIFY(OrmHelper::instance()->init());
        OrmHelper::resetForTesting();
        QVERIFY(OrmHelper::instance()->init());
        QCOMPARE(raw.dump(), before);
    }

    void upgradeKeepsRows_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("version 1") << 1;
        QTest::newRow("version 2") << 2;
    }

    void upgradeKeepsRows()
    {
        QFETCH(int, version);
        const QString file = useNewFile();
        QCOMPARE(buildOldFile(file, version), QString());
        RawDb raw(file);
        const QMap<QString, QStringList> before = raw.dump();

        QVERIFY(OrmHelper::instance()->init());
        const QMap<QString, QStringList> after = raw.dump();

        QCOMPARE(raw.rows("SELECT id, version FROM DatabaseVersion"), (QList<QVariantList>{{1, 3}}));
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (it.key() == "DatabaseVersion" || it.key() == "sqlite_sequence")
                continue;
            QStringList expected = it.value();
            if (it.key() == "CMS_Devices") {
                for (QString &row : expected)
                    row += "|-1";
            }
            QCOMPARE(after.value(it.key()), expected);
        }
        QVERIFY(after.contains("CMS_Config_V2"));
        if (version == 1)
            QVERIFY(after.value("CMS_Config_V2").isEmpty()); // created empty, nothing seeded
        QCOMPARE(raw.columns("CMS_Devices").last(), QStringLiteral("onvifAuth"));
        // Settings kept by name come with the start, without a new version.
        QCOMPARE(SettingsKeeper::saveNamed(QStringLiteral("StorageMark"), QStringLiteral("it's")).text(), QString());
        QString kept;
        bool stored = false;
        QVERIFY(SettingsKeeper::readNamed(QStringLiteral("StorageMark"), &kept, &stored));
        QVERIFY(stored);
        QCOMPARE(kept, QStringLiteral("it's"));

        QSqlError read;
        const auto devices = OrmHelper::getAllDevices(&read);
        QCOMPARE(devices.size(), 2);
        FUN_DEV_INFO dev;
        OrmHelper::devFromRow(*devices.at(1), &dev, OrmHelper::getAllOrganizations(&read));
        QCOMPARE(read.text(), QString());
        QCOMPARE(dev.onvifAuth, -1);
        QCOMPARE(dev.group, DEFAULT_GROUP);
        QCOMPARE(dev.onvifUrl, QStringLiteral("http://192.168.1.11/onvif/device_service"));
        QCOMPARE(dev.rtspPort, uint16_t(80));

        // a new column takes values
        dev.onvifAuth = 2;
        OrmHelper::ModifyDev(&dev);
        QCOMPARE(raw.value("SELECT onvifAuth FROM CMS_Devices WHERE DevIP = '192.168.1.11'").toInt(), 2);
    }

    // The database holds device passwords: created user-only, and an existing
    // file readable by others is tightened.
    void databaseIsUserOnly_data()
    {
        QTest::addColumn<int>("before"); // -1: no file yet
        QTest::newRow("new") << -1;
        QTest::newRow("world-readable") << 0644;
        QTest::newRow("group-writable") << 0664;
    }

    void databaseIsUserOnly()
    {
        QFETCH(int, before);
        const QString file = useNewFile();
        if (before >= 0) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(before)) == 0);
        }
        QVERIFY(OrmHelper::instance()->init());
        struct stat st
        {
        };
        QVERIFY(::stat(QFile::encodeName(file).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    void emptyVersionTableIsUpgraded()
    {
        const QString file = useNewFile();
        QCOMPARE(buildOldFile(file, 2, false), QString());
        QVERIFY(OrmHelper::instance()->init());
        RawDb raw(file);
        QCOMPARE(raw.value("SELECT version FROM DatabaseVersion").toInt(), 3);
        QVERIFY(raw.columns("CMS_Devices").contains("onvifAuth"));
        QCOMPARE(raw.value("SELECT COUNT(*) FROM CMS_User").toInt(), 1);
    }

    void failingStatementRollsBack_data()
    {
        QTest::addColumn<int>("version"); // 0 = new file
        QTest::addColumn<QString>("failing");
        QTest::newRow("new file, last seed") << 0 << "INSERT INTO PlanRecord";
        QTest::newRow("new file, a table") << 0 << "CREATE TABLE IF NOT EXISTS CMS_Stream";
        QTest::newRow("new file, version row") << 0 << "INSERT INTO DatabaseVersion";
        QTest::newRow("version 2, new column") << 2 << "ALTER TABLE CMS_Devices";
        QTest::newRow("version 1, version row") << 1 << "UPDATE DatabaseVersion";
        QTest::newRow("version 1, settings table") << 1 << "CREATE TABLE IF NOT EXISTS CMS_Config_V2";
    }

    void failingStatementRollsBack()
    {
        QFETCH(int, version);
        QFETCH(QString, failing);
        const QString file = useNewFile();
        if (version > 0)
            QCOMPARE(buildOldFile(file, version), QString());
        QMap<QString, QStringList> before;
        {
            RawDb raw(file);
            before = raw.dump();
        }

        OrmDatabase::setFailingStatementForTesting(failing);
        expectFailureLog();
        QString error;
        const bool result = OrmHelper::instance()->init(&error);
        OrmDatabase::setFailingStatementForTesting(QString());
        QVERIFY(!result);
        QVERIFY(!error.isEmpty());
        QVERIFY(!OrmHelper::isInitialized());
        QVERIFY(!OrmHelper::saveUser(QSharedPointer<CMS_User>(new CMS_User())));
        QSqlError closed;
        OrmHelper::getAllUsers(&closed);
        QVERIFY(!closed.text().isEmpty());
        {
            RawDb raw(file);
            QCOMPARE(raw.dump(), before);
        }

        // The next start runs the whole start-up again.
        QVERIFY(OrmHelper::instance()->init());
        RawDb raw(file);
        QCOMPARE(raw.value("SELECT version FROM DatabaseVersion").toInt(), 3);
        QCOMPARE(raw.value("SELECT COUNT(*) FROM CMS_User").toInt(), 1);
    }

    // A file the client does not know is refused as it is: same bytes, same
    // mode, no journal left beside it, nothing served from it.
    void unknownFileIsRefused_data()
    {
        QTest::addColumn<QStringList>("statements"); // empty: the bytes below
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QStringList current = oldSchema(2);
        current.replaceInStrings(QStringLiteral("Model TEXT, DevTypeName TEXT, onvifSer TEXT, loadId INTEGER,"),
                                 QStringLiteral("Model TEXT, DevTypeName TEXT, onvifSer TEXT, onvifAuth INTEGER, "
                                                "loadId INTEGER,"));
        const auto withVersion = [](QStringList schema, int version) {
            return schema << QStringLiteral("INSERT INTO DatabaseVersion (version) VALUES (%1)").arg(version);
        };
        QTest::newRow("another program's") << QStringList{"CREATE TABLE songs (id INTEGER PRIMARY KEY, title TEXT)",
                                                          "INSERT INTO songs (title) VALUES ('a')"}
                                           << QByteArray() << "no DatabaseVersion table";
        QTest::newRow("not a database") << QStringList() << QByteArray("just some notes\n").repeated(300)
                                        << "not an SQLite database";
        QTest::newRow("newer version") << withVersion(current, 99) << QByteArray() << "schema version 99 is newer";
        QTest::newRow("version 0") << withVersion(current, 0) << QByteArray() << "unknown schema version 0";
        QStringList wrongColumns = withVersion(current, 3);
        wrongColumns.replaceInStrings(
            QStringLiteral("CMS_Devices (id INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, DevIP"),
            QStringLiteral("CMS_Devices (id INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Address"));
        QTest::newRow("wrong columns") << wrongColumns << QByteArray() << "table CMS_Devices has no column DevIP";
        QStringList missingTable = withVersion(current, 3);
        missingTable.erase(std::remove_if(missingTable.begin(), missingTable.end(),
                                          [](const QString &sql) { return sql.startsWith("CREATE TABLE PlanRecord"); }),
                           missingTable.end());
        QTest::newRow("missing table") << missingTable << QByteArray() << "table PlanRecord is missing";
        QStringList noVersionColumn = withVersion(current, 3);
        noVersionColumn.replaceInStrings(QStringLiteral("version INTEGER)"), QStringLiteral("level INTEGER)"));
        noVersionColumn.replaceInStrings(QStringLiteral("DatabaseVersion (version)"),
                                         QStringLiteral("DatabaseVersion (level)"));
        QTest::newRow("version table of another kind")
            << noVersionColumn << QByteArray() << "DatabaseVersion has no column version";
        // No table, yet not empty: another program's file all the same.
        QTest::newRow("a view only") << QStringList{"CREATE VIEW answers AS SELECT 42 AS answer"} << QByteArray()
                                     << "holds no tables of this client but a view answers";
        QTest::newRow("a view with its trigger")
            << QStringList{"CREATE VIEW log AS SELECT 1 AS line",
                           "CREATE TRIGGER keep INSTEAD OF INSERT ON log BEGIN SELECT 1; END"}
            << QByteArray() << "holds no tables of this client but a";
        QTest::newRow("statistics of dropped tables")
            << QStringList{"CREATE TABLE t (a INTEGER)", "CREATE INDEX t_a ON t (a)", "INSERT INTO t VALUES (1)",
                           "ANALYZE", "DROP TABLE t"}
            << QByteArray() << "holds no tables of this client but a table sqlite_stat1";
        QTest::newRow("counters of dropped tables")
            << QStringList{"CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT)", "INSERT INTO t DEFAULT VALUES",
                           "DROP TABLE t"}
            << QByteArray() << "holds no tables of this client but a table sqlite_sequence";
    }

    void unknownFileIsRefused()
    {
        QFETCH(QStringList, statements);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = useNewFile();
        if (!statements.isEmpty()) {
            RawDb raw(file);
            QCOMPARE(raw.exec(statements), QString());
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0644) == 0);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Database refused, left unchanged:")));
        QString error;
        bool refused = false;
        QVERIFY(!OrmHelper::instance()->init(&error, &refused));
        QVERIFY(refused);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(!OrmHelper::isInitialized());
        QSqlError closed;
        OrmHelper::getAllUsers(&closed);
        QVERIFY(!closed.text().isEmpty());
        QVERIFY(!OrmHelper::saveConfig(QSharedPointer<CMS_Config_V2>::create()));

        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        struct stat st
        {
        };
        QVERIFY(::stat(QFile::encodeName(file).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0644);
        for (const char *suffix : {"-journal", "-wal", "-shm"})
            QVERIFY2(!QFile::exists(file + QLatin1String(suffix)), suffix);
    }

    // A database the client may not write opens, but is said at once rather
    // than at the first save that fails.
    void readOnlyFileIsSaid()
    {
        OrmHelper::resetForTesting();
        SmallFs fs(QDir::current().filePath(QStringLiteral("ro")), 4 << 20);
        const QString file = fs.path(QStringLiteral("Kelvo.sqlite"));
        OrmDatabase::setDatabaseName(file);
        QVERIFY(OrmHelper::instance()->init());
        QVERIFY(!OrmHelper::isReadOnly());
        OrmHelper::resetForTesting();
        if (fs.mounted()) {
            QVERIFY(fs.setReadOnly(true));
        } else {
            if (::geteuid() == 0)
                QSKIP("no file system of the test's own and permissions do not bind root");
            QVERIFY(::chmod(QFile::encodeName(file).constData(), 0400) == 0);
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Database opened read-only")));
        QVERIFY(OrmHelper::instance()->init());
        QVERIFY(OrmHelper::isReadOnly());
        QSqlError read;
        QCOMPARE(OrmHelper::getAllUsers(&read).size(), 1);
        QVERIFY(!OrmHelper::saveConfig(storedConfig()));
        OrmHelper::resetForTesting();
        fs.setReadOnly(false);
    }

    void unopenableFileFails()
    {
        OrmHelper::resetForTesting();
        OrmDatabase::setDatabaseName(QDir::current().filePath(QStringLiteral("missing/dir/Kelvo.sqlite")));
        expectFailureLog();
        QString error;
        QVERIFY(!OrmHelper::instance()->init(&error));
        QVERIFY(!error.isEmpty());
    }

    void concurrentInitRunsOnce()
    {
        const QString file = useNewFile();
        QAtomicInt failures;
        QList<QThread *> threads;
        for (int i = 0; i < 4; ++i) {
            threads.append(QThread::create([&failures] {
                QSqlError read;
                if (!OrmHelper::instance()->init() || OrmHelper::getAllUsers(&read).size() != 1)
                    failures.ref();
            }));
            threads.last()->start();
        }
        for (QThread *t : threads) {
            QVERIFY(t->wait(60000));
            delete t;
        }
        QCOMPARE(failures.loadRelaxed(), 0);
        RawDb raw(file);
        QCOMPARE(raw.value("SELECT COUNT(*) FROM DatabaseVersion").toInt(), 1);
        QCOMPARE(raw.value("SELECT COUNT(*) FROM CMS_Organization").toInt(), 1);
    }

    void cleanupTestCase() { OrmHelper::resetForTesting(); }
};

QTEST_GUILESS_MAIN(TestOrmStartup)
#include "tst_ormstartup.moc"
