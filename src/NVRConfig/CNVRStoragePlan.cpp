#include "CNVRStoragePlan.h"

#include "ui_CNVRStoragePlan.h"


#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QPainter>

CNVRStoragePlan::CNVRStoragePlan(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRStoragePlan)
{
    ui->setupUi(this);
    // Room for the hour scale painted above the grid.
    ui->gridLayout->setRowMinimumHeight(1, 18);
    m_modes = new QButtonGroup(this);
    initModeButtons();
    m_recordMode = 4;
    connect(ui->tableWidget, &StoragePlanTableView::sigHoverCellText, ui->label_hoverTime, &QLabel::setText);
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
}

void CNVRStoragePlan::parseRecordPlan(const QString &xml)
{
    m_schedules.clear();
    m_recordMode = 4;
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    if (body.contains(QStringLiteral("RecordMode")))
        m_recordMode = quint8(DeviceValue::bounded(body.value(QStringLiteral("RecordMode")), 0, 0xff, 0));
    QStringList elements = findAllXmlElements(xml, QStringLiteral("ChannelDetail"));
    DeviceValue::boundList(elements, MaxListedChannels, "channel schedules");
    for (const QString &element : qAsConst(elements)) {
        const QHash<QString, QString> detail = findValuesInXml(element, QStringLiteral("ChannelDetail"));
        QString schedule = detail.value(QStringLiteral("Schedule")).trimmed();
        // A recorder in mode 2 records only in general mode.
        if (m_recordMode == 2) {
            schedule.replace(QLatin1Char('2'), QLatin1Char('1'));
            schedule.replace(QLatin1Char('3'), QLatin1Char('1'));
        }
        m_schedules.insert(DeviceValue::toInt(detail.value(QStringLiteral("ID"))), schedule);
    }
    ui->comboBox_channel->setCurrentIndex(0);
    on_comboBox_channel_activated(0);
    ui->checkBox_general->setChecked(true);
    ui->checkBox_detection->setVisible(m_recordMode == 4);
    ui->checkBox_intelligence->setVisible(m_recordMode == 4);
    ui->tableWidget->setBrush(QLatin1Char('1'));
}

void CNVRStoragePlan::on_comboBox_channel_activated(int index)
{
    const QString schedule = m_schedules.value(index + 1);
    if (!schedule.isEmpty())
        ui->tableWidget->setRecordInfo(schedule);
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
    ui->tableWidget->setRecordInfo(QString(StoragePlanTableView::Rows * StoragePlanTableView::Columns,
                                           QString::number(id).at(0)));
}

void CNVRStoragePlan::on_pushButton_save_clicked()
{
    const int current = ui->comboBox_channel->currentIndex();
    // Without a channel there is nothing to address; ID 0 is no channel.
    if (current < 0)
        return;
    QString schedule;
    ui->tableWidget->getRecordInfo(schedule);
    qDebug() << "record schedule" << schedule;
    const QString element = QStringLiteral("<ChannelDetail><ID>%1</ID><Schedule>%2</Schedule></ChannelDetail>");
    QString details = element.arg(current + 1).arg(schedule);
    int copies = 0;
    const int count = m_dev ? m_dev->channelNum : 0;
    for (int i = 0; i < count; ++i) {
        if (i >= m_copyBoxes.size()) {
            qDebug() << "invalied idx" << i;
            continue;
        }
        if (i == current || !m_copyBoxes[i]->isChecked())
            continue;
        details += element.arg(i + 1).arg(schedule);
        ++copies;
    }
    if (!ConfigConversation::sendThrough(m_conversation, this, m_dev, 14105,
                                         QStringLiteral("<ChannelNum>%1</ChannelNum>").arg(1 + copies) + details, 0,
                                         RequestKind::Save))
        return;
    ConfigConversation::sendThrough(m_conversation, this, m_dev, 14104);
}

void CNVRStoragePlan::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
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
