#include "StorageMark.h"

#include "OrmHelper.h"
#include "Platform.h"
#include "RecordIndex.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QUuid>

#include <atomic>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kSetting[] = "StorageMark";
const char kHeader[] = "kelvo-storage";
constexpr qint64 MaxMarkBytes = 512;

// The kept id, read from the database once it is open. The mutex also makes
// the decisions to take a folder one at a time.
struct Kept
{
    QMutex mutex;
    bool loaded = false;
    QString id;
};

Kept &kept()
{
    static Kept k;
    return k;
}

QString keptLocked(Kept &k)
{
    if (!k.loaded) {
        k.id = OrmHelper::setting(QString::fromLatin1(kSetting));
        // Before the database is open nothing is known yet: asked again.
        k.loaded = OrmHelper::isInitialized();
    }
    return k.id;
}

void keepLocked(Kept &k, const QString &id)
{
    k.id = id;
    k.loaded = true;
    // This process goes on with it even when the database cannot keep it.
    if (!OrmHelper::saveSetting(QString::fromLatin1(kSetting), id))
        qWarning() << "The storage folder's mark is not kept in the database; it holds for this run only";
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

// The mark in folder: never read through a link, nor from anything but a
// small plain file.
Mark readMark(const QString &folder)
{
    Mark mark;
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + StorageMark::fileName());
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        mark.status = errno == ENOENT ? MarkStatus::None : MarkStatus::Unreadable;
        return mark;
    }
    mark.status = MarkStatus::Unreadable;
    struct stat st;
    QByteArray bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= MaxMarkBytes) {
        bytes.resize(int(MaxMarkBytes) + 1);
        qint64 got = 0;
        for (;;) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
            if (got >= bytes.size())
                break;
        }
        bytes.truncate(int(got));
    }
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

bool writeNewMark(Kept &k, const QString &folder, QString *error)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QByteArray bytes = QByteArray(kHeader) + '\n' + id.toLatin1() + '\n';
    const QString path = folder + QLatin1Char('/') + StorageMark::fileName();
    QString why;
    if (!Platform::writeWholeFile(path, bytes, &why)) {
        qWarning() << "The storage folder cannot be marked:" << path << why;
        if (error)
            *error = why;
        return false;
    }
    keepLocked(k, id);
    qInfo() << "Storage folder marked as the client's own:" << folder;
    return true;
}

bool isEmptyFolder(const QString &folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// 0: a folder; ENOENT: nothing there; ENOTDIR: something else.
int folderAt(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOTDIR ? ENOENT : errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
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

State look(const QString &path)
{
    ++g_looks;
    if (path.isEmpty())
        return State::Missing;
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    const QString id = keptLocked(k);
    const int at = folderAt(path);
    if (at == ENOTDIR)
        return State::NotOurs;
    if (at != 0) {
        // Made only while no folder was ever marked: a marked folder that is
        // gone (its disk unmounted) is waited for, not made again in its place.
        if (!id.isEmpty() || at != ENOENT)
            return State::Missing;
        if (!Platform::makePrivateDir(path))
            return State::Unwritable;
        return writeNewMark(k, path, nullptr) ? State::Ours : State::Unwritable;
    }
    const Mark mark = readMark(path);
    if (mark.status == MarkStatus::Found) {
        if (id.isEmpty()) {
            qInfo() << "Storage folder known by its mark again:" << path;
            keepLocked(k, mark.id);
            return State::Ours;
        }
        return mark.id == id ? State::Ours : State::NotOurs;
    }
    if (mark.status == MarkStatus::Unreadable || !id.isEmpty())
        return State::NotOurs;
    // Nothing kept yet: a new folder, or one recorded into before folders
    // were marked. A stranger's folder waits for the operator to choose it.
    if (isEmptyFolder(path) || !RecordIndex::dayFolders(path).isEmpty())
        return writeNewMark(k, path, nullptr) ? State::Ours : State::Unwritable;
    return State::NotOurs;
}

State check(const QString &path)
{
    if (path.isEmpty())
        return State::Missing;
    QString id;
    {
        Kept &k = kept();
        QMutexLocker lock(&k.mutex);
        id = keptLocked(k);
    }
    const int at = folderAt(path);
    if (at == ENOTDIR)
        return State::NotOurs;
    if (at != 0)
        return State::Missing;
    if (id.isEmpty())
        return State::Ours;
    const Mark mark = readMark(path);
    return mark.status == MarkStatus::Found && mark.id == id ? State::Ours : State::NotOurs;
}

bool takeAnew(const QString &path, QString *error)
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
    // A folder that already is a storage folder of this client (its disk
    // taken back after the database was made anew) keeps its mark.
    const Mark mark = readMark(path);
    if (mark.status == MarkStatus::Found) {
        keepLocked(k, mark.id);
        qInfo() << "Storage folder chosen, its mark kept:" << path;
        return true;
    }
    return writeNewMark(k, path, error);
}

QString keptId()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    return keptLocked(k);
}

void forgetForTesting()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    k.loaded = false;
    k.id.clear();
}

} // namespace StorageMark
