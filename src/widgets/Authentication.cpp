#include "Authentication.h"

#include "ui_Authentication.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "OrmHelper.h"
#include "OrmAccessQueue.h"
#include "SettingsKeeper.h"
#include "SharedTexts.h"

Authentication::Authentication(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::Authentication)
{
    ui->setupUi(this);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &Authentication::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &Authentication::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &Authentication::onbtnCancleClicked);

    ui->m_ConfirmUserPasswordlineEdit->setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(ui->m_ConfirmUserPasswordlineEdit, false);

    const QSharedPointer<CMS_Config_V2> settings = SettingsKeeper::row();
    ui->m_UserNamelineEdit->setText(settings ? settings->Name : QString());
    ui->m_UserNamelineEdit->setReadOnly(true);
    // The name is fixed: the operator types the password straight away.
    ui->m_ConfirmUserPasswordlineEdit->setFocus();
}

Authentication::~Authentication()
{
    delete ui;
}

void Authentication::onEnterPressed()
{
    onbtnOkClicked();
}

// The account shown is the one saved in the settings, but the password is
// checked against that account's user row: the remembered password of the
// settings row may be empty or stale, which must not unlock anything.
void Authentication::onbtnOkClicked()
{
    const QString user = ui->m_UserNamelineEdit->text().trimmed();
    // Taken as typed, as the login takes it: a password may begin or end with a blank.
    const QString password = ui->m_ConfirmUserPasswordlineEdit->text();
    const QSharedPointer<CMS_Config_V2> settings = SettingsKeeper::row();
    const QString savedUser = settings ? settings->Name : QString();
    bool found = false;
    // The account is the remembered one: unread, nothing is unlocked, and why is said.
    QSqlError error = settings ? QSqlError() : SettingsKeeper::failure();
    if (settings && !password.isEmpty() && !user.isEmpty() && user == savedUser) {
        // Tried briefly: a database another program holds is said as such,
        // never as a wrong password, and unlocks nothing.
        error = OrmAccessQueue::tryBriefly([&] {
            QSqlError read;
            found = OrmHelper::checkUser(user, password, &read);
            return read;
        });
    }
    if (found) {
        ui->m_lblTextInfo->clear();
        accept();
        return;
    }
    ui->m_lblTextInfo->setText(error.text().isEmpty() ? CommonHelper::incorrectLoginText()
                                                      : SharedTexts::readFailureText(OrmDatabase::trouble(error)));
}

void Authentication::onbtnCancleClicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void Authentication::onbtnCloseclicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void Authentication::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    DropShadowWidget::changeEvent(event);
}
