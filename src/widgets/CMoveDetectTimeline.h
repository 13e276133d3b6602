#pragma once

#include "TimelineDetect.h"

#include <QDateTime>
#include <QWidget>

#include <memory>
#include <vector>

// A one-day bar on which the operator draws, moves, resizes and drags out time
// segments. Emits timeRangeChanged(identify) after every left-button release.
class CMoveDetectTimeline : public QWidget
{
    Q_OBJECT

public:
    explicit CMoveDetectTimeline(QWidget *parent = nullptr);

    void addSegment(std::shared_ptr<TimelineDetect> segment);
    void addWholeDaySegment(int type, QRgb colour);
    std::vector<std::shared_ptr<TimelineDetect>> getSegments() const;
    void clearSegments();

    void setIdentify(int identify);
    void setMaxSegments(int maxSegments);
    void setHourOnlyLabels(bool hourOnly);

    int identify() const { return m_identify; }
    int maxSegments() const { return m_maxSegments; }
    int64_t dayStart() const { return m_dayStart; }
    int64_t dayEnd() const { return m_dayEnd; }
    // Time under a widget x coordinate, and the x coordinate of a time.
    int64_t timeAt(double x) const;
    double xOf(int64_t time) const;

    static constexpr QRgb DefaultColour = 0xFF3AAA24;

signals:
    void timeRangeChanged(int identify);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double axisLeft() const;
    double axisRight() const;
    std::shared_ptr<TimelineDetect> segmentAt(int64_t time) const;
    void place(const std::shared_ptr<TimelineDetect> &segment);
    void removeSegment(const std::shared_ptr<TimelineDetect> &segment);
    bool contains(const std::shared_ptr<TimelineDetect> &segment) const;
    QString timeLabel(int64_t time) const;

    int m_identify = -1;
    int m_defaultType = 0;
    QRgb m_defaultColour = DefaultColour;
    int m_maxSegments = 6;
    int m_drawWidth = 0;
    int m_drawHeight = 0;
    double m_zoom = 1.0;
    double m_scale = 1.0;
    QDateTime m_day;
    int64_t m_dayStart = 0;
    int64_t m_dayEnd = 0;
    int64_t m_lastMouseTime = 0;
    int m_grabbedEdge = 0; // 0 start edge, 1 end edge
    std::shared_ptr<TimelineDetect> m_drawing;
    std::shared_ptr<TimelineDetect> m_grabbed;
    std::vector<std::shared_ptr<TimelineDetect>> m_segments;
    bool m_hourOnly = false;
};
