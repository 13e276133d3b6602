#pragma once

// Stores alarm rows on a thread of its own. Each insert into the database
// waits for the disk, and devices send alarms in bursts: written on the GUI
// thread, fifty alarms of one second would stall it for a noticeable moment.
// Rows wait in a bounded queue and are written in batches, one transaction
// each, in the order they came.

#include "OrmEntities.h"

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <deque>

class AlarmRecordWriter : public QThread
{
    Q_OBJECT

public:
    explicit AlarmRecordWriter(QObject *parent = nullptr);
    // Writes what is queued, then ends the thread.
    ~AlarmRecordWriter() override;

    // Queues one row (the thread starts on the first). False when the queue
    // is full: the row is dropped and logged rather than blocking the caller.
    bool append(const CustomAlarmInfo &record);
    // Returns once every row queued so far is written; the thread ends.
    void finish();

    static constexpr size_t Capacity = 10000;
    static constexpr size_t BatchSize = 500;
    qint64 failedRows() const { return m_failed.load(); }

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_wake;
    std::deque<CustomAlarmInfo> m_queue;
    bool m_quit = false;
    std::atomic<qint64> m_failed{0};
};
