#pragma once

// The process-wide diagnostic log: the installed Qt message handler formats one
// line per message and queues it; this thread writes the queue to one UTF-8 file
// per calendar day and purges expired day files after each day change.

#include <QDate>
#include <QDateTime>
#include <QDir>
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

protected:
    void run() override;

private:
    void pass();
    void drain();
    QDate today() const;
    void resolveLogDir();
    // Opens (user-only) the file the crash path writes to, replacing the last one.
    bool openEmergencyFile(const QString &path);

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
};
