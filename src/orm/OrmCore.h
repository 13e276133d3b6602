#pragma once

// A small object-relational layer over Qt Sql (SQLite).
//
// An entity class registers itself once: table name, key member and the
// columns in table order with their member types. The operations in OrmDao.h
// turn objects into rows and back. All SQL text is built in OrmCore.cpp, and
// every value travels as a bound parameter.
//
// Connections: each thread gets its own connection to the one database file
// (a Qt SQL connection may only be used by the thread that opened it), with a
// SQLite busy timeout. Until OrmDatabase::setReady(true) (done by
// OrmHelper::init once it has succeeded) every operation fails with
// "Database not initialised", except on the thread running the start-up.

#include "DatabaseTrouble.h"

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QSharedPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <type_traits>

struct OrmColumnInfo
{
    QString name;
    QString sqlType;    // INTEGER, TEXT, SMALLINT, TIMESTAMP
    QString constraint; // appended to the column definition, e.g. "NOT NULL DEFAULT -1"
};

struct OrmTableInfo
{
    QString table;
    QString key = QStringLiteral("id");
    QVector<OrmColumnInfo> columns; // every column but the key, in table order

    // Index in a full row (key first, then columns); -1 when unknown.
    int rowIndexOf(const QString &column) const;
};

// Member type -> column type and value conversion.
template <class M> struct OrmType;

template <> struct OrmType<int>
{
    static QString sql() { return QStringLiteral("INTEGER"); }
    static QVariant to(int v) { return v; }
    static int from(const QVariant &v) { return v.toInt(); }
};

template <> struct OrmType<long>
{
    static QString sql() { return QStringLiteral("INTEGER"); }
    static QVariant to(long v) { return qlonglong(v); }
    static long from(const QVariant &v) { return long(v.toLongLong()); }
};

template <> struct OrmType<bool>
{
    static QString sql() { return QStringLiteral("SMALLINT"); }
    static QVariant to(bool v) { return v ? 1 : 0; }
    static bool from(const QVariant &v) { return v.toInt() != 0; }
};

template <> struct OrmType<QString>
{
    static QString sql() { return QStringLiteral("TEXT"); }
    // An empty text is stored as '' rather than NULL, so "= :value" finds it.
    static QVariant to(const QString &v) { return v.isNull() ? QVariant(QStringLiteral("")) : QVariant(v); }
    static QString from(const QVariant &v) { return v.toString(); }
};

template <> struct OrmType<QDateTime>
{
    static QString sql() { return QStringLiteral("TIMESTAMP"); }
    static QVariant to(const QDateTime &v)
    {
        return v.isValid() ? QVariant(v.toString(Qt::ISODateWithMs)) : QVariant(QVariant::String);
    }
    static QDateTime from(const QVariant &v)
    {
        if (v.isNull())
            return QDateTime();
        return QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
    }
};

// The registration of one entity class. T provides
//     static void ormRegister(OrmClass<T> &c);
// which names the table, the key and the columns. It runs once, on first use.
template <class T> class OrmClass
{
public:
    static const OrmClass &get()
    {
        static const OrmClass instance;
        return instance;
    }

    const OrmTableInfo &info() const { return m_info; }
    long id(const T &o) const { return o.*m_key; }
    void setId(T &o, long id) const { o.*m_key = id; }

    // Key first, then the columns.
    QVariantList toRow(const T &o) const
    {
        QVariantList row;
        row.reserve(m_get.size() + 1);
        row.append(qlonglong(o.*m_key));
        for (const auto &g : m_get)
            row.append(g(o));
        return row;
    }

    // Fills o from a row of the same layout as toRow.
    void fromRow(T &o, const QVariantList &row) const
    {
        if (!row.isEmpty())
            o.*m_key = long(row.at(0).toLongLong());
        for (int i = 0; i < m_set.size() && i + 1 < row.size(); ++i)
            m_set[i](o, row.at(i + 1));
    }

    // Fills o from a row whose columns are named (execute_query results).
    void fromNamedRow(T &o, const QStringList &names, const QVariantList &row) const
    {
        for (int i = 0; i < names.size() && i < row.size(); ++i) {
            const int idx = m_info.rowIndexOf(names.at(i));
            if (idx == 0)
                o.*m_key = long(row.at(i).toLongLong());
            else if (idx > 0)
                m_set[idx - 1](o, row.at(i));
        }
    }

    // ---- registration ----
    void setTable(const QString &table) { m_info.table = table; }

    template <class C> void key(long C::*member, const QString &name = QStringLiteral("id"))
    {
        static_assert(std::is_base_of<C, T>::value, "key must be a member of the entity");
        m_key = member;
        m_info.key = name;
    }

    template <class M, class C> void column(const QString &name, M C::*member, const QString &constraint = QString())
    {
        static_assert(std::is_base_of<C, T>::value, "column must be a member of the entity");
        M T::*m = member;
        m_info.columns.append({name, OrmType<M>::sql(), constraint});
        m_get.append([m](const T &o) { return OrmType<M>::to(o.*m); });
        m_set.append([m](T &o, const QVariant &v) { o.*m = OrmType<M>::from(v); });
    }

private:
    OrmClass() { T::ormRegister(*this); }

    OrmTableInfo m_info;
    long T::*m_key = nullptr;
    QVector<std::function<QVariant(const T &)>> m_get;
    QVector<std::function<void(T &, const QVariant &)>> m_set;
};

// The condition part of a statement ("WHERE DevIP = :ip", "ORDER BY ...",
// "LIMIT 1") with its named values; or, for execute_query, a whole statement.
// The text is always written by the programmer; values never go into it.
class OrmQuery
{
public:
    OrmQuery() = default;
    explicit OrmQuery(const QString &text)
        : m_text(text)
    {
    }

    OrmQuery &bind(const QString &name, const QVariant &value)
    {
        m_binds.append(qMakePair(name, value));
        return *this;
    }

    const QString &text() const { return m_text; }
    const QVector<QPair<QString, QVariant>> &binds() const { return m_binds; }

private:
    QString m_text;
    QVector<QPair<QString, QVariant>> m_binds;
};

struct OrmResult
{
    QStringList columns;
    QVector<QVariantList> rows;
    QVariant lastInsertId;
    int rowsAffected = -1;
};

// Connection settings and the per-thread connections.
class OrmDatabase
{
public:
    static constexpr int BusyTimeoutMs = 5000;

    // Path of the database file (default "./Kelvo.sqlite"). Changing it closes
    // the connections of every thread lazily: each reopens on its next use.
    static void setDatabaseName(const QString &path);
    static QString databaseName();

    // Gate: operations only run once the start-up has succeeded, or on the
    // thread that runs the start-up while it does.
    static void setReady(bool ready);
    static bool isReady();

    class InitScope
    {
    public:
        InitScope();
        ~InitScope();
        InitScope(const InitScope &) = delete;
        InitScope &operator=(const InitScope &) = delete;
    };

    // This thread's connection, opened on first use. Invalid (with *error set)
    // before the gate is open or when the file cannot be opened.
    static QSqlDatabase connection(QSqlError *error = nullptr);

    // Runs one statement on this thread's connection. Named values go to
    // ":name" placeholders, positional ones to "?" placeholders.
    static QSqlError exec(const QString &sql, const QVariantList &positional,
                          const QVector<QPair<QString, QVariant>> &named, OrmResult *result = nullptr);

    // Closes this thread's connection now; every other thread's connection is
    // reopened on its next use (or removed when its thread ends).
    static void closeAllConnections();

    // SQLite's "database is locked": another program (a backup, another
    // client) held the file past the busy timeout. The one test of it: every
    // page and worker that waits for such a program asks here.
    static bool isLocked(const QSqlError &error);
    // The file cannot give back what it holds: a page SQLite finds malformed,
    // not a database at all, or a table without the columns (or the table)
    // the client reads. Waiting does not mend it.
    static bool isDamaged(const QSqlError &error);
    // Why it failed, as the operator is told it, with the file named.
    static DatabaseTrouble trouble(const QSqlError &error);

    // This thread's busy timeout is ms while the scope lasts: a caller that
    // must not wait long (the GUI thread) tries briefly and comes back.
    class BusyTimeoutScope
    {
    public:
        explicit BusyTimeoutScope(int ms);
        ~BusyTimeoutScope();
        BusyTimeoutScope(const BusyTimeoutScope &) = delete;
        BusyTimeoutScope &operator=(const BusyTimeoutScope &) = delete;

    private:
        int m_previousMs;
    };

    // Test hook: every statement whose SQL text contains the given text fails.
    // An empty text switches the hook off.
    static void setFailingStatementForTesting(const QString &sqlFragment);
};

// A transaction on this thread's connection. Nested scopes join the outermost
// one: only the outermost commits or rolls back. Rolls back when destroyed
// without a successful commit.
class OrmTransaction
{
public:
    OrmTransaction();
    ~OrmTransaction();
    OrmTransaction(const OrmTransaction &) = delete;
    OrmTransaction &operator=(const OrmTransaction &) = delete;

    QSqlError error() const { return m_error; } // of the BEGIN
    QSqlError commit();
    void rollback();

private:
    bool m_outer = false;
    bool m_done = false;
    QSqlError m_error;
};

// The one place that writes SQL text. Names come from the registrations only.
namespace OrmSql {
QString createTable(const OrmTableInfo &t);
QString addColumn(const OrmTableInfo &t, const QString &column);
// Empty when a column is not registered.
QString createIndex(const OrmTableInfo &t, const QString &name, const QStringList &columns);
QString insert(const OrmTableInfo &t, bool withKey);
QString update(const OrmTableInfo &t);
QString selectAll(const OrmTableInfo &t, const QString &condition);
QString selectById(const OrmTableInfo &t);
QString existById(const OrmTableInfo &t);
QString count(const OrmTableInfo &t, const QString &condition);
QString deleteWhere(const OrmTableInfo &t, const QString &condition);
QString deleteById(const OrmTableInfo &t);
QString tableNames();
QString columnNames();
} // namespace OrmSql
