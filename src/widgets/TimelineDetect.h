#pragma once

#include <QRgb>

#include <cstdint>

// One time segment of a day, shared between the timeline and the pages.
struct TimelineDetect
{
    static constexpr int64_t MinSpan = 180; // seconds

    bool placed = false; // set once a gesture (or addSegment) has placed it
    bool edge = false;   // while grabbed: an edge is dragged, not the whole segment
    int64_t start = 0;   // seconds since the epoch
    int64_t end = 0;     // seconds since the epoch; 0 while still being drawn
    int type = 0;        // owner's; 0 = the timeline's default
    QRgb colour = 0;     // 0 = the timeline's default

    bool isValid() const { return end > start && end - start >= MinSpan; }
};
