#include "LogHandler.h"
#include "../support/QueuedSpy.h"
#include "../support/SmallFs.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>

#include <sys/stat.h>

namespace {

// The writer's own clock: a file name built from the wall clock would name
// tomorrow's file for a test that runs across midnight.
QDateTime fixedNoon()
{
    return QDateTime(QDate(2026, 3, 10), QTime(12, 0));
}
const QString kFixedDay = QStringLiteral("20260310");

QString readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x\n");
}

// A clock the test moves by hand. The writer reads it on every pass: the
// reads tell the test that passes went by.
struct FakeClock
{
    std::atomic<qint64> msecs;
    std::atomic<int> reads{0};
    explicit FakeClock(const QDateTime &start)
        : msecs(start.toMSecsSinceEpoch())
    {
    }
    void set(const QDateTime &t) { msecs.store(t.toMSecsSinceEpoch()); }
    std::function<QDateTime()> fn()
    {
        return [this] {
            ++reads;
            return QDateTime::fromMSecsSinceEpoch(msecs.load());
        };
    }
    // Waits for a few more passes of the writer.
    bool passes(int count = 3)
    {
        const int from = reads.load();
        return QTest::qWaitFor([&] { return reads.load() >= from + count; }, 5000);
    }
};

} // namespace

class tst_LogHandler : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data();
    void lineFormat();
    void functionName_data();
    void functionName();
    void rollOverAndPurge();
    void purgeWaitsForRetention();
    void stopWritesQueuedLines();
    void unwritableFolderKeepsLines();
    void logFolderIsNeverTakenOver_data();
    void logFolderIsNeverTakenOver();
    void installedHandlerWritesLines();
    void fatalLineIsWritten();
    void floodIsBoundedAndCollapsed_data();
    void floodIsBoundedAndCollapsed();
    void queueIsBounded();
};

void tst_LogHandler::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    const QString rest = QStringLiteral("03:04:05.067 [thread-abc] LogHandler::createLogFile:105 - 50%1 done \n");
    QTest::newRow("debug") << int(QtDebugMsg) << QStringLiteral("Debug ") + rest;
    QTest::newRow("warning") << int(QtWarningMsg) << QStringLiteral("Warn  ") + rest;
    QTest::newRow("critical") << int(QtCriticalMsg) << QStringLiteral("Error ") + rest;
    QTest::newRow("fatal") << int(QtFatalMsg) << QStringLiteral("Fatal ") + rest;
    QTest::newRow("info") << int(QtInfoMsg) << QStringLiteral("Info  ") + rest;
    QTest::newRow("unknown") << 42 << QStringLiteral(" ") + rest;
}

void tst_LogHandler::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    const QMessageLogContext context("LogHandler.cpp", 105, "void __thiscall LogHandler::createLogFile(void)",
                                     "default");
    const QDateTime time(QDate(2026, 1, 2), QTime(3, 4, 5, 67));
    QCOMPARE(LogHandler::formatLine(QtMsgType(type), context, QStringLiteral("50%1 done"), time, 0xabc), expected);
}

void tst_LogHandler::functionName_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("name");
    QTest::newRow("windows") << "void __thiscall LogHandler::createLogFile(void)"
                             << "LogHandler::createLogFile";
    QTest::newRow("gcc") << "static bool CommonHelper::ping(const QString&)"
                         << "CommonHelper::ping";
    QTest::newRow("no blank") << "main(int, char**)"
                              << "main";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_LogHandler::functionName()
{
    QFETCH(QString, function);
    QFETCH(QString, name);
    const QByteArray utf8 = function.toUtf8();
    QCOMPARE(LogHandler::functionName(utf8.constData()), name);
    QCOMPARE(LogHandler::functionName(nullptr), QString());
}

void tst_LogHandler::rollOverAndPurge()
{
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/log";
    QVERIFY(QDir().mkpath(dir));
    for (const char *name : {"20260301.txt", "20260303.txt", "20261399.txt", "2026030.txt", "notes.txt",
                             "20260301.txt.old", "abcdefgh.txt"})
        touch(dir + "/" + name);

    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(23, 59, 59)));
    LogHandler log;
    log.setLogDir(dir);
    log.setIntervalMs(10);
    log.setClock(clock.fn());
    log.setLogClearDays(7);
    log.enqueue("before first pass\n");
    log.start();

    const QString day1 = dir + "/20260310.txt";
    QTRY_COMPARE(readAll(day1), QStringLiteral("before first pass\n"));
    QVERIFY(!QFile::exists(dir + "/20260301.txt"));     // 1 + 7 < 10
    QVERIFY(QFile::exists(dir + "/20260303.txt"));      // 3 + 7 == 10 stays
    QVERIFY(!QFile::exists(dir + "/20261399.txt"));     // no valid date
    QVERIFY(!QFile::exists(dir + "/20260301.txt.old")); // same base name
    QVERIFY(QFile::exists(dir + "/2026030.txt"));
    QVERIFY(QFile::exists(dir + "/notes.txt"));
    QVERIFY(QFile::exists(dir + "/abcdefgh.txt"));

    log.enqueue("second\n");
    QTRY_COMPARE(readAll(day1), QStringLiteral("before first pass\nsecond\n"));

    // Past midnight: queued lines go to the new day's file and the purge runs again.
    clock.set(QDateTime(QDate(2026, 3, 11), QTime(0, 0, 1)));
    log.enqueue("after midnight\n");
    const QString day2 = dir + "/20260311.txt";
    QTRY_COMPARE(readAll(day2), QStringLiteral("after midnight\n"));
    QVERIFY(!QFile::exists(dir + "/20260303.txt"));
    QVERIFY(QFile::exists(day1));
    QCOMPARE(log.currentLogFilePath(), QFileInfo(day2).absoluteFilePath());
    log.stop();
    log.stop(); // a second stop returns at once
    QVERIFY(log.isFinished());
}

void tst_LogHandler::purgeWaitsForRetention()
{
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/log";
    QVERIFY(QDir().mkpath(dir));
    touch(dir + "/20260309.txt");

    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    LogHandler log;
    log.setLogDir(dir);
    log.setIntervalMs(10);
    log.setClock(clock.fn());
    log.enqueue("line\n");
    log.start();
    QTRY_VERIFY(QFile::exists(dir + "/20260310.txt"));
    QVERIFY(clock.passes());
    QVERIFY(QFile::exists(dir + "/20260309.txt")); // retention not known yet

    // Retention arrives once the database is open; 0 keeps only today.
    log.setLogClearDays(0);
    QTRY_VERIFY(!QFile::exists(dir + "/20260309.txt"));
    QVERIFY(QFile::exists(dir + "/20260310.txt"));
    log.stop();
}

void tst_LogHandler::stopWritesQueuedLines()
{
    QTemporaryDir tmp;
    LogHandler log;
    log.setLogDir(tmp.path());
    log.setIntervalMs(60000);
    log.setClock(fixedNoon);
    log.start();
    for (int i = 0; i < 1000; ++i)
        log.enqueue(QStringLiteral("line %1\n").arg(i));
    log.stop();
    const QString text = readAll(tmp.path() + "/" + kFixedDay + ".txt");
    QCOMPARE(text.count('\n'), 1000);
    QVERIFY(text.startsWith("line 0\n"));
    QVERIFY(text.endsWith("line 999\n"));
    QCOMPARE(log.queuedLineCount(), 0);
}

void tst_LogHandler::unwritableFolderKeepsLines()
{
    QTemporaryDir tmp;
    touch(tmp.path() + "/file");
    LogHandler log;
    FakeClock clock(fixedNoon());
    log.setLogDir(tmp.path() + "/file/log"); // below a plain file: cannot exist
    log.setIntervalMs(10);
    log.setClock(clock.fn());
    log.enqueue("kept\n");
    log.start();
    QTRY_VERIFY(!log.currentLogFilePath().isEmpty());
    QVERIFY(clock.passes());
    log.stop();
    QCOMPARE(log.queuedLineCount(), 1);
}

namespace {

// Mode bits of what is at path itself (a link is not followed); -1 when nothing.
int modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

// What stands where the log folder goes decides what the writer may do: it
// makes a missing folder user-only, writes into a folder that is there as it
// is, and leaves a file, a link to a shared folder and a read-only folder
// exactly as they are, saying once that the log cannot be written.
void tst_LogHandler::logFolderIsNeverTakenOver_data()
{
    QTest::addColumn<QString>("place"); // what is at <folder>/log
    QTest::addColumn<int>("mode");      // its mode afterwards
    QTest::addColumn<bool>("written");
    QTest::newRow("missing") << "missing" << 0700 << true;
    QTest::newRow("operator's folder") << "folder" << 0755 << true;
    QTest::newRow("operator's file") << "file" << 0644 << false;
    QTest::newRow("link to a shared folder") << "link" << 0777 << false;
    QTest::newRow("read-only folder") << "read-only" << 0755 << false;
    // Passes between that hold only repeats write nothing: the outage goes on.
    QTest::newRow("full disk, repeats between") << "full" << 0755 << false;
}

void tst_LogHandler::logFolderIsNeverTakenOver()
{
    QFETCH(QString, place);
    QFETCH(int, mode);
    QFETCH(bool, written);
    QTemporaryDir tmp;
    std::unique_ptr<SmallFs> fs;
    QString base = tmp.path();
    if (place == "read-only" || place == "full") {
        fs = std::make_unique<SmallFs>(tmp.path() + "/" + place, 1 << 20);
        if (!fs->mounted())
            QSKIP("no small file system can be mounted here");
        base = fs->dir();
    }
    const QString logDir = base + "/log";
    const QString shared = tmp.path() + "/shared";
    if (place == "folder" || place == "read-only" || place == "full") {
        QVERIFY(QDir().mkdir(logDir));
        QVERIFY(::chmod(QFile::encodeName(logDir).constData(), 0755) == 0);
    } else if (place == "file") {
        touch(logDir);
        QVERIFY(::chmod(QFile::encodeName(logDir).constData(), 0644) == 0);
    } else if (place == "link") {
        QVERIFY(QDir().mkdir(shared));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        touch(shared + "/someone-else.txt");
        QVERIFY(QFile::link(shared, logDir));
    }
    if (place == "read-only")
        QVERIFY(fs->setReadOnly(true));
    if (place == "full") {
        QFile filler(fs->path("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const QByteArray fileBefore = readAll(logDir).toUtf8();

    LogHandler log;
    QueuedSpy said(&log, &LogHandler::logUnwritable);
    FakeClock clock(fixedNoon());
    log.setLogDir(logDir);
    log.setIntervalMs(10);
    log.setClock(clock.fn());
    log.enqueue("first line\n");
    log.start();
    QVERIFY(clock.passes());
    if (place == "full") {
        log.enqueue("first line\n");
        QVERIFY(clock.passes());
        log.enqueue("first line\n");
        QVERIFY(clock.passes());
    }
    log.enqueue("second line\n");
    QVERIFY(clock.passes(5));
    log.stop();
    QCoreApplication::processEvents(); // the queued notices

    QCOMPARE(modeOf(logDir), mode);
    const QString day = logDir + "/" + kFixedDay + ".txt";
    if (written) {
        QCOMPARE(readAll(day), QStringLiteral("first line\nsecond line\n"));
        QCOMPARE(modeOf(day), 0600);
        QCOMPARE(said.size(), 0);
        return;
    }
    QCOMPARE(said.size(), 1);
    QCOMPARE(said.first().at(0).toString(), log.currentLogFilePath());
    // In the words that say what to do.
    const QString reason = said.first().at(1).toString();
    QVERIFY(!reason.isEmpty());
    if (place == "full")
        QCOMPARE(reason, QStringLiteral("no space left on the disk"));
    else if (place == "read-only")
        QCOMPARE(reason, QStringLiteral("the disk is read-only"));
    if (place == "link") {
        QCOMPARE(modeOf(shared), 01777);
        QCOMPARE(QDir(shared).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"someone-else.txt"});
    } else if (place == "file") {
        QCOMPARE(readAll(logDir).toUtf8(), fileBefore);
    } else if (place == "full") {
        QCOMPARE(readAll(day), QString());
    } else {
        QVERIFY(!QFile::exists(day));
    }
}

void tst_LogHandler::installedHandlerWritesLines()
{
    QTemporaryDir tmp;
    LogHandler *log = LogHandler::instance();
    QVERIFY(log);
    QCOMPARE(LogHandler::instance(), log);
    log->setLogDir(tmp.path());
    log->setIntervalMs(10);
    log->setClock(fixedNoon);
    log->start();
    const QtMessageHandler previous = qInstallMessageHandler(LogHandler::messageHandler);
    const int line = __LINE__ + 1;
    qWarning("written by the thread %s", "ok");
    qInstallMessageHandler(previous);

    const QString path = tmp.path() + "/" + kFixedDay + ".txt";
    QTRY_VERIFY(readAll(path).contains("written by the thread ok"));
    const QString text = readAll(path);
    const QRegularExpression re(
        QStringLiteral("^Warn  \\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d \\[thread-[0-9a-f]+\\] "
                       "tst_LogHandler::installedHandlerWritesLines:%1 - written by the thread ok \\n$")
            .arg(line));
    QVERIFY2(re.match(text).hasMatch(), qPrintable(text));
    log->stop();
}

// A flood of lines: repeated ones are written once with a count, and a day's
// file never grows past its bound, whatever comes.
void tst_LogHandler::floodIsBoundedAndCollapsed_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("distinct");     // messages cycled through
    QTest::addColumn<QString>("numbered"); // "": as they are, else every line its own number
    QTest::addColumn<int>("written");      // lines in the file, -1: as the bound allows
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one line again and again")
        << 20000 << 1 << QString() << 2
        << QStringList{"- alarm stored without linkage \n", "- alarm stored without linkage (repeated 19999 times) \n"};
    QTest::newRow("two lines in turn") << 10000 << 2 << QString() << 4
                                       << QStringList{"- alarm stored without linkage 0 (repeated 4999 times) \n",
                                                      "- alarm stored without linkage 1 (repeated 4999 times) \n"};
    QTest::newRow("fifty devices in turn")
        << 50000 << 50 << QString() << 100 << QStringList{"- alarm stored without linkage 49 (repeated 999 times) \n"};
    QTest::newRow("every line different")
        << 60000 << 1 << QStringLiteral("#") << -1
        << QStringList{"Today's log has reached its bound of 65536 bytes: the rest of today's lines are dropped"};
    // Counts stand where their last repeat stood, stamped with its time, so
    // the times never go back; a line seen twice is simply written twice.
    const QString at = QStringLiteral("12:00:00.%1 [thread-1f] DeviceAlarmHandler::startAlarmLinkage:42 - ");
    QTest::newRow("a line seen twice") << 2 << 1 << QString() << 2
                                       << QStringList{at.arg("000") + "alarm stored without linkage \n",
                                                      at.arg("001") + "alarm stored without linkage \n"};
    QTest::newRow("twice, another line between") << 3 << 2 << QString() << 3
                                                 << QStringList{at.arg("000") + "alarm stored without linkage 0 \n",
                                                                at.arg("001") + "alarm stored without linkage 1 \n",
                                                                at.arg("002") + "alarm stored without linkage 0 \n"};
    QTest::newRow("count before the next line")
        << 4 << 1 << QStringLiteral("last") << 3
        << QStringList{at.arg("000") + "alarm stored without linkage \n",
                       at.arg("002") + "alarm stored without linkage (repeated 2 times) \n",
                       at.arg("003") + "alarm stored without linkage #3 \n"};
    QTest::newRow("count before the last line")
        << 5 << 1 << QString() << 2
        << QStringList{at.arg("000") + "alarm stored without linkage \n",
                       at.arg("004") + "alarm stored without linkage (repeated 4 times) \n",
                       "- fatal after the flood \n"};
}

void tst_LogHandler::floodIsBoundedAndCollapsed()
{
    QFETCH(int, lines);
    QFETCH(int, distinct);
    QFETCH(QString, numbered);
    QFETCH(int, written);
    QFETCH(QStringList, expected);
    const qint64 bound = 64 << 10;
    QTemporaryDir tmp;
    FakeClock clock(fixedNoon());
    LogHandler log;
    log.setLogDir(tmp.path());
    log.setIntervalMs(10);
    log.setClock(clock.fn());
    log.setMaxDayBytes(bound);
    log.start();
    const QMessageLogContext context("AlarmHandler.cpp", 42, "void DeviceAlarmHandler::startAlarmLinkage(int)",
                                     "default");
    // From another thread, as the alarms come, while the writer drains.
    std::unique_ptr<QThread> flood(QThread::create([&] {
        for (int i = 0; i < lines; ++i) {
            QString message = QStringLiteral("alarm stored without linkage");
            if (distinct > 1)
                message += QStringLiteral(" %1").arg(i % distinct);
            if (numbered == QLatin1String("#") || (numbered == QLatin1String("last") && i == lines - 1))
                message += QStringLiteral(" #%1").arg(i);
            log.enqueue(LogHandler::formatLine(QtWarningMsg, context, message, fixedNoon().addMSecs(i % 1000), 0x1f));
        }
    }));
    flood->start();
    QVERIFY(flood->wait(60000));
    log.enqueue(LogHandler::formatLine(QtFatalMsg, context, "fatal after the flood", fixedNoon(), 0x1f));
    log.stop();

    const QString path = tmp.path() + "/" + kFixedDay + ".txt";
    QVERIFY(QFileInfo(path).size() <= bound);
    const QStringList fileLines = readAll(path).split('\n', Qt::SkipEmptyParts);
    if (written >= 0)
        QCOMPARE(fileLines.size(), written + 1);
    else
        QVERIFY(fileLines.size() < lines);
    // In this order.
    const QString content = readAll(path);
    int from = 0;
    for (const QString &text : qAsConst(expected)) {
        const int found = content.indexOf(text, from);
        QVERIFY2(found >= 0, qPrintable(text + "\nin\n" + content.left(2000)));
        from = found + text.size();
    }
    QVERIFY(content.contains("- fatal after the flood \n"));
    if (numbered != QLatin1String("#"))
        return;

    // The next day's file starts with what the day before had to drop.
    LogHandler next;
    next.setLogDir(tmp.path());
    next.setIntervalMs(10);
    next.setClock(clock.fn());
    next.setMaxDayBytes(bound);
    QFile again(path);
    QVERIFY(again.open(QIODevice::ReadOnly));
    const QByteArray before = again.readAll();
    again.close();
    next.start();
    next.enqueue("one more of the full day\n");
    QVERIFY(clock.passes());
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), before); // an earlier run's full day stays full
    again.close();
    clock.set(fixedNoon().addDays(1));
    QVERIFY(clock.passes()); // a line queued now cannot land in the full day
    next.enqueue("after midnight\n");
    const QString day2 = tmp.path() + "/20260311.txt";
    QTRY_VERIFY(readAll(day2).contains("after midnight"));
    next.stop();
    QVERIFY2(QRegularExpression("^Warn  .* - \\d+ lines of 20260310 were dropped over the day's bound")
                 .match(readAll(day2))
                 .hasMatch(),
             qPrintable(readAll(day2)));
}

void tst_LogHandler::queueIsBounded()
{
    QTemporaryDir tmp;
    LogHandler log;
    log.setLogDir(tmp.path());
    log.setIntervalMs(10);
    log.setClock(fixedNoon);
    for (int i = 0; i < LogHandler::MaxQueuedLines + 25; ++i)
        log.enqueue(QStringLiteral("waiting %1\n").arg(i));
    QCOMPARE(log.queuedLineCount(), LogHandler::MaxQueuedLines);
    log.start();
    log.stop();
    const QString text = readAll(tmp.path() + "/" + kFixedDay + ".txt");
    QVERIFY(text.contains(
        QStringLiteral("- 25 lines were dropped: more than %1 waited for the log \n").arg(LogHandler::MaxQueuedLines)));
    QVERIFY(text.contains(QStringLiteral("waiting %1\n").arg(LogHandler::MaxQueuedLines - 1)));
}

// Runs in a child process: Qt aborts after a fatal message.
static int fatalChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    LogHandler *log = LogHandler::instance();
    log->setLogDir(qEnvironmentVariable("KELVO_LOG_FATAL_DIR"));
    log->setIntervalMs(600000);
    log->setClock(fixedNoon);
    qInstallMessageHandler(LogHandler::messageHandler);
    log->start();
    qDebug("queued before fatal");
    qFatal("fatal line");
    return 0;
}

void tst_LogHandler::fatalLineIsWritten()
{
    QTemporaryDir tmp;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KELVO_LOG_FATAL_DIR", tmp.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);

    const QString path = tmp.path() + "/" + kFixedDay + ".txt";
    const QString text = readAll(path);
    QVERIFY2(text.contains("queued before fatal \n"), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression("^Fatal .* - fatal line \\n", QRegularExpression::MultilineOption)),
             qPrintable(text));
    QVERIFY(text.indexOf("queued before fatal") < text.indexOf("fatal line"));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("KELVO_LOG_FATAL_DIR"))
        return fatalChild(argc, argv);
    QCoreApplication app(argc, argv);
    tst_LogHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_loghandler.moc"
