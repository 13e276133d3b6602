#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

class QLocalServer;

// The client runs once per user: a second start tells the running instance
// "activate" over a local socket and exits. The socket lives in the user's
// runtime folder, so a crashed instance's stale socket is removed on the next
// start and separate runtime folders (tests) never meet. A lock file beside the
// socket makes the check and the listen one step for simultaneous starts.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv, const QString &instanceName);
    ~SingleApplication() override;

    // True when another instance answered; it has been told to activate.
    bool isRunning() const { return m_running; }
    QString serverName() const { return m_serverName; }

    // The window raised when another start asks for it.
    void setActivationWindow(QWidget *window) { m_window = window; }

    static const char *activateMessage() { return "activate"; }
    static const char *activateAnswer() { return "done"; }

signals:
    void activateRequested();

private:
    // Blocks until this start holds the instance lock; its descriptor, or -1.
    int lockInstance() const;
    bool notifyRunningInstance();
    void startServer();
    void onNewConnection();
    void activateWindow();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
    bool m_running = false;
};
