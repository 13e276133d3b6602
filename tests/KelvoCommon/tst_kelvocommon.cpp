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

        QTest::newRow("repeated name, first wins") << "<a><b>1</b><b>2</b></a>"
                                                   << "a" << Values{{"b", "1"}} << false;
        QTest::newRow("first non-empty wins") << "<a><b></b><b>  </b><b>2</b></a>"
                                              << "a" << Values{{"b", "2"}} << false;
        QTest::newRow("tag missing") << "<root><x>1</x></root>"
                                     << "a" << Values{} << false;
        QTest::newRow("grandchild flattened") << "<a><x><b>1</b></x><c>2</c></a>"
                                              << "a" << Values{{"b", "1"}, {"c", "2"}} << false;
        QTest::newRow("empty elements give no entry") << "<a><b></b><c/><d>  \n </d><e>0</e></a>"
                                                      << "a" << Values{{"e", "0"}} << false;
        QTest::newRow("mixed content ignored") << "<a>lead<b>1</b>tail</a>"
                                               << "a" << Values{{"b", "1"}} << false;
        QTest::newRow("nested same tag") << "<a><a><b>1</b></a><c>2</c></a><c>3</c>"
                                         << "a" << Values{{"b", "1"}, {"c", "2"}} << false;
        QTest::newRow("only below the first match") << "<r><a><b>1</b></a><a><b>2</b><c>3</c></a><c>4</c></r>"
                                                    << "a" << Values{{"b", "1"}} << false;
        QTest::newRow("entities and CDATA") << "<a><b>x &amp; y &lt;z&gt;</b><c><![CDATA[<raw> & ]]></c></a>"
                                            << "a" << Values{{"b", "x & y <z>"}, {"c", "<raw> & "}} << false;
        QTest::newRow("namespaced local name") << "<s:a xmlns:s=\"urn:x\"><s:b>1</s:b></s:a>"
                                               << "a" << Values{{"b", "1"}} << false;
        QTest::newRow("case-sensitive tag") << "<A><b>1</b></A>"
                                            << "a" << Values{} << false;
        QTest::newRow("envelope head")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><PrivateProto><head><type>14000</type><cmd>14012</cmd>"
               "<result>0</result></head><body><result>7</result><MAXChannels>8</MAXChannels></body></PrivateProto>"
            << "head" << Values{{"type", "14000"}, {"cmd", "14012"}, {"result", "0"}} << false;
        QTest::newRow("envelope body")
            << "<PrivateProto><head><cmd>14012</cmd></head><body><MAXChannels>8</MAXChannels><name>门口</name></body>"
               "</PrivateProto>"
            << "body" << Values{{"MAXChannels", "8"}, {"name", "门口"}} << false;
        QTest::newRow("declared legacy encoding") << "<?xml version=\"1.0\" encoding=\"GB2312\"?><a><b>中文</b></a>"
                                                  << "a" << Values{{"b", "中文"}} << false;

        // truncated, malformed and too deep: nothing at all, never the part before the fault
        QTest::newRow("breaks off inside the tag") << "<r><a><b>1</b><c>2</c><d>3"
                                                   << "a" << Values{} << true;
        QTest::newRow("breaks off inside a name") << "<r><a><b>1</b><c"
                                                  << "a" << Values{} << true;
        QTest::newRow("breaks off before the tag") << "<r><x>1</x><a"
                                                   << "a" << Values{} << true;
        QTest::newRow("breaks off after the tag") << "<r><a><b>1</b></a><x>"
                                                  << "a" << Values{} << true;
        QTest::newRow("mismatched end inside") << "<a><b>1</b><c>2</d></a>"
                                               << "a" << Values{} << true;
        QTest::newRow("malformed before the tag") << "<r><x></y><a><b>1</b></a></r>"
                                                  << "a" << Values{} << true;
        QTest::newRow("not xml") << "HTTP/1.1 200 OK\r\n\r\n"
                                 << "a" << Values{} << true;
        QTest::newRow("undeclared entity") << "<a><b>1</b><c>&bogus;</c></a>"
                                           << "a" << Values{} << true;
        QTest::newRow("empty text") << ""
                                    << "a" << Values{} << true;
        QTest::newRow("64 levels are read") << "<a>" + nested(62, "<b>1</b>") + "</a>"
                                            << "a" << Values{{"n", "x"}, {"b", "1"}} << false;
        QTest::newRow("65 levels") << "<a>" + nested(63, "<b>1</b>") + "</a>"
                                   << "a" << Values{} << true;
        QTest::newRow("70 levels after the values") << "<r><a><b>1</b></a>" + nested(70, "") + "</r>"
                                                    << "a" << Values{} << true;
        QTest::newRow("40,000 levels") << "<a><b>1</b>" + nested(40000, "") + "</a>"
                                       << "a" << Values{} << true;
    }

    void findValues()
    {
        QFETCH(QString, xml);
        QFETCH(QString, tag);
        QFETCH(Values, expected);
        QFETCH(bool, warns);
        QCOMPARE(findValuesInXml(xml, tag), expected);
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
        QTest::newRow("0") << reply("<result>0</result>") << int(ReplyResult::Success) << 0 << 13005;
        QTest::newRow("blanks around 0") << reply("<result> 0\n</result>") << int(ReplyResult::Success) << 0 << 13005;
        QTest::newRow("5") << reply("<result>5</result>") << int(ReplyResult::Failure) << 5 << 13005;
        QTest::newRow("negative") << reply("<result>-12</result>") << int(ReplyResult::Failure) << -12 << 13005;
        QTest::newRow("most negative") << reply("<result>-2147483648</result>") << int(ReplyResult::Failure)
                                       << int(INT_MIN) << 13005;
        QTest::newRow("0x5") << reply("<result>0x5</result>") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("fail") << reply("<result>fail</result>") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("empty") << reply("<result></result>") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("absent, 0 in the body") << reply("") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("past int") << reply("<result>4294967296</result>") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("0.0") << reply("<result>0.0</result>") << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("cut off after a 0")
            << reply("<result>0</result>").left(70) << int(ReplyResult::Unreadable) << 0 << 13005;
        QTest::newRow("too deep after a 0") << "<PrivateProto><head><cmd>12002</cmd><result>0</result></head><body>"
                                                   + nested(70, "") + "</body></PrivateProto>"
                                            << int(ReplyResult::Unreadable) << 0 << 12002;
        QTest::newRow("no head") << "<PrivateProto><body/></PrivateProto>" << int(ReplyResult::Unreadable) << 0 << -1;
    }

    void replyResult()
    {
        QFETCH(QString, xml);
        QFETCH(int, kind);
        QFETCH(int, code);
        QFETCH(int, cmd);
        const ReplyResult r = ReplyResult::of(xml);
        QCOMPARE(int(r.kind), kind);
        if (kind == ReplyResult::Failure)
            QCOMPARE(r.code, code);
        QCOMPARE(r.ok(), kind == ReplyResult::Success);
        const ReplyHead head = ReplyHead::read(xml);
        QCOMPARE(int(head.result.kind), kind);
        // The command of an unusable reply is still told, never its values.
        QCOMPARE(head.cmd, cmd);
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
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("unclosed last left out") << "<l><i>1</i><i><n>2</n></i><i>3"
                                                << "i" << QStringList{"<i>1</i>", "<i><n>2</n></i>"};
        QTest::newRow("empty text") << ""
                                    << "i" << QStringList{};
        QTest::newRow("no match") << "<l><j>1</j></l>"
                                  << "i" << QStringList{};
        QTest::newRow("attributes not matched") << "<i a=\"1\">x</i><i>y</i>"
                                                << "i" << QStringList{"<i>y</i>"};
        QTest::newRow("nested ends at first close") << "<i><i>1</i></i>"
                                                    << "i" << QStringList{"<i><i>1</i>"};
        QTest::newRow("truncated close tag") << "<i>1</i"
                                             << "i" << QStringList{};
        QTest::newRow("utf-8 content") << "<i>门口 ✓</i><i></i>"
                                       << "i" << QStringList{"<i>门口 ✓</i>", "<i></i>"};
        QTest::newRow("prefix of a longer name") << "<item>1</item><i>2</i>"
                                                 << "i" << QStringList{"<i>2</i>"};
    }

    void findAll()
    {
        QFETCH(QString, xml);
        QFETCH(QString, tag);
        QFETCH(QStringList, expected);
        QCOMPARE(findAllXmlElements(xml, tag), expected);
        QCOMPARE(findAllXmlElements(xml.toUtf8(), tag), expected);
    }

    void findAllCutUtf8()
    {
        // A multi-byte character cut by the end of the data stays outside the pieces.
        QByteArray data = QStringLiteral("<i>门</i><i>口").toUtf8();
        data.chop(1);
        QCOMPARE(findAllXmlElements(data, QStringLiteral("i")), QStringList{QStringLiteral("<i>门</i>")});
    }

    void toLoginDev_data()
    {
        QTest::addColumn<int>("devType");
        QTest::addColumn<int>("channelNum");
        QTest::addColumn<int>("channelIdx");
        QTest::addColumn<int>("onvifAuth");
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("authMode");
        QTest::addColumn<int>("ipcChannels");

        QTest::newRow("IPC without channels") << 0 << 0 << 0 << -1 << 0 << 255 << 255;
        QTest::newRow("IPC with two channels") << 0 << 2 << 0 << -1 << 0 << 255 << 1;
        QTest::newRow("IPC channel record") << 0 << 2 << 1 << -1 << 0 << 255 << 1;
        QTest::newRow("NVR channel record") << 1 << 16 << 5 << -1 << 5 << 255 << 0;
        QTest::newRow("NVR itself") << 1 << 16 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("ONVIF digest") << 2 << 0 << 0 << 2 << 0 << 2 << 0;
    }

    void toLoginDev()
    {
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

        const loginDev key = ::toLoginDev(&dev);
        QCOMPARE(key.ip, dev.ip);
        QCOMPARE(key.port, uint16_t(3000));
        QCOMPARE(key.user, QStringLiteral("u"));
        QCOMPARE(key.password, QStringLiteral("p"));
        QTEST(int(key.channel), "channel");
        QTEST(int(key.authMode), "authMode");
        QTEST(int(key.ipcChannels), "ipcChannels");
        QCOMPARE(key.reserved, 0);
    }

    void toLoginDevNull()
    {
        const loginDev key = ::toLoginDev(nullptr);
        QVERIFY(key.ip.isEmpty());
        QCOMPARE(key.port, uint16_t(2028));
        QCOMPARE(key.user, DEFAULT_DEV_USER);
        QCOMPARE(key.password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(int(key.channel), 0);
        QCOMPARE(int(key.authMode), 255);
        QCOMPARE(int(key.ipcChannels), 0);
    }

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
        QVERIFY(a != b);
        loginDev c = a;
        c.ip = QStringLiteral("10.0.0.10");
        QVERIFY(a != c);
        const QSet<loginDev> set{a, b, c, a};
        QCOMPARE(set.size(), 3);
    }

    void recordDefaultsAndCopies()
    {
        FUN_DEV_INFO dev;
        QCOMPARE(dev.group, QStringLiteral("Default"));
        QCOMPARE(dev.rtspPort, uint16_t(554));
        QCOMPARE(dev.devPort, uint16_t(2028));
        QCOMPARE(dev.onvifAuth, -1);
        QCOMPARE(dev.userName, QStringLiteral("admin"));
        QCOMPARE(dev.password, QStringLiteral("402917"));
        QVERIFY(!dev.parent);

        dev.ip = QStringLiteral("10.0.0.2");
        dev.sn = QStringLiteral("SN");
        FUN_DEV_INFO channel;
        channel = dev;
        channel.parent = &dev;
        channel.channelIdx = 3;
        FUN_DEV_INFO copy;
        copy = channel;
        QCOMPARE(copy.parent, &dev);
        QCOMPARE(copy.sn, QStringLiteral("SN"));
        QCOMPARE(devKey(&copy), QStringLiteral("10.0.0.2_3"));
        QCOMPARE(devKey(&dev), QStringLiteral("10.0.0.2"));
        QCOMPARE(devKey(nullptr), QString());

        RecvInfo info;
        QVERIFY(info.mediaHeader == StreamFragmentHeader());
        QCOMPARE(info.mediaHeader.toByteArray(), QByteArray(20, '\0'));
    }

    void constants()
    {
        QCOMPARE(DEFAULT_LOCAL_USER, QStringLiteral("admin"));
        QCOMPARE(DEFAULT_LOCAL_PASSWORD, QStringLiteral("vemqa"));
        QCOMPARE(DEFAULT_RIGHTS, QStringLiteral("1111111"));
        QCOMPARE(CHIP_PLATFORMS, (QStringList{"SIGMASTAR", "GUOKE", "DUOFANG"}));
        QCOMPARE(PASSWORD_MASK, QStringLiteral("********"));
        QCOMPARE(DATE_FORMAT, QStringLiteral("yyyyMMdd"));
        QCOMPARE(DATETIME_FORMAT, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(TIME_FORMAT, QStringLiteral("hhmmsszzz"));
        QCOMPARE(skinForOem(0), QStringLiteral("Default"));
        QCOMPARE(skinForOem(4), QStringLiteral("brennic"));
        QCOMPARE(skinForOem(7), QStringLiteral("Default"));
        QCOMPARE(COLOR_DARK_BLUE, QColor(Qt::darkBlue));
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
    }

    void metaTypes()
    {
        registerKelvoMetaTypes();
        registerKelvoMetaTypes();
        QVERIFY(QMetaType::type("devXmlInfo") != QMetaType::UnknownType);
        QCOMPARE(QMetaType::type("devXmlInfo"), qMetaTypeId<RecvInfo>());
        QVERIFY(QMetaType::type("loginDev") != QMetaType::UnknownType);
        RecvInfo info;
        info.ip = QStringLiteral("1.2.3.4");
        info.data = QByteArray("xyz");
        const QVariant v = QVariant::fromValue(info);
        QCOMPARE(v.value<RecvInfo>().ip, info.ip);
        QCOMPARE(v.value<RecvInfo>().data, info.data);
    }
};

QTEST_GUILESS_MAIN(TestKelvoCommon)
#include "tst_kelvocommon.moc"
