#include "SingleApplication.h"

#include <QDebug>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

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
    m_running = notifyRunningInstance();
    if (!m_running)
        startServer();
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
