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

protected:
    void retranslateForm() override;

private:
    Ui::AL_MoveDetect_Widget *ui;
};
