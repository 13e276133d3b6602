#pragma once

#include "KelvoCommon.h"
#include "OrmDao.h"
#include "OrmEntities.h"

#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QSqlError>
#include <QStringList>

#include <functional>

// The process-wide database service: opens "./Kelvo.sqlite", checks and
// upgrades its schema or creates and seeds a new file, and offers the queries
// the rest of the client uses.
//
// Start-up: call OrmHelper::instance()->init() once before anything reads the
// database. Every statement of the start-up is checked and the whole start-up
// runs in one transaction. On any failure it is rolled back, the critical log
// line "Database initialization failed!" is written, init() returns false and
// puts the error text into *error; the database stays closed to every caller
// and a later init() runs the whole start-up again. init() never throws. After
// a successful init() further calls return true at once.
//
// The queries may be called from any thread once init() has succeeded; each
// thread uses its own connection. Save and delete operations return true when
// the reported error text is empty; the device writes return the error (and
// log it). A read reports its failure: it never gives an empty list, the
// defaults or no match in place of what it could not read.
//
// A device's group is stored in CMS_Devices.DevGroup as the id of its
// CMS_Organization row (0 = the default group); its ONVIF authentication mode
// in CMS_Devices.onvifAuth (-1 = not set).
class OrmHelper : public QObject
{
    Q_OBJECT

public:
    static constexpr int SchemaVersion = DatabaseVersion::Current;

    explicit OrmHelper(QObject *parent = nullptr);

    // The global instance; null once it has been destroyed at program exit.
    static OrmHelper *instance();

    // A file that is not this client's database (another program's, tables
    // or columns it does not know, a newer schema version) is refused: init
    // returns false, sets *refused, puts the reason into *error, writes
    // nothing and leaves the file's bytes and mode as they were. A file that
    // another program holds locked past the busy timeout (a backup) sets
    // *locked: the start-up may be tried again once it lets go.
    bool init(QString *error = nullptr, bool *refused = nullptr, bool *locked = nullptr) const;
    // Why a file of this schema version with these tables (columnsOf gives a
    // table's columns) is not one this client can open or upgrade; empty when
    // it is.
    static QString schemaMismatch(int version, const QStringList &tables,
                                  const std::function<QStringList(const QString &)> &columnsOf);
    static bool isInitialized();
    // The file was opened but cannot be written (a read-only mount, no write
    // permission): known after a successful init.
    static bool isReadOnly();

    // Start-up steps; each returns the first failing statement's error.
    static QSqlError createAllTables();
    static QSqlError insertDefaultData();
    static QSqlError upgradeDatabase(int oldVersion);
    static QSqlError initRoles();
    static QSqlError initUsers();
    static QSqlError initDevTypes();
    static QSqlError initAlarmTypes();
    static QSqlError initStreams();
    static QSqlError initOrganization();
    static QSqlError initConfig();
    static QSqlError initPlanRecord();

    // ---- devices ----
    // Each write below runs in one transaction (joining the caller's): it
    // lands whole or not at all, and returns the first error.
    // Stores each record with a non-empty IP as a new row; once stored, each
    // record has the id of its own row.
    static QSqlError AddDevs(const QList<FUN_DEV_INFO *> &devs);
    // Deletes every row with the IP of each record.
    static QSqlError DelDevs(const QList<FUN_DEV_INFO *> &devs);
    // The record as a new row in place of every row at oldIp (none when
    // empty); at another address its alarm settings rows follow it.
    static QSqlError replaceDevRows(const QString &oldIp, FUN_DEV_INFO *dev);
    // Deletes every row with the IP; the statement's error.
    static QSqlError delDevRows(const QString &ip);
    // Writes every column of the row with the record's dbId.
    static QSqlError ModifyDev(FUN_DEV_INFO *dev);
    // Writes only the serial number of the row with the record's dbId.
    static QSqlError saveDevSerial(const FUN_DEV_INFO *dev);
    // The alarm settings rows of a device follow it to a new address.
    static QSqlError moveAlarmRows(const QString &oldIp, const QString &newIp);
    // Start-up: a device keeps one row in each alarm settings table, the one
    // the alarms follow (its last); the others, which only the settings page
    // of earlier versions read, go. Nothing else changes. The first error.
    static QSqlError keepOneAlarmSettingsRow();
    // A row filled from the record, its group's id from the groups read now
    // (the default row for null); null when they could not be read (*error).
    static QSharedPointer<CMS_Devices> devChange(FUN_DEV_INFO *dev, QSqlError *error);
    static QList<QSharedPointer<CMS_Devices>> getAllDevices(QSqlError *error);
    // Fills a record from a row as the registry loads it: the stored fields,
    // the group name (from groups) and the ONVIF authentication mode.
    static void devFromRow(const CMS_Devices &row, FUN_DEV_INFO *dev,
                           const QList<QSharedPointer<CMS_Organization>> &groups);
    // Group name -> id of the first group of that name; 0 (default group) when none.
    static int groupIdForName(const QString &name, const QList<QSharedPointer<CMS_Organization>> &groups);
    // Group id -> its name; DEFAULT_GROUP for 0 and for an unknown id.
    static QString groupNameForId(int id, const QList<QSharedPointer<CMS_Organization>> &groups);

    // ---- groups ----
    // An empty table is told from one that could not be read by *error: a
    // failed read is no answer.
    static QList<QSharedPointer<CMS_Organization>> getAllOrganizations(QSqlError *error);
    // *error (when given) gets the statement's error.
    static bool saveOrganization(QSharedPointer<CMS_Organization> group, QSqlError *error = nullptr);
    // Deletes the group and every group below it; the devices of the deleted
    // groups move to the default group. Group 1 is never deleted.
    static bool DelOrganization(QSharedPointer<CMS_Organization> group, QSqlError *error = nullptr);

    // ---- accounts and roles ----
    static QList<QSharedPointer<CMS_User>> getAllUsers(QSqlError *error);
    static QList<QSharedPointer<CMS_Roles>> getAllRoles(QSqlError *error);
    static bool saveUser(QSharedPointer<CMS_User> user);
    static bool saveRole(QSharedPointer<CMS_Roles> role);
    static bool DelUser(QSharedPointer<CMS_User> user);
    // Deletes the users of the role, then the role, in one transaction.
    static bool DelRole(QSharedPointer<CMS_Roles> role);
    // The rights of the account with this name and password (*found true),
    // empty when none has them; a read that failed finds no one and sets
    // *error, never a refusal in its place.
    static QString getUser(const QString &name, const QString &password, bool *found, QSqlError *error);
    // Whether an account has this name and password (getUser's *found).
    static bool checkUser(const QString &name, const QString &password, QSqlError *error);

    // ---- settings and record strategy (row 1 each) ----
    // Row 1 as stored, or a new one with the defaults and id 1 when none is;
    // null when it could not be read (the reason in *error). The settings
    // row read or written here is what SettingsKeeper keeps.
    static QSharedPointer<CMS_Config_V2> getConfig(QSqlError *error);
    static bool saveConfig(QSharedPointer<CMS_Config_V2> config);
    // Row 1 as stored (defaults when missing), changed and saved in one
    // transaction; the first error.
    static QSqlError changeConfig(const std::function<void(CMS_Config_V2 &)> &change);
    // The record strategy's row, as getConfig reads the settings row.
    static QSharedPointer<PlanRecord> getPlanRecord(QSqlError *error);
    static bool savePlanRecord(QSharedPointer<PlanRecord> plan);

    // For tests: forget a successful start-up and close every connection.
    static void resetForTesting();

private:
    static QSqlError runInit(bool *foreign);
    static QSqlError deleteGroupTree(const QSharedPointer<CMS_Organization> &group);
    static QSharedPointer<CMS_Devices> devToRow(const FUN_DEV_INFO *dev,
                                                const QList<QSharedPointer<CMS_Organization>> &groups);
};
