// Wire formats: envelope building and checking, frame splitting, message
// cutting and fragment reassembly, all from memory.

#include "PrivateProto.h"
#include "ReplyEnvelope.h"

#include <QThread>
#include <QtTest>

namespace {

QByteArray streamPayload(unsigned int cmd, const QByteArray &data, const QString &extraBody = QString())
{
    QByteArray p = QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>90000</type><cmd>%1</cmd>"
                                  "<result>0</result></head><body>%2<dataLen>%3</dataLen></body></PrivateProto>")
                       .arg(cmd)
                       .arg(extraBody)
                       .arg(data.size())
                       .toUtf8();
    p.append(4, '\0');
    p.append(data);
    return p;
}

QByteArray fragment(uint8_t type, int16_t seq, uint32_t frameId, const QByteArray &media, uint32_t time = 0,
                    uint8_t flag = 0, uint8_t skip = 0)
{
    StreamFragmentHeader h;
    h.setWord(0, time);
    h.setSequence(seq);
    h.setFragmentLength(uint16_t(media.size()));
    h.bytes[12] = type;
    h.bytes[13] = flag;
    h.bytes[14] = skip;
    h.setWord(4, frameId);
    return h.toByteArray() + media;
}

// Runs one stream message through cutting and reassembly; lost, when given,
// gets what the message showed lost.
QByteArray feedStream(StreamReassembler &r, const QByteArray &payload, RecvInfo &info, StreamLoss *lost = nullptr)
{
    const QList<EnvelopeSpan> spans = cutEnvelopes(payload);
    if (spans.isEmpty())
        return QByteArray();
    const StreamLoss loss = r.parseStream(payload, spans.first(), info, true);
    if (lost)
        *lost = loss;
    return info.data;
}

} // namespace

class TestPrivateProto : public QObject
{
    Q_OBJECT

private slots:
    void envelope_data();
    void envelope();
    void envelopeRefusedBodies_data();
    void envelopeRefusedBodies();
    void envelopeBodyLimit();
    void envelopeBodyWithPlaceholders();
    void escapeText();
    void maskSecrets_data();
    void maskSecrets();

    void splitterWholeAndEmpty();
    void splitterEveryCut();
    void splitterGarbageAndOversize();
    void splitterWaitsForHeader();
    void splitterBoundsNoise();

    void cutReplyAndStream();
    void cutSkipsStreamTail();
    void headCommandReadsHeadOnly();

    void reassembleWrappingSequence();
    void reassembleMissingMiddle();
    void reassembleWholeSkipAndShort();
    void parseByElementText();
};

void TestPrivateProto::envelope_data()
{
    QTest::addColumn<uint>("cmd");
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("expected");
    QTest::newRow("heartbeat") << 35001u << QString() << 0
                               << "<?xml version=\"1.0\"?><PrivateProto><head><type>30000</type><cmd>35001</cmd>"
                                  "<result>0</result></head><body></body></PrivateProto>\n";
    QTest::newRow("channel 3") << 35001u << QString() << 3
                               << "<?xml version=\"1.0\"?><PrivateProto><head><type>30000</type><cmd>35001</cmd>"
                                  "<channel>3</channel><result>0</result></head><body></body></PrivateProto>\n";
    QTest::newRow("query") << 14300u << "<ChannelId>1</ChannelId>" << 0
                           << "<?xml version=\"1.0\"?><PrivateProto><head><type>10000</type><cmd>14300</cmd>"
                              "<result>0</result></head><body><ChannelId>1</ChannelId></body></PrivateProto>\n";
    QTest::newRow("below 10000") << 9999u << QString() << 255
                                 << "<?xml version=\"1.0\"?><PrivateProto><head><type>0</type><cmd>9999</cmd>"
                                    "<channel>255</channel><result>0</result></head><body></body></PrivateProto>\n";
}

void TestPrivateProto::envelope()
{
    QFETCH(uint, cmd);
    QFETCH(QString, body);
    QFETCH(int, channel);
    QFETCH(QString, expected);
    QCOMPARE(getSafeXml(cmd, body, uchar(channel)), expected);
    QCOMPARE(PrivateProto::commandType(20002), 20000u);
    QCOMPARE(PrivateProto::commandType(90002), 90000u);
}

void TestPrivateProto::envelopeRefusedBodies_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("safe");
    QTest::newRow("several elements") << "<a>1</a><b><c>2</c></b>" << true;
    QTest::newRow("text only") << "plain" << true;
    QTest::newRow("unclosed") << "<a>1" << false;
    QTest::newRow("bare lt") << "<a>1<2</a>" << false;
    QTest::newRow("bare amp") << "<a>R&D</a>" << false;
    QTest::newRow("escaped") << "<a>R&amp;D &lt;</a>" << true;
}

void TestPrivateProto::envelopeRefusedBodies()
{
    QFETCH(QString, body);
    QFETCH(bool, safe);
    QCOMPARE(isSafeXmlFragment(body), safe);
    QCOMPARE(getSafeXml(14012, body, 0).isEmpty(), !safe);
}

void TestPrivateProto::envelopeBodyLimit()
{
    const QString atLimit(PrivateProto::MaxBodyLength, QLatin1Char('x'));
    QVERIFY(isSafeXmlFragment(atLimit));
    QVERIFY(!isSafeXmlFragment(atLimit + QLatin1Char('x')));
}

void TestPrivateProto::envelopeBodyWithPlaceholders()
{
    // The body is inserted raw, once: placeholders inside it stay as they are.
    const QString xml = getSafeXml(14018, QStringLiteral("<a>%1 %2 100%</a>"), 0);
    QVERIFY(xml.contains(QStringLiteral("<body><a>%1 %2 100%</a></body>")));
}

void TestPrivateProto::escapeText()
{
    QCOMPARE(PrivateProto::escapeText(QStringLiteral("pa&ss<word>")), QStringLiteral("pa&amp;ss&lt;word>"));
    QCOMPARE(PrivateProto::escapeText(QStringLiteral("plain%1")), QStringLiteral("plain%1"));
    const QString body = QStringLiteral("<password>%1</password>").arg(PrivateProto::escapeText("a<&b"));
    QVERIFY(isSafeXmlFragment(body));
    QCOMPARE(findValuesInXml(getSafeXml(14012, body, 0), "body").value("password"), QStringLiteral("a<&b"));
}

void TestPrivateProto::maskSecrets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("masked");
    QTest::newRow("login") << "<userName>u</userName><password>s3cret</password>"
                           << "<userName>u</userName><password>********</password>";
    QTest::newRow("unclosed") << "<userName>u</userName><password>ab<cd"
                              << "<userName>u</userName><password>********";
    QTest::newRow("bare lt inside") << "<password>a<b</password><x>1</x>"
                                    << "<password>********</password><x>1</x>";
    QTest::newRow("others") << "<oldPassword>1</oldPassword><newPassWord>2</newPassWord>"
                            << "<oldPassword>********</oldPassword><newPassWord>********</newPassWord>";
    QTest::newRow("none") << "<ChannelId>1</ChannelId>"
                          << "<ChannelId>1</ChannelId>";
}

void TestPrivateProto::maskSecrets()
{
    QFETCH(QString, text);
    QFETCH(QString, masked);
    QCOMPARE(PrivateProto::maskSecrets(text), masked);
}

void TestPrivateProto::splitterWholeAndEmpty()
{
    FrameSplitter s;
    QList<QByteArray> out;
    const QByteArray bytes =
        PrivateProto::frame(QByteArray()) + PrivateProto::frame("one") + PrivateProto::frame("two");
    s.feed(bytes, out);
    QCOMPARE(out, (QList<QByteArray>{QByteArray(), "one", "two"}));
    QCOMPARE(out.first().isNull() || out.first().isEmpty(), true);
    QCOMPARE(s.buffered(), 0);
    QCOMPARE(PrivateProto::frame("ab").toHex(), QByteArray("0703182002000000"
                                                           "6162"));
}

void TestPrivateProto::splitterEveryCut()
{
    const QByteArray a = reply(14012);
    QByteArray b = streamPayload(90001, QByteArray(300, 'm'));
    const QByteArray stream = PrivateProto::frame(a) + PrivateProto::frame(b) + PrivateProto::frame(QByteArray());
    for (int cut = 0; cut <= stream.size(); ++cut) {
        FrameSplitter s;
        QList<QByteArray> out;
        s.feed(stream.left(cut), out);
        s.feed(stream.mid(cut), out);
        QCOMPARE(out.size(), 3);
        QCOMPARE(out.at(0), a);
        QCOMPARE(out.at(1), b);
    }
    // One byte per read.
    FrameSplitter s;
    QList<QByteArray> out;
    for (char c : stream)
        s.feed(&c, 1, out);
    QCOMPARE(out, (QList<QByteArray>{a, b, QByteArray()}));
}

void TestPrivateProto::splitterGarbageAndOversize()
{
    FrameSplitter s;
    QList<QByteArray> out;
    s.feed(QByteArray("noise\x07\x03") + PrivateProto::frame("x"), out);
    QCOMPARE(out, QList<QByteArray>{"x"});
    QCOMPARE(s.buffered(), 0);

    // An oversized header is dropped alone; a frame inside its would-be payload
    // is found right after it, without waiting for 8 MiB.
    out.clear();
    QByteArray bad = PrivateProto::frameHeader(0x800001);
    s.feed(bad + PrivateProto::frame("inner") + "tail", out);
    QCOMPARE(out, QList<QByteArray>{"inner"});

    // The largest allowed length waits for its payload.
    out.clear();
    s.clear();
    s.feed(PrivateProto::frameHeader(0x800000) + "abc", out);
    QVERIFY(out.isEmpty());
    QCOMPARE(s.buffered(), 11);
}

void TestPrivateProto::splitterWaitsForHeader()
{
    FrameSplitter s;
    QList<QByteArray> out;
    const QByteArray f = PrivateProto::frame("payload");
    s.feed(f.left(7), out); // magic and 3 length bytes
    QVERIFY(out.isEmpty());
    QCOMPARE(s.buffered(), 7);
    s.feed(f.mid(7), out);
    QCOMPARE(out, QList<QByteArray>{"payload"});
}

void TestPrivateProto::splitterBoundsNoise()
{
    FrameSplitter s;
    QList<QByteArray> out;
    for (int i = 0; i < 1000; ++i)
        s.feed(QByteArray(4096, 'z'), out);
    QVERIFY(s.buffered() <= 3);
    // A magic split across the kept bytes is still found.
    const QByteArray f = PrivateProto::frame("after");
    s.feed(QByteArray(100, 'z') + f.left(2), out);
    s.feed(f.mid(2), out);
    QCOMPARE(out, QList<QByteArray>{"after"});
}

void TestPrivateProto::cutReplyAndStream()
{
    const QByteArray r = reply(14304);
    const QByteArray st = streamPayload(90001, fragment(0x11, 1, 1, QByteArray(50, 'k')));
    for (const QByteArray &payload : {r + st, st + r}) {
        const QList<EnvelopeSpan> spans = cutEnvelopes(payload);
        QCOMPARE(spans.size(), 2);
        QStringList cmds;
        for (const EnvelopeSpan &sp : spans)
            cmds << QString::number(PrivateProto::headCommand(payload.mid(sp.begin, sp.end - sp.begin)));
        QCOMPARE(cmds.size(), 2);
        QVERIFY(cmds.contains("14304") && cmds.contains("90001"));
    }
}

void TestPrivateProto::cutSkipsStreamTail()
{
    // Media bytes that happen to spell an envelope are not a message.
    const QByteArray fake = reply(35003, "<alarm>1</alarm>");
    const QByteArray st = streamPayload(90001, fragment(0x11, 1, 1, fake));
    QCOMPARE(cutEnvelopes(st).size(), 1);
    QCOMPARE(cutEnvelopes(st + reply(14002)).size(), 2);
    // Nor when the stream message lost its closing tag: where its data
    // begins is not known.
    QByteArray cut = st;
    cut.remove(cut.indexOf("</PrivateProto>"), 15);
    QCOMPARE(cutEnvelopes(cut).size(), 0);
}

void TestPrivateProto::headCommandReadsHeadOnly()
{
    QCOMPARE(PrivateProto::headCommand(reply(14002, "<UID>90001</UID><t>90002</t>")), 14002);
    QCOMPARE(PrivateProto::headCommand(QByteArray("<PrivateProto><body><cmd>90001</cmd></body></PrivateProto>")), -1);
    QCOMPARE(PrivateProto::headCommand(QByteArray("<head><cmd> 90002 </cmd></head>")), 90002);
    QCOMPARE(PrivateProto::headCommand(QByteArray("<head><cmd>x</cmd></head>")), -1);
}

void TestPrivateProto::reassembleWrappingSequence()
{
    StreamReassembler r;
    RecvInfo info;
    info.ip = "127.0.0.1";
    info.channel = 2;
    const QByteArray m1(100, '1'), m2(100, '2'), m3(100, '3'), m4(7, '4');
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x11, -3, 8, m1)), info) == m1);
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x01, -2, 9, m1, 5000, 1)), info).isEmpty());
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x00, -1, 9, m2, 0, 0)), info).isEmpty());
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x00, 0, 9, m3, 0, 0)), info).isEmpty());
    StreamLoss lost = StreamLoss::FrameGivenUp;
    const QByteArray frame = feedStream(r, streamPayload(90001, fragment(0x10, 1, 9, m4, 0, 0)), info, &lost);
    QCOMPARE(frame, m1 + m2 + m3 + m4);
    // The first fragment's header travels with the frame.
    QCOMPARE(info.mediaHeader.frameTimeMs(), 5000u);
    QVERIFY(info.mediaHeader.isKeyFrame());
    QCOMPARE(info.mediaHeader.fragmentType(), uint8_t(0x01));
    // Numbers that wrap lose nothing, and the next frame goes on from them.
    QCOMPARE(lost, StreamLoss::None);
    QCOMPARE(feedStream(r, streamPayload(90001, fragment(0x11, 2, 10, m4)), info, &lost), m4);
    QCOMPARE(lost, StreamLoss::None);
}

// Each frame a missing piece spoils is told lost once; so are frames whose
// numbers were skipped, once the peer has been seen to count on from frame
// to frame.
void TestPrivateProto::reassembleMissingMiddle()
{
    StreamReassembler r;
    RecvInfo info;
    QList<StreamLoss> lost;
    const auto feed = [&](const QByteArray &fragmentBytes) {
        StreamLoss loss = StreamLoss::None;
        const QByteArray data = feedStream(r, streamPayload(90002, fragmentBytes), info, &loss);
        lost << loss;
        return data;
    };
    using L = StreamLoss;
    QVERIFY(feed(fragment(0x01, 10, 1, "a")).isEmpty());
    // sequence 11 lost
    QVERIFY(feed(fragment(0x00, 12, 1, "c")).isEmpty());
    QVERIFY(feed(fragment(0x10, 13, 1, "d")).isEmpty());
    // Another frame's fragment does not continue the frame either.
    QVERIFY(feed(fragment(0x01, 14, 2, "e")).isEmpty());
    QVERIFY(feed(fragment(0x10, 15, 3, "x")).isEmpty());
    QCOMPARE(feed(fragment(0x10, 15, 2, "f")), QByteArray("ef"));
    // A last fragment with nothing collected yields nothing.
    QVERIFY(feed(fragment(0x10, 16, 2, "g")).isEmpty());
    QCOMPARE(lost, (QList<L>{L::None, L::PieceMissing, L::None, L::None, L::PieceMissing, L::None, L::PieceMissing}));

    // Whole frames numbered on: 19 and 20 never came. Then a frame begun and
    // never ended, dropped by the next one.
    lost.clear();
    QCOMPARE(feed(fragment(0x11, 17, 4, "h")), QByteArray("h"));
    QCOMPARE(feed(fragment(0x11, 18, 5, "i")), QByteArray("i"));
    QCOMPARE(feed(fragment(0x11, 21, 8, "j")), QByteArray("j"));
    QVERIFY(feed(fragment(0x01, 22, 9, "k")).isEmpty());
    QCOMPARE(feed(fragment(0x11, 23, 10, "l")), QByteArray("l"));
    QCOMPARE(lost, (QList<L>{L::None, L::None, L::FramesMissing, L::None, L::PieceMissing}));

    // A peer that numbers each frame from anew loses nothing.
    StreamReassembler fresh;
    for (uint32_t id = 1; id <= 3; ++id) {
        StreamLoss loss = L::FrameGivenUp;
        QCOMPARE(feedStream(fresh, streamPayload(90002, fragment(0x11, 0, id, "m")), info, &loss), QByteArray("m"));
        QCOMPARE(loss, L::None);
    }
}

void TestPrivateProto::reassembleWholeSkipAndShort()
{
    StreamReassembler r;
    RecvInfo info;
    QCOMPARE(feedStream(r, streamPayload(90002, fragment(0x11, 1, 1, "whole")), info), QByteArray("whole"));
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x11, 2, 2, "skip", 0, 0, 1)), info).isEmpty());
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x22, 3, 3, "odd")), info).isEmpty());
    // Fragment length larger than the data present: only what is there.
    QByteArray f = fragment(0x11, 4, 4, "abc");
    f[10] = char(200);
    QCOMPARE(feedStream(r, streamPayload(90001, f), info), QByteArray("abc"));
    // dataLen larger than the frame: the bytes present.
    QByteArray p = streamPayload(90001, fragment(0x11, 5, 5, "xyz"));
    p.replace("<dataLen>23</dataLen>", "<dataLen>999</dataLen>");
    QCOMPARE(feedStream(r, p, info), QByteArray("xyz"));
    // Missing dataLen: nothing.
    p.replace("<dataLen>999</dataLen>", "");
    QVERIFY(feedStream(r, p, info).isEmpty());
    // A first fragment drops what was collected.
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x01, 1, 7, "old")), info).isEmpty());
    QVERIFY(feedStream(r, streamPayload(90001, fragment(0x01, 5, 8, "new")), info).isEmpty());
    QCOMPARE(feedStream(r, streamPayload(90001, fragment(0x10, 6, 8, "!")), info), QByteArray("new!"));
}

void TestPrivateProto::parseByElementText()
{
    StreamReassembler r;
    RecvInfo info;
    const QByteArray payload = reply(14002) + streamPayload(90002, fragment(0x11, 1, 1, "data"));
    const QList<EnvelopeSpan> spans = cutEnvelopes(payload);
    QCOMPARE(spans.size(), 2);
    const QByteArray element = payload.mid(spans.at(1).begin, spans.at(1).end - spans.at(1).begin);
    r.parseStreamRawInfo(element, payload, info, true);
    QCOMPARE(info.data, QByteArray("data"));
    r.parseStreamRawInfo(element, payload, info, false);
    QCOMPARE(info.data, fragment(0x11, 1, 1, "data"));

    // The free function keeps the partial frame of the calling thread only.
    const auto run = [](const QByteArray &p, RecvInfo &target) {
        const QByteArray text = p.left(p.indexOf("</PrivateProto>") + int(qstrlen("</PrivateProto>")));
        parseStreamRawInfo(text, p, target, true);
        return target.data;
    };
    RecvInfo here;
    here.ip = "127.0.0.1";
    QVERIFY(run(streamPayload(90001, fragment(0x01, 1, 3, "ab", 777, 1)), here).isEmpty());
    RecvInfo there = here;
    QByteArray elsewhere;
    QThread *other =
        QThread::create([&]() { elsewhere = run(streamPayload(90001, fragment(0x10, 2, 3, "c")), there); });
    other->start();
    QVERIFY(other->wait(5000));
    delete other;
    QVERIFY(elsewhere.isEmpty());
    QCOMPARE(run(streamPayload(90001, fragment(0x10, 2, 3, "c")), here), QByteArray("abc"));
    QCOMPARE(here.mediaHeader.frameTimeMs(), 777u);
}

QTEST_GUILESS_MAIN(TestPrivateProto)
#include "tst_PrivateProto.moc"
