#include "LoginDialog.h"
#include "ui_LoginDialog.h"

#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "OrmWriteQueue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

LoginDialog::LoginDialog(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::LoginDialog)
{
    ui->setupUi(this);
    CommonHelper::setButtonImages(ui->pushButtonClose, 1, QStringLiteral("mw_close"), QStringLiteral("mw_close_hover"),
                                  true);
    ui->labelLogo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                                 .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &LoginDialog::reject);
    connect(ui->pushButtonLogin, &QPushButton::clicked, this, &LoginDialog::onBtnLoginClicked);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &LoginDialog::reject);

    for (const auto &user : OrmHelper::getAllUsers())
        ui->comboBoxUser->addItem(user->Name);
    const QSharedPointer<CMS_Config_V2> config = OrmHelper::getConfig();
    if (config) {
        if (!config->Name.isEmpty())
            ui->comboBoxUser->setCurrentText(config->Name);
        ui->checkBoxAutoLogin->setChecked(config->bAutoLogin);
    }

    retranslate();
    ui->lineEditPassword->setFocus();
}

LoginDialog::~LoginDialog()
{
    delete ui;
}

QComboBox *LoginDialog::userBox() const
{
    return ui->comboBoxUser;
}

QLineEdit *LoginDialog::passwordEdit() const
{
    return ui->lineEditPassword;
}

QCheckBox *LoginDialog::autoLoginBox() const
{
    return ui->checkBoxAutoLogin;
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
    return ui->m_lblTextInfo->text();
}

void LoginDialog::showMessage(const QString &text)
{
    ui->m_lblTextInfo->setText(text);
}

void LoginDialog::onBtnLoginClicked()
{
    if (m_loggingIn)
        return;
    const QString name = ui->comboBoxUser->currentText().trimmed();
    const QString password = ui->lineEditPassword->text();
    if (name.isEmpty() || password.isEmpty()) {
        showMessage(tr("Please enter the user name and password"));
        return;
    }
    if (!OrmHelper::checkUser(name, password)) {
        qWarning() << "Local login refused for" << name;
        showMessage(tr("Incorrect user name or password"));
        ui->lineEditPassword->clear();
        ui->lineEditPassword->setFocus();
        return;
    }
    m_userName = name;
    m_rights = OrmHelper::getUser(name, password);

    const bool remember = ui->checkBoxAutoLogin->isChecked();
    m_loggingIn = true;
    m_writes.enqueue({QStringLiteral("login settings"), QString(), true,
                      [name, password, remember] {
                          return OrmHelper::changeConfig([&](CMS_Config_V2 &config) {
                              config.bAutoLogin = remember;
                              // Only a remembered login keeps the password in the settings row.
                              config.Name = name;
                              config.password = remember ? password : QString();
                          });
                      },
                      [this, name](const QSqlError &error) {
                          m_loggingIn = false;
                          qInfo() << "Local login:" << name;
                          accept();
                          // The login holds; what the next start remembers did not change.
                          if (!error.text().isEmpty())
                              MsgTipInfoDlg::showTip(OrmWriteQueue::failureText(error), 2000);
                      }});
    // A database another program holds: the login waits for the settings.
    if (m_loggingIn)
        showMessage(OrmWriteQueue::waitingText());
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
    ui->retranslateUi(this);
}

void LoginDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    DropShadowWidget::changeEvent(event);
}
