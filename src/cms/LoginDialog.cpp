#include "LoginDialog.h"
#include "ui_LoginDialog.h"

#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "SharedTexts.h"

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

    retranslate();
    readAccounts();
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

void LoginDialog::readAccounts()
{
    struct Accounts
    {
        QStringList users;
        QSharedPointer<CMS_Config_V2> settings; // row 1; null: never stored
    };
    auto read = std::make_shared<Accounts>();
    m_writes.enqueue({QStringLiteral("read accounts"), QString(), true,
                      [read] {
                          QSqlError error;
                          read->users.clear();
                          for (const auto &user : OrmHelper::getAllUsers(&error))
                              read->users << user->Name;
                          QList<QSharedPointer<CMS_Config_V2>> rows;
                          if (error.text().isEmpty())
                              error = orm::dao::fetch_all(rows);
                          for (const auto &row : qAsConst(rows)) {
                              if (row && row->id == 1)
                                  read->settings = row;
                          }
                          return error;
                      },
                      [this, read](const QSqlError &error) {
                          if (!error.text().isEmpty()) {
                              showMessage(SharedTexts::readFailureText(error));
                              return;
                          }
                          // What the operator typed meanwhile stays.
                          const QString typed = ui->comboBoxUser->currentText();
                          ui->comboBoxUser->addItems(read->users);
                          if (!typed.isEmpty())
                              ui->comboBoxUser->setCurrentText(typed);
                          else if (read->settings && !read->settings->Name.isEmpty())
                              ui->comboBoxUser->setCurrentText(read->settings->Name);
                          if (read->settings)
                              ui->checkBoxAutoLogin->setChecked(read->settings->bAutoLogin);
                          if (message() == SharedTexts::readWaitingText())
                              showMessage(QString());
                      }});
    if (m_writes.isWaiting())
        showMessage(SharedTexts::readWaitingText());
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
    // Tried briefly: a database another program holds leaves the operator
    // the dialog, whose login waits for it off the GUI thread.
    QString granted;
    QSqlError error;
    bool found = false;
    {
        const OrmDatabase::BusyTimeoutScope brief(OrmWriteQueue::TryMs);
        found = OrmHelper::findUser(config->Name, config->password, &granted, &error);
    }
    if (!error.text().isEmpty()) {
        qWarning() << "Automatic login not tried: the accounts cannot be read:" << error.text();
        return false;
    }
    if (!found) {
        qWarning() << "Automatic login refused for" << config->Name;
        return false;
    }
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
    // The account is checked and the remembered login stored in one item:
    // another program holding the database is waited for with the dialog
    // answering, and an account that could not be read is never refused
    // nor let in.
    struct Login
    {
        bool checked = false;
        bool refused = false;
        QString rights;
    };
    auto login = std::make_shared<Login>();
    const bool remember = ui->checkBoxAutoLogin->isChecked();
    m_loggingIn = true;
    m_writes.enqueue({QStringLiteral("login settings"), QString(), true,
                      [name, password, remember, login] {
                          *login = Login();
                          QSqlError read;
                          const bool found = OrmHelper::findUser(name, password, &login->rights, &read);
                          if (!read.text().isEmpty())
                              return read;
                          login->checked = true;
                          if (!found) {
                              login->refused = true;
                              return QSqlError();
                          }
                          return OrmHelper::changeConfig([&](CMS_Config_V2 &config) {
                              config.bAutoLogin = remember;
                              // Only a remembered login keeps the password in the settings row.
                              config.Name = name;
                              config.password = remember ? password : QString();
                          });
                      },
                      [this, name, login](const QSqlError &error) {
                          m_loggingIn = false;
                          if (!login->checked) {
                              showMessage(SharedTexts::readFailureText(error));
                              return;
                          }
                          if (login->refused) {
                              qWarning() << "Local login refused for" << name;
                              showMessage(tr("Incorrect user name or password"));
                              ui->lineEditPassword->clear();
                              ui->lineEditPassword->setFocus();
                              return;
                          }
                          m_userName = name;
                          m_rights = login->rights;
                          qInfo() << "Local login:" << name;
                          accept();
                          // The login holds; what the next start remembers did not change.
                          if (!error.text().isEmpty())
                              MsgTipInfoDlg::showTip(SharedTexts::failureText(error), 2000);
                      }});
    // A database another program holds: the login waits for it.
    if (m_loggingIn)
        showMessage(SharedTexts::waitingText());
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
