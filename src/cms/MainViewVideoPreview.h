#pragma once

// The live video page: the device tree on the left, the grid of live panes
// with its 1, 4, 9 and 16 pane layouts on the right. Double-clicking a device
// or channel plays it in the chosen pane.

#include "KelvoCommon.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

class DeviceTree;
class QButtonGroup;
class QModelIndex;
class VideoPreviewPane;
class VideoPreviewPlayController;

namespace Ui {
class MainViewVideoPreview;
}

class MainViewVideoPreview : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxPanes = 16;

    explicit MainViewVideoPreview(QWidget *parent = nullptr);
    ~MainViewVideoPreview() override;

    static QList<int> layoutCounts() { return {1, 4, 9, 16}; }
    // n must be one of layoutCounts(). Panes beyond the layout are stopped to
    // save decoding; they start again with their device and stream when a
    // larger layout shows them again.
    void setLayoutCount(int n);
    // The address a pane off screen plays again when it is shown ("" none).
    QString parkedUrl(int index) const { return m_parked.value(index).url; }
    int layoutCount() const { return m_layoutCount; }

    DeviceTree *deviceTree() const { return m_tree; }
    VideoPreviewPlayController *controller() const { return m_controller; }
    VideoPreviewPane *pane(int index) const;
    QList<VideoPreviewPane *> visiblePanes() const;
    VideoPreviewPane *selectedPane() const;
    void selectPane(VideoPreviewPane *pane);
    // Panes showing (or about to show) the record with this key.
    QList<VideoPreviewPane *> panesOf(const QString &key) const;

    // The pane a new stream of key goes to: the pane already showing it, else
    // the selected pane when free, else the first free pane of the layout,
    // else the selected pane.
    VideoPreviewPane *choosePane(const QString &key) const;

public slots:
    // The road of a double-click: pick a pane and play the record there.
    bool playDevice(const QString &key);
    void closePane(VideoPreviewPane *pane);
    void stopAll();

    // Registry changes, from the main window.
    void reloadTree();
    void updateDeviceState(FUN_DEV_INFO *dev);
    void updateChannelStates(FUN_DEV_INFO *dev);
    // Closes the panes of the record and removes its tree item.
    void removeDevice(FUN_DEV_INFO *dev);
    // The record's tree item and pane titles follow its name.
    void renameDevice(FUN_DEV_INFO *dev);

signals:
    void playRequested(QString key);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onTreeDoubleClicked(const QModelIndex &index);
    void onPaneStateChanged(VideoPreviewPane *pane);
    void applyItemIcon(const QString &key);
    void retranslate();

    struct Parked
    {
        QString url;
        QString key;
        QString title;
    };
    QHash<int, Parked> m_parked;

    Ui::MainViewVideoPreview *ui = nullptr;
    DeviceTree *m_tree = nullptr;
    QButtonGroup *m_layoutButtons = nullptr;
    VideoPreviewPlayController *m_controller = nullptr;
    QList<VideoPreviewPane *> m_panes;
    VideoPreviewPane *m_selected = nullptr;
    int m_layoutCount = 0;
};
