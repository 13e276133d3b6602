#include "CMoveDetectTimeline.h"

#include "CommonHelperWidgets.h"
#include "WidgetHelpers.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QColor kBarBackground(40, 43, 48);
const QColor kRulerColour(200, 204, 210);
const QColor kHaloColour(19, 22, 27);

// Labels sit on the bar and on segments of any colour: a thin dark halo keeps
// them legible on both.
void drawHaloText(QPainter &painter, const QPointF &at, const QString &text)
{
    const QPen pen = painter.pen();
    painter.setPen(kHaloColour);
    for (const QPointF &offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        painter.drawText(at + offset, text);
    painter.setPen(pen);
    painter.drawText(at, text);
}
} // namespace

CMoveDetectTimeline::CMoveDetectTimeline(QWidget *parent)
    : QWidget(parent)
    , m_day(QDateTime::currentDateTime())
{
    const QDate date = m_day.date();
    m_dayStart = QDateTime(date, QTime(0, 0, 0)).toSecsSinceEpoch();
    m_dayEnd = QDateTime(date, QTime(23, 59, 59, 999)).toSecsSinceEpoch();

    setMouseTracking(true);
    setBackgroundColor(this, kBarBackground);
    // The ruler is drawn with the widget's pen: keep it legible on the dark bar.
    QPalette pal = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        pal.setBrush(QPalette::ColorGroup(group), QPalette::WindowText, QBrush(kRulerColour));
    setPalette(pal);
    m_drawWidth = width();
    m_drawHeight = height();
}

void CMoveDetectTimeline::setIdentify(int identify)
{
    m_identify = identify;
}

void CMoveDetectTimeline::setMaxSegments(int maxSegments)
{
    m_maxSegments = maxSegments;
}

void CMoveDetectTimeline::setHourOnlyLabels(bool hourOnly)
{
    m_hourOnly = hourOnly;
    update();
}

double CMoveDetectTimeline::axisLeft() const
{
    return 0 + 16 * m_scale;
}

double CMoveDetectTimeline::axisRight() const
{
    return (width() - 1) - 16 * m_scale;
}

int64_t CMoveDetectTimeline::timeAt(double x) const
{
    const double x0 = axisLeft();
    const double x1 = axisRight();
    if (x1 <= x0)
        return m_dayStart;
    const double span = double(m_dayEnd - m_dayStart);
    return m_dayStart + int64_t((x - x0) / (x1 - x0) * span);
}

double CMoveDetectTimeline::xOf(int64_t time) const
{
    const double x0 = axisLeft();
    const double pps = (axisRight() - x0) / double(m_dayEnd - m_dayStart);
    return x0 + double(time - m_dayStart) * pps;
}

bool CMoveDetectTimeline::contains(const std::shared_ptr<TimelineDetect> &segment) const
{
    return std::find(m_segments.begin(), m_segments.end(), segment) != m_segments.end();
}

void CMoveDetectTimeline::removeSegment(const std::shared_ptr<TimelineDetect> &segment)
{
    m_segments.erase(std::remove(m_segments.begin(), m_segments.end(), segment), m_segments.end());
}

std::shared_ptr<TimelineDetect> CMoveDetectTimeline::segmentAt(int64_t time) const
{
    for (const auto &segment : m_segments) {
        if (segment->start <= time && time <= segment->end)
            return segment;
    }
    return nullptr;
}

// A segment inside a placed one disappears; placed ones inside it disappear;
// partial overlaps are kept as they are.
void CMoveDetectTimeline::place(const std::shared_ptr<TimelineDetect> &segment)
{
    segment->placed = false;
    for (const auto &other : m_segments) {
        if (other != segment && other->placed && other->start <= segment->start && other->end >= segment->end) {
            removeSegment(segment);
            return;
        }
    }
    const auto inside = [&](const std::shared_ptr<TimelineDetect> &other) {
        return other != segment && other->placed && other->start >= segment->start && other->end <= segment->end;
    };
    const auto before = m_segments.size();
    m_segments.erase(std::remove_if(m_segments.begin(), m_segments.end(), inside), m_segments.end());
    if (m_segments.size() != before && !contains(segment))
        m_segments.push_back(segment);
    segment->placed = true;
}

void CMoveDetectTimeline::addSegment(std::shared_ptr<TimelineDetect> segment)
{
    if (!segment || !segment->isValid())
        return;
    if (segment->type == 0)
        segment->type = m_defaultType;
    if (segment->colour == 0)
        segment->colour = m_defaultColour;
    if (!contains(segment))
        m_segments.push_back(segment);
    place(segment);
    update();
}

void CMoveDetectTimeline::addWholeDaySegment(int type, QRgb colour)
{
    auto segment = std::make_shared<TimelineDetect>();
    segment->start = m_dayStart;
    segment->end = m_dayEnd;
    segment->type = type;
    segment->colour = colour;
    addSegment(segment);
    emit timeRangeChanged(m_identify);
}

std::vector<std::shared_ptr<TimelineDetect>> CMoveDetectTimeline::getSegments() const
{
    return m_segments;
}

void CMoveDetectTimeline::clearSegments()
{
    m_segments.clear();
    m_drawing.reset();
    m_grabbed.reset();
    update();
}

void CMoveDetectTimeline::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int64_t t = timeAt(event->localPos().x());
    if (t < m_dayStart || t > m_dayEnd)
        return;
    m_lastMouseTime = t;

    if (auto segment = segmentAt(t)) {
        m_grabbed = segment;
        if (std::llabs(segment->start - t) < TimelineDetect::MinSpan
            || std::llabs(segment->end - t) < TimelineDetect::MinSpan) {
            segment->edge = true;
            m_grabbedEdge = t < (segment->start + segment->end) / 2 ? 0 : 1;
            setCursor(Qt::SizeHorCursor);
        } else {
            segment->edge = false;
            setCursor(Qt::ClosedHandCursor);
        }
    } else if (int(m_segments.size()) < m_maxSegments) {
        // Only a new segment is refused at the maximum: existing ones stay editable.
        auto fresh = std::make_shared<TimelineDetect>();
        fresh->start = t;
        fresh->end = 0;
        fresh->type = m_defaultType;
        fresh->colour = m_defaultColour;
        m_segments.push_back(fresh);
        m_drawing = fresh;
    } else {
        return;
    }
    update();
}

void CMoveDetectTimeline::mouseMoveEvent(QMouseEvent *event)
{
    const int64_t t = timeAt(event->localPos().x());
    const int64_t delta = m_lastMouseTime == 0 ? 0 : t - m_lastMouseTime;
    m_lastMouseTime = t;
    const int64_t minSpan = TimelineDetect::MinSpan;

    if (m_grabbed) {
        TimelineDetect &s = *m_grabbed;
        if (!s.edge) {
            if (delta < 0 && s.start + delta > m_dayStart) {
                s.start += delta;
                s.end += delta;
            } else if (delta > 0 && s.end + delta <= m_dayEnd) {
                s.start += delta;
                s.end += delta;
            }
        } else if (m_grabbedEdge == 1) {
            // Never below the minimum span: a shorter segment would vanish.
            if (delta >= 0) {
                if (s.end + delta < m_dayEnd)
                    s.end += delta;
            } else {
                s.end = std::max(s.start + minSpan, s.end + delta);
            }
        } else {
            if (delta <= 0) {
                if (s.start + delta > m_dayStart)
                    s.start += delta;
            } else {
                s.start = std::min(s.end - minSpan, s.start + delta);
            }
        }
    } else {
        setCursor(Qt::ArrowCursor);
        if (m_drawing) {
            m_drawing->end = std::clamp(t, m_drawing->start, m_dayEnd);
        } else if (auto segment = segmentAt(t)) {
            if (std::llabs(segment->start - t) < minSpan || std::llabs(segment->end - t) < minSpan)
                setCursor(Qt::SizeHorCursor);
            else
                setCursor(Qt::OpenHandCursor);
        }
    }
    update();
}

void CMoveDetectTimeline::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int64_t t = std::min(timeAt(event->localPos().x()), m_dayEnd);

    if (m_grabbed) {
        if (event->localPos().y() < -10.0) {
            removeSegment(m_grabbed);
        } else {
            place(m_grabbed);
            setCursor(Qt::OpenHandCursor);
        }
        m_grabbed->edge = false;
        m_grabbed.reset();
    } else if (m_drawing) {
        m_drawing->end = t;
        if (m_drawing->isValid())
            place(m_drawing);
        else
            removeSegment(m_drawing);
        m_drawing.reset();
    }
    update();
    emit timeRangeChanged(m_identify);
}

void CMoveDetectTimeline::resizeEvent(QResizeEvent *event)
{
    m_drawWidth = width();
    m_drawHeight = height();
    QWidget::resizeEvent(event);
}

QString CMoveDetectTimeline::timeLabel(int64_t time) const
{
    const QDateTime dt = QDateTime::fromSecsSinceEpoch(time);
    return dt.toString(m_hourOnly ? QStringLiteral("HH") : QStringLiteral("HH:mm"));
}

void CMoveDetectTimeline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText)));
    painter.setFont(font());

    const double x0 = axisLeft();
    const double pps = (axisRight() - x0) / double(m_dayEnd - m_dayStart);
    for (const auto &segment : m_segments) {
        if (!segment->isValid())
            continue;
        const double xs = x0 + double(segment->start - m_dayStart) * pps;
        const double xe = x0 + double(segment->end - m_dayStart) * pps;
        if (xs < m_drawWidth && xe > 0)
            painter.fillRect(QRect(int(xs), 0, int(xe - xs), m_drawHeight), QColor::fromRgba(segment->colour));
    }

    // Hour ruler; the zoom is fixed, so the first row of the scale table applies.
    const QList<int> params = CommonHelper::getTimeScaleParams(0);
    const int longEvery = params.value(1, 2) > 0 ? params.value(1, 2) : 2;
    const int labelEvery = params.value(4, 4) > 0 ? params.value(4, 4) : 4;
    const int minutesPerLabel = params.value(5, 240);
    const double step = (width() - 32 * m_scale) / 24.0 / m_scale;
    const QFontMetrics fm(font());
    const double lastX = (width() - 1) - 16 * m_scale + 1.5;
    for (int i = 0; step > 0; ++i) {
        const double x = 0 + 16 * m_scale + i * step;
        if (x > lastX)
            break;
        if (x < 0 || x > m_drawWidth)
            continue;
        const double length = (i % longEvery == 0 ? 12 : 9) * m_scale;
        painter.drawLine(QPointF(x, 0), QPointF(x, length));
        if (i % labelEvery == 0) {
            const int minutes = (i / labelEvery) * minutesPerLabel;
            QString text;
            if (minutes >= 24 * 60)
                text = m_hourOnly ? QStringLiteral("24") : QStringLiteral("24:00");
            else
                text = QTime(minutes / 60, minutes % 60)
                           .toString(m_hourOnly ? QStringLiteral("HH") : QStringLiteral("HH:mm"));
            // Centred on the tick, but never cut off at the bar's ends.
            const double textWidth = fm.horizontalAdvance(text);
            const double textX = std::clamp(x - textWidth / 2.0, 0.0, std::max(0.0, width() - textWidth));
            drawHaloText(painter, QPointF(textX, int(24 * m_scale)), text);
        }
    }

    const std::shared_ptr<TimelineDetect> active = m_drawing ? m_drawing : m_grabbed;
    if (active) {
        const int64_t end = active->end > active->start ? active->end : active->start;
        const QString text = timeLabel(active->start) + QStringLiteral("--") + timeLabel(end);
        drawHaloText(painter, QPointF(width() / 12.0 - fm.horizontalAdvance(text) / 2.0, height() - 10), text);
    }
}
