#pragma once

// The control bar under the playback panes. It turns clicks into signals and
// shows the state the window hands it; it holds no playback logic.

#include <QWidget>

class QActionGroup;
class QMenu;

namespace Ui {
class ReplayControl;
}

class ReplayControl : public QWidget
{
    Q_OBJECT

public:
    explicit ReplayControl(QWidget *parent = nullptr);
    ~ReplayControl() override;

    // None of these emits a signal.
    void setPauseState(bool playing);
    void setMuteState(bool muted);
    void setSpeed(float speed);
    void setFastVisible(bool visible);
    void setSlowVisible(bool visible);
    // Back at 1x, shown as on a fresh bar.
    void resetSpeed();
    // Nothing plays: the play button offers to play and the speed is back
    // at 1x.
    void showStopped();

    // Inspection (tests).
    bool playFlag() const { return m_play; }
    bool muteFlag() const { return m_mute; }
    QMenu *speedMenu() const { return m_speedMenu; }
    QActionGroup *speedGroup() const { return m_speedGroup; }
    Ui::ReplayControl *form() const { return ui; }

signals:
    void signalPause(bool Pause);
    void signalStop();
    void signalFrame();
    void signalFast();
    void signalSlow();
    void signalCapture();
    void signalFull();
    void signalMute(bool bMute);
    void signalVolume(int value);
    void signalSpeed(float speed);

private slots:
    // Connected by name by the form.
    void on_pushButtonPause_clicked();
    void on_pushButtonStop_clicked();
    void on_pushButtonFrame_clicked();
    void on_pushButtonFast_clicked();
    void on_pushButtonSlow_clicked();
    void on_pushButtonCapture_clicked();
    void on_pushButtonFull_clicked();
    void on_pushButtonVolume_clicked();
    void on_horizontalSliderVolume_valueChanged(int value);

private:
    void showSpeedMenu();
    void retranslate();

    Ui::ReplayControl *ui = nullptr;
    bool m_play = false;
    bool m_mute = false;
    QActionGroup *m_speedGroup = nullptr;
    QMenu *m_speedMenu = nullptr;
};
