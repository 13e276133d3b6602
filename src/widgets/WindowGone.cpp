#include "WindowGone.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

#include <xcb/xcb.h>

class WindowGone::Filter : public QAbstractNativeEventFilter
{
public:
    Filter(WindowGone *owner, QWidget *window)
        : m_owner(owner)
        , m_window(window)
    {
    }

    bool nativeEventFilter(const QByteArray &type, void *message, long *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        // The client's own destroying of a window it made again (new flags)
        // names the window it had before; the one it destroys with the widget
        // comes after the watch is gone.
        const auto *destroyed = reinterpret_cast<const xcb_destroy_notify_event_t *>(event);
        if (m_window->internalWinId() == WId(destroyed->window))
            QMetaObject::invokeMethod(m_owner, &WindowGone::gone, Qt::QueuedConnection);
        return false;
    }

private:
    WindowGone *m_owner;
    QWidget *m_window;
};

WindowGone::WindowGone(QWidget *window)
    : QObject(window)
    , m_filter(std::make_unique<Filter>(this, window))
{
    QCoreApplication::instance()->installNativeEventFilter(m_filter.get());
}

WindowGone::~WindowGone()
{
    QCoreApplication::instance()->removeNativeEventFilter(m_filter.get());
}
