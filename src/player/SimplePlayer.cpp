#include "SimplePlayer.h"
#include "Platform.h"
#include "ThreadStack.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMutexLocker>

extern "C" {
#include <libswscale/swscale.h>
}

SimplePlayer::SimplePlayer(QObject *parent)
    : QThread(parent)
{
    player::registerMetaTypes();
    SignalsHelper::registerMetaTypes();
    m_irq.stop = &m_stop;
}

SimplePlayer::~SimplePlayer()
{
    m_stop = true;
    quit();
    wait();
    avcodec_free_context(&m_ctx);
    if (m_sws)
        sws_freeContext(m_sws);
    Platform::returnFreedMemory();
}

void SimplePlayer::setPlayUrl(const QString &url)
{
    QMutexLocker lock(&m_mutex);
    m_url = url;
}

QString SimplePlayer::playUrl() const
{
    QMutexLocker lock(&m_mutex);
    return m_url;
}

bool SimplePlayer::play()
{
    if (isRunning())
        return false;
    m_stop = false;
    start();
    return true;
}

bool SimplePlayer::stop()
{
    m_stop = true;
    return true;
}

void SimplePlayer::publish(AVFrame *decoded)
{
    // A GUI that falls behind loses pictures instead of memory.
    if (m_inFlight->load() >= 3)
        return;
    AVFrame *out = nullptr;
    if (decoded->format == AV_PIX_FMT_YUV420P || decoded->format == AV_PIX_FMT_YUVJ420P) {
        out = av_frame_clone(decoded);
    } else {
        out = av_frame_alloc();
        out->format = AV_PIX_FMT_YUV420P;
        out->width = decoded->width;
        out->height = decoded->height;
        m_sws =
            sws_getCachedContext(m_sws, decoded->width, decoded->height, AVPixelFormat(decoded->format), decoded->width,
                                 decoded->height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!m_sws || av_frame_get_buffer(out, 0) < 0) {
            av_frame_free(&out);
            return;
        }
        sws_scale(m_sws, decoded->data, decoded->linesize, 0, decoded->height, out->data, out->linesize);
    }
    if (!out)
        return;
    const std::shared_ptr<AVFrame> owner = player::makeFramePtr(out);
    m_inFlight->fetch_add(1);
    emit emitRecvImg(playUrl(), owner.get(), 0, owner);
    // The pictures in flight are counted until the GUI thread has handled the
    // deliveries queued before this point; the memory itself goes with the
    // last copy of the owner, wherever it is held.
    auto counter = m_inFlight;
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [counter] { counter->fetch_sub(1); }, Qt::QueuedConnection);
    else
        counter->fetch_sub(1);
}

void SimplePlayer::run()
{
    ThreadStack::install();
    const QString url = playUrl();
    AVFormatContext *fmt = nullptr;
    int ret = player::openInput(&fmt, url, &m_irq, 5000, true);
    if (ret < 0) {
        qWarning() << "preview cannot open" << player::maskUrl(url) << player::ffErrorText(ret);
        if (!m_stop)
            emit emitPlayerError(url, player::ErrOpenFailed);
        return;
    }
    const int vIdx = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec *codec = vIdx >= 0 ? avcodec_find_decoder(fmt->streams[vIdx]->codecpar->codec_id) : nullptr;
    avcodec_free_context(&m_ctx);
    if (codec) {
        m_ctx = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(m_ctx, fmt->streams[vIdx]->codecpar);
        m_ctx->pkt_timebase = fmt->streams[vIdx]->time_base;
        m_ctx->flags |= AV_CODEC_FLAG_LOW_DELAY;
        m_ctx->thread_type = FF_THREAD_SLICE;
        if (avcodec_open2(m_ctx, codec, nullptr) < 0)
            avcodec_free_context(&m_ctx);
    }
    if (!m_ctx) {
        avformat_close_input(&fmt);
        if (!m_stop)
            emit emitPlayerError(url, vIdx < 0 ? player::ErrNoStream : player::ErrDecoderFailed);
        return;
    }
    AVPacket *pkt = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    qint64 lastFrame = player::nowMs();
    while (!m_stop) {
        m_irq.armAt(lastFrame + m_stallMs);
        ret = av_read_frame(fmt, pkt);
        m_irq.disarm();
        if (m_irq.expired && !m_stop) {
            av_packet_unref(pkt);
            emit emitPlayerError(url, player::ErrNoFrames);
            break;
        }
        if (ret == AVERROR(EAGAIN))
            continue;
        if (ret < 0) {
            if (!m_stop) {
                qWarning() << "preview stream broke off" << player::maskUrl(url) << player::ffErrorText(ret);
                emit emitPlayerError(url, ret == AVERROR_EXIT ? player::ErrNoFrames : player::ErrStreamBroken);
            }
            break;
        }
        if (pkt->stream_index == vIdx && avcodec_send_packet(m_ctx, pkt) >= 0) {
            while (avcodec_receive_frame(m_ctx, frame) >= 0) {
                ++m_decoded;
                lastFrame = player::nowMs();
                publish(frame);
                av_frame_unref(frame);
            }
        }
        av_packet_unref(pkt);
        if (player::nowMs() - lastFrame > m_stallMs) {
            if (!m_stop)
                emit emitPlayerError(url, player::ErrNoFrames);
            break;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avcodec_free_context(&m_ctx);
    avformat_close_input(&fmt);
}
