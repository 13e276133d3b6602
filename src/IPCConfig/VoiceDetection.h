#pragma once

// The "Sound Detection" page: the common detection options and the weekly
// arming time of cameras listing "voice" (Cmd::GetVoiceDetection, saved with
// Cmd::SetVoiceDetection), channel 0.

#include "DetectionPage.h"

namespace Ui {
class VoiceDetection;
}

class VoiceDetection : public DetectionPage
{
    Q_OBJECT

public:
    explicit VoiceDetection(QWidget *parent = nullptr);
    ~VoiceDetection() override;

    static Description describe();

protected:
    void retranslateForm() override;

private:
    Ui::VoiceDetection *ui;
};
