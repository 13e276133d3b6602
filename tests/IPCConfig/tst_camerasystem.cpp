// The maintenance, device settings and TCP/IP pages through the real camera
// window: the shell over a database file, each test with a simulated camera
// of its own on 127.79.27.x, a fake ping, and what reaches the camera read
// from its log.

#include "StorageMark.h"
#include "../support/StoredRows.h"
#include "CommonHelper.h"
#include "CustomDialog.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceMaintenance.h"
#include "DevicePagesTestUtil.h"
#include "OperatorActs.h"
#include "DeviceRoundTrip.h"
#include "DeviceSettingWidget.h"
#include "ConfigConversation.h"
#include "ForgotPassword.h"
#include "RecordKeeper.h"
#include "EthernetSettingWidget.h"
#include "KelvoSDKHelper.h"
#include "MainWindow.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "Platform.h"
#include "RecordSchedule.h"
#include "RecordScheduleThread.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "TestMedia.h"
#include "RemoteConfigSetting.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include <map>
#include <memory>

using namespace DevicePagesTest;
using namespace OperatorActs;

namespace {

enum Cam { Maint, Settings, Checks, Early, Move, Refuse, Silent, Recorded, Crossed, SlowMove, Unproven, CamCount };

QString camIp(int cam)
{
    return QStringLiteral("127.79.27.%1").arg(cam + 2);
}

QString dialogText(QWidget *dialog)
{
    QString text;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        text += label->text() + QLatin1Char('|');
    return text;
}

} // namespace

class TestCameraSystem : public QObject
{
    Q_OBJECT

    FakePing m_ping;
    std::map<int, std::unique_ptr<SimDevice>> m_cams;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<RemoteConfigSetting> m_w;

    static FUN_DEV_INFO *record(const QString &ip) { return DeviceInfoManager::instance()->findDevInfo(ip); }

    // The camera's window with one page selected, after that page asked.
    template <class Page> Page *openPage(int cam, int id, unsigned int getCmd)
    {
        const int asked = m_cams[cam]->requestCount(getCmd);
        if (!m_w) {
            m_w = std::make_unique<RemoteConfigSetting>();
            m_w->setDevInfo(record(camIp(cam)));
            m_w->setModal(false);
            m_w->show();
        }
        const QModelIndex index = m_w->pageItem(id)->index();
        m_w->treeView()->scrollTo(index);
        QTest::mouseClick(m_w->treeView()->viewport(), Qt::LeftButton, {}, m_w->treeView()->visualRect(index).center());
        waitFor([&] { return m_cams[cam]->requestCount(getCmd) > asked; });
        roundTrip(cam);
        return qobject_cast<Page *>(m_w->page(id));
    }

    bool roundTrip(int cam) { return DevicePagesTest::roundTrip(record(camIp(cam))); }

    // Presses a page button that asks a question; returns the question's text.
    QString answer(QPushButton *button, bool accept)
    {
        QString text;
        onModal<CustomDialog>([&text, accept](CustomDialog *d) {
            text = dialogText(d);
            accept ? d->accept() : d->reject();
        });
        button->click();
        return text;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        m_ping.install();
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        KelvoSDKHelper::instance()->setTimings(timings);
        EthernetSettingWidget::setTimings(3000, 200);
        for (int cam = 0; cam < CamCount; ++cam) {
            m_cams[cam] = std::make_unique<SimDevice>(SimDevice::Ipc);
            QVERIFY(m_cams[cam]->listen(QHostAddress(camIp(cam))));
            m_cams[cam]->setProperty("simRebootMs", 300);
            FUN_DEV_INFO info;
            info.ip = camIp(cam);
            info.devPort = m_cams[cam]->port();
            info.rtspPort = 8554;
            info.sn = QStringLiteral("SIM-SYS-%1").arg(cam);
            info.name = QStringLiteral("Camera %1").arg(cam);
            OrmHelper::AddDevs({&info});
        }
        m_window = std::make_unique<MainWindow>();
        m_window->deviceController()->setLoginRetryDelayMs(200);
        m_window->setUserName(QStringLiteral("admin"));
        m_window->setRights(DEFAULT_RIGHTS);
        for (int cam = 0; cam < CamCount; ++cam)
            QTRY_VERIFY_WITH_TIMEOUT(record(camIp(cam)) && record(camIp(cam))->loginStatus == 1, 20000);
    }

    void cleanup()
    {
        if (m_w)
            m_w->onCloseBtnClick();
        m_w.reset();
        closeToasts();
        m_ping.answering.clear();
        m_ping.asked.clear();
    }

    void cleanupTestCase() { m_window.reset(); }

    void maintenance()
    {
        SimDevice *cam = m_cams[Maint].get();
        cam->setCommandSilent(13014, true);
        auto *page = openPage<DeviceMaintenance>(Maint, 14008, 13014);
        QVERIFY(page);
        const QString before = answer(child<QPushButton>(page, "m_btnFullRecovery"), false);
        QVERIFY2(before.contains(QStringLiteral("restored to the default 192.168.8.88 or a new IP obtained via DHCP")),
                 qPrintable(before));
        QCOMPARE(cam->requestCount(14011), 0);

        // The request the camera dropped leaves its answers out of step (the
        // client cannot tell whose the next one is): the page keeps the
        // default until a fresh session, then reads the camera's address.
        cam->setCommandSilent(13014, false);
        QTRY_COMPARE_WITH_TIMEOUT(m_w->conversation()->waiting(nullptr, 13014), 0, 10000);
        QVERIFY(!m_w->conversation()->inStep(13014, 0));
        const int sessions = cam->acceptedCount();
        m_w->conversation()->restartSession();
        QTRY_VERIFY_WITH_TIMEOUT(cam->acceptedCount() > sessions && m_w->conversation()->isOnline(), 10000);
        openPage<DeviceMaintenance>(Maint, 14008, 13014);
        QTRY_COMPARE_WITH_TIMEOUT(page->networkBlock().IP, camIp(Maint), 10000);
        const QString after = answer(child<QPushButton>(page, "m_btnFullRecovery"), false);
        QVERIFY2(after.contains(QStringLiteral("restored to the default %1. Are you sure").arg(camIp(Maint))),
                 qPrintable(after));

        const QString reboot = answer(child<QPushButton>(page, "m_btnReboot"), true);
        QVERIFY(reboot.startsWith(QStringLiteral("reboot this device?|")));
        QVERIFY(reboot.contains(QStringLiteral("Are you sure you want to reboot this device?")));
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Rebooting device...")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Device rebooted!")), 20000);
        QCOMPARE(cam->requestCount(14008), 1);
    }

    void deviceSettings()
    {
        SimDevice *cam = m_cams[Settings].get();
        // A CPU outside the chip list: the name travels as text.
        cam->setStoredValue(15004, QStringLiteral("languageCapList"), QStringLiteral("zh_cn+khm+"));
        cam->setStoredBody(
            14003,
            QStringLiteral(
                "<settingsConfig><deviceName>a&amp;b</deviceName><language>khm</language></settingsConfig>"
                "<timingConfig><timingMode>1</timingMode><timeZone>Mars/Olympus</timeZone><year>2026</year><month>3</month>"
                "<day>4</day><hour>5</hour><minute>6</minute><second>7</second><NTPServer>ntp.example.com</NTPServer>"
                "<NTPPort>123</NTPPort><timingInterval>60</timingInterval></timingConfig>"));
        auto *page = openPage<DeviceSettingWidget>(Settings, 14001, 14003);
        QVERIFY(page);
        auto *languages = child<QComboBox>(page, "comboBox_language");
        QTRY_COMPARE_WITH_TIMEOUT(languages->count(), 2, 10000);
        QCOMPARE(languages->itemText(0), QStringLiteral("Chinese"));
        QCOMPARE(languages->itemData(1).toString(), QStringLiteral("khm"));
        QCOMPARE(languages->currentText(), QStringLiteral("ភាសាខ្មែរ"));
        // NTP mode shows the server fields only.
        QVERIFY(child<QLineEdit>(page, "lineEdit_timingServer")->isVisible());
        QVERIFY(!child<QDateTimeEdit>(page, "dateTimeEdit_device")->isVisible());
        QCOMPARE(child<QDateTimeEdit>(page, "dateTimeEdit_device")->date(), QDate(2026, 3, 4));
        QVERIFY(page->clockRunning());

        // General: the language saved, the name back as it came.
        auto *tabs = child<QTabWidget>(page, "tabWidget");
        tabs->setCurrentIndex(0);
        pick(languages, 0);
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14005), 1, 10000);
        QCOMPARE(cam->requests(14005).first().body.value(QStringLiteral("deviceName")), QStringLiteral("a&b"));
        QCOMPARE(cam->requestCount(14007), 0);

        // Time: the exact body, the unknown zone sent back unchanged.
        tabs->setCurrentIndex(1);
        pick(child<QComboBox>(page, "comboBox_timingMode"), 0);
        child<QDateTimeEdit>(page, "dateTimeEdit_setTime")->setDateTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        // A port or interval that is no number is refused, not sent as 0.
        for (const char *field : {"lineEdit_timingPort", "lineEdit_timingInterval"}) {
            auto *edit = child<QLineEdit>(page, field);
            const QString kept = edit->text();
            typeText(edit, field == QByteArray("lineEdit_timingPort") ? QStringLiteral("abc")
                                                                      : QStringLiteral("99999999999"));
            child<QPushButton>(page, "pushButton_save")->click();
            QVERIFY(toastTexts().contains(QStringLiteral("Invalid format")));
            typeText(edit, kept);
        }
        QVERIFY(roundTrip(Settings));
        QCOMPARE(cam->requestCount(14007), 0);
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14007), 1, 10000);
        QCOMPARE(
            cam->requests(14007).first().bodyText,
            QStringLiteral("<timingConfig><timingMode>0</timingMode><timeZone>Mars/Olympus</timeZone>\n\t\t\t"
                           "<timeOffset></timeOffset> <year>2026</year><month>01</month><day>02</day>\n<hour>03</hour>"
                           "<minute>04</minute><second>05</second> <NTPServer>ntp.example.com</NTPServer>"
                           "<NTPPort>123</NTPPort>\n<timingInterval>60</timingInterval></timingConfig>"));

        // A zone the operator picks goes by its key.
        cam->setStoredValue(14003, QStringLiteral("timeZone"), QStringLiteral("Europe/London"));
        openPage<DeviceSettingWidget>(Settings, 14001, 14003);
        auto *zones = child<QComboBox>(page, "comboBox_timeZone");
        QTRY_COMPARE_WITH_TIMEOUT(zones->currentText(), QStringLiteral("Dublin, Edinburgh, Lisbon, London"), 10000);
        const int paris = zones->findText(QStringLiteral("Brussels, Copenhagen, Madrid, Paris"));
        QVERIFY(paris >= 0);
        zones->setCurrentIndex(paris);
        emit zones->activated(paris);
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14007), 2, 10000);

        // Read again: the saved language and zone, the manual mode.
        openPage<DeviceSettingWidget>(Settings, 14001, 14003);
        QTRY_COMPARE_WITH_TIMEOUT(languages->currentText(), QStringLiteral("Chinese"), 10000);
        QCOMPARE(zones->currentText(), QStringLiteral("Brussels, Copenhagen, Madrid, Paris"));
        QCOMPARE(cam->storedValue(14003, QStringLiteral("timeZone")), QStringLiteral("Europe/Paris"));
        QVERIFY(child<QDateTimeEdit>(page, "dateTimeEdit_device")->isVisible());

        // The synchronise box runs the "Set Time" editor; hiding stops the clock only.
        auto *sync = child<QCheckBox>(page, "checkBox_syncLocalTime");
        sync->click();
        QVERIFY(page->setTimeRunning());
        sync->click();
        QVERIFY(!page->setTimeRunning());
        sync->click();
        page->hide();
        QVERIFY(!page->clockRunning());
        QVERIFY(page->setTimeRunning());
        page->show();

        // A camera naming its zone by minutes gets minutes for the zone picked.
        cam->setStoredValue(14003, QStringLiteral("timeZone"), QStringLiteral("480"));
        openPage<DeviceSettingWidget>(Settings, 14001, 14003);
        QTRY_COMPARE_WITH_TIMEOUT(zones->currentText(), QStringLiteral("GMT+08:00"), 10000);
        const int tokyo = zones->findText(QStringLiteral("GMT+09:00"));
        zones->setCurrentIndex(tokyo);
        emit zones->activated(tokyo);
        tabs->setCurrentIndex(1);
        const int times = cam->requestCount(14007);
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(14007), times + 1, 10000);
        QCOMPARE(cam->requests(14007).last().body.value(QStringLiteral("timeZone")), QStringLiteral("540"));
        QCOMPARE(cam->requests(14007).last().body.value(QStringLiteral("timeOffset")), QStringLiteral("540"));

        // No settingsConfig: General's Save would erase the name, so nothing goes.
        cam->setStoredBody(14003, QStringLiteral("<timingConfig><timingMode>0</timingMode></timingConfig>"));
        openPage<DeviceSettingWidget>(Settings, 14001, 14003);
        tabs->setCurrentIndex(0);
        child<QPushButton>(page, "pushButton_save")->click();
        QVERIFY(toastTexts().contains(SharedTexts::readFailedText()));
        QVERIFY(roundTrip(Settings));
        QCOMPARE(cam->requestCount(14005), 1);
    }

    void tcpipChecks_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<QString>("standbyDns");
        QTest::addColumn<bool>("pingAnswers");
        QTest::addColumn<QString>("refusal"); // empty: sent
        QTest::addColumn<bool>("pinged");
        QTest::addColumn<QString>("checkSays"); // "Check IP" on the typed address; empty: not pressed
        const QString own = camIp(Checks);
        const QString available = SharedTexts::ipAvailableText();
        QTest::newRow("dhcp, no checks") << true << ""
                                         << ""
                                         << "" << false << "" << false << "";
        QTest::newRow("empty standby dns") << false << own << "127.0.0.1"
                                           << "" << false << "Invalid format" << false << available;
        QTest::newRow("unchanged, no ping") << false << own << "127.0.0.1"
                                            << "127.0.0.1" << true << "" << false << available;
        QTest::newRow("new address in use") << false << "127.79.27.40"
                                            << "127.0.0.1"
                                            << "127.0.0.1" << true << "The IP address is already in use." << true
                                            << "The IP address is already in use.";
        QTest::newRow("subnet mismatch") << false << own << "10.0.0.1"
                                         << "127.0.0.1" << false << "The IP and gateway are not in the same subnet."
                                         << false << "The IP and gateway are not in the same subnet.";
        QTest::newRow("address that is none") << false << "127.79.27.256"
                                              << "127.0.0.1"
                                              << "127.0.0.1" << false << "Invalid format" << false << "Invalid format";
    }

    void tcpipChecks()
    {
        QFETCH(bool, dhcp);
        QFETCH(QString, ip);
        QFETCH(QString, gateway);
        QFETCH(QString, standbyDns);
        QFETCH(bool, pingAnswers);
        QFETCH(QString, refusal);
        QFETCH(bool, pinged);
        QFETCH(QString, checkSays);
        const QString available = SharedTexts::ipAvailableText();
        SimDevice *cam = m_cams[Checks].get();
        cam->setStoredValue(13002, QStringLiteral("DHCPMode"), QStringLiteral("0"));
        auto *page = openPage<EthernetSettingWidget>(Checks, 13002, 13002);
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(child<QRadioButton>(page, "radioButton_static")->isChecked(), 10000);
        const int sets = cam->requestCount(13003);
        if (dhcp) {
            child<QRadioButton>(page, "radioButton_dhcp")->click();
            for (QLineEdit *edit : page->findChildren<QLineEdit *>())
                QVERIFY(!edit->isEnabled());
        } else {
            typeText(child<QLineEdit>(page, "lineEdit_ip"), ip);
            typeText(child<QLineEdit>(page, "lineEdit_gateway"), gateway);
            typeText(child<QLineEdit>(page, "lineEdit_dns2"), standbyDns);
        }
        if (pingAnswers)
            m_ping.answering << ip;
        // "Check IP" judges the address as Save does, and pings only a new one.
        if (!checkSays.isEmpty()) {
            // What the press says, not the late outcome of an earlier row's
            // Save: the camera answers in order.
            QVERIFY(roundTrip(Checks));
            closeToasts();
            child<QPushButton>(page, "pushButton_checkIp")->click();
            QCOMPARE(toastTexts(), QStringList{checkSays});
            QCOMPARE(!m_ping.asked.isEmpty(), pinged);
            bool marked = false; // the field at fault
            for (const char *field : {"lineEdit_ip", "lineEdit_netMask", "lineEdit_gateway"})
                marked = marked || framedRed(child<QLineEdit>(page, field));
            QCOMPARE(marked, checkSays != available);
            closeToasts();
            m_ping.asked.clear();
        }
        child<QPushButton>(page, "pushButton_save")->click();
        QCOMPARE(!m_ping.asked.isEmpty(), pinged);
        if (!refusal.isEmpty()) {
            QVERIFY(toastTexts().contains(refusal));
            QVERIFY(roundTrip(Checks));
            QCOMPARE(cam->requestCount(13003), sets);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(13003), sets + 1, 10000);
        const auto sent = findValuesInXml(cam->requests(13003).last().xml, QStringLiteral("TCPIP"));
        QCOMPARE(sent.value(QStringLiteral("DHCPMode")), dhcp ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(sent.value(QStringLiteral("IP")), camIp(Checks));
        QVERIFY(!page->movePending());
    }

    // Only what the operator typed is checked: a reported empty standby DNS
    // goes back empty while the preferred one changes.
    void untypedFieldsUnchecked()
    {
        SimDevice *cam = m_cams[Checks].get();
        cam->setStoredValue(13002, QStringLiteral("DHCPMode"), QStringLiteral("0"));
        cam->setStoredValue(13002, QStringLiteral("standbyDNS"), QString());
        auto *page = openPage<EthernetSettingWidget>(Checks, 13002, 13002);
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(child<QRadioButton>(page, "radioButton_static")->isChecked(), 10000);
        QVERIFY(child<QLineEdit>(page, "lineEdit_dns2")->text().isEmpty());
        const int sets = cam->requestCount(13003);
        typeText(child<QLineEdit>(page, "lineEdit_dns1"), QStringLiteral("127.0.0.53"));
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cam->requestCount(13003), sets + 1, 10000);
        const QString sent = cam->requests(13003).last().bodyText;
        QVERIFY2(sent.contains(QStringLiteral("<preferredDNS>127.0.0.53</preferredDNS>"))
                     && sent.contains(QStringLiteral("<standbyDNS></standbyDNS>")),
                 qPrintable(sent));
        QVERIFY(!toastTexts().contains(QStringLiteral("Invalid format")));
    }

    // Before any 13002 answer the fields are not the camera's: Save is
    // refused, saying that the page is still being read.
    void saveBeforeAnswer()
    {
        SimDevice *cam = m_cams[Early].get();
        cam->setCommandSilent(13002, true);
        auto *page = openPage<EthernetSettingWidget>(Early, 13002, 13002);
        child<QPushButton>(page, "pushButton_save")->click();
        QVERIFY(toastTexts().contains(ConfigConversation::stillReadingText()));
        QVERIFY(roundTrip(Early));
        QCOMPARE(cam->requestCount(13003), 0);
        cam->setCommandSilent(13002, false);
    }

    void addressChange_data()
    {
        QTest::addColumn<int>("cam");
        QTest::addColumn<QString>("newIp");
        QTest::addColumn<bool>("moves");
        // A second Save clicked before the first is answered: it waits its
        // turn, and never goes out (the camera moved without answering).
        QTest::addColumn<QString>("laterIp");
        QTest::newRow("confirmed") << int(Move) << "127.79.27.50" << true << "";
        QTest::newRow("refused") << int(Refuse) << "127.79.27.51" << false << "";
        QTest::newRow("silent move") << int(Silent) << "127.79.27.52" << true << "";
        QTest::newRow("a later Save crossing") << int(Crossed) << "127.79.27.53" << true << "127.79.27.54";
        // Answered at three quarters of the deadline, long after a broken
        // connection would have meant a move: the answer still moves the record.
        QTest::newRow("an honest slow camera") << int(SlowMove) << "127.79.27.55" << true << "";
        QTest::newRow("a password unproven, a silent move, the window closed")
            << int(Unproven) << "127.79.27.56" << true << "";
    }

    // The record follows a camera that moved, with its ports, name and alarm
    // settings; a refused change moves nothing.
    void addressChange()
    {
        QFETCH(int, cam);
        QFETCH(QString, newIp);
        QFETCH(bool, moves);
        QFETCH(QString, laterIp);
        SimDevice *sim = m_cams[cam].get();
        const QString oldIp = camIp(cam);
        if (!laterIp.isEmpty())
            sim->planReplies(13003, {SimDevice::Held});
        if (cam == Refuse)
            sim->setForcedResult(13003, 1);
        // The slow answer comes after the move window, yet well inside its
        // deadline however busy the machine is: the deadline is stretched
        // for this row, so only the order of the two counts.
        const int timeoutMs = ConfigConversation::timeoutMs();
        const auto restoreTimeout = qScopeGuard([timeoutMs] { ConfigConversation::setTimeoutMs(timeoutMs); });
        if (cam == SlowMove) {
            ConfigConversation::setTimeoutMs(60000);
            sim->setCommandDelay(13003, 4500);
        }
        sim->setProperty("simSilentMove", cam == Silent || cam == Unproven);
        if (cam == Unproven) {
            sim->planReplies(Cmd::ResetPassword, {SimDevice::Held});
            ForgotPassword forgot;
            forgot.setDevInfo(record(oldIp));
            child<QLineEdit>(&forgot, "lineEditSafe")->setText(sim->state().securityCode);
            child<QLineEdit>(&forgot, "lineEditPassword")->setText(QStringLiteral("new"));
            child<QLineEdit>(&forgot, "lineEditConfirmPassword")->setText(QStringLiteral("new"));
            child<QPushButton>(&forgot, "pushButtonOK")->click();
            QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(Cmd::ResetPassword), 1, 10000);
        }
        cms_DealAlarmType alarm;
        alarm.devip = oldIp;
        alarm.bMotionDetection = true;
        QVERIFY(orm::dao::insert(alarm).text().isEmpty());
        // Left by a device that was once at the new address: the moving
        // camera's settings take its place.
        cms_DealAlarmType stale;
        stale.devip = newIp;
        QVERIFY(orm::dao::insert(stale).text().isEmpty());

        auto *page = openPage<EthernetSettingWidget>(cam, 13002, 13002);
        // Modal, as the shell runs it: its toasts are its own children.
        m_w->hide();
        m_w->setModal(true);
        m_w->show();
        QTRY_VERIFY_WITH_TIMEOUT(child<QRadioButton>(page, "radioButton_static")->isChecked(), 10000);
        typeText(child<QLineEdit>(page, "lineEdit_ip"), newIp);
        // Where the camera went is said while the window still shows, and
        // nothing moves before the operator has read it.
        QString told;
        bool windowShown = false, recordKept = false;
        if (moves && cam != Unproven) {
            onModal<CustomDialog>([&](CustomDialog *d) {
                told = dialogText(d);
                windowShown = m_w && m_w->isVisible();
                recordKept = record(oldIp) && !record(newIp);
                d->accept();
            });
        }
        child<QPushButton>(page, "pushButton_save")->click();
        if (!laterIp.isEmpty()) {
            typeText(child<QLineEdit>(page, "lineEdit_ip"), laterIp);
            child<QPushButton>(page, "pushButton_save")->click();
        }
        if (cam == Unproven)
            m_w.reset();
        QTRY_COMPARE_WITH_TIMEOUT(sim->requestCount(13003), 1, 10000);
        if (!moves) {
            QTRY_VERIFY_WITH_TIMEOUT(!page->movePending(), 10000);
            QVERIFY(roundTrip(cam));
            QVERIFY(m_w->isVisible());
            QVERIFY(record(oldIp));
            QVERIFY(!record(newIp));
            sim->clearForcedResult(13003);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!m_w || !m_w->isVisible(), 30000);
        QVERIFY2(cam == Unproven || told.contains(EthernetSettingWidget::movedText(newIp)), qPrintable(told));
        QVERIFY(cam == Unproven || (windowShown && recordKept));
        m_w.reset(); // as the shell deletes it: the result stays in sight
        const QString moved = QStringLiteral("Camera %1 (%2): ").arg(cam).arg(oldIp) + RecordKeeper::movedText(newIp);
        QTRY_VERIFY(toastTexts().contains(cam == Unproven ? moved : SharedTexts::configSuccessText()));
        QTRY_VERIFY_WITH_TIMEOUT(record(newIp) && record(newIp)->loginStatus == 1, 20000);
        QVERIFY(!record(oldIp));
        QCOMPARE(record(newIp)->name, QStringLiteral("Camera %1").arg(cam));
        if (!laterIp.isEmpty())
            QVERIFY(!record(laterIp));
        QCOMPARE(int(record(newIp)->rtspPort), 8554);
        QCOMPARE(int(record(newIp)->devPort), int(sim->port()));
        QTRY_COMPARE_WITH_TIMEOUT(storedDevice(newIp).password, cam == Unproven ? "new" : DEFAULT_DEV_PASSWORD, 20000);
        QList<QSharedPointer<cms_DealAlarmType>> rows;
        QVERIFY(orm::dao::fetch_by_query<cms_DealAlarmType>(
                    OrmQuery(QStringLiteral("WHERE devip = :ip")).bind(QStringLiteral(":ip"), newIp), rows)
                    .text()
                    .isEmpty());
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows.first()->bMotionDetection);
    }

    // A recorded camera moved on its TCP/IP page records on at its new
    // address, and its alarms are kept there, without a settings Save or a
    // restart.
    void addressChangeKeepsRecordingAndAlarms()
    {
        SimDevice *sim = m_cams[Recorded].get();
        const QString oldIp = camIp(Recorded);
        const QString newIp = QStringLiteral("127.79.27.60");
        // As the camera reported it.
        QTRY_VERIFY_WITH_TIMEOUT(record(oldIp)->sn != QStringLiteral("SIM-SYS-%1").arg(int(Recorded)), 10000);
        const QString sn = record(oldIp)->sn;
        QVERIFY(!sn.isEmpty() && sn != oldIp);
        QTemporaryDir storage;
        CommonHelper::setStoragePathsProvider([&storage] { return StoragePaths{{}, storage.path(), {}}; });
        // The storage folder chosen as the settings dialog would: the window
        // may already have taken the default one.
        auto config = storedConfig();
        const QString backupBefore = config->BackupPath;
        config->BackupPath = storage.path();
        QVERIFY(OrmHelper::saveConfig(config));
        QVERIFY(StorageMark::takeAnew(storage.path()));
        const QScopeGuard backupBack([&backupBefore] {
            auto c = storedConfig();
            c->BackupPath = backupBefore;
            OrmHelper::saveConfig(c);
        });
        Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
        RecordScheduleThread::setSecondsPerPlanMinuteForTesting(2);

        // The camera serves its stream wherever it is.
        const QString clip = testmedia::makeClip("moved.mp4", "h264", 60);
        QVERIFY(!clip.isEmpty());
        testmedia::RtspServer atOld, atNew;
        atOld.setAddress(oldIp);
        QVERIFY(atOld.start({"/stream1=" + clip}));
        atNew.setAddress(newIp);
        atNew.setPort(atOld.port());
        QVERIFY(atNew.start({"/stream1=" + clip}));
        record(oldIp)->rtspPort = quint16(atOld.port());
        OrmHelper::ModifyDev(record(oldIp));

        cms_DealAlarmType type;
        type.devip = oldIp;
        type.bMotionDetection = true;
        QVERIFY(orm::dao::insert(type).text().isEmpty());
        cms_DealAlarmTime arming;
        arming.devip = oldIp;
        for (QString *t : {&arming.timeMon, &arming.timeTue, &arming.timeWed, &arming.timeThu, &arming.timeFri,
                           &arming.timeSat, &arming.timeSun})
            *t = QStringLiteral("00:00:00-23:59:59");
        arming.bMon = arming.bTue = arming.bWed = arming.bThu = arming.bFri = arming.bSat = arming.bSun = true;
        QVERIFY(orm::dao::insert(arming).text().isEmpty());
        emit SignalsHelper::instance()->signalUpdateAlarm();
        const auto alarms = [&sn] {
            long n = 0;
            orm::dao::count<CustomAlarmInfo>(n, OrmQuery(QStringLiteral("WHERE handler = :sn")).bind(":sn", sn));
            return int(n);
        };
        const auto motion = [] {
            const QDateTime t = QDateTime::currentDateTime();
            return QStringLiteral("<alarmType>0</alarmType><alarmTime><year>%1</year><month>%2</month><day>%3</day>"
                                  "<hour>%4</hour><minute>%5</minute><second>%6</second></alarmTime>")
                .arg(t.date().year())
                .arg(t.date().month())
                .arg(t.date().day())
                .arg(t.time().hour())
                .arg(t.time().minute())
                .arg(t.time().second());
        };

        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.iTurnOn = 1;
        plan.iTimeFile = 1;
        for (int i = 0; i < 7; ++i)
            plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
        plan.devices.append({sn, oldIp, 0, 0, 0});
        QVERIFY(RecordSchedule::storePlan(plan));
        RecordSchedule *schedule = m_window->schedulePage();
        schedule->showStrategyData(QStringLiteral("Default Strategy"));
        schedule->record();
        const auto segments = [&storage](const QString &ip) {
            return QDir(storage.filePath(ip)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(schedule->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QCOMPARE(segments(oldIp), 1);
        sim->pushAlarm(motion());
        QTRY_COMPARE_WITH_TIMEOUT(alarms(), 1, 10000);

        auto *page = openPage<EthernetSettingWidget>(Recorded, 13002, 13002);
        QTRY_VERIFY_WITH_TIMEOUT(child<QRadioButton>(page, "radioButton_static")->isChecked(), 10000);
        typeText(child<QLineEdit>(page, "lineEdit_ip"), newIp);
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        child<QPushButton>(page, "pushButton_save")->click();
        QTRY_VERIFY_WITH_TIMEOUT(record(newIp) && record(newIp)->loginStatus == 1, 20000);
        QVERIFY(!record(oldIp));

        QCOMPARE(schedule->plan().devices.size(), 1);
        QCOMPARE(schedule->plan().devices.first().szDevIp, newIp);
        QCOMPARE(RecordSchedule::readRecordDevices(storedPlan()->devInfo).value(0).szDevIp, newIp);
        QVERIFY(schedule->isRecording());
        QTRY_COMPARE_WITH_TIMEOUT(segments(newIp), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(schedule->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        sim->pushAlarm(motion());
        QTRY_COMPARE_WITH_TIMEOUT(alarms(), 2, 10000);

        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        schedule->showStrategyData(QStringLiteral("Default Strategy"));
        schedule->record();
        QVERIFY(!schedule->isRecording());
        CommonHelper::setStoragePathsProvider({});
        Platform::setFreeSpaceProbe({});
    }
};

QTEST_MAIN(TestCameraSystem)
#include "tst_camerasystem.moc"
