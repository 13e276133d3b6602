#include "OrmAccessQueue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

namespace {

QSqlError databaseChangedError()
{
    return QSqlError(QString(), QStringLiteral("The database file changed before the write was tried"),
                     QSqlError::ConnectionError);
}

// The changes that did not land since the close began, whichever queue they
// were in (its lane may be gone by the time the close asks), as (what, said).
QMutex g_closeMutex;
std::atomic<bool> g_closeBegun{false};
QList<QPair<QString, QString>> g_notLanded;

void noteNotLanded(const QString &what, const QString &said)
{
    QMutexLocker lock(&g_closeMutex);
    g_notLanded.append({what, said.isEmpty() ? what : said});
}

} // namespace

// The worker side of one queue: its items not landed yet, in order, tried by
// one task of the pool at a time; what they came to, for the owner to take.
struct OrmAccessQueue::Lane
{
    struct Job
    {
        quint64 id = 0;
        QString what;
        QString key;
        bool givesUp = true;
        Write write;
        QElapsedTimer age;
        QString database;
        bool read = false;
        QString said;
    };
    struct Outcome
    {
        QList<quint64> ids; // the latest first
        QSqlError error;
    };

    QMutex mutex;
    QWaitCondition changed;
    QList<Job> jobs;
    quint64 inFlight = 0;
    bool draining = false;
    // Close: tries end by this deadline; past it everything owed is given up.
    bool closing = false;
    QDeadlineTimer closeBy{QDeadlineTimer::Forever};
    OrmAccessQueue *owner = nullptr;
    QList<Outcome> outbox;
    bool posted = false;
    // The changes the close gave up, for flushAll to name: (what, said).
    QList<QPair<QString, QString>> givenUpAtClose;

    // Under the mutex.
    int indexOf(quint64 id) const
    {
        for (int i = 0; i < jobs.size(); ++i) {
            if (jobs.at(i).id == id)
                return i;
        }
        return -1;
    }

    QList<Job> takeWithFollowers(int i)
    {
        QList<Job> taken{jobs.takeAt(i)};
        const QString key = taken.first().key;
        if (key.isEmpty())
            return taken;
        for (int j = i; j < jobs.size();) {
            if (jobs.at(j).key == key && jobs.at(j).givesUp)
                taken.append(jobs.takeAt(j));
            else
                ++j;
        }
        return taken;
    }

    // The taken jobs are over: said in the log (also for a queue already
    // gone), the latest first, and handed to the owner. Under the mutex.
    void settle(QList<Job> taken, const QSqlError &error)
    {
        if (taken.isEmpty())
            return;
        // The latest first: each undoes its own change, so the record ends as
        // the earliest one found it, which is what the database holds.
        std::sort(taken.begin(), taken.end(), [](const Job &a, const Job &b) { return a.id > b.id; });
        Outcome outcome{{}, error};
        for (const Job &job : qAsConst(taken)) {
            if (OrmDatabase::isLocked(error))
                qWarning() << "Write given up, the database is in use by another program:" << job.what;
            else if (!error.text().isEmpty())
                qWarning() << "Write failed:" << job.what << error.text();
            if (!job.read && !error.text().isEmpty()) {
                if (closing)
                    givenUpAtClose.append({job.what, job.said.isEmpty() ? job.what : job.said});
                else if (g_closeBegun)
                    noteNotLanded(job.what, job.said);
            }
            outcome.ids.append(job.id);
        }
        outbox.append(outcome);
        post();
    }

    void post()
    {
        if (!owner || posted)
            return;
        posted = true;
        OrmAccessQueue *queue = owner;
        QMetaObject::invokeMethod(
            queue, [queue] { queue->deliver(); }, Qt::QueuedConnection);
    }

    // Every job past the give-up, with its followers. Under the mutex.
    void giveUpOverdue(const QSqlError &error)
    {
        for (int i = 0; i < jobs.size();) {
            const Job &job = jobs.at(i);
            if (job.id != inFlight && job.givesUp && job.age.elapsed() >= GiveUpMs)
                settle(takeWithFollowers(i), error);
            else
                ++i;
        }
    }

    // The close's budget is spent: everything owed goes, head by head.
    void giveUpAll(const QSqlError &error)
    {
        while (!jobs.isEmpty())
            settle(jobs.first().givesUp ? takeWithFollowers(0) : QList<Job>{jobs.takeFirst()}, error);
    }

    // The task of the pool: tries the head until the lane is empty.
    void drain(const std::shared_ptr<Lane> &self);
};

namespace {

// The lanes with something owed, for the flush at close.
QMutex g_lanesMutex;
std::vector<std::weak_ptr<OrmAccessQueue::Lane>> g_lanes;
QThreadPool *g_pool = nullptr;

QSqlError heldError()
{
    return QSqlError(QString(), QStringLiteral("database is locked"), QSqlError::StatementError, QStringLiteral("5"));
}

std::vector<std::shared_ptr<OrmAccessQueue::Lane>> liveLanes()
{
    QMutexLocker lock(&g_lanesMutex);
    std::vector<std::shared_ptr<OrmAccessQueue::Lane>> live;
    for (auto it = g_lanes.begin(); it != g_lanes.end();) {
        if (auto lane = it->lock()) {
            live.push_back(std::move(lane));
            ++it;
        } else {
            it = g_lanes.erase(it);
        }
    }
    return live;
}

// Waits until the lane has nothing owed or the deadline passes; then gives
// up what is left and waits for its task to end.
void closeLane(OrmAccessQueue::Lane &lane, QDeadlineTimer deadline)
{
    QMutexLocker lock(&lane.mutex);
    lane.closeBy = deadline;
    while (!lane.jobs.isEmpty() && !deadline.hasExpired())
        lane.changed.wait(&lane.mutex, deadline);
    if (!lane.jobs.isEmpty()) {
        lane.closing = true;
        // A job being tried ends by the deadline; the task gives up the rest.
        if (!lane.draining)
            lane.giveUpAll(heldError());
        while (lane.draining)
            lane.changed.wait(&lane.mutex);
        lane.closing = false;
    }
    lane.closeBy = QDeadlineTimer(QDeadlineTimer::Forever);
}

void stopPool()
{
    // The application ends: nothing more is waited for; the pool's threads
    // end now, while their connections can still be closed.
    for (const auto &lane : liveLanes())
        closeLane(*lane, QDeadlineTimer(0));
    QMutexLocker lock(&g_lanesMutex);
    delete g_pool;
    g_pool = nullptr;
}

void startDrain(const std::shared_ptr<OrmAccessQueue::Lane> &lane)
{
    QThreadPool *pool = nullptr;
    {
        QMutexLocker lock(&g_lanesMutex);
        if (!g_pool) {
            g_pool = new QThreadPool;
            // One thread per queue that waits: a queue's wait never holds up another's.
            g_pool->setMaxThreadCount(32);
            qAddPostRoutine(stopPool);
        }
        pool = g_pool;
    }
    pool->start(QRunnable::create([lane] { lane->drain(lane); }));
}

} // namespace

void OrmAccessQueue::Lane::drain(const std::shared_ptr<Lane> &self)
{
    Q_UNUSED(self) // kept alive while its jobs are owed, its queue gone or not
    QMutexLocker lock(&mutex);
    while (!jobs.isEmpty()) {
        if (closing) {
            giveUpAll(heldError());
            break;
        }
        const Job &head = jobs.first();
        const quint64 id = head.id;
        const Write write = head.write;
        const QString database = head.database;
        int busyMs = RetryMs;
        if (head.givesUp)
            busyMs = qBound(0, GiveUpMs - int(head.age.elapsed()), RetryMs);
        if (!closeBy.isForever())
            busyMs = qMin(busyMs, int(closeBy.remainingTime()));
        inFlight = id;
        lock.unlock();

        QSqlError error;
        if (database != OrmDatabase::databaseName()) {
            error = databaseChangedError();
        } else if (write) {
            const OrmDatabase::BusyTimeoutScope wait(busyMs);
            error = write();
        }

        lock.relock();
        inFlight = 0;
        const int i = indexOf(id);
        if (i >= 0 && !OrmDatabase::isLocked(error)) {
            settle(!error.text().isEmpty() && jobs.at(i).givesUp ? takeWithFollowers(i) : QList<Job>{jobs.takeAt(i)},
                   error);
        } else if (OrmDatabase::isLocked(error)) {
            giveUpOverdue(error);
            if (closing || closeBy.hasExpired()) {
                closing = true;
                giveUpAll(error);
            }
        }
        changed.wakeAll();
    }
    draining = false;
    changed.wakeAll();
}

QSqlError OrmAccessQueue::tryBriefly(const Write &work)
{
    const OrmDatabase::BusyTimeoutScope brief(TryMs);
    return work();
}

OrmAccessQueue::OrmAccessQueue(QObject *parent)
    : QObject(parent)
{
}

OrmAccessQueue::~OrmAccessQueue()
{
    if (!m_lane)
        return;
    QMutexLocker lock(&m_lane->mutex);
    m_lane->owner = nullptr;
    for (const Lane::Job &job : qAsConst(m_lane->jobs))
        qInfo() << "Write goes on without its page:" << job.what;
}

void OrmAccessQueue::enqueue(Item item)
{
    const quint64 id = ++m_sequence;
    if (item.said.isEmpty())
        item.said = m_said;
    QElapsedTimer age;
    age.start();
    if (m_owed.isEmpty()) {
        // Nothing waits before it: one brief try here, never more.
        const QSqlError error = item.write ? tryBriefly(item.write) : QSqlError();
        if (!OrmDatabase::isLocked(error)) {
            if (!error.text().isEmpty())
                qWarning() << "Write failed:" << item.what << error.text();
            if (!error.text().isEmpty() && !item.read && g_closeBegun)
                noteNotLanded(item.what, item.said);
            if (item.done)
                item.done(error);
            return;
        }
    }

    if (!m_lane) {
        m_lane = std::make_shared<Lane>();
        m_lane->owner = this;
        QMutexLocker lock(&g_lanesMutex);
        g_lanes.erase(std::remove_if(g_lanes.begin(), g_lanes.end(),
                                     [](const std::weak_ptr<Lane> &lane) { return lane.expired(); }),
                      g_lanes.end());
        g_lanes.push_back(m_lane);
    }
    Lane::Job job{id,        item.what, item.key, item.givesUp, std::move(item.write), age, OrmDatabase::databaseName(),
                  item.read, item.said};
    bool start = false;
    quint64 replaced = 0;
    {
        QMutexLocker lock(&m_lane->mutex);
        int at = -1;
        if (item.merges && !item.key.isEmpty()) {
            for (int i = 0; i < m_lane->jobs.size(); ++i) {
                const Lane::Job &waiting = m_lane->jobs.at(i);
                if (waiting.key == item.key && waiting.id != m_lane->inFlight)
                    at = i;
            }
        }
        if (at >= 0) {
            replaced = m_lane->jobs.at(at).id;
            m_lane->jobs[at] = std::move(job);
        } else {
            m_lane->jobs.append(std::move(job));
        }
        if (!m_lane->draining) {
            m_lane->draining = true;
            start = true;
        }
    }
    if (replaced) {
        for (int i = 0; i < m_owed.size(); ++i) {
            if (m_owed.at(i).id == replaced) {
                m_owed[i] = Owed{id, item.what, std::move(item.done)};
                break;
            }
        }
    } else {
        m_owed.append(Owed{id, item.what, std::move(item.done)});
    }
    if (start)
        startDrain(m_lane);
    setWaiting(true);
}

QStringList OrmAccessQueue::pending() const
{
    QStringList names;
    for (const Owed &o : m_owed)
        names << o.what;
    return names;
}

void OrmAccessQueue::deliver()
{
    if (!m_lane)
        return;
    QList<Lane::Outcome> outcomes;
    {
        QMutexLocker lock(&m_lane->mutex);
        outcomes.swap(m_lane->outbox);
        m_lane->posted = false;
    }
    for (const Lane::Outcome &outcome : qAsConst(outcomes)) {
        QList<Done> dones;
        for (quint64 id : outcome.ids) {
            for (int i = 0; i < m_owed.size(); ++i) {
                if (m_owed.at(i).id == id) {
                    dones.append(m_owed.takeAt(i).done);
                    break;
                }
            }
        }
        // A done may queue more (an undo): the list is settled first.
        for (const Done &done : qAsConst(dones)) {
            if (done)
                done(outcome.error);
        }
    }
    setWaiting(!m_owed.isEmpty());
}

void OrmAccessQueue::flush(int budgetMs)
{
    if (!m_lane)
        return;
    closeLane(*m_lane, QDeadlineTimer(qMax(0, budgetMs)));
    {
        QMutexLocker lock(&m_lane->mutex);
        m_lane->givenUpAtClose.clear();
    }
    deliver();
}

void OrmAccessQueue::beginClose()
{
    QMutexLocker lock(&g_closeMutex);
    g_notLanded.clear();
    g_closeBegun = true;
}

bool OrmAccessQueue::closeBegun()
{
    return g_closeBegun;
}

QStringList OrmAccessQueue::flushAll(int budgetMs, QStringList *said)
{
    const QDeadlineTimer deadline(qMax(0, budgetMs));
    const auto lanes = liveLanes();
    QList<QPair<QString, QString>> notLanded;
    for (const auto &lane : lanes) {
        closeLane(*lane, deadline);
        QMutexLocker lock(&lane->mutex);
        notLanded += lane->givenUpAtClose;
        lane->givenUpAtClose.clear();
    }
    {
        // Those given up before the deadline, by their own limit or a
        // failure, are as much the close's loss as those it gave up.
        QMutexLocker lock(&g_closeMutex);
        notLanded = g_notLanded + notLanded;
        g_notLanded.clear();
    }
    QStringList givenUp;
    for (const auto &change : qAsConst(notLanded)) {
        givenUp << change.first;
        if (said)
            *said << change.second;
    }
    // The outcomes of the queues of this thread are theirs now: the event
    // loop may not run again.
    for (const auto &lane : lanes) {
        OrmAccessQueue *owner = nullptr;
        {
            QMutexLocker lock(&lane->mutex);
            owner = lane->owner;
        }
        if (owner && owner->thread() == QThread::currentThread())
            owner->deliver();
    }
    return givenUp;
}

OrmAccessQueue::Outstanding OrmAccessQueue::outstanding()
{
    Outstanding owed;
    for (const auto &lane : liveLanes()) {
        QMutexLocker lock(&lane->mutex);
        for (const Lane::Job &job : qAsConst(lane->jobs)) {
            (job.read ? owed.reads : owed.changes).append(job.what);
            if (!job.read)
                owed.changesSaid.append(job.said.isEmpty() ? job.what : job.said);
        }
    }
    return owed;
}

void OrmAccessQueue::setWaiting(bool waiting)
{
    if (m_waiting == waiting)
        return;
    m_waiting = waiting;
    emit waitingChanged(waiting);
}
