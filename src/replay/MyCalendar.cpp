#include "MyCalendar.h"

#include "CommonHelperWidgets.h"
#include "OrmHelper.h"
#include "SettingsKeeper.h"

#include <QPainter>
#include <QTextCharFormat>

MyCalendar::MyCalendar(QWidget *parent)
    : QCalendarWidget(parent)
{
    const QTextCharFormat workday = weekdayTextFormat(Qt::Monday);
    setWeekdayTextFormat(Qt::Sunday, workday);
    setWeekdayTextFormat(Qt::Saturday, workday);
    if (QWidget *bar = findChild<QWidget *>(QStringLiteral("qt_calendar_navigationbar")))
        bar->setStyleSheet(QStringLiteral("min-height:35px;"));
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setMinimumDate(QDate(1900, 1, 1));
    applyLanguage();
    setSelectedDate(QDate::currentDate());
    CommonHelper::elideChildTexts(this);
}

void MyCalendar::setMarkedDays(const QStringList &days)
{
    m_markedDays = days;
    updateCells();
}

void MyCalendar::clearMarkedDays()
{
    m_markedDays.clear();
    updateCells();
}

void MyCalendar::applyLanguage()
{
    // The operator's language as last read; the system's while none was.
    const QSharedPointer<CMS_Config_V2> settings = SettingsKeeper::row();
    CommonHelper::setWidgetsLocale(this, settings ? settings->Language : -1);
}

void MyCalendar::changeEvent(QEvent *event)
{
    QCalendarWidget::changeEvent(event);
    // Setting the locale and eliding raise change events of their own.
    if (m_applying)
        return;
    m_applying = true;
    applyLanguage();
    CommonHelper::elideChildTexts(this);
    m_applying = false;
}

void MyCalendar::paintCell(QPainter *painter, const QRect &rect, const QDate &date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (!m_markedDays.contains(date.toString(QStringLiteral("yyyyMMdd"))))
        return;
    painter->save();
    painter->setBrush(Qt::red);
    painter->drawEllipse(QPoint(rect.x() + rect.width() - 5, rect.y() + 5), 3, 3);
    painter->restore();
}
