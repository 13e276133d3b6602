// The device management page and the search dialog, wired to the device side
// of the shell (DeviceController) as the main window wires them, over a real
// database file, simulated devices on loopback, a loopback ONVIF camera with
// its discovery responder, and a fake ping probe.

#include "../onvif/OnvifFixtures.h"
#include "../support/StoredRows.h"
#include "../support/HeldDatabase.h"
#include "../support/TextsWhole.h"

#include "AddClientDevDlg.h"
#include "CSearchManageWidget.h"
#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CustomDialog.h"
#include "DeviceBatchModify.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "EditClientDevDlg.h"
#include "DevicePagesTestUtil.h"
#include "DeviceRoundTrip.h"
#include "HeaderViewPrivate.h"
#include "KelvoSDKHelper.h"
#include "ManageWidget.h"
#include "MsgTipInfoDlg.h"
#include "OnvifCameraServer.h"
#include "OnvifService.h"
#include "OrmHelper.h"
#include "OrmAccessQueue.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SimDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;

Q_DECLARE_METATYPE(HeldDatabase::Kind)

namespace {

const QHostAddress kLocal(QStringLiteral("127.66.0.2"));

} // namespace

class TestDeviceManagePage : public QObject
{
    Q_OBJECT

private:
    FakePing m_ping;
    std::unique_ptr<SimDevice> m_ipc;
    std::unique_ptr<SimDevice> m_nvr;
    std::unique_ptr<SimDevice> m_fresh; // on the LAN, not registered
    std::unique_ptr<SimSearchResponder> m_responder;
    std::unique_ptr<DeviceController> m_controller;
    std::unique_ptr<DeviceManageWidget> m_page;
    QTemporaryDir m_firmwareDir;

    QStandardItemModel *model() const { return m_page->model(); }

    QString cell(const QString &ip, int column) const
    {
        const int row = m_page->getRowIndexByIp(ip);
        return row < 0 ? QString() : model()->item(row, column)->text();
    }

    void checkRow(const QString &ip, bool on)
    {
        const int row = m_page->getRowIndexByIp(ip);
        QVERIFY(row >= 0);
        model()->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    void uncheckAll()
    {
        for (int row = 0; row < model()->rowCount(); ++row)
            model()->item(row, 0)->setCheckState(Qt::Unchecked);
    }

    static QStringList storedAddresses()
    {
        QStringList ips;
        for (const auto &row : storedDevices())
            ips << row->DevIP;
        return ips;
    }

    // Every function can run alone: it starts from the stored devices on the
    // page and, where it needs them, the camera and the recorder logged in.
    // Run in order these find it so already and change nothing.
    bool pageReady(bool online)
    {
        if (model()->rowCount() == 0)
            m_page->getDevFormDBToAddTableView();
        if (!online)
            return model()->rowCount() > 0;
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        const auto loggedIn = [registry](SimDevice *dev) {
            FUN_DEV_INFO *info = registry->findDevInfo(dev->address().toString());
            return info && info->loginStatus == 1;
        };
        if (!loggedIn(m_ipc.get()) || !loggedIn(m_nvr.get()))
            m_controller->onTimeoutLoginDevice();
        return waitFor([&] { return loggedIn(m_ipc.get()) && loggedIn(m_nvr.get()); }, 15000);
    }

    // The upgrade functions after the first one reuse its firmware file; run
    // alone they choose one of their own.
    bool firmwareChosen()
    {
        auto *field = child<QLineEdit>(m_page.get(), "m_OneUpgradeFilelineEdit");
        if (!field->text().isEmpty())
            return true;
        const QString path = m_firmwareDir.filePath(QStringLiteral("fw-alone.bin"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QByteArray(300000, 'k'));
        file.close();
        field->setText(path);
        return true;
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        m_ping.install();

        m_ipc.reset(new SimDevice(SimDevice::Ipc));
        m_nvr.reset(new SimDevice(SimDevice::Nvr));
        m_fresh.reset(new SimDevice(SimDevice::Ipc));
        QVERIFY(m_ipc->listen(QHostAddress(QStringLiteral("127.66.0.5"))));
        QVERIFY(m_nvr->listen(QHostAddress(QStringLiteral("127.66.0.6"))));
        QVERIFY(m_fresh->listen(QHostAddress(QStringLiteral("127.66.0.7"))));
        int n = 1;
        for (SimDevice *dev : {m_ipc.get(), m_nvr.get(), m_fresh.get()}) {
            dev->setUid(QStringLiteral("SIMUID%1").arg(n++));
            dev->setStoredValue(13002, QStringLiteral("IP"), dev->address().toString());
        }
        m_responder.reset(new SimSearchResponder);
        QVERIFY(m_responder->bind(QHostAddress(QStringLiteral("127.66.0.1"))));
        for (SimDevice *dev : {m_ipc.get(), m_nvr.get(), m_fresh.get()})
            m_responder->addDevice(dev);
        BroadService *broad = KelvoSDKHelper::instance()->broadService();
        broad->setBroadcastTarget(m_responder->address(), m_responder->port());
        broad->setLocalAddresses({kLocal});
        ONVIF::Service::instance()->setLocalAddresses({kLocal});
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.reconnectUnitMs = 20;
        timings.replyTimeoutMs = 1000;
        timings.uploadBurstGapMs = 5;
        KelvoSDKHelper::instance()->setTimings(timings);

        // The database the registry starts from: a camera, a recorder and two
        // ONVIF cameras, one with its mode still unset.
        FUN_DEV_INFO ipc, nvr, onvifUnset, onvifSet;
        ipc.ip = m_ipc->address().toString();
        ipc.devPort = m_ipc->port();
        ipc.name = QStringLiteral("Gate");
        ipc.sn = QStringLiteral("SN-GATE");
        nvr.ip = m_nvr->address().toString();
        nvr.devPort = m_nvr->port();
        nvr.devType = 1;
        nvr.name = QStringLiteral("Recorder");
        onvifUnset.ip = QStringLiteral("127.66.0.20");
        onvifUnset.devType = 2;
        onvifUnset.name = QStringLiteral("Yard");
        onvifSet = onvifUnset;
        onvifSet.ip = QStringLiteral("127.66.0.21");
        onvifSet.onvifAuth = 1;
        OrmHelper::AddDevs({&ipc, &nvr, &onvifUnset, &onvifSet});

        m_controller.reset(new DeviceController);
        m_controller->setLoginSpacingMs(1);
        m_page.reset(new DeviceManageWidget);
        DeviceManageWidget *page = m_page.get();
        connect(m_controller.get(), &DeviceController::devStatusChanged, page, &DeviceManageWidget::updateDevStatus);
        connect(m_controller.get(), &DeviceController::deviceAdded, page,
                [page](FUN_DEV_INFO *dev) { page->addDevToAddTableView({dev}); });
        connect(m_controller.get(), &DeviceController::devicesDeleting, page, &DeviceManageWidget::delAddTableView);
        connect(m_controller.get(), &DeviceController::deviceEdited, page, &DeviceManageWidget::updateDevRow);
        connect(m_controller.get(), &DeviceController::storeNotice, page,
                [](const QString &text) { MsgTipInfoDlg::showTip(text, 2000); });
        connect(m_controller.get(), &DeviceController::storeWaiting, page, &DeviceManageWidget::showStoreWaiting);
        page->resize(1400, 600);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
    }

    void cleanup() { closeToasts(); }

    void cleanupTestCase()
    {
        m_page.reset();
        m_controller.reset();
        Platform::setPingProbe(nullptr);
    }

    void fillsFromTheRegistry()
    {
        m_page->getDevFormDBToAddTableView();
        QCOMPARE(model()->rowCount(), 4);
        const QString ipc = m_ipc->address().toString();
        QCOMPARE(cell(ipc, DeviceManageWidget::ColName), QStringLiteral("Gate"));
        QCOMPARE(cell(ipc, DeviceManageWidget::ColType), QStringLiteral("IPC"));
        QCOMPARE(cell(ipc, DeviceManageWidget::ColState), QStringLiteral("Connection failed"));
        QCOMPARE(cell(ipc, DeviceManageWidget::ColSn), QStringLiteral("SN-GATE"));
        QCOMPARE(cell(ipc, DeviceManageWidget::ColModel), QStringLiteral("IPC")); // no model yet
        QCOMPARE(cell(QStringLiteral("127.66.0.20"), DeviceManageWidget::ColType), QStringLiteral("ONVIF"));

        // The stored mode wins; only an unset one becomes Digest.
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        QCOMPARE(registry->findDevInfo(QStringLiteral("127.66.0.20"))->onvifAuth, 2);
        QCOMPARE(registry->findDevInfo(QStringLiteral("127.66.0.21"))->onvifAuth, 1);

        auto *view = child<QTableView>(m_page.get(), "m_AddDevTableView");
        auto buttons = [&](const QString &ip) {
            auto *manage = qobject_cast<ManageWidget *>(
                view->indexWidget(model()->index(m_page->getRowIndexByIp(ip), DeviceManageWidget::ColOperation)));
            QStringList visible;
            for (QPushButton *b : manage->findChildren<QPushButton *>()) {
                if (b->isVisibleTo(manage))
                    visible << b->objectName();
            }
            visible.sort();
            return visible;
        };
        QCOMPARE(buttons(ipc), QStringList({"pushButtonDelete", "pushButtonEdit", "pushButtonSet", "pushButtonUser"}));
        QCOMPARE(buttons(m_nvr->address().toString()),
                 QStringList(
                     {"pushButtonChannel", "pushButtonDelete", "pushButtonEdit", "pushButtonSet", "pushButtonUser"}));
        QCOMPARE(buttons(QStringLiteral("127.66.0.20")), QStringList({"pushButtonDelete", "pushButtonEdit"}));
        QVERIFY(child<QPushButton>(m_page.get(), "pushButtonGroup")->isVisible());
    }

    void rowsFollowTheConnections()
    {
        QVERIFY(pageReady(false));
        m_controller->onTimeoutLoginDevice();
        const QString ipc = m_ipc->address().toString();
        const QString nvr = m_nvr->address().toString();
        QTRY_COMPARE_WITH_TIMEOUT(cell(ipc, DeviceManageWidget::ColState), QStringLiteral("Connection successful"),
                                  10000);
        QTRY_COMPARE_WITH_TIMEOUT(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Connection successful"),
                                  10000);
        QTRY_COMPARE_WITH_TIMEOUT(cell(ipc, DeviceManageWidget::ColVersion), QStringLiteral("V1.2.3.20261201"), 10000);

        // A channel record shares the device's address; its name and state stay off the row.
        FUN_DEV_INFO channel(*DeviceInfoManager::instance()->findDevInfo(nvr));
        channel.channelIdx = 1;
        channel.name = QStringLiteral("CH_01");
        channel.loginStatus = 0;
        m_page->updateDevStatus(&channel);
        m_page->updateDevRow(&channel);
        QCOMPARE(cell(nvr, DeviceManageWidget::ColName), QStringLiteral("Recorder"));
        QCOMPARE(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Connection successful"));

        m_nvr->setRefuseConnections(true);
        m_nvr->dropConnections();
        QTRY_COMPARE_WITH_TIMEOUT(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Connection failed"), 10000);
        m_nvr->setRefuseConnections(false);
        child<QPushButton>(m_page.get(), "pushButtonUpdate")->click();
        QTRY_COMPARE_WITH_TIMEOUT(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Connection successful"),
                                  10000);
    }

    void rowButtons()
    {
        QVERIFY(pageReady(true));
        const QString ipc = m_ipc->address().toString();
        auto *view = child<QTableView>(m_page.get(), "m_AddDevTableView");
        auto rowButton = [&](const QString &ip, const char *name) {
            QWidget *manage =
                view->indexWidget(model()->index(m_page->getRowIndexByIp(ip), DeviceManageWidget::ColOperation));
            return child<QPushButton>(manage, name);
        };

        QSignalSpy config(SignalsHelper::instance(), &SignalsHelper::signalDevConfig);
        QSignalSpy users(SignalsHelper::instance(), &SignalsHelper::signalDevUser);
        QSignalSpy channels(SignalsHelper::instance(), &SignalsHelper::signalNVRChannels);
        QTest::mouseClick(rowButton(ipc, "pushButtonSet"), Qt::LeftButton);
        QTest::mouseClick(rowButton(ipc, "pushButtonUser"), Qt::LeftButton);
        QTest::mouseClick(rowButton(m_nvr->address().toString(), "pushButtonChannel"), Qt::LeftButton);
        QCOMPARE(config.count(), 1);
        QCOMPARE(users.count(), 1);
        QCOMPARE(channels.count(), 1);
        QCOMPARE(config.at(0).at(0).value<FUN_DEV_INFO *>(), DeviceInfoManager::instance()->findDevInfo(ipc));

        // The edit button works on a copy; the shell applies it and the row follows.
        onModal<EditClientDevDlg>([](EditClientDevDlg *d) {
            QCOMPARE(d->objectName(), QStringLiteral("editClientDev"));
            child<QLineEdit>(d, "m_DevNamelineEdit")->setText(QStringLiteral("Front Gate"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(rowButton(ipc, "pushButtonEdit"), Qt::LeftButton);
        QTRY_COMPARE(cell(ipc, DeviceManageWidget::ColName), QStringLiteral("Front Gate"));
        QCOMPARE(DeviceInfoManager::instance()->findDevInfo(ipc)->name, QStringLiteral("Front Gate"));

        uncheckAll();
        child<QPushButton>(m_page.get(), "m_EditDevBtn")->click();
        QVERIFY(toastTexts().contains(QStringLiteral("Please select a device before making any changes.")));
    }

    void selectionCount()
    {
        QVERIFY(pageReady(false));
        uncheckAll();
        auto *count = child<QLabel>(m_page.get(), "m_selectdnum");
        m_page->header()->onHeaderClicked(0);
        QCOMPARE(count->text(), QStringLiteral("4"));
        QCOMPARE(m_page->getCheckedKeys().size(), 4);
        m_page->header()->onHeaderClicked(0);
        QCOMPARE(count->text(), QStringLiteral("0"));
        QVERIFY(m_page->getCheckedKeys().isEmpty());
    }

    void upgradeReportsProgressAndSuccess()
    {
        QVERIFY(pageReady(true));
        const QString path = m_firmwareDir.filePath(QStringLiteral("fw.bin"));
        QByteArray firmware;
        for (int i = 0; i < 700000; ++i)
            firmware.append(char(i * 7 + i / 256));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(firmware);
        file.close();

        const QString ipc = m_ipc->address().toString();
        uncheckAll();
        auto *upgrade = child<QPushButton>(m_page.get(), "m_OneUpgradeBtn");
        upgrade->click();
        QVERIFY(toastTexts().contains(QStringLiteral("Please select file to be upgraded!")));
        child<QLineEdit>(m_page.get(), "m_OneUpgradeFilelineEdit")->setText(path);

        // An empty file would never be sent and the row would wait for ever.
        const QString empty = m_firmwareDir.filePath(QStringLiteral("empty.bin"));
        QFile emptyFile(empty);
        QVERIFY(emptyFile.open(QIODevice::WriteOnly));
        emptyFile.close();
        child<QLineEdit>(m_page.get(), "m_OneUpgradeFilelineEdit")->setText(empty);
        checkRow(ipc, true);
        bool refused = false;
        onModal<CustomDialog>([&](CustomDialog *q) {
            refused = child<QLabel>(q, "labelInfo")->text() == QStringLiteral("The file cannot be accessed!");
            QTest::mouseClick(child<QPushButton>(q, "pushButtonOK"), Qt::LeftButton);
        });
        upgrade->click();
        QVERIFY(refused);
        QCOMPARE(cell(ipc, DeviceManageWidget::ColState), QStringLiteral("Connection successful"));
        QVERIFY(m_page->upgradingDevices().isEmpty());
        child<QLineEdit>(m_page.get(), "m_OneUpgradeFilelineEdit")->setText(path);

        // An ONVIF row among the checked ones stops the whole run.
        checkRow(ipc, true);
        checkRow(QStringLiteral("127.66.0.20"), true);
        upgrade->click();
        QVERIFY(toastTexts().contains(QStringLiteral("The device type does not support upgrade")));
        QVERIFY(roundTrip(m_ipc->loginKey()));
        QCOMPARE(m_ipc->firmwareAnnounced(), 0u);
        checkRow(QStringLiteral("127.66.0.20"), false);

        QStringList states;
        connect(model(), &QStandardItemModel::itemChanged, this, [&](QStandardItem *item) {
            if (item->column() == DeviceManageWidget::ColState && item->row() == m_page->getRowIndexByIp(ipc))
                states << item->text();
        });
        upgrade->click();
        QVERIFY(toastTexts().contains(QStringLiteral("Begin upgrade, Please wait")));
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Upgrade success,The device will restart")),
                                 15000);
        disconnect(model(), &QStandardItemModel::itemChanged, this, nullptr);
        QCOMPARE(m_ipc->firmware(), firmware);
        QVERIFY(m_ipc->firmwareComplete());
        QCOMPARE(states.first(), QStringLiteral("Uploading..."));
        QVERIFY(states.contains(QStringLiteral("Upgrade Progress 23%")));
        QCOMPARE(states.last(), QStringLiteral("Upgrade success,The device will restart"));
        QVERIFY(m_page->upgradingDevices().isEmpty());
    }

    void upgradeFailureIsReported()
    {
        QVERIFY(pageReady(true));
        QVERIFY(firmwareChosen());
        const QString ipc = m_ipc->address().toString();
        const QString nvr = m_nvr->address().toString();
        QTRY_COMPARE_WITH_TIMEOUT(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Connection successful"),
                                  10000);
        m_nvr->setHandler(20001, [](SimConnection *c, const SimRequest &) { c->reply(20001, 1); });
        uncheckAll();
        checkRow(ipc, true);
        checkRow(nvr, true);
        child<QPushButton>(m_page.get(), "m_OneUpgradeBtn")->click();
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Upgrade fail")), 15000);
        QVERIFY(!toastTexts().contains(QStringLiteral("Upgrade success,The device will restart")));
        QCOMPARE(cell(nvr, DeviceManageWidget::ColState), QStringLiteral("Upgrade fail"));
        QCOMPARE(cell(ipc, DeviceManageWidget::ColState), QStringLiteral("Upgrade success,The device will restart"));
        m_nvr->removeHandler(20001);
        uncheckAll();
    }

    // A connection that breaks before 100 % ends that device's upload as failed.
    void upgradeDisconnectCountsAsFailure()
    {
        QVERIFY(pageReady(true));
        QVERIFY(firmwareChosen());
        const QString ipc = m_ipc->address().toString();
        FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ipc);
        QTRY_COMPARE_WITH_TIMEOUT(dev->loginStatus, 1, 10000);
        m_ipc->setHandler(20001, [](SimConnection *c, const SimRequest &) { c->abort(); });
        uncheckAll();
        checkRow(ipc, true);
        child<QPushButton>(m_page.get(), "m_OneUpgradeBtn")->click();
        QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(QStringLiteral("Upgrade fail")), 15000);
        QVERIFY(m_page->upgradingDevices().isEmpty());
        m_ipc->removeHandler(20001);
        uncheckAll();
        QTRY_COMPARE_WITH_TIMEOUT(dev->loginStatus, 1, 10000);
    }

    // Deleting a device closes its session silently; the run ends without it.
    void upgradeOfARemovedDeviceEndsTheRun()
    {
        QVERIFY(pageReady(true));
        QVERIFY(firmwareChosen());
        const QString ipc = m_ipc->address().toString();
        FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ipc);
        m_ipc->setHandler(20001, [](SimConnection *, const SimRequest &) {});
        uncheckAll();
        checkRow(ipc, true);
        child<QPushButton>(m_page.get(), "m_OneUpgradeBtn")->click();
        QCOMPARE(m_page->upgradingDevices(), QSet<QString>({ipc}));
        m_page->delAddTableView({dev});
        QVERIFY(m_page->upgradingDevices().isEmpty());
        QVERIFY(toastTexts().contains(QStringLiteral("Upgrade fail")));
        QVERIFY(!toastTexts().contains(QStringLiteral("Upgrade success,The device will restart")));
        m_ipc->removeHandler(20001);
        m_page->addDevToAddTableView({dev});
        QVERIFY(m_page->getRowIndexByIp(ipc) >= 0);
    }

    void batchCredentialsReachEveryCheckedDevice()
    {
        QVERIFY(pageReady(false));
        uncheckAll();
        auto *batch = child<QPushButton>(m_page.get(), "pushButtonBatchModify");
        batch->click();
        QVERIFY(toastTexts().contains(QStringLiteral("Please select a device before making any changes.")));

        checkRow(QStringLiteral("127.66.0.20"), true);
        checkRow(QStringLiteral("127.66.0.21"), true);
        QList<QPair<QString, QString>> changed;
        auto conn = connect(SignalsHelper::instance(), &SignalsHelper::signalModifyDev, this, [&](FUN_DEV_INFO *dev) {
            changed << qMakePair(dev->ip, dev->userName + "/" + dev->password);
        });
        onModal<DeviceBatchModify>([](DeviceBatchModify *d) {
            QCOMPARE(child<QLineEdit>(d, "m_UserNamelineEdit")->text(), DEFAULT_DEV_USER);
            child<QLineEdit>(d, "m_UserNamelineEdit")->setText(QStringLiteral(" op "));
            child<QLineEdit>(d, "m_PassWdlineEdit")->setText(QStringLiteral("pw2"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        batch->click();
        disconnect(conn);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0), qMakePair(QStringLiteral("127.66.0.20"), QStringLiteral("op/pw2")));
        QCOMPARE(changed.at(1), qMakePair(QStringLiteral("127.66.0.21"), QStringLiteral("op/pw2")));
        QTRY_COMPARE(DeviceInfoManager::instance()->findDevInfo(QStringLiteral("127.66.0.21"))->userName,
                     QStringLiteral("op"));
        uncheckAll();
    }

    void deleteAsksFirst()
    {
        QVERIFY(pageReady(false));
        uncheckAll();
        checkRow(QStringLiteral("127.66.0.21"), true);
        auto *del = child<QPushButton>(m_page.get(), "m_DelDevBtn");
        onModal<CustomDialog>([](CustomDialog *q) {
            QCOMPARE(child<QLabel>(q, "labelInfo")->text(),
                     QStringLiteral("Are you sure you want to delete this device?"));
            QTest::mouseClick(child<QPushButton>(q, "pushButtonCancel"), Qt::LeftButton);
        });
        del->click();
        QCOMPARE(model()->rowCount(), 4);
        onModal<CustomDialog>(
            [](CustomDialog *q) { QTest::mouseClick(child<QPushButton>(q, "pushButtonOK"), Qt::LeftButton); });
        del->click();
        QCOMPARE(model()->rowCount(), 3);
        QCOMPARE(m_page->getRowIndexByIp(QStringLiteral("127.66.0.21")), -1);
        QVERIFY(!storedAddresses().contains(QStringLiteral("127.66.0.21")));
        QVERIFY(!DeviceInfoManager::instance()->findDevInfo(QStringLiteral("127.66.0.21")));
    }

    // The LAN search lists only the device the client does not know, and adding
    // it puts it on the page and into the database.
    void lanSearchAddsADevice()
    {
        const QString fresh = m_fresh->address().toString();
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);
        onModal<CSearchManageWidget>([&](CSearchManageWidget *search) {
            QCOMPARE(search->objectName(), QStringLiteral("SearchManage"));
            auto *button = child<QPushButton>(search, "m_SearchDevBtn");
            QCOMPARE(button->text(), QStringLiteral("Searching..."));
            auto *view = child<QTableView>(search, "m_SearchDevTableView");
            auto *results = qobject_cast<QStandardItemModel *>(view->model());
            QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("Search"), 5000);
            QCOMPARE(results->rowCount(), 1);
            QCOMPARE(results->item(0, 0)->text(), fresh);
            QCOMPARE(results->item(0, 1)->text(), QStringLiteral("IPC"));
            QCOMPARE(results->item(0, 2)->text(), m_fresh->uid());
            QCOMPARE(results->item(0, 4)->text(), QStringLiteral("Search ok"));
            QVERIFY(search->isExisted(fresh));

            child<QPushButton>(search, "m_ModifyIPBtn")->click();
            QVERIFY(toastTexts().contains(QStringLiteral("Please check one item to modify.")));
            results->item(0, 0)->setCheckState(Qt::Checked);
            child<QPushButton>(search, "m_AddDevToClientBtn")->click();
            QCOMPARE(results->rowCount(), 0);
            QTest::mouseClick(child<QPushButton>(search, "m_CancelBtn"), Qt::LeftButton);
        });
        child<QPushButton>(m_page.get(), "m_SearchDevBtn")->click();
        QCOMPARE(added.count(), 1);
        QVERIFY(m_page->getRowIndexByIp(fresh) >= 0);
        QVERIFY(storedAddresses().contains(fresh));
        const FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(fresh);
        QVERIFY(dev);
        QCOMPARE(dev->sn, m_fresh->uid());
        QCOMPARE(dev->group, QStringLiteral("Default"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(fresh, DeviceManageWidget::ColState), QStringLiteral("Connection failed"), 5000);
    }

    void restoreFactoryAsksFirst()
    {
        // The registered ones are not listed; put the fresh one back on the LAN
        // under another address so the search lists it again.
        m_fresh->setStoredValue(13002, QStringLiteral("IP"), QStringLiteral("127.66.0.8"));
        onModal<CSearchManageWidget>([&](CSearchManageWidget *search) {
            auto *results =
                qobject_cast<QStandardItemModel *>(child<QTableView>(search, "m_SearchDevTableView")->model());
            QTRY_COMPARE_WITH_TIMEOUT(results->rowCount(), 1, 5000);
            results->item(0, 0)->setCheckState(Qt::Checked);
            onModal<CustomDialog>([](CustomDialog *q) {
                QCOMPARE(child<QLabel>(q, "labelInfo")->text(),
                         QStringLiteral("Are you sure you want to restore this device?"));
                QTest::mouseClick(child<QPushButton>(q, "pushButtonCancel"), Qt::LeftButton);
            });
            child<QPushButton>(search, "m_RestoreBtn")->click();
            QCOMPARE(m_responder->requestCount(30005), 0);
            onModal<CustomDialog>([](CustomDialog *q) { QTest::keyClick(q, Qt::Key_Return); });
            child<QPushButton>(search, "m_RestoreBtn")->click();
            QTRY_COMPARE(m_responder->requestCount(30005), 1);
            QVERIFY(toastTexts().contains(QStringLiteral("The device is being modifiedPlease search again later.")));

            // With both boxes clear a row's identifier is its address, which names
            // no found device: nothing may be restored for it.
            closeToasts();
            auto *privateBox = child<QCheckBox>(search, "m_KelvochkBox");
            QTest::mouseClick(privateBox, Qt::LeftButton, {}, QPoint(5, privateBox->height() / 2));
            QVERIFY(!privateBox->isChecked());
            QCOMPARE(results->item(0, 0)->checkState(), Qt::Checked);
            const ModalWait question = onModal<CustomDialog>([](CustomDialog *q) { q->reject(); }, 500);
            child<QPushButton>(search, "m_RestoreBtn")->click();
            QVERIFY(toastTexts().contains(QStringLiteral("Please select a device before making any changes.")));
            // The question would have come inside the click, and a restore
            // would have reached the responder ahead of a search sent now.
            question.giveUp();
            const int searches = m_responder->requestCount(30001);
            KelvoSDKHelper::instance()->searchDevices();
            QTRY_VERIFY(m_responder->requestCount(30001) > searches);
            QCOMPARE(m_responder->requestCount(30005), 1);
            search->reject();
        });
        child<QPushButton>(m_page.get(), "m_SearchDevBtn")->click();
    }

    void onvifSearchAddsACamera()
    {
        OnvifCam::CameraServer camera;
        QVERIFY(camera.listen(QHostAddress(QStringLiteral("127.66.0.30"))));
        camera.loadCameraDir(cameraDir(QStringLiteral("happytimesoft")));
        OnvifCam::ProbeResponder probes;
        QVERIFY(probes.bind(QHostAddress(QStringLiteral("127.66.0.31"))));
        probes.setProbeMatches({OnvifCam::ProbeResponder::fromServiceUriTemplate(
            readFixture(QStringLiteral("onvif/test/serverMockup/Probe.xml")), camera.deviceServiceUrl())});
        ONVIF::Service::instance()->setProbeTarget(probes.address(), probes.port());

        const QString ip = camera.address().toString();
        onModal<CSearchManageWidget>([&](CSearchManageWidget *search) {
            auto *onvifBox = child<QCheckBox>(search, "m_OnvifchkBox");
            QTest::mouseClick(onvifBox, Qt::LeftButton, {}, QPoint(5, onvifBox->height() / 2));
            QVERIFY(!child<QCheckBox>(search, "m_KelvochkBox")->isChecked());
            QVERIFY(!child<QPushButton>(search, "m_RestoreBtn")->isVisible());
            QVERIFY(!child<QPushButton>(search, "m_ModifyAllIPBtn")->isVisible());
            auto *view = child<QTableView>(search, "m_SearchDevTableView");
            auto *results = qobject_cast<QStandardItemModel *>(view->model());
            QTRY_VERIFY_WITH_TIMEOUT(CSearchManageWidget::findRowByText(ip, results, 0) >= 0, 10000);
            const int row = CSearchManageWidget::findRowByText(ip, results, 0);
            QCOMPARE(results->item(row, 1)->text(), QStringLiteral("ONVIF"));
            QCOMPARE(results->item(row, 4)->text(), QStringLiteral("Search ok"));
            // A real double click: press and release, then the double-click press.
            const QPoint at = view->visualRect(results->index(row, 2)).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
            QTRY_COMPARE(CSearchManageWidget::findRowByText(ip, results, 0), -1);
            search->reject();
        });
        child<QPushButton>(m_page.get(), "m_SearchDevBtn")->click();
        QVERIFY(probes.probeCount() >= 1);
        QTRY_VERIFY(m_page->getRowIndexByIp(ip) >= 0);
        QCOMPARE(cell(ip, DeviceManageWidget::ColType), QStringLiteral("ONVIF"));
        QVERIFY(storedAddresses().contains(ip));
        QCOMPARE(DeviceInfoManager::instance()->findDevInfo(ip)->devType, 2);
    }

    // Rows by group, then address as numbers, also after an edit; the counter
    // follows each ticked row; at 1280x720 the operation buttons need no
    // sideways scrolling.
    void rowsOrderCounterAndWidth()
    {
        m_page->getDevFormDBToAddTableView();
        QList<FUN_DEV_INFO *> added;
        for (const auto &ipGroup : {qMakePair(QStringLiteral("127.66.1.10"), QStringLiteral("Default")),
                                    qMakePair(QStringLiteral("127.66.1.2"), QStringLiteral("Default")),
                                    qMakePair(QStringLiteral("127.66.1.3"), QStringLiteral("Attic"))}) {
            auto *dev = new FUN_DEV_INFO;
            dev->ip = ipGroup.first;
            dev->name = ipGroup.first;
            dev->group = ipGroup.second;
            added << dev;
        }
        emit SignalsHelper::instance()->signalAddDevs(added);
        auto order = [this] {
            QStringList ips;
            for (int row = 0; row < model()->rowCount(); ++row) {
                if (model()->item(row, DeviceManageWidget::ColIp)->text().startsWith(QLatin1String("127.66.1.")))
                    ips << model()->item(row, DeviceManageWidget::ColIp)->text();
            }
            return ips;
        };
        QTRY_COMPARE(order(), QStringList({"127.66.1.3", "127.66.1.2", "127.66.1.10"}));

        auto *counter = child<QLabel>(m_page.get(), "m_selectdnum");
        uncheckAll();
        checkRow(QStringLiteral("127.66.1.2"), true);
        QCOMPARE(counter->text(), QStringLiteral("1"));
        checkRow(QStringLiteral("127.66.1.10"), true);
        QCOMPARE(counter->text(), QStringLiteral("2"));

        auto *moved = new FUN_DEV_INFO(*DeviceInfoManager::instance()->findDevInfo(QStringLiteral("127.66.1.2")));
        moved->group = QStringLiteral("Zone");
        emit SignalsHelper::instance()->signalModifyDev(moved);
        QTRY_COMPARE(order(), QStringList({"127.66.1.3", "127.66.1.10", "127.66.1.2"}));
        QCOMPARE(counter->text(), QStringLiteral("2"));
        checkRow(QStringLiteral("127.66.1.2"), false);
        QCOMPARE(counter->text(), QStringLiteral("1"));

        m_page->resize(1280, 720);
        auto *view = child<QTableView>(m_page.get(), "m_AddDevTableView");
        QTRY_COMPARE(view->horizontalScrollBar()->maximum(), 0);
        const int row = m_page->getRowIndexByIp(QStringLiteral("127.66.1.3"));
        QWidget *buttons = view->indexWidget(model()->index(row, DeviceManageWidget::ColOperation));
        QVERIFY(buttons);
        QVERIFY(view->viewport()->rect().contains(buttons->geometry()));
        m_page->resize(1400, 600);
        uncheckAll();
    }

    // With the program's style sheet a fresh page keeps the whole text of the
    // buttons above the table at 1280x720 (they showed "Search Devic" and,
    // with narrower buttons, "Search De...").
    void toolbarTextsWholeAt1280()
    {
        Q_INIT_RESOURCE(Resources);
        QVERIFY(ClientLook::loadStyleSheet());
        QStringList cut;
        {
            DeviceManageWidget page;
            page.resize(1280, 720);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            for (const auto &[name, text] :
                 {std::pair("pushButtonUpdate", "Update"), std::pair("m_SearchDevBtn", "Search Device"),
                  std::pair("m_AddDevBtn", "Manual Device"), std::pair("m_DelDevBtn", "Delete"),
                  std::pair("m_EditDevBtn", "Edit"), std::pair("pushButtonBatchModify", "Batch Modify"),
                  std::pair("pushButtonGroup", "Device Group")}) {
                auto *button = child<QPushButton>(&page, name);
                if (button->text() != QLatin1String(text) || button->width() < button->sizeHint().width())
                    cut << QStringLiteral("%1 \"%2\" %3<%4")
                               .arg(name, button->text())
                               .arg(button->width())
                               .arg(button->sizeHint().width());
            }
        }
        qApp->setStyleSheet(QString());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
    }

    void columnWidths_data()
    {
        QTest::addColumn<QVector<int>>("needed");
        QTest::addColumn<int>("available");
        QTest::addColumn<QVector<int>>("widths");
        // Weights 2, 2, 2, 3, 3.
        QTest::newRow("room to spare, shared by weight")
            << QVector<int>{110, 90, 50, 130, 70} << 600 << QVector<int>{135, 115, 75, 167, 108};
        QTest::newRow("exactly enough") << QVector<int>{110, 90, 50, 130, 70} << 450
                                        << QVector<int>{110, 90, 50, 130, 70};
        QTest::newRow("short: only the widest give way")
            << QVector<int>{110, 90, 50, 130, 70} << 400 << QVector<int>{95, 90, 50, 95, 70};
    }

    // What is left over goes by weight; what is missing is taken from the
    // widest columns only.
    void columnWidths()
    {
        QFETCH(QVector<int>, needed);
        QFETCH(int, available);
        QFETCH(QVector<int>, widths);
        QCOMPARE(DeviceManageWidget::shareWidths(needed, {2, 2, 2, 3, 3}, available), widths);
    }

    // With the program's style sheet a recorder named "Try recorder" shows
    // whole at the widths of a 1280x720 screen (it showed "Try ..." beside
    // columns with room to spare). Whatever the rows hold, only the widest
    // columns are cut, all to one width, and nothing scrolls sideways.
    void namesShowWholeWhenThereIsRoom_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("nameWhole");
        QTest::newRow("1229 wide") << 1229 << true;
        QTest::newRow("1400 wide") << 1400 << true;
        QTest::newRow("700 wide") << 700 << false;
    }

    void namesShowWholeWhenThereIsRoom()
    {
        QFETCH(int, width);
        QFETCH(bool, nameWhole);
        Q_INIT_RESOURCE(Resources);
        QVERIFY(ClientLook::loadStyleSheet());
        const QString ip = QStringLiteral("127.66.2.2");
        if (!DeviceInfoManager::instance()->findDevInfo(ip)) {
            auto *dev = new FUN_DEV_INFO;
            dev->ip = ip;
            dev->name = QStringLiteral("Try recorder");
            dev->devType = 1;
            dev->devPort = 1;
            dev->channelNum = 4;
            emit SignalsHelper::instance()->signalAddDevs({dev});
        }
        {
            DeviceManageWidget page;
            page.resize(width, 660);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            page.getDevFormDBToAddTableView();
            auto *view = child<QTableView>(&page, "m_AddDevTableView");
            const int row = page.getRowIndexByIp(ip);
            QVERIFY(row >= 0);
            QCOMPARE(page.model()->item(row, DeviceManageWidget::ColName)->text(), QStringLiteral("Try recorder"));
            // What the texts of a column need, title and cells, as the
            // window text test measures them.
            const auto needs = [&](int col) {
                int need =
                    TextsWhole::titleNeed(page.header(), page.model()->headerData(col, Qt::Horizontal).toString());
                for (int r = 0; r < page.model()->rowCount(); ++r) {
                    const QModelIndex index = page.model()->index(r, col);
                    if (!index.data().toString().isEmpty() && !view->indexWidget(index))
                        need = qMax(need, TextsWhole::cellNeed(view, index));
                }
                return need;
            };
            // The widths of the cut columns; the widths follow the rows once
            // they are laid out.
            const auto cutWidths = [&] {
                QSet<int> widths;
                for (int col = DeviceManageWidget::ColName; col < DeviceManageWidget::ColOperation; ++col)
                    if (view->columnWidth(col) < needs(col))
                        widths << view->columnWidth(col);
                return widths;
            };
            QTRY_VERIFY(cutWidths().size() <= 1
                        && (view->columnWidth(DeviceManageWidget::ColName) >= needs(DeviceManageWidget::ColName))
                               == nameWhole);
            QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
            // A column narrower than the cut ones is whole.
            const int cap = cutWidths().isEmpty() ? INT_MAX : *cutWidths().cbegin();
            for (int col = DeviceManageWidget::ColName; col < DeviceManageWidget::ColOperation; ++col)
                QVERIFY(needs(col) > cap || view->columnWidth(col) >= needs(col));
        }
        qApp->setStyleSheet(QString());
    }

    // A camera added by hand is reached at the standard service path on the
    // typed port, with no discovery; one that never answers is offline.
    void addDialogOnvifWithoutDiscovery_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::newRow("answers") << true;
        QTest::newRow("never answers") << false;
    }

    void addDialogOnvifWithoutDiscovery()
    {
        QFETCH(bool, answers);
        auto camera = std::make_unique<OnvifCam::CameraServer>();
        QVERIFY(camera->listen(QHostAddress(answers ? QStringLiteral("127.66.0.50") : QStringLiteral("127.66.0.51"))));
        camera->loadCameraDir(cameraDir(QStringLiteral("SUNBA")));
        const QString ip = camera->address().toString();
        const QString port = QString::number(camera->port());
        // Probes go to a responder that answers nothing: no discovery.
        OnvifCam::ProbeResponder silent;
        QVERIFY(silent.bind(QHostAddress(QStringLiteral("127.66.0.52"))));
        ONVIF::Service::instance()->setProbeTarget(silent.address(), silent.port());
        if (!answers)
            camera.reset(); // nothing listens on the port any more
        onModal<AddClientDevDlg>([&](AddClientDevDlg *d) {
            child<QComboBox>(d, "comboBoxProtocol")->setCurrentIndex(1);
            QTest::keyClicks(child<QLineEdit>(d, "m_IPlineEdit"), ip);
            child<QLineEdit>(d, "lineEditPort")->setText(port);
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        child<QPushButton>(m_page.get(), "m_AddDevBtn")->click();
        QTRY_VERIFY(DeviceInfoManager::instance()->findDevInfo(ip));
        FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip);
        QCOMPARE(dev->onvifUrl, QStringLiteral("http://%1:%2/onvif/device_service").arg(ip, port));
        if (answers) {
            QTRY_COMPARE_WITH_TIMEOUT(dev->loginStatus, 1, 15000);
            QVERIFY(CommonHelper::getDevUrl(dev, STREAM_MAIN).startsWith(QStringLiteral("rtsp://")));
            QVERIFY(!camera->requests().isEmpty());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(ONVIF::Service::instance()->getDevices().value(ip).status, 0, 15000);
            QTRY_COMPARE(cell(ip, DeviceManageWidget::ColState), CommonHelper::connectionFailedText());
        }
        // Both probes of the add dialog's search are out before the next test.
        QTRY_COMPARE(silent.probeCount(), 2);
    }

    // The operator adds a device while another program holds the database:
    // the dialog answers and says it waits, then closes once the device is
    // stored (and the page says so), or, held past the give-up, stays open
    // saying why, with the device on neither the page nor in the database.
    // Held exclusively from before the dialog opens, the groups it offers
    // cannot be read: it says so and adds nothing until they are.
    void addDialogWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<HeldDatabase::Kind>("kind");
        QTest::addColumn<bool>("released");
        QTest::newRow("let go while it waits") << HeldDatabase::Kind::Write << true;
        QTest::newRow("held past the give-up") << HeldDatabase::Kind::Write << false;
        QTest::newRow("exclusive, let go while the groups wait") << HeldDatabase::Kind::Exclusive << true;
        QTest::newRow("exclusive, held past the give-up") << HeldDatabase::Kind::Exclusive << false;
    }
    void addDialogWhileTheDatabaseIsHeld()
    {
        QFETCH(HeldDatabase::Kind, kind);
        QFETCH(bool, released);
        QVERIFY(pageReady(false));
        const bool exclusive = kind == HeldDatabase::Kind::Exclusive;
        const QString ip = QStringLiteral("127.66.0.%1").arg(60 + (released ? 0 : 1) + (exclusive ? 2 : 0));
        const auto cleanUp = qScopeGuard([&] {
            if (FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip))
                emit SignalsHelper::instance()->signalDelDevs({dev});
        });
        auto held = std::make_unique<HeldDatabase>(kind);
        QVERIFY(held->isHeld());
        QString waiting, end;
        bool okEnabled = true, listedWhileWaiting = false, openAtEnd = false;
        onModal<AddClientDevDlg>([&](AddClientDevDlg *d) {
            QTest::keyClicks(child<QLineEdit>(d, "m_IPlineEdit"), ip);
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
            auto *info = child<QLabel>(d, "m_lblTextInfo");
            waiting = info->text();
            okEnabled = child<QPushButton>(d, "m_OKBtn")->isEnabled();
            listedWhileWaiting = m_page->getRowIndexByIp(ip) >= 0;
            if (released)
                held->letGo();
            (void)QTest::qWaitFor([&] { return !d->isVisible() || info->text() != waiting; }, 30000);
            // The groups read at last: the operator adds again.
            if (d->isVisible() && child<QPushButton>(d, "m_OKBtn")->isEnabled()) {
                QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
                (void)QTest::qWaitFor([&] { return !d->isVisible(); }, 30000);
            }
            end = info->text();
            openAtEnd = d->isVisible();
            if (openAtEnd)
                QTest::mouseClick(child<QPushButton>(d, "m_CancelBtn"), Qt::LeftButton);
        });
        child<QPushButton>(m_page.get(), "m_AddDevBtn")->click();
        held.reset();
        QCOMPARE(waiting, exclusive
                              ? QStringLiteral("Reading: the database is in use by another program; waiting for it...")
                              : QStringLiteral("Saving: the database is in use by another program; waiting for it..."));
        QVERIFY(!okEnabled);
        QCOMPARE(listedWhileWaiting, !exclusive);
        QCOMPARE(openAtEnd, !released);
        if (!released)
            QCOMPARE(end, exclusive
                              ? QStringLiteral("Reading failed: the database is in use by another program")
                              : QStringLiteral("Configuration failed: the database is in use by another program"));
        if (!exclusive)
            QCOMPARE(toastTexts().contains(QStringLiteral("Configuration successful")), released);
        QCOMPARE(m_page->getRowIndexByIp(ip) >= 0, released);
        QCOMPARE(storedAddresses().contains(ip), released);
    }

    // The operator renames a device, or moves it to another group, while
    // another program holds the database: the page says it waits for exactly
    // as long as the change waits (the words checked against the queue's
    // state at each turn of the event loop, never against a time), then how
    // it ended, and the list shows what the database holds.
    void editWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<QString>("change"); // "name" or "group"
        QTest::addColumn<bool>("released");
        QTest::newRow("rename, let go while it waits") << "name" << true;
        QTest::newRow("rename, held past the give-up") << "name" << false;
        QTest::newRow("group change, held past the give-up") << "group" << false;
    }
    void editWhileTheDatabaseIsHeld()
    {
        QFETCH(QString, change);
        QFETCH(bool, released);
        QVERIFY(pageReady(false));
        const QString ip = m_ipc->address().toString();
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        const QString name = registry->findDevInfo(ip)->name;
        const QString group = registry->findDevInfo(ip)->group;
        DEV_GROUP_INFO yard;
        yard.name = QStringLiteral("Yard group");
        registry->addGroup(yard);
        const auto putBack = qScopeGuard([&] {
            FUN_DEV_INFO *dev = registry->findDevInfo(ip);
            if (dev && (dev->name != name || dev->group != group)) {
                auto *copy = new FUN_DEV_INFO(*dev);
                copy->name = name;
                copy->group = group;
                emit SignalsHelper::instance()->signalModifyDev(copy);
            }
        });
        auto *view = child<QTableView>(m_page.get(), "m_AddDevTableView");
        QWidget *manage =
            view->indexWidget(model()->index(m_page->getRowIndexByIp(ip), DeviceManageWidget::ColOperation));
        QVERIFY(manage);
        const QString waiting = SharedTexts::waitingText();
        const auto wordsShown = [&waiting] {
            for (QWidget *w : QApplication::allWidgets()) {
                auto *toast = qobject_cast<MsgTipInfoDlg *>(w);
                if (toast && toast->isVisible() && toast->text() == waiting)
                    return true;
            }
            return false;
        };
        const OrmAccessQueue &writes = m_controller->rowWrites();
        auto held = std::make_unique<HeldDatabase>();
        QVERIFY(held->isHeld());
        onModal<EditClientDevDlg>([&](EditClientDevDlg *d) {
            if (change == QLatin1String("name"))
                child<QLineEdit>(d, "m_DevNamelineEdit")->setText(QStringLiteral("Back Gate"));
            else
                child<QComboBox>(d, "m_GroupCmbBox")->setCurrentText(yard.name);
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(manage, "pushButtonEdit"), Qt::LeftButton);
        QVERIFY(writes.isWaiting());
        QVERIFY(wordsShown());
        // At every turn the words show exactly while the change waits.
        int turns = 0;
        QStringList mismatched;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            ++turns;
            if (wordsShown() != writes.isWaiting())
                mismatched << QStringLiteral("turn %1: waiting %2").arg(turns).arg(writes.isWaiting());
            if (released && turns == 5)
                held->letGo();
        });
        watch.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(!writes.isWaiting(), 30000);
        // A few turns more: the words went with the wait, and came no more.
        const int last = turns;
        QTRY_VERIFY(turns >= last + 5);
        watch.stop();
        held.reset();
        QVERIFY(turns > 5);
        QCOMPARE(mismatched, QStringList());
        QVERIFY(toastTexts().contains(released ? QStringLiteral("Configuration successful")
                                               : QStringLiteral("Configuration failed: the database is in use by "
                                                                "another program")));
        FUN_DEV_INFO *dev = registry->findDevInfo(ip);
        QCOMPARE(dev->name, released ? QStringLiteral("Back Gate") : name);
        QCOMPARE(dev->group, group);
        QCOMPARE(cell(ip, DeviceManageWidget::ColName), dev->name);
    }

    // Adding an ONVIF camera by hand puts the typed credentials into the ONVIF
    // table and sends one discovery search; a private-protocol add sends none.
    void addDialogOnvifRoad()
    {
        OnvifCam::CameraServer camera;
        QVERIFY(camera.listen(QHostAddress(QStringLiteral("127.66.0.40"))));
        camera.loadCameraDir(cameraDir(QStringLiteral("SUNBA")));
        OnvifCam::ProbeResponder probes;
        QVERIFY(probes.bind(QHostAddress(QStringLiteral("127.66.0.41"))));
        probes.setProbeMatches({OnvifCam::ProbeResponder::fromServiceUriTemplate(
            readFixture(QStringLiteral("onvif/test/serverMockup/Probe.xml")), camera.deviceServiceUrl())});
        ONVIF::Service::instance()->setProbeTarget(probes.address(), probes.port());
        const QString ip = camera.address().toString();

        onModal<AddClientDevDlg>([](AddClientDevDlg *d) {
            QTest::keyClicks(child<QLineEdit>(d, "m_IPlineEdit"), QStringLiteral("127.66.0.42"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        child<QPushButton>(m_page.get(), "m_AddDevBtn")->click();
        QVERIFY(toastTexts().contains(QStringLiteral("Configuration successful")));
        QTRY_VERIFY(m_page->getRowIndexByIp(QStringLiteral("127.66.0.42")) >= 0);
        // A probe of a search would reach the responder ahead of a datagram sent now.
        const QByteArray marker("no probe before this");
        QUdpSocket neighbour;
        QVERIFY(neighbour.bind(QHostAddress(QStringLiteral("127.66.0.43")), 0));
        neighbour.writeDatagram(marker, probes.address(), probes.port());
        QTRY_VERIFY(probes.probes().contains(marker));
        QCOMPARE(probes.probes().indexOf(marker), 0); // no probe came before it
        probes.clearProbes();

        onModal<AddClientDevDlg>([&](AddClientDevDlg *d) {
            child<QComboBox>(d, "comboBoxProtocol")->setCurrentIndex(1);
            QTest::keyClicks(child<QLineEdit>(d, "m_IPlineEdit"), ip);
            child<QLineEdit>(d, "m_UserNamelineEdit")->setText(QStringLiteral("viewer"));
            child<QLineEdit>(d, "m_PassWdlineEdit")->setText(QStringLiteral("s3cret"));
            child<QLineEdit>(d, "m_DevNamelineEdit")->setText(QStringLiteral("Porch"));
            QTest::mouseClick(child<QPushButton>(d, "m_OKBtn"), Qt::LeftButton);
        });
        child<QPushButton>(m_page.get(), "m_AddDevBtn")->click();
        QTRY_COMPARE_WITH_TIMEOUT(probes.probeCount(), 2, 5000);
        const FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip);
        QVERIFY(dev);
        QCOMPARE(dev->devType, 2);
        QCOMPARE(dev->bOnvif, uint8_t(1));
        QCOMPARE(dev->name, QStringLiteral("Porch"));
        QVERIFY(storedAddresses().contains(ip));
        QCOMPARE(cell(ip, DeviceManageWidget::ColType), QStringLiteral("ONVIF"));
        const auto entry = ONVIF::Service::instance()->getDevices().value(ip);
        QCOMPARE(entry.user, QStringLiteral("viewer"));
        QCOMPARE(entry.password, QStringLiteral("s3cret"));
    }

    // With both boxes cleared each row is added by its own kind; a row whose
    // device is not known stays, and the operator is told why.
    void searchAddsEachRowByItsOwnKind()
    {
        SimDevice lan(SimDevice::Ipc);
        QVERIFY(lan.listen(QHostAddress(QStringLiteral("127.66.0.60"))));
        lan.setUid(QStringLiteral("SIMUID60"));
        lan.setStoredValue(13002, QStringLiteral("IP"), lan.address().toString());
        m_responder->addDevice(&lan);
        auto unlist = qScopeGuard([&] { m_responder->removeDevice(&lan); });
        const QString ip = lan.address().toString();
        const QString stray = QStringLiteral("127.66.0.61");
        QSignalSpy added(SignalsHelper::instance(), &SignalsHelper::signalAddDevs);

        bool listed = false;
        int ipRow = -2, strayRow = -2;
        QStringList tips;
        onModal<CSearchManageWidget>([&](CSearchManageWidget *search) {
            auto *results =
                qobject_cast<QStandardItemModel *>(child<QTableView>(search, "m_SearchDevTableView")->model());
            auto *button = child<QPushButton>(search, "m_SearchDevBtn");
            auto *privateBox = child<QCheckBox>(search, "m_KelvochkBox");
            listed = QTest::qWaitFor(
                [&] {
                    return button->text() == QStringLiteral("Search")
                           && CSearchManageWidget::findRowByText(ip, results, 0) >= 0;
                },
                5000);
            QTest::mouseClick(privateBox, Qt::LeftButton, {}, QPoint(5, privateBox->height() / 2));
            // An ONVIF row whose camera the discovery table no longer holds.
            QList<QStandardItem *> row;
            for (const QString &text :
                 {stray, QStringLiteral("ONVIF"), QString(), QString(), QString(), QString(), QString()})
                row << new QStandardItem(text);
            row.first()->setCheckable(true);
            results->appendRow(row);
            for (const QString &address : {ip, stray}) {
                const int r = CSearchManageWidget::findRowByText(address, results, 0);
                if (r >= 0)
                    results->item(r, 0)->setCheckState(Qt::Checked);
            }
            child<QPushButton>(search, "m_AddDevToClientBtn")->click();
            ipRow = CSearchManageWidget::findRowByText(ip, results, 0);
            strayRow = CSearchManageWidget::findRowByText(stray, results, 0);
            tips = toastTexts();
            search->reject();
        });
        child<QPushButton>(m_page.get(), "m_SearchDevBtn")->click();
        QVERIFY(listed);
        QCOMPARE(ipRow, -1);
        QVERIFY(strayRow >= 0);
        QVERIFY2(
            tips.contains(QStringLiteral("The device is no longer in the search results.Please search again later.")),
            qPrintable(tips.join(QLatin1Char('|'))));
        QCOMPARE(added.count(), 1);
        const auto devs = added.first().first().value<QList<FUN_DEV_INFO *>>();
        QCOMPARE(devs.size(), 1);
        QCOMPARE(devs.first()->ip, ip);
        QCOMPARE(devs.first()->sn, QStringLiteral("SIMUID60"));
        QTRY_VERIFY(m_page->getRowIndexByIp(ip) >= 0);
        QVERIFY(!storedAddresses().contains(stray));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(onvif);
    TestDeviceManagePage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_devicemanagepage.moc"
