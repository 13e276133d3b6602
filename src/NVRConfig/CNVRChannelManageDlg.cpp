#include "CNVRChannelManageDlg.h"

#include "ui_CNVRChannelManageDlg.h"

#include "CNVRChannelAddDevDlg.h"
#include "CNVRChannelModifyIPDlg.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "ConfigPageMarks.h"
#include "CustomDialog.h"
#include "DialogReadMarks.h"
#include "HeaderViewPrivate.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "NvrBodies.h"
#include "PrivateProto.h"
#include "SharedTexts.h"
#include "TableHelpers.h"
#include "WidgetHelpers.h"

#include <QDebug>
#include <QEvent>
#include <QHeaderView>
#include <QSet>
#include <QStandardItemModel>
#include <QTimer>

namespace {

int g_listMs = 500;
int g_searchMs = 3000;
int g_refreshMs = 2000;

enum ChannelColumn { ColChannel, ColName, ColState, ColIp, ColPort, ColLens, ColProtocol, ColVersion, ColMac };
enum SearchColumn { SColIp, SColPort, SColLens, SColProtocol, SColMac, SColVersion, SColKey, SColDoubleCam };

QString lensName(const QString &doubleCam)
{
    return doubleCam == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("2");
}

} // namespace

CNVRChannelManageDlg::CNVRChannelManageDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_conversation(new ConfigConversation(this))
    , ui(new Ui::CNVRChannelManageDlg)
{
    ui->setupUi(this);
    setFixedSize(1024, 640);
    m_modifyIpDlg = new CNVRChannelModifyIPDlg(this);
    m_addDevDlg = new CNVRChannelAddDevDlg(this);
    m_searchModel = new QStandardItemModel(this);
    m_searchTimer = new QTimer(this);
    m_listTimer = new QTimer(this);
    m_addHeader = new HeaderViewPrivate(this, 0);
    m_searchHeader = new HeaderViewPrivate(this, 0);

    QTableWidget *table = ui->m_AddDevTableWidget;
    table->setHorizontalHeader(m_addHeader);
    table->setColumnCount(9);
    ::setTableViewStyle(table, false);
    const int widths[] = {90, 110, 150, 120, 80, 80, 80, 200};
    for (int c = 0; c < 8; ++c)
        table->setColumnWidth(c, widths[c]);
    m_addHeader->setStretchLastSection(true);

    m_searchModel->setColumnCount(8);
    ui->m_SearchDevTableView->setModel(m_searchModel);
    ui->m_SearchDevTableView->setHorizontalHeader(m_searchHeader);
    ::setTableViewStyle(ui->m_SearchDevTableView, false);
    const int searchWidths[] = {150, 100, 120, 100, 180};
    for (int c = 0; c < 5; ++c)
        ui->m_SearchDevTableView->setColumnWidth(c, searchWidths[c]);
    m_searchHeader->setStretchLastSection(false);
    ui->m_SearchDevTableView->setColumnHidden(SColKey, true);
    ui->m_SearchDevTableView->setColumnHidden(SColDoubleCam, true);
    ui->m_SearchDevTableView->horizontalHeader()->setSectionResizeMode(SColVersion, QHeaderView::Stretch);
    updateTableHead();

    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnCloseClicked);
    connect(ui->m_SearchDevBtn, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnSearchDevClicked);
    connect(ui->m_AddDevBtn, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnAddDevClicked);
    connect(ui->m_ManualAddDevBtn, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnManualAddDevClicked);
    connect(ui->m_ModifyIPBtn, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnModifyIPClicked);
    connect(ui->m_DelDevBtn, &QPushButton::clicked, this, &CNVRChannelManageDlg::onbtnDelDevClicked);
    connect(m_addDevDlg, &CNVRChannelAddDevDlg::siganlAddChannel, this, &CNVRChannelManageDlg::slotNVRChannelAdd);
    connect(m_addDevDlg, &CNVRChannelAddDevDlg::siganlModifyChannel, this, &CNVRChannelManageDlg::slotNVRChannelModify);
    connect(m_searchTimer, &QTimer::timeout, this, &CNVRChannelManageDlg::onNVRDevSearchTimer);
    connect(m_listTimer, &QTimer::timeout, this, &CNVRChannelManageDlg::onGetNVRListTimer);
    connect(m_conversation, &ConfigConversation::replied, this, &CNVRChannelManageDlg::recvCommonInfo);
    m_round = new ConfigReadRound(this, this);
    m_round->setConversation(m_conversation);
    // A failed read (unreadable, without channels' block, not sent or not
    // answered) is said once and marked until a read succeeds.
    m_readMarks = new DialogReadMarks(
        ui->widgetListMarks, m_round, [this] { on_pushButtonRefresh_clicked(); },
        [this](bool read) {
            m_listRead = read;
            if (!read)
                sayFailed(true);
        });
    connect(m_addHeader, &HeaderViewPrivate::columnCheck, this, &CNVRChannelManageDlg::addWidgetAllChkBoxStateChanged);
    connect(table, &QTableWidget::itemClicked, this, &CNVRChannelManageDlg::addWidgetTableItemClicked);
    connect(table, &QTableWidget::cellDoubleClicked, this, &CNVRChannelManageDlg::onAddDevTableWidgetDoubleClicked);
    connect(m_searchHeader, &HeaderViewPrivate::columnCheck, this,
            &CNVRChannelManageDlg::searchViewAllChkBoxStateChanged);
    connect(ui->m_SearchDevTableView, &QTableView::clicked, this, &CNVRChannelManageDlg::searchViewTableItemClicked);
    CommonHelper::elideChildTexts(this);
}

CNVRChannelManageDlg::~CNVRChannelManageDlg()
{
    delete ui;
}

void CNVRChannelManageDlg::setTimerLengths(int listMs, int searchMs, int refreshMs)
{
    g_listMs = listMs;
    g_searchMs = searchMs;
    g_refreshMs = refreshMs;
}

QString CNVRChannelManageDlg::deleteDeviceText()
{
    return SharedTexts::deleteDeviceText();
}

QString CNVRChannelManageDlg::selectDeviceFirstText()
{
    return SharedTexts::selectDeviceFirstText();
}

QString CNVRChannelManageDlg::listNotReadText()
{
    return tr("The NVR's channel list has not been read yet. Please wait for it or read it again.");
}

QString CNVRChannelManageDlg::deviceKey(const Record &record, const QString &ipElement)
{
    QString lens = record.value(QStringLiteral("DoubleCam")).trimmed();
    if (lens.isEmpty())
        lens = QStringLiteral("0");
    return record.value(ipElement) + QLatin1Char('-') + lens;
}

QString CNVRChannelManageDlg::protocolText(const QString &protocol)
{
    return protocol.contains(QLatin1String("BRELON"), Qt::CaseInsensitive) ? QStringLiteral("Private") : protocol;
}

QString CNVRChannelManageDlg::channelStatusText(const QString &status)
{
    static const char *const texts[] = {
        QT_TR_NOOP("Not connected"),
        QT_TR_NOOP("Connecting"),
        QT_TR_NOOP("Connection succeed"),
        QT_TR_NOOP("Connection failed"),
        QT_TR_NOOP("Connection failure: network limit"),
        QT_TR_NOOP("Connection failed: communication error"),
        QT_TR_NOOP("Connection failed: other errors"),
        QT_TR_NOOP("Has been disconnected"),
        QT_TR_NOOP("Get configuration failed"),
        QT_TR_NOOP("Disconnected from the network"),
        QT_TR_NOOP("IP conflict"),
        QT_TR_NOOP("Lack of resources"),
        QT_TR_NOOP("Bit stream exception"),
        QT_TR_NOOP("Password error"),
    };
    const int code = DeviceValue::toInt(status);
    if (code < 0 || code >= int(sizeof(texts) / sizeof(texts[0])))
        return tr("Unknown") + QLatin1Char(' ') + QString::number(code);
    return tr(texts[code]);
}

bool CNVRChannelManageDlg::isSearching() const
{
    return m_searchTimer->isActive();
}

void CNVRChannelManageDlg::setDevInfo(FUN_DEV_INFO *nvr)
{
    if (!nvr)
        return;
    m_nvr = nvr;
    m_conversation->setDevice(nvr);
}

void CNVRChannelManageDlg::initChannelTable()
{
    if (!m_nvr)
        return;
    m_listTimer->start(g_listMs);
    ui->m_AddDevTableWidget->setRowCount(m_nvr->channelNum);
}

void CNVRChannelManageDlg::updateTableHead()
{
    ui->m_AddDevTableWidget->setHorizontalHeaderLabels({tr("CH"), tr("Channel Names"), tr("State"), tr("IP"),
                                                        tr("Port"), tr("DoubleCamName"), tr("Protocol"),
                                                        tr("File System Version"), tr("MAC")});
    m_searchModel->setHorizontalHeaderLabels({tr("IP"), tr("Port"), tr("DoubleCamName"), tr("Protocol"), tr("MAC"),
                                              tr("File System Version"), tr("key"), tr("DoubleCam")});
    // The set widths are too narrow for some header texts ("DoubleCamName",
    // and longer ones in other languages).
    widenColumnsToTexts(ui->m_AddDevTableWidget);
    widenColumnsToTexts(ui->m_SearchDevTableView);
}

void CNVRChannelManageDlg::searchIpc(int start)
{
    if (!m_nvr)
        return;
    if (start == 1) {
        // The NVR answers with one Cmd::FoundCamera per camera it finds, until
        // the stop.
        m_conversation->expect(this, Cmd::FoundCamera, RequestKind::Read, ConfigConversation::Expect::Every);
        m_conversation->send(this, Cmd::StartCameraSearch, QString(), 0, RequestKind::Other);
        return;
    }
    m_conversation->send(this, Cmd::StopCameraSearch, QString(), 0, RequestKind::Other);
    m_conversation->forget(this, Cmd::FoundCamera);
    m_searchTimer->stop();
}

void CNVRChannelManageDlg::setSearchControlsEnabled(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ui->m_SearchDevTableView, ui->m_SearchDevBtn, ui->m_ModifyIPBtn,
                                                       ui->m_AddDevBtn, ui->m_DelDevBtn, ui->m_AddDevTableWidget,
                                                       ui->m_ManualAddDevBtn})
        w->setEnabled(on);
}

void CNVRChannelManageDlg::startSearch(bool longWait)
{
    m_searchModel->removeRows(0, m_searchModel->rowCount());
    m_searchDevs.clear();
    m_searchCut = false;
    searchIpc(1);
    m_searchTimer->start(longWait ? g_searchMs * 5 / 3 : g_searchMs);
    setSearchControlsEnabled(false);
}

void CNVRChannelManageDlg::onbtnSearchDevClicked()
{
    startSearch(false);
}

void CNVRChannelManageDlg::onNVRDevSearchTimer()
{
    m_searchTimer->stop();
    searchIpc(0);
    addSearchIpcToTableWidget();
    setSearchControlsEnabled(true);
}

void CNVRChannelManageDlg::onGetNVRListTimer()
{
    m_listTimer->stop();
    on_pushButtonRefresh_clicked();
}

void CNVRChannelManageDlg::on_pushButtonRefresh_clicked()
{
    if (!m_nvr)
        return;
    m_round->begin();
    m_round->read(Cmd::GetChannels);
}

void CNVRChannelManageDlg::sayFailed(bool read)
{
    if (!m_failedTip)
        m_failedTip =
            MsgTipInfoDlg::showTip(read ? SharedTexts::readFailedText() : SharedTexts::configFailedText(), 2000);
}

void CNVRChannelManageDlg::recvCommonInfo(QObject *requester, const ConfigReply &reply)
{
    if (requester != this || !m_nvr)
        return;
    // The list goes to its round also while hidden.
    if (!isVisible() && reply.cmd != Cmd::GetChannels)
        return;
    // A change not written because an earlier answer of its line never came
    // is offered the way back.
    if (reply.kind == RequestKind::Save && reply.fate == ReplyFate::OutOfStep)
        ConfigPageMarks::of(ui->widgetListMarks)->offerReconnect(reply);
    if (reply.cmd == Cmd::GetChannels) {
        // A list that failed or cannot be read is said (by the round) and
        // leaves the table as it was. A recorder without cameras lists none:
        // an empty list is a list.
        const bool complete = reply.ok();
        const bool wasFailed = m_round->isFailed();
        if (m_round->take(reply, complete) == ConfigReadRound::Answer::Required && complete && !wasFailed
            && !m_round->isFailed())
            getNVRChannelList(reply.xml);
    } else if (reply.cmd == Cmd::FoundCamera) {
        if (reply.ok())
            parseSearchInfo(reply.xml);
    } else if (reply.cmd == Cmd::AddChannels || reply.cmd == Cmd::DeleteChannel) {
        operationAnswered(reply);
    } else if (reply.cmd == Cmd::ReaddressCamera) {
        // A refused change must not pass for a done one.
        if (!reply.ok())
            MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply), 2000);
    }
}

void CNVRChannelManageDlg::beginOperation()
{
    ++m_operating;
}

bool CNVRChannelManageDlg::sendChange(unsigned int cmd, const QString &body)
{
    ConfigRequest request;
    request.cmd = cmd;
    request.body = body;
    request.kind = RequestKind::Save;
    request.tag = m_operating;
    if (!m_conversation->send(this, request))
        return false;
    ++m_operations[m_operating].unanswered;
    return true;
}

void CNVRChannelManageDlg::operationAnswered(const ConfigReply &reply)
{
    // The NVR answered after the deadline: what it says is what it did.
    if (reply.late) {
        MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply), 2000);
        return;
    }
    const auto operation = m_operations.find(reply.tag);
    if (operation == m_operations.end())
        return;
    --operation->unanswered;
    if (!reply.ok() && !operation->failed) {
        // Refused, not answered or not sent: said once per operation.
        operation->failed = true;
        MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(reply), 2000);
    }
    if (operation->unanswered > 0)
        return;
    if (!operation->failed)
        MsgTipInfoDlg::showTip(ConfigConversation::saveOutcomeText(
                                   reply, SaveSettled(), QString(),
                                   tr("The operation successfully, The channel information is being refreshed")),
                               2000);
    m_operations.erase(operation);
}

bool CNVRChannelManageDlg::parseNVRChannelList(const QString &xml)
{
    QMap<int, Record> fresh;
    for (Record record : NvrBodies::readChannels(xml, MaxListedChannels)) {
        record.insert(QStringLiteral("DoubleCamName"), lensName(record.value(QStringLiteral("DoubleCam")).trimmed()));
        const std::optional<int> id = DeviceValue::number(record.value(QStringLiteral("ChannelId")));
        if (record.value(QStringLiteral("IpAddr")).isEmpty() || !id)
            continue;
        // By channel: two channels may hold the same camera.
        fresh.insert(*id, record);
    }
    // Any difference counts, removed channels included: a channel deleted
    // on the NVR must leave the table.
    if (fresh == m_channels)
        return false;
    m_channels = fresh;
    return true;
}

void CNVRChannelManageDlg::getNVRChannelList(const QString &xml)
{
    if (!parseNVRChannelList(xml))
        return;
    QTableWidget *table = ui->m_AddDevTableWidget;
    table->clearContents();
    const QString cpu = m_nvr ? m_nvr->cpu : QString();
    for (auto it = m_channels.constBegin(); it != m_channels.constEnd(); ++it) {
        const Record &record = it.value();
        auto value = [&record](const char *key) { return record.value(QLatin1String(key)).trimmed(); };
        const int row = DeviceValue::add(it.key(), -1);
        if (row < 0 || row >= table->rowCount())
            continue;
        QString lens = value("DoubleCamName");
        if (lens.isEmpty())
            lens = QStringLiteral("1");
        const QStringList cells{value("ChannelId"),
                                CommonHelper::hexToString(value("ChannnelName"), cpu).trimmed(),
                                channelStatusText(value("Status")),
                                value("IpAddr"),
                                value("CtrlPort"),
                                lens,
                                protocolText(value("Protocol")),
                                value("IpcVersion"),
                                value("MacAddress").toUpper()};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignCenter);
            if (c == ColChannel) {
                item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
            }
            table->setItem(row, c, item);
        }
    }
    widenColumnsToTexts(table);
}

void CNVRChannelManageDlg::updateStateTexts()
{
    QTableWidget *table = ui->m_AddDevTableWidget;
    for (auto it = m_channels.constBegin(); it != m_channels.constEnd(); ++it) {
        const int row = DeviceValue::add(it.key(), -1);
        if (row >= 0 && row < table->rowCount() && table->item(row, ColState))
            table->item(row, ColState)
                ->setText(channelStatusText(it.value().value(QStringLiteral("Status")).trimmed()));
    }
}

void CNVRChannelManageDlg::parseSearchInfo(const QString &xml)
{
    if (xml.isEmpty())
        return;
    Record record = findValuesInXml(xml, QStringLiteral("body"));
    const QString key = deviceKey(record, QStringLiteral("IPAddress"));
    record.insert(QStringLiteral("key"), key);
    record.insert(QStringLiteral("DoubleCamName"), lensName(record.value(QStringLiteral("DoubleCam")).trimmed()));
    // The NVR answers once per camera; a flood of answers must not grow the
    // list without end.
    if (!m_searchDevs.contains(key) && m_searchDevs.size() >= MaxFoundCameras) {
        if (!m_searchCut)
            DeviceValue::logCut(m_searchDevs.size() + 1, MaxFoundCameras, "found cameras");
        m_searchCut = true;
        return;
    }
    // A camera answering in both protocols keeps its private-protocol record.
    if (record.value(QStringLiteral("Protocol")).contains(QLatin1String("BRELON"), Qt::CaseInsensitive)
        || !m_searchDevs.contains(key))
        m_searchDevs.insert(key, record);
}

void CNVRChannelManageDlg::addSearchIpcToTableWidget()
{
    QSet<QString> inChannels;
    for (const Record &record : qAsConst(m_channels))
        inChannels.insert(deviceKey(record, QStringLiteral("IpAddr")));
    for (auto it = m_searchDevs.begin(); it != m_searchDevs.end();) {
        if (inChannels.contains(it.key()))
            it = m_searchDevs.erase(it);
        else
            ++it;
    }
    for (const Record &record : qAsConst(m_searchDevs)) {
        auto value = [&record](const char *key) { return record.value(QLatin1String(key)).trimmed(); };
        QString doubleCam = value("DoubleCam");
        if (doubleCam.isEmpty())
            doubleCam = QStringLiteral("0");
        QString lens = value("DoubleCamName");
        if (lens.isEmpty())
            lens = QStringLiteral("1");
        auto *ip = new QStandardItem(value("IPAddress"));
        ip->setCheckable(true);
        ip->setData(value("IPAddress"), Qt::UserRole);
        QList<QStandardItem *> row{ip,
                                   new QStandardItem(value("CtrlPort")),
                                   new QStandardItem(lens),
                                   new QStandardItem(protocolText(value("Protocol"))),
                                   new QStandardItem(value("MacAddress").toUpper()),
                                   new QStandardItem(value("IpcVer")),
                                   new QStandardItem(record.value(QStringLiteral("key"))),
                                   new QStandardItem(doubleCam)};
        m_searchModel->appendRow(row);
    }
    setModelTextAlignment(m_searchModel, Qt::AlignCenter);
    widenColumnsToTexts(ui->m_SearchDevTableView);
}

QList<int> CNVRChannelManageDlg::freeRows() const
{
    QList<int> rows;
    const QTableWidget *table = ui->m_AddDevTableWidget;
    for (int r = 0; r < table->rowCount(); ++r) {
        const QTableWidgetItem *ip = table->item(r, ColIp);
        if (!ip || ip->text().isEmpty())
            rows << r;
    }
    return rows;
}

void CNVRChannelManageDlg::onbtnAddDevClicked()
{
    const QStringList keys = getCheckedItems(m_searchModel, SColKey, false);
    if (keys.isEmpty() || !listUsable())
        return;
    const QList<int> free = freeRows();
    if (free.isEmpty())
        return;
    QList<Record> addList;
    for (int i = 0; i < qMin(keys.size(), free.size()); ++i)
        addList << m_searchDevs.value(keys[i]);
    if (addList.isEmpty())
        return;
    m_searchHeader->setCheckedHeader(false);
    beginOperation();
    if (!NVRChannelAdd(addList, free)) {
        sayFailed();
        return;
    }
    refreshAfterOperation();
}

bool CNVRChannelManageDlg::NVRChannelAdd(const QList<Record> &addList, const QList<int> &indexList)
{
    if (addList.isEmpty() || indexList.isEmpty() || !m_nvr)
        return false;
    return sendChange(Cmd::AddChannels, NvrBodies::channelAddBody(addList, indexList));
}

bool CNVRChannelManageDlg::delNVRChannel(int channel)
{
    if (!m_nvr)
        return false;
    // The channel as the list named it ("03" stays "03"); a channel the list
    // did not hold goes by its number.
    const auto listed = m_channels.constFind(channel);
    const QString id =
        listed != m_channels.constEnd() ? listed->value(QStringLiteral("ChannelId")) : QString::number(channel);
    return sendChange(Cmd::DeleteChannel,
                      QStringLiteral("<ChannelId>%1</ChannelId>").arg(PrivateProto::escapeText(id)));
}

void CNVRChannelManageDlg::onbtnManualAddDevClicked()
{
    if (!listUsable())
        return;
    const QList<int> free = freeRows();
    if (free.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Channel is full, Please delete it and then add"), 2000);
        return;
    }
    m_addDevDlg->setChannelId(free.first());
    m_addDevDlg->show();
}

void CNVRChannelManageDlg::onAddDevTableWidgetDoubleClicked(int row, int column)
{
    Q_UNUSED(column)
    const QTableWidgetItem *ip = ui->m_AddDevTableWidget->item(row, ColIp);
    if ((ip && !ip->text().isEmpty()) || !listUsable())
        return;
    m_addDevDlg->setChannelId(row);
    m_addDevDlg->show();
}

void CNVRChannelManageDlg::on_pushButtonModify_clicked()
{
    // A channel is changed only from a list the NVR gave in full.
    if (!listUsable())
        return;
    const QStringList rows = TableChecks::getCheckedRows(ui->m_AddDevTableWidget, 0, true);
    if (rows.size() != 1) {
        MsgTipInfoDlg::showTip(selectDeviceFirstText(), 2000);
        return;
    }
    const int row = rows.first().toInt();
    const auto record = m_channels.constFind(row + 1);
    if (record == m_channels.constEnd())
        return;
    m_addDevDlg->setChannelId(row);
    m_addDevDlg->setChannelInfo(*record);
    m_addDevDlg->show();
}

void CNVRChannelManageDlg::slotNVRChannelAdd(QList<QHash<QString, QString>> addList, QList<int> indexList)
{
    if (addList.isEmpty())
        return;
    // The list may have been emptied or read again while the operator typed:
    // the channel goes only where that list still has it free.
    const bool stillFree = !indexList.isEmpty() && freeRows().contains(indexList.first());
    if (!m_listRead || (!m_addDevDlg->isModify() && !stillFree)) {
        MsgTipInfoDlg::showTip(listNotReadText(), 2000);
        m_addDevDlg->keepOpen();
        return;
    }
    beginOperation();
    if (!NVRChannelAdd(addList, indexList)) {
        // Nothing typed is lost: the device dialog stays open.
        sayFailed();
        m_addDevDlg->keepOpen();
        return;
    }
    refreshAfterOperation();
}

void CNVRChannelManageDlg::slotNVRChannelModify(QList<QHash<QString, QString>> addList, QList<int> indexList)
{
    slotNVRChannelAdd(addList, indexList);
}

void CNVRChannelManageDlg::onbtnDelDevClicked()
{
    if (!listUsable())
        return;
    // The ticked rows before the question: a list read meanwhile rebuilds
    // the table.
    const QStringList rows = TableChecks::getCheckedRows(ui->m_AddDevTableWidget, 0, true);
    CustomDialog ask(this);
    ask.setTitle(QCoreApplication::translate("CustomDialog", "Tips"));
    ask.setText(SharedTexts::areYouSureText() + deleteDeviceText());
    if (ask.exec() != 1)
        return;
    if (rows.isEmpty() || !listUsable())
        return;
    beginOperation();
    bool sent = false;
    for (const QString &row : rows) {
        if (!delNVRChannel(row.toInt() + 1)) {
            sayFailed();
            break;
        }
        sent = true;
    }
    if (!sent)
        return;
    m_addHeader->setCheckedHeader(false);
    refreshAfterOperation();
}

void CNVRChannelManageDlg::onbtnModifyIPClicked()
{
    const QStringList keys = getCheckedItems(m_searchModel, SColKey, false);
    if (keys.isEmpty()) {
        MsgTipInfoDlg::showTip(selectDeviceFirstText(), 2000);
        return;
    }
    const auto found = m_searchDevs.constFind(keys.first());
    if (found == m_searchDevs.constEnd())
        return;
    if (found->value(QStringLiteral("NetType")).contains(QLatin1Char('1'))) {
        MsgTipInfoDlg::showTip(tr("Wireless IPC does not support modifying IP address!"), 2000);
        return;
    }
    m_modifyIpDlg->setDevInfo(*found, m_nvr);
    m_modifyIpDlg->setRoute(UserRequestRoute{m_conversation, this});
    if (m_modifyIpDlg->exec() == QDialog::Accepted)
        MsgTipInfoDlg::showTip(tr("The device IP is being modified. Please search again later."), 2000);
}

void CNVRChannelManageDlg::refreshAfterOperation()
{
    // The list shown is no longer the NVR's, nor is the answer of a read
    // still out: nothing is added until the list is read again.
    m_round->begin();
    clearChannels();
    m_searchModel->removeRows(0, m_searchModel->rowCount());
    QTimer::singleShot(g_refreshMs, this, &CNVRChannelManageDlg::reloadAll);
}

void CNVRChannelManageDlg::clearChannels()
{
    m_listRead = false;
    m_channels.clear();
    ui->m_AddDevTableWidget->clearContents();
}

bool CNVRChannelManageDlg::listUsable()
{
    if (m_listRead)
        return true;
    MsgTipInfoDlg::showTip(listNotReadText(), 2000);
    return false;
}

void CNVRChannelManageDlg::reloadAll()
{
    clearChannels();
    m_searchDevs.clear();
    on_pushButtonRefresh_clicked();
    startSearch(false);
}

void CNVRChannelManageDlg::onbtnCloseClicked()
{
    m_listTimer->stop();
    clearChannels();
    ui->m_AddDevTableWidget->setRowCount(0);
    close();
    reject();
}

void CNVRChannelManageDlg::addWidgetAllChkBoxStateChanged(int logicalIndex, bool checked)
{
    Q_UNUSED(logicalIndex)
    TableChecks::setAllChecked(ui->m_AddDevTableWidget, checked);
}

void CNVRChannelManageDlg::addWidgetTableItemClicked(QTableWidgetItem *item)
{
    if (item && item->column() == ColChannel)
        m_addHeader->setCheckedHeader(TableChecks::isAllChecked(ui->m_AddDevTableWidget));
}

void CNVRChannelManageDlg::searchViewAllChkBoxStateChanged(int logicalIndex, bool checked)
{
    Q_UNUSED(logicalIndex)
    setAllRowsChecked(m_searchModel, checked);
}

void CNVRChannelManageDlg::searchViewTableItemClicked(const QModelIndex &index)
{
    m_searchHeader->setCheckedHeader(isAllRowsChecked(m_searchModel));
    ui->m_SearchDevTableView->selectRow(index.row());
}

void CNVRChannelManageDlg::changeEvent(QEvent *event)
{
    DropShadowWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    updateTableHead();
    updateStateTexts();
    CommonHelper::elideChildTexts(this);
}
