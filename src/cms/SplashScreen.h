#pragma once

// The start-up splash: the logo, a progress bar and the current step.

#include <QWidget>

namespace Ui {
class SplashScreen;
}

class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget *parent = nullptr);
    ~SplashScreen() override;

    // Shows the step and lets the screen paint it.
    void setProgress(int percent, const QString &text);
    int progress() const;
    QString text() const;

private:
    Ui::SplashScreen *ui;
};
