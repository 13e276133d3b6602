#include "ClientLook.h"
#include "CommonHelper.h"
#include "ThreadStack.h"
#include "CrashHandler.h"
#include "DeviceInfoManager.h"
#include "FFmpegRecordPlan.h"
#include "HighDpi.h"
#include "KelvoCommon.h"
#include "LogHandler.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "MsgTipInfoDlg.h"
#include "OrmCore.h"
#include "OrmHelper.h"
#include "PlayerCommon.h"
#include "RecordPlan.h"
#include "RecordSchedule.h"
#include "Platform.h"
#include "SettingsKeeper.h"
#include "SingleApplication.h"
#include "SplashScreen.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <QTextCodec>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QtConcurrent>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// Set once the log writer exists, so the handler never creates it.
std::atomic<bool> g_logReady{false};

// Runs inside the fatal-signal handler; the writer may already be gone when
// the crash happens during process exit.
void flushLogForCrash()
{
    if (!g_logReady.load())
        return;
    if (LogHandler *log = LogHandler::instance())
        log->emergencyFlush();
}

// A logout, a shutdown or Ctrl+C: the handler only writes the signal's number
// into a socket; the GUI thread reads it and closes as the window's close does.
int g_closeSignalFds[2] = {-1, -1};
const int kCloseSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Counted by the handler itself: a GUI thread that is stuck (a database that
// does not open, a close that hangs) or already past its event loop never
// reads the socket, and the second signal must end the client all the same.
std::atomic<int> g_closeSignalCount{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free counter");

extern "C" void onCloseSignal(int sig)
{
    const int saved = errno;
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    if (g_closeSignalCount.fetch_add(1) > 0) {
        // Only when two signals raced into handlers on two threads: the
        // later one ends the client now. Blocked while its handler runs, it
        // takes the default action as soon as this returns.
        ::sigaction(sig, &fallback, nullptr);
        ::raise(sig);
        errno = saved;
        return;
    }
    // From now on any of them takes the default action, whatever the GUI thread does.
    for (const int other : kCloseSignals)
        ::sigaction(other, &fallback, nullptr);
    const unsigned char number = static_cast<unsigned char>(sig);
    if (::write(g_closeSignalFds[0], &number, 1) < 0) {
        // Gone: the client ends anyway.
    }
    errno = saved;
}

const char *closeSignalName(int sig)
{
    switch (sig) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "signal";
    }
}

// The window to close, once it exists.
QPointer<MainWindow> g_closeTarget;
// A close signal came before the window: the start ends as if cancelled.
bool g_closeBeforeWindow = false;

void installCloseSignals(QObject *owner)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_closeSignalFds) != 0) {
        qWarning() << "No close on SIGTERM, SIGINT or SIGHUP:" << ::strerror(errno);
        return;
    }
    auto *notifier = new QSocketNotifier(g_closeSignalFds[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier] {
        unsigned char number = 0;
        if (::read(g_closeSignalFds[1], &number, 1) != 1)
            return;
        notifier->setEnabled(false);
        qInfo() << "Closing on" << closeSignalName(number);
        if (g_closeTarget && g_closeTarget->isVisible()) {
            g_closeTarget->close();
        } else {
            g_closeBeforeWindow = true;
            QApplication::quit(); // a dialog before the main window: it ends as if cancelled
        }
    });
    struct sigaction action = {};
    action.sa_handler = onCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : kCloseSignals)
        ::sigaction(sig, &action, nullptr);
}

// The translation of the settings row's language index; -1 (a new database)
// and unknown indexes take English.
QString translationFile(int language)
{
    switch (language) {
    case 0:
        return QStringLiteral(":/language/Resources/language/Quorel_zh.qm");
    case 2:
        return QStringLiteral(":/language/Resources/language/quorel_ru.qm");
    case 3:
        return QStringLiteral(":/language/Resources/language/quorel_ida.qm");
    case 4:
        return QStringLiteral(":/language/Resources/language/quorel_cz.qm");
    default:
        return QStringLiteral(":/language/Resources/language/quorel_en.qm");
    }
}

// The settings' language index of the system's language (English when the
// client has no translation for it).
int systemLanguage()
{
    switch (QLocale::system().language()) {
    case QLocale::Chinese:
        return 0;
    case QLocale::Russian:
        return 2;
    case QLocale::Indonesian:
        return 3;
    case QLocale::Czech:
        return 4;
    default:
        return 1;
    }
}

// A database another program holds is tried this often: each try waits
// for it only briefly, so the splash says so at once, and the next try
// comes a second after the last one began, not after a whole busy timeout.
constexpr int DatabaseRetryMs = 1000;
constexpr int DatabaseTryMs = 250;

// What the start-up read for the windows that follow it.
struct StartReads
{
    bool autoLogin = false;
    QString userName;
    QString rights;
};

// Everything the first windows need is read within the start-up's wait, off
// the GUI thread: a lock taken right after the database opened is waited for
// there, on the splash, and no window waits for the database when it is made.
// The devices and groups must be read (the device list never starts empty in
// place of the stored one); settings or a plan the file cannot give (a
// damaged page) do not keep the client from starting: the pages that need
// them say so.
bool readStartRows(StartReads *reads, QString *why, bool *locked)
{
    const auto failed = [why, locked](const QSqlError &error) {
        *why = error.text();
        *locked = OrmDatabase::isLocked(error);
        return false;
    };
    QSqlError error;
    const QList<QSharedPointer<CMS_Organization>> groups = OrmHelper::getAllOrganizations(&error);
    QList<QSharedPointer<CMS_Devices>> devices;
    if (error.text().isEmpty())
        devices = OrmHelper::getAllDevices(&error);
    if (!error.text().isEmpty())
        return failed(error);
    // The settings row, kept for the client (log retention, language, the
    // storage folders, the remembered login).
    error = SettingsKeeper::read();
    if (OrmDatabase::isLocked(error))
        return failed(error);
    if (!error.text().isEmpty())
        qWarning() << "Settings cannot be read at start:" << error.text();
    if (!RecordSchedule::readStartPlan(&error))
        return failed(error);
    StartReads read;
    read.autoLogin = LoginDialog::tryAutoLogin(&read.userName, &read.rights, &error);
    if (OrmDatabase::isLocked(error))
        return failed(error);
    *reads = read;
    DeviceInfoManager::setStartRows(devices, groups);
    return true;
}

// One try of the start-up, on the calling thread.
bool initDatabase(OrmHelper *orm, StartReads *reads, QString *why, bool *foreign, bool *locked)
{
    // A new file is made by the start-up itself, user-only: a connection
    // opened before it would make it with the default mode.
    if (!QFileInfo::exists(OrmDatabase::databaseName()))
        return orm->init(why, foreign, locked) && readStartRows(reads, why, locked);
    const OrmDatabase::InitScope opening;
    const OrmDatabase::BusyTimeoutScope brief(DatabaseTryMs);
    return orm->init(why, foreign, locked) && readStartRows(reads, why, locked);
}

// Opens the database. Another program holding it (a backup) is waited for,
// said on the splash, and the start-up tried again until it lets go; each
// try runs off the GUI thread, so the splash paints and a close signal is
// taken meanwhile (*closed: the start ends).
bool openDatabase(OrmHelper *orm, StartReads *reads, QString *error, bool *refused, bool *closed)
{
    std::unique_ptr<SplashScreen> splash;
    std::unique_ptr<QTranslator> systemTranslator;
    *closed = false;
    for (int tries = 1;; ++tries) {
        bool opened = false;
        bool locked = false;
        QString why;
        bool foreign = false;
        QElapsedTimer tried;
        tried.start();
        std::unique_ptr<QThread> attempt(
            QThread::create([&] { opened = initDatabase(orm, reads, &why, &foreign, &locked); }));
        QEventLoop loop;
        QObject::connect(attempt.get(), &QThread::finished, &loop, &QEventLoop::quit);
        attempt->start();
        if (!g_closeBeforeWindow)
            loop.exec();
        attempt->wait();
        *error = why;
        *refused = foreign;
        // Closed while the try ran: the start ends, whatever the try found.
        if (g_closeBeforeWindow) {
            *closed = true;
            return false;
        }
        if (opened || !locked)
            return opened;
        qWarning().noquote()
            << QStringLiteral("The database is in use by another program; trying again (%1): %2").arg(tries).arg(why);
        if (!splash) {
            // The operator's language is in the database: the system's speaks meanwhile.
            systemTranslator = std::make_unique<QTranslator>();
            if (systemTranslator->load(translationFile(systemLanguage())))
                QApplication::installTranslator(systemTranslator.get());
            // Closable while it waits: closed, or its window destroyed by
            // another program, the start ends as a close signal ends it.
            splash = std::make_unique<SplashScreen>(nullptr, true);
            QObject::connect(splash.get(), &SplashScreen::closeRequested, [] {
                qInfo() << "Closing: the splash was closed while waiting for the database";
                g_closeBeforeWindow = true;
                QApplication::quit(); // every loop of the wait ends
            });
            splash->setProgress(0, QObject::tr("The database is in use by another program; waiting for it..."));
            splash->showPainted();
        }
        QTimer::singleShot(int(qMax<qint64>(0, DatabaseRetryMs - tried.elapsed())), &loop, &QEventLoop::quit);
        if (!g_closeBeforeWindow)
            loop.exec();
        if (g_closeBeforeWindow) {
            *closed = true;
            return false;
        }
    }
}

const QString &appName()
{
    static const QString name = QStringLiteral("KelvoClient");
    return name;
}

// Parallel test runs give every client its own instance name.
QString instanceName()
{
    return qEnvironmentVariableIsEmpty("KELVO_INSTANCE_NAME") ? appName() : qEnvironmentVariable("KELVO_INSTANCE_NAME");
}

// The crash handler and the log, before anything else logs.
LogHandler *startLog(QObject *owner)
{
    CrashHandler::install(CommonHelper::appWritableDir(), &flushLogForCrash);
    qInstallMessageHandler(LogHandler::messageHandler);
    LogHandler *log = LogHandler::instance();
    log->start();
    log->prepareEmergencyFlush();
    g_logReady.store(true);
    // FFmpeg speaks through the log too, bounded by its rules, not on the terminal.
    player::routeFFmpegLog();
    qInfo().noquote() << "Starting" << appName() << "in" << QDir::currentPath();
    QObject::connect(
        log, &LogHandler::logUnwritable, owner,
        [](const QString &path, const QString &reason) {
            MsgTipInfoDlg::showTip(
                QObject::tr("The log file %1 cannot be written (%2); the client goes on without its log.")
                    .arg(QDir::toNativeSeparators(path), Platform::translatedFailure(reason)),
                10000);
        },
        Qt::QueuedConnection);
    return log;
}

// The database failed to open: said in a box the operator closes.
void sayDatabaseFailed(const QString &error, bool refused)
{
    qCritical().noquote() << "Database start-up failed:" << error;
    // The settings with the operator's language are in the database that
    // failed: the system's language speaks instead.
    QTranslator systemTranslator;
    if (systemTranslator.load(translationFile(systemLanguage())))
        QApplication::installTranslator(&systemTranslator);
    QString text = QObject::tr("Database initialization failed!") + QLatin1Char('\n') + error;
    if (refused) {
        // Never run empty on someone's data: the operator decides what to do with the file.
        const QString file = QDir::toNativeSeparators(QFileInfo(OrmDatabase::databaseName()).absoluteFilePath());
        text = QObject::tr("The database %1 was not made by this client or by a version of it that it knows, "
                           "and has been left unchanged.\nMove it away to start with a new database.")
                   .arg(file)
               + QLatin1String("\n\n") + error;
    }
    QMessageBox::critical(nullptr, appName(), text);
}

enum class Start { Opened, Closed, Failed };

// The database opened and what the first windows need read from it; or the
// start closed meanwhile; or the failure said.
Start startDatabase(StartReads *reads)
{
    QString error;
    bool refused = false;
    bool closed = false;
    OrmHelper *orm = OrmHelper::instance();
    if (orm && openDatabase(orm, reads, &error, &refused, &closed))
        return Start::Opened;
    if (closed) {
        qInfo() << "Closed while waiting for the database";
        return Start::Closed;
    }
    sayDatabaseFailed(error, refused);
    return Start::Failed;
}

void installLanguage(QTranslator *translator, int language)
{
    QApplication::removeTranslator(translator);
    if (translator->load(translationFile(language)))
        QApplication::installTranslator(translator);
    else
        qWarning() << "Translation missing for language" << language;
}

void applySettings(const CMS_Config_V2 &config, LogHandler *log, QTranslator *translator)
{
    log->setLogClearDays(config.iLogClear);
    installLanguage(translator, config.Language);
}

// The operator's settings as the start-up read them (nothing is read here,
// on the GUI thread): the log's retention, the language, the storage
// folders. Unread (the file cannot give them back), no log is purged (the
// defaults' retention could purge logs the operator keeps longer) and the
// system's language speaks, said in the log; the login, shown since nothing
// logs in automatically without them, says why. They are read again, and
// apply once read.
void followSettings(LogHandler *log, QTranslator *translator)
{
    // The settings as last read or stored, never the defaults in their place.
    CommonHelper::setStoragePathsProvider(&RecordStorage::settingsPaths);
    if (const QSharedPointer<CMS_Config_V2> config = SettingsKeeper::row()) {
        applySettings(*config, log, translator);
        return;
    }
    qWarning() << "Settings not read at start, logs kept and the system's language used until they are read:"
               << SettingsKeeper::failure().text();
    installLanguage(translator, systemLanguage());
    SettingsKeeper::whenRead(translator, [log, translator](const CMS_Config_V2 &config) {
        qInfo() << "Settings read again: the operator's language and the log's retention apply";
        applySettings(config, log, translator);
    });
}

// Recordings a killed client left open are completed (or dropped when they
// hold no frame) before anyone lists them; off the GUI thread.
QFuture<int> repairRecordingsLeftOpen()
{
    const StoragePaths paths = CommonHelper::storagePaths();
    if (!paths.known) {
        // Not the defaults' folder in place of the one that could not be read.
        qWarning() << "Recordings left unrepaired at start: the settings cannot be read";
        return QFuture<int>();
    }
    QString recordings = paths.backupPath;
    if (recordings.isEmpty())
        recordings = CommonHelper::appWritableDir() + QStringLiteral("/Video");
    return QtConcurrent::run([recordings] {
        ThreadStack::install();
        return FFmpegRecordPlan::repairRecordings(recordings);
    });
}

// The account the client runs for: the remembered one, or the login's.
// False when the operator cancels the login.
bool logIn(const StartReads &reads, QString *userName, QString *rights)
{
    *userName = reads.userName;
    *rights = reads.rights;
    if (reads.autoLogin) {
        qInfo() << "Automatic login:" << *userName;
        return true;
    }
    LoginDialog login;
    if (login.exec() != QDialog::Accepted) {
        qInfo() << "Login cancelled";
        return false;
    }
    *userName = login.userName();
    *rights = login.rights();
    return true;
}

// The window set up for the account behind the start-up's splash, then shown.
void showWindow(MainWindow *window, const QString &userName, const QString &rights)
{
    SplashScreen splash;
    // Painted before the window's own first paint, which may take seconds.
    splash.showPainted();
    splash.setProgress(30, QObject::tr("Init app..."));
    window->setUserName(userName);
    window->setRights(rights);
    splash.setProgress(50, QObject::tr("Init main page ..."));
    splash.setProgress(80, QObject::tr("Load page ..."));
    splash.setProgress(100, QObject::tr("Finished！"));
    // The window places itself, frame included, inside its screen's available area.
    window->show();
    window->raise();
    window->activateWindow();
    splash.close();
}

// What the client owes is stored (the window's close) and the repair waited for.
void closeClient(MainWindow *window, QFuture<int> repair)
{
    window->closeApp();
    repair.waitForFinished();
}

} // namespace

// Outside the namespace: the resources' initialiser is declared in the global one.
static void setUpApplication()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    Q_INIT_RESOURCE(Resources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/Resources/Skin/Default/Login/logo.png")));
    QApplication::setFont(ClientLook::applicationFont());
}

int main(int argc, char *argv[])
{
    Platform::setUpAllocator();
    HighDpi::setUp();
    player::registerMetaTypes();
    QApplication::setApplicationName(appName());
    SingleApplication app(argc, argv, instanceName());
    if (app.isRunning())
        return 0;
    setUpApplication();
    LogHandler *log = startLog(&app);
    installCloseSignals(&app);
    registerKelvoMetaTypes();

    StartReads reads;
    const Start start = startDatabase(&reads);
    if (start != Start::Opened) {
        log->stop();
        return start == Start::Closed ? 0 : 1;
    }
    QTranslator translator;
    followSettings(log, &translator);
    QFuture<int> repair = repairRecordingsLeftOpen();
    ClientLook::loadStyleSheet();

    MainWindow window;
    app.setActivationWindow(&window);
    g_closeTarget = &window;
    QString userName;
    QString rights;
    if (!logIn(reads, &userName, &rights)) {
        closeClient(&window, repair);
        log->stop();
        return 0;
    }
    showWindow(&window, userName, rights);

    const int rc = app.exec();
    closeClient(&window, repair);
    qInfo() << "Client ended with" << rc;
    // Written now, while everything the writer uses is still there.
    log->stop();
    return rc;
}
