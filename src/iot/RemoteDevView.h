#pragma once

// The cloud device tree: the account's devices with their channel nodes. Each
// node carries its stream key ("%1,%2" of connection record and channel);
// a node without connection carries "0,0".

#include <QTreeView>

class QStandardItem;
class QStandardItemModel;

class RemoteDevView : public QTreeView
{
    Q_OBJECT

public:
    explicit RemoteDevView(QWidget *parent = nullptr);

    static constexpr int KeyRole = Qt::UserRole + 1;
    static constexpr int DeviceIdRole = Qt::UserRole + 2;
    static constexpr int PlayingRole = Qt::UserRole + 3;
    static constexpr int ConnectedRole = Qt::UserRole + 4;

    void setLiveMode(bool live);
    bool liveMode() const { return m_liveMode; }
    // Clears and rebuilds the tree from the cloud connection records.
    void initItModel();
    void setTreeItemSelected(QString key);
    QStandardItem *itemForKey(const QString &key) const;
    QStandardItemModel *treeModel() const { return m_model; }

signals:
    void sigRemoteDeviceSelected(QString key);
    void sigDoubleClickedTree(QString key);

public slots:
    void slotDeviceConnectStatus(QString device_id, bool bConnect);
    // Play icon on and off, only while live mode is set.
    void slotRecvData(QString key);
    void slotCloseData(QString key);

private:
    void setPlaying(const QString &key, bool playing);

    QStandardItemModel *m_model = nullptr;
    bool m_liveMode = false;
};
