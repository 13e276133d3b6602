#include "DeviceManageWidget.h"
#include "AddressCheck.h"
#include "ui_DeviceManageWidget.h"

#include <QShowEvent>

#include "AddClientDevDlg.h"
#include "CSearchManageWidget.h"
#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "DeviceBatchModify.h"
#include "DeviceGroupManage.h"
#include "DeviceInfoManager.h"
#include "EditClientDevDlg.h"
#include "HeaderViewPrivate.h"
#include "KelvoSDKHelper.h"
#include "ManageWidget.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "TableHelpers.h"
#include "WidgetHelpers.h"

#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>

DeviceManageWidget::DeviceManageWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DeviceManageWidget)
{
    ui->setupUi(this);
    setBackgroundColor(this, QColor(40, 43, 48));
    initTableView();

    connect(ui->m_SearchDevBtn, &QPushButton::clicked, this, &DeviceManageWidget::onSearchDevBtnClicked);
    connect(ui->m_AddDevBtn, &QPushButton::clicked, this, &DeviceManageWidget::onAddDevBtnClicked);
    connect(ui->m_DelDevBtn, &QPushButton::clicked, this, &DeviceManageWidget::onDelDevBtnClicked);
    connect(ui->m_EditDevBtn, &QPushButton::clicked, this, &DeviceManageWidget::onEditDevBtnClicked);
    connect(ui->pushButtonBatchModify, &QPushButton::clicked, this, &DeviceManageWidget::onBatchModifyBtnClicked);
    connect(ui->m_OneUpgradeFileBtn, &QPushButton::clicked, this, &DeviceManageWidget::onOneUpgradeFileBtnClicked);
    connect(ui->m_OneUpgradeBtn, &QPushButton::clicked, this, &DeviceManageWidget::onOneUpgradeBtnClicked);
    connect(ui->m_AddDevTableView, &QTableView::clicked, this, &DeviceManageWidget::addViewTableItemClicked);

    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &DeviceManageWidget::recvCommonInfo);
    connect(SignalsHelper::instance(), &SignalsHelper::signalCommonInfo, this, &DeviceManageWidget::recvCommonInfo);
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::disconnectDev, this, &DeviceManageWidget::onDisconnectDev);

    CommonHelper::addCopyMenu(this);
}

DeviceManageWidget::~DeviceManageWidget()
{
    delete ui;
}

void DeviceManageWidget::initTableView()
{
    m_model = new QStandardItemModel(0, ColumnCount, this);
    m_header = new HeaderViewPrivate(this, 0);
    QTableView *view = ui->m_AddDevTableView;
    if (!m_model || !m_header || !view) {
        qCritical() << "Failed to initialize table view components";
        return;
    }
    view->setModel(m_model);
    setTableViewStyle(view, false);
    view->setHorizontalHeader(m_header);
    view->viewport()->installEventFilter(this);
    setHeaderTexts();
    m_header->setCheckedHeader(false);
    setColumnWidths();
    m_header->setStretchLastSection(true);
    m_header->setHighlightSections(false);
    connect(m_header, &HeaderViewPrivate::columnCheck, this, &DeviceManageWidget::addAllChkBoxStateChanged);
    // The counter follows every ticked row, not only the select-all box.
    auto countChecked = [this] {
        int checked = 0;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            const QStandardItem *item = m_model->item(row, ColName);
            checked += item && item->checkState() == Qt::Checked ? 1 : 0;
        }
        ui->m_selectdnum->setText(QString::number(checked));
    };
    connect(m_model, &QStandardItemModel::itemChanged, this, [countChecked](QStandardItem *item) {
        if (item && item->column() == ColName)
            countChecked();
    });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, countChecked);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, countChecked);
    // New rows, names or states may need more room, or free some.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &DeviceManageWidget::columnsChanged);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &DeviceManageWidget::columnsChanged);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &DeviceManageWidget::columnsChanged);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &DeviceManageWidget::columnsChanged);
}

QVector<int> DeviceManageWidget::shareWidths(const QVector<int> &needed, const QVector<int> &weights, int available)
{
    const int n = needed.size();
    QVector<int> widths(n, 0);
    if (n == 0)
        return widths;
    int total = 0;
    for (int need : needed)
        total += need;
    if (total <= available) {
        int weightSum = 0;
        for (int i = 0; i < n; ++i)
            weightSum += qMax(1, weights.value(i, 1));
        const int extra = available - total;
        int given = 0;
        for (int i = 0; i < n; ++i) {
            widths[i] = needed[i] + extra * qMax(1, weights.value(i, 1)) / weightSum;
            given += widths[i];
        }
        widths[n - 1] += available - given; // what integer division left over
        return widths;
    }
    // The narrow columns keep what they need; the wide ones share the rest.
    QVector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&needed](int a, int b) { return needed[a] < needed[b]; });
    int left = available, count = n, cap = 0;
    for (int i : qAsConst(order)) {
        if (needed[i] * count <= left) {
            left -= needed[i];
            --count;
            continue;
        }
        cap = left / count;
        break;
    }
    for (int i = 0; i < n; ++i)
        widths[i] = qMin(needed[i], cap);
    return widths;
}

void DeviceManageWidget::setColumnWidths()
{
    // The columns share the table's own width, so the operation buttons of the
    // last column are on screen without sideways scrolling; each column gets
    // what its texts need before any is cut.
    QTableView *view = ui->m_AddDevTableView;
    // The operation column is as wide as its widest row of buttons.
    int operation = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (QWidget *buttons = view->indexWidget(m_model->index(row, ColOperation)))
            operation = qMax(operation, buttons->minimumSizeHint().width());
    }
    operation = operation > 0 ? qMin(operation, 180) : 180;
    const int available = (view->isVisible() ? view->viewport()->width() : width()) - operation;
    QVector<int> needed, weights;
    auto *itemView = static_cast<QAbstractItemView *>(view);
    for (int col = ColName; col < ColOperation; ++col) {
        // A few pixels beyond the delegate's hint: with the check box and
        // the style sheet's item padding, a cell given just that elides.
        // A title needs its text and the section's padding; the header's own
        // hint also keeps room for a sort arrow that this table never shows.
        const int title =
            col == ColName
                ? m_header->sectionSizeHint(col)
                : m_header->fontMetrics().horizontalAdvance(m_model->headerData(col, Qt::Horizontal).toString())
                      + TitlePadding;
        needed << qMax(title, itemView->sizeHintForColumn(col) + CellSlack);
        weights << (col <= ColType ? 2 : 3);
    }
    const QVector<int> widths = shareWidths(needed, weights, qMax(0, available));
    for (int col = ColName; col < ColOperation; ++col)
        view->setColumnWidth(col, qMax(40, widths.at(col)));
    view->setColumnWidth(ColOperation, operation);
}

void DeviceManageWidget::columnsChanged()
{
    if (!m_columnsSized || m_columnsPending)
        return;
    m_columnsPending = true;
    QTimer::singleShot(0, this, [this] {
        m_columnsPending = false;
        if (ui->m_AddDevTableView->isVisible())
            setColumnWidths();
    });
}

void DeviceManageWidget::showEvent(QShowEvent *event)
{
    // The page only has its real width once it is shown and laid out; texts
    // changed while it was hidden (another language, new rows) are measured
    // again then.
    m_columnsSized = true;
    QWidget::showEvent(event);
    columnsChanged();
}

void DeviceManageWidget::setHeaderTexts()
{
    m_model->setHorizontalHeaderLabels({tr("Names"), tr("IP"), tr("Device Type"), tr("State"), tr("Device SN"),
                                        tr("Version information"), tr("Device Model"), tr("MAC"), tr("Operation")});
}

// ---------------------------------------------------------------- rows

void DeviceManageWidget::getDevFormDBToAddTableView()
{
    m_model->removeRows(0, m_model->rowCount());
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return;
    const QMap<QString, FUN_DEV_INFO *> all = registry->getAllDevInfo();
    QList<FUN_DEV_INFO *> records;
    for (FUN_DEV_INFO *dev : all) {
        if (!dev || dev->channelIdx > 0)
            continue;
        if (dev->devType == 2) {
            // Digest unless the operator chose a mode.
            if (dev->onvifAuth == -1)
                dev->onvifAuth = 2;
            CommonHelper::saveDevInfo(dev);
            qInfo() << "ONVIF device:" << dev->ip << dev->onvifUrl;
        }
        records.append(dev);
    }
    addDevToAddTableView(records);
}

void DeviceManageWidget::addDevToAddTableView(const QList<FUN_DEV_INFO *> &devs)
{
    if (devs.isEmpty())
        return;
    QStringList keys = allKeys();
    for (FUN_DEV_INFO *dev : devs) {
        if (!dev) {
            qWarning() << "Null device pointer in addDevToAddTableView";
            continue;
        }
        if (dev->ip.isEmpty() || keys.contains(dev->ip))
            continue;
        showDevInfo(dev);
        keys.append(dev->ip);
    }
    m_model->setSortRole(Qt::UserRole);
}

void DeviceManageWidget::showDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev || !m_model) {
        qWarning() << "Invalid parameters in showDevInfo";
        return;
    }
    const QString typeName = CommonHelper::getDevTypeName(dev);
    const QStringList texts = {dev->name,
                               dev->ip,
                               typeName,
                               CommonHelper::getDevStatusText(dev),
                               dev->sn,
                               dev->version,
                               dev->model.isEmpty() ? typeName : dev->model,
                               dev->mac.toUpper()};
    QList<QStandardItem *> row;
    for (const QString &text : texts) {
        auto *item = new QStandardItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        row.append(item);
    }
    row.first()->setCheckable(true);
    row.first()->setCheckState(Qt::Unchecked);
    row.first()->setData(dev->group, GroupRole);
    // Rows stay in one order across restarts and edits: by group, then by
    // address as numbers (127.0.1.2 before 127.0.1.10).
    int at = 0;
    while (at < m_model->rowCount() && !rowGoesBefore(dev->group, dev->ip, at))
        ++at;
    m_model->insertRow(at, row);

    auto *manage = new ManageWidget(nullptr);
    manage->setKey(dev->ip);
    manage->setSetVisible(dev->devType != 2);
    manage->setUserVisible(dev->devType != 2);
    manage->setChannelVisible(dev->devType == 1);
    ui->m_AddDevTableView->setIndexWidget(m_model->index(at, ColOperation), manage);
    connect(manage, &ManageWidget::signalEdit, this, &DeviceManageWidget::recvEditInfo);
    connect(manage, &ManageWidget::signalDelete, this, &DeviceManageWidget::recvDelInfo);
    connect(manage, &ManageWidget::signalSet, this, &DeviceManageWidget::recvSetInfo);
    connect(manage, &ManageWidget::signalUser, this, &DeviceManageWidget::recvUserInfo);
    connect(manage, &ManageWidget::signalChannel, this, &DeviceManageWidget::recvChannelInfo);
}

bool DeviceManageWidget::rowGoesBefore(const QString &group, const QString &ip, int row) const
{
    const QStandardItem *name = m_model->item(row, ColName);
    const QStandardItem *address = m_model->item(row, ColIp);
    const QString rowGroup = name ? name->data(GroupRole).toString() : QString();
    if (group != rowGroup)
        return group < rowGroup;
    const QString rowIp = address ? address->text() : QString();
    const std::optional<quint32> mine = AddressCheck::toNumber(ip);
    const std::optional<quint32> theirs = AddressCheck::toNumber(rowIp);
    if (mine && theirs)
        return *mine < *theirs;
    return ip < rowIp;
}

void DeviceManageWidget::delAddTableView(const QList<FUN_DEV_INFO *> &devs)
{
    for (FUN_DEV_INFO *dev : devs) {
        if (!dev || dev->ip.isEmpty()) {
            qWarning() << "Invalid device info in delAddTableView";
            continue;
        }
        const int row = getRowIndexByIp(dev->ip);
        if (row >= 0)
            m_model->removeRow(row);
        // Its session is closed without a word: the run must not wait for it.
        markUploadFailed(dev->ip);
    }
}

void DeviceManageWidget::updateDevStatus(FUN_DEV_INFO *dev)
{
    // A channel shares its device's address but must not overwrite its row.
    if (!dev || dev->channelIdx > 0 || getRowIndexByIp(dev->ip) < 0)
        return;
    setDevStatusText(dev->ip, CommonHelper::getDevStatusText(dev));
    if (CommonHelper::checkDevOnline(dev))
        ui->m_lblErrorTitle->clear();
    updateDevRow(dev);
}

void DeviceManageWidget::showStoreWaiting(bool waiting)
{
    MsgTipInfoDlg::showWhile(m_storeWaitingTip, waiting, SharedTexts::waitingText());
}

void DeviceManageWidget::updateDevRow(FUN_DEV_INFO *dev)
{
    if (!dev || dev->channelIdx > 0)
        return;
    const int row = getRowIndexByIp(dev->ip);
    if (row < 0)
        return;
    if (QStandardItem *name = m_model->item(row, ColName); name && name->data(GroupRole).toString() != dev->group) {
        // Another group: the row moves to its place, ticked as it was.
        const Qt::CheckState checked = name->checkState();
        m_model->removeRow(row);
        showDevInfo(dev);
        if (QStandardItem *moved = m_model->item(getRowIndexByIp(dev->ip), ColName))
            moved->setCheckState(checked);
        return;
    }
    const QStringList texts = {dev->name,
                               dev->ip,
                               CommonHelper::getDevTypeName(dev),
                               CommonHelper::getDevStatusText(dev),
                               dev->sn,
                               dev->version,
                               dev->model,
                               dev->mac.toUpper()};
    const int columns = qMin(m_model->columnCount(), texts.size());
    for (int col = 0; col < columns; ++col) {
        QStandardItem *item = m_model->item(row, col);
        if (item)
            item->setText(texts.at(col));
    }
    m_model->setSortRole(Qt::UserRole);
}

QStringList DeviceManageWidget::getCheckedKeys() const
{
    return getCheckedItems(m_model, ColIp, false);
}

QStringList DeviceManageWidget::allKeys() const
{
    QStringList keys;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row, ColIp);
        keys.append(item ? item->text() : QString());
    }
    return keys;
}

int DeviceManageWidget::getRowIndexByIp(const QString &ip) const
{
    if (ip.isEmpty()) {
        qWarning() << "Invalid parameters in getRowIndexByIp";
        return -1;
    }
    return allKeys().indexOf(ip);
}

void DeviceManageWidget::setDevStatusText(const QString &ip, const QString &text)
{
    if (ip.isEmpty()) {
        qWarning() << "Invalid parameters in getDevStatusItem";
        return;
    }
    const int row = allKeys().indexOf(ip);
    if (row < 0)
        return;
    if (QStandardItem *item = m_model->item(row, ColState))
        item->setText(text);
}

// ---------------------------------------------------------------- selection

void DeviceManageWidget::addAllChkBoxStateChanged()
{
    const bool checked = m_header->isChecked();
    setAllRowsChecked(m_model, checked);
    ui->m_selectdnum->setText(QString::number(checked ? m_model->rowCount() : 0));
}

void DeviceManageWidget::addViewTableItemClicked(QModelIndex IndexSel)
{
    if (!IndexSel.isValid() || IndexSel.row() >= m_model->rowCount())
        return;
    ui->m_AddDevTableView->selectRow(IndexSel.row());
    if (IndexSel.column() == ColName)
        m_header->setCheckedHeader(isAllRowsChecked(m_model));
}

bool DeviceManageWidget::eventFilter(QObject *watched, QEvent *event)
{
    QTableView *view = ui->m_AddDevTableView;
    if (watched == view->viewport() && event->type() == QEvent::Resize && m_columnsSized)
        setColumnWidths();
    if (watched == view->viewport() && event->type() == QEvent::MouseButtonPress && view->currentIndex().isValid()) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!view->indexAt(mouse->pos()).isValid())
            view->setCurrentIndex(QModelIndex());
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- records

FUN_DEV_INFO *DeviceManageWidget::withValidDevice(const QString &key)
{
    if (key.isEmpty()) {
        qWarning() << "Empty key provided";
        return nullptr;
    }
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr;
    if (!dev)
        qWarning() << "Device not found for key:" << key;
    return dev;
}

QList<FUN_DEV_INFO *> DeviceManageWidget::checkedRecords() const
{
    QList<FUN_DEV_INFO *> records;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return records;
    for (const QString &key : getCheckedKeys()) {
        if (FUN_DEV_INFO *dev = registry->findDevInfo(key))
            records.append(dev);
    }
    return records;
}

bool DeviceManageWidget::checkDevOK(FUN_DEV_INFO *dev)
{
    if (!dev) {
        qWarning() << "Null device pointer in checkDevOK";
        return false;
    }
    if (CommonHelper::checkDevOnline(dev))
        return true;
    const QString state = CommonHelper::getDevStatusText(dev);
    qWarning() << "Device is offline:" << dev->ip << "Status:" << state;
    MsgTipInfoDlg::showTip(state, 2000);
    return false;
}

bool DeviceManageWidget::isUpgradable(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return false;
    if (dev->devType == 0)
        return true;
    return dev->devType == 1 && dev->channelIdx == 0;
}

// ---------------------------------------------------------------- buttons

void DeviceManageWidget::onAddDevBtnClicked()
{
    AddClientDevDlg dialog(nullptr);
    dialog.setObjectName(QStringLiteral("addClientDev"));
    if (dialog.exec() == QDialog::Accepted) {
        MsgTipInfoDlg::showTip(SharedTexts::configSuccessText(), 2000);
        addAllChkBoxStateChanged();
    }
}

void DeviceManageWidget::onSearchDevBtnClicked()
{
    CSearchManageWidget dialog(nullptr);
    dialog.setObjectName(QStringLiteral("SearchManage"));
    QStringList keys = allKeys();
    dialog.setKnownKeys(keys);
    dialog.restart();
    dialog.exec();
}

void DeviceManageWidget::onEditDevBtnClicked()
{
    const QStringList keys = getCheckedKeys();
    if (keys.isEmpty()) {
        MsgTipInfoDlg::showTip(SharedTexts::selectDeviceFirstText(), 2000);
        return;
    }
    recvEditInfo(keys.first());
}

void DeviceManageWidget::recvEditInfo(const QString &key)
{
    FUN_DEV_INFO *dev = withValidDevice(key);
    if (!dev)
        return;
    auto *copy = new FUN_DEV_INFO(*dev);
    EditClientDevDlg dialog(nullptr);
    dialog.setObjectName(QStringLiteral("editClientDev"));
    dialog.setDevInfo(copy);
    if (dialog.exec() != QDialog::Accepted) {
        delete copy;
        return;
    }
    if (copy->devType == 2)
        CommonHelper::saveDevInfo(copy);
    qInfo() << "Modified device info:" << copy->ip << copy->channelIdx << copy->sn << PASSWORD_MASK << copy->dbId;
    emit SignalsHelper::instance()->signalModifyDev(copy);
}

void DeviceManageWidget::onBatchModifyBtnClicked()
{
    const QList<FUN_DEV_INFO *> records = checkedRecords();
    if (records.isEmpty()) {
        MsgTipInfoDlg::showTip(SharedTexts::selectDeviceFirstText(), 2000);
        return;
    }
    DeviceBatchModify dialog(nullptr);
    dialog.setObjectName(QStringLiteral("DeviceBatchModify"));
    dialog.setUserPassword(records.first()->userName, records.first()->password);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString user;
    QString password;
    dialog.getUserPassword(user, password);
    for (FUN_DEV_INFO *dev : records) {
        auto *copy = new FUN_DEV_INFO(*dev);
        copy->userName = user;
        copy->password = password;
        if (copy->devType == 2)
            CommonHelper::saveDevInfo(copy);
        emit SignalsHelper::instance()->signalModifyDev(copy);
    }
}

void DeviceManageWidget::deleteRecords(const QList<FUN_DEV_INFO *> &records)
{
    delAddTableView(records);
    addAllChkBoxStateChanged();
    m_header->setCheckedHeader(false);
    emit SignalsHelper::instance()->signalDelDevs(records);
}

void DeviceManageWidget::onDelDevBtnClicked()
{
    if (getCheckedKeys().isEmpty()) {
        MsgTipInfoDlg::showTip(SharedTexts::selectDeviceFirstText(), 2000);
        return;
    }
    if (CustomDialog::showMessage(SharedTexts::areYouSureText() + SharedTexts::deleteDeviceText(), true, true, 1) != 1)
        return;
    const QList<FUN_DEV_INFO *> records = checkedRecords();
    if (records.isEmpty())
        return;
    deleteRecords(records);
    qInfo() << "Devices deleted:" << records.size();
}

void DeviceManageWidget::recvDelInfo(const QString &key)
{
    FUN_DEV_INFO *dev = withValidDevice(key);
    if (!dev)
        return;
    if (CustomDialog::showMessage(SharedTexts::areYouSureText() + SharedTexts::deleteDeviceText(), true, true, 1) != 1)
        return;
    deleteRecords({dev});
}

void DeviceManageWidget::recvSetInfo(const QString &key)
{
    FUN_DEV_INFO *dev = withValidDevice(key);
    if (dev && checkDevOK(dev))
        SignalsHelper::emitShowConfig(dev);
}

void DeviceManageWidget::recvUserInfo(const QString &key)
{
    FUN_DEV_INFO *dev = withValidDevice(key);
    if (dev && checkDevOK(dev))
        emit SignalsHelper::instance()->signalDevUser(dev);
}

void DeviceManageWidget::recvChannelInfo(const QString &key)
{
    FUN_DEV_INFO *dev = withValidDevice(key);
    if (dev && checkDevOK(dev))
        emit SignalsHelper::instance()->signalNVRChannels(dev);
}

void DeviceManageWidget::on_pushButtonGroup_clicked()
{
    DeviceGroupManage dialog(nullptr);
    dialog.setObjectName(QStringLiteral("DeviceGroupManage"));
    dialog.exec();
}

void DeviceManageWidget::on_pushButtonUpdate_clicked()
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return;
    for (const QString &key : allKeys()) {
        FUN_DEV_INFO *dev = registry->getChannelInfo(key, 0);
        if (dev && isUpgradable(dev))
            KelvoSDKHelper::instance()->update(toLoginDev(dev));
    }
}

// ---------------------------------------------------------------- firmware upgrade

void DeviceManageWidget::onOneUpgradeFileBtnClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Choose update Files"), QString(),
                                                      QStringLiteral("File(*.bin);;File(*.gz);;All Files(*.*)"));
    ui->m_OneUpgradeFilelineEdit->setText(path);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CustomDialog::showMessage(tr("The file cannot be accessed!"), false, true, 1);
        ui->m_OneUpgradeFilelineEdit->clear();
    }
}

void DeviceManageWidget::onOneUpgradeBtnClicked()
{
    ui->m_lblErrorTitle->clear();
    const QString path = ui->m_OneUpgradeFilelineEdit->text();
    if (path.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Please select file to be upgraded!"), 2000);
        return;
    }
    // A file that went away since it was chosen, or an empty one, is never
    // sent and would leave the rows waiting for progress.
    QFile firmware(path);
    if (!firmware.open(QIODevice::ReadOnly) || firmware.size() == 0) {
        CustomDialog::showMessage(tr("The file cannot be accessed!"), false, true, 1);
        return;
    }
    const QStringList keys = getCheckedKeys();
    if (keys.isEmpty()) {
        MsgTipInfoDlg::showTip(tr("Please check only one item."), 2000);
        return;
    }
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    for (const QString &key : keys) {
        FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr;
        if (!dev) {
            MsgTipInfoDlg::showTip(tr("Device is nullptr"), 2000);
            return;
        }
        if (dev->devType == 2) {
            MsgTipInfoDlg::showTip(tr("The device type does not support upgrade"), 2000);
            return;
        }
        if (dev->loginStatus != 1) {
            MsgTipInfoDlg::showTip(tr("There are connection failed devices in the selected list, please re-select"),
                                   2000);
            return;
        }
    }
    // A new run: nothing of an earlier run is still awaited.
    m_upgradeSet.clear();
    m_upgradeFailed.clear();
    for (const QString &key : keys)
        upgradeDevice(key, path);
    if (!m_upgradeSet.isEmpty())
        MsgTipInfoDlg::showTip(tr("Begin upgrade, Please wait"), 2000);
}

void DeviceManageWidget::upgradeDevice(const QString &key, const QString &path)
{
    qInfo() << "Begin to upgrade " << key << "; file path: " << path;
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = registry ? registry->getChannelInfo(key, 0) : nullptr;
    if (!dev)
        return;
    KelvoSDKHelper::instance()->uploadFile(toLoginDev(dev), path);
    setDevStatusText(key, tr("Uploading..."));
    m_upgradeSet.insert(key);
}

void DeviceManageWidget::recvCommonInfo(const RecvInfo &info)
{
    // Every message of every device passes here, stream frames too: only the
    // head the receive worker read decides, and a text it refused is no one's.
    if (!info.data.isEmpty() || !info.head.usable)
        return;
    const int cmd = info.head.cmd;
    if (cmd != Cmd::UpgradeBegin && cmd != Cmd::UpgradeChunk && cmd != Cmd::UpgradeProgress)
        return;
    if (!info.head.result.ok()) {
        handleUploadFailure(info.ip, info.xml);
        return;
    }
    if (cmd == Cmd::UpgradeBegin) {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        FUN_DEV_INFO *dev = registry ? registry->getChannelInfo(info.ip, 0) : nullptr;
        if (dev) {
            KelvoSDKHelper::instance()->uploadNext(toLoginDev(dev));
            qInfo() << "Begin to upload file to ip: " << info.ip;
        }
    } else if (cmd == Cmd::UpgradeProgress) {
        const int progress =
            findValuesInXml(info.xml, QStringLiteral("body")).value(QStringLiteral("updateProgress")).toInt();
        handleUploadProgress(info.ip, progress);
    }
}

void DeviceManageWidget::handleUploadFailure(const QString &ip, const QString &xml)
{
    qWarning() << "Failed to upgrade ip: " << ip << "; xml \n" << DeviceXml::masked(xml.left(1024));
    setDevStatusText(ip, tr("Upgrade fail"));
    markUploadFailed(ip);
}

void DeviceManageWidget::markUploadFailed(const QString &ip)
{
    if (!m_upgradeSet.remove(ip))
        return;
    m_upgradeFailed.insert(ip);
    handleUploadCompletion();
}

void DeviceManageWidget::handleUploadProgress(const QString &ip, int progress)
{
    qInfo() << "received upgrade progress from ip: " << ip << ", progress: " << progress;
    setDevStatusText(ip, tr("Upgrade Progress") + QStringLiteral(" ") + QStringLiteral("%1%").arg(progress));
    if (progress == 100) {
        const bool wasRunning = m_upgradeSet.remove(ip);
        setDevStatusText(ip, tr("Upgrade success,The device will restart"));
        if (wasRunning)
            handleUploadCompletion();
    }
}

void DeviceManageWidget::handleUploadCompletion()
{
    if (!m_upgradeSet.isEmpty())
        return;
    if (m_upgradeFailed.isEmpty()) {
        qInfo() << "upgrade all device success";
        MsgTipInfoDlg::showTip(tr("Upgrade success,The device will restart"), 2000);
    } else {
        qWarning() << "upgrade failed for" << m_upgradeFailed.values();
        MsgTipInfoDlg::showTip(tr("Upgrade fail"), 2000);
    }
}

void DeviceManageWidget::onDisconnectDev(const loginDev &dev)
{
    // After 100 % the device restarts; before that a break ends its upload.
    if (dev.channel != 0 || !m_upgradeSet.contains(dev.ip))
        return;
    setDevStatusText(dev.ip, tr("Upgrade fail"));
    markUploadFailed(dev.ip);
}

void DeviceManageWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setHeaderTexts();
        if (DeviceInfoManager *registry = DeviceInfoManager::instance()) {
            for (const QString &key : allKeys())
                updateDevRow(registry->getChannelInfo(key, 0));
        }
        CommonHelper::addCopyMenu(this);
    }
    QWidget::changeEvent(event);
}
