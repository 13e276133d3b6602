#include "LoginDialog.h"
#include "ui_LoginDialog.h"

#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"
#include "SharedTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include <memory>

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
    // The remembered login is the settings row as the start-up read it. Not
    // read (a damaged file), the accounts are offered all the same, and why
    // nothing is remembered is said.
    const QSharedPointer<CMS_Config_V2> settings = SettingsKeeper::row();
    if (!settings)
        m_settingsMessage = SharedTexts::readFailureText(OrmDatabase::trouble(SettingsKeeper::failure()));
    auto users = std::make_shared<QStringList>();
    m_queue.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("read accounts"),
        [users] {
            QSqlError error;
            users->clear();
            for (const auto &user : OrmHelper::getAllUsers(&error))
                *users << user->Name;
            return error;
        },
        [this, users, settings](const QSqlError &error) {
            if (!error.text().isEmpty()) {
                showMessage(SharedTexts::readFailureText(OrmDatabase::trouble(error)));
                return;
            }
            // What the operator typed meanwhile stays.
            const QString typed = ui->comboBoxUser->currentText();
            ui->comboBoxUser->addItems(*users);
            if (!typed.isEmpty())
                ui->comboBoxUser->setCurrentText(typed);
            else if (settings && !settings->Name.isEmpty())
                ui->comboBoxUser->setCurrentText(settings->Name);
            if (settings)
                ui->checkBoxAutoLogin->setChecked(settings->bAutoLogin);
            if (message() == SharedTexts::readWaitingText())
                showMessage(m_settingsMessage);
        }));
    if (m_queue.isWaiting())
        showMessage(SharedTexts::readWaitingText());
    else if (message().isEmpty())
        showMessage(m_settingsMessage);
}

QLineEdit *LoginDialog::passwordEdit() const
{
    return ui->lineEditPassword;
}

QCheckBox *LoginDialog::autoLoginBox() const
{
    return ui->checkBoxAutoLogin;
}

bool LoginDialog::tryAutoLogin(QString *userName, QString *rights, QSqlError *error)
{
    if (error)
        *error = QSqlError();
    const QSharedPointer<CMS_Config_V2> config = SettingsKeeper::row();
    if (!config) {
        if (error)
            *error = SettingsKeeper::failure();
        qWarning() << "Automatic login not tried: the settings cannot be read:" << SettingsKeeper::failure().text();
        return false;
    }
    if (!config->bAutoLogin || config->Name.isEmpty())
        return false;
    // With the caller's wait: the start-up tries it within its own, off the
    // GUI thread, and tries again while another program holds the database.
    QSqlError read;
    bool found = false;
    const QString granted = OrmHelper::getUser(config->Name, config->password, &found, &read);
    if (error)
        *error = read;
    if (!read.text().isEmpty()) {
        qWarning() << "Automatic login not tried: the accounts cannot be read:" << read.text();
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
    // Only the account is read before the operator is let in: another
    // program holding the database is waited for with the dialog answering,
    // and an account that could not be read is never refused nor let in.
    // What the next start remembers is written after, never holding him.
    struct Login
    {
        bool checked = false;
        bool refused = false;
        QString rights;
    };
    auto login = std::make_shared<Login>();
    const bool remember = ui->checkBoxAutoLogin->isChecked();
    m_loggingIn = true;
    m_queue.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("check account"),
        [name, password, login] {
            *login = Login();
            QSqlError read;
            bool found = false;
            login->rights = OrmHelper::getUser(name, password, &found, &read);
            if (!read.text().isEmpty())
                return read;
            login->checked = true;
            login->refused = !found;
            return QSqlError();
        },
        [this, name, password, remember, login](const QSqlError &error) {
            m_loggingIn = false;
            if (!login->checked) {
                showMessage(SharedTexts::readFailureText(OrmDatabase::trouble(error)));
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
            rememberLogin(name, password, remember);
            accept();
        }));
    // A database another program holds: the login waits for it.
    if (m_loggingIn)
        showMessage(SharedTexts::readWaitingText());
}

namespace {

// Outlives the dialog, so that a remembered login still waiting for the
// database when the operator is let in is said when it lands or fails; the
// close waits for what it owes with the rest (OrmAccessQueue::flushAll).
OrmAccessQueue *rememberQueue()
{
    static QPointer<OrmAccessQueue> queue;
    if (!queue) {
        queue = new OrmAccessQueue(QCoreApplication::instance());
        queue->setSaid(LoginDialog::tr("the remembered login"));
    }
    return queue;
}

} // namespace

void LoginDialog::rememberLogin(const QString &name, const QString &password, bool remember)
{
    OrmAccessQueue::Item item{
        QStringLiteral("remembered login"), QStringLiteral("remembered login"), true,
        [name, password, remember] {
            return OrmHelper::changeConfig([&](CMS_Config_V2 &config) {
                config.bAutoLogin = remember;
                // Only a remembered login keeps the password in the settings row.
                config.Name = name;
                config.password = remember ? password : QString();
            });
        },
        [name, remember](const QSqlError &error) {
            if (error.text().isEmpty()) {
                qInfo() << "Login kept for the next start:" << name << (remember ? "automatic" : "asked");
                return;
            }
            // The login holds; what the next start remembers did not change.
            // The close names it in its own words.
            if (OrmAccessQueue::closeBegun())
                return;
            MsgTipInfoDlg::showTip(tr("What the next start remembers of this login was not saved.") + QLatin1Char(' ')
                                       + SharedTexts::failureText(OrmDatabase::trouble(error)),
                                   2000);
        }};
    // Only the latest login is worth remembering.
    item.merges = true;
    rememberQueue()->enqueue(std::move(item));
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
