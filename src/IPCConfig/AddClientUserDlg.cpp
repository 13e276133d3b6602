#include "AddClientUserDlg.h"

#include "ui_AddClientUserDlg.h"

#include "CUserManageDlg.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "PrivateProto.h"
#include "SharedTexts.h"

#include <QLineEdit>

AddClientUserDlg::AddClientUserDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::AddClientUserDlg)
{
    ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        if (edit == ui->m_UserNamelineEdit)
            continue;
        edit->setMaxLength(31);
        edit->setEchoMode(QLineEdit::Password);
        CommonHelper::addPasswordViewAction(edit, false);
    }
    ui->m_UserNamelineEdit->setEchoMode(QLineEdit::Normal);
    ui->m_UserNamelineEdit->setFocus();
    connect(ui->m_btnClose, &QPushButton::clicked, this, &AddClientUserDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &AddClientUserDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &AddClientUserDlg::onbtnCancleClicked);
}

AddClientUserDlg::~AddClientUserDlg()
{
    delete ui;
}

QString AddClientUserDlg::incompleteInfoText()
{
    return SharedTexts::incompleteInfoText();
}

void AddClientUserDlg::setDevInfo(FUN_DEV_INFO *dev)
{
    if (dev)
        m_devIp = dev->ip;
}

void AddClientUserDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void AddClientUserDlg::onbtnCloseclicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void AddClientUserDlg::onbtnCancleClicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void AddClientUserDlg::onbtnOkClicked()
{
    const QString user = ui->m_UserNamelineEdit->text().trimmed();
    const QString password = ui->m_UserPasswordlineEdit->text().trimmed();
    const QString confirm = ui->m_ConfirmUserPasswordlineEdit->text().trimmed();
    if (CommonHelper::hasEmptyString({user, password, confirm}) || password != confirm) {
        ui->m_lblTextInfo->setText(incompleteInfoText());
        return;
    }
    // Escaped once: an "&" or "<" typed here would otherwise make the body
    // ill-formed and the request would silently never reach the camera.
    const QString body = QStringLiteral("<userName>%1</userName><password>%2</password>")
                             .arg(PrivateProto::escapeText(user), PrivateProto::escapeText(password));
    CUserManageDlg::sendRequest(m_route, m_devIp, Cmd::EditUser, body, RequestKind::Other);
    accept();
}
