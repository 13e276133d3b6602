#pragma once

// The process-wide diagnostic log: the installed Qt message handler formats one
// line per message and queues it; this thread writes the queue to one UTF-8 file
// per calendar day and purges expired day files after each day change.
//
// A flood must not fill the disk: a day's file stays within MaxDayBytes (what
// does not fit is dropped, said once in the file, and counted at the top of
// the next day's file), and a line repeated within a minute is written once,
// its repeats counted in one line ("(repeated N times)", stamped with the
// last repeat's time) written before the next other line, at the minute's end
// or at the stop, so the times in the file never go back; a line seen only
// twice is written twice. The queue is bounded too, so a writer that cannot
// keep up costs lines, not memory.
//
// The log folder is made user-only when the writer makes it; a folder that
// was there is used as it is (its mode untouched), never through a link, and
// a file in its place is left alone. When the log cannot be written this is
// said once (stderr and logUnwritable, in words that say why: no space, a
// read-only disk, a missing folder) until bytes reach the file again.

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QRecursiveMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <memory>

class QFile;

class LogHandler : public QThread
{
    Q_OBJECT

public:
    explicit LogHandler(QObject *parent = nullptr);
    ~LogHandler() override;

    // The single instance of the process; null once it has been destroyed.
    static LogHandler *instance();

    // Install with qInstallMessageHandler.
    static void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

    // The line for one message, as the handler queues it.
    static QString formatLine(QtMsgType type, const QMessageLogContext &context, const QString &msg,
                              const QDateTime &time, quintptr threadId);
    static QString levelText(QtMsgType type);
    static QString functionName(const char *function);

    void enqueue(const QString &line);

    void createLogFile();
    void removeOldLogs();
    void waitForWork(unsigned long ms);
    // Ends the thread after a last drain and waits for it; safe to call repeatedly.
    void stop();
    // Writes the queue now on the calling thread (used for fatal messages).
    void flushNow();

    // Crash path. prepareEmergencyFlush opens today's file in advance and keeps
    // its descriptor; emergencyFlush may then run inside a fatal-signal
    // handler: no allocation, the queue's lock taken only if it is free, the
    // lines written as UTF-8 straight to the descriptor.
    bool prepareEmergencyFlush();
    void emergencyFlush() noexcept;

    // Retention in days (the settings' iLogClear). Until it is set, a purge
    // that falls due is held back and runs at the next pass after the setter.
    void setLogClearDays(int days);
    int logClearDays() const;

    // Settings for tests; set them before start().
    void setLogDir(const QString &dir); // default: <writable application folder>/log
    QString logDirPath() const;
    void setIntervalMs(int ms); // default 5000
    void setClock(std::function<QDateTime()> clock);

    QString currentLogFilePath() const;
    int queuedLineCount() const;

    // At most this many bytes a day; fatal lines are written all the same.
    static constexpr qint64 MaxDayBytes = 8 << 20;
    // Lines waiting for the writer; beyond, new lines are counted and dropped.
    static constexpr int MaxQueuedLines = 100000;
    // A line seen again within this time is counted instead of written.
    static constexpr int CollapseWindowMs = 60000;
    // Distinct lines followed at once; lines beyond are written as they come.
    static constexpr int MaxCollapsedLines = 4096;
    void setMaxDayBytes(qint64 bytes); // for tests; default MaxDayBytes
    // The line that stands for `count` more lines like `line`.
    static QString repeatedLine(const QString &line, qint64 count);

signals:
    // The day file cannot be written (folder refused, read-only, full...);
    // from the writer thread, once until a write succeeds again.
    void logUnwritable(QString path, QString reason);

protected:
    void run() override;

private:
    void pass();
    void drain(bool closing = false);
    // Appends the line to out unless the day's bound is reached.
    void put(QByteArray &out, const QString &line);
    QDate today() const;
    void resolveLogDir();
    // Opens (user-only) the file the crash path writes to, replacing the last one.
    bool openEmergencyFile(const QString &path);
    // The log folder made (user-only) when missing; empty when it can be
    // used, else why not (a link, no folder, cannot be made).
    static QString prepareLogDir(const QString &dir);
    // Opens a day file for appending, never through a link; a file it makes
    // is user-only, one that was there keeps its mode. -1 (errno set) on failure.
    static int openDayFile(const QString &path);
    void sayUnwritable(const QString &reason);

    std::unique_ptr<QFile> m_file;
    mutable QMutex m_queueMutex;
    QStringList m_queue;
    QMutex m_waitMutex;
    QWaitCondition m_waitCondition;
    QDate m_currentDay;
    QDir m_logDir;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ran{false};

    // Serialises roll-over, purge and drain between the writer thread and a
    // synchronous flush of a fatal message.
    mutable QRecursiveMutex m_fileMutex;
    QString m_logDirOverride;
    std::atomic<int> m_intervalMs{5000};
    std::atomic<int> m_logClearDays{-1};
    bool m_purgePending = false;
    std::function<QDateTime()> m_clock;
    std::atomic<int> m_emergencyFd{-1};

    // Under m_fileMutex.
    struct Repeat
    {
        qint64 count = 0;  // repeats not yet written
        QString last;      // the last of them, as it came
        qint64 since = 0;  // ms of the monotonic clock
        quint64 order = 0; // of the last repeat, among all repeats
    };
    // Writes the counts of the repeats not yet written, oldest last repeat
    // first; a line repeated once is written again instead.
    void putCounts(QByteArray &out);
    QHash<QString, Repeat> m_repeats;
    QStringList m_counted; // keys whose repeats wait to be written
    quint64 m_repeatOrder = 0;
    QElapsedTimer m_monotonic;
    std::atomic<qint64> m_maxDayBytes{MaxDayBytes};
    qint64 m_dayBytes = 0;    // of today's file
    qint64 m_dayDropped = 0;  // lines of today dropped over the bound
    bool m_boundSaid = false; // today's file says that it is full
    qint64 m_lastDayDropped = 0;
    QDate m_lastDay;
    QString m_dirRefused; // why the log folder is not used; empty when it is
    bool m_unwritableSaid = false;
    std::atomic<qint64> m_queueDropped{0};
};
