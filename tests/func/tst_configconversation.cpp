// The conversation of a configuration window with a simulated device over
// loopback: whose reply goes where, and what is forgotten when. What hostile
// replies turn into is the reader's test and the windows' test.

#include "ConfigConversation.h"
#include "ConfigReadRound.h"
#include "KelvoSDKHelper.h"
#include "SimDevice.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
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

// One read of a round: the command, its channel, whether the page can do without it.
struct Read
{
    unsigned int cmd;
    uint8_t channel;
    bool optional;
};

// How the simulated device treats one command of a round.
enum class Fault { None, Refused, Silent, Incomplete };

struct RoundRow
{
    QList<Read> reads;
    QHash<unsigned int, Fault> faults;
    ConfigReadRound::State state;
    QList<unsigned int> optionalOk;
};

} // namespace

Q_DECLARE_METATYPE(RoundRow)

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

    // A reply on another channel answers no request of this channel.
    void channelMatched()
    {
        QObject page;
        m_dev->setCommandSilent(10004, true);
        QVERIFY(m_conv->send(&page, 10004, QString(), 1));
        m_dev->pushMessage(10004, QStringLiteral("<channelName>CH_02</channelName>"), 0, 2);
        QVERIFY(flush());
        QCOMPARE(m_replied.size(), 0);
        QCOMPARE(m_unrequested.first().channel, 2);
        m_dev->pushMessage(10004, QStringLiteral("<channelName>CH_01</channelName>"), 0, 1);
        QTRY_COMPARE_WITH_TIMEOUT(m_replied.size(), 1, 10000);
        QCOMPARE(m_replied.first().reply.channel, 1);
    }

    // A round is read only when every required read of it answered whole and
    // with result 0; any failure is final for the round.
    void readRound_data()
    {
        QTest::addColumn<RoundRow>("row");
        const Read osd{10004, 0, false}, audio{10008, 0, false}, frame{35008, 0, true}, track{35010, 0, true};
        QTest::newRow("all answered") << RoundRow{{osd, audio}, {}, ConfigReadRound::State::Done, {}};
        QTest::newRow("first refused, second fine")
            << RoundRow{{osd, audio}, {{10004, Fault::Refused}}, ConfigReadRound::State::Failed, {}};
        QTest::newRow("second refused") << RoundRow{
            {osd, audio}, {{10008, Fault::Refused}}, ConfigReadRound::State::Failed, {}};
        QTest::newRow("first never answered")
            << RoundRow{{osd, audio}, {{10004, Fault::Silent}}, ConfigReadRound::State::Failed, {}};
        QTest::newRow("empty body") << RoundRow{
            {osd}, {{10004, Fault::Incomplete}}, ConfigReadRound::State::Failed, {}};
        QTest::newRow("optional reads refused") << RoundRow{
            {osd, frame, track}, {{35008, Fault::Refused}, {35010, Fault::Silent}}, ConfigReadRound::State::Done, {}};
        QTest::newRow("optional reads answered")
            << RoundRow{{osd, frame, track}, {}, ConfigReadRound::State::Done, {35008, 35010}};
        QTest::newRow("only optional reads") << RoundRow{{frame}, {}, ConfigReadRound::State::Idle, {35008}};
        QTest::newRow("same command on two channels")
            << RoundRow{{Read{12002, 1, false}, Read{12002, 2, false}}, {}, ConfigReadRound::State::Done, {}};
    }

    void readRound()
    {
        QFETCH(RoundRow, row);
        ConfigReadRound::setTimeoutMs(400);
        QObject page;
        ConfigReadRound round(&page);
        round.setConversation(m_conv.get());
        connect(m_conv.get(), &ConfigConversation::replied, &round, [&](QObject *to, const ConfigReply &reply) {
            if (to == &page)
                round.take(reply, row.faults.value(unsigned(reply.cmd)) != Fault::Incomplete);
        });
        QSignalSpy failed(&round, &ConfigReadRound::failed);
        QSignalSpy done(&round, &ConfigReadRound::done);
        for (auto it = row.faults.cbegin(); it != row.faults.cend(); ++it) {
            if (it.value() == Fault::Refused)
                m_dev->setForcedResult(it.key(), 5);
            else if (it.value() == Fault::Silent)
                m_dev->setCommandSilent(it.key(), true);
        }
        QCOMPARE(round.state(), ConfigReadRound::State::Idle);
        round.begin();
        for (const Read &read : qAsConst(row.reads))
            QVERIFY(read.optional ? round.readOptional(read.cmd, read.channel) : round.read(read.cmd, read.channel));
        QTRY_VERIFY_WITH_TIMEOUT(round.state() != ConfigReadRound::State::Pending, 10000);
        const int silent = int(std::count(row.faults.cbegin(), row.faults.cend(), Fault::Silent));
        QTRY_COMPARE_WITH_TIMEOUT(m_conv->waiting(&page), silent, 10000);
        // Whatever comes later does not mend a failed round.
        for (const Read &read : qAsConst(row.reads)) {
            if (!read.optional)
                m_dev->pushMessage(read.cmd, QString(), 0, read.channel);
        }
        QVERIFY(flush());
        QCOMPARE(round.state(), row.state);
        QCOMPARE(round.isRead(), row.state == ConfigReadRound::State::Done);
        QCOMPARE(failed.size(), row.state == ConfigReadRound::State::Failed ? 1 : 0);
        QCOMPARE(done.size(), row.state == ConfigReadRound::State::Done ? 1 : 0);
        for (const Read &read : qAsConst(row.reads)) {
            if (read.optional)
                QCOMPARE(round.optionalOk(read.cmd), row.optionalOk.contains(read.cmd));
        }
        ConfigReadRound::setTimeoutMs(6000);
    }

    // A new round does not take the replies owed to the one before, a read
    // announced for later keeps the round open, and a read that cannot be
    // sent fails it at once.
    void roundsApart()
    {
        QObject page;
        ConfigReadRound round(&page);
        round.setConversation(m_conv.get());
        QList<ConfigReadRound::Answer> answers;
        connect(m_conv.get(), &ConfigConversation::replied, &round, [&](QObject *to, const ConfigReply &reply) {
            if (to == &page)
                answers.append(round.take(reply));
        });
        m_dev->setCommandDelay(10004, 300);
        round.begin();
        QVERIFY(round.read(10004, 2));
        round.begin();
        QVERIFY(round.read(10004, 2));
        round.expect(35008, 2);
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 2, 10000);
        QCOMPARE(answers.at(0), ConfigReadRound::Answer::Stale);
        QCOMPARE(answers.at(1), ConfigReadRound::Answer::Required);
        QCOMPARE(round.state(), ConfigReadRound::State::Pending);
        QCOMPARE(round.channel(), 2);
        QVERIFY(round.read(35008, 2));
        QTRY_COMPARE_WITH_TIMEOUT(round.state(), ConfigReadRound::State::Done, 10000);
        QCOMPARE(round.pending(), 0);

        QVERIFY(m_conv->send(&page, 14002));
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 4, 10000);
        QCOMPARE(answers.last(), ConfigReadRound::Answer::NotMine);

        round.begin();
        QCOMPARE(round.state(), ConfigReadRound::State::Idle);
        QVERIFY(!round.isRead());
        KelvoSDKHelper::instance()->logoutDev(m_key);
        QVERIFY(!round.read(10004));
        QCOMPARE(round.state(), ConfigReadRound::State::Failed);
    }
};

QTEST_GUILESS_MAIN(TestConfigConversation)
#include "tst_configconversation.moc"
