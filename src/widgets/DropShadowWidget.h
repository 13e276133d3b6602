#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;

// Frameless modal base of the client's dialogs: a dark title band, dragging by
// the mouse (kept on the screens), copy menus on line edits, and two hooks that
// decide what Return/Enter and Esc do (nothing by default: a key never closes
// a dialog and loses what was typed into it unless the dialog says so). The
// window manager is given the title the band shows, not the class name.
class DropShadowWidget : public QDialog
{
    Q_OBJECT

public:
    explicit DropShadowWidget(QWidget *parent = nullptr);

    static constexpr int TitleHeight = 30;

    // The label that shows the dialog's title, null when there is none.
    QLabel *titleLabel() const;

public slots:
    virtual void onEnterPressed();
    virtual void onEscPressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    // The title the band shows becomes the window title.
    void syncWindowTitle();

private:
    bool m_dragging = false;
    QPoint m_pressPoint;
};
