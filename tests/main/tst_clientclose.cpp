// The client program ended by a signal (a logout, a shutdown, Ctrl+C, a closed
// terminal) while it records: it closes as its window's close does, so the
// open segment is completed in its day index and the client ends normally. A
// second signal ends it at once, also while its GUI thread cannot read the
// first (held in the database's open by a lock of another program). Held for a
// while at start, the database is waited for on the splash and the client then
// records; a storage folder another client records into is refused, left whole.

#include "ClientProcess.h"
#include "FFmpegRecordPlan.h"
#include "RecordSchedule.h"
#include "SmallDisk.h"
#include "TestMedia.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <csignal>
#include <memory>

namespace {

const QString kCameraIp = QStringLiteral("127.57.7.1");

QJsonArray dayIndex(const QString &dayDir)
{
    QFile f(dayDir + QStringLiteral("/record.json"));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).array() : QJsonArray();
}

// True once the process holds the file open.
bool holdsOpen(qint64 pid, const QString &file)
{
    const QString target = QFileInfo(file).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo &fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == target)
            return true;
    }
    return false;
}

// True while the process has a handler of its own for signal.
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

} // namespace

class TestClientClose : public QObject
{
    Q_OBJECT

private:
    testmedia::RtspServer m_rtsp;

private slots:
    void initTestCase()
    {
        const QString clip = testmedia::makeClip(QStringLiteral("close.mp4"), QStringLiteral("h264"), 150);
        QVERIFY(!clip.isEmpty());
        m_rtsp.setAddress(kCameraIp);
        QVERIFY(m_rtsp.start({QStringLiteral("/stream1=") + clip}));
    }

    void signalClosesTheRecording_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("blocked"); // the GUI thread waits for the database: a second signal follows
        // "database": held at start for a while; "storage": taken by another
        // client; "close": the database held from before the close to after it
        QTest::addColumn<QString>("held");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << "";
        QTest::newRow("SIGINT") << int(SIGINT) << false << "";
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << "";
        QTest::newRow("SIGTERM twice, GUI thread blocked") << int(SIGTERM) << true << "";
        QTest::newRow("SIGINT twice, GUI thread blocked") << int(SIGINT) << true << "";
        QTest::newRow("SIGTERM, the database held at start for a while") << int(SIGTERM) << false << "database";
        QTest::newRow("SIGTERM, another client starts on the folder") << int(SIGTERM) << false << "storage";
        QTest::newRow("SIGTERM, the database held through the close") << int(SIGTERM) << false << "close";
    }
    void signalClosesTheRecording()
    {
        QFETCH(int, signal);
        QFETCH(bool, blocked);
        QFETCH(QString, held);
        const QString folder = QStringLiteral("close-%1").arg(QTest::currentDataTag()).replace(' ', '-');
        const QString storage = QDir::current().absoluteFilePath(folder + QStringLiteral("/Backup"));
        // Each run a new installation; beside it, in one row, a second one of its own.
        const QString second = folder + QStringLiteral("-second");
        QVERIFY(QDir(folder).removeRecursively() && QDir(second).removeRecursively());
        const int port = m_rtsp.port();
        const QString error = seedAutoLogin(folder, QStringLiteral("1111111"), [&] {
            auto config = storedConfig();
            config->BackupPath = storage;
            OrmHelper::saveConfig(config);
            auto *camera = new FUN_DEV_INFO;
            camera->ip = kCameraIp;
            camera->sn = QStringLiteral("CLOSE57");
            camera->name = QStringLiteral("Gate");
            camera->rtspPort = quint16(port);
            camera->devPort = 1; // never answers: recording needs no login
            OrmHelper::AddDevs({camera});
            delete camera;
            RECORD_PLAN_INFO plan;
            plan.id = 1;
            plan.iTurnOn = 1;
            plan.iTimeFile = 30; // no segment ends by itself while the test runs
            plan.szStoragePath = storage;
            for (int i = 0; i < 7; ++i)
                plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
            plan.devices.append({QStringLiteral("CLOSE57"), kCameraIp, 0, 0, 0});
            RecordSchedule::storePlan(plan);
        });
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString database = QDir::current().absoluteFilePath(folder + QStringLiteral("/Kelvo.sqlite"));
        QVERIFY(held != QLatin1String("storage")
                || (QDir().mkpath(second) && QFile::copy(database, second + QStringLiteral("/Kelvo.sqlite"))));

        ClientProcess client(folder, QStringLiteral("tst_clientclose_%1_%2_%3")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(signal)
                                         .arg(int(blocked)));
        if (blocked || held == QLatin1String("database")) {
            {
                // Another program writes the database: the client's open waits for it.
                QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                holder.setDatabaseName(database);
                QVERIFY(holder.open());
                QSqlQuery hold(holder);
                QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
                QVERIFY(client.start());
                QTRY_VERIFY_WITH_TIMEOUT(holdsOpen(client.pid(), database), 30000);
                if (blocked) {
                    QTRY_VERIFY_WITH_TIMEOUT(catches(client.pid(), signal), 30000);
                    QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
                    // Two signals, not one merged by the kernel: the first was taken
                    // once the handler gave the signal back to its default.
                    QTRY_VERIFY_WITH_TIMEOUT(!catches(client.pid(), signal), 30000);
                    QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
                }
                // Ended, or held for two tries and then let go.
                const bool ended = blocked ? client.process().waitForFinished(60000)
                                           : client.waitForLog(QStringLiteral("The database is in use by another "
                                                                              "program; trying again (2)"),
                                                               60000);
                hold.exec(QStringLiteral("ROLLBACK"));
                holder.close();
                QVERIFY(ended);
            }
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
            if (blocked) {
                QCOMPARE(client.process().exitStatus(), QProcess::CrashExit);
                QCOMPARE(client.process().exitCode(), signal);
                return;
            }
        } else {
            QVERIFY(client.start());
        }
        const QString dayDir = storage + QLatin1Char('/') + kCameraIp + QLatin1Char('/')
                               + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        // Listed open once its first picture is written.
        QTRY_VERIFY2_WITH_TIMEOUT(dayIndex(dayDir).size() == 1, qPrintable(client.log() + client.output()), 60000);
        QCOMPARE(dayIndex(dayDir).at(0).toObject().value("endTime").toString(), QString());
        const QString segment =
            dayDir + QLatin1Char('/') + dayIndex(dayDir).at(0).toObject().value("fileName").toString();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(segment).size() > 50000, 30000);
        const QString opened = QFileInfo(dayDir).fileName() + QStringLiteral("235959.mp4");
        if (held == QLatin1String("storage")) {
            // Another client, with a database of its own, starts on the folder
            // as this one begins a segment: made, no frame in it yet, listed open.
            QJsonArray listed = dayIndex(dayDir);
            listed.append(QJsonObject{{"fileName", opened}, {"startTime", "235959000"}, {"endTime", ""}});
            QVERIFY(writeFile(dayDir + QLatin1Char('/') + opened)
                    && writeFile(dayDir + QStringLiteral("/record.json"), QJsonDocument(listed).toJson()));
            ClientProcess other(second,
                                QStringLiteral("tst_clientclose_%1_second").arg(QCoreApplication::applicationPid()));
            QVERIFY(other.start());
            // Refused and said, once its start-up repair, which leaves the folder alone, is done.
            QVERIFY2(other.waitForLog(QStringLiteral("Another client records into the storage folder, nothing is "
                                                     "written into it")),
                     qPrintable(other.log() + other.output()));
            // Nothing of the first one's listed touched (its files are looked at below).
            QCOMPARE(dayIndex(dayDir), listed);
            QVERIFY(::kill(pid_t(other.pid()), signal) == 0);
            QVERIFY(other.process().waitForFinished(60000));
            QCOMPARE(other.process().exitCode(), 0);
        }

        {
            // Another program holds the database as the client closes: the
            // close ends by itself, the database still held.
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("closing"));
            holder.setDatabaseName(database);
            std::unique_ptr<QSqlQuery> hold;
            if (held == QLatin1String("close")) {
                QVERIFY(holder.open());
                hold = std::make_unique<QSqlQuery>(holder);
                QVERIFY(hold->exec(QStringLiteral("BEGIN EXCLUSIVE")));
            }
            QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
            const bool ended = client.process().waitForFinished(60000);
            if (hold)
                QVERIFY(hold->exec(QStringLiteral("ROLLBACK")));
            hold.reset();
            holder.close();
            QVERIFY(ended);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("closing"));
        QCOMPARE(client.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.process().exitCode(), 0);

        const QJsonArray index = dayIndex(dayDir);
        QCOMPARE(index.size(), held == QLatin1String("storage") ? 2 : 1);
        QVERIFY(FFmpegRecordPlan::fileDurationMs(segment) > 0);
        // The segment the first client had begun still listed and there.
        QVERIFY(held != QLatin1String("storage")
                || (index.at(1).toObject().value("fileName") == opened && QFileInfo::exists(dayDir + '/' + opened)));
        const QTime start = QTime::fromString(index.at(0).toObject().value("startTime").toString(), "hhmmsszzz");
        const QTime end = QTime::fromString(index.at(0).toObject().value("endTime").toString(), "hhmmsszzz");
        QVERIFY2(start.isValid() && end.isValid() && start < end, qPrintable(QJsonDocument(index).toJson()));
        const QString log = client.log();
        const QString name = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(','), 0, 0);
        QVERIFY2(log.contains(QStringLiteral("Closing on ") + name), qPrintable(log));
        QVERIFY(log.contains(QStringLiteral("Closing the client")));
        QVERIFY(log.contains(QStringLiteral("Client ended with 0")));
        // Waited for on the splash, in the system's language (the operator's is in the database).
        QVERIFY(held != QLatin1String("database")
                || log.contains(QStringLiteral("Start-up 0 % The database is in use by another program; waiting for "
                                               "it...")));
    }
};

QTEST_MAIN(TestClientClose)
#include "tst_clientclose.moc"
