#pragma once

// A small file system of the test's own (tmpfs) that can be filled or made
// read-only, where the machine lets the test mount one. A test that needs it
// skips, or falls back to another way of failing, when mounted() is false.

#include <QDir>
#include <QProcess>
#include <QString>

#include <unistd.h>

class SmallFs
{
public:
    // Mounts a file system of the given size on dir (made if missing).
    SmallFs(const QString &dir, qint64 bytes)
        : m_dir(QDir(dir).absolutePath())
    {
        QDir().mkpath(m_dir);
        if (::geteuid() != 0)
            return;
        m_mounted = run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=%1,mode=0700").arg(bytes), QStringLiteral("tmpfs"), m_dir});
    }
    ~SmallFs()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir});
    }
    SmallFs(const SmallFs &) = delete;
    SmallFs &operator=(const SmallFs &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }

    bool setReadOnly(bool readOnly)
    {
        return m_mounted
               && run({QStringLiteral("-o"), readOnly ? QStringLiteral("remount,ro") : QStringLiteral("remount,rw"),
                       m_dir});
    }

private:
    static bool run(const QStringList &args)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("mount"), args);
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString m_dir;
    bool m_mounted = false;
};
