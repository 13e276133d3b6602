#include "DeviceInfoManager.h"

#include "KelvoSDKHelper.h"
#include "OrmHelper.h"

#include <QDebug>
#include <QMutexLocker>

#include <atomic>

namespace {
std::atomic<bool> g_registryGone{false};
}

struct DeviceInfoManagerHolder
{
    DeviceInfoManager manager;
};

DeviceInfoManager *DeviceInfoManager::instance()
{
    if (g_registryGone.load())
        return nullptr;
    static DeviceInfoManagerHolder holder;
    return g_registryGone.load() ? nullptr : &holder.manager;
}

DeviceInfoManager::DeviceInfoManager()
    : QObject(nullptr)
{
}

DeviceInfoManager::~DeviceInfoManager()
{
    g_registryGone = true;
    QMutexLocker locker(&m_ownedMutex);
    qDeleteAll(m_owned);
    m_owned.clear();
}

QString DeviceInfoManager::channelName(int channel)
{
    return QStringLiteral("CH_%1").arg(channel, 2, 10, QLatin1Char('0'));
}

void DeviceInfoManager::keepAlive(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    QMutexLocker locker(&m_ownedMutex);
    m_owned.insert(dev);
}

bool DeviceInfoManager::owns(const FUN_DEV_INFO *dev)
{
    QMutexLocker locker(&m_ownedMutex);
    return dev && m_owned.contains(const_cast<FUN_DEV_INFO *>(dev));
}

bool DeviceInfoManager::addDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev) {
        qWarning() << "add failed  dev is nullptr";
        return false;
    }
    keepAlive(dev);
    const QString key = devKey(dev);
    QMutexLocker locker(&m_devMutex);
    if (m_devices.contains(key))
        return m_devices.value(key) == dev;
    m_devices.insert(key, dev);
    return true;
}

void DeviceInfoManager::addChannels(FUN_DEV_INFO *dev, bool logEach)
{
    const int count = dev->channelNum;
    for (int n = 1; n <= count; ++n) {
        const QString key = devKey(dev->ip, n);
        {
            QMutexLocker locker(&m_devMutex);
            if (m_devices.contains(key))
                continue;
        }
        auto *channel = new FUN_DEV_INFO(*dev);
        channel->parent = dev;
        if (channel->group.isEmpty())
            channel->group = DEFAULT_GROUP;
        channel->channelIdx = uint8_t(n);
        channel->name = channelName(n);
        channel->loginStatus = dev->loginStatus;
        if (logEach)
            qInfo() << "add ipc channels" << channel->name;
        addDevInfo(channel);
    }
}

void DeviceInfoManager::addIPCChannels(FUN_DEV_INFO *dev)
{
    if (!dev || dev->devType != 0 || dev->channelNum <= 1)
        return;
    addChannels(dev, true);
}

void DeviceInfoManager::addNVRChannels(FUN_DEV_INFO *dev)
{
    if (!dev || dev->devType != 1)
        return;
    qInfo() << dev->ip << dev->channelNum << dev->sn;
    addChannels(dev, false);
}

void DeviceInfoManager::deleteDevice(const QString &key)
{
    QList<FUN_DEV_INFO *> removed;
    FUN_DEV_INFO *dev = nullptr;
    {
        QMutexLocker locker(&m_devMutex);
        dev = m_devices.value(key);
        if (!dev)
            return;
        // Channel records of an NVR and of a multi-channel IPC go with their
        // device, so a device added again at the same address starts clean.
        if (dev->channelIdx == 0 && (dev->devType == 1 || dev->devType == 0)) {
            const QString prefix = dev->ip + QLatin1Char('_');
            for (auto it = m_devices.lowerBound(prefix); it != m_devices.end() && it.key().startsWith(prefix);) {
                removed.append(it.value());
                it = m_devices.erase(it);
            }
        }
        m_devices.remove(key);
    }
    for (FUN_DEV_INFO *channel : qAsConst(removed)) {
        // An IPC's channels share its session, which the device's own logout ends.
        if (channel->devType == 1)
            logoutDevice(channel);
        qInfo() << "deleteDevice channel" << devKey(channel);
    }
    logoutDevice(dev);
    qInfo() << "deleteDevice" << key;
}

void DeviceInfoManager::releaseDevices()
{
    const QMap<QString, FUN_DEV_INFO *> all = getAllDevInfo();
    // Every session ends, not only the logged-in ones: one still reconnecting
    // or refused would otherwise run on until static destruction.
    for (FUN_DEV_INFO *dev : all) {
        if (dev)
            logoutDevice(dev);
    }
    QMutexLocker locker(&m_devMutex);
    m_devices.clear();
}

QMap<QString, FUN_DEV_INFO *> DeviceInfoManager::getAllDevInfo()
{
    QMutexLocker locker(&m_devMutex);
    return m_devices;
}

FUN_DEV_INFO *DeviceInfoManager::findDevInfo(const QString &key)
{
    QMutexLocker locker(&m_devMutex);
    return m_devices.value(key, nullptr);
}

FUN_DEV_INFO *DeviceInfoManager::getChannelInfo(const QString &ip, uchar channel)
{
    return findDevInfo(devKey(ip, channel));
}

FUN_DEV_INFO *DeviceInfoManager::findChannel(const QString &sn, uchar channel)
{
    QMutexLocker locker(&m_devMutex);
    for (FUN_DEV_INFO *dev : qAsConst(m_devices)) {
        if (dev && dev->sn == sn && dev->channelIdx == channel)
            return dev;
    }
    return nullptr;
}

QList<FUN_DEV_INFO *> DeviceInfoManager::channelsOf(const QString &ip)
{
    QList<FUN_DEV_INFO *> list;
    if (ip.isEmpty())
        return list;
    const QString prefix = ip + QLatin1Char('_');
    QMutexLocker locker(&m_devMutex);
    for (auto it = m_devices.lowerBound(prefix); it != m_devices.end() && it.key().startsWith(prefix); ++it)
        list.append(it.value());
    return list;
}

QList<DEV_GROUP_INFO> DeviceInfoManager::getAllGroups()
{
    QMutexLocker locker(&m_groupMutex);
    return m_groups;
}

void DeviceInfoManager::addGroup(const DEV_GROUP_INFO &group)
{
    QMutexLocker locker(&m_groupMutex);
    for (const DEV_GROUP_INFO &g : qAsConst(m_groups)) {
        if (g.name == group.name)
            return;
    }
    m_groups.append(group);
}

namespace {

QMutex g_startRowsMutex;
bool g_startRowsSet = false;
QList<QSharedPointer<CMS_Devices>> g_startDevices;
QList<QSharedPointer<CMS_Organization>> g_startGroups;

} // namespace

void DeviceInfoManager::setStartRows(const QList<QSharedPointer<CMS_Devices>> &devices,
                                     const QList<QSharedPointer<CMS_Organization>> &groups)
{
    QMutexLocker lock(&g_startRowsMutex);
    g_startDevices = devices;
    g_startGroups = groups;
    g_startRowsSet = true;
}

bool DeviceInfoManager::loadFromDatabase()
{
    QList<QSharedPointer<CMS_Devices>> rows;
    QList<QSharedPointer<CMS_Organization>> groups;
    {
        QMutexLocker lock(&g_startRowsMutex);
        if (!g_startRowsSet) {
            lock.unlock();
            return getDevFromDatabase() && getGroupsFromDatabase();
        }
        g_startRowsSet = false;
        rows.swap(g_startDevices);
        groups.swap(g_startGroups);
    }
    addStoredDevices(rows, groups);
    setGroups(groups);
    return true;
}

bool DeviceInfoManager::getDevFromDatabase()
{
    QSqlError error;
    const auto groups = OrmHelper::getAllOrganizations(&error);
    QList<QSharedPointer<CMS_Devices>> rows;
    if (error.text().isEmpty())
        rows = OrmHelper::getAllDevices(&error);
    if (!error.text().isEmpty()) {
        qCritical() << "Device list not read from the database:" << error.text();
        return false;
    }
    addStoredDevices(rows, groups);
    return true;
}

void DeviceInfoManager::addStoredDevices(const QList<QSharedPointer<CMS_Devices>> &rows,
                                         const QList<QSharedPointer<CMS_Organization>> &groups)
{
    qInfo() << "begin";
    for (const auto &row : rows) {
        if (!row)
            continue;
        auto *dev = new FUN_DEV_INFO;
        OrmHelper::devFromRow(*row, dev, groups);
        if (dev->group.isEmpty())
            dev->group = DEFAULT_GROUP;
        addDevInfo(dev);
    }
    qInfo() << "end ";
}

bool DeviceInfoManager::getGroupsFromDatabase()
{
    QSqlError error;
    const auto orgs = OrmHelper::getAllOrganizations(&error);
    if (!error.text().isEmpty()) {
        // Not an empty list: the groups known stay until a read succeeds.
        qWarning() << "Groups not read, the known ones kept:" << error.text();
        return false;
    }
    setGroups(orgs);
    return true;
}

void DeviceInfoManager::setGroups(const QList<QSharedPointer<CMS_Organization>> &orgs)
{
    {
        QMutexLocker locker(&m_groupMutex);
        m_groups.clear();
    }
    for (const auto &org : orgs) {
        if (!org)
            continue;
        DEV_GROUP_INFO group;
        group.id = int(org->id);
        group.name = org->Name;
        group.parentId = org->ParentId;
        group.bRecord = org->bRecord ? 1 : 0;
        group.bPlay = org->bPlay ? 1 : 0;
        addGroup(group);
    }
}

void DeviceInfoManager::loginDevice(FUN_DEV_INFO *dev)
{
    const loginDev key = toLoginDev(dev);
    if (key.ip.isEmpty()) {
        qWarning() << "to login failed dev is nullptr";
        return;
    }
    KelvoSDKHelper::instance()->connectDev(key);
}

void DeviceInfoManager::logoutDevice(FUN_DEV_INFO *dev)
{
    const loginDev key = toLoginDev(dev);
    if (key.ip.isEmpty())
        return;
    KelvoSDKHelper::instance()->logoutDev(key);
}
