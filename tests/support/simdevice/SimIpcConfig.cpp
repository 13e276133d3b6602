// What a simulated camera serves to the configuration window's own pages.

#include "SimDevice.h"

#include <QDomDocument>
#include <QTextStream>

namespace {

SimDeviceExtension ipcPorts(SimDevice::Ipc, [](SimDevice &d) {
    // Cmd::SetPorts writes it back by the number-plus-one rule.
    d.setStoredBody(Cmd::GetPorts,
                    QStringLiteral("<portConfig><RTSPPort>554</RTSPPort><HTTPPort>80</HTTPPort></portConfig>"));
});

SimDeviceExtension ipcPlatform(SimDevice::Ipc, [](SimDevice &d) {
    // Cmd::SetPlatform replaces the whole PlatformAccess element by the
    // number-plus-one rule.
    d.setStoredBody(Cmd::GetPlatform,
                    QStringLiteral("<PlatformAccess><GB28181><Enable>1</Enable><SIPLocalPort>5060</SIPLocalPort>"
                                   "<SIPServerID>34020000002000000001</SIPServerID>"
                                   "<SIPServerDomain>3402000000</SIPServerDomain>"
                                   "<SIPServerIP>127.0.0.1</SIPServerIP><SIPServerPort>5060</SIPServerPort>"
                                   "<SIPClientAuthenticationID>34020000001320000001</SIPClientAuthenticationID>"
                                   "<SIPClientAuthenticationPassword>12345678</SIPClientAuthenticationPassword>"
                                   "<SIPRegisterExpires>3600</SIPRegisterExpires>"
                                   "<SIPRegisterStatus>2</SIPRegisterStatus><SIPKeeplive>60</SIPKeeplive>"
                                   "</GB28181></PlatformAccess>"));
});

SimDeviceExtension ipcEncoding(SimDevice::Ipc, [](SimDevice &d) {
    // Entries: id,resolution,format,stream,bitRate,min,max,fps,fpsMin,fpsMax,extra,best,control,gop,subIds.
    d.setStoredBody(
        Cmd::GetVideoCaps,
        QStringLiteral(
            "<videoCapList>0,1080P,H264,0,2048,256,8192,25,1,30,0,1,VBR,50,10+11;"
            "1,1080P,H265,0,1536,256,8192,25,1,30,0,0,VBR,50,10+11;"
            "2,5M,H264,0,4096,512,8192,20,1,25,0,0,CBR,40,10;"
            "10,640X360,H264,1,512,128,1024,15,1,25,0,1,VBR,30,0;"
            "11,VGA,H264,1,640,128,1024,15,1,25,0,0,VBR,30,0</videoCapList>"
            "<videoBestParameter>0,H264,1080P,VBR,50,2048,25;1,H264,640X360,VBR,30,512,15</videoBestParameter>"));
    // Cmd::SetVideoEncode replaces the whole videoEncode element by the
    // number-plus-one rule.
    d.setStoredBody(
        Cmd::GetVideoEncode,
        QStringLiteral("<videoEncode><encode0><stream>0</stream><resolution>1080P</resolution><frameRate>25</frameRate>"
                       "<encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl><bitRate>2048</bitRate>"
                       "<initQuant>50</initQuant></encode0><encode1><stream>1</stream><resolution>640X360</resolution>"
                       "<frameRate>15</frameRate><encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl>"
                       "<bitRate>512</bitRate><initQuant>30</initQuant></encode1></videoEncode>"));
    d.setStoredBody(Cmd::GetAudioCaps, QStringLiteral("<audioCapList>G711A,8000,1,80;G711U,8000,0,80</audioCapList>"
                                                      "<audioDecodeCapLis>G711A,8000,1,60</audioDecodeCapLis>"));
    d.setStoredBody(
        Cmd::GetAudio,
        QStringLiteral(
            "<audio><audioEncode><enable>1</enable><encodeFormat>G711A</encodeFormat><samplingRate>8000</samplingRate>"
            "<volume>50</volume></audioEncode><audioDecode><enable>1</enable><decodeFormat>G711A</decodeFormat>"
            "<samplingRate>8000</samplingRate><bitWidth>16</bitWidth><soundmode>0</soundmode><volume>60</volume>"
            "</audioDecode></audio>"));
    // The restart after an encoding change is the reboot of SimCameraSystem.cpp.
});

const QString kImage = QStringLiteral(
    "<imageAdjustment><brightness>50</brightness><contrast>50</contrast><saturation>50</saturation>"
    "<sharpness>50</sharpness><tvStandard>1</tvStandard><mirrorMode>3</mirrorMode><rotateMode>0</rotateMode>"
    "<antiFlicker>0</antiFlicker></imageAdjustment>"
    "<dayNight><dayNightMode>2</dayNightMode><dayNightCompensateMode>1</dayNightCompensateMode>"
    "<startTime></startTime><endTime></endTime></dayNight>"
    "<exposure><exposureMode>1</exposureMode><exposureTime>5</exposureTime><SystemGain>40</SystemGain>"
    "<tvStandard>1</tvStandard></exposure>"
    "<backlight><backlightMode>2</backlightMode></backlight>"
    "<whiteBalance><WBMode>1</WBMode><redGain>45</redGain><blueGain>55</blueGain></whiteBalance>"
    "<imageEnhancement><DRCMode>1</DRCMode><DRCStrength>30</DRCStrength><denoiseMode>0</denoiseMode>"
    "<denoiseStrength>50</denoiseStrength></imageEnhancement>");

// The video standard of the image group also governs the exposure times.
void mirrorStandard(SimDevice &d, int channel)
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<root>%1</root>").arg(d.storedBody(Cmd::GetImage, channel))))
        return;
    const QDomElement root = doc.documentElement();
    const QString standard = root.firstChildElement(QStringLiteral("imageAdjustment"))
                                 .firstChildElement(QStringLiteral("tvStandard"))
                                 .text();
    QDomElement exposure = root.firstChildElement(QStringLiteral("exposure"));
    QDomElement target = exposure.firstChildElement(QStringLiteral("tvStandard"));
    if (exposure.isNull() || standard.isEmpty())
        return;
    if (target.isNull()) {
        target = doc.createElement(QStringLiteral("tvStandard"));
        exposure.appendChild(target);
    }
    while (target.hasChildNodes())
        target.removeChild(target.firstChild());
    target.appendChild(doc.createTextNode(standard));
    QString body;
    QTextStream out(&body);
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        e.save(out, -1);
    d.setStoredBody(Cmd::GetImage, body, channel);
}

// A group's set names the values it changes: the camera keeps the others
// of that group (the exposure's own video standard, which no set carries).
void mergeGroup(SimDevice &d, const QString &setBody, int channel)
{
    QDomDocument stored;
    QDomDocument update;
    if (!update.setContent(QStringLiteral("<root>%1</root>").arg(setBody))
        || !stored.setContent(QStringLiteral("<root>%1</root>").arg(d.storedBody(Cmd::GetImage, channel))))
        return;
    QDomElement root = stored.documentElement();
    for (QDomElement group = update.documentElement().firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        QDomElement target = root.firstChildElement(group.tagName());
        if (target.isNull()) {
            root.appendChild(stored.importNode(group, true));
            continue;
        }
        for (QDomElement value = group.firstChildElement(); !value.isNull(); value = value.nextSiblingElement()) {
            const QDomNode copy = stored.importNode(value, true);
            const QDomElement existing = target.firstChildElement(value.tagName());
            if (existing.isNull())
                target.appendChild(copy);
            else
                target.replaceChild(copy, existing);
        }
    }
    QString body;
    QTextStream out(&body);
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        e.save(out, -1);
    d.setStoredBody(Cmd::GetImage, body, channel);
}

SimDeviceExtension ipcImage(SimDevice::Ipc, [](SimDevice &d) {
    d.setStoredBody(Cmd::GetImage, kImage);
    QString defaults = kImage;
    defaults.replace(QStringLiteral("<brightness>50</brightness>"), QStringLiteral("<brightness>64</brightness>"))
        .replace(QStringLiteral("<mirrorMode>3</mirrorMode>"), QStringLiteral("<mirrorMode>1</mirrorMode>"))
        .replace(QStringLiteral("<backlightMode>2</backlightMode>"),
                 QStringLiteral("<backlightMode>0</backlightMode>"));
    d.setStoredBody(Cmd::GetImageDefaults, defaults);
    for (int set : Cmd::ImageGroupSets) {
        d.setHandler(set, [&d, set](SimConnection *c, const SimRequest &r) {
            mergeGroup(d, r.bodyText, r.channel);
            if (set == Cmd::SetImageAdjustment)
                mirrorStandard(d, r.channel);
            c->reply(set, 0);
        });
    }
});

// The camera's chip (SSC335) is not one of those that send texts in hex, so
// its names are plain text, as its device name is.
SimDeviceExtension ipcOsd(SimDevice::Ipc, [](SimDevice &d) {
    const QString osd = QStringLiteral(
        "<OSD><posUnit>100</posUnit><timeConfig><dateDisplayEnable>1</dateDisplayEnable>"
        "<dateTimeFormat>yyyy/MM/dd HH:mm:ss dddd</dateTimeFormat>"
        "<displayPosition><PosX>5</PosX><PosY>5</PosY></displayPosition></timeConfig>"
        "<channelConfig><channelDisplayEnable>1</channelDisplayEnable><channelContent>Front</channelContent>"
        "<displayPosition><PosX>70</PosX><PosY>90</PosY></displayPosition></channelConfig>"
        "<customerConfig><customer0Config><displayEnable>1</displayEnable><textContent>Gate1</textContent>"
        "<displayPosition><PosX>10</PosX><PosY>40</PosY></displayPosition></customer0Config>"
        "<customer1Config><displayEnable>0</displayEnable><textContent></textContent>"
        "<displayPosition><PosX>0</PosX><PosY>0</PosY></displayPosition></customer1Config></customerConfig></OSD>");
    d.setStoredBody(Cmd::GetOsd, osd);
    d.setStoredBody(Cmd::GetOsdDefaults, osd);
    d.setStoredBody(Cmd::GetOsdFrame, QStringLiteral("<osdFrameStatus>0</osdFrameStatus>"));
});

} // namespace
