#include "StorageMark.h"

#include "MountTable.h"
#include "OrmAccessQueue.h"
#include "OrmHelper.h"
#include "Platform.h"
#include "RecordIndex.h"
#include "SettingsKeeper.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QRegularExpression>
#include <QUuid>

#include <atomic>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kSetting[] = "StorageMark";
// "own" while the folder is one the client took on its own, not the
// operator's choice: kept, so that a disk mounted over it after a restart is
// still taken in its place.
const char kTakenSetting[] = "StorageMarkTaken";
const char kTakenOwn[] = "own";
// Where the storage folder was last found: its path, the mount point and the
// source of the file system it lies on, one a line. Kept, so that after a
// restart a disk mounted at the folder or above it is told from the folder's
// own disk gone.
const char kOnSetting[] = "StorageMarkOn";
const char kHeader[] = "kelvo-storage";
constexpr qint64 MaxMarkBytes = 512;

// A mark file this process holds locked, by its identity: the schedule
// thread's (while it records) and the start-up repair's may be the same.
struct MarkLock
{
    int fd = -1;
    dev_t dev = 0;
    ino_t ino = 0;
    bool byLook = false;
    int scoped = 0;
};

// The folder last found to be the storage: the file system it lies on (from
// an earlier run only its mount point and source, mount id -1) and, once
// found in this run, the folder itself. A folder at the path that is not this
// one, on a file system mounted at or above it over this one's, is a disk
// mounted over it.
struct Taken
{
    QString path; // empty: not known
    MountTable::Mount mount;
    bool seen = false;    // dev and ino are the folder's as found in this run
    bool assumed = false; // not kept by the version that took it: assumed, never stored
    dev_t dev = 0;
    ino_t ino = 0;
};

// The kept id, read from the database once it is open. The mutex also makes
// the decisions to take a folder one at a time.
struct Kept
{
    QMutex mutex;
    bool loaded = false;
    QString id;
    Taken last;
    // The folder is the client's own choice, made while no mark was kept,
    // until the operator chooses one (kept in the database beside the id).
    bool provisional = false;
    // Not a QVector: GCC 12 takes its shared empty block for the target of an
    // append and warns of a write past its end.
    std::vector<MarkLock> locks;
    bool noLocksSaid = false;
    // Writes of the settings handed to the queue and not settled yet: the
    // later ones follow them there, in order.
    int writesOwed = 0;
    // Why the mark's id, given to the queue, was not stored after all: told
    // at the next look.
    QString lateNotKept;
};

Kept &kept()
{
    static Kept k;
    return k;
}

// Who waits for the schedule thread and the recorders (the window, the
// close) waits for what they do here: the database is never waited for
// longer than a queue's turn, and a write it holds goes to a queue of the
// client's (handed to the application's thread, whose event loop delivers
// its end), after the writes of these settings still owed there.
QPointer<OrmAccessQueue> &writeQueue()
{
    static QPointer<OrmAccessQueue> queue;
    return queue;
}

QString settingSaid()
{
    return QCoreApplication::translate("StorageMark", "the storage folder's mark");
}

// The setting stored, at once when the database lets it, else queued; *failed:
// why it is not stored, when that is known now. isMark: a queued write that
// is not stored after all is told (lateNotKept). Under the mutex.
void storeLocked(Kept &k, const char *name, const QString &value, bool isMark, QString *failed)
{
    const QString setting = QString::fromLatin1(name);
    const auto write = [setting, value] { return SettingsKeeper::saveNamed(setting, value); };
    if (k.writesOwed == 0) {
        const QSqlError error = OrmAccessQueue::tryBriefly(write);
        if (!OrmDatabase::isLocked(error)) {
            if (!error.text().isEmpty() && failed)
                *failed = error.text();
            return;
        }
    }
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        if (failed)
            *failed = QStringLiteral("database is locked");
        return;
    }
    ++k.writesOwed;
    OrmAccessQueue::Item item{QStringLiteral("setting ") + setting, setting, true, write,
                              [isMark](const QSqlError &error) {
                                  Kept &k = kept();
                                  QMutexLocker lock(&k.mutex);
                                  --k.writesOwed;
                                  if (isMark && !error.text().isEmpty())
                                      k.lateNotKept = error.text();
                              }};
    item.said = settingSaid();
    QMetaObject::invokeMethod(
        app,
        [item] {
            QPointer<OrmAccessQueue> &queue = writeQueue();
            if (!queue)
                queue = new OrmAccessQueue(QCoreApplication::instance());
            queue->enqueue(item);
        },
        Qt::QueuedConnection);
}

// False when the kept id cannot be read now (the database held past a
// queue's turn): nothing is known, and it is read again next time. Before the
// database is open (a process without one) none is kept.
bool readKeptLocked(Kept &k, QString *error)
{
    if (k.loaded)
        return true;
    if (!OrmHelper::isInitialized()) {
        k.id.clear();
        return true;
    }
    const OrmDatabase::BusyTimeoutScope turn(OrmAccessQueue::RetryMs);
    QString value, taken, on;
    bool takenStored = false;
    QSqlError failed;
    if (!SettingsKeeper::readNamed(QString::fromLatin1(kSetting), &value, nullptr, &failed)
        || !SettingsKeeper::readNamed(QString::fromLatin1(kTakenSetting), &taken, &takenStored, &failed)
        || !SettingsKeeper::readNamed(QString::fromLatin1(kOnSetting), &on, nullptr, &failed)) {
        if (error)
            *error = failed.text();
        return false;
    }
    k.id = value;
    // A mark kept by a version that did not keep who took the folder: only
    // the operator's choice is ever stored as such, so none stored means the
    // client took it on its own.
    k.provisional = !value.isEmpty() && (!takenStored || taken == QLatin1String(kTakenOwn));
    const QStringList lines = on.split(QLatin1Char('\n'));
    if (!k.last.seen && lines.size() == 3 && !lines.at(0).isEmpty() && !lines.at(1).isEmpty()) {
        k.last = Taken();
        k.last.path = lines.at(0);
        k.last.mount.mountPoint = lines.at(1);
        k.last.mount.source = lines.at(2);
    }
    k.loaded = true;
    return true;
}

// Where the storage folder lies now, kept for the next start.
void keepMountLocked(Kept &k)
{
    if (!OrmHelper::isInitialized())
        return;
    const QString text = QStringList{k.last.path, k.last.mount.mountPoint, k.last.mount.source}.join(QLatin1Char('\n'));
    QString failed;
    storeLocked(k, kOnSetting, text, false, &failed);
    if (!failed.isEmpty())
        qWarning() << "Where the storage folder lies is not kept in the database:" << failed;
}

// Whether the folder is the client's own choice only, kept with the mark.
void setProvisionalLocked(Kept &k, bool provisional)
{
    k.provisional = provisional;
    if (!OrmHelper::isInitialized())
        return;
    QString failed;
    storeLocked(k, kTakenSetting, provisional ? QString::fromLatin1(kTakenOwn) : QString(), false, &failed);
    if (!failed.isEmpty())
        qWarning() << "Whether the storage folder was the operator's choice is not kept in the database:" << failed;
}

void keepLocked(Kept &k, const QString &id, QString *notKept)
{
    k.id = id;
    k.loaded = true;
    // This process goes on with it even when the database cannot keep it.
    if (!OrmHelper::isInitialized())
        return;
    QString failed;
    storeLocked(k, kSetting, id, true, &failed);
    if (!failed.isEmpty()) {
        qWarning() << "The storage folder's mark is not kept in the database; it holds for this run only:" << failed;
        if (notKept)
            *notKept = failed;
    }
}

QByteArray markPath(const QString &folder)
{
    return QFile::encodeName(folder + QLatin1Char('/') + StorageMark::fileName());
}

// The lock this process holds on the mark file in folder, or -1.
int heldIndex(const Kept &k, const QString &folder)
{
    struct stat st;
    if (::lstat(markPath(folder).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    for (int i = 0; i < int(k.locks.size()); ++i) {
        if (k.locks.at(i).dev == st.st_dev && k.locks.at(i).ino == st.st_ino)
            return i;
    }
    return -1;
}

void dropUnused(Kept &k)
{
    for (int i = int(k.locks.size()) - 1; i >= 0; --i) {
        const MarkLock &l = k.locks.at(i);
        if (!l.byLook && l.scoped <= 0) {
            ::close(l.fd); // the lock goes with it
            k.locks.erase(k.locks.begin() + i);
        }
    }
}

// Locks the mark file in folder for this process: 0 when held (now or
// already), EWOULDBLOCK when another process holds it, another errno when
// there is no plain mark file or the file system cannot lock (recording goes
// on unguarded there, as before locks).
int lockMark(Kept &k, const QString &folder, bool byLook, dev_t *dev = nullptr, ino_t *ino = nullptr)
{
    const int at = heldIndex(k, folder);
    if (at >= 0) {
        MarkLock &l = k.locks[at];
        if (byLook) {
            for (MarkLock &other : k.locks)
                other.byLook = false;
            l.byLook = true;
        } else {
            ++l.scoped;
        }
        if (dev)
            *dev = l.dev;
        if (ino)
            *ino = l.ino;
        dropUnused(k);
        return 0;
    }
    const int fd = ::open(markPath(folder).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return EINVAL;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        if (why == EWOULDBLOCK)
            return why;
        if (!k.noLocksSaid) {
            k.noLocksSaid = true;
            qWarning() << "The storage folder's mark cannot be locked there; another client recording into it would "
                          "not be seen:"
                       << folder << ::strerror(why);
        }
        return why;
    }
    MarkLock l;
    l.fd = fd;
    l.dev = st.st_dev;
    l.ino = st.st_ino;
    if (byLook) {
        for (MarkLock &other : k.locks)
            other.byLook = false;
        l.byLook = true;
    } else {
        l.scoped = 1;
    }
    k.locks.push_back(l);
    dropUnused(k);
    if (dev)
        *dev = l.dev;
    if (ino)
        *ino = l.ino;
    return 0;
}

void releaseLookLocked(Kept &k)
{
    for (MarkLock &l : k.locks)
        l.byLook = false;
    dropUnused(k);
}

// Whether another process holds the mark in folder, without holding it.
bool heldElsewhere(Kept &k, const QString &folder)
{
    if (heldIndex(k, folder) >= 0)
        return false;
    const int fd = ::open(markPath(folder).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

enum class MarkStatus { None, Found, Unreadable };

struct Mark
{
    MarkStatus status = MarkStatus::None;
    QString id;
};

bool validId(const QString &id)
{
    static const QRegularExpression re(QStringLiteral("^[0-9A-Za-z-]{1,64}$"));
    return re.match(id).hasMatch();
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    bytes.resize(int(MaxMarkBytes) + 1);
    qint64 got = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, bytes.data() + got, size_t(bytes.size() - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
        if (got >= bytes.size())
            break;
    }
    bytes.truncate(int(got));
    return bytes;
}

// The mark in folder: never read through a link, nor from anything but a
// small plain file. A mark this process holds locked is read through the
// held file: on a network file system, closing another descriptor of the
// file would let the lock go.
Mark readMark(const Kept &k, const QString &folder)
{
    Mark mark;
    const int held = heldIndex(k, folder);
    const int fd = held >= 0 ? k.locks.at(held).fd
                             : ::open(markPath(folder).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        mark.status = errno == ENOENT ? MarkStatus::None : MarkStatus::Unreadable;
        return mark;
    }
    mark.status = MarkStatus::Unreadable;
    struct stat st;
    QByteArray bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= MaxMarkBytes)
        bytes = readAll(fd);
    if (held < 0)
        ::close(fd);
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() >= 2 && lines.at(0).trimmed() == kHeader) {
        const QString id = QString::fromLatin1(lines.at(1).trimmed());
        if (validId(id)) {
            mark.status = MarkStatus::Found;
            mark.id = id;
        }
    }
    return mark;
}

bool writeMark(const QString &folder, const QString &id, QString *error)
{
    const QByteArray bytes = QByteArray(kHeader) + '\n' + id.toLatin1() + '\n';
    const QString path = folder + QLatin1Char('/') + StorageMark::fileName();
    QString why;
    if (!Platform::writeWholeFile(path, bytes, &why)) {
        qWarning() << "The storage folder cannot be marked:" << path << why;
        if (error)
            *error = why;
        return false;
    }
    return true;
}

bool writeNewMark(Kept &k, const QString &folder, QString *error, QString *notKept)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!writeMark(folder, id, error))
        return false;
    keepLocked(k, id, notKept);
    qInfo() << "Storage folder marked as the client's own:" << folder;
    return true;
}

// Nothing in it but what a new file system holds itself.
bool isEmptyFolder(const QString &folder)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() != QLatin1String("lost+found") || entry.isSymLink() || !entry.isDir())
            return false;
    }
    return true;
}

// A folder the client may take for its recordings on its own: empty, or
// holding the day folders it records.
bool takeable(const QString &folder)
{
    return isEmptyFolder(folder) || !RecordIndex::dayFolders(folder).isEmpty();
}

// 0: a folder; ENOENT: nothing there; ENOTDIR: something else.
int folderAt(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOTDIR ? ENOENT : errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// Why a folder (or the nearest one above it that is there) cannot be written.
QString unwritableReason(const QString &path)
{
    QString dir = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(dir) && QFileInfo(dir).path() != dir)
        dir = QFileInfo(dir).path();
    if (::access(QFile::encodeName(dir).constData(), W_OK) != 0)
        return Platform::writeFailureText(errno);
    return QString();
}

void rememberOurs(Kept &k, const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        k.last.seen = false;
        return;
    }
    // The same folder as at the last look: its mount is the same too.
    if (k.last.seen && k.last.path == path && k.last.dev == st.st_dev && k.last.ino == st.st_ino)
        return;
    const MountTable::Mount mount = MountTable::mountOf(path, MountTable::mounts());
    const bool elsewhere = k.last.assumed || k.last.path != path || k.last.mount.mountPoint != mount.mountPoint
                           || k.last.mount.source != mount.source;
    k.last.assumed = false;
    k.last.path = path;
    k.last.mount = mount;
    k.last.seen = true;
    k.last.dev = st.st_dev;
    k.last.ino = st.st_ino;
    if (elsewhere && mount.id >= 0)
        keepMountLocked(k);
}

// The path's file system is not the one the storage folder was last found
// on, but one mounted at the folder or at a folder above it, over that one:
// a disk mounted over the folder, not its own disk gone. In this run the
// mounts themselves tell it (that one still mounted, another on top); from an
// earlier run, a mount point below the one it was found on. Then *now is the
// mount over it.
bool mountedOver(const Taken &last, const QString &path, MountTable::Mount *now)
{
    if (last.path != path || last.mount.mountPoint.isEmpty())
        return false;
    const QList<MountTable::Mount> all = MountTable::mounts();
    *now = MountTable::mountOf(path, all);
    if (now->id < 0)
        return false;
    if (last.seen && last.mount.id >= 0) {
        struct stat st;
        if (::stat(QFile::encodeName(path).constData(), &st) == 0 && st.st_dev == last.dev && st.st_ino == last.ino)
            return false;
        return MountTable::isMounted(last.mount.id, all) && now->id != last.mount.id
               && MountTable::isAtOrBelow(now->mountPoint, last.mount.mountPoint);
    }
    return now->mountPoint != last.mount.mountPoint && MountTable::isAtOrBelow(now->mountPoint, last.mount.mountPoint);
}

// Where a folder the client took on its own lay, when an earlier version kept
// no mount point with it: on the file system below any disk mounted at the
// folder or above it now (the system disk, when none is). The folder is then
// told from a disk mounted over it as one with its mount point kept is.
Taken assumedEarlier(const QString &path)
{
    Taken earlier;
    const QList<MountTable::Mount> all = MountTable::mounts();
    const MountTable::Mount now = MountTable::mountOf(path, all);
    if (now.id < 0)
        return earlier;
    MountTable::Mount below = now;
    if (QFileInfo(now.mountPoint).path() != now.mountPoint)
        below = MountTable::mountOf(QFileInfo(now.mountPoint).path(), all);
    if (below.id < 0 || below.mountPoint.isEmpty())
        return earlier;
    earlier.path = path;
    earlier.mount.mountPoint = below.mountPoint;
    earlier.mount.source = below.source;
    earlier.assumed = true;
    return earlier;
}

// The storage folder is gone, but the file system it was last found on is
// still mounted where it was, and the nearest folder of the path that is
// there lies on it: the folder itself was removed, not its disk unmounted.
bool removedFromItsDisk(const Taken &last, const QString &path)
{
    if (last.path != path || last.mount.mountPoint.isEmpty())
        return false;
    const MountTable::Mount now = MountTable::mountOf(path, MountTable::mounts());
    if (now.id < 0)
        return false;
    if (last.seen && last.mount.id >= 0)
        return now.id == last.mount.id;
    return now.mountPoint == last.mount.mountPoint && now.source == last.mount.source;
}

// The nearest folder above path that holds a storage mark: a storage folder
// taken inside another one would mix the two clients' recordings, and each
// one's repair and clean-up would reach the other's. Empty when none.
QString markedFolderAbove(const Kept &k, const QString &path)
{
    QString dir = QDir::cleanPath(QDir(path).absolutePath());
    while (QFileInfo(dir).path() != dir) {
        dir = QFileInfo(dir).path();
        if (readMark(k, dir).status == MarkStatus::Found)
            return dir;
    }
    return QString();
}

StorageMark::State lockedOrOurs(Kept &k, const QString &path, StorageMark::Look *info)
{
    const int locked = lockMark(k, path, true);
    if (locked == EWOULDBLOCK) {
        if (info)
            info->detail = QFile::decodeName(markPath(path));
        return StorageMark::State::Held;
    }
    const QString why = unwritableReason(path);
    if (!why.isEmpty()) {
        if (info)
            info->detail = why;
        return StorageMark::State::Unwritable;
    }
    return StorageMark::State::Ours;
}

// A folder inside another storage folder is never taken on the client's own
// (info->detail: that folder).
bool insideAnother(const Kept &k, const QString &path, StorageMark::Look *info)
{
    const QString outer = markedFolderAbove(k, path);
    if (outer.isEmpty())
        return false;
    if (info)
        info->detail = outer;
    return true;
}

// The client takes the folder on its own: it gets a new mark, kept, and is
// the client's own choice until the operator makes one.
StorageMark::State takeLocked(Kept &k, const QString &path, StorageMark::Look *info)
{
    if (insideAnother(k, path, info))
        return StorageMark::State::Inside;
    // Another client marking the same folder at this moment: the one that
    // holds the lock records.
    if (heldElsewhere(k, path)) {
        if (info)
            info->detail = QFile::decodeName(markPath(path));
        return StorageMark::State::Held;
    }
    // Kept before the new mark: a client ended in between must not take the
    // folder for the operator's choice at its next start.
    setProvisionalLocked(k, true);
    QString why;
    if (!writeNewMark(k, path, &why, info ? &info->notKept : nullptr)) {
        if (info)
            info->detail = why;
        return StorageMark::State::Unwritable;
    }
    return lockedOrOurs(k, path, info);
}

// The client's own folder, removed from its disk, made again (with its
// parents) under the mark that is kept, and recorded into at once.
StorageMark::State remakeLocked(Kept &k, const QString &path, StorageMark::Look *info)
{
    if (insideAnother(k, path, info))
        return StorageMark::State::Inside;
    QString why;
    bool made = Platform::makePrivateDir(path);
    if (!made)
        why = unwritableReason(path);
    else
        made = writeMark(path, k.id, &why);
    if (!made) {
        if (info)
            info->detail = why;
        return StorageMark::State::Unwritable;
    }
    const StorageMark::State state = lockedOrOurs(k, path, info);
    if (state == StorageMark::State::Ours) {
        qInfo() << "The storage folder was removed from its disk, which is still mounted; made again:" << path;
        if (info)
            info->remade = true;
    }
    return state;
}

// Made when missing (with its parents), then taken on the client's own;
// nothing is made inside another storage folder.
StorageMark::State makeAndTakeLocked(Kept &k, const QString &path, StorageMark::Look *info)
{
    if (insideAnother(k, path, info))
        return StorageMark::State::Inside;
    if (!Platform::makePrivateDir(path)) {
        if (info)
            info->detail = unwritableReason(path);
        return StorageMark::State::Unwritable;
    }
    return takeLocked(k, path, info);
}

// The folder the client took on its own, and a disk mounted at it or above it
// since: the storage follows the disk when the folder there is missing,
// empty, or holds the client's day folders and no mark. What was recorded
// before stays on the earlier file system, hidden under the mount.
StorageMark::State followDiskLocked(Kept &k, const QString &path, int at, const MountTable::Mount &over,
                                    StorageMark::Look *info)
{
    using StorageMark::State;
    if (at == 0 && (readMark(k, path).status != MarkStatus::None || !takeable(path))) {
        if (info)
            info->detail = over.mountPoint;
        return State::NotOurs;
    }
    const Taken earlier = k.last;
    const State state = at == 0 ? takeLocked(k, path, info) : makeAndTakeLocked(k, path, info);
    if (state != State::Ours)
        return state;
    qInfo() << "A disk was mounted over the storage folder; recording goes on on it:" << path << "on" << over.source
            << "at" << over.mountPoint;
    if (info) {
        info->moved = true;
        info->earlierSource = earlier.mount.source;
        info->earlierMountPoint = earlier.mount.mountPoint;
        info->mountPoint = over.mountPoint;
    }
    return state;
}

StorageMark::State lookLocked(Kept &k, const QString &path, StorageMark::Look *info)
{
    using StorageMark::State;
    QString readError;
    const bool known = readKeptLocked(k, &readError);
    // A mount point the machine mounts a disk on: while nothing is mounted
    // there, what the path shows is the disk below.
    const QString waitFor = MountTable::unmountedListedPoint(path);
    const auto unmounted = [&] {
        if (info)
            info->detail = waitFor;
        return State::Unmounted;
    };
    const int at = folderAt(path);
    if (at == ENOTDIR)
        return waitFor.isEmpty() ? State::NotOurs : unmounted();
    if (!known) {
        if (info)
            info->detail = readError;
        return State::Unknown;
    }
    const QString id = k.id;
    if (at == 0) {
        const Mark mark = readMark(k, path);
        if (mark.status == MarkStatus::Found && !id.isEmpty() && mark.id == id)
            return lockedOrOurs(k, path, info);
    }
    if (!waitFor.isEmpty())
        return unmounted();
    // A disk mounted at the folder or above it since it was last found: the
    // folder recorded into before comes back when that disk is unmounted,
    // not when its own disk is back.
    if (!id.isEmpty() && k.provisional && k.last.path.isEmpty())
        k.last = assumedEarlier(path);
    MountTable::Mount over;
    const bool covered = !id.isEmpty() && mountedOver(k.last, path, &over);
    if (covered && k.provisional && (at == 0 || at == ENOENT))
        return followDiskLocked(k, path, at, over, info);
    const auto coveredAs = [&](State state) {
        if (covered && info)
            info->detail = over.mountPoint;
        return state;
    };
    if (at != 0) {
        // The client's own folder removed while its disk stays mounted: that
        // disk is the storage still, and the folder is made again on it.
        if (at == ENOENT && !id.isEmpty() && !covered && removedFromItsDisk(k.last, path))
            return remakeLocked(k, path, info);
        // Otherwise made only while no folder was ever marked: a marked folder
        // that is gone with its disk is waited for, not made again elsewhere.
        if (!id.isEmpty() || at != ENOENT)
            return coveredAs(State::Missing);
        return makeAndTakeLocked(k, path, info);
    }
    const Mark mark = readMark(k, path);
    if (mark.status == MarkStatus::Found) {
        if (!id.isEmpty())
            return coveredAs(State::NotOurs);
        // Nothing kept: a folder of this client's that its database forgot.
        const State state = lockedOrOurs(k, path, info);
        if (state != State::Held) {
            qInfo() << "Storage folder known by its mark again:" << path;
            setProvisionalLocked(k, true);
            keepLocked(k, mark.id, info ? &info->notKept : nullptr);
        }
        return state;
    }
    if (mark.status == MarkStatus::Unreadable || !id.isEmpty())
        return coveredAs(State::NotOurs);
    // Nothing kept yet: a new folder, or one recorded into before folders
    // were marked. A stranger's folder waits for the operator to choose it.
    if (insideAnother(k, path, info))
        return State::Inside;
    if (takeable(path))
        return takeLocked(k, path, info);
    return State::NotOurs;
}

} // namespace

namespace StorageMark {

QString fileName()
{
    return QStringLiteral(".kelvo-storage");
}

namespace {
std::atomic<int> g_looks{0};
}

int looks()
{
    return g_looks.load();
}

State look(const QString &path, Look *info)
{
    ++g_looks;
    if (path.isEmpty())
        return State::Missing;
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    const State state = lookLocked(k, path, info);
    // A mark the queue could not store after all: the folder holds for this run only.
    if (!k.lateNotKept.isEmpty()) {
        qWarning() << "The storage folder's mark is not kept in the database; it holds for this run only:"
                   << k.lateNotKept;
        if (info && info->notKept.isEmpty())
            info->notKept = k.lateNotKept;
        k.lateNotKept.clear();
    }
    // Not recorded into: the folder's disk may go, and another client may take it.
    if (state != State::Ours)
        releaseLookLocked(k);
    else
        rememberOurs(k, path);
    return state;
}

void release()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    releaseLookLocked(k);
}

State check(const QString &path)
{
    if (path.isEmpty())
        return State::Missing;
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    QString error;
    if (!readKeptLocked(k, &error))
        return State::Unknown;
    const int at = folderAt(path);
    if (at == ENOTDIR)
        return State::NotOurs;
    if (at != 0)
        return State::Missing;
    if (k.id.isEmpty())
        return State::Ours;
    const Mark mark = readMark(k, path);
    return mark.status == MarkStatus::Found && mark.id == k.id ? State::Ours : State::NotOurs;
}

bool takeAnew(const QString &path, QString *error, QString *notKept)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("no folder");
        return false;
    }
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    if (!Platform::makePrivateDir(path)) {
        if (error)
            *error = QStringLiteral("the folder cannot be made");
        return false;
    }
    if (heldElsewhere(k, path)) {
        qWarning() << "Storage folder not taken: another client records into it:" << path;
        if (error)
            *error = QStringLiteral(QT_TRANSLATE_NOOP("StorageMark", "another client records into this folder"));
        return false;
    }
    // The operator's choice: no longer one the client made on its own.
    setProvisionalLocked(k, false);
    k.last = Taken();
    // A folder that already is a storage folder of this client (its disk
    // taken back after the database was made anew) keeps its mark.
    const Mark mark = readMark(k, path);
    if (mark.status == MarkStatus::Found) {
        keepLocked(k, mark.id, notKept);
        qInfo() << "Storage folder chosen, its mark kept:" << path;
    } else if (!writeNewMark(k, path, error, notKept)) {
        return false;
    }
    rememberOurs(k, path);
    return true;
}

Hold::Hold(const QString &folder)
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    const int result = lockMark(k, folder, false, &m_dev, &m_ino);
    m_held = result == 0;
    m_elsewhere = result == EWOULDBLOCK;
    QString error;
    if (m_held && readKeptLocked(k, &error) && !k.id.isEmpty()) {
        const Mark mark = readMark(k, folder);
        m_ours = mark.status == MarkStatus::Found && mark.id == k.id;
    }
}

Hold::~Hold()
{
    if (!m_held)
        return;
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    for (MarkLock &l : k.locks) {
        if (l.dev == m_dev && l.ino == m_ino) {
            --l.scoped;
            break;
        }
    }
    dropUnused(k);
}

Seat::Seat(const QString &path)
    : m_path(path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return;
    m_known = true;
    m_dev = st.st_dev;
    m_ino = st.st_ino;
}

bool Seat::stillStorage() const
{
    if (m_path.isEmpty())
        return true;
    struct stat st;
    if (!m_known || ::stat(QFile::encodeName(m_path).constData(), &st) != 0 || st.st_dev != m_dev || st.st_ino != m_ino)
        return false;
    return check(m_path) == State::Ours;
}

QString keptId()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    QString error;
    readKeptLocked(k, &error);
    return k.id;
}

void forgetForTesting()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    k.loaded = false;
    k.id.clear();
    k.provisional = false;
    k.last = Taken();
    for (MarkLock &l : k.locks)
        l.byLook = false;
    dropUnused(k);
}

} // namespace StorageMark
