#pragma once

#include <QString>

extern "C" {
#include <libavformat/avformat.h>
}

// One video stream copied packet by packet into an MP4 file. Fragmented
// output keeps everything up to the last key frame playable if the process
// dies mid-write.
class Mp4Writer
{
public:
    Mp4Writer() = default;
    ~Mp4Writer();
    Mp4Writer(const Mp4Writer &) = delete;
    Mp4Writer &operator=(const Mp4Writer &) = delete;

    bool open(const QString &path, const AVCodecParameters *par, AVRational inTimeBase, bool fragmented = true);
    // Timestamps are rebased so the file starts at 0 and repaired to stay
    // monotonic (live sources often carry gaps or no DTS).
    // After a failed write every later one fails too: a file with a hole is
    // no whole file.
    bool write(const AVPacket *pkt);
    // True when everything written reached the disk (flushed and synced).
    bool close();
    bool isOpen() const { return m_ctx != nullptr; }
    qint64 packetCount() const { return m_packets; }
    QString path() const { return m_path; }
    // Why the file could not be made or written whole; empty when it was.
    QString errorString() const { return m_error; }
    // Media time of the last packet written, in ms from the file's start.
    qint64 lastMs() const;

private:
    AVFormatContext *m_ctx = nullptr;
    AVStream *m_stream = nullptr;
    AVRational m_inTb{1, 1000};
    int64_t m_first = AV_NOPTS_VALUE;
    int64_t m_lastDts = AV_NOPTS_VALUE;
    int64_t m_prevIn = AV_NOPTS_VALUE;
    int64_t m_lastStep = 0;
    qint64 m_packets = 0;
    bool m_headerWritten = false;
    QString m_path;
    QString m_error;
};
