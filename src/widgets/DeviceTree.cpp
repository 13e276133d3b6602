#include "DeviceTree.h"

#include "DeviceInfoManager.h"
#include "TreeIcons.h"

#include <QSortFilterProxyModel>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QStringList>

namespace {

// Loaded once and kept for the process, like the other tree icons.
QIcon wrongPasswordNvrIcon()
{
    static const QIcon *icon =
        new QIcon(TreeIcons::load(QStringLiteral(":/Resources/Skin/Default/MainWindow/icnErrPwNvrDev.png")));
    return *icon;
}

QIcon deviceIcon(int loginStatus)
{
    return loginStatus == 1 ? TreeIcons::iconDeviceHighlight() : TreeIcons::iconDeviceNormal();
}

void setNvrIcon(QStandardItem *item, int loginStatus)
{
    switch (loginStatus) {
    case 0:
        item->setIcon(TreeIcons::iconNvrNormal());
        break;
    case 1:
        item->setIcon(TreeIcons::iconNvrHighlight());
        break;
    case 2:
        item->setIcon(wrongPasswordNvrIcon());
        break;
    default:
        break;
    }
}

} // namespace

DeviceTree::DeviceTree(QWidget *parent)
    : QTreeView(parent)
    , m_model(new QStandardItemModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    m_model->setSortRole(Qt::DisplayRole);
    m_proxy->setSortRole(Qt::DisplayRole);
    m_proxy->setFilterRole(Qt::DisplayRole);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSourceModel(m_model);
    setModel(m_proxy);
}

QStandardItem *DeviceTree::groupItem(const QString &name)
{
    // The chain of groups up to one that has an item (or the top), made from
    // the top down. A loop in the stored parents ends where it closes.
    QStringList chain;
    QStandardItem *above = nullptr;
    for (QString n = name; !n.isEmpty() && !chain.contains(n); n = m_parentGroup.value(n)) {
        if ((above = m_items.value(n, nullptr)))
            break;
        chain << n;
    }
    for (int i = chain.size() - 1; i >= 0; --i) {
        auto *item = new QStandardItem(TreeIcons::iconGroup(), chain.at(i));
        if (above)
            above->appendRow(item);
        else
            m_model->appendRow(item);
        m_items.insert(chain.at(i), item);
        above = item;
    }
    return m_items.value(name, nullptr);
}

QString DeviceTree::keyOf(const QModelIndex &index) const
{
    const QStandardItem *item = m_model->itemFromIndex(m_proxy->mapToSource(index));
    if (!item)
        return QString();
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        if (it.value() == item)
            return it.key();
    }
    return QString();
}

void DeviceTree::reload(ReloadMode mode)
{
    const QString current = mode == KeepCurrent ? keyOf(currentIndex()) : QString();
    m_items.clear();
    m_model->clear();

    DeviceInfoManager *registry = DeviceInfoManager::instance();
    m_parentGroup.clear();
    if (registry) {
        const QList<DEV_GROUP_INFO> groups = registry->getAllGroups();
        QHash<int, QString> names;
        for (const DEV_GROUP_INFO &g : groups)
            names.insert(g.id, g.name);
        for (const DEV_GROUP_INFO &g : groups) {
            if (g.parentId != g.id && names.contains(g.parentId) && names.value(g.parentId) != g.name)
                m_parentGroup.insert(g.name, names.value(g.parentId));
        }
    }
    const QMap<QString, FUN_DEV_INFO *> all = registry ? registry->getAllDevInfo() : QMap<QString, FUN_DEV_INFO *>();
    for (const FUN_DEV_INFO *dev : all) {
        if (!dev)
            continue;
        QStandardItem *group = groupItem(dev->group);
        if (dev->devType == 1) {
            if (m_nvrHidden)
                continue;
            QStandardItem *nvr = m_items.value(dev->ip, nullptr);
            if (!nvr) {
                nvr = new QStandardItem(dev->name);
                setNvrIcon(nvr, dev->loginStatus);
                group->appendRow(nvr);
                m_items.insert(dev->ip, nvr);
            }
            const QString key = devKey(dev);
            if (dev->channelIdx > 0 && !m_items.contains(key)) {
                auto *channel =
                    new QStandardItem(deviceIcon(dev->loginStatus), DeviceInfoManager::channelName(dev->channelIdx));
                channel->setData(key, KeyRole);
                nvr->appendRow(channel);
                m_items.insert(key, channel);
            }
        } else {
            if (m_nonNvrHidden || m_items.contains(dev->ip))
                continue;
            auto *item = new QStandardItem(deviceIcon(dev->loginStatus), dev->name);
            item->setData(dev->ip, KeyRole);
            group->appendRow(item);
            m_items.insert(dev->ip, item);
        }
    }
    m_proxy->sort(0, Qt::AscendingOrder);
    expandAll();
    if (QStandardItem *item = current.isEmpty() ? nullptr : m_items.value(current, nullptr)) {
        const QModelIndex index = m_proxy->mapFromSource(item->index());
        setCurrentIndex(index);
        scrollTo(index);
    }
}

void DeviceTree::setFilterText(const QString &text)
{
    m_proxy->setFilterFixedString(text);
    expandAll();
}

QVariant DeviceTree::itemData(const QModelIndex &index) const
{
    const QStandardItem *item = m_model->itemFromIndex(m_proxy->mapToSource(index));
    return item ? item->data(KeyRole) : QVariant();
}

QString DeviceTree::itemText(const QModelIndex &index) const
{
    const QStandardItem *item = m_model->itemFromIndex(m_proxy->mapToSource(index));
    return item ? item->text() : QString();
}

void DeviceTree::selectItem(const QString &key)
{
    QStandardItem *item = m_items.value(key, nullptr);
    if (!item)
        return;
    setCurrentIndex(m_proxy->mapFromSource(item->index()));
}

void DeviceTree::setItemState(const QString &key, int state)
{
    QStandardItem *item = m_items.value(key, nullptr);
    if (!item)
        return;
    if (state == 3)
        item->setIcon(TreeIcons::iconDevicePlay());
    else
        item->setIcon(deviceIcon(state));
    setCurrentIndex(m_proxy->mapFromSource(item->index()));
}

void DeviceTree::forgetItem(QStandardItem *item)
{
    for (auto it = m_items.begin(); it != m_items.end();) {
        const QStandardItem *p = it.value();
        while (p && p != item)
            p = p->parent();
        if (p == item)
            it = m_items.erase(it);
        else
            ++it;
    }
}

void DeviceTree::onRemoveItem(QString key)
{
    QStandardItem *item = m_items.value(key, nullptr);
    if (!item)
        return;
    forgetItem(item);
    if (QStandardItem *parent = item->parent())
        parent->removeRow(item->row());
    else
        m_model->removeRow(item->row());
}

void DeviceTree::onAddGroupItem(QString str)
{
    if (m_items.contains(str))
        return;
    auto *item = new QStandardItem(TreeIcons::iconGroup(), str);
    m_model->appendRow(item);
    m_items.insert(str, item);
    expand(m_proxy->mapFromSource(item->index()));
}

void DeviceTree::onDelGroupItem(QString key)
{
    onRemoveItem(key);
}
