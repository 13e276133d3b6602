#pragma once

// Reads and writes made for a window meet, now and then, a database another
// program holds (a backup, a database browser). Waiting the busy timeout on
// the GUI thread would freeze the window, so each item is tried once where
// it is made, waiting at most TryMs; held, it goes to a database worker
// thread (a connection of its own), which waits for the database there,
// after every item queued before it, until it lands or, GiveUpMs after it
// was queued, is given up. Items of one record keep the order they were made
// in because they share one queue; its outcome comes back on the thread that
// owns the queue.
//
// The rule (how long, how often, what goes with a write given up) lives here
// only: every page uses a queue, for its reads too (a read is an item whose
// write fills a result captured by value, which its done then uses).
//
// What is owed at close is waited for by flushAll(); a write still owed when
// its queue is destroyed (a dialog closed) goes on without it, and is waited
// for at close like the others. A read (Item::reading) is owed like a write
// while the window waits for it, but loses nothing when given up: the close
// tells the changes it gave up apart from the reads. Once the close has begun
// (beginClose), every change that does not land is the close's to tell,
// whatever ends it: its own give-up, a failure, or the close's deadline.

#include "OrmCore.h"

#include <QList>
#include <QObject>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class OrmAccessQueue : public QObject
{
    Q_OBJECT

public:
    // The try on the owner's thread waits at most this long for a held database.
    static constexpr int TryMs = 100;
    // On the worker, a held database is waited for in turns of this length,
    // so a flush at close or a change merged in is taken up soon.
    static constexpr int RetryMs = 250;
    static constexpr int GiveUpMs = 8000;

    // One write: its statements, in one transaction where there are several.
    // It may run on another thread: it captures values only (never a widget,
    // never a record of the registry).
    using Write = std::function<QSqlError()>;
    // Called once, on the queue's thread, with the outcome: an empty error
    // when the write landed; else why not (OrmDatabase::isLocked: given up on
    // a held database).
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
        // A write that carries the whole state of its record (a plan stored
        // whole): it takes the place of a write of the same key that waits
        // and has not been started yet, whose done is then never called, and
        // the wait starts again for both changes.
        bool merges = false;
        // Fills a window and stores nothing (see the class comment).
        bool read = false;
        // The change as the operator knows it, in his language and by the
        // names he gave (the close says what it could not store by it); what
        // when empty.
        QString said{};

        static Item reading(const QString &what, Write read, Done done)
        {
            Item item{what, QString(), true, std::move(read), std::move(done)};
            item.read = true;
            return item;
        }
    };

    // The one brief try of a thread that must not wait (the GUI's): work runs
    // with this thread's busy timeout cut to TryMs, and gives its error. What
    // must wait longer for another program's lock is an item of a queue.
    static QSqlError tryBriefly(const Write &work);

    explicit OrmAccessQueue(QObject *parent = nullptr);
    // What is still owed goes on without its done (see flushAll).
    ~OrmAccessQueue() override;
    // How the operator knows the changes of this queue (a page's): the
    // Item::said of those that name none.
    void setSaid(const QString &said) { m_said = said; }

    // Tried at once, briefly, unless items queued before it still wait.
    void enqueue(Item item);
    // Waits for every item owed now, at most budgetMs in all; what still
    // cannot land is given up and said in the log. Blocks the caller: for
    // the close only.
    void flush(int budgetMs = OrmDatabase::BusyTimeoutMs);
    // The same for every queue of the process, and for the writes of queues
    // already gone, within one budget (the client closes). Returns the
    // changes given up (reads apart), as Item::what names them, with those
    // that did not land since beginClose(); *said: the same as the operator
    // knows them (Item::said).
    static QStringList flushAll(int budgetMs = OrmDatabase::BusyTimeoutMs, QStringList *said = nullptr);
    // The client closes: from now on every change that does not land, by
    // whatever end, is one flushAll() returns.
    static void beginClose();
    static bool closeBegun();
    // What every queue owes now, queues already gone included, the changes
    // apart from the reads: for the close to say what it waits for.
    struct Outstanding
    {
        QStringList changes;
        QStringList reads;
        QStringList changesSaid; // the changes as the operator knows them
    };
    static Outstanding outstanding();

    bool isEmpty() const { return m_owed.isEmpty(); }
    // An item waits for a database another program holds (or behind one that does).
    bool isWaiting() const { return !m_owed.isEmpty(); }
    // The items not landed yet, as Item::what names them.
    QStringList pending() const;

    struct Lane;

signals:
    void waitingChanged(bool waiting);

private:
    struct Owed
    {
        quint64 id = 0;
        QString what;
        Done done;
    };

    // The outcomes the worker has for this queue, handed to their done.
    void deliver();
    void setWaiting(bool waiting);

    std::shared_ptr<Lane> m_lane;
    QList<Owed> m_owed;
    quint64 m_sequence = 0;
    bool m_waiting = false;
    QString m_said;
};
