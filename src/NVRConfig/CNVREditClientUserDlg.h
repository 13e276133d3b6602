#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"
#include "UserRequestRoute.h"

#include <QHash>
#include <QList>

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
// A sent change waits as pending (user name, password) under its request's
// tag until the answer that pays it comes (modifyDevInfoEx()). A change of the
// account the client logs in with carries what it changes of the client's
// record (ConfigRequest::change) and stands alone on its line, so that its
// answer is its own beyond doubt: the answer to another request on the same
// reply command (a delete, a rights change, another account's edit) never
// settles it. The record keeper settles it with its answer, whatever became
// of this dialog (RecordKeeper.h); the fields are not read then, since a
// later edit may have changed them.
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
    // The user dialog's answer to a Cmd::EditUser; true when it pays a change
    // this dialog sent (told no answer came, the change stays pending: the
    // device's own answer may still come). The record itself was settled with
    // the answer (ConfigReply::record); unproven: set when the NVR took a
    // change of the login account but the answer could be another
    // request's.
    bool modifyDevInfoEx(const ConfigReply &reply, bool *unproven = nullptr);
    bool hasPending() const { return !m_pending.isEmpty(); }
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
    struct Pending
    {
        QString user;
        QString password;
    };
    // Changes sent through the user dialog and not answered yet, oldest first.
    SentByTag<Pending> m_pending;
    UserRequestRoute m_route;
};
