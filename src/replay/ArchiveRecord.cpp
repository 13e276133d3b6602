#include "ArchiveRecord.h"

#include <cstdint>

ScaleDrawingParams ScaleDrawingParams::fromList(const QList<int> &values)
{
    ScaleDrawingParams p;
    if (values.size() < 6)
        return p;
    p.ticksPerHour = values.at(0);
    p.majorStep = values.at(1);
    p.middleStep = values.at(2);
    p.minorStep = values.at(3);
    p.ticksPerLabel = values.at(4);
    p.labelMinutes = values.at(5);
    return p;
}

void registerReplayMetaTypes()
{
    qRegisterMetaType<ArchiveRecordPtr>("ArchiveRecordPtr");
    qRegisterMetaType<int64_t>("int64_t");
}
