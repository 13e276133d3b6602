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

    void applyParams(const ipcCfgParams &params) override;
    // Schedule, area, then the panel: what a read of the page shows.
    void applyDetectionParams(const ipcCfgParams &params);

protected:
    void retranslateForm() override;

private:
    Ui::PeopleDetection *ui;
};
