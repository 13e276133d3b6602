#pragma once

#include "PlayerCommon.h"
#include "VideoDecode.h"

#include <QMutex>
#include <QThread>

#include <deque>
#include <functional>
#include <vector>

class AudioDecode;
class FFmpegRecord;

// Player thread for one stream: reads an RTSP address or a file (or, with
// custom I/O, Annex-B frames pushed by the caller) and feeds a video and an
// audio decode thread. Decoded pictures leave through emitFrame.
class FFmpegPlayer : public QThread
{
    Q_OBJECT
public:
    explicit FFmpegPlayer(QObject *parent = nullptr);
    ~FFmpegPlayer() override;

    void setHardwareDecode(bool on);
    void setPlayUrl(const QString &url);
    QString playUrl() const;
    // Starts the thread unless it already plays.
    bool play();
    // Snapshot request: the next picture is saved as this JPEG file.
    void setKey(const QString &path);
    // Records the video of the stream into an MP4 file by packet copy. Before
    // the input is open the request waits for it.
    bool startRecord(const QString &path, bool onlyConsumer);
    void stopRecord();
    bool isRecording() const;
    // Sets the stop flag, ends a recording and wakes the decoders; returns at
    // once. The thread ends on its own within the interrupt's reaction time:
    // an owner that must know waits for it (wait(), the destructor), one on
    // the GUI thread lets it go when it has finished (finished ->
    // deleteLater), never sleeping in between.
    void stop();
    // The same; kept for the owners that name it so.
    void requestStop();
    bool isStopping() const { return m_stop.load(); }

    // Playback control of files and pushed streams.
    void setSpeed(float speed);
    float speed() const;
    void pause();
    void resume();
    bool isPaused() const;
    void seek(qint64 ms);

    // Pushed input (custom I/O): Annex-B H.264/H.265 frames with times in ms.
    void setCustomIo(bool on);
    bool customIo() const { return m_customIo; }
    void setVideoCodec(bool h265);
    // Any thread. Frames wait in a bounded queue; on overflow the queue is
    // dropped up to the next key frame.
    void pushData(const char *data, int size, qint64 timeMs);
    // Empties the pushed queue and the decoder (seek of a pushed stream).
    void flushPushed();
    int pushedQueueSize() const;

    // Tuning (benchmarks, tests): files are paced by their timestamps unless
    // realtime is off; rendering off decodes without handing out pictures.
    void setRealtime(bool on) { m_realtime = on; }
    void setRenderEnabled(bool on) { m_render = on; }
    void setAudioEnabled(bool on) { m_audio = on; }
    // The view the pictures are painted in (I420Render2::viewSize): each
    // picture then comes with its image at the view's size, made on the
    // decoder's thread. Before play().
    void setViewSize(player::ViewSizePtr size) { m_viewSize = std::move(size); }
    void setDecodeThreads(int n) { m_threads = n; }
    // Packets the video decoder may hold back before the reader waits.
    void setVideoQueueCapacity(int n) { m_queueCapacity = n; }
    // A live stream that yields no picture for this long is reported (ms).
    void setStallTimeout(int ms) { m_stallMs = ms; }
    // Called on the decoder's thread with each decoded picture's time before
    // the picture waits for it (tests hold the thread there to make it late).
    // Before play().
    void setBeforePacing(std::function<void(qint64 ptsMs)> hook) { m_beforePacing = std::move(hook); }

    bool isInputOpen() const { return m_inputOpen.load(); }
    bool hardwareActive() const { return m_hwActive.load(); }
    qint64 durationMs() const { return m_durationMs.load(); }
    qint64 framesDecoded() const;
    qint64 framesShown() const;

    static bool isKeyFrame(const char *data, int size, bool h265);

signals:
    // One decoded YUV 4:2:0 picture and its time (ms into a file, or the
    // pushed frame time). Null frame when rendering is off.
    void emitFrame(std::shared_ptr<AVFrame> frame, qint64 ptsMs);
    void emitOpened(int width, int height, qint64 durationMs);
    void emitPlayerError(QString url, int code);
    void emitPlayFinished(QString url);
    void emitCaptureResult(bool ok, QString path);
    void emitRecordFinished(bool ok, QString path);

protected:
    void run() override;

private:
    void runDemux();
    void runPushed();
    bool feed(PacketQueue &q, player::QueueItem item);
    void startRecorderLocked();
    void reapRecorders(bool waitAll);
    void fail(int code);

    mutable QMutex m_mutex; // url, recorder, pushed queue
    QString m_url;
    bool m_hardware = false;
    bool m_customIo = false;
    bool m_h265 = false;
    bool m_realtime = true;
    bool m_render = true;
    bool m_audio = true;
    int m_threads = 0;
    int m_queueCapacity = 0; // 0: the decoder's own
    player::ViewSizePtr m_viewSize;
    int m_stallMs = 5000;
    std::function<void(qint64)> m_beforePacing;

    std::atomic_bool m_stop{false};
    std::atomic_bool m_inputOpen{false};
    std::atomic_bool m_hwActive{false};
    std::atomic<qint64> m_durationMs{0};
    std::atomic<qint64> m_seekMs{-1};
    std::atomic_bool m_flushPushed{false};
    player::IoInterrupt m_irq;
    PlayClock m_clock;
    SnapshotRequest m_snapshot;

    VideoDecode *m_video = nullptr;
    AudioDecode *m_audioDec = nullptr;

    // Recording.
    QString m_recordPath;
    bool m_recordOnly = false;
    bool m_recordPending = false;
    FFmpegRecord *m_recorder = nullptr;
    std::vector<FFmpegRecord *> m_oldRecorders;
    AVCodecParameters *m_videoPar = nullptr;
    AVRational m_videoTb{1, 1000};

    struct Pushed
    {
        QByteArray data;
        qint64 timeMs;
        bool key;
    };
    std::deque<Pushed> m_pushed;
    bool m_waitKey = true;
    static constexpr size_t kPushedCapacity = 250;
};
