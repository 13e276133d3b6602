#include "RecordWnd.h"
#include "ui_RecordWnd.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegRecordPlan.h"
#include "FFmpegReplayWidget.h"
#include "MsgTipInfoDlg.h"
#include "MyCalendar.h"
#include "Platform.h"
#include "ReplayControl.h"
#include "TimeLine.h"
#include "VideoRecord.h"

#include <QAction>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr int kPlayingState = 3;
constexpr int kOnlineState = 1;
constexpr int kBarHeight = 40;
constexpr int kBarHideMs = 3000;
constexpr int kBarPollMs = 100;
constexpr int kBarShowBand = 120;
} // namespace

RecordWnd::RecordWnd(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RecordWnd)
{
    ui->setupUi(this);
    registerReplayMetaTypes();
    registerKelvoMetaTypes();

    // The session takes the device's replies itself (queued, like every
    // subscriber of the protocol facade) and reports here what to show.
    m_session = new NvrPlaybackSession(this);
    m_barHideTimer = new QTimer(this);
    m_barHideTimer->setSingleShot(true);
    m_barHideTimer->setInterval(kBarHideMs);
    m_barPollTimer = new QTimer(this);
    m_barPollTimer->setInterval(kBarPollMs);
    m_recorder = makeWriter();

    NvrPlaybackSession *session = m_session;
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    connect(session, &NvrPlaybackSession::notice, this, &RecordWnd::onNotice);
    connect(session, &NvrPlaybackSession::markedDaysChanged, ui->calendarWidget, &MyCalendar::setMarkedDays);
    connect(session, &NvrPlaybackSession::dayRecordsChanged, this, &RecordWnd::onDayRecordsChanged);
    connect(session, &NvrPlaybackSession::dayGrewPast, this, &RecordWnd::onDayGrewPast);
    connect(session, &NvrPlaybackSession::paneStarted, this, &RecordWnd::onPaneStarted);
    connect(session, &NvrPlaybackSession::paneStreamReady, this, &RecordWnd::onPaneStreamReady);
    connect(session, &NvrPlaybackSession::streamData, replay,
            [replay](const QString &key, const QByteArray &data, qint64 timeMs) {
                replay->appendData(key, data.constData(), data.size(), timeMs, 0);
            });
    connect(session, &NvrPlaybackSession::paneSeeking, replay, [replay](int pane) { replay->seek(pane, 0); });
    connect(session, &NvrPlaybackSession::paneRestarting, replay, [replay](int pane) { replay->stop(pane); });
    connect(session, &NvrPlaybackSession::paneStopped, this, &RecordWnd::onPaneStopped);
    connect(session, &NvrPlaybackSession::paneConnectionLost, this, &RecordWnd::onPaneConnectionLost);
    connect(session, &NvrPlaybackSession::paneRecorderBack, this, &RecordWnd::onPaneRecorderBack);
    connect(session, &NvrPlaybackSession::downloadWriterWanted, this, &RecordWnd::onDownloadWriterWanted);
    connect(session, &NvrPlaybackSession::downloadData, this, [this](const QByteArray &data, qint64 stamp, bool key) {
        if (m_recorder)
            m_recorder->appendVideo(data.constData(), data.size(), stamp, key);
    });
    connect(session, &NvrPlaybackSession::downloadProgress, this, &RecordWnd::onDownloadProgress);
    session->setDownloadQueueSize([this] { return m_recorder ? m_recorder->queueSize() : 0; });
    connect(session, &NvrPlaybackSession::downloadFinished, this, &RecordWnd::onDownloadFinished);
    connect(session, &NvrPlaybackSession::downloadEnded, this, &RecordWnd::onDownloadEnded);

    ui->calendarWidget->setObjectName(QStringLiteral("remote_calendar"));
    ui->calendarWidget->setFixedSize(310, 220);
    connect(ui->calendarWidget, &QCalendarWidget::clicked, this, &RecordWnd::onCalendarClicked);
    // Streams start on the selected day, whichever way it was selected.
    connect(ui->calendarWidget, &QCalendarWidget::selectionChanged, this,
            [this] { m_session->setDay(ui->calendarWidget->selectedDate()); });
    m_session->setDay(ui->calendarWidget->selectedDate());
    connect(ui->lineEdit, &QLineEdit::textChanged, ui->treeView, &DeviceTree::setFilterText);
    connect(ui->treeView, &QTreeView::clicked, this, &RecordWnd::onDeviceItemClicked);
    connect(ui->treeView, &QTreeView::doubleClicked, this, &RecordWnd::onDeviceItemDoubleClicked);
    ui->treeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeView, &QWidget::customContextMenuRequested, this, &RecordWnd::showDeviceMenu);

    connect(replay, &FFmpegReplayWidget::emitFocusViewChanged, this, &RecordWnd::slotFocusViewChanged);
    connect(replay, &FFmpegReplayWidget::emitCaptureResult, this, &RecordWnd::onCaptureResult);
    connect(replay, &FFmpegReplayWidget::emitReplayTimestampS, this,
            [this](int index, qlonglong second) { slotReplayTimestamp(index, double(second)); });
    connect(replay, &FFmpegReplayWidget::emitSigCapture, this, [this](int) { captureFocused(); });
    connect(replay, &FFmpegReplayWidget::emitSigStop, this, [this](int) { stop(getFocusIndex()); });
    connect(replay, &FFmpegReplayWidget::emitSigPause, this, [this](int) { onBtnPlayClicked(false); });
    connect(replay, &FFmpegReplayWidget::emitSigResume, this, [this](int) { onBtnPlayClicked(true); });
    connect(replay, &FFmpegReplayWidget::sigFullScreenMouseMove, this, &RecordWnd::pollFullScreenBar);
    connect(replay, &FFmpegReplayWidget::sigFullScreenChanged, this, &RecordWnd::onFullScreenChanged);

    ReplayControl *bar = ui->widgetReplayControl;
    connect(bar, &ReplayControl::signalFull, this, &RecordWnd::toggleFullScreen);
    connect(bar, &ReplayControl::signalCapture, this, &RecordWnd::captureFocused);
    connect(bar, &ReplayControl::signalStop, this, [this] { stop(getFocusIndex()); });
    connect(bar, &ReplayControl::signalPause, this, &RecordWnd::onBtnPlayClicked);
    connect(bar, &ReplayControl::signalSpeed, this, &RecordWnd::onBtnSpeed);
    connect(ui->widgetTimeLine, &TimeLine::recordSelected, this, &RecordWnd::onTimeLineRecordSelected);
    connect(ui->pushButtonStart, &QPushButton::clicked, this, &RecordWnd::onBtnStartDownoadClicked);
    connect(ui->pushButtonEnd, &QPushButton::clicked, this, &RecordWnd::onBtnEndDownoadClicked);
    connect(ui->m_btnLeftShow, &QPushButton::clicked, this, &RecordWnd::toggleLeftPanel);
    connect(m_barPollTimer, &QTimer::timeout, this, &RecordWnd::pollFullScreenBar);
    connect(m_barHideTimer, &QTimer::timeout, this, [this] {
        if (m_fullScreenBar && ui->widgetVideoReplay->isFullScreenMode())
            m_fullScreenBar->hide();
    });

    ui->treeView->setHeaderHidden(true);
    ui->treeView->setNonNvrHidden(true);
    ui->widgetTimeLine->setCursorColor(qRgb(255, 0, 0));
    ui->lineEdit
        ->addAction(QIcon(QStringLiteral(":/Resources/Skin/Default/ptzNew/3DSite_pressed.png")),
                    QLineEdit::TrailingPosition)
        ->setText(tr("&Open..."));
    ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
    ui->labelProgressValue->clear();
    const QDateTime now = QDateTime::currentDateTime();
    ui->dateTimeEditStart->setDateTime(now.addSecs(-3600));
    ui->dateTimeEditEnd->setDateTime(now.addSecs(-3300));
    updateControlState();
}

RecordWnd::~RecordWnd()
{
    delete ui;
}

DeviceTree *RecordWnd::tree() const
{
    return ui->treeView;
}
MyCalendar *RecordWnd::calendar() const
{
    return ui->calendarWidget;
}
FFmpegReplayWidget *RecordWnd::replayWidget() const
{
    return ui->widgetVideoReplay;
}
ReplayControl *RecordWnd::control() const
{
    return ui->widgetReplayControl;
}
TimeLine *RecordWnd::timeLine() const
{
    return ui->widgetTimeLine;
}

std::vector<ArchiveRecordPtr> RecordWnd::dayRecords(const QString &key) const
{
    std::vector<ArchiveRecordPtr> records;
    for (const NvrPlaybackSession::Segment &s : m_session->dayRecords(key))
        records.push_back(std::make_shared<ArchiveRecord>(s.start, s.end));
    return records;
}

FUN_DEV_INFO *RecordWnd::getDevByIndex(int index) const
{
    return m_session->paneRecord(index);
}

int RecordWnd::getFocusIndex() const
{
    return ui->widgetVideoReplay ? ui->widgetVideoReplay->focusIndex() : -1;
}

int RecordWnd::getFreeIndex(const QString &key) const
{
    return m_session->freePane(key);
}

// ---- selection ---------------------------------------------------------------

void RecordWnd::onDeviceItemClicked(const QModelIndex &index)
{
    if (!index.isValid() || index.row() < 0 || index.column() < 0) {
        qWarning() << "Invalid index:" << index;
        return;
    }
    const QString key = ui->treeView->itemData(index).toString();
    if (key.isEmpty()) {
        qWarning() << "Empty device key for index:" << index;
        return;
    }
    const int pane = paneOf(key);
    if (pane >= 0) {
        ui->widgetVideoReplay->setFocusIndex(pane);
        return;
    }
    // Picked: the panes that lost it leave the word to what the operator does now.
    clearLostWords(key);
    if (key == m_session->currentKey())
        return;
    const QDate date = ui->calendarWidget->selectedDate();
    ui->calendarWidget->setCurrentPage(date.year(), date.month());
    m_session->select(key);
    qDebug() << "Device item clicked - Key:" << key;
    updateControlState();
}

void RecordWnd::onDeviceItemDoubleClicked(const QModelIndex &index)
{
    if (!index.isValid() || index.row() < 0 || index.column() < 0) {
        qWarning() << "Invalid index on double click:" << index;
        return;
    }
    const QString key = ui->treeView->itemData(index).toString();
    if (!key.isEmpty())
        playDevice(key);
}

void RecordWnd::showDeviceMenu(const QPoint &pos)
{
    const QModelIndex index = ui->treeView->indexAt(pos);
    if (!index.isValid())
        return;
    const QString key = ui->treeView->itemData(index).toString();
    if (key.isEmpty())
        return;
    const QPoint global = ui->treeView->viewport()->mapToGlobal(pos);
    const int pane = paneOf(key);
    if (pane >= 0) {
        ui->widgetVideoReplay->setFocusIndex(pane);
        ui->widgetVideoReplay->slotContextMenu(pane, global);
        return;
    }
    QMenu menu(this);
    QAction *start = menu.addAction(tr("Start Replay"));
    if (menu.exec(global) == start)
        playDevice(key);
}

void RecordWnd::playDevice(const QString &key)
{
    if (key.isEmpty())
        return;
    const int pane = paneOf(key);
    if (pane >= 0) {
        ui->widgetVideoReplay->setFocusIndex(pane);
        return;
    }
    const QDate date = ui->calendarWidget->selectedDate();
    ui->calendarWidget->setCurrentPage(date.year(), date.month());
    m_session->play(key);
}

void RecordWnd::onCalendarClicked(const QDate &date)
{
    m_session->pickDay(date);
}

// ---- record queries ----------------------------------------------------------

void RecordWnd::getNVRRecordInfo(const QString &key, const QDate &date, bool byMonth)
{
    m_session->query(key, date, byMonth);
}

void RecordWnd::recvCommonInfo(devXmlInfo info)
{
    m_session->recvCommonInfo(info);
}

void RecordWnd::onSearchNvrRecordResult(const QString &xml, const RecvInfo &info)
{
    m_session->onRecordQueryReply(xml, info);
}

void RecordWnd::handleMonthlyQueryResult(const QString &stream, const QString &ip)
{
    m_session->takeMonthDays(stream, ip);
}

void RecordWnd::dealNvrRecordInfo(const QString &stream, const QString &key, const QDate &date)
{
    m_session->takeDayRecords(stream, key, date);
}

void RecordWnd::onDayRecordsChanged(const QString &key)
{
    if (key != m_session->currentKey())
        return;
    const std::vector<ArchiveRecordPtr> records = dayRecords(key);
    ui->widgetTimeLine->setRecords(records);
    ui->widgetTimeLine->setCurrentTime(records.front()->startTime());
    updateControlState();
}

void RecordWnd::onDayGrewPast(int pane, qint64 position)
{
    const QString key = m_session->paneKey(pane);
    if (getFocusIndex() != pane || m_session->currentKey() != key)
        return;
    const std::vector<ArchiveRecordPtr> records = dayRecords(key);
    if (records.empty())
        return;
    ArchiveRecordPtr target = records.back();
    for (const ArchiveRecordPtr &r : records)
        if (r->contains(position))
            target = r;
    onTimeLineRecordSelected(target, position);
}

void RecordWnd::onNotice(NvrPlaybackSession::Notice what, const QString &key)
{
    switch (what) {
    case NvrPlaybackSession::Notice::NoRecords:
        MsgTipInfoDlg::showTip(tr("no records"), ToastMs);
        if (key == m_session->currentKey())
            ui->widgetTimeLine->clear();
        break;
    case NvrPlaybackSession::Notice::StartingStream:
        MsgTipInfoDlg::showTip(tr("Starting stream retrieval, please wait..."), ToastMs);
        break;
    case NvrPlaybackSession::Notice::PlaybackEnded:
        MsgTipInfoDlg::showTip(tr("Playback ended"), ToastMs);
        break;
    case NvrPlaybackSession::Notice::ConnectionLost:
        // One toast a pane: each says which channel it was.
        MsgTipInfoDlg::showTip(connectionLostText(key), ToastMs);
        break;
    case NvrPlaybackSession::Notice::DownloadRunning:
        MsgTipInfoDlg::showTip(tr("Video is downloading, please wait for the download to finish."), ToastMs);
        break;
    }
}

// ---- streaming ---------------------------------------------------------------

void RecordWnd::startPlaybackAt(const QString &key, qint64 startMs)
{
    m_session->startAt(key, startMs);
}

void RecordWnd::onPaneStarted(int pane, const QString &key)
{
    clearLostWord(pane);
    ui->widgetVideoReplay->setFocusIndex(pane);
    ui->treeView->setItemState(key, kPlayingState);
}

void RecordWnd::NVRChannelStream(const QString &key, const QDate &date, bool stop, bool download, qint64 startMs)
{
    m_session->streamRequest(key, date, stop, download, startMs);
}

bool RecordWnd::sendStopCMD(const QString &key, bool download)
{
    return m_session->sendStop(key, download);
}

void RecordWnd::dealReplayInfo(const RecvInfo &info)
{
    m_session->onStreamAnswer(info);
}

void RecordWnd::onPaneStreamReady(int pane, const QString &key, bool h265)
{
    ui->widgetVideoReplay->initStream(key, pane, h265, true);
    ui->widgetVideoReplay->play(pane);
    updateControlState();
}

void RecordWnd::dealReplayData(const RecvInfo &info)
{
    m_session->onStreamData(info);
}

void RecordWnd::dealWatchdog()
{
    m_session->watchdogTick();
}

void RecordWnd::onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t ms)
{
    if (!record || ms <= 0) {
        qWarning() << "Invalid record or timestamp";
        return;
    }
    ui->widgetTimeLine->setCurrentTime(ms);
    const QString key = m_session->currentKey();
    const int index = getFocusIndex();
    if (index < 0 || m_session->paneKey(index) != key) {
        startPlaybackAt(key, ms);
        return;
    }
    if (!getDevByIndex(index)) {
        qWarning() << "No device found for index:" << index;
        return;
    }
    m_session->seek(index, ms);
}

void RecordWnd::slotReplayTimestamp(int index, double second)
{
    ui->widgetTimeLine->setPlayPosition(second * 1000.0);
    m_session->playedTo(index, second);
}

void RecordWnd::slotFocusViewChanged(int index)
{
    if (index < 0)
        return;
    if (m_session->followPane(index)) {
        ui->treeView->selectItem(m_session->currentKey());
        ui->calendarWidget->setSelectedDate(m_session->shownDate());
    }
    updateTimeLine(index);
    updateControlState();
    if (ui->widgetVideoReplay && ui->widgetReplayControl) {
        const float speed = ui->widgetVideoReplay->speed(index);
        qDebug() << "index and ratio" << index << speed;
        ui->widgetReplayControl->setSpeed(speed);
    }
}

void RecordWnd::updateTimeLine(int index)
{
    if (index < 0)
        return;
    const QString key = m_session->paneKey(index);
    const std::vector<ArchiveRecordPtr> records = dayRecords(key);
    if (key.isEmpty() || records.empty()) {
        ui->widgetTimeLine->clear();
        return;
    }
    ui->widgetTimeLine->setRecords(records);
    ui->widgetTimeLine->setCurrentTime(m_session->panePosition(index));
}

void RecordWnd::updateControlState()
{
    ReplayControl *bar = ui->widgetReplayControl;
    if (!bar)
        return;
    const QString current = m_session->currentKey();
    bar->setEnabled(!current.isEmpty());
    const int index = getFocusIndex();
    if (!m_session->paneKey(index).isEmpty())
        bar->setPauseState(!ui->widgetVideoReplay->isPaused(index));
    else if (!current.isEmpty())
        bar->setPauseState(false);
}

void RecordWnd::onBtnPlayClicked(bool play)
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay)
        return;
    const int index = getFocusIndex();
    const QString current = m_session->currentKey();
    if (index < 0 || m_session->paneKey(index) != current || current.isEmpty()) {
        const NvrPlaybackSession::Segments segments = m_session->dayRecords(current);
        if (!segments.isEmpty())
            startPlaybackAt(current, segments.front().start);
        updateControlState();
        return;
    }
    if (!getDevByIndex(index)) {
        qWarning() << "No device found for index:" << index;
        return;
    }
    if (!play) {
        replay->pause(index);
        m_session->pause(index);
    } else {
        replay->resume(index);
        m_session->resume(index, replay->speed(index));
    }
    updateControlState();
}

void RecordWnd::onBtnSpeed(float speed)
{
    const int index = getFocusIndex();
    FUN_DEV_INFO *dev = getDevByIndex(index);
    if (!dev || speed <= 0)
        return;
    qDebug() << "index" << index << "speed" << speed;
    ui->widgetVideoReplay->setSpeed(index, speed);
    m_session->setSpeed(index, speed);
}

void RecordWnd::stop(int index)
{
    if (index < 0) {
        qWarning() << "Invalid index in stop:" << index;
        return;
    }
    m_session->stop(index);
}

void RecordWnd::onPaneStopped(int pane, const QString &key)
{
    clearLostWord(pane);
    ui->widgetVideoReplay->stop(pane);
    if (!key.isEmpty())
        ui->treeView->setItemState(key, kOnlineState);
    updateControlState();
}

void RecordWnd::onPaneConnectionLost(int pane, const QString &key)
{
    // The pane is free and black: what happened stays on it, not only in
    // the toast.
    m_lostWords.insert(pane, {key, false});
    showLostWord(pane);
}

void RecordWnd::onPaneRecorderBack(int pane, const QString &key, bool back)
{
    // Only a pane that still says what it lost is told how it stands now.
    const auto it = m_lostWords.find(pane);
    if (it == m_lostWords.end() || it->key != key)
        return;
    it->back = back;
    showLostWord(pane);
}

void RecordWnd::showLostWord(int pane)
{
    const LostWord word = m_lostWords.value(pane);
    if (!word.key.isEmpty())
        ui->widgetVideoReplay->setPaneWord(pane, word.back ? recorderBackText(word.key) : connectionLostText(word.key));
}

QString RecordWnd::connectionLostText(const QString &key)
{
    return QStringLiteral("%1\n%2").arg(channelTitle(key),
                                        tr("Playback stopped: the connection to the recorder was lost"));
}

QString RecordWnd::recorderBackText(const QString &key)
{
    return QStringLiteral("%1\n%2").arg(channelTitle(key), tr("The recorder is back: play the channel again"));
}

QString RecordWnd::channelTitle(const QString &key)
{
    const FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record)
        return key;
    if (record->channelIdx > 0 && record->parent)
        return QStringLiteral("%1 - %2").arg(record->parent->name, record->name);
    return record->name;
}

void RecordWnd::clearLostWord(int pane)
{
    if (m_lostWords.remove(pane) > 0)
        ui->widgetVideoReplay->setPaneWord(pane, QString());
}

void RecordWnd::clearLostWords(const QString &key)
{
    for (auto it = m_lostWords.begin(); it != m_lostWords.end();) {
        if (key.isEmpty() || it->key == key) {
            ui->widgetVideoReplay->setPaneWord(it.key(), QString());
            it = m_lostWords.erase(it);
        } else {
            ++it;
        }
    }
}

// ---- snapshot, full screen, left panel ---------------------------------------

void RecordWnd::captureFocused()
{
    const int index = getFocusIndex();
    FUN_DEV_INFO *dev = getDevByIndex(index);
    if (!dev)
        return;
    const QString path = CommonHelper::getSnapshotPath(dev);
    if (!path.isEmpty())
        ui->widgetVideoReplay->setKey(index, path);
}

void RecordWnd::onCaptureResult(bool result, const QString &path)
{
    if (result)
        MsgTipInfoDlg::showTipWithLink(tr("Snapshot successful") + QLatin1Char(' ') + tr("Saved to"), path, ToastMs);
    else
        MsgTipInfoDlg::showTip(tr("Snapshot failed"), ToastMs);
}

void RecordWnd::toggleFullScreen()
{
    if (!ui->widgetVideoReplay->isVisible())
        return;
    ui->widgetVideoReplay->setFullScreen();
    MsgTipInfoDlg::showTip(tr("Press ESC to exit the full screen."), ToastMs);
}

void RecordWnd::onFullScreenChanged(bool full)
{
    m_barHideTimer->stop();
    m_barPollTimer->stop();
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (full) {
        if (m_fullScreenBar)
            return;
        m_fullScreenBar = new QWidget(replay);
        m_fullScreenBar->installEventFilter(this);
        auto *layout = new QHBoxLayout(m_fullScreenBar);
        layout->setContentsMargins(4, 0, 4, 0);
        layout->setSpacing(4);
        ui->widgetTimeLine->setFixedHeight(30);
        layout->addWidget(ui->widgetTimeLine, 1);
        ui->widgetReplayControl->setFixedWidth(ui->widgetReplayControl->sizeHint().width());
        layout->addWidget(ui->widgetReplayControl);
        m_fullScreenBar->setGeometry(0, replay->height() - kBarHeight, replay->width(), kBarHeight);
        m_fullScreenBar->show();
        m_fullScreenBar->raise();
        m_barHideTimer->start(kBarHideMs);
        m_barPollTimer->start(kBarPollMs);
        return;
    }
    if (!m_fullScreenBar)
        return;
    ui->widgetTimeLine->setFixedHeight(60);
    ui->widgetReplayControl->setMinimumWidth(0);
    ui->widgetReplayControl->setMaximumWidth(QWIDGETSIZE_MAX);
    ui->verticalLayout_2->insertWidget(1, ui->widgetReplayControl);
    ui->verticalLayout_2->insertWidget(2, ui->widgetTimeLine);
    delete m_fullScreenBar;
    m_fullScreenBar = nullptr;
}

void RecordWnd::pollFullScreenBar()
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay->isFullScreenMode() || !m_fullScreenBar)
        return;
    const QPoint mouse = replay->mapFromGlobal(QCursor::pos());
    if (mouse.y() >= replay->height() - kBarShowBand) {
        m_fullScreenBar->setGeometry(0, replay->height() - kBarHeight, replay->width(), kBarHeight);
        m_fullScreenBar->show();
        m_fullScreenBar->raise();
        m_barHideTimer->stop();
    } else if (m_fullScreenBar->isVisible() && !m_barHideTimer->isActive()) {
        m_barHideTimer->start(kBarHideMs);
    }
}

bool RecordWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fullScreenBar && event->type() == QEvent::Enter)
        m_barHideTimer->stop();
    return QWidget::eventFilter(watched, event);
}

void RecordWnd::toggleLeftPanel()
{
    const bool hide = ui->widgetLeft->isVisible();
    ui->widgetLeft->setVisible(!hide);
    ui->m_btnLeftShow->setStyleSheet(
        QStringLiteral("border-image: url(:/Resources/Skin/Default/MainWindow/mv_left%1.png);")
            .arg(hide ? QStringLiteral("Hide") : QStringLiteral("Show")));
}

// ---- download ----------------------------------------------------------------

VideoRecord *RecordWnd::recorder()
{
    // The writer of the previous download may still be flushing its queue:
    // the next one gets a fresh writer instead of waiting on the GUI thread.
    if (m_recorder && m_recorder->isRunning()) {
        VideoRecord *busy = m_recorder;
        connect(busy, &QThread::finished, busy, &QObject::deleteLater);
        // Ended between the look and the connection: nothing would delete it.
        if (busy->isFinished())
            busy->deleteLater();
        m_recorder = makeWriter();
    }
    return m_recorder;
}

VideoRecord *RecordWnd::makeWriter()
{
    auto *writer = new VideoRecord(&m_playerParam, this);
    connect(
        writer, &VideoRecord::recordFailed, this,
        [this](const QString &written, const QString &reason) {
            const auto it = m_writtenDownloads.find(written);
            if (it != m_writtenDownloads.end())
                it->reason = reason;
        },
        Qt::QueuedConnection);
    connect(writer, &VideoRecord::recordFinished, this, &RecordWnd::onDownloadWritten, Qt::QueuedConnection);
    return writer;
}

void RecordWnd::onDownloadWritten(bool ok, const QString &written)
{
    const auto it = m_writtenDownloads.find(written);
    if (it == m_writtenDownloads.end())
        return;
    it->written = true;
    it->writtenOk = ok;
    // A writer that could not open the file is done before the recorder.
    if (it->judged || it->ended)
        settleDownload(written);
}

void RecordWnd::settleDownload(const QString &written)
{
    const WrittenDownload d = m_writtenDownloads.take(written);
    QString reason = d.reason;
    QString kept = written;
    if (d.judged && d.whole && d.writtenOk) {
        if (NvrPlaybackSession::completeDownloadFile(written, d.complete, &reason)) {
            MsgTipInfoDlg::showTipWithLink(
                QStringLiteral("%1 %2 %3").arg(d.title, tr("Download successful"), tr("Saved to")), d.complete,
                ToastMs);
            return;
        }
        // Renamed, but its folder could not be synced: the file is where its
        // name says, and the failure is said all the same.
        if (!QFileInfo::exists(written) && QFileInfo(d.complete).isFile())
            kept = d.complete;
    }
    // What did reach the disk is kept under its partial name, as long as it
    // holds a picture: the operator may still want the part.
    const QFileInfo file(kept);
    bool isKept = file.isFile() && !file.isSymLink();
    if (isKept && FFmpegRecordPlan::fileDurationMs(kept) <= 0) {
        isKept = !QFile::remove(kept);
        if (!isKept)
            qDebug() << "download without a picture removed:" << kept;
    }
    // Ended by the operator: only a file that could not be written is told.
    if (!d.judged && reason.isEmpty())
        return;
    QString text;
    if (reason.isEmpty()) {
        // Written whole, but not all of the range reached it.
        text = shortfallText(d.title, d.end);
    } else {
        text = QStringLiteral("%1 %2: %3").arg(d.title, tr("Download failed"), Platform::translatedFailure(reason));
    }
    if (isKept)
        MsgTipInfoDlg::showTipWithLink(text, kept, ToastMs);
    else
        MsgTipInfoDlg::showTip(text, ToastMs);
}

void RecordWnd::onBtnStartDownoadClicked(bool)
{
    using Refusal = NvrPlaybackSession::DownloadRefusal;
    // A recorder or group highlighted in the tree is what the operator takes
    // for the choice, not the channel picked before it.
    const QModelIndex highlighted = ui->treeView->currentIndex();
    const bool channelHighlighted = !highlighted.isValid() || !ui->treeView->itemData(highlighted).toString().isEmpty();
    const Refusal refusal = channelHighlighted ? m_session->startDownload(ui->dateTimeEditStart->dateTime(),
                                                                          ui->dateTimeEditEnd->dateTime())
                                               : Refusal::NotAChannel;
    QString text;
    switch (refusal) {
    case Refusal::None:
        m_downloadTitle = channelTitle(m_session->downloadKey());
        ui->pushButtonStart->setEnabled(false);
        return;
    case Refusal::NoChannel:
        text = tr("Please select the device to operate.");
        break;
    case Refusal::NotAChannel:
        text = tr("Please select a channel to download.");
        break;
    case Refusal::ChannelPlaying:
        text = tr("The current channel is playing back, please stop playback and try again.");
        break;
    case Refusal::DownloadRunning:
        text = tr("Video is downloading, please wait for the download to finish.");
        break;
    case Refusal::NotSameDay:
        text = tr("Only videos from the same day can be downloaded.");
        break;
    case Refusal::EndNotAfterStart:
        text = tr("Start time can not be greater than the end time.");
        break;
    case Refusal::NoFolder:
        text = tr("Failed to create file directory!");
        break;
    case Refusal::NoRecord:
        return; // logged by the session
    }
    MsgTipInfoDlg::showTip(text, ToastMs);
}

void RecordWnd::onDownloadWriterWanted(const QString &path, bool h265, qint64 rangeStart, qint64 rangeEnd)
{
    VideoRecord *writer = recorder();
    if (!writer) {
        qWarning() << "Decoder not initialized for download:" << m_session->downloadKey();
        return;
    }
    WrittenDownload &d = m_writtenDownloads[path];
    d = WrittenDownload();
    d.key = m_session->downloadKey();
    d.title = m_downloadTitle.isEmpty() ? channelTitle(d.key) : m_downloadTitle;
    d.complete = m_session->downloadPath();
    m_playerParam.reset();
    writer->setCustomIo(true);
    writer->setVideoCodec(h265);
    writer->setRange(rangeStart, rangeEnd);
    writer->startRecord(path, true);
    writer->start(QThread::InheritPriority);
}

void RecordWnd::dealDownloadData(const RecvInfo &info)
{
    m_session->onDownloadData(info);
}

int RecordWnd::calculateProgress(qint64 timeMs)
{
    return m_session->calculateProgress(timeMs);
}

void RecordWnd::onProgressTimer()
{
    m_session->progressTick();
}

void RecordWnd::onDownloadProgress(int percent)
{
    ui->labelProgressValue->setText(QStringLiteral("%1%").arg(percent));
}

QString RecordWnd::lossText(StreamLoss lost)
{
    switch (lost) {
    case StreamLoss::PieceMissing:
        return tr("a piece of a frame never arrived");
    case StreamLoss::FramesMissing:
        return tr("frames of the recording never arrived");
    case StreamLoss::FrameTooLarge:
        return tr("a frame larger than allowed was dropped");
    case StreamLoss::FrameGivenUp:
        return tr("the recorder stopped sending in the middle of a frame");
    case StreamLoss::None:
        break;
    }
    return QString();
}

QString RecordWnd::shortfallText(const QString &title, const NvrPlaybackSession::DownloadEnd &end)
{
    using Why = NvrPlaybackSession::Shortfall;
    const QString at = QDateTime::fromMSecsSinceEpoch(end.at).toString(QStringLiteral("HH:mm:ss"));
    const QString kept = QString::number(end.keptMs / 1000);
    const QString range = QString::number(end.rangeMs / 1000);
    QString text;
    switch (end.why) {
    case Why::DataLost:
        text = QStringLiteral("%1: %2").arg(tr("Download incomplete"), lossText(end.lost));
        break;
    case Why::ConnectionLost:
        text = end.keptMs > 0 || end.at > 0
                   ? tr("Download incomplete: the connection to the recorder was lost at %1 (%2 s of %3 s kept)")
                         .arg(at, kept, range)
                   : tr("Download failed: the connection to the recorder was lost before any footage came");
        break;
    case Why::Stopped:
        text = tr("Download incomplete: the recorder stopped sending at %1 (%2 s of %3 s kept)").arg(at, kept, range);
        break;
    case Why::NoAnswer:
        text = tr("Download failed: the recorder did not answer the request");
        break;
    case Why::NoFootage:
        text = tr("Download failed: the recorder sent no footage of the range");
        break;
    case Why::None:
        text = tr("Download failed");
        break;
    }
    return QStringLiteral("%1 %2").arg(title, text);
}

void RecordWnd::onDownloadFinished(const QString &key, const QString &path, bool success, bool received,
                                   StreamLoss lost, const NvrPlaybackSession::DownloadEnd &end)
{
    // The recorder's part is done; what the operator is told waits for the
    // file, which is only saved once its writer has closed it whole.
    const QString written = m_session->downloadFilePath();
    const auto it = m_writtenDownloads.find(written);
    if (it != m_writtenDownloads.end()) {
        it->judged = true;
        it->whole = success;
        it->end = end;
        if (it->written)
            settleDownload(written);
        return;
    }
    // No file was begun: the recorder never answered the request.
    Q_UNUSED(received)
    Q_UNUSED(path)
    Q_UNUSED(lost)
    MsgTipInfoDlg::showTip(shortfallText(m_downloadTitle.isEmpty() ? channelTitle(key) : m_downloadTitle, end),
                           ToastMs);
}

void RecordWnd::onBtnEndDownoadClicked()
{
    m_session->endDownload();
}

void RecordWnd::onDownloadEnded(const QString &path, bool received)
{
    Q_UNUSED(received)
    ui->labelProgressValue->clear();
    if (m_recorder)
        m_recorder->stopRecord();
    const auto it = m_writtenDownloads.find(path);
    if (it != m_writtenDownloads.end()) {
        it->ended = true;
        if (it->written)
            settleDownload(path);
    }
    ui->pushButtonStart->setEnabled(true);
}

// ---- lifecycle ---------------------------------------------------------------

void RecordWnd::resetReplay()
{
    clearLostWords();
    m_session->reset();
    ui->widgetVideoReplay->stopAll();
    ui->widgetTimeLine->setCurrentTime(0);
    ui->widgetTimeLine->clear();
    ui->calendarWidget->clearMarkedDays();
    updateControlState();
}

void RecordWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->treeView->reload();
    m_session->setActive(true);
    // Texts translated while the page was hidden are laid out before they
    // are measured for eliding.
    layout()->activate();
    CommonHelper::elideChildTexts(this);
}

void RecordWnd::hideEvent(QHideEvent *event)
{
    if (m_session->isActive())
        resetReplay();
    // Leaving also forgets the month days.
    m_session->setActive(false);
    QWidget::hideEvent(event);
}

void RecordWnd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
        for (auto it = m_lostWords.cbegin(); it != m_lostWords.cend(); ++it)
            showLostWord(it.key());
        // The new texts laid out first: eliding them in the widths of the old
        // ones would cut those that grew for good. A hidden page lays out
        // and elides when it is shown.
        if (isVisible()) {
            layout()->activate();
            CommonHelper::elideChildTexts(this);
        }
    }
    QWidget::changeEvent(event);
}
