#pragma once

// The handling note for the alarm records checked in the browser.

#include "DropShadowWidget.h"

namespace Ui {
class AlarmInfoProcessing;
}

class AlarmInfoProcessing : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit AlarmInfoProcessing(QWidget *parent = nullptr);
    ~AlarmInfoProcessing() override;

signals:
    // Only with a note that is not empty (blanks count as a note).
    void signalsDealWithAlarm(QString info);

private slots:
    void on_pushButtonClose_clicked();
    void on_pushButtonSubmit_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::AlarmInfoProcessing *ui;
};
