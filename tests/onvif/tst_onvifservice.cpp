// The device-information road against the loopback camera (recorded replies of
// real cameras, see OnvifFixtures.h) and WS-Discovery against the loopback responder.

#include "OnvifCameraServer.h"
#include "OnvifClient.h"
#include "OnvifFixtures.h"
#include "OnvifMessage.h"
#include "OnvifNamespaces.h"
#include "OnvifService.h"
#include "KelvoCommon.h"

#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest>

#include <algorithm>

using namespace ONVIF;
using OnvifCam::CameraServer;
using OnvifCam::ProbeResponder;
using DevInfo = Service::ONVIF_DEV_INFO;

Q_DECLARE_METATYPE(CameraServer::Auth)

namespace {

QStringList logLines;
QtMessageHandler previousHandler = nullptr;

void captureLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    logLines << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

QString mediaPath(const QString &url)
{
    return QUrl(url).path();
}

// Roads run off the calling thread: start one and wait for its end.
template <class Start> bool awaitRoad(Service &service, Start start)
{
    QSignalSpy finished(&service, &Service::roadFinished);
    if (!start())
        return false;
    if (finished.isEmpty() && !finished.wait(60000))
        return false;
    return finished.first().at(1).toBool();
}

bool modify(Service &service, const Service::ONVIF_DEV_INFO &record)
{
    return awaitRoad(service, [&] { return service.modiflyDev(record); });
}

bool readInfo(Service &service, const QString &ip)
{
    return awaitRoad(service, [&] { return service.getDeviceInformation(ip); });
}

// Loopback hands a datagram to the receiving socket within the send: once
// the service's probe sockets hold none, it has read and handled every
// datagram sent to it so far (one slot reads them all, on this thread).
bool datagramsRead(const Service &service)
{
    for (QUdpSocket *socket : service.findChildren<QUdpSocket *>()) {
        if (socket->hasPendingDatagrams())
            return false;
    }
    return true;
}

// A neighbour on the LAN: receives the probes (as their target) and sends
// ProbeMatches of its own making to the probing socket.
struct Forger
{
    QUdpSocket target;
    quint16 probeFrom = 0;
    QString probeId;

    Forger()
    {
        target.bind(QHostAddress(QStringLiteral("127.44.0.1")), 0);
        QObject::connect(&target, &QUdpSocket::readyRead, [this] {
            while (target.hasPendingDatagrams()) {
                QHostAddress from;
                QByteArray probe(int(target.pendingDatagramSize()), '\0');
                target.readDatagram(probe.data(), probe.size(), &from, &probeFrom);
                const int at = probe.indexOf("uuid:{");
                if (probeId.isEmpty() && at >= 0)
                    probeId = QString::fromUtf8(probe.mid(at, probe.indexOf('}', at) - at + 1));
            }
        });
    }

    void send(const QString &relatesTo, const QString &hostPort)
    {
        QByteArray match =
            ProbeResponder::fromSlotTemplate(readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response.txt"),
                                             {"RELATES_TO", "forged", "HW", "Forged", hostPort});
        match.replace("uuid:RELATES_TO", relatesTo.toUtf8());
        if (relatesTo.isEmpty())
            match.replace("<wsa:RelatesTo></wsa:RelatesTo>", "");
        target.writeDatagram(match, QHostAddress::LocalHost, probeFrom);
    }
};

} // namespace

class TestOnvifService : public QObject
{
    Q_OBJECT

    std::unique_ptr<CameraServer> server;

    DevInfo record(int authMode, const QString &password = QStringLiteral("s3cret")) const
    {
        DevInfo info;
        info.ip = server->address().toString();
        info.xaddr = server->deviceServiceUrl();
        info.user = QStringLiteral("admin");
        info.password = password;
        info.authMode = authMode;
        return info;
    }

    void startCamera(const QString &model, CameraServer::Auth auth)
    {
        server.reset(new CameraServer);
        QVERIFY(server->listen());
        server->loadCameraDir(cameraDir(model));
        server->setAuth(auth);
        server->setCredentials(QStringLiteral("admin"), QStringLiteral("s3cret"));
        Client::clearAuthCache(server->address().toString());
    }

private slots:
    void cleanup() { server.reset(); }

    void fullCameras_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<CameraServer::Auth>("auth");
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("modelName");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("media");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<QString>("uri");

        struct Camera
        {
            const char *dir, *manufacturer, *model, *firmware, *serial, *media;
            QStringList tokens;
            const char *uri;
        };
        const QList<Camera> cameras = {
            {"ENP1A14-IR_25X",
             "ONVIF",
             "ENP1A14-IR/25X",
             "V5.5.3 build 180822",
             "ENP1A14-IR/25X20190430AAWRD14878498W",
             "/onvif/Media",
             {"Profile_1", "Profile_2", "Profile_3"},
             "rtsp://192.168.1.182:554/Streaming/Channels/101?transportmode=mcast&profile=Profile_1"},
            {"IPD-H4K8M05-BS",
             "",
             "IPD-H4K8M05-BS",
             "V1.04.10-190309",
             "071D3E36963F",
             "/onvif/media_service",
             {"MainStream", "SubStream"},
             "rtsp://192.168.15.40:554/1/h264major"},
            {"IPG-8150PSS",
             "ONVIF_IPNC",
             "IPG-8150PSS",
             "1.3.0-20210203CN-PT",
             "I207215E7840DFDA9877E8B",
             "/onvif/media_service",
             {"PROFILE_000", "PROFILE_001"},
             "rtsp://10.200.1.2/live/0/MAIN"},
            {"SUNBA",
             "SUNBA",
             "Performance-Series",
             "QIPC-B2202.3.73.C06290.NB.230628",
             "210231T2H63235000045",
             "/onvif/media",
             {"media_profile1", "media_profile2", "media_profile3"},
             "rtsp://162.191.54.181/media/video1"},
            {"happytimesoft",
             "Happytimesoft",
             "IPCamera",
             "2.4",
             "123456",
             "/onvif/media_service",
             {"ProfileToken_1", "ProfileToken_2"},
             "rtsp://192.168.2.119/test.mp4&t=unicast&p=rtsp&ve=H264&w=1280&h=720&ae=PCMU&sr=8000"},
        };
        for (const Camera &c : cameras) {
            for (auto auth : {CameraServer::Auth::Digest, CameraServer::Auth::UsernameToken}) {
                const char *authName = auth == CameraServer::Auth::Digest ? "digest" : "token";
                QTest::addRow("%s %s", c.dir, authName) << c.dir << auth << c.manufacturer << c.model << c.firmware
                                                        << c.serial << c.media << c.tokens << c.uri;
            }
        }
    }

    void fullCameras()
    {
        QFETCH(QString, model);
        QFETCH(CameraServer::Auth, auth);
        startCamera(model, auth);
        Service service(QList<QHostAddress>{});
        QSignalSpy updated(&service, &Service::updateDevInfo);
        const DevInfo in = record(auth == CameraServer::Auth::Digest ? 2 : 1);
        QVERIFY(modify(service, in));
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0).at(0).toString(), in.ip);

        const DevInfo out = service.getDevices().value(in.ip);
        QCOMPARE(out.status, 1);
        QTEST(out.manufacturer, "manufacturer");
        QTEST(out.model, "modelName");
        QCOMPARE(out.hardware, out.model);
        QTEST(out.firmwareVersion, "firmware");
        QTEST(out.serialNumber, "serial");
        QCOMPARE(out.user, in.user);
        QCOMPARE(out.password, in.password);
        QCOMPARE(out.authMode, in.authMode);
        QVERIFY(out.mediaXaddr.startsWith(server->baseUrl()));
        QTEST(mediaPath(out.mediaXaddr), "media");
        QFETCH(QStringList, tokens);
        QCOMPARE(out.profileTokens, QSet<QString>(tokens.begin(), tokens.end()));
        QCOMPARE(out.streamUris.keys(), tokens);
        QFETCH(QString, uri);
        for (const QString &u : out.streamUris)
            QCOMPARE(u, uri);
        QCOMPARE(service.getUriInfo(in.ip, 0), uri);
        QCOMPARE(service.getUriInfo(in.ip, 1), uri);

        // The media requests went to the media address the camera named.
        int mediaRequests = 0;
        for (const auto &r : server->requests()) {
            if (r.operation == OnvifCam::GetProfiles || r.operation == OnvifCam::GetStreamUri) {
                QCOMPARE(r.target, mediaPath(out.mediaXaddr));
                ++mediaRequests;
            }
        }
        QVERIFY(mediaRequests >= 1 + tokens.size());
    }

    void partialCameras_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("hasMedia");
        QTest::addColumn<int>("tokenCount");
        QTest::newRow("DCS-6511: no GetStreamUri") << "DCS-6511" << 1 << true << 2;
        QTest::newRow("GX728MF-IR28: no GetStreamUri") << "GX728MF-IR28" << 1 << true << 3;
        QTest::newRow("SUNBA.405: malformed GetProfiles") << "SUNBA.405" << 1 << true << 0;
        QTest::newRow("unknown: only a malformed GetCapabilities") << "unknown" << 2 << false << 0;
    }

    void partialCameras()
    {
        QFETCH(QString, model);
        startCamera(model, CameraServer::Auth::Digest);
        Service service(QList<QHostAddress>{});
        QSignalSpy updated(&service, &Service::updateDevInfo);
        const DevInfo in = record(2);
        QVERIFY(!modify(service, in)); // never reported as a complete road
        QCOMPARE(updated.count(), 1);
        const DevInfo out = service.getDevices().value(in.ip);
        QTEST(out.status, "status");
        QFETCH(bool, hasMedia);
        QCOMPARE(!out.mediaXaddr.isEmpty(), hasMedia);
        QTEST(out.profileTokens.size(), "tokenCount");
        QVERIFY(out.streamUris.isEmpty());
        QCOMPARE(service.getUriInfo(in.ip, 0), QString());
    }

    void malformedDeviceInformation()
    {
        startCamera("SUNBA", CameraServer::Auth::None);
        server->setReply(OnvifCam::GetDeviceInformation, readCameraFile("SUNBA.405", "ptz/GetPresetsResponse.xml")
                                                             + readFixture("onvif/test/serverMockup/Error.xml"));
        Service service(QList<QHostAddress>{});
        QVERIFY(!modify(service, record(0)));
        const DevInfo out = service.getDevices().value(server->address().toString());
        QCOMPARE(out.status, 2);
        QVERIFY(out.model.isEmpty());
        QCOMPARE(server->requestCount(), 1);
    }

    void wrongCredentialsFail_data()
    {
        QTest::addColumn<CameraServer::Auth>("auth");
        QTest::addColumn<int>("mode");
        QTest::newRow("digest") << CameraServer::Auth::Digest << 2;
        QTest::newRow("token") << CameraServer::Auth::UsernameToken << 1;
        QTest::newRow("digest camera, no auth") << CameraServer::Auth::Digest << 0;
    }

    void wrongCredentialsFail()
    {
        QFETCH(CameraServer::Auth, auth);
        QFETCH(int, mode);
        startCamera("SUNBA", auth);
        Service service(QList<QHostAddress>{});
        QVERIFY(!modify(service, record(mode, QStringLiteral("wrong"))));
        QCOMPARE(service.getDevices().value(server->address().toString()).status, 2);
    }

    void hangingCameraCostsTheTimeout()
    {
        startCamera("SUNBA", CameraServer::Auth::None);
        server->setHangOperations({"*"});
        Service service(QList<QHostAddress>{});
        QSignalSpy updated(&service, &Service::updateDevInfo);
        logLines.clear();
        previousHandler = qInstallMessageHandler(captureLog);
        const bool modified = modify(service, record(0));
        qInstallMessageHandler(previousHandler);
        QVERIFY(!modified);
        QCOMPARE(updated.count(), 1);
        // The road ends at its first request, given up for the timeout: the
        // camera had it and never answered it, and was asked nothing more.
        QCOMPARE(server->requestCount(), 1);
        QCOMPARE(server->requests().first().status, 0);
        const QRegularExpression timedOut("httpcode:\\s+0\\s+; error:\\s+\"timeout\"");
        QVERIFY(std::any_of(logLines.cbegin(), logLines.cend(),
                            [&](const QString &line) { return timedOut.match(line).hasMatch(); }));
        // No answer is offline, not a refusal of the credentials.
        QCOMPARE(service.getDevices().value(server->address().toString()).status, 0);
    }

    void laterFailureKeepsEarlierValues()
    {
        startCamera("IPG-8150PSS", CameraServer::Auth::None);
        Service service(QList<QHostAddress>{});
        QVERIFY(modify(service, record(0)));
        const QString ip = server->address().toString();
        const DevInfo first = service.getDevices().value(ip);

        // A fault where GetCapabilities was, and a dead GetStreamUri: nothing learned is lost.
        server->setReply(OnvifCam::GetCapabilities, readCameraFile("ENP1A14-IR_25X", "device_management/Fault.xml"));
        QVERIFY(!readInfo(service, ip));
        DevInfo after = service.getDevices().value(ip);
        QCOMPARE(after.status, 1);
        QCOMPARE(after.mediaXaddr, first.mediaXaddr);
        QCOMPARE(after.streamUris, first.streamUris);

        server->clearReply(OnvifCam::GetDeviceInformation);
        QVERIFY(!readInfo(service, ip));
        after = service.getDevices().value(ip);
        QCOMPARE(after.status, 2);
        QCOMPARE(after.model, first.model);
        QCOMPARE(after.streamUris, first.streamUris);
    }

    void otherPrefixesEverywhere()
    {
        // Replies written with prefixes no camera of the fixtures uses.
        startCamera("happytimesoft", CameraServer::Auth::None);
        const QString env = QStringLiteral(
            "<?xml version=\"1.0\"?><E:Envelope xmlns:E=\"%1\" xmlns:D=\"%2\" xmlns:M=\"%3\" xmlns:S=\"%4\"><E:Body>%5</E:Body></E:Envelope>");
        auto wrap = [&](const QString &body) {
            return env.arg(NS::SoapEnvelope, NS::Tds, NS::Trt, NS::Tt, body).toUtf8();
        };
        server->setReply(
            OnvifCam::GetDeviceInformation,
            wrap(
                "<D:GetDeviceInformationResponse><D:Manufacturer>Acme</D:Manufacturer><D:Model>X1</D:Model><D:FirmwareVersion>9</D:FirmwareVersion></D:GetDeviceInformationResponse>"));
        server->setReply(
            OnvifCam::GetCapabilities,
            wrap(
                "<D:GetCapabilitiesResponse><D:Capabilities><S:Media><S:XAddr>http://10.1.1.1/m</S:XAddr></S:Media></D:Capabilities></D:GetCapabilitiesResponse>"));
        server->setReply(OnvifCam::GetProfiles,
                         wrap("<M:GetProfilesResponse><M:Profiles token=\"b\"/><Profiles xmlns=\"" + NS::Trt
                              + "\" token=\"a\"/></M:GetProfilesResponse>"));
        server->setReply(
            OnvifCam::GetStreamUri,
            wrap(
                "<M:GetStreamUriResponse><M:MediaUri><S:Uri> rtsp://10.1.1.1/s?a=1&amp;b=2 </S:Uri></M:MediaUri></M:GetStreamUriResponse>"));
        Service service(QList<QHostAddress>{});
        QVERIFY(modify(service, record(0)));
        const DevInfo out = service.getDevices().value(server->address().toString());
        QCOMPARE(out.model, QStringLiteral("X1"));
        QCOMPARE(out.serialNumber, QString()); // optional, absent
        QCOMPARE(out.mediaXaddr, server->baseUrl() + "/m");
        QCOMPARE(out.streamUris.keys(), QStringList({"a", "b"}));
        QCOMPARE(out.streamUris.value("a"), QStringLiteral("rtsp://10.1.1.1/s?a=1&b=2"));
    }

    void mockServerReplies_data()
    {
        QTest::addColumn<QByteArray>("capabilities");
        QTest::addColumn<QString>("mediaPath");
        QTest::newRow("utf-8") << readFixture("onvif/test/serverMockup/GetCapabilities.xml") << "/onvif/services";
        // Declares utf-16, written in UTF-8.
        QTest::newRow("declared utf-16") << readFixture("onvif/test/serverMockup/GetCapabilitiesEncoder.xml")
                                         << "/onvif/device_service";
    }

    void mockServerReplies()
    {
        // The replies of another ONVIF implementation's mock server, none of the five cameras.
        QFETCH(QByteArray, capabilities);
        startCamera("SUNBA", CameraServer::Auth::UsernameToken);
        server->clearReplies();
        server->setReply(OnvifCam::GetDeviceInformation,
                         readFixture("onvif/test/serverMockup/GetDeviceInformation.xml"));
        server->setReply(OnvifCam::GetCapabilities, capabilities);
        server->setReply(OnvifCam::GetProfiles, readFixture("onvif/test/serverMockup/GetProfiles.xml"));
        server->setReply(OnvifCam::GetStreamUri, readFixture("onvif/test/serverMockup/GetStreamUri.xml"));
        Service service(QList<QHostAddress>{});
        QVERIFY(modify(service, record(1)));
        const DevInfo out = service.getDevices().value(server->address().toString());
        QCOMPARE(out.model, QStringLiteral("Mockup Model"));
        QCOMPARE(out.firmwareVersion, QStringLiteral("Mockup_15_14_13"));
        QCOMPARE(out.serialNumber, QStringLiteral("00000000"));
        QFETCH(QString, mediaPath);
        QCOMPARE(out.mediaXaddr, server->baseUrl() + mediaPath);
        QCOMPARE(out.streamUris.value("main"), QStringLiteral("rtsp://192.168.68.111/h264main"));
    }

    void capabilitiesWithoutMedia()
    {
        startCamera("IPG-8150PSS", CameraServer::Auth::None);
        QByteArray caps = readCameraFile("IPG-8150PSS", "device_management/GetCapabilitiesResponse.xml");
        const int start = caps.indexOf("<tt:Media>");
        const int end = caps.indexOf("</tt:Media>");
        QVERIFY(start > 0 && end > start);
        caps.remove(start, end + int(strlen("</tt:Media>")) - start);
        server->setReply(OnvifCam::GetCapabilities, caps);
        Service service(QList<QHostAddress>{});
        QVERIFY(modify(service, record(0)));
        const DevInfo out = service.getDevices().value(server->address().toString());
        QVERIFY(out.mediaXaddr.isEmpty());
        QCOMPARE(out.streamUris.size(), 2); // asked at the device address
        for (const auto &r : server->requests())
            QCOMPARE(r.target, QStringLiteral("/onvif/device_service"));
    }

    void oversizedReplyThroughTheRoad()
    {
        startCamera("SUNBA", CameraServer::Auth::None);
        QByteArray profiles = readCameraFile("SUNBA", "media1/GetProfilesResponse.xml");
        profiles.insert(profiles.lastIndexOf("</"), QByteArray(MaxReplyBytes, ' '));
        server->setReply(OnvifCam::GetProfiles, profiles);
        Service service(QList<QHostAddress>{});
        QVERIFY(!modify(service, record(0)));
        const DevInfo out = service.getDevices().value(server->address().toString());
        QCOMPARE(out.status, 1);
        QVERIFY(out.profileTokens.isEmpty());
        QVERIFY(out.streamUris.isEmpty());
    }

    void mainAndSubStreamByTokenOrder()
    {
        Service service(QList<QHostAddress>{});
        QCOMPARE(service.getUriInfo("192.0.2.7", 0), QString());
        startCamera("SUNBA", CameraServer::Auth::None);
        QVERIFY(modify(service, record(0)));
        // Per-token URIs: the test camera answers one file, so check the order rule on the map itself.
        DevInfo info = service.getDevices().value(server->address().toString());
        QCOMPARE(info.streamUris.firstKey(), QStringLiteral("media_profile1"));
        QCOMPARE(info.streamUris.lastKey(), QStringLiteral("media_profile3"));
    }

    void singleton()
    {
        Service *service = Service::instance();
        QVERIFY(service);
        QCOMPARE(Service::instance(), service);
        QCOMPARE(service->probeAddress(), QHostAddress(QStringLiteral("239.255.255.250")));
        QCOMPARE(service->probePort(), quint16(3702));
        QVERIFY(service->getDevices().isEmpty());
    }

    void unknownAddressStartsNoRoad()
    {
        Service service(QList<QHostAddress>{});
        QSignalSpy updated(&service, &Service::updateDevInfo);
        QVERIFY(!readInfo(service, "192.0.2.1"));
        QCOMPARE(updated.count(), 0);
    }

    void passwordsNeverLogged()
    {
        startCamera("SUNBA", CameraServer::Auth::Digest);
        logLines.clear();
        previousHandler = qInstallMessageHandler(captureLog);
        Service service(QList<QHostAddress>{});
        DevInfo in = record(2);
        in.password = QStringLiteral("s3cret");
        modify(service, in);
        server->setAuth(CameraServer::Auth::UsernameToken);
        in.authMode = 1;
        in.password = QStringLiteral("wrongPassw0rd");
        modify(service, in);
        qInstallMessageHandler(previousHandler);
        QVERIFY(!logLines.isEmpty());
        for (const QString &line : qAsConst(logLines)) {
            QVERIFY2(!line.contains("s3cret") && !line.contains("wrongPassw0rd"), qPrintable(line));
        }
    }

    // ---- discovery ----------------------------------------------------------------

    void discoveryFindsTheResponderDevice()
    {
        startCamera("IPG-8150PSS", CameraServer::Auth::None);
        server->setCredentials(DEFAULT_DEV_USER, DEFAULT_DEV_PASSWORD);
        ProbeResponder responder;
        QVERIFY(responder.bind());
        responder.setProbeMatches({ProbeResponder::fromServiceUriTemplate(
            readFixture("onvif/test/serverMockup/Probe.xml"),
            server->deviceServiceUrl() + " http://127.0.0.9:1/onvif/device_service")});

        Service service(QList<QHostAddress>{QHostAddress::LocalHost});
        service.setProbeTarget(responder.address(), responder.port());
        QSignalSpy updated(&service, &Service::updateDevInfo);
        service.searchDevices();
        QVERIFY(updated.wait(5000));
        const QString ip = server->address().toString();
        QCOMPARE(updated.at(0).at(0).toString(), ip);

        const auto devices = service.getDevices();
        QCOMPARE(devices.size(), 1);
        const DevInfo d = devices.value(ip);
        QCOMPARE(d.xaddr, server->deviceServiceUrl()); // the first XAddr, port kept
        QCOMPARE(d.uuid, QStringLiteral("c9790c3a-701b-464d-a189-0060351c8ada"));
        QCOMPARE(d.devName, QStringLiteral("PREDATOR"));
        QCOMPARE(d.user, DEFAULT_DEV_USER);
        QCOMPARE(d.password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(d.authMode, 2);
        QCOMPARE(d.model, QStringLiteral("IPG-8150PSS"));
        QCOMPARE(d.streamUris.size(), 2);

        // Both probes went out; the answer to the second found the device stored already.
        QTRY_COMPARE(responder.probeCount(), 2);
        QTRY_COMPARE(responder.answerCount(), 2);
        QTRY_VERIFY(datagramsRead(service));
        QCOMPARE(updated.count(), 1);
        const QList<QByteArray> probes = responder.probes();
        QVERIFY(probes.at(0).contains("tds:Device"));
        QVERIFY(probes.at(1).contains("dn:NetworkVideoTransmitter"));
        QVERIFY(probes.at(0).contains(
            "<wsa:MessageID xmlns:wsa=\"http://schemas.xmlsoap.org/ws/2004/08/addressing\">uuid:{"));
        QVERIFY(!probes.at(0).contains("%1"));
    }

    void secondSearchKeepsRegisteredDevice()
    {
        startCamera("happytimesoft", CameraServer::Auth::Digest);
        ProbeResponder responder;
        QVERIFY(responder.bind());
        // The device answers with its address, and a second, discovered-only device too.
        const QByteArray tmpl = readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response.txt");
        responder.setProbeMatches({
            ProbeResponder::fromSlotTemplate(tmpl,
                                             {"RELATES_TO", "11111111-2222", "HW", "Cam",
                                              server->address().toString() + ":" + QString::number(server->port())}),
            ProbeResponder::fromSlotTemplate(tmpl, {"RELATES_TO", "33333333-4444", "HW2", "Other", "127.0.0.77:1"}),
        });

        Service service(QList<QHostAddress>{QHostAddress::LocalHost});
        service.setProbeTarget(responder.address(), responder.port());
        DevInfo registered = record(2);
        registered.uuid = QStringLiteral("SERIAL-1");
        QVERIFY(modify(service, registered));
        QVERIFY(service.isRegistered(registered.ip));

        QSignalSpy updated(&service, &Service::updateDevInfo);
        service.searchDevices();
        QTRY_VERIFY_WITH_TIMEOUT(service.getDevices().contains("127.0.0.77"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(updated.count(), 1, 5000); // the new device's road (it fails)
        // Both probes answered by both devices, and all of it read.
        QTRY_COMPARE(responder.answerCount(), 4);
        QTRY_VERIFY(datagramsRead(service));

        DevInfo kept = service.getDevices().value(registered.ip);
        QCOMPARE(kept.password, QStringLiteral("s3cret"));
        QCOMPARE(kept.authMode, 2);
        QCOMPARE(kept.uuid, QStringLiteral("SERIAL-1"));
        QCOMPARE(kept.streamUris.size(), 2);

        // Another search: the discovered-only entry is dropped, the registered one stays.
        responder.setProbeMatches({});
        service.searchDevices();
        const auto devices = service.getDevices();
        QVERIFY(!devices.contains("127.0.0.77"));
        QCOMPARE(devices.value(registered.ip).password, QStringLiteral("s3cret"));

        service.setRegistered(registered.ip, false);
        service.searchDevices();
        QVERIFY(service.getDevices().isEmpty());
        // The delayed second probes of the last two searches go out and get no answer.
        QTRY_COMPARE(responder.probeCount(), 6);
        QTRY_VERIFY(datagramsRead(service));
        QVERIFY(service.getDevices().isEmpty());
    }

    void probeMatchReading_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("ip");
        const QByteArray tmpl = readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response_no_header.txt");
        QTest::newRow("port in xaddr") << ProbeResponder::fromSlotTemplate(tmpl, {"u1", "H", "N", "127.0.0.5:1"})
                                       << true << "127.0.0.5";
        QTest::newRow("ipv6 xaddr first")
            << QByteArray(tmpl)
                   .replace("http://{3}/onvif/device_service",
                            "http://[fe80::1]/onvif/device_service http://127.0.0.8:1/onvif/device_service")
                   .replace("{0}", "u1")
            << true << "127.0.0.8";
        QTest::newRow("not xml") << QByteArray("\x01\x02garbage") << false << "";
        QTest::newRow("not a probe match")
            << readCameraFile("SUNBA", "device_management/GetDeviceInformationResponse.xml") << false << "";
        QTest::newRow("no xaddrs") << QByteArray(tmpl).replace(
            "<wsdd:XAddrs>http://{3}/onvif/device_service</wsdd:XAddrs>", "")
                                   << false << "";
        QTest::newRow("xaddr without host")
            << ProbeResponder::fromSlotTemplate(tmpl, {"u1", "H", "N", ""}) << false << "";
        QTest::newRow("ignored") << ProbeResponder::fromSlotTemplate(tmpl, {"u1", "H", "N", "127.0.0.66"}) << false
                                 << "127.0.0.66";
    }

    void probeMatchReading()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, stored);
        QFETCH(QString, ip);
        Service service(QList<QHostAddress>{});
        service.setIgnoreList({"127.0.0.66"});
        QSignalSpy finished(&service, &Service::roadFinished);
        QCOMPARE(service.handleProbeMatch(decodeReply(datagram)), stored);
        QCOMPARE(service.getDevices().size(), stored ? 1 : 0);
        if (stored) {
            QVERIFY(service.getDevices().contains(ip));
            QCOMPARE(service.getDevices().value(ip).uuid, QStringLiteral("u1"));
            // The road of a stored device starts and fails at once (nobody listens).
            QVERIFY(finished.wait(10000));
        }
    }

    void registeredByAddressLearnsItsServiceAddress()
    {
        // The add dialog registers a camera by IP alone (no service address), then searches.
        startCamera("SUNBA", CameraServer::Auth::Digest);
        ProbeResponder responder;
        QVERIFY(responder.bind());
        // Answers name the probe they answer (RelatesTo): others are not taken.
        const QByteArray tmpl = readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response.txt");
        const QString hostPort = server->address().toString() + ":" + QString::number(server->port());
        responder.setProbeMatches(
            {ProbeResponder::fromSlotTemplate(tmpl, {"RELATES_TO", "probe-uuid", "HW", "Lobby", hostPort})});

        Service service(QList<QHostAddress>{QHostAddress::LocalHost});
        service.setProbeTarget(responder.address(), responder.port());
        DevInfo registered = record(2);
        registered.xaddr.clear();
        registered.uuid = QStringLiteral("SERIAL-9");
        QVERIFY(!modify(service, registered));
        QCOMPARE(service.getDevices().value(registered.ip).status, 0); // asked nothing: offline

        QSignalSpy updated(&service, &Service::updateDevInfo);
        service.setIgnoreList({registered.ip}); // the search page hides known devices
        service.searchDevices();
        QVERIFY(updated.wait(5000));
        QTRY_COMPARE(responder.probeCount(), 2);
        QTRY_COMPARE(responder.answerCount(), 2);
        QTRY_VERIFY(datagramsRead(service));
        QCOMPARE(updated.count(), 1); // the second probe's answer changes nothing

        const DevInfo d = service.getDevices().value(registered.ip);
        QCOMPARE(d.xaddr, server->deviceServiceUrl());
        QCOMPARE(d.user, QStringLiteral("admin"));
        QCOMPARE(d.password, QStringLiteral("s3cret"));
        QCOMPARE(d.authMode, 2);
        QCOMPARE(d.uuid, QStringLiteral("SERIAL-9"));
        QCOMPARE(d.devName, QStringLiteral("Lobby"));
        QCOMPARE(d.status, 1);
        QCOMPARE(d.model, QStringLiteral("Performance-Series"));
        QCOMPARE(d.streamUris.size(), 3);

        // Known now: a later ProbeMatch leaves the entry alone.
        QVERIFY(!service.handleProbeMatch(
            QString::fromUtf8(ProbeResponder::fromSlotTemplate(tmpl, {"other", "HW", "N", "127.0.0.1:1"}))));
        QCOMPARE(service.getDevices().value(registered.ip).xaddr, server->deviceServiceUrl());
    }

    void scopesOfRealDevices_data()
    {
        // Scope lists that eight real cameras announced (onvif-discovery, MIT).
        QTest::addColumn<QStringList>("scopes");
        QTest::addColumn<QString>("hardware");
        QFile file(fixturePath("onvif-discovery/OnvifDiscovery.Tests/Resources/ScopesTestData.json"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QByteArray json = file.readAll();
        if (json.startsWith("\xEF\xBB\xBF"))
            json.remove(0, 3);
        const QJsonArray devices = QJsonDocument::fromJson(json).object().value("Devices").toArray();
        QCOMPARE(devices.size(), 8);
        int i = 0;
        for (const QJsonValue &device : devices) {
            QStringList scopes;
            for (const QJsonValue &scope : device.toObject().value("Scopes").toArray())
                scopes << scope.toString();
            QTest::addRow("device %d", ++i) << scopes << device.toObject().value("ExpectedModel").toString();
        }
    }

    void scopesOfRealDevices()
    {
        QFETCH(QStringList, scopes);
        QByteArray datagram = ProbeResponder::fromSlotTemplate(
            readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response_no_header.txt"),
            {"u1", "H", "N", "127.0.0.5:1"});
        const int open = datagram.indexOf("<wsdd:Scopes>") + int(strlen("<wsdd:Scopes>"));
        const int close = datagram.indexOf("</wsdd:Scopes>");
        QVERIFY(open > 20 && close > open);
        QString escaped = scopes.join(' ').toHtmlEscaped();
        datagram.replace(open, close - open, escaped.toUtf8());
        Service service(QList<QHostAddress>{});
        QSignalSpy finished(&service, &Service::roadFinished);
        QVERIFY(service.handleProbeMatch(QString::fromUtf8(datagram)));
        const DevInfo d = service.getDevices().value("127.0.0.5");
        QTEST(d.hardware, "hardware");
        QVERIFY(!d.location.contains('%'));
        QVERIFY(!d.devName.contains('%'));
        QVERIFY(finished.wait(10000)); // the road to the stored device fails at once
    }

    void malformedReplyAtEachStep_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("GetCapabilities: broken attribute")
            << OnvifCam::GetCapabilities << readCameraFile("unknown", "device_management/GetCapabilitiesResponse.xml");
        QTest::newRow("GetCapabilities: undeclared prefixes")
            << OnvifCam::GetCapabilities << readFixture("onvif/test/serverMockup/device.GetDNS.xml");
        QTest::newRow("GetProfiles: log lines after the envelope")
            << OnvifCam::GetProfiles << readCameraFile("SUNBA.405", "media2/GetProfilesResponse.xml");
        QTest::newRow("GetProfiles: unclosed element")
            << OnvifCam::GetProfiles << readCameraFile("SUNBA.405", "ptz/GetPresetsResponse.xml");
        QTest::newRow("GetStreamUri: typographic quotes")
            << OnvifCam::GetStreamUri << readFixture("onvif/test/serverMockup/Error.xml");
        QTest::newRow("GetStreamUri: truncated")
            << OnvifCam::GetStreamUri << readCameraFile("SUNBA", "media2/GetStreamUriResponse.xml").left(300);
    }

    void malformedReplyAtEachStep()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, reply);
        QVERIFY(!reply.isEmpty());
        startCamera("SUNBA", CameraServer::Auth::None);
        server->setReply(operation, reply);
        Service service(QList<QHostAddress>{});
        QSignalSpy updated(&service, &Service::updateDevInfo);
        QVERIFY(!modify(service, record(0)));
        QCOMPARE(updated.count(), 1);
        const DevInfo out = service.getDevices().value(server->address().toString());
        QCOMPARE(out.status, 1); // the device answered who it is
        QCOMPARE(out.model, QStringLiteral("Performance-Series"));
        if (operation == OnvifCam::GetCapabilities)
            QVERIFY(out.mediaXaddr.isEmpty());
        if (operation != OnvifCam::GetStreamUri)
            QVERIFY(out.profileTokens.isEmpty());
        else
            QCOMPARE(out.profileTokens.size(), 3);
        // Nothing half-read is stored as an address.
        QVERIFY(out.streamUris.isEmpty());
        QCOMPARE(service.getUriInfo(out.ip, 0), QString());
    }

    // ---- hostile neighbours ------------------------------------------------------

    // Forged ProbeMatches: outside a search, or answering no probe of ours,
    // they change nothing.
    void forgedAnswersChangeNothing_data()
    {
        QTest::addColumn<QString>("relatesTo"); // PROBE: the id of the probe received
        QTest::addColumn<bool>("afterSearch");
        QTest::newRow("our probe, after the search") << "PROBE" << true;
        QTest::newRow("a probe we never sent") << "uuid:{0e0e0e0e-0000-0000-0000-000000000000}" << false;
        QTest::newRow("no RelatesTo") << "" << false;
        QTest::newRow("our probe, during the search (taken)") << "PROBE" << false;
    }

    void forgedAnswersChangeNothing()
    {
        QFETCH(QString, relatesTo);
        QFETCH(bool, afterSearch);
        Forger forger;
        Service service(QList<QHostAddress>{QHostAddress::LocalHost});
        service.setProbeTarget(forger.target.localAddress(), forger.target.localPort());
        service.setSearchWindowMs(afterSearch ? 100 : 60000);
        service.searchDevices();
        QTRY_VERIFY(forger.probeFrom != 0);
        if (afterSearch)
            QTRY_VERIFY(!service.searchRunning());
        forger.send(relatesTo == "PROBE" ? forger.probeId : relatesTo, QStringLiteral("127.44.0.9:1"));
        const bool taken = relatesTo == "PROBE" && !afterSearch;
        if (taken)
            QTRY_VERIFY(service.getDevices().contains("127.44.0.9"));
        QTRY_VERIFY(datagramsRead(service));
        QCOMPARE(service.getDevices().size(), taken ? 1 : 0);
    }

    // Answers pointing at cameras that never reply: the window keeps running
    // while their roads wait, and the table stays within its bound.
    void silentCamerasNeverFreeze()
    {
        Forger forger;
        std::vector<std::unique_ptr<QTcpServer>> silent;
        Service service(QList<QHostAddress>{QHostAddress::LocalHost});
        service.setProbeTarget(forger.target.localAddress(), forger.target.localPort());
        service.setMaxDevices(2);
        QSignalSpy finished(&service, &Service::roadFinished);
        service.searchDevices();
        QTRY_VERIFY(forger.probeFrom != 0);
        for (int i = 1; i <= 3; ++i) {
            silent.emplace_back(new QTcpServer);
            QVERIFY(silent.back()->listen(QHostAddress(QStringLiteral("127.44.1.%1").arg(i))));
            forger.send(forger.probeId, QStringLiteral("127.44.1.%1:%2").arg(i).arg(silent.back()->serverPort()));
        }
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(10);
        QTRY_VERIFY(ticks >= 10);
        QCOMPARE(finished.count(), 0); // the first road still waits for its camera
        QCOMPARE(service.deviceCount(), 2);
    }

    // A reply too deep for its values to be read counts as no reply at every step.
    void deepReplyIsNoReply_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("body");
        QTest::newRow("GetCapabilities")
            << OnvifCam::GetCapabilities
            << "<tds:GetCapabilitiesResponse><tds:Capabilities><tt:Media><tt:XAddr>http://127.0.0.1:1/m</tt:XAddr>"
               "</tt:Media></tds:Capabilities></tds:GetCapabilitiesResponse>";
        QTest::newRow("GetStreamUri")
            << OnvifCam::GetStreamUri
            << "<trt:GetStreamUriResponse><trt:MediaUri><tt:Uri>rtsp://127.0.0.1/s</tt:Uri></trt:MediaUri>"
               "</trt:GetStreamUriResponse>";
    }

    void deepReplyIsNoReply()
    {
        QFETCH(QString, operation);
        QFETCH(QString, body);
        startCamera("IPG-8150PSS", CameraServer::Auth::None);
        server->setReply(operation, QStringLiteral("<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"%1\" xmlns:tds=\"%2\" "
                                                   "xmlns:trt=\"%3\" xmlns:tt=\"%4\"><s:Body>%5</s:Body></s:Envelope>")
                                        .arg(NS::SoapEnvelope, NS::Tds, NS::Trt, NS::Tt,
                                             QString("<x>").repeated(130) + body + QString("</x>").repeated(130))
                                        .toUtf8());
        Service service(QList<QHostAddress>{});
        QVERIFY(!modify(service, record(0)));
        QVERIFY(!service.getDevices().value(server->address().toString()).streamUris.values().contains(QString()));
    }

    void scopes()
    {
        const QByteArray tmpl = readFixture("onvif-discovery/OnvifDiscovery.Tests/Resources/response_no_header.txt");
        QByteArray datagram = ProbeResponder::fromSlotTemplate(tmpl, {"u1", "MSTAR_IPNC", "My%20Cam", "127.0.0.5:1"});
        datagram.replace("onvif://www.onvif.org/location/Default",
                         "onvif://www.onvif.org/location/country/China onvif://www.onvif.org/location/city/Shenzhen");
        Service service(QList<QHostAddress>{});
        QVERIFY(service.handleProbeMatch(QString::fromUtf8(datagram)));
        const DevInfo d = service.getDevices().value("127.0.0.5");
        QCOMPARE(d.hardware, QStringLiteral("MSTAR_IPNC"));
        QCOMPARE(d.location, QStringLiteral("Shenzhen"));
        QCOMPARE(d.devName, QStringLiteral("My Cam"));
        // The same address again is skipped.
        QVERIFY(!service.handleProbeMatch(QString::fromUtf8(datagram)));
        // A registered entry is never replaced by a ProbeMatch.
        DevInfo mine = d;
        mine.password = QStringLiteral("operator");
        mine.authMode = 1;
        modify(service, mine); // its road is refused at once (nothing listens on port 1)
        service.searchDevices();
        QVERIFY(!service.handleProbeMatch(QString::fromUtf8(datagram)));
        QCOMPARE(service.getDevices().value("127.0.0.5").password, QStringLiteral("operator"));
        QCOMPARE(service.getDevices().value("127.0.0.5").authMode, 1);
    }
};

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(onvif);
    QCoreApplication app(argc, argv);
    TestOnvifService test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_onvifservice.moc"
