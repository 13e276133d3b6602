// The camera user dialog with real parts: the main window over a database
// file, each test with a simulated camera of its own on 127.77.26.x, the
// dialogs driven with QTest, and what reaches the camera read from its log.

#include "../support/HeldDatabase.h"
#include "AddClientUserDlg.h"
#include "Authentication.h"
#include "CEditContactDlg.h"
#include "CUserManageDlg.h"
#include "ConfigConversation.h"
#include "CustomDialog.h"
#include "DeviceCommands.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "EditClientUserDlg.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <map>
#include <memory>

using namespace DevicePagesTest;

namespace {
// A typed text as it stands in a body: the two characters markup reserves.
QString markup(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;")).replace(QLatin1Char('<'), QLatin1String("&lt;"));
}
} // namespace

namespace {

// One camera per test, so each test also runs alone.
enum Cam {
    Road,
    Add,
    Delete,
    Contact,
    Login,
    Other,
    Reveal,
    Header,
    Lost,
    Slow,
    // One each for the login account's change beside another account's.
    BesideLost,
    BesideHeld,
    BesideSlow,
    BesideTwo,
    BesideRepeat,
    BesideCut,
    CamCount
};

QString camIp(int cam)
{
    return QStringLiteral("127.77.26.%1").arg(cam + 2);
}

QStringList column(QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, col) ? table->item(row, col)->text() : QString());
    return texts;
}

QStringList sentNames(SimDevice *cam, unsigned cmd)
{
    QStringList names;
    for (const SimRequest &r : cam->requests(cmd))
        names << r.body.value(QStringLiteral("userName"));
    return names;
}

// Types into the named line edits of a dialog, then presses its OK button.
void fillAndOk(QWidget *dialog, const QList<QPair<const char *, QString>> &fields)
{
    for (const auto &field : fields)
        dialog->findChild<QLineEdit *>(QLatin1String(field.first))->setText(field.second);
    dialog->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
}

} // namespace

class TestUserManage : public QObject
{
    Q_OBJECT

    std::map<int, std::unique_ptr<SimDevice>> m_cams;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<CUserManageDlg> m_dlg;

    FUN_DEV_INFO *record(int cam) const { return DeviceInfoManager::instance()->findDevInfo(camIp(cam)); }
    QTableWidget *table() const { return child<QTableWidget>(m_dlg.get(), "m_AddDevTableWidget"); }

    QPushButton *rowButton(const QString &user, const char *name)
    {
        const int row = CUserManageDlg::findRow(user, table(), 0);
        return row < 0 ? nullptr : child<QPushButton>(table()->cellWidget(row, 3), name);
    }

    // The dialog as the shell opens it, shown without blocking the test.
    void open(int cam, bool listed = true)
    {
        m_dlg = std::make_unique<CUserManageDlg>();
        m_dlg->setModal(false);
        m_dlg->show();
        m_dlg->updateDevice(record(cam));
        m_dlg->getUsers();
        m_dlg->resetHeaderCheckBox();
        QTRY_VERIFY_WITH_TIMEOUT(!listed || table()->rowCount() > 0, 10000);
    }

    // Accounts made on the camera directly, as another client would.
    void addOnCamera(int cam, const QStringList &names)
    {
        for (const QString &name : names) {
            CUserManageDlg::sendRequest(camIp(cam), 14014,
                                        QStringLiteral("<userName>%1</userName><password>pw-%1</password>").arg(name));
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_cams[cam]->requestCount(14014), names.size(), 10000);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        CUserManageDlg::setDelays(10, 50);
        for (int cam = 0; cam < CamCount; ++cam) {
            m_cams[cam] = std::make_unique<SimDevice>(SimDevice::Ipc);
            QVERIFY(m_cams[cam]->listen(QHostAddress(camIp(cam))));
            FUN_DEV_INFO info;
            info.ip = camIp(cam);
            info.devPort = m_cams[cam]->port();
            info.sn = QStringLiteral("SIM-USERS-%1").arg(cam);
            info.name = QStringLiteral("Camera %1").arg(cam);
            OrmHelper::AddDevs({&info});
        }
        m_window = std::make_unique<MainWindow>();
        m_window->deviceController()->setLoginRetryDelayMs(300);
        m_window->setUserName(QStringLiteral("admin"));
        m_window->setRights(DEFAULT_RIGHTS);
        for (int cam = 0; cam < CamCount; ++cam)
            QTRY_VERIFY_WITH_TIMEOUT(record(cam) && record(cam)->loginStatus == 1, 20000);
    }

    void cleanup()
    {
        ConfigConversation::setTimeoutMs(6000);
        m_dlg.reset();
        closeToasts();
    }

    void cleanupTestCase() { m_window.reset(); }

    // The device page's user button opens the dialog on the camera's list.
    void openedFromDevicePage()
    {
        addOnCamera(Road, {QStringLiteral("guard")});
        DeviceManageWidget *page = m_window->devicePage();
        auto *view = child<QTableView>(page, "m_AddDevTableView");
        QWidget *manage = view->indexWidget(
            page->model()->index(page->getRowIndexByIp(camIp(Road)), DeviceManageWidget::ColOperation));
        QVERIFY(manage);

        QString name;
        QStringList users, contacts, masks;
        bool adminDelete = true, guardDelete = false;
        onModal<CUserManageDlg>([&](CUserManageDlg *d) {
            auto *t = d->findChild<QTableWidget *>(QStringLiteral("m_AddDevTableWidget"));
            waitFor([t] { return t->rowCount() == 2; });
            name = d->objectName();
            users = column(t, 0);
            masks = column(t, 1);
            contacts = column(t, 2);
            auto deleteButton = [t](int row) {
                return t->cellWidget(row, 3)->findChild<QPushButton *>(QStringLiteral("pushButtonDelete"));
            };
            adminDelete = !deleteButton(0)->isHidden();
            guardDelete = !deleteButton(1)->isHidden();
            d->findChild<QPushButton *>(QStringLiteral("m_btnClose"))->click();
        });
        QTest::mouseClick(child<QPushButton>(manage, "pushButtonUser"), Qt::LeftButton);

        QCOMPARE(name, QStringLiteral("IPCUser"));
        QCOMPARE(users, QStringList({QStringLiteral("admin"), QStringLiteral("guard")}));
        QCOMPARE(masks, QStringList({PASSWORD_MASK, PASSWORD_MASK}));
        QCOMPARE(contacts, QStringList({QStringLiteral("owner@example.com"), QString()}));
        QVERIFY(!adminDelete);
        QVERIFY(guardDelete);
        QCOMPARE(m_cams[Road]->requests(14017).size(), 1);
    }

    void addChecks_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("sentUser"); // empty: refused, nothing sent
        QTest::addColumn<QString>("sentPassword");
        QTest::newRow("blank name") << "   "
                                    << "abc"
                                    << "abc"
                                    << ""
                                    << "";
        QTest::newRow("empty password") << "ann"
                                        << ""
                                        << ""
                                        << ""
                                        << "";
        QTest::newRow("mismatch") << "ann"
                                  << "abc"
                                  << "abd"
                                  << ""
                                  << "";
        // Spaces are part of a camera's names and passwords: sent as typed.
        QTest::newRow("spaces kept") << "  bob "
                                     << " p1 "
                                     << " p1 "
                                     << "  bob "
                                     << " p1 ";
        QTest::newRow("spaces differ") << "bob"
                                       << " p1 "
                                       << "p1"
                                       << ""
                                       << "";
        QTest::newRow("markup kept as typed") << "c&d"
                                              << "a&b<c"
                                              << "a&b<c"
                                              << "c&d"
                                              << "a&b<c";
    }

    void addChecks()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QString, sentUser);
        QFETCH(QString, sentPassword);
        SimDevice *cam = m_cams[Other].get();
        cam->clearRequests();
        AddClientUserDlg add;
        add.setModal(false);
        add.show();
        add.setDevInfo(record(Other));
        fillAndOk(&add, {{"m_UserNamelineEdit", user},
                         {"m_UserPasswordlineEdit", password},
                         {"m_ConfirmUserPasswordlineEdit", confirm}});
        if (sentUser.isEmpty()) {
            QVERIFY(add.isVisible());
            QCOMPARE(child<QLabel>(&add, "m_lblTextInfo")->text(), QStringLiteral("Incomplete information"));
            QVERIFY(roundTrip(record(Other)));
            QCOMPARE(cam->requestCount(14014), 0);
            return;
        }
        QCOMPARE(add.result(), int(QDialog::Accepted));
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14014), 1, 10000);
        const SimRequest sent = cam->requests(14014).first();
        QCOMPARE(sent.bodyText, QStringLiteral("<userName>%1</userName><password>%2</password>")
                                    .arg(markup(sentUser), markup(sentPassword)));
    }

    // Nine accounts: the add dialog opens; ten: refused before any dialog.
    void addUpToLimit()
    {
        QStringList names;
        for (int i = 1; i < CUserManageDlg::MaxUsers - 1; ++i)
            names << QStringLiteral("user%1").arg(i);
        addOnCamera(Add, names);
        open(Add);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), CUserManageDlg::MaxUsers - 1, 10000);
        // A name the camera has already: refused by the camera, and said;
        // the dialog stays open with what was typed.
        QString keptName, keptPassword, said;
        onModal<AddClientUserDlg>([&](AddClientUserDlg *d) {
            fillAndOk(d, {{"m_UserNamelineEdit", QStringLiteral("admin")},
                          {"m_UserPasswordlineEdit", QStringLiteral("again")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("again")}});
            auto *info = d->findChild<QLabel *>(QStringLiteral("m_lblTextInfo"));
            (void)QTest::qWaitFor([info] { return !info->text().isEmpty(); }, 10000);
            said = info->text();
            keptName = d->findChild<QLineEdit *>(QStringLiteral("m_UserNamelineEdit"))->text();
            keptPassword = d->findChild<QLineEdit *>(QStringLiteral("m_UserPasswordlineEdit"))->text();
            d->findChild<QPushButton *>(QStringLiteral("m_CancelBtn"))->click();
        });
        child<QPushButton>(m_dlg.get(), "m_AddUserBtn")->click();
        QCOMPARE(said, QStringLiteral("Configuration failed"));
        QCOMPARE(keptName, QStringLiteral("admin"));
        QCOMPARE(keptPassword, QStringLiteral("again"));
        QVERIFY(!toastTexts().contains(QStringLiteral("Configuration successful")));
        QCOMPARE(table()->rowCount(), CUserManageDlg::MaxUsers - 1);
        closeToasts();
        onModal<AddClientUserDlg>([](AddClientUserDlg *d) {
            for (QLineEdit *edit : d->findChildren<QLineEdit *>())
                edit->setText(QStringLiteral("last"));
            d->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
        });
        child<QPushButton>(m_dlg.get(), "m_AddUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), CUserManageDlg::MaxUsers, 10000);

        QPushButton *add = child<QPushButton>(m_dlg.get(), "m_AddUserBtn");
        QVERIFY(!opensModal<AddClientUserDlg>([add] { add->click(); }));
        QVERIFY(toastTexts().contains(QStringLiteral("Device user limit reached")));
    }

    void deleteUsers()
    {
        SimDevice *cam = m_cams[Delete].get();
        addOnCamera(Delete, {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"), QStringLiteral("a4")});
        open(Delete);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 5, 10000);

        // Declined: nothing sent. Confirmed: one 14015, then a fresh list.
        onModal<CustomDialog>([](CustomDialog *d) { d->reject(); });
        QTest::mouseClick(rowButton(QStringLiteral("a1"), "pushButtonDelete"), Qt::LeftButton);
        QVERIFY(roundTrip(record(Delete)));
        QCOMPARE(cam->requestCount(14015), 0);
        QString question;
        onModal<CustomDialog>([&question](CustomDialog *d) {
            for (QLabel *l : d->findChildren<QLabel *>())
                question += l->text() + QLatin1Char('|');
            d->accept();
        });
        QTest::mouseClick(rowButton(QStringLiteral("a1"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 4, 10000);
        QVERIFY2(question.contains(QStringLiteral("Are you sure you want to delete this user?")), qPrintable(question));
        QCOMPARE(sentNames(cam, 14015), QStringList({QStringLiteral("a1")}));

        // "admin" through its key is passed over without a question.
        m_dlg->onDelBtnClicked(QStringLiteral("admin"));
        QCOMPARE(cam->requestCount(14015), 1);

        // Checked "admin", a2 and a4: one question, 14015 for a2 and a4, one list.
        for (const QString &name : {QStringLiteral("admin"), QStringLiteral("a2"), QStringLiteral("a4")})
            table()->item(CUserManageDlg::findRow(name, table(), 0), 0)->setCheckState(Qt::Checked);
        int lists = cam->requestCount(14013);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        child<QPushButton>(m_dlg.get(), "m_DeleteUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(column(table(), 0), QStringList({QStringLiteral("admin"), QStringLiteral("a3")}),
                                  10000);
        QCOMPARE(sentNames(cam, 14015),
                 QStringList({QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a4")}));
        QCOMPARE(cam->requestCount(14013), lists + 1);

        // Only "admin" checked: nothing deleted, the list still asked for.
        table()->item(0, 0)->setCheckState(Qt::Checked);
        lists = cam->requestCount(14013);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        child<QPushButton>(m_dlg.get(), "m_DeleteUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14013), lists + 1, 10000);
        QCOMPARE(cam->requestCount(14015), 3);
    }

    // Without a contact, "admin" cannot be edited; "Edit Contact" sets one.
    void adminNeedsContact()
    {
        SimDevice *cam = m_cams[Contact].get();
        cam->setStoredValue(14017, QStringLiteral("contactAddress"), QString());
        open(Contact);
        bool editOpened = false;
        const ModalWait guard = onModal<EditClientUserDlg>(
            [&editOpened](EditClientUserDlg *d) {
                editOpened = true;
                d->reject();
            },
            1000);
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY(toastTexts().contains(QStringLiteral(
            "Please fill in the contact information first before changing the password of admin account.")));
        // The dialog would have opened inside the click.
        guard.giveUp();
        QVERIFY(!editOpened);

        QString preselected;
        onModal<CEditContactDlg>([&preselected](CEditContactDlg *d) {
            preselected = d->findChild<QComboBox *>(QStringLiteral("m_cbContactType"))->currentText();
            fillAndOk(d, {{"m_editContact", QStringLiteral(" 86-13900001111 ")}});
        });
        child<QPushButton>(m_dlg.get(), "m_EditContactBtn")->click();
        QCOMPARE(preselected, QStringLiteral("Mobile Phone"));
        QTRY_COMPARE_WITH_TIMEOUT(table()->item(0, 2)->text(), QStringLiteral("86-13900001111"), 10000);
        QTRY_VERIFY(toastTexts().contains(QStringLiteral("Configuration successful")));

        onModal<EditClientUserDlg>([&editOpened](EditClientUserDlg *d) {
            editOpened = true;
            d->reject();
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY(editOpened);
        QCOMPARE(cam->requestCount(14016), 0);
    }

    // The client's own login account: the camera takes the new password,
    // exactly one record change follows and the client logs in with it.
    void loginPasswordChange()
    {
        SimDevice *cam = m_cams[Login].get();
        open(Login);
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        const int lists = cam->requestCount(14013);
        const QString fresh = QStringLiteral("n&w<pw");
        onModal<EditClientUserDlg>([fresh](EditClientUserDlg *d) {
            fillAndOk(d, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", fresh},
                          {"m_ConfirmUserPasswordlineEdit", fresh}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration successful")), 10000);
        QCOMPARE(cam->state().password, fresh);
        QTRY_VERIFY_WITH_TIMEOUT(record(Login) && record(Login)->password == fresh && record(Login)->loginStatus == 1,
                                 20000);
        // The record counts as logged in from the connect on, before the
        // camera has read the login: wait for the login itself.
        QTRY_COMPARE_WITH_TIMEOUT(cam->requests(14012).last().body.value(QStringLiteral("password")), fresh, 10000);
        // The list is read again after the change, over the new login.
        QTRY_VERIFY_WITH_TIMEOUT(cam->requestCount(14013) > lists, 10000);
        QVERIFY(roundTrip(record(Login)));
        QCOMPARE(modified.count(), 1);
    }

    // On a camera slow to answer, a delete and then a password change the
    // camera refuses: the refusal is said, and the client's record keeps the
    // password the camera holds.
    void deleteThenRefusedChange()
    {
        SimDevice *cam = m_cams[Slow].get();
        addOnCamera(Slow, {QStringLiteral("bob")});
        open(Slow);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 2, 10000);
        cam->setCommandDelay(Cmd::DeleteUser, 1500);
        cam->setCommandDelay(Cmd::ChangePassword, 1500);
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("bob"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, 10000);
        cam->setStoredValue(Cmd::GetContact, QStringLiteral("contactAddress"), QString()); // the camera now refuses
        closeToasts();
        onModal<EditClientUserDlg>([](EditClientUserDlg *d) {
            fillAndOk(d, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("refused")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("refused")}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(Cmd::ChangePassword), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Please set contact first.")), 10000);
        QVERIFY(roundTrip(record(Slow)));
        QCOMPARE(cam->state().password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(record(Slow)->password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(record(Slow)->loginStatus, 1);
    }

    // The login account's password change beside another account's: the
    // camera loses its refusal of the login account's change and then is
    // asked bob's; it holds the success of bob's change until the refusal of
    // the login account's came; it answers everything honestly at three
    // quarters of the deadline, bob's change first or second (then it waits
    // for the camera's login with the new password); or it repeats the
    // success of bob's change while the login account's waits for its
    // refusal; or it takes the login account's change and the connection
    // breaks before the answer (the next login, refused with the stored
    // password, is tried once more with the new one). The client's record, in the registry and the database, ends
    // with the password the camera holds, and the camera takes the client's
    // next login.
    void loginChangeBesideAnother_data()
    {
        QTest::addColumn<int>("cam");
        QTest::addColumn<QString>("first");   // whose change goes out first
        QTest::addColumn<QList<int>>("plan"); // the camera's answers; none: all of them slow
        QTest::addColumn<QString>("held");    // the password the camera holds at the end
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<int>("modified"); // record changes announced
        QTest::addColumn<int>("sent");     // changes that reached the camera
        const QString success = SharedTexts::configSuccessText();
        const auto otherTaken = [](int cam) {
            return RecordKeeper::otherTakenText(QStringLiteral("Camera %1 (%2)").arg(cam).arg(camIp(cam)));
        };
        const QString waiting = ConfigConversation::waitingText();
        const QString admin = QStringLiteral("admin");
        const QString bob = QStringLiteral("bob");
        QTest::newRow("refusal lost, then another account's change")
            << int(BesideLost) << admin << QList<int>{-1} << DEFAULT_DEV_PASSWORD
            << QStringList{waiting, ConfigConversation::noAnswerText(), ConfigConversation::saveOutOfStepText()} << 0
            << 1;
        QTest::newRow("another account's success held until the refusal came")
            << int(BesideHeld) << bob << QList<int>{SimDevice::Held} << DEFAULT_DEV_PASSWORD
            << QStringList{waiting, ConfigConversation::noAnswerText(), ConfigConversation::saveOutOfStepText(),
                           ConfigConversation::savedLateText()}
            << 0 << 1;
        QTest::newRow("an honest slow camera") << int(BesideSlow) << bob << QList<int>{} << QStringLiteral("slow-new")
                                               << QStringList{waiting, success, success} << 1 << 2;
        QTest::newRow("two changes in a row on a slow camera")
            << int(BesideTwo) << admin << QList<int>{} << QStringLiteral("two-new")
            << QStringList{waiting, success, success} << 1 << 2;
        QTest::newRow("a repeated success pays the refused change")
            << int(BesideRepeat) << bob << QList<int>{SimDevice::Repeated, SimDevice::Held} << DEFAULT_DEV_PASSWORD
            << QStringList{success, success, otherTaken(BesideRepeat)} << 2 << 2;
        QTest::newRow("the change taken, the connection cut before its answer")
            << int(BesideCut) << admin << QList<int>{SimDevice::Held} << QStringLiteral("cut-new")
            << QStringList{ConfigConversation::connectionLostText(), otherTaken(BesideCut)} << 1 << 1;
    }

    void loginChangeBesideAnother()
    {
        QFETCH(int, cam);
        QFETCH(QString, first);
        QFETCH(QList<int>, plan);
        QFETCH(QString, held);
        QFETCH(QStringList, said);
        QFETCH(int, modified);
        QFETCH(int, sent);
        SimDevice *sim = m_cams[cam].get();
        addOnCamera(cam, {QStringLiteral("bob")});
        open(cam);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 2, 10000);
        // A slow device's answers come well inside their deadline however
        // busy the machine is; the others' lost answers expire soon.
        ConfigConversation::setTimeoutMs(cam == BesideLost || cam == BesideHeld ? 2000 : 20000);
        QSignalSpy modifications(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        if (plan.isEmpty())
            sim->setCommandDelay(Cmd::ChangePassword, 1500);
        else
            sim->planReplies(Cmd::ChangePassword, plan);
        // The camera refuses a new "admin" password without a contact
        // (result 8); the dialog knows the one it read.
        const bool refused = held == DEFAULT_DEV_PASSWORD;
        const auto edit = [this, sim, refused, held](const QString &user) {
            const QString old = user == DEFAULT_DEV_USER ? DEFAULT_DEV_PASSWORD : QStringLiteral("pw-bob");
            const QString fresh = user != DEFAULT_DEV_USER ? QStringLiteral("bob-new")
                                  : refused                ? QStringLiteral("refused")
                                                           : held;
            if (user == DEFAULT_DEV_USER && refused)
                sim->setStoredValue(Cmd::GetContact, QStringLiteral("contactAddress"), QString());
            onModal<EditClientUserDlg>([old, fresh](EditClientUserDlg *d) {
                fillAndOk(d, {{"lineEditOld", old},
                              {"m_NewUserPasswordlineEdit", fresh},
                              {"m_ConfirmUserPasswordlineEdit", fresh}});
            });
            QTest::mouseClick(rowButton(user, "pushButtonEdit"), Qt::LeftButton);
        };
        // The list read after the first change is back before the second is clicked.
        const int lists = sim->requestCount(Cmd::GetUsers);
        ToastLog log;
        // Nothing shows what the camera took but the next login.
        if (cam == BesideCut)
            sim->planReplies(Cmd::GetUsers, {SimDevice::Held});
        edit(first);
        QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(Cmd::ChangePassword), 1, 10000);
        if (cam == BesideCut) {
            sim->dropConnections();
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(sim->requestCount(Cmd::GetUsers) > lists, 10000);
            QVERIFY(roundTrip(record(cam)));
            edit(first == DEFAULT_DEV_USER ? QStringLiteral("bob") : DEFAULT_DEV_USER);
        }
        // The second change waits its turn, said so, and nothing of it reaches the camera meanwhile.
        if (said.first() == ConfigConversation::waitingText()) {
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::waitingText()), 10000);
            QVERIFY(roundTrip(record(cam)));
            QCOMPARE(sim->requestCount(Cmd::ChangePassword), 1);
        }
        if (cam == BesideHeld)
            QTRY_VERIFY_WITH_TIMEOUT(log.said().contains(ConfigConversation::saveOutOfStepText()), 10000);
        if (cam == BesideRepeat)
            QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(Cmd::ChangePassword), 2, 10000);
        if (cam == BesideHeld || cam == BesideRepeat)
            QVERIFY(sim->releaseHeld(Cmd::ChangePassword));
        QTRY_COMPARE_WITH_TIMEOUT(log.said().size(), said.size(), 20000);
        // A new password logs in anew with it.
        QTRY_VERIFY_WITH_TIMEOUT(record(cam) && record(cam)->password == held && record(cam)->loginStatus == 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(roundTrip(record(cam), 2000), 20000);
        QCOMPARE(log.said(), said);
        QVERIFY(!toastTexts().contains(ConfigConversation::waitingText()));
        QCOMPARE(sim->requestCount(Cmd::ChangePassword), sent);
        if (cam == BesideCut) {
            const QList<SimRequest> logins = sim->requests(Cmd::Login);
            QCOMPARE(logins.at(logins.size() - 2).body.value(QStringLiteral("password")), DEFAULT_DEV_PASSWORD);
            QCOMPARE(logins.last().body.value(QStringLiteral("password")), held);
        }
        QCOMPARE(sim->state().password, held);
        QTRY_COMPARE_WITH_TIMEOUT(storedDevice(camIp(cam)).password, held, 10000);
        QCOMPARE(modifications.count(), modified);

        // The next login: after the way back the lost answer offers, or after
        // the camera dropped the connection.
        const int logins = sim->requestCount(Cmd::Login);
        if (cam == BesideLost) {
            onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
            QTest::mouseClick(child<QPushButton>(m_dlg.get(), "pushButtonReconnect"), Qt::LeftButton);
        } else {
            sim->dropConnections();
        }
        QTRY_VERIFY_WITH_TIMEOUT(sim->requestCount(Cmd::Login) > logins && record(cam)->loginStatus == 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(roundTrip(record(cam), 2000), 20000);
        QCOMPARE(sim->requests(Cmd::Login).last().body.value(QStringLiteral("password")), held);
        QCOMPARE(record(cam)->loginStatus, 1);
    }

    void editChecks_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("sent");
        // The camera's real password, so "admin" sending it back changes no record.
        const QString known = DEFAULT_DEV_PASSWORD;
        QTest::newRow("wrong old first") << "ann"
                                         << "x"
                                         << "a"
                                         << "b"
                                         << "Incorrect old password"
                                         << "";
        QTest::newRow("mismatch") << "ann" << known << "a"
                                  << "b"
                                  << "New password and confirmation password do not match"
                                  << "";
        QTest::newRow("same as old") << "ann" << known << known << known
                                     << "New password cannot be the same as the old password"
                                     << "";
        QTest::newRow("empty for a user") << "ann" << known << ""
                                          << ""
                                          << "Incomplete information"
                                          << "";
        QTest::newRow("empty for admin sends old") << "admin" << known << ""
                                                   << ""
                                                   << "" << known;
        QTest::newRow("spaces kept") << "ann" << known << " new1 "
                                     << " new1 "
                                     << ""
                                     << " new1 ";
    }

    void editChecks()
    {
        QFETCH(QString, user);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, sent);
        SimDevice *cam = m_cams[Other].get();
        cam->clearRequests();
        EditClientUserDlg edit;
        edit.setModal(false);
        edit.show();
        edit.setUserInfo(record(Other),
                         {{QStringLiteral("userName"), user}, {QStringLiteral("password"), DEFAULT_DEV_PASSWORD}});
        QVERIFY(!child<QLineEdit>(&edit, "m_UserNamelineEdit")->isEnabled());
        for (const char *name : {"lineEditOld", "m_NewUserPasswordlineEdit", "m_ConfirmUserPasswordlineEdit"})
            QCOMPARE(child<QLineEdit>(&edit, name)->echoMode(), QLineEdit::Password);
        child<QLineEdit>(&edit, "lineEditOld")->setText(oldPassword);
        child<QLineEdit>(&edit, "m_NewUserPasswordlineEdit")->setText(newPassword);
        child<QLineEdit>(&edit, "m_ConfirmUserPasswordlineEdit")->setText(confirm);
        QTest::keyClick(&edit, Qt::Key_Enter); // acts as OK
        if (!message.isEmpty()) {
            QVERIFY(edit.isVisible());
            QCOMPARE(child<QLabel>(&edit, "m_lblTextInfo")->text(), message);
            QVERIFY(roundTrip(record(Other)));
            QCOMPARE(cam->requestCount(14016), 0);
            return;
        }
        QCOMPARE(edit.result(), int(QDialog::Accepted));
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14016), 1, 10000);
        QVERIFY2(cam->requests(14016).first().bodyText.contains("<password>" + markup(sent) + "</password>"),
                 qPrintable(cam->requests(14016).first().bodyText));
        // Sent on its own, no answer is read and nothing waits for one: no
        // record change.
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        QVERIFY(!edit.hasPending());
        QVERIFY(roundTrip(record(Other)));
        QCOMPARE(modified.count(), 0);
    }

    // A change is answered for the account it was sent for: the dialog
    // opened meanwhile for the login account lends it nothing.
    void changeBelongsToItsAccount()
    {
        EditClientUserDlg edit;
        edit.setModal(false);
        edit.show();
        ConfigConversation conversation;
        conversation.setDevice(record(Other));
        connect(&conversation, &ConfigConversation::replied, &edit,
                [&edit](QObject *, const ConfigReply &reply) { edit.modifyDevInfoEx(reply); });
        edit.setRoute(UserRequestRoute{&conversation, &edit});
        const QString login = record(Other)->userName;
        const QString password = record(Other)->password;
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        edit.setUserInfo(record(Other), {{QStringLiteral("userName"), QStringLiteral("ann")},
                                         {QStringLiteral("password"), DEFAULT_DEV_PASSWORD}});
        fillAndOk(&edit, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("ann-new")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("ann-new")}});
        QCOMPARE(edit.result(), int(QDialog::Accepted));
        QVERIFY(edit.hasPending());
        edit.setUserInfo(record(Other),
                         {{QStringLiteral("userName"), login}, {QStringLiteral("password"), DEFAULT_DEV_PASSWORD}});
        edit.reject();
        // The camera answers ann's change.
        QTRY_VERIFY_WITH_TIMEOUT(!edit.hasPending(), 10000);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(record(Other)->password, password);
    }

    // Another camera's list never reaches this dialog; this camera's does.
    void otherCameraIgnored()
    {
        open(Other);
        const QStringList before = column(table(), 0);
        const QString list = QStringLiteral(
            "<contactAddress>x@example.com</contactAddress><user><userName>intruder</userName><password>p</password></user>");
        m_cams[Road]->pushMessage(14013, list);
        m_cams[Road]->pushMessage(14016, QString(), 8);
        QVERIFY(roundTrip(record(Road)));
        QCOMPARE(column(table(), 0), before);
        QVERIFY(!toastTexts().contains(QStringLiteral("Please set contact first.")));

        // This camera's list unasked changes nothing either; asked for, a
        // user element without children gives no row and the rows close up.
        m_cams[Other]->pushMessage(14013, QStringLiteral("<user><userName>unasked</userName></user>"));
        QVERIFY(roundTrip(record(Other)));
        QCOMPARE(column(table(), 0), before);
        m_cams[Other]->setReplyRewrite(
            14013,
            [](const QString &envelope) {
                QString text = envelope;
                return text
                    .replace(QRegularExpression(QStringLiteral("<body>.*</body>")),
                             QStringLiteral("<body><user></user><user><userName>kept</userName></user></body>"))
                    .toUtf8();
            },
            1);
        m_dlg->getUsers();
        QTRY_COMPARE_WITH_TIMEOUT(column(table(), 0), QStringList({QStringLiteral("kept")}), 10000);
    }

    // A list whose reply never came is marked, and adds nothing;
    // "Reconnect and read again" brings it back, and the mark goes.
    void lostListComesBack()
    {
        addOnCamera(Lost, {QStringLiteral("kept")});
        ConfigConversation::setTimeoutMs(1500);
        m_cams[Lost]->planReplies(14013, {-1});
        open(Lost, false);
        QTRY_VERIFY_WITH_TIMEOUT(m_dlg->findChild<QPushButton *>(QStringLiteral("pushButtonReconnect")), 10000);
        auto *back = child<QPushButton>(m_dlg.get(), "pushButtonReconnect");
        auto *mark = child<QLabel>(m_dlg.get(), "labelReadFailed");
        QVERIFY(back->isVisible() && mark->isVisible());
        QCOMPARE(table()->rowCount(), 0);
        QPushButton *add = child<QPushButton>(m_dlg.get(), "m_AddUserBtn");
        QVERIFY(!opensModal<AddClientUserDlg>([add] { add->click(); }));
        QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));

        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(column(table(), 0), QStringList({"admin", "kept"}), 10000);
        QVERIFY(!back->isVisible() && !mark->isVisible());
        QVERIFY(opensModal<AddClientUserDlg>([add] { add->click(); }));
    }

    void revealPassword()
    {
        addOnCamera(Reveal, {QStringLiteral("viewer")});
        open(Reveal);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 2, 10000);
        const int row = CUserManageDlg::findRow(QStringLiteral("viewer"), table(), 0);
        QString refusal;
        bool stayedOpen = false;
        onModal<Authentication>([&](Authentication *d) {
            fillAndOk(d, {{"m_ConfirmUserPasswordlineEdit", QStringLiteral("wrong")}});
            stayedOpen = d->isVisible();
            refusal = d->findChild<QLabel *>(QStringLiteral("m_lblTextInfo"))->text();
            d->reject();
        });
        QTest::mouseClick(rowButton(QStringLiteral("viewer"), "pushButtonPassword"), Qt::LeftButton);
        QTRY_VERIFY(stayedOpen);
        QVERIFY(!refusal.isEmpty());
        QCOMPARE(table()->item(row, 1)->text(), PASSWORD_MASK);

        // The right password while another program holds the database: said
        // as such at once, not as a wrong password, and nothing revealed.
        {
            HeldDatabase held;
            QVERIFY(held.isHeld());
            stayedOpen = false;
            onModal<Authentication>([&](Authentication *d) {
                fillAndOk(d, {{"m_ConfirmUserPasswordlineEdit", DEFAULT_LOCAL_PASSWORD}});
                stayedOpen = d->isVisible();
                refusal = d->findChild<QLabel *>(QStringLiteral("m_lblTextInfo"))->text();
                d->reject();
            });
            QTest::mouseClick(rowButton(QStringLiteral("viewer"), "pushButtonPassword"), Qt::LeftButton);
            QTRY_VERIFY(stayedOpen);
            QCOMPARE(refusal, QStringLiteral("Reading failed: the database is in use by another program"));
            QCOMPARE(table()->item(row, 1)->text(), PASSWORD_MASK);
        }

        onModal<Authentication>([](Authentication *d) {
            fillAndOk(d, {{"m_ConfirmUserPasswordlineEdit", DEFAULT_LOCAL_PASSWORD}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("viewer"), "pushButtonPassword"), Qt::LeftButton);
        QTRY_COMPARE(table()->item(row, 1)->text(), QStringLiteral("pw-viewer"));
    }

    void headerBox()
    {
        addOnCamera(Header, {QStringLiteral("h1"), QStringLiteral("h2")});
        open(Header);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 3, 10000);
        auto *box = child<QCheckBox>(m_dlg.get(), "headerCheckBox");
        QTRY_COMPARE(box->pos(), table()->mapTo(m_dlg.get(), QPoint(0, 0)));
        QHeaderView *header = table()->horizontalHeader();
        const QPoint section0(header->sectionViewportPosition(0) + 40, header->height() / 2);
        const auto checks = [this] { return CUserManageDlg::getCheckedRows(table(), 0, true); };

        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, section0);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, section0);
        QCOMPARE(box->checkState(), Qt::Checked);
        QCOMPARE(checks(), QStringList({"0", "1", "2"}));
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, section0);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, section0);
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QVERIFY(checks().isEmpty());

        box->click();
        QCOMPARE(checks().size(), 3);
        QTableWidgetItem *item = table()->item(1, 0);
        item->setCheckState(Qt::Unchecked);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualItemRect(item).center());
        QCOMPARE(box->checkState(), Qt::Unchecked);
        // Return and Esc leave the dialog open, the ticks as they were.
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QTest::keyClick(m_dlg.get(), Qt::Key_Return);
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(checks(), QStringList({"0", "2"}));
    }

    // In the program's style sheet the help text shows all its lines.
    void contactHelpShowsWhole()
    {
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
        CEditContactDlg dlg;
        dlg.setModal(false);
        dlg.show();
        const QLabel *help = child<QLabel>(&dlg, "m_lblTextInfo");
        const int needed = help->heightForWidth(help->width());
        const int shown = help->height();
        qApp->setStyleSheet(QString());
        QVERIFY2(shown >= needed, qPrintable(QStringLiteral("%1 < %2").arg(shown).arg(needed)));
    }

    void contactPatterns_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: sent
        const QString phone = QStringLiteral("Invalid phone number!");
        const QString mail = QStringLiteral("Invalid email!");
        QTest::newRow("shortest phone") << 0 << "1-1234567"
                                        << "";
        QTest::newRow("longest phone") << 0 << "1234-123456789012345"
                                       << "";
        QTest::newRow("no hyphen") << 0 << "8613900001111" << phone;
        QTest::newRow("five-digit code") << 0 << "12345-1234567" << phone;
        QTest::newRow("six digits") << 0 << "86-123456" << phone;
        QTest::newRow("sixteen digits") << 0 << "86-1234567890123456" << phone;
        QTest::newRow("empty phone") << 0 << "" << phone;
        QTest::newRow("mail") << 1 << " a.b_c%d+e-f@mail.example.com "
                              << "";
        QTest::newRow("one-letter ending") << 1 << "a@example.c" << mail;
        QTest::newRow("markup") << 1 << "a<b@example.com" << mail;
        QTest::newRow("empty mail") << 1 << "" << mail;
    }

    void contactPatterns()
    {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QString, message);
        SimDevice *cam = m_cams[Other].get();
        cam->clearRequests();
        CEditContactDlg dlg;
        dlg.setModal(false);
        dlg.show();
        dlg.setContactInfo(record(Other), QStringLiteral("given@example.com"));
        auto *kind = child<QComboBox>(&dlg, "m_cbContactType");
        QCOMPARE(kind->currentIndex(), 1);
        kind->setCurrentIndex(type);
        child<QLineEdit>(&dlg, "m_editContact")->setText(text);
        QTest::keyClick(&dlg, Qt::Key_Return);
        if (!message.isEmpty()) {
            QCOMPARE(child<QLabel>(&dlg, "m_lblTips")->text(), message);
            QCOMPARE(dlg.contactAddress(), QStringLiteral("given@example.com"));
            QVERIFY(dlg.isVisible());
            return;
        }
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.contactAddress(), text.trimmed());
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14018), 1, 10000);
        QCOMPARE(cam->requests(14018).first().body.value(QStringLiteral("contactAddress")), text.trimmed());
    }

    // With the program's style sheet the help text under the contact field is
    // shown whole (its last lines were hidden behind the buttons).
    void contactHelpTextWhole()
    {
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
        int shown = 0;
        int needed = 0;
        {
            CEditContactDlg dlg;
            dlg.setModal(false);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            auto *help = child<QLabel>(&dlg, "m_lblTextInfo");
            shown = help->height();
            needed = help->heightForWidth(help->width());
        }
        qApp->setStyleSheet(QString());
        QVERIFY2(shown >= needed, qPrintable(QStringLiteral("%1 < %2").arg(shown).arg(needed)));
    }
};

QTEST_MAIN(TestUserManage)
#include "tst_usermanage.moc"
