#pragma once

#include "PlayerCommon.h"
#include "YuvScaler.h"

#include <QMutex>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

struct SwsContext;

// Pending snapshot request shared by a player and its video decoder.
class SnapshotRequest
{
public:
    // False while another request is pending or the path is empty.
    bool request(const QString &path);
    bool take(QString &path);
    bool pending() const { return m_pending.load(); }
    QString cancel();

private:
    std::atomic_bool m_pending{false};
    QMutex m_mutex;
    QString m_path;
};

// Video decode thread: packets in, YUV 4:2:0 frames out, paced by the shared
// clock when playing files.
class VideoDecode : public QThread
{
    Q_OBJECT
public:
    explicit VideoDecode(QObject *parent = nullptr);
    ~VideoDecode() override;

    // Called before start(). threads: 0 lets FFmpeg choose. live selects
    // low-delay decoding (no frame threading delay).
    bool open(const AVCodecParameters *par, AVRational timeBase, bool hardware, int threads, bool live);
    bool openCodec(AVCodecID id, bool hardware, bool live);

    PacketQueue &queue() { return m_queue; }
    void setClock(PlayClock *clock, bool paced)
    {
        m_clock = clock;
        m_paced = paced;
    }
    void setSnapshot(SnapshotRequest *req) { m_snapshot = req; }
    // See FFmpegPlayer::setBeforePacing.
    void setBeforePacing(std::function<void(qint64 ptsMs)> hook) { m_beforePacing = std::move(hook); }
    void setStartOffsetMs(qint64 ms) { m_startMs = ms; }
    void setRenderEnabled(bool on) { m_render = on; }
    // The view the pictures go to: while it has a size, each picture handed
    // out carries its image at that size (YuvScaler::attached), made here,
    // on this thread, where the picture is still in the cache.
    void setViewSize(player::ViewSizePtr size) { m_viewSize = std::move(size); }
    // Pictures handed out and not yet let go by their receivers: at most
    // this many (the one a pane shows and the one on its way to it), so a
    // slow GUI never piles up pictures. Each holds a buffer of the decoder's
    // pool, which keeps the most it ever had to lend until the decoder
    // closes. A paced picture (a recorded source) waits for room until it
    // is due: a GUI that takes its predecessor late, but within the
    // picture's interval, still gets it. Once due, or for a live picture at
    // once, a picture without room is dropped rather than queued.
    static constexpr int kMaxFramesInFlight = 2;
    void setMaxFramesInFlight(int n) { m_maxInFlight = n; }
    void requestStop();
    // Breaks a pacing wait or a wait for room at once (seek, stop).
    void interruptWait();

    bool hardwareActive() const { return m_hwActive; }
    qint64 framesDecoded() const { return m_decoded.load(); }
    qint64 framesShown() const { return m_shown.load(); }
    // The reader numbers each flush it queues. An end the decoder reached
    // before it took the latest flush belongs to the run before a seek: the
    // reader, already at the end again, would otherwise report the end of
    // the new run before a picture of it was decoded.
    void flushQueued(quint64 id) { m_flushQueued = id; }
    bool drained() const { return m_flushTaken.load() == m_flushQueued.load() && m_drained.load(); }

signals:
    // ptsMs: media time from the start of the source.
    void frameReady(std::shared_ptr<AVFrame> frame, qint64 ptsMs);
    void snapshotDone(bool ok, QString path);
    void endOfStream();

protected:
    void run() override;

private:
    void handleFrame(AVFrame *frame);
    AVFrame *toYuv420(AVFrame *frame);
    void prepareImage(AVFrame *frame);
    bool waitUntilDue(qint64 ptsMs);
    bool hasRoom() const { return m_inFlight->count.load() < m_maxInFlight; }
    bool waitForRoom(qint64 ptsMs);
    // A snapshot asked while no new picture comes (paused, at the end, a
    // silent stream) is served from the picture last shown.
    void snapshotFromLast();
    void closeCodec();

    PacketQueue m_queue{120};
    AVCodecContext *m_ctx = nullptr;
    AVBufferRef *m_hwDevice = nullptr;
    SwsContext *m_sws = nullptr;
    player::ViewSizePtr m_viewSize;
    YuvScaler m_scaler;
    std::vector<QImage> m_images; // made here, filled again once let go
    AVFramePtr m_lastFrame;       // the picture handed out last
    AVRational m_tb{1, 1000};
    PlayClock *m_clock = nullptr;
    SnapshotRequest *m_snapshot = nullptr;
    std::function<void(qint64)> m_beforePacing;
    bool m_paced = false;
    bool m_render = true;
    bool m_hwActive = false;
    int m_maxInFlight = kMaxFramesInFlight;
    qint64 m_startMs = 0;
    qint64 m_dropUntilMs = -1;
    std::atomic_bool m_stop{false};
    std::atomic_bool m_interrupt{false};
    std::atomic_bool m_drained{false};
    std::atomic<quint64> m_flushQueued{0}, m_flushTaken{0};
    std::atomic<qint64> m_decoded{0};
    std::atomic<qint64> m_shown{0};
    // Shared with the pictures' deleters, which may outlive the decoder: a
    // receiver letting go of a picture wakes a picture waiting for room.
    struct InFlight
    {
        std::atomic_int count{0};
        std::mutex mutex;
        std::condition_variable released;
        void wake()
        {
            std::lock_guard<std::mutex> lock(mutex);
            released.notify_all();
        }
    };
    std::shared_ptr<InFlight> m_inFlight = std::make_shared<InFlight>();
};
