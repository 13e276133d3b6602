#include "AlarmRecordWriter.h"
#include "ThreadStack.h"

#include "OrmCore.h"
#include "OrmDao.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutexLocker>
#include <QScopeGuard>

#include <utility>
#include <vector>

AlarmRecordWriter::AlarmRecordWriter(QObject *parent)
    : QThread(parent)
{
}

AlarmRecordWriter::~AlarmRecordWriter()
{
    finish();
}

namespace {

QHash<QString, qint64> byDevice(const CustomAlarmInfo *rows, size_t count)
{
    QHash<QString, qint64> tally;
    for (size_t i = 0; i < count; ++i)
        ++tally[AlarmRecordWriter::deviceLabel(rows[i].devName, rows[i].handler)];
    return tally;
}

QHash<QString, qint64> byDevice(const std::deque<CustomAlarmInfo> &rows, QHash<QString, qint64> tally = {})
{
    for (const CustomAlarmInfo &row : rows)
        ++tally[AlarmRecordWriter::deviceLabel(row.devName, row.handler)];
    return tally;
}

void add(QHash<QString, qint64> &to, const QHash<QString, qint64> &from)
{
    for (auto it = from.cbegin(); it != from.cend(); ++it)
        to[it.key()] += it.value();
}

QString noRoomDetail(AlarmRecordWriter::Failure why, const CustomAlarmInfo &record)
{
    return QStringLiteral("alarm of %1 at %2: %3")
        .arg(record.devName, record.alarmTime,
             why == AlarmRecordWriter::Held ? QStringLiteral("the database is in use by another program")
                                            : QStringLiteral("the database is not keeping up"));
}

} // namespace

bool AlarmRecordWriter::append(const CustomAlarmInfo &record)
{
    std::vector<CustomAlarmInfo> rows{record};
    return append(rows) == 1;
}

size_t AlarmRecordWriter::append(std::vector<CustomAlarmInfo> &rows)
{
    if (rows.empty())
        return 0;
    size_t taken = 0;
    bool begun = false;
    // A full queue behind a batch that waits for a held database is the
    // hold's doing, not a database too slow.
    const Failure why = m_busy.load() ? Held : TooMany;
    {
        QMutexLocker lock(&m_mutex);
        if (m_closing) {
            lock.unlock();
            {
                QMutexLocker losses(&m_lossMutex);
                noteCloseLoss(byDevice(rows.data(), rows.size()));
            }
            m_failed += qint64(rows.size());
            m_lostAtClose += qint64(rows.size());
            qWarning().noquote() << rows.size() << "alarms came after the close began and were not stored";
            return 0;
        }
        for (; taken < rows.size() && m_queue.size() < Capacity; ++taken)
            m_queue.push_back(std::move(rows[taken]));
        // Counted before the writer can store the rows taken: their storing
        // is what may end the outage.
        if (taken < rows.size())
            begun = noteLoss(qint64(rows.size() - taken), byDevice(rows.data() + taken, rows.size() - taken));
        m_quit = false;
        m_wake.wakeOne();
    }
    if (begun)
        sayLoss(why, noRoomDetail(why, rows[taken]));
    if (taken > 0 && !isRunning())
        start();
    return taken;
}

void AlarmRecordWriter::appendAtClose(std::vector<CustomAlarmInfo> &rows)
{
    if (rows.empty())
        return;
    {
        QMutexLocker lock(&m_mutex);
        for (CustomAlarmInfo &row : rows)
            m_queue.push_back(std::move(row));
        m_wake.wakeOne();
    }
    if (!isRunning())
        start();
}

void AlarmRecordWriter::dropped(qint64 rows, const QString &detail)
{
    failed(rows, TooMany, detail, {});
}

void AlarmRecordWriter::dropped(qint64 rows, Failure why, const QString &detail, const QString &device)
{
    failed(rows, why, detail, device.isEmpty() ? QHash<QString, qint64>() : QHash<QString, qint64>{{device, rows}});
}

QString AlarmRecordWriter::deviceLabel(const QString &name, const QString &sn)
{
    return sn.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, sn);
}

QHash<QString, qint64> AlarmRecordWriter::lostByDevice()
{
    QMutexLocker lock(&m_lossMutex);
    QHash<QString, qint64> all = m_outageByDevice;
    add(all, m_closeByDevice);
    return all;
}

void AlarmRecordWriter::noteCloseLoss(const QHash<QString, qint64> &byDevice)
{
    add(m_closeByDevice, byDevice);
}

void AlarmRecordWriter::close(QDeadlineTimer deadline)
{
    bool start = false;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_closing || deadline.deadlineNSecs() < m_closeBy.deadlineNSecs())
            m_closeBy = deadline;
        m_closing = true;
        m_quit = true;
        m_wake.wakeAll();
        start = !m_queue.empty();
    }
    // Rows queued for a thread that has not run yet are written (or counted) too.
    if (start && !isRunning())
        QThread::start();
}

void AlarmRecordWriter::finish(int budgetMs)
{
    close(QDeadlineTimer(qMax(0, budgetMs)));
    wait();
}

bool AlarmRecordWriter::closeExpired()
{
    QMutexLocker lock(&m_mutex);
    return m_closing && m_closeBy.hasExpired();
}

int AlarmRecordWriter::tryMs()
{
    QMutexLocker lock(&m_mutex);
    // A close without a deadline (remaining time -1) tries as long as ever.
    if (!m_closing || m_closeBy.isForever())
        return BusyTryMs;
    return int(qMin<qint64>(BusyTryMs, m_closeBy.remainingTime()));
}

void AlarmRecordWriter::giveUpAtClose(std::vector<CustomAlarmInfo> &batch, const QString &why)
{
    qint64 lost = 0;
    QHash<QString, qint64> devices;
    {
        QMutexLocker lock(&m_mutex);
        lost = qint64(batch.size() + m_queue.size());
        devices = byDevice(m_queue, byDevice(batch.data(), batch.size()));
        m_queue.clear();
        m_writing = 0;
        m_room.wakeAll();
    }
    {
        QMutexLocker losses(&m_lossMutex);
        noteCloseLoss(devices);
    }
    batch.clear();
    m_failed += lost;
    m_lostAtClose += lost;
    qWarning().noquote() << lost << "alarms not stored at close:" << why;
}

void AlarmRecordWriter::checkRecords()
{
    m_checkWanted = true;
    if (!isRunning())
        start();
}

void AlarmRecordWriter::runCheck()
{
    OrmResult checked;
    QSqlError err;
    {
        // A database held at start is no damage: the check is left to the log.
        const OrmDatabase::BusyTimeoutScope brief(BusyRetryMs);
        err = orm::dao::execute_query(OrmQuery(QStringLiteral("PRAGMA quick_check(CustomAlarmInfo)")), &checked);
    }
    if (err.text().isEmpty()) {
        QStringList found;
        for (const QVariantList &row : qAsConst(checked.rows))
            found << row.value(0).toString();
        if (found == QStringList{QStringLiteral("ok")})
            return;
        // What the check finds is a damaged file, said as SQLite says it.
        err = QSqlError(QString(), found.mid(0, 3).join(QStringLiteral("; ")), QSqlError::StatementError,
                        QStringLiteral("11"));
    }
    if (failureOf(err) != Damaged) {
        qInfo().noquote() << "Alarm records not checked:" << err.text();
        return;
    }
    qWarning().noquote() << "Alarm records damaged in" << OrmDatabase::databaseName() << "-" << err.text();
    emit recordsDamaged(err.text());
}

void AlarmRecordWriter::run()
{
    ThreadStack::install();
    if (m_checkWanted.exchange(false))
        runCheck();
    // No statement of this thread waits long for a held database: the batch
    // is tried again instead, and a close is never held by a wait begun before it.
    const OrmDatabase::BusyTimeoutScope turn(BusyTryMs);
    std::vector<CustomAlarmInfo> batch;
    while (takeBatch(batch)) {
        if (closeExpired())
            giveUpAtClose(batch, QStringLiteral("the close could wait no longer"));
        else
            storeBatch(batch);
        QMutexLocker lock(&m_mutex);
        m_writing = 0;
    }
}

bool AlarmRecordWriter::takeBatch(std::vector<CustomAlarmInfo> &batch)
{
    batch.clear();
    QMutexLocker lock(&m_mutex);
    while ((m_queue.empty() || m_held) && !m_quit) {
        // A flood that stopped has its outage ended here, with no
        // further batch to end it.
        const qint64 left = quietLeft();
        if (left == 0) {
            endOutageIfQuiet();
            continue;
        }
        if (left < 0)
            m_wake.wait(&m_mutex);
        else
            m_wake.wait(&m_mutex, QDeadlineTimer(qMin<qint64>(left, 1000)));
    }
    if (m_queue.empty())
        return false;
    if (m_queue.size() < BatchSize && !m_quit && m_gatherMs.load() > 0) {
        QDeadlineTimer gather(m_gatherMs.load());
        while (m_queue.size() < BatchSize && !m_quit && m_wake.wait(&m_mutex, gather)) {
        }
    }
    while (!m_queue.empty() && batch.size() < BatchSize) {
        batch.push_back(std::move(m_queue.front()));
        m_queue.pop_front();
    }
    m_writing = batch.size();
    m_room.wakeAll();
    return true;
}

void AlarmRecordWriter::storeBatch(std::vector<CustomAlarmInfo> &batch)
{
    // Rows of the batch that tries before committed (each on its own).
    qint64 keptBefore = 0;
    bool waited = false;
    // However the batch ends, it no longer waits for the database.
    const auto settled = qScopeGuard([this] { m_busy = false; });
    for (;;) {
        const int busyMs = tryMs();
        Attempt attempt;
        if (busyMs > 0) {
            const OrmDatabase::BusyTimeoutScope bounded(busyMs);
            attempt = tryBatch(batch);
        } else {
            attempt.busy = true;
        }
        keptBefore += attempt.kept;
        if (!attempt.busy) {
            const qint64 rows = keptBefore + qint64(batch.size());
            if (attempt.lost > 0)
                failed(attempt.lost, failureOf(attempt.error),
                       attempt.alarm + QStringLiteral(": ") + attempt.error.text(), attempt.byDevice);
            else
                stored(rows);
            if (attempt.lost > 0 && attempt.lost < rows)
                m_stored += rows - attempt.lost;
            enforceLimit(rows - attempt.lost);
            return;
        }
        // Another program holds the database (a backup): the batch is not
        // lost, it waits, as the alarms queued behind it do.
        m_busy = true;
        if (busyMs > 0)
            ++m_busyTries;
        if (!std::exchange(waited, true))
            qInfo().noquote() << "Alarms wait for the database:" << attempt.error.text();
        if (closeExpired()) {
            m_stored += keptBefore;
            giveUpAtClose(batch, QStringLiteral("the database is in use by another program"));
            return;
        }
        waitForDatabase();
    }
}

void AlarmRecordWriter::waitForDatabase()
{
    QMutexLocker lock(&m_mutex);
    QDeadlineTimer next(BusyRetryMs);
    if (m_closing && m_closeBy.deadlineNSecs() < next.deadlineNSecs())
        next = m_closeBy;
    m_wake.wait(&m_mutex, next);
}

AlarmRecordWriter::Attempt AlarmRecordWriter::tryBatch(std::vector<CustomAlarmInfo> &batch)
{
    Attempt attempt;
    OrmTransaction transaction;
    if (OrmDatabase::isLocked(transaction.error())) {
        attempt.busy = true;
        attempt.error = transaction.error();
        return attempt;
    }
    const bool inTransaction = transaction.error().text().isEmpty();
    QStringList inserted;                  // ids of the rows the database took
    std::vector<bool> taken(batch.size()); // by row
    std::vector<bool> lost(batch.size());  // by row
    for (size_t i = 0; i < batch.size(); ++i) {
        CustomAlarmInfo &record = batch[i];
        const QSqlError err = orm::dao::insert(record);
        if (OrmDatabase::isLocked(err)) {
            attempt.busy = true;
            attempt.error = err;
            break;
        }
        if (!err.text().isEmpty()) {
            lost[i] = true;
            if (attempt.lost++ == 0) {
                attempt.error = err;
                attempt.alarm = QStringLiteral("alarm of %1 at %2").arg(record.devName, record.alarmTime);
            }
        } else {
            inserted << QString::number(record.id);
            taken[i] = true;
        }
    }
    if (attempt.busy) {
        // In a transaction nothing is kept; without one (BEGIN refused) each
        // insert committed itself, and those rows are not written again.
        attempt.lost = 0;
        if (inTransaction) {
            transaction.rollback();
            return attempt;
        }
        std::vector<CustomAlarmInfo> rest;
        for (size_t i = 0; i < batch.size(); ++i) {
            if (!taken[i])
                rest.push_back(std::move(batch[i]));
        }
        attempt.kept = qint64(batch.size() - rest.size());
        batch.swap(rest);
        return attempt;
    }
    const QSqlError err = inTransaction ? transaction.commit() : QSqlError();
    if (OrmDatabase::isLocked(err)) {
        // The commit rolled the batch back.
        attempt.busy = true;
        attempt.error = err;
        attempt.lost = 0;
        return attempt;
    }
    if (!err.text().isEmpty()) {
        // A failed insert may have ended the transaction already: its
        // error, not the commit's, tells why.
        if (attempt.lost == 0) {
            attempt.error = err;
            attempt.alarm = QStringLiteral("%1 alarms").arg(batch.size());
        }
        attempt.lost = qint64(batch.size());
        lost.assign(batch.size(), true);
    }
    QSet<qint64> kept;
    if (attempt.lost > 0 && !inserted.isEmpty() && keptOf(inserted, &kept)) {
        // An id given again after a rollback is the later row's: the row
        // rolled back under it is lost.
        attempt.lost = 0;
        for (size_t i = batch.size(); i-- > 0;) {
            const qint64 id = qint64(batch[i].id);
            lost[i] = !taken[i] || !kept.contains(id);
            kept.remove(id);
            attempt.lost += lost[i] ? 1 : 0;
        }
    }
    for (size_t i = 0; i < batch.size(); ++i) {
        if (lost[i])
            ++attempt.byDevice[deviceLabel(batch[i].devName, batch[i].handler)];
    }
    return attempt;
}

bool AlarmRecordWriter::keptOf(QStringList inserted, QSet<qint64> *kept)
{
    // A full disk rolls the whole transaction back at the insert that
    // failed; the inserts after it then commit one by one. Only the
    // database knows which rows it kept.
    inserted.removeDuplicates();
    OrmResult found;
    const QSqlError read = orm::dao::execute_query(
        OrmQuery(
            QStringLiteral("SELECT id FROM CustomAlarmInfo WHERE id IN (%1)").arg(inserted.join(QLatin1Char(',')))),
        &found);
    if (!read.text().isEmpty())
        return false;
    for (const QVariantList &row : qAsConst(found.rows))
        kept->insert(row.value(0).toLongLong());
    return true;
}

AlarmRecordWriter::Failure AlarmRecordWriter::failureOf(const QSqlError &error)
{
    // SQLite's primary result codes, also inside an extended one.
    const int code = error.nativeErrorCode().toInt() & 0xff;
    // SQLITE_CORRUPT and SQLITE_NOTADB: the file's pages are not what SQLite
    // wrote, whatever the file's mode.
    if (code == 11 || code == 26 || error.text().contains(QLatin1String("malformed")))
        return Damaged;
    if (code == 13 || error.text().contains(QLatin1String("disk is full")))
        return DiskFull;
    if (code == 8 || error.text().contains(QLatin1String("readonly"))) {
        // SQLite calls a file removed or moved away while open (a disk
        // unmounted under it) read-only too.
        const QString file = OrmDatabase::databaseName();
        if (!file.isEmpty() && !file.startsWith(QLatin1Char(':')) && !QFileInfo::exists(file))
            return Missing;
        return ReadOnly;
    }
    return NotWritable;
}

void AlarmRecordWriter::beginOutage(Failure why)
{
    Q_UNUSED(why)
    QMutexLocker lock(&m_lossMutex);
    m_storedSinceLoss = false;
    m_lastLoss = now();
    m_outage = true;
}

qint64 AlarmRecordWriter::now() const
{
    if (m_clock)
        return m_clock();
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.elapsed();
}

void AlarmRecordWriter::holdForTesting(bool held)
{
    QMutexLocker lock(&m_mutex);
    m_held = held;
    m_wake.wakeOne();
}

bool AlarmRecordWriter::noteLoss(qint64 rows, const QHash<QString, qint64> &byDevice)
{
    QMutexLocker lock(&m_lossMutex);
    m_failed += rows;
    m_lostInOutage += rows;
    add(m_outageByDevice, byDevice);
    m_storedSinceLoss = false;
    m_lastLoss = now();
    return !m_outage.exchange(true);
}

void AlarmRecordWriter::sayLoss(Failure why, const QString &detail)
{
    qWarning().noquote() << "Alarms not stored from now on:" << detail;
    emit storeFailed(why, detail);
}

void AlarmRecordWriter::failed(qint64 rows, Failure why, const QString &detail, const QHash<QString, qint64> &byDevice)
{
    if (noteLoss(rows, byDevice))
        sayLoss(why, detail);
}

void AlarmRecordWriter::stored(qint64 rows)
{
    m_stored += rows;
    if (!m_outage.load())
        return;
    m_storedSinceLoss = true;
    endOutageIfQuiet();
}

qint64 AlarmRecordWriter::quietLeft() const
{
    if (!m_outage.load() || !m_storedSinceLoss.load())
        return -1;
    return qMax<qint64>(0, m_quietMs.load() - (now() - m_lastLoss.load()));
}

void AlarmRecordWriter::endOutageIfQuiet()
{
    qint64 lost = 0;
    {
        // A loss counted at the same moment belongs to the next outage.
        QMutexLocker lock(&m_lossMutex);
        if (quietLeft() != 0 || !m_outage.exchange(false))
            return;
        lost = m_lostInOutage.exchange(0);
        m_outageByDevice.clear();
    }
    qInfo() << "Alarms stored again;" << lost << "were not stored meanwhile";
    emit storeRecovered(lost);
}

void AlarmRecordWriter::setRowLimit(qint64 rows)
{
    m_limit = qMax<qint64>(0, rows);
}

qint64 AlarmRecordWriter::cleanupTarget(qint64 limit)
{
    return limit - qMin(MaxSlack, limit / 100);
}

size_t AlarmRecordWriter::queued()
{
    QMutexLocker lock(&m_mutex);
    return m_queue.size() + m_writing;
}

void AlarmRecordWriter::enforceLimit(qint64 inserted)
{
    const qint64 limit = m_limit.load();
    if (limit <= 0)
        return;
    if (m_rows < 0) {
        // Counted once; from then on the writer keeps the count itself.
        long n = 0;
        const QSqlError err = orm::dao::count<CustomAlarmInfo>(n);
        if (!err.text().isEmpty()) {
            qWarning() << "Alarm records not counted:" << err.text();
            return;
        }
        m_rows = n;
    } else {
        m_rows += qMax<qint64>(0, inserted);
    }
    if (m_rows <= limit)
        return;

    const qint64 before = m_rows;
    const qint64 target = cleanupTarget(limit);
    qint64 removed = 0;
    QString error;
    while (m_rows > target) {
        // The id below which a slice goes: the oldest rows by insertion.
        const qint64 slice = qMin(SliceRows, m_rows - target);
        OrmResult cut;
        QSqlError err = orm::dao::execute_query(
            OrmQuery(QStringLiteral("SELECT id FROM CustomAlarmInfo ORDER BY id LIMIT 1 OFFSET :skip"))
                .bind(QStringLiteral(":skip"), slice - 1),
            &cut);
        if (err.text().isEmpty() && cut.rows.isEmpty()) {
            // Fewer rows than counted (removed elsewhere): count again.
            m_rows = -1;
            break;
        }
        OrmResult gone;
        if (err.text().isEmpty()) {
            err = orm::dao::execute_query(OrmQuery(QStringLiteral("DELETE FROM CustomAlarmInfo WHERE id <= :cut"))
                                              .bind(QStringLiteral(":cut"), cut.rows.first().value(0)),
                                          &gone);
        }
        if (!err.text().isEmpty()) {
            error = err.text();
            break;
        }
        const qint64 n = qMax(0, gone.rowsAffected);
        removed += n;
        m_rows -= n;
        if (n == 0)
            break;
        // Between slices the browser's reads and the next batch get the file.
        if (m_rows > target)
            QThread::msleep(5);
    }
    if (removed > 0) {
        ++m_cleanups;
        m_removed += removed;
    }
    if (!error.isEmpty())
        qWarning().nospace() << "Alarm records above the limit of " << limit << ": " << removed << " of the "
                             << before - target << " oldest removed, then: " << error;
    else
        qInfo().nospace() << "Alarm records above the limit of " << limit << ": the " << removed << " oldest removed, "
                          << (m_rows >= 0 ? m_rows : before - removed) << " kept";
}
