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
//
// A database another program holds (a backup) is waited for: the batch that
// meets it is written again until the database lets go, as the rows queued
// behind it are; the queue then fills, and what it has no room for is lost to
// the held database (Held), not to a database too slow (TooMany). Each try
// waits at most BusyTryMs, so a close is never held by a try begun before it.
//
// The close (close(), finish()) has a deadline: what is queued is written
// until then; the rest is given up at once, counted exactly and said in the
// log in one line (lostAtClose).
//
// Rows that cannot be stored (a full disk, a read-only database, a queue the
// database does not keep up with) are an outage: storeFailed is emitted once
// when it begins, and storeRecovered with the rows lost once rows have been
// stored without a loss for QuietMs. A flood that loses some rows of every
// second is one outage, not one per batch stored between its losses. The log
// gets one line for each, not one per row. An outage the client closes in is
// never over: its loss is the close's to say (lostInOutage), with the rows
// the close gave up, each device's apart (lostByDevice).

#include "OrmCore.h"
#include "OrmEntities.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QSet>
#include <QMetaType>
#include <QSqlError>

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <deque>
#include <functional>
#include <vector>

class AlarmRecordWriter : public QThread
{
    Q_OBJECT

public:
    // Damaged: SQLite found the file malformed (not a matter of permissions).
    // Held: another program holds the database and the rows had no room to
    // wait in.
    enum Failure { DiskFull, ReadOnly, NotWritable, TooMany, Missing, Damaged, Held };
    Q_ENUM(Failure)

    explicit AlarmRecordWriter(QObject *parent = nullptr);
    // Writes what is queued, within finish()'s budget, then ends the thread.
    ~AlarmRecordWriter() override;

    // Queues one row (the thread starts on the first). False when the queue
    // is full: the row is dropped and counted rather than blocking the caller.
    bool append(const CustomAlarmInfo &record);
    // Queues the rows together (one wake of the writer); those beyond the
    // queue's room are dropped and counted. Returns the rows queued.
    size_t append(std::vector<CustomAlarmInfo> &rows);
    // Queues every row, beyond the queue's room if need be (the client
    // closes: nothing is dropped for room then, and nothing waits on the
    // caller; the rows are at most what the caller held back).
    void appendAtClose(std::vector<CustomAlarmInfo> &rows);
    // Rows lost before they reached the queue, counted as the queue's own
    // (TooMany, or Held when they waited for a held database); device as
    // deviceLabel() gives it.
    void dropped(qint64 rows, const QString &detail);
    void dropped(qint64 rows, Failure why, const QString &detail, const QString &device = QString());
    // How a device's losses are told apart: its name and serial number, as
    // its rows carry them.
    static QString deviceLabel(const QString &name, const QString &sn);
    // A batch smaller than BatchSize waits this long for more rows: a flood
    // then costs a transaction per batch, not per row.
    static constexpr int GatherMs = 20;
    // 0: each wake writes what is queued at once (for measurements).
    void setGatherMs(int ms) { m_gatherMs = qMax(0, ms); }

    static Failure failureOf(const QSqlError &error);
    // An outage already said (a read-only database at start): its first
    // failure is not said again.
    void beginOutage(Failure why);
    bool inOutage() const { return m_outage.load(); }
    // How long rows must be stored without a loss before an outage is over.
    static constexpr int QuietMs = 10000;
    void setQuietMs(int ms) { m_quietMs = qMax(0, ms); }
    // Milliseconds of a monotonic clock; set before the first row.
    using Clock = std::function<qint64()>;
    void setClockForTesting(Clock clock) { m_clock = std::move(clock); }
    // While held, the thread takes no batch: the queue fills as behind a slow disk.
    void holdForTesting(bool held);
    // The client closes: no row is taken any more (one appended is counted
    // lost at close); what is queued is written until the deadline, the rest
    // given up then. Returns at once; an earlier deadline given before stays.
    void close(QDeadlineTimer deadline);
    // close(), then returns once the thread has ended: every row queued so far
    // written, or given up by the deadline.
    void finish(int budgetMs = OrmDatabase::BusyTimeoutMs);
    // Rows given up by the close.
    qint64 lostAtClose() const { return m_lostAtClose.load(); }
    // Rows lost in the outage going on, not said yet (storeRecovered says
    // them when it is over).
    qint64 lostInOutage() const { return m_lostInOutage.load(); }
    // The rows lostInOutage() and lostAtClose() count, by deviceLabel().
    QHash<QString, qint64> lostByDevice();
    // A batch waits for a database another program holds.
    bool waitsForDatabase() const { return m_busy.load(); }
    // Reads the whole record table once, on the writer's thread (it may be
    // large): a table the file cannot give back is said by recordsDamaged.
    void checkRecords();

    static constexpr size_t Capacity = 10000;
    static constexpr size_t BatchSize = 500;
    qint64 failedRows() const { return m_failed.load(); }
    qint64 storedRows() const { return m_stored.load(); }
    // Tries of a batch that met a database another program holds.
    qint64 busyTries() const { return m_busyTries.load(); }
    // Rows waiting to be written, with those being written now.
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
    // Between two tries of a batch that met a database held by another
    // program, and how long each try itself waits for it.
    static constexpr int BusyRetryMs = 200;
    static constexpr int BusyTryMs = 250;
    // Cleanups run so far and rows they removed.
    qint64 cleanups() const { return m_cleanups.load(); }
    qint64 removedRows() const { return m_removed.load(); }

signals:
    // From the writer thread or the caller of append.
    void storeFailed(AlarmRecordWriter::Failure why, const QString &detail);
    void storeRecovered(qint64 lostRows);
    void recordsDamaged(const QString &detail);

protected:
    void run() override;

private:
    // One try of a batch: what was lost and why, or that the database was
    // held (busy), with the rows kept so far taken out of the batch.
    struct Attempt
    {
        qint64 lost = 0;
        qint64 kept = 0;
        bool busy = false;
        QSqlError error;
        QString alarm;
        QHash<QString, qint64> byDevice; // the lost rows
    };
    // The next batch; false once the queue is empty and the writer closes.
    bool takeBatch(std::vector<CustomAlarmInfo> &batch);
    void runCheck();
    std::atomic<bool> m_checkWanted{false};
    void storeBatch(std::vector<CustomAlarmInfo> &batch);
    Attempt tryBatch(std::vector<CustomAlarmInfo> &batch);
    // The ids among these the database holds; false when it cannot tell.
    static bool keptOf(QStringList inserted, QSet<qint64> *kept);
    // A moment before the next try (cut short by the close's deadline).
    void waitForDatabase();
    // The close's deadline has passed: the batch and everything queued are
    // given up, counted and said. The busy timeout of a try, bounded by the
    // close's deadline (-1: passed).
    bool closeExpired();
    int tryMs();
    void giveUpAtClose(std::vector<CustomAlarmInfo> &batch, const QString &why);
    void failed(qint64 rows, Failure why, const QString &detail, const QHash<QString, qint64> &byDevice);
    // Counts lost rows; true when they begin an outage, which sayLoss then says.
    bool noteLoss(qint64 rows, const QHash<QString, qint64> &byDevice);
    // Rows given up at close, by device (under m_lossMutex).
    void noteCloseLoss(const QHash<QString, qint64> &byDevice);
    QHash<QString, qint64> m_outageByDevice; // under m_lossMutex
    QHash<QString, qint64> m_closeByDevice;  // under m_lossMutex
    void sayLoss(Failure why, const QString &detail);
    // Orders a loss against the end of an outage, so each row is counted in
    // the outage it was lost in.
    QMutex m_lossMutex;
    void stored(qint64 rows);
    qint64 now() const;
    // Ends the outage when rows were stored since its last loss, QuietMs ago.
    void endOutageIfQuiet();
    // Milliseconds until the outage may end; -1 when no end is due.
    qint64 quietLeft() const;
    std::atomic<bool> m_outage{false};
    std::atomic<qint64> m_lastLoss{0};
    std::atomic<bool> m_storedSinceLoss{false};
    std::atomic<int> m_quietMs{QuietMs};
    Clock m_clock;
    bool m_held = false;
    std::atomic<qint64> m_stored{0};
    std::atomic<qint64> m_busyTries{0};
    std::atomic<int> m_gatherMs{GatherMs};
    std::atomic<qint64> m_lostInOutage{0};
    // Writer thread only.
    void enforceLimit(qint64 inserted);
    qint64 m_rows = -1; // rows in the table as far as this writer knows; -1 not counted yet
    std::atomic<qint64> m_limit{DefaultRowLimit};
    std::atomic<qint64> m_cleanups{0};
    std::atomic<qint64> m_removed{0};

    QMutex m_mutex;
    QWaitCondition m_wake;
    QWaitCondition m_room;
    std::deque<CustomAlarmInfo> m_queue;
    size_t m_writing = 0;
    bool m_quit = false;
    // The close, under m_mutex.
    bool m_closing = false;
    QDeadlineTimer m_closeBy{QDeadlineTimer::Forever};
    std::atomic<qint64> m_failed{0};
    std::atomic<qint64> m_lostAtClose{0};
    std::atomic<bool> m_busy{false};
};
