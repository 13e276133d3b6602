#include "KelvoCommon.h"

#include <QDomDocument>
#include <QSet>
#include <QtTest>

#include <climits>

namespace {

QStringList g_xmlWarnings;
QtMessageHandler g_previousHandler = nullptr;

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("XML parsing error:"))) {
        g_xmlWarnings.append(message);
        return;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

using Values = QHash<QString, QString>;

// depth elements "n" one inside the other, the first holding "x", around inner.
QString nested(int depth, const QString &inner)
{
    if (depth <= 0)
        return inner;
    return QStringLiteral("<n>x") + QStringLiteral("<n>").repeated(depth - 1) + inner
           + QStringLiteral("</n>").repeated(depth);
}

} // namespace

Q_DECLARE_METATYPE(Values)

class TestKelvoCommon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(captureHandler); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }
    void init() { g_xmlWarnings.clear(); }

    void findValues_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<Values>("expected");
        QTest::addColumn<bool>("warns");
        // Read below the tag "a" unless another is named.
        const auto row = [](const char *name, const QString &xml, const Values &expected, bool warns = false,
                            const QString &tag = QStringLiteral("a")) {
            QTest::newRow(name) << xml << tag << expected << warns;
        };
        row("repeated name, first wins", "<a><b>1</b><b>2</b></a>", {{"b", "1"}});
        row("first non-empty wins", "<a><b></b><b>  </b><b>2</b></a>", {{"b", "2"}});
        row("tag missing", "<root><x>1</x></root>", {});
        row("grandchild flattened", "<a><x><b>1</b></x><c>2</c></a>", {{"b", "1"}, {"c", "2"}});
        row("empty elements give no entry", "<a><b></b><c/><d>  \n </d><e>0</e></a>", {{"e", "0"}});
        row("mixed content ignored", "<a>lead<b>1</b>tail</a>", {{"b", "1"}});
        row("nested same tag", "<a><a><b>1</b></a><c>2</c></a><c>3</c>", {{"b", "1"}, {"c", "2"}});
        row("only below the first match", "<r><a><b>1</b></a><a><b>2</b><c>3</c></a><c>4</c></r>", {{"b", "1"}});
        row("entities and CDATA", "<a><b>x &amp; y &lt;z&gt;</b><c><![CDATA[<raw> & ]]></c></a>",
            {{"b", "x & y <z>"}, {"c", "<raw> & "}});
        row("namespaced local name", "<s:a xmlns:s=\"urn:x\"><s:b>1</s:b></s:a>", {{"b", "1"}});
        row("case-sensitive tag", "<A><b>1</b></A>", {});
        row("envelope head",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><PrivateProto><head><type>14000</type><cmd>14012</cmd>"
            "<result>0</result></head><body><result>7</result><MAXChannels>8</MAXChannels></body></PrivateProto>",
            {{"type", "14000"}, {"cmd", "14012"}, {"result", "0"}}, false, "head");
        row("envelope body",
            "<PrivateProto><head><cmd>14012</cmd></head><body><MAXChannels>8</MAXChannels><name>门口</name></body>"
            "</PrivateProto>",
            {{"MAXChannels", "8"}, {"name", "门口"}}, false, "body");
        row("declared legacy encoding", "<?xml version=\"1.0\" encoding=\"GB2312\"?><a><b>中文</b></a>",
            {{"b", "中文"}});
        row("64 levels are read", "<a>" + nested(62, "<b>1</b>") + "</a>", {{"n", "x"}, {"b", "1"}});

        // truncated, malformed and too deep: nothing at all, never the part before the fault
        row("breaks off inside the tag", "<r><a><b>1</b><c>2</c><d>3", {}, true);
        row("breaks off inside a name", "<r><a><b>1</b><c", {}, true);
        row("breaks off before the tag", "<r><x>1</x><a", {}, true);
        row("breaks off after the tag", "<r><a><b>1</b></a><x>", {}, true);
        row("mismatched end inside", "<a><b>1</b><c>2</d></a>", {}, true);
        row("malformed before the tag", "<r><x></y><a><b>1</b></a></r>", {}, true);
        row("not xml", "HTTP/1.1 200 OK\r\n\r\n", {}, true);
        row("undeclared entity", "<a><b>1</b><c>&bogus;</c></a>", {}, true);
        row("empty text", "", {}, true);
        row("65 levels", "<a>" + nested(63, "<b>1</b>") + "</a>", {}, true);
        row("70 levels after the values", "<r><a><b>1</b></a>" + nested(70, "") + "</r>", {}, true);
        row("40,000 levels", "<a><b>1</b>" + nested(40000, "") + "</a>", {}, true);
    }

    void findValues()
    {
        QFETCH(QString, xml);
        QFETCH(QString, tag);
        QFETCH(bool, warns);
        QTEST(findValuesInXml(xml, tag), "expected");
        QCOMPARE(g_xmlWarnings.size(), warns ? 1 : 0);
    }

    // The tree reader gets nothing past the bound; a refused text is reported
    // once however many readers look at it, its passwords masked.
    void boundedTree()
    {
        const QString deep = "<a>" + nested(80, "<password>hunter2</password>") + "</a>";
        QDomDocument doc;
        QVERIFY(!DeviceXml::parse(deep, doc));
        QVERIFY(doc.isNull());
        QVERIFY(!DeviceXml::usable(deep));
        QCOMPARE(findValuesInXml(deep, "a"), Values{});
        QCOMPARE(g_xmlWarnings.size(), 1);
        QVERIFY(!g_xmlWarnings.first().contains("hunter2"));
        QVERIFY(g_xmlWarnings.first().contains("nesting deeper than 64"));
        QVERIFY(DeviceXml::parse("<a><b>1</b></a>\n\x01tail", doc));
        QCOMPARE(doc.documentElement().firstChildElement("b").text(), QStringLiteral("1"));
    }

    void replyResult_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("cmd");
        const auto reply = [](const QString &result) {
            return "<PrivateProto><head><cmd>13005</cmd>" + result
                   + "</head><body><result>0</result></body></PrivateProto>";
        };
        const auto row = [](const char *name, const QString &xml, ReplyResult::Kind kind, int code = 0,
                            int cmd = 13005) { QTest::newRow(name) << xml << int(kind) << code << cmd; };
        row("0", reply("<result>0</result>"), ReplyResult::Success);
        row("blanks around 0", reply("<result> 0\n</result>"), ReplyResult::Success);
        row("5", reply("<result>5</result>"), ReplyResult::Failure, 5);
        row("negative", reply("<result>-12</result>"), ReplyResult::Failure, -12);
        row("most negative", reply("<result>-2147483648</result>"), ReplyResult::Failure, INT_MIN);
        for (const char *text : {"0x5", "fail", "", "4294967296", "0.0"})
            row(*text ? text : "empty", reply(QStringLiteral("<result>%1</result>").arg(text)),
                ReplyResult::Unreadable);
        row("absent, 0 in the body", reply(""), ReplyResult::Unreadable);
        row("cut off after a 0", reply("<result>0</result>").left(70), ReplyResult::Unreadable);
        row("too deep after a 0",
            "<PrivateProto><head><cmd>12002</cmd><result>0</result></head><body>" + nested(70, "")
                + "</body></PrivateProto>",
            ReplyResult::Unreadable, 0, 12002);
        row("no head", "<PrivateProto><body/></PrivateProto>", ReplyResult::Unreadable, 0, -1);
    }

    void replyResult()
    {
        QFETCH(QString, xml);
        QFETCH(int, kind);
        QFETCH(int, code);
        const ReplyResult r = ReplyResult::of(xml);
        QCOMPARE(int(r.kind), kind);
        if (kind == ReplyResult::Failure)
            QCOMPARE(r.code, code);
        QCOMPARE(r.ok(), kind == ReplyResult::Success);
        const ReplyHead head = ReplyHead::read(xml);
        QCOMPARE(int(head.result.kind), kind);
        // The command of an unusable reply is still told, never its values.
        QTEST(head.cmd, "cmd");
    }

    // Arithmetic on a device's numbers saturates; lists a device fills are cut.
    void deviceValues()
    {
        QCOMPARE(DeviceValue::toInt(" 42 ", -7), 42);
        QCOMPARE(DeviceValue::toInt("99999999999", -7), -7);
        QCOMPARE(DeviceValue::toInt("0x5", -7), -7);
        QCOMPARE(DeviceValue::add(DeviceValue::toInt("-2147483648"), -1), INT_MIN);
        QCOMPARE(DeviceValue::multiply(INT_MAX, 9), INT_MAX);
        QCOMPARE(DeviceValue::divide(INT_MIN, -1), INT_MAX);
        QCOMPARE(DeviceValue::divide(7, 0, -3), -3);
        QCOMPARE(DeviceValue::bounded("-2147483648", 0, 100, 5), 0);
        QCOMPARE(DeviceValue::bounded("fail", 0, 100, 5), 5);
        QList<int> list;
        for (int i = 0; i < 300; ++i)
            list << i;
        DeviceValue::boundList(list, 256, "entries");
        QCOMPARE(list.size(), 256);
        QCOMPARE(DeviceValue::boundedCount(300, 255, "channels"), 255);
        QCOMPARE(DeviceValue::boundedCount(-1, 255, "channels"), 0);
    }

    void findAll_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unclosed last left out")
            << "<l><i>1</i><i><n>2</n></i><i>3" << QStringList{"<i>1</i>", "<i><n>2</n></i>"};
        QTest::newRow("empty text") << "" << QStringList{};
        QTest::newRow("no match") << "<l><j>1</j></l>" << QStringList{};
        QTest::newRow("attributes not matched") << "<i a=\"1\">x</i><i>y</i>" << QStringList{"<i>y</i>"};
        QTest::newRow("nested same name is one piece")
            << "<i><i>1</i></i><i>2</i>" << QStringList{"<i><i>1</i></i>", "<i>2</i>"};
        QTest::newRow("truncated close tag") << "<i>1</i" << QStringList{};
        QTest::newRow("utf-8 content") << "<i>门口 ✓</i><i></i>" << QStringList{"<i>门口 ✓</i>", "<i></i>"};
        QTest::newRow("prefix of a longer name") << "<item>1</item><i>2</i>" << QStringList{"<i>2</i>"};
    }

    void findAll()
    {
        QFETCH(QString, xml);
        QFETCH(QStringList, expected);
        QCOMPARE(findAllXmlElements(xml, "i"), expected);
        QCOMPARE(findAllXmlElements(xml.toUtf8(), "i"), expected);
        // Every piece is a whole element that the value reader takes again.
        for (const QString &piece : expected)
            QVERIFY2(DeviceXml::check(piece).usable(), qPrintable(piece));
    }

    void findAllCutUtf8()
    {
        // A multi-byte character cut by the end of the data stays outside the pieces.
        QByteArray data = QStringLiteral("<i>门</i><i>口").toUtf8();
        data.chop(1);
        QCOMPARE(findAllXmlElements(data, QStringLiteral("i")), QStringList{QStringLiteral("<i>门</i>")});
    }

    // What the connection is opened with; no record gives the defaults.
    void toLoginDev_data()
    {
        QTest::addColumn<bool>("record");
        for (const char *column :
             {"devType", "channelNum", "channelIdx", "onvifAuth", "channel", "authMode", "ipcChannels"})
            QTest::addColumn<int>(column);

        QTest::newRow("IPC without channels") << true << 0 << 0 << 0 << -1 << 0 << 255 << 255;
        QTest::newRow("IPC with two channels") << true << 0 << 2 << 0 << -1 << 0 << 255 << 1;
        QTest::newRow("IPC channel record") << true << 0 << 2 << 1 << -1 << 0 << 255 << 1;
        QTest::newRow("NVR channel record") << true << 1 << 16 << 5 << -1 << 5 << 255 << 0;
        QTest::newRow("NVR itself") << true << 1 << 16 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("ONVIF digest") << true << 2 << 0 << 0 << 2 << 0 << 2 << 0;
        QTest::newRow("no record") << false << 0 << 0 << 0 << -1 << 0 << 255 << 0;
    }

    void toLoginDev()
    {
        QFETCH(bool, record);
        QFETCH(int, devType);
        QFETCH(int, channelNum);
        QFETCH(int, channelIdx);
        QFETCH(int, onvifAuth);
        FUN_DEV_INFO dev;
        dev.devType = devType;
        dev.channelNum = uint8_t(channelNum);
        dev.channelIdx = uint8_t(channelIdx);
        dev.onvifAuth = onvifAuth;
        dev.ip = QStringLiteral("192.168.7.20");
        dev.devPort = 3000;
        dev.userName = QStringLiteral("u");
        dev.password = QStringLiteral("p");

        const loginDev key = ::toLoginDev(record ? &dev : nullptr);
        QCOMPARE(key.ip, record ? dev.ip : QString());
        QCOMPARE(key.port, uint16_t(record ? 3000 : 2028));
        QCOMPARE(key.user, record ? QStringLiteral("u") : DEFAULT_DEV_USER);
        QCOMPARE(key.password, record ? QStringLiteral("p") : DEFAULT_DEV_PASSWORD);
        QTEST(int(key.channel), "channel");
        QTEST(int(key.authMode), "authMode");
        QTEST(int(key.ipcChannels), "ipcChannels");
        QCOMPARE(key.reserved, 0);
    }

    // One connection per address and channel, whatever else differs.
    void loginDevKeyIsAddressAndChannel()
    {
        loginDev a;
        a.ip = QStringLiteral("10.0.0.1");
        loginDev b = a;
        b.password = QStringLiteral("other");
        b.port = 1;
        b.authMode = 2;
        QVERIFY(a == b);
        QCOMPARE(qHash(a), qHash(b));
        b.channel = 3;
        loginDev c = a;
        c.ip = QStringLiteral("10.0.0.10");
        const QSet<loginDev> set{a, b, c, a};
        QCOMPARE(set.size(), 3);
    }

    void devKeys()
    {
        FUN_DEV_INFO dev;
        dev.ip = QStringLiteral("10.0.0.2");
        QCOMPARE(devKey(&dev), QStringLiteral("10.0.0.2"));
        dev.channelIdx = 3;
        QCOMPARE(devKey(&dev), QStringLiteral("10.0.0.2_3"));
        QCOMPARE(devKey(nullptr), QString());
        // Unknown makers get the default skin.
        QCOMPARE(skinForOem(4), QStringLiteral("brennic"));
        QCOMPARE(skinForOem(7), QStringLiteral("Default"));
    }

    void fragmentHeader()
    {
        const char raw[] = "\x01\x02\x03\x04\x00\x00\x00\x00\xfe\xff\x10\x00\x02\x01\x00\x00\x78\x56\x34\x12";
        const StreamFragmentHeader h = StreamFragmentHeader::fromBytes(raw, 20);
        QCOMPARE(h.frameTimeMs(), 0x04030201u);
        QCOMPARE(h.sequence(), int16_t(-2));
        QCOMPARE(h.fragmentLength(), uint16_t(16));
        QCOMPARE(h.fragmentType(), uint8_t(2));
        QVERIFY(h.isKeyFrame());
        QCOMPARE(h.frameId(), 0x12345678u);
        QCOMPARE(h.toByteArray(), QByteArray(raw, 20));
        const StreamFragmentHeader shortOne = StreamFragmentHeader::fromBytes(raw, 4);
        QCOMPARE(shortOne.frameTimeMs(), 0x04030201u);
        QCOMPARE(shortOne.frameId(), 0u);
        QCOMPARE(StreamFragmentHeader::fromBytes(nullptr, 20).toByteArray(), QByteArray(20, '\0'));
        QCOMPARE(RecvInfo().mediaHeader.toByteArray(), QByteArray(20, '\0'));
    }

    // Queued connections name the message type by its old name; registering twice is harmless.
    void metaTypes()
    {
        registerKelvoMetaTypes();
        registerKelvoMetaTypes();
        QCOMPARE(QMetaType::type("devXmlInfo"), qMetaTypeId<RecvInfo>());
        QVERIFY(QMetaType::type("loginDev") != QMetaType::UnknownType);
    }
};

QTEST_GUILESS_MAIN(TestKelvoCommon)
#include "tst_kelvocommon.moc"
