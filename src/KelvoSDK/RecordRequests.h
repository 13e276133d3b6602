#pragma once

// Requests of the playback and download pages that the device protocol turns
// into recorder commands. The callers format the time texts.

#include <QMetaType>
#include <QString>

#include <cstdint>

// Record query (Cmd::QueryRecords).
struct RecordQueryInfo
{
    uint8_t channel = 0; // "ChannelId"
    QString time;        // "Time"
    uint8_t byMonth = 0; // "ByMonth"
};

// Start (Cmd::StartRecordStream) or stop (Cmd::StopRecordStream) of a playback
// or download stream.
struct RecordStreamInfo
{
    uint8_t channel = 0;  // "ChannelId"
    QString startTime;    // "Time"
    QString endTime;      // "TimeEnd"
    uint8_t download = 0; // "DownloadRecord"
};

Q_DECLARE_METATYPE(RecordQueryInfo)
Q_DECLARE_METATYPE(RecordStreamInfo)
