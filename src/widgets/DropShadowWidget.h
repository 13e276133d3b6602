#pragma once

#include <QDialog>
#include <QPoint>

// Frameless modal base of the client's dialogs: a dark title band, dragging by
// the mouse (kept on the screens), copy menus on line edits, and two hooks that
// decide what Return/Enter and Esc do (nothing by default).
class DropShadowWidget : public QDialog
{
    Q_OBJECT

public:
    explicit DropShadowWidget(QWidget *parent = nullptr);

    static constexpr int TitleHeight = 30;

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

private:
    bool m_dragging = false;
    QPoint m_pressPoint;
};
