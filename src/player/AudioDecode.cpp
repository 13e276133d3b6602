#include "AudioDecode.h"
#include "ThreadStack.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDebug>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

AudioDecode::AudioDecode(QObject *parent)
    : QThread(parent)
{
}

AudioDecode::~AudioDecode()
{
    requestStop();
    wait();
    avcodec_free_context(&m_ctx);
    swr_free(&m_swr);
}

bool AudioDecode::open(const AVCodecParameters *par, AVRational timeBase)
{
    avcodec_free_context(&m_ctx);
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    if (!codec)
        return false;
    m_ctx = avcodec_alloc_context3(codec);
    if (!m_ctx || avcodec_parameters_to_context(m_ctx, par) < 0 || avcodec_open2(m_ctx, codec, nullptr) < 0) {
        avcodec_free_context(&m_ctx);
        return false;
    }
    m_ctx->pkt_timebase = timeBase;
    m_tb = timeBase;
    return true;
}

void AudioDecode::requestStop()
{
    m_stop = true;
    m_interrupt = true;
    m_queue.abort();
}

void AudioDecode::startOutput()
{
    const QAudioDeviceInfo dev = QAudioDeviceInfo::defaultOutputDevice();
    int channels = m_ctx->ch_layout.nb_channels > 0 ? qMin(m_ctx->ch_layout.nb_channels, 2) : 1;
    int rate = m_ctx->sample_rate > 0 ? m_ctx->sample_rate : 8000;
    if (dev.isNull()) {
        qInfo() << "no audio output device, audio is skipped";
        m_outRate = rate;
        m_outChannels = channels;
        return;
    }
    QAudioFormat fmt;
    fmt.setSampleRate(rate);
    fmt.setChannelCount(channels);
    fmt.setSampleSize(16);
    fmt.setSampleType(QAudioFormat::SignedInt);
    fmt.setByteOrder(QAudioFormat::LittleEndian);
    fmt.setCodec(QStringLiteral("audio/pcm"));
    if (!dev.isFormatSupported(fmt)) {
        fmt = dev.nearestFormat(fmt);
        if (fmt.sampleSize() != 16 || fmt.sampleType() != QAudioFormat::SignedInt) {
            qInfo() << "audio output cannot take 16-bit PCM, audio is skipped";
            m_outRate = rate;
            m_outChannels = channels;
            return;
        }
    }
    m_outRate = fmt.sampleRate();
    m_outChannels = fmt.channelCount();
    m_output = new QAudioOutput(dev, fmt);
    m_io = m_output->start();
    if (!m_io || m_output->error() != QAudio::NoError) {
        qInfo() << "audio output failed to start, audio is skipped";
        stopOutput();
        return;
    }
    m_outputActive = true;
}

void AudioDecode::stopOutput()
{
    if (m_output) {
        m_output->stop();
        delete m_output;
    }
    m_output = nullptr;
    m_io = nullptr;
    m_outputActive = false;
}

void AudioDecode::writePcm(const char *data, int size)
{
    if (!m_io || !m_output)
        return;
    while (size > 0 && !m_stop && !m_interrupt) {
        if (m_output->error() != QAudio::NoError && m_output->error() != QAudio::UnderrunError) {
            stopOutput();
            return;
        }
        const int room = m_output->bytesFree();
        if (room <= 0) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(5);
            continue;
        }
        const qint64 n = m_io->write(data, qMin(room, size));
        if (n < 0) {
            stopOutput();
            return;
        }
        data += n;
        size -= int(n);
    }
}

void AudioDecode::handleFrame(AVFrame *frame)
{
    const int64_t ts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    const qint64 ptsMs = ts == AV_NOPTS_VALUE ? 0 : av_rescale_q(ts, m_tb, AVRational{1, 1000});
    if (m_dropUntilMs >= 0) {
        if (ptsMs - m_startMs < m_dropUntilMs)
            return;
        m_dropUntilMs = -1;
    }
    if (m_paced && m_clock) {
        for (;;) {
            if (m_stop || m_interrupt)
                return;
            const qint64 d = m_clock->delayFor(ptsMs);
            if (d <= 0)
                break;
            if (m_output && m_clock->paused())
                m_output->suspend();
            QThread::msleep(ulong(qMin<qint64>(d, 10)));
        }
        if (m_output && m_output->state() == QAudio::SuspendedState)
            m_output->resume();
        // Sound at any speed but normal would be garbled: keep the picture only.
        if (m_clock->speed() != 1.0)
            return;
    }
    if (!m_output)
        return;
    if (!m_swr) {
        AVChannelLayout outLayout;
        av_channel_layout_default(&outLayout, m_outChannels);
        if (swr_alloc_set_opts2(&m_swr, &outLayout, AV_SAMPLE_FMT_S16, m_outRate, &m_ctx->ch_layout, m_ctx->sample_fmt,
                                m_ctx->sample_rate, 0, nullptr)
                < 0
            || swr_init(m_swr) < 0) {
            swr_free(&m_swr);
            stopOutput();
            return;
        }
    }
    const int maxOut = swr_get_out_samples(m_swr, frame->nb_samples);
    if (maxOut <= 0)
        return;
    QByteArray pcm(maxOut * m_outChannels * 2, Qt::Uninitialized);
    uint8_t *out[1] = {reinterpret_cast<uint8_t *>(pcm.data())};
    const int got =
        swr_convert(m_swr, out, maxOut, const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
    if (got > 0)
        writePcm(pcm.constData(), got * m_outChannels * 2);
}

void AudioDecode::run()
{
    ThreadStack::install();
    if (!m_ctx)
        return;
    startOutput();
    AVFrame *frame = av_frame_alloc();
    bool atEof = false;
    m_drained = false;
    while (!m_stop) {
        player::QueueItem item;
        if (!m_queue.pop(item, 50)) {
            if (m_output)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            continue;
        }
        if (item.kind == player::QueueItem::Flush) {
            avcodec_flush_buffers(m_ctx);
            m_dropUntilMs = item.seekTargetMs;
            m_interrupt = false;
            atEof = false;
            m_drained = false;
            m_flushTaken = item.flushId; // after m_drained: see drained()
            if (m_output)
                m_output->reset(), m_io = m_output->start();
            continue;
        }
        if (atEof)
            continue;
        const AVPacket *pkt = item.kind == player::QueueItem::Eof ? nullptr : item.pkt.get();
        auto receiveAll = [&] {
            while (!m_stop && avcodec_receive_frame(m_ctx, frame) >= 0) {
                handleFrame(frame);
                av_frame_unref(frame);
            }
        };
        int ret = avcodec_send_packet(m_ctx, pkt);
        // Refused until the finished frames are taken: take them, then the
        // same packet goes in.
        for (int tries = 0; ret == AVERROR(EAGAIN) && tries < 8 && !m_stop; ++tries) {
            receiveAll();
            ret = avcodec_send_packet(m_ctx, pkt);
        }
        if (ret < 0 && ret != AVERROR_EOF && pkt)
            continue;
        receiveAll();
        if (!pkt) {
            atEof = true;
            m_drained = true;
            emit endOfStream();
        }
    }
    av_frame_free(&frame);
    stopOutput();
}
