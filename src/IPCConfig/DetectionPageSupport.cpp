#include "DetectionPageSupport.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "OverlayWidget.h"

bool DetectionPage::hasCapability(const FUN_DEV_INFO *dev, const char *token)
{
    return dev && dev->capList.contains(QLatin1String(token), Qt::CaseInsensitive);
}

void DetectionPage::apply(const RemoteCfg_Widget::ipcCfgParams &params, CMoveDetectTimeSetDlg *times,
                          CommonDetection *panel, OverlayWidget *overlay)
{
    times->setTimes(params.timeList);
    panel->setUi(params);
    if (overlay) {
        overlay->parseAreaXml(params.bodyValues);
        overlay->setAreaSelect(params.bodyValues);
    }
}
