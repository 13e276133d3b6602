#include "VideoRecord.h"

#include "Platform.h"
#include "PlayerParam.h"
#include "ThreadStack.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>

#include <algorithm>
#include <limits>

VideoRecord::VideoRecord(PlayerParam *param, QObject *parent)
    : QThread(parent)
    , m_param(param)
{
}

VideoRecord::~VideoRecord()
{
    stopRecord();
    wait();
}

void VideoRecord::setVideoCodec(bool h265)
{
    m_h265 = h265;
    if (m_param)
        m_param->h265 = h265;
}

void VideoRecord::startRecord(const QString &path, bool flag)
{
    Q_UNUSED(flag)
    auto d = std::make_shared<Download>();
    if (path.contains(QLatin1String(".mp4"), Qt::CaseInsensitive))
        d->path = path;
    else
        d->path = QDir(path).filePath(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"))
                                      + QStringLiteral(".mp4"));
    bool exiting = false;
    {
        QMutexLocker lock(&m_mutex);
        d->rangeStart = m_rangeStart;
        d->rangeEnd = m_rangeEnd;
        if (!m_downloads.empty())
            m_downloads.back()->stop = true;
        m_downloads.push_back(d);
        exiting = m_exiting;
        m_cond.notify_all();
    }
    // A thread that already found nothing to do is about to return; start()
    // would take it for running and do nothing. It is past every lock, so
    // this wait is short.
    if (exiting)
        wait();
    if (m_param)
        m_param->reset();
}

void VideoRecord::setRange(qint64 startMs, qint64 endMs)
{
    QMutexLocker lock(&m_mutex);
    m_rangeStart = startMs;
    m_rangeEnd = endMs;
}

QString VideoRecord::filePath() const
{
    QMutexLocker lock(&m_mutex);
    return m_downloads.empty() ? QString() : m_downloads.back()->path;
}

void VideoRecord::appendVideo(const char *data, int size, qint64 timeMs, bool keyFrame)
{
    if (!data || size <= 0)
        return;
    QMutexLocker lock(&m_mutex);
    // Frames after the end of a download belong to none.
    if (m_downloads.empty() || m_downloads.back()->stop)
        return;
    m_downloads.back()->queue.push_back(Item{QByteArray(data, size), timeMs, keyFrame});
    m_cond.notify_all();
}

int VideoRecord::queueSize() const
{
    QMutexLocker lock(&m_mutex);
    size_t n = 0;
    for (const auto &d : m_downloads)
        n += d->queue.size();
    return int(n);
}

bool VideoRecord::stopRecord()
{
    QMutexLocker lock(&m_mutex);
    if (!m_downloads.empty())
        m_downloads.back()->stop = true;
    m_cond.notify_all();
    return true;
}

bool VideoRecord::parseKeyFrame(const QByteArray &frame, bool h265, QByteArray &extradata, int &width, int &height)
{
    extradata.clear();
    const auto *p = reinterpret_cast<const uint8_t *>(frame.constData());
    const int n = frame.size();
    // Split at start codes and keep the parameter-set NAL units.
    std::vector<std::pair<int, int>> nals; // offset of header, start-code offset
    for (int i = 0; i + 3 <= n;) {
        if (p[i] == 0 && p[i + 1] == 0 && p[i + 2] == 1) {
            nals.push_back({i + 3, (i > 0 && p[i - 1] == 0) ? i - 1 : i});
            i += 3;
        } else {
            ++i;
        }
    }
    for (size_t k = 0; k < nals.size(); ++k) {
        const int hdr = nals[k].first;
        const int end = k + 1 < nals.size() ? nals[k + 1].second : n;
        if (hdr >= n)
            continue;
        const int type = h265 ? (p[hdr] >> 1) & 0x3f : p[hdr] & 0x1f;
        const bool ps = h265 ? (type >= 32 && type <= 34) : (type == 7 || type == 8);
        if (ps) {
            extradata.append("\x00\x00\x00\x01", 4);
            extradata.append(reinterpret_cast<const char *>(p + hdr), end - hdr);
        }
    }
    if (extradata.isEmpty())
        return false;
    width = height = 0;
    const AVCodecID id = h265 ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264;
    AVCodecParserContext *parser = av_parser_init(id);
    const AVCodec *codec = avcodec_find_decoder(id);
    AVCodecContext *ctx = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (parser && ctx) {
        QByteArray padded = frame;
        padded.append(QByteArray(AV_INPUT_BUFFER_PADDING_SIZE, 0));
        uint8_t *out = nullptr;
        int outSize = 0;
        av_parser_parse2(parser, ctx, &out, &outSize, reinterpret_cast<const uint8_t *>(padded.constData()),
                         frame.size(), AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
        // Flush so a single frame is parsed completely.
        av_parser_parse2(parser, ctx, &out, &outSize, nullptr, 0, AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
        width = parser->width > 0 ? parser->width : ctx->width;
        height = parser->height > 0 ? parser->height : ctx->height;
    }
    av_parser_close(parser);
    avcodec_free_context(&ctx);
    return true;
}

void VideoRecord::run()
{
    ThreadStack::install();
    for (;;) {
        std::shared_ptr<Download> d;
        {
            QMutexLocker lock(&m_mutex);
            m_exiting = m_downloads.empty();
            if (m_exiting)
                return;
            d = m_downloads.front();
        }
        m_written = 0;
        const bool ok = writeDownload(*d);
        {
            QMutexLocker lock(&m_mutex);
            m_downloads.pop_front();
        }
        qInfo() << "download written" << d->path << (ok ? "ok" : "failed") << m_written.load() << "frames" << d->error;
        if (!ok)
            emit recordFailed(d->path, d->error);
        emit recordFinished(ok, d->path);
        // The frames it queued and the writer's buffers are gone with it.
        d.reset();
        Platform::returnFreedMemory();
    }
}

bool VideoRecord::writeDownload(Download &d)
{
    Mp4Writer writer;
    bool ok = true;
    bool opened = false;
    const bool bounded = d.rangeEnd > d.rangeStart;
    // One group of pictures, from a key frame up to the next one, in the
    // order it came (decode order).
    std::vector<Item> group;
    bool inGroup = false; // a key frame was seen: what follows decodes
    bool past = false;    // a group began at or after the range end
    qint64 shift = 0;     // how far decode times run ahead of presentation
    qint64 lastDts = std::numeric_limits<qint64>::min();
    qint64 lastStep = 40;

    const auto open = [&](const Item &key) -> bool {
        QByteArray extra;
        int w = 0, h = 0;
        parseKeyFrame(key.data, m_h265, extra, w, h);
        AVCodecParameters *par = avcodec_parameters_alloc();
        par->codec_type = AVMEDIA_TYPE_VIDEO;
        par->codec_id = m_h265 ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264;
        par->width = w;
        par->height = h;
        par->extradata = static_cast<uint8_t *>(av_mallocz(size_t(extra.size()) + AV_INPUT_BUFFER_PADDING_SIZE));
        memcpy(par->extradata, extra.constData(), size_t(extra.size()));
        par->extradata_size = extra.size();
        opened = writer.open(d.path, par, AVRational{1, 1000}, true);
        avcodec_parameters_free(&par);
        if (opened && m_param) {
            QMutexLocker lock(&m_param->mutex);
            m_param->width = w;
            m_param->height = h;
            m_param->extradata = extra;
        }
        return opened;
    };

    // Writes the group held; nextKeyMs is the time of the key frame that
    // follows it (-1: none known).
    const auto writeGroup = [&](qint64 nextKeyMs) -> bool {
        std::vector<Item> kept;
        kept.swap(group);
        // A whole group shown before the range start is not needed: the next
        // key frame already lies at or before it.
        if (bounded && nextKeyMs >= 0 && nextKeyMs <= d.rangeStart)
            return true;
        if (bounded) {
            // Past the end only what an earlier-shown frame still needs to
            // decode (it comes before that frame in decode order).
            std::vector<Item> inRange;
            qint64 laterMin = std::numeric_limits<qint64>::max();
            std::vector<bool> keep(kept.size());
            for (size_t i = kept.size(); i-- > 0;) {
                keep[i] = kept[i].timeMs < d.rangeEnd || laterMin < qMin(kept[i].timeMs, d.rangeEnd);
                if (keep[i])
                    laterMin = qMin(laterMin, kept[i].timeMs);
            }
            for (size_t i = 0; i < kept.size(); ++i)
                if (keep[i])
                    inRange.push_back(std::move(kept[i]));
            kept.swap(inRange);
        }
        if (kept.empty())
            return true;
        if (!opened) {
            // Nothing decodes before a key frame that carries its parameter sets.
            QByteArray extra;
            int w = 0, h = 0;
            if (!kept.front().key || !parseKeyFrame(kept.front().data, m_h265, extra, w, h))
                return true;
            if (!open(kept.front()))
                return false;
        }
        // Decode times: the presentation times in ascending order, moved back
        // until no frame is decoded after it is shown.
        std::vector<qint64> sorted;
        sorted.reserve(kept.size());
        for (const Item &it : kept)
            sorted.push_back(it.timeMs);
        std::sort(sorted.begin(), sorted.end());
        for (size_t i = 0; i < kept.size(); ++i)
            shift = qMax(shift, sorted[i] - kept[i].timeMs);
        for (size_t i = 0; i < kept.size(); ++i) {
            const Item &it = kept[i];
            qint64 dts = sorted[i] - shift;
            if (dts <= lastDts)
                dts = lastDts + 1;
            lastDts = dts;
            // Shown until the next picture in presentation order.
            const auto next = std::upper_bound(sorted.begin(), sorted.end(), it.timeMs);
            qint64 duration = lastStep;
            if (next != sorted.end())
                duration = *next - it.timeMs;
            else if (nextKeyMs > it.timeMs)
                duration = nextKeyMs - it.timeMs;
            if (bounded && it.timeMs < d.rangeEnd && it.timeMs + duration > d.rangeEnd)
                duration = d.rangeEnd - it.timeMs;
            if (next != sorted.end() && duration > 0)
                lastStep = duration;
            AVPacket *pkt = av_packet_alloc();
            if (av_new_packet(pkt, it.data.size()) == 0) {
                memcpy(pkt->data, it.data.constData(), size_t(it.data.size()));
                pkt->pts = it.timeMs;
                pkt->dts = dts;
                pkt->duration = qMax<qint64>(1, duration);
                if (it.key)
                    pkt->flags |= AV_PKT_FLAG_KEY;
                if (writer.write(pkt))
                    ++m_written;
            }
            av_packet_free(&pkt);
        }
        return true;
    };

    for (;;) {
        Item item;
        {
            QMutexLocker lock(&m_mutex);
            if (d.queue.empty()) {
                if (d.stop)
                    break;
                m_cond.wait_for(m_mutex, std::chrono::milliseconds(50));
                continue;
            }
            item = std::move(d.queue.front());
            d.queue.pop_front();
        }
        if (past)
            continue; // drained: the recorder may send beyond the range
        if (item.key) {
            if (inGroup && !writeGroup(item.timeMs)) {
                ok = false;
                break;
            }
            inGroup = true;
            if (bounded && item.timeMs >= d.rangeEnd) {
                past = true;
                continue;
            }
        } else if (!inGroup) {
            continue; // nothing before the first key frame can be decoded
        }
        group.push_back(std::move(item));
        if (group.size() >= MaxGroupFrames && !writeGroup(-1)) {
            ok = false;
            break;
        }
    }
    if (ok && !group.empty() && !writeGroup(-1))
        ok = false;
    {
        QMutexLocker lock(&m_mutex);
        d.queue.clear(); // a file that could not be opened takes nothing more
    }
    const bool whole = opened && writer.close() && ok;
    d.error = writer.errorString();
    return whole;
}
