#include "Platform.h"

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
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Platform {

namespace {

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

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return fail(QStringLiteral("%1 is no plain file").arg(path));
    // Made exclusively and user-only (never through a link), hidden beside
    // its final name on the same file system, so the rename is atomic.
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return fail(file.errorString());
    // A write only fills a buffer; the disk may refuse it at the flush, and
    // a file system that delays its blocks at the sync.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0)
        return fail(QString::fromLocal8Bit(::strerror(errno)));
    file.close();
    if (QFileInfo(path).isSymLink())
        return fail(QStringLiteral("%1 is no plain file").arg(path));
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return fail(QString::fromLocal8Bit(::strerror(errno)));
    file.setAutoRemove(false);
    // The new name itself reaches the disk with its folder.
    const int dir = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace Platform
