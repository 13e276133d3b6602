// The client program ended by a signal (a logout, a shutdown, Ctrl+C, a closed
// terminal) while it records: it closes as its window's close does, so the
// open segment is completed in its day index and the client ends normally. A
// second signal ends it at once, also while it waits for the database that
// another program holds locked. A database held for a while at start is
// waited for on the splash, and the client then records as usual; a storage
// folder another client records into is refused and left as it is.

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
        QTest::addColumn<bool>("blocked"); // the client waits for the database: a second signal follows
        QTest::addColumn<QString>("held"); // at start: "database" for a while, "storage" by another client
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << "";
        QTest::newRow("SIGINT") << int(SIGINT) << false << "";
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << "";
        QTest::newRow("SIGTERM twice, waiting for the database") << int(SIGTERM) << true << "";
        QTest::newRow("SIGINT twice, waiting for the database") << int(SIGINT) << true << "";
        QTest::newRow("SIGTERM, the database held at start for a while") << int(SIGTERM) << false << "database";
        QTest::newRow("SIGTERM, another client records into the folder") << int(SIGTERM) << false << "storage";
    }
    void signalClosesTheRecording()
    {
        QFETCH(int, signal);
        QFETCH(bool, blocked);
        QFETCH(QString, held);
        const QString folder = QStringLiteral("close-%1").arg(QTest::currentDataTag()).replace(' ', '-');
        const QString storage = QDir::current().absoluteFilePath(folder + QStringLiteral("/Backup"));
        const int port = m_rtsp.port();
        const auto seed = [&](const QString &folder) {
            return seedAutoLogin(folder, QStringLiteral("1111111"), [&] {
                auto config = OrmHelper::getConfig();
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
        };
        const QString error = seed(folder);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        ClientProcess client(folder, QStringLiteral("tst_clientclose_%1_%2_%3_%4")
                                         .arg(QCoreApplication::applicationPid())
                                         .arg(signal)
                                         .arg(int(blocked))
                                         .arg(held));
        const QString dayDir = storage + QLatin1Char('/') + kCameraIp + QLatin1Char('/')
                               + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        if (blocked || held == QLatin1String("database")) {
            const QString database = QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite"));
            {
                // Another program (a backup) holds the database: the client's
                // open waits for it, past the busy timeout.
                QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                holder.setDatabaseName(database);
                QVERIFY(holder.open());
                QSqlQuery hold(holder);
                QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
                QVERIFY(client.start());
                bool done = false;
                if (blocked) {
                    QTRY_VERIFY_WITH_TIMEOUT(holdsOpen(client.pid(), database), 30000);
                    QTRY_VERIFY_WITH_TIMEOUT(catches(client.pid(), signal), 30000);
                    QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
                    // Two signals, not one merged by the kernel: the first was taken
                    // once the handler gave the signal back to its default.
                    QTRY_VERIFY_WITH_TIMEOUT(!catches(client.pid(), signal), 30000);
                    QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
                    done = client.process().waitForFinished(60000);
                } else {
                    // Held for two tries; meanwhile said on the splash.
                    done = client.waitForLog(
                        QStringLiteral("The database is in use by another program; trying again (2)"), 60000);
                }
                hold.exec(QStringLiteral("ROLLBACK"));
                holder.close();
                QVERIFY2(done, qPrintable(client.log() + client.output()));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
            if (blocked) {
                QCOMPARE(client.process().exitStatus(), QProcess::CrashExit);
                QCOMPARE(client.process().exitCode(), signal);
                return;
            }
            // In the system's language: the operator's is in the database.
            QVERIFY(client.log().contains(
                QStringLiteral("Start-up 0 % The database is in use by another program; waiting for it...")));
        }
        if (held == QLatin1String("storage")) {
            // The first client records into the folder; the one under test
            // starts on a database of its own pointed at the same folder.
            const QString firstFolder = folder + QStringLiteral("-first");
            const QString firstError = seed(firstFolder);
            QVERIFY2(firstError.isEmpty(), qPrintable(firstError));
            ClientProcess first(firstFolder,
                                QStringLiteral("tst_clientclose_%1_first").arg(QCoreApplication::applicationPid()));
            QVERIFY(first.start());
            QTRY_VERIFY2_WITH_TIMEOUT(dayIndex(dayDir).size() == 1, qPrintable(first.log() + first.output()), 60000);
            const QString recording =
                dayDir + QLatin1Char('/') + dayIndex(dayDir).at(0).toObject().value("fileName").toString();
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recording).size() > 50000, 30000);
            // The first client at a segment's start: its next segment made, no
            // frame in it yet, listed open.
            const QString opened = QFileInfo(dayDir).fileName() + QStringLiteral("000001.mp4");
            QVERIFY(writeFile(dayDir + QLatin1Char('/') + opened));
            QJsonArray listed = dayIndex(dayDir);
            listed.append(QJsonObject{{"fileName", opened}, {"startTime", "000001000"}, {"endTime", ""}});
            QFile index(dayDir + QStringLiteral("/record.json"));
            QVERIFY(index.open(QIODevice::WriteOnly) && index.write(QJsonDocument(listed).toJson()) > 0);
            index.close();

            QVERIFY(client.start());
            QVERIFY2(client.waitForLog(QStringLiteral("Recordings not repaired: another client records into the "
                                                      "storage folder")),
                     qPrintable(client.log() + client.output()));
            QVERIFY2(client.waitForLog(QStringLiteral("Another client records into the storage folder, nothing is "
                                                      "written into it")),
                     qPrintable(client.log()));
            // Nothing of the first one's touched: the segment it writes still
            // open, the one just begun still there.
            QCOMPARE(dayIndex(dayDir), listed);
            QCOMPARE(QDir(dayDir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                     (QStringList{opened, QFileInfo(recording).fileName(), QStringLiteral("record.json")}));
            QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
            QVERIFY(client.process().waitForFinished(60000));
            QCOMPARE(client.process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(client.process().exitCode(), 0);
            QVERIFY(::kill(pid_t(first.pid()), signal) == 0);
            QVERIFY(first.process().waitForFinished(60000));
            QCOMPARE(first.process().exitCode(), 0);
            // The first one's footage whole and listed, closed as it closed;
            // the segment it had just begun still there.
            QStringList files;
            for (const QJsonValue &entry : dayIndex(dayDir)) {
                const QString name = entry.toObject().value("fileName").toString();
                files << name;
                if (name == opened)
                    continue;
                QVERIFY2(!entry.toObject().value("endTime").toString().isEmpty(), qPrintable(name));
                QVERIFY2(FFmpegRecordPlan::fileDurationMs(dayDir + QLatin1Char('/') + name) > 0, qPrintable(name));
            }
            QVERIFY(files.contains(QFileInfo(recording).fileName()) && files.contains(opened));
            QVERIFY(FFmpegRecordPlan::fileDurationMs(recording) > 1000);
            QVERIFY(QFileInfo::exists(dayDir + QLatin1Char('/') + opened));
            return;
        }
        if (held.isEmpty())
            QVERIFY(client.start());
        // Listed open once its first picture is written.
        QTRY_VERIFY2_WITH_TIMEOUT(dayIndex(dayDir).size() == 1, qPrintable(client.log() + client.output()), 60000);
        QCOMPARE(dayIndex(dayDir).at(0).toObject().value("endTime").toString(), QString());
        const QString segment =
            dayDir + QLatin1Char('/') + dayIndex(dayDir).at(0).toObject().value("fileName").toString();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(segment).size() > 50000, 30000);

        QVERIFY(::kill(pid_t(client.pid()), signal) == 0);
        QVERIFY(client.process().waitForFinished(60000));
        QCOMPARE(client.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.process().exitCode(), 0);

        const QJsonArray index = dayIndex(dayDir);
        QCOMPARE(index.size(), 1);
        const QTime start = QTime::fromString(index.at(0).toObject().value("startTime").toString(), "hhmmsszzz");
        const QTime end = QTime::fromString(index.at(0).toObject().value("endTime").toString(), "hhmmsszzz");
        QVERIFY2(start.isValid() && end.isValid() && start < end, qPrintable(QJsonDocument(index).toJson()));
        const QString log = client.log();
        const char *name = signal == SIGTERM ? "SIGTERM" : signal == SIGINT ? "SIGINT" : "SIGHUP";
        QVERIFY2(log.contains(QStringLiteral("Closing on %1").arg(QLatin1String(name))), qPrintable(log));
        QVERIFY(log.contains(QStringLiteral("Closing the client")));
        QVERIFY(log.contains(QStringLiteral("Client ended with 0")));
        // Never given up on: no message waits for a click.
        QVERIFY(!log.contains(QStringLiteral("Database start-up failed")));
    }
};

QTEST_MAIN(TestClientClose)
#include "tst_clientclose.moc"
