#pragma once

// The 24-hour axis under the playback panes: the day's recorded segments, the
// play position and an hour ruler whose density follows the wheel zoom. It
// holds no playback logic; a left click on a segment is reported through
// recordSelected and the window decides what to play.

#include "ArchiveRecord.h"

#include <QDateTime>
#include <QRgb>
#include <QWidget>

#include <cstdint>
#include <optional>

class TimeLine : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Margin = 16;
    static constexpr float MinZoom = 1.0f;
    static constexpr float MaxZoom = 240.0f;

    explicit TimeLine(QWidget *parent = nullptr);

    void setRecords(const std::vector<ArchiveRecordPtr> &records);
    // Repaints only when the whole second changes.
    void setCurrentTime(int64_t ms);
    // ms since the start of the shown day.
    void setPlayPosition(double ms);
    void setDateTime(int64_t ms);
    void setCursorColor(QRgb colour) { m_cursorColor = colour; }
    void clear();

    int getScratchLength(int index, const ScaleDrawingParams &p) const;

    // Inspection and test seams.
    int64_t currentTime() const { return m_cursorTime; }
    QDateTime dateTime() const { return m_date; }
    float zoom() const { return m_zoom; }
    int offset() const { return m_offset; }
    int axisWidth() const { return m_axisWidth; }
    const std::vector<ArchiveRecordPtr> &records() const { return m_records; }
    int64_t dayStart() const;
    int64_t dayEnd() const;
    double xForTime(int64_t ms) const;
    int64_t timeForX(double x) const;
    // The click lock lasts this long (1000 ms unless a test shortens it).
    void setClickLockInterval(int ms) { m_clickLockMs = ms; }

signals:
    void recordSelected(ArchiveRecordPtr record, int64_t time);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void zoomStep(bool in);
    double left() const { return m_offset + Margin; }
    double right() const { return double(m_offset) + m_axisWidth - Margin; }

    quint16 m_viewWidth = 0;
    quint16 m_viewHeight = 0;
    int m_offset = 0;
    int m_axisWidth = 0;
    QRgb m_backgroundColor = qRgb(19, 22, 27);
    QRgb m_segmentColor = qRgb(0, 128, 0);
    QRgb m_cursorColor = qRgb(182, 39, 22);
    int64_t m_cursorTime = 0;
    float m_zoom = 1.0f;
    int m_mouseX = 0;
    QDateTime m_date;
    std::vector<ArchiveRecordPtr> m_records;
    bool m_clickLock = false;

    int m_clickLockMs = 1000;
    std::optional<double> m_lastPlayPosition;
    // Wheel angle not yet turned into a zoom step (touchpads send small deltas).
    int m_wheelAccum = 0;
};
