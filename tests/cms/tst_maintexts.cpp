// Every page of the main window in every language of the client, with its
// own style sheet and font, in the room a 1280x720 screen leaves inside a
// window frame, against a simulated camera and a simulated 4-channel recorder
// (127.59.1.x): no label, button, box, list, tree or column shows its text
// cut, nor do the alarm records (full or empty, with no sideways scroll) and
// the dialogs the pages open (a search finds a camera on a loopback LAN);
// their Save and other buttons are in view. With KELVO_SCREENSHOT_DIR set,
// every page and dialog is saved there as <language>_<name>.png. The wheel
// turned over every list, number, date field and slider of each page, and of
// the dialogs the pages open, changes none of them and gives none of them the
// keyboard.

#include "AddClientDevDlg.h"
#include "AlarmEventWidget.h"
#include "AlarmInfoWidget.h"
#include "AlarmManageWidget.h"
#include "CVideoPlayback.h"
#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "DeviceTree.h"
#include "DevicePagesTestUtil.h"
#include "HeaderViewPrivate.h"
#include "KelvoSDKHelper.h"
#include "MainWindow.h"
#include "ModifyNetInfoDlg.h"
#include "OnvifService.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "RecordSchedule.h"
#include "SimDevice.h"
#include "../support/TextsWhole.h"
#include "../support/Wheel.h"

#include <QFile>
#include <QFontDatabase>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

using namespace TextsWhole;

class TestMainTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_ipc;
    std::unique_ptr<SimDevice> m_nvr;
    std::unique_ptr<SimDevice> m_fresh; // on the LAN, not registered: what a search finds
    std::unique_ptr<SimSearchResponder> m_lan;
    std::unique_ptr<MainWindow> m_window;

    // The pages as the operator reaches them: a card of the home page, then a
    // tab or an entry of the page's own list.
    QList<QPair<QString, std::function<void()>>> pages()
    {
        MainWindow *w = m_window.get();
        const auto card = [w](int page) { return [w, page] { QTest::mouseClick(w->card(page), Qt::LeftButton); }; };
        const auto tab = [w, card](int index) {
            return [w, card, index] {
                card(MainWindow::Playback)();
                QTabBar *bar = w->playbackPage()->tabWidget()->tabBar();
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
            };
        };
        const auto alarm = [w, card](int row) {
            return [w, card, row] {
                card(MainWindow::Events)();
                auto *list = w->findChild<QListView *>(QStringLiteral("listView"));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                  list->visualRect(list->model()->index(row, 0)).center());
            };
        };
        // The stored alarms listed, more than the table shows at once; or
        // those of the recorder, which has raised none.
        const auto search = [w, alarm](bool recorder) {
            return [w, alarm, recorder] {
                alarm(1)();
                auto *tree = w->findChild<AlarmInfoWidget *>()->findChild<QTreeView *>(QStringLiteral("treeView"));
                const QAbstractItemModel *list = tree->model();
                const QModelIndex item =
                    list->match(list->index(0, 0), Qt::DisplayRole, "Try recorder", 1, Qt::MatchRecursive).value(0);
                if (recorder)
                    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
                QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("pushButtonSearch")), Qt::LeftButton);
            };
        };
        return {{QStringLiteral("Home"), [w] { w->showHome(); }},
                {QStringLiteral("Live Video"), card(MainWindow::LiveVideo)},
                {QStringLiteral("Playback Local"), tab(CVideoPlayback::LocalTab)},
                {QStringLiteral("Playback NVR"), tab(CVideoPlayback::NvrTab)},
                {QStringLiteral("Storage Schedule"), card(MainWindow::StorageSchedule)},
                {QStringLiteral("Device Management"), card(MainWindow::DeviceManagement)},
                {QStringLiteral("Alarm Event"), alarm(0)},
                {QStringLiteral("Alarm Info, before a search"), alarm(1)},
                {QStringLiteral("Alarm Info"), search(false)},
                {QStringLiteral("Alarm Info, none found"), search(true)}};
    }

    struct Dialog
    {
        QString name;
        // The operator's way to it; it opens (modal) inside the last click.
        std::function<void()> open;
        // What he does in it before it is looked at; what it says of the
        // dialogs he opens from it.
        std::function<QStringList(QDialog *)> inside = [](QDialog *) { return QStringList(); };
    };

    QList<Dialog> dialogs()
    {
        MainWindow *w = m_window.get();
        const auto click = [](QWidget *page, const char *name) {
            QTest::mouseClick(page->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
        };
        const auto devices = [w, click](const char *button, bool checked) {
            return [w, click, button, checked] {
                QTest::mouseClick(w->card(MainWindow::DeviceManagement), Qt::LeftButton);
                DeviceManageWidget *page = w->devicePage();
                for (int row = 0; row < page->model()->rowCount(); ++row)
                    page->model()->item(row, 0)->setCheckState(checked && row == 0 ? Qt::Checked : Qt::Unchecked);
                click(page, button);
            };
        };
        const auto events = [w](int row) {
            QTest::mouseClick(w->card(MainWindow::Events), Qt::LeftButton);
            auto *list = w->findChild<QListView *>(QStringLiteral("listView"));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                              list->visualRect(list->model()->index(row, 0)).center());
        };
        // The search lists the camera on the LAN, and the address dialog of
        // the row checked opens from it.
        const auto searched = [](QDialog *search) {
            auto *view = search->findChild<QTableView *>(QStringLiteral("m_SearchDevTableView"));
            auto *found = qobject_cast<QStandardItemModel *>(view->model());
            QStringList cut;
            if (!DevicePagesTest::waitFor([found] { return found->rowCount() > 0; }))
                return QStringList{QStringLiteral("nothing found")};
            found->item(0, 0)->setCheckState(Qt::Checked);
            cut << QStringLiteral("not opened");
            const DevicePagesTest::ModalWait wait = DevicePagesTest::onModal<ModifyNetInfoDlg>([&cut](QDialog *shown) {
                QCoreApplication::processEvents();
                cut = cutTexts(shown) + outOfView(shown);
                shoot(shown, QString::fromLatin1(QTest::currentDataTag()), QStringLiteral("Device Address"));
                shown->reject();
            });
            QTest::mouseClick(search->findChild<QPushButton *>(QStringLiteral("m_ModifyIPBtn")), Qt::LeftButton);
            wait.giveUp();
            return cut.replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral("Device Address: "));
        };
        return {{QStringLiteral("Search Devices"), devices("m_SearchDevBtn", false), searched},
                {QStringLiteral("Add Device"), devices("m_AddDevBtn", false)},
                {QStringLiteral("Edit Device"), devices("m_EditDevBtn", true)},
                {QStringLiteral("Batch Modify"), devices("pushButtonBatchModify", true)},
                {QStringLiteral("Device Group"), devices("pushButtonGroup", false)},
                {QStringLiteral("Copy Alarm Settings"),
                 [w, events, click] {
                     events(0);
                     auto *page = w->findChild<AlarmEventWidget *>();
                     auto *tree = page->findChild<DeviceTree *>(QStringLiteral("treeView"));
                     const QModelIndex camera =
                         tree->model()
                             ->match(tree->model()->index(0, 0), Qt::DisplayRole, "Try camera", 1, Qt::MatchRecursive)
                             .value(0);
                     QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(camera).center());
                     QTRY_VERIFY(page->findChild<QPushButton *>(QStringLiteral("pushButtonCopy"))->isEnabled());
                     click(page, "pushButtonCopy");
                 }},
                {QStringLiteral("Handle Alarms"),
                 [w, events, click] {
                     events(1);
                     click(w->findChild<AlarmInfoWidget *>(), "pushButtonBat");
                 }},
                {QStringLiteral("Cloud Login"), [w, click] { click(w, "pushButtonCloud"); }},
                {QStringLiteral("Record Settings"), [w, click] {
                     QTest::mouseClick(w->card(MainWindow::StorageSchedule), Qt::LeftButton);
                     QTRY_VERIFY(
                         w->schedulePage()->findChild<QPushButton *>(QStringLiteral("m_btnAdvance"))->isEnabled());
                     click(w->schedulePage(), "m_btnAdvance");
                 }}};
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.heartbeatIntervalMs = 500;
        KelvoSDKHelper::instance()->setTimings(timings);
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        QVERIFY(TextsWhole::lookAsTheClient());

        m_ipc = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_ipc->listen(QHostAddress(QStringLiteral("127.59.1.1"))));
        m_nvr = std::make_unique<SimDevice>(SimDevice::Nvr);
        m_nvr->state().channelStates = QStringLiteral("1111");
        QVERIFY(m_nvr->listen(QHostAddress(QStringLiteral("127.59.1.2"))));
        // The LAN a search asks, on loopback.
        m_fresh = std::make_unique<SimDevice>(SimDevice::Ipc);
        QVERIFY(m_fresh->listen(QHostAddress(QStringLiteral("127.59.1.4"))));
        m_fresh->setStoredValue(13002, QStringLiteral("IP"), m_fresh->address().toString());
        m_lan = std::make_unique<SimSearchResponder>();
        QVERIFY(m_lan->bind(QHostAddress(QStringLiteral("127.59.1.3"))));
        m_lan->addDevice(m_fresh.get());
        KelvoSDKHelper::instance()->broadService()->setBroadcastTarget(m_lan->address(), m_lan->port());
        KelvoSDKHelper::instance()->broadService()->setLocalAddresses({QHostAddress(QStringLiteral("127.59.1.5"))});
        ONVIF::Service::instance()->setLocalAddresses({QHostAddress(QStringLiteral("127.59.1.5"))});
        // Stored before the window exists, named as the try names them.
        auto *cam = new FUN_DEV_INFO;
        cam->ip = m_ipc->address().toString();
        cam->sn = m_ipc->uid();
        cam->devPort = m_ipc->port();
        cam->rtspPort = 1;
        cam->name = QStringLiteral("Try camera");
        auto *nvr = new FUN_DEV_INFO;
        nvr->ip = m_nvr->address().toString();
        nvr->sn = m_nvr->uid();
        nvr->devType = 1;
        nvr->devPort = m_nvr->port();
        nvr->rtspPort = 1;
        nvr->name = QStringLiteral("Try recorder");
        OrmHelper::AddDevs({cam, nvr});
        // The camera's alarms as the client stores them, of each type, more
        // than the table shows at once.
        for (int type = 0; type < 23; ++type) {
            CustomAlarmInfo alarm;
            alarm.alarmType = type % 6;
            alarm.alarmTime =
                QDateTime::currentDateTime().addSecs(-type).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            alarm.devName = cam->name;
            alarm.handler = cam->sn;
            QCOMPARE(orm::dao::insert(alarm).text(), QString());
        }
        delete cam;
        delete nvr;

        m_window = std::make_unique<MainWindow>();
        m_window->setUserName(QStringLiteral("admin"));
        m_window->setRights(DEFAULT_RIGHTS);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The room a 1280x720 screen leaves inside a usual frame.
        m_window->setGeometry(
            MainWindow::placement(QRect(0, 0, 1280, 720), QSize(1366, 800), QSize(), QMargins(4, 30, 4, 4)));
        QTRY_VERIFY_WITH_TIMEOUT(CommonHelper::checkDevOnline(DeviceInfoManager::instance()->findDevInfo(
                                     m_nvr->address().toString() + QStringLiteral("_4"))),
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            CommonHelper::checkDevOnline(DeviceInfoManager::instance()->findDevInfo(m_ipc->address().toString())),
            20000);
        // Every column of the device list filled as the devices report.
        for (SimDevice *device : {m_ipc.get(), m_nvr.get()})
            QTRY_VERIFY_WITH_TIMEOUT(
                !DeviceInfoManager::instance()->findDevInfo(device->address().toString())->mac.isEmpty(), 20000);
    }

    void cleanupTestCase()
    {
        if (m_window)
            m_window->close();
        m_window.reset();
    }

    void wheelMovesNothing_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("dialog"); // the page's button that opens it; empty: the page itself
        for (const auto &page : pages())
            QTest::newRow(qPrintable(page.first)) << page.first << QString();
        QTest::newRow("Add Device") << "Device Management"
                                    << "m_AddDevBtn";
        QTest::newRow("Device Groups") << "Device Management"
                                       << "pushButtonGroup";
        QTest::newRow("Advanced record settings") << "Storage Schedule"
                                                  << "m_btnAdvance";
    }

    void wheelMovesNothing()
    {
        QFETCH(QString, page);
        QFETCH(QString, dialog);
        m_window->showHome();
        for (const auto &p : pages()) {
            if (p.first == page)
                p.second();
        }
        QCoreApplication::processEvents();
        QStringList moved;
        if (dialog.isEmpty()) {
            moved = Wheel::turnOverEach(m_window.get());
        } else {
            bool opened = false;
            DevicePagesTest::onModal<QDialog>([&](QDialog *shown) {
                opened = true;
                moved = Wheel::turnOverEach(shown);
                shown->reject();
            });
            // The schedule's dialog opens once the page has read the plan.
            auto *button = m_window->findChild<QPushButton *>(dialog);
            QVERIFY(button);
            QVERIFY(QTest::qWaitFor([&] {
                if (!opened)
                    QTest::mouseClick(button, Qt::LeftButton);
                return opened;
            }));
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral("; "))));
    }

    void textsWhole_data()
    {
        QTest::addColumn<QString>("file");
        for (const QStringList &row : QList<QStringList>{{"English", "quorel_en.qm"},
                                                         {"Russian", "quorel_ru.qm"},
                                                         {"Czech", "quorel_cz.qm"},
                                                         {"Chinese", "Quorel_zh.qm"},
                                                         {"Indonesian", "quorel_ida.qm"}})
            QTest::newRow(qPrintable(row[0])) << row[1];
    }

    void textsWhole()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/language/Resources/language/") + file));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        QStringList cut;
        for (const auto &page : pages()) {
            m_window->showHome();
            page.second();
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            for (const QString &c : cutTexts(m_window.get()) + outOfView(m_window.get()))
                cut << page.first + ": " + c;
            if (page.first.startsWith(QLatin1String("Alarm Info"))) {
                // The records in the room the page gives them, the first
                // title (centred) clear of the select-all box at its left.
                AlarmInfoWidget *records = m_window->findChild<AlarmInfoWidget *>();
                QCOMPARE(records->model()->rowCount() == 23, page.first == QLatin1String("Alarm Info"));
                QScrollBar *sideways = records->findChild<QTableView *>("tableView")->horizontalScrollBar();
                if (sideways->isVisible())
                    cut << page.first + QStringLiteral(": records scroll sideways by %1 px").arg(sideways->maximum());
                HeaderViewPrivate *header = records->header();
                const QString title = records->model()->headerData(0, Qt::Horizontal).toString();
                const QRect section(header->sectionViewportPosition(0), 0, header->sectionSize(0), header->height());
                if (section.center().x() - header->fontMetrics().horizontalAdvance(title) / 2
                    <= HeaderViewPrivate::indicatorRect(section).right())
                    cut << page.first + QStringLiteral(": the select-all box covers '%1'").arg(title);
            }
            shoot(m_window.get(), QString::fromLatin1(QTest::currentDataTag()), page.first);
        }
        // The dialogs as their pages open them: in a 1280x720 screen, texts
        // whole, buttons in view.
        for (const Dialog &dialog : dialogs()) {
            m_window->showHome();
            QStringList dialogCut{QStringLiteral("not opened")};
            const DevicePagesTest::ModalWait wait = DevicePagesTest::onModal<QDialog>([&](QDialog *shown) {
                const QStringList within = dialog.inside(shown);
                QCoreApplication::processEvents();
                dialogCut = cutTexts(shown) + outOfView(shown) + within;
                shoot(shown, QString::fromLatin1(QTest::currentDataTag()), dialog.name);
                shown->reject();
            });
            dialog.open();
            wait.giveUp();
            for (const QString &c : qAsConst(dialogCut))
                cut << dialog.name + QStringLiteral(": ") + c;
        }
        m_window->showHome();
        // The snapshot and download toasts put their two texts side by side.
        for (const char *context : {"LocalVideoReplayWnd", "RecordWnd", "IotReplayWnd"}) {
            const QString toast = QCoreApplication::translate(context, "Snapshot successful") + QLatin1Char(' ')
                                  + QCoreApplication::translate(context, "Saved to") + QStringLiteral(" /x");
            if (toast.contains(QStringLiteral("  ")) || toast.contains(QStringLiteral(" ,"))
                || toast.contains(QStringLiteral(" \u3001")) || toast.contains(QStringLiteral(" \uff0c")))
                cut << QStringLiteral("%1 toast: '%2'").arg(QLatin1String(context), toast);
        }
        QCoreApplication::removeTranslator(&translator);
        DevicePagesTest::closeToasts();
        for (const QString &c : qAsConst(cut))
            qWarning().noquote() << "cut:" << c;
        QVERIFY2(cut.isEmpty(), qPrintable(QString::number(cut.size()) + QStringLiteral(" texts cut")));
    }
};

QTEST_MAIN(TestMainTexts)
#include "tst_maintexts.moc"
