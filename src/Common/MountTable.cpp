#include "MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>

#include <sys/sysmacros.h>

namespace {

QMutex g_fstabMutex;
QString g_fstabPath; // under g_fstabMutex; empty: the system's

QString fstabPath()
{
    QMutexLocker lock(&g_fstabMutex);
    return g_fstabPath.isEmpty() ? QStringLiteral("/etc/fstab") : g_fstabPath;
}

// Both tables write a blank, a tab, a line feed and a backslash in a name as
// three octal digits after a backslash.
QString unescape(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value > 0 && value < 256) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QFile::decodeName(out);
}

// A small text file, read whole; a table larger than this is no table.
QByteArray readSmall(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4 * 1024 * 1024);
}

} // namespace

namespace MountTable {

QList<Mount> mounts()
{
    QList<Mount> all;
    // A file of the proc file system reports no size: it is read to its end.
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly))
        return all;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 10)
            continue;
        Mount m;
        bool idOk = false, parentOk = false;
        m.id = fields.at(0).toInt(&idOk);
        m.parent = fields.at(1).toInt(&parentOk);
        const QList<QByteArray> numbers = fields.at(2).split(':');
        if (!idOk || !parentOk || numbers.size() != 2)
            continue;
        m.device = makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt());
        m.mountPoint = unescape(fields.at(4));
        // After the optional fields, "-", the type and the source.
        const int dash = fields.indexOf("-", 6);
        if (dash > 0 && dash + 2 < fields.size())
            m.source = unescape(fields.at(dash + 2));
        all.append(m);
    }
    return all;
}

bool isAtOrBelow(const QString &path, const QString &folder)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

QString resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QStringList rest;
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/") && !existing.isEmpty()) {
        rest.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QString resolved = QFileInfo(existing).canonicalFilePath();
    if (resolved.isEmpty())
        resolved = existing;
    for (const QString &part : qAsConst(rest))
        resolved += (resolved.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
    return resolved;
}

Mount mountOf(const QString &path, const QList<Mount> &all)
{
    const QString resolved = resolvedPath(path);
    Mount found;
    for (const Mount &m : all) {
        if (!isAtOrBelow(resolved, m.mountPoint))
            continue;
        // The deepest mount point; of mounts stacked on one point, the one
        // made last covers the others (each is the parent of the next).
        if (found.id < 0 || m.mountPoint.size() > found.mountPoint.size()
            || (m.mountPoint == found.mountPoint && m.parent == found.id))
            found = m;
    }
    return found;
}

bool isMounted(int id, const QList<Mount> &all)
{
    for (const Mount &m : all) {
        if (m.id == id)
            return true;
    }
    return false;
}

QStringList listedMountPoints(const QString &path)
{
    const QString resolved = resolvedPath(path);
    const QString cleaned = QDir::cleanPath(QDir(path).absolutePath());
    QStringList points;
    const QList<QByteArray> lines = readSmall(fstabPath()).split('\n');
    for (QByteArray line : lines) {
        line = line.simplified();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        const QString point = QDir::cleanPath(unescape(fields.at(1)));
        if (!point.startsWith(QLatin1Char('/')) || point == QLatin1String("/") || fields.at(2) == "swap")
            continue;
        if ((isAtOrBelow(resolved, point) || isAtOrBelow(cleaned, point)) && !points.contains(point))
            points.append(point);
    }
    std::sort(points.begin(), points.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return points;
}

QString unmountedListedPoint(const QString &path)
{
    const QStringList points = listedMountPoints(path);
    if (points.isEmpty())
        return QString();
    const QList<Mount> all = mounts();
    if (all.isEmpty())
        return QString(); // the mounts cannot be read: nothing to go by
    for (const QString &point : points) {
        const bool mounted = std::any_of(all.cbegin(), all.cend(), [&](const Mount &m) {
            return m.mountPoint == point || m.mountPoint == QFileInfo(point).canonicalFilePath();
        });
        if (!mounted)
            return point;
    }
    return QString();
}

void setFstabPathForTesting(const QString &path)
{
    QMutexLocker lock(&g_fstabMutex);
    g_fstabPath = path;
}

} // namespace MountTable
