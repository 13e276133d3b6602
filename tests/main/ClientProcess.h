#pragma once

// Runs the real client program for a test: its own folder (working directory
// and program folder, so database, day logs and crash dump land there), its
// own instance name, and the display of the test run; and the database such a
// folder starts with.

#include "OrmHelper.h"
#include "../support/StoredRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTest>

#include <functional>

#include <unistd.h>

class ClientProcess
{
public:
    ClientProcess(const QString &folder, const QString &instance)
        : m_dir(QDir::current().absoluteFilePath(folder))
        , m_instance(instance)
    {
        QDir().mkpath(m_dir);
        // The program folder decides where logs and dumps go: a hard link
        // gives this run a folder of its own without copying the program.
        const QString program = programPath();
        if (!QFile::exists(program)) {
            if (::link(KELVO_CLIENT_PROGRAM, QFile::encodeName(program).constData()) != 0)
                QFile::copy(QStringLiteral(KELVO_CLIENT_PROGRAM), program);
        }
        m_process.setWorkingDirectory(m_dir);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KELVO_INSTANCE_NAME"), instance);
        if (!env.value(QStringLiteral("DISPLAY")).isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            // libxkbcommon's strndup reads whole buffers, which the strict
            // string checks report; the X libraries also keep their memory.
            env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:strict_string_checks=0"));
        }
        m_process.setProcessEnvironment(env);
    }

    ~ClientProcess() { kill(); }

    QString dir() const { return m_dir; }
    QString programPath() const { return QDir(m_dir).filePath(QStringLiteral("KelvoClient")); }
    QProcess &process() { return m_process; }

    void setEnv(const QString &name, const QString &value)
    {
        QProcessEnvironment env = m_process.processEnvironment();
        env.insert(name, value);
        m_process.setProcessEnvironment(env);
    }

    bool start()
    {
        m_process.start(programPath(), QStringList());
        return m_process.waitForStarted(10000);
    }

    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    qint64 pid() const { return m_process.processId(); }

    // Everything the day logs hold.
    QString log() const
    {
        QString text;
        const QDir logDir(QDir(m_dir).filePath(QStringLiteral("log")));
        for (const QString &name : logDir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            QFile file(logDir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        return text;
    }

    // The log writer passes every five seconds: allow a few passes.
    bool waitForLog(const QString &text, int timeoutMs = 30000)
    {
        (void)QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning || log().contains(text); },
                              timeoutMs);
        return log().contains(text);
    }

    QString output() { return QString::fromLocal8Bit(m_process.readAll()); }

private:
    QString m_dir;
    QString m_instance;
    QProcess m_process;
};

// Leaves a database in the client folder as an earlier run would: an account
// with the given rights that logs in automatically, plus whatever `more` stores
// while the database is open. Returns an error text, empty on success.
inline QString seedAutoLogin(const QString &folder, const QString &rights,
                             const std::function<void()> &more = std::function<void()>())
{
    const QString dir = QDir::current().absoluteFilePath(folder);
    QDir().mkpath(dir);
    const QString back = QDir::currentPath();
    QDir::setCurrent(dir);
    QString error;
    if (!OrmHelper::instance()->init(&error)) {
        QDir::setCurrent(back);
        return error.isEmpty() ? QStringLiteral("database init failed") : error;
    }
    auto user = QSharedPointer<CMS_User>::create();
    user->Name = QStringLiteral("operator");
    user->password = QStringLiteral("op-pass");
    user->RoleId = 1;
    user->Rights = rights;
    if (!OrmHelper::saveUser(user))
        error = QStringLiteral("saving the user failed");
    auto config = storedConfig();
    config->Name = user->Name;
    config->password = user->password;
    config->bAutoLogin = true;
    if (error.isEmpty() && !OrmHelper::saveConfig(config))
        error = QStringLiteral("saving the configuration failed");
    if (error.isEmpty() && more)
        more();
    OrmHelper::resetForTesting();
    QDir::setCurrent(back);
    return error;
}
