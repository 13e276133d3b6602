#pragma once

// The device side of NVR playback, without widgets. It asks which days of a
// month and which minutes of a day a channel has recorded (QueryRecords: the
// month on the NVR's connection, the day on the channel's), streams a channel
// into one of four panes (StartRecordStream -> StreamAnswer, PlaybackData;
// SeekRecordStream, PausePlayback, ResumePlayback, PlayFaster/PlaySlower,
// StopRecordStream), ends a stream that fell silent, and keeps the books of
// one download (StartRecordStream with DownloadRecord 1 -> DownloadData); the
// names are those of Cmd (DeviceCommands.h).
// Every command goes through KelvoSDKHelper; a channel is named by its
// registry key "ip_channel".
//
// The window hands operator actions in and shows what the signals report:
// the session holds no widget, no text shown to the operator and no file
// writer, so it runs and is tested without a display.

#include "KelvoCommon.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class QTimer;


class NvrPlaybackSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int PaneCount = 4;

    // A recorded run of a day: start <= t < end, ms since the epoch.
    struct Segment
    {
        qint64 start = 0;
        qint64 end = 0;
    };
    using Segments = QVector<Segment>;

    // What the operator is told; the window words it.
    enum class Notice {
        NoRecords,       // a day reply without a recorded minute
        StartingStream,  // a stream was asked for
        PlaybackEnded,   // the watchdog ended a silent stream
        DownloadRunning, // the channel's connection carries the download
        ConnectionLost,  // the watchdog ended a stream whose connection was lost
    };
    Q_ENUM(Notice)

    // Why a download is not whole; the window words it.
    enum class Shortfall {
        None,           // whole: the client saw the range's end
        NoAnswer,       // the recorder never answered the request
        NoFootage,      // it answered and sent nothing of the range
        ConnectionLost, // the connection was lost, refused or replaced under it
        Stopped,        // it fell silent while footage of the range was still to come
        DataLost,       // data was lost on the way (DownloadEnd::lost says which)
    };
    Q_ENUM(Shortfall)

    // How a download ended, as far as the recorder's part goes.
    struct DownloadEnd
    {
        Shortfall why = Shortfall::None;
        StreamLoss lost = StreamLoss::None;
        qint64 at = 0;     // ms since the epoch: the footage time the last frame reached, 0 without one
        qint64 keptMs = 0; // of the range, covered by the frames received
        qint64 rangeMs = 0;
    };

    // Why a download did not start. All but NoRecord are told to the operator;
    // that one is only logged.
    enum class DownloadRefusal {
        None,
        NoChannel,
        NotAChannel, // a recorder picked, not one of its channels
        ChannelPlaying,
        DownloadRunning,
        NotSameDay,
        EndNotAfterStart,
        NoRecord,
        NoFolder,
    };
    Q_ENUM(DownloadRefusal)

    explicit NvrPlaybackSession(QObject *parent = nullptr);
    ~NvrPlaybackSession() override;

    // Device replies count only while active; leaving forgets the month days.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // The day the operator looks at: streams start on it, and a day reply
    // nobody asked for is filed under it.
    void setDay(const QDate &day) { m_day = day; }
    QDate day() const { return m_day; }

    // ---- operator actions ------------------------------------------------
    // A channel picked: it becomes current, its month and day are asked.
    void select(const QString &key);
    // A channel to play: from the first segment of the day when its list is
    // known, else as soon as the list arrives.
    void play(const QString &key);
    // A day picked for the current channel: its pane stops, the day is asked.
    void pickDay(const QDate &date);
    // A pane took the focus: its channel and day become current. False for
    // a free pane.
    bool followPane(int pane);
    // Starts a channel in a free pane at a time; returns the pane or -1.
    int startAt(const QString &key, qint64 startMs);
    // Moves a playing pane to a time: on by a seek, back by a new stream.
    bool seek(int pane, qint64 ms);
    bool pause(int pane);
    // The speed goes to the device again: a resumed recorder plays at 1x.
    bool resume(int pane, float speed);
    bool setSpeed(int pane, float speed);
    void stop(int pane);
    // Play position of a pane (seconds of its day): past the known end of the
    // day, the day is asked again.
    void playedTo(int pane, double second);
    // Every pane stopped, the download ended, the day lists and the selection
    // forgotten (the month days stay until the session is left).
    void reset();

    DownloadRefusal startDownload(const QDateTime &start, const QDateTime &end);
    // False when no download runs.
    bool endDownload();

    // ---- device messages and requests ------------------------------------
    void recvCommonInfo(const RecvInfo &info);
    void query(const QString &key, const QDate &date, bool byMonth);
    void onRecordQueryReply(const QString &xml, const RecvInfo &info);
    void takeMonthDays(const QString &stream, const QString &ip);
    void takeDayRecords(const QString &stream, const QString &key, const QDate &date);
    void onStreamAnswer(const RecvInfo &info);
    void onStreamData(const RecvInfo &info);
    void onDownloadData(const RecvInfo &info);
    // Data of a session lost on the client's side: a download it hits is
    // never judged whole.
    void onStreamLost(const RecvInfo &who, StreamLoss loss);
    // A channel's connection broke (lost, refused, or dropped for a new
    // login): the download on it ends at once, a pane on it is told apart
    // from one whose footage ended.
    void onConnectionLost(const loginDev &dev);
    void onLoginReply(const RecvInfo &info);
    // The recorder of the channel pane index lost answered a login again: said there.
    void sayBack(int index);
    void streamRequest(const QString &key, const QDate &date, bool stop, bool download, qint64 startMs);
    bool sendStop(const QString &key, bool download);
    void watchdogTick();
    void progressTick();
    int calculateProgress(qint64 timeMs);

    // ---- state -------------------------------------------------------------
    QString currentKey() const { return m_currentKey; }
    QDate shownDate() const { return m_shownDate; }
    QString paneKey(int pane) const;
    QDate paneDay(int pane) const;
    qint64 panePosition(int pane) const;
    QMap<int, QString> paneKeys() const;
    int paneOf(const QString &key) const;
    // The pane for a channel: the one playing it, else the free one that
    // lost it, else a free one that says nothing, else any free one.
    int freePane(const QString &key) const;
    // The channel a free pane lost its connection for, until something
    // plays in that pane, it is stopped, or the page is left (reset).
    QString lostKey(int pane) const { return valid(pane) ? m_lost[size_t(pane)].key : QString(); }
    FUN_DEV_INFO *paneRecord(int pane) const;
    Segments dayRecords(const QString &key) const { return m_channels.value(key).segments; }
    QSet<QString> monthDays(const QString &ip) const { return m_monthDays.value(ip); }
    QString downloadKey() const { return m_download.key; }
    // Where the download ends up once complete.
    QString downloadPath() const { return m_download.path; }
    // Where it is written meanwhile, and stays when it ends short: a name
    // that says the file is partial, so a cut-off file never passes for a
    // whole one (a client that dies mid-download leaves it too).
    QString downloadFilePath() const { return m_download.partPath; }
    static QString partialPathOf(const QString &completePath);
    // A download written whole and judged complete gets its complete name
    // (the folder synced, as for every file the operator keeps); false with
    // the reason in error when that name is taken or the rename fails (the
    // file keeps its partial name), or the folder cannot be synced (the file
    // has its complete name, which a crash may undo).
    static bool completeDownloadFile(const QString &written, const QString &complete, QString *error = nullptr);

    void setWatchdogTimings(int tickMs, int idleLimitMs);
    void setProgressInterval(int ms);
    void setRefreshInterval(int ms) { m_refreshIntervalMs = ms; }
    // Frames the download's writer still holds, for the progress log line.
    void setDownloadQueueSize(std::function<int()> queueSize) { m_downloadQueueSize = std::move(queueSize); }

    // Runs of a day text, one character per minute, 'C' not recorded:
    // [first minute, minute after the last).
    static QList<QPair<int, int>> minuteRuns(const QString &stream);

signals:
    void markedDaysChanged(const QStringList &days); // of the current channel's NVR
    void dayRecordsChanged(const QString &key);
    // The refreshed day of a playing pane now reaches past where it plays.
    void dayGrewPast(int pane, qint64 position);
    void notice(NvrPlaybackSession::Notice what, const QString &key);

    void paneStarted(int pane, const QString &key); // stream asked for
    void paneStreamReady(int pane, const QString &key, bool h265);
    void streamData(const QString &key, const QByteArray &data, qint64 timeMs);
    void paneSeeking(int pane);    // frames queued before the seek are stale
    void paneRestarting(int pane); // a new stream from an earlier time follows
    void paneStopped(int pane, const QString &key);
    // The watchdog stopped a pane whose connection to the recorder was lost
    // (after paneStopped): the pane is free, and says why until the operator
    // acts on it.
    void paneConnectionLost(int pane, const QString &key);
    // The recorder a free pane lost answered a login again (back): the
    // channel can be played again; or, said back, it is lost again.
    void paneRecorderBack(int pane, const QString &key, bool back);

    // The download's stream answered: the file is written from here on, at
    // its partial name.
    void downloadWriterWanted(const QString &path, bool h265, qint64 rangeStart, qint64 rangeEnd);
    void downloadData(const QByteArray &data, qint64 stampMs, bool keyFrame);
    void downloadProgress(int percent);
    // The recorder's verdict: success only when the client saw the range's
    // end (frames reached it, or the footage ends inside the range and
    // silence followed its last minute while the connection stood) and none
    // of it was lost on the way (lost: the first loss, StreamLoss::None when
    // none); end says why not. The file is not whole by that alone: it takes
    // the complete name (path on success, else the partial one) only once
    // written whole. The download ends a second later.
    void downloadFinished(const QString &key, const QString &path, bool success, bool received, StreamLoss lost,
                          const NvrPlaybackSession::DownloadEnd &end);
    // The path is the written (partial) one.
    void downloadEnded(const QString &path, bool received);

private:
    struct Refresh
    {
        bool outstanding = false;
        qint64 position = 0; // play position the refresh was asked for
        QElapsedTimer since;
    };

    struct Pane
    {
        QString key; // empty: free
        QDate day;
        qint64 position = 0; // last requested play position
        bool paused = false;
        bool connectionLost = false; // since its stream was answered
        bool loginSinceLoss = false; // its recorder answered a login after the loss
        QElapsedTimer sinceData;     // invalid: not watched
        Refresh refresh;
    };

    struct Lost
    {
        QString key;
        bool back = false; // its recorder answered a login since
    };

    struct Channel
    {
        Segments segments; // of the last day reply
        QDate segmentsDay;
        QDate asked; // day of the last day query
    };

    struct Download
    {
        bool running = false;
        QString key;
        QString path;     // complete name
        QString partPath; // written name
        qint64 rangeStart = 0;
        qint64 rangeEnd = 0;
        QDate rangeDay;
        qint64 footageEnd = 0; // end of the recorded footage inside the range
        qint64 lastStamp = 0;
        qint64 firstStamp = -1;
        qint64 frameGap = 0;     // between the last two frames: how far the last one reaches
        bool answered = false;   // the recorder answered the request
        bool reachedEnd = false; // a frame reached the range's end
        bool judged = false;     // the verdict is given; the download ends shortly
        int drainTries = 0;      // looks at what a lost connection still had on its way
        qint64 received = 0;
        qint64 countAtTick = 0;
        qint64 countDelta = 0;
        int stalls = 0;
        StreamLoss lost = StreamLoss::None; // the first data lost on the way
    };

    static bool splitKey(const QString &key, QString *ip, int *channel);
    bool valid(int pane) const { return pane >= 0 && pane < PaneCount; }
    QString currentIp() const;
    void finishDownload(Shortfall why);
    // The channel's connection broke under the download: judged once what it
    // had already brought has been handed on.
    void settleLostConnection();
    static bool connectionStands(const QString &key);
    static bool workerHolds(const QString &key);
    // What the client still holds of what a channel's connection brought
    // (see KelvoSDKHelper): a silence counts only once it holds nothing.
    static bool holdsUnread(const QString &key);
    static bool holdsUnfinishedFrame(const QString &key);
    void noteDownloadLoss(StreamLoss loss);
    // Where the channel's own day list says its footage inside [from, to)
    // ends; to when the list is not the range's day's or holds nothing of it.
    qint64 recordedEndWithin(const QString &key, qint64 from, qint64 to) const;

    bool m_active = false;
    QDate m_day;
    QDate m_shownDate;
    QString m_currentKey;
    QString m_pendingPlayKey;
    std::array<Pane, PaneCount> m_panes;
    std::array<Lost, PaneCount> m_lost;
    QHash<QString, Channel> m_channels;
    QHash<QString, QSet<QString>> m_monthDays; // NVR address -> "yyyyMMdd"
    Download m_download;

    QTimer *m_watchdogTimer = nullptr;
    QTimer *m_progressTimer = nullptr;
    std::function<int()> m_downloadQueueSize;
    int m_idleLimitMs = 5000;
    int m_refreshIntervalMs = 10000;
};

Q_DECLARE_METATYPE(NvrPlaybackSession::DownloadEnd)
