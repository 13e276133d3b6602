#pragma once

#include "DropShadowWidget.h"
#include "KelvoCommon.h"
#include "UserRequestRoute.h"

#include <QHash>

namespace Ui {
class EditClientUserDlg;
}

// Changes the password of one camera account (Cmd::ChangePassword). The user
// dialog keeps one and reuses it for every account; each change is remembered
// with the account it was sent for, under its request's tag, until the answer
// that pays it comes (modifyDevInfoEx()), so an answer never lends one
// change's password to another. A change of the account the client logs in
// with carries what it changes of the client's record (ConfigRequest::change):
// the record keeper settles it with its answer, whatever became of this
// dialog (RecordKeeper.h).
class EditClientUserDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    // Where OK sends; the user dialog that opens this one sets it.
    void setRoute(const UserRequestRoute &route) { m_route = route; }
    explicit EditClientUserDlg(QWidget *parent = nullptr);
    ~EditClientUserDlg() override;

    // Empties the fields and keeps the device's address and the user's element
    // map (userName, password, ...) of the last user list.
    void setUserInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user);
    // The user dialog's answer to a Cmd::ChangePassword; true when it pays a
    // change this dialog sent (told no answer came, the change stays: the
    // camera's own answer may still come). The record itself was settled with
    // the answer (ConfigReply::record); unproven: set when the camera took a
    // change of the login account but the answer could be another
    // request's.
    bool modifyDevInfoEx(const ConfigReply &reply, bool *unproven = nullptr);
    bool hasPending() const { return !m_sent.isEmpty(); }
    void clearInputs();

    bool checkOldPassword(const QString &oldPassword);
    bool checkNewPassword(const QString &newPassword, const QString &confirmPassword, const QString &oldPassword,
                          bool isAdmin);

    static QString invalidFormatText();
    static QString passwordMismatchText();

    void onEnterPressed() override;

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    FUN_DEV_INFO *record() const;

    Ui::EditClientUserDlg *ui;
    QString m_devIp;
    QHash<QString, QString> m_user;
    struct Sent
    {
        QString user;
        QString password;
    };
    // Each change sent through the user dialog and not answered yet, oldest first.
    SentByTag<Sent> m_sent;
    UserRequestRoute m_route;
};
