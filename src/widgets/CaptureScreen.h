#pragma once

#include <QRect>
#include <QWidget>

#include <array>

// Transparent overlay on which the operator draws one rectangle, then moves it
// or resizes it by eight handles. Owners read the result with getSelectRect().
class CaptureScreen : public QWidget
{
    Q_OBJECT

public:
    enum State { None = 0, Drawing, Drawn, Moving, Moved, Resizing, Resized };
    enum Handle { NoHandle = 0, TopLeft, TopRight, BottomLeft, BottomRight, Left, Top, Right, Bottom };

    explicit CaptureScreen(QWidget *parent = nullptr);

    QRect getSelectRect();
    void setSelectRect(const QRect &rect);

    int state() const { return m_state; }
    QRect shadeRect() const { return m_shadeRect; }
    // The handle under a point of the current selection (NoHandle when none).
    Handle handleAt(const QPoint &point) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect rectOf(const QPoint &a, const QPoint &b) const;
    QRect currentRect() const;
    QRect movedRect() const;
    QRect resizedRect() const;
    std::array<QRect, 8> handlesOf(const QRect &selection) const;
    static Qt::CursorShape cursorFor(int handle);

    int m_state = None;
    QPoint m_begin;
    QPoint m_end;
    QPoint m_moveStart;
    QPoint m_current;
    int m_handle = NoHandle;
    QRect m_selection;
    std::array<QRect, 8> m_handles{};
    QRect m_shadeRect;
};
