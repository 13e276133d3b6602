// The local login against a real database: refused and accepted accounts,
// the remembered automatic login, and the cards a rights string shows.

#include "../support/HeldDatabase.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "SplashScreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(HeldDatabase::Kind)

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
        QVERIFY(OrmHelper::getConfig()->password.isEmpty());

        // A remembered password that no longer matches does not log in.
        auto config = OrmHelper::getConfig();
        config->bAutoLogin = true;
        config->password = QStringLiteral("stale");
        QVERIFY(OrmHelper::saveConfig(config));
        QVERIFY(!LoginDialog::tryAutoLogin(&name, &rights));
    }

    // Another program holds the database while the operator logs in: the
    // dialog answers and says what it waits for (the accounts, then the
    // remembered login), and logs in once it lets go.
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
        auto held = std::make_unique<HeldDatabase>(kind);
        QVERIFY(held->isHeld());
        LoginDialog dialog;
        QCOMPARE(dialog.message(),
                 exclusive ? QStringLiteral("Reading: the database is in use by another program; waiting for it...")
                           : QString());
        QCOMPARE(dialog.userBox()->findText(QStringLiteral("viewer")) >= 0, !exclusive);
        dialog.userBox()->setCurrentText(QStringLiteral("viewer"));
        dialog.passwordEdit()->setText(QStringLiteral("pw-viewer"));
        dialog.onBtnLoginClicked();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.message(),
                 QStringLiteral("Saving: the database is in use by another program; waiting for it..."));
        held->letGo();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.result(), int(QDialog::Accepted), 30000);
        QCOMPARE(dialog.rights(), QStringLiteral("1001000"));
        QVERIFY(dialog.userBox()->findText(QStringLiteral("viewer")) >= 0);
        QCOMPARE(dialog.userBox()->currentText(), QStringLiteral("viewer"));
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
