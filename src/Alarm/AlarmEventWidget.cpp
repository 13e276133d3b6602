#include "AlarmEventWidget.h"
#include "ui_AlarmEventWidget.h"

#include "AlarmRecordWriter.h"
#include "AlarmSettingsStore.h"
#include "CMoveDetectTimeline.h"
#include "CommonHelperWidgets.h"
#include "DeviceTree.h"
#include "MsgTipInfoDlg.h"
#include "OrmCore.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"

#include <QDateTime>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <limits>

using AlarmSettingsStore::DayRange;

namespace {

constexpr int kToastMs = 2000;

QString trimmed(const QLineEdit *edit)
{
    return edit->text().trimmed();
}

// 00:00:00 of the local day a moment lies on.
qint64 dayStartOf(qint64 secs)
{
    return QDateTime(QDateTime::fromSecsSinceEpoch(secs).date(), QTime(0, 0, 0)).toSecsSinceEpoch();
}

} // namespace

AlarmEventWidget::AlarmEventWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::AlarmEventWidget)
{
    ui->setupUi(this);
    // Made after the form: the form binds the page's on_..._clicked slots by
    // object name over all children, and the dialog has a pushButtonSave too.
    m_copyDialog = new CopyAlarmEvent(this);

    for (QPushButton *button : {ui->pushButtonBasic, ui->pushButtonSmart, ui->pushButtonOther, ui->pushButtonIO})
        button->setStyleSheet(m_expandedStyle);
    ui->treeView->setHeaderHidden(true);
    ui->treeView->setNvrHidden(true);
    connect(ui->treeView, &QAbstractItemView::clicked, this, &AlarmEventWidget::onDeviceItemClicked);

    m_dayButtons = {ui->pushButtonMonday, ui->pushButtonTuesday,  ui->pushButtonWednesday, ui->pushButtonThursday,
                    ui->pushButtonFriday, ui->pushButtonSaturday, ui->pushButtonSunday};
    m_timelines = {ui->widgetTimeMon, ui->widgetTimeTue, ui->widgetTimeWed, ui->widgetTimeThu,
                   ui->widgetTimeFri, ui->widgetTimeSat, ui->widgetTimeSun};
    for (int i = 0; i < m_timelines.size(); ++i) {
        CMoveDetectTimeline *timeline = m_timelines.at(i);
        timeline->setHourOnlyLabels(true);
        connect(m_dayButtons.at(i), &QPushButton::clicked, timeline, &CMoveDetectTimeline::clearSegments);
    }
    resetArmingTime();

    connect(m_copyDialog, &CopyAlarmEvent::signalsCopyAlarm, this, &AlarmEventWidget::dealWithCopy);
    hideUnusedControls();

    // Above the settings, in view however far they are scrolled. Its room
    // stays whether it shows or not, as tall as its longest words: nothing
    // below it moves when a device is chosen or its settings were not read.
    m_chooseHint = new QLabel(chooseDeviceText(), this);
    m_chooseHint->setObjectName(QStringLiteral("labelChooseDevice"));
    m_chooseHint->setWordWrap(true);
    m_chooseHint->setStyleSheet(QStringLiteral("color: #f0b429; padding: 6px 0px;"));
    ui->verticalLayoutForm->insertWidget(0, m_chooseHint);
    CommonHelper::keepRoomWhenHidden({m_chooseHint});
    m_chooseHint->installEventFilter(this);
    updateDeviceChosen();
    connect(&m_queue, &OrmAccessQueue::waitingChanged, this, &AlarmEventWidget::showWaiting);
    m_queue.setSaid(tr("the alarm settings"));
}

QString AlarmEventWidget::chooseDeviceText()
{
    return tr("Choose a device in the list to see and change its alarm settings.");
}

QStringList AlarmEventWidget::unreadTexts()
{
    return {tr("The alarm settings of this device could not be read: the database is in use by another program. "
               "Choose the device again to try once more."),
            tr("The alarm settings of this device could not be read: the database file is damaged."),
            tr("The alarm settings of this device could not be read. Choose the device again to try once more.")};
}

QString AlarmEventWidget::readFailedText(const QSqlError &error)
{
    if (OrmDatabase::isLocked(error))
        return unreadTexts().at(0);
    if (AlarmRecordWriter::failureOf(error) == AlarmRecordWriter::Damaged)
        return unreadTexts().at(1);
    return unreadTexts().at(2);
}

void AlarmEventWidget::fitHintRoom()
{
    const QString shown = m_chooseHint->text();
    int height = 0;
    for (const QString &text : QStringList{chooseDeviceText()} + unreadTexts()) {
        m_chooseHint->setText(text);
        height = std::max(height, m_chooseHint->heightForWidth(m_chooseHint->width()));
    }
    m_chooseHint->setText(shown);
    if (m_chooseHint->minimumHeight() != height)
        m_chooseHint->setMinimumHeight(height);
}

bool AlarmEventWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Wrapped at another width, the longest words may take another line.
    if (watched == m_chooseHint && event->type() == QEvent::Resize
        && static_cast<QResizeEvent *>(event)->oldSize().width() != m_chooseHint->width())
        fitHintRoom();
    return QWidget::eventFilter(watched, event);
}

void AlarmEventWidget::updateDeviceChosen()
{
    const bool chosen = !currentKey().isEmpty();
    const bool read = chosen && m_load == Load::Read;
    if (!chosen)
        m_chooseHint->setText(chooseDeviceText());
    else if (m_load == Load::Failed)
        m_chooseHint->setText(readFailedText(m_loadError));
    m_chooseHint->setVisible(!chosen || m_load == Load::Failed);
    ui->pushButtonSave->setEnabled(read);
    ui->pushButtonCopy->setEnabled(read);
}

void AlarmEventWidget::showWaiting(bool waiting)
{
    // Said exactly while a read or a write waits for a database another
    // program holds: the queue's own state, not a guessed duration.
    MsgTipInfoDlg::showWhile(m_waitingTip, waiting,
                             m_load == Load::Reading ? SharedTexts::readWaitingText() : SharedTexts::waitingText());
}

AlarmEventWidget::~AlarmEventWidget()
{
    delete m_copyDialog;
    delete ui;
}

void AlarmEventWidget::hideUnusedControls()
{
    const QList<QWidget *> hidden = {
        ui->label_8,
        ui->pushButtonIO,
        ui->widgetIO,
        ui->widgetAccess,
        ui->labelAccess,
        ui->widgetDisk,
        ui->labelDisk,
        ui->labelRecordingStream,
        ui->comboBoxRecodingSream,
        ui->labelLinkMotion,
        ui->widgetLinkMotion,
        ui->labelMotionPoint,
        ui->comboBoxMotionPoint,
        ui->labelPreset,
        ui->comboBoxPreset,
        ui->labelSendEmail,
        ui->widgetSendEmai,
        ui->labelAudioPrompt,
        ui->widgetAudioPrompt,
        ui->labelCustomAudio,
        ui->lineEditAudio,
        ui->pushButtonAudio,
        ui->labelAudioTime,
        ui->lineEditAudioTime,
        ui->labelMapFlash,
        ui->widgetMapFlash,
        ui->labelIOoutput,
        ui->widgetIOoutput,
        ui->labelIOSelect,
        ui->comboBoxIO,
        ui->labelOutputTime,
        ui->lineEditOutputTime,
    };
    for (QWidget *w : hidden)
        w->hide();
}

QString AlarmEventWidget::currentKey() const
{
    return AlarmSettingsStore::deviceKeyOf(ui->treeView, ui->treeView->currentIndex());
}

void AlarmEventWidget::resetEventTypes()
{
    for (SwitchControl *s : {ui->widgetMotion, ui->widgetMiss, ui->widgetDeviceOff, ui->widgetAccess, ui->widgetDisk,
                             ui->widgetHuman, ui->widgetFace, ui->widgetAudio, ui->controlAlarmInput})
        s->setChecked(false);
}

void AlarmEventWidget::resetLinkage()
{
    for (SwitchControl *s : {ui->widgetLinkMotion, ui->widgetVideoPopup, ui->widgetSendEmai, ui->widgetAudioPrompt,
                             ui->widgetMapFlash, ui->widgetSnapshot, ui->widgetRecoding, ui->widgetIOoutput})
        s->setChecked(false);
    ui->lineEditPopupTime->setText(QStringLiteral("10"));
    ui->lineEditAudio->clear();
    ui->lineEditAudioTime->setText(QStringLiteral("5"));
    ui->lineEditRecordingTime->setText(QStringLiteral("10"));
    ui->lineEditOutputTime->clear();
}

void AlarmEventWidget::resetArmingTime()
{
    for (QCheckBox *box : {ui->checkBoxAllWeek, ui->checkBoxMonday, ui->checkBoxTuesday, ui->checkBoxWednesday,
                           ui->checkBoxThursday, ui->checkBoxFriday, ui->checkBoxSaturday, ui->checkBoxSunday})
        box->setChecked(true);
    for (CMoveDetectTimeline *timeline : qAsConst(m_timelines)) {
        timeline->clearSegments();
        timeline->addWholeDaySegment(0, 0);
    }
}

void AlarmEventWidget::resetAll()
{
    resetEventTypes();
    resetLinkage();
    resetArmingTime();
}

void AlarmEventWidget::onDeviceItemClicked(const QModelIndex &)
{
    resetAll();
    const QString key = currentKey();
    m_shownKey = key;
    m_shownName = AlarmSettingsStore::deviceName(key);
    m_stored = StoredRows();
    m_load = key.isEmpty() ? Load::None : Load::Reading;
    ++m_loadSerial;
    updateDeviceChosen();
    if (!key.isEmpty())
        loadShown();
}

void AlarmEventWidget::loadShown()
{
    const auto rows = std::make_shared<StoredRows>();
    const QString key = m_shownKey;
    const quint64 serial = m_loadSerial;
    const auto read = [key, rows] {
        QSqlError err = AlarmSettingsStore::readRow(key, &rows->type);
        if (err.text().isEmpty())
            err = AlarmSettingsStore::readRow(key, &rows->link);
        if (err.text().isEmpty())
            err = AlarmSettingsStore::readRow(key, &rows->time);
        return err;
    };
    const auto shown = [this, serial, rows](const QSqlError &error) {
        if (m_waitingTip)
            m_waitingTip->close();
        // Another device was chosen meanwhile: its own read answers for it.
        if (serial != m_loadSerial)
            return;
        m_loadError = error;
        if (!error.text().isEmpty()) {
            qWarning().noquote() << "Alarm settings of" << m_shownKey << "not read:" << error.text();
            m_load = Load::Failed;
            updateDeviceChosen();
            return;
        }
        m_stored = *rows;
        showStored();
        m_load = Load::Read;
        updateDeviceChosen();
    };
    m_queue.enqueue(OrmAccessQueue::Item::reading(QStringLiteral("alarm settings of %1 read").arg(key), read, shown));
    if (m_queue.isWaiting())
        showWaiting(true);
}

void AlarmEventWidget::showStored()
{
    // A part the device has no row of shows what the page shows for a new one.
    resetAll();
    if (m_stored.type)
        setAlarmTypeInfo(*m_stored.type);
    if (m_stored.link)
        setAlarmLinkInfo(*m_stored.link);
    if (m_stored.time)
        setAlarmTimeInfo(*m_stored.time);
}

void AlarmEventWidget::setAlarmTypeInfo(const cms_DealAlarmType &stored)
{
    const cms_DealAlarmType *row = &stored;
    ui->widgetMotion->setChecked(row->bMotionDetection);
    ui->widgetMiss->setChecked(row->bVideoMissing);
    ui->widgetDeviceOff->setChecked(row->bDeviceOffline);
    ui->widgetAccess->setChecked(row->bIllegalAccess);
    ui->widgetDisk->setChecked(row->bDiskFailure);
    ui->widgetHuman->setChecked(row->bHumanDetection);
    ui->widgetFace->setChecked(row->bFaceDetection);
    ui->widgetAudio->setChecked(row->bAudioNoise);
    ui->controlAlarmInput->setChecked(row->bAlarmInput);
}

void AlarmEventWidget::setAlarmLinkInfo(const cms_DealAlarmLink &stored)
{
    const cms_DealAlarmLink *row = &stored;
    ui->widgetVideoPopup->setChecked(row->bVideoPopup);
    ui->widgetRecoding->setChecked(row->bLinkageRecording);
    ui->widgetSnapshot->setChecked(row->bSnapshotPictures);
    ui->widgetLinkMotion->setChecked(row->bLinkageMonitoring);
    ui->widgetSendEmai->setChecked(row->bSendEmail);
    ui->widgetAudioPrompt->setChecked(row->bAudioPrompt);
    ui->widgetMapFlash->setChecked(row->bMapFlashes);
    ui->widgetIOoutput->setChecked(row->bIOOutput);
    ui->lineEditPopupTime->setText(row->popupTime);
    ui->lineEditAudio->setText(row->customAudio);
    ui->lineEditAudioTime->setText(row->audioTime);
    ui->lineEditRecordingTime->setText(row->recordingTime);
    ui->lineEditOutputTime->setText(row->outputTime);
    ui->comboBoxMotionPoint->setCurrentText(row->monitoringPoint);
    ui->comboBoxPreset->setCurrentText(row->performPreset);
    ui->comboBoxRecodingSream->setCurrentText(row->recordingStream);
    ui->comboBoxIO->setCurrentText(row->outputSelect);
}

void AlarmEventWidget::setAlarmTimeInfo(const cms_DealAlarmTime &stored)
{
    const cms_DealAlarmTime *row = &stored;
    const QStringList days = {row->timeMon, row->timeTue, row->timeWed, row->timeThu,
                              row->timeFri, row->timeSat, row->timeSun};
    for (int i = 0; i < qMin(7, m_timelines.size()); ++i) {
        CMoveDetectTimeline *timeline = m_timelines.at(i);
        timeline->clearSegments();
        for (const DayRange &range : AlarmSettingsStore::parseDayText(days.at(i))) {
            auto segment = std::make_shared<TimelineDetect>();
            segment->start = timeline->dayStart() + range.first;
            segment->end = timeline->dayStart() + range.second;
            timeline->addSegment(segment);
        }
    }
    ui->checkBoxAllWeek->setChecked(row->bALL);
    ui->checkBoxMonday->setChecked(row->bMon);
    ui->checkBoxTuesday->setChecked(row->bTue);
    ui->checkBoxWednesday->setChecked(row->bWed);
    ui->checkBoxThursday->setChecked(row->bThu);
    ui->checkBoxFriday->setChecked(row->bFri);
    ui->checkBoxSaturday->setChecked(row->bSat);
    ui->checkBoxSunday->setChecked(row->bSun);
}

cms_DealAlarmType AlarmEventWidget::getAlarmTypeInfo(const QString &devip) const
{
    cms_DealAlarmType shown;
    cms_DealAlarmType *row = &shown;
    row->devip = devip;
    row->bMotionDetection = ui->widgetMotion->isChecked();
    row->bVideoMissing = ui->widgetMiss->isChecked();
    row->bDeviceOffline = ui->widgetDeviceOff->isChecked();
    row->bIllegalAccess = ui->widgetAccess->isChecked();
    row->bDiskFailure = ui->widgetDisk->isChecked();
    row->bHumanDetection = ui->widgetHuman->isChecked();
    row->bFaceDetection = ui->widgetFace->isChecked();
    row->bAudioNoise = ui->widgetAudio->isChecked();
    row->bAlarmInput = ui->controlAlarmInput->isChecked();
    return shown;
}

cms_DealAlarmLink AlarmEventWidget::getAlarmLinkInfo(const QString &devip) const
{
    cms_DealAlarmLink shown;
    cms_DealAlarmLink *row = &shown;
    row->devip = devip;
    row->bVideoPopup = ui->widgetVideoPopup->isChecked();
    row->popupTime = trimmed(ui->lineEditPopupTime);
    row->bLinkageRecording = ui->widgetRecoding->isChecked();
    row->recordingTime = trimmed(ui->lineEditRecordingTime);
    row->recordingStream = ui->comboBoxRecodingSream->currentText();
    row->bSnapshotPictures = ui->widgetSnapshot->isChecked();
    row->bLinkageMonitoring = ui->widgetLinkMotion->isChecked();
    row->monitoringPoint = ui->comboBoxMotionPoint->currentText();
    row->performPreset = ui->comboBoxPreset->currentText();
    row->bSendEmail = ui->widgetSendEmai->isChecked();
    row->bAudioPrompt = ui->widgetAudioPrompt->isChecked();
    row->customAudio = trimmed(ui->lineEditAudio);
    row->audioTime = trimmed(ui->lineEditAudioTime);
    row->bMapFlashes = ui->widgetMapFlash->isChecked();
    row->bIOOutput = ui->widgetIOoutput->isChecked();
    row->outputSelect = ui->comboBoxIO->currentText();
    row->outputTime = trimmed(ui->lineEditOutputTime);
    return shown;
}

cms_DealAlarmTime AlarmEventWidget::getAlarmTimeInfo(const QString &devip) const
{
    cms_DealAlarmTime shown;
    cms_DealAlarmTime *row = &shown;
    row->devip = devip;
    QString *texts[] = {&row->timeMon, &row->timeTue, &row->timeWed, &row->timeThu,
                        &row->timeFri, &row->timeSat, &row->timeSun};
    for (int i = 0; i < qMin(7, m_timelines.size()); ++i)
        *texts[i] = changeAlarmTime(m_timelines.at(i)->getSegments());
    row->bALL = ui->checkBoxAllWeek->isChecked();
    row->bMon = ui->checkBoxMonday->isChecked();
    row->bTue = ui->checkBoxTuesday->isChecked();
    row->bWed = ui->checkBoxWednesday->isChecked();
    row->bThu = ui->checkBoxThursday->isChecked();
    row->bFri = ui->checkBoxFriday->isChecked();
    row->bSat = ui->checkBoxSaturday->isChecked();
    row->bSun = ui->checkBoxSunday->isChecked();
    return shown;
}

QString AlarmEventWidget::changeAlarmTime(const std::vector<std::shared_ptr<TimelineDetect>> &segments)
{
    QVector<DayRange> ranges;
    for (const auto &segment : segments) {
        if (!segment)
            continue;
        const qint64 base = dayStartOf(segment->start);
        const int from = int(qBound<qint64>(0, segment->start - base, 86399));
        // The last second of the day, not the next midnight, which would read
        // back as 00:00:00 and lose the range.
        const int to = int(qBound<qint64>(0, segment->end - base, 86399));
        ranges.append(qMakePair(from, to));
        qDebug() << "alarm time" << from * 1000LL << to * 1000LL << AlarmSettingsStore::dayText({ranges.last()});
    }
    return AlarmSettingsStore::dayText(ranges);
}

bool AlarmEventWidget::isValidDuration(const QString &text)
{
    const QString t = text.trimmed();
    // Digits only: no sign, no spaces inside, and no more than fit the bound.
    if (t.isEmpty() || t.size() > 9)
        return false;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    const int seconds = t.toInt();
    return seconds >= MinDurationS && seconds <= MaxDurationS;
}

bool AlarmEventWidget::durationsValid()
{
    for (QLineEdit *edit : {ui->lineEditPopupTime, ui->lineEditRecordingTime}) {
        if (!isValidDuration(edit->text())) {
            // Shown once the copy dialog that may have asked is gone: a toast
            // of that dialog would close with it unseen.
            QTimer::singleShot(0, this, [] { MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), kToastMs); });
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    return true;
}

void AlarmEventWidget::on_pushButtonSave_clicked()
{
    const QString key = currentKey();
    if (key.isEmpty()) {
        // Nothing to store the page's values under: the operator must not
        // take the silence for a save.
        MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), kToastMs);
        return;
    }
    // Nothing the page could not read is sent back as if it had been.
    if (m_load != Load::Read || key != m_shownKey)
        return;
    if (!durationsValid())
        return;
    const auto link = getAlarmLinkInfo(key);
    const auto type = getAlarmTypeInfo(key);
    const auto time = getAlarmTimeInfo(key);
    // Not QSharedPointer::create: GCC 12 at -O3 reads its pointer as unset on
    // the path where the allocation throws, inside Qt's header, and warns.
    const StoredRows saved{QSharedPointer<cms_DealAlarmType>(new cms_DealAlarmType(type)),
                           QSharedPointer<cms_DealAlarmLink>(new cms_DealAlarmLink(link)),
                           QSharedPointer<cms_DealAlarmTime>(new cms_DealAlarmTime(time))};
    const quint64 serial = ++m_saveSerial;
    const quint64 reading = m_loadSerial;
    storeRows(
        QStringLiteral("alarm settings of ") + key, true,
        [key, link, type, time] {
            QSqlError err = AlarmSettingsStore::storeShown(key, link);
            if (err.text().isEmpty())
                err = AlarmSettingsStore::storeShown(key, type);
            if (err.text().isEmpty())
                err = AlarmSettingsStore::storeShown(key, time);
            return err;
        },
        [this, saved, serial, reading](const QSqlError &error) {
            // Another device chosen (or this one read again) meanwhile: the
            // page shows what its own read gave.
            if (reading != m_loadSerial)
                return;
            if (error.text().isEmpty()) {
                m_stored = saved;
                return;
            }
            // Not stored: the page shows what the database holds, as a
            // restart would, never the values it could not keep. A later
            // Save, still waiting, decides instead.
            if (serial == m_saveSerial)
                showStored();
        });
}

void AlarmEventWidget::storeRows(const QString &what, bool sayStored, const std::function<QSqlError()> &write,
                                 const std::function<void(const QSqlError &)> &settled)
{
    // The rows of one Save or copy land together, or none does.
    const auto inOne = [write] {
        OrmTransaction tx;
        QSqlError err = tx.error();
        if (err.text().isEmpty())
            err = write();
        return err.text().isEmpty() ? tx.commit() : err;
    };
    m_queue.enqueue({what, QString(), true, inOne, [this, sayStored, settled](const QSqlError &error) {
                         const bool waited = !m_waitingTip.isNull();
                         if (m_waitingTip)
                             m_waitingTip->close();
                         if (settled)
                             settled(error);
                         if (!error.text().isEmpty())
                             MsgTipInfoDlg::showTip(SharedTexts::failureText(OrmDatabase::trouble(error)), kToastMs);
                         else if (sayStored || waited)
                             MsgTipInfoDlg::showTip(SharedTexts::configSuccessText(), kToastMs);
                         emit SignalsHelper::instance()->signalUpdateAlarm();
                     }});
    // Another program holds the database: said while the rows wait for it.
    if (m_queue.isWaiting())
        showWaiting(true);
}

void AlarmEventWidget::dealWithCopy(CopyAlarmEvent::CopyInfo info)
{
    if (info.devList.isEmpty())
        return;
    if (!info.bType && !info.bLinkage && !info.bArming)
        return;
    // What the page shows is copied only once it shows what is stored.
    if (m_load != Load::Read)
        return;
    // The linkage goes out with the page's durations: not when they are wrong.
    if (info.bLinkage && !durationsValid())
        return;
    // What the page shows, taken now: the rows land as they were copied.
    QList<std::function<QSqlError()>> rows;
    // Copied onto the shown device itself, the parts copied are what it stores.
    StoredRows ontoShown;
    for (const QString &key : qAsConst(info.devList)) {
        if (key.isEmpty())
            continue;
        const bool shown = key == m_shownKey;
        if (info.bType) {
            rows << rowWrite(getAlarmTypeInfo(key), key);
            if (shown)
                ontoShown.type = QSharedPointer<cms_DealAlarmType>::create(getAlarmTypeInfo(key));
        }
        if (info.bLinkage) {
            rows << rowWrite(getAlarmLinkInfo(key), key);
            if (shown)
                ontoShown.link = QSharedPointer<cms_DealAlarmLink>::create(getAlarmLinkInfo(key));
        }
        if (info.bArming) {
            rows << rowWrite(getAlarmTimeInfo(key), key);
            if (shown)
                ontoShown.time = QSharedPointer<cms_DealAlarmTime>::create(getAlarmTimeInfo(key));
        }
    }
    const quint64 reading = m_loadSerial;
    storeRows(
        QStringLiteral("alarm settings copied"), false,
        [rows] {
            QSqlError err;
            for (int i = 0; err.text().isEmpty() && i < rows.size(); ++i)
                err = rows.at(i)();
            return err;
        },
        [this, ontoShown, reading](const QSqlError &error) {
            if (!error.text().isEmpty() || reading != m_loadSerial)
                return;
            if (ontoShown.type)
                m_stored.type = ontoShown.type;
            if (ontoShown.link)
                m_stored.link = ontoShown.link;
            if (ontoShown.time)
                m_stored.time = ontoShown.time;
        });
}

void AlarmEventWidget::toggleGroup(bool &shown, QPushButton *button, QWidget *body)
{
    shown = !shown;
    button->setStyleSheet(shown ? m_expandedStyle : m_collapsedStyle);
    body->setVisible(shown);
}

void AlarmEventWidget::on_pushButtonBasic_clicked()
{
    toggleGroup(m_basicShown, ui->pushButtonBasic, ui->widgetBasic);
}

void AlarmEventWidget::on_pushButtonSmart_clicked()
{
    toggleGroup(m_smartShown, ui->pushButtonSmart, ui->widgetSmart);
}

void AlarmEventWidget::on_pushButtonOther_clicked()
{
    toggleGroup(m_otherShown, ui->pushButtonOther, ui->widgetOther);
}

void AlarmEventWidget::on_pushButtonIO_clicked()
{
    toggleGroup(m_ioShown, ui->pushButtonIO, ui->widgetIO);
}

void AlarmEventWidget::on_pushButtonDefault_clicked()
{
    // Only the page changes: nothing is stored until Save.
    resetAll();
}

void AlarmEventWidget::on_pushButtonCopy_clicked()
{
    m_copyDialog->reloadDevices();
    m_copyDialog->exec();
}

void AlarmEventWidget::on_checkBoxAllWeek_clicked()
{
    const bool checked = ui->checkBoxAllWeek->isChecked();
    for (QCheckBox *box : {ui->checkBoxMonday, ui->checkBoxTuesday, ui->checkBoxWednesday, ui->checkBoxThursday,
                           ui->checkBoxFriday, ui->checkBoxSaturday, ui->checkBoxSunday})
        box->setChecked(checked);
}

void AlarmEventWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateDeviceChosen();
        fitHintRoom();
    }
}

void AlarmEventWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The registry may have changed while the page was away; what the
    // operator typed for the shown device stays for the next Save.
    ui->treeView->reload(DeviceTree::KeepCurrent);
    updateDeviceChosen();
    if (m_shownKey.isEmpty() || currentKey() == m_shownKey)
        return;
    const QString name = m_shownName.isEmpty() ? m_shownKey : m_shownName;
    ui->treeView->setCurrentIndex(QModelIndex());
    resetAll();
    m_shownKey.clear();
    m_shownName.clear();
    m_stored = StoredRows();
    m_load = Load::None;
    ++m_loadSerial;
    updateDeviceChosen();
    MsgTipInfoDlg::showTip(tr("%1 no longer exists: no alarm settings were saved for it").arg(name), kToastMs);
}
