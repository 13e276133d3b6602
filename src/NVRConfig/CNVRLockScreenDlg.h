#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class CNVRLockScreenDlg;
}

// What the NVR does once its screen locks: two bits, 1 log out, 2 lock the
// current screen. The boxes stay as left between openings; the basic page
// sends them with its next Save.
class CNVRLockScreenDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRLockScreenDlg(QWidget *parent = nullptr);
    ~CNVRLockScreenDlg() override;

    int getLockScreenOp() const;
    void setLockScreenOp(int op);

public slots:
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::CNVRLockScreenDlg *ui;
};
