#include "DeviceGroupManage.h"
#include "ui_DeviceGroupManage.h"

#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QSet>
#include <QStandardItemModel>

#include <limits>
#include <memory>
#include <utility>

DeviceGroupManage::DeviceGroupManage(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::DeviceGroupManage)
    , m_model(new QStandardItemModel(this))
{
    ui->setupUi(this);
    ui->treeViewGroup->setModel(m_model);
    connect(ui->treeViewGroup, &QTreeView::clicked, this, &DeviceGroupManage::onDeviceItemClicked);
    m_queue.setSaid(tr("the device groups"));
    connect(&m_queue, &OrmAccessQueue::waitingChanged, this, &DeviceGroupManage::onWaiting);
    m_notStored = new QLabel(this);
    m_notStored->setObjectName(QStringLiteral("labelNotStored"));
    m_notStored->setWordWrap(true);
    m_notStored->setStyleSheet(QStringLiteral("color: #f0b429;"));
    m_notStored->hide();
    ui->verticalLayout_5->insertWidget(1, m_notStored);
    refreshGroups();
    on_pushButtonAddGroup_clicked();
    // "Parent" in Russian ("Родительская группа") needs more than the form's
    // labels were given.
    CommonHelper::fitDialogToTexts(this);
}

DeviceGroupManage::~DeviceGroupManage()
{
    // A change still owed lands without the editor; its words go with it.
    if (m_waitingTip)
        m_waitingTip->close();
    delete ui;
}

QString DeviceGroupManage::tipDeleteGroup()
{
    return SharedTexts::tipDeleteGroup();
}

QString DeviceGroupManage::tipDefaultUndeletable()
{
    return SharedTexts::tipDefaultUndeletable();
}

QString DeviceGroupManage::tipNameInUse()
{
    return tr("A group with this name already exists.");
}

void DeviceGroupManage::refreshGroups(std::function<void()> then)
{
    auto read = std::make_shared<QList<QSharedPointer<CMS_Organization>>>();
    m_queue.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("read groups"),
        [read] {
            QSqlError error;
            *read = OrmHelper::getAllOrganizations(&error);
            return error;
        },
        [this, read, then](const QSqlError &error) {
            // Not read: the tree keeps what it shows, and nothing
            // is decided on an empty list.
            if (!error.text().isEmpty()) {
                MsgTipInfoDlg::showTip(SharedTexts::readFailureText(OrmDatabase::trouble(error)), 2000);
                return;
            }
            showGroups(*read);
            if (then)
                then();
        }));
}

void DeviceGroupManage::showGroups(const QList<QSharedPointer<CMS_Organization>> &groups)
{
    const int parentChoice = ui->comboBoxParent->currentData(Qt::UserRole).toInt();
    m_parents.clear();
    for (const auto &g : groups) {
        if (g)
            m_parents.insert(static_cast<int>(g->id), g->ParentId);
    }

    m_model->clear();
    ui->comboBoxParent->clear();
    QHash<int, QStandardItem *> items;
    for (const auto &g : groups) {
        if (!g)
            continue;
        auto *item = new QStandardItem(g->Name);
        item->setData(static_cast<int>(g->id), IdRole);
        item->setEditable(false);
        items.insert(static_cast<int>(g->id), item);
        ui->comboBoxParent->addItem(g->Name, static_cast<int>(g->id));
    }
    // A group hangs below its parent unless it is a root (its own parent, or a
    // parent that does not exist) or the parent chain loops back to it.
    for (const auto &g : groups) {
        if (!g)
            continue;
        const int id = static_cast<int>(g->id);
        QStandardItem *item = items.value(id);
        if (!item || item->parent() || item->model())
            continue;
        const int parentId = g->ParentId;
        if (!isRootGroup(id) && !subtreeOf(id).contains(parentId) && items.contains(parentId))
            items.value(parentId)->appendRow(item);
    }
    for (const auto &g : groups) {
        if (g && !items.value(static_cast<int>(g->id))->parent())
            m_model->appendRow(items.value(static_cast<int>(g->id)));
    }
    ui->treeViewGroup->expandAll();

    const int idx = ui->comboBoxParent->findData(parentChoice, Qt::UserRole);
    ui->comboBoxParent->setCurrentIndex(idx >= 0 ? idx : 0);
    if (m_shownId && !m_parents.contains(m_shownId))
        m_shownId = 0;
    if (m_editId && !m_parents.contains(m_editId))
        m_editId = 0;
}

bool DeviceGroupManage::isRootGroup(int id) const
{
    const int parentId = m_parents.value(id, 0);
    return parentId == id || !m_parents.contains(parentId);
}

QSet<int> DeviceGroupManage::subtreeOf(int id) const
{
    QSet<int> found{id};
    QList<int> pending{id};
    while (!pending.isEmpty()) {
        const int current = pending.takeFirst();
        for (auto it = m_parents.cbegin(); it != m_parents.cend(); ++it) {
            if (it.value() == current && it.key() != current && !found.contains(it.key())) {
                found.insert(it.key());
                pending.append(it.key());
            }
        }
    }
    return found;
}

void DeviceGroupManage::setParentChoicesEnabled(const QSet<int> &disabled)
{
    auto *model = qobject_cast<QStandardItemModel *>(ui->comboBoxParent->model());
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStandardItem *item = model->item(row);
        if (item)
            item->setEnabled(!disabled.contains(item->data(Qt::UserRole).toInt()));
    }
}

void DeviceGroupManage::markNotStored(const QString &why)
{
    m_notStored->setText(why);
    m_notStored->setVisible(!why.isEmpty());
}

void DeviceGroupManage::on_pushButtonAddGroup_clicked()
{
    markNotStored(QString());
    m_editId = 0;
    ui->lineEditName->clear();
    ui->lineEditRemark->clear();
    setParentChoicesEnabled({});
    // A new group goes below the group shown, unless the operator picks another.
    if (m_shownId) {
        const int idx = ui->comboBoxParent->findData(m_shownId, Qt::UserRole, Qt::MatchExactly);
        if (idx >= 0)
            ui->comboBoxParent->setCurrentIndex(idx);
    }
    ui->comboBoxParent->setEnabled(true);
    ui->groupBoxInfo->setEnabled(true);
}

void DeviceGroupManage::on_pushButtonEditGroup_clicked()
{
    markNotStored(QString());
    if (m_shownId && m_parents.contains(m_shownId)) {
        m_editId = m_shownId;
        if (isRootGroup(m_editId)) {
            // A root keeps its place; only its name and remark change.
            ui->comboBoxParent->setEnabled(false);
        } else {
            setParentChoicesEnabled(subtreeOf(m_editId));
            const int idx = ui->comboBoxParent->findData(m_parents.value(m_editId), Qt::UserRole);
            if (idx >= 0)
                ui->comboBoxParent->setCurrentIndex(idx);
            ui->comboBoxParent->setEnabled(true);
        }
    }
    ui->groupBoxInfo->setEnabled(true);
}

void DeviceGroupManage::on_pushButtonDel_clicked()
{
    if (m_storing)
        return;
    const QModelIndex index = ui->treeViewGroup->currentIndex();
    if (index.row() < 0 || index.column() < 0) {
        qDebug() << "no dev " << index.column() << index.row() << index.data().toString();
        return;
    }
    const int id = index.data(IdRole).toInt();
    if (id == 1) {
        MsgTipInfoDlg::showTip(tipDefaultUndeletable(), 2000);
        return;
    }
    const QString ending = index.parent().isValid() ? SharedTexts::deleteUserText() : tipDeleteGroup();
    if (CustomDialog::showMessage(SharedTexts::areYouSureText() + ending, true, true, 0) != 1)
        return;

    // What the deletion takes is read in its own transaction: names read
    // before it (or not read at all) would leave devices in a group gone.
    struct Deleted
    {
        QStringList goneNames;
        QString defaultName = DEFAULT_GROUP;
    };
    auto deleted = std::make_shared<Deleted>();
    storeGroups(
        QStringLiteral("delete group %1").arg(id),
        [id, deleted](const QList<QSharedPointer<CMS_Organization>> &groups, bool *commit) {
            QSet<long> gone{id};
            for (bool grew = true; grew;) {
                grew = false;
                for (const auto &g : qAsConst(groups)) {
                    if (g && g->id != g->ParentId && gone.contains(g->ParentId) && !gone.contains(g->id)) {
                        gone.insert(g->id);
                        grew = true;
                    }
                }
            }
            deleted->goneNames.clear();
            for (const auto &g : qAsConst(groups)) {
                if (g && gone.contains(g->id))
                    deleted->goneNames << g->Name;
                if (g && g->id == 1)
                    deleted->defaultName = g->Name;
            }
            auto group = QSharedPointer<CMS_Organization>::create();
            group->id = id;
            QSqlError error;
            OrmHelper::DelOrganization(group, &error);
            *commit = true;
            return error;
        },
        [this, id, deleted] {
            // The database moved their devices to the default group; keep the
            // registered records in step so a later change does not lose it.
            for (const QString &name : qAsConst(deleted->goneNames))
                moveDevicesToGroup(name, deleted->defaultName);
            if (m_shownId == id || subtreeOf(id).contains(m_shownId))
                m_shownId = 0;
        });
}

void DeviceGroupManage::storeGroups(const QString &what, GroupsChange change, std::function<void()> landed,
                                    std::function<void()> shown)
{
    // Read inside the write's transaction: a check that could not read does
    // not pass, and no other writer comes between the check and the change.
    OrmAccessQueue::Write write = [change] {
        OrmTransaction tx;
        QSqlError error = tx.error();
        QList<QSharedPointer<CMS_Organization>> groups;
        if (error.text().isEmpty())
            groups = OrmHelper::getAllOrganizations(&error);
        if (!error.text().isEmpty())
            return error;
        bool commit = false;
        error = change(groups, &commit);
        return error.text().isEmpty() && commit ? tx.commit() : error;
    };
    m_storing = true;
    ui->pushButtonOK->setEnabled(false);
    ui->pushButtonDel->setEnabled(false);
    // Behind a read that waits: the words say that a change waits now.
    if (m_waitingTip) {
        m_waitingTip->close();
        m_waitingTip = MsgTipInfoDlg::showTip(SharedTexts::waitingText(), std::numeric_limits<int>::max());
    }
    m_queue.enqueue({what, QString(), true, std::move(write), [this, landed, shown](const QSqlError &error) {
                         m_storing = false;
                         const bool form = std::exchange(m_storingForm, false);
                         ui->pushButtonOK->setEnabled(true);
                         ui->pushButtonDel->setEnabled(true);
                         // Not stored, nothing changed: the tree shows what the
                         // database holds already, and the form, kept for
                         // another OK, stays marked as not stored.
                         if (!error.text().isEmpty()) {
                             const QString why = SharedTexts::failureText(OrmDatabase::trouble(error));
                             MsgTipInfoDlg::showTip(why, 2000);
                             if (form && ui->groupBoxInfo->isEnabled())
                                 markNotStored(why);
                             return;
                         }
                         landed();
                         refreshGroups(shown);
                         if (DeviceInfoManager *registry = DeviceInfoManager::instance())
                             registry->getGroupsFromDatabase();
                     }});
}

void DeviceGroupManage::onWaiting(bool waiting)
{
    // The words stay exactly as long as something of the editor waits.
    MsgTipInfoDlg::showWhile(m_waitingTip, waiting,
                             m_storing ? SharedTexts::waitingText() : SharedTexts::readWaitingText());
}

void DeviceGroupManage::on_pushButtonClose_clicked()
{
    close();
}

void DeviceGroupManage::on_pushButtonOK_clicked()
{
    if (m_storing)
        return; // the last change still waits for the database
    // A group only shown, not being entered, would otherwise be saved again as
    // a copy of itself below itself.
    if (!ui->groupBoxInfo->isEnabled())
        return;
    const QString name = ui->lineEditName->text().trimmed();
    const QString remark = ui->lineEditRemark->text().trimmed();
    if (name.isEmpty())
        return;
    int parentId = -1; // -1: the parent stays
    if (!m_editId || ui->comboBoxParent->isEnabled()) {
        parentId = ui->comboBoxParent->currentData(Qt::UserRole).toInt();
        // Never its own parent, never below itself.
        if (m_editId && subtreeOf(m_editId).contains(parentId)) {
            MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
            return;
        }
    }

    // The name is checked in the write's own transaction, on what the
    // database holds then: a check that could not read never passes, and no
    // other write comes between the check and the row.
    struct Saved
    {
        bool nameInUse = false;
        bool gone = false;
        QString oldName;
        long id = 0;
    };
    auto saved = std::make_shared<Saved>();
    const int editId = m_editId;
    markNotStored(QString());
    m_storingForm = true;
    storeGroups(
        QStringLiteral("group ") + name,
        [editId, name, remark, parentId, saved](const QList<QSharedPointer<CMS_Organization>> &groups, bool *commit) {
            *saved = Saved();
            QSharedPointer<CMS_Organization> group;
            for (const auto &g : qAsConst(groups)) {
                // Devices name their group, and the stored rows resolve that
                // name to the first group carrying it: a second group of the
                // same name would take over the other's devices on their next save.
                if (g && g->Name == name && g->id != editId)
                    saved->nameInUse = true;
                if (g && editId && g->id == editId)
                    group = g;
            }
            if (saved->nameInUse)
                return QSqlError();
            if (editId && !group) {
                saved->gone = true;
                return QSqlError();
            }
            if (!group) {
                group = QSharedPointer<CMS_Organization>::create();
                group->id = 0;
            }
            saved->oldName = editId ? group->Name : QString();
            group->Name = name;
            group->Remark = remark;
            if (parentId >= 0)
                group->ParentId = parentId;
            QSqlError error;
            OrmHelper::saveOrganization(group, &error);
            *commit = true;
            // Read by landed only, which a failed commit never reaches.
            saved->id = group->id;
            return error;
        },
        [this, saved, name, editId] {
            if (saved->nameInUse) {
                MsgTipInfoDlg::showTip(tipNameInUse(), 2000);
                return;
            }
            if (saved->gone)
                qWarning() << "group to change is gone, id" << editId;
            if (!saved->oldName.isEmpty() && saved->oldName != name)
                moveDevicesToGroup(saved->oldName, name);
        },
        [this, saved] {
            const int savedId = static_cast<int>(saved->id);
            if (savedId > 0) {
                selectTreeItem(savedId);
                showGroup(savedId);
            }
        });
}

void DeviceGroupManage::moveDevicesToGroup(const QString &from, const QString &to)
{
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (!registry)
        return;
    // Stored rows refer to groups by id; only the names held in memory follow.
    for (FUN_DEV_INFO *dev : registry->getAllDevInfo()) {
        if (dev && dev->group == from)
            dev->group = to;
    }
}

void DeviceGroupManage::on_pushButtonCancel_clicked()
{
    on_pushButtonAddGroup_clicked();
}

void DeviceGroupManage::selectTreeItem(int id)
{
    const QModelIndexList found =
        m_model->match(m_model->index(0, 0), IdRole, id, 1, Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty())
        ui->treeViewGroup->setCurrentIndex(found.first());
}

void DeviceGroupManage::onDeviceItemClicked(QModelIndex index)
{
    if (index.row() < 0 || index.column() < 0) {
        qDebug() << index.column() << index.row() << index.data().toString();
        return;
    }
    showGroup(index.data(IdRole).toInt());
}

void DeviceGroupManage::showGroup(int id)
{
    auto group = std::make_shared<CMS_Organization>();
    group->id = id;
    m_queue.enqueue(OrmAccessQueue::Item::reading(
        QStringLiteral("read group %1").arg(id), [group] { return orm::dao::fetch_by_id(*group); },
        [this, group, id](const QSqlError &error) {
            if (!error.text().isEmpty())
                return;
            on_pushButtonAddGroup_clicked();
            m_shownId = id;
            ui->lineEditName->setText(group->Name);
            ui->lineEditRemark->setText(group->Remark);
            // The stored parent, not the group itself.
            ui->comboBoxParent->setCurrentIndex(
                ui->comboBoxParent->findData(static_cast<int>(group->ParentId), Qt::UserRole, Qt::MatchExactly));
            ui->groupBoxInfo->setEnabled(false);
        }));
}

void DeviceGroupManage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        CommonHelper::fitDialogToTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
