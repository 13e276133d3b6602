#pragma once

#include "Mp4Writer.h"
#include "PlayerCommon.h"

#include <QThread>

// Recording thread of a player: writes the video packets handed to it into
// one MP4 file by packet copy, starting at the first key frame.
class FFmpegRecord : public QThread
{
    Q_OBJECT
public:
    explicit FFmpegRecord(QObject *parent = nullptr);
    ~FFmpegRecord() override;

    // Before start().
    bool setParams(const AVCodecParameters *par, AVRational timeBase, const QString &path);
    // Queues one packet (the recorder keeps it); dropped when the queue is full.
    void pushPacket(player::PacketPtr pkt);
    void requestStop();
    QString path() const { return m_path; }

signals:
    void recordFinished(bool ok, QString path);

protected:
    void run() override;

private:
    PacketQueue m_queue{400};
    AVCodecParameters *m_par = nullptr;
    AVRational m_tb{1, 1000};
    QString m_path;
    std::atomic_bool m_stop{false};
    std::atomic_bool m_waitKey{false}; // after a dropped packet
};
