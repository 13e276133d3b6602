#pragma once

// The "Crying Detection" page: the common options with source check and
// soothing music instead of the voice alarm, and the weekly arming time; no
// area and no preview. Channel 0, only for cameras listing "BCD" (12010,
// saved with 12011).

#include "RemoteCfg_Widget.h"

namespace Ui {
class BCDetection;
}

class BCDetection : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit BCDetection(QWidget *parent = nullptr);
    ~BCDetection() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    void applyParams(const ipcCfgParams &params);

public slots:
    void onSaveBtnClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::BCDetection *ui;
};
