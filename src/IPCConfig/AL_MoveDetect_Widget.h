#pragma once

// The "Motion Detection" page: detection area over the live picture, the
// common detection options and the weekly arming time of the camera (12002,
// saved with 12003). Cameras listing "md1" offer a choice of channel.

#include "RemoteCfg_Widget.h"

namespace Ui {
class AL_MoveDetect_Widget;
}

class AL_MoveDetect_Widget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit AL_MoveDetect_Widget(QWidget *parent = nullptr);
    ~AL_MoveDetect_Widget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    void applyParams(const ipcCfgParams &params);
    // The key the preview shows: the sub stream of the channel on screen.
    QString previewKey() const;

public slots:
    void onSaveBtnClicked();

private slots:
    void on_comboBoxChannel_currentIndexChanged(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::AL_MoveDetect_Widget *ui;
};
