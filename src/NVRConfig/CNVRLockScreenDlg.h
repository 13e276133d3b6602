#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class CNVRLockScreenDlg;
}

// What the NVR does once its screen locks: two bits, 1 log out, 2 lock the
// current screen. OK keeps the boxes as left, for the basic page's next Save;
// Cancel and the close button put them back as they were when the dialog
// opened.
class CNVRLockScreenDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRLockScreenDlg(QWidget *parent = nullptr);
    ~CNVRLockScreenDlg() override;

    int getLockScreenOp() const;
    void setLockScreenOp(int op);
    // The operator ticked or unticked a box and confirmed it with OK since
    // the last setLockScreenOp.
    bool operatorChanged() const { return m_changed; }

    void accept() override;
    void reject() override;

public slots:
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Ui::CNVRLockScreenDlg *ui;
    int m_opened = 0;       // the boxes when the dialog opened
    bool m_touched = false; // a box clicked during this opening
    bool m_changed = false;
};
