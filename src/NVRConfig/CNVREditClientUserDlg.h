#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"
#include "UserRequestRoute.h"

#include <QHash>

namespace Ui {
class CNVREditClientUserDlg;
}

// Adds an account to an NVR or changes an account's password and state
// (Cmd::EditUser, operation 1 or 3). The user dialog keeps one in edit mode and
// makes a fresh one for each add.
//
// An edit sends back the account's own e-mail and, unless the operator
// changed it, its state exactly as the NVR listed them; passwords are masked
// while typed. When the NVR cannot be reached the dialog says so and stays
// open with what was typed.
//
// A sent change waits as pending (user name, password) until the NVR's next
// Cmd::EditUser answer: on success modifyDevInfoEx hands the password to the
// client's record when the account is the one it logs in with; any answer
// forgets it. The fields are not read then, since a later edit may have changed
// them.
class CNVREditClientUserDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    // Where OK sends; the user dialog that opens this one sets it.
    void setRoute(const UserRequestRoute &route) { m_route = route; }
    CNVREditClientUserDlg(QWidget *parent, const QString &email);
    ~CNVREditClientUserDlg() override;

    void initAccount(FUN_DEV_INFO *dev, const QString &userName);
    void setUserInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user);
    void modifyDevInfoEx();
    void clearPending() { m_pendingValid = false; }
    bool hasPending() const { return m_pendingValid; }
    void updateText();

    static const QString AccountTemplate;

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();
    void modifyDevInfo(QString username, QString userpass);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::CNVREditClientUserDlg *ui;
    QString m_devIp;
    bool m_editMode = true;
    QHash<QString, QString> m_account;
    OperatorEdits m_edits; // the account's state as listed, and whether the operator chose one
    QString m_email;
    QString m_pendingUser;
    QString m_pendingPassword;
    bool m_pendingValid = false;
    UserRequestRoute m_route;
};
