// The client program started on a database that holds a device, against a
// simulated device in this (separate) process: the login request and its body,
// the three follow-up requests with their spacing, the heartbeat, and the new
// login after the device drops the connection.

#include "ClientProcess.h"
#include "OrmHelper.h"
#include "SimDevice.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class TestClientLogin : public QObject
{
    Q_OBJECT

private slots:
    void loginSequenceOfTheClient()
    {
        SimDevice peer(SimDevice::Ipc);
        QElapsedTimer clock;
        clock.start();
        QList<QPair<unsigned, qint64>> times;
        connect(&peer, &SimDevice::requestReceived, this, [&](const SimRequest &r) {
            times.append({r.cmd, clock.elapsed()});
        });
        const auto timeOf = [&times](unsigned cmd, int n) -> qint64 {
            for (const auto &t : qAsConst(times)) {
                if (t.first == cmd && n-- == 0)
                    return t.second;
            }
            return -1;
        };
        peer.state().user = QStringLiteral("op&1");
        peer.state().password = QStringLiteral("p<w>&9");
        QVERIFY(peer.listen(QHostAddress(QStringLiteral("127.62.0.1")), 0));

        const QString error = seedAutoLogin(QStringLiteral("client"), QStringLiteral("1111111"), [&peer]() {
            FUN_DEV_INFO dev;
            dev.ip = peer.address().toString();
            dev.sn = dev.ip;
            dev.devPort = peer.port();
            dev.devType = 0;
            dev.name = QStringLiteral("door");
            dev.userName = peer.state().user;
            dev.password = peer.state().password;
            OrmHelper::AddDevs({&dev});
        });
        QVERIFY2(error.isEmpty(), qPrintable(error));

        ClientProcess client(QStringLiteral("client"),
                             QStringLiteral("tst_clientlogin_%1").arg(QCoreApplication::applicationPid()));
        QVERIFY(client.start());

        QTRY_VERIFY2_WITH_TIMEOUT(peer.requestCount(13002) > 0, qPrintable(client.output()), 60000);
        const QList<SimRequest> logins = peer.requests(14012);
        QVERIFY(!logins.isEmpty());
        QCOMPARE(logins.first().bodyText,
                 QStringLiteral("<userName>op&amp;1</userName><password>p&lt;w>&amp;9</password>"));
        QCOMPARE(logins.first().body.value(QStringLiteral("password")), QStringLiteral("p<w>&9"));

        const qint64 login = timeOf(14012, 0);
        const qint64 caps = timeOf(15003, 0);
        const qint64 version = timeOf(14002, 0);
        const qint64 network = timeOf(13002, 0);
        QVERIFY(login >= 0 && caps >= login);
        // The delays start when the client reads the login reply, which the peer
        // sends after stamping the login: measured from that stamp they are lower
        // bounds the client controls (a coarse timer may fire 5 % early). A busy
        // event loop only delays the sends, so beyond that only the order counts.
        QVERIFY2(version - login >= 45, qPrintable(QString::number(version - login)));
        QVERIFY2(network - login >= 90, qPrintable(QString::number(network - login)));
        QVERIFY(version >= caps && network >= version);

        // The heartbeat keeps the session (every 30 s by default).
        QTRY_VERIFY_WITH_TIMEOUT(peer.requestCount(35001) > 0, 40000);
        // Logged in once: the reply arrived, so the 1000 ms repeat stayed away;
        // it would have come ahead of the heartbeat on the same connection.
        QCOMPARE(peer.requestCount(14012), 1);
        QVERIFY(client.waitForLog(QStringLiteral(" login status: 1")));

        // The device drops the connection: the client connects and logs in again.
        peer.dropConnections();
        QTRY_VERIFY_WITH_TIMEOUT(peer.requestCount(14012) >= 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(peer.requestCount(13002) >= 2, 5000);
        QCOMPARE(peer.requests(14012).last().body.value(QStringLiteral("userName")), QStringLiteral("op&1"));
        QCOMPARE(peer.connectionCount(), 1);

        // The serial number reported at first login replaced the address.
        client.kill();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(QDir(client.dir()).filePath(QStringLiteral("Kelvo.sqlite")));
        QVERIFY(db.open());
        {
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("SELECT DevSN FROM CMS_Devices")));
            QVERIFY(query.next());
            QCOMPARE(query.value(0).toString(), peer.uid());
        }
        db.close();
    }
};

QTEST_GUILESS_MAIN(TestClientLogin)
#include "tst_clientlogin.moc"
