// The log writer's crash path: queued lines reach the day file through the
// descriptor opened in advance, byte for byte as the normal writer puts them.

#include "LogHandler.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

// The writer's own clock: a file name built from the wall clock would name
// tomorrow's file for a test that runs across midnight.
QDateTime fixedNoon()
{
    return QDateTime(QDate(2026, 3, 10), QTime(12, 0));
}
const QString kFixedDay = QStringLiteral("20260310");

} // namespace

class TestEmergencyFlush : public QObject
{
    Q_OBJECT

    static int modeOf(const QString &path)
    {
        struct stat st
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    }

private slots:
    void writesTheQueueAsUtf8()
    {
        const QString dir = QDir::current().absoluteFilePath(QStringLiteral("log"));
        LogHandler handler;
        handler.setLogDir(dir);
        handler.setClock(fixedNoon);
        // Nothing prepared: nothing written, no crash.
        handler.emergencyFlush();
        QVERIFY(handler.prepareEmergencyFlush());

        const QStringList lines{QStringLiteral("Info  plain line \n"),
                                QStringLiteral("Warn  Gerät Überwachung 监控 \n"),
                                QStringLiteral("Error emoji \U0001F4F7 and a lone \xE9 \n")};
        for (const QString &line : lines)
            handler.enqueue(line);
        handler.emergencyFlush();

        const QString path = QDir(dir).filePath(kFixedDay + ".txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), lines.join(QString()).toUtf8());
        // The queue is left as it was: the process is about to end.
        QCOMPARE(handler.queuedLineCount(), lines.size());
    }

    // The day files carry device passwords: the files the writer and the
    // crash path make are 0600; a folder and a file that were there keep
    // their modes (the client changes no mode of what it did not make).
    void logFilesAreUserOnly()
    {
        const QString dir = QDir::current().absoluteFilePath(QStringLiteral("log4"));
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(::chmod(QFile::encodeName(dir).constData(), 0755) == 0);
        const QDate day(2026, 3, 1);
        const QString path = QDir(dir).filePath(QStringLiteral("20260301.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);

        LogHandler handler;
        handler.setLogDir(dir);
        handler.setClock([day] { return QDateTime(day, QTime(12, 0)); });
        handler.createLogFile();
        QCOMPARE(modeOf(dir), 0755);
        QCOMPARE(modeOf(path), 0644);
        // The next day's file is created user-only, by the writer and by the crash path.
        handler.setClock([day] { return QDateTime(day.addDays(1), QTime(0, 1)); });
        QVERIFY(handler.prepareEmergencyFlush());
        QCOMPARE(modeOf(QDir(dir).filePath(QStringLiteral("20260302.txt"))), 0600);
    }

    // The crash path follows the writer's day change: a crash after midnight
    // lands in the new day's file.
    void emergencyFileFollowsTheDay()
    {
        const QString dir = QDir::current().absoluteFilePath(QStringLiteral("log5"));
        QDateTime now(QDate(2026, 3, 1), QTime(23, 59));
        LogHandler handler;
        handler.setLogDir(dir);
        handler.setClock([&now] { return now; });
        QVERIFY(handler.prepareEmergencyFlush());
        handler.createLogFile();
        now = now.addSecs(120);
        handler.createLogFile(); // the writer's day change
        handler.enqueue(QStringLiteral("after midnight \n"));
        handler.emergencyFlush();
        QFile file(QDir(dir).filePath(QStringLiteral("20260302.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("after midnight \n"));
        QFile before(QDir(dir).filePath(QStringLiteral("20260301.txt")));
        QVERIFY(before.open(QIODevice::ReadOnly));
        QVERIFY(before.readAll().isEmpty());
    }

    void loneSurrogateStaysValid()
    {
        const QString dir = QDir::current().absoluteFilePath(QStringLiteral("log3"));
        LogHandler handler;
        handler.setLogDir(dir);
        handler.setClock(fixedNoon);
        QVERIFY(handler.prepareEmergencyFlush());
        QString line = QStringLiteral("half ");
        line += QChar(0xD83D);
        line += QStringLiteral(" pair \n");
        handler.enqueue(line);
        handler.emergencyFlush();
        QFile file(QDir(dir).filePath(kFixedDay + ".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("half \xEF\xBF\xBD pair \n"));
    }

    void longQueueCrossesTheBuffer()
    {
        const QString dir = QDir::current().absoluteFilePath(QStringLiteral("log2"));
        LogHandler handler;
        handler.setLogDir(dir);
        handler.setClock(fixedNoon);
        QVERIFY(handler.prepareEmergencyFlush());
        QString expected;
        for (int i = 0; i < 500; ++i) {
            const QString line = QStringLiteral("Debug line %1 %2 \n").arg(i).arg(QString(40, QChar(0x4E2D)));
            handler.enqueue(line);
            expected += line;
        }
        handler.emergencyFlush();
        QFile file(QDir(dir).filePath(kFixedDay + ".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestEmergencyFlush)
#include "tst_emergencyflush.moc"
