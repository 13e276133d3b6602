// The client program as a whole, started the way an operator starts it: first
// start on an empty folder, rights of the logged-in account, single instance,
// and a crash leaving its dump and the queued log lines.

#include "ClientProcess.h"

#include <QLocalSocket>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <cstring>
#include <unistd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <xcb/xcb.h>

namespace {

const QString kAllCards =
    QStringLiteral("home cards: LiveVideo,Playback,StorageSchedule,DeviceManagement,Settings,Access,Events");

QString uniqueInstance(const char *name)
{
    return QStringLiteral("tst_client_%1_%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(name));
}

QString socketPath(const QString &instance)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(instance + QStringLiteral(".instance"));
}

// A socket file nobody listens on, as a killed client leaves it.
bool makeStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (size_t(bytes.size()) >= sizeof(addr.sun_path)) {
        ::close(fd);
        return false;
    }
    std::memcpy(addr.sun_path, bytes.constData(), size_t(bytes.size()));
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return ok && QFile::exists(path);
}

// The one window shown on a display where only the client runs.
xcb_window_t shownWindow(xcb_connection_t *x)
{
    xcb_window_t shown = 0;
    xcb_query_tree_reply_t *tree =
        xcb_query_tree_reply(x, xcb_query_tree(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root), nullptr);
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree); ++i) {
        const xcb_window_t child = xcb_query_tree_children(tree)[i];
        auto *seen = xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, child), nullptr);
        if (seen && seen->map_state == XCB_MAP_STATE_VIEWABLE)
            shown = child;
        free(seen);
    }
    free(tree);
    return shown;
}

} // namespace

class TestClient : public QObject
{
    Q_OBJECT

private slots:
    void firstStartSeedsAndLogsIn()
    {
        const QString instance = uniqueInstance("first");
        QVERIFY(makeStaleSocket(socketPath(instance)));

        ClientProcess client(QStringLiteral("first"), instance);
        QVERIFY(client.start());
        QVERIFY2(client.waitForLog(kAllCards), qPrintable(client.log() + client.output()));
        const QString log = client.log();
        QVERIFY(log.contains(QStringLiteral("Creating database")));
        QVERIFY(log.contains(QStringLiteral("Automatic login: \"admin\"")));
        QVERIFY(log.contains(QStringLiteral("Start-up 100 % Finished")));
        QVERIFY(QFileInfo::exists(QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite"))));

        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
            db.setDatabaseName(QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite")));
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("SELECT Name, Rights FROM CMS_User")));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("admin"));
            QCOMPARE(query.value(1).toString(), QStringLiteral("1111111"));
            QVERIFY(!query.next());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
        // The stale socket was replaced by the running instance's server.
        QLocalSocket probe;
        probe.connectToServer(socketPath(instance));
        QVERIFY(probe.waitForConnected(2000));
    }

    // Another program's database in the client's folder is refused with a
    // message and left exactly as it was: the client never runs empty on it.
    void foreignDatabaseIsRefused()
    {
        ClientProcess client(QStringLiteral("foreign"), uniqueInstance("foreign"));
        const QString file = QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE songs (id INTEGER PRIMARY KEY, title TEXT)")));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO songs (title) VALUES ('first')")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0644) == 0);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();

        QVERIFY(client.start());
        QVERIFY2(client.waitForLog(QStringLiteral("Database refused, left unchanged:")),
                 qPrintable(client.log() + client.output()));
        // The message waits for the operator; nothing else has started.
        QCOMPARE(client.process().state(), QProcess::Running);
        QVERIFY(!client.log().contains(QStringLiteral("Automatic login")));
        QVERIFY(!client.log().contains(QStringLiteral("Rights ")));
        client.kill();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        struct stat st
        {
        };
        QVERIFY(::stat(QFile::encodeName(file).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), 0644);
    }

    void rightsLimitTheCards()
    {
        const QString error = seedAutoLogin(QStringLiteral("rights"), QStringLiteral("1001000"));
        QVERIFY2(error.isEmpty(), qPrintable(error));

        ClientProcess client(QStringLiteral("rights"), uniqueInstance("rights"));
        QVERIFY(client.start());
        QVERIFY2(client.waitForLog(QStringLiteral("Rights 1001000 home cards: LiveVideo,DeviceManagement \n")),
                 qPrintable(client.log() + client.output()));
        QVERIFY(client.log().contains(QStringLiteral("Automatic login: \"operator\"")));
    }

    void secondStartRaisesTheFirst()
    {
        const QString instance = uniqueInstance("single");
        ClientProcess first(QStringLiteral("single1"), instance);
        QVERIFY(first.start());
        QVERIFY2(first.waitForLog(kAllCards), qPrintable(first.log() + first.output()));

        ClientProcess second(QStringLiteral("single2"), instance);
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(15000));
        QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process().exitCode(), 0);
        // It ended before opening a database or a log of its own.
        QVERIFY(!QFileInfo::exists(QDir(second.dir()).filePath(QStringLiteral("Kelvo.sqlite"))));
        QVERIFY(second.log().isEmpty());

        QVERIFY2(first.waitForLog(QStringLiteral("Another start asked this instance to come to the front")),
                 qPrintable(first.log()));
        QCOMPARE(first.process().state(), QProcess::Running);
    }

    // The splash waiting for a database another program holds, destroyed by
    // yet another program (not closed): the start ends as a close ends it.
    void destroyedSplashEndsTheStart()
    {
        const QString error = seedAutoLogin(QStringLiteral("splash"), QStringLiteral("1111111"));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QProcess xvfb; // a display of its own
        xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1")});
        QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), 30000);
        const QString display = QLatin1Char(':') + QString::fromLatin1(xvfb.readLine().trimmed());
        std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t *)> x(xcb_connect(qPrintable(display), nullptr),
                                                                          xcb_disconnect);
        ClientProcess client(QStringLiteral("splash"), uniqueInstance("splash"));
        client.setEnv(QStringLiteral("DISPLAY"), display);
        client.setEnv(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        client.setEnv(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:strict_string_checks=0"));
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite")));
        QVERIFY(holder.open() && QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(client.start());
        xcb_window_t splash = 0;
        QTRY_VERIFY_WITH_TIMEOUT((splash = shownWindow(x.get())) != 0, 30000);
        xcb_destroy_window(x.get(), splash);
        xcb_flush(x.get());
        QVERIFY2(client.process().waitForFinished(30000), qPrintable(client.log()));
        QCOMPARE(client.process().exitCode(), 0);
        QVERIFY(client.log().contains(QStringLiteral("Closed while waiting for the database")));
        holder.close();
        xvfb.terminate();
        xvfb.waitForFinished();
    }

    void sigsegvLeavesDumpAndFlushedLog()
    {
        const QString instance = uniqueInstance("crash");
        ClientProcess client(QStringLiteral("crash"), instance);
        // The sanitizer would otherwise take the signal itself.
        client.setEnv(QStringLiteral("ASAN_OPTIONS"),
                      QStringLiteral("handle_segv=0:detect_leaks=0:strict_string_checks=0"));
        QVERIFY(client.start());
        QVERIFY2(client.waitForLog(kAllCards), qPrintable(client.log() + client.output()));

        // A line the client logs right now sits in its queue, not yet written:
        // the log writer passes only every five seconds. The second start
        // ends once the first has answered, so after it has logged the line.
        ClientProcess second(QStringLiteral("crash2"), instance);
        QVERIFY(second.start());
        QVERIFY(second.process().waitForFinished(15000));
        QVERIFY(::kill(pid_t(client.pid()), SIGSEGV) == 0);
        QVERIFY(client.process().waitForFinished(15000));
        QCOMPARE(client.process().exitStatus(), QProcess::CrashExit);

        QFile dump(QDir(client.dir()).filePath(QStringLiteral("CMS.dmp")));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(dump.readAll());
        QVERIFY2(text.contains(QStringLiteral("Fatal error: SIGSEGV (11)")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Address: 0x")));
        QVERIFY(text.contains(QStringLiteral("Backtrace:")));
        QVERIFY(text.count(QLatin1Char('\n')) > 4);
        QVERIFY2(client.log().contains(QStringLiteral("Another start asked this instance to come to the front")),
                 qPrintable(client.log()));
    }
};

QTEST_MAIN(TestClient)
#include "tst_client.moc"
