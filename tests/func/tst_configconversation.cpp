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

// One step of an encode page's life: a read of 10002 (answered with the
// frame rate the device holds), or a Save of a frame rate through 10003 (the
// device refuses a rate above 30 with result 5).
struct Step
{
    bool save;
    int frameRate;  // the Save's; for a read the value it must show (0: none)
    ReplyFate fate; // what the step must end in
    int act = 0;    // 1: wait until the line is in step again; 2: a fresh session;
                    // 3: the read goes through a second window opened now;
                    // 4: the device lets the Saves' held answers go
    // The next step goes out before this one's answer.
    bool noWait = false;
    // A Save whose answer would change the client's record: it stands alone.
    bool alone = false;
};

struct LineRow
{
    QList<int> plan; // the fates of the device's first replies to 10002 (ms, -1 dropped)
    QList<Step> steps;
    QList<int> savePlan = {}; // the same for 10003
    int timeoutMs = 1000;
    // The answers the Saves told none came hear once their line caught up, in
    // order: the step (its index) and the device's result.
    QList<QPair<int, int>> late = {};
};

struct RoundRow
{
    QList<Read> reads;
    QHash<unsigned int, Fault> faults;
    ConfigReadRound::State state;
    QList<unsigned int> optionalOk;
};

} // namespace

Q_DECLARE_METATYPE(RoundRow)
Q_DECLARE_METATYPE(LineRow)

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

    // Everything the client wrote before has reached the device once a later
    // request has.
    bool delivered()
    {
        const int before = m_dev->requestCount(19998);
        KelvoSDKHelper::instance()->sendCmd(m_key, 19998, 0);
        return QTest::qWaitFor([&] { return m_dev->requestCount(19998) > before; }, 10000);
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
        ConfigConversation::setTimeoutMs(6000);
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
        // The oldest given up are said failed.
        QCOMPARE(m_replied.size(), 3 + 20 - ConfigConversation::MaxWaiting);
        for (int i = 3; i < m_replied.size(); ++i)
            QCOMPARE(int(m_replied.at(i).reply.fate), int(ReplyFate::NoReply));
        m_replied = m_replied.mid(0, 3);
        m_conv->expect(page.get(), 14012);
        m_dev->dropConnections();
        QTRY_COMPARE_WITH_TIMEOUT(m_conv->waiting(nullptr, 14003), 0, 10000);
        QCOMPARE(m_conv->waiting(page.get(), 14012), 1);
        // Each request still out is said lost with its connection.
        QCOMPARE(m_replied.size(), 3 + ConfigConversation::MaxWaiting);
        for (int i = 3; i < m_replied.size(); ++i)
            QCOMPARE(int(m_replied.at(i).reply.fate), int(ReplyFate::ConnectionLost));
        m_replied = m_replied.mid(0, 3);
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

    // A request fails at its own deadline, also when the thread was busy
    // past it and another request went out before its timer event ran.
    void ownDeadline()
    {
        m_dev->setCommandSilent(10004, true);
        m_dev->setCommandSilent(10008, true);
        QObject a, b;
        // a is due as it goes out; b follows before a's timer event can run,
        // as after a busy stretch of the thread. a fails at once, not at b's
        // deadline (a minute, far past the wait below).
        ConfigConversation::setTimeoutMs(0);
        QVERIFY(m_conv->send(&a, 10004));
        ConfigConversation::setTimeoutMs(60000);
        QVERIFY(m_conv->send(&b, 10008));
        QTRY_COMPARE_WITH_TIMEOUT(m_replied.size(), 1, 10000);
        QCOMPARE(m_replied.first().requester, &a);
        QCOMPARE(int(m_replied.first().reply.fate), int(ReplyFate::NoReply));
        QCOMPARE(m_conv->waiting(&b), 1);
        ConfigConversation::setTimeoutMs(6000);
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

    // A reply belongs to the oldest request of its command still out, also
    // one nobody waits for any more, and a request may go out while older
    // ones of its command are owed; once a request of a command passed its
    // deadline, that command's replies are placed nowhere until they caught
    // up (a held reply came) or a fresh session began (one dropped for good);
    // a Save of another command goes through meanwhile; every request ends
    // answered or said failed.
    void replyLines_data()
    {
        QTest::addColumn<LineRow>("row");
        const auto read = [](int rate, ReplyFate fate = ReplyFate::Answered, bool noWait = false) {
            return Step{false, rate, fate, 0, noWait};
        };
        const auto save = [](int rate, bool noWait = false) {
            return Step{true, rate, ReplyFate::Answered, 0, noWait};
        };
        const Step settle{false, 0, ReplyFate::Answered, 1}, fresh{false, 0, ReplyFate::Answered, 2};
        const ReplyFate none = ReplyFate::NoReply, apart = ReplyFate::OutOfStep;
        // The first read's answer (25) is held past its deadline and past a
        // Save of 26: the reads meanwhile fail rather than show 25.
        QTest::newRow("held past a save")
            << LineRow{{2500}, {read(0, none), read(0, apart), save(26), read(0, apart), settle, read(26)}};
        QTest::newRow("held, no save between") << LineRow{{1500}, {read(0, none), read(0, apart), settle, read(25)}};
        QTest::newRow("dropped for good")
            << LineRow{{-1}, {read(0, none), read(0, apart), read(0, apart), fresh, read(25), read(25)}};
        QTest::newRow("dropped, then a save")
            << LineRow{{-1}, {read(0, none), save(26), read(0, apart), fresh, read(26), read(26)}};
        QTest::newRow("answered in order") << LineRow{{}, {read(25), save(26), read(26)}};
        // A Save's answer dropped: the next Save is not written, and a fresh
        // session ends the doubt; its Save then reaches the device.
        QTest::newRow("a save's answer dropped, then a save")
            << LineRow{{}, {Step{true, 26, none}, Step{true, 27, apart}, fresh, save(27), read(27)}, {-1}};
        // A window opened later shares the wire with what the first left on it.
        const auto later = [](int rate, ReplyFate fate = ReplyFate::Answered) { return Step{false, rate, fate, 3}; };
        QTest::newRow("held, read by a window opened later")
            << LineRow{{1500}, {read(0, none), later(0, apart), settle, later(25), read(25)}};
        // A slow device answers each request long after it was asked (the
        // deadline is kept well above it, so that a busy machine cannot make
        // an honest answer late): a read may go out while a read and a Save of its values
        // are owed, and each gets its own answer.
        QTest::newRow("slow, a read while a save of its values is owed")
            << LineRow{{2200, 2200}, {read(25, ReplyFate::Answered, true), save(26, true), read(26)}, {2200}, 8000};
        // Two Saves held past their deadlines, one refused and one stored:
        // once the line caught up each hears its own answer, in the order sent.
        const auto heldSave = [](int rate, bool noWait) { return Step{true, rate, ReplyFate::NoReply, 0, noWait}; };
        const Step release{false, 0, ReplyFate::Answered, 4};
        const int held = SimDevice::Held;
        QTest::newRow("a kept refusal, then a kept success") << LineRow{
            {}, {heldSave(31, true), heldSave(26, false), release, read(26)}, {held, held}, 1000, {{0, 5}, {1, 0}}};
        QTest::newRow("a kept success, then a kept refusal") << LineRow{
            {}, {heldSave(26, true), heldSave(31, false), release, read(26)}, {held, held}, 1000, {{0, 0}, {1, 5}}};
        // A Save standing alone is written only once nothing of its line is
        // owed, and nothing of its line is written while it is owed: its
        // answer is its own, late or not; what waited behind one whose
        // answer never came is refused, never written.
        const auto alone = [](int rate, ReplyFate fate, bool noWait) {
            return Step{true, rate, fate, 0, noWait, true};
        };
        QTest::newRow("alone, behind an owed save")
            << LineRow{{}, {save(26, true), alone(27, ReplyFate::Answered, false), read(27)}, {1500}, 8000};
        QTest::newRow("alone, its answer dropped: the next save waits and is refused")
            << LineRow{{}, {alone(26, none, true), Step{true, 27, apart}, fresh, read(25)}, {-1}};
        QTest::newRow("alone, a late answer is its own")
            << LineRow{{}, {alone(26, none, false), release, read(26)}, {held}, 1000, {{0, 0}}};
        QTest::newRow("alone, the save before it refused late")
            << LineRow{{}, {heldSave(31, true), alone(26, apart, false), release, read(25)}, {held}, 1000, {{0, 5}}};
        // Cut off with the connection, the Save waiting behind one standing
        // alone was never written: it goes out on the fresh session.
        QTest::newRow("alone, cut off: the save behind it goes out on the fresh session")
            << LineRow{{}, {alone(26, ReplyFate::ConnectionLost, true), save(27, true), fresh, read(27)}, {held}};
        // An honest slow device answers long after it was asked: what
        // waits is written once the line lets it, with a deadline of its own.
        QTest::newRow("alone, slow, behind a read and a save") << LineRow{
            {2400},
            {read(25, ReplyFate::Answered, true), save(26, true), alone(27, ReplyFate::Answered, false), read(27)},
            {2400, 2400},
            8000};
    }

    void replyLines()
    {
        QFETCH(LineRow, row);
        ConfigConversation::setTimeoutMs(row.timeoutMs);
        m_dev->setStoredBody(10002, QStringLiteral("<frameRate>25</frameRate>"));
        m_dev->planReplies(10002, row.plan);
        m_dev->planReplies(10003, row.savePlan);
        m_dev->setHandler(10003, [this](SimConnection *c, const SimRequest &r) {
            if (r.body.value(QStringLiteral("frameRate")).toInt() > 30) {
                c->reply(10003, 5);
                return;
            }
            m_dev->mergeStoredBody(10002, r.bodyText);
            c->reply(10003, 0);
        });
        QObject page;
        ConfigConversation second;
        second.setDevice(m_key);
        connect(&second, &ConfigConversation::replied, this, [this](QObject *requester, const ConfigReply &reply) {
            m_replied.append({requester, reply});
        });
        int before = 0; // replies checked
        QList<int> out; // steps sent and not checked yet
        for (int i = 0; i < row.steps.size(); ++i) {
            const Step &step = row.steps.at(i);
            if (step.act == 1) {
                QTRY_VERIFY_WITH_TIMEOUT(m_conv->inStep(10002, 0), 10000);
                continue;
            }
            if (step.act == 4) {
                QTRY_COMPARE_WITH_TIMEOUT(m_dev->heldCount(10003), row.late.size(), 10000);
                while (m_dev->releaseHeld(10003)) {
                }
                QTRY_VERIFY_WITH_TIMEOUT(m_replied.size() >= before + row.late.size(), 10000);
                QCOMPARE(m_replied.size(), before + row.late.size());
                for (const auto &late : qAsConst(row.late)) {
                    const ConfigReply reply = m_replied.at(before++).reply;
                    QCOMPARE(reply.tag, quint64(late.first + 1));
                    QVERIFY(reply.late);
                    // With nothing else of its line written beside it, a late
                    // answer still proves its request; beside another it does not.
                    QCOMPARE(reply.sole, row.late.size() == 1);
                    QCOMPARE(int(reply.fate), int(ReplyFate::Answered));
                    QCOMPARE(reply.result.ok() ? 0 : reply.result.code, late.second);
                }
                continue;
            }
            if (step.act == 2) {
                // What was written reached the device before the connection goes.
                QVERIFY(delivered());
                QSignalSpy back(m_conv.get(), &ConfigConversation::sessionStarted);
                m_conv->restartSession();
                QTRY_VERIFY_WITH_TIMEOUT(!back.isEmpty() && m_conv->isOnline(), 10000);
                QVERIFY(m_conv->inStep(10002, 0));
                continue;
            }
            ConfigRequest request;
            request.cmd = step.save ? 10003 : 10002;
            request.kind = step.save ? RequestKind::Save : RequestKind::Read;
            request.body = step.save ? QStringLiteral("<frameRate>%1</frameRate>").arg(step.frameRate) : QString();
            request.tag = quint64(i + 1);
            request.alone = step.alone;
            QVERIFY((step.act == 3 ? &second : m_conv.get())->send(&page, request));
            // Behind a request of its line still owed, one standing alone waits.
            const bool behind = std::any_of(out.cbegin(), out.cend(), [&row](int k) { return row.steps.at(k).save; });
            if (step.alone && behind) {
                QCOMPARE(m_conv->queued(&page), 1);
                QVERIFY(delivered());
                const auto earlier = row.steps.mid(0, i);
                QCOMPARE(m_dev->requestCount(request.cmd),
                         int(std::count_if(earlier.cbegin(), earlier.cend(),
                                           [](const Step &s) { return s.save && s.fate != ReplyFate::OutOfStep; })));
            }
            out << i;
            if (step.noWait)
                continue;
            // The replies come in the order asked.
            QTRY_VERIFY_WITH_TIMEOUT(m_replied.size() >= before + out.size(), 10000);
            QCOMPARE(m_replied.size(), before + out.size());
            for (int k : qAsConst(out)) {
                const Step &sent = row.steps.at(k);
                const ConfigReply reply = m_replied.at(before++).reply;
                QCOMPARE(reply.tag, quint64(k + 1));
                QCOMPARE(int(reply.fate), int(sent.fate));
                if (sent.fate != ReplyFate::Answered)
                    continue;
                QVERIFY(reply.ok());
                QVERIFY(!sent.alone || reply.sole);
                if (!sent.save)
                    QCOMPARE(findValuesInXml(reply.xml, QStringLiteral("body")).value(QStringLiteral("frameRate")),
                             QString::number(sent.frameRate));
            }
            out.clear();
        }
        // What was refused out of step never reached the device.
        const int saves = int(std::count_if(row.steps.cbegin(), row.steps.cend(), [](const Step &step) {
            return step.save && step.act == 0 && step.fate != ReplyFate::OutOfStep;
        }));
        QCOMPARE(m_dev->requestCount(10003), saves);
        QCOMPARE(m_conv->queued(), 0);
        ConfigConversation::setTimeoutMs(6000);
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
        // What never came is no longer waited for, but stays on the wire.
        const int silent = int(std::count(row.faults.cbegin(), row.faults.cend(), Fault::Silent));
        QTRY_COMPARE_WITH_TIMEOUT(m_conv->waiting(&page), 0, 10000);
        QCOMPARE(m_conv->onWire(), silent);
        QCOMPARE(round.state(), row.state);
        // Whatever comes later does not mend a failed round; a copy of an
        // answer the round took un-reads a round that was read.
        for (const Read &read : qAsConst(row.reads)) {
            if (!read.optional)
                m_dev->pushMessage(read.cmd, QString(), 0, read.channel);
        }
        QVERIFY(flush());
        const bool wasRead = row.state == ConfigReadRound::State::Done;
        QCOMPARE(round.state(), wasRead ? ConfigReadRound::State::Failed : row.state);
        QCOMPARE(round.untrusted(), wasRead);
        QVERIFY(!round.isRead());
        QCOMPARE(failed.size(), row.state == ConfigReadRound::State::Failed || wasRead ? 1 : 0);
        QCOMPARE(done.size(), wasRead ? 1 : 0);
        for (const Read &read : qAsConst(row.reads)) {
            if (read.optional)
                QCOMPARE(round.optionalOk(read.cmd), row.optionalOk.contains(read.cmd));
        }
        ConfigReadRound::setTimeoutMs(6000);
    }

    // A new round no longer waits for what the one before asked, a read announced for
    // later keeps the round open, and a read that cannot be sent fails it at
    // once.
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
        m_dev->setCommandSilent(10004, true);
        round.begin();
        QVERIFY(round.read(10004, 2));
        QCOMPARE(m_conv->waiting(&page, 10004), 1);
        m_dev->setCommandSilent(10004, false);
        round.begin();
        QCOMPARE(m_conv->waiting(&page, 10004), 0);
        QVERIFY(round.read(10004, 2));
        round.expect(35008, 2);
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 10000);
        QCOMPARE(answers.at(0), ConfigReadRound::Answer::Required);
        QCOMPARE(round.state(), ConfigReadRound::State::Pending);
        // A reply the owner kept from before is not this round's.
        ConfigReply old;
        old.tag = 1;
        old.usable = true;
        old.cmd = 10004;
        QCOMPARE(round.take(old), ConfigReadRound::Answer::Stale);
        QCOMPARE(round.state(), ConfigReadRound::State::Pending);
        QCOMPARE(round.channel(), 2);
        QVERIFY(round.read(35008, 2));
        QTRY_COMPARE_WITH_TIMEOUT(round.state(), ConfigReadRound::State::Done, 10000);
        QCOMPARE(round.pending(), 0);

        QVERIFY(m_conv->send(&page, 14002));
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 3, 10000);
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
