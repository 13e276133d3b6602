#include "VideoLabel.h"

#include <QPainter>

VideoLabel::VideoLabel(QWidget *parent)
    : QLabel(parent)
{
    // The label is a window of its own over the video: the attribute below
    // only keeps Qt from handling its events, while the window system would
    // still hand the label's clicks to the label, where they end (events do
    // not travel from a window to its parent). Input must reach the window
    // below, whose page drags the labels.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void VideoLabel::setShowFrame(bool show)
{
    m_showFrame = show;
    update();
}

void VideoLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_showFrame)
        return;
    QPainter painter(this);
    painter.setPen(QPen(m_frameColour, 1));
    const int r = width() - 1;
    const int b = height() - 1;
    painter.drawLine(0, 0, r, 0);
    painter.drawLine(0, 0, 0, b);
    painter.drawLine(r, 0, r, b);
    painter.drawLine(0, b, r, b);
}
