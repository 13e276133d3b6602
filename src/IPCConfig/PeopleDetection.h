#pragma once

// The "Human Figure Detection" page: the detection area over the live picture,
// the common detection options and the weekly arming time of one channel
// (12004, saved with 12005), and the human figure track switch of cameras
// with pan-tilt (35010, saved with 35011).

#include "DetectionPage.h"

namespace Ui {
class PeopleDetection;
}

class PeopleDetection : public DetectionPage
{
    Q_OBJECT

public:
    explicit PeopleDetection(QWidget *parent = nullptr);
    ~PeopleDetection() override;

    static Description describe();

protected:
    void retranslateForm() override;

private:
    Ui::PeopleDetection *ui;
};
