#include "CNVREditClientUserDlg.h"

#include "ui_CNVREditClientUserDlg.h"

#include "CUserManageDlg.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "OrmHelper.h"
#include "ReportedItems.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QDebug>
#include <QEvent>
#include <QListView>


const QString CNVREditClientUserDlg::AccountTemplate =
    QStringLiteral("<userNum>%1</userNum><userAcount><operationType>%2</operationType><userName>%3</userName>"
                   "<passWord>%4</passWord><status>%5</status><email>%6</email></userAcount>");

namespace {

FUN_DEV_INFO *findRecord(const QString &ip)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    return ip.isEmpty() || !registry ? nullptr : registry->findDevInfo(ip);
}

} // namespace

CNVREditClientUserDlg::CNVREditClientUserDlg(QWidget *parent, const QString &email)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVREditClientUserDlg)
    , m_email(email)
{
    ui->setupUi(this);
    // Passwords are never shown while they are typed; the operator may look
    // at one with the field's view action.
    for (QLineEdit *edit : {ui->lineEditOld, ui->m_NewUserPasswordlineEdit, ui->m_ConfirmUserPasswordlineEdit}) {
        edit->setEchoMode(QLineEdit::Password);
        CommonHelper::addPasswordViewAction(edit, false);
    }
    ui->m_cbxWhetherOpen->setView(new QListView(ui->m_cbxWhetherOpen));
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVREditClientUserDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVREditClientUserDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVREditClientUserDlg::onbtnCancleClicked);
    m_edits.watch(QStringLiteral("status"), ui->m_cbxWhetherOpen);
    updateText();
    ui->m_cbxWhetherOpen->setCurrentIndex(1);
    m_editMode = true;
}

CNVREditClientUserDlg::~CNVREditClientUserDlg()
{
    delete ui;
}

void CNVREditClientUserDlg::updateText()
{
    // Refilled in the new language; the chosen state stays.
    ReportedItems::refill(ui->m_cbxWhetherOpen, {tr("Disable"), tr("Enable")});
}

void CNVREditClientUserDlg::initAccount(FUN_DEV_INFO *dev, const QString &userName)
{
    m_devIp = dev ? dev->ip : QString();
    if (!userName.isEmpty()) {
        ui->m_UserNamelineEdit->setText(userName);
        ui->lineEditOld->setFocus();
        ui->m_UserNamelineEdit->setEnabled(false);
    } else {
        ui->m_lblTextTitle->setText(tr("Add User"));
        m_editMode = false;
        ui->m_UserNamelineEdit->setFocus();
        ui->labelOld->hide();
        ui->lineEditOld->hide();
    }
    // Only the NVR's "admin" may switch accounts on and off.
    ui->m_cbxWhetherOpen->setEnabled(dev && dev->userName == DEFAULT_DEV_USER);
}

void CNVREditClientUserDlg::setUserInfo(FUN_DEV_INFO *dev, const QHash<QString, QString> &user)
{
    const QString name = user.value(QStringLiteral("userName"));
    // Each account keeps its own e-mail: an edit never writes another's.
    m_email = user.value(QStringLiteral("email"));
    m_account = user;
    // One dialog serves every edit: the passwords typed for the previous
    // account must not be offered for this one (the sent pair is kept apart).
    ui->lineEditOld->clear();
    ui->m_NewUserPasswordlineEdit->clear();
    ui->m_ConfirmUserPasswordlineEdit->clear();
    ui->m_lblTextInfo->clear();
    initAccount(dev, name);
    const OperatorEdits::Filling filling(m_edits);
    // The state as listed, also none: sent back so unless the operator chose one.
    m_edits.setReported({{QStringLiteral("status"), user.value(QStringLiteral("status"))}});
    ReportedItems::show(ui->m_cbxWhetherOpen, 2, user.value(QStringLiteral("status")));
}

void CNVREditClientUserDlg::onbtnOkClicked()
{
    // Passwords as typed: " pw " trimmed is another password.
    const QString user = ui->m_UserNamelineEdit->text().trimmed();
    const QString oldPassword = ui->lineEditOld->text();
    const QString newPassword = ui->m_NewUserPasswordlineEdit->text();
    const QString confirm = ui->m_ConfirmUserPasswordlineEdit->text();
    const int operation = m_editMode ? 3 : 1;
    if (m_editMode && oldPassword != m_account.value(QStringLiteral("passWord"))) {
        ui->m_lblTextInfo->setText(tr("Incorrect old password"));
        return;
    }
    const bool admin = user == DEFAULT_DEV_USER;
    if (newPassword != confirm) {
        ui->m_lblTextInfo->setText(SharedTexts::passwordMismatchText());
        return;
    }
    if (newPassword == oldPassword) {
        ui->m_lblTextInfo->setText(tr("New password cannot be the same as the old password"));
        return;
    }
    if (newPassword.isEmpty() && !admin) {
        ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    const QString password = newPassword.isEmpty() ? oldPassword : newPassword;
    const int state = ui->m_cbxWhetherOpen->currentIndex();
    NvrBodies::Values account{
        // The account as the NVR listed it, not as the field trims it.
        {QStringLiteral("userName"), m_editMode ? m_account.value(QStringLiteral("userName"), user) : user},
        {QStringLiteral("passWord"), password},
        {QStringLiteral("status"),
         m_editMode ? m_edits.send(QStringLiteral("status"), ReportedItems::value(ui->m_cbxWhetherOpen, 2))
                    : QString::number(state)},
        {QStringLiteral("email"), m_email},
    };
    quint64 tag = 0;
    // The login account's password goes to the client's record on the
    // answer: that answer must be this change's and no other's.
    const FUN_DEV_INFO *dev = findRecord(m_devIp);
    RecordChange change;
    if (dev && dev->userName == account.value(QStringLiteral("userName")) && !password.isEmpty())
        change = RecordChange{RecordChange::Password, m_devIp, dev->userName, password};
    if (!CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::EditUser, NvrBodies::accountBody(operation, account),
                                     RequestKind::Save, &tag, change)) {
        MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), 2000);
        return;
    }
    // Sent on its own, no answer is read: nothing waits for one.
    m_pending.add(tag, {account.value(QStringLiteral("userName")), password});
    ui->m_lblTextInfo->clear();
    accept();
}

void CNVREditClientUserDlg::onbtnCloseclicked()
{
    ui->m_lblTextInfo->clear();
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->clear();
    reject();
}

void CNVREditClientUserDlg::onbtnCancleClicked()
{
    onbtnCloseclicked();
}

bool CNVREditClientUserDlg::modifyDevInfoEx(const ConfigReply &reply, bool *unproven)
{
    if (unproven)
        *unproven = false;
    if (!m_pending.owns(reply))
        return false;
    Pending settled;
    if (!m_pending.take(reply, &settled))
        return true;
    if (unproven)
        *unproven = reply.ok() && reply.record == RecordFate::Unproven;
    return true;
}

void CNVREditClientUserDlg::modifyDevInfo(QString username, QString userpass)
{
    FUN_DEV_INFO *dev = findRecord(m_devIp);
    if (!dev)
        return;
    // The registry's own record changed in place would look unchanged to the
    // receiver, which then never logs in anew: the bus gets a copy it owns.
    auto *copy = new FUN_DEV_INFO(*dev);
    copy->userName = username;
    copy->password = userpass;
    emit SignalsHelper::instance()->signalModifyDev(copy);
}

void CNVREditClientUserDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        if (!m_editMode)
            ui->m_lblTextTitle->setText(tr("Add User"));
        updateText();
    }
    DropShadowWidget::changeEvent(event);
}
