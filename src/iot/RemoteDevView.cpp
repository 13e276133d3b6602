#include "RemoteDevView.h"

#include "RemoteCommon.h"
#include "TreeIcons.h"

#include <QHeaderView>
#include <QStandardItemModel>

#include <algorithm>

namespace {
const char *const DeviceIcon = ":/Resources/Skin/Default/MainWindow/icon_device_normal.png";
const char *const PlayIcon = ":/Resources/Skin/Default/MainWindow/icon_device_play.png";
} // namespace

RemoteDevView::RemoteDevView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QStandardItemModel(this))
{
    setModel(m_model);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { emit sigRemoteDeviceSelected(index.data(KeyRole).toString()); });
    connect(this, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &index) { emit sigDoubleClickedTree(index.data(KeyRole).toString()); });
}

void RemoteDevView::setLiveMode(bool live)
{
    m_liveMode = live;
}

void RemoteDevView::initItModel()
{
    m_model->clear();
    QList<QSharedPointer<IotDeviceInfo>> records = RemoteCommon::instance()->devices();
    std::sort(records.begin(), records.end(),
              [](const auto &a, const auto &b) { return a->connection < b->connection; });
    for (const QSharedPointer<IotDeviceInfo> &record : qAsConst(records)) {
        auto *device = new QStandardItem(TreeIcons::load(QString::fromLatin1(DeviceIcon)), record->device_name);
        const int first = record->channels.isEmpty() ? 0 : record->channels.first();
        device->setData(record->connection > 0 ? QStringLiteral("%1,%2").arg(record->connection).arg(first)
                                               : QStringLiteral("0,0"),
                        KeyRole);
        device->setData(record->device_id, DeviceIdRole);
        device->setEnabled(record->online);
        for (int channel : qAsConst(record->channels)) {
            auto *item = new QStandardItem(QStringLiteral("CH_%1").arg(channel + 1, 2, 10, QLatin1Char('0')));
            item->setData(record->connection > 0 ? QStringLiteral("%1,%2").arg(record->connection).arg(channel)
                                                 : QStringLiteral("0,0"),
                          KeyRole);
            item->setData(record->device_id, DeviceIdRole);
            device->appendRow(item);
        }
        m_model->appendRow(device);
    }
    expandAll();
}

QStandardItem *RemoteDevView::itemForKey(const QString &key) const
{
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStandardItem *device = m_model->item(r);
        for (int c = 0; c < device->rowCount(); ++c) {
            if (device->child(c)->data(KeyRole).toString() == key)
                return device->child(c);
        }
        if (device->data(KeyRole).toString() == key)
            return device;
    }
    return nullptr;
}

void RemoteDevView::setTreeItemSelected(QString key)
{
    if (QStandardItem *item = itemForKey(key))
        setCurrentIndex(item->index());
}

void RemoteDevView::slotDeviceConnectStatus(QString device_id, bool bConnect)
{
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStandardItem *device = m_model->item(r);
        if (device->data(DeviceIdRole).toString() == device_id)
            device->setData(bConnect, ConnectedRole);
    }
}

void RemoteDevView::setPlaying(const QString &key, bool playing)
{
    if (!m_liveMode)
        return;
    if (QStandardItem *item = itemForKey(key)) {
        item->setData(playing, PlayingRole);
        item->setIcon(playing ? TreeIcons::load(QString::fromLatin1(PlayIcon)) : QIcon());
    }
}

void RemoteDevView::slotRecvData(QString key)
{
    setPlaying(key, true);
}

void RemoteDevView::slotCloseData(QString key)
{
    setPlaying(key, false);
}
