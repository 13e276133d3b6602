#include "DataProcessor.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

namespace {
// Reads remembered while a frame waits for its payload; a peer trickling
// bytes one at a time must not grow the list without end.
constexpr int MaxArrivals = 1024;

const char *lossText(StreamLoss loss)
{
    switch (loss) {
    case StreamLoss::PieceMissing:
        return "a fragment missing or out of turn, its frame dropped";
    case StreamLoss::FramesMissing:
        return "fragment numbers skipped between frames";
    case StreamLoss::FrameTooLarge:
        return "a frame too large, dropped";
    case StreamLoss::FrameGivenUp:
        return "a frame given up";
    case StreamLoss::None:
        break;
    }
    return "nothing";
}

// The command of a frame from the first bytes of its payload, when its head
// came whole; -1 for bytes that are no message's start (what a lying header
// swallowed belongs to the messages behind it).
int commandOfFrameStart(const QByteArray &start)
{
    static const QByteArray open("<PrivateProto>");
    const int at = start.indexOf(open);
    if (at < 0 || at > 64)
        return -1;
    const int next = start.indexOf(open, at + open.size());
    return PrivateProto::headCommand(next < 0 ? start : start.left(next));
}
} // namespace

DataProcessor::DataProcessor(QObject *parent)
    : QObject(parent)
{
}

void DataProcessor::setDevInfo(const RecvInfo &info)
{
    QMutexLocker lock(&m_mutex);
    m_work.ip = info.ip;
    m_work.channel = info.channel;
    qDebug() << "set dev info, dev ip:" << info.ip;
}

void DataProcessor::setLimits(const StreamLimits &limits)
{
    QMutexLocker lock(&m_mutex);
    m_limits = limits;
}

StreamLimits DataProcessor::limits() const
{
    QMutexLocker lock(&m_mutex);
    return m_limits;
}

qint64 DataProcessor::streamQueueBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_streamQueueBytes;
}

qint64 DataProcessor::reassemblyBytes() const
{
    QMutexLocker lock(&m_mutex);
    return m_reassembler.bufferedBytes();
}

qint64 DataProcessor::deliveryCost(const RecvInfo &info)
{
    return info.data.size() + 2 * qint64(info.xml.size());
}

void DataProcessor::emitNow(const RecvInfo &info)
{
    m_backlog += deliveryCost(info);
    emit recvCommonInfo(info);
}

int DataProcessor::streamQueueLength() const
{
    QMutexLocker lock(&m_mutex);
    return m_streamQueue.size();
}

uint16_t DataProcessor::currentInterval() const
{
    QMutexLocker lock(&m_mutex);
    return m_interval;
}

bool DataProcessor::waitingForKeyFrame() const
{
    QMutexLocker lock(&m_mutex);
    return m_waitKeyFrame;
}

void DataProcessor::processPacket(const QByteArray &packet)
{
    if (QThread::currentThread()->isInterruptionRequested())
        return;
    if (packet.size() < 4)
        qDebug() << "DataProcessor::processPacket recv data error, packet size=" << packet.size();
    m_splitter.feed(packet, m_payloads);
    noteArrival();
    while (!m_payloads.isEmpty())
        dispatchPayload(m_payloads.takeFirst());
    // From here the bytes count as what they became: messages on their way to
    // the session (counted as they were emitted) or a partial frame
    // (bounded). Not before: the backlog would read empty for a moment while
    // their messages are still to come.
    m_backlog -= packet.size();
    // Not judged here: bytes the session read after these may still wait in
    // this thread's queue, and a frame is judged only once they are taken.
    forgetArrivals();
}

void DataProcessor::noteArrival()
{
    const qint64 end = m_splitter.streamEnd();
    if (!m_arrivals.isEmpty() && m_arrivals.last().first >= end)
        return;
    m_arrivals.append(qMakePair(end, m_peerMs.load()));
    if (m_arrivals.size() > MaxArrivals) {
        // The two oldest reads count as one that came with the first.
        m_arrivals[1].second = m_arrivals.at(0).second;
        m_arrivals.removeFirst();
    }
}

qint64 DataProcessor::arrivalMs(qint64 offset) const
{
    for (const auto &read : m_arrivals) {
        if (read.first > offset)
            return read.second;
    }
    return m_peerMs.load();
}

void DataProcessor::forgetArrivals()
{
    const qint64 firstBuffered = m_splitter.streamEnd() - m_splitter.buffered();
    while (!m_arrivals.isEmpty() && m_arrivals.first().first <= firstBuffered)
        m_arrivals.removeFirst();
    m_splitterBytes = m_splitter.buffered();
    m_incompleteFrame = m_splitter.pendingFrameStart() >= 0;
}

void DataProcessor::judgeStalls(qint64 peerMs)
{
    if (QThread::currentThread()->isInterruptionRequested())
        return;
    checkStalledFrame(peerMs);
    emit judged();
}

void DataProcessor::tellLoss(int cmd, StreamLoss loss)
{
    RecvInfo who;
    who.ip = m_work.ip;
    who.channel = m_work.channel;
    who.head.cmd = cmd;
    emit streamLost(who, loss);
}

void DataProcessor::checkStalledFrame(qint64 peerMs)
{
    const int bound = limits().stalledFrameMs;
    // A header whose payload never comes would swallow every later reply:
    // it is given up once it has waited as long as a reply may, and so is
    // every header behind it that has waited as long by then.
    for (qint64 pending = m_splitter.pendingFrameStart(); pending >= 0; pending = m_splitter.pendingFrameStart()) {
        const qint64 waited = peerMs - arrivalMs(pending);
        if (waited < bound)
            break;
        // Its head, when it came, tells whose data is lost with it.
        const int cmd = commandOfFrameStart(m_splitter.pendingPayloadStart(512));
        {
            QMutexLocker lock(&m_mutex);
            qWarning() << "incomplete frame of" << m_work.ip << "channel" << m_work.channel << "( command" << cmd
                       << ") given up after" << waited << "ms of the peer's time; resynchronising,"
                       << m_splitter.buffered() << "bytes buffered";
            tellLoss(cmd, StreamLoss::FrameGivenUp);
        }
        m_splitter.dropPendingFrame(m_payloads);
        while (!m_payloads.isEmpty())
            dispatchPayload(m_payloads.takeFirst());
    }
    forgetArrivals();
}

void DataProcessor::resetConnection()
{
    m_splitter.clear();
    m_payloads.clear();
    m_arrivals.clear();
    m_splitterBytes = 0;
    m_incompleteFrame = false;
    QMutexLocker lock(&m_mutex);
    m_reassembler.clear();
}

void DataProcessor::resetStream()
{
    QMutexLocker lock(&m_mutex);
    qDebug() << "playback restarted, clear streamqueue" << m_streamQueue.size() << m_work.ip;
    m_streamQueue.clear();
    m_streamQueueBytes = 0;
    m_reassembler.clear();
    m_waitKeyFrame = true;
    m_dropUntilKey = false;
}

bool DataProcessor::startsDecoding(const RecvInfo &frame)
{
    // Recorders that mark key frames in the fragment header are believed (a
    // low-bitrate key frame can be small); others leave the flag at 0, and
    // there only a large frame is taken for one.
    return frame.mediaHeader.isKeyFrame() || frame.data.size() > KeyFrameMinBytes;
}

void DataProcessor::dispatchPayload(const QByteArray &payload)
{
    QMutexLocker lock(&m_mutex);
    const QList<EnvelopeSpan> spans = cutEnvelopes(payload);
    for (const EnvelopeSpan &span : spans) {
        const char *element = payload.constData() + span.begin;
        const int elementSize = span.end - span.begin;
        // Messages are told apart by the command of their head only, so a reply
        // that merely mentions a stream command number stays a reply.
        const int cmd = PrivateProto::headCommand(element, elementSize);
        ++m_messages;
        if (!PrivateProto::isStreamCommand(cmd)) {
            parserRecvData(QString::fromUtf8(element, elementSize));
        } else {
            const StreamLoss loss = m_reassembler.parseStream(payload, span, m_work, true);
            if (loss != StreamLoss::None) {
                qWarning() << "stream data of" << m_work.ip << "channel" << m_work.channel << "( command" << cmd
                           << ") lost:" << lossText(loss) << "at fragment" << m_work.mediaHeader.sequence()
                           << "of frame" << m_work.mediaHeader.frameId();
                tellLoss(cmd, loss);
            }
            if (!m_work.data.isEmpty()) {
                // Listeners tell a frame by its head without reading it.
                m_work.setXml(QString::fromUtf8(element, elementSize));
                if (cmd == Cmd::PlaybackData) {
                    // After a start or a seek nothing decodes before a key
                    // frame.
                    bool keep = true;
                    if (m_waitKeyFrame) {
                        if (!startsDecoding(m_work))
                            keep = false;
                        else
                            m_waitKeyFrame = false;
                    }
                    if (keep)
                        queueStream();
                } else {
                    emitNow(m_work);
                }
            }
        }
        m_work.xml.clear();
        m_work.data.clear();
        m_work.head = ReplyHead();
    }
}

// Caller holds the lock. A peer sending faster than the pace would otherwise
// fill memory; frames are dropped whole and only up to a key frame, so what is
// played after the gap decodes.
void DataProcessor::queueStream()
{
    const qint64 cost = m_work.data.size();
    const bool fits =
        m_streamQueue.size() < m_limits.queueMaxFrames && m_streamQueueBytes + cost <= m_limits.queueMaxBytes;
    if (m_dropUntilKey) {
        // Resumes only once the queue has room for a while again, so a peer that
        // keeps sending too fast makes one burst, not one per key frame.
        const bool drained = m_streamQueue.size() <= m_limits.queueMaxFrames / 2
                             && m_streamQueueBytes + cost <= m_limits.queueMaxBytes / 2;
        if (!startsDecoding(m_work) || !drained) {
            ++m_droppedFrames;
            return;
        }
        qInfo() << "stream queue of" << m_work.ip << "resumes at a key frame;" << m_droppedFrames << "frames dropped";
        m_dropUntilKey = false;
    } else if (!fits) {
        qWarning() << "stream queue of" << m_work.ip << "full (" << m_streamQueue.size() << "frames,"
                   << m_streamQueueBytes << "bytes): dropping up to the next key frame";
        m_dropUntilKey = true;
        m_droppedFrames = 1;
        return;
    }
    m_streamQueue.append(m_work);
    m_streamQueueBytes += cost;
}

void DataProcessor::parserRecvData(const QString &text)
{
    // The one reading of the message's head on its way: listeners take it
    // from here instead of reading the text again.
    m_work.setXml(text);
    if (m_work.head.cmd == Cmd::SeekRecordStream) {
        qDebug() << "begin  seek  clear streamqueue" << m_streamQueue.size();
        m_reassembler.forgetSequence();
        m_streamQueue.clear();
        m_streamQueueBytes = 0;
        m_dropUntilKey = false;
        m_waitKeyFrame = true;
    }
    const StreamFragmentHeader keep = m_work.mediaHeader;
    m_work.mediaHeader = StreamFragmentHeader();
    emitNow(m_work);
    m_work.mediaHeader = keep;
    m_work.xml.clear();
    m_work.data.clear();
    m_work.head = ReplyHead();
}

void DataProcessor::sendStream()
{
    QMutexLocker lock(&m_mutex);
    if (m_streamQueue.isEmpty())
        return;
    const RecvInfo next = m_streamQueue.takeFirst();
    m_streamQueueBytes -= next.data.size();
    emitNow(next);
    const int length = m_streamQueue.size();
    if (length > QueueHigh) {
        if (m_interval > m_minInterval)
            --m_interval;
        emit setTimerInterval(m_interval);
    } else if (length < QueueLow) {
        if (m_interval < m_maxInterval)
            ++m_interval;
        emit setTimerInterval(m_interval);
    }
}
