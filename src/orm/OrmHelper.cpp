#include "OrmHelper.h"
#include "SettingsKeeper.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGlobalStatic>
#include <QMutex>
#include <QMutexLocker>
#include <QQueue>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_GLOBAL_STATIC(OrmHelper, g_ormHelper)

namespace {

QMutex g_initMutex;
std::atomic<bool> g_initialized{false};
std::atomic<bool> g_readOnly{false};

inline bool ok(const QSqlError &err)
{
    return err.text().isEmpty();
}

template <class T> QList<QSharedPointer<T>> fetchAll(QSqlError *error = nullptr)
{
    QList<QSharedPointer<T>> list;
    const QSqlError err = orm::dao::fetch_all(list);
    if (error)
        *error = err;
    if (!ok(err)) {
        qWarning() << "fetch_all failed:" << OrmClass<T>::get().info().table << err.text();
        list.clear();
    }
    return list;
}

// An address typed by the operator may carry credentials; the log never shows them.
QString maskedUrl(const QString &text)
{
    QUrl url(text);
    if (!url.isValid() || url.password().isEmpty())
        return text;
    url.setPassword(PASSWORD_MASK);
    return url.toString();
}

// Lookup rows: Name = text, Remark = "<position>:<text>", inserted together.
template <class T> QSqlError insertLookup(const QStringList &names)
{
    QList<QSharedPointer<T>> rows;
    for (int i = 0; i < names.size(); ++i) {
        QSharedPointer<T> row(new T());
        row->Name = names.at(i);
        row->Remark = QStringLiteral("%1:%2").arg(i).arg(names.at(i));
        rows.append(row);
    }
    return orm::dao::insert(rows);
}

} // namespace

OrmHelper::OrmHelper(QObject *parent)
    : QObject(parent)
{
}

OrmHelper *OrmHelper::instance()
{
    return g_ormHelper.isDestroyed() ? nullptr : g_ormHelper();
}

bool OrmHelper::isInitialized()
{
    return g_initialized.load();
}

bool OrmHelper::isReadOnly()
{
    return g_readOnly.load();
}

bool OrmHelper::init(QString *error, bool *refused, bool *locked) const
{
    QMutexLocker lock(&g_initMutex);
    if (refused)
        *refused = false;
    if (locked)
        *locked = false;
    if (g_initialized.load())
        return true;

    // The database holds device passwords: a new file is user-only from the
    // start. An existing one is tightened only once it is known to be ours: a
    // file the client refuses is left exactly as it was.
    const QString path = OrmDatabase::databaseName();
    const bool onDisk = !path.isEmpty() && !path.startsWith(QLatin1Char(':'));
    if (onDisk && !QFileInfo::exists(path)) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }

    QSqlError err;
    bool foreign = false;
    {
        OrmDatabase::InitScope scope;
        err = runInit(&foreign);
    }
    if (!ok(err)) {
        if (foreign) {
            qCritical().noquote() << "Database refused, left unchanged:" << path << "-" << err.text();
            // Closed now, so nothing of this process holds the file any more.
            OrmDatabase::closeAllConnections();
        } else if (OrmDatabase::isLocked(err)) {
            qWarning().noquote() << "Database held by another program:" << path << "-" << err.text();
        } else {
            qCritical("Database initialization failed!");
            qWarning().noquote() << "Database error:" << err.text();
        }
        if (error)
            *error = err.text();
        if (refused)
            *refused = foreign;
        if (locked)
            *locked = !foreign && OrmDatabase::isLocked(err);
        return false;
    }
    if (onDisk && ::chmod(QFile::encodeName(path).constData(), 0600) != 0)
        qWarning() << "Cannot make the database user-only:" << path;
    OrmDatabase::setReady(true);
    // SQLite opens a file it may not write (read-only mount, no write
    // permission) read-only without a word: every later save would fail. A
    // write that changes nothing tells it now, so the operator can be told.
    const QSqlError probe = orm::dao::execute_query(OrmQuery(QStringLiteral(
        "UPDATE DatabaseVersion SET version = version WHERE id = (SELECT MIN(id) FROM DatabaseVersion)")));
    g_readOnly.store(!ok(probe));
    if (!ok(probe))
        qWarning().noquote() << "Database opened read-only, nothing can be saved:" << path << "-" << probe.text();
    g_initialized.store(true);
    qInfo() << "Database ready:" << OrmDatabase::databaseName() << "schema version" << SchemaVersion;
    return true;
}

namespace {

// The tables this client reads and writes, with the columns of each.
template <class... T> QList<const OrmTableInfo *> tableInfos()
{
    return {&OrmClass<T>::get().info()...};
}

QList<const OrmTableInfo *> knownTables()
{
    return tableInfos<DatabaseVersion, CMS_Roles, CMS_AlarmType, CMS_DevType, CMS_User, CMS_Organization,
                      CMS_Permissions, CMS_Stream, CMS_Config_V2, cms_DealAlarmType, CustomAlarmInfo, cms_DealAlarmLink,
                      cms_DealAlarmTime, CMS_Action, CMS_Alarm, CMS_Devices, PlanRecord>();
}

bool containsName(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

} // namespace

QString OrmHelper::schemaMismatch(int version, const QStringList &tables,
                                  const std::function<QStringList(const QString &)> &columnsOf)
{
    if (version > SchemaVersion)
        return QStringLiteral("schema version %1 is newer than this client's %2").arg(version).arg(SchemaVersion);
    if (version < 1)
        return QStringLiteral("unknown schema version %1").arg(version);
    for (const OrmTableInfo *info : knownTables()) {
        // What the upgrade of an older file creates may be missing from it.
        const bool upgradeCreates = (info->table == QLatin1String("CMS_Config_V2") && version <= 1)
                                    || (info->table == QLatin1String("CMS_Devices") && version <= 2);
        if (!containsName(tables, info->table)) {
            if (upgradeCreates)
                continue;
            return QStringLiteral("table %1 is missing").arg(info->table);
        }
        const QStringList columns = columnsOf(info->table);
        QStringList wanted{info->key};
        for (const OrmColumnInfo &c : info->columns) {
            if (info->table == QLatin1String("CMS_Devices") && c.name == QLatin1String("onvifAuth") && version <= 2)
                continue;
            wanted << c.name;
        }
        for (const QString &name : qAsConst(wanted)) {
            if (!containsName(columns, name))
                return QStringLiteral("table %1 has no column %2").arg(info->table, name);
        }
    }
    return QString();
}

QSqlError OrmHelper::runInit(bool *foreign)
{
    *foreign = false;
    OrmTransaction tx;
    if (!ok(tx.error())) {
        // SQLite opens any file and only finds at the first statement that it
        // holds no database.
        if (tx.error().nativeErrorCode() == QLatin1String("26")) {
            *foreign = true;
            return QSqlError(QString(), QStringLiteral("the file is not an SQLite database"),
                             QSqlError::ConnectionError);
        }
        return tx.error();
    }

    QStringList tables;
    QSqlError err = orm::dao::table_names(tables);
    if (!ok(err))
        return err;
    tables.erase(std::remove_if(tables.begin(), tables.end(),
                                [](const QString &t) { return t.startsWith(QLatin1String("sqlite_")); }),
                 tables.end());
    // A file is new only when it holds no schema object at all: a view, a
    // trigger, an index or what SQLite keeps of dropped tables all say that
    // another program made it.
    OrmResult objects;
    err = orm::dao::execute_query(OrmQuery(QStringLiteral("SELECT type, name FROM sqlite_master")), &objects);
    if (!ok(err))
        return err;

    // Nothing is written before the file is known to be this client's: a
    // database of another program, or of a newer client, is refused as it is.
    const QString versionTable = OrmClass<DatabaseVersion>::get().info().table;
    if (tables.isEmpty() && !objects.rows.isEmpty()) {
        *foreign = true;
        const QVariantList &first = objects.rows.first();
        return QSqlError(QString(),
                         QStringLiteral("it holds no tables of this client but a %1 %2")
                             .arg(first.value(0).toString(), first.value(1).toString()),
                         QSqlError::StatementError);
    }
    if (!tables.isEmpty()) {
        if (!containsName(tables, versionTable)) {
            *foreign = true;
            return QSqlError(QString(), QStringLiteral("it holds tables but no %1 table").arg(versionTable),
                             QSqlError::StatementError);
        }
        QStringList versionColumns;
        err = orm::dao::column_names(versionTable, versionColumns);
        if (!ok(err))
            return err;
        if (!containsName(versionColumns, QStringLiteral("version"))) {
            *foreign = true;
            return QSqlError(QString(), QStringLiteral("table %1 has no column version").arg(versionTable),
                             QSqlError::StatementError);
        }
        QList<QSharedPointer<DatabaseVersion>> rows;
        err = orm::dao::fetch_all(rows);
        if (!ok(err))
            return err;
        // Only the program of schema version 2 could leave this table empty.
        const int version = rows.isEmpty() ? 2 : rows.first()->version;
        QSqlError columnsErr;
        const QString mismatch = schemaMismatch(version, tables, [&columnsErr](const QString &table) {
            QStringList names;
            const QSqlError e = orm::dao::column_names(table, names);
            if (!ok(e))
                columnsErr = e;
            return names;
        });
        if (!ok(columnsErr))
            return columnsErr;
        if (!mismatch.isEmpty()) {
            *foreign = true;
            return QSqlError(QString(), mismatch, QSqlError::StatementError);
        }
        if (rows.isEmpty()) {
            qWarning() << "Empty schema version table; upgrading from version 2";
            err = upgradeDatabase(2);
            if (!ok(err))
                return err;
            DatabaseVersion v;
            v.version = SchemaVersion;
            err = orm::dao::insert(v);
        } else {
            QSharedPointer<DatabaseVersion> v = rows.first();
            if (v->version < SchemaVersion) {
                qInfo() << "Upgrading database from schema version" << v->version << "to" << SchemaVersion;
                err = upgradeDatabase(v->version);
                if (!ok(err))
                    return err;
                v->version = SchemaVersion;
                err = orm::dao::update(v);
            }
        }
        if (!ok(err))
            return err;
    } else {
        qInfo() << "Creating database" << OrmDatabase::databaseName();
        err = orm::dao::create_table<DatabaseVersion>();
        if (!ok(err))
            return err;
        DatabaseVersion v;
        v.version = SchemaVersion;
        err = orm::dao::insert(v);
        if (!ok(err))
            return err;
        err = createAllTables();
        if (!ok(err))
            return err;
        err = insertDefaultData();
        if (!ok(err))
            return err;
    }
    // Settings kept by name came after schema version 3 and are no part of
    // what the check above demands: the table is made when missing, without a
    // new version, so older clients still open the file. A file that cannot
    // take it (read-only) opens all the same; its settings read as not stored.
    const QSqlError settings = orm::dao::create_table<CMS_Settings>();
    if (!ok(settings))
        qWarning() << "Settings table not made:" << settings.text();
    err = keepOneAlarmSettingsRow();
    if (OrmDatabase::isLocked(err))
        return err;
    // The alarm record browser counts and pages by time and type over what
    // can be a million records. An index is no schema change: a database
    // without it (an older program's) stays readable, so a failure only costs speed.
    // One column each: an index on type and time would serve the count but
    // make the type-filtered pages sort (measured three times slower).
    for (const QStringList &columns :
         {QStringList{QStringLiteral("alarmTime")}, QStringList{QStringLiteral("alarmType")}}) {
        const QSqlError indexed = orm::dao::create_index<CustomAlarmInfo>(
            QStringLiteral("idx_CustomAlarmInfo_%1").arg(columns.join(QLatin1Char('_'))), columns);
        if (!ok(indexed))
            qWarning() << "Alarm record index not made:" << indexed.text();
    }
    return tx.commit();
}

QSqlError OrmHelper::upgradeDatabase(int oldVersion)
{
    QSqlError err;
    if (oldVersion <= 1) {
        err = orm::dao::create_table<CMS_Config_V2>();
        if (!ok(err))
            return err;
    }
    if (oldVersion <= 2) {
        const OrmTableInfo &devices = OrmClass<CMS_Devices>::get().info();
        QStringList columns;
        err = orm::dao::column_names(devices.table, columns);
        if (!ok(err))
            return err;
        if (columns.isEmpty())
            err = orm::dao::create_table<CMS_Devices>();
        else if (!columns.contains(QStringLiteral("onvifAuth")))
            err = orm::dao::add_column<CMS_Devices>(QStringLiteral("onvifAuth"));
    }
    return err;
}

QSqlError OrmHelper::createAllTables()
{
    const QList<QSqlError (*)()> steps = {
        &orm::dao::create_table<CMS_Roles>,         &orm::dao::create_table<CMS_AlarmType>,
        &orm::dao::create_table<CMS_DevType>,       &orm::dao::create_table<CMS_User>,
        &orm::dao::create_table<CMS_Organization>,  &orm::dao::create_table<CMS_Permissions>,
        &orm::dao::create_table<CMS_Stream>,        &orm::dao::create_table<CMS_Config_V2>,
        &orm::dao::create_table<cms_DealAlarmType>, &orm::dao::create_table<CustomAlarmInfo>,
        &orm::dao::create_table<cms_DealAlarmLink>, &orm::dao::create_table<cms_DealAlarmTime>,
        &orm::dao::create_table<CMS_Action>,        &orm::dao::create_table<CMS_Alarm>,
        &orm::dao::create_table<CMS_Devices>,       &orm::dao::create_table<PlanRecord>,
    };
    for (auto step : steps) {
        const QSqlError err = step();
        if (!ok(err))
            return err;
    }
    return QSqlError();
}

QSqlError OrmHelper::insertDefaultData()
{
    const QList<QSqlError (*)()> steps = {&initRoles,   &initUsers,        &initDevTypes, &initAlarmTypes,
                                          &initStreams, &initOrganization, &initConfig,   &initPlanRecord};
    for (auto step : steps) {
        const QSqlError err = step();
        if (!ok(err))
            return err;
    }
    return QSqlError();
}

QSqlError OrmHelper::initRoles()
{
    CMS_Roles role;
    role.Name = DEFAULT_LOCAL_USER;
    role.Rights = DEFAULT_RIGHTS;
    role.Remark = tr("Admin is the default role and has all permissions ");
    return orm::dao::insert(role);
}

QSqlError OrmHelper::initUsers()
{
    CMS_User user;
    user.Name = DEFAULT_LOCAL_USER;
    user.password = DEFAULT_LOCAL_PASSWORD;
    user.RoleId = 1;
    user.IsDefault = true;
    user.Rights = DEFAULT_RIGHTS;
    user.Remark = QStringLiteral("default user");
    return orm::dao::insert(user);
}

QSqlError OrmHelper::initDevTypes()
{
    return insertLookup<CMS_DevType>({QStringLiteral("IPC"), QStringLiteral("NVR"), QStringLiteral("onvif")});
}

QSqlError OrmHelper::initAlarmTypes()
{
    return insertLookup<CMS_AlarmType>(
        {QStringLiteral("Motion detection alarm"), QStringLiteral("Face event"), QStringLiteral("Humanoid event"),
         QStringLiteral("Human body high temperature alarm"), QStringLiteral("Human body low temperature alarm"),
         QStringLiteral("Sound detection alarm")});
}

QSqlError OrmHelper::initStreams()
{
    return insertLookup<CMS_Stream>(
        {QStringLiteral("Main stream"), QStringLiteral("Substream"), QStringLiteral("Adaptive stream")});
}

QSqlError OrmHelper::initOrganization()
{
    const QStringList names = {DEFAULT_GROUP};
    QList<QSharedPointer<CMS_Organization>> rows;
    for (int i = 0; i < names.size(); ++i) {
        QSharedPointer<CMS_Organization> group(new CMS_Organization());
        group->Name = names.at(i);
        group->ParentId = 1;
        group->IsDefault = 1;
        group->bRecord = false;
        group->bPlay = false;
        group->Remark = QStringLiteral("%1:%2").arg(i).arg(names.at(i));
        rows.append(group);
    }
    return orm::dao::insert(rows);
}

QSqlError OrmHelper::initConfig()
{
    CMS_Config_V2 config;
    config.Name = DEFAULT_LOCAL_USER;
    config.password = DEFAULT_LOCAL_PASSWORD;
    config.Language = -1;
    config.bAutoLogin = true;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    config.SnapPath = documents + QStringLiteral("/Tavik/Snap");
    config.RecordPath = documents + QStringLiteral("/Tavik/Record");
    config.BackupPath = documents + QStringLiteral("/Tavik/Backup");
    // The folders are made where they are first written to, not here: a
    // database made for other folders leaves none empty behind.
    return orm::dao::insert(config);
}

QSqlError OrmHelper::initPlanRecord()
{
    PlanRecord plan;
    plan.Name = QStringLiteral("default");
    plan.iDefult = 1;
    plan.iTurnOn = 0;
    plan.iTimeFile = 30;
    plan.iAudioRecord = 0;
    plan.iFileType = 0;
    plan.iworkType = 0;
    return orm::dao::insert(plan);
}

// ---- devices -------------------------------------------------------------------------

QSqlError OrmHelper::AddDevs(const QList<FUN_DEV_INFO *> &devs)
{
    // One transaction, read included: the group ids are the ones in force
    // when the rows land, and either every row lands or none does.
    OrmTransaction tx;
    if (!ok(tx.error()))
        return tx.error();
    QList<QSharedPointer<CMS_Organization>> groups;
    QSqlError err = orm::dao::fetch_all(groups);
    QList<QPair<FUN_DEV_INFO *, long>> ids;
    for (int i = 0; ok(err) && i < devs.size(); ++i) {
        FUN_DEV_INFO *dev = devs.at(i);
        if (!dev)
            continue;
        qInfo() << "add devs " << dev->ip << maskedUrl(dev->onvifUrl) << dev->devType;
        if (dev->ip.isEmpty()) {
            qWarning() << "add dev errors ip is empty " << dev->sn << dev->ip;
            continue;
        }
        QSharedPointer<CMS_Devices> row = devToRow(dev, groups);
        row->id = 0;
        err = orm::dao::insert(row);
        ids.append({dev, row->id});
    }
    if (ok(err))
        err = tx.commit();
    if (!ok(err)) {
        qWarning() << "add devs failed" << err.text();
        return err;
    }
    for (const auto &id : qAsConst(ids))
        id.first->dbId = int32_t(id.second);
    return QSqlError();
}

QSqlError OrmHelper::DelDevs(const QList<FUN_DEV_INFO *> &devs)
{
    OrmTransaction tx;
    QSqlError err = tx.error();
    for (int i = 0; ok(err) && i < devs.size(); ++i) {
        if (!devs.at(i))
            continue;
        qInfo() << "del devs " << devs.at(i)->ip;
        err = delDevRows(devs.at(i)->ip);
    }
    if (ok(err))
        err = tx.commit();
    if (!ok(err))
        qWarning() << "del devs failed" << err.text();
    return err;
}

QSqlError OrmHelper::replaceDevRows(const QString &oldIp, FUN_DEV_INFO *dev)
{
    OrmTransaction tx;
    QSqlError err = tx.error();
    if (ok(err) && !oldIp.isEmpty())
        err = delDevRows(oldIp);
    if (ok(err) && !oldIp.isEmpty() && dev && oldIp != dev->ip)
        err = moveAlarmRows(oldIp, dev->ip);
    if (ok(err))
        err = AddDevs({dev});
    return ok(err) ? tx.commit() : err;
}

QSqlError OrmHelper::delDevRows(const QString &ip)
{
    return orm::dao::delete_by_query<CMS_Devices>(
        OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), ip));
}

QSqlError OrmHelper::ModifyDev(FUN_DEV_INFO *dev)
{
    if (!dev)
        return QSqlError();
    // The groups are read in the write's transaction: a read that failed
    // would otherwise store the default group.
    OrmTransaction tx;
    QSqlError err = tx.error();
    QList<QSharedPointer<CMS_Organization>> groups;
    if (ok(err))
        err = orm::dao::fetch_all(groups);
    if (ok(err)) {
        const QSharedPointer<CMS_Devices> row = devToRow(dev, groups);
        qDebug() << "devChange " << dev->ip << row->id;
        err = orm::dao::update(row);
    }
    if (ok(err))
        err = tx.commit();
    if (!ok(err))
        qWarning() << "modiy err " << err.text();
    return err;
}

QSqlError OrmHelper::saveDevSerial(const FUN_DEV_INFO *dev)
{
    if (!dev)
        return QSqlError();
    CMS_Devices row;
    row.id = dev->dbId;
    OrmTransaction tx;
    QSqlError err = tx.error();
    if (ok(err))
        err = orm::dao::fetch_by_id(row);
    if (ok(err)) {
        row.DevSN = dev->sn;
        err = orm::dao::update(row);
    }
    if (ok(err))
        err = tx.commit();
    return err;
}

namespace {

template <class T> QSqlError moveRowsOf(const QString &oldIp, const QString &newIp)
{
    QList<QSharedPointer<T>> rows;
    QSqlError err = orm::dao::fetch_by_query<T>(
        OrmQuery(QStringLiteral("WHERE devip = :ip")).bind(QStringLiteral(":ip"), oldIp), rows);
    // One row per device: rows an earlier device left at the new address
    // would sit beside the moved ones, and the later of them, not the
    // moving device's, would be followed.
    if (ok(err) && !rows.isEmpty() && newIp != oldIp)
        err = orm::dao::delete_by_query<T>(
            OrmQuery(QStringLiteral("WHERE devip = :ip")).bind(QStringLiteral(":ip"), newIp));
    for (const QSharedPointer<T> &row : qAsConst(rows)) {
        if (!err.text().isEmpty())
            break;
        row->devip = newIp;
        err = orm::dao::update(row);
    }
    return err;
}

} // namespace

QSqlError OrmHelper::moveAlarmRows(const QString &oldIp, const QString &newIp)
{
    OrmTransaction tx;
    QSqlError err = tx.error();
    if (ok(err))
        err = moveRowsOf<cms_DealAlarmType>(oldIp, newIp);
    if (ok(err))
        err = moveRowsOf<cms_DealAlarmLink>(oldIp, newIp);
    if (ok(err))
        err = moveRowsOf<cms_DealAlarmTime>(oldIp, newIp);
    if (ok(err))
        err = tx.commit();
    if (!ok(err))
        qWarning() << "Moving alarm rows failed" << oldIp << err.text();
    return err;
}

namespace {

template <class T> QSqlError keepLastRowOf()
{
    const QString table = OrmClass<T>::get().info().table;
    // A row under no key belongs to no device and is left as it is.
    const QString others = QStringLiteral("devip <> '' AND id NOT IN (SELECT MAX(id) FROM %1 WHERE devip <> '' "
                                          "GROUP BY devip)")
                               .arg(table);
    long extra = 0;
    QSqlError err = orm::dao::count<T>(extra, OrmQuery(QStringLiteral("WHERE ") + others));
    if (!ok(err) || extra == 0)
        return err;
    err = orm::dao::delete_by_query<T>(OrmQuery(QStringLiteral("WHERE ") + others));
    if (ok(err))
        qInfo().noquote() << "Alarm settings:" << extra << "earlier rows of devices removed from" << table
                          << "- each device keeps its last one";
    return err;
}

} // namespace

QSqlError OrmHelper::keepOneAlarmSettingsRow()
{
    QSqlError err = keepLastRowOf<cms_DealAlarmType>();
    if (ok(err))
        err = keepLastRowOf<cms_DealAlarmLink>();
    if (ok(err))
        err = keepLastRowOf<cms_DealAlarmTime>();
    // A file that cannot be written (read-only) opens all the same: the page
    // and the alarms both follow the last row.
    if (!ok(err))
        qWarning() << "Alarm settings rows of a device not made one:" << err.text();
    return err;
}

QSharedPointer<CMS_Devices> OrmHelper::devChange(FUN_DEV_INFO *dev, QSqlError *error)
{
    if (error)
        *error = QSqlError();
    if (!dev)
        return QSharedPointer<CMS_Devices>(new CMS_Devices());
    // The group's id comes from the groups read now: unread, it is not known.
    QSqlError err;
    const QList<QSharedPointer<CMS_Organization>> groups = getAllOrganizations(&err);
    if (error)
        *error = err;
    if (!ok(err))
        return QSharedPointer<CMS_Devices>();
    const QSharedPointer<CMS_Devices> row = devToRow(dev, groups);
    qDebug() << "devChange " << dev->ip << row->id;
    return row;
}

QSharedPointer<CMS_Devices> OrmHelper::devToRow(const FUN_DEV_INFO *dev,
                                                const QList<QSharedPointer<CMS_Organization>> &groups)
{
    QSharedPointer<CMS_Devices> row(new CMS_Devices());
    if (!dev)
        return row;
    row->id = dev->dbId;
    row->DevIP = dev->ip;
    row->DevSN = dev->sn;
    row->DevType = dev->devType;
    row->DevName = dev->name;
    row->DevGroup = groupIdForName(dev->group, groups);
    row->LoginName = dev->userName;
    row->LoginPassword = dev->password;
    row->VideoPort = QString::number(dev->rtspPort);
    row->PTZPort = QString::number(dev->devPort);
    row->Version = dev->version;
    row->Model = dev->model;
    row->DevTypeName = dev->devType == 1 ? QStringLiteral("NVR") : QStringLiteral("IPC");
    row->onvifSer = dev->onvifUrl;
    row->onvifAuth = dev->onvifAuth;
    return row;
}

QList<QSharedPointer<CMS_Devices>> OrmHelper::getAllDevices(QSqlError *error)
{
    return fetchAll<CMS_Devices>(error);
}

void OrmHelper::devFromRow(const CMS_Devices &row, FUN_DEV_INFO *dev,
                           const QList<QSharedPointer<CMS_Organization>> &groups)
{
    if (!dev)
        return;
    dev->dbId = int32_t(row.id);
    dev->ip = row.DevIP;
    dev->sn = row.DevSN;
    dev->devType = row.DevType;
    dev->name = row.DevName;
    dev->userName = row.LoginName;
    dev->password = row.LoginPassword;
    dev->rtspPort = uint16_t(row.VideoPort.toUInt());
    dev->devPort = uint16_t(row.PTZPort.toUInt());
    dev->version = row.Version;
    dev->model = row.Model;
    if (row.DevType == 2)
        dev->onvifUrl = row.onvifSer;
    dev->group = groupNameForId(row.DevGroup, groups);
    dev->onvifAuth = row.onvifAuth;
}

int OrmHelper::groupIdForName(const QString &name, const QList<QSharedPointer<CMS_Organization>> &groups)
{
    if (name.isEmpty())
        return 0;
    long first = 0;
    for (const auto &group : groups) {
        if (group && group->Name == name && (first == 0 || group->id < first))
            first = group->id;
    }
    return int(first);
}

QString OrmHelper::groupNameForId(int id, const QList<QSharedPointer<CMS_Organization>> &groups)
{
    if (id != 0) {
        for (const auto &group : groups) {
            if (group && group->id == id)
                return group->Name.isEmpty() ? DEFAULT_GROUP : group->Name;
        }
    }
    return DEFAULT_GROUP;
}

// ---- groups ---------------------------------------------------------------------------

QList<QSharedPointer<CMS_Organization>> OrmHelper::getAllOrganizations(QSqlError *error)
{
    return fetchAll<CMS_Organization>(error);
}

bool OrmHelper::saveOrganization(QSharedPointer<CMS_Organization> group, QSqlError *error)
{
    const QSqlError err = orm::dao::save(group);
    if (error)
        *error = err;
    return ok(err);
}

bool OrmHelper::DelOrganization(QSharedPointer<CMS_Organization> group, QSqlError *error)
{
    const QSqlError err = deleteGroupTree(group);
    if (!ok(err))
        qWarning() << "DelOrganization failed:" << err.text();
    if (error)
        *error = err;
    return ok(err);
}

QSqlError OrmHelper::deleteGroupTree(const QSharedPointer<CMS_Organization> &group)
{
    if (!group)
        return QSqlError(QString(), QStringLiteral("No group"), QSqlError::StatementError);
    if (group->id <= 1)
        return QSqlError(QString(), QStringLiteral("Group %1 cannot be deleted").arg(group->id),
                         QSqlError::StatementError);

    OrmTransaction tx;
    if (!ok(tx.error()))
        return tx.error();

    // Breadth-first over ParentId links; the visited set stops on cycles
    // (the default group is its own parent).
    QList<long> subtree;
    QSet<long> visited{group->id};
    QQueue<long> pending;
    pending.enqueue(group->id);
    while (!pending.isEmpty()) {
        const long id = pending.dequeue();
        subtree.append(id);
        QList<QSharedPointer<CMS_Organization>> children;
        const QSqlError err = orm::dao::fetch_by_query(
            OrmQuery(QStringLiteral("WHERE ParentId = :id")).bind(QStringLiteral(":id"), qlonglong(id)), children);
        if (!ok(err))
            return err;
        for (const auto &child : children) {
            if (child->id == 1 || visited.contains(child->id))
                continue;
            visited.insert(child->id);
            pending.enqueue(child->id);
        }
    }

    for (const long id : qAsConst(subtree)) {
        QList<QSharedPointer<CMS_Devices>> devices;
        QSqlError err = orm::dao::fetch_by_query(
            OrmQuery(QStringLiteral("WHERE DevGroup = :group")).bind(QStringLiteral(":group"), qlonglong(id)), devices);
        for (int i = 0; ok(err) && i < devices.size(); ++i) {
            devices[i]->DevGroup = 0;
            err = orm::dao::update(devices[i]);
        }
        if (ok(err)) {
            CMS_Organization doomed;
            doomed.id = id;
            err = orm::dao::delete_by_id(doomed);
        }
        if (!ok(err))
            return err;
    }
    return tx.commit();
}

// ---- accounts and roles -------------------------------------------------------------------

QList<QSharedPointer<CMS_User>> OrmHelper::getAllUsers(QSqlError *error)
{
    return fetchAll<CMS_User>(error);
}

QList<QSharedPointer<CMS_Roles>> OrmHelper::getAllRoles(QSqlError *error)
{
    return fetchAll<CMS_Roles>(error);
}

bool OrmHelper::saveUser(QSharedPointer<CMS_User> user)
{
    return ok(orm::dao::save(user));
}

bool OrmHelper::saveRole(QSharedPointer<CMS_Roles> role)
{
    return ok(orm::dao::save(role));
}

bool OrmHelper::DelUser(QSharedPointer<CMS_User> user)
{
    return ok(orm::dao::delete_by_id(user));
}

bool OrmHelper::DelRole(QSharedPointer<CMS_Roles> role)
{
    if (!role)
        return false;
    // Whole or not at all: a role gone while its users stay would leave
    // accounts without rights.
    OrmTransaction tx;
    QSqlError err = tx.error();
    if (ok(err))
        err = orm::dao::delete_by_query<CMS_User>(
            OrmQuery(QStringLiteral("WHERE RoleId = :id")).bind(QStringLiteral(":id"), qlonglong(role->id)));
    if (ok(err))
        err = orm::dao::delete_by_id(role);
    if (ok(err))
        err = tx.commit();
    if (!ok(err))
        qWarning() << "DelRole failed:" << err.text();
    return ok(err);
}

QString OrmHelper::getUser(const QString &name, const QString &password, bool *found, QSqlError *error)
{
    *found = false;
    QList<QSharedPointer<CMS_User>> users;
    const QSqlError err = orm::dao::fetch_by_query(
        OrmQuery(QStringLiteral("WHERE CMS_User.Name=:Name AND CMS_User.password=:password LIMIT 1"))
            .bind(QStringLiteral(":Name"), name)
            .bind(QStringLiteral(":password"), password),
        users);
    if (error)
        *error = err;
    if (!ok(err) || users.isEmpty())
        return QString();
    *found = true;
    return users.first()->Rights;
}

bool OrmHelper::checkUser(const QString &name, const QString &password, QSqlError *error)
{
    bool found = false;
    getUser(name, password, &found, error);
    return found;
}

// ---- settings and record strategy ------------------------------------------------------

namespace {

// Row 1 of the table, or none stored (a new row with the defaults and id 1);
// null when the read failed: the statement's error tells them apart.
template <class T> QSharedPointer<T> rowOne(QSqlError *error)
{
    QList<QSharedPointer<T>> rows;
    const QSqlError err = orm::dao::fetch_by_query(OrmQuery(QStringLiteral("WHERE id = 1")), rows);
    if (error)
        *error = err;
    if (!ok(err))
        return QSharedPointer<T>();
    QSharedPointer<T> row = rows.value(0);
    if (!row) {
        row.reset(new T());
        row->id = 1;
    }
    return row;
}

} // namespace

QSharedPointer<CMS_Config_V2> OrmHelper::getConfig(QSqlError *error)
{
    QSqlError err;
    const QSharedPointer<CMS_Config_V2> config = rowOne<CMS_Config_V2>(&err);
    if (config)
        SettingsKeeper::keep(*config);
    else
        SettingsKeeper::readFailed(err);
    if (error)
        *error = err;
    return config;
}

bool OrmHelper::saveConfig(QSharedPointer<CMS_Config_V2> config)
{
    const bool saved = config && ok(orm::dao::save(config));
    if (saved)
        SettingsKeeper::keep(*config);
    return saved;
}

QSqlError OrmHelper::changeConfig(const std::function<void(CMS_Config_V2 &)> &change)
{
    // Read in the write's transaction: a read that failed (a held database)
    // must not have the defaults stored over the operator's settings.
    OrmTransaction tx;
    QSqlError err = tx.error();
    QList<QSharedPointer<CMS_Config_V2>> rows;
    if (ok(err))
        err = orm::dao::fetch_by_query(OrmQuery(QStringLiteral("WHERE id = 1")), rows);
    CMS_Config_V2 config;
    if (ok(err)) {
        if (!rows.isEmpty())
            config = *rows.first();
        config.id = 1;
        change(config);
        err = orm::dao::save(config);
    }
    if (ok(err))
        err = tx.commit();
    if (ok(err))
        SettingsKeeper::keep(config);
    return err;
}

QSharedPointer<PlanRecord> OrmHelper::getPlanRecord(QSqlError *error)
{
    return rowOne<PlanRecord>(error);
}

bool OrmHelper::savePlanRecord(QSharedPointer<PlanRecord> plan)
{
    return ok(orm::dao::save(plan));
}

void OrmHelper::resetForTesting()
{
    QMutexLocker lock(&g_initMutex);
    g_initialized.store(false);
    g_readOnly.store(false);
    OrmDatabase::setReady(false);
    OrmDatabase::closeAllConnections();
    SettingsKeeper::forgetForTesting();
}
