#pragma once

#include "DropShadowWidget.h"
#include "OrmEntities.h"
#include "OrmAccessQueue.h"

#include <QModelIndex>
#include <QPointer>

#include <functional>

class MsgTipInfoDlg;
class QLabel;

class QStandardItem;
class QStandardItemModel;

namespace Ui {
class DeviceGroupManage;
}

// Editor of the device groups: a tree of the groups, the shown group's name,
// parent and remark; adds, changes and deletes groups in the database.
class DeviceGroupManage : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit DeviceGroupManage(QWidget *parent = nullptr);
    ~DeviceGroupManage() override;

    void showGroup(int id);
    // Rebuilds the tree and the parent choices from the database (read off
    // the GUI thread when another program holds it), then runs then.
    void refreshGroups(std::function<void()> then = {});

    // Shared texts of the group editor.
    static QString tipDeleteGroup();
    static QString tipDefaultUndeletable();
    static QString tipNameInUse();

    static constexpr int IdRole = Qt::UserRole + 1;

public slots:
    void on_pushButtonAddGroup_clicked();
    void on_pushButtonEditGroup_clicked();
    void on_pushButtonDel_clicked();
    void on_pushButtonClose_clicked();
    void on_pushButtonOK_clicked();
    void on_pushButtonCancel_clicked();
    void onDeviceItemClicked(QModelIndex index);

protected:
    void changeEvent(QEvent *event) override;

private:
    // Ids of the group and every group below it.
    QSet<int> subtreeOf(int id) const;
    bool isRootGroup(int id) const;
    void setParentChoicesEnabled(const QSet<int> &disabled);
    void selectTreeItem(int id);
    void moveDevicesToGroup(const QString &from, const QString &to);
    void showGroups(const QList<QSharedPointer<CMS_Organization>> &groups);
    // A change of the groups, decided on the groups as stored and made in
    // the transaction that read them; it sets *commit when it wrote. While
    // another program holds the database the editor says it waits; landed,
    // what follows runs; not landed, it is said. Either way the tree shows
    // what the database holds, and then, when it landed, shown runs.
    using GroupsChange = std::function<QSqlError(const QList<QSharedPointer<CMS_Organization>> &groups, bool *commit)>;
    void storeGroups(const QString &what, GroupsChange change, std::function<void()> landed,
                     std::function<void()> shown = {});
    // Said for as long as a read or write of the editor waits for the database.
    void onWaiting(bool waiting);
    // Under the form while what it shows was not stored (empty: hidden).
    void markNotStored(const QString &why);

    Ui::DeviceGroupManage *ui;
    QStandardItemModel *m_model;
    // Group rows as last read: id -> parent id.
    QHash<int, int> m_parents;
    int m_shownId = 0;
    int m_editId = 0; // group being changed by OK; 0 = OK inserts a new group
    // Every read and write of the groups, in the order made.
    OrmAccessQueue m_queue;
    bool m_storing = false;
    bool m_storingForm = false; // the form's values, by OK
    QLabel *m_notStored = nullptr;
    QPointer<MsgTipInfoDlg> m_waitingTip;
};
