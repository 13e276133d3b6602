#pragma once

// Types and FFmpeg plumbing shared by the players, decoders and recorders.

#include <QMetaType>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <condition_variable>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

using AVFramePtr = std::shared_ptr<AVFrame>;
Q_DECLARE_METATYPE(std::shared_ptr<AVFrame>)

namespace player {

// Error codes carried by the players' error signals.
enum PlayerError {
    ErrOpenFailed = -1,    // the address could not be opened (includes bad credentials)
    ErrNoStream = -2,      // no playable video or audio stream
    ErrDecoderFailed = -3, // no decoder could be opened
    ErrStreamBroken = -4,  // the stream ended or failed while live
    ErrNoFrames = -5,      // a live stream delivered nothing for the stall limit
    ErrWriteFailed = -6,   // a recording could not be written (disk full, folder refused)
};

// Wraps a frame so its buffers go back to FFmpeg when the last holder lets go.
AVFramePtr makeFramePtr(AVFrame *frame);
// A new reference to the same picture (no pixel copy).
AVFramePtr refFrame(const AVFrame *frame);

// Registers the queued-signal types of this library; safe to call often.
void registerMetaTypes();

// FFmpeg's own messages of warning level and above go to the client's log
// (one line each, at most MaxFFmpegLogLine characters, credentials in
// addresses masked) instead of the terminal; lower levels are dropped. Once
// at client start, before any player; safe from every thread FFmpeg uses.
void routeFFmpegLog();
constexpr int MaxFFmpegLogLine = 512;
// The log line for what FFmpeg said (exposed for tests).
QString ffmpegLogText(const QByteArray &said);

bool isLiveUrl(const QString &url);
// The address with any user:password replaced by the mask, for logs.
QString maskUrl(const QString &url);
QString ffErrorText(int err);

// Interrupt state for blocking FFmpeg I/O: stops on the owner's flag, or when
// one blocking call has run longer than its deadline.
struct IoInterrupt
{
    const std::atomic_bool *stop = nullptr;
    std::atomic<qint64> deadlineMs{0}; // monotonic ms; 0 = no deadline
    std::atomic_bool expired{false};   // the last armed call ran out of time
    void arm(int ms);
    void armAt(qint64 monotonicMs)
    {
        expired = false;
        deadlineMs = monotonicMs;
    }
    void disarm() { deadlineMs = 0; }
    static int callback(void *opaque);
};

// Opens an input with the interrupt callback installed and sane limits for
// live sources (TCP transport, socket timeout, small probe). Returns an
// FFmpeg error code (0 on success).
int openInput(AVFormatContext **ctx, const QString &url, IoInterrupt *irq, int openTimeoutMs,
              bool smallProbe = true); // smallProbe: fastest start of live streams

// Monotonic milliseconds.
qint64 nowMs();

struct PacketDeleter
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;
PacketPtr clonePacket(const AVPacket *p);

// One item of a decoder queue: a packet, or a control marker.
struct QueueItem
{
    enum Kind { Packet, Flush, Eof };
    Kind kind = Packet;
    PacketPtr pkt;
    qint64 seekTargetMs = -1; // Flush: frames before it are decoded but not shown
    quint64 flushId = 0;      // Flush: its number, see VideoDecode::flushQueued
};

// Bounded blocking FIFO between the demux thread and a decode thread.
class PacketQueue
{
public:
    explicit PacketQueue(size_t capacity = 200)
        : m_capacity(capacity)
    {
    }
    // Blocks while full; false when aborted or the timeout passed. The item
    // is taken only when it went in: after a timeout the caller still holds
    // it and may try again.
    bool push(QueueItem &&item, int timeoutMs = -1);
    // Never blocks: control markers and pushes the caller may not hold up.
    void pushForce(QueueItem item);
    // Waits up to timeoutMs; false when nothing came.
    bool pop(QueueItem &out, int timeoutMs);
    void clear();
    void abort();
    void reset();
    size_t size() const;
    bool aborted() const;
    void setCapacity(size_t capacity);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cond;
    std::deque<QueueItem> m_items;
    size_t m_capacity;
    bool m_aborted = false;
};

// Wall clock that paces playback by media time, with speed and pause.
class PlayClock
{
public:
    void reset();
    // Milliseconds to wait before the frame with this media time is due
    // (<= 0: due now). The first call after reset anchors the clock.
    qint64 delayFor(qint64 ptsMs);
    void setSpeed(double speed);
    double speed() const;
    void setPaused(bool paused);
    bool paused() const;
    qint64 positionMs() const;
    // A frame due further ahead than this is a jump in the source's times,
    // not a reason to wait: the clock re-anchors on it.
    void setMaxAheadMs(qint64 ms);

private:
    qint64 positionLocked(qint64 now) const;
    mutable std::mutex m_mutex;
    bool m_anchored = false;
    qint64 m_basePts = 0;
    qint64 m_baseWall = 0;
    double m_speed = 1.0;
    bool m_paused = false;
    qint64 m_pausedPos = 0;
    qint64 m_maxAhead = 5000;
};

// The size, in device pixels, a view paints its pictures at: written by the
// view on the GUI thread, read by the decoder that prepares pictures for it
// (empty: the view is hidden or draws the planes itself).
class ViewSize
{
public:
    void set(int width, int height) { m_packed = (quint64(quint32(qMax(0, width))) << 32) | quint32(qMax(0, height)); }
    int width() const { return int(m_packed.load() >> 32); }
    int height() const { return int(m_packed.load() & 0xffffffffu); }

private:
    std::atomic<quint64> m_packed{0};
};
using ViewSizePtr = std::shared_ptr<ViewSize>;

// Saves a picture as a JPEG file (any pixel format FFmpeg can convert): the
// whole file, or false and nothing new on disk.
bool saveFrameAsJpeg(const AVFrame *frame, const QString &path);

} // namespace player

using player::PacketQueue;
using player::PlayClock;
