#pragma once

// A really damaged database file, as a failing disk or a copy cut short
// leaves one: every page that holds the marker (rows written with it) is
// overwritten on disk. The file must be closed by every connection.

#include <QByteArray>
#include <QFile>
#include <QString>

inline int damagePagesHolding(const QString &file, const QByteArray &marker)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite))
        return 0;
    const QByteArray header = f.read(100);
    if (header.size() < 100)
        return 0;
    int pageSize = (uchar(header.at(16)) << 8) | uchar(header.at(17));
    if (pageSize == 1)
        pageSize = 65536;
    int damaged = 0;
    // Page 1 holds the schema: the file still opens.
    for (qint64 offset = pageSize; offset + pageSize <= f.size(); offset += pageSize) {
        f.seek(offset);
        if (!f.read(pageSize).contains(marker))
            continue;
        f.seek(offset);
        if (f.write(QByteArray(pageSize, '\x5a')) != pageSize)
            return 0;
        ++damaged;
    }
    return f.flush() ? damaged : 0;
}
