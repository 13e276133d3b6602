#pragma once

#include <QDateTime>
#include <QThread>

#include <atomic>
#include <functional>

struct AVFormatContext;
struct AVPacket;
namespace player {
struct IoInterrupt;
}

// Scheduled recording of one RTSP stream into MP4 segments below a channel
// folder: one folder per day ("yyyyMMdd") with the segments and the day index
// "record.json". A segment is listed when it opens (empty endTime) and
// completed when it closes; segments are cut at the first key frame after the
// segment length and at midnight. The thread ends by itself when the stream
// fails. An entry's times are those of its first and last written packet,
// the start taken back from the last one through the stream's own time, so
// the listed length is the file's.
class FFmpegRecordPlan : public QThread
{
    Q_OBJECT
public:
    FFmpegRecordPlan();
    // Stops the loop and waits for the thread to end.
    ~FFmpegRecordPlan() override;

    void setFileLength(int seconds);
    int fileLength() const { return m_fileLength; }
    void setParams(const QString &url, const QString &folder);
    // The recordings root the folder lies in: from below it down to the day
    // folder, nothing is used through a link (a folder that leads out of the
    // tree is refused, nothing in it repaired or written). Unset: the folder.
    // A root that is set must be there when the recorder starts, and stay the
    // same folder (not unmounted, not replaced): nothing is made in its place;
    // the recorder ends with ErrWriteFailed instead.
    void setStorageRoot(const QString &root);
    void requestStop();
    // Replaces the wall clock (tests).
    void setClock(std::function<QDateTime()> clock);

    // Day index maintenance; the index is only ever replaced by a complete new
    // one, and a failed write (a full disk) keeps the old one and returns
    // false. An index that cannot be read or parsed is rebuilt from the
    // day's segments first.
    static bool updateDayIndex(const QString &dayDir, const QString &fileName, const QString &startTime,
                               const QString &endTime);
    // The entry of a segment that held no packet of footage leaves the index.
    static bool removeFromDayIndex(const QString &dayDir, const QString &fileName);
    // Completes entries left open by a recorder that died (or whose disk
    // filled), from the files' own durations, and lists the recorder's
    // segments that the index lost; entries whose file holds not a single packet
    // of footage (a kill within the first GOP leaves only the header) are removed
    // with their file when the recorder named it. Segments being recorded by
    // this process, or locked by a recorder of another, are left alone.
    // Returns the entries completed, added or removed.
    static int repairDayIndex(const QString &dayDir);
    // A recorder (of any process) writes the segment now: it holds a lock on
    // the file from before its first byte until it is closed and listed.
    static bool segmentInUse(const QString &path);
    // Length of a segment as far as it is written (a segment is fragmented,
    // so it reads while it grows); -1 when it cannot be read.
    static qint64 fileDurationMs(const QString &path);
    // The same for every day folder of a storage folder's own layout
    // (start-up, off the GUI thread), only while the folder holds this
    // client's mark and this process holds it locked; nothing reached
    // through a link.
    static int repairRecordings(const QString &root);

signals:
    void segmentOpened(QString path);
    void segmentClosed(QString path);
    // player::PlayerError; ErrWriteFailed when the footage could not be
    // written (the disk is full, or the folder refused).
    void recordError(QString url, int code);

protected:
    void run() override;

private:
    struct Segment;
    QDateTime now() const;
    // The steps of a run: the last two days' entries left open completed,
    // the stream opened (its video stream's index, -1 when it failed, said),
    // its packets recorded until it fails or the recorder is stopped.
    void repairRecentDays(const QString &root);
    int openStream(AVFormatContext **fmt, player::IoInterrupt *irq);
    void record(AVFormatContext *fmt, int vIdx, player::IoInterrupt *irq, Segment &segment);
    // One video packet into the segments, a new one started at a key frame
    // once the length is reached and at midnight: false when the recording
    // ends (the write failed, said).
    bool takeVideoPacket(Segment &segment, const AVPacket *pkt);
    bool writePacket(Segment &segment, const AVPacket *p);
    bool openSegment(Segment &segment, const QDateTime &at);
    // Closes and lists the segment (or removes it when it holds no footage).
    void closeSegment(Segment &segment);
    void releaseSegmentLock(Segment &segment);
    std::function<QDateTime()> m_clock;
    QString m_url;
    QString m_folder;
    QString m_root;
    int m_fileLength = 30;
    std::atomic_bool m_stop{false};
};
