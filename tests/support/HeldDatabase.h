#pragma once

// Another program (a backup, a database browser) holding the client's
// database: a connection of its own with an exclusive transaction open until
// letGo() or the end of the scope. Readers and writers of the client wait.

#include "OrmCore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

class HeldDatabase
{
public:
    HeldDatabase()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name());
        db.setDatabaseName(OrmDatabase::databaseName());
        m_held = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
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
