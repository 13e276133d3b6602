#pragma once

// A filterable tree of the registry's devices grouped by device group, with
// NVR channels under their NVR. Device and channel items carry their registry
// key under Qt::UserRole + 1.

#include <QHash>
#include <QString>
#include <QTreeView>
#include <QVariant>

class QSortFilterProxyModel;
class QStandardItem;
class QStandardItemModel;

class DeviceTree : public QTreeView
{
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole + 1;

    enum ReloadMode { DropCurrent, KeepCurrent };

    explicit DeviceTree(QWidget *parent = nullptr);

    // Rebuilds the tree from the registry. KeepCurrent makes the item that
    // was current current again when the registry still has its record
    // (found by key, a group by name); otherwise no item is current.
    void reload(ReloadMode mode = DropCurrent);
    // The key under which an item is kept (device or channel key, a
    // recorder's address, a group's name); empty for no item.
    QString keyOf(const QModelIndex &index) const;
    void setFilterText(const QString &text);
    QVariant itemData(const QModelIndex &index) const;
    QString itemText(const QModelIndex &index) const;
    void selectItem(const QString &key);
    // 3 playing, 1 online, anything else normal; selects the item.
    void setItemState(const QString &key, int state);
    void setNvrHidden(bool hidden) { m_nvrHidden = hidden; }
    void setNonNvrHidden(bool hidden) { m_nonNvrHidden = hidden; }
    bool isNvrHidden() const { return m_nvrHidden; }
    bool isNonNvrHidden() const { return m_nonNvrHidden; }

    QStandardItemModel *sourceModel() const { return m_model; }
    QSortFilterProxyModel *proxyModel() const { return m_proxy; }
    // The source item of a key, or null.
    QStandardItem *itemForKey(const QString &key) const { return m_items.value(key, nullptr); }

public slots:
    void onRemoveItem(QString key);
    void onAddGroupItem(QString str);
    void onDelGroupItem(QString key);

private:
    // The item of a group, made below its stored parent group when needed.
    QStandardItem *groupItem(const QString &name);
    void forgetItem(QStandardItem *item);

    QStandardItemModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
    QHash<QString, QStandardItem *> m_items;
    QHash<QString, QString> m_parentGroup; // group name -> parent group name, from the registry
    bool m_nonNvrHidden = false;
    bool m_nvrHidden = false;
};
