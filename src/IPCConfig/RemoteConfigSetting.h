#pragma once

// The configuration window of one IP camera: a tree of pages on the left, the
// selected page on the right. Selecting a page has it ask the camera again.
// The window's conversation with the camera brings each reply that arrives
// while the window is visible to the page that asked for it; the replies to
// saves get one shared result toast, success only for a usable reply whose
// result is 0. A set reply nobody asked for changes nothing. The window also
// plays the camera's sub stream (two for a two-channel camera) so pages with
// a preview can draw it, restarting playback after an error.
//
// The form holds a placeholder (plain QWidget) for each page; the page itself
// is built in its place when it is first shown or asked for (page()), so the
// window opens without building all of them. A placeholder with no page to
// build gets no tree entry.

#include "DropShadowWidget.h"
#include "KelvoCommon.h"

#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QModelIndex;
class QStandardItem;
class QStandardItemModel;
class QTimer;
class QTreeView;
class ConfigConversation;
class RemoteCfg_Widget;
struct ConfigReply;
class SimplePlayer;

namespace Ui {
class RemoteConfigSetting;
}

class RemoteConfigSetting : public DropShadowWidget
{
    Q_OBJECT

public:
    // Page ids: the first get of a page where it has its own, else a number
    // of its area; the thousands put a page in its group of the tree.
    enum PageId {
        PageVideoEncode = Cmd::GetVideoEncode,
        PageOsd = Cmd::GetOsd,
        PageAudio = Cmd::GetAudio,
        PageImage = Cmd::AreaImage,
        PageMotion = Cmd::GetMotionDetection,
        PagePeople = Cmd::GetPeopleDetection,
        PageVoice = Cmd::GetVoiceDetection,
        PageFace = Cmd::GetFaceDetection,
        PageCry = Cmd::GetCryDetection,
        PageNetwork = Cmd::GetNetwork,
        PagePorts = Cmd::GetPorts,
        PagePlatform = Cmd::GetPlatform,
        PageSettings = Cmd::AreaSystem + 1,
        PageMaintenance = Cmd::Reboot,
        PageVersion = Cmd::AreaSystem + 93,
    };

    explicit RemoteConfigSetting(QWidget *parent = nullptr);
    ~RemoteConfigSetting() override;

    // -1 for a null record; otherwise prepares the window for that camera.
    int setDevInfo(FUN_DEV_INFO *dev);

    // The commands of the saves the pages send (RequestKind::Save): their
    // replies get the result toast and onSaveResult.
    static bool isSetReply(int cmd);
    ConfigConversation *conversation() const { return m_conversation; }
    // Whether a window moved to `moved` keeps its title area on the screens:
    // inside the bounding rectangle of their available areas from top to
    // bottom, and at least 200 px of its width (all of a narrower one).
    static bool fitsScreens(const QRect &moved, const QList<QRect> &available);

    // Test seams (no operator reaches them): the delay before the preview
    // restarts after an error, and how long a silent stream counts as alive.
    static void setRestartDelayMs(int ms);
    static int restartDelayMs();
    static void setPlayerStallMs(int ms);
    // Puts a page in the slot of a page id (its placeholder or earlier page is
    // deleted) and rebuilds the tree.
    void replacePage(int id, RemoteCfg_Widget *page);
    // Builds the page when it was not yet.
    RemoteCfg_Widget *page(int id) const;
    QStandardItem *pageItem(int id) const { return m_pageItems.value(id); }
    QTreeView *treeView() const;
    QString previewUrl(int index) const { return index == 0 ? m_firstUrl : m_secondUrl; }
    SimplePlayer *previewPlayer(int index) const { return index == 0 ? m_firstPlayer : m_secondPlayer; }

signals:
    void emitMove(QPoint point);

public slots:
    void onTreeViewTreeClicked(const QModelIndex &index);
    void onCloseBtnClick();
    void recvPlayError(const QString &url, int code);
    void recvCommonInfo(QObject *requester, const ConfigReply &reply);
    // Keys never close or accept the window.
    void onEnterPressed() override;
    void onEscPressed() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void collectPages();
    void assignTitles();
    void buildTree();
    void applyCapabilities();
    void startPreview(FUN_DEV_INFO *dev);
    void startPlayer(SimplePlayer *&player, QString &url, const QString &address);
    void onReconnect();
    QWidget *slotWidget(int id) const;
    RemoteCfg_Widget *buildPage(int id);
    QString titleOf(int id) const;
    void fitPageRoom();
    void fitTreeWidth();

    Ui::RemoteConfigSetting *ui;
    QStandardItemModel *m_model;
    QMap<int, RemoteCfg_Widget *> m_pages;
    bool m_dragging = false;
    QPoint m_pressPoint;
    FUN_DEV_INFO *m_dev = nullptr;
    QStringList m_groupNames;
    QStringList m_pageTitles;
    QList<QStandardItem *> m_groupItems;
    QMap<int, QStandardItem *> m_pageItems;
    SimplePlayer *m_firstPlayer = nullptr;
    SimplePlayer *m_secondPlayer = nullptr;
    QString m_firstUrl;
    QString m_secondUrl;
    QTimer *m_reconnectTimer = nullptr;
    QMap<int, QWidget *> m_slots; // page id -> its widget in the stack
    using PageBuilder = RemoteCfg_Widget *(*)(QWidget *parent);
    QMap<int, PageBuilder> m_builders; // of the pages not built yet
    ConfigConversation *m_conversation;
    bool m_shownOnce = false;
};
