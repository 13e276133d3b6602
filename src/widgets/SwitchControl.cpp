#include "SwitchControl.h"

#include "ui_SwitchControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

SwitchControl::SwitchControl(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SwitchControl)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    setFixedSize(60, 28);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    m_timer->setInterval(20);
    connect(m_timer, &QTimer::timeout, this, &SwitchControl::onTimeout);
    setChecked(true);
    setChecked(false);
}

SwitchControl::~SwitchControl()
{
    delete ui;
}

void SwitchControl::setChecked(bool checked)
{
    m_checked = checked;
    m_timer->start();
}

void SwitchControl::onTimeout()
{
    if (m_checked) {
        m_position += 5.0;
        if (m_position >= width() - 20)
            m_timer->stop();
    } else {
        m_position -= 5.0;
        if (m_position <= 13.0)
            m_timer->stop();
    }
    update();
}

void SwitchControl::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    if (event->buttons() & Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

void SwitchControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_checked = !m_checked;
    emit toggled(m_checked);
    m_timer->start();
}

void SwitchControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    painter.setOpacity(0.98);
    painter.setBrush(isEnabled() && m_checked ? QColor(Qt::green) : QColor(Qt::gray));
    painter.drawRoundedRect(QRectF(4, 4, width() - 5, height() - 5), 12, 12, Qt::AbsoluteSize);

    const int d = 3 * height() / 4;
    const int x = m_checked ? width() - 5 - d : 5;
    painter.setOpacity(1.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, 5, d, d));
}
