#pragma once

#include "DropShadowWidget.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QTime>

class QComboBox;
class QTimeEdit;

namespace Ui {
class CNVRSummerTimeDlg;
}

// Daylight-saving rule of an NVR. A rule is "month:week:weekday:HH:mm":
// week 1-4 or 0 for the last week, weekday 1 (Monday) to 6 or 0 (Sunday).
// The offset is minutes, "-" in front to advance the clock. OK keeps what the
// operator chose for the date page's next Save; Cancel and the close button
// put every field back as it was when the dialog opened.
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

    // The operator changed a field of part ("offset", "weekStartTime",
    // "weekEndTime") and confirmed it with OK since the rule was last filled
    // in (setOffset, setStartTime, setEndTime).
    bool operatorChanged(const QString &part) const { return m_changed.contains(part); }

    void accept() override;
    void reject() override;

public slots:
    void onbtnCloseclicked();
    void onbtnOkClicked();
    void onbtnCancleClicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    static QString ruleOf(const QComboBox *month, const QComboBox *week, const QComboBox *day, const QTimeEdit *time);
    static void showRule(const QString &rule, QComboBox *month, QComboBox *week, QComboBox *day, QTimeEdit *time);

    // Every field's state, to put back on Cancel.
    struct Fields
    {
        QList<int> indexes;
        QList<QTime> times;
        QString offset;
    };
    Fields fields() const;
    void setFields(const Fields &f);
    void filled();

    Ui::CNVRSummerTimeDlg *ui;
    Fields m_opened;
    QSet<QString> m_touched; // parts changed during this opening
    QSet<QString> m_changed;
};
