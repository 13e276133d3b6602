#pragma once

// What the system mounts where: the mounts of this process's view
// (/proc/self/mountinfo) and the file systems the machine is told to mount
// (/etc/fstab). The recordings' storage folder uses them to tell an empty
// mount point from the disk meant to be mounted on it, and a disk mounted
// over a folder from the folder's own disk going away.

#include <QList>
#include <QString>

#include <sys/types.h>

namespace MountTable {

struct Mount
{
    int id = -1;
    int parent = -1;
    dev_t device = 0;
    QString mountPoint;
    QString source; // the device or file system it mounts ("/dev/sdb1", "tmpfs")
};

// The mounts in the order they were made; empty when they cannot be read.
QList<Mount> mounts();
// The mount a path lies on: the last one made whose mount point holds the
// path (the path is made absolute and its existing part resolved first).
// id -1 when none is found.
Mount mountOf(const QString &path, const QList<Mount> &all);
bool isMounted(int id, const QList<Mount> &all);

// The mount points the mount table lists at or above path, deepest first
// ("/" and entries that mount nothing on a folder, swap, are left out).
QStringList listedMountPoints(const QString &path);
// The deepest of those that nothing is mounted on now; empty when each is
// mounted, or none is listed.
QString unmountedListedPoint(const QString &path);

// The absolute path with its existing part resolved (links, "..").
QString resolvedPath(const QString &path);
// Whether path is folder or lies below it.
bool isAtOrBelow(const QString &path, const QString &folder);

// Tests: the mount table read instead of /etc/fstab; empty restores it.
void setFstabPathForTesting(const QString &path);

} // namespace MountTable
