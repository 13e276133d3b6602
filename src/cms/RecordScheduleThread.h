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
    // whose real one was not known yet when it was added) by address.
    static FUN_DEV_INFO *findRecord(const RECORD_DEVICE_INFO &device);

    // Free space of the storage folder (created when missing): true to go on.
    bool checkDisk();
    // Removes the day folders under path that are 30 or more days older than
    // today; true when at least one went.
    static bool deleteOldRecord(const QString &path, const QDate &today);
    // Day folders ("yyyyMMdd", not searched further) at any depth below path,
    // path itself included.
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
    // Measurements only: without the probe a recorder waits out its steps.
    static void setSourceProbeForTesting(bool enabled);

signals:
    // The disk check ended the loop; the plan's full-disk policy.
    void sig_recordStopped(int storage_type);
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
        std::shared_ptr<std::atomic_bool> ended;    // its run has returned
        std::shared_ptr<std::atomic_bool> recorded; // a segment opened since it started
        int failures = 0;
        qint64 retryAt = -1; // steady ms; -1 while it runs
        bool sourceDown = false;
        qint64 nextProbe = -1; // steady ms; -1 when not probing
        DeviceState state = Starting;
    };

    void takePendingPlan();
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
    bool m_event = false;           // under m_lock: a recorder ended or recorded
    bool m_havePending = false;     // under m_lock
    RECORD_PLAN_INFO m_pendingPlan; // under m_lock
};
