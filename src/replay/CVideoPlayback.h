#pragma once

// The "Playback" page: one tab per source of recordings (Local, NVR, Cloud).
// It holds no playback logic; each window stops its own playback when hidden.
// A tab window that has a resetReplay() slot is reset by stopAll and when the
// Cloud tab is hidden; the tab pages are promoted in the form, so a window
// joins the page without this class naming it.

#include <QWidget>

namespace Ui {
class CVideoPlayback;
}

class QTabWidget;

class CVideoPlayback : public QWidget
{
    Q_OBJECT

public:
    enum Tab { LocalTab = 0, NvrTab = 1, CloudTab = 2 };

    explicit CVideoPlayback(QWidget *parent = nullptr);
    ~CVideoPlayback() override;

    QTabWidget *tabWidget() const;
    QWidget *tabPage(int tab) const;

public slots:
    void setCloudTabVisible(bool visible);
    void stopAll();

protected:
    void changeEvent(QEvent *event) override;

private:
    static void resetWindow(QWidget *window);

    Ui::CVideoPlayback *ui = nullptr;
};
