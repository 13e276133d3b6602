#pragma once

#include "DropShadowWidget.h"

namespace Ui {
class CustomDialog;
}

// The tips and confirmation dialog: title, icon, one message, OK and Cancel.
// Esc does nothing; Return/Enter confirms like OK.
class CustomDialog : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CustomDialog(QWidget *parent = nullptr);
    ~CustomDialog() override;

    void setTitle(const QString &title);
    void setText(const QString &text);
    void setIcon(const QString &path);
    void setTitleIcon(const QString &path);
    void hideButtons(bool hide);

    // Icon numbers: 0 warning (questions), 1 information, 2 success, 3 failure.
    // Returns 1 after OK or Return/Enter, 0 after Cancel or the close button.
    static int showMessage(const QString &text, bool cancelVisible, bool okVisible, int iconType);
    static QString iconPath(int iconType);

    void onEnterPressed() override;

private slots:
    void on_pushButtonOK_clicked();
    void on_pushButtonCancel_clicked();
    void on_pushButtonClose_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::CustomDialog *ui;
    bool m_dragging = false;
    QPoint m_pressPoint;
};
