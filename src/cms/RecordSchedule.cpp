#include "RecordSchedule.h"
#include "ui_RecordSchedule.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OrmCore.h"
#include "OrmAccessQueue.h"
#include "Platform.h"
#include "RecordScheduleThread.h"
#include "SettingsKeeper.h"
#include "SharedTexts.h"
#include "StorageMark.h"
#include "TimeRangeCtrl.h"
#include "WidgetHelpers.h"
#include "recordAdvanceConfigDlg.h"

#include <QAbstractButton>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMutex>
#include <QMutexLocker>
#include <QRadioButton>
#include <QBrush>
#include <QStandardItemModel>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTimer>

#include <memory>

namespace {

constexpr int TipMs = 2000;
// What the operator must read whole: where the footage is, why nothing records.
constexpr int NoticeMs = 10000;
// A plan that could not be read when the page was made is read again this
// often until it is; recording waits for it.
constexpr int PlanReadRetryMs = 2000;
constexpr QRgb SegmentColour = 0xFF3AAA24;
const char *const StrategyName = "Default Strategy";

QStringList checkedTexts(QStandardItemModel *model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem *item = model->item(row);
        if (item && item->checkState() == Qt::Checked)
            texts << item->text();
    }
    return texts;
}

void removeRowByText(QStandardItemModel *model, const QString &text)
{
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->item(row) && model->item(row)->text() == text) {
            model->removeRow(row);
            return;
        }
    }
}

QStandardItem *deviceItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setCheckable(true);
    item->setEditable(false);
    return item;
}

// Whether a plan entry is kept by address: it has no serial number, or its
// address in its place (a device added by hand, before its real serial
// number was known).
bool keptByAddress(const RECORD_DEVICE_INFO &d)
{
    return d.szDevId.isEmpty() || d.szDevId == d.szDevIp;
}

// The plan entry of a record: by serial number, or by address for an entry
// kept so (else every record without a serial number would be the same).
bool sameChannel(const RECORD_DEVICE_INFO &d, const QString &sn, const QString &ip, uint8_t channel)
{
    if (d.iChannelIdx != channel)
        return false;
    if (keptByAddress(d))
        return d.szDevIp == ip;
    return !sn.isEmpty() && d.szDevId == sn;
}

// The record list's text of a plan entry: its channel's key, or "%1_%2" of
// serial number and channel while the registry does not know it.
QString recordText(const RECORD_DEVICE_INFO &d, bool *known = nullptr)
{
    FUN_DEV_INFO *dev = DeviceInfoManager::instance() ? RecordScheduleThread::findRecord(d) : nullptr;
    if (known)
        *known = dev != nullptr;
    return dev ? CommonHelper::getDevKey(dev) : QStringLiteral("%1_%2").arg(d.szDevId).arg(int(d.iChannelIdx));
}

QString entryId(const QString &sn, const QString &ip, int channel)
{
    return sn + QLatin1Char('|') + ip + QLatin1Char('|') + QString::number(channel);
}

// Why the channels do not record while the storage folder is not the
// storage, by what the thread said of it.
QString noStorageReason(int storageState)
{
    switch (StorageMark::State(storageState)) {
    case StorageMark::State::NotOurs:
        return RecordSchedule::tr("Not recording: the folder is not this client's storage folder");
    case StorageMark::State::Unwritable:
        return RecordSchedule::tr("Not recording: the storage folder cannot be written");
    case StorageMark::State::Held:
        return RecordSchedule::tr("Not recording: another client records into the storage folder");
    case StorageMark::State::Unmounted:
        return RecordSchedule::tr("Not recording: the storage folder's disk is not mounted");
    case StorageMark::State::Unknown:
        return RecordSchedule::tr("Not recording: the client's settings cannot be read");
    case StorageMark::State::Inside:
        return RecordSchedule::tr("Not recording: the folder lies inside another client's storage folder");
    default:
        return RecordSchedule::tr("Not recording: the storage folder is not there");
    }
}

// What the database said, in the operator's words where the client knows them.
QString databaseReason(const QString &error)
{
    if (OrmDatabase::isLocked(QSqlError(QString(), error)))
        return RecordSchedule::tr("the database is in use by another program");
    return error;
}

// Draws an entry without a colour of its own in the list's text colour: an
// empty foreground brush would otherwise be taken for black, unreadable on
// the dark panel. Entries given a colour keep it.
class ListTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QBrush>() && foreground.value<QBrush>().style() == Qt::NoBrush && option->widget)
            option->palette.setBrush(QPalette::Text, option->widget->palette().brush(QPalette::Text));
    }
};

} // namespace

RecordSchedule::RecordSchedule(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::RecordSchedule)
{
    ui->setupUi(this);
    ui->m_btnAddSchedule->hide();
    ui->m_btnDelSchedule->hide();
    ui->m_treeRecordSchedule->hide();

    setBackgroundColor(this, QColor(40, 43, 48));
    for (QLabel *label : {ui->m_lblSchTime, ui->m_lblOriginalDev, ui->m_lblRecordDev}) {
        QFont f = label->font();
        f.setPixelSize(14);
        label->setFont(f);
    }

    m_sourceModel = new QStandardItemModel(this);
    m_recordModel = new QStandardItemModel(this);
    for (QTreeView *view : {ui->m_treeOriginalDevlist, ui->m_treeRecordDevlist}) {
        view->setHeaderHidden(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        view->setAcceptDrops(false);
        view->setFocusPolicy(Qt::NoFocus);
    }
    ui->m_treeOriginalDevlist->setModel(m_sourceModel);
    ui->m_treeRecordDevlist->setModel(m_recordModel);
    ui->m_treeRecordDevlist->setItemDelegate(new ListTextDelegate(ui->m_treeRecordDevlist));

    connect(ui->btn_every_day, &QRadioButton::clicked, this, &RecordSchedule::onBtnEveryDayClicked);
    connect(ui->btn_work_day, &QRadioButton::clicked, this, &RecordSchedule::onBtnWorkDayClicked);
    connect(ui->btn_custom, &QRadioButton::clicked, this, &RecordSchedule::onBtnCustomClicked);
    m_modeButtons = {ui->btn_every_day, ui->btn_work_day, ui->btn_custom};

    ui->m_tableTime->setStyleSheet(QStringLiteral("#m_tableTime{border:1px solid rgb(130,135,144)}"));
    auto *grid = new QGridLayout(ui->m_tableTime);
    const QStringList dayNames = SharedTexts::weekDayList();
    for (int i = 0; i < dayNames.size(); ++i) {
        auto *row = new TimeRangeCtrl(ui->m_tableTime);
        row->setIdentify(i);
        setBackgroundColor(row, Qt::gray);
        row->setToolTip(tr("Drag up the time period for removal"));
        row->setMaxSegments(TimeRangeCtrl::MaxSegments);
        grid->addWidget(row, i, 1, 1, 20);
        auto *label = new QLabel(dayNames.at(i), ui->m_tableTime);
        grid->addWidget(label, i, 0);
        m_rows << row;
        m_dayLabels << label;
    }

    ui->m_treeRecordSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->m_treeRecordSchedule->setHeaderHidden(true);
    m_strategyModel = new QStandardItemModel(this);
    m_strategyModel->setHorizontalHeaderLabels({tr("Record strategy")});
    m_strategyItem = new QStandardItem(tr("Record strategy"));
    m_strategyModel->appendRow(m_strategyItem);
    ui->m_treeRecordSchedule->setModel(m_strategyModel);
    ui->m_treeRecordSchedule->expandAll();

    connect(&m_planQueue, &OrmAccessQueue::waitingChanged, this, &RecordSchedule::followQueue);
    m_planQueue.setSaid(tr("the storage schedule"));
    // Its room is kept while it is hidden, and it wraps rather than widen
    // the page: nothing moves when a write starts or stops waiting.
    QSizePolicy waitingRoom = ui->m_lblWaiting->sizePolicy();
    waitingRoom.setRetainSizeWhenHidden(true);
    ui->m_lblWaiting->setSizePolicy(waitingRoom);
    ui->m_lblWaiting->setWordWrap(true);
    ui->m_lblWaiting->setText(SharedTexts::waitingText());
    ui->m_lblWaiting->hide();
    // The same for what stops recording while it lasts: a room of its own.
    QSizePolicy noticeRoom = ui->m_lblNotice->sizePolicy();
    noticeRoom.setRetainSizeWhenHidden(true);
    ui->m_lblNotice->setSizePolicy(noticeRoom);
    ui->m_lblNotice->setWordWrap(true);
    ui->m_lblNotice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->m_lblNotice->setStyleSheet(QStringLiteral("color: #e04b4b;"));
    fitNoticeRoom();
    ui->m_lblNotice->hide();

    m_readRetry = new QTimer(this);
    m_readRetry->setSingleShot(true);
    m_readRetry->setInterval(PlanReadRetryMs);
    connect(m_readRetry, &QTimer::timeout, this, &RecordSchedule::readPlan);

    // The page shows the stored plan from the moment it can be seen: an empty
    // one in its place would be saved over it. Only recording waits for
    // initPlan. Unread, the page acts on nothing.
    for (TimeRangeCtrl *row : qAsConst(m_rows))
        row->setEnabled(false);
    if (!takeStartPlan())
        readPlan();
}

RecordSchedule::~RecordSchedule()
{
    stopThread();
    // A write still waiting for the database goes on without the page; the
    // close waits for it (OrmAccessQueue::flushAll).
    delete ui;
}

// ---- what the main window calls ------------------------------------------------

void RecordSchedule::initPlan()
{
    if (m_initialised || m_closed)
        return;
    m_initAsked = true;
    // Not read yet: recording starts once the read lands.
    if (!planRead())
        return;
    m_initialised = true;
    // The operator may have switched the plan on already.
    if (!m_thread)
        record();
}

bool RecordSchedule::planRead()
{
    if (!m_planRead)
        readPlan();
    return m_planRead;
}

void RecordSchedule::deleteDevices(QList<FUN_DEV_INFO *> devs)
{
    // Unread, the stored plan keeps the entries; they show as not found later.
    if (!planRead())
        return;
    bool removed = false;
    for (const FUN_DEV_INFO *dev : qAsConst(devs)) {
        if (!dev)
            continue;
        for (int i = m_plan.devices.size() - 1; i >= 0; --i) {
            const RECORD_DEVICE_INFO &d = m_plan.devices.at(i);
            // Every channel of the device goes: by serial number, or by address.
            if ((!dev->sn.isEmpty() && d.szDevId == dev->sn) || d.szDevIp == dev->ip) {
                qInfo() << "Record device removed:" << dev->ip;
                m_plan.devices.remove(i);
                removed = true;
            }
        }
    }
    if (!removed)
        return;
    if (m_plan.devices.isEmpty())
        m_plan.iTurnOn = 0;
    showPlanState();
    // The records leave the registry now: while the write waits, the
    // recorders of the stored plan look their channels up again, find none
    // and stop at once.
    if (!savePlan(PlanChange::Devices) && m_thread)
        m_thread->updatePlan(m_storedPlan);
}

namespace {

// The plan's entries of a device that moved from oldIp follow it.
bool followMove(QVector<RECORD_DEVICE_INFO> &devices, const FUN_DEV_INFO *dev, const QString &oldIp)
{
    bool moved = false;
    for (RECORD_DEVICE_INFO &d : devices) {
        const bool bySerial = !keptByAddress(d) && !dev->sn.isEmpty() && d.szDevId == dev->sn;
        if (!bySerial && d.szDevIp != oldIp)
            continue;
        // An entry kept by address stays kept by address, at the new one.
        if (d.szDevId == oldIp)
            d.szDevId = dev->ip;
        d.szDevIp = dev->ip;
        moved = true;
    }
    return moved;
}

// The plan's entries made with a device's old serial number take its new one.
bool followSerial(QVector<RECORD_DEVICE_INFO> &devices, const FUN_DEV_INFO *dev, const QString &oldSn)
{
    bool changed = false;
    for (RECORD_DEVICE_INFO &d : devices) {
        if (d.szDevIp != dev->ip || d.szDevId != oldSn || keptByAddress(d))
            continue;
        d.szDevId = dev->sn;
        changed = true;
    }
    return changed;
}

} // namespace

bool RecordSchedule::followDevice(const std::function<bool(QVector<RECORD_DEVICE_INFO> &)> &follow)
{
    if (!follow(m_plan.devices))
        return false;
    refreshRecordDevice();
    refreshOriginalDevice();
    if (savePlan(PlanChange::Devices) || !m_thread)
        return true;
    // The same channels under their new key: recording goes on while the
    // write waits, and takes the stored plan again if it is given up.
    RECORD_PLAN_INFO running = m_storedPlan;
    follow(running.devices);
    m_thread->updatePlan(running);
    return true;
}

void RecordSchedule::deviceMoved(FUN_DEV_INFO *dev, const QString &oldIp)
{
    if (!dev || oldIp.isEmpty() || dev->ip == oldIp || !planRead())
        return;
    if (followDevice([dev, &oldIp](QVector<RECORD_DEVICE_INFO> &devices) { return followMove(devices, dev, oldIp); }))
        qInfo() << "Record devices follow" << oldIp << "to" << dev->ip;
}

void RecordSchedule::deviceSerialChanged(FUN_DEV_INFO *dev, const QString &oldSn)
{
    if (!dev || oldSn == dev->sn || !planRead())
        return;
    if (followDevice([dev, &oldSn](QVector<RECORD_DEVICE_INFO> &devices) { return followSerial(devices, dev, oldSn); }))
        qInfo() << "Record devices of" << dev->ip << "follow the serial number" << dev->sn;
}

void RecordSchedule::deviceRelogged(FUN_DEV_INFO *dev)
{
    if (!dev || !m_thread || !m_storedPlan.iTurnOn)
        return;
    for (const RECORD_DEVICE_INFO &d : qAsConst(m_storedPlan.devices)) {
        if ((!dev->sn.isEmpty() && d.szDevId == dev->sn) || d.szDevIp == dev->ip) {
            qInfo() << "Recording follows the new login of" << dev->ip;
            record();
            return;
        }
    }
}

void RecordSchedule::stopPlan()
{
    stopThread();
}

void RecordSchedule::closePlan()
{
    m_closed = true;
    stopThread();
}

// ---- the plan --------------------------------------------------------------------

namespace {

const char *const ReadItemName = "read record strategy";

// The start-up's reading of the plan, for the page made after it.
struct StartPlan
{
    QMutex mutex;
    bool set = false;
    bool read = false;
    RECORD_PLAN_INFO plan;
    int mode = 0;
    RecordSchedule::ReadFailure failure;
};

StartPlan &startPlan()
{
    static StartPlan s;
    return s;
}

} // namespace

bool RecordSchedule::readStartPlan(QSqlError *lockError)
{
    RECORD_PLAN_INFO plan;
    int mode = 0;
    ReadFailure failure;
    const bool read = loadPlan(plan, &mode, &failure);
    if (!read && OrmDatabase::isLocked(failure.error)) {
        if (lockError)
            *lockError = failure.error;
        return false;
    }
    StartPlan &start = startPlan();
    QMutexLocker lock(&start.mutex);
    start.set = true;
    start.read = read;
    start.plan = plan;
    start.mode = mode;
    start.failure = failure;
    return true;
}

bool RecordSchedule::takeStartPlan()
{
    PlanReading reading;
    {
        StartPlan &start = startPlan();
        QMutexLocker lock(&start.mutex);
        if (!start.set)
            return false;
        start.set = false;
        reading.read = start.read;
        reading.plan = start.plan;
        reading.mode = start.mode;
        reading.failure = start.failure;
    }
    planReadDone(reading);
    return true;
}

int RecordSchedule::showStrategyData(const QString &name)
{
    Q_UNUSED(name)
    const quint64 before = m_readsApplied;
    readPlan();
    return m_readsApplied != before ? 0 : -1;
}

void RecordSchedule::readPlan()
{
    // One read at a time: a retry or a second ask waits for its answer.
    if (m_readPending)
        return;
    m_readPending = true;
    m_readRetry->stop();
    auto reading = std::make_shared<PlanReading>();
    reading->plan = m_plan;
    m_planQueue.enqueue(OrmAccessQueue::Item::reading(
        QString::fromLatin1(ReadItemName),
        [reading] {
            reading->read = loadPlan(reading->plan, &reading->mode, &reading->failure);
            return reading->read ? QSqlError() : reading->failure.error;
        },
        [this, reading](const QSqlError &error) {
            m_readPending = false;
            // Given up on a lock between two tries: said as the lock.
            if (!reading->read && reading->failure.error.text().isEmpty())
                reading->failure.error = error;
            planReadDone(*reading);
        }));
    followQueue();
}

void RecordSchedule::planReadDone(const PlanReading &reading)
{
    if (!reading.read) {
        // What the page holds stays: read before, it is the plan; never read,
        // the page stays locked. Said in its room until a read answers.
        m_readNotice = [failure = reading.failure, readBefore = m_planRead] { return unreadText(failure, readBefore); };
        showNotice();
        showOnText();
        changeLockButton();
        m_readRetry->start();
        return;
    }
    if (m_readNotice) {
        qInfo() << "Record strategy read again";
        m_readNotice = nullptr;
        showNotice();
    }
    applyPlan(reading.plan, reading.mode);
    ++m_readsApplied;
    if (m_initAsked && !m_initialised) {
        m_initialised = true;
        if (!m_thread)
            record();
    }
}

void RecordSchedule::applyPlan(const RECORD_PLAN_INFO &plan, int storedMode)
{
    m_plan = plan;
    m_planRead = true;
    showPlan();
    switch (storedMode) {
    case 0:
        onBtnEveryDayClicked(true);
        ui->btn_every_day->setChecked(true);
        break;
    case 1:
        onBtnWorkDayClicked(true);
        ui->btn_work_day->setChecked(true);
        break;
    case 2:
        onBtnCustomClicked(true);
        ui->btn_custom->setChecked(true);
        break;
    default:
        break;
    }
    m_storedPlan = m_plan;
    // The plan's channels are not offered again under "Original Device".
    if (isVisible())
        refreshOriginalDevice();
}

void RecordSchedule::followQueue()
{
    const QStringList owed = m_planQueue.pending();
    const bool writeOwed = owed.size() > owed.count(QString::fromLatin1(ReadItemName));
    if (writeOwed && !m_writeWaits) {
        qInfo() << "Record strategy waits for the database";
        m_writeWaits = true;
        changeLockButton();
    }
    // The words say what waits: a change, or the plan being read.
    ui->m_lblWaiting->setText(m_writeWaits ? SharedTexts::waitingText() : SharedTexts::readWaitingText());
    ui->m_lblWaiting->setVisible(m_writeWaits || !owed.isEmpty());
}

void RecordSchedule::showNotice()
{
    const QString text = m_readNotice ? m_readNotice() : m_storageNotice ? m_storageNotice() : QString();
    if (ui->m_lblNotice->text() == text && ui->m_lblNotice->isVisible() == !text.isEmpty())
        return;
    if (!text.isEmpty())
        qInfo().noquote() << "Storage Schedule says:" << text;
    ui->m_lblNotice->setText(text);
    // Whole in its tool tip, should the room be too small for it.
    ui->m_lblNotice->setToolTip(text);
    ui->m_lblNotice->setVisible(!text.isEmpty());
}

void RecordSchedule::fitNoticeRoom()
{
    // Four lines, whatever the words: showing or changing them moves nothing.
    ui->m_lblNotice->ensurePolished();
    const QFontMetrics metrics(ui->m_lblNotice->font());
    const QMargins margins = ui->m_lblNotice->contentsMargins();
    ui->m_lblNotice->setFixedHeight(4 * metrics.lineSpacing() + margins.top() + margins.bottom());
}

bool RecordSchedule::savePlan(PlanChange change)
{
    if (!m_planRead) {
        qWarning() << "Record strategy not saved: the stored one was not read";
        MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), TipMs);
        return false;
    }
    // A write joining one that waits stores the plan with both changes: it
    // takes that one's place in the queue.
    m_revertDevices = m_revertDevices || change == PlanChange::Devices;
    m_revertSwitch = m_revertSwitch || change == PlanChange::Switched;
    m_sayStored = m_sayStored || change == PlanChange::Edited;
    return trySave();
}

bool RecordSchedule::trySave()
{
    const RECORD_PLAN_INFO plan = m_plan;
    const quint64 generation = ++m_saveGeneration;
    m_savedAtOnce = false;
    OrmAccessQueue::Item item{QStringLiteral("record strategy"), QStringLiteral("plan"), true,
                              [plan] {
                                  QSqlError error;
                                  storePlan(plan, &error);
                                  return error;
                              },
                              [this, plan, generation](const QSqlError &error) {
                                  // The latest write decides; an earlier one
                                  // that landed is what the database holds
                                  // until then.
                                  if (generation != m_saveGeneration) {
                                      if (error.text().isEmpty())
                                          m_storedPlan = plan;
                                      return;
                                  }
                                  if (error.text().isEmpty()) {
                                      m_storedPlan = plan;
                                      planStored();
                                  } else {
                                      writeGivenUp(OrmDatabase::isLocked(error));
                                  }
                              }};
    item.merges = true;
    m_planQueue.enqueue(std::move(item));
    followQueue();
    return m_savedAtOnce;
}

void RecordSchedule::planStored()
{
    const bool say = m_sayStored || m_writeWaits;
    const bool switched = m_revertSwitch;
    m_savedAtOnce = !m_writeWaits;
    endWrite();
    qInfo().noquote() << "Record strategy saved: work mode" << int(m_plan.iworkType) << "devices"
                      << m_plan.devices.size();
    // What the operator saw waiting is said done.
    if (say)
        MsgTipInfoDlg::showTip(SharedTexts::configSuccessText(), TipMs);
    followStoredPlan(switched);
}

void RecordSchedule::writeGivenUp(bool locked)
{
    // The devices and the switch are what the database holds, as a restart
    // would show them; the editor keeps the operator's work for the next Save.
    if (m_revertDevices) {
        m_plan.devices = m_storedPlan.devices;
        m_plan.iTurnOn = m_storedPlan.iTurnOn;
    }
    if (m_revertSwitch)
        m_plan.iTurnOn = m_storedPlan.iTurnOn;
    const bool reverted = m_revertDevices || m_revertSwitch;
    endWrite();
    if (reverted)
        showPlanState();
    followStoredPlan(false);
    // The close names it in its own words.
    if (!m_closed)
        MsgTipInfoDlg::showTip(locked ? SharedTexts::heldText() : SharedTexts::configFailedText(), TipMs);
}

void RecordSchedule::endWrite()
{
    m_writeWaits = false;
    m_revertDevices = false;
    m_revertSwitch = false;
    m_sayStored = false;
    followQueue();
    changeLockButton();
}

void RecordSchedule::followStoredPlan(bool switched)
{
    if (!m_storedPlan.iTurnOn) {
        stopThread();
        return;
    }
    if (m_thread)
        m_thread->updatePlan(m_storedPlan);
    else if (m_initialised || switched) // else recording starts with initPlan
        record();
}

void RecordSchedule::showPlanState()
{
    showOnText();
    changeLockButton();
    refreshRecordDevice();
    if (isVisible())
        refreshOriginalDevice();
}

void RecordSchedule::showOnText()
{
    ui->m_btnOn->setText(m_plan.iTurnOn ? tr("Stop") : tr("Start"));
}

void RecordSchedule::showPlan()
{
    showOnText();
    for (int i = 0; i < m_plan.days.size() && i < m_rows.size(); ++i) {
        TimeRangeCtrl *row = m_rows.at(i);
        row->clearSegments();
        for (const RECORD_TIME_PART &part : m_plan.days.at(i).timePart) {
            const auto span = RecordPlanTime::segmentFromPart(row->dayStart(), part);
            auto segment = std::make_shared<TimelineDetect>();
            segment->start = span.first;
            segment->end = std::min<int64_t>(span.second, row->dayEnd());
            row->addSegment(segment);
        }
    }
    QAbstractButton *current = m_modeButtons.value(m_plan.iworkType);
    if (current)
        current->setChecked(true);
    for (QAbstractButton *button : qAsConst(m_modeButtons)) {
        if (button != current)
            button->setChecked(false);
    }
    for (TimeRangeCtrl *row : qAsConst(m_rows))
        row->setEnabled(m_plan.iworkType == 2);
    changeLockButton();
    refreshRecordDevice();
}

void RecordSchedule::saveTime()
{
    QVector<RECORD_DAY_INFO> days;
    for (TimeRangeCtrl *row : qAsConst(m_rows)) {
        RECORD_DAY_INFO day;
        for (const auto &segment : row->getSegments())
            day.timePart.append(RecordPlanTime::partFromSegment(row->dayStart(), segment->start, segment->end));
        day.iPartCount = uint8_t(day.timePart.size());
        days.append(day);
    }
    m_plan.days = days;
}

void RecordSchedule::changeLockButton()
{
    // A write that waits for the database is the only one: the page shows it
    // until it is stored or given up.
    const bool unlocked = m_planRead && !m_writeWaits && m_plan.iTurnOn == 0;
    for (QWidget *w :
         std::initializer_list<QWidget *>{ui->m_btnAddDevices, ui->m_btnDelDevices, ui->m_btnAdvance, ui->m_btnSave,
                                          ui->btn_custom, ui->btn_every_day, ui->btn_work_day})
        w->setEnabled(unlocked);
    ui->m_btnOn->setEnabled(m_planRead && !m_writeWaits);
    qInfo() << "Record plan editing"
            << (unlocked       ? "unlocked"
                : m_writeWaits ? "locked while its write waits for the database"
                : m_planRead   ? "locked"
                               : "locked until the plan is read");
}

bool RecordSchedule::isRecordDevice(const FUN_DEV_INFO *dev) const
{
    for (const RECORD_DEVICE_INFO &d : m_plan.devices) {
        if (sameChannel(d, dev->sn, dev->ip, dev->channelIdx))
            return true;
    }
    return false;
}

void RecordSchedule::registryChanged()
{
    // A login sequence changes many records in one pass: one refresh for them.
    if (m_sourceRefreshPending || !isVisible())
        return;
    m_sourceRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_sourceRefreshPending = false;
        if (isVisible()) {
            refreshOriginalDevice();
            // A recorder's channels are known only once it logged in.
            relabelRecordDevices();
        }
    });
}

void RecordSchedule::refreshOriginalDevice()
{
    QSet<QString> ticked;
    for (int r = 0; r < m_sourceModel->rowCount(); ++r) {
        if (m_sourceModel->item(r)->checkState() == Qt::Checked)
            ticked.insert(m_sourceModel->item(r)->text());
    }
    m_sourceModel->removeRows(0, m_sourceModel->rowCount());
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    // Unread, the plan's own channels cannot be told from the others.
    if (!registry || !m_planRead)
        return;
    const QMap<QString, FUN_DEV_INFO *> all = registry->getAllDevInfo();
    for (FUN_DEV_INFO *dev : all) {
        if (!dev || dev->ip.isEmpty() || CommonHelper::isNvrMain(dev))
            continue;
        if (!CommonHelper::checkDevOnline(dev))
            continue;
        if (isRecordDevice(dev))
            continue;
        const QString key = CommonHelper::getDevKey(dev);
        QStandardItem *item = deviceItem(key);
        item->setData(key, Qt::UserRole);
        if (ticked.contains(key))
            item->setCheckState(Qt::Checked);
        m_sourceModel->appendRow(item);
    }
}

void RecordSchedule::refreshRecordDevice()
{
    m_recordModel->removeRows(0, m_recordModel->rowCount());
    for (const RECORD_DEVICE_INFO &d : qAsConst(m_plan.devices)) {
        bool known = false;
        const QString text = recordText(d, &known);
        if (!known)
            qWarning() << "not found device by id  " << d.szDevId << d.szDevIp << d.iChannelIdx;
        qInfo() << " add Record dev" << text;
        QStandardItem *item = deviceItem(text);
        item->setData(text, Qt::UserRole + 1);
        showState(item, m_states.value(entryId(d.szDevId, d.szDevIp, d.iChannelIdx), RecordScheduleThread::Idle));
        m_recordModel->appendRow(item);
    }
}

void RecordSchedule::relabelRecordDevices()
{
    if (m_recordModel->rowCount() != m_plan.devices.size()) {
        refreshRecordDevice();
        return;
    }
    // In place: what the operator has ticked stays ticked.
    for (int row = 0; row < m_recordModel->rowCount(); ++row) {
        const QString text = recordText(m_plan.devices.at(row));
        QStandardItem *item = m_recordModel->item(row);
        if (item->text() == text)
            continue;
        item->setText(text);
        item->setData(text, Qt::UserRole + 1);
    }
}

// ---- buttons ---------------------------------------------------------------------

void RecordSchedule::on_m_btnAddDevices_clicked()
{
    const QStringList keys = checkedTexts(m_sourceModel);
    if (keys.isEmpty() || !m_planRead || m_writeWaits)
        return;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    for (const QString &key : keys) {
        FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr;
        if (!dev)
            continue;
        if (isRecordDevice(dev))
            continue;
        RECORD_DEVICE_INFO d;
        d.szDevId = dev->sn;
        d.szDevIp = dev->ip;
        d.eDevType = dev->devType;
        d.iChannelIdx = dev->channelIdx;
        d.iStreamType = 0;
        m_plan.devices.append(d);
    }
    for (const QString &key : keys)
        removeRowByText(m_sourceModel, key);
    refreshRecordDevice();
    savePlan(PlanChange::Devices);
}

void RecordSchedule::on_m_btnDelDevices_clicked()
{
    const QStringList keys = checkedTexts(m_recordModel);
    if (keys.isEmpty() || !m_planRead || m_writeWaits)
        return;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    for (const QString &key : keys) {
        QString sn, ip;
        int channel = -1;
        if (FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr) {
            sn = dev->sn;
            ip = dev->ip;
            channel = dev->channelIdx;
        } else if (key.contains(QLatin1Char('_'))) {
            // "%1_%2" of a device the registry does not know; the serial
            // number may hold "_" itself.
            const int at = key.lastIndexOf(QLatin1Char('_'));
            bool ok = false;
            const int ch = key.mid(at + 1).toInt(&ok, 10);
            if (ok && ch >= 0 && ch <= 255) {
                sn = key.left(at);
                channel = ch;
            }
        }
        if (channel < 0)
            continue;
        for (int i = 0; i < m_plan.devices.size(); ++i) {
            const RECORD_DEVICE_INFO &d = m_plan.devices.at(i);
            const bool match =
                ip.isEmpty() ? (d.szDevId == sn && d.iChannelIdx == channel) : sameChannel(d, sn, ip, uint8_t(channel));
            if (match) {
                m_plan.devices.remove(i);
                break;
            }
        }
    }
    for (const QString &key : keys)
        removeRowByText(m_recordModel, key);
    refreshOriginalDevice();
    savePlan(PlanChange::Devices);
}

void RecordSchedule::on_m_btnAdvance_clicked()
{
    if (!m_planRead || m_writeWaits)
        return;
    recordAdvanceConfigDlg dlg(&m_plan, nullptr);
    dlg.setObjectName(QStringLiteral("PlanSet"));
    if (dlg.exec() == QDialog::Accepted)
        on_m_btnSave_clicked();
}

void RecordSchedule::on_m_btnSave_clicked()
{
    // Also from the settings dialog, whose modal loop may have seen a
    // registry follow-up start a write: the Save joins it.
    if (!m_planRead)
        return;
    saveTime();
    savePlan(PlanChange::Edited);
}

void RecordSchedule::on_m_btnOn_clicked()
{
    if (!m_planRead || m_writeWaits)
        return;
    if (m_plan.iTurnOn) {
        qInfo() << "stop record plan.";
        m_plan.iTurnOn = 0;
    } else {
        qInfo() << "start record plan.";
        if (m_plan.devices.isEmpty()) {
            MsgTipInfoDlg::showTip(tr("Please add at least one device"), TipMs);
            return;
        }
        if (m_plan.szStoragePath.trimmed().isEmpty()) {
            MsgTipInfoDlg::showTip(tr("Please add at least one video save path"), TipMs);
            return;
        }
        m_plan.iTurnOn = 1;
        saveTime();
    }
    showOnText();
    changeLockButton();
    // Recording follows once the database holds the switch.
    savePlan(PlanChange::Switched);
}

void RecordSchedule::onBtnEveryDayClicked(bool checked)
{
    if (!checked)
        return;
    for (TimeRangeCtrl *row : qAsConst(m_rows)) {
        row->clearSegments();
        row->addWholeDaySegment(0, SegmentColour);
        row->setEnabled(false);
    }
    m_plan.iworkType = 0;
}

void RecordSchedule::onBtnWorkDayClicked(bool checked)
{
    if (!checked)
        return;
    for (int i = 0; i < m_rows.size(); ++i) {
        TimeRangeCtrl *row = m_rows.at(i);
        row->clearSegments();
        row->setEnabled(false);
        if (i > 4)
            continue;
        auto segment = std::make_shared<TimelineDetect>();
        segment->start = row->dayStart() + 8 * 3600;
        segment->end = row->dayStart() + 17 * 3600 + 59 * 60 + 59;
        segment->type = 0;
        segment->colour = SegmentColour;
        row->addSegment(segment);
    }
    m_plan.iworkType = 1;
}

void RecordSchedule::onBtnCustomClicked(bool checked)
{
    if (!checked)
        return;
    for (int i = 0; i < m_rows.size() && i < m_plan.days.size(); ++i) {
        TimeRangeCtrl *row = m_rows.at(i);
        row->clearSegments();
        const RECORD_DAY_INFO &day = m_plan.days.at(i);
        if (day.iPartCount == 0)
            continue;
        for (const RECORD_TIME_PART &part : day.timePart) {
            const auto span = RecordPlanTime::segmentFromPart(row->dayStart(), part);
            auto segment = std::make_shared<TimelineDetect>();
            segment->start = span.first;
            segment->end = std::min<int64_t>(span.second, row->dayEnd());
            row->addSegment(segment);
        }
    }
    if (auto *custom = findChild<QAbstractButton *>(QStringLiteral("btn_custom")))
        custom->setChecked(true);
    for (TimeRangeCtrl *row : qAsConst(m_rows))
        row->setEnabled(true);
    m_plan.iworkType = 2;
}

void RecordSchedule::record()
{
    stopThread();
    if (!m_storedPlan.iTurnOn)
        return;
    if (m_closed) {
        qInfo() << "Recording not started: the client closes";
        return;
    }
    m_thread = new RecordScheduleThread;
    // A stop reported by a thread that has been replaced since must not switch
    // off the plan of its successor.
    const quint64 generation = ++m_threadGeneration;
    connect(
        m_thread, &RecordScheduleThread::sig_recordStopped, this,
        [this, generation](int storageType) {
            if (generation == m_threadGeneration)
                onRecordStopped(storageType);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_recordWriteFailed, this,
        [this, generation] {
            if (generation == m_threadGeneration && m_storedPlan.iTurnOn)
                MsgTipInfoDlg::showTip(
                    tr("Video recording cannot be written to the storage folder; it starts again when it can."), TipMs);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_storageUnavailable, this,
        [this, generation](const QString &path, int state, const QString &detail) {
            if (generation != m_threadGeneration || !m_storedPlan.iTurnOn)
                return;
            m_storageState = state;
            for (int row = 0; row < m_recordModel->rowCount(); ++row) {
                if (deviceState(row) == RecordScheduleThread::NoStorage)
                    showState(m_recordModel->item(row), RecordScheduleThread::NoStorage);
            }
            // Told wherever the operator is, and kept on the page until it ends.
            m_storageNotice = [path, state, detail] { return storageUnavailableText(path, state, detail); };
            showNotice();
            MsgTipInfoDlg::showTip(m_storageNotice(), NoticeMs);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_storageBack, this,
        [this, generation] {
            if (generation != m_threadGeneration)
                return;
            m_storageNotice = nullptr;
            showNotice();
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_storageRemade, this,
        [this, generation](const QString &path) {
            if (generation == m_threadGeneration && m_storedPlan.iTurnOn)
                MsgTipInfoDlg::showTip(storageRemadeText(path), NoticeMs);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_storageMoved, this,
        [this, generation](const QString &path, const QString &mountPoint, const QString &earlierSource,
                           const QString &earlierMountPoint) {
            if (generation == m_threadGeneration && m_storedPlan.iTurnOn)
                MsgTipInfoDlg::showTip(storageMovedText(path, mountPoint, earlierSource, earlierMountPoint), NoticeMs);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::sig_markNotKept, this,
        [this, generation](const QString &reason) {
            if (generation == m_threadGeneration && m_storedPlan.iTurnOn)
                MsgTipInfoDlg::showTip(markNotKeptText(reason), NoticeMs);
        },
        Qt::QueuedConnection);
    connect(
        m_thread, &RecordScheduleThread::deviceStateChanged, this,
        [this, generation](const QString &sn, const QString &ip, int channel, int state) {
            if (generation == m_threadGeneration)
                onDeviceState(sn, ip, channel, state);
        },
        Qt::QueuedConnection);
    m_thread->setPlan(&m_storedPlan);
    m_thread->start(QThread::InheritPriority);
}

QString RecordSchedule::storageUnavailableText(const QString &path, int state, const QString &detail)
{
    switch (StorageMark::State(state)) {
    case StorageMark::State::Missing:
    case StorageMark::State::NotOurs:
        // The folder recorded into before is there still, under a disk
        // mounted over it: it is back when that disk goes, not when its own
        // disk comes.
        if (!detail.isEmpty())
            return tr("A disk mounted at %2 covers the storage folder %1 and is not this client's storage; nothing "
                      "is written onto it. Recording starts again when that disk is unmounted; to record onto it, "
                      "choose the folder again under Configuration.")
                .arg(path, detail);
        if (state == int(StorageMark::State::Missing))
            return tr("The storage folder %1 is not there (is its disk mounted?); recording starts again when it is back.")
                .arg(path);
        return tr("The folder %1 is not the storage folder recorded into before (is its disk mounted?); nothing is "
                  "written into it. Recording starts again when that disk is back; to record into this folder, "
                  "choose it again under Configuration.")
            .arg(path);
    case StorageMark::State::Held:
        return tr("Another client records into the storage folder %1 (it holds the lock on %2); this client writes "
                  "nothing there. Recording starts when that client stops; or choose another folder under "
                  "Configuration.")
            .arg(path, detail);
    case StorageMark::State::Unmounted:
        return tr("The storage folder %1 lies under %2, where the system mounts a disk, and no disk is mounted there "
                  "now; nothing is written. Recording starts when it is mounted.")
            .arg(path, detail);
    case StorageMark::State::Unknown:
        // Not a lock another program holds: a damaged file, or a settings
        // table this client cannot read, which waiting alone does not end.
        if (!detail.isEmpty() && !OrmDatabase::isLocked(QSqlError(QString(), detail)))
            return tr("The client's settings table %4 in the database file %2 cannot be read (%3); the file may be "
                      "damaged. The storage folder %1 cannot be checked, and nothing is recorded until the settings "
                      "can be read.")
                .arg(path, OrmDatabase::trouble(QSqlError()).file, detail, SettingsKeeper::namedTable());
        return tr("The storage folder %1 cannot be checked while the client's settings cannot be read (%2); "
                  "recording starts when they can be read.")
            .arg(path, databaseReason(detail));
    case StorageMark::State::Inside:
        return tr("The folder %1 lies inside %2, the storage folder of another client; this client writes nothing "
                  "there, so that neither touches the other's recordings. Choose another folder under "
                  "Configuration.")
            .arg(path, detail);
    default:
        break;
    }
    if (!detail.isEmpty())
        return tr("Video recording cannot be written to the storage folder %1 (%2); it starts again when it can.")
            .arg(path, Platform::translatedFailure(detail));
    return tr("Video recording cannot be written to the storage folder; it starts again when it can.");
}

QString RecordSchedule::storageRemadeText(const QString &path)
{
    return tr("The storage folder %1 was removed from its disk, which is still mounted. It is this client's own, so "
              "the client made it again, and recording goes on in it.")
        .arg(path);
}

QString RecordSchedule::unreadText(const ReadFailure &failure, bool readBefore)
{
    const DatabaseTrouble trouble = OrmDatabase::trouble(failure.error);
    const QString meanwhile = readBefore ? tr("Recording follows the plan read before meanwhile.")
                                         : tr("Nothing is recorded until it can be read.");
    switch (trouble.kind) {
    case DatabaseTrouble::Held:
        return tr("The table %1 of the database file %2 cannot be read now: the database is in use by another "
                  "program. %3 It is read again by itself.")
            .arg(failure.table, trouble.file, meanwhile);
    case DatabaseTrouble::Damaged:
        return tr("The table %1 of the database file %2 cannot be read: the file is damaged (%3). %4 It is read "
                  "again by itself.")
            .arg(failure.table, trouble.file, failure.error.text(), meanwhile);
    default:
        return tr("The table %1 of the database file %2 cannot be read (%3). %4 It is read again by itself.")
            .arg(failure.table, trouble.file, failure.error.text(), meanwhile);
    }
}

QString RecordSchedule::markNotKeptText(const QString &reason)
{
    return tr("The client's settings cannot be saved in the database (%1): the storage folder is known for this run "
              "only.")
        .arg(databaseReason(reason));
}

QString RecordSchedule::storageMovedText(const QString &path, const QString &mountPoint, const QString &earlierSource,
                                         const QString &earlierMountPoint)
{
    return tr("A disk was mounted at %2: recording goes on in %1 on it. What was recorded before lies in %1 on %3 "
              "(mounted at %4), hidden under the mount point %2 while that disk is mounted.")
        .arg(path, mountPoint, earlierSource, earlierMountPoint);
}

// A channel that should record and does not is shown in the danger colour
// with the reason as its tool tip.
void RecordSchedule::showState(QStandardItem *item, int state) const
{
    QString reason;
    if (state == RecordScheduleThread::Retrying)
        reason = tr("Not recording: the stream failed, trying again");
    else if (state == RecordScheduleThread::Missing)
        reason = tr("Not recording: the device is not found");
    else if (state == RecordScheduleThread::DiskFull)
        reason = tr("Not recording: the disk is full or cannot be written");
    else if (state == RecordScheduleThread::NoStorage)
        reason = noStorageReason(m_storageState);
    item->setData(state, StateRole);
    item->setToolTip(reason);
    item->setForeground(reason.isEmpty() ? QBrush() : QBrush(QColor(0xe0, 0x4b, 0x4b)));
}

void RecordSchedule::stopThread()
{
    if (!m_thread)
        return;
    ++m_threadGeneration;
    m_thread->stop();
    delete m_thread;
    m_thread = nullptr;
    m_states.clear();
    m_storageState = int(StorageMark::State::Ours);
    m_storageNotice = nullptr;
    showNotice();
    for (int row = 0; row < m_recordModel->rowCount(); ++row)
        showState(m_recordModel->item(row), RecordScheduleThread::Idle);
}

void RecordSchedule::onDeviceState(const QString &sn, const QString &ip, int channel, int state)
{
    const QString id = entryId(sn, ip, channel);
    m_states.insert(id, state);
    for (int row = 0; row < m_plan.devices.size() && row < m_recordModel->rowCount(); ++row) {
        const RECORD_DEVICE_INFO &d = m_plan.devices.at(row);
        if (entryId(d.szDevId, d.szDevIp, d.iChannelIdx) == id)
            showState(m_recordModel->item(row), state);
    }
}

int RecordSchedule::deviceState(int row) const
{
    const QStandardItem *item = m_recordModel->item(row);
    return item ? item->data(StateRole).toInt() : RecordScheduleThread::Idle;
}

void RecordSchedule::onRecordStopped(int storageType)
{
    Q_UNUSED(storageType)
    // Queued: the operator may have switched the plan off meanwhile.
    if (!m_storedPlan.iTurnOn)
        return;
    // The plan stays on: the thread looks at the free space again and
    // recording resumes by itself when there is room, as after an outage.
    // The record list shows the channels that wait for it.
    MsgTipInfoDlg::showTip(tr("Hard disk space is less than 5GB, video recording has stopped."), TipMs);
}

// ---- events ----------------------------------------------------------------------

void RecordSchedule::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitNoticeRoom();
    // A plan unreadable when the page was made is tried again.
    planRead();
    refreshOriginalDevice();
    relabelRecordDevices();
}

void RecordSchedule::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's text would name neither state of the switch.
        showOnText();
        followQueue();
        showNotice();
        const QStringList dayNames = SharedTexts::weekDayList();
        for (int i = 0; i < m_dayLabels.size() && i < dayNames.size(); ++i)
            m_dayLabels.at(i)->setText(dayNames.at(i));
        for (TimeRangeCtrl *row : qAsConst(m_rows))
            row->setToolTip(tr("Drag up the time period for removal"));
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitNoticeRoom();
    QWidget::changeEvent(event);
}
