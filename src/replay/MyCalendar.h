#pragma once

// The month calendar of the playback windows: days with recordings carry a
// red dot. Weekends are drawn like working days, and the calendar speaks the
// configured language.

#include <QCalendarWidget>
#include <QStringList>

class MyCalendar : public QCalendarWidget
{
public:
    explicit MyCalendar(QWidget *parent = nullptr);

    // Days written "yyyyMMdd".
    void setMarkedDays(const QStringList &days);
    void clearMarkedDays();
    const QStringList &markedDays() const { return m_markedDays; }

protected:
    void changeEvent(QEvent *event) override;
    void paintCell(QPainter *painter, const QRect &rect, const QDate &date) const override;

private:
    void applyLanguage();

    QStringList m_markedDays;
    bool m_applying = false;
};
