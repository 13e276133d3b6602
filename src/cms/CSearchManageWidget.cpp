#include "CSearchManageWidget.h"
#include "ui_CSearchManageWidget.h"

#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "DeviceInfoManager.h"
#include "HeaderViewPrivate.h"
#include "KelvoSDKHelper.h"
#include "ModifyAllIPDlg.h"
#include "MsgTipInfoDlg.h"
#include "OnvifService.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "TableHelpers.h"
#include "WidgetHelpers.h"

#include <QDebug>
#include <QEvent>
#include <QPersistentModelIndex>
#include <QStandardItemModel>
#include <QTime>

#include <memory>

namespace {
enum Column { ColIp, ColType, ColSn, ColVersion, ColState, ColModel, ColMac, ColumnCount };
}

CSearchManageWidget::CSearchManageWidget(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CSearchManageWidget)
    , m_model(new QStandardItemModel(0, ColumnCount, this))
    , m_header(new HeaderViewPrivate(this, 0))
{
    ui->setupUi(this);
    ui->m_KelvochkBox->setChecked(true);
    initTable();

    connect(ui->m_KelvochkBox, &QCheckBox::clicked, this, &CSearchManageWidget::KelvoChkStateChanged);
    connect(ui->m_OnvifchkBox, &QCheckBox::clicked, this, &CSearchManageWidget::onvifChkStateChanged);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CSearchManageWidget::onbtnCloseClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CSearchManageWidget::onbtnCancleClicked);
    connect(ui->m_SearchDevBtn, &QPushButton::clicked, this, &CSearchManageWidget::onSearchDevBtnClicked);
    connect(ui->m_ModifyIPBtn, &QPushButton::clicked, this, &CSearchManageWidget::onModifyIPBtnClicked);
    connect(ui->m_ModifyAllIPBtn, &QPushButton::clicked, this, &CSearchManageWidget::onModifyAllIPBtnClicked);
    connect(ui->m_AddDevToClientBtn, &QPushButton::clicked, this, &CSearchManageWidget::onAddDevToClientBtnClicked);
    connect(ui->m_RestoreBtn, &QPushButton::clicked, this, &CSearchManageWidget::onRestoreBtnClicked);
    connect(&m_searchTimer, &QTimer::timeout, this, &CSearchManageWidget::onDevSearchTimer);
    // Device information is read after the list is shown: a row takes what
    // its camera's road read when that road ends.
    if (ONVIF::Service *service = ONVIF::Service::instance())
        connect(service, &ONVIF::Service::updateDevInfo, this, &CSearchManageWidget::refreshOnvifRow);
    connect(m_header, &HeaderViewPrivate::columnCheck, this, &CSearchManageWidget::onColumnCheck);
    connect(ui->m_SearchDevTableView, &QTableView::clicked, this, &CSearchManageWidget::onTableClicked);
    connect(ui->m_SearchDevTableView, &QTableView::doubleClicked, this, &CSearchManageWidget::onTableDoubleClicked);

    // Elide against the laid-out widths, not the default ones.
    layout()->activate();
    CommonHelper::elideChildTexts(this);
}

CSearchManageWidget::~CSearchManageWidget()
{
    delete ui;
}

void CSearchManageWidget::initTable()
{
    QTableView *view = ui->m_SearchDevTableView;
    view->setModel(m_model);
    setTableViewStyle(view, false);
    view->setHorizontalHeader(m_header);
    const int widths[] = {130, 100, 200, 200, 100, 150};
    for (int i = 0; i < 6; ++i)
        view->setColumnWidth(i, widths[i]);
    m_header->setStretchLastSection(true);
    m_header->setHighlightSections(false);
    setHeaderTexts();
}

void CSearchManageWidget::setHeaderTexts()
{
    m_model->setHorizontalHeaderLabels({tr("IP"), tr("Device Type"), tr("Device SN"), tr("Version information"),
                                        tr("State"), tr("Device Model"), tr("MAC")});
    widenColumnsToTexts(ui->m_SearchDevTableView);
}

void CSearchManageWidget::setKnownKeys(QStringList &keys)
{
    m_knownKeys.swap(keys);
}

bool CSearchManageWidget::isPrivateMode() const
{
    return ui->m_KelvochkBox->isChecked();
}

bool CSearchManageWidget::isSearching() const
{
    return m_searchTimer.isActive();
}

bool CSearchManageWidget::isExisted(const QString &ip) const
{
    return findRowByText(ip, m_model, ColIp) >= 0;
}

int CSearchManageWidget::findRowByText(const QString &text, QStandardItemModel *model, int column)
{
    return ::findRowByText(text, model, column);
}

void CSearchManageWidget::restart()
{
    m_model->removeRows(0, m_model->rowCount());
    m_foundDevs.clear();
    startSearch();
    m_header->setCheckedHeader(false);
}

void CSearchManageWidget::startSearch()
{
    m_searchTimer.stop();
    ui->m_SearchDevBtn->setText(tr("Searching..."));
    if (isPrivateMode()) {
        m_searchTimer.start(PrivateSearchMs);
        KelvoSDKHelper::instance()->searchDevices();
    } else {
        m_searchTimer.start(OnvifSearchMs);
        if (ONVIF::Service *service = ONVIF::Service::instance()) {
            service->setIgnoreList(m_knownKeys);
            service->searchDevices();
        }
        m_onvifPending = true;
    }
}

void CSearchManageWidget::stopSearch()
{
    m_searchTimer.stop();
    if (!isPrivateMode())
        m_onvifPending = false;
    ui->m_SearchDevBtn->setText(tr("Search"));
}

void CSearchManageWidget::onDevSearchTimer()
{
    if (DeviceInfoManager *registry = DeviceInfoManager::instance())
        m_knownKeys = registry->getAllDevInfo().keys();
    if (isPrivateMode())
        addPrivateDevs();
    else
        addOnvifDev();
}

void CSearchManageWidget::addPrivateDevs()
{
    const QHash<QString, SearchDevInfo> found = KelvoSDKHelper::instance()->getSearchDevices();
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (m_knownKeys.contains(it.value().ip))
            continue;
        addDev(it.value());
        m_foundDevs.insert(it.value().uid, it.value());
    }
    stopSearch();
}

void CSearchManageWidget::addDev(const SearchDevInfo &dev)
{
    const QString type =
        dev.hardwareType.contains(QLatin1String("NVR")) ? QStringLiteral("NVR") : QStringLiteral("IPC");
    appendRow({dev.ip, type, dev.uid, dev.firmwareVersion, tr("Search ok"), dev.model, dev.mac}, dev.uid);
}

void CSearchManageWidget::appendRow(const QStringList &texts, const QString &uid)
{
    QList<QStandardItem *> row;
    for (const QString &text : texts) {
        auto *item = new QStandardItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        item->setEditable(false);
        row.append(item);
    }
    row.first()->setCheckable(true);
    row.first()->setCheckState(Qt::Unchecked);
    if (!uid.isNull())
        row.first()->setData(uid, Qt::UserRole);
    m_model->appendRow(row);
    widenColumnsToTexts(ui->m_SearchDevTableView);
}

void CSearchManageWidget::addOnvifDev()
{
    ONVIF::Service *service = ONVIF::Service::instance();
    const auto entries = service ? service->getDevices().values() : QList<ONVIF::Service::ONVIF_DEV_INFO>();
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    for (const auto &entry : entries) {
        if ((registry && registry->findDevInfo(entry.ip)) || m_knownKeys.contains(entry.ip)) {
            qDebug() << "ip isExisted " << entry.ip << QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"));
            continue;
        }
        const QString state = entry.status == 1 ? tr("Search ok") : CommonHelper::incorrectLoginText();
        appendRow({entry.ip, QStringLiteral("ONVIF"), entry.uuid.toUpper(), entry.firmwareVersion, state,
                   entry.hardware.isEmpty() ? entry.model : entry.hardware, QString()},
                  QString());
    }
    stopSearch();
}

void CSearchManageWidget::refreshOnvifRow(const QString &ip)
{
    const int row = isPrivateMode() ? -1 : findRowByText(ip, m_model, ColIp);
    ONVIF::Service *service = ONVIF::Service::instance();
    if (row < 0 || !service)
        return;
    const auto entry = service->getDevices().value(ip);
    const QStringList texts = {entry.uuid.toUpper(), entry.firmwareVersion,
                               entry.status == 1 ? tr("Search ok") : CommonHelper::incorrectLoginText(),
                               entry.hardware.isEmpty() ? entry.model : entry.hardware};
    for (int col = ColSn; col <= ColModel; ++col) {
        if (QStandardItem *item = m_model->item(row, col))
            item->setText(texts.at(col - ColSn));
    }
}

void CSearchManageWidget::switchMode(bool privateMode)
{
    if (privateMode)
        ui->m_OnvifchkBox->setChecked(false);
    else
        ui->m_KelvochkBox->setChecked(false);
    restart();
    for (QPushButton *button : {ui->m_ModifyAllIPBtn, ui->m_ModifyIPBtn, ui->m_RestoreBtn}) {
        button->setEnabled(privateMode);
        button->setVisible(privateMode);
    }
}

void CSearchManageWidget::KelvoChkStateChanged()
{
    if (m_onvifPending) {
        m_onvifPending = false;
        stopSearch();
    }
    if (ui->m_KelvochkBox->isChecked())
        switchMode(true);
}

void CSearchManageWidget::onvifChkStateChanged()
{
    stopSearch();
    if (ui->m_OnvifchkBox->isChecked())
        switchMode(false);
}

void CSearchManageWidget::onbtnCloseClicked()
{
    reject();
}

void CSearchManageWidget::onbtnCancleClicked()
{
    reject();
}

void CSearchManageWidget::onSearchDevBtnClicked()
{
    if (!m_onvifPending) {
        restart();
        return;
    }
    m_onvifPending = false;
    stopSearch();
}

QStringList CSearchManageWidget::checkedIds() const
{
    QStringList ids;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row, ColIp);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        ids.append(isPrivateMode() ? item->data(Qt::UserRole).toString() : item->text());
    }
    return ids;
}

QList<SearchDevInfo> CSearchManageWidget::checkedDevices() const
{
    QList<SearchDevInfo> devices;
    // A row without a found entry (with both boxes clear its identifier is an
    // address, not a UID) must not turn into an empty device on a broadcast.
    for (const QString &uid : checkedIds()) {
        const auto it = m_foundDevs.constFind(uid);
        if (it != m_foundDevs.constEnd())
            devices.append(it.value());
    }
    return devices;
}

// The row's own kind decides where its device is looked up, whatever the
// boxes say now: a private row carries its UID, an ONVIF row only its address.
// A row whose device is no longer known stays, and nothing is emitted for it.
bool CSearchManageWidget::addRowToClient(int row)
{
    QStandardItem *ipItem = m_model->item(row, ColIp);
    QStandardItem *typeItem = m_model->item(row, ColType);
    if (!ipItem || !typeItem)
        return false;
    auto dev = std::make_unique<FUN_DEV_INFO>();
    if (typeItem->text() == QLatin1String("ONVIF")) {
        ONVIF::Service *service = ONVIF::Service::instance();
        const QHash<QString, ONVIF::Service::ONVIF_DEV_INFO> entries =
            service ? service->getDevices() : QHash<QString, ONVIF::Service::ONVIF_DEV_INFO>();
        const auto it = entries.constFind(ipItem->text());
        if (it == entries.constEnd())
            return false;
        CommonHelper::onvifToDevInfo(dev.get(), it.value());
    } else {
        const auto it = m_foundDevs.constFind(ipItem->data(Qt::UserRole).toString());
        if (it == m_foundDevs.constEnd())
            return false;
        const SearchDevInfo &found = it.value();
        dev->devType = found.hardwareType.contains(QLatin1String("NVR")) ? 1 : 0;
        dev->rtspPort = static_cast<uint16_t>(found.rtspPort.toUInt(nullptr, 10));
        dev->model = found.model;
        dev->ip = found.ip;
        dev->name = found.ip;
        dev->sn = found.uid;
        dev->mac = found.mac;
        dev->version = found.firmwareVersion;
    }
    if (dev->ip.isEmpty())
        return false;
    m_model->removeRow(row);
    emit SignalsHelper::instance()->signalAddDevs({dev.release()});
    return true;
}

void CSearchManageWidget::showNotAddedTip()
{
    MsgTipInfoDlg::showTip(tr("The device is no longer in the search results.") + tr("Please search again later."),
                           2000);
}

void CSearchManageWidget::onAddDevToClientBtnClicked()
{
    // Rows go as they are added: hold on to the checked ones by persistent index.
    QList<QPersistentModelIndex> checked;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row, ColIp);
        if (item && item->checkState() == Qt::Checked)
            checked.append(QPersistentModelIndex(item->index()));
    }
    qDebug() << "CSearchManageWidget::onAddDevToClientBtnClicked rows" << checked.size();
    bool refused = false;
    for (const QPersistentModelIndex &index : qAsConst(checked)) {
        if (index.isValid() && !addRowToClient(index.row()))
            refused = true;
    }
    m_header->setCheckedHeader(false);
    if (refused)
        showNotAddedTip();
}

void CSearchManageWidget::onTableDoubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    QStandardItem *item = m_model->item(index.row(), ColIp);
    if (!item)
        return;
    // The registry is keyed by address, for either kind of row.
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (registry && registry->findDevInfo(item->text())) {
        MsgTipInfoDlg::showTip(SharedTexts::ipInUseText(), 2000);
        return;
    }
    if (!addRowToClient(index.row()))
        showNotAddedTip();
}

void CSearchManageWidget::onTableClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    ui->m_SearchDevTableView->selectRow(index.row());
    if (index.column() == ColIp)
        m_header->setCheckedHeader(isAllRowsChecked(m_model));
}

void CSearchManageWidget::onColumnCheck(int column, bool checked)
{
    Q_UNUSED(column)
    setAllRowsChecked(m_model, checked);
}

void CSearchManageWidget::showSearchAgainTip()
{
    MsgTipInfoDlg::showTip(tr("The device is being modified") + tr("Please search again later."), 2000);
}

void CSearchManageWidget::onModifyIPBtnClicked()
{
    const QList<SearchDevInfo> devices = checkedDevices();
    if (devices.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Please check one item to modify."), 2000);
        return;
    }
    if (devices.size() > 1) {
        MsgTipInfoDlg::showTip(tr("Please check only one item."), 2000);
        return;
    }
    ModifyNetInfoDlg dialog(this);
    dialog.setFoundDevices(this);
    dialog.setDevInfo(devices.first());
    if (dialog.exec() == QDialog::Accepted)
        showSearchAgainTip();
}

void CSearchManageWidget::onModifyAllIPBtnClicked()
{
    const QList<SearchDevInfo> devices = checkedDevices();
    if (devices.isEmpty())
        return;
    QList<SearchDevInfo *> owned;
    for (const SearchDevInfo &dev : devices)
        owned.append(new SearchDevInfo(dev));
    ModifyAllIPDlg dialog(this);
    dialog.setFoundDevices(this);
    dialog.setDevices(owned);
    if (dialog.exec() == QDialog::Accepted)
        showSearchAgainTip();
}

void CSearchManageWidget::onRestoreBtnClicked()
{
    const QList<SearchDevInfo> devices = checkedDevices();
    if (devices.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Please select a device before making any changes."), 2000);
        return;
    }
    // A factory restore cannot be undone: ask first.
    if (CustomDialog::showMessage(SharedTexts::areYouSureText() + SharedTexts::restoreText(), true, true, 0) != 1)
        return;
    for (const SearchDevInfo &dev : devices)
        KelvoSDKHelper::instance()->sendCredentialCmd(dev);
    showSearchAgainTip();
}

void CSearchManageWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const bool searching = isSearching();
        ui->retranslateUi(this);
        setHeaderTexts();
        ui->m_SearchDevBtn->setText(searching ? tr("Searching...") : tr("Search"));
        CommonHelper::elideChildTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
