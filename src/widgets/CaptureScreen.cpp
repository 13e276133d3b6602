#include "CaptureScreen.h"

#include <QDebug>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

CaptureScreen::CaptureScreen(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(400, 300);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);

    QPixmap desktop;
    if (QScreen *screen = QGuiApplication::primaryScreen())
        desktop = screen->grabWindow(0);
    if (!desktop.isNull()) {
        m_shadeRect = QRect(0, 0, desktop.width(), desktop.height());
    } else {
        qWarning() << "Failed to allocate memory for screen capture:"
                   << QStringLiteral("no desktop grab on platform %1").arg(QGuiApplication::platformName());
        // No grab (offscreen, Wayland): the screens still tell the size to dim.
        QRect all;
        for (QScreen *screen : QGuiApplication::screens())
            all = all.united(screen->geometry());
        m_shadeRect = QRect(0, 0, all.width(), all.height());
    }
}

QRect CaptureScreen::rectOf(const QPoint &a, const QPoint &b) const
{
    const int maxX = std::max(0, width() - 1);
    const int maxY = std::max(0, height() - 1);
    const int left = std::clamp(std::min(a.x(), b.x()), 0, maxX);
    const int right = std::clamp(std::max(a.x(), b.x()), 0, maxX);
    const int top = std::clamp(std::min(a.y(), b.y()), 0, maxY);
    const int bottom = std::clamp(std::max(a.y(), b.y()), 0, maxY);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect CaptureScreen::currentRect() const
{
    return rectOf(m_begin, m_end);
}

QRect CaptureScreen::movedRect() const
{
    const QRect r = currentRect();
    int dx = m_current.x() - m_moveStart.x();
    int dy = m_current.y() - m_moveStart.y();
    dx = std::clamp(dx, -r.left(), std::max(-r.left(), width() - 1 - r.right()));
    dy = std::clamp(dy, -r.top(), std::max(-r.top(), height() - 1 - r.bottom()));
    return rectOf(m_begin + QPoint(dx, dy), m_end + QPoint(dx, dy));
}

QRect CaptureScreen::resizedRect() const
{
    const QRect r = currentRect();
    const QPoint p = m_current;
    switch (m_handle) {
    case TopLeft:
        return rectOf(p, r.bottomRight());
    case TopRight:
        return rectOf(QPoint(r.left(), p.y()), QPoint(p.x(), r.bottom()));
    case BottomLeft:
        return rectOf(QPoint(p.x(), r.top()), QPoint(r.right(), p.y()));
    case BottomRight:
        return rectOf(r.topLeft(), p);
    case Left:
        return rectOf(QPoint(p.x(), r.top()), r.bottomRight());
    case Top:
        return rectOf(QPoint(r.left(), p.y()), r.bottomRight());
    case Right:
        return rectOf(r.topLeft(), QPoint(p.x(), r.bottom()));
    case Bottom:
        return rectOf(r.topLeft(), QPoint(r.right(), p.y()));
    default:
        return rectOf(m_begin, m_end);
    }
}

QRect CaptureScreen::getSelectRect()
{
    switch (m_state) {
    case Drawing:
    case Drawn:
        return currentRect();
    case Moving:
        return movedRect();
    case Moved: {
        const QRect r = movedRect();
        m_begin = r.topLeft();
        m_end = r.bottomRight();
        m_moveStart = QPoint();
        m_current = QPoint();
        return r;
    }
    case Resizing:
        return resizedRect();
    case Resized: {
        const QRect r = resizedRect();
        m_begin = r.topLeft();
        m_end = r.bottomRight();
        m_handle = NoHandle;
        return r;
    }
    default:
        return QRect();
    }
}

void CaptureScreen::setSelectRect(const QRect &rect)
{
    m_selection = rect;
    m_begin = rect.topLeft();
    m_end = rect.bottomRight();
    m_state = Moved;
    m_moveStart = QPoint();
    m_current = QPoint();
    update();
    qDebug() << "set  select" << rect;
}

std::array<QRect, 8> CaptureScreen::handlesOf(const QRect &s) const
{
    const QPoint tl = s.topLeft();
    const QPoint tr = s.topRight();
    const QPoint bl = s.bottomLeft();
    const QPoint br = s.bottomRight();
    const int midY = (bl.y() + tl.y()) / 2;
    const int midX = (tr.x() + tl.x()) / 2;
    auto square = [](const QPoint &c) { return QRect(c.x() - 3, c.y() - 3, 6, 6); };
    return {square(tl),
            square(tr),
            square(bl),
            square(br),
            square(QPoint(tl.x(), midY)),
            square(QPoint(midX, tl.y())),
            square(QPoint(tr.x(), midY)),
            square(QPoint(midX, bl.y()))};
}

CaptureScreen::Handle CaptureScreen::handleAt(const QPoint &point) const
{
    if (m_state == None)
        return NoHandle;
    QRect selection;
    switch (m_state) {
    case Moving:
    case Moved:
        selection = movedRect();
        break;
    case Resizing:
    case Resized:
        selection = resizedRect();
        break;
    default:
        selection = currentRect();
    }
    const auto handles = handlesOf(selection);
    static const Handle order[] = {TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left};
    for (Handle h : order) {
        if (handles[h - 1].contains(point))
            return h;
    }
    return NoHandle;
}

Qt::CursorShape CaptureScreen::cursorFor(int handle)
{
    switch (handle) {
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case Left:
    case Right:
        return Qt::SizeHorCursor;
    case Top:
    case Bottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void CaptureScreen::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->pos();
    if (m_state == Moved || m_state == Resized)
        getSelectRect(); // commit the last gesture before starting another
    m_handle = handleAt(point);
    if (m_state == None) {
        m_state = Drawing;
        m_begin = point;
        m_end = point;
        return;
    }
    if (m_handle != NoHandle) {
        m_state = Resizing;
        setCursor(cursorFor(m_handle));
    } else if (currentRect().contains(point)) {
        m_state = Moving;
    } else {
        return;
    }
    m_moveStart = point;
    m_current = point;
}

void CaptureScreen::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->pos();
    if (m_state == Drawing) {
        m_end = point;
        update();
    } else if (m_state == Moving || m_state == Resizing) {
        m_current = point;
        update();
    }
    const Handle handle = handleAt(point);
    if (handle != NoHandle)
        setCursor(cursorFor(handle));
    else if (m_state != None && currentRect().contains(point))
        setCursor(Qt::SizeAllCursor);
    else if (m_state != Moving)
        setCursor(Qt::ArrowCursor);
}

void CaptureScreen::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->pos();
    switch (m_state) {
    case Drawing:
        m_state = Drawn;
        m_end = point;
        break;
    case Moving:
        m_state = Moved;
        m_current = point;
        break;
    case Resizing:
        m_state = Resized;
        m_current = point;
        qDebug() << "mouseReleaseEvent " << point;
        break;
    default:
        return;
    }
    update();
}

void CaptureScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::green, 1, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    painter.fillRect(m_shadeRect, QColor(0, 0, 0, 100));
    if (m_state == None)
        return;
    m_selection = getSelectRect();
    painter.drawRect(m_selection);
    painter.drawText(m_selection.left() + 2, m_selection.top() - 8,
                     tr("Rect:") + QStringLiteral("%1 x %2").arg(m_selection.width()).arg(m_selection.height()));
    m_handles = handlesOf(m_selection);
    for (const QRect &handle : m_handles)
        painter.fillRect(handle, Qt::green);
}
