#include "VideoRecord.h"

#include "PlayerParam.h"
#include "ThreadStack.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>

VideoRecord::VideoRecord(PlayerParam *param, QObject *parent) : QThread(parent), m_param(param) {}

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
    std::vector<std::pair<int, int>> nals;  // offset of header, start-code offset
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
        qInfo() << "download written" << d->path << (ok ? "ok" : "failed") << m_written.load() << "frames";
        emit recordFinished(ok, d->path);
    }
}

bool VideoRecord::writeDownload(Download &d)
{
    Mp4Writer writer;
    bool ok = true;
    bool opened = false;
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
        if (!opened) {
            QByteArray extra;
            int w = 0, h = 0;
            if (!item.key || !parseKeyFrame(item.data, m_h265, extra, w, h))
                continue;  // nothing before the first key frame can be decoded
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
            if (!opened) {
                ok = false;
                break;
            }
            if (m_param) {
                QMutexLocker lock(&m_param->mutex);
                m_param->width = w;
                m_param->height = h;
                m_param->extradata = extra;
            }
        }
        AVPacket *pkt = av_packet_alloc();
        if (av_new_packet(pkt, item.data.size()) == 0) {
            memcpy(pkt->data, item.data.constData(), size_t(item.data.size()));
            pkt->pts = pkt->dts = item.timeMs;
            if (item.key)
                pkt->flags |= AV_PKT_FLAG_KEY;
            if (writer.write(pkt))
                ++m_written;
        }
        av_packet_free(&pkt);
    }
    {
        QMutexLocker lock(&m_mutex);
        d.queue.clear();  // a file that could not be opened takes nothing more
    }
    return opened ? writer.close() && ok : false;
}
