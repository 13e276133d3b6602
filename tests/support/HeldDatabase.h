#pragma once

// Another program (a backup, a database browser) holding the client's
// database: a connection of its own with a transaction open until letGo() or
// the end of the scope. Exclusive (a long VACUUM, a writer whose cache is
// full): readers and writers of the client wait. Write (BEGIN IMMEDIATE, a
// browser with a write open): the client's writers wait, its readers do not.

#include "OrmCore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class HeldDatabase
{
public:
    enum class Kind { Exclusive, Write };

    explicit HeldDatabase(Kind kind = Kind::Exclusive)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(OrmDatabase::databaseName());
        m_held = db.open()
                 && QSqlQuery(db).exec(kind == Kind::Exclusive ? QStringLiteral("BEGIN EXCLUSIVE")
                                                               : QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~HeldDatabase()
    {
        letGo();
        {
            QSqlDatabase db = QSqlDatabase::database(name(), false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name());
    }
    HeldDatabase(const HeldDatabase &) = delete;
    HeldDatabase &operator=(const HeldDatabase &) = delete;

    bool isHeld() const { return m_held; }
    void letGo()
    {
        if (!m_held)
            return;
        QSqlQuery(QSqlDatabase::database(name(), false)).exec(QStringLiteral("ROLLBACK"));
        m_held = false;
    }

private:
    static QString name() { return QStringLiteral("another program"); }
    bool m_held = false;
};
