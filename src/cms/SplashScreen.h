#pragma once

// The start-up splash: the logo, a progress bar and the current step.
//
// While the client waits for something it cannot hurry (a database another
// program holds) the splash is closable: Escape, the window manager's close
// (Alt+F4, its close button or task bar) ask the client to end, as a close
// signal does (closeRequested); so does its window destroyed by another
// program. The caller ends the start.

#include <QWidget>

namespace Ui {
class SplashScreen;
}

class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SplashScreen(QWidget *parent = nullptr, bool closable = false);
    ~SplashScreen() override;

    // Shows the splash painted: style, fonts and pictures are made ready
    // before the window is mapped, and its first picture is on the screen
    // when this returns (within a second), not left blank until the caller's
    // next wait.
    void showPainted();

    // Shows the step and lets the screen paint it.
    void setProgress(int percent, const QString &text);
    int progress() const;
    QString text() const;
    bool isClosable() const { return m_closable; }

signals:
    // The operator closed a closable splash, or its window is gone.
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::SplashScreen *ui;
    bool m_closable = false;
};
