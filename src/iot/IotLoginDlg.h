#pragma once

// The cloud account login: account and password, checked by the cloud
// library. Accepted once the account is logged in.

#include "DropShadowWidget.h"

class QLabel;
class QLineEdit;
class QPushButton;

class IotLoginDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit IotLoginDlg(QWidget *parent = nullptr);

    // Shown by the opener once the dialog has closed (a toast on the dialog
    // would go with it).
    static QString loginSuccessText();
    // The refusal when the store itself cannot be read (not the password),
    // naming the folder where it is looked for.
    static QString storeUnreadableText(const QString &folder);
    // Long enough to read the folder's name.
    static constexpr int UnreadableToastMs = 6000;

    QLineEdit *accountEdit() const { return m_account; }
    QLineEdit *passwordEdit() const { return m_password; }

public slots:
    void onLoginClicked();
    void onEnterPressed() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_title = nullptr;
    QLabel *m_accountLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_account = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_login = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_close = nullptr;
};
