#include "DataProcessor.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

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
    while (!m_payloads.isEmpty())
        dispatchPayload(m_payloads.takeFirst());
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
        if (!PrivateProto::isStreamCommand(cmd)) {
            parserRecvData(QString::fromUtf8(element, elementSize));
        } else {
            m_reassembler.parseStream(payload, span, m_work, true);
            if (!m_work.data.isEmpty()) {
                m_work.xml = QString::fromUtf8(element, elementSize);
                if (cmd == 90001) {
                    bool keep = true;
                    if (m_waitKeyFrame) {
                        if (m_work.data.size() < KeyFrameMinBytes)
                            keep = false;
                        else
                            m_waitKeyFrame = false;
                    }
                    if (keep)
                        m_streamQueue.append(m_work);
                } else {
                    emit recvCommonInfo(m_work);
                }
            }
        }
        m_work.xml.clear();
        m_work.data.clear();
    }
}

void DataProcessor::parserRecvData(const QString &text)
{
    m_work.xml = text;
    if (PrivateProto::headCommand(text) == 14304) {
        qDebug() << "begin  seek  clear streamqueue" << m_streamQueue.size();
        m_streamQueue.clear();
        m_waitKeyFrame = true;
    }
    const StreamFragmentHeader keep = m_work.mediaHeader;
    m_work.mediaHeader = StreamFragmentHeader();
    emit recvCommonInfo(m_work);
    m_work.mediaHeader = keep;
    m_work.xml.clear();
    m_work.data.clear();
}

void DataProcessor::sendStream()
{
    QMutexLocker lock(&m_mutex);
    if (m_streamQueue.isEmpty())
        return;
    emit recvCommonInfo(m_streamQueue.takeFirst());
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
