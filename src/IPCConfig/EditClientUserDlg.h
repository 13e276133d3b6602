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
// with the account it was sent for until the camera answers it, so an answer
// never lends one account's password to another. When the camera accepts,
// modifyDevInfoEx hands the new password to the client's record if the account
// is the one it logs in with.
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
    // The camera accepted the oldest change it had not answered yet.
    void modifyDevInfoEx();
    // The camera refused it.
    void forgetOldestChange();
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
    Ui::EditClientUserDlg *ui;
    QString m_devIp;
    QHash<QString, QString> m_user;
    // (account, password) of each change sent and not answered yet, oldest first.
    QList<QPair<QString, QString>> m_sent;
    UserRequestRoute m_route;
};
