#pragma once

// The "Crying Detection" page: the common options with source check and
// soothing music instead of the voice alarm, and the weekly arming time; no
// area and no preview. Channel 0, only for cameras listing "BCD"
// (Cmd::GetCryDetection, saved with Cmd::SetCryDetection).

#include "DetectionPage.h"

namespace Ui {
class BCDetection;
}

class BCDetection : public DetectionPage
{
    Q_OBJECT

public:
    explicit BCDetection(QWidget *parent = nullptr);
    ~BCDetection() override;

    static Description describe();

protected:
    void retranslateForm() override;

private:
    Ui::BCDetection *ui;
};
