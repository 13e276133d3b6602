// The recorder's settings behind its configuration window: basic display
// settings (Cmd::GetBasicSettings / Cmd::SetSettings), network
// (Cmd::GetNvrNetwork / Cmd::SetNetwork), version (Cmd::GetVersion), disks
// (Cmd::GetDisks, format Cmd::FormatDisk) and storage policy
// (Cmd::GetStoragePolicy / Cmd::SetStoragePolicy).

#include "SimDevice.h"

#include <QDomDocument>
#include <QTextStream>

namespace {

QString disk(int index, int mark, const QString &name, int total, int used, int status)
{
    return QStringLiteral("<DeviceInfo><DevIndex>%1</DevIndex><VerifyMark>%2</VerifyMark><DevName>%3</DevName>"
                          "<Mounted>1</Mounted><Total>%4</Total><Used>%5</Used><Status>%6</Status></DeviceInfo>")
        .arg(index)
        .arg(mark)
        .arg(name)
        .arg(total)
        .arg(used)
        .arg(status);
}

// A format request naming a listed disk by index and mark empties it.
void formatDisk(SimDevice &d, SimConnection *conn, const SimRequest &request)
{
    QDomDocument doc;
    doc.setContent(QStringLiteral("<root>%1</root>").arg(d.storedBody(Cmd::GetDisks)));
    const QDomNodeList disks = doc.elementsByTagName(QStringLiteral("DeviceInfo"));
    for (int i = 0; i < disks.size(); ++i) {
        QDomElement e = disks.at(i).toElement();
        if (e.firstChildElement(QStringLiteral("DevIndex")).text() != request.body.value(QStringLiteral("DevIndex"))
            || e.firstChildElement(QStringLiteral("VerifyMark")).text()
                   != request.body.value(QStringLiteral("VerifyMark")))
            continue;
        QDomElement used = e.firstChildElement(QStringLiteral("Used"));
        used.replaceChild(doc.createTextNode(QStringLiteral("0")), used.firstChild());
        QString body;
        for (QDomElement c = doc.documentElement().firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            QString text;
            QTextStream out(&text);
            c.save(out, -1);
            body += text;
        }
        d.setStoredBody(Cmd::GetDisks, body);
        conn->reply(Cmd::FormatDisk, 0);
        return;
    }
    conn->reply(Cmd::FormatDisk, 4); // no such disk
}

SimDeviceExtension nvrConfig([](SimDevice &d) {
    if (d.kind() != SimDevice::Nvr)
        return;
    d.setStoredBody(
        Cmd::GetBasicSettings,
        QString::fromUtf8(
            "<language>1</language><languageList>(简体中文),English,Indonesia,Русский язык</languageList>"
            "<transparency>1</transparency><resolutionList>1024*768,1280*720,1920*1080</resolutionList>"
            "<resolution>1280*720</resolution><lockScreenTime>60</lockScreenTime><lockScreenOp>1</lockScreenOp>"
            "<guideEnable>1</guideEnable><autoAddIpc>1</autoAddIpc><debugLogLevel>2</debugLogLevel>"));
    d.mapSetToGet(Cmd::SetSettings, Cmd::GetBasicSettings);
    d.setStoredBody(
        Cmd::GetNvrNetwork,
        QStringLiteral(
            "<TCPIP><DHCPMode>0</DHCPMode><ipConflictMode>2</ipConflictMode><IP>127.0.0.1</IP>"
            "<netmask>255.0.0.0</netmask><gateway>127.0.0.1</gateway><preferredDNS>127.0.0.1</preferredDNS>"
            "<standbyDNS>127.0.0.2</standbyDNS><MAC>02:00:00:00:00:0a</MAC><MTU>1500</MTU></TCPIP>"
            "<wifiEnable>1</wifiEnable><wifiEnhance>0</wifiEnhance><poeEnable>1</poeEnable><poeLongCable>1</poeLongCable>"
            "<qrCodeString>https://bind.kelvo.invalid/nvr/SIM-NVR</qrCodeString>"));
    d.mapSetToGet(Cmd::SetNetwork, Cmd::GetNvrNetwork);
    // The recorder answers its version inside versionInfo, with a display
    // model beside the hardware type. The stored body stays as it is: the
    // search answer carries it too.
    SimDevice *self = &d;
    d.setHandler(Cmd::GetVersion, [self](SimConnection *c, const SimRequest &) {
        c->reply(Cmd::GetVersion, 0,
                 QStringLiteral("<versionInfo>%1<product_model_ext>SIM-NVR8-PRO</product_model_ext>"
                                "<firmwaveVersion>V2.0.1.20261201</firmwaveVersion></versionInfo>")
                     .arg(self->storedBody(Cmd::GetVersion)));
    });
    d.setStoredBody(Cmd::GetDisks, disk(1, 11, QStringLiteral("/dev/sda-1"), 1907729, 1024, 0)
                                       + disk(2, 0, QStringLiteral("/dev/sdb-2"), 0, 0, 2)
                                       + disk(3, 33, QStringLiteral("/dev/sdc-3"), 953869, 2048, 1));
    d.setStoredBody(Cmd::GetStoragePolicy,
                    QStringLiteral("<StoragePolicy>0</StoragePolicy><noHDDPrompt>0</noHDDPrompt>"));
    d.mapSetToGet(Cmd::SetStoragePolicy, Cmd::GetStoragePolicy);
    SimDevice *device = &d;
    d.setHandler(Cmd::FormatDisk, [device](SimConnection *c, const SimRequest &r) { formatDisk(*device, c, r); });
});

} // namespace
