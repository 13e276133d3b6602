// The device dialogs driven as an operator would: typed input, clicks and keys,
// against simulated devices over loopback and a real database file. The ping
// probe is a fake, so no address typed here is ever pinged.

#include "../support/HeldDatabase.h"
#include "../support/StoredRows.h"
#include "AddClientDevDlg.h"
#include "AddressCheck.h"
#include "CNVRChannelModifyIPDlg.h"
#include "ConfigConversation.h"
#include "CustomDialog.h"
#include "DeviceBatchModify.h"
#include "DeviceCommands.h"
#include "DeviceFormRules.h"
#include "DeviceGroupManage.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "EditClientDevDlg.h"
#include "ForgotPassword.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "ModifyAllIPDlg.h"
#include "ModifyNetInfoDlg.h"
#include "OrmHelper.h"
#include "SimDevice.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTreeView>
#include <QScreen>
#include <QtTest>

using namespace DevicePagesTest;

Q_DECLARE_METATYPE(HeldDatabase::Kind)

namespace {

void typeInto(QWidget *dialog, const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(dialog, name);
    edit->clear();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class FakeFoundTable : public FoundDeviceTable
{
public:
    QStringList ips;
    bool isExisted(const QString &ip) const override { return ips.contains(ip); }
};

} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT

private:
    FakePing m_ping;
    QList<FUN_DEV_INFO *> m_received; // records handed over on the bus
    QMetaObject::Connection m_addConn;

    FUN_DEV_INFO *registerDevice(const QString &ip, int type = 0)
    {
        auto *dev = new FUN_DEV_INFO;
        dev->ip = ip;
        dev->name = ip;
        dev->devType = type;
        DeviceInfoManager::instance()->addDevInfo(dev);
        return dev;
    }

    // The client connected to a simulated device listening at ip, and a
    // record of it for the dialogs (not registered).
    bool connectTo(SimDevice &device, const QString &ip, FUN_DEV_INFO *dev)
    {
        if (!device.listen(QHostAddress(ip)))
            return false;
        KelvoSDKHelper::instance()->connectDev(device.loginKey());
        dev->ip = device.address().toString();
        dev->devPort = device.port();
        return waitFor([&] { return KelvoSDKHelper::instance()->isConnected(device.loginKey()); });
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        m_ping.install();
        DeviceInfoManager::instance()->getGroupsFromDatabase();
        // The bus's receiver takes the records over, as the shell does.
        m_addConn = connect(SignalsHelper::instance(), &SignalsHelper::signalAddDevs, this,
                            [this](QList<FUN_DEV_INFO *> devs) { m_received += devs; });
        SdkTimings t = KelvoSDKHelper::instance()->timings();
        t.replyTimeoutMs = 2000;
        KelvoSDKHelper::instance()->setTimings(t);
    }

    void cleanup()
    {
        closeToasts();
        qDeleteAll(m_received);
        m_received.clear();
        m_ping.answering.clear();
        m_ping.asked.clear();
        DeviceInfoManager::instance()->releaseDevices();
    }

    void cleanupTestCase() { Platform::setPingProbe(nullptr); }

    // ---------------------------------------------------------------- add

    void addDialogRefuses_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("rtsp");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("toast");
        QTest::addColumn<QString>("field"); // at fault: focused and marked

        const QString incomplete = QStringLiteral("Incomplete information");
        const QString invalid = QStringLiteral("Invalid format");
        auto row = [](const char *name, const char *ip, const char *user, const char *port, const char *rtsp,
                      const QString &message, bool toast, const char *field) {
            QTest::newRow(name) << QString(ip) << QString(user) << QString(port) << QString(rtsp) << message << toast
                                << QString(field);
        };
        row("empty address", "", "admin", "2028", "554", incomplete, true, "m_IPlineEdit");
        row("blank user", "10.1.2.4", "   ", "2028", "554", incomplete, true, "m_UserNamelineEdit");
        row("empty port", "10.1.2.4", "admin", "", "554", incomplete, true, "lineEditPort");
        row("three parts", "192.168.1", "admin", "2028", "554", invalid, false, "m_IPlineEdit");
        row("port zero", "10.1.2.4", "admin", "0", "554", invalid, false, "lineEditPort");
        row("port too big", "10.1.2.4", "admin", "70000", "554", invalid, false, "lineEditPort");
        row("rtsp not a number", "10.1.2.4", "admin", "2028", "55x", invalid, false, "lineEditRTSP");
        row("address and port both wrong", "10.1.2.256", "admin", "0", "554", invalid, false, "m_IPlineEdit");
        row("registered", "10.1.2.3", "admin", "2028", "554", SharedTexts::ipInUseText(), true, "m_IPlineEdit");
        // A leading zero is octal to many network stacks.
        row("registered, typed with zeros", "010.001.002.003", "admin", "2028", "554", invalid, false, "m_IPlineEdit");
    }

    void addDialogRefuses()
    {
        QFETCH(QString, ip);
        QFETCH(QString, user);
        QFETCH(QString, port);
        QFETCH(QString, rtsp);
        QFETCH(QString, message);
        QFETCH(bool, toast);
        QFETCH(QString, field);
        registerDevice(QStringLiteral("10.1.2.3"));
        registerDevice(QStringLiteral("10.1.2.3_1"));

        AddClientDevDlg dialog;
        // Away from the screen's corner, where a toast of no window rests.
        dialog.move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);
        typeInto(&dialog, "m_IPlineEdit", ip);
        typeInto(&dialog, "m_UserNamelineEdit", user);
        typeInto(&dialog, "lineEditPort", port);
        typeInto(&dialog, "lineEditRTSP", rtsp);
        QTest::mouseClick(child<QPushButton>(&dialog, "m_OKBtn"), Qt::LeftButton);

        QCOMPARE(child<QLabel>(&dialog, "m_lblTextInfo")->text(), message);
        QCOMPARE(toastTexts().contains(message), toast);
        QCOMPARE(added.count(), 0);
        QVERIFY(dialog.isVisible());
        // The toast rests over the dialog that raised it, on any screen size,
        // clear of its OK and Cancel.
        if (toast) {
            QPointer<MsgTipInfoDlg> tip = dialog.findChild<MsgTipInfoDlg *>();
            QVERIFY(tip);
            QTRY_COMPARE_WITH_TIMEOUT(tip->pos(), tip->endPosition(), 2000);
            QVERIFY(dialog.frameGeometry().contains(tip->frameGeometry()));
            for (const char *name : {"m_OKBtn", "m_CancelBtn"}) {
                auto *button = child<QPushButton>(&dialog, name);
                QVERIFY2(!tip->frameGeometry().intersects(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())),
                         name);
            }
        }
        // The one text fits several fields: the focus and the mark say which.
        auto *atFault = child<QLineEdit>(&dialog, qPrintable(field));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(atFault));
        for (QLineEdit *edit : dialog.findChildren<QLineEdit *>())
            QVERIFY2(framedRed(edit) == (edit == atFault), qPrintable(edit->objectName()));
        // Correcting it takes the mark off.
        QTest::keyClick(atFault, '1');
        QVERIFY(!framedRed(atFault));
    }

    // What the operator types is what is checked: the validator drops no key,
    // the OK check refuses a wrong address with the focus on it, in place.
    void addDialogTypedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rtsp");
        QTest::addColumn<QString>("stored"); // "" refused
        QTest::addColumn<QString>("focus");
        QTest::newRow("999 refused, not cut") << "999.1.1.1"
                                              << "554"
                                              << ""
                                              << "m_IPlineEdit";
        QTest::newRow("256 refused") << "192.168.1.256"
                                     << "554"
                                     << ""
                                     << "m_IPlineEdit";
        QTest::newRow("five parts refused") << "1.2.3.4.5"
                                            << "554"
                                            << ""
                                            << "m_IPlineEdit";
        QTest::newRow("port at fault") << "10.9.0.1"
                                       << "5x4"
                                       << ""
                                       << "lineEditRTSP";
        QTest::newRow("plain") << "10.9.0.2"
                               << "554"
                               << "10.9.0.2"
                               << "";
        QTest::newRow("zeros refused") << "010.009.000.003"
                                       << "554"
                                       << ""
                                       << "m_IPlineEdit";
    }

    void addDialogTypedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, rtsp);
        QFETCH(QString, stored);
        QFETCH(QString, focus);
        AddClientDevDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(200, 150);
        const QPoint where = dialog.pos();
        const QSize size = dialog.size();
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);
        typeInto(&dialog, "m_IPlineEdit", typed);
        typeInto(&dialog, "lineEditRTSP", rtsp);
        QCOMPARE(child<QLineEdit>(&dialog, "m_IPlineEdit")->text(), typed);
        // Ideographs are the one thing the credential fields leave out.
        typeInto(&dialog, "m_UserNamelineEdit", QString::fromUtf8("ad\xe4\xb8\xadmin\xd0\x96"));
        QCOMPARE(child<QLineEdit>(&dialog, "m_UserNamelineEdit")->text(), QString::fromUtf8("admin\xd0\x96"));
        QTest::mouseClick(child<QPushButton>(&dialog, "m_OKBtn"), Qt::LeftButton);
        if (stored.isEmpty()) {
            QCOMPARE(child<QLabel>(&dialog, "m_lblTextInfo")->text(), QStringLiteral("Invalid format"));
            QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(&dialog, focus.toLatin1().constData()));
            // The tip takes no new room, so no window manager moves the dialog.
            QApplication::processEvents();
            QCOMPARE(dialog.size(), size);
            QCOMPARE(dialog.pos(), where);
            QCOMPARE(added.count(), 0);
        } else {
            QCOMPARE(added.count(), 1);
            QCOMPARE(m_received.last()->ip, stored);
        }
    }

    void addDialogProtocolAndType()
    {
        AddClientDevDlg dialog;
        dialog.show();
        auto *protocol = child<QComboBox>(&dialog, "comboBoxProtocol");
        auto *type = child<QComboBox>(&dialog, "m_DevTypeCmbBox");
        auto *port = child<QLineEdit>(&dialog, "lineEditPort");
        QCOMPARE(type->count(), 2);
        QCOMPARE(child<QLineEdit>(&dialog, "m_UserNamelineEdit")->text(), DEFAULT_DEV_USER);
        QCOMPARE(child<QLineEdit>(&dialog, "lineEditRTSP")->text(), QStringLiteral("554"));
        QCOMPARE(child<QComboBox>(&dialog, "m_GroupCmbBox")->currentText(), QStringLiteral("Default"));

        typeInto(&dialog, "lineEditPort", QStringLiteral("3000"));
        protocol->setCurrentIndex(1);
        QCOMPARE(type->count(), 1);
        QCOMPARE(type->itemText(0), QStringLiteral("IPC"));
        QCOMPARE(port->text(), QStringLiteral("2028"));
        typeInto(&dialog, "lineEditPort", QStringLiteral("3000"));
        protocol->setCurrentIndex(0);
        QCOMPARE(type->count(), 2);
        QCOMPARE(type->currentText(), QStringLiteral("IPC"));
        QCOMPARE(port->text(), QStringLiteral("2028"));
    }

    void addDialogAddsOneRecord()
    {
        AddClientDevDlg dialog;
        dialog.setObjectName(QStringLiteral("addClientDev"));
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);
        onModal<AddClientDevDlg>([](AddClientDevDlg *d) {
            typeInto(d, "m_IPlineEdit", QStringLiteral("192.168.1.10"));
            typeInto(d, "lineEditPort", QStringLiteral("2029"));
            child<QComboBox>(d, "m_DevTypeCmbBox")->setCurrentIndex(1); // NVR puts the port back
            typeInto(d, "lineEditPort", QStringLiteral("2030"));
            typeInto(d, "m_PassWdlineEdit", QStringLiteral("  secret  "));
            QTest::keyClick(d, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(added.count(), 1);
        QCOMPARE(m_received.size(), 1);
        const FUN_DEV_INFO *dev = m_received.first();
        QCOMPARE(dev->ip, QStringLiteral("192.168.1.10"));
        QCOMPARE(dev->name, QStringLiteral("192.168.1.10"));
        QCOMPARE(dev->sn, QStringLiteral("192.168.1.10"));
        QCOMPARE(dev->devType, 1);
        QCOMPARE(dev->bOnvif, uint8_t(0));
        QCOMPARE(dev->password, QStringLiteral("secret"));
        QCOMPARE(dev->userName, DEFAULT_DEV_USER);
        QCOMPARE(int(dev->devPort), 2030);
        QCOMPARE(int(dev->rtspPort), 554);
        QCOMPARE(dev->group, QStringLiteral("Default"));
        QCOMPARE(dev->dbId, 0);
        QCOMPARE(dev->onvifAuth, -1);
    }

    // Cancel and the close mark end the dialog alike; Esc (in a field or on
    // the dialog) leaves it open with what was typed, for Cancel to end; the
    // window manager has the title the dialog shows.
    void addDialogCancelEmitsNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "m_CancelBtn";
        QTest::newRow("close mark") << "m_btnClose";
        QTest::newRow("Esc in the address") << "m_IPlineEdit";
        QTest::newRow("Esc on the dialog") << "";
    }
    void addDialogCancelEmitsNothing()
    {
        QFETCH(QString, how);
        AddClientDevDlg dialog;
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);
        QString title;
        QString shownTitle;
        QString keptAfterEsc;
        onModal<AddClientDevDlg>([&](AddClientDevDlg *d) {
            title = d->windowTitle();
            shownTitle = child<QLabel>(d, "m_lblTextTitle")->text();
            typeInto(d, "m_IPlineEdit", QStringLiteral("10.9.9.9"));
            if (how == QLatin1String("m_IPlineEdit"))
                QTest::keyClick(child<QLineEdit>(d, "m_IPlineEdit"), Qt::Key_Escape);
            else if (how.isEmpty())
                QTest::keyClick(d, Qt::Key_Escape);
            else
                QTest::mouseClick(child<QPushButton>(d, qPrintable(how)), Qt::LeftButton);
            if (d->isVisible()) {
                keptAfterEsc = child<QLineEdit>(d, "m_IPlineEdit")->text();
                QTest::mouseClick(child<QPushButton>(d, "m_CancelBtn"), Qt::LeftButton);
            }
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(added.count(), 0);
        const bool esc = how.isEmpty() || how == QLatin1String("m_IPlineEdit");
        QCOMPARE(keptAfterEsc, esc ? QStringLiteral("10.9.9.9") : QString());
        QCOMPARE(shownTitle, QStringLiteral("Add Device"));
        QCOMPARE(title, shownTitle);
    }

    // ---------------------------------------------------------------- edit

    void editDialogWritesTheCopy()
    {
        FUN_DEV_INFO copy;
        copy.ip = QStringLiteral("10.0.0.7");
        copy.name = QStringLiteral("gate");
        copy.devType = 2;
        copy.onvifAuth = 1;
        EditClientDevDlg dialog;
        dialog.setDevInfo(&copy);
        onModal<EditClientDevDlg>([](EditClientDevDlg *d) {
            QCOMPARE(child<QLabel>(d, "m_lblTextTitle")->text(), QStringLiteral("Edit Device---10.0.0.7"));
            QVERIFY(child<QComboBox>(d, "comboBoxAuth")->isVisible());
            QVERIFY(!child<QPushButton>(d, "pushButtonForgot")->isVisible());
            QCOMPARE(child<QComboBox>(d, "comboBoxAuth")->currentIndex(), 1);
            typeInto(d, "m_UserNamelineEdit", QStringLiteral(" "));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(d, "m_lblTextInfo")->text(), QStringLiteral("Incomplete information"));
            typeInto(d, "m_UserNamelineEdit", QStringLiteral("op"));
            typeInto(d, "m_PrivatePortlineEdit", QStringLiteral("0"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(d, "m_lblTextInfo")->text(), QStringLiteral("Invalid format"));
            typeInto(d, "m_PrivatePortlineEdit", QStringLiteral("8000"));
            typeInto(d, "m_DevNamelineEdit", QString());
            child<QComboBox>(d, "comboBoxAuth")->setCurrentIndex(0);
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(copy.name, QString());
        QCOMPARE(copy.userName, QStringLiteral("op"));
        QCOMPARE(int(copy.devPort), 8000);
        QCOMPARE(copy.onvifAuth, 0);
        QCOMPARE(copy.group, QStringLiteral("Default"));
    }

    // Long credentials (the add dialog has no limit) survive a rename-only OK.
    void editDialogKeepsLongCredentials()
    {
        FUN_DEV_INFO copy;
        copy.ip = QStringLiteral("10.0.0.8");
        copy.devType = 2;
        copy.devPort = 8000;
        copy.rtspPort = 554;
        copy.userName = QStringLiteral("operator-with-a-rather-long-account-name-x");
        copy.password = QStringLiteral(" Pw-0123456789-0123456789-0123456789-ends ");
        QCOMPARE(copy.password.size(), 42);
        const FUN_DEV_INFO before = copy;
        const QString name = QStringLiteral("north gate camera above the loading bay, 2");
        EditClientDevDlg dialog;
        dialog.setDevInfo(&copy);
        onModal<EditClientDevDlg>([name](EditClientDevDlg *d) {
            typeInto(d, "m_DevNamelineEdit", name);
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(copy.name, name);
        QCOMPARE(copy.userName, before.userName);
        QCOMPARE(copy.password, before.password);
    }

    // The forgotten-password road against a simulated camera: 14019 on open,
    // 14017 -> 14019 -> QR, a wrong code refused, then 14020 really changes the
    // device's password and the record's.
    void editDialogForgottenPasswordRoad()
    {
        SimDevice device(SimDevice::Ipc);
        QVERIFY(device.listen(QHostAddress(QStringLiteral("127.61.0.5"))));
        SimDevice other(SimDevice::Ipc);
        QVERIFY(other.listen(QHostAddress(QStringLiteral("127.61.0.6"))));
        KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
        sdk->connectDev(device.loginKey());
        sdk->connectDev(other.loginKey());
        QVERIFY(waitFor([&] { return sdk->isConnected(device.loginKey()) && sdk->isConnected(other.loginKey()); }));

        FUN_DEV_INFO copy;
        copy.ip = device.address().toString();
        copy.devPort = device.port();
        copy.loginStatus = 1;
        copy.password = QStringLiteral("forgotten");

        EditClientDevDlg dialog;
        dialog.setObjectName(QStringLiteral("editClientDev"));
        dialog.setDevInfo(&copy);
        bool sawForgot = false;
        // Connected after the dialog's own slot: once this sees the camera's
        // answer, the dialog has taken it too.
        int answers = 0;
        QObject seen;
        connect(sdk, &KelvoSDKHelper::signalCommonInfo, &seen, [&](const devXmlInfo &info) {
            if (info.ip == copy.ip && info.xml.contains(QStringLiteral("14019")))
                ++answers;
        });
        onModal<EditClientDevDlg>([&](EditClientDevDlg *d) {
            QVERIFY(child<QPushButton>(d, "pushButtonForgot")->isVisible());
            QVERIFY(!child<QComboBox>(d, "comboBoxAuth")->isVisible());
            QVERIFY(waitFor([&] { return device.requestCount(14019) == 1; }));
            QVERIFY(waitFor([&] { return answers >= 1; }));
            onModal<ForgotPassword>([&](ForgotPassword *f) {
                sawForgot = true;
                QVERIFY(waitFor([&] { return device.requestCount(14019) == 2; }));
                auto *stack = child<QStackedWidget>(f, "stackedWidget");
                QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("pageMid"));
                QVERIFY(waitFor([&] { return !child<QLabel>(f, "m_labelSafe")->pixmap(Qt::ReturnByValue).isNull(); }));
                QCOMPARE(child<QLabel>(f, "labelContactValue")->text(), QStringLiteral("ow***@example.com"));
                QVERIFY(!child<QLabel>(f, "m_labelResetPass")->pixmap(Qt::ReturnByValue).isNull());

                typeInto(f, "lineEditSafe", QStringLiteral("123456"));
                typeInto(f, "lineEditPassword", QStringLiteral("new<&pw"));
                typeInto(f, "lineEditConfirmPassword", QStringLiteral("other"));
                QTest::mouseClick(child<QPushButton>(f, "pushButtonOK"), Qt::LeftButton);
                QCOMPARE(child<QLabel>(f, "labelErrorInfo")->text(),
                         QStringLiteral("New password and confirmation password do not match"));

                typeInto(f, "lineEditSafe", QStringLiteral("999999"));
                typeInto(f, "lineEditConfirmPassword", QStringLiteral("new<&pw"));
                QTest::mouseClick(child<QPushButton>(f, "pushButtonOK"), Qt::LeftButton);
                QVERIFY(waitFor([&] {
                    return child<QLabel>(f, "labelErrorInfo")->text() == QStringLiteral("Security code error");
                }));
                QVERIFY(f->isVisible());

                // Another device's success must not stand for this one's.
                other.pushMessage(14020, QString(), 0);
                QVERIFY(roundTrip(other.loginKey()));
                QVERIFY(f->isVisible());
                QCOMPARE(copy.password, QStringLiteral("forgotten"));

                typeInto(f, "lineEditSafe", device.state().securityCode);
                QTest::mouseClick(child<QPushButton>(f, "pushButtonOK"), Qt::LeftButton);
            });
            QTest::mouseClick(child<QPushButton>(d, "pushButtonForgot"), Qt::LeftButton);
        });
        QSignalSpy reset(&dialog, &EditClientDevDlg::resetPassword);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(sawForgot);
        QCOMPARE(device.state().password, QStringLiteral("new<&pw"));
        QCOMPARE(copy.password, QStringLiteral("new<&pw"));
        QCOMPARE(device.requestCount(14017), 1);
        QVERIFY(toastTexts().contains(QStringLiteral("Configuration successful")));
        sdk->logoutDev(device.loginKey());
        sdk->logoutDev(other.loginKey());
    }

    void editDialogForgetOfflineOrDefault()
    {
        SimDevice other(SimDevice::Ipc);
        QVERIFY(other.listen(QHostAddress(QStringLiteral("127.61.0.7"))));
        KelvoSDKHelper::instance()->connectDev(other.loginKey());
        QVERIFY(waitFor([&] { return KelvoSDKHelper::instance()->isConnected(other.loginKey()); }));

        FUN_DEV_INFO copy;
        copy.ip = QStringLiteral("127.61.0.99"); // no session: the request is dropped
        copy.loginStatus = 0;
        EditClientDevDlg dialog;
        dialog.setDevInfo(&copy);
        onModal<EditClientDevDlg>([&](EditClientDevDlg *d) {
            QTest::mouseClick(child<QPushButton>(d, "pushButtonForgot"), Qt::LeftButton);
            QVERIFY(toastTexts().contains(QStringLiteral("Connection failed")));
            copy.loginStatus = 1;
            // Another device's reset information is not this device's.
            other.pushMessage(14019, QStringLiteral("<QRCodeInfo>OTHER-QR</QRCodeInfo>"));
            QVERIFY(roundTrip(other.loginKey()));
            QTest::mouseClick(child<QPushButton>(d, "pushButtonForgot"), Qt::LeftButton);
            QVERIFY(toastTexts().contains(QStringLiteral("The password is the default.")));
            QTest::mouseClick(child<QPushButton>(d, "m_btnClose"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        KelvoSDKHelper::instance()->logoutDev(other.loginKey());
    }

    // A reset whose refusal the device holds back, then one with the right
    // code: the second waits its turn, and once the first went unanswered it
    // is not sent at all; the late refusal is said as the first one's, and
    // the record keeps the password the device still has.
    void forgotPasswordAnswerIsItsOwn()
    {
        SimDevice device(SimDevice::Ipc);
        FUN_DEV_INFO dev;
        QVERIFY(connectTo(device, QStringLiteral("127.61.0.9"), &dev));
        dev.password = QStringLiteral("forgotten");
        ConfigConversation::setTimeoutMs(1500);
        device.planReplies(Cmd::ResetPassword, {SimDevice::Held});
        ForgotPassword dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setDevInfo(&dev);
        QVERIFY(waitFor([&] { return !child<QLabel>(&dialog, "m_labelSafe")->pixmap(Qt::ReturnByValue).isNull(); }));
        auto *error = child<QLabel>(&dialog, "labelErrorInfo");
        typeInto(&dialog, "lineEditSafe", QStringLiteral("999999"));
        typeInto(&dialog, "lineEditPassword", QStringLiteral("new-pw"));
        typeInto(&dialog, "lineEditConfirmPassword", QStringLiteral("new-pw"));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        QVERIFY(waitFor([&] { return device.heldCount(Cmd::ResetPassword) == 1; }));
        typeInto(&dialog, "lineEditSafe", device.state().securityCode);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        QVERIFY(waitFor([] { return toastTexts().contains(ConfigConversation::waitingText()); }));
        QVERIFY(waitFor([&] { return error->text() == ConfigConversation::saveOutOfStepText(); }));
        QVERIFY(device.releaseHeld(Cmd::ResetPassword));
        QVERIFY(waitFor([&] { return error->text() == QStringLiteral("Security code error"); }));
        QVERIFY(roundTrip(device.loginKey()));
        QCOMPARE(device.requestCount(Cmd::ResetPassword), 1);
        QCOMPARE(device.state().password, DEFAULT_DEV_PASSWORD);
        QCOMPARE(dev.password, QStringLiteral("forgotten"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!toastTexts().contains(ConfigConversation::waitingText()));
        ConfigConversation::setTimeoutMs(6000);
        KelvoSDKHelper::instance()->logoutDev(device.loginKey());
    }

    void forgotPasswordResultTexts()
    {
        QCOMPARE(ForgotPassword::resultText(255), QStringLiteral("Operation failed"));
        QCOMPARE(ForgotPassword::resultText(6), QStringLiteral("Security code error"));
        QCOMPARE(ForgotPassword::resultText(9), QStringLiteral("Password is default password"));
        QCOMPARE(ForgotPassword::resultText(4), QString());
        QVERIFY(ForgotPassword::ResetPageUrl.contains(QStringLiteral(".invalid:")));
    }

    // A contact request that fails or finds no contact asks for no security code.
    void forgotPasswordWithoutContact_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("contactBody");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("toast");

        QTest::newRow("refused, app page") << "BRELON" << 8 << QString() << "pagePrivate"
                                           << "ContactInfo is empty" << QString();
        QTest::newRow("refused 255, web page") << "" << 255 << QString() << "pageMid"
                                               << "Operation failed" << QString();
        QTest::newRow("no contact") << "GUOKE" << 0 << "<contactInfo><contactAddress></contactAddress></contactInfo>"
                                    << "pageMid" << QString() << "No contact info,  defalut password 402917";
    }

    void forgotPasswordWithoutContact()
    {
        QFETCH(QString, platform);
        QFETCH(int, result);
        QFETCH(QString, contactBody);
        QFETCH(QString, page);
        QFETCH(QString, error);
        QFETCH(QString, toast);

        SimDevice device(SimDevice::Ipc);
        device.setHandler(14017, [&](SimConnection *c, const SimRequest &) { c->reply(14017, result, contactBody); });
        FUN_DEV_INFO dev;
        QVERIFY(connectTo(device, QStringLiteral("127.61.0.8"), &dev));
        KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
        dev.sdkPlatform = platform;
        ForgotPassword dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setDevInfo(&dev);
        QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget")->currentWidget()->objectName(), page);
        const bool appPage = page == QLatin1String("pagePrivate");
        auto *errorLabel = child<QLabel>(&dialog, appPage ? "labelErrorInfoPrivate" : "labelErrorInfo");
        if (toast.isEmpty())
            QVERIFY(waitFor([&] { return errorLabel->text() == error; }));
        else
            QVERIFY(waitFor([&] { return toastTexts().contains(toast); }));
        // Other commands of this device leave the dialog as it is.
        device.pushMessage(14018, QString(), 6);
        QVERIFY(roundTrip(device.loginKey()));
        QCOMPARE(errorLabel->text(), error);
        QCOMPARE(device.requestCount(14017), 1);
        QCOMPARE(device.requestCount(14019), 0);
        QVERIFY(
            child<QLabel>(&dialog, appPage ? "labelSafePrivate" : "m_labelSafe")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(dialog.isVisible());
        sdk->logoutDev(device.loginKey());
    }

    // ---------------------------------------------------------------- batch

    void batchDialog()
    {
        DeviceBatchModify dialog;
        dialog.setUserPassword(QStringLiteral("admin"), QStringLiteral("402917"));
        onModal<DeviceBatchModify>([](DeviceBatchModify *d) {
            typeInto(d, "m_PassWdlineEdit", QStringLiteral("   "));
            QTest::keyClick(d, Qt::Key_Enter);
            QCOMPARE(child<QLabel>(d, "m_lblTextInfo")->text(), QStringLiteral("Incomplete information"));
            typeInto(d, "m_UserNamelineEdit", QStringLiteral(" op "));
            typeInto(d, "m_PassWdlineEdit", QStringLiteral(" pw "));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QString user, password;
        dialog.getUserPassword(user, password);
        QCOMPARE(user, QStringLiteral("op"));
        QCOMPARE(password, QStringLiteral("pw"));
    }

    // ---------------------------------------------------------------- network

    void formRules()
    {
        // A leading zero is octal to many network stacks: no address.
        QVERIFY(!AddressCheck::isAddress(QStringLiteral("192.168.001.010")));
        QVERIFY(!AddressCheck::isAddress(QStringLiteral("192.168.1.256")));
        quint16 port = 0;
        QVERIFY(DeviceFormRules::parsePort(QStringLiteral("65535"), &port));
        QVERIFY(!DeviceFormRules::parsePort(QStringLiteral("65536"), &port));
        QVERIFY(!DeviceFormRules::parsePort(QStringLiteral("-1"), &port));
    }

    void modifyNetworkOfOneDevice()
    {
        SimDevice device(SimDevice::Ipc);
        device.setUid(QStringLiteral("SIM-UID-NET-1"));
        SimSearchResponder responder;
        QVERIFY(responder.bind(QHostAddress(QStringLiteral("127.62.0.1"))));
        responder.addDevice(&device);
        BroadService *broad = KelvoSDKHelper::instance()->broadService();
        broad->setBroadcastTarget(responder.address(), responder.port());
        broad->setLocalAddresses({QHostAddress(QStringLiteral("127.62.0.2"))});
        KelvoSDKHelper::instance()->searchDevices();
        QVERIFY(waitFor([] { return KelvoSDKHelper::instance()->getSearchDevices().size() == 1; }));
        const SearchDevInfo found = KelvoSDKHelper::instance()->getSearchDevices().value(device.uid());
        QCOMPARE(found.ip, QStringLiteral("127.0.0.1"));

        FakeFoundTable table;
        table.ips << found.ip << QStringLiteral("192.168.1.30");
        registerDevice(QStringLiteral("192.168.1.31"));
        m_ping.answering << QStringLiteral("192.168.1.32");

        ModifyNetInfoDlg dialog;
        dialog.setFoundDevices(&table);
        dialog.setDevInfo(found);
        onModal<ModifyNetInfoDlg>([&](ModifyNetInfoDlg *d) {
            QCOMPARE(child<QLabel>(d, "m_lblTextTitle")->text(), QStringLiteral("Modify IP-127.0.0.1"));
            auto *info = child<QLabel>(d, "m_lblTextInfo");
            typeInto(d, "m_GatewaylineEdit", QStringLiteral("192.168.1.1"));
            typeInto(d, "m_NetmasklineEdit", QStringLiteral("255.255.255.0"));
            typeInto(d, "m_DNS2lineEdit", QString());
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("Incomplete information"));
            typeInto(d, "m_DNS2lineEdit", QStringLiteral("0.0.0.0"));

            // Unchanged address: no ping, only the subnet counts.
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("The IP and gateway are not in the same subnet."));
            QVERIFY(m_ping.asked.isEmpty());

            typeInto(d, "m_IPAddrlineEdit", QStringLiteral("192.168.1.30"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("The IP address is already in use."));
            typeInto(d, "m_IPAddrlineEdit", QStringLiteral("192.168.1.31"));
            info->clear();
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("The IP address is already in use."));
            QVERIFY(m_ping.asked.isEmpty());
            typeInto(d, "m_IPAddrlineEdit", QStringLiteral("192.168.1.32"));
            info->clear();
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("The IP address is already in use."));
            // A leading zero is octal to many network stacks.
            typeInto(d, "m_IPAddrlineEdit", QStringLiteral("192.168.001.020"));
            typeInto(d, "m_GatewaylineEdit", QStringLiteral("192.168.2.1"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("Invalid format"));
            typeInto(d, "m_IPAddrlineEdit", QStringLiteral("192.168.1.20"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(info->text(), QStringLiteral("The IP and gateway are not in the same subnet."));
            typeInto(d, "m_GatewaylineEdit", QStringLiteral("192.168.1.1"));
            QTest::keyClick(d, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(waitFor([&] { return responder.requestCount(30003) == 1; }));
        QTRY_COMPARE(device.storedValue(13002, QStringLiteral("IP")), QStringLiteral("192.168.1.20"));
        QCOMPARE(device.storedValue(13002, QStringLiteral("gateway")), QStringLiteral("192.168.1.1"));
        QCOMPARE(device.storedValue(13002, QStringLiteral("standbyDNS")), QStringLiteral("0.0.0.0"));
        QCOMPARE(device.storedValue(13002, QStringLiteral("MAC")), found.mac);
    }

    void batchAddressesSkipTakenOnes()
    {
        SimSearchResponder responder;
        QVERIFY(responder.bind(QHostAddress(QStringLiteral("127.63.0.1"))));
        BroadService *broad = KelvoSDKHelper::instance()->broadService();
        broad->setBroadcastTarget(responder.address(), responder.port());
        broad->setLocalAddresses({QHostAddress(QStringLiteral("127.63.0.2"))});
        KelvoSDKHelper::instance()->searchDevices(); // binds the sockets

        QList<SearchDevInfo *> devices;
        for (int i = 0; i < 3; ++i) {
            auto *dev = new SearchDevInfo;
            dev->uid = QStringLiteral("UID-%1").arg(i);
            dev->ip = QStringLiteral("192.168.1.%1").arg(201 + i);
            dev->netmask = QStringLiteral("255.255.255.0");
            dev->gateway = QStringLiteral("192.168.1.1");
            devices << dev;
        }
        FakeFoundTable table;
        table.ips << QStringLiteral("192.168.1.103") << devices.at(0)->ip;
        registerDevice(QStringLiteral("192.168.1.105"));
        m_ping.answering << QStringLiteral("192.168.1.101");

        ModifyAllIPDlg dialog;
        dialog.setFoundDevices(&table);
        dialog.setDevices(devices);
        onModal<ModifyAllIPDlg>([&](ModifyAllIPDlg *d) {
            QCOMPARE(child<QLineEdit>(d, "m_NetmasklineEdit")->text(), QStringLiteral("255.255.255.0"));
            typeInto(d, "m_StartIPAddrlineEdit", QStringLiteral("192.168.1.254"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QVERIFY(!child<QLabel>(d, "m_lblTextInfo")->text().isEmpty());
            QVERIFY(d->isVisible());
            typeInto(d, "m_StartIPAddrlineEdit", QStringLiteral("192.168.1.101"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(d, "m_lblTextInfo")->text(), QStringLiteral("The IP address is already in use."));
            m_ping.answering.clear();
            m_ping.answering << QStringLiteral("192.168.1.102");
            typeInto(d, "m_StartIPAddrlineEdit", QStringLiteral("192.168.1.100"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(waitFor([&] { return responder.requestCount(30003) == 3; }));
        QStringList given;
        for (const SimRequest &r : responder.requests()) {
            if (r.cmd == 30003)
                given << r.body.value(QStringLiteral("UID")) + QLatin1Char('=') + r.body.value(QStringLiteral("IP"));
        }
        // .102 answers a ping and .103 is another found device.
        QCOMPARE(given, QStringList({QStringLiteral("UID-0=192.168.1.100"), QStringLiteral("UID-1=192.168.1.101"),
                                     QStringLiteral("UID-2=192.168.1.104")}));
    }

    void batchAddressesNeverNetworkBroadcastOrGateway()
    {
        auto *dev = new SearchDevInfo;
        dev->netmask = QStringLiteral("255.255.255.252");
        dev->gateway = QStringLiteral("10.0.0.1");
        ModifyAllIPDlg dialog;
        dialog.setDevices({dev});
        dialog.show();
        typeInto(&dialog, "m_StartIPAddrlineEdit", QStringLiteral("10.0.0.0"));
        QCOMPARE(dialog.getAllFreeIPAddr(QString(), 5), QList<QString>({QStringLiteral("10.0.0.2")}));
    }

    // The address dialogs refuse with one text for several fields: the mark
    // and the focus say which.
    void addressDialogsPointAtFault_data()
    {
        QTest::addColumn<QString>("dialog"); // "one", "all" (batch) or "channel"
        QTest::addColumn<QString>("field");  // typed into, then marked and focused
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString invalid = SharedTexts::invalidFormatText();
        const QString subnet = SharedTexts::subnetMismatchText();
        const auto row = [](const char *name, const char *dialog, const char *field, const char *typed,
                            const QString &message) {
            QTest::newRow(name) << QString(dialog) << QString(field) << QString(typed) << message;
        };
        row("one: mask with holes", "one", "m_NetmasklineEdit", "255.0.0.255", invalid);
        row("all: DNS of three parts", "all", "m_DNS1lineEdit", "1.1.1", invalid);
        row("all: gateway in another subnet", "all", "m_GatewaylineEdit", "192.168.2.1", subnet);
        // The gateway as listed; the address typed left its subnet.
        row("channel: address in another subnet", "channel", "m_IPAddrlineEdit", "192.168.2.20", subnet);
    }

    void addressDialogsPointAtFault()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        SearchDevInfo found;
        found.ip = QStringLiteral("192.168.1.20");
        found.netmask = QStringLiteral("255.255.255.0");
        found.gateway = QStringLiteral("192.168.1.1");
        found.preferredDns = QStringLiteral("8.8.8.8");
        found.standbyDns = QStringLiteral("0.0.0.0");
        ModifyNetInfoDlg one;
        one.setDevInfo(found);
        ModifyAllIPDlg all;
        all.setDevices({new SearchDevInfo(found)});
        FUN_DEV_INFO nvr;
        CNVRChannelModifyIPDlg channel;
        channel.setDevInfo({{"IPAddress", found.ip},
                            {"Netmask", found.netmask},
                            {"Gateway", found.gateway},
                            {"Username", "admin"},
                            {"Password", "402917"}},
                           &nvr);
        QDialog *shown = QHash<QString, QDialog *>{{"one", &one}, {"all", &all}, {"channel", &channel}}.value(dialog);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        if (dialog == QLatin1String("all"))
            typeInto(shown, "m_StartIPAddrlineEdit", QStringLiteral("192.168.1.100"));
        typeInto(shown, qPrintable(field), typed);
        QTest::mouseClick(child<QPushButton>(shown, "m_OKBtn"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(shown, "m_lblTextInfo")->text(), message);
        QVERIFY(shown->isVisible());
        auto *atFault = child<QLineEdit>(shown, qPrintable(field));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(atFault));
        for (QLineEdit *edit : shown->findChildren<QLineEdit *>())
            QVERIFY2(framedRed(edit) == (edit == atFault), qPrintable(edit->objectName()));
        // Correcting it takes the mark off.
        QTest::keyClick(atFault, Qt::Key_Backspace);
        QVERIFY(!framedRed(atFault));
    }

    // ---------------------------------------------------------------- groups

    void groupEditor()
    {
        DeviceGroupManage dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *tree = child<QTreeView>(&dialog, "treeViewGroup");
        auto *model = qobject_cast<QStandardItemModel *>(tree->model());
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->item(0)->text(), QStringLiteral("Default"));

        // A sub-group of the shown group.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(model->index(0, 0)).center());
        QCOMPARE(child<QLineEdit>(&dialog, "lineEditName")->text(), QStringLiteral("Default"));
        QVERIFY(!child<QWidget>(&dialog, "groupBoxInfo")->isEnabled());
        // Only shown, not entered: OK saves no copy of it.
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        QCOMPARE(storedGroups().size(), 1);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAddGroup"), Qt::LeftButton);
        typeInto(&dialog, "lineEditName", QStringLiteral(" Default "));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        QVERIFY(toastTexts().contains(QStringLiteral("A group with this name already exists.")));
        QCOMPARE(storedGroups().size(), 1);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAddGroup"), Qt::LeftButton);
        typeInto(&dialog, "lineEditName", QStringLiteral("Lobby"));
        typeInto(&dialog, "lineEditRemark", QStringLiteral("ground floor"));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        QCOMPARE(model->item(0)->rowCount(), 1);
        QStandardItem *lobby = model->item(0)->child(0);
        QCOMPARE(lobby->text(), QStringLiteral("Lobby"));
        const int lobbyId = lobby->data(DeviceGroupManage::IdRole).toInt();
        // Shown with its stored parent, not as its own parent.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(lobby->index()).center());
        QCOMPARE(child<QLineEdit>(&dialog, "lineEditName")->text(), QStringLiteral("Lobby"));
        QCOMPARE(child<QComboBox>(&dialog, "comboBoxParent")->currentText(), QStringLiteral("Default"));

        FUN_DEV_INFO *member = registerDevice(QStringLiteral("10.3.3.3"));
        member->group = QStringLiteral("Lobby");

        // Another level, then edit Lobby: renamed in place, its parent stays,
        // and it cannot move below itself.
        dialog.showGroup(lobbyId);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAddGroup"), Qt::LeftButton);
        typeInto(&dialog, "lineEditName", QStringLiteral("Door"));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);
        dialog.showGroup(lobbyId);
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonEditGroup"), Qt::LeftButton);
        auto *parent = child<QComboBox>(&dialog, "comboBoxParent");
        QCOMPARE(parent->currentText(), QStringLiteral("Default"));
        auto *parentModel = qobject_cast<QStandardItemModel *>(parent->model());
        QVERIFY(!parentModel->item(parent->findText(QStringLiteral("Lobby")))->isEnabled());
        QVERIFY(!parentModel->item(parent->findText(QStringLiteral("Door")))->isEnabled());
        typeInto(&dialog, "lineEditName", QStringLiteral("Hall"));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonOK"), Qt::LeftButton);

        QStringList names;
        for (const auto &g : storedGroups())
            names << g->Name;
        QCOMPARE(names, QStringList({QStringLiteral("Default"), QStringLiteral("Hall"), QStringLiteral("Door")}));
        QStringList registryNames;
        for (const DEV_GROUP_INFO &g : DeviceInfoManager::instance()->getAllGroups())
            registryNames << g.name;
        QCOMPARE(registryNames, names);
        QCOMPARE(member->group, QStringLiteral("Hall"));

        // The default group stays; Hall goes with everything below it.
        tree->setCurrentIndex(model->index(0, 0));
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonDel"), Qt::LeftButton);
        QVERIFY(toastTexts().contains(QStringLiteral("Default users or roles cannot be deleted.")));
        tree->setCurrentIndex(model->item(0)->child(0)->index());
        onModal<CustomDialog>([](CustomDialog *question) {
            QCOMPARE(child<QLabel>(question, "labelInfo")->text(),
                     QStringLiteral("Are you sure you want to delete this user?"));
            QTest::mouseClick(child<QPushButton>(question, "pushButtonCancel"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonDel"), Qt::LeftButton);
        QCOMPARE(storedGroups().size(), 3);
        onModal<CustomDialog>([](CustomDialog *question) { QTest::keyClick(question, Qt::Key_Return); });
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonDel"), Qt::LeftButton);
        QCOMPARE(storedGroups().size(), 1);
        QCOMPARE(DeviceInfoManager::instance()->getAllGroups().size(), 1);
        QCOMPARE(model->item(0)->rowCount(), 0);
        QCOMPARE(member->group, QStringLiteral("Default"));
    }
    // The operator adds a group while another program holds the database:
    // the click comes back at once and the editor says it waits; the group
    // shows once stored, or, held past the give-up, the failure is said and
    // the tree shows what the database holds. A name already in use is
    // checked on what the database holds once it can be read: refused, never
    // a second group of that name.
    void groupSaveWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<HeldDatabase::Kind>("kind");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<bool>("released");
        const auto exclusive = HeldDatabase::Kind::Exclusive;
        const auto write = HeldDatabase::Kind::Write;
        QTest::newRow("let go while it waits") << exclusive << false << true;
        QTest::newRow("held past the give-up") << exclusive << false << false;
        QTest::newRow("write hold, let go while it waits") << write << false << true;
        QTest::newRow("name in use, let go while it waits") << exclusive << true << true;
        QTest::newRow("name in use, write hold, let go") << write << true << true;
        QTest::newRow("name in use, held past the give-up") << exclusive << true << false;
    }
    void groupSaveWhileTheDatabaseIsHeld()
    {
        QFETCH(HeldDatabase::Kind, kind);
        QFETCH(bool, inUse);
        QFETCH(bool, released);
        const auto groupNames = [] {
            QStringList names;
            for (const auto &g : storedGroups())
                names << g->Name;
            return names;
        };
        const auto cleanUp = qScopeGuard([] {
            for (const auto &g : storedGroups())
                OrmHelper::DelOrganization(g);
        });
        if (inUse) {
            auto yard = QSharedPointer<CMS_Organization>::create();
            yard->Name = QStringLiteral("Yard");
            yard->ParentId = 1;
            QVERIFY(OrmHelper::saveOrganization(yard));
        }
        DeviceGroupManage dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *tree = child<QTreeView>(&dialog, "treeViewGroup");
        auto *ok = child<QPushButton>(&dialog, "pushButtonOK");
        auto held = std::make_unique<HeldDatabase>(kind);
        QVERIFY(held->isHeld());
        QTest::mouseClick(child<QPushButton>(&dialog, "pushButtonAddGroup"), Qt::LeftButton);
        typeInto(&dialog, "lineEditName", QStringLiteral("Yard"));
        const QString waiting = QStringLiteral("Saving: the database is in use by another program; waiting for it...");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(toastTexts().contains(waiting));
        QVERIFY(!ok->isEnabled());
        // The words stay for as long as the write waits: never gone while
        // the editor still holds its OK.
        bool wordsWentEarly = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!ok->isEnabled() && !toastTexts().contains(waiting))
                wordsWentEarly = true;
        });
        watch.start(20);
        if (released)
            held->letGo();
        QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), 30000);
        watch.stop();
        QVERIFY(!wordsWentEarly);
        held.reset();
        // The words went with the wait.
        QTRY_VERIFY(!toastTexts().contains(waiting));
        QCOMPARE(
            toastTexts().contains(QStringLiteral("Configuration failed: the database is in use by another program")),
            !released);
        QCOMPARE(toastTexts().contains(QStringLiteral("A group with this name already exists.")), inUse && released);
        QCOMPARE(groupNames().count(QStringLiteral("Yard")), inUse || released ? 1 : 0);
        QCOMPARE(tree->model()->rowCount(tree->model()->index(0, 0)), inUse || released ? 1 : 0);
        // The form keeps what was typed, marked as not stored.
        QCOMPARE(child<QLabel>(&dialog, "labelNotStored")->isVisible(), !released);
    }
};

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
