#include "SingleApplication.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString runtimeSocketPath(const QString &instanceName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(instanceName + QStringLiteral(".instance"));
}
} // namespace

SingleApplication::SingleApplication(int &argc, char **argv, const QString &instanceName)
    : QApplication(argc, argv)
    , m_serverName(runtimeSocketPath(instanceName))
{
    // "Is one running?" and "then I am the one" must be a single step: without
    // the lock two simultaneous starts both find no server, and both listen.
    // The lock is the kernel's (flock): a dead holder's lock is gone with it.
    const int lock = lockInstance();
    m_running = notifyRunningInstance();
    if (!m_running)
        startServer();
    if (lock >= 0)
        ::close(lock); // the server now answers the next start
}

int SingleApplication::lockInstance() const
{
    const QByteArray path = QFile::encodeName(m_serverName + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        qWarning() << "Single-instance lock file cannot be opened:" << path << ::strerror(errno);
        return -1;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        qWarning() << "Single-instance lock failed:" << ::strerror(errno);
        ::close(fd);
        return -1;
    }
    return fd;
}

SingleApplication::~SingleApplication()
{
    if (m_server)
        m_server->close();
}

bool SingleApplication::notifyRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(activateMessage());
    socket.flush();
    socket.waitForBytesWritten(1000);
    // The running instance answers once it has acted on the message; one that
    // is busy (or older and silent) is not waited for longer than this.
    socket.waitForReadyRead(1000);
    socket.disconnectFromServer();
    return true;
}

void SingleApplication::startServer()
{
    // Nobody answered: whatever socket file is there was left by a crash.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        qWarning() << "Single-instance server failed:" << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::onNewConnection);
}

void SingleApplication::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The message may arrive in pieces: collect it on the socket until it is whole.
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QByteArray message = socket->property("received").toByteArray() + socket->readAll();
            if (message.contains(activateMessage())) {
                message.clear();
                activateWindow();
                emit activateRequested();
                socket->write(activateAnswer());
            } else if (message.size() > 64) {
                message.clear(); // not one of ours
            }
            socket->setProperty("received", message);
        });
    }
}

void SingleApplication::activateWindow()
{
    qInfo() << "Another start asked this instance to come to the front";
    // Before the main window is up (login dialog, splash) the dialog in front
    // is what the operator is looking for.
    QWidget *window = m_window && m_window->isVisible() ? m_window.data() : QApplication::activeModalWidget();
    if (!window)
        return; // the main window is still hidden: nothing to show yet
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}
