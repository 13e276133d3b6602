#include "RecordWnd.h"
#include "ui_RecordWnd.h"

#include "CommonHelper.h"
#include "Platform.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegReplayWidget.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "MyCalendar.h"
#include "RecordRequests.h"
#include "ReplayControl.h"
#include "TimeLine.h"
#include "VideoRecord.h"

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QtEndian>

#include <cstring>

namespace {
constexpr int kPlayingState = 3;
constexpr int kOnlineState = 1;
constexpr int kMonthDelayMs = 50;
constexpr int kPreviousMonthDelayMs = 150;
constexpr int kChannelDelayMs = 200;
constexpr int kBarHeight = 40;
constexpr int kBarHideMs = 3000;
constexpr int kBarPollMs = 100;
constexpr int kBarShowBand = 120;
constexpr int kVideoParamSize = 536;
constexpr int kCodecNameSize = 256;
// The NVR reports recorded minutes: footage may end anywhere in its last one.
constexpr qint64 kMinuteMs = 60 * 1000;

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

qint64 midnight(const QDate &date)
{
    return QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
}

uint32_t le32(const QByteArray &block, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(block.constData() + offset));
}
}  // namespace

RecordWnd::RecordWnd(QWidget *parent) : QWidget(parent), ui(new Ui::RecordWnd)
{
    ui->setupUi(this);
    registerReplayMetaTypes();
    registerKelvoMetaTypes();

    m_watchdogTimer = new QTimer(this);
    m_watchdogTimer->setInterval(1000);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(1000);
    m_barHideTimer = new QTimer(this);
    m_barHideTimer->setSingleShot(true);
    m_barHideTimer->setInterval(kBarHideMs);
    m_barPollTimer = new QTimer(this);
    m_barPollTimer->setInterval(kBarPollMs);
    m_recorder = new VideoRecord(&m_playerParam, this);

    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &RecordWnd::recvCommonInfo,
            Qt::QueuedConnection);
    ui->calendarWidget->setObjectName(QStringLiteral("remote_calendar"));
    ui->calendarWidget->setFixedSize(310, 220);
    connect(ui->calendarWidget, &QCalendarWidget::clicked, this, &RecordWnd::onCalendarClicked);
    connect(ui->lineEdit, &QLineEdit::textChanged, ui->treeView, &DeviceTree::setFilterText);
    connect(ui->treeView, &QTreeView::clicked, this, &RecordWnd::onDeviceItemClicked);
    connect(ui->treeView, &QTreeView::doubleClicked, this, &RecordWnd::onDeviceItemDoubleClicked);
    ui->treeView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeView, &QWidget::customContextMenuRequested, this, &RecordWnd::showDeviceMenu);

    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
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
    connect(m_watchdogTimer, &QTimer::timeout, this, &RecordWnd::dealWatchdog);
    connect(m_progressTimer, &QTimer::timeout, this, &RecordWnd::onProgressTimer);
    connect(m_barPollTimer, &QTimer::timeout, this, &RecordWnd::pollFullScreenBar);
    connect(m_barHideTimer, &QTimer::timeout, this, [this] {
        if (m_fullScreenBar && ui->widgetVideoReplay->isFullScreenMode())
            m_fullScreenBar->hide();
    });

    ui->treeView->setHeaderHidden(true);
    ui->treeView->setNonNvrHidden(true);
    ui->widgetTimeLine->setCursorColor(qRgb(255, 0, 0));
    ui->lineEdit->addAction(QIcon(QStringLiteral(":/Resources/Skin/Default/ptzNew/3DSite_pressed.png")),
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
    m_watchdogTimer->stop();
    m_progressTimer->stop();
    delete ui;
}

DeviceTree *RecordWnd::tree() const { return ui->treeView; }
MyCalendar *RecordWnd::calendar() const { return ui->calendarWidget; }
FFmpegReplayWidget *RecordWnd::replayWidget() const { return ui->widgetVideoReplay; }
ReplayControl *RecordWnd::control() const { return ui->widgetReplayControl; }
TimeLine *RecordWnd::timeLine() const { return ui->widgetTimeLine; }

void RecordWnd::setWatchdogTimings(int tickMs, int idleLimitMs)
{
    m_watchdogTimer->setInterval(tickMs);
    m_idleLimitMs = idleLimitMs;
}

void RecordWnd::setProgressInterval(int ms)
{
    m_progressTimer->setInterval(ms);
}

bool RecordWnd::splitKey(const QString &key, QString *ip, int *channel)
{
    const QStringList parts = key.split(QLatin1Char('_'));
    if (parts.size() < 2) {
        qWarning() << "Invalid device key format:" << key;
        return false;
    }
    *ip = parts.first();
    *channel = parts.last().toInt();
    return true;
}

int RecordWnd::paneOf(const QString &key) const
{
    if (key.isEmpty())
        return -1;
    for (auto it = m_paneKeys.cbegin(); it != m_paneKeys.cend(); ++it)
        if (it.value() == key)
            return it.key();
    return -1;
}

FUN_DEV_INFO *RecordWnd::getDevByIndex(int index) const
{
    const QString key = m_paneKeys.value(index);
    return key.isEmpty() ? nullptr : DeviceInfoManager::instance()->findDevInfo(key);
}

int RecordWnd::getFocusIndex() const
{
    return ui->widgetVideoReplay ? ui->widgetVideoReplay->focusIndex() : -1;
}

int RecordWnd::getFreeIndex(const QString &key) const
{
    if (key.isEmpty()) {
        qWarning() << "Empty device ID in getFreeIndex";
        return -1;
    }
    return CommonHelper::findFreeSlot(key, m_paneKeys);
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
    if (key == m_currentKey)
        return;
    const QDate date = ui->calendarWidget->selectedDate();
    ui->calendarWidget->setCurrentPage(date.year(), date.month());
    m_currentKey = key;
    m_pendingPlayKey.clear();
    getNVRRecordInfo(key, date, true);
    getNVRRecordInfo(key, date, false);
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
    m_currentKey = key;
    m_pendingPlayKey.clear();
    const QDate date = ui->calendarWidget->selectedDate();
    ui->calendarWidget->setCurrentPage(date.year(), date.month());
    const std::vector<ArchiveRecordPtr> records = m_dayRecords.value(key);
    if (!records.empty() && m_dayRecordDates.value(key) == date) {
        startPlaybackAt(key, records.front()->startTime());
        return;
    }
    m_pendingPlayKey = key;
    getNVRRecordInfo(key, date, true);
    getNVRRecordInfo(key, date, false);
}

void RecordWnd::onCalendarClicked(const QDate &date)
{
    if (!date.isValid() || m_currentKey.isEmpty()) {
        qDebug() << "Invalid date or device ID";
        return;
    }
    if (date == m_shownDate) {
        qDebug() << "Same date selected, no action needed";
        return;
    }
    m_shownDate = date;
    m_pendingPlayKey.clear();
    const int pane = paneOf(m_currentKey);
    if (pane >= 0)
        stop(pane);
    getNVRRecordInfo(m_currentKey, date, true);
    getNVRRecordInfo(m_currentKey, date, false);
}

// ---- record queries ----------------------------------------------------------

void RecordWnd::getNVRRecordInfo(const QString &key, const QDate &date, bool byMonth)
{
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return;
    const QString day = dayText(date);
    if (byMonth) {
        if (m_monthDays.value(ip).contains(day))
            return;
        FUN_DEV_INFO *nvr = DeviceInfoManager::instance()->findDevInfo(ip);
        if (!nvr)
            return;
        if (nvr->loginStatus != 1) {
            qDebug() << "Device offline:" << ip;
            return;
        }
        const loginDev connection = toLoginDev(nvr);
        RecordQuery query;
        query.channel = uint8_t(channel);
        query.time = day;
        query.byMonth = 1;
        QTimer::singleShot(kMonthDelayMs, this,
                           [connection, query] { KelvoSDKHelper::instance()->queryRecord(connection, query); });
        RecordQuery previous = query;
        previous.time = dayText(date.addMonths(-1));
        QTimer::singleShot(kPreviousMonthDelayMs, this,
                           [connection, previous] { KelvoSDKHelper::instance()->queryRecord(connection, previous); });
        qDebug() << "Requested monthly records for:" << ip << day;
        return;
    }
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record)
        return;
    DeviceInfoManager::instance()->loginDevice(record);
    m_dayAsked.insert(key, date);
    const loginDev connection = toLoginDev(record);
    RecordQuery query;
    query.channel = uint8_t(channel);
    query.time = day;
    query.byMonth = 0;
    QTimer::singleShot(kChannelDelayMs, this,
                       [connection, query] { KelvoSDKHelper::instance()->queryRecord(connection, query); });
    qDebug() << "Requested daily records for:" << key << day;
}

void RecordWnd::recvCommonInfo(devXmlInfo info)
{
    if (!m_shown || info.xml.isEmpty())
        return;
    const int cmd = findValuesInXml(info.xml, QStringLiteral("head")).value(QStringLiteral("cmd")).trimmed().toInt();
    switch (cmd) {
    case 14300: onSearchNvrRecordResult(info.xml, info); break;
    case 90000: dealReplayInfo(info); break;
    case 90001: dealReplayData(info); break;
    case 90002: dealDownloadData(info); break;
    default: break;
    }
}

void RecordWnd::onSearchNvrRecordResult(const QString &xml, const RecvInfo &info)
{
    if (xml.isEmpty()) {
        qDebug() << "Empty NVR record response received";
        return;
    }
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    const int byMonth = body.value(QStringLiteral("ByMonth")).trimmed().toInt();
    const QString stream = body.value(QStringLiteral("Stream")).trimmed();
    if (byMonth >= 1) {
        // The month query went on the NVR's own connection: the reply names it.
        handleMonthlyQueryResult(stream, info.ip);
        return;
    }
    // A day reply comes on the channel's own connection, so it belongs to that
    // channel and to the day asked for it, whatever is selected by now.
    if (!info.ip.isEmpty() && info.channel != 0) {
        const QString key = devKey(info.ip, info.channel);
        dealNvrRecordInfo(stream, key, m_dayAsked.value(key, ui->calendarWidget->selectedDate()));
        return;
    }
    dealNvrRecordInfo(stream, m_currentKey, ui->calendarWidget->selectedDate());
}

void RecordWnd::handleMonthlyQueryResult(const QString &stream, const QString &ipOfReply)
{
    const QStringList days = stream.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QString ip = ipOfReply;
    if (ip.isEmpty())
        ip = m_currentKey.split(QLatin1Char('_')).first();
    if (days.isEmpty()) {
        qDebug() << "No monthly records found for device:" << ip;
        return;
    }
    QSet<QString> known = m_monthDays.value(ip);
    bool added = false;
    for (const QString &day : days) {
        const QString d = day.trimmed();
        if (!d.isEmpty() && !known.contains(d)) {
            known.insert(d);
            added = true;
        }
    }
    if (!added)
        return;
    m_monthDays.insert(ip, known);
    // The calendar shows the NVR of the current channel.
    if (m_currentKey.split(QLatin1Char('_')).first() == ip)
        ui->calendarWidget->setMarkedDays(QStringList(known.cbegin(), known.cend()));
    qDebug() << "Updated monthly records for device:" << ip << "Total dates:" << known.size();
}

QList<QPair<int, int>> RecordWnd::minuteRuns(const QString &stream)
{
    QList<QPair<int, int>> runs;
    int start = -1;
    for (int i = 0; i < stream.size(); ++i) {
        const bool recorded = stream.at(i) != QLatin1Char('C');
        if (recorded && start < 0)
            start = i;
        else if (!recorded && start >= 0) {
            runs.append({start, i});
            start = -1;
        }
    }
    if (start >= 0)
        runs.append({start, int(stream.size())});
    return runs;
}

void RecordWnd::dealNvrRecordInfo(const QString &stream, const QString &key, const QDate &dateIn)
{
    const QDate date = dateIn.isValid() ? dateIn : ui->calendarWidget->selectedDate();
    const QList<QPair<int, int>> runs = minuteRuns(stream.left(24 * 60));
    if (runs.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("no records"), ToastMs);
        if (key == m_currentKey)
            ui->widgetTimeLine->clear();
        m_refresh.remove(key);
        return;
    }
    const qint64 base = midnight(date);
    std::vector<ArchiveRecordPtr> records;
    records.reserve(size_t(runs.size()));
    for (const auto &run : runs)
        records.push_back(std::make_shared<ArchiveRecord>(base + run.first * kMinuteMs, base + run.second * kMinuteMs));
    if (!DeviceInfoManager::instance()->findDevInfo(key)) {
        qWarning() << "Invalid device key:" << key;
        return;
    }
    m_dayRecords.insert(key, records);
    m_dayRecordDates.insert(key, date);
    qDebug() << "Retrieved daily records for device:" << key << records.size();

    if (key == m_currentKey) {
        ui->widgetTimeLine->setRecords(records);
        ui->widgetTimeLine->setCurrentTime(records.front()->startTime());
        if (key == m_pendingPlayKey) {
            m_pendingPlayKey.clear();
            startPlaybackAt(key, records.front()->startTime());
        }
        updateControlState();
    }

    // A refresh asked past the known end: seek on only when the new list goes
    // beyond the play position (a seek empties the stream queue).
    auto refresh = m_refresh.find(key);
    if (refresh != m_refresh.end() && refresh->outstanding) {
        refresh->outstanding = false;
        const qint64 position = refresh->position;
        const int pane = paneOf(key);
        if (pane >= 0 && records.back()->endTime() > position) {
            ArchiveRecordPtr target = records.back();
            for (const ArchiveRecordPtr &r : records)
                if (r->contains(position))
                    target = r;
            if (getFocusIndex() == pane && m_currentKey == key)
                onTimeLineRecordSelected(target, position);
        }
    }
}

// ---- streaming ---------------------------------------------------------------

void RecordWnd::startPlaybackAt(const QString &key, qint64 startMs)
{
    if (key.isEmpty() || paneOf(key) >= 0)
        return;
    // The download has the channel's connection: a playback stop would log
    // it out under the download.
    if (key == m_downloadKey) {
        MsgTipInfoDlg::showTip(tr("Video is downloading, please wait for the download to finish."), ToastMs);
        return;
    }
    const QDate date = ui->calendarWidget->selectedDate();
    const int index = getFreeIndex(key);
    if (index < 0) {
        qWarning() << "No free view index for:" << key;
        return;
    }
    m_paneKeys.insert(index, key);
    if (FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key))
        DeviceInfoManager::instance()->loginDevice(record);
    QTimer::singleShot(kChannelDelayMs, this, [this, key, date, startMs] {
        // Stopped or reset in the meantime: nothing to ask for.
        if (paneOf(key) >= 0)
            NVRChannelStream(key, date, false, false, startMs);
    });
    MsgTipInfoDlg::showTip(tr("Starting stream retrieval, please wait..."), ToastMs);
    m_panePositions.insert(index, startMs);
    m_paneDates.insert(index, date);
    ui->widgetVideoReplay->setFocusIndex(index);
    ui->treeView->setItemState(key, kPlayingState);
    qDebug() << "New playback started at index:" << index << "Start time(ms):" << startMs;
}

void RecordWnd::NVRChannelStream(const QString &key, const QDate &date, bool stop, bool download, qint64 startMs)
{
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return;
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record) {
        qWarning() << "Device not found for key:" << key;
        return;
    }
    RecordStreamRequest request;
    request.channel = uint8_t(channel);
    request.startTime = startMs > 0 ? QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyyMMddhhmmss"))
                                    : dayText(date) + QStringLiteral("000000");
    request.endTime = dayText(date) + QStringLiteral("235959");
    request.download = download ? 1 : 0;
    if (stop)
        KelvoSDKHelper::instance()->stopDownload(toLoginDev(record), request);
    else
        KelvoSDKHelper::instance()->downloadOrRecord(toLoginDev(record), request);
    qDebug() << "NVRChannelStream operation - Key:" << key << " Stop:" << stop << " Download:" << download
             << " Date:" << date;
}

bool RecordWnd::sendStopCMD(const QString &key, bool download)
{
    if (key.isEmpty()) {
        qWarning() << "Empty device key in sendStopCMD";
        return false;
    }
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(key);
    if (!record) {
        qWarning() << "Device not found for key:" << key;
        return false;
    }
    QString ip;
    int channel = 0;
    if (!splitKey(key, &ip, &channel))
        return false;
    RecordStreamRequest request;
    request.channel = uint8_t(channel);
    request.download = download ? 1 : 0;
    KelvoSDKHelper::instance()->stopDownload(toLoginDev(record), request);
    qDebug() << "Sent stop command for" << (download ? "download" : "playback") << "on device:" << key;
    return true;
}

void RecordWnd::dealReplayInfo(const RecvInfo &info)
{
    if (info.ip.isEmpty() || info.xml.isEmpty()) {
        qWarning() << "Invalid replay info received";
        return;
    }
    const QString key = devKey(info.ip, info.channel);
    const QString param = findValuesInXml(info.xml, QStringLiteral("body")).value(QStringLiteral("VideoParam")).trimmed();
    // A short block reads as if zero-filled; the name stays inside its field.
    QByteArray block = QByteArray::fromBase64(param.toLatin1()).left(kVideoParamSize);
    block.append(QByteArray(kVideoParamSize - block.size(), '\0'));
    const QByteArray codec = QByteArray(block.constData(), int(qstrnlen(block.constData(), kCodecNameSize)));
    const bool h265 = codec.contains("H265");
    qDebug() << "ReplayInfo: " << key << codec << le32(block, 256) << le32(block, 260) << le32(block, 268);

    if (m_downloading && key == m_downloadKey) {
        VideoRecord *writer = recorder();
        if (!writer) {
            qWarning() << "Decoder not initialized for download:" << key;
            return;
        }
        m_playerParam.reset();
        writer->setCustomIo(true);
        writer->setVideoCodec(h265);
        // The recorder may send more than was asked (from an earlier key
        // frame, or on to the end of its file): the file keeps the range.
        writer->setRange(m_rangeStart, m_rangeEnd);
        writer->startRecord(m_downloadPath, true);
        writer->start(QThread::InheritPriority);
        qDebug() << "Starting video recording for:" << key << "Path:" << m_downloadPath;
        return;
    }
    const int index = paneOf(key);
    if (index < 0)
        return;
    qDebug() << "Initializing playback for device:" << key << "at view index:" << index;
    ui->widgetVideoReplay->initStream(key, index, h265, true);
    ui->widgetVideoReplay->play(index);
    m_lastDataTime.insert(key, QDateTime::currentMSecsSinceEpoch());
    if (!m_watchdogTimer->isActive())
        m_watchdogTimer->start();
    updateControlState();
}

void RecordWnd::dealReplayData(const RecvInfo &info)
{
    if (info.data.isEmpty() || info.mediaHeader.skipFlag())
        return;
    const QString key = devKey(info.ip, info.channel);
    if (paneOf(key) < 0)
        return;
    m_lastDataTime.insert(key, QDateTime::currentMSecsSinceEpoch());
    ui->widgetVideoReplay->appendData(key, info.data.constData(), info.data.size(),
                                      qint64(info.mediaHeader.frameTimeMs()), 0);
}

void RecordWnd::dealWatchdog()
{
    if (m_lastDataTime.isEmpty()) {
        m_watchdogTimer->stop();
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QList<QPair<QString, int>> expired;
    for (auto it = m_lastDataTime.begin(); it != m_lastDataTime.end();) {
        const int index = paneOf(it.key());
        if (index < 0) {
            it = m_lastDataTime.erase(it);
            continue;
        }
        const qint64 idle = now - it.value();
        if (!ui->widgetVideoReplay->isPaused(index) && idle > m_idleLimitMs) {
            qInfo() << "watchdog: stream idle" << idle << "ms >" << m_idleLimitMs << ", treat as replay END. key="
                    << it.key() << " idx=" << index;
            expired.append({it.key(), index});
        }
        ++it;
    }
    // stop() edits the map walked above: stop after the walk.
    for (const auto &entry : expired) {
        stop(entry.second);
        MsgTipInfoDlg::showTip(tr("Playback ended"), ToastMs);
    }
    if (m_lastDataTime.isEmpty())
        m_watchdogTimer->stop();
}

void RecordWnd::onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t ms)
{
    if (!record || ms <= 0) {
        qWarning() << "Invalid record or timestamp";
        return;
    }
    ui->widgetTimeLine->setCurrentTime(ms);
    const QString key = m_currentKey;
    const int index = getFocusIndex();
    if (index < 0 || m_paneKeys.value(index) != key) {
        startPlaybackAt(key, ms);
        return;
    }
    FUN_DEV_INFO *dev = getDevByIndex(index);
    if (!dev) {
        qWarning() << "No device found for index:" << index;
        return;
    }
    const QString timeText = QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyyMMddhhmmss"));
    const qint64 previous = m_panePositions.value(index, 0);
    m_panePositions.insert(index, ms);
    const QDate date = m_paneDates.value(index);
    if (ms < previous) {
        qDebug() << "Backward seek, restart stream from:" << timeText;
        NVRChannelStream(key, date, true, false, 0);
        ui->widgetVideoReplay->stop(index);
        m_lastDataTime.remove(key);
        NVRChannelStream(key, date, false, false, ms);
        MsgTipInfoDlg::showTip(tr("Starting stream retrieval, please wait..."), ToastMs);
        return;
    }
    qDebug() << "Seeking to time:" << timeText;
    ui->widgetVideoReplay->seek(index, 0);
    KelvoSDKHelper::instance()->seekPlay(toLoginDev(dev), timeText);
}

void RecordWnd::slotReplayTimestamp(int index, double second)
{
    ui->widgetTimeLine->setPlayPosition(second * 1000.0);
    if (index < 0 || !m_paneDates.contains(index))
        return;
    const QString key = m_paneKeys.value(index);
    const std::vector<ArchiveRecordPtr> records = m_dayRecords.value(key);
    if (key.isEmpty() || records.empty())
        return;
    const qint64 t = midnight(m_paneDates.value(index)) + qint64(second + 5.0) * 1000;
    if (t <= records.back()->endTime())
        return;
    // The day may still be recording: ask again, once at a time and not
    // more often than the refresh interval.
    // An answer lost for longer than the interval does not block the next one.
    Refresh &refresh = m_refresh[key];
    if (refresh.since.isValid() && refresh.since.elapsed() < m_refreshIntervalMs)
        return;
    qDebug() << "Updating records for device:" << key;
    refresh.outstanding = true;
    refresh.position = t;
    refresh.since.start();
    getNVRRecordInfo(key, m_paneDates.value(index), false);
}

void RecordWnd::slotFocusViewChanged(int index)
{
    if (index < 0)
        return;
    const QString key = m_paneKeys.value(index);
    if (!key.isEmpty()) {
        m_currentKey = key;
        m_shownDate = m_paneDates.value(index);
        ui->treeView->selectItem(key);
        ui->calendarWidget->setSelectedDate(m_shownDate);
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
    const QString key = m_paneKeys.value(index);
    if (key.isEmpty() || m_dayRecords.value(key).empty()) {
        ui->widgetTimeLine->clear();
        return;
    }
    ui->widgetTimeLine->setRecords(m_dayRecords.value(key));
    if (m_panePositions.contains(index))
        ui->widgetTimeLine->setCurrentTime(m_panePositions.value(index));
}

void RecordWnd::updateControlState()
{
    ReplayControl *bar = ui->widgetReplayControl;
    if (!bar)
        return;
    bar->setEnabled(!m_currentKey.isEmpty());
    const int index = getFocusIndex();
    if (!m_paneKeys.value(index).isEmpty())
        bar->setPauseState(!ui->widgetVideoReplay->isPaused(index));
    else if (!m_currentKey.isEmpty())
        bar->setPauseState(false);
}

void RecordWnd::onBtnPlayClicked(bool play)
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay)
        return;
    const int index = getFocusIndex();
    if (index < 0 || m_paneKeys.value(index) != m_currentKey || m_currentKey.isEmpty()) {
        const std::vector<ArchiveRecordPtr> records = m_dayRecords.value(m_currentKey);
        if (!records.empty())
            startPlaybackAt(m_currentKey, records.front()->startTime());
        updateControlState();
        return;
    }
    FUN_DEV_INFO *dev = getDevByIndex(index);
    if (!dev) {
        qWarning() << "No device found for index:" << index;
        return;
    }
    if (!play) {
        replay->pause(index);
        KelvoSDKHelper::instance()->pausePlay(toLoginDev(dev));
    } else {
        replay->resume(index);
        KelvoSDKHelper::instance()->resumePlay(toLoginDev(dev));
        const float speed = replay->speed(index);
        if (speed > 0) {
            const bool fast = speed >= 1.0f;
            KelvoSDKHelper::instance()->setPlaySpeed(toLoginDev(dev), uchar(fast ? speed : 1.0f / speed), fast);
        }
        m_lastDataTime.insert(m_paneKeys.value(index), QDateTime::currentMSecsSinceEpoch());
        if (!m_watchdogTimer->isActive())
            m_watchdogTimer->start();
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
    const bool fast = speed >= 1.0f;
    KelvoSDKHelper::instance()->setPlaySpeed(toLoginDev(dev), uchar(fast ? speed : 1.0f / speed), fast);
}

void RecordWnd::stop(int index)
{
    if (index < 0) {
        qWarning() << "Invalid index in stop:" << index;
        return;
    }
    ui->widgetVideoReplay->stop(index);
    if (FUN_DEV_INFO *dev = getDevByIndex(index)) {
        const QString key = CommonHelper::getDevKey(dev);
        sendStopCMD(key, false);
        DeviceInfoManager::instance()->logoutDevice(dev);
        qDebug() << "Stop playback - Index:" << index << "Device:" << key;
    }
    const QString key = m_paneKeys.value(index);
    if (!key.isEmpty()) {
        ui->treeView->setItemState(key, kOnlineState);
        m_lastDataTime.remove(key);
        m_refresh.remove(key);
    }
    m_paneKeys.remove(index);
    m_paneDates.remove(index);
    m_panePositions.remove(index);
    updateControlState();
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
        m_recorder = new VideoRecord(&m_playerParam, this);
    }
    return m_recorder;
}

qint64 RecordWnd::recordedEndWithin(const QString &key, qint64 from, qint64 to) const
{
    // Without the day's list the range end is all we know.
    if (m_dayRecordDates.value(key) != QDateTime::fromMSecsSinceEpoch(from).date())
        return to;
    qint64 end = 0;
    for (const ArchiveRecordPtr &r : m_dayRecords.value(key))
        if (r->startTime() < to && r->endTime() > from)
            end = qMax<qint64>(end, qMin<qint64>(r->endTime(), to));
    return end;
}

void RecordWnd::onBtnStartDownoadClicked(bool)
{
    const QDateTime start = ui->dateTimeEditStart->dateTime();
    const QDateTime end = ui->dateTimeEditEnd->dateTime();
    QString refusal;
    if (m_currentKey.isEmpty())
        refusal = tr("Please select the device to operate.");
    else if (paneOf(m_currentKey) >= 0)
        refusal = tr("The current channel is playing back, please stop playback and try again.");
    else if (!m_downloadKey.isEmpty())
        refusal = tr("Video is downloading, please wait for the download to finish.");
    else if (start.date() != end.date())
        refusal = tr("Only videos from the same day can be downloaded.");
    else if (end.toMSecsSinceEpoch() / 1000 <= start.toMSecsSinceEpoch() / 1000)
        refusal = tr("Start time can not be greater than the end time.");
    if (!refusal.isEmpty()) {
        MsgTipInfoDlg::showTip(refusal, ToastMs);
        return;
    }
    FUN_DEV_INFO *record = DeviceInfoManager::instance()->findDevInfo(m_currentKey);
    if (!record) {
        qWarning() << "Device not found:" << m_currentKey;
        return;
    }
    DeviceInfoManager::instance()->loginDevice(record);
    QString ip;
    int channel = 0;
    if (!splitKey(m_currentKey, &ip, &channel))
        return;
    const QString folder = CommonHelper::getRecordDir(record, false);
    if (folder.isEmpty() || !Platform::makePrivateDir(folder)) {
        qWarning() << "Failed to create download directory:" << folder;
        return;
    }
    const QString timeFormat = QStringLiteral("yyyyMMddhhmmsszzz");
    // A download of the same start again gets a name of its own: the file
    // before it is never replaced.
    const QString base = QDir(folder).filePath(start.toString(timeFormat));
    QString path = base + QStringLiteral(".mp4");
    for (int n = 1; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = base + QStringLiteral("_%1.mp4").arg(n);
    m_downloadPath = QDir::toNativeSeparators(path);
    m_downloadKey = m_currentKey;

    RecordStreamRequest request;
    request.channel = uint8_t(channel);
    request.startTime = start.toString(timeFormat);
    request.endTime = end.toString(timeFormat);
    request.download = 1;
    m_rangeStart = m_lastTimeStamp = start.toMSecsSinceEpoch();
    m_rangeEnd = end.toMSecsSinceEpoch();
    m_rangeDay = start.date();
    m_footageEnd = recordedEndWithin(m_downloadKey, m_rangeStart, m_rangeEnd);
    m_recvCount = m_lastCount = m_countDelta = 0;
    m_stallCount = 0;
    m_downloading = true;
    const loginDev connection = toLoginDev(record);
    const QString key = m_downloadKey;
    QTimer::singleShot(kChannelDelayMs, this, [this, connection, request, key] {
        if (m_downloadKey != key)
            return;
        KelvoSDKHelper::instance()->downloadOrRecord(connection, request);
        // Counted from the request: a device that never answers, or answers
        // without data, ends the download as failed instead of holding it.
        m_progressTimer->start();
    });
    ui->pushButtonStart->setEnabled(false);
    qDebug() << "Starting download - Device:" << m_downloadKey << "Path:" << m_downloadPath << "Time range:"
             << request.startTime << "to" << request.endTime;
}

void RecordWnd::dealDownloadData(const RecvInfo &info)
{
    if (info.data.isEmpty() || info.mediaHeader.skipFlag() || !m_downloading)
        return;
    // Only the download's channel writes into the file.
    if (devKey(info.ip, info.channel) != m_downloadKey)
        return;
    const qint64 stamp = midnight(m_rangeDay) + qint64(info.mediaHeader.frameTimeMs());
    if (m_recorder)
        m_recorder->appendVideo(info.data.constData(), info.data.size(), stamp, info.mediaHeader.frameFlag() == 1);
    ++m_recvCount;
    m_lastTimeStamp = stamp;
}

int RecordWnd::calculateProgress(qint64 timeMs)
{
    if (m_rangeEnd <= m_rangeStart) {
        qDebug() << "Invalid time range - End:" << m_rangeEnd << "Start:" << m_rangeStart;
        return 0;
    }
    if (timeMs < m_rangeStart) {
        qDebug() << "Received timestamp is before start time - Received:" << timeMs << "Start:" << m_rangeStart;
        return 0;
    }
    m_countDelta = m_recvCount - m_lastCount;
    m_lastCount = m_recvCount;
    const int percent = int(qMin<qint64>(100, (timeMs - m_rangeStart) * 100 / (m_rangeEnd - m_rangeStart)));
    const QString f = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    qDebug() << "Download Progress - Current:" << QDateTime::fromMSecsSinceEpoch(timeMs).toString(f)
             << " Start:" << QDateTime::fromMSecsSinceEpoch(m_rangeStart).toString(f)
             << " End:" << QDateTime::fromMSecsSinceEpoch(m_rangeEnd).toString(f)
             << " Queue size:" << (m_recorder ? m_recorder->queueSize() : 0) << " Last count:" << m_countDelta
             << " Total count:" << m_recvCount << " Progress:" << percent << "%";
    return percent;
}

void RecordWnd::onProgressTimer()
{
    // calculateProgress leaves the counters as they were before a frame arrived
    // before the range; the stall count needs the delta either way.
    const int p = calculateProgress(m_lastTimeStamp);
    if (m_lastTimeStamp < m_rangeStart) {
        m_countDelta = m_recvCount - m_lastCount;
        m_lastCount = m_recvCount;
    }
    if (p == 100 || m_stallCount >= 3) {
        m_progressTimer->stop();
        m_stallCount = 0;
        // Footage recorded inside the range was all received: the NVR sends
        // recorded minutes only, so silence after it is the end.
        const bool complete = m_recvCount > 0 && (p == 100 || m_lastTimeStamp + kMinuteMs >= m_footageEnd);
        finishDownload(complete);
    } else if (m_countDelta == 0) {
        ++m_stallCount;
    } else {
        m_stallCount = 0;
        if (!m_downloading)
            m_progressTimer->stop();
    }
    ui->labelProgressValue->setText(QStringLiteral("%1%").arg(p));
}

void RecordWnd::finishDownload(bool success)
{
    const QString key = m_downloadKey;
    const QString path = m_downloadPath;
    const bool received = m_recvCount > 0;
    QTimer::singleShot(1000, this, [this, key] {
        if (m_downloadKey != key)
            return;
        if (m_recorder)
            m_recorder->stopRecord();
        onBtnEndDownoadClicked();
    });
    if (success) {
        MsgTipInfoDlg::showTipWithLink(QStringLiteral("%1 %2 %3").arg(key, tr("Download successful"), tr("Saved to")),
                                       path, ToastMs);
    } else if (received) {
        // What arrived is kept: the operator may still want the part.
        MsgTipInfoDlg::showTipWithLink(QStringLiteral("%1 %2").arg(key, tr("Download failed")), path, ToastMs);
    } else {
        MsgTipInfoDlg::showTip(QStringLiteral("%1 %2").arg(key, tr("Download failed")), ToastMs);
    }
}

void RecordWnd::clearDownloadState()
{
    m_downloading = false;
    m_rangeStart = m_rangeEnd = 0;
    ui->labelProgressValue->clear();
    m_downloadKey.clear();
}

void RecordWnd::onBtnEndDownoadClicked()
{
    if (m_downloadKey.isEmpty()) {
        qDebug() << "No active download to stop";
        return;
    }
    const QString key = m_downloadKey;
    if (sendStopCMD(key, true)) {
        qDebug() << "Download stopped for device:" << key;
    } else {
        // The record is gone with its connection: nothing is left to stop on
        // the device, and a kept key would refuse every later download.
        qWarning() << "Failed to stop download for device:" << key << "- local state cleared";
    }
    const bool received = m_recvCount > 0;
    const QString path = m_downloadPath;
    clearDownloadState();
    if (m_recorder)
        m_recorder->stopRecord();
    // A writer that never started leaves no file; one that did without data
    // removes its own.
    if (!received && m_recorder && !m_recorder->isRunning() && QFile::exists(path) && QFileInfo(path).size() == 0)
        QFile::remove(path);
    m_progressTimer->stop();
    m_stallCount = 0;
    ui->pushButtonStart->setEnabled(true);
}

// ---- lifecycle ---------------------------------------------------------------

void RecordWnd::resetReplay()
{
    onBtnEndDownoadClicked();
    for (const QString &key : qAsConst(m_paneKeys)) {
        sendStopCMD(key, false);
        ui->treeView->setItemState(key, kOnlineState);
        if (FUN_DEV_INFO *dev = DeviceInfoManager::instance()->findDevInfo(key))
            DeviceInfoManager::instance()->logoutDevice(dev);
    }
    ui->widgetVideoReplay->stopAll();
    ui->widgetTimeLine->setCurrentTime(0);
    ui->widgetTimeLine->clear();
    ui->calendarWidget->clearMarkedDays();
    m_paneKeys.clear();
    m_dayRecords.clear();
    m_dayRecordDates.clear();
    m_dayAsked.clear();
    m_refresh.clear();
    m_paneDates.clear();
    m_panePositions.clear();
    m_lastDataTime.clear();
    m_watchdogTimer->stop();
    m_shownDate = QDate();
    m_currentKey.clear();
    m_pendingPlayKey.clear();
    updateControlState();
}

void RecordWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->treeView->reload();
    m_shown = true;
    CommonHelper::elideChildTexts(this);
}

void RecordWnd::hideEvent(QHideEvent *event)
{
    if (m_shown) {
        resetReplay();
        m_shown = false;
    }
    m_monthDays.clear();
    QWidget::hideEvent(event);
}

void RecordWnd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
        CommonHelper::elideChildTexts(this);
    }
    QWidget::changeEvent(event);
}
