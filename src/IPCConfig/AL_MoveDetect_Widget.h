#pragma once

// The "Motion Detection" page: the detection area over the live picture, the
// common detection options and the weekly arming time (Cmd::GetMotionDetection,
// saved with Cmd::SetMotionDetection); cameras listing "md1" offer a choice of
// channel.

#include "DetectionPage.h"

namespace Ui {
class AL_MoveDetect_Widget;
}

class AL_MoveDetect_Widget : public DetectionPage
{
    Q_OBJECT

public:
    explicit AL_MoveDetect_Widget(QWidget *parent = nullptr);
    ~AL_MoveDetect_Widget() override;

    static Description describe();

    // Logs what the read says about channels, then shows it.
    void applyParams(const ipcCfgParams &params) override;

protected:
    void retranslateForm() override;

private slots:
    // Connected by the form to the panel's channel list.
    void on_comboBoxChannel_currentIndexChanged(int index);

private:
    Ui::AL_MoveDetect_Widget *ui;
};
