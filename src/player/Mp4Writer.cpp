#include "Mp4Writer.h"

#include "PlayerCommon.h"
#include "Platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

Mp4Writer::~Mp4Writer()
{
    close();
}

bool Mp4Writer::open(const QString &path, const AVCodecParameters *par, AVRational inTimeBase, bool fragmented)
{
    close();
    m_error.clear();
    if (!par || path.isEmpty())
        return false;
    // Footage is the operator's alone: the file exists user-only before
    // FFmpeg opens it, and keeps that mode while it is written.
    if (!Platform::makePrivateDir(QFileInfo(path).absolutePath()) || !Platform::makePrivateFile(path)) {
        m_error = QString::fromLocal8Bit(::strerror(errno));
        qWarning() << "mp4 writer: cannot create" << path << m_error;
        return false;
    }
    m_path = path;
    m_inTb = inTimeBase;
    m_first = AV_NOPTS_VALUE;
    m_lastDts = AV_NOPTS_VALUE;
    m_prevIn = AV_NOPTS_VALUE;
    m_lastStep = av_rescale_q(40, AVRational{1, 1000}, inTimeBase);
    m_packets = 0;
    const QByteArray file = path.toUtf8();
    int ret = avformat_alloc_output_context2(&m_ctx, nullptr, "mp4", file.constData());
    if (ret < 0 || !m_ctx) {
        m_error = player::ffErrorText(ret);
        qWarning() << "mp4 writer: no muxer" << m_error;
        m_ctx = nullptr;
        return false;
    }
    m_stream = avformat_new_stream(m_ctx, nullptr);
    if (!m_stream || avcodec_parameters_copy(m_stream->codecpar, par) < 0) {
        m_error = player::ffErrorText(AVERROR(ENOMEM));
        close();
        return false;
    }
    m_stream->codecpar->codec_tag = 0;
    m_stream->time_base = AVRational{1, 90000};
    ret = avio_open(&m_ctx->pb, file.constData(), AVIO_FLAG_WRITE);
    if (ret < 0) {
        m_error = player::ffErrorText(ret);
        qWarning() << "mp4 writer: cannot create" << path << m_error;
        close();
        return false;
    }
    AVDictionary *opts = nullptr;
    // Each finished fragment goes to disk at once, so a crash loses at most
    // the fragment being built.
    if (fragmented)
        m_ctx->flush_packets = 1;
    if (fragmented)
        av_dict_set(&opts, "movflags", "+frag_keyframe+empty_moov+default_base_moof", 0);
    ret = avformat_write_header(m_ctx, &opts);
    av_dict_free(&opts);
    if (ret < 0) {
        m_error = player::ffErrorText(ret);
        qWarning() << "mp4 writer: header failed" << path << m_error;
        close();
        return false;
    }
    m_headerWritten = true;
    return true;
}

bool Mp4Writer::write(const AVPacket *pkt)
{
    if (!m_ctx || !pkt || pkt->size <= 0 || !m_error.isEmpty())
        return false;
    AVPacket *out = av_packet_clone(pkt);
    if (!out)
        return false;
    int64_t pts = out->pts, dts = out->dts;
    if (dts == AV_NOPTS_VALUE)
        dts = pts;
    if (pts == AV_NOPTS_VALUE)
        pts = dts;
    if (dts == AV_NOPTS_VALUE) {
        // No time at all: one tick after the previous packet.
        dts = pts = 0;
    }
    if (m_first == AV_NOPTS_VALUE)
        m_first = dts;
    // A jump in the source's clock (RTCP sync of a live session, a device
    // restarting its counter) would leave a hole or a step back in the file:
    // continue at the usual frame spacing instead.
    if (m_prevIn != AV_NOPTS_VALUE) {
        const int64_t step = dts - m_prevIn;
        const int64_t limit = av_rescale_q(2000, AVRational{1, 1000}, m_inTb);
        if (step < 0 || step > limit)
            m_first += step - m_lastStep;
        else if (step > 0)
            m_lastStep = step;
    }
    m_prevIn = dts;
    dts = av_rescale_q(dts - m_first, m_inTb, m_stream->time_base);
    pts = av_rescale_q(pts - m_first, m_inTb, m_stream->time_base);
    if (m_lastDts != AV_NOPTS_VALUE && dts <= m_lastDts)
        dts = m_lastDts + 1;
    if (pts < dts)
        pts = dts;
    out->dts = dts;
    out->pts = pts;
    out->duration = av_rescale_q(out->duration, m_inTb, m_stream->time_base);
    out->stream_index = m_stream->index;
    out->pos = -1;
    m_lastDts = dts;
    const int ret = av_write_frame(m_ctx, out);
    av_packet_free(&out);
    if (ret < 0) {
        m_error = player::ffErrorText(ret);
        qWarning() << "mp4 writer: write failed" << m_path << m_error;
        return false;
    }
    ++m_packets;
    return true;
}

qint64 Mp4Writer::lastMs() const
{
    if (!m_stream || m_lastDts == AV_NOPTS_VALUE)
        return 0;
    return av_rescale_q(m_lastDts, m_stream->time_base, AVRational{1, 1000});
}

bool Mp4Writer::close()
{
    if (!m_ctx)
        return false;
    const auto failed = [this](int ret) {
        if (m_error.isEmpty())
            m_error = player::ffErrorText(ret);
    };
    if (m_headerWritten && m_error.isEmpty()) {
        const int ret = av_write_trailer(m_ctx);
        if (ret < 0)
            failed(ret);
    }
    if (m_ctx->pb) {
        avio_flush(m_ctx->pb);
        if (m_ctx->pb->error < 0)
            failed(m_ctx->pb->error);
        const int ret = avio_closep(&m_ctx->pb);
        if (ret < 0)
            failed(ret);
    }
    avformat_free_context(m_ctx);
    m_ctx = nullptr;
    m_stream = nullptr;
    if (m_headerWritten && m_error.isEmpty()) {
        // What the file system still holds in memory may fail on its way to
        // the disk; the file is whole only once it is there.
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0 || ::fsync(fd) != 0)
            m_error = QString::fromLocal8Bit(::strerror(errno));
        if (fd >= 0)
            ::close(fd);
    }
    m_headerWritten = false;
    if (!m_error.isEmpty())
        qWarning() << "mp4 writer: not written whole" << m_path << m_error;
    return m_error.isEmpty();
}
