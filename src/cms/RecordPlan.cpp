// The record strategy's two JSON texts, the segment conversion and the row.

#include "RecordPlan.h"
#include "RecordSchedule.h"

#include "OrmHelper.h"
#include "SettingsKeeper.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QJsonArray arrayOf(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toLocal8Bit());
    return doc.isArray() ? doc.array() : QJsonArray();
}

QString textOf(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

// Integral JSON numbers; anything else reads as 0. The fields keep the low bits.
int numberOf(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toInt();
}

} // namespace

namespace RecordPlanTime {

RECORD_TIME_PART partFromSegment(int64_t dayStart, int64_t start, int64_t end)
{
    const int64_t from = std::max<int64_t>(0, start - dayStart);
    const int64_t to = std::max<int64_t>(0, end - dayStart);
    RECORD_TIME_PART part;
    part.sBeginTime = uint16_t(std::min<int64_t>(from / 60, DayMinutes - 1));
    part.sEndTime = uint16_t(std::min<int64_t>((to + 59) / 60, DayMinutes));
    return part;
}

std::pair<int64_t, int64_t> segmentFromPart(int64_t dayStart, const RECORD_TIME_PART &part)
{
    return {dayStart + int64_t(part.sBeginTime) * 60, dayStart + int64_t(part.sEndTime) * 60};
}

} // namespace RecordPlanTime

QString RecordSchedule::writeRecordDevices(const QVector<RECORD_DEVICE_INFO> &devices)
{
    QJsonArray array;
    for (const RECORD_DEVICE_INFO &d : devices) {
        array.append(QJsonObject{{QStringLiteral("szDevId"), d.szDevId},
                                 {QStringLiteral("szDevIp"), d.szDevIp},
                                 {QStringLiteral("eDevType"), int(d.eDevType)},
                                 {QStringLiteral("iChannelIdx"), int(d.iChannelIdx)},
                                 {QStringLiteral("iStreamType"), int(d.iStreamType)}});
    }
    return textOf(array);
}

QVector<RECORD_DEVICE_INFO> RecordSchedule::readRecordDevices(const QString &text)
{
    QVector<RECORD_DEVICE_INFO> devices;
    for (const QJsonValue &v : arrayOf(text)) {
        const QJsonObject o = v.toObject();
        RECORD_DEVICE_INFO d;
        d.szDevId = o.value(QStringLiteral("szDevId")).toString();
        d.szDevIp = o.value(QStringLiteral("szDevIp")).toString();
        d.eDevType = numberOf(o, "eDevType");
        d.iChannelIdx = uint8_t(numberOf(o, "iChannelIdx"));
        d.iStreamType = uint8_t(numberOf(o, "iStreamType"));
        devices.append(d);
    }
    return devices;
}

QString RecordSchedule::writeTimePlan(const QVector<RECORD_DAY_INFO> &days)
{
    QJsonArray array;
    for (const RECORD_DAY_INFO &day : days) {
        QJsonArray parts;
        for (const RECORD_TIME_PART &p : day.timePart) {
            parts.append(QJsonObject{{QStringLiteral("sBeginTime"), int(p.sBeginTime)},
                                     {QStringLiteral("sEndTime"), int(p.sEndTime)}});
        }
        array.append(
            QJsonObject{{QStringLiteral("iPartCount"), int(day.iPartCount)}, {QStringLiteral("timePart"), parts}});
    }
    return textOf(array);
}

QVector<RECORD_DAY_INFO> RecordSchedule::readTimePlan(const QString &text)
{
    QVector<RECORD_DAY_INFO> days;
    for (const QJsonValue &v : arrayOf(text)) {
        const QJsonObject o = v.toObject();
        RECORD_DAY_INFO day;
        day.iPartCount = uint8_t(numberOf(o, "iPartCount"));
        for (const QJsonValue &pv : o.value(QStringLiteral("timePart")).toArray()) {
            const QJsonObject p = pv.toObject();
            day.timePart.append({uint16_t(numberOf(p, "sBeginTime")), uint16_t(numberOf(p, "sEndTime"))});
        }
        days.append(day);
    }
    return days;
}

bool RecordSchedule::loadPlan(RECORD_PLAN_INFO &plan, int *storedMode, ReadFailure *failure)
{
    // A row that cannot be read is told from a row never stored: defaults in
    // its place would be shown as the plan and saved over the real one.
    QSqlError err;
    const QSharedPointer<PlanRecord> row = OrmHelper::getPlanRecord(&err);
    if (!row) {
        qWarning() << "Record strategy cannot be read:" << err.text();
        if (failure)
            *failure = ReadFailure{OrmClass<PlanRecord>::get().info().table, err};
        return false;
    }
    // The folder in force is the settings' one, as last read; the row's copy
    // only informs. Never read (the start-up could not), it is read again
    // here: the defaults' folder would be recorded into, so the plan is not
    // taken either while it cannot be.
    QSharedPointer<CMS_Config_V2> config = SettingsKeeper::row();
    if (!config && SettingsKeeper::read().text().isEmpty())
        config = SettingsKeeper::row();
    if (!config) {
        const QSqlError why = SettingsKeeper::failure();
        qWarning() << "Record strategy not read: the settings cannot be read:" << why.text();
        if (failure)
            *failure = ReadFailure{OrmClass<CMS_Config_V2>::get().info().table, why};
        return false;
    }
    plan.id = int32_t(row->id);
    plan.name = row->Name;
    plan.iDefult = uint8_t(row->iDefult);
    plan.iTurnOn = uint8_t(row->iTurnOn);
    plan.iStorageType = uint8_t(row->iStorageType);
    plan.iTimeFile = uint16_t(row->iTimeFile);
    plan.iAudioRecord = uint8_t(row->iAudioRecord);
    plan.iFileType = uint8_t(row->iFileType);
    plan.days = readTimePlan(row->scheduleTime);
    plan.devices = readRecordDevices(row->devInfo);
    if (plan.devices.isEmpty())
        plan.iTurnOn = 0;
    plan.szStoragePath = config->BackupPath;
    if (storedMode)
        *storedMode = row->iworkType;
    return true;
}

bool RecordSchedule::storePlan(const RECORD_PLAN_INFO &plan, QSqlError *error)
{
    // Columns the plan does not carry keep what is stored: a row that could
    // not be read is not replaced by the defaults.
    QSqlError readError;
    QSharedPointer<PlanRecord> row = OrmHelper::getPlanRecord(&readError);
    if (!row) {
        qWarning() << "Record strategy not saved: the stored row cannot be read:" << readError.text();
        if (error)
            *error = readError;
        return false;
    }
    row->id = plan.id > 0 ? plan.id : 1;
    row->Name = plan.name;
    row->iDefult = plan.iDefult;
    row->iTurnOn = plan.iTurnOn;
    row->iStorageType = plan.iStorageType;
    row->szStoragePath = plan.szStoragePath;
    row->iTimeFile = plan.iTimeFile;
    row->iAudioRecord = plan.iAudioRecord;
    row->iFileType = plan.iFileType;
    row->scheduleTime = writeTimePlan(plan.days);
    row->devInfo = writeRecordDevices(plan.devices);
    row->iworkType = plan.iworkType;
    const QSqlError err = orm::dao::save(row);
    if (!err.text().isEmpty()) {
        qWarning() << "Record strategy not saved:" << err.text();
        if (error)
            *error = err;
        return false;
    }
    return true;
}

namespace RecordStorage {

StoragePaths settingsPaths()
{
    const QSharedPointer<CMS_Config_V2> config = SettingsKeeper::row();
    if (!config)
        return StoragePaths{{}, {}, {}, false};
    return StoragePaths{config->RecordPath, config->BackupPath, config->SnapPath, true};
}

} // namespace RecordStorage
