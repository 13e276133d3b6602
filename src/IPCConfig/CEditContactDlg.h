#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

namespace Ui {
class CEditContactDlg;
}

// Sets the contact a device uses to hand out its administrator password (a
// phone number with its area code, or an e-mail address). The camera and the
// recorder user dialogs open it; their next user list shows what the device
// kept.
class CEditContactDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    // Where OK sends; the user dialog that opens this one sets it.
    void setRoute(const UserRequestRoute &route) { m_route = route; }
    explicit CEditContactDlg(QWidget *parent = nullptr);
    ~CEditContactDlg() override;

    // The device is looked up by its address when OK sends, so a record
    // replaced meanwhile is never used.
    void setContactInfo(FUN_DEV_INFO *dev, const QString &contact);
    QString contactAddress() const { return m_contact; }
    void clearInputs();

    void onEnterPressed() override;

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyStyle();

    Ui::CEditContactDlg *ui;
    QString m_devIp;
    QString m_contact;
    UserRequestRoute m_route;
};
