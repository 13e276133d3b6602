#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "CNVRUserManageDlg.h"
#include "CUserManageDlg.h"
#include "CNVRChannelManageDlg.h"
#include "CNVRConfigSetting.h"
#include "AlarmManageWidget.h"
#include "CVideoPlayback.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "DeviceAlarmHandler.h"
#include "DeviceController.h"
#include "DeviceInfoManager.h"
#include "DeviceManageWidget.h"
#include "KelvoSDKHelper.h"
#include "MainViewVideoPreview.h"
#include "MaskWidget.h"
#include "MsgTipInfoDlg.h"
#include "OrmCore.h"
#include "OrmAccessQueue.h"
#include "RemoteConfigSetting.h"
#include "RecordSchedule.h"
#include "TreeIcons.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCloseEvent>
#include <QDebug>
#include <QEventLoop>
#include <QPointer>
#include <QMetaEnum>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>
#include <QTimer>
#include <QToolButton>

namespace {

// Drawn at the cards' icon size, so they are shown unscaled.
const char *const kCardIcons[MainWindow::PageCount] = {
    ":/Resources/Skin/Default/Home/home_live.png",     ":/Resources/Skin/Default/Home/home_playback.png",
    ":/Resources/Skin/Default/Home/home_schedule.png", ":/Resources/Skin/Default/Home/home_device.png",
    ":/Resources/Skin/Default/Home/home_settings.png", ":/Resources/Skin/Default/Home/home_access.png",
    ":/Resources/Skin/Default/Home/home_events.png",
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    // Loads the registry, makes the command processor and connects the
    // facade, the ONVIF service and the signal bus.
    m_controller = new DeviceController(this);
    m_alarmHandler = new DeviceAlarmHandler(this);
    createUI();
    wireDevices();
    retranslate();
}

MainWindow::~MainWindow()
{
    closeApp();
    delete ui;
}

void MainWindow::createUI()
{
    ui->setupUi(this);
    ui->mainTitleBar->setAttribute(Qt::WA_StyledBackground);
    ui->labelLogo->setPixmap(QPixmap(QStringLiteral(":/Resources/Skin/Default/Login/logo.png"))
                                 .scaled(28, 28, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    connect(ui->pushButtonHome, &QPushButton::clicked, this, &MainWindow::showHome);
    connect(ui->pushButtonCloud, &QPushButton::clicked, this, &MainWindow::onCloudButtonClicked);

    m_cards = {ui->homeCard0, ui->homeCard1, ui->homeCard2, ui->homeCard3, ui->homeCard4, ui->homeCard5, ui->homeCard6};
    for (int i = 0; i < PageCount; ++i) {
        QToolButton *card = m_cards.at(i);
        card->setIcon(TreeIcons::load(QString::fromLatin1(kCardIcons[i])));
        card->hide();
        connect(card, &QToolButton::clicked, this, [this, i] { showPage(i); });
    }
    // Home works from the keyboard too: Tab reaches the cards and the title
    // bar's buttons, and Enter opens what has the focus as Space does.
    QList<QAbstractButton *> keyed{ui->pushButtonHome, ui->pushButtonCloud};
    for (QToolButton *card : qAsConst(m_cards))
        keyed << card;
    for (QAbstractButton *button : qAsConst(keyed))
        CommonHelper::clickOnEnter(button);

    for (int i = 0; i < PageCount; ++i)
        m_pages.append(nullptr);
    m_livePage = new MainViewVideoPreview(ui->mainStack);
    m_pages[LiveVideo] = m_livePage;
    m_playbackPage = new CVideoPlayback(ui->mainStack);
    m_pages[Playback] = m_playbackPage;
    m_devicePage = new DeviceManageWidget(ui->mainStack);
    m_pages[DeviceManagement] = m_devicePage;
    m_pages[Events] = new AlarmManageWidget(ui->mainStack);
    m_schedulePage = new RecordSchedule(ui->mainStack);
    m_pages[StorageSchedule] = m_schedulePage;
    for (QWidget *page : qAsConst(m_pages)) {
        if (page)
            ui->mainStack->addWidget(page);
    }

    MaskWidget *mask = MaskWidget::instance();
    mask->setMainWidget(this);
    mask->setDialogNames();
    showHome();
}

void MainWindow::wireDevices()
{
    DeviceController *c = m_controller;
    connect(c, &DeviceController::devStatusChanged, this, &MainWindow::onDevStatusChanged);
    connect(c, &DeviceController::liveTreeUpdate, m_livePage, &MainViewVideoPreview::updateChannelStates);
    connect(c, &DeviceController::ipcChannelsAdded, m_livePage, [this](FUN_DEV_INFO *) { m_livePage->reloadTree(); });
    connect(c, &DeviceController::nvrChannelStatusChanged, this, [this](FUN_DEV_INFO *nvr) {
        m_livePage->updateChannelStates(nvr);
        m_devicePage->updateDevStatus(nvr);
    });
    connect(c, &DeviceController::deviceAdded, this, [this](FUN_DEV_INFO *dev) {
        m_livePage->reloadTree();
        m_devicePage->addDevToAddTableView({dev});
    });
    connect(c, &DeviceController::devicesDeleting, this,
            [this](const QList<FUN_DEV_INFO *> &devs) { m_devicePage->delAddTableView(devs); });
    connect(c, &DeviceController::deviceRemoving, m_livePage, &MainViewVideoPreview::removeDevice);
    connect(c, &DeviceController::removeFromRecordSchedules, m_schedulePage, &RecordSchedule::deleteDevices);
    connect(c, &DeviceController::deviceRelogged, m_schedulePage, &RecordSchedule::deviceRelogged);
    connect(c, &DeviceController::deviceMoved, m_schedulePage, &RecordSchedule::deviceMoved);
    connect(c, &DeviceController::serialNumberChanged, m_schedulePage, &RecordSchedule::deviceSerialChanged);
    connect(c, &DeviceController::devStatusChanged, m_schedulePage, &RecordSchedule::registryChanged);
    connect(c, &DeviceController::nvrChannelStatusChanged, m_schedulePage, &RecordSchedule::registryChanged);
    connect(c, &DeviceController::ipcChannelsAdded, m_schedulePage, &RecordSchedule::registryChanged);
    connect(c, &DeviceController::deviceAdded, m_schedulePage, &RecordSchedule::registryChanged);
    connect(c, &DeviceController::devicesDeleting, m_schedulePage, &RecordSchedule::registryChanged);
    connect(c, &DeviceController::deviceEdited, this, [this](FUN_DEV_INFO *dev) {
        m_livePage->renameDevice(dev);
        m_devicePage->updateDevRow(dev);
    });
    connect(c, &DeviceController::alarmReceived, this,
            [this](FUN_DEV_INFO *dev, const QString &xml) { m_alarmHandler->handleDeviceAlarm(xml, dev); });
    connect(c, &DeviceController::devConfigRequested, this, &MainWindow::showDevConfigManage);
    connect(c, &DeviceController::devUserRequested, this, &MainWindow::showDevUser);
    connect(c, &DeviceController::nvrChannelsRequested, this, &MainWindow::showNVRChannels);
    connect(c, &DeviceController::storeNotice, this, [](const QString &text) { MsgTipInfoDlg::showTip(text, 2000); });
    connect(c, &DeviceController::storeWaiting, m_devicePage, &DeviceManageWidget::showStoreWaiting);
}

void MainWindow::onDevStatusChanged(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_devicePage->updateDevStatus(dev);
    m_livePage->updateDeviceState(dev);
    askChannelStates(dev);
    qInfo().noquote() << "Device" << devKey(dev) << "state:" << CommonHelper::getDevStatusText(dev);
}

void MainWindow::askChannelStates(FUN_DEV_INFO *dev)
{
    if (dev->devType != 1 || dev->channelIdx != 0)
        return;
    if (dev->loginStatus != 1) {
        m_statesAsked.remove(dev->ip);
        return;
    }
    // A recorder's channel states come with its heartbeat, the first one a
    // whole interval after the login; until then none of its channels can be
    // watched, recorded or chosen. One heartbeat at once brings them.
    if (!dev->ipcsStat.isEmpty() || m_statesAsked.contains(dev->ip))
        return;
    const loginDev key = toLoginDev(dev);
    if (!KelvoSDKHelper::instance()->isConnected(key))
        return;
    m_statesAsked.insert(dev->ip);
    KelvoSDKHelper::instance()->update(key);
}

bool MainWindow::rightAllows(const QString &rights, int page)
{
    return page >= 0 && page < rights.size() && rights.at(page) > QLatin1Char('0');
}

QString MainWindow::pageTitle(int page)
{
    switch (page) {
    case LiveVideo:
        return tr("Live Video");
    case Playback:
        return tr("Playback");
    case StorageSchedule:
        return tr("Storage Schedule");
    case DeviceManagement:
        return tr("Device Management");
    case Settings:
        return tr("Settings");
    case Access:
        return tr("Access");
    case Events:
        return tr("Events");
    default:
        return QString();
    }
}

void MainWindow::setRights(const QString &rights)
{
    m_rights = rights;
    layoutCards();
    QStringList shown;
    for (int i = 0; i < PageCount; ++i) {
        if (isCardVisible(i))
            shown << QString::fromLatin1(QMetaEnum::fromType<Page>().valueToKey(i));
    }
    qInfo().noquote() << "Rights" << rights << "home cards:" << shown.join(QLatin1Char(','));

    initAfterLogin();
    QTimer::singleShot(PlanStartDelayMs, m_schedulePage, &RecordSchedule::initPlan);
}

void MainWindow::initAfterLogin()
{
    m_devicePage->getDevFormDBToAddTableView();
    m_livePage->reloadTree();
    m_alarmHandler->updateAlarmDataBase();
    onTimeoutLoginDevice();
}

void MainWindow::setUserName(const QString &name)
{
    m_userName = name;
    ui->labelUserName->setText(name);
}

void MainWindow::layoutCards()
{
    for (QToolButton *card : qAsConst(m_cards)) {
        ui->homeCardGrid->removeWidget(card);
        card->hide();
    }
    int slot = 0;
    for (int i = 0; i < PageCount; ++i) {
        if (!rightAllows(m_rights, i))
            continue;
        QToolButton *card = m_cards.at(i);
        card->setEnabled(hasPage(i));
        card->setToolTip(hasPage(i) ? QString() : tr("Not available in this version"));
        ui->homeCardGrid->addWidget(card, slot / 4, slot % 4);
        card->show();
        ++slot;
    }
}

bool MainWindow::isCardVisible(int page) const
{
    QToolButton *c = card(page);
    return c && !c->isHidden();
}

bool MainWindow::hasPage(int page) const
{
    return page >= 0 && page < m_pages.size() && m_pages.at(page);
}

int MainWindow::currentPage() const
{
    return m_pages.indexOf(ui->mainStack->currentWidget());
}

void MainWindow::showPage(int page)
{
    if (!hasPage(page) || !rightAllows(m_rights, page))
        return;
    // Groups renamed or deleted on the device page only change names held in
    // memory; the tree is rebuilt so it does not keep showing the old groups.
    if (page == LiveVideo && m_livePage)
        m_livePage->reloadTree();
    ui->mainStack->setCurrentWidget(m_pages.at(page));
    ui->labelPageName->setText(pageTitle(page));
    ui->pushButtonHome->setEnabled(true);
}

void MainWindow::showHome()
{
    ui->mainStack->setCurrentWidget(ui->homePage);
    ui->labelPageName->clear();
    ui->pushButtonHome->setEnabled(false);
}

void MainWindow::onTimeoutLoginDevice()
{
    m_controller->onTimeoutLoginDevice();
}

void MainWindow::recvConnectDev(loginDev dev)
{
    m_controller->recvConnectDev(dev);
}

void MainWindow::disconnectDev(loginDev dev)
{
    m_controller->disconnectDev(dev);
}

void MainWindow::dealAddDevices(QList<FUN_DEV_INFO *> devs)
{
    m_controller->dealAddDevices(devs);
}

void MainWindow::dealDelDevices(QList<FUN_DEV_INFO *> devs)
{
    m_controller->dealDelDevices(devs);
}

void MainWindow::dealModifyDevice(FUN_DEV_INFO *dev)
{
    m_controller->dealModifyDevice(dev);
}

void MainWindow::slotUpdateOnvifDevice(QString ip)
{
    m_controller->slotUpdateOnvifDevice(ip);
}

void MainWindow::notAvailable(FUN_DEV_INFO *dev, const char *what)
{
    if (!dev)
        return;
    qInfo() << what << "asked for" << devKey(dev) << "- not available in this version";
    MsgTipInfoDlg::showTip(tr("Not available in this version"), 2000);
}

void MainWindow::showDevConfigManage(FUN_DEV_INFO *dev)
{
    if (dev && dev->devType == 0) {
        // Named for the mask, which covers the main window while it is open.
        auto *window = new RemoteConfigSetting;
        window->setObjectName(QStringLiteral("RemoteConfig"));
        window->setDevInfo(dev);
        window->exec();
        delete window;
        return;
    }
    if (dev && dev->devType == 1) {
        auto *window = new CNVRConfigSetting;
        window->setObjectName(QStringLiteral("NVRConfig"));
        window->setDevInfo(dev);
        window->exec();
        delete window;
        return;
    }
    notAvailable(dev, "Remote configuration");
}

void MainWindow::showDevUser(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    if (dev->devType == 1) {
        auto *users = new CNVRUserManageDlg(nullptr);
        users->setObjectName(QStringLiteral("NVRUser"));
        users->updateDevice(dev);
        users->getUsers();
        users->resetHeaderCheckBox();
        users->exec();
        delete users;
        return;
    }
    auto *users = new CUserManageDlg(nullptr);
    users->setObjectName(QStringLiteral("IPCUser"));
    users->updateDevice(dev);
    users->getUsers();
    users->resetHeaderCheckBox();
    users->exec();
    delete users;
}

void MainWindow::showNVRChannels(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    auto *dialog = new CNVRChannelManageDlg;
    dialog->setObjectName(QStringLiteral("ChannelManage"));
    dialog->setDevInfo(dev);
    dialog->initChannelTable();
    dialog->startSearch(false);
    dialog->exec();
    delete dialog;
}

void MainWindow::closeApp()
{
    if (m_closing)
        return;
    m_closing = true;
    const QDeadlineTimer waitEnds(CloseWaitMs);
    qInfo() << "Closing the client";
    // From here on a change that does not land, by whatever end, is the
    // close's to say, named.
    OrmAccessQueue::beginClose();
    if (m_controller)
        m_controller->beginClose();
    // The window still paints and moves while the close waits, but the
    // operator starts nothing more in it.
    ui->mainCentral->setEnabled(false);
    if (m_playbackPage)
        m_playbackPage->stopAll();
    if (m_livePage)
        m_livePage->stopAll();
    if (m_schedulePage)
        m_schedulePage->closePlan();
    // Every device is told the client closes, and what it sent until then is
    // read: no alarm comes after the count below, and none is left unread.
    if (m_controller)
        m_controller->endSessions(
            QDeadlineTimer(qBound<qint64>(0, waitEnds.remainingTime(), DeviceController::SessionsEndMs)));
    if (m_alarmHandler)
        m_alarmHandler->beginClose(waitEnds);
    waitForDatabaseAtClose(waitEnds);
    // Released only now: a change given up meanwhile put its record back as
    // the database holds it.
    if (m_controller)
        m_controller->closeApp();
    OrmDatabase::closeAllConnections();
    m_closed = true;
}

QString MainWindow::changesText(const QStringList &changes)
{
    if (changes.isEmpty())
        return QStringLiteral("0");
    // Each named once (three writes of one device are one thing to the
    // operator), in an order that does not change from one close to the next.
    QStringList named = changes;
    named.removeDuplicates();
    named.sort();
    return QStringLiteral("%1 (%2)").arg(changes.size()).arg(named.join(QStringLiteral("; ")));
}

QString MainWindow::closingText(qint64 alarms, const QStringList &changes)
{
    return tr("Closing: waiting for the database to store what is left. Changes: %1, alarms: %2.")
        .arg(changesText(changes))
        .arg(alarms);
}

QString MainWindow::notSavedAtCloseText(qint64 alarms, const QStringList &changes)
{
    return tr("Not saved at close, the database is in use by another program. Changes: %1, alarms: %2.")
        .arg(changesText(changes))
        .arg(alarms);
}

QString MainWindow::alarmsNotSavedText(qint64 alarms)
{
    return tr("Alarms not saved before the close: %1.").arg(alarms);
}

void MainWindow::answerUntil(const QDeadlineTimer &deadline, const std::function<bool()> &more)
{
    // Wakes the wait below at least this often, so the words follow and the
    // deadline is kept when nothing else happens.
    QTimer pulse;
    pulse.start(50);
    while (!deadline.hasExpired() && more())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindow::waitForDatabaseAtClose(const QDeadlineTimer &waitEnds)
{
    QPointer<MsgTipInfoDlg> words;
    QStringList changes, said;
    qint64 alarms = 0;
    const auto owed = [&] {
        const OrmAccessQueue::Outstanding now = OrmAccessQueue::outstanding();
        changes = now.changes;
        said = now.changesSaid;
        alarms = m_alarmHandler ? m_alarmHandler->alarmsWaiting() : 0;
        return alarms > 0 || !changes.isEmpty();
    };
    if (owed()) {
        qInfo().noquote() << QStringLiteral("Closing: %1 alarms and %2 changes wait for the database: %3")
                                 .arg(alarms)
                                 .arg(changes.size())
                                 .arg(changes.join(QStringLiteral("; ")));
        answerUntil(waitEnds, [&] {
            if (!owed())
                return false;
            MsgTipInfoDlg::showWhile(words, true, closingText(alarms, said));
            return true;
        });
    }
    // What still waits is given up now, each change named in the log; the
    // alarm writer gave up its rows by the same deadline. Those given up
    // since the close began, by their own limit or a failure, come with them.
    QStringList givenUpSaid;
    QStringList givenUp = OrmAccessQueue::flushAll(0, &givenUpSaid);
    // A page told of its change given up may queue another (an undo): that
    // one is given up and counted too, not left to the end of the process.
    givenUp += OrmAccessQueue::flushAll(0, &givenUpSaid);
    const qint64 lost = m_alarmHandler ? m_alarmHandler->endClose() : 0;
    const qint64 lostToTheClose = m_alarmHandler ? m_alarmHandler->lostToTheClose() : 0;
    if (lost == 0 && givenUp.isEmpty()) {
        MsgTipInfoDlg::showWhile(words, false, QString());
        return;
    }
    qWarning().noquote() << QStringLiteral("Not stored at close: %1 alarms; %2 changes: %3")
                                .arg(lost)
                                .arg(givenUp.size())
                                .arg(givenUp.join(QStringLiteral("; ")));
    // Nothing the operator made, nor any alarm, is lost unsaid: a moment to
    // read it. Alarms lost earlier in an outage the close ends in are said
    // with those the close gave up, or alone when it gave up nothing.
    const QString text =
        givenUp.isEmpty() && lostToTheClose == 0 ? alarmsNotSavedText(lost) : notSavedAtCloseText(lost, givenUpSaid);
    MsgTipInfoDlg::showWhile(words, true, text);
    qInfo().noquote() << "Said at close:" << text;
    answerUntil(QDeadlineTimer(CloseNoticeMs), [] { return true; });
    MsgTipInfoDlg::showWhile(words, false, QString());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A close asked again while one waits: that one ends the client.
    if (m_closing && !m_closed) {
        event->ignore();
        return;
    }
    closeApp();
    event->accept();
    QApplication::quit();
}

void MainWindow::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(QApplication::applicationName());
    ui->labelAppName->setText(QApplication::applicationName());
    for (int i = 0; i < m_cards.size(); ++i)
        m_cards.at(i)->setText(cardText(m_cards.at(i), pageTitle(i)));
    const int page = currentPage();
    if (page >= 0)
        ui->labelPageName->setText(pageTitle(page));
    layoutCards();
}

QString MainWindow::cardText(QToolButton *card, const QString &title)
{
    // A title wider than its card goes on two lines, broken at the space
    // that leaves the longer line shortest.
    card->ensurePolished();
    const QFontMetrics fm(card->font());
    const int room = card->maximumWidth() - 2 * CardTextMargin;
    if (fm.horizontalAdvance(title) <= room)
        return title;
    QString best = title;
    int widest = fm.horizontalAdvance(title);
    for (int i = title.indexOf(QLatin1Char(' ')); i > 0; i = title.indexOf(QLatin1Char(' '), i + 1)) {
        const QString first = title.left(i);
        const QString second = title.mid(i + 1);
        const int wider = qMax(fm.horizontalAdvance(first), fm.horizontalAdvance(second));
        if (wider < widest) {
            widest = wider;
            best = first + QLatin1Char('\n') + second;
        }
    }
    return best;
}

QRect MainWindow::placement(const QRect &available, const QSize &wanted, const QSize &minimum, const QMargins &frame)
{
    const QRect room = available.marginsRemoved(frame);
    const QSize size = wanted.boundedTo(room.size()).expandedTo(minimum);
    const int x = room.x() + qMax(0, (room.width() - size.width()) / 2);
    const int y = room.y() + qMax(0, (room.height() - size.height()) / 2);
    return QRect(QPoint(x, y), size);
}

void MainWindow::placeOnScreen()
{
    QScreen *screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_placedFrame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setGeometry(placement(screen->availableGeometry(), m_wantedSize, minimumSize(), m_placedFrame));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_placed || event->spontaneous())
        return;
    // Only the first show: later the operator's own size and place stay.
    m_placed = true;
    m_wantedSize = size();
    placeOnScreen();
    // The window manager frames the window after it is shown, and tells the
    // frame's size only then: until it has, the window is placed again
    // whenever the frame it reports changes.
    auto *settle = new QTimer(this);
    settle->setInterval(FrameSettleStepMs);
    connect(settle, &QTimer::timeout, this, [this, settle, steps = 0]() mutable {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        if (frame != m_placedFrame && !isMaximized() && !isFullScreen())
            placeOnScreen();
        if (!frame.isNull() || ++steps >= FrameSettleSteps)
            settle->deleteLater();
    });
    settle->start();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}
