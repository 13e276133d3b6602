#pragma once

// The "Face Detection" page: built like the motion page, on channel 0 only
// and only for cameras listing "FD" (12008, saved with 12009).

#include "RemoteCfg_Widget.h"

namespace Ui {
class FaceDetection;
}

class FaceDetection : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit FaceDetection(QWidget *parent = nullptr);
    ~FaceDetection() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

public slots:
    void onSaveBtnClicked();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::FaceDetection *ui;
};
