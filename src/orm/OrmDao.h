#pragma once

// Operations on registered entities. Each returns the QSqlError of the
// statement; success is an error whose text() is empty.

#include "OrmCore.h"

namespace orm {
namespace detail {
QSqlError createTable(const OrmTableInfo &t);
QSqlError insertRow(const OrmTableInfo &t, const QVariantList &row, bool withKey, long *newId);
QSqlError updateRow(const OrmTableInfo &t, const QVariantList &row);
QSqlError existRow(const OrmTableInfo &t, long id, bool *exists);
QSqlError countRows(const OrmTableInfo &t, const OrmQuery &query, long *count);
QSqlError selectRows(const OrmTableInfo &t, const OrmQuery &query, QVector<QVariantList> *rows);
QSqlError selectById(const OrmTableInfo &t, long id, QVector<QVariantList> *rows);
QSqlError deleteRows(const OrmTableInfo &t, const OrmQuery &query);
QSqlError deleteById(const OrmTableInfo &t, long id);
QSqlError executeQuery(const OrmQuery &query, OrmResult *result);
QSqlError addColumn(const OrmTableInfo &t, const QString &column);
QSqlError createIndex(const OrmTableInfo &t, const QString &name, const QStringList &columns);
QSqlError nullObjectError();
QSqlError noRowError(const OrmTableInfo &t, long id);
} // namespace detail

// True for registered entity classes, so the object overloads below never
// swallow a QSharedPointer or a QList.
template <class T, class = void> struct IsEntity : std::false_type
{
};
template <class T> struct IsEntity<T, std::void_t<decltype(&T::ormRegister)>> : std::true_type
{
};
template <class T> using EnableEntity = std::enable_if_t<IsEntity<T>::value, int>;

namespace dao {

template <class T> QSqlError create_table()
{
    return detail::createTable(OrmClass<T>::get().info());
}

// Adds one registered column to an existing table (schema upgrades).
template <class T> QSqlError add_column(const QString &column)
{
    return detail::addColumn(OrmClass<T>::get().info(), column);
}

// An index over registered columns, made once (IF NOT EXISTS).
template <class T> QSqlError create_index(const QString &name, const QStringList &columns)
{
    return detail::createIndex(OrmClass<T>::get().info(), name, columns);
}

// Names of the tables in the file, and of the columns of one table.
QSqlError table_names(QStringList &names);
QSqlError column_names(const QString &table, QStringList &names);

// Inserts a new row; the database assigns the id, which is written back.
template <class T, EnableEntity<T> = 0> QSqlError insert(T &o)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    long id = 0;
    const QSqlError err = detail::insertRow(c.info(), c.toRow(o), false, &id);
    if (err.type() == QSqlError::NoError && err.text().isEmpty())
        c.setId(o, id);
    return err;
}

template <class T> QSqlError insert(const QSharedPointer<T> &o)
{
    return o ? insert(*o) : detail::nullObjectError();
}

// Inserts every object in list order; stops at the first failure.
template <class T> QSqlError insert(const QList<QSharedPointer<T>> &list)
{
    for (const QSharedPointer<T> &o : list) {
        const QSqlError err = insert(o);
        if (!err.text().isEmpty())
            return err;
    }
    return QSqlError();
}

// Writes every column of the row with the object's id.
template <class T, EnableEntity<T> = 0> QSqlError update(const T &o)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    return detail::updateRow(c.info(), c.toRow(o));
}

template <class T> QSqlError update(const QSharedPointer<T> &o)
{
    return o ? update(*o) : detail::nullObjectError();
}

template <class T, EnableEntity<T> = 0> bool exist(const T &o, QSqlError *error = nullptr)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    bool found = false;
    const QSqlError err = detail::existRow(c.info(), c.id(o), &found);
    if (error)
        *error = err;
    return found;
}

// Update when a row has the object's id, else insert. An object that already
// carries an id keeps it, so fixed rows (the settings row 1) stay where
// readers look for them.
template <class T, EnableEntity<T> = 0> QSqlError save(T &o)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    const long id = c.id(o);
    if (id > 0) {
        QSqlError err;
        const bool found = exist(o, &err);
        if (!err.text().isEmpty())
            return err;
        if (found)
            return update(o);
        long newId = 0;
        return detail::insertRow(c.info(), c.toRow(o), true, &newId);
    }
    return insert(o);
}

template <class T> QSqlError save(const QSharedPointer<T> &o)
{
    return o ? save(*o) : detail::nullObjectError();
}

template <class T> QSqlError count(long &n, const OrmQuery &query = OrmQuery())
{
    return detail::countRows(OrmClass<T>::get().info(), query, &n);
}

// Fills the object from the row with its id; an error when there is none.
template <class T, EnableEntity<T> = 0> QSqlError fetch_by_id(T &o)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    QVector<QVariantList> rows;
    const QSqlError err = detail::selectById(c.info(), c.id(o), &rows);
    if (!err.text().isEmpty())
        return err;
    if (rows.isEmpty())
        return detail::noRowError(c.info(), c.id(o));
    c.fromRow(o, rows.first());
    return QSqlError();
}

template <class T> QSqlError fetch_by_id(const QSharedPointer<T> &o)
{
    return o ? fetch_by_id(*o) : detail::nullObjectError();
}

// Rows selected by the condition (empty: every row), in the order returned.
template <class T> QSqlError fetch_by_query(const OrmQuery &query, QList<QSharedPointer<T>> &list)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    QVector<QVariantList> rows;
    list.clear();
    const QSqlError err = detail::selectRows(c.info(), query, &rows);
    if (!err.text().isEmpty())
        return err;
    for (const QVariantList &row : qAsConst(rows)) {
        QSharedPointer<T> o(new T());
        c.fromRow(*o, row);
        list.append(o);
    }
    return QSqlError();
}

template <class T> QSqlError fetch_all(QList<QSharedPointer<T>> &list)
{
    return fetch_by_query(OrmQuery(), list);
}

template <class T> QSqlError delete_by_query(const OrmQuery &query)
{
    return detail::deleteRows(OrmClass<T>::get().info(), query);
}

template <class T, EnableEntity<T> = 0> QSqlError delete_by_id(const T &o)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    return detail::deleteById(c.info(), c.id(o));
}

template <class T> QSqlError delete_by_id(const QSharedPointer<T> &o)
{
    return o ? delete_by_id(*o) : detail::nullObjectError();
}

template <class T> QSqlError delete_all()
{
    return detail::deleteRows(OrmClass<T>::get().info(), OrmQuery());
}

// A whole statement written by the caller, values bound by name.
inline QSqlError execute_query(const OrmQuery &query, OrmResult *result = nullptr)
{
    return detail::executeQuery(query, result);
}

// A whole SELECT written by the caller; result columns are matched to the
// entity's columns by name, unknown ones are ignored.
template <class T> QSqlError execute_query(const OrmQuery &query, QList<QSharedPointer<T>> &list)
{
    const OrmClass<T> &c = OrmClass<T>::get();
    OrmResult result;
    list.clear();
    const QSqlError err = detail::executeQuery(query, &result);
    if (!err.text().isEmpty())
        return err;
    for (const QVariantList &row : qAsConst(result.rows)) {
        QSharedPointer<T> o(new T());
        c.fromNamedRow(*o, result.columns, row);
        list.append(o);
    }
    return QSqlError();
}

} // namespace dao
} // namespace orm
