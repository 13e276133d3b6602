// LAN search and re-addressing over UDP on loopback against simulated devices.

#include "BroadService.h"
#include "KelvoSDKHelper.h"
#include "SdkTestSupport.h"
#include "SimDevice.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// A responder of the test's own that answers for both devices.
bool respondFor(SimSearchResponder &responder, SimDevice &a, SimDevice &b)
{
    if (!responder.bind(nextLoopback()))
        return false;
    responder.addDevice(&a);
    responder.addDevice(&b);
    return true;
}

// Broadcasts of the service go to the responder only, from one local address.
void aimAt(BroadService &service, const SimSearchResponder &responder)
{
    service.setBroadcastTarget(responder.address(), responder.port());
    service.setLocalAddresses({QHostAddress::LocalHost});
}

} // namespace

class TestBroadService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerKelvoMetaTypes(); }
    void facadeTableEmptyBeforeSearch();
    void searchCollectsAnswers();
    void modifyNetworkOnlyForUidAndCredentials();
    void credentialResetOnlyForUid();
    void bodies();
    void answerFields();
};

void TestBroadService::facadeTableEmptyBeforeSearch()
{
    QVERIFY(KelvoSDKHelper::instance()->getSearchDevices().isEmpty());
    BroadService fresh;
    QCOMPARE(fresh.broadcastAddress(), QHostAddress(QHostAddress::Broadcast));
    QCOMPARE(fresh.broadcastPort(), quint16(2018));
    QVERIFY(fresh.getSearchDevices().isEmpty());
}

void TestBroadService::searchCollectsAnswers()
{
    SimDevice ipc(SimDevice::Ipc), nvr(SimDevice::Nvr);
    QVERIFY(ipc.listen(nextLoopback()));
    QVERIFY(nvr.listen(nextLoopback()));
    SimSearchResponder responder;
    QVERIFY(respondFor(responder, ipc, nvr));

    BroadService service;
    service.setBroadcastTarget(responder.address(), responder.port());
    // Two local addresses: the search goes out twice, each device is listed once.
    service.setLocalAddresses({QHostAddress::LocalHost, nextLoopback()});
    service.searchDevices();
    QTRY_VERIFY_WITH_TIMEOUT(service.getSearchDevices().size() == 2, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requestCount(30001), 2, 3000);
    // Both searches answered, every answer read: still one entry per device.
    QTRY_VERIFY_WITH_TIMEOUT(datagramsRead(service), 3000);
    const auto table = service.getSearchDevices();
    QCOMPARE(table.size(), 2);
    const SearchDevInfo d = table.value(nvr.uid());
    QCOMPARE(d.uid, nvr.uid());
    QCOMPARE(d.ip, nvr.address().toString());
    QCOMPARE(d.model, QStringLiteral("NVR")); // "deviceType" comes before "productModel"
    QCOMPARE(d.mac, nvr.storedValue(13002, "MAC"));
    QCOMPARE(d.firmwareVersion, nvr.storedValue(14002, "firmwareVersion"));
    QCOMPARE(d.sdkPlatform, QStringLiteral("SIGMASTAR"));
    QCOMPARE(d.rtspPort, QStringLiteral("554"));
    QCOMPARE(responder.requests().first().xml,
             QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>30000</type><cmd>30001</cmd>"
                            "<result>0</result></head><body></body></PrivateProto>\n"));

    // A new search starts from an empty table.
    responder.removeDevice(&ipc);
    service.searchDevices();
    QVERIFY(service.getSearchDevices().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(service.getSearchDevices().size() == 1, 3000);
}

void TestBroadService::modifyNetworkOnlyForUidAndCredentials()
{
    SimDevice a(SimDevice::Ipc), b(SimDevice::Ipc);
    QVERIFY(a.listen(nextLoopback()));
    QVERIFY(b.listen(nextLoopback()));
    a.state().password = QStringLiteral("pa&ss<x%1");
    SimSearchResponder responder;
    QVERIFY(respondFor(responder, a, b));
    BroadService service;
    aimAt(service, responder);
    service.searchDevices();
    QTRY_VERIFY_WITH_TIMEOUT(service.getSearchDevices().size() == 2, 3000);

    SearchDevInfo target = service.getSearchDevices().value(a.uid());
    target.userName = QStringLiteral("admin");
    target.password = QStringLiteral("wrong");
    target.ip = QStringLiteral("192.168.1.20");
    service.modifyNetwork(target);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requestCount(30003), 1, 3000);
    QCOMPARE(a.storedValue(13002, "IP"), a.address().toString());

    target.password = a.state().password;
    target.dhcpMode = 1;
    target.mac = QStringLiteral("00:11:22:33:44:55");
    service.modifyNetwork(target);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requestCount(30003), 2, 3000);
    QCOMPARE(a.storedValue(13002, "IP"), QStringLiteral("192.168.1.20"));
    QCOMPARE(a.storedValue(13002, "DHCPMode"), QStringLiteral("1"));
    QCOMPARE(a.storedValue(13002, "MAC"), QStringLiteral("00:11:22:33:44:55"));
    QCOMPARE(b.storedValue(13002, "IP"), b.address().toString());

    // The next search shows the new address.
    service.searchDevices();
    QTRY_VERIFY_WITH_TIMEOUT(service.getSearchDevices().size() == 2, 3000);
    QCOMPARE(service.getSearchDevices().value(a.uid()).ip, QStringLiteral("192.168.1.20"));
}

void TestBroadService::credentialResetOnlyForUid()
{
    SimDevice a(SimDevice::Ipc), b(SimDevice::Ipc);
    QVERIFY(a.listen(nextLoopback()));
    QVERIFY(b.listen(nextLoopback()));
    a.state().user = b.state().user = QStringLiteral("operator");
    a.state().password = b.state().password = QStringLiteral("secret");
    SimSearchResponder responder;
    QVERIFY(respondFor(responder, a, b));
    BroadService service;
    aimAt(service, responder);
    SearchDevInfo target;
    target.uid = b.uid();
    target.userName = QStringLiteral("ignored");
    service.sendCredentialCmd(target);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requestCount(30005), 1, 3000);
    const SimRequest req = responder.requests().last();
    QCOMPARE(req.body.value("userName"), DEFAULT_DEV_USER);
    QCOMPARE(req.body.value("password"), DEFAULT_DEV_PASSWORD);
    QCOMPARE(b.state().user, DEFAULT_DEV_USER);
    QCOMPARE(b.state().password, DEFAULT_DEV_PASSWORD);
    QCOMPARE(a.state().password, QStringLiteral("secret"));
}

void TestBroadService::bodies()
{
    SearchDevInfo d;
    d.uid = "UID1";
    d.userName = "ad<min";
    d.password = "p&%1";
    d.dhcpMode = 0;
    d.ip = "192.168.1.20";
    d.netmask = "255.255.255.0";
    d.gateway = "192.168.1.1";
    d.preferredDns = "8.8.8.8";
    d.standbyDns = "%2";
    d.mac = "00:11:22:33:44:55";
    const QString body = BroadService::modifyNetworkBody(d, "{tok}");
    QCOMPARE(body, QStringLiteral("<UID>UID1</UID><token>{tok}</token><userName>ad&lt;min</userName>"
                                  "<password>p&amp;%1</password><TCPIP><DHCPMode>0</DHCPMode><IP>192.168.1.20</IP>"
                                  "<netmask>255.255.255.0</netmask><gateway>192.168.1.1</gateway>"
                                  "<preferredDNS>8.8.8.8</preferredDNS><standbyDNS>%2</standbyDNS>"
                                  "<MAC>00:11:22:33:44:55</MAC></TCPIP>"));
    QVERIFY(isSafeXmlFragment(body));

    // The token of a real command: a fresh braced lower-case UUID each time.
    SimSearchResponder responder;
    QVERIFY(responder.bind(nextLoopback()));
    BroadService service;
    aimAt(service, responder);
    service.modifyNetwork(d);
    service.sendCredentialCmd(d);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requests().size(), 2, 3000);
    const QRegularExpression uuid("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$");
    const QString t1 = responder.requests().at(0).body.value("token");
    const QString t2 = responder.requests().at(1).body.value("token");
    QVERIFY2(uuid.match(t1).hasMatch(), qPrintable(t1));
    QVERIFY(uuid.match(t2).hasMatch());
    QVERIFY(t1 != t2);
    QCOMPARE(responder.requests().at(0).body.value("password"), QStringLiteral("p&%1"));
}

void TestBroadService::answerFields()
{
    QHash<QString, QString> v{{"productModel", "X1"}, {"deviceType", ""}, {"firmwaveVersion", "F2"},
                              {"UID", "U"},           {"DHCPMode", "1"},  {"net_type", "3"}};
    SearchDevInfo d = BroadService::fromAnswer(v);
    QCOMPARE(d.model, QStringLiteral("X1"));
    QCOMPARE(d.firmwareVersion, QStringLiteral("F2"));
    QCOMPARE(d.dhcpMode, 1);
    QCOMPARE(int(d.netType), 3);
    v.insert("firmwareVersion", "F1");
    v.insert("productModelExt", "EXT");
    d = BroadService::fromAnswer(v);
    QCOMPARE(d.firmwareVersion, QStringLiteral("F1"));
    QCOMPARE(d.model, QStringLiteral("EXT"));

    // Over the wire: a present but empty firmwareVersion wins over the misspelt one,
    // and two answers with the same UID keep the later one.
    SimDevice a(SimDevice::Ipc), b(SimDevice::Ipc);
    QVERIFY(a.listen(nextLoopback()));
    QVERIFY(b.listen(nextLoopback()));
    a.setStoredValue(14002, "firmwareVersion", QString());
    a.setStoredValue(14002, "firmwaveVersion", "OLD");
    b.setUid(a.uid());
    b.setStoredValue(14002, "productModel", "SECOND");
    SimSearchResponder responder;
    QVERIFY(respondFor(responder, a, b));
    BroadService service;
    aimAt(service, responder);
    service.searchDevices();
    QTRY_COMPARE_WITH_TIMEOUT(service.getSearchDevices().size(), 1, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(responder.requestCount(30001), 1, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(datagramsRead(service), 3000);
    QCOMPARE(service.getSearchDevices().size(), 1);
    QCOMPARE(service.getSearchDevices().value(a.uid()).ip, b.address().toString());
    responder.removeDevice(&b);
    service.searchDevices();
    QTRY_COMPARE_WITH_TIMEOUT(service.getSearchDevices().size(), 1, 3000);
    QCOMPARE(service.getSearchDevices().value(a.uid()).firmwareVersion, QString());
}

QTEST_GUILESS_MAIN(TestBroadService)
#include "tst_BroadService.moc"
