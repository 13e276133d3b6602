#pragma once

#include "DropShadowWidget.h"

#include <QStringList>

class QComboBox;
class QTimeEdit;

namespace Ui {
class CNVRSummerTimeDlg;
}

// Daylight-saving rule of an NVR. A rule is "month:week:weekday:HH:mm":
// week 1-4 or 0 for the last week, weekday 1 (Monday) to 6 or 0 (Sunday).
// The offset is minutes, "-" in front to advance the clock.
class CNVRSummerTimeDlg : public DropShadowWidget
{
    Q_OBJECT

public:
    explicit CNVRSummerTimeDlg(QWidget *parent = nullptr);
    ~CNVRSummerTimeDlg() override;

    void getStartTime(QString &out);
    void getEndTime(QString &out);
    void setStartTime(const QString &rule);
    void setEndTime(const QString &rule);
    void getOffset(QString &out);
    void setOffset(int value);

    static QStringList weekDayList();

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    static QString ruleOf(const QComboBox *month, const QComboBox *week, const QComboBox *day, const QTimeEdit *time);
    static void showRule(const QString &rule, QComboBox *month, QComboBox *week, QComboBox *day, QTimeEdit *time);

    Ui::CNVRSummerTimeDlg *ui;
};
