// A stack overflow on any thread the client starts still leaves "CMS.dmp":
// the crash runs in a child process (this program again), so the test sees
// the process die and reads what it left.

#include "CrashHandler.h"
#include "ThreadStack.h"

#include <QProcess>
#include <QtTest>

#include <thread>

namespace {

const char kChildDir[] = "KELVO_CRASH_CHILD_DIR";
const char kChildKind[] = "KELVO_CRASH_CHILD_KIND";

// Deep enough to run out of any stack; the volatile frame keeps every level.
volatile bool g_deeper = true;

int overflow(int depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    return g_deeper ? overflow(depth + 1) + frame[0] : 0;
}

int crashChild()
{
    CrashHandler::install(qEnvironmentVariable(kChildDir));
    const QString kind = qEnvironmentVariable(kChildKind);
    if (kind == QLatin1String("main"))
        return overflow(0);
    std::thread worker([] {
        ThreadStack::install();
        overflow(0);
    });
    worker.join();
    return 0;
}

} // namespace

class TestCrashThreads : public QObject
{
    Q_OBJECT

private slots:
    void overflowLeavesDump_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("main thread") << QStringLiteral("main");
        QTest::newRow("worker thread") << QStringLiteral("worker");
    }

    void overflowLeavesDump()
    {
        QFETCH(QString, kind);
        const QString dir = QDir::current().absoluteFilePath(kind);
        QDir(dir).removeRecursively();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(kChildDir), dir);
        env.insert(QLatin1String(kChildKind), kind);
        // The sanitizer must leave the signal and the signal stacks to the client.
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   QStringLiteral("handle_segv=0:use_sigaltstack=0:detect_leaks=0:detect_stack_use_after_return=0"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QFile dump(QDir(dir).filePath(QStringLiteral("CMS.dmp")));
        QVERIFY2(dump.open(QIODevice::ReadOnly), qPrintable(kind));
        const QByteArray text = dump.readAll();
        QVERIFY2(text.startsWith("Fatal error: SIGSEGV (11)\nAddress: 0x"), text.constData());
        QVERIFY(text.contains("Backtrace:\n"));
        QCOMPARE(text.count("Fatal error:"), 1);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildDir))
        return crashChild();
    QCoreApplication app(argc, argv);
    TestCrashThreads test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashthreads.moc"
