#pragma once

#include <QWidget>

class QTimer;

namespace Ui {
class SwitchControl;
}

// On/off switch; toggled() comes only from a user click.
class SwitchControl : public QWidget
{
    Q_OBJECT

public:
    explicit SwitchControl(QWidget *parent = nullptr);
    ~SwitchControl() override;

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

signals:
    void toggled(bool checked);

public slots:
    void onTimeout();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::SwitchControl *ui;
    bool m_checked = false;
    QTimer *m_timer;
    double m_position = 0.0;
};
