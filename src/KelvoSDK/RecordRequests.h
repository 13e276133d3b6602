#pragma once

// Requests of the playback and download pages that the device protocol turns
// into recorder commands. The callers format the time texts.

#include <QMetaType>
#include <QString>

#include <cstdint>

// Record query (Cmd::QueryRecords).
struct RecordQuery
{
    uint8_t channel = 0; // "ChannelId"
    QString time;        // "Time"
    uint8_t byMonth = 0; // "ByMonth"
};

// Start (Cmd::StartRecordStream) or stop (Cmd::StopRecordStream) of a playback
// or download stream.
struct RecordStreamRequest
{
    uint8_t channel = 0;  // "ChannelId"
    QString startTime;    // "Time"
    QString endTime;      // "TimeEnd"
    uint8_t download = 0; // "DownloadRecord"
};

// The names the playback and download pages know the same requests by.
using RecordQueryInfo = RecordQuery;
using RecordStreamInfo = RecordStreamRequest;

Q_DECLARE_METATYPE(RecordQuery)
Q_DECLARE_METATYPE(RecordStreamRequest)
