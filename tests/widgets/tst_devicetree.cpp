#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "TreeIcons.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QtTest>

namespace {

FUN_DEV_INFO *addDev(const QString &ip, int type, const QString &name, const QString &group, int state = 0,
                     int channels = 0)
{
    auto *dev = new FUN_DEV_INFO;
    dev->ip = ip;
    dev->devType = type;
    dev->name = name;
    dev->group = group;
    dev->loginStatus = state;
    dev->channelNum = uint8_t(channels);
    DeviceInfoManager::instance()->addDevInfo(dev);
    return dev;
}

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.cacheKey() == b.cacheKey();
}

// Texts of the visible (proxy) rows below parent, in order.
QStringList visibleTexts(const DeviceTree &tree, const QModelIndex &parent = QModelIndex())
{
    QStringList texts;
    const QAbstractItemModel *m = tree.model();
    for (int r = 0; r < m->rowCount(parent); ++r)
        texts << m->index(r, 0, parent).data().toString();
    return texts;
}

} // namespace

class TestDeviceTree : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        auto *reg = DeviceInfoManager::instance();
        reg->releaseDevices();
        addDev("10.0.0.1", 0, "Front-CAM", "Outdoor", 1);
        addDev("10.0.0.2", 2, "Lobby onvif", "Indoor", 0);
        FUN_DEV_INFO *nvr = addDev("10.0.0.7", 1, "Recorder", "Indoor", 1, 2);
        reg->addNVRChannels(nvr);
        reg->findDevInfo("10.0.0.7_2")->loginStatus = 0;
        FUN_DEV_INFO *multi = addDev("10.0.0.9", 0, "Twin", "Outdoor", 1, 2);
        reg->addIPCChannels(multi);
    }

    // A sub-group sits below its stored parent; a loop of parents ends at the top.
    void subGroups()
    {
        auto *reg = DeviceInfoManager::instance();
        reg->addGroup({101, "North", 101});
        reg->addGroup({102, "Hall", 101});
        reg->addGroup({103, "Loop A", 104});
        reg->addGroup({104, "Loop B", 103});
        addDev("10.0.0.20", 0, "Porter", "Hall");
        addDev("10.0.0.21", 0, "Loopy", "Loop A");
        DeviceTree tree;
        tree.reload();
        QCOMPARE(visibleTexts(tree), QStringList({"Indoor", "Loop B", "North", "Outdoor"}));
        QCOMPARE(tree.itemForKey("Hall")->parent(), tree.itemForKey("North"));
        QCOMPARE(tree.itemForKey("10.0.0.20")->parent(), tree.itemForKey("Hall"));
        QCOMPARE(tree.itemForKey("Loop A")->parent(), tree.itemForKey("Loop B"));
    }

    void grouping()
    {
        DeviceTree tree;
        tree.reload();
        QCOMPARE(visibleTexts(tree), QStringList({"Indoor", "Outdoor"}));
        QStandardItem *nvr = tree.itemForKey("10.0.0.7");
        QVERIFY(nvr);
        QCOMPARE(nvr->text(), QString("Recorder"));
        QCOMPARE(nvr->parent()->text(), QString("Indoor"));
        QCOMPARE(nvr->rowCount(), 2);
        QCOMPARE(nvr->child(0)->text(), QString("CH_01"));
        QCOMPARE(nvr->child(1)->data(DeviceTree::KeyRole).toString(), QString("10.0.0.7_2"));
        QVERIFY(!nvr->data(DeviceTree::KeyRole).isValid());
        // The channel records of a multi-channel IPC make no items.
        QStandardItem *twin = tree.itemForKey("10.0.0.9");
        QCOMPARE(twin->rowCount(), 0);
        QVERIFY(!tree.itemForKey("10.0.0.9_1"));
        QCOMPARE(tree.itemForKey("Outdoor")->rowCount(), 2);

        // Proxy access.
        const QModelIndex indoor = tree.model()->index(0, 0);
        QVERIFY(!tree.itemData(indoor).isValid());
        QCOMPARE(tree.itemText(indoor), QString("Indoor"));
        QCOMPARE(visibleTexts(tree, indoor), QStringList({"Lobby onvif", "Recorder"}));
        const QModelIndex lobby = tree.model()->index(0, 0, indoor);
        QCOMPARE(tree.itemData(lobby).toString(), QString("10.0.0.2"));
        QVERIFY(tree.isExpanded(indoor));

        // A second reload gives the same tree.
        tree.reload();
        QCOMPARE(tree.sourceModel()->rowCount(), 2);
        QCOMPARE(tree.itemForKey("10.0.0.7")->rowCount(), 2);
    }

    void itemStates()
    {
        auto *reg = DeviceInfoManager::instance();
        addDev("10.0.0.20", 1, "Refused", "Indoor", 2);
        addDev("10.0.0.21", 1, "Offline", "Indoor", 0);
        addDev("10.0.0.22", 1, "Odd", "Indoor", 5);
        DeviceTree tree;
        tree.reload();
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.1")->icon(), TreeIcons::iconDeviceHighlight()));
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.2")->icon(), TreeIcons::iconDeviceNormal()));
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.7")->icon(), TreeIcons::iconNvrHighlight()));
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.21")->icon(), TreeIcons::iconNvrNormal()));
        QVERIFY(!tree.itemForKey("10.0.0.20")->icon().isNull());
        QVERIFY(!sameIcon(tree.itemForKey("10.0.0.20")->icon(), TreeIcons::iconNvrNormal()));
        QVERIFY(tree.itemForKey("10.0.0.22")->icon().isNull());
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.7_1")->icon(), TreeIcons::iconDeviceHighlight()));
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.7_2")->icon(), TreeIcons::iconDeviceNormal()));
        Q_UNUSED(reg);

        tree.setItemState("10.0.0.2", 3);
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.2")->icon(), TreeIcons::iconDevicePlay()));
        QCOMPARE(tree.itemData(tree.currentIndex()).toString(), QString("10.0.0.2"));
        tree.setItemState("10.0.0.7_1", 7);
        QVERIFY(sameIcon(tree.itemForKey("10.0.0.7_1")->icon(), TreeIcons::iconDeviceNormal()));
        QCOMPARE(tree.itemData(tree.currentIndex()).toString(), QString("10.0.0.7_1"));
        tree.setItemState("nope", 3);
        QCOMPARE(tree.itemData(tree.currentIndex()).toString(), QString("10.0.0.7_1"));
        tree.selectItem("10.0.0.1");
        QCOMPARE(tree.itemText(tree.currentIndex()), QString("Front-CAM"));
        tree.selectItem("");
        QCOMPARE(tree.itemText(tree.currentIndex()), QString("Front-CAM"));
    }

    void filter()
    {
        DeviceTree tree;
        tree.reload();
        tree.setFilterText("cam");
        QCOMPARE(visibleTexts(tree), QStringList({"Outdoor"}));
        QCOMPARE(visibleTexts(tree, tree.model()->index(0, 0)), QStringList({"Front-CAM"}));
        // A match on a channel keeps its NVR and group.
        tree.setFilterText("ch_02");
        QCOMPARE(visibleTexts(tree), QStringList({"Indoor"}));
        const QModelIndex indoor = tree.model()->index(0, 0);
        QCOMPARE(visibleTexts(tree, indoor), QStringList({"Recorder"}));
        QCOMPARE(visibleTexts(tree, tree.model()->index(0, 0, indoor)), QStringList({"CH_02"}));
        QVERIFY(tree.isExpanded(tree.model()->index(0, 0, indoor)));
        tree.setFilterText("");
        QCOMPARE(visibleTexts(tree), QStringList({"Indoor", "Outdoor"}));
        QCOMPARE(visibleTexts(tree, tree.model()->index(1, 0)), QStringList({"Front-CAM", "Twin"}));
    }

    void hiddenKinds()
    {
        DeviceTree tree;
        tree.setNvrHidden(true);
        tree.reload();
        QVERIFY(!tree.itemForKey("10.0.0.7"));
        QVERIFY(!tree.itemForKey("10.0.0.7_1"));
        QVERIFY(tree.itemForKey("Indoor"));
        QVERIFY(tree.itemForKey("10.0.0.2"));

        DeviceTree nvrOnly;
        nvrOnly.setNonNvrHidden(true);
        nvrOnly.reload();
        QVERIFY(nvrOnly.itemForKey("10.0.0.7_2"));
        QVERIFY(!nvrOnly.itemForKey("10.0.0.1"));
        QVERIFY(!nvrOnly.itemForKey("10.0.0.2"));
        QCOMPARE(nvrOnly.itemForKey("Outdoor")->rowCount(), 0);
    }

    void itemSlots()
    {
        DeviceTree tree;
        tree.reload();
        tree.onRemoveItem("10.0.0.7");
        QVERIFY(!tree.itemForKey("10.0.0.7"));
        QVERIFY(!tree.itemForKey("10.0.0.7_1"));
        tree.selectItem("10.0.0.7_2"); // key gone with its item: nothing happens
        tree.setItemState("10.0.0.7_2", 1);
        QCOMPARE(tree.itemForKey("Indoor")->rowCount(), 1);

        tree.onAddGroupItem("Garage");
        tree.onAddGroupItem("Garage");
        QCOMPARE(tree.sourceModel()->rowCount(), 3);
        QVERIFY(sameIcon(tree.itemForKey("Garage")->icon(), TreeIcons::iconGroup()));

        tree.onDelGroupItem("Outdoor");
        QVERIFY(!tree.itemForKey("Outdoor"));
        QVERIFY(!tree.itemForKey("10.0.0.1"));
        QCOMPARE(tree.sourceModel()->rowCount(), 2);
        tree.onRemoveItem("missing");
        QCOMPARE(tree.sourceModel()->rowCount(), 2);
    }
};

QTEST_MAIN(TestDeviceTree)
#include "tst_devicetree.moc"
