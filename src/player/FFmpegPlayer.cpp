#include "FFmpegPlayer.h"

#include "AudioDecode.h"
#include "FFmpegRecord.h"
#include "Platform.h"
#include "ThreadStack.h"

#include <QDebug>
#include <QMutexLocker>

using player::QueueItem;

FFmpegPlayer::FFmpegPlayer(QObject *parent)
    : QThread(parent)
{
    player::registerMetaTypes();
    m_irq.stop = &m_stop;
}

FFmpegPlayer::~FFmpegPlayer()
{
    m_stop = true;
    {
        QMutexLocker lock(&m_mutex);
        if (m_video)
            m_video->interruptWait();
        if (m_audioDec)
            m_audioDec->interruptWait();
    }
    wait();
    stopRecord();
    reapRecorders(true);
    avcodec_parameters_free(&m_videoPar);
    // Its decoders' pictures were the largest things its threads held.
    Platform::returnFreedMemory();
}

void FFmpegPlayer::setHardwareDecode(bool on)
{
    m_hardware = on;
}

void FFmpegPlayer::setPlayUrl(const QString &url)
{
    QMutexLocker lock(&m_mutex);
    m_url = url;
}

QString FFmpegPlayer::playUrl() const
{
    QMutexLocker lock(&m_mutex);
    return m_url;
}

bool FFmpegPlayer::play()
{
    if (isRunning())
        return false;
    m_stop = false;
    m_inputOpen = false;
    m_seekMs = -1;
    m_clock.reset();
    start();
    return true;
}

void FFmpegPlayer::setKey(const QString &path)
{
    if (path.isEmpty() || m_stop)
        return;
    m_snapshot.request(path);
}

bool FFmpegPlayer::startRecord(const QString &path, bool onlyConsumer)
{
    if (path.isEmpty() || m_stop || m_customIo)
        return false;
    QMutexLocker lock(&m_mutex);
    if (m_recorder || m_recordPending)
        return false;
    m_recordPath = path;
    m_recordOnly = onlyConsumer;
    if (m_inputOpen && m_videoPar)
        startRecorderLocked();
    else
        m_recordPending = true; // begins as soon as the stream is open
    return true;
}

void FFmpegPlayer::startRecorderLocked()
{
    m_recordPending = false;
    auto *rec = new FFmpegRecord;
    if (!rec->setParams(m_videoPar, m_videoTb, m_recordPath)) {
        delete rec;
        return;
    }
    connect(rec, &FFmpegRecord::recordFinished, this, &FFmpegPlayer::emitRecordFinished, Qt::DirectConnection);
    rec->start();
    m_recorder = rec;
}

void FFmpegPlayer::stopRecord()
{
    QMutexLocker lock(&m_mutex);
    m_recordPending = false;
    if (m_recorder) {
        m_recorder->requestStop();
        m_oldRecorders.push_back(m_recorder);
        m_recorder = nullptr;
    }
}

void FFmpegPlayer::reapRecorders(bool waitAll)
{
    std::vector<FFmpegRecord *> done;
    {
        QMutexLocker lock(&m_mutex);
        for (auto it = m_oldRecorders.begin(); it != m_oldRecorders.end();) {
            if (waitAll || (*it)->isFinished()) {
                done.push_back(*it);
                it = m_oldRecorders.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (FFmpegRecord *r : done) {
        r->wait();
        delete r;
    }
}

bool FFmpegPlayer::isRecording() const
{
    QMutexLocker lock(&m_mutex);
    return m_recorder != nullptr || m_recordPending;
}

void FFmpegPlayer::stop()
{
    requestStop();
}

void FFmpegPlayer::requestStop()
{
    m_stop = true;
    stopRecord();
    {
        QMutexLocker lock(&m_mutex);
        if (m_video)
            m_video->interruptWait();
        if (m_audioDec)
            m_audioDec->interruptWait();
    }
    const QString pending = m_snapshot.cancel();
    if (!pending.isEmpty())
        emit emitCaptureResult(false, pending);
}

void FFmpegPlayer::setSpeed(float speed)
{
    if (speed > 0)
        m_clock.setSpeed(speed);
}

float FFmpegPlayer::speed() const
{
    return float(m_clock.speed());
}

void FFmpegPlayer::pause()
{
    m_clock.setPaused(true);
}

void FFmpegPlayer::resume()
{
    // The clock runs on from the next picture, not from where it stood at the
    // pause: a decoder that was late then (a loaded machine) would otherwise
    // find every picture up to that point due at once, and a burst the
    // display cannot take in time is skipped.
    if (!m_clock.paused())
        return;
    m_clock.reset();
    m_clock.setPaused(false);
}

bool FFmpegPlayer::isPaused() const
{
    return m_clock.paused();
}

void FFmpegPlayer::seek(qint64 ms)
{
    if (m_customIo) {
        flushPushed();
        return;
    }
    // Interrupt before publishing the target: the decoders clear the
    // interrupt at the flush that the seek sends, and one set after that flush
    // would drop every picture until the next seek.
    QMutexLocker lock(&m_mutex);
    if (player::isLiveUrl(m_url))
        return; // nothing to seek in, and no flush would clear the interrupt
    if (m_video)
        m_video->interruptWait();
    if (m_audioDec)
        m_audioDec->interruptWait();
    m_seekMs = qMax<qint64>(0, ms);
}

void FFmpegPlayer::setCustomIo(bool on)
{
    m_customIo = on;
}

void FFmpegPlayer::setVideoCodec(bool h265)
{
    m_h265 = h265;
}

bool FFmpegPlayer::isKeyFrame(const char *data, int size, bool h265)
{
    const auto *p = reinterpret_cast<const uint8_t *>(data);
    for (int i = 0; i + 3 < size; ++i) {
        if (p[i] != 0 || p[i + 1] != 0)
            continue;
        int hdr;
        if (p[i + 2] == 1)
            hdr = i + 3;
        else if (p[i + 2] == 0 && i + 4 < size && p[i + 3] == 1)
            hdr = i + 4;
        else
            continue;
        if (hdr >= size)
            break;
        if (h265) {
            const int type = (p[hdr] >> 1) & 0x3f;
            if ((type >= 16 && type <= 21) || type == 32)
                return true;
            if (type < 16)
                return false; // a non-key slice
        } else {
            const int type = p[hdr] & 0x1f;
            if (type == 5 || type == 7)
                return true;
            if (type == 1)
                return false;
        }
        i = hdr;
    }
    return false;
}

void FFmpegPlayer::pushData(const char *data, int size, qint64 timeMs)
{
    if (!data || size <= 0)
        return;
    const bool key = isKeyFrame(data, size, m_h265);
    QMutexLocker lock(&m_mutex);
    if (m_waitKey) {
        if (!key)
            return;
        m_waitKey = false;
    }
    if (m_pushed.size() >= kPushedCapacity) {
        // Too far behind: drop what waits and resume at the next key frame.
        m_pushed.clear();
        if (!key) {
            m_waitKey = true;
            return;
        }
    }
    m_pushed.push_back(Pushed{QByteArray(data, size), timeMs, key});
}

void FFmpegPlayer::flushPushed()
{
    QMutexLocker lock(&m_mutex);
    m_pushed.clear();
    m_waitKey = true;
    if (m_video)
        m_video->interruptWait(); // before the flag, as in seek()
    m_flushPushed = true;
}

int FFmpegPlayer::pushedQueueSize() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_pushed.size());
}

qint64 FFmpegPlayer::framesDecoded() const
{
    QMutexLocker lock(&m_mutex);
    return m_video ? m_video->framesDecoded() : 0;
}

qint64 FFmpegPlayer::framesShown() const
{
    QMutexLocker lock(&m_mutex);
    return m_video ? m_video->framesShown() : 0;
}

void FFmpegPlayer::fail(int code)
{
    if (m_stop)
        return;
    qWarning() << "player error" << code << player::maskUrl(playUrl());
    emit emitPlayerError(playUrl(), code);
}

bool FFmpegPlayer::feed(PacketQueue &q, QueueItem item)
{
    // A full queue holds the reader back for as long as the decoder needs it,
    // whatever the frame interval, pause or speed: the item is never dropped
    // (a lost packet breaks the pictures after it, and an emptied item reads
    // as the end of the file). The wait is sliced so that stop, a seek or a
    // flush of pushed frames, which make the item obsolete, end it at once.
    while (!m_stop) {
        if (m_seekMs.load() >= 0 || m_flushPushed.load())
            return false;
        if (q.push(std::move(item), 50))
            return true;
        if (q.aborted())
            return false;
    }
    return false;
}

void FFmpegPlayer::run()
{
    ThreadStack::install();
    if (m_customIo)
        runPushed();
    else
        runDemux();
    QMutexLocker lock(&m_mutex);
    delete m_video;
    m_video = nullptr;
    delete m_audioDec;
    m_audioDec = nullptr;
    m_inputOpen = false;
}

void FFmpegPlayer::runPushed()
{
    auto *video = new VideoDecode;
    // Pushed frames come paced by their sender: decode without frame-thread delay.
    if (!video->openCodec(m_h265 ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264, m_hardware, true)) {
        delete video;
        fail(player::ErrDecoderFailed);
        return;
    }
    // Pushed frames already arrive at the sender's pace: a gap in their times
    // (a hole in the recording, a lost burst) must not freeze the pane and
    // leave it lagging by that much from then on.
    m_clock.setMaxAheadMs(1000);
    video->setClock(&m_clock, true);
    video->setBeforePacing(m_beforePacing);
    video->setSnapshot(&m_snapshot);
    video->setRenderEnabled(m_render);
    video->setViewSize(m_viewSize);
    connect(video, &VideoDecode::frameReady, this, &FFmpegPlayer::emitFrame, Qt::DirectConnection);
    connect(video, &VideoDecode::snapshotDone, this, &FFmpegPlayer::emitCaptureResult, Qt::DirectConnection);
    {
        QMutexLocker lock(&m_mutex);
        m_video = video;
    }
    m_hwActive = video->hardwareActive();
    m_inputOpen = true;
    video->start();
    quint64 flushes = 0;
    while (!m_stop) {
        if (m_flushPushed.exchange(false)) {
            video->queue().clear();
            m_clock.reset();
            QueueItem flush;
            flush.kind = QueueItem::Flush;
            flush.flushId = ++flushes;
            video->flushQueued(flushes);
            video->queue().pushForce(std::move(flush));
            continue;
        }
        Pushed next;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_pushed.empty()) {
                next = std::move(m_pushed.front());
                m_pushed.pop_front();
            } else {
                next.timeMs = -1;
            }
        }
        if (next.timeMs < 0 && next.data.isEmpty()) {
            QThread::msleep(5);
            continue;
        }
        AVPacket *pkt = av_packet_alloc();
        if (av_new_packet(pkt, next.data.size()) < 0) {
            av_packet_free(&pkt);
            continue;
        }
        memcpy(pkt->data, next.data.constData(), size_t(next.data.size()));
        pkt->pts = pkt->dts = next.timeMs;
        if (next.key)
            pkt->flags |= AV_PKT_FLAG_KEY;
        QueueItem item;
        item.pkt.reset(pkt);
        feed(video->queue(), std::move(item));
    }
    video->requestStop();
    video->wait();
}

void FFmpegPlayer::runDemux()
{
    const QString url = playUrl();
    const bool live = player::isLiveUrl(url);
    AVFormatContext *fmt = nullptr;
    int ret = player::openInput(&fmt, url, &m_irq, 5000, true);
    if (ret < 0) {
        qWarning() << "cannot open" << player::maskUrl(url) << player::ffErrorText(ret);
        if (!m_stop)
            fail(player::ErrOpenFailed);
        return;
    }
    const int vIdx = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int aIdx = m_audio ? av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, vIdx, nullptr, 0) : -1;
    if (vIdx < 0 && aIdx < 0) {
        avformat_close_input(&fmt);
        fail(player::ErrNoStream);
        return;
    }
    const bool paced = !live && m_realtime;
    m_clock.setMaxAheadMs(5000);
    const qint64 startMs = fmt->start_time != AV_NOPTS_VALUE ? fmt->start_time / 1000 : 0;
    VideoDecode *video = nullptr;
    AudioDecode *audio = nullptr;
    if (vIdx >= 0) {
        AVStream *st = fmt->streams[vIdx];
        video = new VideoDecode;
        if (!video->open(st->codecpar, st->time_base, m_hardware, m_threads, live)) {
            delete video;
            avformat_close_input(&fmt);
            fail(player::ErrDecoderFailed);
            return;
        }
        video->setClock(&m_clock, paced);
        video->setBeforePacing(m_beforePacing);
        video->setSnapshot(&m_snapshot);
        video->setStartOffsetMs(startMs);
        if (m_queueCapacity > 0)
            video->queue().setCapacity(size_t(m_queueCapacity));
        video->setRenderEnabled(m_render);
        video->setViewSize(m_viewSize);
        connect(video, &VideoDecode::frameReady, this, &FFmpegPlayer::emitFrame, Qt::DirectConnection);
        connect(video, &VideoDecode::snapshotDone, this, &FFmpegPlayer::emitCaptureResult, Qt::DirectConnection);
        m_hwActive = video->hardwareActive();
    }
    if (aIdx >= 0) {
        AVStream *st = fmt->streams[aIdx];
        audio = new AudioDecode;
        if (!audio->open(st->codecpar, st->time_base)) {
            qInfo() << "no decoder for the audio, playing without sound";
            delete audio;
            audio = nullptr;
        } else {
            audio->setClock(&m_clock, paced);
            audio->setStartOffsetMs(startMs);
        }
    }
    if (!video && !audio) {
        avformat_close_input(&fmt);
        fail(player::ErrDecoderFailed);
        return;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_video = video;
        m_audioDec = audio;
        if (video) {
            avcodec_parameters_free(&m_videoPar);
            m_videoPar = avcodec_parameters_alloc();
            avcodec_parameters_copy(m_videoPar, fmt->streams[vIdx]->codecpar);
            m_videoTb = fmt->streams[vIdx]->time_base;
        }
        m_inputOpen = true;
        if (m_recordPending && m_videoPar && !m_stop)
            startRecorderLocked();
    }
    m_durationMs = (!live && fmt->duration > 0) ? fmt->duration / 1000 : 0;
    int w = 0, h = 0;
    if (vIdx >= 0) {
        w = fmt->streams[vIdx]->codecpar->width;
        h = fmt->streams[vIdx]->codecpar->height;
    }
    emit emitOpened(w, h, m_durationMs.load());
    if (video)
        video->start();
    if (audio)
        audio->start();

    bool eof = false;
    bool finishedSent = false;
    quint64 flushes = 0;
    qint64 lastProgress = player::nowMs();
    qint64 lastDecoded = 0;
    AVPacket *pkt = av_packet_alloc();
    while (!m_stop) {
        const qint64 seekTo = m_seekMs.exchange(-1);
        if (seekTo >= 0 && !live) {
            const int64_t ts = seekTo * 1000 + (fmt->start_time != AV_NOPTS_VALUE ? fmt->start_time : 0);
            m_irq.arm(10000);
            ret = avformat_seek_file(fmt, -1, INT64_MIN, ts, ts, 0);
            if (ret < 0)
                ret = av_seek_frame(fmt, -1, ts, AVSEEK_FLAG_BACKWARD);
            m_irq.disarm();
            m_clock.reset();
            ++flushes;
            if (video)
                video->flushQueued(flushes);
            if (audio)
                audio->flushQueued(flushes);
            for (PacketQueue *q : {video ? &video->queue() : nullptr, audio ? &audio->queue() : nullptr}) {
                if (!q)
                    continue;
                q->clear();
                QueueItem flush;
                flush.kind = QueueItem::Flush;
                flush.seekTargetMs = seekTo;
                flush.flushId = flushes;
                q->pushForce(std::move(flush));
            }
            eof = false;
            finishedSent = false;
            continue;
        }
        if (live && video) {
            const qint64 decoded = video->framesDecoded();
            const qint64 now = player::nowMs();
            if (decoded != lastDecoded) {
                lastDecoded = decoded;
                lastProgress = now;
            } else if (now - lastProgress > m_stallMs) {
                fail(player::ErrNoFrames);
                break;
            }
        }
        if (eof) {
            if (!finishedSent && (!video || video->drained()) && (!audio || audio->drained())) {
                finishedSent = true;
                emit emitPlayFinished(url);
            }
            QThread::msleep(10);
            continue;
        }
        // A live read may not outlast the stall limit counted from the last
        // picture: the demuxer retries internally on its own timeouts.
        if (live)
            m_irq.armAt(lastProgress + m_stallMs);
        else
            m_irq.arm(10000);
        ret = av_read_frame(fmt, pkt);
        m_irq.disarm();
        // On an interrupt the demuxer may still hand out what it held back;
        // that is no sign of life.
        if (live && m_irq.expired && !m_stop) {
            av_packet_unref(pkt);
            fail(player::ErrNoFrames);
            break;
        }
        if (ret == AVERROR(EAGAIN))
            continue;
        if (ret < 0) {
            if (m_stop)
                break;
            if (live) {
                qWarning() << "live stream ended" << player::maskUrl(url) << player::ffErrorText(ret);
                fail(ret == AVERROR_EXIT ? player::ErrNoFrames : player::ErrStreamBroken);
                break;
            }
            eof = true;
            for (PacketQueue *q : {video ? &video->queue() : nullptr, audio ? &audio->queue() : nullptr}) {
                if (!q)
                    continue;
                QueueItem end;
                end.kind = QueueItem::Eof;
                feed(*q, std::move(end));
            }
            continue;
        }
        if (pkt->stream_index == vIdx && video) {
            bool toDecoder = true;
            {
                QMutexLocker lock(&m_mutex);
                if (m_recorder) {
                    if (m_recordOnly) {
                        AVPacket *moved = av_packet_alloc();
                        av_packet_move_ref(moved, pkt);
                        m_recorder->pushPacket(player::PacketPtr(moved));
                        toDecoder = false;
                    } else {
                        m_recorder->pushPacket(player::clonePacket(pkt));
                    }
                }
            }
            if (toDecoder) {
                QueueItem item;
                item.pkt.reset(av_packet_alloc());
                av_packet_move_ref(item.pkt.get(), pkt);
                feed(video->queue(), std::move(item));
            } else {
                // Nothing is decoded while only recording: count reads as progress.
                lastProgress = player::nowMs();
            }
        } else if (pkt->stream_index == aIdx && audio) {
            QueueItem item;
            item.pkt.reset(av_packet_alloc());
            av_packet_move_ref(item.pkt.get(), pkt);
            feed(audio->queue(), std::move(item));
        }
        av_packet_unref(pkt);
        reapRecorders(false);
    }
    av_packet_free(&pkt);
    if (video)
        video->requestStop();
    if (audio)
        audio->requestStop();
    if (video)
        video->wait();
    if (audio)
        audio->wait();
    stopRecord();
    avformat_close_input(&fmt);
}
