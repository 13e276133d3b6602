#include "OrmWriteQueue.h"

#include <QDebug>

#include <algorithm>
#include <utility>

OrmWriteQueue::OrmWriteQueue(QObject *parent)
    : QObject(parent)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &OrmWriteQueue::run);
}

OrmWriteQueue::~OrmWriteQueue()
{
    for (const Entry &e : qAsConst(m_items))
        qWarning() << "Write dropped, never stored:" << e.item.what;
}

void OrmWriteQueue::enqueue(Item item)
{
    Entry entry{std::move(item), ++m_sequence, {}};
    entry.age.start();
    m_items.append(std::move(entry));
    // Behind a waiting write it waits its turn; inside a run it is next.
    if (!m_running && !m_waiting)
        run();
}

QStringList OrmWriteQueue::pending() const
{
    QStringList names;
    for (const Entry &e : m_items)
        names << e.item.what;
    return names;
}

QString OrmWriteQueue::waitingText()
{
    return tr("Saving: the database is in use by another program; waiting for it...");
}

QString OrmWriteQueue::heldText()
{
    return tr("Configuration failed: the database is in use by another program");
}

QString OrmWriteQueue::failureText(const QSqlError &error)
{
    // Any other reason is the log's: the operator could do nothing with it.
    if (OrmDatabase::isLocked(error))
        return heldText();
    return tr("Configuration failed");
}

void OrmWriteQueue::run()
{
    m_retry.stop();
    if (m_running)
        return;
    m_running = true;
    while (!m_items.isEmpty()) {
        const QSqlError error = tryHead(TryMs);
        if (OrmDatabase::isLocked(error)) {
            giveUpOverdue(error);
            if (!m_items.isEmpty()) {
                // One brief wait per turn of the event loop, never more.
                m_retry.start();
                m_running = false;
                setWaiting(true);
                return;
            }
            break;
        }
        settleHead(error);
    }
    m_running = false;
    setWaiting(false);
}

void OrmWriteQueue::flush(int budgetMs)
{
    m_retry.stop();
    if (m_running)
        return;
    m_running = true;
    QElapsedTimer clock;
    clock.start();
    while (!m_items.isEmpty())
        settleHead(tryHead(qMax(0, budgetMs - int(clock.elapsed()))));
    m_running = false;
    setWaiting(false);
}

QSqlError OrmWriteQueue::tryHead(int busyMs)
{
    // A copy: the write may queue another one, which moves the list.
    const Write write = m_items.first().item.write;
    if (!write)
        return QSqlError();
    const OrmDatabase::BusyTimeoutScope brief(busyMs);
    return write();
}

void OrmWriteQueue::settleHead(const QSqlError &error)
{
    if (!error.text().isEmpty() && m_items.first().item.givesUp)
        finish(takeWithFollowers(0), error);
    else
        finish({m_items.takeFirst()}, error);
}

QList<OrmWriteQueue::Entry> OrmWriteQueue::takeWithFollowers(int i)
{
    QList<Entry> taken{m_items.takeAt(i)};
    const QString key = taken.first().item.key;
    if (key.isEmpty())
        return taken;
    for (int j = i; j < m_items.size();) {
        if (m_items.at(j).item.key == key && m_items.at(j).item.givesUp)
            taken.append(m_items.takeAt(j));
        else
            ++j;
    }
    return taken;
}

void OrmWriteQueue::giveUpOverdue(const QSqlError &error)
{
    QList<Entry> lost;
    for (int i = 0; i < m_items.size();) {
        const Entry &e = m_items.at(i);
        if (e.item.givesUp && e.age.elapsed() >= GiveUpMs)
            lost += takeWithFollowers(i);
        else
            ++i;
    }
    finish(lost, error);
}

void OrmWriteQueue::finish(QList<Entry> entries, const QSqlError &error)
{
    // The latest first: each undoes its own change, so the record ends as the
    // earliest one found it, which is what the database holds.
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.sequence > b.sequence; });
    for (const Entry &e : qAsConst(entries)) {
        if (OrmDatabase::isLocked(error))
            qWarning() << "Write given up, the database is in use by another program:" << e.item.what;
        else if (!error.text().isEmpty())
            qWarning() << "Write failed:" << e.item.what << error.text();
        if (e.item.done)
            e.item.done(error);
    }
}

void OrmWriteQueue::setWaiting(bool waiting)
{
    if (m_waiting == waiting)
        return;
    m_waiting = waiting;
    emit waitingChanged(waiting);
}
