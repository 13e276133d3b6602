// What a simulated camera serves to the configuration window's own pages.

#include "SimDevice.h"

namespace {

SimDeviceExtension ipcPorts(SimDevice::Ipc, [](SimDevice &d) {
    // 13005 writes it back by the number-plus-one rule.
    d.setStoredBody(13004, QStringLiteral("<portConfig><RTSPPort>554</RTSPPort><HTTPPort>80</HTTPPort></portConfig>"));
});

} // namespace
