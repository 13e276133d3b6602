#pragma once

// A small file system of the test's own (tmpfs) that can be filled or made
// read-only, where the machine lets the test mount one (root outside a
// sandbox that refuses mounts). A test that needs it skips, or falls back to
// another way of failing, when mounted() is false; KELVO_TEST_NO_MOUNT forces
// that fallback.

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>

class SmallFs
{
public:
    // Mounts a file system of the given size on dir (made if missing).
    SmallFs(const QString &dir, qint64 bytes)
        : m_dir(QDir(dir).absolutePath())
    {
        QDir().mkpath(m_dir);
        if (qEnvironmentVariableIsSet("KELVO_TEST_NO_MOUNT"))
            return;
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
        m_mounted = ::mount("tmpfs", target().constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallFs()
    {
        if (m_mounted)
            ::umount2(target().constData(), MNT_DETACH);
    }
    SmallFs(const SmallFs &) = delete;
    SmallFs &operator=(const SmallFs &) = delete;

    bool mounted() const { return m_mounted; }
    QString dir() const { return m_dir; }
    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }

    bool setReadOnly(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return m_mounted && ::mount("tmpfs", target().constData(), "tmpfs", flags, nullptr) == 0;
    }

private:
    QByteArray target() const { return QFile::encodeName(m_dir); }

    QString m_dir;
    bool m_mounted = false;
};
