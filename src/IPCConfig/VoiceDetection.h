#pragma once

// The "Sound Detection" page: the common detection options and the weekly
// arming time of cameras listing "voice" (12006, saved with 12007), channel 0.

#include "RemoteCfg_Widget.h"

namespace Ui {
class VoiceDetection;
}

class VoiceDetection : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit VoiceDetection(QWidget *parent = nullptr);
    ~VoiceDetection() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

public slots:
    void onSaveBtnClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::VoiceDetection *ui;
};
