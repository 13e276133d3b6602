#pragma once

// The "Human Figure Detection" page: the detection area over the live picture,
// the common detection options and the weekly arming time of one channel
// (Cmd::GetPeopleDetection, saved with Cmd::SetPeopleDetection), and the human
// figure track switch of cameras with pan-tilt (Cmd::GetHumanTrack, saved with
// Cmd::SetHumanTrack).

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
