#pragma once

// Alarm events (Cmd::AlarmEvent) a device pushes by itself once a client has
// logged in: COUNT events of TYPE (0 motion) at the current time, INTERVAL_MS
// apart. Written "COUNT[:INTERVAL_MS[:TYPE]]", COUNT "forever" for no end, as
// the environment variable KELVO_SIM_ALARMS and the program's --alarms take it.

#include <QString>

namespace SimAlarms {

struct Plan
{
    int count = 0; // -1: without end
    int intervalMs = 1000;
    int type = 0;
};

// False for a text that is no plan; a pace below 100 ms without end is
// refused, as it would flood whoever listens.
bool parsePlan(const QString &text, Plan *plan);
// The plan of the devices made from now on, instead of the environment's.
void setPlan(const Plan &plan);

} // namespace SimAlarms
