#include "Platform.h"

#include "ThreadStack.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QRegularExpression>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <cerrno>
#include <cstring>

#include <cstdio>

#include <atomic>

#include <dirent.h>
#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

constexpr int MmapThresholdBytes = 256 * 1024;
constexpr int ArenaCount = 4;

struct Hooks
{
    QMutex mutex;
    PingProbe ping;
    UrlLauncher launcher;
    FreeSpaceProbe freeSpace;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

} // namespace

void setPingProbe(PingProbe probe)
{
    QMutexLocker lock(&hooks().mutex);
    hooks().ping = std::move(probe);
}

void setUrlLauncher(UrlLauncher launcher)
{
    QMutexLocker lock(&hooks().mutex);
    hooks().launcher = std::move(launcher);
}

void setFreeSpaceProbe(FreeSpaceProbe probe)
{
    QMutexLocker lock(&hooks().mutex);
    hooks().freeSpace = std::move(probe);
}

bool runPingProbe(const QString &ip)
{
    PingProbe probe;
    {
        QMutexLocker lock(&hooks().mutex);
        probe = hooks().ping;
    }
    return probe ? probe(ip) : systemPing(ip);
}

bool launchUrl(const QUrl &url)
{
    UrlLauncher launcher;
    {
        QMutexLocker lock(&hooks().mutex);
        launcher = hooks().launcher;
    }
    return launcher ? launcher(url) : systemOpenUrl(url);
}

QString pingProgram()
{
    return QStringLiteral("ping");
}

QStringList pingArguments(const QString &ip)
{
    // "--" keeps an address typed as "-f..." from being read as an option.
    return {QStringLiteral("-n"),
            QStringLiteral("-c"),
            QStringLiteral("1"),
            QStringLiteral("-W"),
            QStringLiteral("0.5"),
            QStringLiteral("--"),
            ip};
}

bool pingOutputAnswered(const QString &output)
{
    static const QRegularExpression marker(QStringLiteral("TTL ?="), QRegularExpression::CaseInsensitiveOption);
    return marker.match(output).hasMatch();
}

bool systemPing(const QString &ip, int startLimitMs, int finishLimitMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(pingProgram(), pingArguments(ip));
    if (!process.waitForStarted(startLimitMs)) {
        qWarning() << "Ping process failed to start for IP:" << ip;
        process.kill();
        process.waitForFinished(500);
        return false;
    }
    if (!process.waitForFinished(finishLimitMs)) {
        qWarning() << "Ping timeout for IP:" << ip;
        process.kill();
        process.waitForFinished(500);
        return false;
    }
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (pingOutputAnswered(output))
        return true;
    qWarning() << "Ping failed for IP:" << ip << "Response:" << output.trimmed();
    return false;
}

bool systemOpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

qint64 freeBytes(const QString &path)
{
    FreeSpaceProbe probe;
    {
        QMutexLocker lock(&hooks().mutex);
        probe = hooks().freeSpace;
    }
    return probe ? probe(path) : systemFreeBytes(path);
}

qint64 systemFreeBytes(const QString &path)
{
    const QStorageInfo storage(path);
    if (!storage.isValid())
        return -1;
    return storage.bytesAvailable();
}

bool makePrivateDir(const QString &path)
{
    if (path.isEmpty())
        return false;
    QString dir = QDir::cleanPath(QDir(path).absolutePath());
    QStringList missing;
    while (!QFileInfo::exists(dir)) {
        missing.prepend(dir);
        const QString parent = QFileInfo(dir).path();
        if (parent == dir)
            break;
        dir = parent;
    }
    for (const QString &d : qAsConst(missing)) {
        const QByteArray name = QFile::encodeName(d);
        // Another thread may make the same folder at the same moment.
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
            qWarning() << "Cannot create folder" << d << ::strerror(errno);
            return false;
        }
        // Even under a umask that takes the owner's own bits.
        ::chmod(name.constData(), 0700);
    }
    return QFileInfo(path).isDir();
}

bool makePrivateFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path))
        return restrictToUser(path);
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        // Kept for the caller, which may tell the reason.
        const int why = errno;
        qWarning() << "Cannot create file" << path << ::strerror(why);
        errno = why;
        return false;
    }
    const bool ok = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return ok;
}

bool restrictToUser(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isSymLink())
        return false;
    return ::chmod(QFile::encodeName(path).constData(), info.isDir() ? 0700 : 0600) == 0;
}

namespace {

// Tells this run's temporaries from those an earlier run left behind.
const QString &runMark()
{
    static const QString mark =
        QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    return mark;
}

QString randomSuffix()
{
    static const char chars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < 6; ++i)
        text += QLatin1Char(chars[QRandomGenerator::global()->bounded(int(sizeof chars) - 1)]);
    return text;
}

struct SweptFolders
{
    QMutex mutex;
    QSet<QString> folders;
};

SweptFolders &swept()
{
    static SweptFolders s;
    return s;
}

struct FolderSyncHook
{
    QMutex mutex;
    FolderSync sync;
};

FolderSyncHook &folderSyncHook()
{
    static FolderSyncHook h;
    return h;
}

bool failWith(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

QString writeFailureText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral(QT_TRANSLATE_NOOP("Platform", "no space left on the disk"));
    case EROFS:
        return QStringLiteral(QT_TRANSLATE_NOOP("Platform", "the disk is read-only"));
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral(QT_TRANSLATE_NOOP("Platform", "the folder is missing"));
    case EACCES:
    case EPERM:
        return QStringLiteral(QT_TRANSLATE_NOOP("Platform", "no permission to write there"));
    default:
        return QString::fromLocal8Bit(::strerror(errorNumber));
    }
}

QString translatedFailure(const QString &reason)
{
    const QByteArray source = reason.toUtf8();
    return QCoreApplication::translate("Platform", source.constData());
}

void setFolderSyncForTesting(FolderSync sync)
{
    QMutexLocker lock(&folderSyncHook().mutex);
    folderSyncHook().sync = std::move(sync);
}

bool syncFolder(const QString &folder, QString *error)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failWith(error,
                        QStringLiteral("the folder %1 cannot be synced: %2").arg(folder, writeFailureText(errno)));
    FolderSync hook;
    {
        QMutexLocker lock(&folderSyncHook().mutex);
        hook = folderSyncHook().sync;
    }
    int why = 0;
    if (hook)
        why = hook(folder);
    else if (::fsync(fd) != 0)
        why = errno;
    ::close(fd);
    if (why != 0)
        return failWith(error, QStringLiteral("the folder %1 cannot be synced: %2").arg(folder, writeFailureText(why)));
    return true;
}

QString temporaryPrefix(const QString &fileName)
{
    return QLatin1Char('.') + fileName + QLatin1Char('.') + runMark() + QLatin1Char('-');
}

int removeStaleTemporaries(const QString &folder)
{
    const QString key = QDir::cleanPath(QDir(folder).absolutePath());
    {
        // Only an earlier run leaves them, so one look per folder and run does.
        QMutexLocker lock(&swept().mutex);
        if (swept().folders.contains(key))
            return 0;
        if (swept().folders.size() >= 4096)
            swept().folders.clear();
        swept().folders.insert(key);
    }
    const int dirFd = ::open(QFile::encodeName(key).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (dirFd < 0)
        return 0;
    DIR *dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return 0;
    }
    static const QRegularExpression temporary(QStringLiteral("^\\..+\\.([0-9a-f]{16})-[A-Za-z0-9]{6}\\.tmp$"));
    const uid_t me = ::geteuid();
    int removed = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const QRegularExpressionMatch match = temporary.match(QFile::decodeName(entry->d_name));
        if (!match.hasMatch() || match.capturedRef(1) == runMark())
            continue;
        struct stat st;
        if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) || st.st_uid != me)
            continue;
        if (::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    if (removed > 0)
        qInfo() << "Removed" << removed << "unfinished file(s) an earlier run left in" << key;
    return removed;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return failWith(error, QStringLiteral("%1 is no plain file").arg(path));
    const QString folder = info.absolutePath();
    removeStaleTemporaries(folder);
    // Made exclusively and user-only (never through a link), hidden beside
    // its final name on the same file system, so the rename is atomic.
    const QString prefix = folder + QLatin1Char('/') + temporaryPrefix(info.fileName());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(prefix + randomSuffix() + QStringLiteral(".tmp"));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno != EEXIST)
            return failWith(error, writeFailureText(errno));
    }
    if (fd < 0)
        return failWith(error, writeFailureText(EEXIST));
    const auto dropTemporary = [&](int why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.constData());
        return failWith(error, writeFailureText(why));
    };
    if (::fchmod(fd, 0600) != 0) // whatever the umask
        return dropTemporary(errno);
    // The disk may refuse a write, and a file system that delays its blocks
    // the sync.
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return dropTemporary(n < 0 ? errno : ENOSPC);
        done += n;
    }
    if (::fsync(fd) != 0)
        return dropTemporary(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return dropTemporary(errno);
    if (QFileInfo(path).isSymLink()) {
        ::unlink(temporary.constData());
        return failWith(error, QStringLiteral("%1 is no plain file").arg(path));
    }
    if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
        return dropTemporary(errno);
    // The new name itself reaches the disk with its folder.
    return syncFolder(folder, error);
}

bool renameWhole(const QString &from, const QString &to, QString *error)
{
    const QFileInfo source(from);
    if (source.isSymLink() || !source.isFile())
        return failWith(error, QStringLiteral("%1: %2").arg(from, QString::fromLocal8Bit(::strerror(ENOENT))));
    const QFileInfo target(to);
    if (target.exists() || target.isSymLink())
        return failWith(error, QString::fromLocal8Bit(::strerror(EEXIST)));
    const QString folder = target.absolutePath();
    removeStaleTemporaries(folder);
    const QByteArray oldName = QFile::encodeName(from);
    const QByteArray newName = QFile::encodeName(to);
    // Never over a file that appeared meanwhile; where the file system cannot
    // refuse that by itself, a second link does.
    if (::renameat2(AT_FDCWD, oldName.constData(), AT_FDCWD, newName.constData(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return failWith(error, writeFailureText(errno));
        if (::link(oldName.constData(), newName.constData()) != 0) {
            // Nor links (a FAT disk): checked just before, as well as it can be.
            if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
                return failWith(error, writeFailureText(errno));
            struct stat st;
            if (::lstat(newName.constData(), &st) == 0)
                return failWith(error, QString::fromLocal8Bit(::strerror(EEXIST)));
            if (::rename(oldName.constData(), newName.constData()) != 0)
                return failWith(error, writeFailureText(errno));
        } else if (::unlink(oldName.constData()) != 0) {
            const int why = errno;
            ::unlink(newName.constData());
            return failWith(error, writeFailureText(why));
        }
    }
    if (!syncFolder(folder, error))
        return false;
    const QString sourceFolder = source.absolutePath();
    return sourceFolder == folder || syncFolder(sourceFolder, error);
}

void setUpAllocator()
{
#ifdef __GLIBC__
    // Blocks from this size up (pictures, stream and file buffers) are
    // mapped each of their own, and unmapped when freed. Left to itself, the
    // C library raises this threshold to the largest such block ever freed
    // (up to 32 MiB): from the first picture a pane let go, every picture,
    // packet and buffer came out of the arenas of the threads that decoded,
    // demuxed or recorded it. Those threads end with their player, recorder
    // or window, and what their arenas held stayed there splintered, for
    // threads yet to come: with devices reconnecting and panes starting
    // again, memory rose all day and never came down. Set, it no longer
    // drags the trim threshold up either: more than 128 KiB free at the top
    // of an arena goes back as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, MmapThresholdBytes);
    // Player, recorder and session threads come and go by the dozen (each
    // live decoder runs a slice thread per core); each may claim an arena of
    // its own, up to eight per core. A few arenas shared by all of them keep
    // what is freed where the next thread finds it.
    mallopt(M_ARENA_MAX, ArenaCount);
#endif
}

namespace {
std::atomic_bool g_returnAsked{false};
} // namespace

void returnFreedMemory()
{
    if (g_returnAsked.exchange(true))
        return;
    // Started from the caller's event loop once its event is done (a window
    // deleted, its children with it); the return itself walks every arena
    // and may take milliseconds, so it runs on a pool thread.
    const auto start = [] {
        QThreadPool::globalInstance()->start([] {
            ThreadStack::install();
            // Cleared first: what is freed while this runs asks again.
            g_returnAsked = false;
#ifdef __GLIBC__
            malloc_trim(0);
#endif
        });
    };
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, start, Qt::QueuedConnection);
    else
        start();
}

} // namespace Platform
