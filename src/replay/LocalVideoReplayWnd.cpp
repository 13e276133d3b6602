#include "LocalVideoReplayWnd.h"
#include "ui_LocalVideoReplayWnd.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "Platform.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FFmpegRecordPlan.h"
#include "FFmpegReplayWidget.h"
#include "RecordIndex.h"
#include "MsgTipInfoDlg.h"
#include "MyCalendar.h"
#include "ReplayControl.h"
#include "ThreadStack.h"
#include "TimeLine.h"

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QStandardItem>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {
const QString kTimeFormat = QStringLiteral("hhmmsszzz");
const QString kIndexName = QStringLiteral("record.json");
const QString kLegacyName = QStringLiteral("recordIdx.txt");
constexpr qint64 kMaxIndexBytes = RecordIndex::MaxBytes;
constexpr int kPlayingState = 3;
constexpr int kOnlineState = 1;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

LocalVideoReplayWnd::LocalVideoReplayWnd(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::LocalVideoReplayWnd)
{
    ui->setupUi(this);
    registerReplayMetaTypes();

    ui->calendarWidget->setObjectName(QStringLiteral("remote_calendar"));
    ui->calendarWidget->setFixedSize(310, 220);
    connect(ui->calendarWidget, &QCalendarWidget::clicked, this, &LocalVideoReplayWnd::onCalendarClicked);
    connect(ui->lineEdit, &QLineEdit::textChanged, this, &LocalVideoReplayWnd::onTxtFilterChanged);
    ui->treeView->setHeaderHidden(true);
    connect(ui->treeView, &QTreeView::clicked, this, &LocalVideoReplayWnd::onDeviceItemClicked);
    connect(ui->treeView, &QTreeView::doubleClicked, this, &LocalVideoReplayWnd::onDeviceItemDoubleClicked);

    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    replay->setCustomIo(false);
    connect(replay, &FFmpegReplayWidget::emitFocusViewChanged, this, &LocalVideoReplayWnd::slotFocusViewChanged);
    connect(replay, &FFmpegReplayWidget::emitPlayFinished, this, &LocalVideoReplayWnd::slotPlayFinished);
    connect(replay, &FFmpegReplayWidget::emitReplayTimestampS, this, &LocalVideoReplayWnd::slotTimestampSecond);
    connect(replay, &FFmpegReplayWidget::emitCaptureResult, this, &LocalVideoReplayWnd::slotCaptureResult);
    connect(replay, &FFmpegReplayWidget::emitPlayError, this, &LocalVideoReplayWnd::slotPlayError);

    ReplayControl *bar = ui->widgetReplayControl;
    connect(bar, &ReplayControl::signalFull, this, &LocalVideoReplayWnd::onBtnFullScreenClicked);
    connect(bar, &ReplayControl::signalCapture, this, &LocalVideoReplayWnd::onBtnCaptureClicked);
    connect(bar, &ReplayControl::signalStop, this, &LocalVideoReplayWnd::onBtnStopClicked);
    connect(bar, &ReplayControl::signalPause, this, &LocalVideoReplayWnd::onBtnPlayClicked);
    connect(bar, &ReplayControl::signalSpeed, this, &LocalVideoReplayWnd::onBtnSpeed);

    ui->widgetTimeLine->setCursorColor(qRgb(255, 0, 0));
    connect(ui->widgetTimeLine, &TimeLine::recordSelected, this, &LocalVideoReplayWnd::onTimeLineRecordSelected);
    onUpdatePlayButtons();
    connect(ui->m_btnLeftShow, &QPushButton::clicked, this, &LocalVideoReplayWnd::toggleLeftPanel);

    ui->lineEdit
        ->addAction(QIcon(QStringLiteral(":/Resources/Skin/Default/ptzNew/3DSite_pressed.png")),
                    QLineEdit::TrailingPosition)
        ->setText(tr("&Open..."));
    ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
}

LocalVideoReplayWnd::~LocalVideoReplayWnd()
{
    delete ui;
}

DeviceTree *LocalVideoReplayWnd::tree() const
{
    return ui->treeView;
}
MyCalendar *LocalVideoReplayWnd::calendar() const
{
    return ui->calendarWidget;
}
FFmpegReplayWidget *LocalVideoReplayWnd::replayWidget() const
{
    return ui->widgetVideoReplay;
}
ReplayControl *LocalVideoReplayWnd::control() const
{
    return ui->widgetReplayControl;
}
TimeLine *LocalVideoReplayWnd::timeLine() const
{
    return ui->widgetTimeLine;
}

QString LocalVideoReplayWnd::storageRoot()
{
    // The scheduled recorder's rule: BackupPath, else "Video" beside the client.
    const QString base = CommonHelper::storagePaths().backupPath;
    return base.isEmpty() ? CommonHelper::appWritableDir() + QStringLiteral("/Video") : base;
}

QString LocalVideoReplayWnd::deviceFolder(const QString &key) const
{
    const int underscore = key.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return storageRoot() + QLatin1Char('/') + CommonHelper::safePathSegment(key);
    QString channel;
    if (QStandardItem *item = ui->treeView->itemForKey(key))
        channel = item->text();
    if (channel.isEmpty())
        channel = QStringLiteral("CH_%1").arg(key.mid(underscore + 1).toInt(), 2, 10, QLatin1Char('0'));
    return storageRoot() + QLatin1Char('/') + CommonHelper::safePathSegment(key.left(underscore)) + QLatin1Char('/')
           + CommonHelper::safePathSegment(channel);
}

int LocalVideoReplayWnd::focusIndex() const
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay || !replay->isVisible())
        return -1;
    return replay->focusIndex();
}

FUN_DEV_INFO *LocalVideoReplayWnd::paneDevice(int index) const
{
    const QString key = m_paneKeys.value(index);
    return key.isEmpty() ? nullptr : DeviceInfoManager::instance()->findDevInfo(key);
}

qint64 LocalVideoReplayWnd::recordStartOfFile(const std::vector<ArchiveRecordPtr> &records, const QString &file)
{
    const QString wanted = nativePath(file);
    for (const ArchiveRecordPtr &record : records)
        if (record && nativePath(record->file()) == wanted)
            return record->startTime();
    return 0;
}

void LocalVideoReplayWnd::onDeviceItemClicked(QModelIndex index)
{
    if (index.row() < 0 || index.column() < 0) {
        qDebug() << "device item clicked: invalid index" << index;
        return;
    }
    const QString key = ui->treeView->itemData(index).toString();
    if (key.isEmpty())
        return;
    for (auto it = m_paneKeys.cbegin(); it != m_paneKeys.cend(); ++it) {
        if (it.value() == key) {
            ui->widgetVideoReplay->setFocusIndex(it.key());
            return;
        }
    }
    if (key != m_currentKey) {
        const QDate selected = ui->calendarWidget->selectedDate();
        ui->calendarWidget->setCurrentPage(selected.year(), selected.month());
        m_currentKey = key;
    }
}

void LocalVideoReplayWnd::onDeviceItemDoubleClicked(QModelIndex index)
{
    if (index.row() < 0 || index.column() < 0) {
        qDebug() << "device item double-clicked: invalid index" << index;
        return;
    }
    if (m_currentKey.isEmpty())
        return;
    // Folders and indexes are read off the GUI thread: an index may be large
    // and a folder slow, and the window must answer meanwhile.
    const QString key = m_currentKey;
    const QString folder = deviceFolder(key);
    const QDate date = ui->calendarWidget->selectedDate();
    const quint64 ticket = ++m_loadTicket;
    ++m_loading;
    auto *watcher = new QFutureWatcher<LoadedDay>(this);
    connect(watcher, &QFutureWatcher<LoadedDay>::finished, this, [this, watcher, ticket, key, date] {
        watcher->deleteLater();
        --m_loading;
        if (ticket != m_loadTicket)
            return; // asked again since, or the window was reset
        openDay(key, date, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([folder, date] {
        ThreadStack::install();
        return loadDay(folder, date);
    }));
}

LocalVideoReplayWnd::LoadedDay LocalVideoReplayWnd::loadDay(const QString &deviceFolder, const QDate &day)
{
    LoadedDay loaded;
    loaded.days = recordDays(deviceFolder);
    const QString dayFolder = deviceFolder + QLatin1Char('/') + day.toString(QStringLiteral("yyyyMMdd"));
    const QString legacyPath = dayFolder + QLatin1Char('/') + kLegacyName;
    const QFileInfo legacy(legacyPath);
    if (legacy.isSymLink())
        qWarning() << "old day index refused, a link:" << legacyPath;
    else if (legacy.exists() && convertLegacyIndex(legacyPath, dayFolder + QLatin1Char('/') + kIndexName)) {
        if (!QFile::remove(legacyPath))
            qWarning() << "cannot remove the converted index" << legacyPath;
    }
    loaded.records = readDayRecords(dayFolder, day, &loaded.openFiles);
    return loaded;
}

void LocalVideoReplayWnd::openDay(const QString &key, const QDate &date, const LoadedDay &loaded)
{
    ui->calendarWidget->setMarkedDays(loaded.days);
    const std::vector<ArchiveRecordPtr> &records = loaded.records;
    if (records.empty()) {
        MsgTipInfoDlg::showTip(tr("There is no video in this day."), ToastMs);
        emit dayOpened(key, date, 0);
        return;
    }

    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    int paneIndex = -1;
    for (auto it = m_paneKeys.cbegin(); it != m_paneKeys.cend(); ++it)
        if (it.value() == key)
            paneIndex = it.key();
    if (paneIndex < 0) {
        paneIndex = getFreeIndex();
        if (paneIndex < 0) {
            emit dayOpened(key, date, 0);
            return;
        }
        replay->resetParams(paneIndex);
        replay->initStream(QString(), paneIndex, false, false);
        replay->setPlayUrl(paneIndex, records.front()->file());
        replay->setFocusIndex(paneIndex);
        replay->play(paneIndex);
    } else {
        if (date == m_shownDate) {
            emit dayOpened(key, date, 0);
            return;
        }
        replay->playFile(paneIndex, records.front()->file());
    }

    m_shownDate = date;
    PaneDay paneDay;
    paneDay.folder = deviceFolder(key) + QLatin1Char('/') + date.toString(QStringLiteral("yyyyMMdd"));
    paneDay.date = date;
    paneDay.openFiles = loaded.openFiles;
    m_paneDays.insert(paneIndex, paneDay);
    m_paneKeys.insert(paneIndex, key);
    if (DeviceInfoManager::instance()->findDevInfo(key))
        ui->treeView->setItemState(key, kPlayingState);
    m_paneRecords.insert(paneIndex, records);
    ui->widgetTimeLine->setRecords(records);
    onUpdatePlayButtons();
    emit dayOpened(key, date, int(records.size()));
}

QStringList LocalVideoReplayWnd::recordDays(const QString &deviceFolder)
{
    QStringList days;
    const QDir dir(deviceFolder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // One segment is enough to mark the day.
        QDirIterator it(dir.filePath(name), {QStringLiteral("*.mp4")}, QDir::Files);
        if (it.hasNext())
            days << name;
    }
    return days;
}

void LocalVideoReplayWnd::markRecordDays(const QString &deviceFolder)
{
    ui->calendarWidget->setMarkedDays(recordDays(deviceFolder));
}

std::vector<ArchiveRecordPtr> LocalVideoReplayWnd::getDeviceRecordInfo(const QString &indexPath) const
{
    return readDayRecords(QFileInfo(indexPath).path(), ui->calendarWidget->selectedDate());
}

std::vector<ArchiveRecordPtr> LocalVideoReplayWnd::readDayRecords(const QString &dayDir, const QDate &day,
                                                                  QSet<QString> *openFiles)
{
    std::vector<ArchiveRecordPtr> records;
    // An index that cannot be used hides none of the segments the recorder
    // wrote: they are listed from the files, after the index's own entries.
    const RecordIndex::Day index = RecordIndex::readWithFootage(dayDir);
    if (index.status == RecordIndex::Status::Unreadable)
        qWarning() << "file open error." << dayDir + QLatin1Char('/') + kIndexName << index.error;
    else if (index.status == RecordIndex::Status::BadJson)
        qWarning() << "from json error." << index.error << dayDir + QLatin1Char('/') + kIndexName;
    if (index.entries.isEmpty()) {
        qDebug() << "no usable day index in" << dayDir;
        return records;
    }
    records.reserve(size_t(index.entries.size()));
    const RecordIndex::DayClock clock(day);
    for (const RecordIndex::Entry &e : index.entries) {
        if (e.path.isEmpty() || e.startTime.isEmpty() || !RecordIndex::isOwnFile(dayDir, e.path))
            continue;
        const int startOfDay = RecordIndex::timeOfDayMs(e.startTime);
        if (startOfDay < 0)
            continue;
        const qint64 startMs = clock.epochMs(startOfDay);
        qint64 endMs = -1;
        if (!e.endTime.isEmpty()) {
            const int endOfDay = RecordIndex::timeOfDayMs(e.endTime);
            if (endOfDay < 0)
                continue;
            endMs = clock.epochMs(endOfDay);
            // Gone or empty: nothing to play, as with an open entry below.
            const QFileInfo file(e.path);
            if (!file.isFile() || file.size() <= 0) {
                qDebug() << "segment missing or empty, left out:" << e.path;
                continue;
            }
        } else {
            // The segment being written, or one a killed recorder left open:
            // it ends where the file ends so far. Not written back; the
            // channel's next recorder completes the index.
            // Nothing readable, or not a single frame yet: nothing to play.
            const qint64 length = FFmpegRecordPlan::fileDurationMs(e.path);
            if (length <= 0)
                continue;
            endMs = startMs + length;
            if (openFiles)
                openFiles->insert(e.path);
        }
        records.push_back(std::make_shared<ArchiveRecord>(startMs, endMs, e.path));
    }
    return records;
}

bool LocalVideoReplayWnd::parseLegacyItems(QJsonObject &out, const QStringList &items)
{
    static const char *const keys[] = {"fileName", "startTime", "endTime"};
    for (int i = 0; i < 3 && i < items.size(); ++i) {
        const QStringList parts = items.at(i).split(QLatin1Char(':'), Qt::KeepEmptyParts);
        if (parts.size() == 2)
            out.insert(QLatin1String(keys[i]), parts.at(1).trimmed());
    }
    for (const char *key : keys)
        if (out.value(QLatin1String(key)).toString().isEmpty())
            return false;
    return true;
}

bool LocalVideoReplayWnd::convertLegacyIndex(const QString &legacyPath, const QString &indexPath)
{
    QFile legacy(legacyPath);
    if (!legacy.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "cannot read the old day index" << legacyPath << legacy.errorString();
        return false;
    }
    if (legacy.size() > kMaxIndexBytes) {
        qWarning() << "old day index too large, left alone:" << legacyPath;
        return false;
    }

    // Entries the recorder already wrote stay; the old list only adds files
    // the day index does not name yet.
    QList<QJsonObject> entries;
    QSet<QString> names;
    const RecordIndex::Day current = RecordIndex::read(QFileInfo(indexPath).path());
    if (current.status == RecordIndex::Status::Refused) {
        qWarning() << "day index refused, the old one is not merged into it:" << indexPath;
        return false;
    }
    for (const QJsonValue &value : current.raw) {
        if (!value.isObject())
            continue;
        entries << value.toObject();
        names.insert(entries.last().value(QStringLiteral("fileName")).toString());
    }

    QTextStream in(&legacy);
    while (!in.atEnd()) {
        const QStringList items = in.readLine().split(QLatin1Char(','), Qt::KeepEmptyParts);
        QJsonObject o;
        if (!parseLegacyItems(o, items))
            continue;
        const QString name = o.value(QStringLiteral("fileName")).toString();
        if (names.contains(name))
            continue;
        names.insert(name);
        entries << o;
    }
    // "hhmmsszzz" sorts as the time of day.
    std::stable_sort(entries.begin(), entries.end(), [](const QJsonObject &a, const QJsonObject &b) {
        return a.value(QStringLiteral("startTime")).toString() < b.value(QStringLiteral("startTime")).toString();
    });

    QJsonArray array;
    for (const QJsonObject &o : qAsConst(entries))
        array.append(o);
    // Replaced only by a whole new index: on a full disk the old one stays.
    QString error;
    if (!RecordIndex::write(QFileInfo(indexPath).path(), array, &error)) {
        qWarning() << "cannot write the day index" << indexPath << error;
        return false;
    }
    return true;
}

int LocalVideoReplayWnd::getFreeIndex()
{
    for (int i = 0; i < FFmpegReplayWidget::kPaneCount; ++i)
        if (!m_paneKeys.contains(i))
            return i;
    MsgTipInfoDlg::showTip(tr("The maximum number of connections has been reached!"), ToastMs);
    return -1;
}

void LocalVideoReplayWnd::onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t time)
{
    if (!record)
        return;
    const int index = focusIndex();
    if (index < 0)
        return;
    const QString file = nativePath(record->file());
    const qint64 offset = time - record->startTime();
    qDebug() << " index " << index << " time " << time << " file " << file;
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (nativePath(replay->playUrl(index)) != file)
        replay->playFile(index, file);
    replay->seek(index, offset);
    if (m_paneDays.contains(index)) {
        m_paneDays[index].playedMs = qMax<qint64>(0, offset);
        m_paneDays[index].waitedMs = 0;
    }
    ui->widgetTimeLine->setCurrentTime(time);
}

void LocalVideoReplayWnd::slotPlayFinished(int index, QString file)
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay || !replay->isVisible() || !m_paneKeys.contains(index))
        return;
    continueAfter(index, file);
}

void LocalVideoReplayWnd::continueAfter(int index, const QString &file)
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    const std::vector<ArchiveRecordPtr> records = m_paneRecords.value(index);
    const QString finished = nativePath(file);
    size_t next = records.size();
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i] && nativePath(records[i]->file()) == finished) {
            next = i + 1;
            break;
        }
    }
    if (next < records.size()) {
        m_paneDays[index].playedMs = 0;
        m_paneDays[index].waitedMs = 0;
        replay->stop(index);
        replay->setCustomIo(false);
        replay->setPlayUrl(index, records[next]->file());
        replay->play(index);
        return;
    }
    // The end of what was known when the day was opened. Today's recorder may
    // have gone on since, in this file or a new one (played faster than real
    // time, the end of a segment being written comes soon): look again
    // before the day counts as over.
    refreshDay(index, file);
}

void LocalVideoReplayWnd::refreshDay(int index, const QString &file)
{
    if (!m_paneDays.contains(index)) {
        endOfDay(index);
        return;
    }
    PaneDay &pane = m_paneDays[index];
    const quint64 ticket = ++m_refreshTicket;
    pane.ticket = ticket;
    const QString folder = pane.folder;
    const QDate date = pane.date;
    const QString key = m_paneKeys.value(index);
    auto *watcher = new QFutureWatcher<LoadedDay>(this);
    connect(watcher, &QFutureWatcher<LoadedDay>::finished, this, [this, watcher, index, file, key] {
        watcher->deleteLater();
        if (!m_paneDays.contains(index) || m_paneDays.value(index).ticket != watcher->property("ticket").toULongLong()
            || m_paneKeys.value(index) != key)
            return; // the pane was stopped, reset or given another day meanwhile
        PaneDay &pane = m_paneDays[index];
        const LoadedDay loaded = watcher->result();
        const std::vector<ArchiveRecordPtr> before = m_paneRecords.value(index);
        qint64 knownEnd = 0;
        for (const ArchiveRecordPtr &r : before)
            if (r && nativePath(r->file()) == nativePath(file))
                knownEnd = r->endTime();
        qint64 start = 0, grownEnd = 0;
        bool later = false, found = false;
        for (const ArchiveRecordPtr &r : loaded.records) {
            if (found)
                later = true;
            if (r && nativePath(r->file()) == nativePath(file)) {
                found = true;
                start = r->startTime();
                grownEnd = r->endTime();
            }
        }
        pane.openFiles = loaded.openFiles;
        if (found && (later || grownEnd > knownEnd)) {
            m_paneRecords.insert(index, loaded.records);
            if (focusIndex() == index)
                ui->widgetTimeLine->setRecords(loaded.records);
        }
        if (found && later) {
            continueAfter(index, file);
            return;
        }
        // The same file has grown: on from where it was left.
        const qint64 played = qMax(pane.playedMs, knownEnd - start);
        if (found && grownEnd - start > played + 500) {
            qDebug() << "segment still being written, playing on from" << played << "ms:" << file;
            pane.waitedMs = 0;
            FFmpegReplayWidget *replay = ui->widgetVideoReplay;
            replay->playFile(index, file);
            replay->seek(index, played);
            return;
        }
        if (found && pane.openFiles.contains(file) && pane.waitedMs < GrowthWaitMs) {
            pane.waitedMs += GrowthPollMs;
            QTimer::singleShot(GrowthPollMs, this, [this, index, file, key] {
                if (m_paneKeys.value(index) == key)
                    refreshDay(index, file);
            });
            return;
        }
        endOfDay(index);
    });
    watcher->setProperty("ticket", QVariant::fromValue(ticket));
    watcher->setFuture(QtConcurrent::run([folder, date] {
        ThreadStack::install();
        LoadedDay loaded;
        loaded.records = readDayRecords(folder, date, &loaded.openFiles);
        return loaded;
    }));
}

void LocalVideoReplayWnd::endOfDay(int index)
{
    // The day is over: the pane goes free whether or not the device is still
    // registered (a deleted device would otherwise hold it for good), its last
    // picture goes (left standing it passes for a paused or frozen playback)
    // and the bar shows that nothing plays.
    const QString key = m_paneKeys.value(index);
    if (DeviceInfoManager::instance()->findDevInfo(key))
        ui->treeView->setItemState(key, kOnlineState);
    stopPane(index);
    MsgTipInfoDlg::showTip(tr("Playback ended"), ToastMs);
    onUpdatePlayButtons();
}

void LocalVideoReplayWnd::stopPane(int index)
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    replay->stop(index);
    // The next day in this pane starts at the speed the bar then shows.
    replay->setSpeed(index, 1.0f);
    releasePane(index);
    if (focusIndex() == index)
        ui->widgetTimeLine->clear();
}

void LocalVideoReplayWnd::slotPlayError(int index)
{
    // A segment that cannot be played (damaged, not video at all) is passed
    // over like one that has ended: the rest of the day still plays.
    const QString file = ui->widgetVideoReplay->playUrl(index);
    if (!m_paneKeys.contains(index))
        return;
    qWarning() << "segment cannot be played, going on with the next:" << file;
    slotPlayFinished(index, file);
}

void LocalVideoReplayWnd::releasePane(int index)
{
    m_paneKeys.remove(index);
    m_paneRecords.remove(index);
    m_paneDays.remove(index);
}

void LocalVideoReplayWnd::slotTimestampSecond(int index, qlonglong second)
{
    if (!m_paneRecords.contains(index))
        return;
    const qint64 start = recordStartOfFile(m_paneRecords.value(index), ui->widgetVideoReplay->playUrl(index));
    ui->widgetTimeLine->setCurrentTime(start + second * 1000);
    if (m_paneDays.contains(index))
        m_paneDays[index].playedMs = qMax<qint64>(m_paneDays[index].playedMs, second * 1000);
}

void LocalVideoReplayWnd::slotFocusViewChanged(int index)
{
    qDebug() << "focus pane" << index;
    const QString key = m_paneKeys.value(index);
    if (!key.isEmpty()) {
        ui->treeView->selectItem(key);
        m_currentKey = key;
    }
    slotUpdateTimeline();
    onUpdatePlayButtons();
}

void LocalVideoReplayWnd::slotUpdateTimeline()
{
    const int index = focusIndex();
    if (!m_paneRecords.contains(index)) {
        ui->widgetTimeLine->clear();
        return;
    }
    const std::vector<ArchiveRecordPtr> records = m_paneRecords.value(index);
    ui->widgetTimeLine->setRecords(records);
    const qint64 start = recordStartOfFile(records, ui->widgetVideoReplay->playUrl(index));
    if (start > 0)
        ui->widgetTimeLine->setDateTime(start);
}

void LocalVideoReplayWnd::onBtnPlayClicked(bool checked)
{
    const int index = focusIndex();
    if (index < 0)
        return;
    if (checked)
        ui->widgetVideoReplay->resume(index);
    else
        ui->widgetVideoReplay->pause(index);
}

void LocalVideoReplayWnd::onBtnStopClicked()
{
    const int index = focusIndex();
    if (index < 0)
        return;
    const QString key = m_paneKeys.value(index);
    if (!key.isEmpty())
        ui->treeView->setItemState(key, kOnlineState);
    stopPane(index);
    ui->widgetTimeLine->clear();
    onUpdatePlayButtons();
}

void LocalVideoReplayWnd::onBtnSpeed(float speed)
{
    const int index = focusIndex();
    if (!paneDevice(index))
        return;
    qDebug() << "index " << index << "speed" << speed;
    ui->widgetVideoReplay->setSpeed(index, speed);
}

void LocalVideoReplayWnd::onBtnCaptureClicked()
{
    const int index = focusIndex();
    FUN_DEV_INFO *dev = paneDevice(index);
    if (!dev)
        return;
    const QString path = makeCapturePath(dev);
    if (!path.isEmpty())
        ui->widgetVideoReplay->setKey(index, path);
}

void LocalVideoReplayWnd::onBtnFullScreenClicked()
{
    FFmpegReplayWidget *replay = ui->widgetVideoReplay;
    if (!replay || !replay->isVisible())
        return;
    replay->setFullScreen();
    MsgTipInfoDlg::showTip(tr("Press ESC to exit the full screen."), ToastMs);
}

void LocalVideoReplayWnd::onUpdatePlayButtons()
{
    const int index = focusIndex();
    ReplayControl *bar = ui->widgetReplayControl;
    const bool playing = m_paneKeys.contains(index);
    bar->setEnabled(playing);
    if (!playing) {
        bar->showStopped();
        return;
    }
    bar->setPauseState(!ui->widgetVideoReplay->isPaused(index));
    // The bar shows the focused pane's speed, not the one picked last.
    const float speed = ui->widgetVideoReplay->speed(index);
    if (qFuzzyCompare(speed, 1.0f))
        bar->resetSpeed();
    else
        bar->setSpeed(speed);
}

void LocalVideoReplayWnd::slotCaptureResult(bool result, QString path)
{
    // The path as a link that shows the picture in its folder, as the other
    // toasts of a written file do (they also stay long enough to click it).
    if (result)
        MsgTipInfoDlg::showTipWithLink(tr("Snapshot successful") + QLatin1Char(' ') + tr("Saved to"), path, ToastMs);
    else
        MsgTipInfoDlg::showTip(tr("Snapshot failed"), ToastMs);
}

QString LocalVideoReplayWnd::makeCapturePath(FUN_DEV_INFO *dev)
{
    if (!dev)
        return QString();
    QString base = CommonHelper::storagePaths().snapPath;
    if (base.isEmpty())
        base = CommonHelper::appWritableDir() + QStringLiteral("/Picture");
    QString folder = base + QLatin1Char('/') + CommonHelper::safePathSegment(dev->ip);
    if (dev->channelIdx != 0)
        folder += QStringLiteral("/CH_%1").arg(int(dev->channelIdx), 2, 10, QLatin1Char('0'));
    if (!Platform::makePrivateDir(folder)) {
        MsgTipInfoDlg::showTip(tr("Failed to create file directory!"), ToastMs);
        return QString();
    }
    const QDateTime now = QDateTime::currentDateTime();
    return nativePath(folder + QLatin1Char('/') + now.toString(QStringLiteral("yyyyMMdd")) + now.toString(kTimeFormat)
                      + QStringLiteral(".jpg"));
}

void LocalVideoReplayWnd::onCalendarClicked(QDate dt)
{
    if (dt == m_shownDate)
        return;
    onDeviceItemDoubleClicked(ui->treeView->currentIndex());
}

void LocalVideoReplayWnd::onTxtFilterChanged(QString text)
{
    ui->treeView->setFilterText(text);
}

void LocalVideoReplayWnd::toggleLeftPanel()
{
    const bool hide = ui->widgetLeft->isVisible();
    ui->widgetLeft->setVisible(!hide);
    ui->m_btnLeftShow->setStyleSheet(
        QStringLiteral("border-image: url(:/Resources/Skin/Default/MainWindow/mv_left%1.png);")
            .arg(hide ? QStringLiteral("Hide") : QStringLiteral("Show")));
}

void LocalVideoReplayWnd::resetReplay()
{
    ++m_loadTicket; // a day still being read opens nothing now
    ui->widgetVideoReplay->stopAll();
    for (const QString &key : qAsConst(m_paneKeys))
        if (DeviceInfoManager::instance()->findDevInfo(key))
            ui->treeView->setItemState(key, kOnlineState);
    m_paneKeys.clear();
    m_paneRecords.clear();
    m_paneDays.clear();
    m_currentKey.clear();
    ui->widgetTimeLine->setCurrentTime(0);
    ui->widgetTimeLine->clear();
    ui->calendarWidget->clearMarkedDays();
    onUpdatePlayButtons();
}

void LocalVideoReplayWnd::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->treeView->reload();
    update();
    m_shown = true;
}

void LocalVideoReplayWnd::hideEvent(QHideEvent *event)
{
    if (m_shown) {
        resetReplay();
        m_shown = false;
    }
    QWidget::hideEvent(event);
}

void LocalVideoReplayWnd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        ui->lineEdit->setPlaceholderText(tr("Enter the device name to filter"));
    }
    QWidget::changeEvent(event);
}
