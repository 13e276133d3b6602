#pragma once

#include "PlayerCommon.h"
#include "SignalsHelper.h"

#include <QMutex>
#include <QThread>

struct SwsContext;

// Preview player of the camera configuration window: plays one RTSP address
// and publishes each picture through emitRecvImg.
//
// emitRecvImg carries the frame's owner beside the raw frame: every delivery,
// direct or queued to any thread, holds a copy of it (Qt copies every
// argument of a queued signal, also those the slot does not take), so the
// raw frame is valid in every receiver for the whole call. Receivers that
// keep the picture keep the owner (or their own reference).
class SimplePlayer : public QThread
{
    Q_OBJECT
public:
    explicit SimplePlayer(QObject *parent = nullptr);
    ~SimplePlayer() override;

    void setPlayUrl(const QString &url);
    QString playUrl() const;
    bool play();
    // Sets the stop flag and returns at once (true): the blocked read gives
    // way to it within the interrupt's reaction time. Waiting for the thread
    // is left to whoever must (wait(), the destructor); nothing sleeps here.
    bool stop();
    void setStallTimeout(int ms) { m_stallMs = ms; }
    qint64 framesDecoded() const { return m_decoded.load(); }

signals:
    void emitPlayerError(QString url, int code);
    void emitRecvImg(QString key, AVFrame *frame, int streamId, std::shared_ptr<AVFrame> owner);

protected:
    void run() override;

private:
    void publish(AVFrame *decoded);

    mutable QMutex m_mutex;
    QString m_url;
    std::atomic_bool m_stop{false};
    int m_stallMs = 5000;
    player::IoInterrupt m_irq;
    AVCodecContext *m_ctx = nullptr;
    SwsContext *m_sws = nullptr;
    std::atomic<qint64> m_decoded{0};
    std::shared_ptr<std::atomic_int> m_inFlight = std::make_shared<std::atomic_int>(0);
};
