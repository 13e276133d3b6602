#pragma once

// One recorded segment of a day, shared by the time line and the playback
// windows. Times are milliseconds since the epoch; the segment covers
// start <= t < end. The file is set for local recordings only.

#include <QList>
#include <QMetaType>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class ArchiveRecord
{
public:
    ArchiveRecord() = default;
    ArchiveRecord(int64_t start, int64_t end, const QString &file = QString())
        : m_startTime(start)
        , m_endTime(end)
        , m_file(file)
    {
    }

    int64_t startTime() const { return m_startTime; }
    int64_t endTime() const { return m_endTime; }
    const QString &file() const { return m_file; }
    bool contains(int64_t t) const { return m_startTime <= t && t < m_endTime; }

    void setStartTime(int64_t ms) { m_startTime = ms; }
    void setEndTime(int64_t ms) { m_endTime = ms; }
    void setFile(const QString &file) { m_file = file; }

private:
    int64_t m_startTime = 0;
    int64_t m_endTime = 0;
    QString m_file;
};

using ArchiveRecordPtr = std::shared_ptr<ArchiveRecord>;
using ArchiveRecordList = std::vector<ArchiveRecordPtr>;

Q_DECLARE_METATYPE(ArchiveRecordPtr)

// The ruler pattern at one zoom level.
struct ScaleDrawingParams
{
    int ticksPerHour = 1;
    int majorStep = 2;
    int middleStep = 0;
    int minorStep = -1;
    int ticksPerLabel = 4;
    int labelMinutes = 240;

    // From the six numbers of CommonHelper::getTimeScaleParams.
    static ScaleDrawingParams fromList(const QList<int> &values);
};

// Queued connections carry the segment and its time under these names.
void registerReplayMetaTypes();
