#pragma once

#include "PlayerCommon.h"

#include <QThread>

struct SwrContext;
class QAudioOutput;
class QIODevice;

// Audio decode thread: packets in, 16-bit PCM to the default audio output.
// Without a usable output device the audio is decoded and dropped, so the
// stream still plays (and files still end on time).
class AudioDecode : public QThread
{
    Q_OBJECT
public:
    explicit AudioDecode(QObject *parent = nullptr);
    ~AudioDecode() override;

    bool open(const AVCodecParameters *par, AVRational timeBase);
    PacketQueue &queue() { return m_queue; }
    void setClock(PlayClock *clock, bool paced)
    {
        m_clock = clock;
        m_paced = paced;
    }
    void requestStop();
    void interruptWait() { m_interrupt = true; }
    void setStartOffsetMs(qint64 ms) { m_startMs = ms; }
    // The reader numbers each flush it queues. An end the decoder reached
    // before it took the latest flush belongs to the run before a seek: the
    // reader, already at the end again, would otherwise report the end of
    // the new run before a picture of it was decoded.
    void flushQueued(quint64 id) { m_flushQueued = id; }
    bool drained() const { return m_flushTaken.load() == m_flushQueued.load() && m_drained.load(); }
    bool outputActive() const { return m_outputActive.load(); }

signals:
    void endOfStream();

protected:
    void run() override;

private:
    void startOutput();
    void stopOutput();
    void handleFrame(AVFrame *frame);
    void writePcm(const char *data, int size);

    PacketQueue m_queue{200};
    AVCodecContext *m_ctx = nullptr;
    SwrContext *m_swr = nullptr;
    AVRational m_tb{1, 1000};
    PlayClock *m_clock = nullptr;
    bool m_paced = false;
    QAudioOutput *m_output = nullptr;
    QIODevice *m_io = nullptr;
    int m_outRate = 0;
    int m_outChannels = 0;
    qint64 m_dropUntilMs = -1;
    qint64 m_startMs = 0;
    std::atomic_bool m_stop{false};
    std::atomic_bool m_interrupt{false};
    std::atomic_bool m_drained{false};
    std::atomic<quint64> m_flushQueued{0}, m_flushTaken{0};
    std::atomic_bool m_outputActive{false};
};
