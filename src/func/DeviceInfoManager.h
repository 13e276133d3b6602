#pragma once

// The process-wide registry of devices, their channel records and the device
// groups. Every page finds a device here and may keep the record pointer for
// the rest of the process: records are never freed while the client runs.

#include "KelvoCommon.h"
#include "OrmEntities.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QSharedPointer>
#include <QString>

struct DEV_GROUP_INFO
{
    int id = 0;
    QString name;
    int parentId = 0; // a root group is its own parent (or has none)
    int bRecord = 0;
    int bPlay = 0;
};

class DeviceInfoManager : public QObject
{
    Q_OBJECT

public:
    // Null once the registry has been destroyed at program exit.
    static DeviceInfoManager *instance();

    // The registry takes ownership of every non-null record handed to it,
    // stored or not: never delete a record after passing it here. A record
    // whose key is already registered is not stored; returns whether it was.
    bool addDevInfo(FUN_DEV_INFO *dev);
    // Takes ownership of a record without registering it (a record that was
    // handed over but not stored), so pointers to it stay valid.
    void keepAlive(FUN_DEV_INFO *dev);
    // True for a record the registry owns (registered now or before).
    bool owns(const FUN_DEV_INFO *dev);
    void addIPCChannels(FUN_DEV_INFO *dev);
    void addNVRChannels(FUN_DEV_INFO *dev);
    // Removes a device and its channel records (NVR and multi-channel IPC) and
    // logs them out. The records themselves stay valid.
    void deleteDevice(const QString &key);
    // Shutdown: logs out every online record and empties the map.
    void releaseDevices();

    QMap<QString, FUN_DEV_INFO *> getAllDevInfo();
    FUN_DEV_INFO *findDevInfo(const QString &key);
    FUN_DEV_INFO *getChannelInfo(const QString &ip, uchar channel);
    FUN_DEV_INFO *findChannel(const QString &sn, uchar channel);
    // The channel records of a device, in key order.
    QList<FUN_DEV_INFO *> channelsOf(const QString &ip);

    QList<DEV_GROUP_INFO> getAllGroups();
    void addGroup(const DEV_GROUP_INFO &group);

    // The stored devices and groups. False when a read failed: nothing is
    // added then, never an empty list in place of the stored one.
    bool loadFromDatabase();
    bool getDevFromDatabase();
    // False when the read failed; the groups known then stay.
    bool getGroupsFromDatabase();
    // The stored devices and groups as the start-up read them off the GUI
    // thread, while it waited for the database: the first loadFromDatabase
    // takes them instead of reading again.
    static void setStartRows(const QList<QSharedPointer<CMS_Devices>> &devices,
                             const QList<QSharedPointer<CMS_Organization>> &groups);

    void loginDevice(FUN_DEV_INFO *dev);
    void logoutDevice(FUN_DEV_INFO *dev);

    // "CH_%1" with at least two digits.
    static QString channelName(int channel);

private:
    void addStoredDevices(const QList<QSharedPointer<CMS_Devices>> &rows,
                          const QList<QSharedPointer<CMS_Organization>> &groups);
    void setGroups(const QList<QSharedPointer<CMS_Organization>> &orgs);
    DeviceInfoManager();
    ~DeviceInfoManager() override;

    void addChannels(FUN_DEV_INFO *dev, bool logEach);

    QMap<QString, FUN_DEV_INFO *> m_devices;
    QList<DEV_GROUP_INFO> m_groups;
    QMutex m_devMutex;
    QMutex m_groupMutex;
    // Every record the registry was given, freed only when the registry ends.
    QSet<FUN_DEV_INFO *> m_owned;
    QMutex m_ownedMutex;

    friend struct DeviceInfoManagerHolder;
};
