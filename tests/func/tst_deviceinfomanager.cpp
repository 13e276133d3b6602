#include "DeviceInfoManager.h"
#include "../support/StoredRows.h"
#include "KelvoSDKHelper.h"
#include "OrmCore.h"
#include "OrmHelper.h"

#include <QTcpServer>

#include <QtTest>

namespace {

FUN_DEV_INFO *makeDev(const QString &ip, int type, int channels = 0)
{
    auto *dev = new FUN_DEV_INFO;
    dev->ip = ip;
    dev->devType = type;
    dev->channelNum = uint8_t(channels);
    dev->name = QStringLiteral("dev-") + ip;
    return dev;
}

} // namespace

class TestDeviceInfoManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
    }
    void init() { DeviceInfoManager::instance()->releaseDevices(); }

    void addKeepsFirstRecordOfAKey()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *first = makeDev("10.0.0.1", 0);
        FUN_DEV_INFO *second = makeDev("10.0.0.1", 1);
        QVERIFY(reg->addDevInfo(first));
        QVERIFY(!reg->addDevInfo(second));
        QVERIFY(!reg->addDevInfo(nullptr));
        QCOMPARE(reg->getAllDevInfo().size(), 1);
        QCOMPARE(reg->findDevInfo("10.0.0.1"), first);
        QCOMPARE(reg->getChannelInfo("10.0.0.1", 0), first);
        QCOMPARE(reg->getChannelInfo("10.0.0.1", 2), nullptr);
    }

    void channelNames_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "CH_01";
        QTest::newRow("9") << 9 << "CH_09";
        QTest::newRow("10") << 10 << "CH_10";
        QTest::newRow("100") << 100 << "CH_100";
    }
    void channelNames()
    {
        QFETCH(int, channel);
        QFETCH(QString, name);
        QCOMPARE(DeviceInfoManager::channelName(channel), name);
    }

    void ipcChannels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expected");
        QTest::newRow("ipc 2") << 0 << 2 << 2;
        QTest::newRow("ipc 1") << 0 << 1 << 0;
        QTest::newRow("ipc 0") << 0 << 0 << 0;
        QTest::newRow("onvif") << 2 << 2 << 0;
        QTest::newRow("nvr") << 1 << 4 << 0;
    }
    void ipcChannels()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        QFETCH(int, expected);
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *dev = makeDev("10.0.1.5", type, count);
        dev->loginStatus = 1;
        dev->group.clear();
        reg->addDevInfo(dev);
        reg->addIPCChannels(dev);
        reg->addIPCChannels(dev);
        QCOMPARE(reg->getAllDevInfo().size(), 1 + expected);
        if (expected) {
            FUN_DEV_INFO *ch2 = reg->findDevInfo("10.0.1.5_2");
            QVERIFY(ch2);
            QCOMPARE(ch2->name, QString("CH_02"));
            QCOMPARE(ch2->channelIdx, uint8_t(2));
            QCOMPARE(ch2->parent, dev);
            QCOMPARE(ch2->loginStatus, 1);
            QCOMPARE(ch2->group, DEFAULT_GROUP);
            QCOMPARE(reg->channelsOf("10.0.1.5").size(), 2);
        }
        if (type == 2) {
            reg->addNVRChannels(dev);
            QCOMPARE(reg->getAllDevInfo().size(), 1);
        }
    }

    void deletingAnNvrLeavesOtherAddresses()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *nvr = makeDev("1.2.3.4", 1, 3);
        FUN_DEV_INFO *other = makeDev("11.2.3.4", 1, 1);
        FUN_DEV_INFO *near = makeDev("1.2.3.40", 0);
        reg->addDevInfo(nvr);
        reg->addDevInfo(other);
        reg->addDevInfo(near);
        reg->addNVRChannels(nvr);
        reg->addNVRChannels(other);
        FUN_DEV_INFO *ch1 = reg->findDevInfo("1.2.3.4_1");
        QVERIFY(ch1);
        QCOMPARE(ch1->devType, 1);
        QCOMPARE(reg->getAllDevInfo().size(), 7);

        reg->deleteDevice("1.2.3.4");
        const QStringList keys = reg->getAllDevInfo().keys();
        QCOMPARE(keys, QStringList({"1.2.3.40", "11.2.3.4", "11.2.3.4_1"}));
        // Records outlive their removal.
        QCOMPARE(ch1->name, QString("CH_01"));
        QCOMPARE(nvr->ip, QString("1.2.3.4"));

        reg->deleteDevice("9.9.9.9");
        QCOMPARE(reg->getAllDevInfo().size(), 3);
    }

    void deletingAMultiChannelIpcRemovesItsChannels()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *ipc = makeDev("10.0.2.2", 0, 2);
        reg->addDevInfo(ipc);
        reg->addIPCChannels(ipc);
        QCOMPARE(reg->getAllDevInfo().size(), 3);
        reg->deleteDevice("10.0.2.2");
        QVERIFY(reg->getAllDevInfo().isEmpty());

        // Re-adding the address builds fresh channel records for the new record.
        FUN_DEV_INFO *again = makeDev("10.0.2.2", 0, 2);
        reg->addDevInfo(again);
        reg->addIPCChannels(again);
        QCOMPARE(reg->findDevInfo("10.0.2.2_1")->parent, again);
    }

    void findChannelBySerial()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *nvr = makeDev("10.0.3.1", 1, 2);
        nvr->sn = "SN-A";
        reg->addDevInfo(nvr);
        reg->addNVRChannels(nvr);
        QCOMPARE(reg->findChannel("SN-A", 0), nvr);
        QCOMPARE(reg->findChannel("SN-A", 2), reg->findDevInfo("10.0.3.1_2"));
        QCOMPARE(reg->findChannel("sn-a", 0), nullptr);
        QCOMPARE(reg->findChannel("SN-A", 3), nullptr);
    }

    void releaseKeepsRecordsValid()
    {
        auto *reg = DeviceInfoManager::instance();
        FUN_DEV_INFO *dev = makeDev("10.0.4.1", 0);
        reg->addDevInfo(dev);
        reg->releaseDevices();
        QVERIFY(reg->getAllDevInfo().isEmpty());
        QCOMPARE(dev->ip, QString("10.0.4.1"));
    }

    // Whatever a session's state, releasing the devices ends it.
    void releaseEndsEverySession()
    {
        QTcpServer closed; // a port nobody listens on: the sessions keep reconnecting
        QVERIFY(closed.listen(QHostAddress(QStringLiteral("127.67.0.1")), 0));
        const quint16 port = closed.serverPort();
        closed.close();
        auto *reg = DeviceInfoManager::instance();
        auto *sdk = KelvoSDKHelper::instance();
        QList<loginDev> keys;
        for (int status : {0, 1, 2}) {
            FUN_DEV_INFO *dev = makeDev(QStringLiteral("127.67.0.%1").arg(status + 1), 0);
            dev->devPort = port;
            dev->loginStatus = status;
            reg->addDevInfo(dev);
            keys << toLoginDev(dev);
            sdk->connectDev(keys.last());
            QVERIFY(sdk->hasSession(keys.last()));
        }
        reg->releaseDevices();
        for (const loginDev &key : qAsConst(keys))
            QVERIFY2(!sdk->hasSession(key), qPrintable(key.ip));
    }

    void groups()
    {
        auto *reg = DeviceInfoManager::instance();
        reg->getGroupsFromDatabase();
        const QList<DEV_GROUP_INFO> seeded = reg->getAllGroups();
        QVERIFY(!seeded.isEmpty());
        QCOMPARE(seeded.first().name, DEFAULT_GROUP);
        DEV_GROUP_INFO dup;
        dup.name = DEFAULT_GROUP;
        dup.id = 77;
        reg->addGroup(dup);
        QCOMPARE(reg->getAllGroups().size(), seeded.size());
        DEV_GROUP_INFO lower;
        lower.name = DEFAULT_GROUP.toLower();
        reg->addGroup(lower);
        QCOMPARE(reg->getAllGroups().size(), seeded.size() + 1);
        reg->getGroupsFromDatabase();
        reg->getGroupsFromDatabase();
        QCOMPARE(reg->getAllGroups().size(), seeded.size());
        // A read that fails is no empty list: the groups known stay.
        OrmDatabase::setFailingStatementForTesting(QStringLiteral("FROM CMS_Organization"));
        QVERIFY(!reg->getGroupsFromDatabase());
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(reg->getAllGroups().size(), seeded.size());
    }

    void loadsGroupAndOnvifModeFromTheDatabase()
    {
        auto group = QSharedPointer<CMS_Organization>::create();
        group->Name = "Lobby";
        group->ParentId = 1;
        QVERIFY(OrmHelper::saveOrganization(group));

        FUN_DEV_INFO ipc;
        ipc.ip = "10.0.5.1";
        ipc.name = "door";
        ipc.group = "Lobby";
        ipc.rtspPort = 8554;
        ipc.devPort = 3000;
        ipc.userName = "op";
        ipc.password = "p&w<1";
        FUN_DEV_INFO onvif;
        onvif.ip = "10.0.5.2";
        onvif.devType = 2;
        onvif.onvifUrl = "http://10.0.5.2/onvif/device_service";
        onvif.onvifAuth = 1;
        FUN_DEV_INFO dup = ipc;
        dup.name = "duplicate";
        FUN_DEV_INFO ipcWithUrl = ipc;
        ipcWithUrl.ip = "10.0.5.3";
        ipcWithUrl.onvifUrl = "http://ignored";
        OrmHelper::AddDevs({&ipc, &onvif, &dup, &ipcWithUrl});

        auto *reg = DeviceInfoManager::instance();
        const auto stored = storedDevices();
        // Not read, nothing is added: the list is not taken for empty.
        OrmDatabase::setFailingStatementForTesting(QStringLiteral("FROM CMS_Devices"));
        QVERIFY(!reg->loadFromDatabase());
        QVERIFY(reg->getAllDevInfo().isEmpty());
        // The rows the start-up read while it waited are taken as they are.
        DeviceInfoManager::setStartRows(stored, storedGroups());
        QVERIFY(reg->loadFromDatabase());
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(reg->getAllDevInfo().size(), 3);
        FUN_DEV_INFO *a = reg->findDevInfo("10.0.5.1");
        QVERIFY(a);
        QCOMPARE(a->name, QString("door"));
        QCOMPARE(a->group, QString("Lobby"));
        QCOMPARE(a->rtspPort, uint16_t(8554));
        QCOMPARE(a->devPort, uint16_t(3000));
        QCOMPARE(a->password, QString("p&w<1"));
        QCOMPARE(a->dbId, ipc.dbId);
        QCOMPARE(a->loginStatus, 0);
        FUN_DEV_INFO *b = reg->findDevInfo("10.0.5.2");
        QCOMPARE(b->group, DEFAULT_GROUP);
        QCOMPARE(b->onvifAuth, 1);
        QCOMPARE(b->onvifUrl, onvif.onvifUrl);
        QVERIFY(reg->findDevInfo("10.0.5.3")->onvifUrl.isEmpty());
        QVERIFY(reg->getAllGroups().size() >= 2);
    }
};

QTEST_GUILESS_MAIN(TestDeviceInfoManager)
#include "tst_deviceinfomanager.moc"
