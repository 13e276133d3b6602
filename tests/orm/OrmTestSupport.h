#pragma once

// Direct access to a database file beside the layer under test, for building
// old files and for comparing contents.

#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

class RawDb
{
public:
    explicit RawDb(const QString &file)
    {
        static int counter = 0;
        m_name = QStringLiteral("raw_test_%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        m_ok = db.open();
    }
    ~RawDb()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_ok; }

    // Runs the statements; returns the first error text, empty on success.
    QString exec(const QStringList &statements)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        for (const QString &sql : statements) {
            if (!q.exec(sql))
                return sql + QStringLiteral(": ") + q.lastError().text();
        }
        return QString();
    }

    QList<QVariantList> rows(const QString &sql)
    {
        QList<QVariantList> out;
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        if (!q.exec(sql))
            return out;
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row.append(q.value(i));
            out.append(row);
        }
        return out;
    }

    QVariant value(const QString &sql)
    {
        const QList<QVariantList> r = rows(sql);
        return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
    }

    QStringList tables()
    {
        QStringList names;
        for (const QVariantList &r : rows(QStringLiteral(
                 "SELECT name FROM sqlite_master WHERE type='table' AND name <> 'sqlite_sequence' ORDER BY name")))
            names.append(r.first().toString());
        return names;
    }

    QStringList columns(const QString &table)
    {
        QStringList names;
        for (const QVariantList &r : rows(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
            names.append(r.first().toString());
        return names;
    }

    // Table -> every row as text, for before/after comparisons.
    QMap<QString, QStringList> dump()
    {
        QMap<QString, QStringList> out;
        for (const QString &t : tables()) {
            QStringList lines;
            for (const QVariantList &r : rows(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(t))) {
                QStringList cells;
                for (const QVariant &v : r)
                    cells.append(v.isNull() ? QStringLiteral("<null>") : v.toString());
                lines.append(cells.join(QLatin1Char('|')));
            }
            out.insert(t, lines);
        }
        return out;
    }

private:
    QString m_name;
    bool m_ok = false;
};

// The schema as the client of version 1 and 2 wrote it.
inline QStringList oldSchema(int version)
{
    const QString key = QStringLiteral("id INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT");
    QStringList s = {
        "CREATE TABLE DatabaseVersion (" + key + ", version INTEGER)",
        "CREATE TABLE CMS_Roles (" + key + ", Name TEXT, Rights TEXT, Remark TEXT)",
        "CREATE TABLE CMS_AlarmType (" + key + ", Name TEXT, Remark TEXT)",
        "CREATE TABLE CMS_DevType (" + key + ", Name TEXT, Remark TEXT)",
        "CREATE TABLE CMS_User (" + key
            + ", Name TEXT, password TEXT, RoleId INTEGER, Telephone TEXT, IsDefault SMALLINT, IsRemeber SMALLINT, "
              "Rights TEXT, Remark TEXT)",
        "CREATE TABLE CMS_Organization (" + key
            + ", Name TEXT, ParentId INTEGER, IsDefault INTEGER, bRecord SMALLINT, bPlay SMALLINT, Remark TEXT)",
        "CREATE TABLE CMS_Permissions (" + key + ", RoleId INTEGER, ActionId INTEGER, Remark TEXT)",
        "CREATE TABLE CMS_Stream (" + key + ", Name TEXT, Remark TEXT)",
        "CREATE TABLE cms_DealAlarmType (" + key
            + ", devip TEXT, devsn TEXT, remark TEXT, bVideoMissing SMALLINT, bMotionDetection SMALLINT, "
              "bHumanDetection SMALLINT, bFaceDetection SMALLINT, bAudioNoise SMALLINT, bIllegalAccess SMALLINT, "
              "bDiskFailure SMALLINT, bDeviceOffline SMALLINT, bAlarmInput SMALLINT)",
        "CREATE TABLE CustomAlarmInfo (" + key
            + ", alarmType INTEGER, alarmContent TEXT, alarmTime TEXT, devName TEXT, status INTEGER, records TEXT, "
              "handler TEXT, processingTime TIMESTAMP)",
        "CREATE TABLE cms_DealAlarmLink (" + key
            + ", devip TEXT, devsn TEXT, remark TEXT, bLinkageMonitoring SMALLINT, monitoringPoint TEXT, "
              "performPreset TEXT, bVideoPopup SMALLINT, popupTime TEXT, bSendEmail SMALLINT, bAudioPrompt SMALLINT, "
              "customAudio TEXT, audioTime TEXT, bMapFlashes SMALLINT, bSnapshotPictures SMALLINT, "
              "bLinkageRecording SMALLINT, recordingTime TEXT, recordingStream TEXT, bIOOutput SMALLINT, "
              "outputSelect TEXT, outputTime TEXT)",
        "CREATE TABLE cms_DealAlarmTime (" + key
            + ", devip TEXT, devsn TEXT, remark TEXT, bALL SMALLINT, bMon SMALLINT, bTue SMALLINT, bWed SMALLINT, "
              "bThu SMALLINT, bFri SMALLINT, bSat SMALLINT, bSun SMALLINT, timeALL TEXT, timeMon TEXT, timeTue TEXT, "
              "timeWed TEXT, timeThu TEXT, timeFri TEXT, timeSat TEXT, timeSun TEXT)",
        "CREATE TABLE CMS_Action (" + key + ", Name TEXT, Remark TEXT)",
        "CREATE TABLE CMS_Alarm (" + key
            + ", DevIP TEXT, DevSN TEXT, DevType INTEGER, ChannelIdx INTEGER, AlarmTime TEXT, AlarmType INTEGER, "
              "AlarmInfo TEXT, Status INTEGER, OperatorId INTEGER, OperatorInfo TEXT, OperatorTime TEXT)",
        "CREATE TABLE CMS_Devices (" + key
            + ", DevIP TEXT, DevSN TEXT, DevType INTEGER, DevName TEXT, DevGroup INTEGER, LoginName TEXT, "
              "LoginPassword TEXT, DevStatus INTEGER, VideoPort TEXT, PTZPort TEXT, Broadcast SMALLINT, Version TEXT, "
              "Model TEXT, DevTypeName TEXT, onvifSer TEXT, loadId INTEGER, channelId INTEGER)",
        "CREATE TABLE PlanRecord (" + key
            + ", Name TEXT, iDefult INTEGER, iTurnOn INTEGER, iStorageType INTEGER, szStoragePath TEXT, "
              "iTimeFile INTEGER, iAudioRecord INTEGER, iFileType INTEGER, iworkType INTEGER, scheduleTime TEXT, "
              "devInfo TEXT)",
    };
    if (version >= 2) {
        s.append("CREATE TABLE CMS_Config_V2 (" + key
                 + ", bAutoRun SMALLINT, bAutoLogin SMALLINT, SnapPath TEXT, RecordPath TEXT, BackupPath TEXT, "
                   "ScreenNum INTEGER, Language INTEGER, SynchroTime SMALLINT, SynchroInterva INTEGER, Name TEXT, "
                   "password TEXT, bHardwareDecode SMALLINT, hardwareDecodeType INTEGER, bAspectRatio SMALLINT, "
                   "bAutoStart SMALLINT, bRestoreVideo SMALLINT, iLogClear INTEGER)");
    }
    return s;
}
