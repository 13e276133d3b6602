#pragma once

// The "Human Figure Detection" page: detection area over the live picture,
// the common detection options and the weekly arming time of one channel
// (12004, saved with 12005), and the human figure track switch of cameras
// with pan-tilt (35010, saved with 35011).

#include "RemoteCfg_Widget.h"

namespace Ui {
class PeopleDetection;
}

class PeopleDetection : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    // The track switch is asked for this long after the detection settings.
    static constexpr int TrackQueryDelayMs = 80;

    explicit PeopleDetection(QWidget *parent = nullptr);
    ~PeopleDetection() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    void applyDetectionParams(const ipcCfgParams &params);

public slots:
    void onSaveBtnClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setTrackRowShown(bool shown);

    Ui::PeopleDetection *ui;
};
