#pragma once

// A disk that fills: a 2 MiB tmpfs mounted on a folder of the test where the
// machine lets the test mount one (root outside a sandbox), filled by a file
// written until the file system says it is full. Elsewhere the folder stays
// on the test's disk and the recorder's write seam fails every write below
// it, as a full disk would (KELVO_TEST_NO_MOUNT=1 asks for that path where a
// mount would work). Which of the two ran is logged.

#include "RecordIndex.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// Every file, folder and link below dir by its relative path: a digest of a
// file's content, where a link points, or "dir". Links are not followed.
inline QMap<QString, QByteArray> fileTree(const QString &dir)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = QDir(dir).relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            found.insert(name, "-> " + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isFile()) {
            QFile f(info.filePath());
            found.insert(name, f.open(QIODevice::ReadOnly)
                                   ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                   : QByteArray("unreadable"));
        } else {
            found.insert(name, "dir");
        }
    }
    return found;
}

class SmallDisk
{
public:
    explicit SmallDisk(const QString &dir)
        : m_dir(QDir(dir).absolutePath())
    {
        QDir().mkpath(m_dir);
        const bool asked = qEnvironmentVariableIsSet("KELVO_TEST_NO_MOUNT");
        m_mounted =
            !asked && ::mount("tmpfs", QFile::encodeName(m_dir).constData(), "tmpfs", 0, "size=2m,mode=0700") == 0;
        const QString why = asked ? QStringLiteral("KELVO_TEST_NO_MOUNT") : QString::fromLocal8Bit(::strerror(errno));
        if (m_mounted)
            qInfo() << "small disk: a 2 MiB tmpfs at" << m_dir;
        else
            qInfo() << "small disk: no mount here (" << why << "), failing writes stand in at" << m_dir;
    }
    ~SmallDisk()
    {
        makeRoom();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QString path() const { return m_dir; }
    bool mounted() const { return m_mounted; }

    // Leaves no byte free (or makes every write below the folder fail).
    bool fill()
    {
        if (!m_mounted) {
            const QString below = m_dir + QLatin1Char('/');
            RecordIndex::setWriteFailureForTesting([below](const QString &path) { return path.startsWith(below); });
            return true;
        }
        const int fd = ::open(QFile::encodeName(filler()).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        static const char block[4096] = {};
        for (size_t size = sizeof block; size > 0; size /= 2) {
            while (::write(fd, block, size) > 0) {
            }
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

    void makeRoom()
    {
        RecordIndex::setWriteFailureForTesting({});
        if (m_mounted)
            QFile::remove(filler());
    }

private:
    QString filler() const { return m_dir + QStringLiteral("/filler"); }

    QString m_dir;
    bool m_mounted = false;
};
