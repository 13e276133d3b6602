// The storage schedule page and its advanced settings inside the main window:
// a simulated NVR with two channels online, its streams on the loopback RTSP
// server, a real SQLite file, an injected folder chooser and free-space probe.

#include "DeviceRoundTrip.h"
#include "../support/BrokenTable.h"
#include "../support/StoredRows.h"
#include "../support/HeldDatabase.h"
#include "CommonHelper.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "FileChooser.h"
#include "KelvoSDKHelper.h"
#include "MainWindow.h"
#include "OrmCore.h"
#include "OrmHelper.h"
#include "PlayerCommon.h"
#include "RecordSchedule.h"
#include "RecordScheduleThread.h"
#include "SignalsHelper.h"
#include "SettingsKeeper.h"
#include "SimDevice.h"
#include "StorageMark.h"
#include "TestMedia.h"
#include "TimeRangeCtrl.h"
#include "recordAdvanceConfigDlg.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>

using DevicePagesTest::child;

Q_DECLARE_METATYPE(HeldDatabase::Kind)

namespace {

const QString NvrIp = QStringLiteral("127.0.0.1");

FUN_DEV_INFO *record(const QString &key)
{
    return DeviceInfoManager::instance()->findDevInfo(key);
}

// (segment files, of which still open) of the day indexes below folder.
QPair<int, int> segments(const QString &folder)
{
    QPair<int, int> count;
    QDirIterator it(folder, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array())
            count = {count.first + 1, count.second + (v.toObject().value("endTime").toString().isEmpty() ? 1 : 0)};
    }
    return count;
}

// The segments of the day indexes below folder, (start, end) in ms since the
// epoch by the folder's day, in order of start; an open one ends at -1.
QList<QPair<qint64, qint64>> segmentSpans(const QString &folder)
{
    QList<QPair<qint64, qint64>> spans;
    QDirIterator it(folder, {QStringLiteral("record.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        const QDate day = QDate::fromString(QFileInfo(f).dir().dirName(), QStringLiteral("yyyyMMdd"));
        const auto at = [&day](const QString &text) {
            const QTime t = QTime::fromString(text, QStringLiteral("hhmmsszzz"));
            return t.isValid() ? QDateTime(day, t).toMSecsSinceEpoch() : qint64(-1);
        };
        for (const QJsonValue &v : QJsonDocument::fromJson(f.readAll()).array())
            spans.append(
                {at(v.toObject().value("startTime").toString()), at(v.toObject().value("endTime").toString())});
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

QStringList rowTexts(QTreeView *view)
{
    QStringList texts;
    auto *model = qobject_cast<QStandardItemModel *>(view->model());
    for (int r = 0; model && r < model->rowCount(); ++r)
        texts << model->item(r)->text();
    return texts;
}

void checkAll(QTreeView *view)
{
    auto *model = qobject_cast<QStandardItemModel *>(view->model());
    for (int r = 0; model && r < model->rowCount(); ++r)
        model->item(r)->setCheckState(Qt::Checked);
}

QVector<RECORD_DAY_INFO> storedDays()
{
    return RecordSchedule::readTimePlan(storedPlan()->scheduleTime);
}

// The stored plan's row, every column as the file holds it, read with a
// connection of the test's own.
QString storedPlanRow()
{
    QString text;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("own"));
        db.setDatabaseName(OrmDatabase::databaseName());
        QSqlQuery q(db);
        if (db.open() && q.exec(QStringLiteral("SELECT * FROM PlanRecord WHERE id = 1")) && q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString();
            text = values.join(QLatin1Char('|'));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("own"));
    return text;
}

void setBackupPath(const QString &path)
{
    auto config = storedConfig();
    config->BackupPath = path;
    QVERIFY(OrmHelper::saveConfig(config));
}

} // namespace

class tst_RecordSchedule : public QObject
{
    Q_OBJECT

    testmedia::RtspServer m_rtsp;
    std::unique_ptr<SimDevice> m_nvr;
    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_storage;

    RecordSchedule *page() const { return m_window->schedulePage(); }
    QPushButton *onButton() const { return child<QPushButton>(page(), "m_btnOn"); }
    void click(const char *name) { QTest::mouseClick(child<QAbstractButton>(page(), name), Qt::LeftButton); }

    // The NVR registered and both channels online (added again after a test deleted it).
    bool nvrOnline()
    {
        if (!record(NvrIp)) {
            auto *nvr = new FUN_DEV_INFO;
            nvr->ip = NvrIp;
            nvr->sn = m_nvr->uid(); // the version reply sets it so
            nvr->devType = 1;
            nvr->devPort = m_nvr->port();
            nvr->rtspPort = quint16(m_rtsp.port());
            nvr->name = QStringLiteral("Yard NVR");
            // Added again after a row deleted it: the add is stored, and what
            // the device list said of it (queued behind that row's deletion,
            // it may say it waits) is said, before the row under test acts.
            bool stored = false;
            QObject context;
            connect(SignalsHelper::instance(), &SignalsHelper::signalDevStored, &context,
                    [&stored](FUN_DEV_INFO *dev, const QString &) { stored = stored || dev->ip == NvrIp; });
            emit SignalsHelper::instance()->signalAddDevs({nvr});
            if (!DevicePagesTest::waitFor([&stored] { return stored; }, 20000))
                return false;
            DevicePagesTest::closeToasts();
        }
        return DevicePagesTest::waitFor(
            [] {
                return CommonHelper::checkDevOnline(record(NvrIp + "_1"))
                       && CommonHelper::checkDevOnline(record(NvrIp + "_2"));
            },
            20000);
    }

    // A stored plan recording the channels all day, switched on (or off).
    void storeRecordingPlan(const QList<uint8_t> &channels = {1, 2}, bool on = true)
    {
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.name = QStringLiteral("default");
        plan.iTurnOn = on;
        plan.iTimeFile = 1;
        plan.szStoragePath = storedConfig()->BackupPath; // as the page stores it
        for (int i = 0; i < 7; ++i)
            plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
        for (uint8_t ch : channels)
            plan.devices.append({m_nvr->uid(), NvrIp, 1, ch, 0});
        QVERIFY(RecordSchedule::storePlan(plan));
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        player::registerMetaTypes();
        // The NVR's channel states come with its heartbeat.
        SdkTimings timings = KelvoSDKHelper::instance()->timings();
        timings.heartbeatIntervalMs = 500;
        KelvoSDKHelper::instance()->setTimings(timings);
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        // As the client installs it.
        CommonHelper::setStoragePathsProvider(&RecordStorage::settingsPaths);
        Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
        // A second of recording per minute of the plan.
        RecordScheduleThread::setSecondsPerPlanMinuteForTesting(1);

        const QString clip = testmedia::makeClip("sched.mp4", "h264", 60);
        QVERIFY(!clip.isEmpty());
        QStringList mounts;
        for (const char *m : {"/stream1-1=", "/stream1-2=", "/stream2-1=", "/stream2-2="})
            mounts << QLatin1String(m) + clip;
        QVERIFY(m_rtsp.start(mounts));
        m_nvr = std::make_unique<SimDevice>(SimDevice::Nvr);
        m_nvr->state().maxChannels = 2;
        m_nvr->state().channelStates = QStringLiteral("11");
        QVERIFY(m_nvr->listen(QHostAddress(NvrIp)));

        m_window = std::make_unique<MainWindow>();
        m_window->deviceController()->setLoginRetryDelayMs(300);
        m_window->setRights(DEFAULT_RIGHTS);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(nvrOnline());
        // The plan is shown once, 2000 ms after the rights.
        QTRY_COMPARE_WITH_TIMEOUT(onButton()->text(), QStringLiteral("Start"), 10000);
        m_window->showPage(MainWindow::StorageSchedule);
    }

    void cleanupTestCase() { m_window.reset(); }

    void cleanup() { DevicePagesTest::closeToasts(); }

    // Runs first: the database is fresh.
    void freshDatabaseRecordsAllDay()
    {
        QVERIFY(child<QRadioButton>(page(), "btn_every_day")->isChecked());
        QCOMPARE(page()->rows().size(), 7);
        for (TimeRangeCtrl *row : page()->rows()) {
            QCOMPARE(int(row->getSegments().size()), 1);
            QCOMPARE(row->getSegments().front()->start, row->dayStart());
            QVERIFY(!row->isEnabled());
        }
        QVERIFY(rowTexts(child<QTreeView>(page(), "m_treeRecordDevlist")).isEmpty());
        QCOMPARE(onButton()->text(), QStringLiteral("Start"));
    }

    void modesAreSaved()
    {
        // A write the database refuses is said as failed, never as saved.
        const QString before = storedPlanRow();
        OrmDatabase::setFailingStatementForTesting(QStringLiteral("UPDATE PlanRecord"));
        click("btn_work_day");
        click("m_btnSave");
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(storedPlanRow(), before);
        QVERIFY(DevicePagesTest::toastTexts().contains("Configuration failed"));
        QVERIFY(!DevicePagesTest::toastTexts().contains("Configuration successful"));
        DevicePagesTest::closeToasts();
        QTest::ignoreMessage(QtInfoMsg, "Record strategy saved: work mode 1 devices 0");
        click("m_btnSave");
        QVERIFY(DevicePagesTest::toastTexts().contains("Configuration successful"));
        QVector<RECORD_DAY_INFO> workday(5, RECORD_DAY_INFO{1, {{480, 1080}}});
        workday << RECORD_DAY_INFO{} << RECORD_DAY_INFO{};
        QCOMPARE(storedDays(), workday);
        QCOMPARE(storedPlan()->iworkType, 1);

        // Custom parts come back row by row and are saved again unchanged.
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.iworkType = 2;
        plan.days = {{1, {{600, 721}}}, {0, {{60, 120}}}, {2, {{0, 60}, {120, 180}}}, {}, {}, {}, {1, {{1380, 1440}}}};
        QVERIFY(RecordSchedule::storePlan(plan));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        QVERIFY(child<QRadioButton>(page(), "btn_custom")->isChecked());
        TimeRangeCtrl *monday = page()->rows().at(0);
        QVERIFY(monday->isEnabled());
        QCOMPARE(monday->getSegments().front()->start, monday->dayStart() + 600 * 60);
        QCOMPARE(monday->getSegments().front()->end, monday->dayStart() + 721 * 60);
        QVERIFY(page()->rows().at(1)->getSegments().empty()); // part count 0 shows nothing
        click("m_btnSave");
        plan.days[1] = RECORD_DAY_INFO{};
        QCOMPARE(storedDays(), plan.days);
    }

    // Another program (a backup) holds the database while the operator
    // saves, adds or deletes channels, or switches recording on, or while a
    // recorded device leaves the registry: the click comes back at once, the
    // page shows the write waiting, and it is said once stored, or failed
    // with the reason. Given up, the page shows what the database holds, as
    // a restart does; a Save's edits stay for the next Save.
    void saveWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("released"); // the other program lets go while the write waits
        QTest::addColumn<HeldDatabase::Kind>("kind");
        const auto exclusive = HeldDatabase::Kind::Exclusive;
        QTest::newRow("let go while it waits") << "Save" << true << exclusive;
        QTest::newRow("write hold, let go while it waits") << "Save" << true << HeldDatabase::Kind::Write;
        QTest::newRow("held until it gives up") << "Save" << false << exclusive;
        QTest::newRow("Add, held until it gives up") << "Add" << false << exclusive;
        QTest::newRow("Start, let go while it waits") << "Start" << true << exclusive;
        QTest::newRow("Start, held until it gives up") << "Start" << false << exclusive;
        QTest::newRow("Start, write hold until it gives up") << "Start" << false << HeldDatabase::Kind::Write;
        QTest::newRow("Delete, held until it gives up") << "Delete" << false << exclusive;
        QTest::newRow("recorder deleted, let go while it waits") << "device deleted" << true << exclusive;
        QTest::newRow("recorder deleted, held until it gives up") << "device deleted" << false << exclusive;
    }
    void saveWhileTheDatabaseIsHeld()
    {
        QFETCH(QString, action);
        QFETCH(bool, released);
        QFETCH(HeldDatabase::Kind, kind);
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        const bool recorded = action != "Save" && action != "Add";
        if (recorded)
            storeRecordingPlan({1, 2}, false);
        else
            QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        auto *source = child<QTreeView>(page(), "m_treeOriginalDevlist");
        auto *list = child<QTreeView>(page(), "m_treeRecordDevlist");
        auto *waiting = child<QLabel>(page(), "m_lblWaiting");
        const QString before = storedPlanRow();
        const QStringList listedBefore = rowTexts(list);
        const auto cleanUp = qScopeGuard([this] {
            page()->stopPlan();
            RecordSchedule::storePlan(RECORD_PLAN_INFO{});
            page()->showStrategyData(QStringLiteral("Default Strategy"));
        });
        {
            HeldDatabase held(kind);
            QVERIFY(held.isHeld());
            if (action == "Save") {
                click("btn_work_day");
                click("m_btnSave");
            } else if (action == "Add") {
                checkAll(source);
                click("m_btnAddDevices");
            } else if (action == "Start") {
                click("m_btnOn");
            } else if (action == "Delete") {
                checkAll(list);
                click("m_btnDelDevices");
            } else {
                emit SignalsHelper::instance()->signalDelDevs({record(NvrIp)});
            }
            // Nothing said yet: the write waits for the database, not the window.
            QVERIFY2(DevicePagesTest::toastTexts().isEmpty(), qPrintable(DevicePagesTest::toastTexts().join(" | ")));
            QVERIFY(waiting->isVisible());
            QVERIFY(!onButton()->isEnabled() && !child<QPushButton>(page(), "m_btnSave")->isEnabled());
            QVERIFY(!page()->isRecording());
            if (released)
                held.letGo();
            QTRY_VERIFY_WITH_TIMEOUT(DevicePagesTest::toastTexts().contains(
                                         released ? "Configuration successful"
                                                  : "Configuration failed: the database is in use by another program"),
                                     30000);
        }
        QVERIFY(!DevicePagesTest::toastTexts().contains("Configuration failed"));
        QVERIFY(!waiting->isVisible());
        QCOMPARE(storedPlanRow() == before, !released);
        // Recording follows what the database holds.
        QCOMPARE(page()->isRecording(), action == "Start" && released);
        QCOMPARE(onButton()->text(), page()->isRecording() ? QStringLiteral("Stop") : QStringLiteral("Start"));
        if (!released && action != "device deleted")
            QCOMPARE(rowTexts(list), listedBefore);
        if (action == "device deleted") {
            // The deleted recorder stays deleted: its row goes once the database lets go.
            const auto stored = [] {
                const auto rows = storedDevices();
                return std::any_of(rows.cbegin(), rows.cend(), [](const auto &row) { return row->DevIP == NvrIp; });
            };
            QTRY_VERIFY_WITH_TIMEOUT(!stored(), 10000);
            const QStringList notFound{m_nvr->uid() + "_1", m_nvr->uid() + "_2"};
            QCOMPARE(rowTexts(list), released ? QStringList() : notFound);
        }
        {
            // The page and a restart agree.
            RecordSchedule restarted;
            QCOMPARE(rowTexts(child<QTreeView>(&restarted, "m_treeRecordDevlist")), rowTexts(list));
            QCOMPARE(child<QPushButton>(&restarted, "m_btnOn")->text(), onButton()->text());
            QCOMPARE(restarted.plan().devices, page()->plan().devices);
        }
        if (action == "Save") {
            if (!released) {
                // The plan stays as the operator made it: the next Save stores it.
                QCOMPARE(storedPlanRow(), before);
                DevicePagesTest::closeToasts();
                click("m_btnSave");
                QVERIFY(DevicePagesTest::toastTexts().contains("Configuration successful"));
            }
            QVector<RECORD_DAY_INFO> workday(5, RECORD_DAY_INFO{1, {{480, 1080}}});
            workday << RECORD_DAY_INFO{} << RECORD_DAY_INFO{};
            QCOMPARE(storedDays(), workday);
        }
    }

    // The operator saves the settings dialog while another program holds the
    // database: the dialog answers and says it waits, closes once the folder
    // is stored, or, held past the give-up, says why, and the settings keep
    // the folder the database holds. Held exclusively, the folder in force
    // cannot even be read: the dialog says so and saves nothing until it is.
    void settingsWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<HeldDatabase::Kind>("kind");
        QTest::addColumn<bool>("released");
        QTest::addColumn<QString>("waitingText");
        QTest::addColumn<QString>("failedText");
        const QString saving = QStringLiteral("Saving: the database is in use by another program; waiting for it...");
        const QString reading = QStringLiteral("Reading: the database is in use by another program; waiting for it...");
        const QString saveFailed = QStringLiteral("Configuration failed: the database is in use by another program");
        const QString readFailed = QStringLiteral("Reading failed: the database is in use by another program");
        QTest::newRow("let go while it waits") << HeldDatabase::Kind::Write << true << saving << QString();
        QTest::newRow("held past the give-up") << HeldDatabase::Kind::Write << false << saving << saveFailed;
        QTest::newRow("exclusive, let go while the read waits")
            << HeldDatabase::Kind::Exclusive << true << reading << QString();
        QTest::newRow("exclusive, held past the give-up")
            << HeldDatabase::Kind::Exclusive << false << reading << readFailed;
    }
    void settingsWhileTheDatabaseIsHeld()
    {
        QFETCH(HeldDatabase::Kind, kind);
        QFETCH(bool, released);
        QFETCH(QString, waitingText);
        QFETCH(QString, failedText);
        QTemporaryDir elsewhere;
        setBackupPath(elsewhere.path());
        FileChooser::setFolderQuestion(
            [this](QWidget *, const QString &, const QString &) { return m_storage.path(); });
        const auto cleanUp = qScopeGuard([this] {
            FileChooser::setFolderQuestion(nullptr);
            setBackupPath(m_storage.path());
        });
        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        auto held = std::make_unique<HeldDatabase>(kind);
        QVERIFY(held->isHeld());
        QString waiting, end;
        bool saveEnabled = true, openAtEnd = false;
        DevicePagesTest::onModal<recordAdvanceConfigDlg>([&](recordAdvanceConfigDlg *dlg) {
            QTest::mouseClick(child<QPushButton>(dlg, "pushButtonPath"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(dlg, "m_btnOK"), Qt::LeftButton);
            auto *label = child<QLabel>(dlg, "m_lblWaiting");
            waiting = label->isVisible() ? label->text() : QString();
            saveEnabled = child<QPushButton>(dlg, "m_btnOK")->isEnabled();
            if (released)
                held->letGo();
            (void)QTest::qWaitFor([&] { return !dlg->isVisible() || label->text() != waiting; }, 30000);
            // Read at last: the operator saves again.
            if (dlg->isVisible() && child<QPushButton>(dlg, "m_btnOK")->isEnabled()) {
                QTest::mouseClick(child<QPushButton>(dlg, "m_btnOK"), Qt::LeftButton);
                (void)QTest::qWaitFor([&] { return !dlg->isVisible(); }, 30000);
            }
            openAtEnd = dlg->isVisible();
            end = label->isVisible() ? label->text() : QString();
            if (openAtEnd)
                QTest::mouseClick(child<QPushButton>(dlg, "m_btnCancle"), Qt::LeftButton);
        });
        click("m_btnAdvance");
        held.reset();
        QCOMPARE(waiting, waitingText);
        QVERIFY(!saveEnabled);
        QCOMPARE(openAtEnd, !released);
        if (!released)
            QCOMPARE(end, failedText);
        QCOMPARE(storedConfig()->BackupPath, released ? m_storage.path() : elsewhere.path());
    }

    // Refusals in order, the settings dialog, recording, a password edit and
    // the deletion of the recorded NVR.
    void switchOnRecordAndFollowDevices()
    {
        QVERIFY(nvrOnline());
        setBackupPath(QString());
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        auto *source = child<QTreeView>(page(), "m_treeOriginalDevlist");
        auto *recorded = child<QTreeView>(page(), "m_treeRecordDevlist");
        QCOMPARE(rowTexts(source), (QStringList{NvrIp + "_1", NvrIp + "_2"})); // never the NVR itself

        click("m_btnOn");
        QTRY_VERIFY(DevicePagesTest::toastTexts().contains("Please add at least one device"));
        checkAll(source);
        click("m_btnAddDevices");
        QCOMPARE(rowTexts(recorded), (QStringList{NvrIp + "_1", NvrIp + "_2"}));
        QVERIFY(rowTexts(source).isEmpty());
        click("m_btnOn");
        QTRY_VERIFY(DevicePagesTest::toastTexts().contains("Please add at least one video save path"));
        QCOMPARE(page()->plan().iTurnOn, uint8_t(0));

        // The settings: a volume one byte short of 5 GiB is refused, 5 GiB taken.
        qint64 freeBytes = (qint64(5) << 30) - 1;
        Platform::setFreeSpaceProbe([&](const QString &) { return freeBytes; });
        FileChooser::setFolderQuestion(
            [this](QWidget *, const QString &, const QString &) { return m_storage.path(); });
        QString name;
        bool refused = false;
        DevicePagesTest::onModal<recordAdvanceConfigDlg>([&](recordAdvanceConfigDlg *dlg) {
            name = dlg->objectName();
            QTest::mouseClick(child<QPushButton>(dlg, "pushButtonPath"), Qt::LeftButton);
            child<QComboBox>(dlg, "m_cbxStreamType")->setCurrentIndex(1);
            child<QComboBox>(dlg, "m_cbxFileLength")->setCurrentIndex(0); // "5"
            QTest::keyClick(dlg, Qt::Key_Return);
            refused = dlg->isVisible()
                      && DevicePagesTest::toastTexts().contains(
                          "Disk remaining space is less than 5G, unable to save video!");
            freeBytes = qint64(5) << 30;
            QTest::mouseClick(child<QPushButton>(dlg, "m_btnOK"), Qt::LeftButton);
        });
        click("m_btnAdvance");
        Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; });
        QCOMPARE(name, QStringLiteral("PlanSet"));
        QVERIFY(refused);
        QCOMPARE(storedConfig()->BackupPath, m_storage.path());
        QCOMPARE(int(page()->plan().iTimeFile), 5);
        for (const RECORD_DEVICE_INFO &d : page()->plan().devices)
            QCOMPARE(int(d.iStreamType), 1);

        click("m_btnOn");
        QCOMPARE(onButton()->text(), QStringLiteral("Stop"));
        QVERIFY(page()->isRecording());
        QVERIFY(!child<QPushButton>(page(), "m_btnAddDevices")->isEnabled());
        const QString ch1 = m_storage.path() + "/127.0.0.1/CH_01", ch2 = m_storage.path() + "/127.0.0.1/CH_02";
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= 2 && segments(ch2).first >= 2, 60000);

        // New credentials log the NVR in again: it stays in the plan and records on.
        m_nvr->state().password = QStringLiteral("n3w-pass");
        auto *edited = new FUN_DEV_INFO(*record(NvrIp));
        edited->password = QStringLiteral("n3w-pass");
        emit SignalsHelper::instance()->signalModifyDev(edited);
        QCOMPARE(page()->plan().devices.size(), 2);
        QVERIFY(page()->isRecording());
        const int before = segments(ch1).first;
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= before + 2, 60000);

        // Deleting the NVR takes both channels out, switches the plan off and
        // stops the recorders at once.
        emit SignalsHelper::instance()->signalDelDevs({record(NvrIp)});
        QVERIFY(page()->plan().devices.isEmpty());
        QCOMPARE(page()->plan().iTurnOn, uint8_t(0));
        QCOMPARE(onButton()->text(), QStringLiteral("Start"));
        QVERIFY(!page()->isRecording());
        QCOMPARE(segments(ch1).second + segments(ch2).second, 0);
        m_nvr->state().password = QStringLiteral("402917");
    }

    // Another program holds the database while a channel records, longer
    // than the busy timeout and than many segments, as a long VACUUM does:
    // recording goes on into the same folder without a gap, the window keeps
    // answering, and a Stop the database never takes leaves it recording.
    void recordingGoesOnWhileTheDatabaseIsHeld_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("stop");
        const int exclusive = int(HeldDatabase::Kind::Exclusive);
        const int write = int(HeldDatabase::Kind::Write);
        QTest::newRow("held exclusively") << exclusive << false;
        QTest::newRow("held for a write") << write << false;
        QTest::newRow("held exclusively, Stop given up") << exclusive << true;
        QTest::newRow("held for a write, Stop given up") << write << true;
    }
    void recordingGoesOnWhileTheDatabaseIsHeld()
    {
        QFETCH(int, kind);
        QFETCH(bool, stop);
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan({1});
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        const auto cleanUp = qScopeGuard([this] {
            page()->stopPlan();
            RecordSchedule::storePlan(RECORD_PLAN_INFO{});
            page()->showStrategyData(QStringLiteral("Default Strategy"));
        });
        const QString ch1 = m_storage.path() + "/127.0.0.1/CH_01";
        const int earlier = segments(ch1).first;
        const qint64 started = QDateTime::currentMSecsSinceEpoch();
        page()->record();
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= earlier + 2, 30000);

        QList<int> states;
        QTimer stateWatch;
        connect(&stateWatch, &QTimer::timeout, this, [&] {
            const int state = page()->deviceState(0);
            if (states.isEmpty() || states.last() != state)
                states << state;
        });
        stateWatch.start(50);
        int atLetGo = 0;
        {
            HeldDatabase held{HeldDatabase::Kind(kind)};
            QVERIFY(held.isHeld());
            const int atHold = segments(ch1).first;
            if (stop) {
                click("m_btnOn");
                QTRY_VERIFY_WITH_TIMEOUT(DevicePagesTest::toastTexts().contains(
                                             "Configuration failed: the database is in use by another program"),
                                         30000);
            }
            // Past the busy timeout, each second a segment and a pass of the schedule.
            QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= atHold + 7, 60000);
            atLetGo = segments(ch1).first;
        }
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= atLetGo + 2, 30000);
        stateWatch.stop();
        // Recording all along: never refused, never started again.
        QCOMPARE(states, QList<int>{int(RecordScheduleThread::Recording)});
        QVERIFY(page()->isRecording());
        QCOMPARE(onButton()->text(), QStringLiteral("Stop"));
        page()->stopPlan();
        // Into the folder in force, one segment after the other.
        auto spans = segmentSpans(ch1);
        spans.erase(std::remove_if(spans.begin(), spans.end(), [started](const auto &s) { return s.first < started; }),
                    spans.end());
        QVERIFY(spans.size() >= atLetGo - earlier + 2);
        for (int i = 1; i < spans.size(); ++i) {
            QVERIFY(spans.at(i - 1).second > 0);
            // A recorder that waited for the database, or was refused its
            // folder, lost at least the busy timeout of footage.
            const qint64 gap = spans.at(i).first - spans.at(i - 1).second;
            QVERIFY2(gap < OrmDatabase::BusyTimeoutMs, qPrintable(QStringLiteral("segment %1: %2 ms").arg(i).arg(gap)));
        }
    }

    // A plan stored on is shown as on and records again after a restart.
    void restartRestoresRecording()
    {
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan();
        const QString ch2 = m_storage.path() + "/127.0.0.1/CH_02";
        const int before = segments(ch2).first;
        RecordSchedule restarted;
        restarted.initPlan();
        QCOMPARE(child<QPushButton>(&restarted, "m_btnOn")->text(), QStringLiteral("Stop"));
        QVERIFY(restarted.isRecording());
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch2).first >= before + 2, 60000);
        restarted.stopPlan();
        QCOMPARE(segments(ch2).second, 0);
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
    }

    // A full disk while recording is said (the toast, the record list) and
    // switches nothing off: the plan stays on, also in the database, and
    // recording resumes by itself when there is room again.
    void fullDiskIsSaidAndRecordingResumes()
    {
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan();
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        static std::atomic<qint64> freeBytes;
        freeBytes = qint64(100) << 30;
        Platform::setFreeSpaceProbe([](const QString &) { return freeBytes.load(); });
        auto restore =
            qScopeGuard([] { Platform::setFreeSpaceProbe([](const QString &) { return qint64(100) << 30; }); });
        page()->record();
        auto *model = qobject_cast<QStandardItemModel *>(child<QTreeView>(page(), "m_treeRecordDevlist")->model());
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);

        freeBytes = qint64(4) << 30;
        const QString said = QStringLiteral("Hard disk space is less than 5GB, video recording has stopped.");
        QTRY_VERIFY_WITH_TIMEOUT(DevicePagesTest::toastTexts().contains(said), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::DiskFull), 10000);
        QCOMPARE(page()->deviceState(1), int(RecordScheduleThread::DiskFull));
        QCOMPARE(model->item(0)->toolTip(), QStringLiteral("Not recording: the disk is full or cannot be written"));
        QVERIFY(page()->isRecording());
        QCOMPARE(onButton()->text(), QStringLiteral("Stop"));
        QCOMPARE(page()->plan().iTurnOn, uint8_t(1));
        QCOMPARE(storedPlan()->iTurnOn, 1);

        DevicePagesTest::closeToasts();
        freeBytes = qint64(100) << 30;
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(1), int(RecordScheduleThread::Recording), 30000);
        QCOMPARE(model->item(0)->toolTip(), QString());
        QVERIFY(!DevicePagesTest::toastTexts().contains(said));

        click("m_btnOn");
        QVERIFY(!page()->isRecording());
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }

    // A channel that should record and does not is marked in the record
    // list with the reason; switched off, the marks go.
    void channelsNotRecordingAreShown()
    {
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        plan.iTurnOn = 1;
        plan.iTimeFile = 1;
        for (int i = 0; i < 7; ++i)
            plan.days.append(RECORD_DAY_INFO{1, {{0, 1440}}});
        plan.devices.append({m_nvr->uid(), NvrIp, 1, 1, 0});
        plan.devices.append({m_nvr->uid(), NvrIp, 1, 7, 0}); // a channel the NVR does not have
        QVERIFY(RecordSchedule::storePlan(plan));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        page()->record();
        auto *recorded = child<QTreeView>(page(), "m_treeRecordDevlist");
        auto *model = qobject_cast<QStandardItemModel *>(recorded->model());
        QCOMPARE(rowTexts(recorded), (QStringList{NvrIp + "_1", m_nvr->uid() + "_7"}));
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(1), int(RecordScheduleThread::Missing), 10000);
        QCOMPARE(model->item(0)->toolTip(), QString());
        QCOMPARE(model->item(1)->toolTip(), QStringLiteral("Not recording: the device is not found"));
        QVERIFY(model->item(1)->foreground() != model->item(0)->foreground());

        click("m_btnOn");
        QVERIFY(!page()->isRecording());
        QCOMPARE(model->item(1)->toolTip(), QString());
        QCOMPARE(page()->deviceState(1), int(RecordScheduleThread::Idle));
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }

    // With the program's look, both device lists are written in light text on
    // their dark panel (the record list's entries were near-black on it).
    void deviceListsAreReadable()
    {
        QVERIFY(nvrOnline());
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        QFile css(QStringLiteral(":/Resources/css/TAVIK_Style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(css.readAll()));
        const std::unique_ptr<QObject, void (*)(QObject *)> plainLookAfter(qApp,
                                                                           [](QObject *) { qApp->setStyleSheet({}); });
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        auto *source = child<QTreeView>(page(), "m_treeOriginalDevlist");
        auto *recorded = child<QTreeView>(page(), "m_treeRecordDevlist");
        // The most of a measure over the first entry's text, as drawn.
        const auto most = [](QTreeView *view, int (*measure)(QRgb)) {
            const QImage shot = view->viewport()->grab(view->visualRect(view->model()->index(0, 0))).toImage();
            int best = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = shot.width() / 3; x < shot.width(); ++x)
                    best = qMax(best, measure(shot.pixel(x, y)));
            return best;
        };
        const auto gray = [](QRgb p) { return qGray(p); };
        auto *model = qobject_cast<QStandardItemModel *>(source->model());
        QTRY_VERIFY(model && model->rowCount() >= 1);
        QVERIFY2(most(source, gray) > 150, "source list");
        model->item(0)->setCheckState(Qt::Checked);
        click("m_btnAddDevices");
        QCOMPARE(rowTexts(recorded).size(), 1);
        QVERIFY(qGray(recorded->palette().color(QPalette::Base).rgb()) < 80);
        QVERIFY2(most(recorded, gray) > 150, "record list");
        // An entry given a colour of its own (a channel not recording) keeps it.
        qobject_cast<QStandardItemModel *>(recorded->model())->item(0)->setForeground(QColor(0xe0, 0x4b, 0x4b));
        QVERIFY(most(recorded, [](QRgb p) { return qRed(p) - qGreen(p); }) > 100);
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }

    // A version reply that fails or cannot be read, here while both channels
    // record, leaves what the NVR reported as it was (serial number, CPU,
    // platform, and the serial number its channels took), so the recording,
    // which finds its channels by serial number on every segment, goes on.
    void failedVersionReplyKeepsRecording_data()
    {
        QTest::addColumn<int>("forcedResult"); // 0: the reply is rewritten instead
        QTest::addColumn<QString>("rewrite");  // "result": unreadable result, "cut": cut off in the body
        QTest::newRow("failed") << 9 << QString();
        QTest::newRow("unreadable result") << 0 << "result";
        QTest::newRow("cut off") << 0 << "cut";
    }
    void failedVersionReplyKeepsRecording()
    {
        QFETCH(int, forcedResult);
        QFETCH(QString, rewrite);
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan();
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        page()->record();
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(1), int(RecordScheduleThread::Recording), 30000);
        FUN_DEV_INFO *nvr = record(NvrIp);
        QTRY_COMPARE_WITH_TIMEOUT(nvr->sn, m_nvr->uid(), 10000);
        QVERIFY(!nvr->cpu.isEmpty() && !nvr->sdkPlatform.isEmpty());
        const FUN_DEV_INFO reported = *nvr;

        if (forcedResult)
            m_nvr->setForcedResult(Cmd::GetVersion, forcedResult);
        else if (rewrite == "result")
            m_nvr->setReplyRewrite(Cmd::GetVersion, [](const QString &envelope) {
                return QString(envelope).replace("<result>0</result>", "<result>x</result>").toUtf8();
            });
        else
            m_nvr->setReplyRewrite(Cmd::GetVersion, [](const QString &envelope) {
                return envelope.left(envelope.indexOf("<CPU>") + 7).toUtf8();
            });
        // A new login asks for the version again.
        const int asked = m_nvr->requestCount(Cmd::GetVersion);
        m_nvr->dropConnections();
        QTRY_VERIFY_WITH_TIMEOUT(m_nvr->requestCount(Cmd::GetVersion) > asked, 20000);
        QVERIFY(DevicePagesTest::roundTrip(nvr));
        m_nvr->clearForcedResult(Cmd::GetVersion);
        m_nvr->clearReplyRewrites();

        QCOMPARE(nvr->sn, reported.sn);
        QCOMPARE(nvr->cpu, reported.cpu);
        QCOMPARE(nvr->sdkPlatform, reported.sdkPlatform);
        QCOMPARE(nvr->model, reported.model);
        QCOMPARE(nvr->version, reported.version);
        for (const char *channel : {"_1", "_2"})
            QCOMPARE(record(NvrIp + channel)->sn, reported.sn);
        const QString ch1 = m_storage.path() + "/127.0.0.1/CH_01", ch2 = m_storage.path() + "/127.0.0.1/CH_02";
        const int before1 = segments(ch1).first, before2 = segments(ch2).first;
        QTRY_VERIFY_WITH_TIMEOUT(segments(ch1).first >= before1 + 2 && segments(ch2).first >= before2 + 2, 60000);
        QCOMPARE(page()->deviceState(0), int(RecordScheduleThread::Recording));
        QCOMPARE(page()->deviceState(1), int(RecordScheduleThread::Recording));

        click("m_btnOn");
        QVERIFY(!page()->isRecording());
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }

    // The serial number comes with the version reply, after the NVR's
    // channel records were made at login. The channels take it, the plan is
    // made (or follows) with it, and after a restart (the NVR read from the
    // database, its channels made again at login) the plan still finds them.
    void nvrChannelsKeepTheirKeyAcrossARestart_data()
    {
        QTest::addColumn<QString>("knownSn"); // the serial number the NVR is added with
        QTest::addColumn<bool>("planFirst");  // the plan exists before the NVR answers
        QTest::newRow("added by address, plan made afterwards") << NvrIp << false;
        QTest::newRow("known by an old serial number, plan made before") << "OLD-SN" << true;
    }
    void nvrChannelsKeepTheirKeyAcrossARestart()
    {
        QFETCH(QString, knownSn);
        QFETCH(bool, planFirst);
        QVERIFY(nvrOnline());
        emit SignalsHelper::instance()->signalDelDevs({record(NvrIp)});
        QVERIFY(!record(NvrIp));
        RECORD_PLAN_INFO plan;
        plan.id = 1;
        if (planFirst) {
            for (uint8_t ch : {1, 2})
                plan.devices.append({knownSn, NvrIp, 1, ch, 0});
        }
        QVERIFY(RecordSchedule::storePlan(plan));
        page()->showStrategyData(QStringLiteral("Default Strategy"));

        auto *nvr = new FUN_DEV_INFO;
        nvr->ip = NvrIp;
        nvr->sn = knownSn;
        nvr->devType = 1;
        nvr->devPort = m_nvr->port();
        nvr->rtspPort = quint16(m_rtsp.port());
        nvr->name = QStringLiteral("Yard NVR");
        emit SignalsHelper::instance()->signalAddDevs({nvr});
        QVERIFY(nvrOnline());
        QTRY_COMPARE_WITH_TIMEOUT(record(NvrIp)->sn, m_nvr->uid(), 10000);
        QCOMPARE(record(NvrIp + "_1")->sn, m_nvr->uid());
        QCOMPARE(record(NvrIp + "_2")->sn, m_nvr->uid());

        if (!planFirst) {
            m_window->showHome();
            m_window->showPage(MainWindow::StorageSchedule);
            checkAll(child<QTreeView>(page(), "m_treeOriginalDevlist"));
            click("m_btnAddDevices");
        }
        const QVector<RECORD_DEVICE_INFO> stored = RecordSchedule::readRecordDevices(storedPlan()->devInfo);
        QCOMPARE(stored.size(), 2);
        for (const RECORD_DEVICE_INFO &d : stored)
            QCOMPARE(d.szDevId, m_nvr->uid());
        QCOMPARE(page()->plan().devices, stored);

        // The restart, as far as the registry goes.
        m_window->deviceController()->flushSerialWrites();
        DeviceInfoManager::instance()->deleteDevice(NvrIp);
        QVERIFY(!record(NvrIp + "_1"));
        DeviceInfoManager::instance()->getDevFromDatabase();
        QVERIFY(record(NvrIp));
        QCOMPARE(record(NvrIp)->sn, m_nvr->uid());
        DeviceInfoManager::instance()->loginDevice(record(NvrIp));
        QVERIFY(nvrOnline());
        for (const RECORD_DEVICE_INFO &d : stored) {
            FUN_DEV_INFO *channel = RecordScheduleThread::findRecord(d);
            QVERIFY(channel);
            QCOMPARE(CommonHelper::getDevKey(channel), NvrIp + QStringLiteral("_%1").arg(d.iChannelIdx));
        }
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        QCOMPARE(rowTexts(child<QTreeView>(page(), "m_treeRecordDevlist")), (QStringList{NvrIp + "_1", NvrIp + "_2"}));
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }
    // "Original Device" follows the registry while the page shows: a device
    // that logs in after the page was opened appears within moments (a
    // recorder's channels too, whose states otherwise come with its first
    // heartbeat, a whole interval later), one that drops out leaves, and
    // what the operator has ticked stays ticked.
    void sourceListFollowsTheRegistry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("channelStates");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("notListed");
        QTest::newRow("camera") << int(SimDevice::Ipc) << "127.59.0.2" << QString() << QStringList{"127.59.0.2"}
                                << QStringList();
        QTest::newRow("recorder, one channel online")
            << int(SimDevice::Nvr) << "127.59.0.3"
            << "10" << QStringList{"127.59.0.3_1"} << QStringList{"127.59.0.3", "127.59.0.3_2"};
    }

    void sourceListFollowsTheRegistry()
    {
        QFETCH(int, kind);
        QFETCH(QString, ip);
        QFETCH(QString, channelStates);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, notListed);
        QVERIFY(nvrOnline());
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        const SdkTimings timings = KelvoSDKHelper::instance()->timings();
        SdkTimings slow = timings;
        slow.heartbeatIntervalMs = 600000;
        KelvoSDKHelper::instance()->setTimings(slow);
        const auto restore = qScopeGuard([timings] { KelvoSDKHelper::instance()->setTimings(timings); });

        m_window->showHome();
        m_window->showPage(MainWindow::StorageSchedule);
        auto *source = child<QTreeView>(page(), "m_treeOriginalDevlist");
        QTRY_VERIFY_WITH_TIMEOUT(rowTexts(source).contains(NvrIp + "_1"), 10000);
        auto *model = qobject_cast<QStandardItemModel *>(source->model());
        // The operator ticks one channel (still ticked from a row before, it stays).
        const int first = rowTexts(source).indexOf(NvrIp + "_1");
        if (model->item(first)->checkState() != Qt::Checked)
            QTest::mouseClick(source->viewport(), Qt::LeftButton, Qt::NoModifier,
                              source->visualRect(model->index(first, 0)).topLeft() + QPoint(10, 8));
        const auto ticked = [model] {
            QStringList keys;
            for (int r = 0; r < model->rowCount(); ++r) {
                if (model->item(r)->checkState() == Qt::Checked)
                    keys << model->item(r)->text();
            }
            return keys;
        };
        QCOMPARE(ticked(), QStringList{NvrIp + "_1"});

        SimDevice device{SimDevice::Kind(kind)};
        if (kind == SimDevice::Nvr) {
            device.state().maxChannels = channelStates.size();
            device.state().channelStates = channelStates;
        }
        QVERIFY(device.listen(QHostAddress(ip)));
        auto *dev = new FUN_DEV_INFO;
        dev->ip = ip;
        dev->sn = device.uid();
        dev->devType = kind == SimDevice::Nvr ? 1 : 0;
        dev->devPort = device.port();
        dev->rtspPort = quint16(m_rtsp.port());
        emit SignalsHelper::instance()->signalAddDevs({dev});
        const auto removeDevice = qScopeGuard([ip] {
            if (FUN_DEV_INFO *added = record(ip))
                emit SignalsHelper::instance()->signalDelDevs({added});
        });
        // Well inside the heartbeat interval: the page was not shown again.
        QTRY_VERIFY_WITH_TIMEOUT(
            std::all_of(listed.cbegin(), listed.cend(), [&](const QString &k) { return rowTexts(source).contains(k); }),
            15000);
        for (const QString &key : notListed)
            QVERIFY2(!rowTexts(source).contains(key), qPrintable(key));
        QCOMPARE(ticked(), QStringList{NvrIp + "_1"});

        device.close();
        QTRY_VERIFY_WITH_TIMEOUT(std::none_of(listed.cbegin(), listed.cend(),
                                              [&](const QString &k) { return rowTexts(source).contains(k); }),
                                 15000);
        QVERIFY(rowTexts(source).contains(NvrIp + "_1"));
        QCOMPARE(ticked(), QStringList{NvrIp + "_1"});
    }

    // The table of the storage folder's mark cannot be read while the plan is
    // on (a damaged page, a table of other columns): nothing is recorded, and
    // the page says so, naming the table and the file, in a room of its own
    // (nothing else on the page moves) for as long as it lasts; recording
    // resumes by itself once the table can be read, and the words go.
    void unreadableMarkSettingsAreSaid_data()
    {
        QTest::addColumn<int>("broken");
        QTest::newRow("damaged page") << int(BrokenTable::DamagedPage);
        QTest::newRow("other columns") << int(BrokenTable::OtherColumns);
    }
    void unreadableMarkSettingsAreSaid()
    {
        QFETCH(int, broken);
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan({1});
        page()->showStrategyData(QStringLiteral("Default Strategy"));
        m_window->showPage(MainWindow::StorageSchedule);
        const auto cleanUp = qScopeGuard([this] {
            page()->stopPlan();
            RecordSchedule::storePlan(RECORD_PLAN_INFO{});
            page()->showStrategyData(QStringLiteral("Default Strategy"));
        });
        auto *notice = child<QLabel>(page(), "m_lblNotice");
        const QList<QWidget *> others{onButton(), child<QWidget>(page(), "m_tableTime"),
                                      child<QWidget>(page(), "m_treeRecordDevlist")};
        QList<QRect> placed;
        for (QWidget *w : others)
            placed << w->geometry();
        QVERIFY(!notice->isVisible());

        // A text only that table's rows hold, for its damaged page.
        const QByteArray marker = "DAMAGE-ME-" + QByteArray(QTest::currentDataTag()).toHex();
        QCOMPARE(SettingsKeeper::saveNamed(QStringLiteral("TestMarker"), QString::fromLatin1(marker)).text(),
                 QString());
        BrokenTable breakage(BrokenTable::Kind(broken), SettingsKeeper::namedTable(), marker);
        QVERIFY(breakage.isBroken());
        StorageMark::forgetForTesting(); // as at a start: the mark's id is read anew
        page()->record();
        QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 30000);
        const QString file = QFileInfo(OrmDatabase::databaseName()).absoluteFilePath();
        QVERIFY2(notice->text().contains(QStringLiteral("settings table CMS_Settings in the database file %1 "
                                                        "cannot be read")
                                             .arg(file))
                     && notice->text().contains(QStringLiteral("nothing is recorded until the settings can be read")),
                 qPrintable(notice->text()));
        QCOMPARE(page()->deviceState(0), int(RecordScheduleThread::NoStorage));
        for (int i = 0; i < others.size(); ++i)
            QCOMPARE(others.at(i)->geometry(), placed.at(i));
        // Still said a look later: for as long as it lasts.
        const int looked = StorageMark::looks();
        QTRY_VERIFY_WITH_TIMEOUT(StorageMark::looks() >= looked + 2, 20000);
        QVERIFY(notice->isVisible());

        breakage.mend();
        QTRY_COMPARE_WITH_TIMEOUT(page()->deviceState(0), int(RecordScheduleThread::Recording), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 10000);
        for (int i = 0; i < others.size(); ++i)
            QCOMPARE(others.at(i)->geometry(), placed.at(i));
    }

    // The client started again, the schedule page visited and a button
    // clicked at once, before the delayed start of recording (nothing lets the
    // event loop run in between): the page shows the stored plan and its Save
    // or switch leaves it whole. Started while the plan, or the settings it
    // needs, cannot be read (a read that fails, a damaged page, a table of
    // other columns), the page shows none and acts on nothing, and says in a
    // room of its own which table of which file cannot be read and that
    // nothing is recorded; it shows the plan once read, by itself.
    void startedPageKeepsTheStoredPlan_data()
    {
        QTest::addColumn<QString>("unreadable"); // the table
        QTest::addColumn<int>("broken");         // -1: its reads fail; else a BrokenTable::Kind
        QTest::addColumn<bool>("storedOn");
        QTest::addColumn<QString>("button");
        QTest::newRow("stored on, Save") << "" << -1 << true << "m_btnSave";
        QTest::newRow("stored off, Save") << "" << -1 << false << "m_btnSave";
        QTest::newRow("stored off, Enable") << "" << -1 << false << "m_btnOn";
        for (const char *button : {"m_btnSave", "m_btnOn", "m_btnAddDevices", "m_btnDelDevices", "m_btnAdvance"})
            QTest::newRow(qPrintable(QStringLiteral("unreadable, ") + button)) << "PlanRecord" << -1 << false << button;
        const int damaged = int(BrokenTable::DamagedPage);
        const int otherColumns = int(BrokenTable::OtherColumns);
        QTest::newRow("settings, damaged page, stored on") << "CMS_Config_V2" << damaged << true << "m_btnOn";
        QTest::newRow("settings, other columns, stored on") << "CMS_Config_V2" << otherColumns << true << "m_btnSave";
        QTest::newRow("plan, damaged page") << "PlanRecord" << damaged << false << "m_btnOn";
        QTest::newRow("plan, other columns, stored on") << "PlanRecord" << otherColumns << true << "m_btnSave";
    }
    void startedPageKeepsTheStoredPlan()
    {
        QFETCH(QString, unreadable);
        QFETCH(int, broken);
        QFETCH(bool, storedOn);
        QFETCH(QString, button);
        QVERIFY(nvrOnline());
        setBackupPath(m_storage.path());
        storeRecordingPlan({1, 2}, storedOn);
        // A text only the settings row holds, for its damaged page.
        const QByteArray marker = "DAMAGE-ME-" + QByteArray(QTest::currentDataTag()).toHex();
        QCOMPARE(OrmHelper::changeConfig([&](CMS_Config_V2 &c) { c.SnapPath = QString::fromLatin1(marker); }).text(),
                 QString());
        const QString stored = storedPlanRow();
        m_window.reset(); // closed before the next one loads the registry
        const auto lift = qScopeGuard([] { OrmDatabase::setFailingStatementForTesting(QString()); });
        std::unique_ptr<BrokenTable> breakage;
        if (broken >= 0) {
            // The plan's row holds the text too when its own page is to break.
            if (unreadable == QLatin1String("PlanRecord"))
                QCOMPARE(orm::dao::execute_query(OrmQuery(QStringLiteral("UPDATE PlanRecord SET Name = :name"))
                                                     .bind(QStringLiteral(":name"), QString::fromLatin1(marker)))
                             .text(),
                         QString());
            breakage = std::make_unique<BrokenTable>(BrokenTable::Kind(broken), unreadable, marker);
            QVERIFY(breakage->isBroken());
        } else if (!unreadable.isEmpty()) {
            OrmDatabase::setFailingStatementForTesting(unreadable);
        }
        // As the start-up reads the plan, within its wait.
        QVERIFY(RecordSchedule::readStartPlan());
        m_window = std::make_unique<MainWindow>();
        m_window->deviceController()->setLoginRetryDelayMs(300);
        m_window->setRights(DEFAULT_RIGHTS);
        m_window->show();
        QTest::mouseClick(m_window->card(MainWindow::StorageSchedule), Qt::LeftButton);
        auto *recorded = child<QTreeView>(page(), "m_treeRecordDevlist");
        auto *notice = child<QLabel>(page(), "m_lblNotice");
        const QStringList early{
            onButton()->text(), QString::number(rowTexts(recorded).size()),
            QString::number(onButton()->isEnabled() + child<QWidget>(page(), "m_btnSave")->isEnabled())};
        const QString said = notice->isVisible() ? notice->text() : QString();
        checkAll(recorded);
        bool opened = false;
        auto settings =
            DevicePagesTest::onModal<recordAdvanceConfigDlg>([&](auto *dlg) { opened = true, dlg->reject(); });
        click(qPrintable(button));
        settings.giveUp(); // it would have opened inside the click
        const bool switched = unreadable.isEmpty() && button == QLatin1String("m_btnOn");
        OrmDatabase::setFailingStatementForTesting(QString());
        if (breakage)
            breakage->mend();
        QCOMPARE(storedPlanRow().replace(QString::fromLatin1(marker), QStringLiteral("default")),
                 switched ? QString(stored).replace("|default|0|0|", "|default|0|1|") : stored);
        QVERIFY(!opened && !DevicePagesTest::toastTexts().contains(QStringLiteral("Please add at least one device")));
        const QStringList expected = !unreadable.isEmpty()
                                         ? QStringList{"Start", "0", "0"}
                                         : QStringList{storedOn ? "Stop" : "Start", "2", storedOn ? "1" : "2"};
        QCOMPARE(early, expected);
        if (unreadable.isEmpty()) {
            QCOMPARE(said, QString());
        } else {
            // Which table of which file, and what recording does meanwhile.
            const QString file = QFileInfo(OrmDatabase::databaseName()).absoluteFilePath();
            QVERIFY2(said.contains(
                         QStringLiteral("The table %1 of the database file %2 cannot be read").arg(unreadable, file))
                         && said.contains(QStringLiteral("Nothing is recorded until it can be read.")),
                     qPrintable(said));
            QCOMPARE(said.contains(QStringLiteral("the file is damaged")), broken >= 0);
        }

        // Read, with the recorder logged in: its channels are listed by their
        // keys and not offered under "Original Device"; a plan on records. The
        // words go.
        QVERIFY(nvrOnline());
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(recorded), (QStringList{NvrIp + "_1", NvrIp + "_2"}), 10000);
        QVERIFY(!notice->isVisible());
        QVERIFY(rowTexts(child<QTreeView>(page(), "m_treeOriginalDevlist")).isEmpty());
        if (storedOn || switched)
            QTRY_VERIFY_WITH_TIMEOUT(page()->isRecording(), 10000);
        page()->stopPlan();
        QVERIFY(RecordSchedule::storePlan(RECORD_PLAN_INFO{}));
        page()->showStrategyData(QStringLiteral("Default Strategy"));
    }
};

QTEST_MAIN(tst_RecordSchedule)
#include "tst_recordschedule.moc"
