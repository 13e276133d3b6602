#include "PlayerCommon.h"
#include "Platform.h"

#include "YuvScaler.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

#include <chrono>
#include <cstdarg>
#include <mutex>

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace player {

AVFramePtr makeFramePtr(AVFrame *frame)
{
    return AVFramePtr(frame, [](AVFrame *f) { av_frame_free(&f); });
}

AVFramePtr refFrame(const AVFrame *frame)
{
    if (!frame)
        return {};
    AVFrame *copy = av_frame_clone(frame);
    if (!copy)
        return {};
    return makeFramePtr(copy);
}

void registerMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<std::shared_ptr<AVFrame>>("std::shared_ptr<AVFrame>");
        qRegisterMetaType<std::shared_ptr<AVFrame>>("AVFramePtr");
    });
}

QString ffmpegLogText(const QByteArray &said)
{
    QString text = QString::fromUtf8(said).trimmed();
    // Only the line's own characters: no terminal controls reach the file.
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    static const QRegularExpression credentials(QStringLiteral("([A-Za-z][A-Za-z0-9+.-]*://)[^/\\s@]+@"));
    text.replace(credentials, QStringLiteral("\\1********@"));
    if (text.size() > MaxFFmpegLogLine)
        text = text.left(MaxFFmpegLogLine - 3) + QStringLiteral("...");
    return text;
}

namespace {

void logFFmpegLine(int level, const QByteArray &said)
{
    const QString text = ffmpegLogText(said);
    if (text.isEmpty())
        return;
    if (level <= AV_LOG_ERROR)
        qCritical().noquote() << "FFmpeg:" << text;
    else
        qWarning().noquote() << "FFmpeg:" << text;
}

extern "C" void onFFmpegLog(void *object, int level, const char *format, va_list arguments)
{
    if (level > AV_LOG_WARNING)
        return;
    // FFmpeg may say a line in pieces, from many threads at once: each
    // thread gathers its own until the line ends.
    thread_local QByteArray line;
    thread_local int linePrefix = 1;
    thread_local int lineLevel = AV_LOG_WARNING;
    char piece[MaxFFmpegLogLine + 64];
    const int length = av_log_format_line2(object, level, format, arguments, piece, int(sizeof piece), &linePrefix);
    if (length < 0)
        return;
    line.append(piece, int(qstrlen(piece)));
    lineLevel = qMin(lineLevel, level);
    if (!line.endsWith('\n') && line.size() < MaxFFmpegLogLine)
        return;
    logFFmpegLine(lineLevel, line);
    line.clear();
    lineLevel = AV_LOG_WARNING;
    linePrefix = 1;
}

} // namespace

void routeFFmpegLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        av_log_set_level(AV_LOG_WARNING);
        av_log_set_callback(onFFmpegLog);
    });
}

bool isLiveUrl(const QString &url)
{
    return url.startsWith(QLatin1String("rtsp://"), Qt::CaseInsensitive);
}

QString maskUrl(const QString &url)
{
    // Credentials typed by an operator may hold a raw '/' or '@', so the user
    // part ends at the last '@' that is followed by a host[:port] and a path;
    // an '@' further along the path is no sign of credentials.
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*://"));
    static const QRegularExpression host(QStringLiteral("^[A-Za-z0-9.\\-\\[\\]:]+$"));
    const QRegularExpressionMatch m = scheme.match(url);
    if (!m.hasMatch())
        return url;
    const int rest = m.capturedEnd();
    for (int at = url.lastIndexOf(QLatin1Char('@')); at > rest; at = url.lastIndexOf(QLatin1Char('@'), at - 1)) {
        const int slash = url.indexOf(QLatin1Char('/'), at + 1);
        if (slash >= 0 && host.match(url.mid(at + 1, slash - at - 1)).hasMatch())
            return url.left(rest) + QStringLiteral("********") + url.mid(at);
    }
    // An address without a path: only the plain user:password form.
    const int at = url.indexOf(QLatin1Char('@'), rest);
    if (at > rest && url.indexOf(QLatin1Char('/'), rest) < 0)
        return url.left(rest) + QStringLiteral("********") + url.mid(at);
    return url;
}

QString ffErrorText(int err)
{
    char buf[AV_ERROR_MAX_STRING_SIZE] = {0};
    av_strerror(err, buf, sizeof buf);
    return QString::fromUtf8(buf);
}

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void IoInterrupt::arm(int ms)
{
    armAt(nowMs() + ms);
}

int IoInterrupt::callback(void *opaque)
{
    auto *self = static_cast<IoInterrupt *>(opaque);
    if (!self)
        return 0;
    if (self->stop && self->stop->load())
        return 1;
    const qint64 deadline = self->deadlineMs.load();
    if (deadline > 0 && nowMs() > deadline) {
        self->expired = true;
        return 1;
    }
    return 0;
}

int openInput(AVFormatContext **ctx, const QString &url, IoInterrupt *irq, int openTimeoutMs, bool smallProbe)
{
    AVFormatContext *fmt = avformat_alloc_context();
    if (!fmt)
        return AVERROR(ENOMEM);
    fmt->interrupt_callback.callback = &IoInterrupt::callback;
    fmt->interrupt_callback.opaque = irq;
    AVDictionary *opts = nullptr;
    const bool live = isLiveUrl(url);
    if (live) {
        av_dict_set(&opts, "rtsp_transport", "tcp", 0);
        // Socket I/O limit in microseconds.
        av_dict_set(&opts, "timeout", QByteArray::number(qint64(openTimeoutMs) * 1000).constData(), 0);
        if (smallProbe) {
            // The session description already carries the parameter sets;
            // probing further only delays the first picture. ("nobuffer"
            // would make the probe throw away what it read: a second more.)
            av_dict_set(&opts, "probesize", "32", 0);
            av_dict_set(&opts, "analyzeduration", "0", 0);
        } else {
            av_dict_set(&opts, "probesize", "500000", 0);
            av_dict_set(&opts, "analyzeduration", "1000000", 0);
        }
    }
    if (irq)
        irq->arm(openTimeoutMs);
    int ret = avformat_open_input(&fmt, url.toUtf8().constData(), nullptr, &opts);
    av_dict_free(&opts);
    if (ret < 0) {
        if (irq)
            irq->disarm();
        *ctx = nullptr; // avformat_open_input frees the context on failure
        return ret;
    }
    if (irq)
        irq->arm(openTimeoutMs);
    ret = avformat_find_stream_info(fmt, nullptr);
    if (irq)
        irq->disarm();
    if (ret < 0) {
        avformat_close_input(&fmt);
        *ctx = nullptr;
        return ret;
    }
    *ctx = fmt;
    return 0;
}

PacketPtr clonePacket(const AVPacket *p)
{
    return PacketPtr(p ? av_packet_clone(p) : nullptr);
}

bool PacketQueue::push(QueueItem &&item, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    auto ready = [this] { return m_aborted || m_items.size() < m_capacity; };
    if (timeoutMs < 0)
        m_cond.wait(lock, ready);
    else if (!m_cond.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return false;
    if (m_aborted)
        return false;
    m_items.push_back(std::move(item));
    m_cond.notify_all();
    return true;
}

void PacketQueue::pushForce(QueueItem item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_aborted)
        return;
    m_items.push_back(std::move(item));
    m_cond.notify_all();
}

bool PacketQueue::pop(QueueItem &out, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_cond.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_aborted || !m_items.empty(); }))
        return false;
    if (m_aborted || m_items.empty())
        return false;
    out = std::move(m_items.front());
    m_items.pop_front();
    m_cond.notify_all();
    return true;
}

void PacketQueue::clear()
{
    std::deque<QueueItem> old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        old.swap(m_items);
        m_cond.notify_all();
    }
}

void PacketQueue::abort()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aborted = true;
    m_items.clear();
    m_cond.notify_all();
}

void PacketQueue::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_aborted = false;
    m_items.clear();
}

size_t PacketQueue::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_items.size();
}

bool PacketQueue::aborted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_aborted;
}

void PacketQueue::setCapacity(size_t capacity)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_capacity = qMax<size_t>(1, capacity);
    m_cond.notify_all();
}

void PlayClock::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_anchored = false;
}

qint64 PlayClock::positionLocked(qint64 now) const
{
    if (!m_anchored)
        return m_pausedPos;
    if (m_paused)
        return m_pausedPos;
    return m_basePts + qint64((now - m_baseWall) * m_speed);
}

qint64 PlayClock::delayFor(qint64 ptsMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const qint64 now = nowMs();
    if (!m_anchored) {
        m_anchored = true;
        m_basePts = ptsMs;
        m_baseWall = now;
        m_pausedPos = ptsMs;
        return m_paused ? 1 : 0;
    }
    if (m_paused)
        return 1;
    const qint64 due = m_baseWall + qint64((ptsMs - m_basePts) / m_speed);
    // A jump far ahead or behind (timestamp discontinuity) re-anchors instead
    // of stalling or racing.
    if (due - now > m_maxAhead || now - due > 5000) {
        m_basePts = ptsMs;
        m_baseWall = now;
        return 0;
    }
    return due - now;
}

void PlayClock::setSpeed(double speed)
{
    if (speed <= 0)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    const qint64 now = nowMs();
    if (m_anchored && !m_paused) {
        m_basePts = positionLocked(now);
        m_baseWall = now;
    }
    m_speed = speed;
}

double PlayClock::speed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_speed;
}

void PlayClock::setPaused(bool paused)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (paused == m_paused)
        return;
    const qint64 now = nowMs();
    if (paused) {
        m_pausedPos = positionLocked(now);
    } else {
        m_basePts = m_pausedPos;
        m_baseWall = now;
    }
    m_paused = paused;
}

void PlayClock::setMaxAheadMs(qint64 ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_maxAhead = qMax<qint64>(1, ms);
}

bool PlayClock::paused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_paused;
}

qint64 PlayClock::positionMs() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return positionLocked(nowMs());
}

bool saveFrameAsJpeg(const AVFrame *frame, const QString &path)
{
    if (!frame || frame->width <= 0 || frame->height <= 0 || path.isEmpty())
        return false;
    SwsContext *sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                     frame->height, AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!sws)
        return false;
    // Rows padded for swscale's vector code, which writes past a tight row.
    QImage image = YuvScaler::makeImage(QSize(frame->width, frame->height), QImage::Format_RGB888);
    if (image.isNull()) {
        sws_freeContext(sws);
        return false;
    }
    uint8_t *dst[4] = {image.bits(), nullptr, nullptr, nullptr};
    int dstStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(sws, frame->data, frame->linesize, 0, frame->height, dst, dstStride);
    sws_freeContext(sws);
    if (!Platform::makePrivateDir(QFileInfo(path).absolutePath()))
        return false;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG", 90))
        return false;
    QString error;
    if (!Platform::writeWholeFile(path, jpeg, &error)) {
        qWarning() << "snapshot not saved:" << path << error;
        return false;
    }
    return true;
}

} // namespace player
