#pragma once

// Stores alarm rows on a thread of its own. Each insert into the database
// waits for the disk, and devices send alarms in bursts: written on the GUI
// thread, fifty alarms of one second would stall it for a noticeable moment.
// Rows wait in a bounded queue and are written in batches, one transaction
// each, in the order they came.
//
// The table is bounded as well: a device may send alarms for months, or flood
// the client. After each batch the rows beyond the limit go, oldest (lowest
// id) first, down to a little below it so that a flood does not clean up on
// every batch; large removals go in slices, each its own short transaction,
// so the record browser's reads keep getting through. One log line per
// cleanup.

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
    // Rows waiting to be written.
    size_t queued();

    // Months of alarms of a normal site.
    static constexpr qint64 DefaultRowLimit = 1000000;
    // Rows kept at most; 0 keeps every row. Applies from the next batch.
    void setRowLimit(qint64 rows);
    qint64 rowLimit() const { return m_limit.load(); }
    // What a cleanup leaves: the limit less a hundredth of it (at most
    // MaxSlack rows), so the next cleanup comes that many rows later.
    static qint64 cleanupTarget(qint64 limit);
    static constexpr qint64 MaxSlack = 10000;
    // Rows removed by one statement, each its own transaction.
    static constexpr qint64 SliceRows = 2000;
    // Cleanups run so far and rows they removed.
    qint64 cleanups() const { return m_cleanups.load(); }
    qint64 removedRows() const { return m_removed.load(); }

protected:
    void run() override;

private:
    // Writer thread only.
    void enforceLimit(qint64 inserted);
    qint64 m_rows = -1; // rows in the table as far as this writer knows; -1 not counted yet
    std::atomic<qint64> m_limit{DefaultRowLimit};
    std::atomic<qint64> m_cleanups{0};
    std::atomic<qint64> m_removed{0};

    QMutex m_mutex;
    QWaitCondition m_wake;
    std::deque<CustomAlarmInfo> m_queue;
    bool m_quit = false;
    std::atomic<qint64> m_failed{0};
};
