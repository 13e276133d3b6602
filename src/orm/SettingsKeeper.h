#pragma once

// The client's settings as this process last read or stored them: the
// settings row (CMS_Config_V2, row 1), and the one reader and writer of the
// named settings (CMS_Settings). The one copy the client goes by: the storage
// folders, the log's retention, the language and the remembered login come
// from here, and the storage folder's mark is read and kept through here.
//
// A read that fails never replaces what is kept, nor is it taken for the
// defaults: the row last read stays in force, a caller with none is told so,
// and the failure is kept, for saying, until a read answers. What is kept
// belongs to the database file it came from. Any thread.

#include "OrmEntities.h"

#include <QObject>
#include <QSharedPointer>
#include <QSqlError>
#include <QString>

#include <functional>

class SettingsKeeper
{
public:
    // Reads the settings row now, on this thread with its busy timeout (the
    // start-up reads it within its wait, off the GUI thread). Kept when it
    // answers; a row never stored reads as the defaults with id 1. Its error.
    static QSqlError read();
    // The row as last read or stored from this database; null while none
    // was. A process whose start-up did not read it (a tool, a test) reads it
    // at the first ask. While none could be read, an ask starts a read again
    // off the asking thread (one at a time, at most every RereadMs, waiting
    // only briefly for another program's lock), so a file that gives the row
    // back later is followed without waiting for a write; the caller says
    // what it does without it meanwhile.
    static QSharedPointer<CMS_Config_V2> row();
    static constexpr int RereadMs = 2000;
    // Asks for the row every RereadMs until one is kept (read again, or
    // stored); then calls answered once with it, on context's thread. For a
    // start whose read failed, to take the operator's settings once read.
    static void whenRead(QObject *context, std::function<void(const CMS_Config_V2 &)> answered);
    // Why the last read of the row failed; empty once one answered since.
    static QSqlError failure();
    // For the row's reader and writers (OrmHelper): what the database holds
    // now, or why the read failed.
    static void keep(const CMS_Config_V2 &row);
    static void readFailed(const QSqlError &error);

    // A named setting: *value as stored, *stored whether one is (a file
    // without the table, as an older client left it, stores none). False
    // when it could not be read, the reason in *error.
    static bool readNamed(const QString &name, QString *value, bool *stored = nullptr, QSqlError *error = nullptr);
    // Stored in place of the one before, in one transaction; the first error.
    static QSqlError saveNamed(const QString &name, const QString &value);
    // The table they are kept in, as the operator is told it.
    static QString namedTable();

    // Tests: nothing kept, nothing tried.
    static void forgetForTesting();
};
