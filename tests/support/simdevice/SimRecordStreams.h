#pragma once

// Recording search and playback of a simulated NVR with one calendar per
// channel and, when given, real access units (from an MP4 made at test time)
// instead of the synthetic pattern. Frame times count from the requested
// start. Faults: a stream that falls silent, a stream request left
// unanswered, a download that sends no data, late day replies, a frame lost
// on the way.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class SimDevice;

namespace SimRecordStreams {

struct Frame
{
    QByteArray data; // Annex B
    qint64 ms = 0;   // from the first frame
    bool key = false;
};

struct Setup
{
    QMap<int, QString> dayRecords;          // channel -> 1440 characters ('C' nothing recorded)
    QMap<int, QStringList> monthDays;       // channel -> "yyyyMMdd" days
    QVector<Frame> frames;                  // empty: the device's synthetic stream
    QString codec = QStringLiteral("H264"); // VideoParam codec name
    int frameIntervalMs = 40;               // pace of Cmd::PlaybackData
    int silentAfterFrames = -1;             // the stream stops after this many frames (connection stays)
    bool answerStreamRequest = true;        // false: Cmd::StartRecordStream is read and never answered
    bool sendDownloadData = true;           // false: a download gets Cmd::StreamAnswer and nothing else
    int dayReplyDelayMs = 0;                // day replies (ByMonth 0) wait this long
    int lostFrame = -1;                     // this frame is lost on the way (its numbers used up all the same)
};

// The setup of a device (made on first use, lives as long as the device).
Setup &setup(SimDevice &device);

} // namespace SimRecordStreams
