#pragma once

// The start-up splash: the logo, a progress bar and the current step.

#include <QWidget>

class QLabel;
class QProgressBar;

class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget *parent = nullptr);

    // Shows the step and lets the screen paint it.
    void setProgress(int percent, const QString &text);
    int progress() const;
    QString text() const;

private:
    QLabel *m_logo = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_text = nullptr;
    QProgressBar *m_bar = nullptr;
};
