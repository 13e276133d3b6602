#pragma once

// Why a read or a write of the client's database did not land, as the
// operator is told it. The database layer tells it from the error
// (OrmDatabase::trouble); the shared words (SharedTexts) take it as given,
// so that the words need not know the database.

#include <QString>

struct DatabaseTrouble
{
    enum Kind {
        Other,   // said as a failure; the log has the reason
        Held,    // another program holds the database locked (a backup, a database browser)
        Damaged, // the file cannot give back what it holds: a page SQLite finds malformed, a table without its columns
    };
    Kind kind = Other;
    // The database file, as the operator finds it on the disk.
    QString file;
};
