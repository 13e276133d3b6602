#pragma once

// Time zones offered by the device date pages in the three forms devices
// understand: a zone key, an offset in minutes, or an index into a fixed list.

#include <QCoreApplication>
#include <QPair>
#include <QString>
#include <QStringList>

class TimeZoneTable
{
    Q_DECLARE_TR_FUNCTIONS(TimeZoneTable)

public:
    // Lookup modes: which list the last forward lookup matched.
    enum Mode { NoMatch = 0, ZoneMode = 1, OffsetMode = 2, IndexMode = 3 };
    using Result = QPair<QString, int>; // display text, mode

    static void init();
    static void retranslate();

    static Result findByName(const QString &text);
    static Result findByIndex(const QString &text);
    static Result findByValue(const QString &display);
    static QStringList list(int mode);
    static QString zoneIndexText(const QString &display, bool asOffset);

    static int lookupMode();

    // Row counts of the three lists (78, 33, 41).
    static int zoneCount();
    static int offsetCount();
    static int indexCount();
};
