// The local login against a real database: refused and accepted accounts,
// the remembered automatic login, and the cards a rights string shows.

#include "../support/BrokenTable.h"
#include "../support/HeldDatabase.h"
#include "../support/StoredRows.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "RecordSchedule.h"
#include "SettingsKeeper.h"
#include "SplashScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(HeldDatabase::Kind)

namespace {

// The operator picks the account, types the password, sets "Automatic login"
// and clicks the login button.
void logIn(LoginDialog &dialog, const QString &name, const QString &password, bool remember)
{
    dialog.userBox()->setEditText(QString());
    QTest::keyClicks(dialog.userBox(), name);
    dialog.passwordEdit()->clear();
    QTest::keyClicks(dialog.passwordEdit(), password);
    if (dialog.autoLoginBox()->isChecked() != remember)
        QTest::mouseClick(dialog.autoLoginBox(), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushButtonLogin")), Qt::LeftButton);
}

QStringList toastTexts()
{
    QStringList texts;
    for (QWidget *w : QApplication::allWidgets()) {
        if (auto *toast = qobject_cast<MsgTipInfoDlg *>(w)) {
            if (auto *label = toast->findChild<QLabel *>(QStringLiteral("labelText")))
                texts << label->text();
        }
    }
    return texts;
}

} // namespace

class TestShellLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        auto user = QSharedPointer<CMS_User>::create();
        user->Name = QStringLiteral("viewer");
        user->password = QStringLiteral("pw-viewer");
        user->RoleId = 1;
        user->Rights = QStringLiteral("1001000");
        QVERIFY(OrmHelper::saveUser(user));
    }

    void seededAccountLogsInAutomatically()
    {
        QString name;
        QString rights;
        QVERIFY(LoginDialog::tryAutoLogin(&name, &rights));
        QCOMPARE(name, DEFAULT_LOCAL_USER);
        QCOMPARE(rights, DEFAULT_RIGHTS);
    }

    void wrongPasswordIsRefused()
    {
        LoginDialog dialog;
        const QString shots = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
            if (css.open(QIODevice::ReadOnly))
                qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.grab().save(QDir(shots).filePath(QStringLiteral("shell_login.png")));
        }
        dialog.userBox()->setCurrentText(QStringLiteral("viewer"));
        dialog.passwordEdit()->setText(QStringLiteral("nope"));
        dialog.onBtnLoginClicked();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.message(), LoginDialog::tr("Incorrect user name or password"));
        QVERIFY(dialog.passwordEdit()->text().isEmpty());
        QVERIFY(dialog.rights().isEmpty());

        dialog.userBox()->setCurrentText(QString());
        dialog.onBtnLoginClicked();
        QCOMPARE(dialog.message(), LoginDialog::tr("Please enter the user name and password"));
        if (!shots.isEmpty())
            dialog.grab().save(QDir(shots).filePath(QStringLiteral("shell_login_refused.png")));
    }

    void acceptedLoginRemembersOrForgets()
    {
        {
            LoginDialog dialog;
            dialog.userBox()->setCurrentText(QStringLiteral("viewer"));
            dialog.passwordEdit()->setText(QStringLiteral("pw-viewer"));
            dialog.autoLoginBox()->setChecked(true);
            dialog.onBtnLoginClicked();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.rights(), QStringLiteral("1001000"));
        }
        QString name;
        QString rights;
        QVERIFY(LoginDialog::tryAutoLogin(&name, &rights));
        QCOMPARE(name, QStringLiteral("viewer"));
        QCOMPARE(rights, QStringLiteral("1001000"));

        {
            LoginDialog dialog;
            QCOMPARE(dialog.userBox()->currentText(), QStringLiteral("viewer"));
            QVERIFY(dialog.autoLoginBox()->isChecked());
            dialog.passwordEdit()->setText(QStringLiteral("pw-viewer"));
            dialog.autoLoginBox()->setChecked(false);
            dialog.onBtnLoginClicked();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(!LoginDialog::tryAutoLogin(&name, &rights));
        QVERIFY(storedConfig()->password.isEmpty());

        // A remembered password that no longer matches does not log in.
        auto config = storedConfig();
        config->bAutoLogin = true;
        config->password = QStringLiteral("stale");
        QVERIFY(OrmHelper::saveConfig(config));
        QVERIFY(!LoginDialog::tryAutoLogin(&name, &rights));
    }

    // Another program holds the database while the operator logs in. Held
    // exclusively: the dialog answers, says it reads (the accounts, then the
    // account typed) and lets in once it lets go. Held for a write: the
    // account reads at once and the operator is in before it lets go; only
    // what the next start remembers waits, and lands after.
    void loginWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<HeldDatabase::Kind>("kind");
        QTest::newRow("exclusive") << HeldDatabase::Kind::Exclusive;
        QTest::newRow("write hold") << HeldDatabase::Kind::Write;
    }
    void loginWhileTheDatabaseIsHeld()
    {
        QFETCH(HeldDatabase::Kind, kind);
        const bool exclusive = kind == HeldDatabase::Kind::Exclusive;
        QCOMPARE(OrmHelper::changeConfig([](CMS_Config_V2 &config) {
                     config.Name = DEFAULT_LOCAL_USER;
                     config.bAutoLogin = false;
                 }).text(),
                 QString());
        const QString reading = QStringLiteral("Reading: the database is in use by another program; waiting for it...");
        auto held = std::make_unique<HeldDatabase>(kind);
        QVERIFY(held->isHeld());
        LoginDialog dialog;
        dialog.show();
        QCOMPARE(dialog.message(), exclusive ? reading : QString());
        QCOMPARE(dialog.userBox()->findText(QStringLiteral("viewer")) >= 0, !exclusive);
        logIn(dialog, QStringLiteral("viewer"), QStringLiteral("pw-viewer"), true);
        if (exclusive) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialog.message(), reading);
            held->letGo();
            QTRY_COMPARE_WITH_TIMEOUT(dialog.result(), int(QDialog::Accepted), 30000);
        } else {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            // Readers pass a write hold: the row still holds the login before.
            QVERIFY(held->isHeld());
            QCOMPARE(storedConfig()->Name, DEFAULT_LOCAL_USER);
            held->letGo();
        }
        QCOMPARE(dialog.rights(), QStringLiteral("1001000"));
        QCOMPARE(dialog.userName(), QStringLiteral("viewer"));
        QTRY_COMPARE_WITH_TIMEOUT(storedConfig()->Name, QStringLiteral("viewer"), 30000);
        QVERIFY(storedConfig()->bAutoLogin);
        QCOMPARE(storedConfig()->password, QStringLiteral("pw-viewer"));
    }

    // Settings or accounts the file cannot give back (a damaged page, a table
    // of other columns): the login names the damaged file, never another
    // program's lock. Without the settings the accounts are offered and let
    // in, and the login the next start would remember is said not saved.
    void loginNamesADamagedFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("table");
        QTest::newRow("settings, damaged page") << int(BrokenTable::DamagedPage) << "CMS_Config_V2";
        QTest::newRow("settings, other columns") << int(BrokenTable::OtherColumns) << "CMS_Config_V2";
        QTest::newRow("accounts, damaged page") << int(BrokenTable::DamagedPage) << "CMS_User";
        QTest::newRow("accounts, other columns") << int(BrokenTable::OtherColumns) << "CMS_User";
    }
    void loginNamesADamagedFile()
    {
        QFETCH(int, kind);
        QFETCH(QString, table);
        const bool accounts = table == QLatin1String("CMS_User");
        // A text only the table's rows hold, for the damaged page.
        const QByteArray marker = "DAMAGE-ME-" + QByteArray(QTest::currentDataTag()).toHex();
        if (accounts) {
            auto user = QSharedPointer<CMS_User>::create();
            user->Name = QStringLiteral("marked");
            user->Remark = QString::fromLatin1(marker);
            QVERIFY(OrmHelper::saveUser(user));
        } else {
            QCOMPARE(
                OrmHelper::changeConfig([&](CMS_Config_V2 &c) { c.SnapPath = QString::fromLatin1(marker); }).text(),
                QString());
        }
        BrokenTable broken(BrokenTable::Kind(kind), table, marker);
        QVERIFY(broken.isBroken());
        const QString file = QFileInfo(OrmDatabase::databaseName()).absoluteFilePath();
        const QString damaged = QStringLiteral("Reading failed: the database file %1 is damaged").arg(file);

        LoginDialog dialog;
        dialog.show();
        QCOMPARE(dialog.message(), damaged);
        QCOMPARE(dialog.userBox()->findText(QStringLiteral("viewer")) >= 0, !accounts);
        logIn(dialog, QStringLiteral("viewer"), QStringLiteral("pw-viewer"), true);
        if (accounts) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialog.message(), damaged);
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.rights(), QStringLiteral("1001000"));
        const QString notSaved = QStringLiteral("What the next start remembers of this login was not saved. "
                                                "Configuration failed: the database file %1 is damaged")
                                     .arg(file);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(notSaved), 10000);
    }

    void rightsDecideTheCards_data()
    {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("all") << QStringLiteral("1111111") << QList<int>{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("live and devices") << QStringLiteral("1001000") << QList<int>{0, 3};
        QTest::newRow("none") << QStringLiteral("0000000") << QList<int>{};
        QTest::newRow("short string") << QStringLiteral("01") << QList<int>{1};
        QTest::newRow("greater than zero") << QStringLiteral("2a0:000") << QList<int>{0, 1, 3};
    }

    void rightsDecideTheCards()
    {
        QFETCH(QString, rights);
        QFETCH(QList<int>, shown);
        QList<int> allowed;
        for (int page = 0; page < MainWindow::PageCount; ++page) {
            if (MainWindow::rightAllows(rights, page))
                allowed << page;
        }
        QCOMPARE(allowed, shown);
    }

    void windowShowsOnlyAllowedCards()
    {
        MainWindow window;
        window.setRights(QStringLiteral("1001000"));
        for (int page = 0; page < MainWindow::PageCount; ++page)
            QCOMPARE(window.isCardVisible(page), page == 0 || page == 3);
        // A page the rights do not allow cannot be opened.
        window.setRights(QStringLiteral("0001000"));
        window.showPage(MainWindow::LiveVideo);
        QCOMPARE(window.currentPage(), -1);
        window.showPage(MainWindow::DeviceManagement);
        QCOMPARE(window.currentPage(), int(MainWindow::DeviceManagement));
        window.closeApp();
    }

    // What the first windows need is read within the start-up's wait for the
    // database, off the GUI thread: made while another program holds the
    // database right after, they show it at once and ask it nothing (the
    // storage folders, the stored plan with its mode).
    void firstWindowsShowWhatTheStartRead()
    {
        const QString backup = QDir::current().absoluteFilePath(QStringLiteral("start-backup"));
        QCOMPARE(OrmHelper::changeConfig([&](CMS_Config_V2 &config) { config.BackupPath = backup; }).text(), QString());
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.iworkType = 1;
        plan.devices.append({QStringLiteral("SN-START"), QStringLiteral("10.9.8.7"), 0, 0, 0});
        QVERIFY(RecordSchedule::storePlan(plan));
        // The start-up's reads, as the client makes them within its wait.
        OrmHelper::resetForTesting();
        QVERIFY(OrmHelper::instance()->init());
        QCOMPARE(SettingsKeeper::read().text(), QString());
        QVERIFY(RecordSchedule::readStartPlan());
        DeviceInfoManager::setStartRows(storedDevices(), storedGroups());
        CommonHelper::setStoragePathsProvider(&RecordStorage::settingsPaths);
        const auto noProvider = qScopeGuard([] { CommonHelper::setStoragePathsProvider(nullptr); });

        HeldDatabase held(HeldDatabase::Kind::Exclusive);
        QVERIFY(held.isHeld());
        QCOMPARE(CommonHelper::storagePaths().backupPath, backup);
        QVERIFY(CommonHelper::storagePaths().known);
        MainWindow window;
        window.setRights(DEFAULT_RIGHTS);
        window.show();
        window.showPage(MainWindow::StorageSchedule);
        auto *page = window.schedulePage();
        QVERIFY(page->findChild<QRadioButton *>(QStringLiteral("btn_work_day"))->isChecked());
        QVERIFY(page->findChild<QPushButton *>(QStringLiteral("m_btnOn"))->isEnabled());
        QVERIFY(!page->findChild<QLabel *>(QStringLiteral("m_lblWaiting"))->isVisible());
        QVERIFY(!page->findChild<QLabel *>(QStringLiteral("m_lblNotice"))->isVisible());
        QCOMPARE(page->plan().devices.size(), 1);
        QCOMPARE(page->plan().szStoragePath, backup);
        held.letGo();
        window.closeApp();
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
    }

    void splashSteps()
    {
        SplashScreen splash;
        splash.show();
        splash.setProgress(30, QStringLiteral("Init app..."));
        const QString shots = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            splash.grab().save(QDir(shots).filePath(QStringLiteral("shell_splash.png")));
        QCOMPARE(splash.progress(), 30);
        splash.setProgress(140, QStringLiteral("Finished！"));
        QCOMPARE(splash.progress(), 100);
        QCOMPARE(splash.text(), QStringLiteral("Finished！"));
    }

    // The splash that waits for a held database is closed by the operator
    // (Escape, the window manager's close): the start is asked to end, as a
    // close signal asks; the start-up's own splash ignores both.
    void splashClosedByTheOperator_data()
    {
        QTest::addColumn<bool>("closable");
        QTest::addColumn<bool>("escape");
        QTest::newRow("waiting, Escape") << true << true;
        QTest::newRow("waiting, the window manager's close") << true << false;
        QTest::newRow("starting, Escape") << false << true;
    }
    void splashClosedByTheOperator()
    {
        QFETCH(bool, closable);
        QFETCH(bool, escape);
        SplashScreen splash(nullptr, closable);
        QSignalSpy asked(&splash, &SplashScreen::closeRequested);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        if (escape)
            QTest::keyClick(&splash, Qt::Key_Escape);
        else
            splash.close();
        QCOMPARE(asked.count(), closable ? 1 : 0);
    }
};

QTEST_MAIN(TestShellLogin)
#include "tst_shelllogin.moc"
