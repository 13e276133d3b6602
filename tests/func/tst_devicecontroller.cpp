// The device side of the main window against simulated devices on loopback:
// login sequence, follow-up requests, heartbeat, channel records, reconnect,
// and the add / delete / modify handlers with a real database file.

#include "../cms/DeviceRoundTrip.h"
#include "../support/StoredRows.h"
#include "../support/HeldDatabase.h"
#include "CommandProcessor.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <memory>

namespace {

// A simulated device with the arrival time of every request.
struct Peer
{
    explicit Peer(SimDevice::Kind kind)
        : dev(kind)
    {
        clock.start();
        QObject::connect(&dev, &SimDevice::requestReceived, &dev, [this](const SimRequest &r) {
            times.append({r.cmd, clock.elapsed()});
        });
    }
    bool listen(const QString &ip) { return dev.listen(QHostAddress(ip), 0); }
    QString ip() const { return dev.address().toString(); }
    // Arrival time of the n-th request of cmd (from 0), -1 when absent.
    qint64 timeOf(unsigned cmd, int n = 0) const
    {
        for (const auto &t : times) {
            if (t.first == cmd && n-- == 0)
                return t.second;
        }
        return -1;
    }
    FUN_DEV_INFO *record(const QString &name) const
    {
        auto *rec = new FUN_DEV_INFO;
        rec->ip = ip();
        rec->sn = ip();
        rec->devPort = dev.port();
        rec->devType = dev.kind() == SimDevice::Nvr ? 1 : 0;
        rec->name = name;
        return rec;
    }

    SimDevice dev;
    QElapsedTimer clock;
    QList<QPair<unsigned, qint64>> times;
};

QSharedPointer<CMS_Devices> rowOf(const QString &ip)
{
    for (const auto &row : storedDevices()) {
        if (row->DevIP == ip)
            return row;
    }
    return {};
}

} // namespace

class TestDeviceController : public QObject
{
    Q_OBJECT

    std::unique_ptr<Peer> m_ipc;
    std::unique_ptr<Peer> m_nvr;
    std::unique_ptr<DeviceController> m_ctl;

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        SdkTimings t;
        t.heartbeatIntervalMs = 700;
        t.replyTimeoutMs = 500;
        t.reconnectUnitMs = 50;
        KelvoSDKHelper::instance()->setTimings(t);
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));

        m_ipc = std::make_unique<Peer>(SimDevice::Ipc);
        m_ipc->dev.setStoredBody(15003, "<CapList>+audio+PD1+OSD1</CapList>");
        QVERIFY(m_ipc->listen("127.61.0.1"));
        m_nvr = std::make_unique<Peer>(SimDevice::Nvr);
        m_nvr->dev.state().maxChannels = 4;
        m_nvr->dev.state().channelStates = "1100";
        QVERIFY(m_nvr->listen("127.61.0.2"));

        FUN_DEV_INFO ipc = *std::unique_ptr<FUN_DEV_INFO>(m_ipc->record("cam"));
        FUN_DEV_INFO nvr = *std::unique_ptr<FUN_DEV_INFO>(m_nvr->record("recorder"));
        OrmHelper::AddDevs({&ipc, &nvr});

        m_ctl = std::make_unique<DeviceController>();
    }

    void cleanupTestCase()
    {
        if (m_ctl)
            m_ctl->closeApp();
        m_ctl.reset();
        // The sessions logged out are deleted later: now, before the peers go.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void loginSequence()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *ipc = reg->findDevInfo(m_ipc->ip());
        FUN_DEV_INFO *nvr = reg->findDevInfo(m_nvr->ip());
        QVERIFY(ipc && nvr);
        QCOMPARE(ipc->name, QString("cam"));
        QCOMPARE(ipc->loginStatus, 0);

        m_ctl->onTimeoutLoginDevice();

        QTRY_COMPARE(ipc->loginStatus, 1);
        QTRY_COMPARE(nvr->loginStatus, 1);

        // The login body, with the record's credentials.
        const QList<SimRequest> logins = m_ipc->dev.requests(14012);
        QVERIFY(!logins.isEmpty());
        QCOMPARE(logins.first().bodyText, QString("<userName>admin</userName><password>402917</password>"));

        // Follow-ups: capabilities at once, version after 50 ms, network after 100 ms.
        QTRY_VERIFY(!ipc->mac.isEmpty());
        QTRY_VERIFY(!nvr->mac.isEmpty());
        for (Peer *peer : {m_ipc.get(), m_nvr.get()}) {
            const qint64 login = peer->timeOf(14012);
            const qint64 caps = peer->timeOf(15003);
            const qint64 version = peer->timeOf(14002);
            const qint64 network = peer->timeOf(13002);
            QVERIFY(login >= 0 && caps >= login);
            // The delays start when the client reads the login reply, which the peer
            // sends after stamping the login: measured from that stamp they are lower
            // bounds the client controls (a coarse timer may fire 5 % early). A busy
            // event loop only delays the sends, so beyond that only the order counts.
            QVERIFY2(version - login >= 45, qPrintable(QString::number(version - login)));
            QVERIFY2(network - login >= 90, qPrintable(QString::number(network - login)));
            QVERIFY(version >= caps && network >= version);
        }

        // The multi-channel IPC: capabilities, identity and its channel records.
        QCOMPARE(ipc->channelNum, uint8_t(2));
        QCOMPARE(ipc->capList, QString("+audio+PD1+OSD1"));
        QCOMPARE(ipc->version, QString("V1.2.3.20261201"));
        QCOMPARE(ipc->model, QString("IPC"));
        QCOMPARE(ipc->sdkPlatform, QString("SIGMASTAR"));
        QCOMPARE(ipc->sn, m_ipc->dev.uid());
        QCOMPARE(ipc->mac, m_ipc->dev.storedValue(13002, "MAC"));
        QTRY_VERIFY(reg->findDevInfo(m_ipc->ip() + "_2"));
        QCOMPARE(reg->findDevInfo(m_ipc->ip() + "_1")->name, QString("CH_01"));
        QCOMPARE(reg->findDevInfo(m_ipc->ip() + "_2")->name, QString("CH_02"));
        QVERIFY(!reg->findDevInfo(m_ipc->ip() + "_3"));
        // The serial number that replaced the address is stored.
        QTRY_COMPARE(rowOf(m_ipc->ip())->DevSN, m_ipc->dev.uid());

        // The NVR keeps its own channel count and gets four channel records.
        QCOMPARE(nvr->channelNum, uint8_t(4));
        const QList<FUN_DEV_INFO *> channels = reg->channelsOf(m_nvr->ip());
        QCOMPARE(channels.size(), 4);
        QCOMPARE(channels.at(3)->name, QString("CH_04"));
        QCOMPARE(channels.at(0)->devType, 1);
        QTRY_VERIFY(m_ctl->pendingLogins().isEmpty());
    }

    void heartbeatDrivesNvrChannels()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *nvr = reg->findDevInfo(m_nvr->ip());
        QTRY_COMPARE(nvr->ipcsStat, QString("1100"));
        QList<FUN_DEV_INFO *> channels = reg->channelsOf(m_nvr->ip());
        QTRY_COMPARE(channels.at(0)->loginStatus, 1);
        QCOMPARE(channels.at(1)->loginStatus, 1);
        QCOMPARE(channels.at(2)->loginStatus, 0);
        QCOMPARE(channels.at(3)->loginStatus, 0);

        QSignalSpy changed(m_ctl.get(), &DeviceController::nvrChannelStatusChanged);
        m_nvr->dev.state().channelStates = "0011";
        QTRY_COMPARE(nvr->ipcsStat, QString("0011"));
        QCOMPARE(channels.at(0)->loginStatus, 0);
        QCOMPARE(channels.at(3)->loginStatus, 1);
        QVERIFY(changed.size() >= 1);

        // Heartbeats keep coming while the device answers.
        const int before = m_ipc->dev.requestCount(35001);
        QTRY_VERIFY(m_ipc->dev.requestCount(35001) >= before + 2);
    }

    void reconnectAfterDrop()
    {
        FUN_DEV_INFO *ipc = DeviceInfoManager::instance()->findDevInfo(m_ipc->ip());
        const int logins = m_ipc->dev.requestCount(14012);
        QSignalSpy status(m_ctl.get(), &DeviceController::devStatusChanged);
        m_ipc->dev.dropConnections();
        QTRY_COMPARE(ipc->loginStatus, 0);
        QVERIFY(!status.isEmpty());
        QTRY_VERIFY(m_ipc->dev.requestCount(14012) > logins);
        QTRY_COMPARE(ipc->loginStatus, 1);
        QTRY_VERIFY(m_ipc->dev.requestCount(15003) >= 2);
    }

    void silentDeviceGoesOffline()
    {
        FUN_DEV_INFO *nvr = DeviceInfoManager::instance()->findDevInfo(m_nvr->ip());
        const QList<FUN_DEV_INFO *> channels = DeviceInfoManager::instance()->channelsOf(m_nvr->ip());
        // The session reconnects at once (the device still accepts), so catch
        // the offline state when it is announced.
        bool sawOffline = false;
        bool channelsOffline = false;
        auto c = connect(m_ctl.get(), &DeviceController::nvrChannelStatusChanged, this, [&](FUN_DEV_INFO *d) {
            if (d != nvr || d->loginStatus != 0)
                return;
            sawOffline = true;
            channelsOffline =
                std::all_of(channels.begin(), channels.end(), [](FUN_DEV_INFO *ch) { return ch->loginStatus == 0; });
        });
        const int logins = m_nvr->dev.requestCount(14012);
        m_nvr->dev.setSilent(true);
        QTRY_VERIFY_WITH_TIMEOUT(sawOffline, 8000);
        QVERIFY(channelsOffline);
        m_nvr->dev.setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(m_nvr->dev.requestCount(14012) > logins, 8000);
        QTRY_COMPARE(nvr->loginStatus, 1);
        QTRY_COMPARE(channels.at(3)->loginStatus, 1);
        disconnect(c);
    }

    void loginRepeatedWhilePending()
    {
        Peer slow(SimDevice::Ipc);
        QVERIFY(slow.listen("127.61.0.3"));
        slow.dev.setHandler(14012, [](SimConnection *, const SimRequest &) {});
        FUN_DEV_INFO *rec = slow.record("slow");
        emit SignalsHelper::instance()->signalAddDevs({rec});
        QTRY_COMPARE(slow.dev.requestCount(14012), 1);
        QCOMPARE(m_ctl->pendingLogins(), QList<QString>({slow.ip()}));
        QTRY_COMPARE_WITH_TIMEOUT(slow.dev.requestCount(14012), 2, 3000);
        const qint64 gap = slow.timeOf(14012, 1) - slow.timeOf(14012, 0);
        QVERIFY2(gap >= 990, qPrintable(QString::number(gap)));
        // The repeat is not repeated: a third login would have been sent one
        // delay after the second, before a timer of the same delay started now
        // fires, and would have reached the device ahead of a probe sent then.
        QTimer third;
        third.setSingleShot(true);
        QSignalSpy due(&third, &QTimer::timeout);
        third.start(1000);
        QVERIFY(due.wait(10000));
        QVERIFY(DevicePagesTest::roundTrip(rec));
        QCOMPARE(slow.dev.requestCount(14012), 2);
        // Connected but not logged in: no follow-up requests.
        QCOMPARE(slow.dev.requestCount(15003), 0);
        emit SignalsHelper::instance()->signalDelDevs({rec});
        QTRY_VERIFY(m_ctl->pendingLogins().isEmpty());
    }

    void refusedLogin()
    {
        Peer peer(SimDevice::Ipc);
        QVERIFY(peer.listen("127.61.0.4"));
        FUN_DEV_INFO *rec = peer.record("wrong");
        rec->password = "nope";
        QSignalSpy added(m_ctl.get(), &DeviceController::deviceAdded);
        emit SignalsHelper::instance()->signalAddDevs({rec});
        QCOMPARE(added.size(), 1);
        QVERIFY(rec->dbId > 0);
        QTRY_COMPARE(rec->loginStatus, 2);
        // What the refused reply set off would reach the device ahead of a
        // probe sent now; a heartbeat would need its timer running.
        QVERIFY(DevicePagesTest::roundTrip(rec));
        QVERIFY(!KelvoSDKHelper::instance()->session(toLoginDev(rec))->heartbeatActive());
        QCOMPARE(peer.dev.requestCount(15003), 0);
        QCOMPARE(peer.dev.requestCount(35001), 0);
        QCOMPARE(rec->loginStatus, 2);

        // New credentials: the record is replaced by the copy and logged in again
        // over a new connection; the password goes out escaped and arrives intact.
        const int refusedOn = peer.dev.requests(14012).last().connectionId;
        const int before = peer.dev.requestCount(14012);
        peer.dev.state().password = "p&ss<1>";
        auto *copy = new FUN_DEV_INFO(*rec);
        copy->password = "p&ss<1>";
        emit SignalsHelper::instance()->signalModifyDev(copy);
        auto *reg = DeviceInfoManager::instance();
        QCOMPARE(reg->findDevInfo(peer.ip()), copy);
        // The record counts as logged in from the connect on, before the device
        // has read the login: the capabilities are asked only once its answer
        // is back.
        QTRY_COMPARE(copy->loginStatus, 1);
        QTRY_VERIFY(peer.dev.requestCount(15003) > 0);
        QCOMPARE(copy->loginStatus, 1);
        const QList<SimRequest> logins = peer.dev.requests(14012);
        QVERIFY(logins.size() > before);
        // Nothing after the change carries the old password (a camera counts
        // such a login as a failed one), nor comes over the refused connection.
        for (int i = before; i < logins.size(); ++i) {
            QCOMPARE(logins.at(i).body.value("password"), QString("p&ss<1>"));
            QVERIFY(logins.at(i).connectionId != refusedOn);
        }
        QCOMPARE(peer.dev.requests(14012).last().body.value("password"), QString("p&ss<1>"));
        QCOMPARE(rowOf(peer.ip())->LoginPassword, QString("p&ss<1>"));
        QCOMPARE(rowOf(peer.ip())->id, long(copy->dbId));
        emit SignalsHelper::instance()->signalDelDevs({copy});
    }

    void modifyNameAndGroup()
    {
        auto group = QSharedPointer<CMS_Organization>::create();
        group->Name = "Yard";
        group->ParentId = 1;
        QVERIFY(OrmHelper::saveOrganization(group));

        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *ipc = reg->findDevInfo(m_ipc->ip());
        QSignalSpy edited(m_ctl.get(), &DeviceController::deviceEdited);
        const int logins = m_ipc->dev.requestCount(14012);

        auto *copy = new FUN_DEV_INFO(*ipc);
        copy->name = "front door";
        emit SignalsHelper::instance()->signalModifyDev(copy);
        QCOMPARE(reg->findDevInfo(m_ipc->ip()), ipc);
        QCOMPARE(ipc->name, QString("front door"));
        QCOMPARE(edited.size(), 1);
        QCOMPARE(rowOf(m_ipc->ip())->DevName, QString("front door"));

        copy = new FUN_DEV_INFO(*ipc);
        copy->group = "Yard";
        copy->onvifAuth = 1;
        emit SignalsHelper::instance()->signalModifyDev(copy);
        QCOMPARE(ipc->group, QString("Yard"));
        QCOMPARE(reg->findDevInfo(m_ipc->ip() + "_2")->group, QString("Yard"));
        QCOMPARE(edited.size(), 2);
        QCOMPARE(rowOf(m_ipc->ip())->DevGroup, int(group->id));
        QCOMPARE(ipc->loginStatus, 1);
        QCOMPARE(m_ipc->dev.requestCount(14012), logins);

        // Unknown address: nothing changes (and the copy is freed).
        copy = new FUN_DEV_INFO(*ipc);
        copy->ip = "127.61.9.9";
        emit SignalsHelper::instance()->signalModifyDev(copy);
        emit SignalsHelper::instance()->signalModifyDev(nullptr);
        QCOMPARE(edited.size(), 2);

        // A copy of a channel record leaves its device alone.
        copy = new FUN_DEV_INFO(*reg->findDevInfo(m_ipc->ip() + "_1"));
        copy->password = "other";
        emit SignalsHelper::instance()->signalModifyDev(copy);
        QCOMPARE(ipc->name, QString("front door"));
        QCOMPARE(reg->findDevInfo(m_ipc->ip()), ipc);
        QCOMPARE(m_ipc->dev.requestCount(14012), logins);
    }

    void deleteNvr()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *nvr = reg->findDevInfo(m_nvr->ip());
        QVERIFY(nvr);
        QStringList order;
        QObject receiver; // the connections end with this function
        connect(m_ctl.get(), &DeviceController::removeFromRecordSchedules, &receiver, [&] { order << "schedules"; });
        connect(m_ctl.get(), &DeviceController::devicesDeleting, &receiver, [&] { order << "table"; });
        connect(m_ctl.get(), &DeviceController::deviceRemoving, &receiver,
                [&](FUN_DEV_INFO *d) { order << devKey(d) + (reg->findDevInfo(devKey(d)) ? "" : " gone"); });
        emit SignalsHelper::instance()->signalDelDevs({nvr});
        const QString ip = m_nvr->ip();
        QCOMPARE(order, QStringList({"schedules", "table", ip + "_1", ip + "_2", ip + "_3", ip + "_4", ip}));
        QVERIFY(!reg->findDevInfo(ip));
        QVERIFY(reg->channelsOf(ip).isEmpty());
        QVERIFY(!rowOf(ip));
        QVERIFY(rowOf(m_ipc->ip()));
        QVERIFY(!KelvoSDKHelper::instance()->hasSession(m_nvr->dev.loginKey()));
        QTRY_COMPARE(m_nvr->dev.connectionCount(), 0);
        QCOMPARE(nvr->ip, ip);
        // A page that still holds the removed record and announces it changed
        // does not get it freed under the registry.
        emit SignalsHelper::instance()->signalModifyDev(nvr);
        QCOMPARE(nvr->ip, ip);
        QVERIFY(!reg->findDevInfo(ip));
        // Deleting the removed record again leaves a newer record of the address alone.
        auto *fresh = new FUN_DEV_INFO;
        fresh->ip = ip;
        fresh->devType = 1;
        QVERIFY(reg->addDevInfo(fresh));
        emit SignalsHelper::instance()->signalDelDevs({nvr});
        QCOMPARE(reg->findDevInfo(ip), fresh);
        reg->deleteDevice(ip);
    }

    // The operator adds, edits or moves a device while another program holds
    // the database. The change comes back at once and waits (the window
    // answers: a timer fires), said waiting for exactly as long as an
    // operator's change does, lands once the database is let go, or, held
    // past the give-up, is said failed and undone. Either way what a restart
    // would load is what the registry shows; writes of one device land in
    // the order made.
    void changeWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("released");
        QTest::newRow("add, let go") << "add" << true;
        QTest::newRow("add, held past the give-up") << "add" << false;
        QTest::newRow("rename, let go") << "rename" << true;
        QTest::newRow("rename, held past the give-up") << "rename" << false;
        QTest::newRow("new password, held past the give-up") << "password" << false;
        QTest::newRow("move, let go") << "move" << true;
        QTest::newRow("move, held past the give-up") << "move" << false;
        QTest::newRow("add, rename, delete, let go") << "add rename delete" << true;
        QTest::newRow("add, rename, delete, held past the give-up") << "add rename delete" << false;
    }
    void changeWhileTheDatabaseIsHeld()
    {
        QFETCH(QString, change);
        QFETCH(bool, released);
        auto *reg = DeviceInfoManager::instance();
        auto *bus = SignalsHelper::instance();
        const QString ip = "127.61.0.8", movedIp = "127.61.0.7";
        auto *dev = new FUN_DEV_INFO;
        dev->ip = ip;
        dev->sn = "SN-SHED";
        dev->name = "shed";
        const bool added = change.startsWith("add");
        if (!added) {
            emit bus->signalAddDevs({dev});
            QVERIFY(rowOf(ip));
        }
        // Its alarm settings follow it where the database has it.
        cms_DealAlarmType alarmSettings;
        alarmSettings.devip = ip;
        QVERIFY(orm::dao::insert(alarmSettings).text().isEmpty());
        const auto alarmSettingsAt = [](const QString &at) {
            long n = 0;
            orm::dao::count<cms_DealAlarmType>(n, OrmQuery("WHERE devip = :ip").bind(":ip", at));
            return n;
        };
        const auto cleanUp = qScopeGuard([&] {
            for (const QString &at : {ip, movedIp}) {
                if (FUN_DEV_INFO *d = reg->findDevInfo(at))
                    emit bus->signalDelDevs({d});
            }
            orm::dao::delete_by_query<cms_DealAlarmType>(OrmQuery());
        });
        QObject receiver;
        QStringList notices;
        connect(m_ctl.get(), &DeviceController::storeNotice, &receiver, [&](const QString &t) { notices << t; });
        QList<bool> waits;
        connect(m_ctl.get(), &DeviceController::storeWaiting, &receiver, [&](bool waiting) { waits << waiting; });
        bool ticked = false;
        {
            HeldDatabase held;
            QVERIFY(held.isHeld());
            QTimer::singleShot(0, &receiver, [&] { ticked = true; });
            if (added)
                emit bus->signalAddDevs({dev});
            auto *copy = new FUN_DEV_INFO(*reg->findDevInfo(ip));
            if (change.contains("rename")) {
                copy->name = "barn";
                emit bus->signalModifyDev(copy);
            } else if (change == "password") {
                copy->password = "n3w";
                emit bus->signalModifyDev(copy);
            } else if (change == "move") {
                copy->ip = movedIp;
                emit bus->signalMoveDev(ip, copy);
            } else {
                delete copy;
            }
            if (change.endsWith("delete"))
                emit bus->signalDelDevs({reg->findDevInfo(ip)});
            QVERIFY(m_ctl->rowWrites().isWaiting());
            // Said waiting at once. Deleted at once, the device has soon
            // nothing left to store but its deletion, never undone: no
            // operator's change waits on that.
            QVERIFY(!waits.isEmpty() && waits.first());
            if (!change.endsWith("delete"))
                QCOMPARE(waits, QList<bool>{true});
            QVERIFY2(notices.isEmpty(), qPrintable(notices.join(QStringLiteral("; "))));
            QTRY_VERIFY(ticked);
            if (released) {
                held.letGo();
            } else if (change.endsWith("delete")) {
                // Its deletion waits for as long as it takes, said done only
                // once it is stored: still waiting once a change queued after
                // it, which may give up, has been given up.
                OrmAccessQueue probe;
                bool probeGivenUp = false;
                probe.enqueue({QStringLiteral("probe"), QString(), true,
                               [] {
                                   cms_DealAlarmType row;
                                   row.devip = QStringLiteral("127.0.0.254");
                                   return orm::dao::insert(row);
                               },
                               [&probeGivenUp](const QSqlError &e) { probeGivenUp = OrmDatabase::isLocked(e); }});
                QTRY_VERIFY_WITH_TIMEOUT(probeGivenUp, 60000);
                QVERIFY(m_ctl->rowWrites().isWaiting());
                QCOMPARE(waits, (QList<bool>{true, false}));
                QVERIFY2(notices.isEmpty(), qPrintable(notices.join(QStringLiteral("; "))));
            } else {
                QTRY_COMPARE_WITH_TIMEOUT(notices.size(), 1, 30000);
                // Said done waiting as it is said failed.
                QCOMPARE(waits, (QList<bool>{true, false}));
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_ctl->rowWrites().isEmpty(), 10000);
        QCOMPARE(waits, (QList<bool>{true, false}));
        QCOMPARE(notices.size(), 1);
        const bool undone = !released && !change.endsWith("delete");
        QCOMPARE(notices.last(), undone ? QString("Configuration failed: the database is in use by another program")
                                        : QString("Configuration successful"));

        const bool gone = change.endsWith("delete") || (change == "add" && !released);
        const bool moved = change == "move" && released;
        QCOMPARE(!reg->findDevInfo(ip), gone || moved);
        QCOMPARE(!reg->findDevInfo(movedIp), !moved);
        if (FUN_DEV_INFO *now = reg->findDevInfo(moved ? movedIp : ip)) {
            QCOMPARE(now->name, QString(change == "rename" && released ? "barn" : "shed"));
            QCOMPARE(now->password, change == "password" && released ? QString("n3w") : dev->password);
        }
        // What a restart would load agrees with the registry.
        QCOMPARE(alarmSettingsAt(movedIp), moved ? 1L : 0L);
        for (const QString &at : {ip, movedIp}) {
            const FUN_DEV_INFO *now = reg->findDevInfo(at);
            const auto row = rowOf(at);
            QCOMPARE(bool(row), bool(now));
            if (row) {
                QCOMPARE(row->id, long(now->dbId));
                QCOMPARE(row->DevName, now->name);
                QCOMPARE(row->LoginPassword, now->password);
            }
        }
    }

    void alarmAndPtzHooks()
    {
        QSignalSpy alarm(m_ctl.get(), &DeviceController::alarmReceived);
        QSignalSpy ptz(m_ctl.get(), &DeviceController::ptzConfigReceived);
        m_ipc->dev.pushAlarm("<alarmType>1</alarmType>");
        m_ipc->dev.pushMessage(40001, "<ptz>1</ptz>");
        QTRY_COMPARE(alarm.size(), 1);
        QTRY_COMPARE(ptz.size(), 1);
        QCOMPARE(alarm.first().first().value<FUN_DEV_INFO *>(),
                 DeviceInfoManager::instance()->findDevInfo(m_ipc->ip()));
        QVERIFY(alarm.first().at(1).toString().contains("alarmType"));
    }

    void closeAppReleasesConnections()
    {
        FUN_DEV_INFO *ipc = DeviceInfoManager::instance()->findDevInfo(m_ipc->ip());
        QTRY_COMPARE(ipc->loginStatus, 1);
        // Another program holds the database as the client closes: the
        // registry's rename and a page's settings, that page already closed,
        // are stored once it lets go, within the close's budget.
        const QString ip = ipc->ip;
        QSemaphore holding, letGo;
        std::unique_ptr<QThread> holder(QThread::create([&] {
            HeldDatabase held;
            holding.release(held.isHeld() ? 1 : 2);
            letGo.acquire();
        }));
        const auto endHold = qScopeGuard([&] {
            letGo.release();
            holder->wait();
        });
        holder->start();
        holding.acquire();
        QCOMPARE(holding.available(), 0);
        auto *copy = new FUN_DEV_INFO(*ipc);
        copy->name = "porch";
        emit SignalsHelper::instance()->signalModifyDev(copy);
        QVERIFY(m_ctl->rowWrites().isWaiting());
        {
            OrmAccessQueue alarmPage;
            alarmPage.enqueue({"alarm settings " + ip, ip, true,
                               [ip] {
                                   cms_DealAlarmType settings;
                                   settings.devip = ip;
                                   return orm::dao::insert(settings);
                               },
                               nullptr});
            QVERIFY(alarmPage.isWaiting());
        }
        // Let go as the close begins: the writes are owed, already queued,
        // and the controller's close leaves them so for the shell's wait.
        letGo.release();
        m_ctl->closeApp();
        OrmAccessQueue::flushAll();
        QVERIFY(holder->wait(30000));
        QCOMPARE(rowOf(ip)->DevName, QString("porch"));
        long settingsRows = 0;
        QCOMPARE(orm::dao::count<cms_DealAlarmType>(settingsRows, OrmQuery("WHERE devip = :ip").bind(":ip", ip)).text(),
                 QString());
        QCOMPARE(settingsRows, 1L);
        orm::dao::delete_by_query<cms_DealAlarmType>(OrmQuery());
        QVERIFY(m_ctl->isClosing());
        QVERIFY(DeviceInfoManager::instance()->getAllDevInfo().isEmpty());
        QCOMPARE(KelvoSDKHelper::instance()->sessionCount(), 0);
        QTRY_COMPARE(m_ipc->dev.connectionCount(), 0);
        // The sessions are gone with whatever they had queued.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        // Broken connections are no longer reported into the records.
        QCOMPARE(ipc->loginStatus, 1);
    }
};

QTEST_GUILESS_MAIN(TestDeviceController)
#include "tst_devicecontroller.moc"
