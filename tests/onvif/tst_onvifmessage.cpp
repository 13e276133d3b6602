// SOAP request building and reply reading.

#include "OnvifClient.h"
#include "OnvifFixtures.h"
#include "OnvifMessage.h"
#include "OnvifNamespaces.h"

#include <QDateTime>
#include <QDomDocument>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace ONVIF;

class TestOnvifMessage : public QObject
{
    Q_OBJECT

private:
    static QString value(const QString &reply, const QString &xpath)
    {
        MessageParser parser(reply, defaultNamespaces());
        return parser.getValue(xpath);
    }

private slots:
    void newElementChildren()
    {
        QDomElement category = Message::newElement(QStringLiteral("Category"), QStringLiteral("All"));
        QCOMPARE(category.childNodes().count(), 1);
        QCOMPARE(category.text(), QStringLiteral("All"));
        QDomElement transport = Message::newElement(QStringLiteral("Transport"));
        QCOMPARE(transport.childNodes().count(), 0);
    }

    void emptyMessage()
    {
        Message m({});
        const QString text = m.toXmlStr();
        QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")));
        QDomDocument doc;
        QVERIFY(doc.setContent(text, true));
        const QDomElement env = doc.documentElement();
        QCOMPARE(env.localName(), QStringLiteral("Envelope"));
        QCOMPARE(env.namespaceURI(), NS::SoapEnvelope);
        QVERIFY(text.contains(QStringLiteral("xmlns:trt=\"%1\"").arg(NS::Trt)));
        QVERIFY(text.contains(QStringLiteral("<s:Header/>")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("<s:Body[^>]*xmlns:xsi=[^>]*/>"))));
        QVERIFY(text.contains(QStringLiteral("xmlns:xsd=\"%1\"").arg(NS::Xsd)));
        // Header before body.
        QVERIFY(text.indexOf(QStringLiteral("s:Header")) < text.indexOf(QStringLiteral("s:Body")));
    }

    void namespaceTableDeclaredOnEnvelope()
    {
        Message m({{QStringLiteral("tds"), NS::Tds}});
        QDomDocument doc;
        QVERIFY(doc.setContent(m.toXmlStr()));
        QCOMPARE(doc.documentElement().attribute(QStringLiteral("xmlns:tds")), NS::Tds);
    }

    void usernameTokenDigestByHand()
    {
        // Digest of created + created + "s3cret", worked out by hand for this time.
        const QDateTime created(QDate(2024, 1, 2), QTime(3, 4, 5, 678), Qt::UTC);
        std::unique_ptr<Message> m(
            Message::getMessageWithUserInfo({}, QStringLiteral("admin"), QStringLiteral("s3cret"), created));
        const QString text = m->toXmlStr();
        QVERIFY(!text.contains(QStringLiteral("s3cret")));

        QDomDocument doc;
        QVERIFY(doc.setContent(text, true));
        const QDomElement token =
            doc.elementsByTagNameNS(NS::Wsse, QStringLiteral("UsernameToken")).item(0).toElement();
        QVERIFY(!token.isNull());
        const QDomElement security = token.parentNode().toElement();
        QCOMPARE(security.attributeNS(NS::SoapEnvelope, QStringLiteral("mustUnderstand")), QStringLiteral("1"));
        QCOMPARE(security.parentNode().toElement().localName(), QStringLiteral("Header"));
        QCOMPARE(security.parentNode().toElement().namespaceURI(), NS::SoapEnvelope);

        QStringList order;
        for (QDomElement e = token.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            order << e.localName();
        QCOMPARE(order, QStringList({"Username", "Password", "Nonce", "Created"}));

        QCOMPARE(token.firstChildElement(QStringLiteral("Username")).text(), QStringLiteral("admin"));
        const QDomElement password = token.firstChildElement(QStringLiteral("Password"));
        QCOMPARE(password.text(), QStringLiteral("pkYCl8w7Eqe/a7vZzYgUz/q5sRI="));
        QCOMPARE(password.attribute(QStringLiteral("Type")), NS::PasswordDigestType);
        const QDomElement nonce = token.firstChildElement(QStringLiteral("Nonce"));
        QCOMPARE(nonce.text(), QStringLiteral("MjAyNC0wMS0wMlQwMzowNDowNS42Nzha"));
        QCOMPARE(nonce.attribute(QStringLiteral("EncodingType")), NS::Base64BinaryType);
        const QDomElement createdEl = token.firstChildElement(QStringLiteral("Created"));
        QCOMPARE(createdEl.text(), QStringLiteral("2024-01-02T03:04:05.678Z"));
        QCOMPARE(createdEl.namespaceURI(), NS::Wsu);
    }

    void emptyCredentials()
    {
        const QDateTime created(QDate(2024, 1, 2), QTime(3, 4, 5, 678), Qt::UTC);
        std::unique_ptr<Message> m(Message::getMessageWithUserInfo({}, QString(), QString(), created));
        QDomDocument doc;
        QVERIFY(doc.setContent(m->toXmlStr(), true));
        QVERIFY(doc.elementsByTagNameNS(NS::Wsse, QStringLiteral("Username")).item(0).toElement().text().isEmpty());
        const QString digest = doc.elementsByTagNameNS(NS::Wsse, QStringLiteral("Password")).item(0).toElement().text();
        QCOMPARE(digest, QStringLiteral("Q8HN///KhG1lZDN6ElMY0BzNCbY="));
        QCOMPARE(digest.size(), 28);
    }

    void bodyElementsAndStreamUriRequest()
    {
        Message m({});
        QDomElement request = Message::newElement(QStringLiteral("GetStreamUri"));
        request.setAttribute(QStringLiteral("xmlns"), NS::Trt);
        QDomElement setup = Message::newElement(QStringLiteral("StreamSetup"));
        QDomElement stream = Message::newElement(QStringLiteral("Stream"), QStringLiteral("RTP-Unicast"));
        stream.setAttribute(QStringLiteral("xmlns"), NS::Tt);
        setup.appendChild(stream);
        request.appendChild(setup);
        request.appendChild(Message::newElement(QStringLiteral("ProfileToken"), QStringLiteral("a&b")));
        m.appendToBody(request);
        QDomDocument doc;
        QVERIFY(doc.setContent(m.toXmlStr(), true));
        QCOMPARE(doc.elementsByTagNameNS(NS::Trt, QStringLiteral("ProfileToken")).item(0).toElement().text(),
                 QStringLiteral("a&b"));
        QCOMPARE(doc.elementsByTagNameNS(NS::Tt, QStringLiteral("Stream")).item(0).toElement().text(),
                 QStringLiteral("RTP-Unicast"));
    }

    void uuidText()
    {
        const QString id = makeUuidString();
        QVERIFY(
            QRegularExpression(QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"))
                .match(id)
                .hasMatch());
        QVERIFY(makeUuidString() != id);
    }

    void parserOnGarbage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("not xml") << QStringLiteral("HTTP/1.1 200 OK\r\nhello");
        QTest::newRow("truncated") << QString::fromUtf8(
            readCameraFile("ENP1A14-IR_25X", "device_management/GetDeviceInformationResponse.xml").left(400));
        QTest::newRow("broken attribute")
            << QString::fromUtf8(readCameraFile("unknown", "device_management/GetCapabilitiesResponse.xml"));
        QTest::newRow("junk after envelope")
            << QString::fromUtf8(readCameraFile("SUNBA.405", "media1/GetProfilesResponse.xml"));
        QTest::newRow("undeclared prefix")
            << QString::fromUtf8(readFixture("onvif/test/serverMockup/device.GetDNS.xml"));
        QTest::newRow("typographic quotes") << QString::fromUtf8(readFixture("onvif/test/serverMockup/Error.xml"));
    }

    void parserOnGarbage()
    {
        QFETCH(QString, text);
        MessageParser parser(text, defaultNamespaces());
        QVERIFY(!parser.isWellFormed());
        QVERIFY(!parser.find(QStringLiteral("//tt:Media/tt:XAddr")));
        QCOMPARE(parser.getValue(QStringLiteral("//tt:Media/tt:XAddr")), QString());
        QCOMPARE(parser.getValue(QStringLiteral("//trt:Profiles")), QString());
        QVERIFY(!parser.isFault());
    }

    void undeclaredPrefixInPathIsInvalid()
    {
        MessageParser parser(
            QString::fromUtf8(readCameraFile("SUNBA", "device_management/GetDeviceInformationResponse.xml")),
            defaultNamespaces());
        QVERIFY(parser.find(QStringLiteral("//tds:Model")));
        QVERIFY(!parser.find(QStringLiteral("//nope:Model")));
        QCOMPARE(parser.getValue(QStringLiteral("//nope:Model")), QString());
    }

    void readsValuesRepeatedlyAndUnescaped()
    {
        const QString reply = QString::fromUtf8(readCameraFile("happytimesoft", "media1/GetStreamUriResponse.xml"));
        MessageParser parser(reply, defaultNamespaces());
        QVERIFY(parser.isWellFormed());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(
                parser.getValue(QStringLiteral("//tt:Uri")),
                QStringLiteral("rtsp://192.168.2.119/test.mp4&t=unicast&p=rtsp&ve=H264&w=1280&h=720&ae=PCMU&sr=8000"));
        }
        QVERIFY(!parser.isFault());
    }

    void otherPrefixesAndDefaultNamespaces()
    {
        // The same reply written with unusual prefixes, and with default namespaces only.
        const QString prefixed =
            QStringLiteral("<?xml version=\"1.0\"?><X:Envelope xmlns:X=\"%1\" xmlns:dev=\"%2\" xmlns:sch=\"%3\">"
                           "<X:Body><dev:GetDeviceInformationResponse><dev:Model>M1</dev:Model>"
                           "<dev:FirmwareVersion> 1.0 </dev:FirmwareVersion></dev:GetDeviceInformationResponse>"
                           "<sch:Media><sch:XAddr>http://h/media</sch:XAddr></sch:Media></X:Body></X:Envelope>")
                .arg(NS::SoapEnvelope, NS::Tds, NS::Tt);
        QCOMPARE(value(prefixed, QStringLiteral("//tds:Model")), QStringLiteral("M1"));
        QCOMPARE(value(prefixed, QStringLiteral("//tds:FirmwareVersion")), QStringLiteral("1.0"));
        QCOMPARE(value(prefixed, QStringLiteral("//tt:Media/tt:XAddr")), QStringLiteral("http://h/media"));

        const QString defaults =
            QStringLiteral("<Envelope xmlns=\"%1\"><Body><GetDeviceInformationResponse xmlns=\"%2\">"
                           "<Model>M2</Model></GetDeviceInformationResponse></Body></Envelope>")
                .arg(NS::SoapEnvelope, NS::Tds);
        QCOMPARE(value(defaults, QStringLiteral("//tds:Model")), QStringLiteral("M2"));
        // A prefix alone does not make a namespace.
        const QString wrongNs = QStringLiteral("<e xmlns:tds=\"urn:other\"><tds:Model>X</tds:Model></e>");
        QCOMPARE(value(wrongNs, QStringLiteral("//tds:Model")), QString());
    }

    void missingOptionalElements()
    {
        MessageParser parser(
            QString::fromUtf8(readCameraFile("IPD-H4K8M05-BS", "device_management/GetDeviceInformationResponse.xml")),
            defaultNamespaces());
        QVERIFY(parser.find(QStringLiteral("//tds:GetDeviceInformationResponse")));
        QCOMPARE(parser.getValue(QStringLiteral("//tds:Manufacturer")), QString());
        QCOMPARE(parser.getValue(QStringLiteral("//tds:HardwareId")), QStringLiteral("1.0"));
        QCOMPARE(parser.getValue(QStringLiteral("//tds:NoSuchElement")), QString());
    }

    void declaredEncodingDiffersFromBytes()
    {
        // Declares utf-16 but is written in UTF-8, as some cameras do.
        const QByteArray bytes = readFixture("onvif/test/serverMockup/GetCapabilitiesEncoder.xml");
        QVERIFY(bytes.contains("encoding=\"utf-16\""));
        const QString text = decodeReply(bytes);
        MessageParser parser(text, defaultNamespaces());
        QVERIFY(parser.isWellFormed());
        QVERIFY(!parser.getValue(QStringLiteral("//tt:Media/tt:XAddr")).isEmpty());

        // Latin-1 bytes declared as such keep their accents.
        const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a xmlns=\"" + NS::Tds.toLatin1()
                                  + "\"><Model>Cam\xe9ra</Model></a>";
        QCOMPARE(value(decodeReply(latin1), QStringLiteral("//tds:Model")), QStringLiteral("Cam\u00e9ra"));

        // UTF-16 with a byte-order mark.
        QByteArray utf16;
        const QString source =
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><a xmlns=\"%1\"><Model>U16</Model></a>")
                .arg(NS::Tds);
        utf16.append(char(0xFF)).append(char(0xFE));
        utf16.append(reinterpret_cast<const char *>(source.utf16()), source.size() * 2);
        QCOMPARE(value(decodeReply(utf16), QStringLiteral("//tds:Model")), QStringLiteral("U16"));
    }

    void oversizedReplyRefused()
    {
        QString big = QStringLiteral("<a xmlns=\"%1\"><Model>M</Model><pad>").arg(NS::Tds);
        big += QString(MaxReplyBytes, QLatin1Char('x'));
        big += QStringLiteral("</pad></a>");
        MessageParser parser(big, defaultNamespaces());
        QVERIFY(parser.isTooLarge());
        QVERIFY(!parser.isWellFormed());
        QVERIFY(!parser.find(QStringLiteral("//tds:Model")));
    }

    void faults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fault");
        QTest::newRow("camera fault") << QString::fromUtf8(
            readCameraFile("ENP1A14-IR_25X", "device_management/Fault.xml"))
                                      << true;
        QTest::newRow("soap 1.1 fault") << QStringLiteral(
            "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><s:Fault>"
            "<faultcode>s:Client</faultcode></s:Fault></s:Body></s:Envelope>")
                                        << true;
        QTest::newRow("reply") << QString::fromUtf8(
            readCameraFile("SUNBA", "device_management/GetDeviceInformationResponse.xml"))
                               << false;
        QTest::newRow("fault outside body") << QStringLiteral(
            "<s:Envelope xmlns:s=\"http://www.w3.org/2003/05/soap-envelope\"><s:Body><x><s:Fault/></x></s:Body></s:Envelope>")
                                            << false;
    }

    void faults()
    {
        QFETCH(QString, text);
        QFETCH(bool, fault);
        MessageParser parser(text, defaultNamespaces());
        QCOMPARE(parser.isFault(), fault);
    }
};

QTEST_GUILESS_MAIN(TestOnvifMessage)
#include "tst_onvifmessage.moc"
