#include "EditClientUserDlg.h"

#include "ui_EditClientUserDlg.h"

#include "CUserManageDlg.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "PrivateProto.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>


EditClientUserDlg::EditClientUserDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::EditClientUserDlg)
{
    ui->setupUi(this);
    // Passwords are never shown while they are typed; the operator may look
    // at them on purpose, as in the add dialog.
    for (QLineEdit *edit : {ui->lineEditOld, ui->m_NewUserPasswordlineEdit, ui->m_ConfirmUserPasswordlineEdit}) {
        edit->setEchoMode(QLineEdit::Password);
        CommonHelper::addPasswordViewAction(edit, false);
    }
    connect(ui->m_btnClose, &QPushButton::clicked, this, &EditClientUserDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &EditClientUserDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &EditClientUserDlg::onbtnCancleClicked);
}

EditClientUserDlg::~EditClientUserDlg()
{
    delete ui;
}

QString EditClientUserDlg::invalidFormatText()
{
    return SharedTexts::invalidFormatText();
}
QString EditClientUserDlg::passwordMismatchText()
{
    return SharedTexts::passwordMismatchText();
}

void EditClientUserDlg::clearInputs()
{
    ui->m_UserNamelineEdit->clear();
    ui->lineEditOld->clear();
    ui->m_NewUserPasswordlineEdit->clear();
    ui->m_ConfirmUserPasswordlineEdit->clear();
}

void EditClientUserDlg::setUserInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user)
{
    clearInputs();
    m_devIp = dev ? dev->ip : QString();
    m_user = user;
    ui->m_UserNamelineEdit->setText(user.value(QStringLiteral("userName")));
    ui->m_UserNamelineEdit->setEnabled(false);
}

void EditClientUserDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void EditClientUserDlg::onbtnCloseclicked()
{
    clearInputs();
    reject();
}

void EditClientUserDlg::onbtnCancleClicked()
{
    clearInputs();
    reject();
}

bool EditClientUserDlg::checkOldPassword(const QString &oldPassword)
{
    if (oldPassword != m_user.value(QStringLiteral("password"))) {
        ui->m_lblTextInfo->setText(tr("Incorrect old password"));
        return false;
    }
    return true;
}

bool EditClientUserDlg::checkNewPassword(const QString &newPassword, const QString &confirmPassword,
                                         const QString &oldPassword, bool isAdmin)
{
    if (newPassword != confirmPassword) {
        ui->m_lblTextInfo->setText(passwordMismatchText());
        return false;
    }
    if (newPassword == oldPassword) {
        ui->m_lblTextInfo->setText(tr("New password cannot be the same as the old password"));
        return false;
    }
    if (!isAdmin && newPassword.isEmpty()) {
        ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return false;
    }
    return true;
}

void EditClientUserDlg::onbtnOkClicked()
{
    // As typed: spaces are part of a camera's names and passwords.
    const QString user = ui->m_UserNamelineEdit->text();
    const QString oldPassword = ui->lineEditOld->text();
    const QString newPassword = ui->m_NewUserPasswordlineEdit->text();
    const QString confirm = ui->m_ConfirmUserPasswordlineEdit->text();
    if (!checkOldPassword(oldPassword))
        return;
    const bool isAdmin = user == DEFAULT_DEV_USER;
    if (!checkNewPassword(newPassword, confirm, oldPassword, isAdmin))
        return;
    const QString password = newPassword.isEmpty() ? oldPassword : newPassword;
    const QString body = QStringLiteral("<userName>%1</userName><password>%2</password>")
                             .arg(PrivateProto::escapeText(user), PrivateProto::escapeText(password));
    quint64 tag = 0;
    // The login account's password goes to the client's record on the
    // answer: that answer must be this change's and no other's.
    const FUN_DEV_INFO *dev = record();
    RecordChange change;
    if (dev && dev->userName == user && !password.isEmpty())
        change = RecordChange{RecordChange::Password, m_devIp, user, password};
    // Sent on its own, no answer is read: nothing waits for one.
    if (CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::ChangePassword, body, RequestKind::Save, &tag, change)
        && tag != 0) {
        m_sent.add(tag, {user, password});
    }
    accept();
}

FUN_DEV_INFO *EditClientUserDlg::record() const
{
    // Looked up at each use: a password change of the login account replaces
    // the registry's record, and the one this dialog was opened with is stale.
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    return registry && !m_devIp.isEmpty() ? registry->findDevInfo(m_devIp) : nullptr;
}

bool EditClientUserDlg::modifyDevInfoEx(const ConfigReply &reply, bool *unproven)
{
    if (unproven)
        *unproven = false;
    if (!m_sent.owns(reply))
        return false;
    Sent settled;
    if (!m_sent.take(reply, &settled))
        return true;
    if (unproven)
        *unproven = reply.ok() && reply.record == RecordFate::Unproven;
    return true;
}

void EditClientUserDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
