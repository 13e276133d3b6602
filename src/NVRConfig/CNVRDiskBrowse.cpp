#include "CNVRDiskBrowse.h"

#include "ui_CNVRDiskBrowse.h"

#include "CommonHelper.h"
#include "ConfigPageSession.h"
#include "ConfigReadRound.h"
#include "CustomDialog.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "PrivateProto.h"
#include "ReportedItems.h"
#include "SharedTexts.h"
#include "WidgetHelpers.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
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
    ui->m_cbxHardDiskFull->setCurrentIndex(0);
    ui->m_cbxTips->setCurrentIndex(0);
    connect(ui->m_btnFormat, &QPushButton::clicked, this, &CNVRDiskBrowse::onFormatBtnClicked);
    // A recorder answers a format only when the disk is done: minutes.
    m_formatWaiting = new QLabel(this);
    m_formatWaiting->setObjectName(QStringLiteral("labelFormatWaiting"));
    m_formatWaiting->setWordWrap(true);
    m_formatWaiting->hide();
    ui->buttonLayout->insertWidget(1, m_formatWaiting);
    m_edits.watch(QStringLiteral("StoragePolicy"), ui->m_cbxHardDiskFull);
    m_edits.watch(QStringLiteral("noHDDPrompt"), ui->m_cbxTips);
    updateEnabled();
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
    // Refilled in the new language; the choices and the disks stay as shown.
    ReportedItems::refill(ui->m_cbxHardDiskFull, {tr("Cover"), tr("Stop Record")});
    ReportedItems::refill(ui->m_cbxTips, {tr("Disable"), tr("Enable")});
    ui->m_TableWidget->setHorizontalHeaderLabels({tr("Device"), tr("Used Space"), tr("Capacity"), tr("State")});
    for (auto it = m_disks.constBegin(); it != m_disks.constEnd(); ++it)
        setDiskTexts(it.key(), it.value());
}

void CNVRDiskBrowse::setListReadOk(bool ok)
{
    m_listReadOk = ok;
    // The disks as they are now are shown again.
    if (ok && m_formatCut) {
        m_formatCut = false;
        showFormatWaiting();
    }
    updateEnabled();
}

void CNVRDiskBrowse::setPolicyReadOk(bool ok)
{
    m_policyReadOk = ok;
    updateEnabled();
}

void CNVRDiskBrowse::setConversation(ConfigConversation *conversation)
{
    disconnect(m_replies);
    m_conversation = conversation;
    m_formatsOut = 0;
    m_formatCut = false;
    if (conversation) {
        m_replies = connect(conversation, &ConfigConversation::replied, this, &CNVRDiskBrowse::onReply);
        conversation->pageSession(this)->setShowing([this] { return m_edits.shown(); });
    }
    showFormatWaiting();
}

void CNVRDiskBrowse::onReply(QObject *requester, const ConfigReply &reply)
{
    // The window says what the recorder answered (or that it did not).
    if (requester != this || int(reply.sentCmd) != Cmd::FormatDisk || m_formatsOut == 0)
        return;
    --m_formatsOut;
    if (reply.fate == ReplyFate::ConnectionLost) {
        // The recorder may still be formatting, or done: what the list shows
        // no longer holds, and nothing is formatted on it before the disks
        // were read again once the recorder is back.
        m_formatCut = true;
        m_listReadOk = false;
        if (m_conversation)
            m_conversation->pageSession(this)->round()->readWhenBack();
    }
    showFormatWaiting();
}

void CNVRDiskBrowse::showFormatWaiting()
{
    m_formatWaiting->setText(m_formatsOut > 0 ? tr("Formatting: waiting for the recorder's answer...")
                                              : tr("The connection was lost while formatting. The disks are read "
                                                   "again once the recorder is back."));
    m_formatWaiting->setVisible(m_formatsOut > 0 || m_formatCut);
    updateEnabled();
}

void CNVRDiskBrowse::updateEnabled()
{
    setEnabled(m_listReadOk || m_policyReadOk);
    ui->m_TableWidget->setEnabled(m_listReadOk);
    ui->m_btnFormat->setEnabled(m_listReadOk && m_formatsOut == 0);
    ui->m_cbxHardDiskFull->setEnabled(m_policyReadOk);
    ui->m_cbxTips->setEnabled(m_policyReadOk);
    ui->pushButtonSave->setEnabled(m_policyReadOk);
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
    disk.devIndexText = item.value(QStringLiteral("DevIndex"));
    disk.verifyMarkText = item.value(QStringLiteral("VerifyMark"));
    disk.DevName = item.value(QStringLiteral("DevName"));
    disk.Mounted = number("Mounted");
    disk.Total = number("Total");
    disk.Used = number("Used");
    disk.Status = number("Status");
    if (disk.Total == 0)
        return;

    QTableWidget *table = ui->m_TableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < 4; ++column) {
        auto *cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, cell);
    }
    table->item(row, 0)->setFlags(table->item(row, 0)->flags() | Qt::ItemIsUserCheckable);
    table->item(row, 0)->setCheckState(Qt::Unchecked);
    m_disks.insert(row, disk);
    setDiskTexts(row, disk);
}

void CNVRDiskBrowse::setDiskTexts(int row, const NVR_DISK_INFO &disk)
{
    static const char *const states[] = {QT_TR_NOOP("Normal"), QT_TR_NOOP("Being Written"), QT_TR_NOOP("Abnormal"),
                                         QT_TR_NOOP("Caveat")};
    QTableWidget *table = ui->m_TableWidget;
    if (row >= table->rowCount() || !table->item(row, 0))
        return;
    table->item(row, 0)->setText(tr("HDD") + QString::number(diskNumber(disk.DevName)));
    table->item(row, 1)->setText(QString::number(disk.Used) + QStringLiteral("MB"));
    table->item(row, 2)->setText(QString::number(disk.Total) + QStringLiteral("MB"));
    table->item(row, 3)->setText(disk.Status >= 0 && disk.Status <= 3 ? tr(states[disk.Status]) : QString());
}

void CNVRDiskBrowse::parseStoragePolicy(const QString &xml)
{
    const QHash<QString, QString> body = NvrBodies::readLeaves(xml, QStringLiteral("body"));
    const OperatorEdits::Filling filling(m_edits);
    m_edits.setReported(body);
    ReportedItems::show(ui->m_cbxHardDiskFull, 2, body.value(QStringLiteral("StoragePolicy")));
    ReportedItems::show(ui->m_cbxTips, 2, body.value(QStringLiteral("noHDDPrompt")));
}

void CNVRDiskBrowse::on_pushButtonSave_clicked()
{
    if (!m_policyReadOk)
        return;
    // A choice the operator left alone goes back as the NVR reported it.
    const QString body = NvrBodies::storagePolicyBody(
        m_edits.send(QStringLiteral("StoragePolicy"), ReportedItems::value(ui->m_cbxHardDiskFull, 2)),
        m_edits.send(QStringLiteral("noHDDPrompt"), ReportedItems::value(ui->m_cbxTips, 2)));
    ConfigRequest save;
    save.cmd = Cmd::SetStoragePolicy;
    save.body = body;
    ConfigPageSession::sendSave(m_conversation, this, m_dev, save);
}

void CNVRDiskBrowse::onFormatBtnClicked()
{
    // The disks of the ticked rows as listed, taken before the question: a
    // list read meanwhile must not turn them into other disks.
    const QStringList rows = TableChecks::getCheckedRows(ui->m_TableWidget, 0, true);
    QList<NVR_DISK_INFO> chosen;
    for (const QString &row : rows) {
        const auto disk = m_disks.constFind(row.toInt());
        if (disk != m_disks.constEnd())
            chosen << *disk;
    }
    const bool listRead = m_listReadOk;
    CustomDialog ask(this);
    ask.setTitle(tr("Tips"));
    ask.setText(SharedTexts::areYouSureText() + tr("format this disk?"));
    if (ask.exec() != 1)
        return;
    if (rows.isEmpty()) {
        MsgTipInfoDlg::showTip(SharedTexts::selectDeviceFirstText(), 2000);
        return;
    }
    if (chosen.isEmpty() || !listRead || !m_listReadOk)
        return;
    for (const NVR_DISK_INFO &disk : qAsConst(chosen)) {
        ConfigRequest format;
        format.cmd = Cmd::FormatDisk;
        format.body = CommonHelper::fillTemplate(
            QStringLiteral("<DevIndex>%1</DevIndex><VerifyMark>%2</VerifyMark>"),
            {PrivateProto::escapeText(disk.devIndexText), PrivateProto::escapeText(disk.verifyMarkText)});
        // A format sends no value of the page: what the page shows later does not undo it.
        if (!ConfigPageSession::sendSave(m_conversation, this, m_dev, format, ConfigPageSession::Sends::Action))
            return;
        if (m_conversation) {
            ++m_formatsOut;
            showFormatWaiting();
        }
    }
}

void CNVRDiskBrowse::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    updateText();
    showFormatWaiting();
}
