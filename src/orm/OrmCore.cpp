#include "OrmCore.h"
#include "OrmDao.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThreadStorage>

#include <atomic>

namespace {

QMutex g_settingsMutex;
QString g_databaseName = QStringLiteral("./Kelvo.sqlite");
QString g_failingFragment;
std::atomic<int> g_generation{1};
std::atomic<bool> g_ready{false};
QAtomicInt g_connectionCounter;

const QString kConnectionPrefix = QStringLiteral("kelvo_orm_");

thread_local int t_initDepth = 0;

QString databaseNameLocked()
{
    QMutexLocker lock(&g_settingsMutex);
    return g_databaseName;
}

// The connection of one thread. Kept in QThreadStorage, so it is removed
// while the thread finishes (before QThread::wait returns); the main thread's
// goes when the application object is destroyed.
struct ThreadConnection
{
    QString name;
    int generation = 0;
    int transactionDepth = 0;

    ~ThreadConnection() { drop(); }

    void drop()
    {
        transactionDepth = 0;
        if (name.isEmpty())
            return;
        if (QSqlDatabase::contains(name)) {
            {
                QSqlDatabase db = QSqlDatabase::database(name, false);
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        name.clear();
    }

    QSqlDatabase get(QSqlError *error)
    {
        const int gen = g_generation.load();
        if (!name.isEmpty() && gen != generation)
            drop();
        if (name.isEmpty()) {
            name = kConnectionPrefix + QString::number(g_connectionCounter.fetchAndAddOrdered(1) + 1);
            generation = gen;
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(databaseNameLocked());
            db.setHostName(QStringLiteral("localhost"));
            db.setUserName(QStringLiteral("root"));
            db.setPassword(QStringLiteral("QZ502713"));
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(OrmDatabase::BusyTimeoutMs));
        }
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (!db.isOpen() && !db.open()) {
            if (error)
                *error =
                    db.lastError().text().isEmpty()
                        ? QSqlError(QString(), QStringLiteral("Cannot open the database"), QSqlError::ConnectionError)
                        : db.lastError();
            return QSqlDatabase();
        }
        return db;
    }
};

QThreadStorage<ThreadConnection *> g_connections;

ThreadConnection &threadConnection()
{
    if (!g_connections.hasLocalData())
        g_connections.setLocalData(new ThreadConnection());
    return *g_connections.localData();
}

QSqlError makeError(const QString &text, QSqlError::ErrorType type = QSqlError::StatementError)
{
    return QSqlError(QString(), text, type);
}

QString joined(const QStringList &parts)
{
    return parts.join(QStringLiteral(", "));
}

QString withCondition(const QString &sql, const QString &condition)
{
    const QString c = condition.trimmed();
    return c.isEmpty() ? sql : sql + QLatin1Char(' ') + c;
}

} // namespace

int OrmTableInfo::rowIndexOf(const QString &column) const
{
    if (column.compare(key, Qt::CaseInsensitive) == 0)
        return 0;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(column, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return -1;
}

// ---- OrmDatabase ----------------------------------------------------------------

void OrmDatabase::setDatabaseName(const QString &path)
{
    {
        QMutexLocker lock(&g_settingsMutex);
        g_databaseName = path;
    }
    ++g_generation;
}

QString OrmDatabase::databaseName()
{
    return databaseNameLocked();
}

void OrmDatabase::setReady(bool ready)
{
    g_ready.store(ready);
}

bool OrmDatabase::isReady()
{
    return g_ready.load();
}

OrmDatabase::InitScope::InitScope()
{
    ++t_initDepth;
}

OrmDatabase::InitScope::~InitScope()
{
    --t_initDepth;
}

QSqlDatabase OrmDatabase::connection(QSqlError *error)
{
    if (!g_ready.load() && t_initDepth == 0) {
        if (error)
            *error = makeError(QStringLiteral("Database not initialised"), QSqlError::ConnectionError);
        return QSqlDatabase();
    }
    return threadConnection().get(error);
}

QSqlError OrmDatabase::exec(const QString &sql, const QVariantList &positional,
                            const QVector<QPair<QString, QVariant>> &named, OrmResult *result)
{
    {
        QMutexLocker lock(&g_settingsMutex);
        if (!g_failingFragment.isEmpty() && sql.contains(g_failingFragment))
            return makeError(QStringLiteral("Injected failure"));
    }
    QSqlError err;
    QSqlDatabase db = connection(&err);
    if (!db.isValid())
        return err;

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return query.lastError();
    for (const QVariant &v : positional)
        query.addBindValue(v);
    for (const auto &b : named) {
        const bool nullText = b.second.type() == QVariant::String && b.second.toString().isNull();
        query.bindValue(b.first, nullText ? QVariant(QStringLiteral("")) : b.second);
    }
    if (!query.exec())
        return query.lastError();

    if (result) {
        result->rowsAffected = query.numRowsAffected();
        result->lastInsertId = query.lastInsertId();
        if (query.isSelect()) {
            const QSqlRecord rec = query.record();
            const int n = rec.count();
            result->columns.clear();
            for (int i = 0; i < n; ++i)
                result->columns.append(rec.fieldName(i));
            while (query.next()) {
                QVariantList row;
                row.reserve(n);
                for (int i = 0; i < n; ++i)
                    row.append(query.value(i));
                result->rows.append(row);
            }
            if (query.lastError().isValid())
                return query.lastError();
        }
    }
    return QSqlError();
}

void OrmDatabase::closeAllConnections()
{
    ++g_generation;
    if (g_connections.hasLocalData())
        g_connections.localData()->drop();
}

bool OrmDatabase::isLocked(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6")
           || error.text().contains(QLatin1String("database is locked"), Qt::CaseInsensitive)
           || error.text().contains(QLatin1String("database table is locked"), Qt::CaseInsensitive);
}

bool OrmDatabase::isDamaged(const QSqlError &error)
{
    // SQLITE_CORRUPT and SQLITE_NOTADB; the others are SQLite's words for a
    // table that is not what the client made.
    const QString code = error.nativeErrorCode();
    const QString text = error.text();
    return code == QLatin1String("11") || code == QLatin1String("26")
           || text.contains(QLatin1String("malformed"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("not a database"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("no such column"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("no such table"), Qt::CaseInsensitive)
           || text.contains(QLatin1String("has no column named"), Qt::CaseInsensitive);
}

DatabaseTrouble OrmDatabase::trouble(const QSqlError &error)
{
    DatabaseTrouble trouble;
    if (isLocked(error))
        trouble.kind = DatabaseTrouble::Held;
    else if (isDamaged(error))
        trouble.kind = DatabaseTrouble::Damaged;
    trouble.file = QDir::toNativeSeparators(QFileInfo(databaseName()).absoluteFilePath());
    return trouble;
}

namespace {

void setBusyTimeout(int ms)
{
    QSqlDatabase db = OrmDatabase::connection();
    if (!db.isValid())
        return;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(qMax(0, ms))))
        qWarning() << "Busy timeout not set:" << query.lastError().text();
}

} // namespace

namespace {
// This thread's busy timeout while scopes are open; a scope ends by giving
// back the one before it, so a brief try inside a longer one stays brief
// only for itself.
thread_local int t_busyTimeoutMs = OrmDatabase::BusyTimeoutMs;
} // namespace

OrmDatabase::BusyTimeoutScope::BusyTimeoutScope(int ms)
    : m_previousMs(t_busyTimeoutMs)
{
    t_busyTimeoutMs = qMax(0, ms);
    setBusyTimeout(t_busyTimeoutMs);
}

OrmDatabase::BusyTimeoutScope::~BusyTimeoutScope()
{
    t_busyTimeoutMs = m_previousMs;
    setBusyTimeout(m_previousMs);
}

void OrmDatabase::setFailingStatementForTesting(const QString &sqlFragment)
{
    QMutexLocker lock(&g_settingsMutex);
    g_failingFragment = sqlFragment;
}

// ---- OrmTransaction ---------------------------------------------------------------

OrmTransaction::OrmTransaction()
{
    if (threadConnection().transactionDepth == 0) {
        QSqlDatabase db = OrmDatabase::connection(&m_error);
        if (!db.isValid())
            return;
        // Every transaction here writes. A plain BEGIN takes the write lock only
        // at the first write: a read-then-write then fails at once with
        // "database is locked" when another connection writes, without waiting
        // for the busy timeout. IMMEDIATE takes it up front, and waits.
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            m_error = begin.lastError().text().isEmpty() ? makeError(QStringLiteral("Cannot begin a transaction"))
                                                         : begin.lastError();
            return;
        }
        m_outer = true;
    }
    ++threadConnection().transactionDepth;
}

OrmTransaction::~OrmTransaction()
{
    rollback();
}

QSqlError OrmTransaction::commit()
{
    if (m_done || !m_error.text().isEmpty())
        return m_error;
    m_done = true;
    --threadConnection().transactionDepth;
    if (!m_outer)
        return QSqlError();
    QSqlError err;
    QSqlDatabase db = OrmDatabase::connection(&err);
    if (!db.isValid())
        return err;
    if (!db.commit()) {
        err = db.lastError().text().isEmpty() ? makeError(QStringLiteral("Cannot commit")) : db.lastError();
        db.rollback();
        return err;
    }
    return QSqlError();
}

void OrmTransaction::rollback()
{
    if (m_done || !m_error.text().isEmpty())
        return;
    m_done = true;
    --threadConnection().transactionDepth;
    if (!m_outer)
        return;
    QSqlDatabase db = OrmDatabase::connection();
    if (db.isValid() && !db.rollback())
        qWarning() << "Rollback failed:" << db.lastError().text();
}

// ---- SQL text ----------------------------------------------------------------------

namespace OrmSql {

static QString columnDefinition(const OrmColumnInfo &c)
{
    QString def = c.name + QLatin1Char(' ') + c.sqlType;
    if (!c.constraint.isEmpty())
        def += QLatin1Char(' ') + c.constraint;
    return def;
}

static QStringList columnList(const OrmTableInfo &t, bool withKey)
{
    QStringList names;
    if (withKey)
        names.append(t.key);
    for (const OrmColumnInfo &c : t.columns)
        names.append(c.name);
    return names;
}

QString createTable(const OrmTableInfo &t)
{
    QStringList defs;
    defs.append(t.key + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL"));
    for (const OrmColumnInfo &c : t.columns)
        defs.append(columnDefinition(c));
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(t.table, joined(defs));
}

QString addColumn(const OrmTableInfo &t, const QString &column)
{
    for (const OrmColumnInfo &c : t.columns) {
        if (c.name == column)
            return QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(t.table, columnDefinition(c));
    }
    return QString();
}

QString insert(const OrmTableInfo &t, bool withKey)
{
    const QStringList names = columnList(t, withKey);
    QStringList marks;
    for (int i = 0; i < names.size(); ++i)
        marks.append(QStringLiteral("?"));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(t.table, joined(names), joined(marks));
}

QString update(const OrmTableInfo &t)
{
    QStringList sets;
    for (const OrmColumnInfo &c : t.columns)
        sets.append(c.name + QStringLiteral(" = ?"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(t.table, joined(sets), t.key);
}

QString selectAll(const OrmTableInfo &t, const QString &condition)
{
    return withCondition(QStringLiteral("SELECT %1 FROM %2").arg(joined(columnList(t, true)), t.table), condition);
}

QString selectById(const OrmTableInfo &t)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(joined(columnList(t, true)), t.table, t.key);
}

QString existById(const OrmTableInfo &t)
{
    return QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(t.table, t.key);
}

QString count(const OrmTableInfo &t, const QString &condition)
{
    return withCondition(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.table), condition);
}

QString deleteWhere(const OrmTableInfo &t, const QString &condition)
{
    return withCondition(QStringLiteral("DELETE FROM %1").arg(t.table), condition);
}

QString deleteById(const OrmTableInfo &t)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(t.table, t.key);
}

QString createIndex(const OrmTableInfo &t, const QString &name, const QStringList &columns)
{
    for (const QString &column : columns) {
        if (t.rowIndexOf(column) < 0)
            return QString();
    }
    if (columns.isEmpty())
        return QString();
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
        .arg(name, t.table, columns.join(QStringLiteral(", ")));
}

QString tableNames()
{
    return QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
}

QString columnNames()
{
    return QStringLiteral("SELECT name FROM pragma_table_info(?)");
}

} // namespace OrmSql

// ---- operations ----------------------------------------------------------------------

namespace orm {
namespace detail {

QSqlError nullObjectError()
{
    return makeError(QStringLiteral("Null object"));
}

QSqlError noRowError(const OrmTableInfo &t, long id)
{
    return makeError(QStringLiteral("No row %1 in %2").arg(id).arg(t.table));
}

QSqlError createTable(const OrmTableInfo &t)
{
    return OrmDatabase::exec(OrmSql::createTable(t), {}, {});
}

QSqlError insertRow(const OrmTableInfo &t, const QVariantList &row, bool withKey, long *newId)
{
    OrmResult result;
    const QVariantList values = withKey ? row : row.mid(1);
    const QSqlError err = OrmDatabase::exec(OrmSql::insert(t, withKey), values, {}, &result);
    if (err.text().isEmpty() && newId)
        *newId = withKey ? long(row.value(0).toLongLong()) : long(result.lastInsertId.toLongLong());
    return err;
}

QSqlError updateRow(const OrmTableInfo &t, const QVariantList &row)
{
    if (row.isEmpty())
        return nullObjectError();
    QVariantList values = row.mid(1);
    values.append(row.first());
    return OrmDatabase::exec(OrmSql::update(t), values, {});
}

QSqlError existRow(const OrmTableInfo &t, long id, bool *exists)
{
    OrmResult result;
    const QSqlError err = OrmDatabase::exec(OrmSql::existById(t), {qlonglong(id)}, {}, &result);
    if (exists)
        *exists = err.text().isEmpty() && !result.rows.isEmpty();
    return err;
}

QSqlError countRows(const OrmTableInfo &t, const OrmQuery &query, long *count)
{
    OrmResult result;
    const QSqlError err = OrmDatabase::exec(OrmSql::count(t, query.text()), {}, query.binds(), &result);
    if (count)
        *count = (err.text().isEmpty() && !result.rows.isEmpty()) ? long(result.rows.first().value(0).toLongLong()) : 0;
    return err;
}

QSqlError selectRows(const OrmTableInfo &t, const OrmQuery &query, QVector<QVariantList> *rows)
{
    OrmResult result;
    const QSqlError err = OrmDatabase::exec(OrmSql::selectAll(t, query.text()), {}, query.binds(), &result);
    if (rows)
        *rows = err.text().isEmpty() ? result.rows : QVector<QVariantList>();
    return err;
}

QSqlError selectById(const OrmTableInfo &t, long id, QVector<QVariantList> *rows)
{
    OrmResult result;
    const QSqlError err = OrmDatabase::exec(OrmSql::selectById(t), {qlonglong(id)}, {}, &result);
    if (rows)
        *rows = err.text().isEmpty() ? result.rows : QVector<QVariantList>();
    return err;
}

QSqlError deleteRows(const OrmTableInfo &t, const OrmQuery &query)
{
    return OrmDatabase::exec(OrmSql::deleteWhere(t, query.text()), {}, query.binds());
}

QSqlError deleteById(const OrmTableInfo &t, long id)
{
    return OrmDatabase::exec(OrmSql::deleteById(t), {qlonglong(id)}, {});
}

QSqlError executeQuery(const OrmQuery &query, OrmResult *result)
{
    return OrmDatabase::exec(query.text(), {}, query.binds(), result);
}

QSqlError addColumn(const OrmTableInfo &t, const QString &column)
{
    const QString sql = OrmSql::addColumn(t, column);
    if (sql.isEmpty())
        return makeError(QStringLiteral("No column %1 in %2").arg(column, t.table));
    return OrmDatabase::exec(sql, {}, {});
}

QSqlError createIndex(const OrmTableInfo &t, const QString &name, const QStringList &columns)
{
    const QString sql = OrmSql::createIndex(t, name, columns);
    if (sql.isEmpty())
        return makeError(QStringLiteral("Cannot index %1 (%2)").arg(t.table, columns.join(QStringLiteral(", "))));
    return OrmDatabase::exec(sql, {}, {});
}

static QSqlError firstColumn(const QString &sql, const QVariantList &values, QStringList &names)
{
    OrmResult result;
    names.clear();
    const QSqlError err = OrmDatabase::exec(sql, values, {}, &result);
    if (err.text().isEmpty()) {
        for (const QVariantList &row : qAsConst(result.rows))
            names.append(row.value(0).toString());
    }
    return err;
}

} // namespace detail

namespace dao {

QSqlError table_names(QStringList &names)
{
    return detail::firstColumn(OrmSql::tableNames(), {}, names);
}

QSqlError column_names(const QString &table, QStringList &names)
{
    return detail::firstColumn(OrmSql::columnNames(), {table}, names);
}

} // namespace dao
} // namespace orm
