#pragma once

// What the detection pages share: the capability test and filling the three
// parts of a page (arming times, common panel, area) from one reply.

#include "RemoteCfg_Widget.h"

class CMoveDetectTimeSetDlg;
class CommonDetection;
class OverlayWidget;

namespace DetectionPage {

// A token anywhere in the capability list, without regard to case.
bool hasCapability(const FUN_DEV_INFO *dev, const char *token);

// Editor, panel, then the area (null overlay: a page without one).
void apply(const RemoteCfg_Widget::ipcCfgParams &params, CMoveDetectTimeSetDlg *times, CommonDetection *panel,
           OverlayWidget *overlay);

} // namespace DetectionPage
