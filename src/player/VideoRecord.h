#pragma once

#include "Mp4Writer.h"
#include "PlayerCommon.h"

#include <QMutex>
#include <QThread>

#include <deque>
#include <memory>

struct PlayerParam;

// Writes a pushed H.264/H.265 stream (Annex-B frames in decode order, each
// with its presentation time in ms and its key-frame flag) into an MP4 file.
// Decode times are derived one group of pictures at a time from the order the
// frames came in, so streams with B-frames keep both orders. One object serves several downloads in
// a row: startRecord, start(), appendVideo..., stopRecord, then again. Each
// startRecord opens a download of its own (ending the one before): a
// download whose writer still drains keeps its queue and its file, and the
// next one is written after it, into its own file.
class VideoRecord : public QThread
{
    Q_OBJECT
public:
    VideoRecord(PlayerParam *param, QObject *parent = nullptr);
    ~VideoRecord() override;

    void setCustomIo(bool on) { m_customIo = on; }
    void setVideoCodec(bool h265);
    // A path containing ".mp4" is the file itself; anything else is taken as
    // a folder that receives a time-stamped file.
    void startRecord(const QString &path, bool flag);
    QString filePath() const;
    // Frames shown at [startMs, endMs) are written, and what they need to
    // decode; both 0: everything. Applies to downloads started after it.
    void setRange(qint64 startMs, qint64 endMs);
    // Any thread.
    void appendVideo(const char *data, int size, qint64 timeMs, bool keyFrame);
    int queueSize() const;
    // Ends the current download; what is queued is still written, then the
    // file closes.
    bool stopRecord();
    // Frames written of the download being written.
    qint64 framesWritten() const { return m_written.load(); }

    // Longest group of pictures held back to order its decode times; a longer
    // one is written in parts.
    static constexpr size_t MaxGroupFrames = 600;

    // Parameter sets and picture size of an Annex-B key frame.
    static bool parseKeyFrame(const QByteArray &frame, bool h265, QByteArray &extradata, int &width, int &height);

signals:
    // A download not written whole, with the reason (empty: nothing came that
    // could be written); recordFinished follows.
    void recordFailed(QString path, QString reason);
    void recordFinished(bool ok, QString path);

protected:
    void run() override;

private:
    struct Item
    {
        QByteArray data;
        qint64 timeMs;
        bool key;
    };
    struct Download
    {
        QString path;
        std::deque<Item> queue;
        bool stop = false;
        qint64 rangeStart = 0;
        qint64 rangeEnd = 0;
        QString error;
    };
    bool writeDownload(Download &d);

    PlayerParam *m_param;
    bool m_customIo = true;
    bool m_h265 = false;
    qint64 m_rangeStart = 0;
    qint64 m_rangeEnd = 0;
    mutable QMutex m_mutex;
    std::condition_variable_any m_cond;
    // Front: the download being written; back: the one being filled.
    std::deque<std::shared_ptr<Download>> m_downloads;
    bool m_exiting = false; // run() found nothing left and is returning
    std::atomic<qint64> m_written{0};
};
