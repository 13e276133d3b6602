// The NVR configuration window against a simulated NVR logged in over
// loopback: what each button asks, which replies reach the operator, and each
// page's Save read back through the next request.

#include "CNVRBasicSetting.h"
#include "CNVRConfigSetting.h"
#include "CNVRDiskBrowse.h"
#include "CNVRDrawQRcode.h"
#include "CNVREthernetSetting.h"
#include "CNVRLockScreenDlg.h"
#include "CommonHelper.h"
#include "CustomDialog.h"
#include "DevicePagesTestUtil.h"
#include "NvrWindowTestUtil.h"
#include "KelvoSDKHelper.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "PrivateProto.h"
#include "SharedTexts.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

#include <memory>

using namespace DevicePagesTest;

namespace {

// Commands the session sends by itself.
bool isSessionTraffic(unsigned cmd)
{
    return cmd == 14012 || cmd == 35001;
}

} // namespace

class TestNvrConfigWindow : public QObject
{
    Q_OBJECT

    int m_nextHost = 1;
    std::unique_ptr<SimDevice> m_nvr;
    FUN_DEV_INFO m_record;
    std::unique_ptr<CNVRConfigSetting> m_window;

    // A fresh NVR on an address of its own, logged in.
    bool startNvr(std::unique_ptr<SimDevice> &nvr, FUN_DEV_INFO &record)
    {
        if (!NvrWindowTest::startNvr(nvr, record, QStringLiteral("127.33.0.%1").arg(m_nextHost++)))
            return false;
        record.mac = QStringLiteral("02:00:ab:cd:ef:0a");
        return true;
    }

    // Pages' commands received since the last clear.
    QList<unsigned> pageCommands() const
    {
        QList<unsigned> out;
        for (const SimRequest &r : m_nvr->requests())
            if (!isSessionTraffic(r.cmd))
                out << r.cmd;
        return out;
    }

    QString lastBody(unsigned cmd) const { return NvrWindowTest::lastBody(*m_nvr, cmd); }

    template <class T> T *find(const char *name) const { return child<T>(m_window.get(), name); }
    // Both editable pages have a button of this name.
    QPushButton *saveOf(const char *page) const { return child<QPushButton>(find<QWidget>(page), "m_btnSave"); }

    // Clicks a button and waits until the NVR has answered the read it sent.
    bool clickAndRead(const char *button, unsigned cmd)
    {
        const int before = m_nvr->requestCount(cmd);
        find<QPushButton>(button)->click();
        if (!waitFor([&] { return m_nvr->requestCount(cmd) > before; }))
            return false;
        // The reply follows on the same connection; a marker read after it
        // proves it was handled.
        return flush();
    }

    static bool flush(SimDevice &nvr, const FUN_DEV_INFO &record) { return NvrWindowTest::flush(nvr, record); }
    bool flush() { return flush(*m_nvr, m_record); }

    bool waitForToast(const QString &text)
    {
        return waitFor([&] { return toastTexts().contains(text); });
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
    }

    void init()
    {
        QVERIFY(startNvr(m_nvr, m_record));
        m_window = std::make_unique<CNVRConfigSetting>();
        m_window->setDevInfo(&m_record);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14001) == 1; }));
        QVERIFY(flush());
        m_nvr->clearRequests();
    }

    void cleanup()
    {
        m_window.reset();
        closeToasts();
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(&m_record));
        m_nvr.reset();
    }

    // The shell opens the window modally for an NVR record; it opens on the
    // basic information page and asks for it once.
    void shellOpensTheWindow()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        MainWindow shell;
        m_window.reset();
        m_nvr->clearRequests();
        QString name;
        bool basic = false;
        bool basicInfo = false;
        bool closedByEsc = false;
        QString title, shownTitle, lockTime;
        int reads = -1;
        onModal<CNVRConfigSetting>([&](CNVRConfigSetting *w) {
            name = w->objectName();
            waitFor([&] { return m_nvr->requestCount(14001) > 0; });
            flush();
            reads = m_nvr->requestCount(14001);
            basic = w->findChild<QPushButton *>(QStringLiteral("pushButtonBasic"))->isChecked();
            basicInfo = w->findChild<QPushButton *>(QStringLiteral("pushButtonBasicInfo"))->isChecked();
            title = w->windowTitle();
            shownTitle = w->findChild<QLabel *>(QStringLiteral("labelTitle"))->text();
            // Esc closes nothing; a time typed and not saved yet stays.
            auto *lock = w->findChild<QLineEdit *>(QStringLiteral("m_lineLockScreen"));
            QTest::mouseClick(lock, Qt::LeftButton);
            QTest::keyClick(lock, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(lock, QStringLiteral("75"));
            QTest::keyClick(w, Qt::Key_Escape);
            closedByEsc = !w->isVisible();
            lockTime = lock->text();
            if (!closedByEsc)
                w->reject();
        });
        shell.showDevConfigManage(&m_record);
        QVERIFY(!closedByEsc);
        QCOMPARE(lockTime, QStringLiteral("75"));
        QVERIFY(!shownTitle.isEmpty());
        QCOMPARE(title, shownTitle);
        QCOMPARE(name, QStringLiteral("NVRConfig"));
        QCOMPARE(reads, 1);
        QVERIFY(basic && basicInfo);
    }

    void buttonsAskForTheirPages_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QList<unsigned>>("sent");
        QTest::newRow("disk tab") << QStringList{"pushButtonDisk"} << QList<unsigned>{14100, 14102};
        QTest::newRow("storage shows the disk page")
            << QStringList{"pushButtonDisk", "pushButtonVersion", "pushButtonStorage"}
            << QList<unsigned>{14100, 14102, 14002, 14100, 14102};
        QTest::newRow("storage shows the plan page") << QStringList{"pushButtonStorage"} << QList<unsigned>{14104};
        QTest::newRow("basic returns to the date page")
            << QStringList{"pushButtonDatetime", "pushButtonInternet", "pushButtonBasic"}
            << QList<unsigned>{14006, 13001, 14006};
        QTest::newRow("same button twice")
            << QStringList{"pushButtonInternet", "pushButtonInternet"} << QList<unsigned>{13001, 13001};
    }

    void buttonsAskForTheirPages()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QList<unsigned>, sent);
        for (const QString &b : buttons)
            find<QPushButton>(qPrintable(b))->click();
        QVERIFY(waitFor([&] { return pageCommands().size() >= sent.size(); }));
        QCOMPARE(pageCommands(), sent);
    }

    void repliesReachTheOperator_data()
    {
        QTest::addColumn<unsigned>("cmd");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("saved");    // the basic page's Save asked for it
        QTest::addColumn<QString>("toast"); // empty: none
        QTest::newRow("save accepted") << 14005u << 0 << true << SharedTexts::configSuccessText();
        QTest::newRow("save refused") << 14005u << 5 << true << CommonHelper::errorCodeToText(5);
        // A set reply nobody asked for is no result of anything.
        QTest::newRow("accepted save nobody sent") << 14005u << 0 << false << QString();
        QTest::newRow("refused format nobody sent") << 14101u << 4 << false << QString();
        QTest::newRow("alarm") << 35003u << 0 << false << QString();
        QTest::newRow("login reply") << 14012u << 0 << false << QString();
        QTest::newRow("channel list") << 14203u << 0 << false << QString();
        QTest::newRow("keep-alive") << 35001u << 0 << false << QString();
    }

    void repliesReachTheOperator()
    {
        QFETCH(unsigned, cmd);
        QFETCH(int, result);
        QFETCH(bool, saved);
        QFETCH(QString, toast);
        // Another NVR's answer never shows.
        std::unique_ptr<SimDevice> other;
        FUN_DEV_INFO otherRecord;
        QVERIFY(startNvr(other, otherRecord));
        other->pushMessage(14005, QString(), 7);
        QVERIFY(flush(*other, otherRecord));
        if (saved) {
            m_nvr->setForcedResult(cmd, result);
            saveOf("PageBasic")->click();
        } else if (cmd == 35003) {
            m_nvr->pushAlarm(QString());
        } else {
            m_nvr->pushMessage(cmd, QString(), result);
        }
        // Replies of one connection come in order: the marker's answer
        // follows everything above.
        QVERIFY(flush());
        m_nvr->clearForcedResult(cmd);
        QCOMPARE(toastTexts(), toast.isEmpty() ? QStringList() : QStringList{toast});
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(&otherRecord));
    }

    // A failed read is reported and leaves the fields as they were, so a
    // later Save does not write blanks back.
    void failedReadKeepsThePage()
    {
        auto *lock = find<QLineEdit>("m_lineLockScreen");
        QCOMPARE(lock->text(), QStringLiteral("60"));
        m_nvr->setForcedResult(14001, 5);
        find<QPushButton>("pushButtonBasicInfo")->click();
        QVERIFY(waitForToast(CommonHelper::errorCodeToText(5)));
        QCOMPARE(lock->text(), QStringLiteral("60"));
        QCOMPARE(find<QComboBox>("m_cbxResolution")->currentText(), QStringLiteral("1280*720"));
    }

    void basicSaveReadsBack_data()
    {
        QTest::addColumn<QString>("level"); // debugLogLevel seeded; empty: none
        QTest::addColumn<int>("lockOp");    // boxes set in the dialog; -1 Cancel; -2 Esc, then OK
        QTest::addColumn<QString>("body");
        const QString head = QString::fromUtf8("<language>1</language><transparency>1</transparency>"
                                               "<resolution>1280*720</resolution><lockScreenTime>60</lockScreenTime>");
        const QString tail = QStringLiteral("<guideEnable>1</guideEnable><autoAddIpc>1</autoAddIpc>");
        QTest::newRow("no level, log out") << QString() << 1 << head + "<lockScreenOp>1</lockScreenOp>" + tail;
        QTest::newRow("level 3, lock") << "3" << 2
                                       << head + "<lockScreenOp>2</lockScreenOp>" + tail
                                              + "<debugLogLevel>3</debugLogLevel>";
        QTest::newRow("level 0, both") << "0" << 3 << head + "<lockScreenOp>3</lockScreenOp>" + tail;
        // Cancel leaves the boxes as read (log out).
        QTest::newRow("level 9 kept, cancel")
            << "9" << -1 << head + "<lockScreenOp>1</lockScreenOp>" + tail + "<debugLogLevel>9</debugLogLevel>";
        // Esc does nothing: the box ticked stays, OK takes it (log out and lock).
        QTest::newRow("level 9 kept, Esc")
            << "9" << -2 << head + "<lockScreenOp>3</lockScreenOp>" + tail + "<debugLogLevel>9</debugLogLevel>";
    }

    void basicSaveReadsBack()
    {
        QFETCH(QString, level);
        QFETCH(int, lockOp);
        QFETCH(QString, body);
        QString seed = m_nvr->storedBody(14001).remove(QRegularExpression("<debugLogLevel>.*</debugLogLevel>"));
        if (!level.isEmpty())
            seed += QStringLiteral("<debugLogLevel>%1</debugLogLevel>").arg(level);
        m_nvr->setStoredBody(14001, seed);
        QVERIFY(clickAndRead("pushButtonBasicInfo", 14001));

        find<QPushButton>("m_btnSetting")->click();
        auto *dlg = find<CNVRBasicSetting>("PageBasic")->lockScreenDialog();
        QVERIFY(waitFor([&] { return dlg->isVisible(); }));
        if (lockOp == -2) {
            NvrWindowTest::tick(child<QCheckBox>(dlg, "m_ChkBoxLockCurr"), true);
            QTest::keyClick(dlg, Qt::Key_Escape);
            QVERIFY(dlg->isVisible());
            child<QPushButton>(dlg, "m_OKBtn")->click();
        } else if (lockOp < 0) {
            child<QPushButton>(dlg, "m_CancelBtn")->click();
        } else {
            NvrWindowTest::tick(child<QCheckBox>(dlg, "m_ChkBoxLogOut"), lockOp & 1);
            NvrWindowTest::tick(child<QCheckBox>(dlg, "m_ChkBoxLockCurr"), lockOp & 2);
            child<QPushButton>(dlg, "m_OKBtn")->click();
        }
        QVERIFY(!dlg->isVisible());
        saveOf("PageBasic")->click();
        QVERIFY(waitForToast(SharedTexts::configSuccessText()));
        QCOMPARE(lastBody(14005), body);

        dlg->setLockScreenOp(0);
        QVERIFY(clickAndRead("pushButtonBasicInfo", 14001));
        QCOMPARE(dlg->getLockScreenOp(), lockOp == -1 ? 1 : lockOp == -2 ? 3 : lockOp);
        QCOMPARE(find<QComboBox>("comboBoxLogLevel")->isVisibleTo(m_window.get()), level.toInt() > 0);
    }

    void resolutionsFollowTheLanguage()
    {
        QString seed = m_nvr->storedBody(14001);
        seed.replace(QStringLiteral("<language>1</language>"), QStringLiteral("<language>2</language>"));
        seed.replace(QStringLiteral("<resolution>1280*720</resolution>"),
                     QStringLiteral("<resolution>1920*1080</resolution>"));
        m_nvr->setStoredBody(14001, seed);
        QVERIFY(clickAndRead("pushButtonBasicInfo", 14001));
        auto *language = find<QComboBox>("m_cbxLanguage");
        auto *resolution = find<QComboBox>("m_cbxResolution");
        auto items = [resolution] {
            QStringList l;
            for (int i = 0; i < resolution->count(); ++i)
                l << resolution->itemText(i);
            return l;
        };
        QCOMPARE(language->currentText(), QStringLiteral("Indonesia"));
        QCOMPARE(items(), (QStringList{"1280*1024", "1366*768", "1920*1080"}));
        QCOMPARE(resolution->currentText(), QStringLiteral("1920*1080"));
        NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_basic.png"));
        language->setCurrentIndex(1);
        emit language->activated(1);
        QCOMPARE(items(), (QStringList{"1024*768", "1280*720", "1920*1080"}));
        QCOMPARE(resolution->currentText(), QStringLiteral("1920*1080"));
    }

    void networkSave_data()
    {
        QTest::addColumn<QString>("mtu");
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<bool>("sent");
        QTest::newRow("499") << "499" << false << false;
        QTest::newRow("500") << "500" << false << true;
        QTest::newRow("1500 dhcp") << "1500" << true << true;
        QTest::newRow("1501") << "1501" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }

    void networkSave()
    {
        QFETCH(QString, mtu);
        QFETCH(bool, dhcp);
        QFETCH(bool, sent);
        QVERIFY(clickAndRead("pushButtonInternet", 13001));
        auto *ip = find<QLineEdit>("m_lineEditIPAddress");
        QVERIFY(ip->isEnabled());
        NvrWindowTest::typeInto(find<QLineEdit>("m_lineEditMTU"), mtu);
        NvrWindowTest::typeInto(find<QLineEdit>("m_lineEditGateway"), QStringLiteral("127.0.0.254"));
        NvrWindowTest::tick(find<QCheckBox>("m_ChkBoxDHCP"), dhcp);
        QCOMPARE(ip->isEnabled(), !dhcp);
        QCOMPARE(find<QPushButton>("m_btnPing")->isEnabled(), !dhcp);
        saveOf("PageInternet")->click();
        if (!sent) {
            QVERIFY(waitForToast(
                CNVREthernetSetting::tr("The value of the mtu must be between the integers of the [500-1500]")));
            QVERIFY(flush());
            QCOMPARE(m_nvr->requestCount(13003), 0);
            return;
        }
        QVERIFY(waitForToast(SharedTexts::configSuccessText()));
        // The conflict mode goes back as the NVR reported it (2).
        QCOMPARE(lastBody(13003),
                 QStringLiteral("<TCPIP><DHCPMode>%1</DHCPMode><ipConflictMode>2</ipConflictMode><IP>127.0.0.1</IP>"
                                "<netmask>255.0.0.0</netmask><gateway>127.0.0.254</gateway>"
                                "<preferredDNS>127.0.0.1</preferredDNS><standbyDNS>127.0.0.2</standbyDNS>"
                                "<MAC>02:00:00:00:00:0a</MAC><MTU>%2</MTU></TCPIP>"
                                "<wifiEnhance>0</wifiEnhance><poeLongCable>1</poeLongCable>")
                     .arg(dhcp ? 1 : 0)
                     .arg(mtu));
        find<QLineEdit>("m_lineEditMTU")->clear();
        QVERIFY(clickAndRead("pushButtonInternet", 13001));
        QCOMPARE(find<QLineEdit>("m_lineEditMTU")->text(), mtu);
        QCOMPARE(find<QCheckBox>("m_ChkBoxDHCP")->isChecked(), dhcp);
        QCOMPARE(ip->isEnabled(), !dhcp);
    }

    // Only an address other than the NVR's own can be taken by someone else.
    void checkIpPingsOnlyAnotherAddress()
    {
        FakePing ping;
        ping.answering << QStringLiteral("127.0.0.7");
        ping.install();
        QVERIFY(clickAndRead("pushButtonInternet", 13001));
        find<QPushButton>("m_btnPing")->click();
        QVERIFY(waitForToast(SharedTexts::ipAvailableText()));
        QVERIFY(ping.asked.isEmpty());
        find<QLineEdit>("m_lineEditIPAddress")->setText(QStringLiteral("127.0.0.7"));
        find<QPushButton>("m_btnPing")->click();
        QVERIFY(waitForToast(SharedTexts::ipInUseText()));
        QCOMPARE(ping.asked, QStringList{"127.0.0.7"});
        // An address that is none is not "available", and is not pinged.
        NvrWindowTest::typeInto(find<QLineEdit>("m_lineEditIPAddress"), QStringLiteral("127.0.0.07"));
        find<QPushButton>("m_btnPing")->click();
        QVERIFY(waitForToast(SharedTexts::invalidFormatText()));
        QCOMPARE(ping.asked, QStringList{"127.0.0.7"});
        Platform::setPingProbe(nullptr);
    }

    // The binding code opens in its own dialog; without one the row is hidden.
    void qrDialogShowsTheBindingCode()
    {
        QVERIFY(clickAndRead("pushButtonInternet", 13001));
        NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_network.png"));
        QSize shown;
        bool closed = false;
        onModal<CNVRDrawQRcode>([&](CNVRDrawQRcode *d) {
            shown = d->findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).size();
            NvrWindowTest::saveShot(d, QStringLiteral("nvr_qr.png"));
            QTest::keyClick(d, Qt::Key_Escape);
            closed = !d->isVisible();
        });
        find<QPushButton>("m_btnPhoneMonitoring")->click();
        QCOMPARE(shown, QSize(160, 160));
        QVERIFY(closed);

        m_nvr->setStoredValue(13001, QStringLiteral("qrCodeString"), QString());
        QVERIFY(clickAndRead("pushButtonInternet", 13001));
        QVERIFY(!find<QPushButton>("m_btnPhoneMonitoring")->isVisibleTo(m_window.get()));
    }

    void versionPage()
    {
        QVERIFY(clickAndRead("pushButtonVersion", 14002));
        NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_version.png"));
        QCOMPARE(find<QLineEdit>("m_lineEditProductModel")->text(), QStringLiteral("SIM-NVR8-PRO"));
        QCOMPARE(find<QLineEdit>("m_lineEditSoftVersion")->text(), QStringLiteral("V2.0.1.20261201"));
        QCOMPARE(find<QLineEdit>("m_lineEditHardVersion")->text(), QStringLiteral("V1.0.0"));
        QCOMPARE(find<QLineEdit>("m_lineEditProductSerialNum")->text(), m_nvr->uid());
        QCOMPARE(find<QLineEdit>("m_lineEditMac")->text(), QStringLiteral("02:00:AB:CD:EF:0A"));
    }

    void diskNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::newRow("dash and digit") << "/dev/sdc-3" << 3;
        QTest::newRow("no dash") << "sda" << 1;
        QTest::newRow("dash first only") << "-sda" << 1;
        QTest::newRow("last dash wins") << "a-7-12" << 12;
        QTest::newRow("not a number") << "disk-x" << 0;
        QTest::newRow("trailing dash") << "disk-" << 0;
    }

    void diskNumbers()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(CNVRDiskBrowse::diskNumber(name), number);
    }

    // The second listed disk (the NVR's third, after one without capacity)
    // is formatted by its own index and mark; cancelling sends nothing.
    void formatAndPolicy()
    {
        QVERIFY(clickAndRead("pushButtonStorage", 14104));
        QVERIFY(clickAndRead("pushButtonDisk", 14102));
        auto *table = find<QTableWidget>("m_TableWidget");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("HDD1"));
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("HDD3"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("2048MB"));
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("Being Written"));
        table->item(1, 0)->setCheckState(Qt::Checked);
        NvrWindowTest::saveShot(m_window.get(), QStringLiteral("nvr_disks.png"));

        onModal<CustomDialog>([](CustomDialog *d) { d->reject(); });
        find<QPushButton>("m_btnFormat")->click();
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        find<QPushButton>("m_btnFormat")->click();
        QVERIFY(waitForToast(SharedTexts::configSuccessText()));
        QCOMPARE(m_nvr->requestCount(14101), 1);
        QCOMPARE(lastBody(14101), QStringLiteral("<DevIndex>3</DevIndex><VerifyMark>33</VerifyMark>"));
        QVERIFY(clickAndRead("pushButtonDisk", 14102));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("0MB"));

        NvrWindowTest::choose(find<QComboBox>("m_cbxHardDiskFull"), 1); // "Stop Record"
        NvrWindowTest::choose(find<QComboBox>("m_cbxTips"), 1);         // "Enable"
        find<QPushButton>("pushButtonSave")->click();
        QVERIFY(waitFor([&] { return m_nvr->requestCount(14103) == 1; }));
        QCOMPARE(lastBody(14103), QStringLiteral("<StoragePolicy>1</StoragePolicy><noHDDPrompt>1</noHDDPrompt>"));
        find<QComboBox>("m_cbxTips")->setCurrentIndex(0);
        QVERIFY(clickAndRead("pushButtonDisk", 14102));
        QCOMPARE(find<QComboBox>("m_cbxHardDiskFull")->currentIndex(), 1);
        QCOMPARE(find<QComboBox>("m_cbxTips")->currentIndex(), 1);
    }

    void formatNeedsACheckedDisk()
    {
        QVERIFY(clickAndRead("pushButtonDisk", 14102));
        onModal<CustomDialog>([](CustomDialog *d) { d->accept(); });
        find<QPushButton>("m_btnFormat")->click();
        QVERIFY(waitForToast(SharedTexts::selectDeviceFirstText()));
        QCOMPARE(m_nvr->requestCount(14101), 0);
    }
};

QTEST_MAIN(TestNvrConfigWindow)
#include "tst_nvrconfigwindow.moc"
