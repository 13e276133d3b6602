#pragma once

#include <QColor>
#include <QLabel>

// Transparent label laid over a video preview; can draw a 1-px frame.
// Mouse events pass through to the video below.
class VideoLabel : public QLabel
{
    Q_OBJECT

public:
    explicit VideoLabel(QWidget *parent = nullptr);

    void setShowFrame(bool show);
    bool showFrame() const { return m_showFrame; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_showFrame = true;
    QColor m_frameColour = Qt::red;
};
