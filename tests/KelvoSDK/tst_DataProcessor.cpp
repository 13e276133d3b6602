// The receive worker driven from memory: sorting by head command, the stream
// queue with its key-frame gate and seek flush, and the adaptive pacing.

#include "DataProcessor.h"
#include "PrivateProto.h"
#include "ReplyEnvelope.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray wholeFrame(unsigned int cmd, int mediaSize, uint32_t frameId = 1, bool key = false)
{
    StreamFragmentHeader h;
    h.setWord(0, frameId * 40);
    h.setFragmentLength(uint16_t(qMin(mediaSize, 65535)));
    h.bytes[12] = PrivateProto::FragmentWhole;
    h.bytes[13] = key ? 1 : 0;
    h.setWord(4, frameId);
    QByteArray data = h.toByteArray() + QByteArray(mediaSize, char(frameId));
    QByteArray p = QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>90000</type><cmd>%1</cmd>"
                                  "<result>0</result></head><body><dataLen>%2</dataLen></body></PrivateProto>")
                       .arg(cmd)
                       .arg(data.size())
                       .toUtf8();
    p.append(4, '\0');
    return p + data;
}

QByteArray framed(const QByteArray &payload)
{
    return PrivateProto::frame(payload);
}

int cmdOf(const QList<QVariant> &args)
{
    return PrivateProto::headCommand(args.at(0).value<RecvInfo>().xml);
}

} // namespace

class TestDataProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerKelvoMetaTypes(); }
    void replyAndStreamInOneFrame();
    void replyMentioningStreamNumbers();
    void seekFlushesAndGates();
    void gateOpensOnTheKeyFlagOrALargeFrame_data();
    void gateOpensOnTheKeyFlagOrALargeFrame();
    void downloadIsImmediateAndUngated();
    void pacingFollowsBacklog();
    void identityStamped();
    void lyingHeadersGivenUpTogether();
    void headReadOnceOnTheWay();
    void messagesReachTheWindowThreadWhole();
};

void TestDataProcessor::replyAndStreamInOneFrame()
{
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    // Frame split in two reads, cut inside the stream element.
    const QByteArray bytes = framed(reply(14002, "<UID>A</UID>") + wholeFrame(90001, 20000, 1, true));
    w.processPacket(bytes.left(150));
    QCOMPARE(spy.count(), 0);
    w.processPacket(bytes.mid(150));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cmdOf(spy.at(0)), 14002);
    QVERIFY(spy.at(0).at(0).value<RecvInfo>().data.isEmpty());
    QCOMPARE(w.streamQueueLength(), 1);
    w.sendStream();
    QCOMPARE(spy.count(), 2);
    const RecvInfo frame = spy.at(1).at(0).value<RecvInfo>();
    QCOMPARE(frame.data.size(), 20000);
    QCOMPARE(frame.mediaHeader.frameId(), 1u);
    QCOMPARE(w.streamQueueLength(), 0);
}

void TestDataProcessor::replyMentioningStreamNumbers()
{
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    w.processPacket(framed(wholeFrame(90001, 12000, 1, true)));
    QCOMPARE(w.streamQueueLength(), 1);
    // A reply whose values contain the stream and seek numbers stays a reply
    // and leaves the playback queue alone.
    w.processPacket(framed(reply(14002, "<UID>90001</UID><serial>14304</serial><t>90002</t>")));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cmdOf(spy.at(0)), 14002);
    QCOMPARE(w.streamQueueLength(), 1);
    QVERIFY(!w.waitingForKeyFrame());
}

void TestDataProcessor::seekFlushesAndGates()
{
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    QVERIFY(w.waitingForKeyFrame());
    w.processPacket(framed(wholeFrame(90001, 500, 1)));
    QCOMPARE(w.streamQueueLength(), 0); // delta frame before any key frame
    w.processPacket(framed(wholeFrame(90001, 20000, 2, true)));
    for (int i = 3; i < 8; ++i)
        w.processPacket(framed(wholeFrame(90001, 500, uint32_t(i))));
    QCOMPARE(w.streamQueueLength(), 6);

    w.processPacket(framed(reply(14304)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cmdOf(spy.at(0)), 14304);
    QCOMPARE(w.streamQueueLength(), 0);
    QVERIFY(w.waitingForKeyFrame());

    w.processPacket(framed(wholeFrame(90001, 10000, 11)));
    QCOMPARE(w.streamQueueLength(), 0);
    w.processPacket(framed(wholeFrame(90001, 3000, 12, true)));
    QCOMPARE(w.streamQueueLength(), 1);
    w.processPacket(framed(wholeFrame(90001, 100, 13)));
    QCOMPARE(w.streamQueueLength(), 2);
    w.sendStream();
    QCOMPARE(spy.last().at(0).value<RecvInfo>().mediaHeader.frameId(), 12u);
}

// The gate opens on the header's key flag whatever the frame's size, also for
// a frame reassembled from fragments (the flag rides on its first fragment),
// and, for a recorder that never sets the flag, on a frame of more than 10000
// bytes.
void TestDataProcessor::gateOpensOnTheKeyFlagOrALargeFrame_data()
{
    QTest::addColumn<QList<int>>("sizes");  // media bytes of each frame, in order
    QTest::addColumn<QList<bool>>("keys");  // key flag of each frame
    QTest::addColumn<int>("fragments");     // fragments per frame (1: whole)
    QTest::addColumn<QList<int>>("queued"); // frame ids that reach the queue
    QTest::newRow("small key frame of a quiet scene")
        << QList<int>{900, 8500, 700} << QList<bool>{false, true, false} << 1 << QList<int>{2, 3};
    QTest::newRow("frames of up to 10000 bytes before the key")
        << QList<int>{10000, 9000, 8500, 600} << QList<bool>{false, false, true, false} << 1 << QList<int>{3, 4};
    QTest::newRow("key flag on the first of three fragments")
        << QList<int>{9000, 9000, 24000} << QList<bool>{false, true, false} << 3 << QList<int>{2, 3};
    QTest::newRow("no flag, 10001 bytes")
        << QList<int>{900, 10001, 700} << QList<bool>{false, false, false} << 1 << QList<int>{2, 3};
    QTest::newRow("no flag, large frame from fragments")
        << QList<int>{6000, 24000, 500} << QList<bool>{false, false, false} << 3 << QList<int>{2, 3};
    QTest::newRow("neither flag nor large frame")
        << QList<int>{10000, 6000} << QList<bool>{false, false} << 2 << QList<int>{};
}

void TestDataProcessor::gateOpensOnTheKeyFlagOrALargeFrame()
{
    QFETCH(QList<int>, sizes);
    QFETCH(QList<bool>, keys);
    QFETCH(int, fragments);
    QFETCH(QList<int>, queued);
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    int16_t sequence = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        const uint32_t id = uint32_t(i + 1);
        const QByteArray media(sizes.at(i), char(id));
        const int part = (media.size() + fragments - 1) / fragments;
        for (int f = 0; f < fragments; ++f) {
            StreamFragmentHeader h;
            h.setWord(0, id * 40);
            const QByteArray piece = media.mid(f * part, part);
            h.setSequence(sequence++);
            h.setFragmentLength(uint16_t(piece.size()));
            h.bytes[12] = fragments == 1       ? PrivateProto::FragmentWhole
                          : f == 0             ? PrivateProto::FragmentFirst
                          : f == fragments - 1 ? PrivateProto::FragmentLast
                                               : PrivateProto::FragmentMiddle;
            h.bytes[13] = f == 0 && keys.at(i) ? 1 : 0;
            h.setWord(4, id);
            const QByteArray data = h.toByteArray() + piece;
            QByteArray p = QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>90000</type>"
                                          "<cmd>90001</cmd><result>0</result></head><body><dataLen>%1</dataLen>"
                                          "</body></PrivateProto>")
                               .arg(data.size())
                               .toUtf8();
            p.append(4, '\0');
            w.processPacket(framed(p + data));
        }
    }
    QList<int> got;
    while (w.streamQueueLength() > 0) {
        w.sendStream();
        const RecvInfo info = spy.last().at(0).value<RecvInfo>();
        got << int(info.mediaHeader.frameId());
        QCOMPARE(info.data.size(), sizes.at(got.last() - 1));
    }
    QCOMPARE(got, queued);
    QCOMPARE(w.waitingForKeyFrame(), queued.isEmpty());
}

void TestDataProcessor::downloadIsImmediateAndUngated()
{
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    w.processPacket(framed(wholeFrame(90002, 100, 1)) + framed(wholeFrame(90002, 100, 2)));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(w.streamQueueLength(), 0);
    QCOMPARE(spy.at(1).at(0).value<RecvInfo>().mediaHeader.frameId(), 2u);
}

void TestDataProcessor::pacingFollowsBacklog()
{
    DataProcessor w;
    QSignalSpy intervals(&w, &DataProcessor::setTimerInterval);
    QByteArray burst;
    burst += framed(wholeFrame(90001, 20000, 1, true));
    for (int i = 2; i <= 70; ++i)
        burst += framed(wholeFrame(90001, 50, uint32_t(i)));
    w.processPacket(burst);
    QCOMPARE(w.streamQueueLength(), 70);
    // 70 queued: above 50 for 19 ticks, then nothing changes until below 15.
    for (int i = 0; i < 19; ++i)
        w.sendStream();
    QCOMPARE(intervals.count(), 19);
    QCOMPARE(intervals.last().at(0).toInt(), 25); // 40 down by one per tick, floored at 25
    QCOMPARE(int(w.currentInterval()), 25);
    const int before = intervals.count();
    for (int i = 0; i < 20; ++i) // lengths 50..31: no change
        w.sendStream();
    QCOMPARE(intervals.count(), before);
    while (w.streamQueueLength() > 0)
        w.sendStream();
    QCOMPARE(int(w.currentInterval()), 40);
    QCOMPARE(intervals.last().at(0).toInt(), 40);
    const int atEnd = intervals.count();
    w.sendStream(); // empty queue: nothing
    QCOMPARE(intervals.count(), atEnd);
}

void TestDataProcessor::identityStamped()
{
    DataProcessor w;
    RecvInfo id;
    id.ip = "127.9.9.9";
    id.channel = 7;
    w.setDevInfo(id);
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    w.processPacket(framed(reply(35001)));
    QCOMPARE(spy.count(), 1);
    const RecvInfo got = spy.at(0).at(0).value<RecvInfo>();
    QCOMPARE(got.ip, QStringLiteral("127.9.9.9"));
    QCOMPARE(int(got.channel), 7);
    // The message is the element itself, from its start tag to its end tag.
    QVERIFY(got.xml.startsWith(QStringLiteral("<PrivateProto><head>")));
    QVERIFY(got.xml.endsWith(QStringLiteral("</PrivateProto>")));
}

// Headers that announce more than ever follows, one behind the other, in
// front of a reply: each is given up by when it came on the peer clock, so
// once they have all waited the bound a single judgement releases the reply,
// however many there are. Time the peer clock did not count (the client held
// its reads) is no wait; each frame given up is told as lost.
void TestDataProcessor::lyingHeadersGivenUpTogether()
{
    DataProcessor w;
    StreamLimits limits;
    limits.stalledFrameMs = 100;
    w.setLimits(limits);
    w.setPeerClock(1000);
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    QSignalSpy lost(&w, &DataProcessor::streamLost);
    QSignalSpy judged(&w, &DataProcessor::judged);
    // The first is a download frame whose rest never comes: its head tells
    // whose data is lost.
    const QByteArray cut = framed(wholeFrame(90002, 5000)).left(300);
    QByteArray bytes = cut;
    for (int i = 0; i < 2; ++i)
        bytes += PrivateProto::frameHeader(PrivateProto::MaxFrameLength) + QByteArray(50, 'x');
    bytes += framed(reply(14001));
    w.processPacket(bytes);
    QCOMPARE(spy.count(), 0);
    QVERIFY(w.holdsIncompleteFrame());
    w.judgeStalls(1099);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(lost.count(), 0);
    const int held = w.splitterBytes();
    w.judgeStalls(1100);
    QVERIFY(w.splitterBytes() < held);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cmdOf(spy.at(0)), 14001);
    QCOMPARE(w.splitterBytes(), 0);
    QVERIFY(!w.holdsIncompleteFrame());
    QCOMPARE(lost.count(), 3);
    for (int i = 0; i < lost.count(); ++i) {
        QCOMPARE(lost.at(i).at(0).value<RecvInfo>().head.cmd, i == 0 ? 90002 : -1); // the others had no head
        QCOMPARE(lost.at(i).at(1).value<StreamLoss>(), StreamLoss::FrameGivenUp);
    }
    QCOMPARE(judged.count(), 2);
}

// Each message leaves the worker with its head read, from one pass of the
// reader over its text, and nothing of one head stays on the next message.
void TestDataProcessor::headReadOnceOnTheWay()
{
    DataProcessor w;
    QSignalSpy spy(&w, &DataProcessor::recvCommonInfo);
    const QByteArray failed = "<?xml version=\"1.0\"?><PrivateProto><head><type>10000</type><cmd>10004</cmd>"
                              "<channel>3</channel><result>5</result></head><body/></PrivateProto>\n";
    const QByteArray refused = "<PrivateProto><head><cmd>14020</cmd><result>0</result></head><a><b></a></b>"
                               "</PrivateProto>\n";
    // Cut short: alone in its frame, and ahead of a whole one in the same frame.
    const QByteArray cutShort = "<?xml version=\"1.0\"?><PrivateProto><head><cmd>14203</cmd><channel>2</channel>"
                                "<result>0</result></head><body><ChannelInfo><IpAddr>127.0.0.9";
    const quint64 before = DeviceXml::passes();
    w.processPacket(framed(failed) + framed(wholeFrame(90002, 800, 1)) + framed(refused) + framed(reply(14017))
                    + framed(cutShort) + framed(cutShort + reply(14001)));
    QCOMPARE(spy.count(), 7);
    QCOMPARE(DeviceXml::passes() - before, quint64(7));

    const auto head = [&spy](int i) { return spy.at(i).at(0).value<RecvInfo>().head; };
    QVERIFY(head(0).usable);
    QCOMPARE(head(0).cmd, 10004);
    QCOMPARE(head(0).channel, 3);
    QCOMPARE(int(head(0).result.kind), int(ReplyResult::Failure));
    QCOMPARE(head(0).result.code, 5);
    QVERIFY(!spy.at(1).at(0).value<RecvInfo>().data.isEmpty());
    QCOMPARE(head(1).cmd, 90002);
    QCOMPARE(head(1).channel, 0);
    QVERIFY(head(1).usable && head(1).result.ok());
    // Refused: its command is told, its result never taken for success.
    QVERIFY(!head(2).usable);
    QCOMPARE(head(2).cmd, 14020);
    QVERIFY(!head(2).result.ok());
    QCOMPARE(head(3).cmd, 14017);
    QVERIFY(head(3).usable && head(3).result.ok());
    // Handed on as unusable, with whose reply it was.
    for (int i : {4, 5}) {
        QVERIFY(!head(i).usable);
        QCOMPARE(head(i).cmd, 14203);
        QCOMPARE(head(i).channel, 2);
        QCOMPARE(int(head(i).result.kind), int(ReplyResult::Unreadable));
    }
    QCOMPARE(head(6).cmd, 14001);
    QVERIFY(head(6).usable);
}

// As a session takes them: the worker in its thread copies each message for
// the window thread while it goes on with the next; every copy is read whole.
void TestDataProcessor::messagesReachTheWindowThreadWhole()
{
    QThread thread;
    DataProcessor w;
    w.moveToThread(&thread);
    int taken = 0;
    int whole = 0;
    connect(
        &w, &DataProcessor::recvCommonInfo, this,
        [&](const RecvInfo &info) {
            whole += DataProcessor::deliveryCost(info) > 0 && info.xml.contains(QStringLiteral("<n>%1<").arg(taken++));
        },
        Qt::QueuedConnection);
    thread.start();
    const auto stop = qScopeGuard([&] {
        thread.quit();
        thread.wait();
    });
    for (int i = 0; i < 10000; ++i)
        QMetaObject::invokeMethod(&w, "processPacket",
                                  Q_ARG(QByteArray, framed(reply(14002, QStringLiteral("<n>%1</n>").arg(i)))));
    QTRY_COMPARE(taken, 10000);
    QCOMPARE(whole, 10000);
}

QTEST_GUILESS_MAIN(TestDataProcessor)
#include "tst_DataProcessor.moc"
