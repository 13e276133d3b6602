#pragma once

// Writes made on the GUI thread meet, now and then, a database another
// program holds (a backup, a database browser). Waiting the whole busy
// timeout there would freeze the window, so each write is tried where it is
// made, waiting at most TryMs; while the database stays held it is tried
// again every RetryMs, after every write queued before it, until it lands or,
// GiveUpMs after it was queued, is given up. Writes of one record keep the
// order they were made in because they share one queue.

#include "OrmCore.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class OrmWriteQueue : public QObject
{
    Q_OBJECT

public:
    static constexpr int TryMs = 100;
    static constexpr int RetryMs = 500;
    static constexpr int GiveUpMs = 8000;

    // One write: its statements, in one transaction where there are several.
    using Write = std::function<QSqlError()>;
    // Called once with the outcome: an empty error when the write landed;
    // else why not (OrmDatabase::isLocked: given up on a held database).
    using Done = std::function<void(const QSqlError &)>;

    struct Item
    {
        QString what; // for the log
        // The record written. A write given up (or failed) takes the later
        // writes of the same record with it, which would otherwise land on
        // a row other than the one they were made for.
        QString key;
        // False for a write that must land whatever it waits (a deleted
        // record's row): tried until it does, and waited for at flush.
        bool givesUp = true;
        Write write;
        Done done;
    };

    explicit OrmWriteQueue(QObject *parent = nullptr);
    // What is still owed is dropped: whoever must keep it flushes first.
    ~OrmWriteQueue() override;

    // Tried at once unless writes queued before it still wait.
    void enqueue(Item item);
    // Tries every write owed now, each waiting for a held database at most
    // what is left of budgetMs; what still cannot land is given up and said
    // in the log (the client closes).
    void flush(int budgetMs = OrmDatabase::BusyTimeoutMs);

    bool isEmpty() const { return m_items.isEmpty(); }
    // A write waits for a database another program holds.
    bool isWaiting() const { return m_waiting; }
    // The writes not landed yet, as Item::what names them.
    QStringList pending() const;

    // The operator's words for a write that waits and for one that did not land.
    static QString waitingText();
    static QString heldText();
    static QString failureText(const QSqlError &error);

signals:
    void waitingChanged(bool waiting);

private:
    struct Entry
    {
        Item item;
        quint64 sequence = 0;
        QElapsedTimer age;
    };

    void run();
    QSqlError tryHead(int busyMs);
    // The first write was tried and waits no more: landed, failed or given up.
    void settleHead(const QSqlError &error);
    // The entry at index i is gone; the later ones of its record go with it.
    QList<Entry> takeWithFollowers(int i);
    // Gives up every write past GiveUpMs (with its followers).
    void giveUpOverdue(const QSqlError &error);
    static void finish(QList<Entry> entries, const QSqlError &error);
    void setWaiting(bool waiting);

    QList<Entry> m_items;
    quint64 m_sequence = 0;
    QTimer m_retry;
    bool m_running = false;
    bool m_waiting = false;
};
