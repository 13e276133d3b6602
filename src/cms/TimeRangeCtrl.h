#pragma once

#include "CMoveDetectTimeline.h"

// One weekday row of the storage schedule: the detection time line with room
// for eight segments.
class TimeRangeCtrl : public CMoveDetectTimeline
{
    Q_OBJECT

public:
    explicit TimeRangeCtrl(QWidget *parent = nullptr)
        : CMoveDetectTimeline(parent)
    {
        setMaxSegments(MaxSegments);
        setMouseTracking(true);
    }

    static constexpr int MaxSegments = 8;
};
