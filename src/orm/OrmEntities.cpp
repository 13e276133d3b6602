#include "OrmEntities.h"

#define COL(Class, Member) c.column(QStringLiteral(#Member), &Class::Member)

void DatabaseVersion::ormRegister(OrmClass<DatabaseVersion> &c)
{
    c.setTable(QStringLiteral("DatabaseVersion"));
    c.key(&DatabaseVersion::id);
    COL(DatabaseVersion, version);
}

void CMS_Devices::ormRegister(OrmClass<CMS_Devices> &c)
{
    c.setTable(QStringLiteral("CMS_Devices"));
    c.key(&CMS_Devices::id);
    COL(CMS_Devices, DevIP);
    COL(CMS_Devices, DevSN);
    COL(CMS_Devices, DevType);
    COL(CMS_Devices, DevName);
    COL(CMS_Devices, DevGroup);
    COL(CMS_Devices, LoginName);
    COL(CMS_Devices, LoginPassword);
    COL(CMS_Devices, DevStatus);
    COL(CMS_Devices, VideoPort);
    COL(CMS_Devices, PTZPort);
    COL(CMS_Devices, Broadcast);
    COL(CMS_Devices, Version);
    COL(CMS_Devices, Model);
    COL(CMS_Devices, DevTypeName);
    COL(CMS_Devices, onvifSer);
    COL(CMS_Devices, loadId);
    COL(CMS_Devices, channelId);
    c.column(QStringLiteral("onvifAuth"), &CMS_Devices::onvifAuth, QStringLiteral("NOT NULL DEFAULT -1"));
}

void CMS_Organization::ormRegister(OrmClass<CMS_Organization> &c)
{
    c.setTable(QStringLiteral("CMS_Organization"));
    c.key(&CMS_Organization::id);
    COL(CMS_Organization, Name);
    COL(CMS_Organization, ParentId);
    COL(CMS_Organization, IsDefault);
    COL(CMS_Organization, bRecord);
    COL(CMS_Organization, bPlay);
    COL(CMS_Organization, Remark);
}

void CMS_User::ormRegister(OrmClass<CMS_User> &c)
{
    c.setTable(QStringLiteral("CMS_User"));
    c.key(&CMS_User::id);
    COL(CMS_User, Name);
    COL(CMS_User, password);
    COL(CMS_User, RoleId);
    COL(CMS_User, Telephone);
    COL(CMS_User, IsDefault);
    COL(CMS_User, IsRemeber);
    COL(CMS_User, Rights);
    COL(CMS_User, Remark);
}

void CMS_Roles::ormRegister(OrmClass<CMS_Roles> &c)
{
    c.setTable(QStringLiteral("CMS_Roles"));
    c.key(&CMS_Roles::id);
    COL(CMS_Roles, Name);
    COL(CMS_Roles, Rights);
    COL(CMS_Roles, Remark);
}

void CMS_Permissions::ormRegister(OrmClass<CMS_Permissions> &c)
{
    c.setTable(QStringLiteral("CMS_Permissions"));
    c.key(&CMS_Permissions::id);
    COL(CMS_Permissions, RoleId);
    COL(CMS_Permissions, ActionId);
    COL(CMS_Permissions, Remark);
}

#define LOOKUP_REGISTER(Class)                                                                                         \
    void Class::ormRegister(OrmClass<Class> &c)                                                                        \
    {                                                                                                                  \
        c.setTable(QStringLiteral(#Class));                                                                            \
        c.key(&Class::id);                                                                                             \
        COL(Class, Name);                                                                                              \
        COL(Class, Remark);                                                                                            \
    }

LOOKUP_REGISTER(CMS_Action)
LOOKUP_REGISTER(CMS_AlarmType)
LOOKUP_REGISTER(CMS_DevType)
LOOKUP_REGISTER(CMS_Stream)

void CMS_Alarm::ormRegister(OrmClass<CMS_Alarm> &c)
{
    c.setTable(QStringLiteral("CMS_Alarm"));
    c.key(&CMS_Alarm::id);
    COL(CMS_Alarm, DevIP);
    COL(CMS_Alarm, DevSN);
    COL(CMS_Alarm, DevType);
    COL(CMS_Alarm, ChannelIdx);
    COL(CMS_Alarm, AlarmTime);
    COL(CMS_Alarm, AlarmType);
    COL(CMS_Alarm, AlarmInfo);
    COL(CMS_Alarm, Status);
    COL(CMS_Alarm, OperatorId);
    COL(CMS_Alarm, OperatorInfo);
    COL(CMS_Alarm, OperatorTime);
}

void CMS_Config::ormRegister(OrmClass<CMS_Config> &c)
{
    c.setTable(QStringLiteral("CMS_Config"));
    registerColumns(c);
}

void CMS_Config_V2::ormRegister(OrmClass<CMS_Config_V2> &c)
{
    c.setTable(QStringLiteral("CMS_Config_V2"));
    CMS_Config::registerColumns(c);
    COL(CMS_Config_V2, bAutoStart);
    COL(CMS_Config_V2, bRestoreVideo);
    COL(CMS_Config_V2, iLogClear);
}

void CMS_Config_V2::update(const QSharedPointer<CMS_Config> &old)
{
    if (old)
        static_cast<CMS_Config &>(*this) = *old;
}

void CustomAlarmInfo::ormRegister(OrmClass<CustomAlarmInfo> &c)
{
    c.setTable(QStringLiteral("CustomAlarmInfo"));
    c.key(&CustomAlarmInfo::id);
    COL(CustomAlarmInfo, alarmType);
    COL(CustomAlarmInfo, alarmContent);
    COL(CustomAlarmInfo, alarmTime);
    COL(CustomAlarmInfo, devName);
    COL(CustomAlarmInfo, status);
    COL(CustomAlarmInfo, records);
    COL(CustomAlarmInfo, handler);
    COL(CustomAlarmInfo, processingTime);
}

void cms_DealAlarmLink::ormRegister(OrmClass<cms_DealAlarmLink> &c)
{
    c.setTable(QStringLiteral("cms_DealAlarmLink"));
    c.key(&cms_DealAlarmLink::id);
    COL(cms_DealAlarmLink, devip);
    COL(cms_DealAlarmLink, devsn);
    COL(cms_DealAlarmLink, remark);
    COL(cms_DealAlarmLink, bLinkageMonitoring);
    COL(cms_DealAlarmLink, monitoringPoint);
    COL(cms_DealAlarmLink, performPreset);
    COL(cms_DealAlarmLink, bVideoPopup);
    COL(cms_DealAlarmLink, popupTime);
    COL(cms_DealAlarmLink, bSendEmail);
    COL(cms_DealAlarmLink, bAudioPrompt);
    COL(cms_DealAlarmLink, customAudio);
    COL(cms_DealAlarmLink, audioTime);
    COL(cms_DealAlarmLink, bMapFlashes);
    COL(cms_DealAlarmLink, bSnapshotPictures);
    COL(cms_DealAlarmLink, bLinkageRecording);
    COL(cms_DealAlarmLink, recordingTime);
    COL(cms_DealAlarmLink, recordingStream);
    COL(cms_DealAlarmLink, bIOOutput);
    COL(cms_DealAlarmLink, outputSelect);
    COL(cms_DealAlarmLink, outputTime);
}

void cms_DealAlarmTime::ormRegister(OrmClass<cms_DealAlarmTime> &c)
{
    c.setTable(QStringLiteral("cms_DealAlarmTime"));
    c.key(&cms_DealAlarmTime::id);
    COL(cms_DealAlarmTime, devip);
    COL(cms_DealAlarmTime, devsn);
    COL(cms_DealAlarmTime, remark);
    COL(cms_DealAlarmTime, bALL);
    COL(cms_DealAlarmTime, bMon);
    COL(cms_DealAlarmTime, bTue);
    COL(cms_DealAlarmTime, bWed);
    COL(cms_DealAlarmTime, bThu);
    COL(cms_DealAlarmTime, bFri);
    COL(cms_DealAlarmTime, bSat);
    COL(cms_DealAlarmTime, bSun);
    COL(cms_DealAlarmTime, timeALL);
    COL(cms_DealAlarmTime, timeMon);
    COL(cms_DealAlarmTime, timeTue);
    COL(cms_DealAlarmTime, timeWed);
    COL(cms_DealAlarmTime, timeThu);
    COL(cms_DealAlarmTime, timeFri);
    COL(cms_DealAlarmTime, timeSat);
    COL(cms_DealAlarmTime, timeSun);
}

void cms_DealAlarmType::ormRegister(OrmClass<cms_DealAlarmType> &c)
{
    c.setTable(QStringLiteral("cms_DealAlarmType"));
    c.key(&cms_DealAlarmType::id);
    COL(cms_DealAlarmType, devip);
    COL(cms_DealAlarmType, devsn);
    COL(cms_DealAlarmType, remark);
    COL(cms_DealAlarmType, bVideoMissing);
    COL(cms_DealAlarmType, bMotionDetection);
    COL(cms_DealAlarmType, bHumanDetection);
    COL(cms_DealAlarmType, bFaceDetection);
    COL(cms_DealAlarmType, bAudioNoise);
    COL(cms_DealAlarmType, bIllegalAccess);
    COL(cms_DealAlarmType, bDiskFailure);
    COL(cms_DealAlarmType, bDeviceOffline);
    COL(cms_DealAlarmType, bAlarmInput);
}

void CMS_Settings::ormRegister(OrmClass<CMS_Settings> &c)
{
    c.setTable(QStringLiteral("CMS_Settings"));
    c.key(&CMS_Settings::id);
    COL(CMS_Settings, Name);
    COL(CMS_Settings, Value);
}

void PlanRecord::ormRegister(OrmClass<PlanRecord> &c)
{
    c.setTable(QStringLiteral("PlanRecord"));
    c.key(&PlanRecord::id);
    COL(PlanRecord, Name);
    COL(PlanRecord, iDefult);
    COL(PlanRecord, iTurnOn);
    COL(PlanRecord, iStorageType);
    COL(PlanRecord, szStoragePath);
    COL(PlanRecord, iTimeFile);
    COL(PlanRecord, iAudioRecord);
    COL(PlanRecord, iFileType);
    COL(PlanRecord, iworkType);
    COL(PlanRecord, scheduleTime);
    COL(PlanRecord, devInfo);
}
