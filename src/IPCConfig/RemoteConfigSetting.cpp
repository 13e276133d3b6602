#include "RemoteConfigSetting.h"
#include "ui_RemoteConfigSetting.h"

#include "AL_MoveDetect_Widget.h"
#include "BCDetection.h"
#include "CommonHelper.h"
#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "ConfigConversation.h"
#include "DeviceInfoManager.h"
#include "DeviceMaintenance.h"
#include "DeviceSettingWidget.h"
#include "EthernetSettingWidget.h"
#include "FaceDetection.h"
#include "KelvoSDKHelper.h"
#include "MD_AudioCode_Widget.h"
#include "MD_TimeTitle_Widget.h"
#include "MediaPortWidget.h"
#include "MsgTipInfoDlg.h"
#include "PeopleDetection.h"
#include "Platform.h"
#include "PlatformSettingWidget.h"
#include "PlayerCommon.h"
#include "RemoteCfg_Widget.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SimplePlayer.h"
#include "VersionInformation.h"
#include "VideoEncodeWidget.h"
#include "VideoImageSetting.h"
#include "VoiceDetection.h"

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QListView>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTimer>

#include <algorithm>
#include <tuple>

namespace {

constexpr int PageIdRole = Qt::UserRole + 1;
constexpr int TreeWidth = 240;
// Branch arrow, icon and the item's padding beside a group's name (a page's
// is indented once more).
constexpr int TreeTextRoom = 60;
constexpr int DragStripHeight = 34;
// The least of the title area's width left on the screens by a drag.
constexpr int MinTitleShown = 200;
constexpr int PreviewStream = 1; // sub stream

int g_restartDelayMs = 5000;
int g_playerStallMs = -1; // the player's own default

const QList<int> &setReplyIds()
{
    static const QList<int> ids = [] {
        QList<int> list{Cmd::SetVideoEncode, Cmd::SetOsd, Cmd::SetAudio};
        for (int set : Cmd::ImageGroupSets)
            list.append(set);
        list << Cmd::SetMotionDetection << Cmd::SetPeopleDetection << Cmd::SetVoiceDetection << Cmd::SetFaceDetection
             << Cmd::SetCryDetection << Cmd::SetNetwork << Cmd::SetPorts << Cmd::SetPlatform << Cmd::SetSettings
             << Cmd::SetTimeConfig << Cmd::SetContact;
        return list;
    }();
    return ids;
}

template <class Page> RemoteCfg_Widget *makePage(QWidget *parent)
{
    return new Page(parent);
}

} // namespace

RemoteConfigSetting::RemoteConfigSetting(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::RemoteConfigSetting)
    , m_model(new QStandardItemModel(this))
    , m_conversation(new ConfigConversation(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    // A page wider than the room left on a small screen scrolls sideways
    // rather than being cut (a taller one scrolls its own form, its buttons
    // and marks staying in view); only the page on show counts for the room
    // it needs. The form puts the pages in their scroll area as it builds
    // them: moved there afterwards, every page's style and font would be
    // worked out again.
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &RemoteConfigSetting::fitPageRoom);

    m_model->setHorizontalHeaderLabels({QString()});
    ui->treeView->setHeaderHidden(true);
    ui->pushButtonClose->setToolTip(tr("Close"));
    ui->labelTitle->setText(tr("Remote Config"));
    ui->stackedWidget->setCurrentWidget(ui->pageEmpty);

    connect(ui->treeView, &QTreeView::clicked, this, &RemoteConfigSetting::onTreeViewTreeClicked);
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &RemoteConfigSetting::onCloseBtnClick);

    connect(this, &RemoteConfigSetting::emitMove, SignalsHelper::instance(), &SignalsHelper::signalMove);
    collectPages();
    assignTitles();

    buildTree();
    ui->treeView->setFocusPolicy(Qt::NoFocus);

    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->setView(new QListView(combo));

    connect(m_conversation, &ConfigConversation::replied, this, &RemoteConfigSetting::recvCommonInfo);
    fitTreeWidth();
    fitPageRoom();
    CommonHelper::elideChildTexts(this);
}

void RemoteConfigSetting::fitPageRoom()
{
    QWidget *current = ui->stackedWidget->currentWidget();
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        QWidget *page = ui->stackedWidget->widget(i);
        const QSizePolicy::Policy policy = page == current ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        page->setSizePolicy(policy, policy);
    }
    ui->stackedWidget->updateGeometry();
}

void RemoteConfigSetting::fitTreeWidth()
{
    // The names of every language fit: the tree takes what its longest
    // entry needs, never less than its usual width.
    const QFontMetrics metrics = ui->treeView->fontMetrics();
    int need = TreeWidth;
    for (QStandardItem *group : qAsConst(m_groupItems)) {
        need = std::max(need, metrics.horizontalAdvance(group->text()) + TreeTextRoom);
        for (int row = 0; row < group->rowCount(); ++row)
            need = std::max(need, metrics.horizontalAdvance(group->child(row)->text()) + TreeTextRoom
                                      + ui->treeView->indentation());
    }
    ui->treeView->setFixedWidth(need);
}

RemoteConfigSetting::~RemoteConfigSetting()
{
    // Each player stops its thread when deleted.
    delete m_firstPlayer;
    delete m_secondPlayer;
    delete ui;
    // The style's pictures of this window's controls are cached under keys
    // of its own palettes and icons: no later window finds them again.
    QPixmapCache::clear();
    Platform::returnFreedMemory();
}

QTreeView *RemoteConfigSetting::treeView() const
{
    return ui->treeView;
}

QWidget *RemoteConfigSetting::slotWidget(int id) const
{
    return m_slots.value(id);
}

void RemoteConfigSetting::collectPages()
{
    // Each page is built when it is first shown or asked for: building all
    // of them held the window's opening several frames of the live panes.
    const QList<std::tuple<int, QWidget *, PageBuilder>> table{
        {PageVideoEncode, ui->pageVideoCode, &makePage<VideoEncodeWidget>},
        {PageOsd, ui->pageTimeTitle, &makePage<MD_TimeTitle_Widget>},
        {PageAudio, ui->pageAudioCode, &makePage<MD_AudioCode_Widget>},
        {PageImage, ui->pageVideoImage, &makePage<VideoImageSetting>},
        {PageMotion, ui->pageMoveDetect, &makePage<AL_MoveDetect_Widget>},
        {PagePeople, ui->pagePeople, &makePage<PeopleDetection>},
        {PageVoice, ui->pageVoice, &makePage<VoiceDetection>},
        {PageFace, ui->pageFace, &makePage<FaceDetection>},
        {PageCry, ui->pageBC, &makePage<BCDetection>},
        {PageNetwork, ui->pageEthernet, &makePage<EthernetSettingWidget>},
        {PagePorts, ui->pageMeida, &makePage<MediaPortWidget>},
        {PagePlatform, ui->pagePlatform, &makePage<PlatformSettingWidget>},
        {PageSettings, ui->pageDevSetup, &makePage<DeviceSettingWidget>},
        {PageMaintenance, ui->pageMaintenance, &makePage<DeviceMaintenance>},
        {PageVersion, ui->pageVersionInfo, &makePage<VersionInformation>},
    };
    for (const auto &entry : table) {
        m_slots.insert(std::get<0>(entry), std::get<1>(entry));
        m_pages.insert(std::get<0>(entry), nullptr);
        m_builders.insert(std::get<0>(entry), std::get<2>(entry));
    }
    // The contact page has no tree entry, but may end the window all the same.
    if (auto *contact = qobject_cast<RemoteCfg_Widget *>(ui->pageDevContactInfo)) {
        contact->setConversation(m_conversation);
        connect(contact, &RemoteCfg_Widget::closeWindowRequested, this, &RemoteConfigSetting::onCloseBtnClick);
    }
}

RemoteCfg_Widget *RemoteConfigSetting::page(int id) const
{
    return const_cast<RemoteConfigSetting *>(this)->buildPage(id);
}

RemoteCfg_Widget *RemoteConfigSetting::buildPage(int id)
{
    if (RemoteCfg_Widget *built = m_pages.value(id))
        return built;
    const PageBuilder builder = m_builders.take(id);
    QWidget *placeholder = m_slots.value(id);
    if (!builder || !placeholder)
        return nullptr;
    // Built in the stack: moved there afterwards, its style and font would
    // be worked out twice.
    RemoteCfg_Widget *page = builder(ui->stackedWidget);
    page->setObjectName(placeholder->objectName());
    page->title = titleOf(id);
    ui->stackedWidget->insertWidget(ui->stackedWidget->indexOf(placeholder), page);
    ui->stackedWidget->removeWidget(placeholder);
    delete placeholder;
    m_slots.insert(id, page);
    m_pages.insert(id, page);
    page->setConversation(m_conversation);
    connect(page, &RemoteCfg_Widget::closeWindowRequested, this, &RemoteConfigSetting::onCloseBtnClick);
    for (QComboBox *combo : page->findChildren<QComboBox *>())
        combo->setView(new QListView(combo));
    fitPageRoom();
    CommonHelper::elideChildTexts(page);
    return page;
}

QString RemoteConfigSetting::titleOf(int id) const
{
    const int at = m_pages.keys().indexOf(id);
    return at >= 0 && at < m_pageTitles.size() ? m_pageTitles.at(at) : QString();
}

void RemoteConfigSetting::assignTitles()
{
    m_pageTitles = QStringList{
        tr("Video Encode"),
        tr("OSD Settings"),
        tr("Audio Settings"),
        tr("Image Settings"),
        tr("Motion Detection"),
        tr("Human Figure Detection"),
        tr("Sound Detection"),
        tr("Face Detection"),
        tr("Crying Detection"),
        tr("TCP/IP"),
        tr("Port"),
        tr("Platform Access"),
        tr("Device Settings"),
        tr("Device Maintenance"),
        tr("Version Info"),
    };
    if (m_pages.size() != m_pageTitles.size())
        return;
    int i = 0;
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it, ++i) {
        if (it.value())
            it.value()->title = m_pageTitles.at(i);
        if (QStandardItem *item = m_pageItems.value(it.key()))
            item->setText(m_pageTitles.at(i));
    }
}

void RemoteConfigSetting::buildTree()
{
    static const QIcon groupIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/master.png"));
    static const QIcon pageIcon(QStringLiteral(":/Resources/Skin/Default/MainWindow/sub.png"));

    m_groupNames = QStringList{tr("Video and Audio"), tr("Image"), tr("Event"), tr("Network"), tr("System")};
    m_groupItems.clear();
    m_pageItems.clear();
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QString()});

    QList<int> groupIds;
    for (int i = 0; i < m_groupNames.size(); ++i) {
        auto *item = new QStandardItem(groupIcon, m_groupNames.at(i));
        item->setEditable(false);
        m_model->appendRow(item);
        m_groupItems.append(item);
        groupIds.append(Cmd::AreaVideoAudio + Cmd::AreaSpan * i);
    }

    QStandardItem *heldBack = nullptr; // OSD follows Audio, not Video Encode
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        // A page not built yet has its entry; a slot with no page to build
        // has none.
        if (!it.value() && !m_builders.contains(it.key()))
            continue;
        auto *item = new QStandardItem(pageIcon, it.value() ? it.value()->pageTitle() : titleOf(it.key()));
        item->setEditable(false);
        item->setData(it.key(), PageIdRole);
        if (it.key() == PageOsd) {
            heldBack = item;
            continue;
        }
        int group = 0;
        for (int g = 0; g < groupIds.size(); ++g) {
            if (it.key() % groupIds.at(g) < 1000) {
                group = g;
                break;
            }
        }
        m_groupItems.at(group)->appendRow(item);
        m_pageItems.insert(it.key(), item);
        if (it.key() == PageAudio && heldBack) {
            m_groupItems.at(group)->appendRow(heldBack);
            m_pageItems.insert(PageOsd, heldBack);
            heldBack = nullptr;
        }
    }
    // Without an audio page the OSD page still gets its entry.
    if (heldBack) {
        m_groupItems.at(0)->appendRow(heldBack);
        m_pageItems.insert(PageOsd, heldBack);
    }
    ui->treeView->setModel(m_model);
}

void RemoteConfigSetting::applyCapabilities()
{
    if (!m_dev)
        return;
    const QStringList tokens = m_dev->capList.split(QLatin1Char('+'));
    const QList<QPair<int, QString>> optional{
        {PagePeople, QStringLiteral("PD")},
        {PageVoice, QStringLiteral("voice")},
        {PageFace, QStringLiteral("FD")},
        {PageCry, QStringLiteral("BCD")},
    };
    for (const auto &entry : optional) {
        QStandardItem *item = m_pageItems.value(entry.first);
        if (!item || !item->parent())
            continue;
        ui->treeView->setRowHidden(item->row(), item->parent()->index(), !tokens.contains(entry.second));
    }
}

int RemoteConfigSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev)
        return -1;
    m_dev = dev;
    m_conversation->setDevice(dev);
    ui->labelTitle->setText(tr("Remote Config"));
    ui->stackedWidget->setCurrentWidget(ui->pageEmpty);
    applyCapabilities();
    ui->treeView->setCurrentIndex(QModelIndex());
    ui->treeView->expandAll();
    qInfo() << "RemoteConfigSetting::setDevice" << dev->ip;

    startPreview(dev);
    if (!m_reconnectTimer) {
        m_reconnectTimer = new QTimer(this);
        connect(m_reconnectTimer, &QTimer::timeout, this, &RemoteConfigSetting::onReconnect);
    }
    return 0;
}

void RemoteConfigSetting::startPreview(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    if (CommonHelper::isMultiChannelIpc(dev)) {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        FUN_DEV_INFO *first = registry ? registry->getChannelInfo(dev->ip, 1) : nullptr;
        FUN_DEV_INFO *second = registry ? registry->getChannelInfo(dev->ip, 2) : nullptr;
        startPlayer(m_firstPlayer, m_firstUrl, CommonHelper::getDevUrl(first, ENUM_STREAM_TYPE(PreviewStream)));
        startPlayer(m_secondPlayer, m_secondUrl, CommonHelper::getDevUrl(second, ENUM_STREAM_TYPE(PreviewStream)));
        return;
    }
    startPlayer(m_firstPlayer, m_firstUrl, CommonHelper::getDevUrl(dev, ENUM_STREAM_TYPE(PreviewStream)));
}

void RemoteConfigSetting::startPlayer(SimplePlayer *&player, QString &url, const QString &address)
{
    delete player;
    player = nullptr;
    url = address;
    // A channel record not registered (yet) has no address: playing nothing
    // would only fail and restart forever.
    if (address.isEmpty()) {
        qWarning() << "RemoteConfigSetting: no preview address";
        return;
    }
    player = new SimplePlayer;
    if (g_playerStallMs > 0)
        player->setStallTimeout(g_playerStallMs);
    connect(player, &SimplePlayer::emitRecvImg, SignalsHelper::instance(), &SignalsHelper::signalRecvImage);
    connect(player, &SimplePlayer::emitPlayerError, this, &RemoteConfigSetting::recvPlayError);
    connect(player, &SimplePlayer::emitPlayerError, SignalsHelper::instance(), &SignalsHelper::signalrecvPlayError);
    player->setPlayUrl(address);
    player->play();
}

void RemoteConfigSetting::recvPlayError(const QString &url, int code)
{
    if (!m_reconnectTimer)
        return;
    qWarning().noquote() << " recvPlayError stop" << player::maskUrl(url) << code;
    // Both players are already stopped and the restart is pending: stopping
    // again would only block the GUI thread once more (each stop waits), and
    // restarting the timer would put the restart off for as long as errors come.
    if (m_reconnectTimer->isActive())
        return;
    if (m_firstPlayer)
        m_firstPlayer->stop();
    if (m_secondPlayer)
        m_secondPlayer->stop();
    m_reconnectTimer->start(g_restartDelayMs);
}

void RemoteConfigSetting::onReconnect()
{
    qInfo() << "Reconnecting player...";
    m_reconnectTimer->stop();
    startPreview(m_dev);
}

void RemoteConfigSetting::onTreeViewTreeClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const int id = index.data(PageIdRole).toInt();
    RemoteCfg_Widget *page = buildPage(id);
    if (!page)
        return;
    page->beginReading();
    page->updateDevice(m_dev);
    ui->stackedWidget->setCurrentWidget(page);
    ui->labelTitle->setText(page->pageTitle());
    ui->labelTitle->setToolTip(page->pageTitle());
    syncWindowTitle();
    page->endVisit();
}

void RemoteConfigSetting::showEvent(QShowEvent *event)
{
    // Never larger than the screen it opens on: what does not fit scrolls.
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (QScreen *screen = this->screen()) {
            const QRect room = screen->availableGeometry();
            if (width() > room.width() || height() > room.height()) {
                resize(std::min(width(), room.width()), std::min(height(), room.height()));
                move(room.topLeft() + QPoint((room.width() - width()) / 2, (room.height() - height()) / 2));
            }
        }
    }
    DropShadowWidget::showEvent(event);
    // The window opens on its first page rather than on an empty one; shown
    // first, so that the page's replies find the window visible.
    if (!m_dev || ui->stackedWidget->currentWidget() != ui->pageEmpty)
        return;
    for (QStandardItem *group : qAsConst(m_groupItems)) {
        for (int row = 0; row < group->rowCount(); ++row) {
            if (ui->treeView->isRowHidden(row, group->index()))
                continue;
            const QModelIndex index = group->child(row)->index();
            ui->treeView->setCurrentIndex(index);
            onTreeViewTreeClicked(index);
            return;
        }
    }
}

void RemoteConfigSetting::onCloseBtnClick()
{
    if (m_firstPlayer)
        m_firstPlayer->stop();
    if (m_secondPlayer)
        m_secondPlayer->stop();
    // A toast shown while this window was modal belongs to it; the shell
    // deletes the window once it closes, and the result of a change that
    // closed it (a new address) would vanish unseen. The main window keeps it.
    QWidget *host = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(top)) {
            host = top;
            break;
        }
    }
    for (MsgTipInfoDlg *tip : findChildren<MsgTipInfoDlg *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QPoint at = tip->pos();
        tip->setParent(host, tip->windowFlags());
        tip->move(at);
        tip->show();
    }
    close();
}

bool RemoteConfigSetting::isSetReply(int cmd)
{
    return setReplyIds().contains(cmd);
}

void RemoteConfigSetting::recvCommonInfo(QObject *requester, const ConfigReply &reply)
{
    if (!isVisible() || !m_dev)
        return;
    auto *page = qobject_cast<RemoteCfg_Widget *>(requester);
    if (!page)
        return;
    if (reply.kind == RequestKind::Save) {
        page->saveAnswered(reply);
        return;
    }
    // A failed or unreadable read leaves the page as it was (its values are
    // not the camera's settings) and marks it. Other replies reach the page
    // when they can be read; the page tells their result itself.
    if (reply.kind == RequestKind::Read) {
        if (!page->readAnswered(reply))
            return;
    } else if (!reply.usable) {
        return;
    }
    page->parseXml(reply.cmd, reply.xml);
}

void RemoteConfigSetting::replacePage(int id, RemoteCfg_Widget *page)
{
    QWidget *old = m_slots.value(id);
    if (!old || !page || old == page)
        return;
    const int at = ui->stackedWidget->indexOf(old);
    const bool wasCurrent = ui->stackedWidget->currentWidget() == old;
    page->setObjectName(old->objectName());
    ui->stackedWidget->insertWidget(at, page);
    if (wasCurrent)
        ui->stackedWidget->setCurrentWidget(ui->pageEmpty);
    ui->stackedWidget->removeWidget(old);
    delete old;
    m_slots.insert(id, page);
    m_pages.insert(id, page);
    m_builders.remove(id);
    page->setConversation(m_conversation);
    connect(page, &RemoteCfg_Widget::closeWindowRequested, this, &RemoteConfigSetting::onCloseBtnClick);
    assignTitles();
    buildTree();
    fitTreeWidth();
    applyCapabilities();
    ui->treeView->expandAll();
}

bool RemoteConfigSetting::fitsScreens(const QRect &moved, const QList<QRect> &available)
{
    QRect bounds;
    for (const QRect &r : available)
        bounds = bounds.united(r);
    // The window may leave the screens in part (one as large as the screen
    // could not move at all otherwise); its title area stays where it can be
    // grabbed again.
    const QRect title(moved.left(), moved.top(), moved.width(), DragStripHeight);
    if (title.top() < bounds.top() || title.bottom() > bounds.bottom())
        return false;
    const int shown = std::min(title.right(), bounds.right()) - std::max(title.left(), bounds.left()) + 1;
    return shown >= std::min(moved.width(), MinTitleShown);
}

void RemoteConfigSetting::setRestartDelayMs(int ms)
{
    g_restartDelayMs = ms;
}

int RemoteConfigSetting::restartDelayMs()
{
    return g_restartDelayMs;
}

void RemoteConfigSetting::setPlayerStallMs(int ms)
{
    g_playerStallMs = ms;
}

void RemoteConfigSetting::onEnterPressed() { }

void RemoteConfigSetting::onEscPressed() { }

void RemoteConfigSetting::changeEvent(QEvent *event)
{
    DropShadowWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    assignTitles();
    m_groupNames = QStringList{tr("Video and Audio"), tr("Image"), tr("Event"), tr("Network"), tr("System")};
    for (int i = 0; i < m_groupNames.size() && i < m_groupItems.size(); ++i)
        m_groupItems.at(i)->setText(m_groupNames.at(i));
    fitTreeWidth();
    // The texts of the new language change the layout's widths only once it
    // has run: elided then, with the room they have.
    RemoteCfg_Widget::elideWhenLaidOut(this);
}

void RemoteConfigSetting::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A page's Save is its own button and the close mark closes: no key
        // saves or drops what the pages hold.
        event->accept();
        return;
    default:
        DropShadowWidget::keyPressEvent(event);
    }
}

void RemoteConfigSetting::mousePressEvent(QMouseEvent *event)
{
    DropShadowWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && event->pos().y() < DragStripHeight) {
        m_dragging = true;
        m_pressPoint = event->pos();
    }
}

void RemoteConfigSetting::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        const QPoint offset = event->pos() - m_pressPoint;
        QList<QRect> available;
        for (QScreen *screen : QGuiApplication::screens())
            available.append(screen->availableGeometry());
        if (fitsScreens(geometry().translated(offset), available)) {
            move(pos() + offset);
            emit emitMove(offset);
        }
    }
    QWidget::mouseMoveEvent(event);
}

void RemoteConfigSetting::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}
