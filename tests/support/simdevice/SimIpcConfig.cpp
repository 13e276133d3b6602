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

} // namespace
