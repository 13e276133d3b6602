#pragma once

// A disk that fills: a 2 MiB tmpfs on a folder of the test where the machine
// allows the mount (root outside a sandbox), filled up by a file. Elsewhere
// (or with KELVO_TEST_NO_MOUNT set) the recorder's write seam fails every
// write below the folder as a full disk would. Which one ran is logged.

#include "../support/SmallFs.h"
#include "RecordIndex.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QMap>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// Everything below dir by relative path: a file's digest, a link's target
// (never followed), or "dir".
inline QMap<QString, QByteArray> fileTree(const QString &dir)
{
    QMap<QString, QByteArray> found;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile f(info.filePath());
        found.insert(QDir(dir).relativeFilePath(info.filePath()),
                     info.isSymLink()              ? "-> " + QFile::encodeName(info.symLinkTarget())
                     : info.isDir()                ? QByteArray("dir")
                     : f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                                   : QByteArray("unreadable"));
    }
    return found;
}

// A new file with its folders; false unless all of it was written.
inline bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class SmallDisk
{
public:
    explicit SmallDisk(const QString &dir)
        : m_fs(dir, 2 << 20)
        , m_dir(m_fs.dir())
        , m_mounted(m_fs.mounted())
    {
        qInfo() << (m_mounted ? "small disk: a 2 MiB tmpfs at" : "small disk: failing writes stand in at") << m_dir;
    }
    ~SmallDisk() { makeRoom(); }

    QString path() const { return m_dir; }
    bool mounted() const { return m_mounted; }
    bool setReadOnly(bool readOnly) { return m_fs.setReadOnly(readOnly); }

    // Full, or with room for `leave` bytes (whole pages) where mounted.
    bool fill(qint64 leave = 0)
    {
        if (!m_mounted) {
            const QString below = m_dir + QLatin1Char('/');
            RecordIndex::setWriteFailureForTesting([below](const QString &path) { return path.startsWith(below); });
            return true;
        }
        const int fd = ::open(QFile::encodeName(m_dir + "/filler").constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        static const char block[4096] = {};
        for (size_t size = sizeof block; fd >= 0 && size > 0; size /= 2) {
            while (::write(fd, block, size) > 0) {
            }
        }
        bool full = fd >= 0 && errno == ENOSPC;
        if (full && leave > 0) {
            const off_t size = ::lseek(fd, 0, SEEK_END);
            full = size >= leave && ::ftruncate(fd, size - leave) == 0;
        }
        ::close(fd);
        return full;
    }

    void makeRoom()
    {
        RecordIndex::setWriteFailureForTesting({});
        QFile::remove(m_dir + "/filler");
    }

private:
    SmallFs m_fs;
    const QString m_dir;
    const bool m_mounted;
};
