#include "CNVRStoragePlan.h"

#include "ui_CNVRStoragePlan.h"
#include "CommonHelperWidgets.h"

#include "NvrBodies.h"
#include "UnreadForm.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <QSignalBlocker>

CNVRStoragePlan::CNVRStoragePlan(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRStoragePlan)
{
    ui->setupUi(this);
    // The mode's own brushes keep their room: nothing moves when a read
    // brings the mode that shows them.
    CommonHelper::keepRoomWhenHidden({ui->checkBox_detection, ui->checkBox_intelligence});
    // The channel shown, the brush and the targets of a copy are the
    // operator's choices, not values of the NVR.
    for (QWidget *choice : std::initializer_list<QWidget *>{
             ui->comboBox_channel, ui->checkBox_noRecord, ui->checkBox_general, ui->checkBox_detection,
             ui->checkBox_intelligence, ui->checkBox_all, ui->gridWidget})
        UnreadForm::keepShown(choice);
    // Room for the hour scale painted above the grid.
    ui->gridLayout->setRowMinimumHeight(1, 18);
    m_modes = new QButtonGroup(this);
    initModeButtons();
    m_recordMode = 4;
    connect(ui->tableWidget, &StoragePlanTableView::sigHoverCellText, ui->label_hoverTime, &QLabel::setText);
    m_edits.watchSignal(QStringLiteral("schedule"), ui->tableWidget, &StoragePlanTableView::cellPainted);
    connect(ui->tableWidget, &StoragePlanTableView::cellPainted, this, &CNVRStoragePlan::updateSaveEnabled);
    // The grid always shows the chosen channel, however it was chosen.
    connect(ui->comboBox_channel, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (index >= 0 && index != m_shownIndex)
            on_comboBox_channel_activated(index);
    });
    setSaveFailure(SaveFailure::NotFailed);
    setReadOk(false);
}

void CNVRStoragePlan::setConversation(ConfigConversation *conversation)
{
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    m_conversation = conversation;
    m_session = conversation ? conversation->pageSession(this) : nullptr;
    if (!m_session)
        return;
    // The page says how its Saves went in its own words, beside the grid.
    m_session->keepOwnSaveState();
    m_session->forgetSaves();
    m_session->setShowing([this] { return shownValues(); });
    connect(m_session, &ConfigPageSession::saveSettled, this, &CNVRStoragePlan::onSaveSettled);
    connect(m_session, &ConfigPageSession::savesDoubted, this, [this] { setSaveFailure(SaveFailure::OnRepeat); });
}

ConfigPageSession::Shown CNVRStoragePlan::shownValues() const
{
    QStringList copies;
    for (const auto &box : m_copyBoxes) {
        if (box->isChecked())
            copies << box->text();
    }
    return {{QStringLiteral("channel"), ui->comboBox_channel->currentText()},
            {QStringLiteral("schedule"), gridText()},
            {QStringLiteral("copies"), copies.join(QLatin1Char(','))}};
}

CNVRStoragePlan::~CNVRStoragePlan()
{
    // The copy boxes live in gridWidget; release them before the form goes.
    m_copyBoxes.clear();
    delete ui;
}

void CNVRStoragePlan::initModeButtons()
{
    m_modes->addButton(ui->checkBox_noRecord, 0);
    m_modes->addButton(ui->checkBox_general, 1);
    m_modes->addButton(ui->checkBox_detection, 2);
    m_modes->addButton(ui->checkBox_intelligence, 3);
    m_modes->setExclusive(true);
    ui->checkBox_general->setChecked(true);
}

QList<QCheckBox *> CNVRStoragePlan::copyBoxes() const
{
    QList<QCheckBox *> out;
    for (const auto &box : m_copyBoxes)
        out << box.data();
    return out;
}

void CNVRStoragePlan::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
    // Schedules of another NVR are no schedules of this one.
    m_schedules.clear();
    m_idTexts.clear();
    if (m_session)
        m_session->forgetSaves();
    setSaveFailure(SaveFailure::NotFailed);
    m_shownIndex = -1;
    ui->comboBox_channel->clear();
    m_copyBoxes.clear();
    ui->checkBox_all->setChecked(false);
    delete ui->gridWidget->layout();
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    const int count = dev ? dev->channelNum : 0;
    for (int i = 1; i <= count; ++i) {
        const QString text = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        ui->comboBox_channel->addItem(text);
        QSharedPointer<QCheckBox> box(new QCheckBox(text, ui->gridWidget));
        m_copyBoxes << box;
        grid->addWidget(box.data(), (i - 1) / 8, (i - 1) % 8);
    }
    ui->gridWidget->setLayout(grid);
    setReadOk(false);
}

void CNVRStoragePlan::setReadOk(bool ok)
{
    m_readOk = ok;
    setEnabled(ok);
    updateSaveEnabled();
}

QString CNVRStoragePlan::gridText() const
{
    QString text;
    ui->tableWidget->getRecordInfo(text);
    return text;
}

void CNVRStoragePlan::updateSaveEnabled()
{
    // Without a channel there is nothing to address (ID 0 is no channel).
    ui->pushButton_save->setEnabled(m_readOk && ui->comboBox_channel->currentIndex() >= 0
                                    && (m_shownKnown || m_edits.edited(QStringLiteral("schedule"))));
}

void CNVRStoragePlan::parseRecordPlan(const QString &xml)
{
    const NvrBodies::Schedules schedules = NvrBodies::readSchedules(xml, MaxListedChannels);
    m_schedules = schedules.byChannel;
    m_idTexts = schedules.idText;
    m_recordMode = quint8(schedules.recordMode);
    // The channel shown stays (the read after a Save of channel 02 shows
    // channel 02); the first one on the first read.
    const int channel = qMax(ui->comboBox_channel->currentIndex(), 0);
    {
        const QSignalBlocker block(ui->comboBox_channel);
        ui->comboBox_channel->setCurrentIndex(channel);
    }
    ui->checkBox_general->setChecked(true);
    ui->checkBox_detection->setVisible(m_recordMode == 4);
    ui->checkBox_intelligence->setVisible(m_recordMode == 4);
    ui->tableWidget->setBrush(QLatin1Char('1'));
    on_comboBox_channel_activated(ui->comboBox_channel->currentIndex());
}

void CNVRStoragePlan::on_comboBox_channel_activated(int index)
{
    const auto stored = index >= 0 ? m_schedules.constFind(index + 1) : m_schedules.constEnd();
    const int cells = StoragePlanTableView::Rows * StoragePlanTableView::Columns;
    // The grid shows another week now: what failed to be saved is gone from it.
    setSaveFailure(SaveFailure::NotFailed);
    m_shownKnown = stored != m_schedules.constEnd() && stored->trimmed().size() >= cells;
    const OperatorEdits::Filling filling(m_edits);
    m_edits.setReported(m_shownKnown ? OperatorEdits::Values{{QStringLiteral("schedule"), *stored}}
                                     : OperatorEdits::Values());
    if (m_shownKnown) {
        QString schedule = stored->trimmed();
        // A recorder in mode 2 records only in general mode.
        if (m_recordMode == 2) {
            schedule.replace(QLatin1Char('2'), QLatin1Char('1'));
            schedule.replace(QLatin1Char('3'), QLatin1Char('1'));
        }
        ui->tableWidget->setRecordInfo(schedule);
    } else {
        // Never another channel's week: a channel without a schedule starts empty.
        ui->tableWidget->setRecordInfo(QString(cells, QLatin1Char('0')));
    }
    m_shownIndex = index;
    updateSaveEnabled();
}

void CNVRStoragePlan::modeChecked(int arg1, QChar brush)
{
    if (arg1 == Qt::Checked)
        ui->tableWidget->setBrush(brush);
}

void CNVRStoragePlan::on_checkBox_noRecord_stateChanged(int arg1)
{
    modeChecked(arg1, QLatin1Char('0'));
}

void CNVRStoragePlan::on_checkBox_general_stateChanged(int arg1)
{
    modeChecked(arg1, QLatin1Char('1'));
}

void CNVRStoragePlan::on_checkBox_detection_stateChanged(int arg1)
{
    modeChecked(arg1, QLatin1Char('2'));
}

void CNVRStoragePlan::on_checkBox_intelligence_stateChanged(int arg1)
{
    modeChecked(arg1, QLatin1Char('3'));
}

void CNVRStoragePlan::on_checkBox_all_stateChanged(int arg1)
{
    for (const auto &box : qAsConst(m_copyBoxes))
        box->setChecked(arg1 >= 1);
}

void CNVRStoragePlan::on_pushButton_all_clicked()
{
    int id = m_modes->checkedId();
    if (id < 0 || id > 3)
        id = 0;
    ui->tableWidget->setRecordInfo(
        QString(StoragePlanTableView::Rows * StoragePlanTableView::Columns, QString::number(id).at(0)));
    m_edits.mark(QStringLiteral("schedule"));
    updateSaveEnabled();
}

void CNVRStoragePlan::on_pushButton_save_clicked()
{
    const int current = ui->comboBox_channel->currentIndex();
    // Without a channel there is nothing to address; ID 0 is no channel.
    if (current < 0 || !m_readOk)
        return;
    // Nothing the NVR reported and nothing painted: nothing to write.
    if (!m_shownKnown && !m_edits.edited(QStringLiteral("schedule")))
        return;
    const QString schedule = m_edits.send(QStringLiteral("schedule"), gridText());
    qDebug() << "record schedule" << schedule;
    // A channel goes back under the ID the NVR gave it ("05" stays "05").
    auto id = [this](int channel) { return m_idTexts.value(channel, QString::number(channel)); };
    QList<QPair<QString, QString>> channels{{id(current + 1), schedule}};
    const int count = m_dev ? m_dev->channelNum : 0;
    for (int i = 0; i < count; ++i) {
        if (i >= m_copyBoxes.size()) {
            qDebug() << "invalied idx" << i;
            continue;
        }
        if (i != current && m_copyBoxes[i]->isChecked())
            channels.append({id(i + 1), schedule});
    }
    ConfigRequest request;
    request.cmd = Cmd::SetRecordSchedule;
    request.body = NvrBodies::scheduleBody(channels);
    // The session says why when nothing went out.
    if (!ConfigPageSession::sendSave(m_conversation, this, m_dev, request)) {
        setSaveFailure(SaveFailure::Offline);
        return;
    }
    // The window says how it went; the page waits for the answer before it
    // reads the schedules back over the painting.
    if (m_conversation)
        return;
    saved();
}

void CNVRStoragePlan::saved()
{
    setSaveFailure(SaveFailure::NotFailed);
    // The copy targets served this Save; the next one writes only what is
    // ticked anew.
    {
        const QSignalBlocker block(ui->checkBox_all);
        ui->checkBox_all->setChecked(false);
    }
    for (const auto &box : qAsConst(m_copyBoxes))
        box->setChecked(false);
    // Read back as a new round of the page, which stays on this channel.
    emit readAgain();
}

void CNVRStoragePlan::onSaveSettled(const ConfigReply &reply, const SaveSettled &settled)
{
    if (!settled.mine || settled.onRepeat)
        return;
    if (!reply.ok()) {
        // The painting stays for the next Save; the window said the NVR's
        // words. A grid that shows another week since has nothing unsaved.
        if (!settled.shown)
            return;
        const bool online = m_conversation && m_conversation->isOnline();
        setSaveFailure(!online                                                     ? SaveFailure::Offline
                       : reply.usable && reply.result.kind == ReplyResult::Failure ? SaveFailure::Refused
                                                                                   : SaveFailure::NoAnswer);
        return;
    }
    // A grid painted since keeps the painting, said unsaved by the words.
    if (settled.shown)
        saved();
}

void CNVRStoragePlan::setSaveFailure(SaveFailure failure)
{
    m_saveFailure = failure;
    showSaveFailure();
}

void CNVRStoragePlan::showSaveFailure()
{
    QString text;
    switch (m_saveFailure) {
    case SaveFailure::NotFailed:
        break;
    case SaveFailure::Refused:
        text = tr("Not saved: the recorder refused this schedule.");
        break;
    case SaveFailure::NoAnswer:
        text = tr("Not saved: the recorder gave no usable answer.");
        break;
    case SaveFailure::Offline:
        text = tr("Not saved: the recorder is not connected.");
        break;
    case SaveFailure::OnRepeat:
        text = ConfigConversation::saveOnRepeatText();
        break;
    }
    ui->label_saveState->setText(text);
    ui->label_saveState->setVisible(!text.isEmpty());
}

void CNVRStoragePlan::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        showSaveFailure();
    }
}

void CNVRStoragePlan::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::white);
    const QPoint grid = ui->tableWidget->pos();
    for (int h = 0; h < 24; h += 3)
        painter.drawText(grid.x() - 3 + 24 * h, grid.y() - 1, QString::number(h));
    painter.drawText(grid.x() + 567, grid.y() - 1, QStringLiteral("24"));
}
