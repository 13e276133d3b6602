#include "VideoDecode.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QMutexLocker>

#include <algorithm>

extern "C" {
#include <libavutil/hwcontext.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

bool SnapshotRequest::request(const QString &path)
{
    if (path.isEmpty())
        return false;
    QMutexLocker lock(&m_mutex);
    if (m_pending)
        return false;
    m_path = path;
    m_pending = true;
    return true;
}

bool SnapshotRequest::take(QString &path)
{
    if (!m_pending.load())
        return false;
    QMutexLocker lock(&m_mutex);
    if (!m_pending)
        return false;
    path = m_path;
    m_path.clear();
    m_pending = false;
    return true;
}

QString SnapshotRequest::cancel()
{
    QString path;
    take(path);
    return path;
}

namespace {
enum AVPixelFormat pickVaapi(AVCodecContext *, const enum AVPixelFormat *fmts)
{
    for (const enum AVPixelFormat *p = fmts; *p != AV_PIX_FMT_NONE; ++p)
        if (*p == AV_PIX_FMT_VAAPI)
            return *p;
    // The stream is not supported by the device: take the first software format.
    for (const enum AVPixelFormat *p = fmts; *p != AV_PIX_FMT_NONE; ++p) {
        const AVPixFmtDescriptor *d = av_pix_fmt_desc_get(*p);
        if (d && !(d->flags & AV_PIX_FMT_FLAG_HWACCEL))
            return *p;
    }
    return AV_PIX_FMT_NONE;
}
} // namespace

VideoDecode::VideoDecode(QObject *parent)
    : QThread(parent)
{
}

VideoDecode::~VideoDecode()
{
    requestStop();
    wait();
    closeCodec();
}

void VideoDecode::closeCodec()
{
    avcodec_free_context(&m_ctx);
    av_buffer_unref(&m_hwDevice);
    if (m_sws) {
        sws_freeContext(m_sws);
        m_sws = nullptr;
    }
}

bool VideoDecode::openCodec(AVCodecID id, bool hardware, bool live)
{
    AVCodecParameters *par = avcodec_parameters_alloc();
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = id;
    const bool ok = open(par, AVRational{1, 1000}, hardware, 0, live);
    avcodec_parameters_free(&par);
    return ok;
}

bool VideoDecode::open(const AVCodecParameters *par, AVRational timeBase, bool hardware, int threads, bool live)
{
    closeCodec();
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    if (!codec)
        return false;
    m_ctx = avcodec_alloc_context3(codec);
    if (!m_ctx || avcodec_parameters_to_context(m_ctx, par) < 0) {
        closeCodec();
        return false;
    }
    m_tb = timeBase;
    m_ctx->pkt_timebase = timeBase;
    m_hwActive = false;
    if (hardware) {
        // Software decoding stays the silent fallback on machines without a device.
        if (av_hwdevice_ctx_create(&m_hwDevice, AV_HWDEVICE_TYPE_VAAPI, nullptr, nullptr, 0) >= 0) {
            m_ctx->hw_device_ctx = av_buffer_ref(m_hwDevice);
            m_ctx->get_format = pickVaapi;
            m_hwActive = true;
        } else {
            qInfo() << "no VAAPI device, decoding in software";
        }
    }
    m_ctx->thread_count = threads;
    if (live) {
        m_ctx->flags |= AV_CODEC_FLAG_LOW_DELAY;
        m_ctx->thread_type = FF_THREAD_SLICE;
    } else {
        m_ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
    }
    if (avcodec_open2(m_ctx, codec, nullptr) < 0) {
        if (m_hwActive) {
            av_buffer_unref(&m_hwDevice);
            m_hwActive = false;
            avcodec_free_context(&m_ctx);
            return open(par, timeBase, false, threads, live);
        }
        closeCodec();
        return false;
    }
    return true;
}

void VideoDecode::requestStop()
{
    m_stop = true;
    m_interrupt = true;
    m_queue.abort();
    m_inFlight->wake();
}

void VideoDecode::interruptWait()
{
    m_interrupt = true;
    m_inFlight->wake();
}

bool VideoDecode::waitForRoom(qint64 ptsMs)
{
    for (;;) {
        if (m_stop || m_interrupt)
            return false;
        if (hasRoom())
            return true;
        const qint64 d = m_clock->delayFor(ptsMs);
        if (d <= 0)
            return true; // due and still no room: the caller drops it
        const bool paused = m_clock->paused();
        if (paused)
            snapshotFromLast();
        // Woken by a receiver letting go, a stop or a seek; the time limit
        // follows the clock (a resume, a new speed).
        std::unique_lock<std::mutex> lock(m_inFlight->mutex);
        m_inFlight->released.wait_for(lock, std::chrono::milliseconds(paused ? 10 : qMin<qint64>(d, 10)),
                                      [this] { return hasRoom() || m_stop || m_interrupt; });
    }
}

bool VideoDecode::waitUntilDue(qint64 ptsMs)
{
    if (!m_paced || !m_clock)
        return true;
    for (;;) {
        if (m_stop || m_interrupt)
            return false;
        const qint64 d = m_clock->delayFor(ptsMs);
        if (d <= 0)
            return true;
        if (m_clock->paused())
            snapshotFromLast();
        QThread::msleep(ulong(qMin<qint64>(d, 10)));
    }
}

void VideoDecode::snapshotFromLast()
{
    QString path;
    if (!m_lastFrame || !m_snapshot || !m_snapshot->pending() || !m_snapshot->take(path))
        return;
    const bool ok = player::saveFrameAsJpeg(m_lastFrame.get(), path);
    emit snapshotDone(ok, path);
}

AVFrame *VideoDecode::toYuv420(AVFrame *frame)
{
    if (frame->format == AV_PIX_FMT_YUV420P || frame->format == AV_PIX_FMT_YUVJ420P)
        return av_frame_clone(frame);
    AVFrame *out = av_frame_alloc();
    out->format = AV_PIX_FMT_YUV420P;
    out->width = frame->width;
    out->height = frame->height;
    if (av_frame_get_buffer(out, 0) < 0) {
        av_frame_free(&out);
        return nullptr;
    }
    m_sws = sws_getCachedContext(m_sws, frame->width, frame->height, AVPixelFormat(frame->format), out->width,
                                 out->height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!m_sws) {
        av_frame_free(&out);
        return nullptr;
    }
    sws_scale(m_sws, frame->data, frame->linesize, 0, frame->height, out->data, out->linesize);
    av_frame_copy_props(out, frame);
    return out;
}

void VideoDecode::handleFrame(AVFrame *frame)
{
    ++m_decoded;
    AVFrame *sw = frame;
    AVFrame *transferred = nullptr;
    if (frame->format == AV_PIX_FMT_VAAPI) {
        transferred = av_frame_alloc();
        if (av_hwframe_transfer_data(transferred, frame, 0) < 0) {
            av_frame_free(&transferred);
            return;
        }
        av_frame_copy_props(transferred, frame);
        sw = transferred;
    }
    int64_t ts = frame->best_effort_timestamp;
    if (ts == AV_NOPTS_VALUE)
        ts = frame->pts;
    const qint64 ptsMs = ts == AV_NOPTS_VALUE ? 0 : av_rescale_q(ts, m_tb, AVRational{1, 1000});
    const qint64 posMs = ptsMs - m_startMs;

    if (m_dropUntilMs >= 0) {
        if (posMs + 1 < m_dropUntilMs) {
            av_frame_free(&transferred);
            return;
        }
        m_dropUntilMs = -1;
    }
    if (m_beforePacing)
        m_beforePacing(posMs);
    // Made ready while the picture waits for its time. A receiver that still
    // holds too many pictures (a busy GUI) gets none instead of a pile; but
    // a recorded picture has its whole interval to find room: its
    // predecessor, still on its way to the GUI thread, is usually taken well
    // before then.
    AVFrame *out = nullptr;
    if (m_render) {
        if (!hasRoom() && m_paced && m_clock && !waitForRoom(ptsMs)) {
            av_frame_free(&transferred);
            return;
        }
        out = hasRoom() ? toYuv420(sw) : nullptr;
    }
    if (out)
        prepareImage(out);
    if (!waitUntilDue(ptsMs)) {
        av_frame_free(&out);
        av_frame_free(&transferred);
        return;
    }
    QString snapPath;
    const bool snap = m_snapshot && m_snapshot->take(snapPath);
    if (snap) {
        const bool ok = player::saveFrameAsJpeg(sw, snapPath);
        emit snapshotDone(ok, snapPath);
    }
    if (out) {
        // Shares the buffers of the picture handed out (not its pane image):
        // a skipped picture is not what the pane shows, and keeping it would
        // hold one more buffer of the pool.
        m_lastFrame = player::refFrame(out);
        if (m_lastFrame)
            av_buffer_unref(&m_lastFrame->opaque_ref);
        auto counter = m_inFlight;
        counter->count.fetch_add(1);
        AVFramePtr ptr(out, [counter](AVFrame *f) {
            av_frame_free(&f);
            counter->count.fetch_sub(1);
            counter->wake();
        });
        ++m_shown;
        emit frameReady(ptr, posMs);
    } else if (!m_render) {
        m_lastFrame = player::refFrame(sw);
        ++m_shown;
        emit frameReady(AVFramePtr(), posMs);
    }
    av_frame_free(&transferred);
}

void VideoDecode::prepareImage(AVFrame *frame)
{
    if (!m_viewSize)
        return;
    const QSize size(m_viewSize->width(), m_viewSize->height());
    if (size.isEmpty())
        return;
    // An image no one holds any more (its picture was painted and let go) is
    // filled again rather than a new one allocated for each picture. Taken
    // out of the list while it is filled: a second holder would make the
    // writes copy it.
    QImage image;
    const auto reusable = std::find_if(m_images.begin(), m_images.end(),
                                       [&size](const QImage &old) { return old.size() == size && old.isDetached(); });
    if (reusable != m_images.end()) {
        image = std::move(*reusable);
        m_images.erase(reusable);
    } else {
        image = YuvScaler::makeImage(size);
    }
    if (image.isNull() || !m_scaler.convert(frame, image))
        return;
    YuvScaler::attach(frame, image);
    m_images.erase(
        std::remove_if(m_images.begin(), m_images.end(), [&size](const QImage &old) { return old.size() != size; }),
        m_images.end());
    if (m_images.size() < 3)
        m_images.push_back(image);
}

void VideoDecode::run()
{
    ThreadStack::install();
    if (!m_ctx)
        return;
    AVFrame *frame = av_frame_alloc();
    bool atEof = false;
    m_drained = false;
    while (!m_stop) {
        player::QueueItem item;
        if (!m_queue.pop(item, 50)) {
            snapshotFromLast();
            continue;
        }
        if (item.kind == player::QueueItem::Flush) {
            avcodec_flush_buffers(m_ctx);
            m_lastFrame.reset();
            m_dropUntilMs = item.seekTargetMs;
            m_interrupt = false;
            atEof = false;
            m_drained = false;
            m_flushTaken = item.flushId; // after m_drained: see drained()
            continue;
        }
        if (atEof)
            continue; // nothing is decoded after the end until a flush
        const AVPacket *pkt = item.kind == player::QueueItem::Eof ? nullptr : item.pkt.get();
        auto receiveAll = [&] {
            while (!m_stop && avcodec_receive_frame(m_ctx, frame) >= 0) {
                handleFrame(frame);
                av_frame_unref(frame);
            }
        };
        int ret = avcodec_send_packet(m_ctx, pkt);
        // A decoder holding finished pictures refuses input until they are
        // taken: take them and hand in the same packet again.
        for (int tries = 0; ret == AVERROR(EAGAIN) && tries < 8 && !m_stop; ++tries) {
            receiveAll();
            ret = avcodec_send_packet(m_ctx, pkt);
        }
        if (ret < 0 && ret != AVERROR_EOF && pkt)
            continue; // a damaged packet: the next key frame recovers
        receiveAll();
        if (!pkt) {
            atEof = true;
            m_drained = true;
            emit endOfStream();
        }
    }
    av_frame_free(&frame);
    m_lastFrame.reset();
}
