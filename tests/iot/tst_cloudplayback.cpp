// Cloud recording playback: the stand-in cloud library playing a store made
// with the ffmpeg tool (two devices, H.264 and H.265, two days with a day
// between them, two recordings a day with a gap), the login hook of the main
// window and the Cloud tab.

#include "CloudLibrary.h"
#include "CloudStore.h"
#include "CommonHelper.h"
#include "CustomDialog.h"
#include "CVideoPlayback.h"
#include "DevicePagesTestUtil.h"
#include "FFmpegReplayWidget.h"
#include "IotLoginDlg.h"
#include "IotReplayWnd.h"
#include "MainWindow.h"
#include "MyCalendar.h"
#include "OrmHelper.h"
#include "PlayerCommon.h"
#include "RemoteCommon.h"
#include "RemoteDevView.h"
#include "ReplayControl.h"
#include "TimeLine.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardItem>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 midnight(const QDate &d)
{
    return QDateTime(d, QTime(0, 0)).toMSecsSinceEpoch();
}

// A clock made of pictures, for checks that nothing comes: a stream of the
// library's own, paced as recorded and shown nowhere. A fixed sleep is too
// short or too long on a loaded machine; the witness slows down with it.
class Witness
{
public:
    Witness(const QString &key, const QDate &day)
        : m_key(key)
    {
        RemoteCommon *cloud = RemoteCommon::instance();
        m_started = cloud->startRecordStream(key, day.toString("yyyyMMdd"), 8 * 3600);
        cloud->setMediaCallback(key, [this](const char *, qint64 size, int, quint64) { m_pictures += size > 0; });
    }
    ~Witness() { RemoteCommon::instance()->stopConnectionByKey(m_key); }
    // Waits for `count` more pictures of the witness.
    bool pictures(int count)
    {
        const int target = m_pictures + count;
        return m_started && QTest::qWaitFor([&] { return m_pictures >= target; }, 30000);
    }

private:
    QString m_key;
    bool m_started = false;
    std::atomic<int> m_pictures{0};
};

} // namespace

class tst_CloudPlayback : public QObject
{
    Q_OBJECT

    QTemporaryDir m_store;
    QTemporaryDir m_appDir; // snapshots land here, not beside the test program
    std::unique_ptr<MainWindow> m_window;
    const QDate m_today = QDate::currentDate();
    const QDate m_earlier = QDate::currentDate().addDays(-2);

    IotReplayWnd *cloudWnd() const
    {
        return qobject_cast<IotReplayWnd *>(m_window->playbackPage()->tabPage(CVideoPlayback::CloudTab));
    }
    QTabWidget *tabs() const { return m_window->playbackPage()->tabWidget(); }

    // Through the title bar's button and the dialog; false with the dialog's refusal toast.
    bool loginThroughDialog(const QString &password, QStringList *toasts)
    {
        bool accepted = false;
        DevicePagesTest::onModal<IotLoginDlg>([&](IotLoginDlg *dlg) {
            dlg->accountEdit()->setText(cloudstore::Account);
            dlg->passwordEdit()->setText(password);
            QTest::mouseClick(dlg->findChild<QPushButton *>("pushButtonLogin"), Qt::LeftButton);
            *toasts = DevicePagesTest::toastTexts();
            accepted = !dlg->isVisible();
            if (!accepted)
                dlg->reject();
        });
        QTest::mouseClick(m_window->findChild<QPushButton *>("pushButtonCloud"), Qt::LeftButton);
        return accepted;
    }

    // Logged in with the Cloud tab current (each test may run alone).
    IotReplayWnd *cloudTabShown()
    {
        if (!RemoteCommon::instance()->isLoggedIn()) {
            RemoteCommon::instance()->login(cloudstore::Account, cloudstore::Password);
            m_window->playbackPage()->setCloudTabVisible(true);
        }
        tabs()->setCurrentIndex(CVideoPlayback::CloudTab);
        IotReplayWnd *wnd = cloudWnd();
        if (!QTest::qWaitFor([wnd] { return wnd->isVisible(); }, 5000))
            qWarning() << "Cloud tab not shown";
        wnd->calendar()->setSelectedDate(m_today);
        return wnd;
    }

    void doubleClick(const QString &key)
    {
        RemoteDevView *tree = cloudWnd()->deviceView();
        QStandardItem *item = tree->itemForKey(key);
        QVERIFY2(item, qPrintable(key));
        const QPoint at = tree->visualRect(item->index()).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        player::registerMetaTypes();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        QVERIFY2(cloudstore::makeStore(m_store.path(), {m_today, m_earlier}, 20, &error), qPrintable(error));
        RemoteCommon::setStoreRootForTesting(m_store.path());
        CommonHelper::setAppWritableDir(m_appDir.path());
        m_window = std::make_unique<MainWindow>();
        m_window->setRights(DEFAULT_RIGHTS);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->showPage(MainWindow::Playback);
    }

    void cleanupTestCase() { m_window.reset(); }

    void cleanup() { DevicePagesTest::closeToasts(); }

    void keysAndEntryLayout_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("parses");
        QTest::addColumn<int>("connection");
        QTest::addColumn<int>("channel");
        QTest::newRow("channel 0") << "1,0" << true << 1 << 0;
        QTest::newRow("no connection") << "0,0" << true << 0 << 0;
        QTest::newRow("two digits") << "12,3" << true << 12 << 3;
        QTest::newRow("empty") << "" << false << 0 << 0;
        QTest::newRow("one part") << "1" << false << 0 << 0;
        QTest::newRow("three parts") << "1,2,3" << false << 0 << 0;
        QTest::newRow("not a number") << "a,1" << false << 0 << 0;
        QTest::newRow("channel out of range") << "1,256" << false << 0 << 0;
    }

    void keysAndEntryLayout()
    {
        QFETCH(QString, key);
        int connection = 0, channel = 0;
        QTEST(RemoteCommon::parseStreamKey(key, connection, channel), "parses");
        QTEST(connection, "connection");
        QTEST(channel, "channel");
        // The library's day list entry: 32 bytes, start at 0, length at 8, type at 12.
        QCOMPARE(sizeof(record_info_t), size_t(32));
        QCOMPARE(offsetof(record_info_t, length), size_t(8));
        QCOMPARE(offsetof(record_info_t, type), size_t(12));
    }

    // Library streams under the sanitizers: stopped while frames flow, no
    // callback once the stop has returned.
    void streamsStopCleanly()
    {
        RemoteCommon *cloud = RemoteCommon::instance();
        QVERIFY(cloud->login(cloudstore::Account, cloudstore::Password));
        const QString key = QStringLiteral("2,1");
        std::atomic<int> frames{0}, late{0};
        std::atomic<bool> stopped{false};
        for (int round = 0; round < 20; ++round) {
            frames = 0;
            stopped = false;
            QVERIFY(cloud->startRecordStream(key, m_today.toString("yyyyMMdd"), 8 * 3600 + round % 15));
            cloud->setMediaCallback(key, [&](const char *, qint64 size, int codec, quint64 ts) {
                if (stopped)
                    ++late;
                if (size > 0 && codec == 1 && qint64(ts) >= midnight(m_today))
                    ++frames;
            });
            QTRY_VERIFY_WITH_TIMEOUT(frames > 2, 20000);
            cloud->stopConnectionByKey(key);
            stopped = true;
        }
        QVERIFY(Witness(QStringLiteral("1,0"), m_today).pictures(5));
        QCOMPARE(late.load(), 0);
        cloud->logout();
    }

    void loginShowsCloudTab()
    {
        QStringList toasts;
        QVERIFY(!loginThroughDialog(QStringLiteral("wrong"), &toasts));
        QVERIFY2(toasts.contains(CommonHelper::incorrectLoginText()), qPrintable(toasts.join('|')));
        QVERIFY(!tabs()->isTabVisible(CVideoPlayback::CloudTab));
        QVERIFY(loginThroughDialog(cloudstore::Password, &toasts));
        QVERIFY(tabs()->isTabVisible(CVideoPlayback::CloudTab));
        QTRY_VERIFY(DevicePagesTest::toastTexts().contains("Remote login successful"));
    }

    void doubleClickPausePickAndDay()
    {
        IotReplayWnd *wnd = cloudTabShown();
        QVERIFY(wnd->isVisible());
        QSignalSpy stamps(wnd->replayWidget(), &FFmpegReplayWidget::emitReplayTimestampMS);
        doubleClick(QStringLiteral("1,0"));
        QTRY_COMPARE(wnd->paneKeys().value(0), QStringLiteral("1,0"));
        QStringList marked{m_today.toString("yyyyMMdd")};
        if (m_earlier.month() == m_today.month())
            marked.prepend(m_earlier.toString("yyyyMMdd"));
        QCOMPARE(wnd->calendar()->markedDays(), marked);
        QCOMPARE(int(wnd->timeLine()->records().size()), 2);
        QTRY_VERIFY_WITH_TIMEOUT(stamps.count() > 10, 30000);
        const qint64 day = midnight(m_today);
        const auto last = [&] { return qint64(stamps.last().at(0).toULongLong()); };
        QVERIFY(last() >= day + 8 * 3600000 && last() < day + 86400000);
        QTRY_COMPARE(wnd->timeLine()->currentTime() / 1000, last() / 1000);

        // A snapshot lands below the picture folder, in the device's own folder.
        QSignalSpy shots(wnd->replayWidget(), &FFmpegReplayWidget::emitCaptureResult);
        wnd->onBtnCaptureClicked();
        QTRY_COMPARE_WITH_TIMEOUT(shots.count(), 1, 10000);
        QVERIFY(shots.first().at(0).toBool());
        QVERIFY(shots.first().at(1).toString().startsWith(CommonHelper::appWritableDir() + "/Picture/Porch/"));
        QVERIFY(QFileInfo(shots.first().at(1).toString()).size() > 0);

        // Pause stops the frames, resume brings them back.
        wnd->onBtnPlayClicked(false);
        {
            Witness witness(QStringLiteral("2,1"), m_today);
            QVERIFY(witness.pictures(25)); // what was decoded before the pause drains
            const int paused = stamps.count();
            QVERIFY(witness.pictures(25));
            QCOMPARE(stamps.count(), paused);
        }
        const int paused = stamps.count();
        wnd->onBtnPlayClicked(true);
        QTRY_VERIFY_WITH_TIMEOUT(stamps.count() > paused + 5, 20000);

        // A pick on the time line restarts at that second.
        const qint64 pick = day + (8 * 3600 + 10 * 60 + 5) * 1000;
        wnd->onTimeLineRecordSelected(wnd->timeLine()->records().back(), pick);
        QTRY_VERIFY_WITH_TIMEOUT(last() >= pick - 1000 && last() < pick + 20000, 20000);

        // Another day plays in the same pane.
        wnd->onCalendarClicked(m_earlier);
        QTRY_VERIFY_WITH_TIMEOUT(last() < midnight(m_earlier) + 86400000, 20000);
        QVERIFY(last() >= midnight(m_earlier));
        QCOMPARE(wnd->paneKeys(), (QMap<int, QString>{{0, "1,0"}}));
    }

    void fourPanesAtMostAndPreviewingRefused()
    {
        IotReplayWnd *wnd = cloudTabShown();
        QVERIFY(wnd->isVisible());
        const QStringList keys{"1,0", "1,1", "2,0", "2,1"};
        for (const QString &key : keys) {
            if (!wnd->paneKeys().values().contains(key))
                doubleClick(key);
            QTRY_VERIFY(wnd->paneKeys().values().contains(key));
        }
        doubleClick(QStringLiteral("2,2"));
        QCoreApplication::sendPostedEvents(); // the tree's double click reaches the window queued
        QCOMPARE(wnd->paneKeys().size(), 4);
        QVERIFY(!DevicePagesTest::toastTexts().contains("Record play failed."));

        RemoteCommon::instance()->setModeForTesting(QStringLiteral("2,2"), 1);
        wnd->stopPane(3);
        doubleClick(QStringLiteral("2,2"));
        QTRY_VERIFY(DevicePagesTest::toastTexts().contains("The device is previewing and cannot be play record."));
        QCOMPARE(wnd->paneKeys().size(), 3);
        RemoteCommon::instance()->setModeForTesting(QStringLiteral("2,2"), 0);
    }

    // Confirmed on the current Cloud tab: streams stop, the tab goes, NVR shows.
    void logoutHidesCloudTab()
    {
        IotReplayWnd *wnd = cloudTabShown();
        QVERIFY(wnd->isVisible());
        if (wnd->paneKeys().isEmpty()) {
            doubleClick(QStringLiteral("2,0"));
            QTRY_VERIFY(!wnd->paneKeys().isEmpty());
        }
        DevicePagesTest::onModal<CustomDialog>([](CustomDialog *dlg) {
            QTest::mouseClick(dlg->findChild<QPushButton *>("pushButtonOK"), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->findChild<QPushButton *>("pushButtonCloud"), Qt::LeftButton);
        QVERIFY(!RemoteCommon::instance()->isLoggedIn());
        QVERIFY(!tabs()->isTabVisible(CVideoPlayback::CloudTab));
        QCOMPARE(tabs()->currentIndex(), int(CVideoPlayback::NvrTab));
        QVERIFY(wnd->paneKeys().isEmpty());
    }

    // A stream that reaches the end of its recordings goes on with a
    // recording made since; at the end of the last one the operator is told,
    // the pane is freed and the bar no longer shows it playing.
    void endOfRecordingsGoesOnOrSaysPlaybackEnded()
    {
        IotReplayWnd *wnd = cloudTabShown();
        QVERIFY(wnd->isVisible());
        for (int pane : wnd->paneKeys().keys())
            wnd->stopPane(pane);
        const QString key = QStringLiteral("1,1");
        QSignalSpy stamps(wnd->replayWidget(), &FFmpegReplayWidget::emitReplayTimestampMS);
        doubleClick(key);
        QTRY_COMPARE(wnd->paneKeys().value(0), key);
        QTRY_VERIFY_WITH_TIMEOUT(stamps.count() > 3, 30000);
        QVERIFY(wnd->controlBar()->isEnabled());
        QCOMPARE(int(wnd->timeLine()->records().size()), 2);
        const auto last = [&] { return qint64(stamps.last().at(0).toULongLong()); };
        const qint64 day = midnight(m_today);

        // Near the end of the day's second recording; once that stream runs, a
        // recording is made after it.
        const ArchiveRecordPtr second = wnd->timeLine()->records().back();
        wnd->onTimeLineRecordSelected(second, second->endTime() - 10000);
        QTRY_VERIFY_WITH_TIMEOUT(last() >= second->endTime() - 10000 && last() < second->endTime(), 30000);
        const QString folder = cloud::LocalCloudLibrary::dayFolder(
            m_store.path(), RemoteCommon::instance()->getConnectionByKey(key)->device_id, 1, m_today);
        const QString added = folder + "/082000.mp4";
        QVERIFY(QFile::copy(folder + "/081000.mp4", added));
        QTRY_VERIFY_WITH_TIMEOUT(last() >= day + (8 * 3600 + 20 * 60) * 1000, 30000);
        QCOMPARE(wnd->paneKeys().value(0), key);
        QCOMPARE(int(wnd->timeLine()->records().size()), 3);
        QVERIFY(!DevicePagesTest::toastTexts().contains(IotReplayWnd::tr("Playback ended")));

        const ArchiveRecordPtr third = wnd->timeLine()->records().back();
        wnd->onTimeLineRecordSelected(third, third->endTime() - 3000);
        QTRY_VERIFY_WITH_TIMEOUT(wnd->paneKeys().isEmpty(), 30000);
        QFile::remove(added);
        QVERIFY(DevicePagesTest::toastTexts().contains(IotReplayWnd::tr("Playback ended")));
        QVERIFY(!wnd->controlBar()->isEnabled());
        QVERIFY(!wnd->replayWidget()->isPlaying(0));
        QVERIFY(!wnd->controlBar()->playFlag());
        QVERIFY(!wnd->controlBar()->findChild<QPushButton *>("pushButtonPause")->isChecked());
    }

    // A store whose accounts cannot be read is reported as such, and logged,
    // never as a wrong password.
    void unreadableStoreIsNotAWrongPassword_data()
    {
        QTest::addColumn<QByteArray>("accounts"); // "-" no file
        QTest::newRow("no accounts file") << QByteArray("-");
        QTest::newRow("not JSON") << QByteArray("{\"accounts\": [ {\"account\": \"demo\", ");
        QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
        QTest::newRow("accounts not a list") << QByteArray("{\"accounts\": \"demo\"}");
        QTest::newRow("over the size bound") << ("{\"accounts\": [], \"pad\": \"" + QByteArray(5 << 20, 'p') + "\"}");
    }

    void unreadableStoreIsNotAWrongPassword()
    {
        QFETCH(QByteArray, accounts);
        if (RemoteCommon::instance()->isLoggedIn()) {
            DevicePagesTest::onModal<CustomDialog>([](CustomDialog *dlg) {
                QTest::mouseClick(dlg->findChild<QPushButton *>("pushButtonOK"), Qt::LeftButton);
            });
            QTest::mouseClick(m_window->findChild<QPushButton *>("pushButtonCloud"), Qt::LeftButton);
        }
        QVERIFY(!RemoteCommon::instance()->isLoggedIn());
        QTemporaryDir store;
        if (accounts != "-") {
            QFile f(store.filePath("accounts.json"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(accounts);
        }
        RemoteCommon::setStoreRootForTesting(store.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cloud store unreadable"));
        QStringList toasts;
        const bool accepted = loginThroughDialog(cloudstore::Password, &toasts);
        RemoteCommon::setStoreRootForTesting(m_store.path());
        QVERIFY(!accepted);
        // The refusal names the folder where the store is looked for.
        QVERIFY2(toasts.contains(IotLoginDlg::storeUnreadableText(store.path())), qPrintable(toasts.join('|')));
        QVERIFY(toasts.join('|').contains(QDir::toNativeSeparators(store.path())));
        QVERIFY(!toasts.contains(CommonHelper::incorrectLoginText()));
        QVERIFY(!RemoteCommon::instance()->isLoggedIn());
    }

    // What is not the store's own is refused as unreadable: an accounts file
    // that is not a regular file (a FIFO must not hold the login), and device,
    // channel or day folders that link out of the store. A link that stays
    // inside the store is the store's.
    void storeRefusesWhatIsNotItsOwn_data()
    {
        QTest::addColumn<QString>("accounts"); // "copy", "fifo", "folder", "link"
        QTest::addColumn<QString>("linked");   // "", "device", "channel", "day", "day inside"
        QTest::addColumn<bool>("loginOk");
        QTest::addColumn<bool>("dayListed");
        QTest::newRow("a plain store") << "copy"
                                       << "" << true << true;
        QTest::newRow("accounts a FIFO") << "fifo"
                                         << "" << false << false;
        QTest::newRow("accounts a folder") << "folder"
                                           << "" << false << false;
        QTest::newRow("accounts a link") << "link"
                                         << "" << false << false;
        QTest::newRow("device folder links out") << "copy"
                                                 << "device" << false << false;
        QTest::newRow("channel folder links out") << "copy"
                                                  << "channel" << false << false;
        QTest::newRow("day folder links out") << "copy"
                                              << "day" << true << false;
        QTest::newRow("day folder links inside") << "copy"
                                                 << "day inside" << true << true;
    }

    void storeRefusesWhatIsNotItsOwn()
    {
        QFETCH(QString, accounts);
        QFETCH(QString, linked);
        QFETCH(bool, loginOk);
        QFETCH(bool, dayListed);
        QTemporaryDir store;
        const QString root = store.path();
        const QString outside = m_store.path();
        const QString device = QStringLiteral("cam-h264");
        const QString day = m_today.toString(QStringLiteral("yyyyMMdd"));
        const QString accountsFile = root + QStringLiteral("/accounts.json");
        if (accounts == QLatin1String("copy"))
            QVERIFY(QFile::copy(outside + QStringLiteral("/accounts.json"), accountsFile));
        else if (accounts == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(accountsFile).constData(), 0600), 0);
        else if (accounts == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(accountsFile));
        else
            QVERIFY(QFile::link(outside + QStringLiteral("/accounts.json"), accountsFile));

        const QString channelFolder = root + QLatin1Char('/') + device + QStringLiteral("/0");
        if (linked == QLatin1String("device")) {
            QVERIFY(QFile::link(outside + QLatin1Char('/') + device, root + QLatin1Char('/') + device));
        } else if (linked == QLatin1String("channel")) {
            QVERIFY(QDir().mkpath(root + QLatin1Char('/') + device));
            QVERIFY(QFile::link(outside + QLatin1Char('/') + device + QStringLiteral("/0"), channelFolder));
        } else {
            QVERIFY(QDir().mkpath(channelFolder));
            QString source = outside + QLatin1Char('/') + device + QStringLiteral("/0/") + day;
            if (linked == QLatin1String("day inside")) {
                const QString kept = root + QStringLiteral("/kept/") + day;
                QVERIFY(QDir().mkpath(kept));
                for (const char *name : {"080000.mp4", "081000.mp4"})
                    QVERIFY(QFile::copy(source + QLatin1Char('/') + QLatin1String(name),
                                        kept + QLatin1Char('/') + QLatin1String(name)));
                source = kept;
            }
            if (linked.isEmpty()) {
                QVERIFY(QDir().mkpath(channelFolder + QLatin1Char('/') + day));
                QVERIFY(QFile::copy(source + QStringLiteral("/080000.mp4"),
                                    channelFolder + QLatin1Char('/') + day + QStringLiteral("/080000.mp4")));
            } else {
                QVERIFY(QFile::link(source, channelFolder + QLatin1Char('/') + day));
            }
        }

        if (!loginOk || linked == QLatin1String("day"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cloud store unreadable")));
        cloud::LocalCloudLibrary library(root);
        // The login runs beside the test so that a wait on the FIFO is seen,
        // and a guard gives a waiting open its writer so the test always ends.
        std::atomic<bool> done{false};
        bool ok = false;
        cloud::LoginError why = cloud::LoginError::None;
        std::thread login([&] {
            ok = library.login(cloudstore::Account, cloudstore::Password, nullptr, &why);
            done = true;
        });
        const bool waited = !QTest::qWaitFor([&] { return done.load(); }, 20000);
        if (waited) {
            const int fd = ::open(QFile::encodeName(accountsFile).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
        login.join();
        QVERIFY2(!waited, "the login waited on the accounts file");
        QCOMPARE(ok, loginOk);
        QCOMPARE(why, loginOk ? cloud::LoginError::None : cloud::LoginError::StoreUnreadable);
        if (!loginOk)
            return;

        QVector<cloud::Record> records;
        QCOMPARE(library.recordList(device, 0, m_today, &records), dayListed);
        QCOMPARE(!records.isEmpty(), dayListed);
        QStringList days;
        QVERIFY(library.recordDays(device, 0, m_today.year(), m_today.month(), 31, &days));
        QCOMPARE(days.contains(day), dayListed);
        const int connection = library.connect(device);
        QVERIFY(connection > 0);
        QCOMPARE(library.startRecord(connection, 0, m_today, 0), dayListed);
        library.logout();
    }

    // A window destroyed while it streams: its receivers are gone first.
    void windowDestroyedWhileStreaming()
    {
        QVERIFY(RemoteCommon::instance()->login(cloudstore::Account, cloudstore::Password));
        auto *wnd = new IotReplayWnd;
        wnd->show();
        wnd->calendar()->setSelectedDate(m_today);
        QSignalSpy stamps(wnd->replayWidget(), &FFmpegReplayWidget::emitReplayTimestampMS);
        wnd->onDeviceItemDoubleClicked(QStringLiteral("2,0"));
        QTRY_VERIFY_WITH_TIMEOUT(stamps.count() > 5, 30000);
        delete wnd;
        // A stream the window left running would call back before the witness has gone on.
        QVERIFY(Witness(QStringLiteral("2,1"), m_today).pictures(8));
        RemoteCommon::instance()->logout();
    }
};

QTEST_MAIN(tst_CloudPlayback)
#include "tst_cloudplayback.moc"
