// Texts in camera bodies reach the camera escaped exactly once, and the
// simulated camera's per-command faults and per-channel store behave as the
// page tests rely on. Real sessions over loopback (127.28.0.x).

#include "CommonHelper.h"
#include "IpcBodyText.h"
#include "KelvoSDKHelper.h"
#include "SdkTestSupport.h"
#include "SimDevice.h"

#include <QtTest>

#include <memory>

class TestIpcBody : public QObject
{
    Q_OBJECT

    FacadeRecorder *m_rec = nullptr;
    std::unique_ptr<SimDevice> m_cam;
    loginDev m_key;

    QList<Received> replies(unsigned cmd) const { return m_rec->of(m_key.ip, int(cmd)); }

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        KelvoSDKHelper::instance()->setTimings(fastTimings());
        m_rec = new FacadeRecorder;
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.28.0.1"))));
        m_key = m_cam->loginKey();
        KelvoSDKHelper::instance()->connectDev(m_key);
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(m_key), 10000);
    }

    void cleanupTestCase()
    {
        const bool gone = logoutAndWait({m_key});
        delete m_rec;
        QVERIFY(gone);
    }

    void init()
    {
        m_rec->messages.clear();
        m_cam->clearRequests();
    }

    // Typed texts and device texts each escaped once, whatever the CPU.
    void textsEscapedOnce_data()
    {
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<bool>("deviceText");
        QTest::addColumn<QString>("wire");
        QTest::newRow("typed") << QString() << false << QStringLiteral("a&amp;b %3 %10");
        QTest::newRow("listed CPU: hex of UTF-8")
            << QStringLiteral("SIGMASTAR") << true << QStringLiteral("61266220253320253130");
        QTest::newRow("empty CPU: hex of GBK") << QString() << true << QStringLiteral("61266220253320253130");
        QTest::newRow("other CPU: escaped by the encoder")
            << QStringLiteral("SSC335") << true << QStringLiteral("a&amp;b %3 %10");
        QTest::newRow("lower-case chip is another CPU")
            << QStringLiteral("sigmastar") << true << QStringLiteral("a&amp;b %3 %10");
    }
    void textsEscapedOnce()
    {
        QFETCH(QString, cpu);
        QFETCH(bool, deviceText);
        QFETCH(QString, wire);
        const QString typed = QStringLiteral("a&b %3 %10");
        const QString value = deviceText ? IpcBodyText::encoded(typed, cpu) : IpcBodyText::plain(typed);
        const QString body =
            CommonHelper::fillTemplate(QStringLiteral("<t><name>%1</name><n>%2</n></t>"), {value, QStringLiteral("7")});
        KelvoSDKHelper::instance()->sendData(m_key, 19001, body, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_cam->requestCount(19001), 1, 10000);
        const SimRequest got = m_cam->requests(19001).first();
        QCOMPARE(got.bodyText, QStringLiteral("<t><name>%1</name><n>7</n></t>").arg(wire));
        const QString read = got.body.value(QStringLiteral("name"));
        QCOMPARE(deviceText ? IpcBodyText::decoded(read, cpu) : read, typed);
    }

    // Forced result, delay and silence of single commands.
    void perCommandFaults()
    {
        m_cam->setStoredBody(19010, QStringLiteral("<v><a>1</a></v>"));
        m_cam->setForcedResult(19011, 3);
        m_cam->setCommandDelay(19010, 400);
        m_cam->setCommandSilent(19020, true);
        auto *sdk = KelvoSDKHelper::instance();
        sdk->sendCmd(m_key, 19010, 0);                                     // delayed
        sdk->sendData(m_key, 19011, QStringLiteral("<v><a>2</a></v>"), 0); // forced 3
        sdk->sendCmd(m_key, 19020, 0);                                     // silent
        sdk->sendCmd(m_key, 19030, 0);                                     // plain
        QTRY_COMPARE_WITH_TIMEOUT(replies(19010).size(), 1, 10000);
        QCOMPARE(replies(19011).size(), 1);
        QCOMPARE(replies(19030).size(), 1);
        QCOMPARE(replies(19020).size(), 0);
        QCOMPARE(m_cam->requestCount(19020), 1);
        // The delayed reply comes last; the forced set stored nothing.
        QCOMPARE(m_rec->messages.last().cmd, 19010);
        QCOMPARE(findValuesInXml(replies(19011).first().info.xml, QStringLiteral("head")).value("result"),
                 QStringLiteral("3"));
        QCOMPARE(m_cam->storedValue(19010, QStringLiteral("a")), QStringLiteral("1"));
    }

    // A channel reads its own body, else channel 0's; a set stays on its channel.
    void storePerChannel_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("channel 0") << 0 << QStringLiteral("554");
        QTest::newRow("channel 1 has its own") << 1 << QStringLiteral("1001");
        QTest::newRow("channel 2 falls back") << 2 << QStringLiteral("554");
        QTest::newRow("channel 3 after its set") << 3 << QStringLiteral("3003");
    }
    void storePerChannel()
    {
        QFETCH(int, channel);
        QFETCH(QString, expected);
        m_cam->setStoredBody(13004, QStringLiteral("<portConfig><RTSPPort>554</RTSPPort></portConfig>"));
        m_cam->setStoredBody(13004, QStringLiteral("<portConfig><RTSPPort>1001</RTSPPort></portConfig>"), 1);
        auto *sdk = KelvoSDKHelper::instance();
        sdk->sendData(m_key, 13005, QStringLiteral("<portConfig><RTSPPort>3003</RTSPPort></portConfig>"), 3);
        QTRY_COMPARE_WITH_TIMEOUT(replies(13005).size(), 1, 10000);
        sdk->sendCmd(m_key, 13004, uint8_t(channel));
        QTRY_COMPARE_WITH_TIMEOUT(replies(13004).size(), 1, 10000);
        QCOMPARE(findValuesInXml(replies(13004).first().info.xml, QStringLiteral("portConfig")).value("RTSPPort"),
                 expected);
        QCOMPARE(m_cam->storedValue(13004, QStringLiteral("RTSPPort"), channel), expected);
        QCOMPARE(m_cam->storedValue(13004, QStringLiteral("RTSPPort")), QStringLiteral("554"));
    }
};

QTEST_GUILESS_MAIN(TestIpcBody)
#include "tst_ipcbody.moc"
