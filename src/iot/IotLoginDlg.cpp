#include "IotLoginDlg.h"

#include "CommonHelper.h"
#include "MsgTipInfoDlg.h"
#include "RemoteCommon.h"

#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

IotLoginDlg::IotLoginDlg(QWidget *parent)
    : DropShadowWidget(parent)
{
    setObjectName(QStringLiteral("IotLogin"));
    resize(420, 240);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("labelTitle"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("pushButtonClose"));
    m_close->setFlat(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setIcon(QIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/mw_close.png")));
    m_accountLabel = new QLabel(this);
    m_passwordLabel = new QLabel(this);
    m_account = new QLineEdit(this);
    m_account->setObjectName(QStringLiteral("lineEditAccount"));
    m_account->setMaxLength(64);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("lineEditPassword"));
    m_password->setMaxLength(64);
    m_password->setEchoMode(QLineEdit::Password);
    m_login = new QPushButton(this);
    m_login->setObjectName(QStringLiteral("pushButtonLogin"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("pushButtonCancel"));

    auto *title = new QHBoxLayout;
    title->addStretch();
    title->addWidget(m_title);
    title->addStretch();
    title->addWidget(m_close);
    auto *form = new QFormLayout;
    form->addRow(m_accountLabel, m_account);
    form->addRow(m_passwordLabel, m_password);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_login);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(title);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_login, &QPushButton::clicked, this, &IotLoginDlg::onLoginClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void IotLoginDlg::retranslate()
{
    m_title->setText(tr("Cloud Login"));
    m_accountLabel->setText(tr("Account"));
    m_passwordLabel->setText(tr("Password"));
    m_login->setText(tr("Login"));
    m_cancel->setText(tr("Cancel"));
}

void IotLoginDlg::onEnterPressed()
{
    onLoginClicked();
}

void IotLoginDlg::onLoginClicked()
{
    const QString account = m_account->text().trimmed();
    // The password never reaches a log line; the cloud layer logs the account only.
    cloud::LoginError error = cloud::LoginError::WrongCredentials;
    if (account.isEmpty() || m_password->text().isEmpty()
        || !RemoteCommon::instance()->login(account, m_password->text(), &error)) {
        if (error == cloud::LoginError::StoreUnreadable) {
            // Where the store is looked for, so the operator can put one there.
            MsgTipInfoDlg::showTip(storeUnreadableText(RemoteCommon::storeRoot()), UnreadableToastMs);
        } else {
            MsgTipInfoDlg::showTip(CommonHelper::incorrectLoginText(), 2000);
        }
        return;
    }
    accept();
}

QString IotLoginDlg::storeUnreadableText(const QString &folder)
{
    return tr("The cloud store cannot be read. It is looked for in the folder %1")
        .arg(QDir::toNativeSeparators(folder));
}

QString IotLoginDlg::loginSuccessText()
{
    return tr("Remote login successful");
}

void IotLoginDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    DropShadowWidget::changeEvent(event);
}
