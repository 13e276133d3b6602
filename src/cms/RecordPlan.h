#pragma once

// The record strategy of scheduled local recording, in memory. One plan, the
// row with id 1 of PlanRecord; the storage schedule page owns it, the schedule
// thread works on its own copy.

#include "CommonHelper.h"

#include <QString>
#include <QVector>

#include <cstdint>
#include <utility>

// One time part of a day, in minutes since local midnight; both ends belong
// to it (begin * 60 <= s <= end * 60). A whole day is 0 to 1440.
struct RECORD_TIME_PART
{
    uint16_t sBeginTime = 0;
    uint16_t sEndTime = 0;

    bool operator==(const RECORD_TIME_PART &o) const { return sBeginTime == o.sBeginTime && sEndTime == o.sEndTime; }
};

struct RECORD_DAY_INFO
{
    // As stored; 0 means the day records nothing, whatever the parts say.
    uint8_t iPartCount = 0;
    QVector<RECORD_TIME_PART> timePart;

    bool operator==(const RECORD_DAY_INFO &o) const { return iPartCount == o.iPartCount && timePart == o.timePart; }
};

// One recorded channel, known by (szDevId, iChannelIdx).
struct RECORD_DEVICE_INFO
{
    QString szDevId;
    QString szDevIp;
    int32_t eDevType = 0;
    uint8_t iChannelIdx = 0;
    uint8_t iStreamType = 0; // ENUM_STREAM_TYPE

    bool operator==(const RECORD_DEVICE_INFO &o) const
    {
        return szDevId == o.szDevId && szDevIp == o.szDevIp && eDevType == o.eDevType && iChannelIdx == o.iChannelIdx
               && iStreamType == o.iStreamType;
    }
};

struct RECORD_PLAN_INFO
{
    int32_t id = 0;
    QString name;
    uint8_t iDefult = 0;
    uint8_t iTurnOn = 0;      // recording switched on by the operator
    uint8_t iStorageType = 0; // disk full: 0 delete old recordings, 1 stop recording
    QString szStoragePath;
    uint16_t iTimeFile = 30; // segment length, minutes
    uint8_t iAudioRecord = 0;
    uint8_t iFileType = 0;
    uint8_t iworkType = 0;         // 0 all day, 1 workday, 2 custom
    QVector<RECORD_DAY_INFO> days; // Monday first
    QVector<RECORD_DEVICE_INFO> devices;
};

namespace RecordPlanTime {

constexpr int DayMinutes = 1440;

// A drawn segment (seconds since the epoch) to a stored part of the day that
// starts at dayStart: the start rounded down to the minute, the end rounded
// up, kept within the day.
RECORD_TIME_PART partFromSegment(int64_t dayStart, int64_t start, int64_t end);
// And back: (start, end) in seconds since the epoch.
std::pair<int64_t, int64_t> segmentFromPart(int64_t dayStart, const RECORD_TIME_PART &part);

} // namespace RecordPlanTime

namespace RecordStorage {

// The storage folders of the client settings as last read or stored (the
// database layer's SettingsKeeper), for CommonHelper's provider: nothing is
// read from the database at a use. Known false while the settings were never
// read, never the defaults in their place.
StoragePaths settingsPaths();

} // namespace RecordStorage
