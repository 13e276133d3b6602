#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

class QTimer;

namespace Ui {
class AddClientUserDlg;
}

// Creates a login account on a camera (Cmd::EditUser). Through the user
// dialog's conversation it closes once the camera took the account and stays
// open with what was typed when the camera refused it; on its own it closes
// as soon as the request is handed on.
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
    QTimer *m_answerDeadline = nullptr;
    bool m_listening = false;
    quint64 m_sentTag = 0; // the add last sent: only its own answer closes the dialog
};
