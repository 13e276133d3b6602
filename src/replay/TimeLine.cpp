#include "TimeLine.h"

#include "CommonHelperWidgets.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {
// A full wheel notch; smaller deltas add up to one.
constexpr int kNotch = 120;
constexpr int kLabelBaseline = 24;
constexpr int kEdgeBand = 20;
} // namespace

TimeLine::TimeLine(QWidget *parent)
    : QWidget(parent)
    , m_date(QDateTime::currentDateTime())
{
    registerReplayMetaTypes();
}

int64_t TimeLine::dayStart() const
{
    return QDateTime(m_date.date(), QTime(0, 0)).toMSecsSinceEpoch();
}

int64_t TimeLine::dayEnd() const
{
    return QDateTime(m_date.date(), QTime(23, 59, 59, 999)).toMSecsSinceEpoch();
}

double TimeLine::xForTime(int64_t ms) const
{
    const int64_t start = dayStart();
    const double span = double(dayEnd() - start);
    return double(ms - start) / span * (right() - left()) + left();
}

int64_t TimeLine::timeForX(double x) const
{
    const int64_t start = dayStart();
    const double width = right() - left();
    if (width <= 0)
        return start;
    return int64_t((x - left()) / width * double(dayEnd() - start) + double(start));
}

void TimeLine::setRecords(const std::vector<ArchiveRecordPtr> &records)
{
    m_records = records;
    if (!m_records.empty() && m_records.front()) {
        setDateTime(m_records.front()->startTime());
        setCurrentTime(m_records.front()->startTime());
    }
    update();
}

void TimeLine::setCurrentTime(int64_t ms)
{
    if (ms / 1000 == m_cursorTime / 1000)
        return;
    m_cursorTime = ms;
    update();
}

void TimeLine::setPlayPosition(double ms)
{
    if (m_lastPlayPosition && *m_lastPlayPosition == ms)
        return;
    m_lastPlayPosition = ms;
    m_cursorTime = dayStart() + int64_t(ms);
    update();
}

void TimeLine::setDateTime(int64_t ms)
{
    m_date = QDateTime::fromMSecsSinceEpoch(ms);
}

void TimeLine::clear()
{
    m_records.clear();
    setCurrentTime(0);
    update();
}

int TimeLine::getScratchLength(int index, const ScaleDrawingParams &p) const
{
    if (p.labelMinutes >= 240)
        return 12;
    if (p.labelMinutes >= 120)
        return index % 2 == 0 ? 12 : 9;
    if (index == 0 || (p.majorStep != 0 && index % p.majorStep == 0))
        return 12;
    if (p.middleStep == 0 || index % p.middleStep == 0)
        return 9;
    if (p.minorStep == 0 || index % p.minorStep == 0)
        return 6;
    qDebug() << "error info " << p.labelMinutes;
    return 6;
}

void TimeLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_viewWidth = quint16(std::clamp(width(), 0, 0xFFFF));
    m_viewHeight = quint16(std::clamp(height(), 0, 0xFFFF));
    m_offset = 0;
    m_axisWidth = m_viewWidth;
    m_zoom = MinZoom;
}

void TimeLine::wheelEvent(QWheelEvent *event)
{
    event->accept();
    // Nothing to scale yet, and the step below divides by the width.
    if (m_viewWidth == 0)
        return;
    m_mouseX = event->position().toPoint().x();
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    // A turn against the collected direction starts over.
    if ((delta > 0) != (m_wheelAccum > 0) && m_wheelAccum != 0)
        m_wheelAccum = 0;
    m_wheelAccum += delta;
    bool stepped = false;
    while (m_wheelAccum >= kNotch) {
        zoomStep(true);
        m_wheelAccum -= kNotch;
        stepped = true;
    }
    while (m_wheelAccum <= -kNotch) {
        zoomStep(false);
        m_wheelAccum += kNotch;
        stepped = true;
    }
    if (stepped)
        update();
}

void TimeLine::zoomStep(bool in)
{
    const double delta = in ? m_viewWidth * 0.125 : -m_viewWidth * 0.125;
    if ((delta > 0 && m_zoom < MaxZoom) || (delta < 0 && m_zoom > MinZoom)) {
        double r = (delta / m_viewWidth) * ((m_zoom - 1.0) * 4.0 / 239.0 + 1.0) + 1.0;
        const double zoomed = m_zoom * r;
        if (zoomed > MaxZoom) {
            r = MaxZoom / m_zoom;
            m_zoom = MaxZoom;
        } else if (zoomed < MinZoom) {
            r = MinZoom / m_zoom;
            m_zoom = MinZoom;
        } else {
            m_zoom = float(zoomed);
        }
        m_axisWidth = int(m_axisWidth * r);
        m_offset = m_mouseX - int((m_mouseX - m_offset) * r);
        if (m_mouseX <= kEdgeBand)
            m_offset += Margin;
        else if (m_mouseX >= m_viewWidth - kEdgeBand)
            m_offset -= Margin;
        if (m_offset > 0)
            m_offset = 0;
        if (m_offset + m_axisWidth < m_viewWidth)
            m_offset = m_viewWidth - m_axisWidth;
    }
    if (m_zoom == MinZoom) {
        m_offset = 0;
        m_axisWidth = m_viewWidth;
    }
}

void TimeLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(m_backgroundColor));

    // Day bounds once per paint: each one is a local-time conversion.
    const int64_t start = dayStart();
    const double span = double(dayEnd() - start);
    const double axisLeft = left(), axisSpan = right() - left();
    auto xOf = [&](int64_t ms) { return double(ms - start) / span * axisSpan + axisLeft; };

    // Far-off segments would overflow the int rectangle; only the visible part
    // matters, so clamp to just outside the view. Neighbouring segments that
    // touch on screen are filled as one run (a day has thousands).
    const double lo = -2.0, hi = double(m_viewWidth) + 2.0;
    const QColor segmentColor = QColor::fromRgba(m_segmentColor);
    int runLeft = 0, runRight = -1; // pixels [runLeft, runRight)
    const std::vector<ArchiveRecordPtr> records = m_records;
    for (const ArchiveRecordPtr &record : records) {
        if (!record)
            continue;
        const double x1 = xOf(record->startTime());
        const double x2 = xOf(record->endTime());
        const bool visible =
            (x1 >= 0 && x1 < m_viewWidth) || (x2 > 0 && x2 <= m_viewWidth) || (x1 <= 0 && x2 >= m_viewWidth);
        if (!visible)
            continue;
        const double a = std::clamp(x1, lo, hi), b = std::clamp(x2, lo, hi);
        const int rectLeft = int(a), rectRight = int(a) + int(b - a + 1);
        if (rectRight <= rectLeft)
            continue;
        if (runRight >= runLeft && rectLeft <= runRight && rectRight >= runLeft) {
            runLeft = std::min(runLeft, rectLeft);
            runRight = std::max(runRight, rectRight);
            continue;
        }
        if (runRight > runLeft)
            painter.fillRect(QRect(runLeft, 0, runRight - runLeft, m_viewHeight), segmentColor);
        runLeft = rectLeft;
        runRight = rectRight;
    }
    if (runRight > runLeft)
        painter.fillRect(QRect(runLeft, 0, runRight - runLeft, m_viewHeight), segmentColor);

    if (m_cursorTime >= start && m_cursorTime <= dayEnd()) {
        const double x = xOf(m_cursorTime);
        if (x >= 0 && x <= m_viewWidth)
            painter.fillRect(QRect(int(x), 0, 1, m_viewHeight), QColor::fromRgba(m_cursorColor));
    }

    QDateTime labelTime(QDate::currentDate(), QTime(0, 0));
    const double pixelsPerHour = (m_axisWidth - 2.0 * Margin) / 24.0;
    const ScaleDrawingParams p =
        ScaleDrawingParams::fromList(CommonHelper::getTimeScaleParams((m_zoom - 1.0) / 239.0 * 100.0));
    const double spacing = p.ticksPerHour > 0 ? pixelsPerHour / p.ticksPerHour : 0;
    // A time line narrower than its margins has no room for ticks; a
    // non-positive spacing would never reach the end.
    if (spacing <= 0)
        return;
    const QFontMetrics metrics(font());
    painter.setPen(Qt::white);
    const double endX = right() + 0.001;
    double x = left();
    for (int i = 0; int(x) <= int(endX); ++i) {
        const bool labelled = p.ticksPerLabel != 0 && i % p.ticksPerLabel == 0;
        if (x >= 0 && x <= m_viewWidth) {
            painter.drawLine(int(x), 0, int(x), getScratchLength(i, p));
            if (labelled) {
                const bool last = x + spacing > endX - Margin;
                const QString text = last ? QStringLiteral("24:00") : labelTime.toString(QStringLiteral("HH:mm"));
                const int textWidth = metrics.horizontalAdvance(text);
                int labelX;
                if (i == 0)
                    labelX = int(x);
                else if (last)
                    labelX = int(x) - textWidth;
                else
                    labelX = int(x - textWidth / 2.0);
                painter.drawText(labelX, kLabelBaseline, text);
            }
        }
        x += spacing;
        if (labelled)
            labelTime = labelTime.addSecs(qint64(p.labelMinutes) * 60);
    }
}

void TimeLine::mousePressEvent(QMouseEvent *event)
{
    if (m_clickLock)
        return;
    // One selection a second at most, whichever button: each one may start a
    // stream on the device.
    m_clickLock = true;
    QTimer::singleShot(m_clickLockMs, this, [this] { m_clickLock = false; });
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    const int64_t t = timeForX(event->pos().x());
    for (const ArchiveRecordPtr &record : m_records) {
        if (record && record->contains(t)) {
            emit recordSelected(record, t);
            return;
        }
    }
}
