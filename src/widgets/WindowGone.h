#pragma once

// A top-level window another program destroyed (on X11 any client may
// destroy any window; a window manager's close asks instead) is gone from
// the screen while Qt still takes it for shown: a client whose only window
// it was would run on with none. The watch tells the window's owner.

#include <QObject>

#include <memory>

class QWidget;

class WindowGone : public QObject
{
    Q_OBJECT

public:
    // Watches the window for as long as both live; a child of it.
    explicit WindowGone(QWidget *window);
    ~WindowGone() override;

signals:
    void gone();

private:
    class Filter;
    std::unique_ptr<Filter> m_filter;
};
