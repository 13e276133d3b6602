#pragma once

// The local login: an account of CMS_User with its password. A checked
// "Automatic login" remembers the account in the settings row, so the next
// start logs in without the dialog.

#include "DropShadowWidget.h"
#include "OrmAccessQueue.h"

#include <QSqlError>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace Ui {
class LoginDialog;
}

class LoginDialog : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit LoginDialog(QWidget *parent = nullptr);
    ~LoginDialog() override;

    // The remembered automatic login of the settings row as last read,
    // checked against the accounts with the caller's wait for the database;
    // true and the account's name and rights when it holds. *error: why it
    // could not be tried (the settings or the accounts could not be read).
    static bool tryAutoLogin(QString *userName, QString *rights, QSqlError *error = nullptr);

    QString userName() const { return m_userName; }
    QString rights() const { return m_rights; }
    QString message() const;

    QComboBox *userBox() const;
    QLineEdit *passwordEdit() const;
    QCheckBox *autoLoginBox() const;

public slots:
    void onBtnLoginClicked();
    void onEnterPressed() override;
    void onEscPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // The accounts offered and the remembered login, read off the GUI thread.
    void readAccounts();
    void showMessage(const QString &text);
    // Written after the operator is let in, in the order logins were made.
    static void rememberLogin(const QString &name, const QString &password, bool remember);

    Ui::LoginDialog *ui;
    QString m_userName;
    QString m_rights;
    // The accounts are read and checked before the dialog closes; another
    // program holding the database is waited for with the dialog answering.
    OrmAccessQueue m_queue;
    // Why the remembered login could not be read, said once nothing else is.
    QString m_settingsMessage;
    bool m_loggingIn = false;
};
