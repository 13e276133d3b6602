// What a simulated camera serves to the configuration window's own pages.

#include "SimDevice.h"

namespace {

SimDeviceExtension ipcPorts(SimDevice::Ipc, [](SimDevice &d) {
    // 13005 writes it back by the number-plus-one rule.
    d.setStoredBody(13004, QStringLiteral("<portConfig><RTSPPort>554</RTSPPort><HTTPPort>80</HTTPPort></portConfig>"));
});

SimDeviceExtension ipcPlatform(SimDevice::Ipc, [](SimDevice &d) {
    // 13009 replaces the whole PlatformAccess element by the number-plus-one rule.
    d.setStoredBody(13008, QStringLiteral("<PlatformAccess><GB28181><Enable>1</Enable><SIPLocalPort>5060</SIPLocalPort>"
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
    d.setStoredBody(15001, QStringLiteral(
        "<videoCapList>0,1080P,H264,0,2048,256,8192,25,1,30,0,1,VBR,50,10+11;"
        "1,1080P,H265,0,1536,256,8192,25,1,30,0,0,VBR,50,10+11;"
        "2,5M,H264,0,4096,512,8192,20,1,25,0,0,CBR,40,10;"
        "10,640X360,H264,1,512,128,1024,15,1,25,0,1,VBR,30,0;"
        "11,VGA,H264,1,640,128,1024,15,1,25,0,0,VBR,30,0</videoCapList>"
        "<videoBestParameter>0,H264,1080P,VBR,50,2048,25;1,H264,640X360,VBR,30,512,15</videoBestParameter>"));
    // 10003 replaces the whole videoEncode element by the number-plus-one rule.
    d.setStoredBody(10002, QStringLiteral(
        "<videoEncode><encode0><stream>0</stream><resolution>1080P</resolution><frameRate>25</frameRate>"
        "<encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl><bitRate>2048</bitRate>"
        "<initQuant>50</initQuant></encode0><encode1><stream>1</stream><resolution>640X360</resolution>"
        "<frameRate>15</frameRate><encodeFormat>H264</encodeFormat><bitRateControl>VBR</bitRateControl>"
        "<bitRate>512</bitRate><initQuant>30</initQuant></encode1></videoEncode>"));
    d.setStoredBody(15002, QStringLiteral("<audioCapList>G711A,8000,1,80;G711U,8000,0,80</audioCapList>"
                                          "<audioDecodeCapLis>G711A,8000,1,60</audioDecodeCapLis>"));
    d.setStoredBody(10008, QStringLiteral(
        "<audio><audioEncode><enable>1</enable><encodeFormat>G711A</encodeFormat><samplingRate>8000</samplingRate>"
        "<volume>50</volume></audioEncode><audioDecode><enable>1</enable><decodeFormat>G711A</decodeFormat>"
        "<samplingRate>8000</samplingRate><bitWidth>16</bitWidth><soundmode>0</soundmode><volume>60</volume>"
        "</audioDecode></audio>"));
    // The restart after an encoding change: answered, the camera stays up.
    d.setHandler(14008, [](SimConnection *c, const SimRequest &) { c->reply(14008, 0); });
});

} // namespace
