// The log writer's crash path: queued lines reach the day file through the
// descriptor opened in advance, byte for byte as the normal writer puts them.

#include "LogHandler.h"

#include <QtTest>

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

        const QStringList lines {QStringLiteral("Info  plain line \n"),
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
