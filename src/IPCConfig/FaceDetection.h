#pragma once

// The "Face Detection" page: built like the motion page, on channel 0 only and
// only for cameras listing "FD" (Cmd::GetFaceDetection, saved with
// Cmd::SetFaceDetection).

#include "DetectionPage.h"

namespace Ui {
class FaceDetection;
}

class FaceDetection : public DetectionPage
{
    Q_OBJECT

public:
    explicit FaceDetection(QWidget *parent = nullptr);
    ~FaceDetection() override;

    static Description describe();

protected:
    void retranslateForm() override;

private:
    Ui::FaceDetection *ui;
};
