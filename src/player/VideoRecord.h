#pragma once

#include "Mp4Writer.h"
#include "PlayerCommon.h"

#include <QMutex>
#include <QThread>

#include <deque>

struct PlayerParam;

// Writes a pushed H.264/H.265 stream (Annex-B frames with times in ms and
// key-frame flags) into an MP4 file. One object serves several downloads in
// a row: startRecord, start(), appendVideo..., stopRecord, then again.
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
    // Any thread.
    void appendVideo(const char *data, int size, qint64 timeMs, bool keyFrame);
    int queueSize() const;
    // Sets the stop flag; what is queued is still written, then the file closes.
    bool stopRecord();
    qint64 framesWritten() const { return m_written.load(); }

    // Parameter sets and picture size of an Annex-B key frame.
    static bool parseKeyFrame(const QByteArray &frame, bool h265, QByteArray &extradata, int &width, int &height);

signals:
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
    PlayerParam *m_param;
    bool m_customIo = true;
    bool m_h265 = false;
    QString m_path;
    mutable QMutex m_mutex;
    std::condition_variable_any m_cond;
    std::deque<Item> m_queue;
    std::atomic_bool m_stop{false};
    std::atomic<qint64> m_written{0};
};
