// The alarm settings page inside the main window, over a real database file,
// with simulated cameras logged in on loopback: what the operator typed for a
// device survives a visit to another page; a device deleted meanwhile gets
// nothing stored and a message, and without a device chosen Save waits for
// one and the page says to choose it.

#include "../cms/DevicePagesTestUtil.h"

#include "AlarmEventWidget.h"
#include "AlarmManageWidget.h"
#include "AlarmSettingsStore.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "MainWindow.h"
#include "OrmHelper.h"
#include "SignalsHelper.h"
#include "SimDevice.h"
#include "SwitchControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QtTest>

using namespace DevicePagesTest;

namespace {

const QStringList kCameras = {QStringLiteral("127.61.0.1"), QStringLiteral("127.61.0.2")};

template <class T> int rowsUnder(const QString &devip)
{
    QList<QSharedPointer<T>> rows;
    orm::dao::fetch_by_query(OrmQuery("WHERE devip = :d").bind(":d", devip), rows);
    return rows.size();
}

bool online(const QString &ip)
{
    const FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(ip);
    return dev && dev->loginStatus == 1;
}

} // namespace

class TestAlarmSettingsReturn : public QObject
{
    Q_OBJECT

    SimDevice m_devices[2];
    std::unique_ptr<MainWindow> m_window;

    AlarmEventWidget *page() const { return m_window->findChild<AlarmManageWidget *>()->eventPage(); }
    template <class T> T *w(const char *name) const { return child<T>(page(), name); }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        FUN_DEV_INFO records[2];
        for (int i = 0; i < 2; ++i) {
            QVERIFY(m_devices[i].listen(QHostAddress(kCameras.at(i))));
            records[i].ip = kCameras.at(i);
            records[i].devPort = m_devices[i].port();
            records[i].sn = records[i].ip;
            records[i].name = i ? QStringLiteral("Shed") : QStringLiteral("Gate");
        }
        OrmHelper::AddDevs({&records[0], &records[1]});
        m_window.reset(new MainWindow);
        m_window->setRights(DEFAULT_RIGHTS);
        m_window->resize(1600, 1000);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(online(kCameras.at(0)) && online(kCameras.at(1)), 15000);
    }

    void cleanupTestCase()
    {
        m_window->closeApp();
        m_window.reset();
    }

    void editsSurviveLeavingThePage_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("deletedMeanwhile");
        QTest::addColumn<QString>("shownOnReturn"); // toast when the page is back, "" none
        QTest::addColumn<QString>("saveToast");
        // First: the page's first visit, before any device was chosen.
        QTest::newRow("no device chosen") << QString() << false << QString() << QString();
        QTest::newRow("device still there")
            << kCameras.at(0) << false << QString() << QStringLiteral("Configuration successful");
        // Nothing chosen any more: Save waits for a device, the page says so.
        QTest::newRow("device deleted meanwhile")
            << kCameras.at(1) << true << QStringLiteral("Shed no longer exists: no alarm settings were saved for it")
            << QString();
    }

    void editsSurviveLeavingThePage()
    {
        QFETCH(QString, ip);
        QFETCH(bool, deletedMeanwhile);
        QFETCH(QString, shownOnReturn);
        QFETCH(QString, saveToast);
        closeToasts();
        m_window->showPage(MainWindow::Events);
        QTRY_VERIFY(page()->isVisible());
        const bool chosen = !ip.isEmpty();
        if (chosen) {
            auto *tree = w<DeviceTree>("treeView");
            QStandardItem *item = tree->itemForKey(ip);
            QVERIFY(item);
            const QModelIndex index = tree->proxyModel()->mapFromSource(item->index());
            tree->scrollTo(index);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
            QCOMPARE(page()->currentKey(), ip);

            click(w<SwitchControl>("widgetMotion"));
            click(w<SwitchControl>("widgetVideoPopup"));
            w<QLineEdit>("lineEditPopupTime")->setText(QStringLiteral("42"));
        }

        m_window->showPage(MainWindow::LiveVideo);
        QTRY_VERIFY(!page()->isVisible());
        if (deletedMeanwhile) {
            emit SignalsHelper::instance()->signalDelDevs({DeviceInfoManager::instance()->findDevInfo(ip)});
            QTRY_VERIFY(!DeviceInfoManager::instance()->findDevInfo(ip));
        }
        m_window->showPage(MainWindow::Events);
        QTRY_VERIFY(page()->isVisible());

        const bool motion = w<SwitchControl>("widgetMotion")->isChecked();
        const QString popupTime = w<QLineEdit>("lineEditPopupTime")->text();
        const QStringList toastsOnReturn = toastTexts();
        const bool saveFree = w<QPushButton>("pushButtonSave")->isEnabled();
        auto *hint = w<QLabel>("labelChooseDevice");
        const bool hinted = hint && hint->isVisible() && hint->text() == AlarmEventWidget::chooseDeviceText();
        closeToasts();
        click(w<QPushButton>("pushButtonSave"));
        const QStringList toastsOnSave = toastTexts();

        // What the operator sees on coming back: the edits, or the page reset
        // and waiting for a device.
        const bool kept = chosen && !deletedMeanwhile;
        QCOMPARE(page()->currentKey(), kept ? ip : QString());
        QCOMPARE(motion, kept);
        QCOMPARE(popupTime, kept ? QStringLiteral("42") : QStringLiteral("10"));
        QCOMPARE(saveFree, kept);
        QCOMPARE(hinted, !kept);
        QCOMPARE(toastsOnReturn, shownOnReturn.isEmpty() ? QStringList() : QStringList{shownOnReturn});
        QCOMPARE(toastsOnSave, saveToast.isEmpty() ? QStringList() : QStringList{saveToast});

        // What reached the database.
        const int expected = kept ? 1 : 0;
        QCOMPARE(rowsUnder<cms_DealAlarmType>(ip), expected);
        QCOMPARE(rowsUnder<cms_DealAlarmLink>(ip), expected);
        QCOMPARE(rowsUnder<cms_DealAlarmTime>(ip), expected);
        if (kept) {
            QSharedPointer<cms_DealAlarmType> type;
            QSharedPointer<cms_DealAlarmLink> link;
            QCOMPARE(AlarmSettingsStore::readRow(ip, &type).text() + AlarmSettingsStore::readRow(ip, &link).text(),
                     QString());
            QVERIFY(type && link && type->bMotionDetection && link->bVideoPopup);
            QCOMPARE(link->popupTime, QStringLiteral("42"));
        }
    }
};

QTEST_MAIN(TestAlarmSettingsReturn)
#include "tst_alarmsettingsreturn.moc"
