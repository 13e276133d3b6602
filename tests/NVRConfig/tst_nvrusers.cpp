// The NVR user dialog with real parts: the main window over a database file,
// each test with a simulated NVR of its own on 127.78.36.x (logged in as
// "admin"), the dialogs driven with QTest, and what reaches the NVR read from
// its log.

#include "Authentication.h"
#include "CEditContactDlg.h"
#include "CNVRAuthSetting.h"
#include "CNVREditClientUserDlg.h"
#include "CNVRUserManageDlg.h"
#include "CUserManageDlg.h"
#include "ConfigConversation.h"
#include "CustomDialog.h"
#include "DeviceCommands.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "EditClientDevDlg.h"
#include "DevicePagesTestUtil.h"
#include "ForgotPassword.h"
#include "DeviceRoundTrip.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"
#include "SettingsKeeper.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <map>
#include <memory>

using namespace DevicePagesTest;

namespace {

enum Nvr {
    Road,
    Delete,
    Add,
    Contact,
    Login,
    Reject,
    Rights,
    Other,
    Checks,
    Reveal,
    Lost,
    Slow,
    Doubt,
    // One each for the login account's change beside another change.
    BesideLost,
    BesideHeld,
    BesideSlow,
    BesideTwo,
    BesideRepeat,
    BesideListed,
    BesideReset,
    BesideEdit,
    BesideRestart,
    NvrCount
};

QString nvrIp(int nvr)
{
    return QStringLiteral("127.78.36.%1").arg(nvr + 2);
}

QStringList column(QTableWidget *table, int col)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << (table->item(row, col) ? table->item(row, col)->text() : QString());
    return texts;
}

// The account records of the 14014 requests, as (operationType, userName) texts.
QStringList sentRecords(SimDevice *nvr)
{
    QStringList records;
    for (const SimRequest &r : nvr->requests(14014)) {
        for (const QString &piece : findAllXmlElements(r.xml, QStringLiteral("userAcount"))) {
            const auto fields = findValuesInXml(piece, QStringLiteral("userAcount"));
            records << fields.value(QStringLiteral("operationType")) + QLatin1Char(':')
                           + fields.value(QStringLiteral("userName"));
        }
    }
    return records;
}

void fillAndOk(QWidget *dialog, const QList<QPair<const char *, QString>> &fields)
{
    for (const auto &field : fields)
        dialog->findChild<QLineEdit *>(QLatin1String(field.first))->setText(field.second);
    dialog->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
}

} // namespace

class TestNvrUsers : public QObject
{
    Q_OBJECT

    std::map<int, std::unique_ptr<SimDevice>> m_nvrs;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<CNVRUserManageDlg> m_dlg;

    FUN_DEV_INFO *record(int nvr) const { return DeviceInfoManager::instance()->findDevInfo(nvrIp(nvr)); }
    QTableWidget *table() const { return child<QTableWidget>(m_dlg.get(), "m_AddDevTableWidget"); }

    QPushButton *rowButton(const QString &user, const char *name)
    {
        const int row = CUserManageDlg::findRow(user, table(), 0);
        return row < 0 ? nullptr : child<QPushButton>(table()->cellWidget(row, 4), name);
    }

    void open(int nvr, int rows)
    {
        m_dlg = std::make_unique<CNVRUserManageDlg>();
        m_dlg->setModal(false);
        m_dlg->show();
        m_dlg->updateDevice(record(nvr));
        m_dlg->getUsers();
        m_dlg->resetHeaderCheckBox();
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), rows, 10000);
    }

    // Accounts made on the NVR directly, as another client would.
    void addOnNvr(int nvr, const QStringList &names, const QString &status = QStringLiteral("1"),
                  const QString &local = QStringLiteral("11111111"),
                  const QString &remote = QStringLiteral("1111111111"))
    {
        const int before = m_nvrs[nvr]->requestCount(14014);
        for (const QString &name : names) {
            CUserManageDlg::sendRequest(
                nvrIp(nvr), 14014,
                QStringLiteral("<userNum>1</userNum><userAcount><operationType>1</operationType><userName>%1</userName>"
                               "<passWord>pw-%1</passWord><status>%2</status><email>%1@example.com</email>"
                               "<localAuthority>%3</localAuthority><remoteAuthority>%4</remoteAuthority></userAcount>")
                    .arg(name, status, local, remote));
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_nvrs[nvr]->requestCount(14014), before + names.size(), 10000);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        CNVRUserManageDlg::setDelays(10, 50);
        for (int nvr = 0; nvr < NvrCount; ++nvr) {
            m_nvrs[nvr] = std::make_unique<SimDevice>(SimDevice::Nvr);
            QVERIFY(m_nvrs[nvr]->listen(QHostAddress(nvrIp(nvr))));
            FUN_DEV_INFO info;
            info.devType = 1;
            info.ip = nvrIp(nvr);
            info.devPort = m_nvrs[nvr]->port();
            info.sn = QStringLiteral("SIM-NVRUSERS-%1").arg(nvr);
            info.name = QStringLiteral("Recorder %1").arg(nvr);
            OrmHelper::AddDevs({&info});
        }
        m_window = std::make_unique<MainWindow>();
        m_window->deviceController()->setLoginRetryDelayMs(300);
        m_window->setUserName(QStringLiteral("admin"));
        m_window->setRights(DEFAULT_RIGHTS);
        for (int nvr = 0; nvr < NvrCount; ++nvr)
            QTRY_VERIFY_WITH_TIMEOUT(record(nvr) && record(nvr)->loginStatus == 1, 20000);
    }

    void cleanup()
    {
        ConfigConversation::setTimeoutMs(6000);
        m_dlg.reset();
        closeToasts();
    }

    void cleanupTestCase() { m_window.reset(); }

    // The shell opens the dialog for an NVR: three accounts, "admin" without
    // Delete and with an Auth button that does nothing.
    void openedFromShell()
    {
        addOnNvr(Road, {QStringLiteral("ann"), QStringLiteral("bob")}, QStringLiteral("0"));
        QString name;
        QStringList users, masks, states, contacts;
        bool adminDelete = true, rightsOpened = false;
        onModal<CNVRUserManageDlg>([&](CNVRUserManageDlg *d) {
            auto *t = d->findChild<QTableWidget *>(QStringLiteral("m_AddDevTableWidget"));
            waitFor([t] { return t->rowCount() == 3; });
            name = d->objectName();
            users = column(t, 0);
            masks = column(t, 1);
            states = column(t, 2);
            contacts = column(t, 3);
            QWidget *adminRow = t->cellWidget(0, 4);
            adminDelete = !adminRow->findChild<QPushButton *>(QStringLiteral("pushButtonDelete"))->isHidden();
            adminRow->findChild<QPushButton *>(QStringLiteral("pushButtonAuth"))->click();
            rightsOpened =
                waitFor([] { return qobject_cast<CNVRAuthSetting *>(QApplication::activeModalWidget()); }, 500);
            if (rightsOpened)
                QApplication::activeModalWidget()->close();
            d->findChild<QPushButton *>(QStringLiteral("m_btnClose"))->click();
        });
        m_window->deviceController()->showDevUser(record(Road));

        QCOMPARE(name, QStringLiteral("NVRUser"));
        QCOMPARE(users, QStringList({"admin", "ann", "bob"}));
        QCOMPARE(masks, QStringList({PASSWORD_MASK, PASSWORD_MASK, PASSWORD_MASK}));
        QCOMPARE(states, QStringList({"Enable", "Disable", "Disable"}));
        QCOMPARE(contacts, QStringList({"owner@example.com", "", ""}));
        QVERIFY(!adminDelete);
        QVERIFY(!rightsOpened);
    }

    void deleteChecked()
    {
        SimDevice *nvr = m_nvrs[Delete].get();
        addOnNvr(Delete, {QStringLiteral("d1"), QStringLiteral("d2"), QStringLiteral("d3")});
        open(Delete, 4);
        nvr->clearRequests();
        for (const char *user : {"admin", "d1", "d3"})
            table()->item(CUserManageDlg::findRow(QLatin1String(user), table(), 0), 0)->setCheckState(Qt::Checked);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        child<QPushButton>(m_dlg.get(), "m_DeleteUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(column(table(), 0), QStringList({"admin", "d2"}), 10000);
        QCOMPARE(nvr->requests(14014).size(), 1);
        QCOMPARE(nvr->requests(14014).first().body.value(QStringLiteral("userNum")), QStringLiteral("2"));
        QCOMPARE(sentRecords(nvr), QStringList({"2:d1", "2:d3"}));

        // Only "admin": nothing sent, the list asked for all the same.
        table()->item(0, 0)->setCheckState(Qt::Checked);
        const int lists = nvr->requestCount(14013);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        child<QPushButton>(m_dlg.get(), "m_DeleteUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(nvr->requestCount(14013), lists + 1, 10000);
        QCOMPARE(nvr->requestCount(14014), 1);
    }

    // Fourteen accounts: the add dialog opens; fifteen: the limit toast.
    void addUpToLimit()
    {
        QStringList names;
        for (int i = 1; i < CNVRUserManageDlg::MaxUsers - 1; ++i)
            names << QStringLiteral("u%1").arg(i);
        addOnNvr(Add, names);
        open(Add, CNVRUserManageDlg::MaxUsers - 1);
        QString title;
        onModal<CNVREditClientUserDlg>([&title](CNVREditClientUserDlg *d) {
            title = d->findChild<QLabel *>(QStringLiteral("m_lblTextTitle"))->text();
            fillAndOk(d, {{"m_UserNamelineEdit", QStringLiteral("last")},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("pw")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("pw")}});
        });
        child<QPushButton>(m_dlg.get(), "m_AddUserBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), CNVRUserManageDlg::MaxUsers, 10000);
        QCOMPARE(title, QStringLiteral("Add User"));
        QCOMPARE(sentRecords(m_nvrs[Add].get()).last(), QStringLiteral("1:last"));

        QPushButton *add = child<QPushButton>(m_dlg.get(), "m_AddUserBtn");
        QVERIFY(!opensModal<CNVREditClientUserDlg>([add] { add->click(); }));
        QVERIFY(toastTexts().contains(QStringLiteral("Device user limit reached")));
    }

    void adminNeedsContact()
    {
        m_nvrs[Contact]->setStoredValue(14017, QStringLiteral("contactAddress"), QString());
        open(Contact, 1);
        bool opened = false;
        const ModalWait guard = onModal<CNVREditClientUserDlg>(
            [&opened](CNVREditClientUserDlg *d) {
                opened = true;
                d->reject();
            },
            1000);
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY(toastTexts().contains(QStringLiteral(
            "Please fill in the contact information first before changing the password of admin account.")));
        // The dialog would have opened inside the click.
        guard.giveUp();
        QVERIFY(!opened);

        onModal<CEditContactDlg>([](CEditContactDlg *d) {
            fillAndOk(d, {{"m_editContact", QStringLiteral("1-2025550123")}});
        });
        child<QPushButton>(m_dlg.get(), "m_EditContactBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(table()->item(0, 3)->text(), QStringLiteral("1-2025550123"), 10000);
        onModal<CNVREditClientUserDlg>([&opened](CNVREditClientUserDlg *d) {
            opened = true;
            d->reject();
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY(opened);
    }

    void editChecks_data()
    {
        QTest::addColumn<QString>("user"); // empty: add mode
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message"); // empty: sent
        QTest::addColumn<QString>("sent");    // operationType:userName:passWord
        const QString known = QStringLiteral("pw-ann");
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
        QTest::newRow("empty for admin sends old") << "admin" << DEFAULT_DEV_PASSWORD << ""
                                                   << ""
                                                   << ""
                                                   << "3:admin:" + DEFAULT_DEV_PASSWORD;
        QTest::newRow("add, empty password") << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "New password cannot be the same as the old password"
                                             << "";
        QTest::newRow("add, markup") << ""
                                     << ""
                                     << "a%3&<b"
                                     << "a%3&<b"
                                     << ""
                                     << "1:new:a%3&<b";
    }

    void editChecks()
    {
        QFETCH(QString, user);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, sent);
        SimDevice *nvr = m_nvrs[Checks].get();
        nvr->clearRequests();
        CNVREditClientUserDlg edit(nullptr, QString());
        edit.setModal(false);
        edit.show();
        if (user.isEmpty()) {
            edit.initAccount(record(Checks), QString());
            QVERIFY(edit.findChild<QLineEdit *>(QStringLiteral("lineEditOld"))->isHidden());
            child<QLineEdit>(&edit, "m_UserNamelineEdit")->setText(QStringLiteral("new"));
        } else {
            edit.setUserInfo(record(Checks),
                             {{QStringLiteral("userName"), user},
                              {QStringLiteral("passWord"), user == "admin" ? DEFAULT_DEV_PASSWORD : "pw-ann"},
                              {QStringLiteral("status"), QStringLiteral("0")}});
            QCOMPARE(child<QComboBox>(&edit, "m_cbxWhetherOpen")->currentIndex(), 0);
        }
        QVERIFY(child<QComboBox>(&edit, "m_cbxWhetherOpen")->isEnabled()); // logged in as "admin"
        QCOMPARE(child<QLineEdit>(&edit, "m_NewUserPasswordlineEdit")->maxLength(), 16);
        child<QLineEdit>(&edit, "lineEditOld")->setText(oldPassword);
        fillAndOk(&edit, {{"m_NewUserPasswordlineEdit", newPassword}, {"m_ConfirmUserPasswordlineEdit", confirm}});
        if (!message.isEmpty()) {
            QCOMPARE(child<QLabel>(&edit, "m_lblTextInfo")->text(), message);
            QVERIFY(edit.isVisible());
            QVERIFY(roundTrip(record(Checks)));
            QCOMPARE(nvr->requestCount(14014), 0);
            return;
        }
        QCOMPARE(edit.result(), int(QDialog::Accepted));
        QTRY_COMPARE_WITH_TIMEOUT(nvr->requestCount(14014), 1, 10000);
        const SimRequest r = nvr->requests(14014).first();
        const auto fields = findValuesInXml(r.xml, QStringLiteral("userAcount"));
        QCOMPARE(QStringList({fields.value("operationType"), fields.value("userName"), fields.value("passWord")})
                     .join(QLatin1Char(':')),
                 sent);
        // Sent on its own, no answer is read and nothing waits for one: the
        // record stays as it is.
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        QVERIFY(!edit.hasPending());
        QVERIFY(roundTrip(record(Checks)));
        QCOMPARE(modified.count(), 0);
    }

    // The one edit dialog opened for another account shows none of the
    // passwords typed for the previous one.
    void editForgetsPreviousAccount()
    {
        CNVREditClientUserDlg edit(nullptr, QString());
        edit.setModal(false);
        edit.show();
        edit.setUserInfo(record(Checks), {{QStringLiteral("userName"), QStringLiteral("ann")},
                                          {QStringLiteral("passWord"), QStringLiteral("pw-ann")}});
        fillAndOk(&edit, {{"lineEditOld", QStringLiteral("pw-ann")},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("pw-new")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("pw-other")}});
        QVERIFY(!child<QLabel>(&edit, "m_lblTextInfo")->text().isEmpty());
        edit.setUserInfo(record(Checks), {{QStringLiteral("userName"), QStringLiteral("admin")},
                                          {QStringLiteral("passWord"), DEFAULT_DEV_PASSWORD}});
        for (const char *name : {"lineEditOld", "m_NewUserPasswordlineEdit", "m_ConfirmUserPasswordlineEdit"})
            QVERIFY2(child<QLineEdit>(&edit, name)->text().isEmpty(), name);
        QVERIFY(child<QLabel>(&edit, "m_lblTextInfo")->text().isEmpty());
    }

    // The login account's new password: one record change once the NVR
    // confirms, and the shell logs in again with it.
    void loginPasswordChange()
    {
        SimDevice *nvr = m_nvrs[Login].get();
        open(Login, 1);
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        const QString fresh = QStringLiteral("n&w<1");
        onModal<CNVREditClientUserDlg>([fresh](CNVREditClientUserDlg *d) {
            fillAndOk(d, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", fresh},
                          {"m_ConfirmUserPasswordlineEdit", fresh}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(record(Login) && record(Login)->password == fresh && record(Login)->loginStatus == 1,
                                 20000);
        QCOMPARE(nvr->state().password, fresh);
        QCOMPARE(nvr->requests(14012).last().body.value(QStringLiteral("password")), fresh);
        QCOMPARE(modified.count(), 1);
    }

    // A refused password edit, then a successful delete: the refused password
    // never reaches the client's record.
    void rejectedEditThenDelete()
    {
        SimDevice *nvr = m_nvrs[Reject].get();
        addOnNvr(Reject, {QStringLiteral("gone")});
        open(Reject, 2);
        nvr->setStoredValue(14017, QStringLiteral("contactAddress"), QString()); // the NVR now refuses
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        onModal<CNVREditClientUserDlg>([](CNVREditClientUserDlg *d) {
            fillAndOk(d, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("never")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("never")}});
        });
        const int lists = nvr->requestCount(14013);
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration failed")), 10000);
        // The list read again after the edit has answered before Delete is
        // clicked, as an operator sees the list back before acting on it.
        QTRY_VERIFY_WITH_TIMEOUT(nvr->requestCount(14013) > lists, 10000);
        QVERIFY(roundTrip(record(Reject)));
        closeToasts();
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("gone"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, 10000);
        QVERIFY(toastTexts().contains(QStringLiteral("Configuration successful")));
        QCOMPARE(modified.count(), 0);
        QCOMPARE(record(Reject)->password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(nvr->state().password, DEFAULT_DEV_PASSWORD);
    }

    // On an honest NVR slow to answer, a delete and then a password change
    // the NVR refuses: the delete's success is its own, the change's refusal
    // is said, and the client's record keeps the password the NVR holds.
    void deleteThenRefusedChange()
    {
        SimDevice *nvr = m_nvrs[Slow].get();
        addOnNvr(Slow, {QStringLiteral("bob")});
        open(Slow, 2);
        nvr->setCommandDelay(14014, 1500);
        QSignalSpy modified(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        closeToasts();
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("bob"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(nvr->requestCount(14014), 2, 10000);
        // The list read after the delete is back before the edit is clicked.
        QTRY_COMPARE_WITH_TIMEOUT(table()->rowCount(), 1, 10000);
        nvr->setStoredValue(14017, QStringLiteral("contactAddress"), QString()); // the NVR now refuses
        onModal<CNVREditClientUserDlg>([](CNVREditClientUserDlg *d) {
            fillAndOk(d, {{"lineEditOld", DEFAULT_DEV_PASSWORD},
                          {"m_NewUserPasswordlineEdit", QStringLiteral("refused")},
                          {"m_ConfirmUserPasswordlineEdit", QStringLiteral("refused")}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("admin"), "pushButtonEdit"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(nvr->requestCount(14014), 3, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration successful")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration failed")), 10000);
        QVERIFY(roundTrip(record(Slow)));
        QCOMPARE(nvr->state().password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(record(Slow)->password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(record(Slow)->loginStatus, 1);
    }

    // A change whose answer never came leaves the NVR's changes in doubt:
    // the next one is not sent, said, and offered the way back; Reconnect
    // asks first, naming the change still out, and after the fresh session
    // the change reaches the NVR.
    void lostChangeOffersReconnect()
    {
        SimDevice *nvr = m_nvrs[Doubt].get();
        addOnNvr(Doubt, {QStringLiteral("first"), QStringLiteral("second")});
        open(Doubt, 3);
        ConfigConversation::setTimeoutMs(1000);
        nvr->planReplies(14014, {-1});
        const int changes = nvr->requestCount(14014);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("first"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::noAnswerText()), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_dlg->isListRead(), 10000);
        auto *mark = m_dlg->findChild<QLabel *>(QStringLiteral("labelReadFailed"));
        QVERIFY(!mark || !mark->isVisible());
        closeToasts();
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("second"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::saveOutOfStepText()), 10000);
        QCOMPARE(nvr->requestCount(14014), changes + 1);
        QTRY_VERIFY_WITH_TIMEOUT(m_dlg->findChild<QLabel *>(QStringLiteral("labelReadFailed"))
                                     && m_dlg->findChild<QPushButton *>(QStringLiteral("pushButtonReconnect")),
                                 5000);
        mark = child<QLabel>(m_dlg.get(), "labelReadFailed");
        auto *back = child<QPushButton>(m_dlg.get(), "pushButtonReconnect");
        QTRY_VERIFY_WITH_TIMEOUT(mark->isVisible() && back->isVisible(), 5000);
        QCOMPARE(mark->text(), ConfigConversation::saveOutOfStepText());

        QString asked;
        onModal<CustomDialog>([&asked](CustomDialog *d) {
            for (QLabel *label : d->findChildren<QLabel *>())
                asked += label->text();
            d->accept();
        });
        const int lists = nvr->requestCount(14013);
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY2(asked.contains(QStringLiteral("A save still waits for the device's answer")), qPrintable(asked));
        QTRY_VERIFY_WITH_TIMEOUT(!back->isVisible() && !mark->isVisible(), 10000);
        // The list is read again over the fresh session before the operator acts on it.
        QTRY_VERIFY_WITH_TIMEOUT(nvr->requestCount(14013) > lists, 10000);
        QVERIFY(roundTrip(record(Doubt)));
        QTRY_VERIFY_WITH_TIMEOUT(m_dlg->isListRead(), 10000);
        closeToasts();
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        QTest::mouseClick(rowButton(QStringLiteral("second"), "pushButtonDelete"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!column(table(), 0).contains(QStringLiteral("second")), 10000);
        QCOMPARE(nvr->requestCount(14014), changes + 2);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Configuration successful")), 10000);
    }

    // The login account's password change beside another change: the NVR
    // loses its refusal of the login account's change and then is asked
    // another account's; it holds a delete's success until the refusal of the
    // login account's change came; it answers everything honestly at three
    // quarters of the deadline, the login account's change first (another
    // account's then waits for the NVR's login with the new password, and
    // the dialog is closed meanwhile) or second; it repeats a delete's
    // success while the login account's change waits for its refusal; it
    // takes the login account's change and loses the answer, which the list
    // read after it shows; or it takes a password reset whose dialog was
    // cancelled before the answer. The client's record, in the registry and
    // the database, ends with the password the NVR holds, and the NVR takes
    // the client's next login.
    void loginChangeBesideAnother_data()
    {
        QTest::addColumn<int>("nvr");
        // admin: its change first, then bob's; bob: bob's delete, then admin's; reset: a password reset alone
        QTest::addColumn<QString>("first");
        QTest::addColumn<QList<int>>("plan"); // the NVR's answers; none: all of them slow
        QTest::addColumn<QString>("held");    // the password the NVR holds at the end
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<int>("modified"); // record changes announced
        QTest::addColumn<int>("sent");     // changes of accounts that reached the NVR
        const QString success = SharedTexts::configSuccessText();
        const auto named = [](int nvr, const QString &words) {
            return ConfigConversation::ofDeviceText(QStringLiteral("Recorder %1 (%2)").arg(nvr).arg(nvrIp(nvr)), words);
        };
        const QString waiting = ConfigConversation::waitingText();
        const QString admin = QStringLiteral("admin");
        const QString bob = QStringLiteral("bob");
        QTest::newRow("refusal lost, then another account's change")
            << int(BesideLost) << admin << QList<int>{-1} << DEFAULT_DEV_PASSWORD
            << QStringList{waiting, ConfigConversation::noAnswerText(), ConfigConversation::saveOutOfStepText()} << 0
            << 1;
        QTest::newRow("a delete's success held until the refusal came")
            << int(BesideHeld) << bob << QList<int>{SimDevice::Held} << DEFAULT_DEV_PASSWORD
            << QStringList{waiting, ConfigConversation::noAnswerText(), ConfigConversation::saveOutOfStepText(),
                           ConfigConversation::savedLateText()}
            << 0 << 1;
        QTest::newRow("an honest slow NVR") << int(BesideSlow) << bob << QList<int>{} << QStringLiteral("slow-new")
                                            << QStringList{waiting, success, success} << 1 << 2;
        QTest::newRow("two changes in a row on a slow NVR, the dialog closed")
            << int(BesideTwo) << admin << QList<int>{} << QStringLiteral("two-new")
            << QStringList{waiting, named(BesideTwo, success), named(BesideTwo, success)} << 1 << 2;
        QTest::newRow("a repeated success pays the refused change")
            << int(BesideRepeat) << bob << QList<int>{SimDevice::Repeated, SimDevice::Held} << DEFAULT_DEV_PASSWORD
            << QStringList{success, success,
                           RecordKeeper::otherTakenText(
                               QStringLiteral("Recorder %1 (%2)").arg(BesideRepeat).arg(nvrIp(BesideRepeat)))}
            << 2 << 2;
        QTest::newRow("the answer lost, the list shows the change")
            << int(BesideListed) << admin << QList<int>{SimDevice::Held} << QStringLiteral("listed-new")
            << QStringList{waiting, ConfigConversation::noAnswerText(), ConfigConversation::saveOutOfStepText(),
                           RecordKeeper::otherTakenText(
                               QStringLiteral("Recorder %1 (%2)").arg(BesideListed).arg(nvrIp(BesideListed)))}
            << 1 << 1;
        QTest::newRow("a slow reset, its dialog cancelled")
            << int(BesideReset) << QStringLiteral("reset") << QList<int>{} << QStringLiteral("reset-new")
            << QStringList{named(BesideReset, success)} << 1 << 0;
        // Edit Device, open meanwhile, confirmed once the record took the reset: no old password goes back.
        QTest::newRow("a slow reset cancelled, then Edit Device confirmed")
            << int(BesideEdit) << QStringLiteral("reset, edit") << QList<int>{} << QStringLiteral("edit-new")
            << QStringList{named(BesideEdit, success)} << 2 << 0;
        QTest::newRow("two changes in a row, the list after the first slow")
            << int(BesideRestart) << admin << QList<int>{} << QStringLiteral("restart-new")
            << QStringList{waiting, success, success} << 1 << 2;
    }

    void loginChangeBesideAnother()
    {
        QFETCH(int, nvr);
        QFETCH(QString, first);
        QFETCH(QList<int>, plan);
        QFETCH(QString, held);
        QFETCH(QStringList, said);
        QFETCH(int, modified);
        QFETCH(int, sent);
        SimDevice *sim = m_nvrs[nvr].get();
        addOnNvr(nvr, {QStringLiteral("bob")});
        open(nvr, 2);
        // A slow device's answers come well inside their deadline however
        // busy the machine is; the others' lost answers expire soon.
        ConfigConversation::setTimeoutMs(plan.contains(-1) || plan == QList<int>{SimDevice::Held} ? 2000 : 20000);
        QSignalSpy modifications(SignalsHelper::instance(), &SignalsHelper::signalModifyDev);
        const int before = sim->requestCount(14014);
        const bool reset = first.startsWith(QLatin1String("reset"));
        if (plan.isEmpty())
            sim->setCommandDelay(reset ? unsigned(Cmd::ResetPassword) : 14014u, 1500);
        else
            sim->planReplies(14014, plan);
        // The NVR refuses a new "admin" password without a contact; the
        // dialog knows the one it listed.
        const bool refused = held == DEFAULT_DEV_PASSWORD;
        const auto edit = [this, sim, refused, held](const QString &user) {
            const QString old = user == DEFAULT_DEV_USER ? DEFAULT_DEV_PASSWORD : QStringLiteral("pw-bob");
            const QString fresh = user != DEFAULT_DEV_USER ? QStringLiteral("bob-new")
                                  : refused                ? QStringLiteral("refused")
                                                           : held;
            if (user == DEFAULT_DEV_USER && refused)
                sim->setStoredValue(14017, QStringLiteral("contactAddress"), QString());
            onModal<CNVREditClientUserDlg>([old, fresh](CNVREditClientUserDlg *d) {
                fillAndOk(d, {{"lineEditOld", old},
                              {"m_NewUserPasswordlineEdit", fresh},
                              {"m_ConfirmUserPasswordlineEdit", fresh}});
            });
            QTest::mouseClick(rowButton(user, "pushButtonEdit"), Qt::LeftButton);
        };
        // The list read after the first change is back before the second is clicked.
        const int lists = sim->requestCount(14013);
        if (nvr == BesideRestart)
            sim->setCommandDelay(14013, 1500);
        ToastLog log;
        if (reset) {
            // As the edit dialog runs it, over its copy of the record; the
            // words say the answer is awaited, and Cancel closes it all the same.
            FUN_DEV_INFO copy = *record(nvr);
            auto forgot = std::make_unique<ForgotPassword>();
            forgot->show();
            forgot->setDevInfo(&copy);
            const bool app = child<QStackedWidget>(forgot.get(), "stackedWidget")->currentWidget()->objectName()
                             == QLatin1String("pagePrivate");
            const QString on = app ? QStringLiteral("Private") : QString();
            for (const QString &field : {QStringLiteral("lineEditPassword"), QStringLiteral("lineEditConfirmPassword")})
                child<QLineEdit>(forgot.get(), qPrintable(field + on))->setText(held);
            child<QLineEdit>(forgot.get(), qPrintable("lineEditSafe" + on))->setText(sim->state().securityCode);
            QTest::mouseClick(child<QPushButton>(forgot.get(), qPrintable("pushButtonOK" + on)), Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(Cmd::ResetPassword), 1, 10000);
            QCOMPARE(child<QLabel>(forgot.get(), qPrintable("labelErrorInfo" + on))->text(),
                     ConfigConversation::awaitingAnswerText());
            QTest::mouseClick(child<QPushButton>(forgot.get(), qPrintable("pushButtonCancel" + on)), Qt::LeftButton);
            QVERIFY(!forgot->isVisible());
            forgot.reset(); // as the edit dialog's own ends with Cancel
            if (nvr == BesideEdit) {
                onModal<EditClientDevDlg>([this, nvr, held](EditClientDevDlg *d) {
                    waitFor([&] { return record(nvr)->password == held; }, 20000);
                    child<QPushButton>(d, "m_OKBtn")->click();
                });
                auto *page = m_window->devicePage();
                const int row = page->getRowIndexByIp(nvrIp(nvr));
                auto *view = child<QTableView>(page, "m_AddDevTableView");
                auto *cell = view->indexWidget(page->model()->index(row, DeviceManageWidget::ColOperation));
                child<QPushButton>(cell, "pushButtonEdit")->click();
            }
        } else if (first == DEFAULT_DEV_USER) {
            edit(first);
        } else {
            onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
            QTest::mouseClick(rowButton(QStringLiteral("bob"), "pushButtonDelete"), Qt::LeftButton);
        }
        if (!reset) {
            QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(14014), before + 1, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(sim->requestCount(14013) > lists, 10000);
            if (nvr == BesideRestart) {
                QString other; // what a restart now, before the fresh login, falls back on
                QVERIFY(SettingsKeeper::readNamed(QStringLiteral("otherPassword:") + nvrIp(nvr), &other));
                QCOMPARE(other, held);
            }
            QVERIFY(roundTrip(record(nvr)));
            edit(first == DEFAULT_DEV_USER ? QStringLiteral("bob") : DEFAULT_DEV_USER);
        }
        // The second change waits its turn, said so, and nothing of it reaches the NVR meanwhile.
        if (said.first() == ConfigConversation::waitingText()) {
            QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(ConfigConversation::waitingText()), 10000);
            QVERIFY(roundTrip(record(nvr)));
            QCOMPARE(sim->requestCount(14014), before + 1);
        }
        // Closed as the operator closes it: the changes go on without it.
        if (nvr == BesideTwo)
            m_dlg.reset();
        if (nvr == BesideHeld)
            QTRY_VERIFY_WITH_TIMEOUT(log.said().contains(ConfigConversation::saveOutOfStepText()), 10000);
        if (nvr == BesideRepeat)
            QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(14014), before + 2, 10000);
        if (nvr == BesideHeld || nvr == BesideRepeat)
            QVERIFY(sim->releaseHeld(14014));
        QTRY_COMPARE_WITH_TIMEOUT(log.said().size(), said.size(), 20000);
        // A new password logs in anew with it.
        QTRY_VERIFY_WITH_TIMEOUT(record(nvr) && record(nvr)->password == held && record(nvr)->loginStatus == 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(roundTrip(record(nvr), 2000), 20000);
        QCOMPARE(log.said(), said);
        QVERIFY(!toastTexts().contains(ConfigConversation::waitingText()));
        QCOMPARE(sim->requestCount(14014), before + sent);
        QCOMPARE(sim->state().password, held);
        QTRY_COMPARE_WITH_TIMEOUT(storedDevice(nvrIp(nvr)).password, held, 10000);
        QCOMPARE(modifications.count(), modified);

        // The next login: after the way back the lost answer offers, or after
        // the NVR dropped the connection.
        const int logins = sim->requestCount(Cmd::Login);
        if (nvr == BesideLost) {
            onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
            QTest::mouseClick(child<QPushButton>(m_dlg.get(), "pushButtonReconnect"), Qt::LeftButton);
        } else {
            sim->dropConnections();
        }
        QTRY_VERIFY_WITH_TIMEOUT(sim->requestCount(Cmd::Login) > logins && record(nvr)->loginStatus == 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(roundTrip(record(nvr), 2000), 20000);
        QCOMPARE(sim->requests(Cmd::Login).last().body.value(QStringLiteral("password")), held);
        QCOMPARE(record(nvr)->loginStatus, 1);
    }

    // A disabled account stays disabled and keeps the rights no box shows.
    void rightsKeepUnseen()
    {
        SimDevice *nvr = m_nvrs[Rights].get();
        addOnNvr(Rights, {QStringLiteral("off")}, QStringLiteral("0"), QStringLiteral("0110110"),
                 QStringLiteral("1111111111"));
        open(Rights, 2);
        nvr->clearRequests();
        QList<bool> local;
        onModal<CNVRAuthSetting>([&local](CNVRAuthSetting *d) {
            for (const char *box : {"m_ChkBoxSystemSetting", "m_ChkBoxLocalPlayBack", "m_ChkBoxLocalPreview"})
                local << d->findChild<QCheckBox *>(QLatin1String(box))->isChecked();
            // Clicked as the operator does: ticked, and unticked.
            d->findChild<QCheckBox *>(QStringLiteral("m_ChkBoxSystemSetting"))->click();
            d->findChild<QCheckBox *>(QStringLiteral("m_ChkBoxRemoteUpgrade"))->click();
            d->findChild<QPushButton *>(QStringLiteral("m_OKBtn"))->click();
        });
        QTest::mouseClick(rowButton(QStringLiteral("off"), "pushButtonAuth"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(nvr->requestCount(14014), 1, 10000);
        // A listed local string of 7 characters shows the positions it has;
        // it is padded, and boxes left alone keep what was listed.
        QCOMPARE(local, QList<bool>({false, true, false}));
        const auto fields = findValuesInXml(nvr->requests(14014).first().xml, QStringLiteral("userAcount"));
        QCOMPARE(fields.value(QStringLiteral("status")), QStringLiteral("0"));
        QCOMPARE(fields.value(QStringLiteral("localAuthority")), QStringLiteral("11101100"));
        QCOMPARE(fields.value(QStringLiteral("remoteAuthority")), QStringLiteral("1111111101"));
        QTRY_COMPARE_WITH_TIMEOUT(table()->item(1, 2)->text(), QStringLiteral("Disable"), 10000);
    }

    // Another NVR's list, and this NVR's list unasked, change nothing; an
    // empty list asked for leaves no blank rows.
    void otherNvrAndEmptyList()
    {
        addOnNvr(Other, {QStringLiteral("kept")});
        open(Other, 2);
        m_nvrs[Road]->pushMessage(14013, QStringLiteral("<userAcount><userName>intruder</userName></userAcount>"));
        m_nvrs[Other]->pushMessage(14013, QString());
        QVERIFY(roundTrip(record(Road)));
        QVERIFY(roundTrip(record(Other)));
        QCOMPARE(column(table(), 0), QStringList({"admin", "kept"}));
        m_nvrs[Other]->setReplyRewrite(
            14013, [](const QString &) { return SimDevice::envelope(14013, 0, QString(), 0).toUtf8(); }, 1);
        // A list without accounts (every NVR has its admin) is a failed read:
        // said, and the table keeps what the NVR listed before.
        closeToasts();
        m_dlg->getUsers();
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::readFailedText()), 10000);
        QCOMPARE(column(table(), 0), QStringList({"admin", "kept"}));
        QVERIFY(!m_dlg->isListRead());
    }

    // A list whose reply never came is said and marked, and adds nothing;
    // "Reconnect and read again" brings it back, and the mark goes.
    void lostListComesBack()
    {
        SimDevice *nvr = m_nvrs[Lost].get();
        addOnNvr(Lost, {QStringLiteral("kept")});
        ConfigConversation::setTimeoutMs(1500);
        nvr->planReplies(14013, {-1});
        open(Lost, 0);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::readFailedText()), 10000);
        auto *back = child<QPushButton>(m_dlg.get(), "pushButtonReconnect");
        auto *mark = child<QLabel>(m_dlg.get(), "labelReadFailed");
        QVERIFY(back->isVisible() && mark->isVisible());
        QCOMPARE(table()->rowCount(), 0);
        QPushButton *add = child<QPushButton>(m_dlg.get(), "m_AddUserBtn");
        QVERIFY(!opensModal<CNVREditClientUserDlg>([add] { add->click(); }));

        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(column(table(), 0), QStringList({"admin", "kept"}), 10000);
        // The fresh session is asked for the list only after its login: a
        // device refuses what comes before.
        const QList<SimRequest> sent = nvr->requests();
        QList<unsigned> fresh;
        for (const SimRequest &r : sent) {
            if (r.connectionId == sent.last().connectionId)
                fresh << r.cmd;
        }
        const int login = fresh.indexOf(unsigned(Cmd::Login));
        QVERIFY2(login >= 0 && login < fresh.indexOf(14013u), qPrintable(QString::number(login)));
        QVERIFY(!back->isVisible() && !mark->isVisible());
        QVERIFY(opensModal<CNVREditClientUserDlg>([add] { add->click(); }));
    }

    void revealPassword()
    {
        addOnNvr(Reveal, {QStringLiteral("shown")});
        open(Reveal, 2);
        onModal<Authentication>([](Authentication *d) {
            fillAndOk(d, {{"m_ConfirmUserPasswordlineEdit", DEFAULT_LOCAL_PASSWORD}});
        });
        QTest::mouseClick(rowButton(QStringLiteral("shown"), "pushButtonPassword"), Qt::LeftButton);
        QTRY_COMPARE(table()->item(1, 1)->text(), QStringLiteral("pw-shown"));
        QCOMPARE(table()->item(1, 3)->text(), QStringLiteral("shown@example.com"));
    }
};

QTEST_MAIN(TestNvrUsers)
#include "tst_nvrusers.moc"
