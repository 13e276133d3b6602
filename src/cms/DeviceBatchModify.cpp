#include "DeviceBatchModify.h"
#include "ui_DeviceBatchModify.h"

#include "CommonHelperWidgets.h"
#include "SharedTexts.h"

#include <QEvent>

DeviceBatchModify::DeviceBatchModify(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::DeviceBatchModify)
{
    ui->setupUi(this);
    ui->m_PassWdlineEdit->setEchoMode(QLineEdit::Password);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &DeviceBatchModify::onbtnCloseClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &DeviceBatchModify::onbtnCancleClicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &DeviceBatchModify::onbtnOkClicked);
    CommonHelper::fitDialogToTexts(this);
}

DeviceBatchModify::~DeviceBatchModify()
{
    delete ui;
}

void DeviceBatchModify::setUserPassword(const QString &user, const QString &password)
{
    ui->m_UserNamelineEdit->setText(user);
    ui->m_PassWdlineEdit->setText(password);
}

void DeviceBatchModify::getUserPassword(QString &user, QString &password) const
{
    user = ui->m_UserNamelineEdit->text().trimmed();
    password = ui->m_PassWdlineEdit->text().trimmed();
}

void DeviceBatchModify::onbtnCloseClicked()
{
    reject();
}

void DeviceBatchModify::onbtnCancleClicked()
{
    reject();
}

void DeviceBatchModify::onEnterPressed()
{
    onbtnOkClicked();
}

void DeviceBatchModify::onbtnOkClicked()
{
    QString user;
    QString password;
    getUserPassword(user, password);
    if (!user.isEmpty() && !password.isEmpty()) {
        accept();
        return;
    }
    ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
}

void DeviceBatchModify::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        CommonHelper::fitDialogToTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
