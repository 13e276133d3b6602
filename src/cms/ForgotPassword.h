#pragma once

#include "ConfigConversation.h"
#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <QSet>

namespace Ui {
class ForgotPassword;
}

// Resets a device's lost login password: shows the device's contact (masked)
// and the security-code QR that the device supplies, then sends the code typed
// by the user with the new password (Cmd::GetContact -> Cmd::GetSecurityCode ->
// Cmd::ResetPassword). The reset goes through a conversation of its own and
// carries its password as a change of the record (ConfigRequest::change),
// standing alone on its line: the new password reaches the record only on the
// answer that is provably that reset's, so a refused code followed by an
// accepted one can never lend the device's success to the password it
// refused. The record keeper settles it with that answer, also once this
// dialog was cancelled (RecordKeeper.h).
class ForgotPassword : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit ForgotPassword(QWidget *parent = nullptr);
    ~ForgotPassword() override;

    // The record is not owned; a successful reset writes the new password into it.
    void setDevInfo(FUN_DEV_INFO *dev);

    // Address of the vendor's password-reset web page (not provided by this project).
    static const QString ResetPageUrl;

    // The security-code text and the contact address of a reply.
    static QString getCodeStr(const QString &xml);
    static QString parseContactXml(const QString &xml);
    // Text of a device result code, after narrowing to a signed byte.
    static QString resultText(int result);

signals:
    void resetPassword(QString ip, QString password);

public slots:
    void on_pushButtonOK_clicked();
    void on_pushButtonOKPrivate_clicked();
    void on_pushButtonCancelPrivate_clicked();
    void on_pushButtonCancel_clicked();
    void parseXml(const RecvInfo &info);
    void onResetAnswer(QObject *requester, const ConfigReply &reply);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateTexts();
    void setErrorText(const QString &text);
    void submit(const QString &code, const QString &password, const QString &confirm);
    void sendResetRequest(const QString &code, const QString &password);

    Ui::ForgotPassword *ui;
    FUN_DEV_INFO *m_dev = nullptr;
    bool m_page = true; // the private-protocol page is shown
    const QSet<quint16> m_handledCmds{Cmd::GetContact, Cmd::GetSecurityCode};
    ConfigConversation *m_conversation;
    // The password each reset sent, by its tag, until its own answer came.
    SentByTag<QString> m_sent;
    quint64 m_lastTag = 0;
};
