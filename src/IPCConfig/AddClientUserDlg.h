#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

namespace Ui {
class AddClientUserDlg;
}

// Creates a login account on a camera (Cmd::EditUser). Closes as soon as the
// request is handed on; the user dialog's next list shows whether the camera
// took it.
class AddClientUserDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    // Where OK sends; the user dialog that opens this one sets it.
    void setRoute(const UserRequestRoute &route) { m_route = route; }
    explicit AddClientUserDlg(QWidget *parent = nullptr);
    ~AddClientUserDlg() override;

    // Keeps the device's address; the record is looked up when OK sends.
    void setDevInfo(FUN_DEV_INFO *dev);

    static QString incompleteInfoText();

    void onEnterPressed() override;

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();

private:
    Ui::AddClientUserDlg *ui;
    QString m_devIp;
    UserRequestRoute m_route;
};
