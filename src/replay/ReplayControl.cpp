#include "ReplayControl.h"
#include "ui_ReplayControl.h"

#include "WidgetHelpers.h"

#include <QActionGroup>
#include <QMenu>
#include <QtGlobal>

namespace {
QString speedText(float speed)
{
    return QStringLiteral("%1X").arg(double(speed), 0, 'f', 1);
}
} // namespace

ReplayControl::ReplayControl(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ReplayControl)
{
    ui->setupUi(this);
    setBackgroundColor(this, QColor(40, 43, 48));
    ui->pushButtonFast->hide();
    ui->pushButtonSlow->hide();
    ui->pushButtonFrame->hide();
    ui->pushButtonVolume->hide();
    ui->horizontalSliderVolume->hide();
    retranslate();

    m_speedGroup = new QActionGroup(this);
    m_speedGroup->setExclusive(true);
    m_speedMenu = new QMenu(this);
    float value = 16.0f;
    for (int i = 0; i < 5; ++i) {
        value /= 2.0f;
        QAction *action = new QAction(speedText(value), this);
        action->setCheckable(true);
        action->setData(value);
        action->setChecked(qFuzzyCompare(value, 1.0f));
        m_speedGroup->addAction(action);
        m_speedMenu->addAction(action);
    }
    connect(ui->pushButtonSpeed, &QPushButton::clicked, this, &ReplayControl::showSpeedMenu);
    connect(m_speedMenu, &QMenu::triggered, this, [this](QAction *action) {
        const float speed = action->data().toFloat();
        emit signalSpeed(speed);
        ui->pushButtonSpeed->setText(speedText(speed));
    });
}

ReplayControl::~ReplayControl()
{
    delete ui;
}

void ReplayControl::retranslate()
{
    ui->pushButtonPause->setToolTip(tr("Pause"));
    ui->pushButtonFast->setToolTip(tr("Fast"));
    ui->pushButtonSlow->setToolTip(tr("Slow"));
    ui->pushButtonCapture->setToolTip(tr("Capture"));
    ui->pushButtonStop->setToolTip(tr("Stop"));
    ui->pushButtonFull->setToolTip(tr("Full"));
    ui->pushButtonFrame->setToolTip(tr("Frame"));
    ui->pushButtonVolume->setToolTip(tr("Mute"));
}

void ReplayControl::showSpeedMenu()
{
    // Directly above the button, left-aligned with it.
    const QPoint at = ui->pushButtonSpeed->mapToGlobal(QPoint(0, 0)) - QPoint(0, m_speedMenu->sizeHint().height());
    m_speedMenu->exec(at);
}

void ReplayControl::setPauseState(bool playing)
{
    m_play = playing;
    ui->pushButtonPause->setChecked(playing);
}

void ReplayControl::setMuteState(bool muted)
{
    m_mute = muted;
    ui->pushButtonVolume->setChecked(muted);
}

void ReplayControl::setSpeed(float speed)
{
    for (QAction *action : m_speedGroup->actions()) {
        if (qFuzzyCompare(action->data().toFloat(), speed)) {
            action->setChecked(true);
            ui->pushButtonSpeed->setText(speedText(speed));
        }
    }
}

void ReplayControl::resetSpeed()
{
    for (QAction *action : m_speedGroup->actions())
        action->setChecked(qFuzzyCompare(action->data().toFloat(), 1.0f));
    ui->pushButtonSpeed->setText(tr("Speed"));
}

void ReplayControl::showStopped()
{
    setPauseState(false);
    resetSpeed();
}

void ReplayControl::setFastVisible(bool visible)
{
    ui->pushButtonFast->setVisible(visible);
}

void ReplayControl::setSlowVisible(bool visible)
{
    ui->pushButtonSlow->setVisible(visible);
}

void ReplayControl::on_pushButtonPause_clicked()
{
    m_play = !m_play;
    ui->pushButtonPause->setChecked(m_play);
    emit signalPause(m_play);
}

void ReplayControl::on_pushButtonStop_clicked()
{
    emit signalStop();
}

void ReplayControl::on_pushButtonFrame_clicked()
{
    emit signalFrame();
}

void ReplayControl::on_pushButtonFast_clicked()
{
    emit signalFast();
}

void ReplayControl::on_pushButtonSlow_clicked()
{
    emit signalSlow();
}

void ReplayControl::on_pushButtonCapture_clicked()
{
    emit signalCapture();
}

void ReplayControl::on_pushButtonFull_clicked()
{
    emit signalFull();
}

void ReplayControl::on_pushButtonVolume_clicked()
{
    m_mute = !m_mute;
    ui->pushButtonVolume->setChecked(m_mute);
    emit signalMute(m_mute);
}

void ReplayControl::on_horizontalSliderVolume_valueChanged(int value)
{
    if (!m_mute)
        emit signalVolume(value);
}
