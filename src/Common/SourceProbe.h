#pragma once

// Whether the source of a stream takes connections again: one TCP connect to
// the host and port of its address (554 when an RTSP address names none). A
// stream that failed while its source refuses connections is tried again the
// moment this answers yes, instead of on its next retry step; a source that
// accepts but does not stream is left to the steps. Used by scheduled
// recording and the live panes alike, so both come back together.

#include <QObject>
#include <QString>

#include <functional>

namespace SourceProbe {

// How often a source that refuses is asked again, and how long one connect
// may take (a host that does not answer at all counts as refusing).
constexpr int IntervalMs = 1000;
constexpr int TimeoutMs = 800;

// "host:port" of an address: the streams of one source share one probe.
QString sourceOf(const QString &url);

// Blocks for at most timeoutMs: worker threads only.
bool reachable(const QString &url, int timeoutMs = TimeoutMs);

// The same off the calling thread, for an object of the GUI thread:
// done(reachable) is called there while context lives, never after.
void check(const QString &url, QObject *context, std::function<void(bool)> done);

} // namespace SourceProbe
