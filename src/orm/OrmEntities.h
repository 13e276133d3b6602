#pragma once

// The tables of the local database, one entity class each. Table name = class
// name; column names are the stored ones, letter for letter.

#include "OrmCore.h"

#include <QDateTime>
#include <QSharedPointer>
#include <QString>

// Schema version of the file.
class DatabaseVersion
{
public:
    static constexpr int Current = 3;

    long id = 0;
    int version = Current;

    static void ormRegister(OrmClass<DatabaseVersion> &c);
};

// One added device; channels are not stored.
class CMS_Devices
{
public:
    virtual ~CMS_Devices() = default;
    CMS_Devices() = default;
    CMS_Devices(const CMS_Devices &) = default;
    CMS_Devices &operator=(const CMS_Devices &) = default;

    long id = 0;
    QString DevIP;
    QString DevSN;
    int DevType = 0;
    QString DevName;
    int DevGroup = 0; // CMS_Organization id; 0 = the default group
    QString LoginName;
    QString LoginPassword;
    int DevStatus = 0;
    QString VideoPort;
    QString PTZPort;
    bool Broadcast = false;
    QString Version;
    QString Model;
    QString DevTypeName;
    QString onvifSer;
    int loadId = 0;
    int channelId = 0;
    int onvifAuth = -1; // ONVIF authentication mode; -1 = not set

    static void ormRegister(OrmClass<CMS_Devices> &c);
};

// Device groups.
class CMS_Organization
{
public:
    virtual ~CMS_Organization() = default;
    CMS_Organization() = default;
    CMS_Organization(const CMS_Organization &) = default;
    CMS_Organization &operator=(const CMS_Organization &) = default;

    long id = 0;
    QString Name;
    int ParentId = 0;
    int IsDefault = 0;
    bool bRecord = false;
    bool bPlay = false;
    QString Remark;

    static void ormRegister(OrmClass<CMS_Organization> &c);
};

// Local accounts.
class CMS_User
{
public:
    virtual ~CMS_User() = default;
    CMS_User() = default;
    CMS_User(const CMS_User &) = default;
    CMS_User &operator=(const CMS_User &) = default;

    long id = 0;
    QString Name;
    QString password;
    int RoleId = 0;
    QString Telephone;
    bool IsDefault = false;
    bool IsRemeber = false;
    QString Rights;
    QString Remark;

    static void ormRegister(OrmClass<CMS_User> &c);
};

class CMS_Roles
{
public:
    virtual ~CMS_Roles() = default;
    CMS_Roles() = default;
    CMS_Roles(const CMS_Roles &) = default;
    CMS_Roles &operator=(const CMS_Roles &) = default;

    long id = 0;
    QString Name;
    QString Rights;
    QString Remark;

    static void ormRegister(OrmClass<CMS_Roles> &c);
};

class CMS_Permissions
{
public:
    virtual ~CMS_Permissions() = default;
    CMS_Permissions() = default;
    CMS_Permissions(const CMS_Permissions &) = default;
    CMS_Permissions &operator=(const CMS_Permissions &) = default;

    long id = 0;
    int RoleId = 0;
    int ActionId = 0;
    QString Remark;

    static void ormRegister(OrmClass<CMS_Permissions> &c);
};

// Lookup tables of one shape: id, Name, Remark.
#define KELVO_ORM_LOOKUP_ENTITY(Class)                                                                                 \
    class Class                                                                                                        \
    {                                                                                                                  \
    public:                                                                                                            \
        virtual ~Class() = default;                                                                                    \
        Class() = default;                                                                                             \
        Class(const Class &) = default;                                                                                \
        Class &operator=(const Class &) = default;                                                                     \
        long id = 0;                                                                                                   \
        QString Name;                                                                                                  \
        QString Remark;                                                                                                \
        static void ormRegister(OrmClass<Class> &c);                                                                   \
    };

KELVO_ORM_LOOKUP_ENTITY(CMS_Action)
KELVO_ORM_LOOKUP_ENTITY(CMS_AlarmType)
KELVO_ORM_LOOKUP_ENTITY(CMS_DevType)
KELVO_ORM_LOOKUP_ENTITY(CMS_Stream)

#undef KELVO_ORM_LOOKUP_ENTITY

class CMS_Alarm
{
public:
    virtual ~CMS_Alarm() = default;
    CMS_Alarm() = default;
    CMS_Alarm(const CMS_Alarm &) = default;
    CMS_Alarm &operator=(const CMS_Alarm &) = default;

    long id = 0;
    QString DevIP;
    QString DevSN;
    int DevType = 0;
    int ChannelIdx = 0;
    QString AlarmTime;
    int AlarmType = 0;
    QString AlarmInfo;
    int Status = 0;
    int OperatorId = 0;
    QString OperatorInfo;
    QString OperatorTime;

    static void ormRegister(OrmClass<CMS_Alarm> &c);
};

// Client settings. Registered as a class, but only CMS_Config_V2 has a table.
class CMS_Config
{
public:
    long id = 0;
    bool bAutoRun = false;
    bool bAutoLogin = false;
    QString SnapPath;
    QString RecordPath;
    QString BackupPath;
    int ScreenNum = 0;
    int Language = -1;
    bool SynchroTime = false;
    int SynchroInterva = 0;
    QString Name;
    QString password;
    bool bHardwareDecode = false;
    int hardwareDecodeType = 0;
    bool bAspectRatio = false;

    static void ormRegister(OrmClass<CMS_Config> &c);

    template <class T> static void registerColumns(OrmClass<T> &c)
    {
        c.key(&CMS_Config::id);
        c.column(QStringLiteral("bAutoRun"), &CMS_Config::bAutoRun);
        c.column(QStringLiteral("bAutoLogin"), &CMS_Config::bAutoLogin);
        c.column(QStringLiteral("SnapPath"), &CMS_Config::SnapPath);
        c.column(QStringLiteral("RecordPath"), &CMS_Config::RecordPath);
        c.column(QStringLiteral("BackupPath"), &CMS_Config::BackupPath);
        c.column(QStringLiteral("ScreenNum"), &CMS_Config::ScreenNum);
        c.column(QStringLiteral("Language"), &CMS_Config::Language);
        c.column(QStringLiteral("SynchroTime"), &CMS_Config::SynchroTime);
        c.column(QStringLiteral("SynchroInterva"), &CMS_Config::SynchroInterva);
        c.column(QStringLiteral("Name"), &CMS_Config::Name);
        c.column(QStringLiteral("password"), &CMS_Config::password);
        c.column(QStringLiteral("bHardwareDecode"), &CMS_Config::bHardwareDecode);
        c.column(QStringLiteral("hardwareDecodeType"), &CMS_Config::hardwareDecodeType);
        c.column(QStringLiteral("bAspectRatio"), &CMS_Config::bAspectRatio);
    }
};

class CMS_Config_V2 : public CMS_Config
{
public:
    bool bAutoStart = false;
    bool bRestoreVideo = false;
    int iLogClear = 30;

    // Takes every CMS_Config member (id and the fourteen settings) from old;
    // keeps the members of its own.
    void update(const QSharedPointer<CMS_Config> &old);

    static void ormRegister(OrmClass<CMS_Config_V2> &c);
};

// One logged device alarm.
class CustomAlarmInfo
{
public:
    long id = 0;
    int alarmType = 0;
    QString alarmContent;
    QString alarmTime;
    QString devName;
    int status = 0;
    QString records;
    QString handler;
    QDateTime processingTime;

    static void ormRegister(OrmClass<CustomAlarmInfo> &c);
};

// Alarm linkage settings of one device.
class cms_DealAlarmLink
{
public:
    long id = 0;
    QString devip;
    QString devsn;
    QString remark;
    bool bLinkageMonitoring = false;
    QString monitoringPoint;
    QString performPreset;
    bool bVideoPopup = false;
    QString popupTime = QStringLiteral("10");
    bool bSendEmail = false;
    bool bAudioPrompt = false;
    QString customAudio;
    QString audioTime = QStringLiteral("5");
    bool bMapFlashes = false;
    bool bSnapshotPictures = false;
    bool bLinkageRecording = false;
    QString recordingTime = QStringLiteral("10");
    QString recordingStream;
    bool bIOOutput = false;
    QString outputSelect;
    QString outputTime;

    static void ormRegister(OrmClass<cms_DealAlarmLink> &c);
};

// Arming times of one device. A time text is "hh:mm:ss-hh:mm:ss" ranges joined by ";".
class cms_DealAlarmTime
{
public:
    long id = 0;
    QString devip;
    QString devsn;
    QString remark;
    QString timeALL;
    QString timeMon;
    QString timeTue;
    QString timeWed;
    QString timeThu;
    QString timeFri;
    QString timeSat;
    QString timeSun;
    bool bALL = false;
    bool bMon = false;
    bool bTue = false;
    bool bWed = false;
    bool bThu = false;
    bool bFri = false;
    bool bSat = false;
    bool bSun = false;

    static void ormRegister(OrmClass<cms_DealAlarmTime> &c);
};

// Enabled alarm kinds of one device.
class cms_DealAlarmType
{
public:
    long id = 0;
    QString devip;
    QString devsn;
    QString remark;
    bool bVideoMissing = false;
    bool bMotionDetection = false;
    bool bHumanDetection = false;
    bool bFaceDetection = false;
    bool bAudioNoise = false;
    bool bIllegalAccess = false;
    bool bDiskFailure = false;
    bool bDeviceOffline = false;
    bool bAlarmInput = false;

    static void ormRegister(OrmClass<cms_DealAlarmType> &c);
};

// Client settings kept by name, one row each. Not part of the schema that the
// start-up check demands: made at start when missing, so a file of an older
// client opens as before, and an older client ignores the table.
class CMS_Settings
{
public:
    virtual ~CMS_Settings() = default;
    CMS_Settings() = default;
    CMS_Settings(const CMS_Settings &) = default;
    CMS_Settings &operator=(const CMS_Settings &) = default;

    long id = 0;
    QString Name;
    QString Value;

    static void ormRegister(OrmClass<CMS_Settings> &c);
};

// Record strategy; the active one is row 1.
class PlanRecord
{
public:
    virtual ~PlanRecord() = default;
    PlanRecord() = default;
    PlanRecord(const PlanRecord &) = default;
    PlanRecord &operator=(const PlanRecord &) = default;

    long id = 0;
    QString Name;
    int iDefult = 0;
    int iTurnOn = 0;
    int iStorageType = 0;
    QString szStoragePath;
    int iTimeFile = 30;
    int iAudioRecord = 0;
    int iFileType = 0;
    int iworkType = 0;
    QString scheduleTime;
    QString devInfo;

    static void ormRegister(OrmClass<PlanRecord> &c);
};
