// The conversation of a configuration window with a simulated device over
// loopback: whose reply goes where, and what is forgotten when. What hostile
// replies turn into is the reader's test and the windows' test.

#include "ConfigConversation.h"
#include "KelvoSDKHelper.h"
#include "SimDevice.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QHostAddress ownLoopback()
{
    static quint32 n = 0;
    return QHostAddress((127u << 24) | (45u << 16) | ++n);
}

struct Delivery
{
    QObject *requester;
    ConfigReply reply;
};

} // namespace

class TestConfigConversation : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_dev;
    loginDev m_key;
    std::unique_ptr<ConfigConversation> m_conv;
    QList<Delivery> m_replied;
    QList<ConfigReply> m_unrequested;

    // Everything the device sent before has been handled once a later
    // unrequested marker has come.
    bool flush()
    {
        const int before = m_unrequested.size();
        m_dev->pushMessage(19999, QString());
        return QTest::qWaitFor([&] { return m_unrequested.size() > before; }, 10000);
    }

private slots:
    void initTestCase()
    {
        registerKelvoMetaTypes();
        SdkTimings t = KelvoSDKHelper::instance()->timings();
        t.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(t);
    }

    void init()
    {
        m_dev = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_dev->listen(ownLoopback()));
        m_key = m_dev->loginKey();
        KelvoSDKHelper::instance()->connectDev(m_key);
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(m_key), 10000);
        m_conv = std::make_unique<ConfigConversation>();
        m_conv->setDevice(m_key);
        m_replied.clear();
        m_unrequested.clear();
        connect(m_conv.get(), &ConfigConversation::replied, this, [this](QObject *requester, const ConfigReply &reply) {
            m_replied.append({requester, reply});
        });
        connect(m_conv.get(), &ConfigConversation::unrequested, this,
                [this](const ConfigReply &reply) { m_unrequested.append(reply); });
    }

    void cleanup()
    {
        m_conv.reset();
        KelvoSDKHelper::instance()->logoutDev(m_key);
        m_dev.reset();
    }

    // Each reply goes to whoever asked for it, the oldest request first;
    // nobody's reply and another device's go nowhere.
    void routing()
    {
        QObject a, b;
        QVERIFY(m_conv->send(&a, 14002));
        QVERIFY(m_conv->send(&b, 13002, QString(), 0, RequestKind::Save));
        QVERIFY(m_conv->send(&a, 13002));
        QTRY_COMPARE_WITH_TIMEOUT(m_replied.size(), 3, 10000);
        QCOMPARE(m_replied.at(0).requester, &a);
        QCOMPARE(m_replied.at(0).reply.cmd, 14002);
        QCOMPARE(m_replied.at(1).requester, &b);
        QCOMPARE(int(m_replied.at(1).reply.kind), int(RequestKind::Save));
        QCOMPARE(m_replied.at(2).requester, &a);

        SimDevice other(SimDevice::Ipc);
        QVERIFY(other.listen(ownLoopback()));
        KelvoSDKHelper::instance()->connectDev(other.loginKey());
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(other.loginKey()), 10000);
        m_dev->setCommandSilent(13005, true);
        QVERIFY(m_conv->send(&a, 13005, QStringLiteral("<portConfig/>"), 0, RequestKind::Save));
        QSignalSpy relayed(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo);
        other.pushMessage(13005, QString());
        QTRY_VERIFY_WITH_TIMEOUT(!relayed.isEmpty(), 10000);
        m_dev->pushMessage(13006, QString());
        QVERIFY(flush());
        QCOMPARE(m_replied.size(), 3);
        QCOMPARE(m_unrequested.first().cmd, 13006);
        QCOMPARE(m_conv->waiting(&a, 13005), 1);
        KelvoSDKHelper::instance()->logoutDev(other.loginKey());
    }

    // What a search answers many times over comes until it is forgotten;
    // requests die with their connection or their requester, and no device
    // that never answers makes the list grow.
    void waitingEnds()
    {
        auto page = std::make_unique<QObject>();
        m_conv->expect(page.get(), 14202, RequestKind::Read, ConfigConversation::Expect::Every);
        for (int i = 0; i < 3; ++i)
            m_dev->pushMessage(14202, QStringLiteral("<IPAddress>10.0.0.%1</IPAddress>").arg(i));
        QTRY_COMPARE_WITH_TIMEOUT(m_replied.size(), 3, 10000);
        m_conv->forget(page.get(), 14202);
        m_dev->setCommandSilent(14003, true);
        for (int i = 0; i < 20; ++i)
            QVERIFY(m_conv->send(page.get(), 14003));
        QCOMPARE(m_conv->waiting(nullptr, 14003), ConfigConversation::MaxWaiting);
        m_conv->expect(page.get(), 14012);
        m_dev->dropConnections();
        QTRY_COMPARE_WITH_TIMEOUT(m_conv->waiting(nullptr, 14003), 0, 10000);
        QCOMPARE(m_conv->waiting(page.get(), 14012), 1);
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(m_key) && m_dev->acceptedCount() == 2
                                     && m_dev->connectionCount() == 1,
                                 10000);
        m_dev->pushMessage(14202, QString());
        m_dev->pushMessage(14012, QString());
        QTRY_COMPARE_WITH_TIMEOUT(m_replied.size(), 4, 10000);
        QCOMPARE(m_replied.last().reply.cmd, 14012);
        QCOMPARE(m_unrequested.first().cmd, 14202);
        QVERIFY(m_conv->send(page.get(), 14003));
        page.reset();
        QCOMPARE(m_conv->waiting(), 0);

        KelvoSDKHelper::instance()->logoutDev(m_key);
        QObject late;
        QVERIFY(!m_conv->isOnline());
        QVERIFY(!m_conv->send(&late, 14002));
        QCOMPARE(m_conv->waiting(), 0);
    }
};

QTEST_GUILESS_MAIN(TestConfigConversation)
#include "tst_configconversation.moc"
