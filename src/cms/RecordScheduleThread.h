#pragma once

// Carries out the record strategy while scheduled recording is on: checks the
// free space of the storage folder (removing recordings 30 days old or more
// when the policy allows), decides from the week plan whether now is to be
// recorded, runs one FFmpegRecordPlan recorder per record channel or none, and
// sleeps until the next moment that needs a decision.
//
// The thread works on its own copy of the plan (setPlan), so the page may
// change or reload its plan at any time. The recorders are touched by run
// only, and by stop once run has returned.

#include "RecordPlan.h"

#include <QDateTime>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

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
    RecordScheduleThread();
    ~RecordScheduleThread() override;

    // Takes a copy of the plan; called before start.
    void setPlan(const RECORD_PLAN_INFO *plan);
    // Ends the loop and every recording; returns when all have ended. GUI thread.
    void stop();

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
    static bool isInSchedule(const RECORD_PLAN_INFO &plan, const QDateTime &now, int fileLengthSecs,
                             qint64 &wait);
    static bool isInTimePart(const RECORD_DAY_INFO &day, const QDateTime &now, int fileLengthSecs,
                             qint64 &wait);

    // Seconds of a recorded segment per minute of the plan's file length: 60
    // unless a test shortens it.
    static int secondsPerPlanMinute();
    static void setSecondsPerPlanMinuteForTesting(int seconds);

signals:
    // The disk check ended the loop; the plan's full-disk policy.
    void sig_recordStopped(int storage_type);

protected:
    void run() override;

private:
    struct Recorder
    {
        std::shared_ptr<FFmpegRecordPlan> plan;
        QString url;
        QString folder;
    };

    void startRecordThreads();
    void stopRecordThreads();
    // false when the loop is to end (stop flag set).
    bool waitMs(qint64 ms);
    bool stopRequested();
    int fileLengthSecs() const;

    QWaitCondition m_wake;
    QMutex m_lock;
    RECORD_PLAN_INFO m_plan;
    bool m_hasPlan = false;
    QMap<QString, Recorder> m_recorders;
    bool m_stop = false;
};
