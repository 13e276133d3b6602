#include "CNVRDiskBrowse.h"

#include "ui_CNVRDiskBrowse.h"

#include "CustomDialog.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"
#include "WidgetHelpers.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableWidgetItem>

CNVRDiskBrowse::CNVRDiskBrowse(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRDiskBrowse)
{
    ui->setupUi(this);
    QTableWidget *table = ui->m_TableWidget;
    table->setColumnCount(4);
    table->horizontalHeader()->setDefaultSectionSize(147);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setSectionsClickable(false);
    QFont bold = table->horizontalHeader()->font();
    bold.setWeight(75);
    table->horizontalHeader()->setFont(bold);
    table->horizontalHeader()->setStretchLastSection(true);
    ::setTableViewStyle(table, true);
    table->setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    updateText();
    connect(ui->m_btnFormat, &QPushButton::clicked, this, &CNVRDiskBrowse::onFormatBtnClicked);
}

CNVRDiskBrowse::~CNVRDiskBrowse()
{
    delete ui;
}

void CNVRDiskBrowse::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
}

void CNVRDiskBrowse::updateText()
{
    ui->m_cbxHardDiskFull->clear();
    ui->m_cbxHardDiskFull->addItems({tr("Cover"), tr("Stop Record")});
    ui->m_cbxTips->clear();
    ui->m_cbxTips->addItems({tr("Disable"), tr("Enable")});
    ui->m_TableWidget->setHorizontalHeaderLabels({tr("Device"), tr("Used Space"), tr("Capacity"), tr("State")});
}

int CNVRDiskBrowse::diskNumber(const QString &devName)
{
    if (devName.indexOf(QLatin1Char('-'), 1) < 0)
        return 1;
    return DeviceValue::toInt(devName.mid(devName.lastIndexOf(QLatin1Char('-')) + 1));
}

void CNVRDiskBrowse::parseDeviceInfo(const QString &xml)
{
    ui->m_TableWidget->setRowCount(0);
    ui->m_TableWidget->clearContents();
    m_disks.clear();
    QStringList elements = findAllXmlElements(xml, QStringLiteral("DeviceInfo"));
    DeviceValue::boundList(elements, MaxListedDisks, "disks");
    for (const QString &element : qAsConst(elements))
        deviceInfo(findValuesInXml(element, QStringLiteral("DeviceInfo")));
}

void CNVRDiskBrowse::deviceInfo(const QHash<QString, QString> &item)
{
    if (item.isEmpty())
        return;
    auto number = [&item](const char *name) { return DeviceValue::toInt(item.value(QLatin1String(name))); };
    NVR_DISK_INFO disk;
    disk.DevIndex = number("DevIndex");
    disk.VerifyMark = number("VerifyMark");
    disk.DevName = item.value(QStringLiteral("DevName"));
    disk.Mounted = number("Mounted");
    disk.Total = number("Total");
    disk.Used = number("Used");
    disk.Status = number("Status");
    if (disk.Total == 0)
        return;

    static const char *const states[] = {
        QT_TR_NOOP("Normal"), QT_TR_NOOP("Being Written"), QT_TR_NOOP("Abnormal"), QT_TR_NOOP("Caveat")};
    auto *name = new QTableWidgetItem(tr("HDD") + QString::number(diskNumber(disk.DevName)));
    name->setFlags(name->flags() | Qt::ItemIsUserCheckable);
    name->setCheckState(Qt::Unchecked);
    auto *used = new QTableWidgetItem(QString::number(disk.Used) + QStringLiteral("MB"));
    auto *total = new QTableWidgetItem(QString::number(disk.Total) + QStringLiteral("MB"));
    auto *state = new QTableWidgetItem(disk.Status >= 0 && disk.Status <= 3 ? tr(states[disk.Status]) : QString());

    QTableWidget *table = ui->m_TableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    int column = 0;
    for (QTableWidgetItem *cell : {name, used, total, state}) {
        cell->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column++, cell);
    }
    m_disks.insert(row, disk);
}

void CNVRDiskBrowse::parseStoragePolicy(const QString &xml)
{
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    m_rawPolicy = body.value(QStringLiteral("StoragePolicy")).trimmed();
    m_rawPrompt = body.value(QStringLiteral("noHDDPrompt")).trimmed();
    ui->m_cbxHardDiskFull->setCurrentIndex(DeviceValue::toInt(m_rawPolicy));
    ui->m_cbxTips->setCurrentIndex(DeviceValue::toInt(m_rawPrompt));
}

void CNVRDiskBrowse::on_pushButtonSave_clicked()
{
    auto value = [](const QComboBox *combo, const QString &received) {
        return combo->currentIndex() >= 0 ? combo->currentIndex() : DeviceValue::toInt(received);
    };
    const QString body = QStringLiteral("<StoragePolicy>%1</StoragePolicy><noHDDPrompt>%2</noHDDPrompt>")
                             .arg(value(ui->m_cbxHardDiskFull, m_rawPolicy))
                             .arg(value(ui->m_cbxTips, m_rawPrompt));
    ConfigConversation::sendThrough(m_conversation, this, m_dev, 14103, body, 0, RequestKind::Save);
}

void CNVRDiskBrowse::onFormatBtnClicked()
{
    CustomDialog ask(this);
    ask.setTitle(tr("Tips"));
    ask.setText(SharedTexts::areYouSureText() + tr("format this disk?"));
    if (ask.exec() != 1)
        return;
    const QStringList rows = TableChecks::getCheckedRows(ui->m_TableWidget, 0, true);
    if (rows.isEmpty()) {
        MsgTipInfoDlg::showTip(SharedTexts::selectDeviceFirstText(), 2000);
        return;
    }
    if (m_disks.isEmpty())
        return;
    for (const QString &row : rows) {
        const auto disk = m_disks.constFind(row.toInt());
        if (disk == m_disks.constEnd())
            continue;
        ConfigConversation::sendThrough(
            m_conversation, this, m_dev, 14101,
            QStringLiteral("<DevIndex>%1</DevIndex><VerifyMark>%2</VerifyMark>").arg(disk->DevIndex).arg(disk->VerifyMark),
            0, RequestKind::Save);
    }
}

void CNVRDiskBrowse::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    updateText();
}
