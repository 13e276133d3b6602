#include "CommandProcessor.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "SimDevice.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QtTest>

namespace {

RecvInfo message(const QString &ip, int cmd, const QString &body, const QString &result = "0", int channel = 0)
{
    RecvInfo info;
    info.ip = ip;
    info.channel = uint8_t(channel);
    const QString resultElement = result.isNull() ? QString() : QStringLiteral("<result>%1</result>").arg(result);
    info.setXml(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><PrivateProto><head><type>%1</type>"
                               "<cmd>%2</cmd>%3</head><body>%4</body></PrivateProto>")
                    .arg(cmd / 10000 * 10000)
                    .arg(cmd)
                    .arg(resultElement, body));
    return info;
}

} // namespace

class TestCommandProcessor : public QObject
{
    Q_OBJECT

    FUN_DEV_INFO *m_ipc = nullptr;
    FUN_DEV_INFO *m_nvr = nullptr;
    FUN_DEV_INFO *m_onvif = nullptr;
    CommandProcessor *m_proc = nullptr;

private slots:
    void init()
    {
        registerKelvoMetaTypes();
        auto *reg = DeviceInfoManager::instance();
        reg->releaseDevices();
        m_ipc = new FUN_DEV_INFO;
        m_ipc->ip = "10.0.0.1";
        m_ipc->sn = "10.0.0.1";
        m_nvr = new FUN_DEV_INFO;
        m_nvr->ip = "10.0.0.2";
        m_nvr->devType = 1;
        m_onvif = new FUN_DEV_INFO;
        m_onvif->ip = "10.0.0.3";
        m_onvif->devType = 2;
        reg->addDevInfo(m_ipc);
        reg->addDevInfo(m_nvr);
        reg->addDevInfo(m_onvif);
        m_proc = new CommandProcessor;
    }
    void cleanup()
    {
        delete m_proc;
        m_proc = nullptr;
    }

    void loginResult_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("state");
        QTest::newRow("success") << "0" << 1;
        QTest::newRow("refused") << "5" << 2;
        QTest::newRow("missing") << QString() << 2;
        QTest::newRow("empty") << "" << 2;
        QTest::newRow("not a number") << "ok" << 2;
    }
    void loginResult()
    {
        QFETCH(QString, result);
        QFETCH(int, state);
        QSignalSpy login(m_proc, &CommandProcessor::loginReceived);
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        m_proc->processCommand(message("10.0.0.1", 14012, "", result));
        QCOMPARE(login.size(), 1);
        QCOMPARE(update.size(), 1);
        QCOMPARE(m_ipc->loginStatus, state);
    }

    void channelMessages()
    {
        QSignalSpy login(m_proc, &CommandProcessor::loginReceived);
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        QSignalSpy status(m_proc, &CommandProcessor::setNVRStatus);
        m_nvr->loginStatus = 1;
        m_proc->processCommand(message("10.0.0.2", 14012, "", "0", 3));
        QCOMPARE(login.size(), 1);
        QCOMPARE(login.first().first().value<RecvInfo>().channel, uint8_t(3));
        QCOMPARE(update.size(), 0);
        m_proc->processCommand(message("10.0.0.2", 35001, "<Ipcs_stat>1111</Ipcs_stat>", "0", 3));
        QCOMPARE(status.size(), 0);
        QVERIFY(m_nvr->ipcsStat.isEmpty());
    }

    void nvrLoginKeepsItsChannelCount()
    {
        QSignalSpy nvrLogin(m_proc, &CommandProcessor::setNVRLogin);
        m_proc->processCommand(message("10.0.0.2", 14012, "<MAXChannels>4</MAXChannels>"));
        QCOMPARE(nvrLogin.size(), 1);
        QCOMPARE(m_nvr->channelNum, uint8_t(4));
        QCOMPARE(m_nvr->loginStatus, 1);
        m_proc->processCommand(message("10.0.0.2", 15003, "<CapList>PD1+OSD1</CapList>"));
        QCOMPARE(m_nvr->capList, QString("PD1+OSD1"));
        QCOMPARE(m_nvr->channelNum, uint8_t(4));
    }

    void capabilities_data()
    {
        QTest::addColumn<QString>("capList");
        QTest::addColumn<int>("channels");
        QTest::newRow("PD1") << "PD1" << 2;
        QTest::newRow("channel1") << "voice+channel1" << 2;
        QTest::newRow("PD only") << "PD+voice+OSD" << 0;
        QTest::newRow("lower case") << "pd1" << 0;
    }
    void capabilities()
    {
        QFETCH(QString, capList);
        QFETCH(int, channels);
        m_ipc->channelNum = 7;
        m_proc->processCommand(message("10.0.0.1", 15003, QStringLiteral("<CapList>%1</CapList>").arg(capList)));
        QCOMPARE(int(m_ipc->channelNum), channels);
        QCOMPARE(m_ipc->capList, capList);
    }

    void dualLightModes()
    {
        m_proc->processCommand(message(
            "10.0.0.1", 15003, "<CapList>doubleLight</CapList><doubleLightCfg><mode>1+2</mode></doubleLightCfg>"));
        QCOMPARE(m_ipc->doubleLightCfg, QString("1+2"));
        // An empty body changes nothing.
        m_ipc->capList = "keep";
        m_proc->processCommand(message("10.0.0.1", 15003, ""));
        QCOMPARE(m_ipc->capList, QString("keep"));
    }

    void heartbeatStatus()
    {
        QSignalSpy status(m_proc, &CommandProcessor::setNVRStatus);
        m_proc->processCommand(message("10.0.0.2", 35001, "<Ipcs_stat>1010</Ipcs_stat>"));
        QCOMPARE(status.size(), 0); // offline NVR
        m_nvr->loginStatus = 1;
        m_proc->processCommand(message("10.0.0.2", 35001, "<Ipcs_stat>1010</Ipcs_stat>"));
        QCOMPARE(status.size(), 1);
        QCOMPARE(m_nvr->ipcsStat, QString("1010"));
        m_proc->processCommand(message("10.0.0.2", 35001, "<Ipcs_stat>1010</Ipcs_stat>"));
        QCOMPARE(status.size(), 1);
        m_proc->processCommand(message("10.0.0.2", 35001, ""));
        QCOMPARE(status.size(), 1);
    }

    void versionInfo()
    {
        QStringList order;
        connect(m_proc, &CommandProcessor::updateDevSN, this, [&] { order << "sn"; });
        connect(m_proc, &CommandProcessor::recvIPCChannel, this, [&] { order << "channels"; });
        connect(m_proc, &CommandProcessor::updateDevInfo, this, [&] { order << "info"; });
        m_ipc->channelNum = 2;
        m_ipc->model = "old";
        m_proc->processCommand(message("10.0.0.1", 14002,
                                       "<CPU>GK7205</CPU><UID>ABC</UID><sdkPlatform>GUOKE</sdkPlatform>"
                                       "<productModelExt></productModelExt><deviceType>X1</deviceType>"
                                       "<firmwaveVersion>V1.2</firmwaveVersion>"));
        QCOMPARE(order, QStringList({"sn", "channels", "info"}));
        QCOMPARE(m_ipc->sn, QString("ABC"));
        QCOMPARE(m_ipc->cpu, QString("GK7205"));
        QCOMPARE(m_ipc->sdkPlatform, QString("GUOKE"));
        QCOMPARE(m_ipc->model, QString("X1"));
        QCOMPARE(m_ipc->version, QString("V1.2"));

        // A later change of the serial number is not announced; fields the
        // reply leaves out keep what the device reported before.
        order.clear();
        m_proc->processCommand(message("10.0.0.1", 14002, "<UID>DEF</UID><firmwareVersion>V2</firmwareVersion>"));
        QCOMPARE(order, QStringList({"channels", "info"}));
        QCOMPARE(m_ipc->sn, QString("DEF"));
        QCOMPARE(m_ipc->cpu, QString("GK7205"));
        QCOMPARE(m_ipc->sdkPlatform, QString("GUOKE"));
        QCOMPARE(m_ipc->model, QString("X1"));
        QCOMPARE(m_ipc->version, QString("V2"));

        QTest::ignoreMessage(QtWarningMsg, "Device not found for IP: \"10.9.9.9\"");
        m_proc->processCommand(message("10.9.9.9", 14002, "<UID>X</UID>"));
    }

    // A reply that failed, or whose result cannot be read, or that is cut
    // off, changes nothing its handler would write and announces nothing.
    void unsuccessfulRepliesChangeNothing_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("result"); // null: no result element
        QTest::addColumn<bool>("cutOff");    // the text ends inside the body
        const QList<QPair<int, QString>> replies{
            {14002, "<CPU></CPU><UID></UID><sdkPlatform></sdkPlatform><firmwareVersion></firmwareVersion>"},
            {14002, "<CPU>X</CPU><UID>OTHER</UID><sdkPlatform>Y</sdkPlatform><deviceType>Z</deviceType>"},
            {13002, "<TCPIP><MAC>00:00:00:00:00:00</MAC></TCPIP>"},
            {15003, "<CapList>none</CapList>"},
            {35001, "<Ipcs_stat>0000</Ipcs_stat>"},
            {14012, "<MAXChannels>0</MAXChannels>"},
        };
        const QList<QPair<QString, QString>> results{{"failed", "7"}, {"unreadable", "fail"}, {"absent", {}}};
        int n = 0;
        for (const auto &reply : replies) {
            ++n;
            for (const auto &result : results)
                QTest::newRow(qPrintable(QStringLiteral("%1 #%2 %3").arg(reply.first).arg(n).arg(result.first)))
                    << reply.first << reply.second << result.second << false;
        }
        QTest::newRow("14002 cut off") << 14002 << "<CPU>X</CPU><UID>OTHER</UID"
                                       << "0" << true;
        QTest::newRow("13002 cut off") << 13002 << "<TCPIP><MAC>00:00:00:00:00:00</MAC"
                                       << "0" << true;
    }
    void unsuccessfulRepliesChangeNothing()
    {
        QFETCH(int, cmd);
        QFETCH(QString, body);
        QFETCH(QString, result);
        QFETCH(bool, cutOff);
        // An NVR that reported everything once, with its channel records.
        m_nvr->loginStatus = 1;
        m_nvr->sn = "SN-1";
        m_nvr->cpu = "CPU-1";
        m_nvr->sdkPlatform = "PLATFORM-1";
        m_nvr->model = "MODEL-1";
        m_nvr->version = "V1";
        m_nvr->mac = "aa:bb:cc:dd:ee:ff";
        m_nvr->capList = "PD1";
        m_nvr->ipcsStat = "1111";
        m_nvr->channelNum = 4;
        const FUN_DEV_INFO before = *m_nvr;
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        QSignalSpy status(m_proc, &CommandProcessor::setNVRStatus);
        QSignalSpy channels(m_proc, &CommandProcessor::setNVRLogin);
        QSignalSpy serial(m_proc, &CommandProcessor::serialNumberChanged);
        RecvInfo info = message("10.0.0.2", cmd, body, result);
        if (cutOff)
            info.setXml(info.xml.left(info.xml.indexOf(body) + body.size()));
        m_proc->processCommand(info);
        QCOMPARE(m_nvr->sn, before.sn);
        QCOMPARE(m_nvr->cpu, before.cpu);
        QCOMPARE(m_nvr->sdkPlatform, before.sdkPlatform);
        QCOMPARE(m_nvr->model, before.model);
        QCOMPARE(m_nvr->version, before.version);
        QCOMPARE(m_nvr->mac, before.mac);
        QCOMPARE(m_nvr->capList, before.capList);
        QCOMPARE(m_nvr->ipcsStat, before.ipcsStat);
        QCOMPARE(m_nvr->channelNum, before.channelNum);
        QCOMPARE(status.size() + channels.size() + serial.size(), 0);
        // Only a login reply is news whatever its result: the login was refused.
        QCOMPARE(update.size(), cmd == 14012 ? 1 : 0);
        QCOMPARE(m_nvr->loginStatus, cmd == 14012 ? 2 : 1);
    }

    void networkInfo()
    {
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        m_proc->processCommand(
            message("10.0.0.1", 13002, "<TCPIP><IP>10.0.0.1</IP><MAC>aa:bb:cc:00:11:22</MAC></TCPIP>"));
        QCOMPARE(m_ipc->mac, QString("aa:bb:cc:00:11:22"));
        QCOMPARE(update.size(), 1);
    }

    void passThroughSignals()
    {
        QSignalSpy ptz(m_proc, &CommandProcessor::ptzConfigReceived);
        QSignalSpy alarm(m_proc, &CommandProcessor::alarmEventReceived);
        m_proc->processCommand(message("10.0.0.1", 40001, "<x>1</x>", "3"));
        m_proc->processCommand(message("10.0.0.2", 41003, ""));
        m_proc->processCommand(message("10.0.0.1", 35003, "<alarmType>1</alarmType>"));
        QCOMPARE(ptz.size(), 2);
        QCOMPARE(alarm.size(), 1);
        QCOMPARE(alarm.first().first().value<RecvInfo>().ip, QString("10.0.0.1"));
    }

    void unknownCommands()
    {
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        m_proc->processCommand(message("10.0.0.1", 12345, "", "0"));
        QTest::ignoreMessage(QtWarningMsg, "Cmd Error: 12345 from 10.0.0.1 result: 3");
        m_proc->processCommand(message("10.0.0.1", 12345, "", "3"));
        m_proc->processCommand(RecvInfo());
        QCOMPARE(update.size(), 0);
    }

    void onvifLoginTouchesNoHeartbeat()
    {
        QSignalSpy update(m_proc, &CommandProcessor::updateDevInfo);
        m_proc->processCommand(message("10.0.0.3", 14012, ""));
        QCOMPARE(m_onvif->loginStatus, 1);
        QCOMPARE(update.size(), 1);
    }

    // What a login answer does to a live session's heartbeat, seen on the
    // session itself: a private-protocol device starts it on success and stops
    // it on refusal; an ONVIF record leaves it as it was either way.
    void loginAnswerAndHeartbeat_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("afterSuccess");
        QTest::addColumn<bool>("afterRefusal");
        QTest::newRow("camera") << 0 << "127.67.0.1" << true << false;
        QTest::newRow("onvif") << 2 << "127.67.0.2" << false << true;
    }
    void loginAnswerAndHeartbeat()
    {
        QFETCH(int, type);
        QFETCH(QString, address);
        QFETCH(bool, afterSuccess);
        QFETCH(bool, afterRefusal);
        SimDevice peer(SimDevice::Ipc);
        QVERIFY(peer.listen(QHostAddress(address)));
        auto *dev = new FUN_DEV_INFO;
        dev->ip = address;
        dev->sn = address;
        dev->devType = type;
        dev->devPort = peer.port();
        DeviceInfoManager::instance()->addDevInfo(dev);
        const loginDev key = toLoginDev(dev);
        KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
        sdk->connectDev(key);
        QTRY_VERIFY_WITH_TIMEOUT(sdk->isConnected(key), 15000);
        TcpClient *session = sdk->session(key);
        QVERIFY(!session->heartbeatActive());

        m_proc->processCommand(message(address, 14012, ""));
        QCOMPARE(dev->loginStatus, 1);
        const bool success = session->heartbeatActive();
        sdk->startHeartbeat(key);
        m_proc->processCommand(message(address, 14012, "", "5"));
        const bool refusal = session->heartbeatActive();
        sdk->logoutDev(key);
        QCOMPARE(success, afterSuccess);
        QCOMPARE(refusal, afterRefusal);
    }
};

QTEST_GUILESS_MAIN(TestCommandProcessor)
#include "tst_commandprocessor.moc"
