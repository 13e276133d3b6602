#include "LoginDialog.h"

#include "CommonHelper.h"
#include "OrmHelper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

LoginDialog::LoginDialog(QWidget *parent)
    : DropShadowWidget(parent)
{
    setObjectName(QStringLiteral("LoginDialog"));
    setFixedSize(420, 330);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("labelTitle"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("pushButtonClose"));
    m_close->setFixedSize(24, 24);
    m_close->setFocusPolicy(Qt::NoFocus);
    CommonHelper::setButtonImages(m_close, 1, QStringLiteral("mw_close"), QStringLiteral("mw_close_hover"), true);
    connect(m_close, &QPushButton::clicked, this, &LoginDialog::reject);

    m_logo = new QLabel(this);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                          .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    m_user = new QComboBox(this);
    m_user->setObjectName(QStringLiteral("comboBoxUser"));
    m_user->setEditable(true);
    for (const auto &user : OrmHelper::getAllUsers())
        m_user->addItem(user->Name);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("lineEditPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(32);
    m_autoLogin = new QCheckBox(this);
    m_autoLogin->setObjectName(QStringLiteral("checkBoxAutoLogin"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("m_lblTextInfo"));
    m_message->setWordWrap(true);

    m_login = new QPushButton(this);
    m_login->setObjectName(QStringLiteral("pushButtonLogin"));
    m_login->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("pushButtonCancel"));
    connect(m_login, &QPushButton::clicked, this, &LoginDialog::onBtnLoginClicked);
    connect(m_cancel, &QPushButton::clicked, this, &LoginDialog::reject);

    const QSharedPointer<CMS_Config_V2> config = OrmHelper::getConfig();
    if (config) {
        if (!config->Name.isEmpty())
            m_user->setCurrentText(config->Name);
        m_autoLogin->setChecked(config->bAutoLogin);
    }

    auto *titleLayout = new QHBoxLayout;
    titleLayout->setContentsMargins(12, 0, 4, 0);
    titleLayout->addWidget(m_title, 1);
    titleLayout->addWidget(m_close);

    auto *form = new QFormLayout;
    form->setContentsMargins(40, 8, 40, 0);
    form->setVerticalSpacing(12);
    form->addRow(QStringLiteral(" "), m_user);
    form->addRow(QStringLiteral(" "), m_password);
    form->addRow(QString(), m_autoLogin);
    form->labelForField(m_user)->setObjectName(QStringLiteral("labelUser"));
    form->labelForField(m_password)->setObjectName(QStringLiteral("labelPassword"));

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(40, 0, 40, 0);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_login);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 3, 0, 16);
    layout->setSpacing(6);
    layout->addLayout(titleLayout);
    layout->addSpacing(8);
    layout->addWidget(m_logo);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addStretch(1);
    layout->addLayout(buttons);
    m_message->setContentsMargins(40, 0, 40, 0);

    retranslate();
    m_password->setFocus();
}

bool LoginDialog::tryAutoLogin(QString *userName, QString *rights)
{
    const QSharedPointer<CMS_Config_V2> config = OrmHelper::getConfig();
    if (!config || !config->bAutoLogin || config->Name.isEmpty())
        return false;
    if (!OrmHelper::checkUser(config->Name, config->password)) {
        qWarning() << "Automatic login refused for" << config->Name;
        return false;
    }
    const QString granted = OrmHelper::getUser(config->Name, config->password);
    if (userName)
        *userName = config->Name;
    if (rights)
        *rights = granted;
    return true;
}

QString LoginDialog::message() const
{
    return m_message->text();
}

void LoginDialog::showMessage(const QString &text)
{
    m_message->setText(text);
}

void LoginDialog::onBtnLoginClicked()
{
    const QString name = m_user->currentText().trimmed();
    const QString password = m_password->text();
    if (name.isEmpty() || password.isEmpty()) {
        showMessage(tr("Please enter the user name and password"));
        return;
    }
    if (!OrmHelper::checkUser(name, password)) {
        qWarning() << "Local login refused for" << name;
        showMessage(tr("Incorrect user name or password"));
        m_password->clear();
        m_password->setFocus();
        return;
    }
    m_userName = name;
    m_rights = OrmHelper::getUser(name, password);

    QSharedPointer<CMS_Config_V2> config = OrmHelper::getConfig();
    if (config) {
        config->bAutoLogin = m_autoLogin->isChecked();
        // Only a remembered login keeps the password in the settings row.
        config->Name = name;
        config->password = m_autoLogin->isChecked() ? password : QString();
        if (!OrmHelper::saveConfig(config))
            qWarning() << "Saving the login settings failed";
    }
    qInfo() << "Local login:" << name;
    accept();
}

void LoginDialog::onEnterPressed()
{
    onBtnLoginClicked();
}

void LoginDialog::onEscPressed()
{
    reject();
}

void LoginDialog::retranslate()
{
    m_title->setText(tr("User login"));
    setWindowTitle(tr("User login"));
    if (auto *label = findChild<QLabel *>(QStringLiteral("labelUser")))
        label->setText(tr("User name"));
    if (auto *label = findChild<QLabel *>(QStringLiteral("labelPassword")))
        label->setText(tr("Password"));
    m_password->setPlaceholderText(tr("Password"));
    m_autoLogin->setText(tr("Automatic login"));
    m_login->setText(tr("Login"));
    m_cancel->setText(tr("Cancel"));
}

void LoginDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    DropShadowWidget::changeEvent(event);
}
