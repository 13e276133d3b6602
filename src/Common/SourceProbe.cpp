#include "SourceProbe.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QNetworkProxy>
#include <QPointer>
#include <QTcpSocket>
#include <QThreadPool>
#include <QUrl>

#include <mutex>

namespace {

int portOf(const QUrl &url)
{
    return url.port(554);
}

// A few threads for every probe of the program: a probe of a host that does
// not answer holds its thread for the whole timeout, and must not hold up the
// threads that convert pictures.
QThreadPool &probeThreads()
{
    static QThreadPool pool;
    static std::once_flag once;
    std::call_once(once, [] {
        pool.setMaxThreadCount(4);
        pool.setExpiryTimeout(10000);
    });
    return pool;
}

} // namespace

namespace SourceProbe {

QString sourceOf(const QString &url)
{
    const QUrl u(url);
    return u.host() + QLatin1Char(':') + QString::number(portOf(u));
}

bool reachable(const QString &url, int timeoutMs)
{
    const QUrl u(url);
    if (u.host().isEmpty())
        return false;
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    socket.connectToHost(u.host(), quint16(portOf(u)));
    const bool up = socket.waitForConnected(timeoutMs);
    socket.abort();
    return up;
}

void check(const QString &url, QObject *context, std::function<void(bool)> done)
{
    QPointer<QObject> guard(context);
    probeThreads().start([url, guard, done = std::move(done)] {
        const bool up = reachable(url);
        // The answer goes through the application object, which outlives every
        // context: the context itself may be gone by now, and is looked at only
        // on its own (the GUI) thread.
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [guard, done, up] {
                if (guard)
                    done(up);
            },
            Qt::QueuedConnection);
    });
}

} // namespace SourceProbe
