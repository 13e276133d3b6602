#include "MainViewVideoPreview.h"
#include "ui_MainViewVideoPreview.h"

#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "MsgTipInfoDlg.h"
#include "TreeIcons.h"
#include "VideoPreviewPane.h"
#include "VideoPreviewPlayController.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItem>
#include <QtMath>

MainViewVideoPreview::MainViewVideoPreview(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::MainViewVideoPreview)
    , m_controller(new VideoPreviewPlayController(this))
{
    ui->setupUi(this);
    m_tree = ui->liveDeviceTree;
    connect(ui->liveDeviceFilter, &QLineEdit::textChanged, m_tree, &DeviceTree::setFilterText);
    connect(m_tree, &QTreeView::doubleClicked, this, &MainViewVideoPreview::onTreeDoubleClicked);

    // Sixteen panes always exist; the layout decides how many are on screen.
    for (int i = 0; i < MaxPanes; ++i) {
        auto *pane = new VideoPreviewPane(i, ui->liveGrid);
        pane->hide();
        connect(pane, &VideoPreviewPane::clicked, this, &MainViewVideoPreview::selectPane);
        connect(pane, &VideoPreviewPane::closeRequested, this, &MainViewVideoPreview::closePane);
        connect(pane, &VideoPreviewPane::stateChanged, this, &MainViewVideoPreview::onPaneStateChanged);
        m_panes.append(pane);
    }

    m_layoutButtons = new QButtonGroup(this);
    m_layoutButtons->setExclusive(true);
    for (int n : layoutCounts()) {
        if (auto *button = findChild<QPushButton *>(QStringLiteral("layoutButton%1").arg(n)))
            m_layoutButtons->addButton(button, n);
    }
    connect(m_layoutButtons, &QButtonGroup::idClicked, this, &MainViewVideoPreview::setLayoutCount);

    connect(m_controller, &VideoPreviewPlayController::playRefused, this,
            [](FUN_DEV_INFO *, const QString &reason) { MsgTipInfoDlg::showTip(reason, 2000); });
    connect(this, &MainViewVideoPreview::playRequested, this, &MainViewVideoPreview::playDevice);

    setLayoutCount(4);
    selectPane(m_panes.first());
    retranslate();
}

MainViewVideoPreview::~MainViewVideoPreview()
{
    // Every stream asked to end at once: the players, which their panes wait
    // for as they go, then end together rather than one after the other.
    stopAll();
    delete ui;
}

void MainViewVideoPreview::retranslate()
{
    ui->retranslateUi(this);
    for (QAbstractButton *button : m_layoutButtons->buttons())
        button->setToolTip(tr("%1 screens").arg(m_layoutButtons->id(button)));
}

void MainViewVideoPreview::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

VideoPreviewPane *MainViewVideoPreview::pane(int index) const
{
    return index >= 0 && index < m_panes.size() ? m_panes.at(index) : nullptr;
}

QList<VideoPreviewPane *> MainViewVideoPreview::visiblePanes() const
{
    return m_panes.mid(0, m_layoutCount);
}

VideoPreviewPane *MainViewVideoPreview::selectedPane() const
{
    return m_selected;
}

void MainViewVideoPreview::selectPane(VideoPreviewPane *pane)
{
    if (!pane || pane->index() >= m_layoutCount)
        return;
    for (VideoPreviewPane *p : qAsConst(m_panes))
        p->setSelected(p == pane);
    m_selected = pane;
}

void MainViewVideoPreview::setLayoutCount(int n)
{
    if (!layoutCounts().contains(n)) {
        qWarning() << "Unknown pane layout:" << n;
        return;
    }
    if (QAbstractButton *button = m_layoutButtons->button(n))
        button->setChecked(true);
    if (n == m_layoutCount)
        return;
    for (VideoPreviewPane *p : qAsConst(m_panes))
        ui->gridLayoutPanes->removeWidget(p);
    // Streams of panes that leave the screen end with them, but each pane
    // keeps what it showed for the layout that shows it again.
    for (int i = n; i < m_panes.size(); ++i) {
        VideoPreviewPane *pane = m_panes.at(i);
        const QString pending = m_controller->pendingUrl(pane);
        if (!pending.isEmpty())
            m_parked.insert(i, {pending, m_controller->pendingKey(pane), pane->title()});
        else if (pane->isBusy() && !pane->url().isEmpty())
            m_parked.insert(i, {pane->url(), pane->deviceKey(), pane->title()});
        m_controller->stop(pane);
        pane->hide();
    }
    const int side = qRound(qSqrt(n));
    for (int i = 0; i < n; ++i) {
        VideoPreviewPane *pane = m_panes.at(i);
        ui->gridLayoutPanes->addWidget(pane, i / side, i % side);
        pane->show();
        if (m_parked.contains(i)) {
            const Parked parked = m_parked.take(i);
            m_controller->play(pane, parked.url, parked.key, parked.title);
        }
    }
    for (int i = 0; i < MaxPanes; ++i) {
        ui->gridLayoutPanes->setRowStretch(i, i < side ? 1 : 0);
        ui->gridLayoutPanes->setColumnStretch(i, i < side ? 1 : 0);
    }
    m_layoutCount = n;
    if (!m_selected || m_selected->index() >= n)
        selectPane(m_panes.first());
    qInfo() << "Live layout:" << n << "panes";
}

QList<VideoPreviewPane *> MainViewVideoPreview::panesOf(const QString &key) const
{
    QList<VideoPreviewPane *> found;
    if (key.isEmpty())
        return found;
    for (VideoPreviewPane *p : m_panes) {
        if (p->deviceKey() == key || m_controller->pendingKey(p) == key)
            found.append(p);
    }
    return found;
}

VideoPreviewPane *MainViewVideoPreview::choosePane(const QString &key) const
{
    const QList<VideoPreviewPane *> visible = visiblePanes();
    for (VideoPreviewPane *p : visible) {
        if (panesOf(key).contains(p))
            return p;
    }
    auto isFree = [this](VideoPreviewPane *p) {
        return p->state() == VideoPreviewPane::State::Idle && m_controller->pendingUrl(p).isEmpty();
    };
    if (m_selected && isFree(m_selected))
        return m_selected;
    for (VideoPreviewPane *p : visible) {
        if (isFree(p))
            return p;
    }
    return m_selected ? m_selected : visible.value(0);
}

bool MainViewVideoPreview::playDevice(const QString &key)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr;
    if (!dev) {
        qWarning() << "Live play: no device for" << key;
        return false;
    }
    VideoPreviewPane *target = choosePane(key);
    if (!m_controller->playLocalDevice(target, dev))
        return false;
    // The next double-click fills the next pane.
    const QList<VideoPreviewPane *> visible = visiblePanes();
    const int at = visible.indexOf(target);
    if (at >= 0)
        selectPane(visible.at((at + 1) % visible.size()));
    return true;
}

void MainViewVideoPreview::closePane(VideoPreviewPane *pane)
{
    m_controller->stop(pane);
}

void MainViewVideoPreview::stopAll()
{
    m_parked.clear();
    for (VideoPreviewPane *p : qAsConst(m_panes))
        m_controller->stop(p);
}

void MainViewVideoPreview::onTreeDoubleClicked(const QModelIndex &index)
{
    // Groups and recorders carry no key: only devices and channels play.
    const QString key = m_tree->itemData(index).toString();
    if (key.isEmpty())
        return;
    emit playRequested(key);
}

void MainViewVideoPreview::onPaneStateChanged(VideoPreviewPane *pane)
{
    Q_UNUSED(pane)
    // Play marks of every keyed item follow the panes.
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return;
    const QMap<QString, FUN_DEV_INFO *> all = registry->getAllDevInfo();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it)
        applyItemIcon(it.key());
}

void MainViewVideoPreview::applyItemIcon(const QString &key)
{
    QStandardItem *item = m_tree->itemForKey(key);
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *dev = registry ? registry->findDevInfo(key) : nullptr;
    if (!item || !dev)
        return;
    if (dev->devType == 1 && dev->channelIdx == 0) {
        if (dev->loginStatus == 1)
            item->setIcon(TreeIcons::iconNvrHighlight());
        else if (dev->loginStatus == 2)
            item->setIcon(TreeIcons::iconErrPassword());
        else
            item->setIcon(TreeIcons::iconNvrNormal());
        return;
    }
    bool playing = false;
    for (VideoPreviewPane *p : qAsConst(m_panes)) {
        if (p->deviceKey() == key && p->state() == VideoPreviewPane::State::Playing)
            playing = true;
    }
    if (playing)
        item->setIcon(TreeIcons::iconDevicePlay());
    else if (VideoPreviewPlayController::isReadyToPlay(dev))
        item->setIcon(TreeIcons::iconDeviceHighlight());
    else
        item->setIcon(TreeIcons::iconDeviceNormal());
}

void MainViewVideoPreview::reloadTree()
{
    m_tree->reload();
    onPaneStateChanged(nullptr);
}

void MainViewVideoPreview::updateDeviceState(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    applyItemIcon(devKey(dev));
    if (dev->channelIdx == 0) {
        if (DeviceInfoManager *registry = DeviceInfoManager::instance()) {
            for (FUN_DEV_INFO *channel : registry->channelsOf(dev->ip))
                applyItemIcon(devKey(channel));
        }
    }
}

void MainViewVideoPreview::updateChannelStates(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    // Channel records may be new: their items are made by a reload.
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    const QList<FUN_DEV_INFO *> channels = registry ? registry->channelsOf(dev->ip) : QList<FUN_DEV_INFO *>();
    for (FUN_DEV_INFO *channel : channels) {
        if (!m_tree->itemForKey(devKey(channel))) {
            reloadTree();
            return;
        }
    }
    updateDeviceState(dev);
}

void MainViewVideoPreview::removeDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    const QString key = devKey(dev);
    for (VideoPreviewPane *p : panesOf(key))
        m_controller->stop(p);
    for (auto it = m_parked.begin(); it != m_parked.end();) {
        if (it->key == key || it->key.startsWith(key + QLatin1Char('_')))
            it = m_parked.erase(it);
        else
            ++it;
    }
    m_tree->onRemoveItem(key);
    qInfo() << "Live view dropped" << key;
}

void MainViewVideoPreview::renameDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    const QString key = devKey(dev);
    if (QStandardItem *item = m_tree->itemForKey(key))
        item->setText(dev->name);
    QList<FUN_DEV_INFO *> records{dev};
    if (dev->channelIdx == 0) {
        if (DeviceInfoManager *registry = DeviceInfoManager::instance())
            records += registry->channelsOf(dev->ip);
    }
    for (FUN_DEV_INFO *record : qAsConst(records)) {
        for (VideoPreviewPane *p : panesOf(devKey(record)))
            m_controller->retitle(p, VideoPreviewPlayController::paneTitle(record));
        for (Parked &parked : m_parked) {
            if (parked.key == devKey(record))
                parked.title = VideoPreviewPlayController::paneTitle(record);
        }
    }
    // A renamed or regrouped device may belong under another group item.
    if (QStandardItem *item = m_tree->itemForKey(key)) {
        QStandardItem *group = item->parent();
        if (dev->channelIdx == 0 && group && group->text() != dev->group)
            reloadTree();
    }
}
