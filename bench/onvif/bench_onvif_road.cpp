// Cost of reading recorded camera replies, and of one whole device-information
// road against the loopback camera (no authentication, then Digest).
#include "OnvifCameraServer.h"
#include "OnvifClient.h"
#include "OnvifMessage.h"
#include "OnvifNamespaces.h"
#include "OnvifService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QXmlQuery>

#include <cstdio>

static QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? ONVIF::decodeReply(f.readAll()) : QString();
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const QString cameras = QStringLiteral(ONVIF_FIXTURES "/easy_onvif_workspace/packages/easy_onvif/test/xml/");
    const QStringList models = {"ENP1A14-IR_25X", "IPD-H4K8M05-BS", "IPG-8150PSS", "SUNBA", "happytimesoft"};

    const int rounds = 200;
    QElapsedTimer timer;
    timer.start();
    int reads = 0;
    for (int i = 0; i < rounds; ++i) {
        for (const QString &m : models) {
            ONVIF::MessageParser info(readAll(cameras + m + "/device_management/GetDeviceInformationResponse.xml"),
                                      ONVIF::defaultNamespaces());
            info.getValue(QStringLiteral("//tds:Model"));
            ONVIF::MessageParser caps(readAll(cameras + m + "/device_management/GetCapabilitiesResponse.xml"),
                                      ONVIF::defaultNamespaces());
            caps.getValue(QStringLiteral("//tt:Media/tt:XAddr"));
            ONVIF::MessageParser profiles(readAll(cameras + m + "/media1/GetProfilesResponse.xml"),
                                          ONVIF::defaultNamespaces());
            QXmlQuery *q = profiles.query();
            q->setQuery(profiles.nameSpace() + QStringLiteral("doc($inputDocument)//trt:Profiles/string(@token)"));
            QStringList tokens;
            q->evaluateTo(&tokens);
            reads += 3;
        }
    }
    std::printf("reply read: %.1f us per reply (%d replies)\n", timer.nsecsElapsed() / 1000.0 / reads, reads);

    for (auto auth : {OnvifCam::CameraServer::Auth::None, OnvifCam::CameraServer::Auth::Digest}) {
        OnvifCam::CameraServer server;
        server.listen();
        server.loadCameraDir(cameras + "SUNBA");
        server.setAuth(auth);
        server.setCredentials("admin", "admin");
        ONVIF::Service service(QList<QHostAddress>{});
        ONVIF::Service::ONVIF_DEV_INFO dev;
        dev.ip = server.address().toString();
        dev.xaddr = server.deviceServiceUrl();
        dev.user = dev.password = "admin";
        dev.authMode = auth == OnvifCam::CameraServer::Auth::Digest ? 2 : 0;
        const int roads = 20;
        timer.restart();
        for (int i = 0; i < roads; ++i)
            service.modiflyDev(dev);
        std::printf("road (%s, 3 profiles): %.2f ms\n", dev.authMode ? "digest" : "no auth",
                    timer.nsecsElapsed() / 1e6 / roads);
    }
    return 0;
}
