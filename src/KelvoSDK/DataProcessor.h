#pragma once

// Receive side of one device session, living in a thread of its own: cuts the
// session's bytes into frames and messages, passes replies on at once,
// reassembles stream fragments and releases the playback stream at a pace
// that follows the backlog.

#include "KelvoCommon.h"
#include "PrivateProto.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>

class DataProcessor : public QObject
{
    Q_OBJECT

public:
    static constexpr uint16_t MinInterval = 25;
    static constexpr uint16_t MaxInterval = 40;
    static constexpr int KeyFrameMinBytes = 10001;
    static constexpr int QueueHigh = 50;
    static constexpr int QueueLow = 15;

    explicit DataProcessor(QObject *parent = nullptr);

    // Identity stamped on every message; called from the session's thread.
    void setDevInfo(const RecvInfo &info);

    int streamQueueLength() const;
    uint16_t currentInterval() const;
    bool waitingForKeyFrame() const;

signals:
    void setTimerInterval(int interval);
    void recvCommonInfo(devXmlInfo info);

public slots:
    void processPacket(const QByteArray &packet);
    void sendStream();

public:
    // Passes one ordinary message on (called with the lock held).
    void parserRecvData(const QString &text);

private:
    void dispatchPayload(const QByteArray &payload);

    mutable QMutex m_mutex;
    RecvInfo m_work;
    FrameSplitter m_splitter;
    QList<QByteArray> m_payloads;
    QList<RecvInfo> m_streamQueue;
    uint16_t m_minInterval = MinInterval;
    uint16_t m_maxInterval = MaxInterval;
    uint16_t m_interval = MaxInterval;
    bool m_waitKeyFrame = true;
    StreamReassembler m_reassembler;
};
