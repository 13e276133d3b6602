#include "IotReplayWnd.h"
#include "ui_IotReplayWnd.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "RemoteCommon.h"

#include <QDebug>
#include <QEvent>

namespace {

constexpr int TipMs = 2000;
constexpr unsigned int DayRoom = 100;

QString dayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

qint64 midnightMs(const QDate &day)
{
    return QDateTime(day, QTime(0, 0)).toMSecsSinceEpoch();
}

bool emptyKey(const QString &key)
{
    // A node without connection carries "0,0": nothing to play there.
    return key.isEmpty() || key == QLatin1String("0,0");
}

} // namespace

IotReplayWnd::IotReplayWnd(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::IotReplayWnd)
{
    ui->setupUi(this);
    registerReplayMetaTypes();
    ui->lineEdit->hide();
    ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
    RemoteCommon *cloud = RemoteCommon::instance();

    ui->calendarWidget->setObjectName(QStringLiteral("remote_calendar"));
    ui->calendarWidget->setFixedSize(310, 220);
    connect(ui->calendarWidget, &QCalendarWidget::clicked, this, &IotReplayWnd::onCalendarClicked);
    connect(ui->calendarWidget, &QCalendarWidget::currentPageChanged, this, &IotReplayWnd::onCalendarPageChanged);
    // The toggle's image tells which way a click moves the panel, as on the other tabs.
    const auto showToggleImage = [this] {
        ui->m_btnLeftShow->setStyleSheet(
            QStringLiteral("border-image: url(:/Resources/Skin/Default/MainWindow/mv_left%1.png);")
                .arg(ui->widgetLeft->isHidden() ? QStringLiteral("Hide") : QStringLiteral("Show")));
    };
    showToggleImage();
    connect(ui->m_btnLeftShow, &QPushButton::clicked, this, [this, showToggleImage] {
        ui->widgetLeft->setVisible(ui->widgetLeft->isHidden());
        showToggleImage();
    });
    connect(ui->widgetRemoteDev, &RemoteDevView::sigRemoteDeviceSelected, this, &IotReplayWnd::onDeviceItemClicked);
    connect(ui->widgetRemoteDev, &RemoteDevView::sigDoubleClickedTree, this, &IotReplayWnd::onDeviceItemDoubleClicked,
            Qt::QueuedConnection);
    connect(cloud, &RemoteCommon::signalDeviceConnectStatus, ui->widgetRemoteDev,
            &RemoteDevView::slotDeviceConnectStatus);
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    replay->setCustomIo(true);
    connect(replay, &FFmpegReplayWidget::emitFocusViewChanged, this, &IotReplayWnd::slotFocusViewChanged);
    connect(replay, &FFmpegReplayWidget::emitCaptureResult, this, &IotReplayWnd::slotCaptureResult);
    connect(replay, &FFmpegReplayWidget::emitReplayTimestampMS, this, &IotReplayWnd::slotReplayTimestamp);
    connect(replay, &FFmpegReplayWidget::emitPlayError, this, &IotReplayWnd::stopPane);
    connect(cloud, &RemoteCommon::signalRecvRecord, this, &IotReplayWnd::slotRecvStream);
    connect(cloud, &RemoteCommon::signalCloseRecord, this, &IotReplayWnd::slotStopStream);
    connect(cloud, &RemoteCommon::signalRecordEnded, this, &IotReplayWnd::slotRecordEnded, Qt::QueuedConnection);
    ReplayControl *bar = ui->widgetReplayControl;
    bar->setFastVisible(false);
    bar->setSlowVisible(false);
    connect(bar, &ReplayControl::signalFull, this, &IotReplayWnd::onBtnFullScreenClicked);
    connect(bar, &ReplayControl::signalCapture, this, &IotReplayWnd::onBtnCaptureClicked);
    connect(bar, &ReplayControl::signalStop, this, &IotReplayWnd::onBtnStopClicked);
    connect(bar, &ReplayControl::signalPause, this, &IotReplayWnd::onBtnPlayClicked);
    ui->widgetTimeLine->setCursorColor(qRgb(255, 0, 0));
    connect(ui->widgetTimeLine, &TimeLine::recordSelected, this, &IotReplayWnd::onTimeLineRecordSelected);
    onUpdatePlayButtons();
}

IotReplayWnd::~IotReplayWnd()
{
    // The receivers hold the replay widget: no callback may outlive it.
    stopStreams();
    delete ui;
}

FFmpegReplayWidget *IotReplayWnd::replayWidget() const
{
    return ui->widgetVideoReplay;
}
RemoteDevView *IotReplayWnd::deviceView() const
{
    return ui->widgetRemoteDev;
}
ReplayControl *IotReplayWnd::controlBar() const
{
    return ui->widgetReplayControl;
}
TimeLine *IotReplayWnd::timeLine() const
{
    return ui->widgetTimeLine;
}
MyCalendar *IotReplayWnd::calendar() const
{
    return ui->calendarWidget;
}

int IotReplayWnd::focusIndex() const
{
    return ui->widgetVideoReplay ? std::max(0, ui->widgetVideoReplay->focusIndex()) : -1;
}

std::vector<ArchiveRecordPtr> IotReplayWnd::getOneDayRecord(const QString &key, const QDate &day) const
{
    record_info_t entries[DayRoom];
    unsigned int count = DayRoom;
    if (!RemoteCommon::instance()->getIotRecordInfo(key, dayText(day), entries, &count)) {
        qWarning() << "get iot record info error.";
        return {};
    }
    if (count == 0) {
        MsgTipInfoDlg::showTip(tr("There is no video in this day."), TipMs);
        qInfo() << key << "no record info.";
        return {};
    }
    std::vector<ArchiveRecordPtr> records;
    const qint64 midnight = midnightMs(day);
    for (unsigned int i = 0; i < count && i < DayRoom; ++i) {
        if (entries[i].type != 1)
            continue;
        qInfo() << "record" << i << entries[i].start << entries[i].length;
        records.push_back(std::make_shared<ArchiveRecord>(midnight + entries[i].start * 1000,
                                                          midnight + (entries[i].start + entries[i].length) * 1000));
    }
    return records;
}

bool IotReplayWnd::loadMonthMarks(const QString &key, const QDate &day)
{
    QStringList days;
    if (RemoteCommon::instance()->getIotRecordInfoMonth(key, dayText(day), days) && !days.isEmpty()) {
        ui->calendarWidget->setMarkedDays(days);
        return true;
    }
    MsgTipInfoDlg::showTip(tr("There is no video in this month."), TipMs);
    return false;
}

void IotReplayWnd::onDeviceItemClicked(QString key)
{
    if (emptyKey(key)) {
        qInfo() << "key is empty.";
        return;
    }
    const int pane = m_paneKeys.key(key, -1);
    if (pane >= 0)
        ui->widgetVideoReplay->setFocusIndex(pane);
    else if (key != m_currentKey)
        m_currentKey = key;
}

void IotReplayWnd::onDeviceItemDoubleClicked(QString key)
{
    if (emptyKey(key)) {
        qInfo() << "key is empty.";
        return;
    }
    RemoteCommon *cloud = RemoteCommon::instance();
    if (!cloud->checkStreamKey(key)) {
        MsgTipInfoDlg::showTip(tr("The device is previewing and cannot be play record."), TipMs);
        return;
    }
    if (m_paneKeys.key(key, -1) >= 0)
        return;
    const QDate day = ui->calendarWidget->selectedDate();
    if (!loadMonthMarks(key, day)) {
        qInfo() << day << "get month record error.";
        return;
    }
    const std::vector<ArchiveRecordPtr> records = getOneDayRecord(key, day);
    if (records.empty()) {
        qInfo() << day << "get day record error.";
        return;
    }
    const int index = CommonHelper::findFreeSlot(key, m_paneKeys);
    if (index < 0) {
        qInfo() << key << "Up to four channels can be played.";
        return;
    }
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    replay->resetParams(index);
    const qint64 first = records.front()->startTime();
    if (!cloud->startRecordStream(key, dayText(day), (first - midnightMs(day)) / 1000)) {
        MsgTipInfoDlg::showTip(tr("Record play failed."), TipMs);
        return;
    }
    const QSharedPointer<IotDeviceInfo> device = cloud->getConnectionByKey(key);
    replay->setOverlayText(index, device ? device->device_name : QString());
    m_paneKeys[index] = key;
    m_paneDays[index] = day;
    m_dayRecords[key] = records;
    ui->widgetTimeLine->setRecords(records);
    m_paneTimes[index] = first;
    // Runs on the cloud library's stream thread; only calls the replay
    // widget allows from there. Removed when the stream stops.
    const QString streamKey = QString::number(index);
    cloud->setMediaCallback(key, [replay, index, streamKey](const char *data, qint64 size, int codec, quint64 ts) {
        if (!replay->isInitialized(index) && !replay->isStopped(index)) {
            replay->initStream(streamKey, index, codec == 1, true);
            replay->play(index);
        }
        replay->appendData(streamKey, data, int(size), qint64(ts), 0);
    });
}

void IotReplayWnd::slotRecvStream(QString key)
{
    if (m_paneKeys.isEmpty() || key.isEmpty())
        return;
    const int pane = m_paneKeys.key(key, -1);
    if (pane < 0)
        return;
    ui->widgetVideoReplay->setFocusIndex(pane);
    ui->widgetRemoteDev->slotRecvData(key);
}

void IotReplayWnd::slotStopStream(QString key)
{
    if (m_paneKeys.isEmpty() || key.isEmpty())
        return;
    const int pane = m_paneKeys.key(key, -1);
    if (pane < 0)
        return;
    ui->widgetVideoReplay->setFocusIndex(pane);
    ui->widgetRemoteDev->slotCloseData(key);
}

void IotReplayWnd::slotRecordEnded(QString key, qulonglong lastMs)
{
    const int pane = m_paneKeys.key(key, -1);
    // Started again since (a pick, another day): that stream is not over.
    if (pane < 0 || !RemoteCommon::instance()->recordEnded(key))
        return;
    // The next recording of the day after what was played, if the cloud has
    // one the stream did not reach (the day's list is asked again: today's
    // may have grown); otherwise playback is over.
    const qint64 from = qMax<qint64>(qint64(lastMs), m_paneTimes.value(pane, 0));
    const QDate day = m_paneDays.value(pane);
    const auto nextOf = [from](const std::vector<ArchiveRecordPtr> &records) {
        for (const ArchiveRecordPtr &record : records)
            if (record && record->startTime() > from)
                return record;
        return ArchiveRecordPtr();
    };
    ArchiveRecordPtr next = nextOf(m_dayRecords.value(key));
    if (!next && day.isValid()) {
        const std::vector<ArchiveRecordPtr> fresh = getOneDayRecord(key, day);
        if (!fresh.empty()) {
            m_dayRecords[key] = fresh;
            if (focusIndex() == pane)
                ui->widgetTimeLine->setRecords(fresh);
            next = nextOf(fresh);
        }
    }
    if (next) {
        qInfo() << key << "recording ended, going on with the one at" << next->startTime();
        m_paneTimes[pane] = next->startTime();
        ui->widgetVideoReplay->seek(pane, 0);
        if (RemoteCommon::instance()->startRecordStream(key, dayText(day),
                                                        (next->startTime() - midnightMs(day)) / 1000))
            return;
    }
    qInfo() << key << "playback ended";
    MsgTipInfoDlg::showTip(tr("Playback ended"), TipMs);
    stopPane(pane);
    onUpdatePlayButtons();
}

void IotReplayWnd::slotReplayTimestamp(qulonglong timestamp)
{
    ui->widgetTimeLine->setCurrentTime(int64_t(timestamp));
}

void IotReplayWnd::onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t time)
{
    Q_UNUSED(record)
    const int index = focusIndex();
    ui->widgetTimeLine->setCurrentTime(time);
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(time);
    const qint64 start = (time - midnightMs(at.date())) / 1000;
    if (!m_paneKeys.contains(index))
        return;
    m_paneTimes[index] = time;
    ui->widgetVideoReplay->seek(index, 0);
    RemoteCommon::instance()->startRecordStream(m_paneKeys.value(index), dayText(at.date()), start);
}

void IotReplayWnd::onBtnPlayClicked(bool checked)
{
    const int index = focusIndex();
    if (!m_paneKeys.contains(index))
        return;
    const QString key = m_paneKeys.value(index);
    if (!checked) {
        ui->widgetVideoReplay->pause(index);
        RemoteCommon::instance()->recordAction(key, cloud::Pause);
    } else {
        ui->widgetVideoReplay->resume(index);
        RemoteCommon::instance()->recordAction(key, cloud::Resume);
    }
}

void IotReplayWnd::onBtnStopClicked()
{
    stopPane(focusIndex());
}

void IotReplayWnd::stopPane(int index)
{
    ui->widgetVideoReplay->stop(index);
    if (m_paneKeys.contains(index)) {
        RemoteCommon::instance()->stopConnectionByKey(m_paneKeys.value(index));
        m_paneKeys.remove(index);
        m_paneDays.remove(index);
        m_paneTimes.remove(index);
    }
    ui->widgetTimeLine->setCurrentTime(0);
    ui->widgetTimeLine->clear();
}

// Fast and slow playback of cloud recordings is not offered: the buttons
// show for channel 0 but act on nothing.
void IotReplayWnd::onBtnSlowClicked() { }
void IotReplayWnd::onBtnFastClicked() { }

void IotReplayWnd::onBtnCaptureClicked()
{
    const int index = focusIndex();
    if (!m_paneKeys.contains(index))
        return;
    const QString path = RemoteCommon::instance()->getPicturePath(m_paneKeys.value(index));
    if (!path.isEmpty())
        ui->widgetVideoReplay->setKey(index, path);
}

void IotReplayWnd::slotCaptureResult(bool result, QString path)
{
    if (!result)
        MsgTipInfoDlg::showTip(tr("Snapshot failed"), TipMs);
    else
        MsgTipInfoDlg::showTipWithLink(tr("Snapshot successful") + QLatin1Char(' ') + tr("Saved to"), path, TipMs);
}

void IotReplayWnd::onBtnFullScreenClicked()
{
    if (!ui->widgetVideoReplay->isVisible())
        return;
    ui->widgetVideoReplay->setFullScreen();
    MsgTipInfoDlg::showTip(tr("Press ESC to exit the full screen."), TipMs);
}

void IotReplayWnd::onUpdatePlayButtons()
{
    ReplayControl *bar = ui->widgetReplayControl;
    if (!bar)
        return;
    const int index = focusIndex();
    const bool playing = m_paneKeys.contains(index);
    bar->setEnabled(playing);
    // A pane that plays nothing is shown stopped, not as it was last played.
    if (!playing) {
        bar->showStopped();
        return;
    }
    bar->setPauseState(!ui->widgetVideoReplay->isPaused(index));
}

void IotReplayWnd::onCalendarClicked(QDate dt)
{
    if (dt == m_shownDate)
        return;
    m_shownDate = dt;
    const int pane = m_paneKeys.key(m_currentKey, -1);
    if (m_currentKey.isEmpty() || pane < 0)
        return;
    const std::vector<ArchiveRecordPtr> records = getOneDayRecord(m_currentKey, dt);
    if (records.empty()) {
        qInfo() << "no records.";
        return;
    }
    const qint64 first = records.front()->startTime();
    if (!RemoteCommon::instance()->startRecordStream(m_currentKey, dayText(dt), (first - midnightMs(dt)) / 1000))
        return;
    m_paneDays[pane] = dt;
    m_dayRecords[m_currentKey] = records;
    ui->widgetTimeLine->setRecords(records);
    m_paneTimes[pane] = first;
    ui->widgetVideoReplay->seek(pane, 0);
}

void IotReplayWnd::onCalendarPageChanged(int year, int month)
{
    if (!m_currentKey.isEmpty())
        loadMonthMarks(m_currentKey, QDate(year, month, 1));
}

void IotReplayWnd::slotFocusViewChanged(int index)
{
    if (m_paneKeys.contains(index)) {
        m_currentKey = m_paneKeys.value(index);
        m_shownDate = m_paneDays.value(index);
        ui->widgetRemoteDev->setTreeItemSelected(m_currentKey);
        ui->calendarWidget->setSelectedDate(m_shownDate);
    }
    updateTimeLine(index);
    updatePlayControl(index);
    onUpdatePlayButtons();
}

void IotReplayWnd::updateTimeLine(int index)
{
    if (!m_paneKeys.contains(index)) {
        ui->widgetTimeLine->clear();
        return;
    }
    ui->widgetTimeLine->setRecords(m_dayRecords.value(m_paneKeys.value(index)));
    // The pane times are not advanced here: the cursor follows the pane's
    // own timestamps.
    ui->widgetTimeLine->setCurrentTime(m_paneTimes.value(index, 0));
}

void IotReplayWnd::updatePlayControl(int index)
{
    int connection = 0, channel = -1;
    const bool show =
        m_paneKeys.contains(index) && RemoteCommon::parseStreamKey(m_currentKey, connection, channel) && channel == 0;
    ui->widgetReplayControl->setFastVisible(show);
    ui->widgetReplayControl->setSlowVisible(show);
}

void IotReplayWnd::stopStreams()
{
    for (const QString &key : qAsConst(m_paneKeys))
        RemoteCommon::instance()->stopConnectionByKey(key);
}

void IotReplayWnd::resetReplay()
{
    stopStreams();
    ui->widgetVideoReplay->stopAll();
    ui->widgetTimeLine->setCurrentTime(0);
    ui->widgetTimeLine->clear();
    ui->calendarWidget->clearMarkedDays();
    m_paneKeys.clear();
    m_dayRecords.clear();
    m_paneDays.clear();
    m_paneTimes.clear();
    m_shownDate = QDate();
    m_currentKey.clear();
    onUpdatePlayButtons();
}

void IotReplayWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->widgetRemoteDev->setLiveMode(false);
    ui->widgetRemoteDev->initItModel();
    m_shown = true;
    CommonHelper::elideChildTexts(this);
}

void IotReplayWnd::hideEvent(QHideEvent *event)
{
    if (m_shown) {
        resetReplay();
        m_shown = false;
    }
    QWidget::hideEvent(event);
}

void IotReplayWnd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->m_btnLeftShow->setText(QString());
        ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
        CommonHelper::elideChildTexts(this);
    }
    QWidget::changeEvent(event);
}
