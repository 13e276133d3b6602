#pragma once

// Carries out the record strategy while scheduled recording is on: checks the
// free space of the storage folder (removing recordings 30 days old or more
// when the policy allows), decides from the week plan whether now is to be
// recorded, runs one FFmpegRecordPlan recorder per record channel or none, and
// sleeps until the next moment that needs a decision.
//
// A recorder whose stream fails is started again as a live pane would be,
// after 1, 2, 4, 8, 16 s, then every 30 s, until its time part ends; while
// the source's port refuses connections it is probed every second, and the
// recorder starts again as soon as the source is back, so an outage costs
// little more than itself. A record channel the registry does not know (yet)
// is looked for on the same steps. Each record channel's state is announced
// (deviceStateChanged) so the page can show a channel that is not recording
// while it should.
//
// A full disk is an outage too: the recorders stop, the page is told once
// (sig_recordStopped), the free space is looked at again every few seconds,
// and recording resumes by itself when there is room; the plan stays on. A
// recorder that cannot write (its disk filled between two checks, or its
// folder is refused) has the disk checked at once, and is otherwise started
// again on the steps above (told once: sig_recordWriteFailed).
//
// The storage folder is known by the client's mark inside it (StorageMark),
// looked at before each pass and every DiskProbeIntervalMs while recording. A
// folder that is not there or is not the storage (its disk unmounted, leaving
// the empty mount point; a folder made again by hand; another client records
// into it), or cannot be written, is an outage too: the recorders stop and
// close their segments, nothing is written into it, the page is told why
// (sig_storageUnavailable), and recording resumes by itself within one look
// when the folder with the mark is back, under whatever device number, or
// writable again (sig_storageBack). While recording the thread holds the
// mark's lock. A disk mounted over a folder the client took on its own becomes
// the storage: the recorders move onto it at once, and the page is told where
// the footage recorded before lies (sig_storageMoved). The storage folder
// removed from its disk while that disk stays mounted is made again and
// recorded into at once (sig_storageRemade).
//
// The clean-up of old recordings and every repair act only inside the storage
// folder's own tree (<root>/<device>/<day>, <root>/<device>/CH_NN/<day>),
// never through a link, and remove only what the recorder writes.
//
// The thread works on its own copy of the plan (setPlan, updatePlan), so the
// page may change or reload its plan at any time. The recorders are touched by
// run only, and by stop once run has returned.

#include "KelvoCommon.h"
#include "RecordPlan.h"
#include "SourceProbe.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class FFmpegRecordPlan;

// The time the schedule runs on: the wall clock, or for tests a clock that
// starts at a chosen moment and runs faster (a day in seconds). The thread's
// sleeps and its recorders follow it.
namespace ScheduleClock {
QDateTime now();
// Wall-clock milliseconds of a sleep of ms on this clock.
qint64 realMs(qint64 ms);
// Tests only: an invalid start restores the wall clock.
void setForTesting(const QDateTime &start, double speed);
} // namespace ScheduleClock

class RecordScheduleThread : public QThread
{
    Q_OBJECT

public:
    // What a record channel does while the plan is on.
    enum DeviceState {
        Idle,      // outside the time parts
        Starting,  // its recorder connects and waits for the first picture
        Recording, // a segment is being written
        Retrying,  // the stream failed; the recorder starts again soon
        Missing,   // the registry does not know the channel; looked for again soon
        DiskFull,  // the disk is full or the footage cannot be written; tried again soon
        NoStorage, // the storage folder is not there, or is not the one recorded into; looked for again soon
    };
    Q_ENUM(DeviceState)

    RecordScheduleThread();
    ~RecordScheduleThread() override;

    // Takes a copy of the plan; called before start.
    void setPlan(const RECORD_PLAN_INFO *plan);
    // A changed plan for the running thread (a device renamed its serial
    // number or moved): taken at once; recorders whose channel and address
    // stay go on, the others stop or start.
    void updatePlan(const RECORD_PLAN_INFO &plan);
    // Ends the loop and every recording; returns when all have ended. GUI thread.
    void stop();

    // The plan's record channel in the registry: by serial number; an entry
    // without one (or whose serial number is its address, kept by a device
    // whose real one was not known yet when it was added) by address. On the
    // registry's (GUI) thread only: the records are written there unlocked.
    static FUN_DEV_INFO *findRecord(const RECORD_DEVICE_INFO &device);

    // What recording needs of a plan entry's record: its registry key (empty
    // when the registry does not know it), stream address and folder.
    struct EntryTarget
    {
        QString key;
        QString url;
        QString folder;
        bool channel = false; // a recorder's channel: its folder is <root>/<device>/CH_NN
    };
    // The targets of the entries, read from the records on the registry's
    // thread; their folders lie in the storage folder given (the plan's).
    static QVector<EntryTarget> lookUpTargets(const QVector<RECORD_DEVICE_INFO> &devices, const QString &storagePath);

    // Free space of the storage folder: true to go on. The folder is looked
    // at first (StorageMark::look: made and marked on first use); false when
    // it is not the storage.
    bool checkDisk();
    // Removes what the recorder wrote in the day folders under path that are
    // 30 or more days older than today (its segments and day index), and each
    // such folder when nothing else is left in it; true when anything went.
    static bool deleteOldRecord(const QString &path, const QDate &today);
    // The day folders ("yyyyMMdd") of the storage folder's own layout:
    // path/<device>/<day> and path/<device>/CH_NN/<day>, none reached through
    // a link; never path itself.
    static QStringList collectDayFolders(const QString &path);

    // Whether now is to be recorded. wait (seconds) is how long the answer
    // holds: in the schedule, until the part's end or one file length; outside,
    // until the next part starts (today's later parts, then the next seven
    // days). It stays -1 when the plan has no part at all, or is off.
    static bool isInSchedule(const RECORD_PLAN_INFO &plan, const QDateTime &now, int fileLengthSecs, qint64 &wait);
    static bool isInTimePart(const RECORD_DAY_INFO &day, const QDateTime &now, int fileLengthSecs, qint64 &wait);

    // Seconds of a recorded segment per minute of the plan's file length: 60
    // unless a test shortens it.
    static int secondsPerPlanMinute();
    static void setSecondsPerPlanMinuteForTesting(int seconds);

    // The waits before the recorder of a failed stream starts again, the
    // last one repeating: 1, 2, 4, 8, 16, 30 s. failures counts from 1.
    static qint64 retryDelayMs(int failures);
    // How often a source whose port refuses connections is probed.
    static constexpr int ProbeIntervalMs = SourceProbe::IntervalMs;
    static constexpr int ProbeTimeoutMs = SourceProbe::TimeoutMs;
    // How often the free space is looked at again while the disk is full,
    // and the storage folder while recording or waiting for it.
    static constexpr int DiskProbeIntervalMs = 2000;
    // Measurements only: without the probe a recorder waits out its steps.
    static void setSourceProbeForTesting(bool enabled);

signals:
    // The disk check stopped the recording; the plan's full-disk policy.
    // Once per outage: it resumes by itself when there is room again.
    void sig_recordStopped(int storage_type);
    // A recorder could not write its footage while the disk check passed
    // (folder refused or not writable). Once until a recorder writes again.
    void sig_recordWriteFailed();
    // The storage folder path is not there (StorageMark::State::Missing), is
    // not the one recorded into (NotOurs), cannot be written or marked
    // (Unwritable), is recorded into by another client (Held), lies under a
    // listed mount point with nothing mounted (Unmounted), or cannot be told
    // while the kept mark cannot be read (Unknown): nothing is written into
    // it. detail as StorageMark::Look gives it. Once per outage and state;
    // recording resumes by itself when the folder with the mark is back.
    void sig_storageUnavailable(QString path, int state, QString detail);
    // A disk mounted at mountPoint over the folder path that the client had
    // taken on its own is the storage now, and recording goes on on it; what
    // was recorded before lies in path on earlierSource (mounted at
    // earlierMountPoint), under the mount point.
    void sig_storageMoved(QString path, QString mountPoint, QString earlierSource, QString earlierMountPoint);
    // The storage folder was removed from its disk, which is still mounted:
    // the client made it again (it is its own), and recording goes on in it.
    void sig_storageRemade(QString path);
    // The storage folder said unavailable is the storage again: recording resumes.
    void sig_storageBack();
    // The storage folder's mark could not be kept in the database (the
    // reason): the folder holds for this run only. Once per reason.
    void sig_markNotKept(QString reason);
    // A record channel of the plan (szDevId, szDevIp, iChannelIdx) changed
    // its DeviceState. From the thread; connect queued.
    void deviceStateChanged(QString sn, QString ip, int channel, int state);

protected:
    void run() override;

private:
    // One recorder and what the thread knows of it. The flags are set from
    // the recorder's thread.
    struct Recorder
    {
        std::shared_ptr<FFmpegRecordPlan> plan;
        QString url;
        QString folder;
        QString root;                                  // the storage folder the channel's folder lies in
        std::shared_ptr<std::atomic_bool> ended;       // its run has returned
        std::shared_ptr<std::atomic_bool> recorded;    // a segment opened since it started
        std::shared_ptr<std::atomic_bool> writeFailed; // it ended because it could not write
        int failures = 0;
        qint64 retryAt = -1; // steady ms; -1 while it runs
        bool sourceDown = false;
        qint64 nextProbe = -1; // steady ms; -1 when not probing
        DeviceState state = Starting;
    };

    void takePendingPlan();
    // The disk check failed: recorders stop, the page is told once, and the
    // check is made again every DiskProbeIntervalMs until it passes (true) or
    // the loop is to end (false).
    bool waitForRoom();
    // Whether the storage folder is not there or not the storage (looked at
    // through StorageMark; m_storage holds what was seen).
    bool storageGone();
    // StorageMark::look, with what it found beside the state said: a move
    // stops the recorders (they write under the mount point) and sets
    // m_moved, a mark the database did not keep is told.
    int lookAtStorage(const QString &path);
    void sayStorageUnavailable();
    // Recorders stop, the page is told once, and the folder is looked at
    // again every DiskProbeIntervalMs until it is back (true) or the loop is
    // to end (false).
    bool waitForStorage();
    // lookUpTargets for the plan, asked of the thread this object lives in
    // (the GUI thread, where the records are written) and waited for; false
    // when the loop is to end meanwhile.
    bool targetsOfPlan(QVector<EntryTarget> &targets);
    void startRecordThreads();
    void startRecorder(Recorder &r);
    // Notes recorders that ended, starts those whose wait is over or whose
    // source came back, probes the sources that refuse. Returns the next
    // steady time it needs to run again, or -1.
    qint64 serviceRecorders();
    void stopRecordThreads();
    void report(const RECORD_DEVICE_INFO &device, DeviceState state);
    void reportAll(DeviceState state);
    // false when the loop is to end (stop flag set). Also returns early when a
    // recorder ends or opens a segment, or a new plan arrives.
    bool waitMs(qint64 ms);
    bool waitRealMs(qint64 ms);
    void wake();
    bool stopRequested();
    int fileLengthSecs() const;
    static bool sourceReachable(const QString &url);

    QWaitCondition m_wake;
    QMutex m_lock;
    RECORD_PLAN_INFO m_plan;
    bool m_hasPlan = false;
    QMap<QString, Recorder> m_recorders;
    // Plan entries (by index) and their recorder keys, from the last start.
    QVector<QString> m_entryKeys;
    QHash<QString, int> m_reported; // "sn|ip|channel" -> DeviceState
    int m_missingFailures = 0;
    qint64 m_missingRetryAt = -1;
    bool m_stop = false;
    bool m_diskFullSaid = false;
    int m_storageSaid = -1; // the StorageMark::State said for this outage; -1 none
    int m_storage = 0;      // StorageMark::State of the last look
    QString m_storageDetail;
    bool m_moved = false; // the storage moved onto a disk mounted over it, or was made again: recorders start anew
    QString m_notKeptSaid;
    bool m_writeFailSaid = false;
    bool m_checkDiskNow = false;    // a recorder could not write
    QDate m_noOldRecordOn;          // the day a clean-up found nothing to remove
    bool m_event = false;           // under m_lock: a recorder ended or recorded
    bool m_havePending = false;     // under m_lock
    RECORD_PLAN_INFO m_pendingPlan; // under m_lock
    quint64 m_lookup = 0;           // under m_lock: number of the last look-up asked
    bool m_lookupDone = false;      // under m_lock
    QVector<EntryTarget> m_targets; // under m_lock: the answer to it
};
