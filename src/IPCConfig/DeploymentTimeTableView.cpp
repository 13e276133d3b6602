#include "DeploymentTimeTableView.h"

#include <QDebug>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QTime>

namespace {

const QString kTimeFormat = QStringLiteral("HH:mm:ss");

QString hourText(int hour)
{
    return QStringLiteral("%1:00:00").arg(hour, 2, 10, QLatin1Char('0'));
}

// -1 when the text is no time of day.
int hourOf(const QTime &time)
{
    return time.isValid() ? time.hour() : -1;
}

} // namespace

void DeploymentTimeDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    const bool armed = index.data(DeploymentTimeTableView::ArmedRole).toBool();
    painter->fillRect(plain.rect, armed ? QColor(58, 170, 36, 255) : QColor(160, 160, 160, 255));
    QStyledItemDelegate::paint(painter, plain, index);
}

DeploymentTimeTableView::DeploymentTimeTableView(QWidget *parent)
    : QTableView(parent)
    , m_model(new QStandardItemModel(this))
    , m_delegate(new DeploymentTimeDelegate(this))
{
    m_model->setColumnCount(Hours);
    for (int d = 0; d < Days; ++d) {
        QList<QStandardItem *> row;
        for (int h = 0; h < Hours; ++h) {
            auto *item = new QStandardItem;
            item->setData(false, ArmedRole);
            row.append(item);
        }
        m_model->appendRow(row);
    }
    setModel(m_model);
    setItemDelegate(m_delegate);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(4);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(false);
}

DeploymentTimeTableView::~DeploymentTimeTableView() = default;

bool DeploymentTimeTableView::isArmed(int day, int hour) const
{
    return m_model->index(day, hour).data(ArmedRole).toBool();
}

void DeploymentTimeTableView::setArmed(const QModelIndex &index, bool armed) const
{
    if (index.isValid())
        m_model->setData(index, armed, ArmedRole);
}

void DeploymentTimeTableView::clearDay(int day)
{
    if (day < 0 || day >= Days)
        return;
    for (int h = 0; h < Hours; ++h)
        setArmed(m_model->index(day, h), false);
}

void DeploymentTimeTableView::clearAll()
{
    for (int d = 0; d < Days; ++d)
        clearDay(d);
}

RemoteCfg_Widget::Week DeploymentTimeTableView::getCheckedTimes() const
{
    RemoteCfg_Widget::Week week;
    for (int d = 0; d < Days; ++d) {
        RemoteCfg_Widget::Periods periods;
        int h = 0;
        while (h < Hours) {
            if (!isArmed(d, h)) {
                ++h;
                continue;
            }
            int e = h + 1;
            while (e < Hours && isArmed(d, e))
                ++e;
            periods.append(qMakePair(hourText(h), hourText(e)));
            h = e + 1;
        }
        week.append(periods);
    }
    return week;
}

void DeploymentTimeTableView::setChecked(int day, const QPair<QString, QString> &period) const
{
    if (day < 0 || day >= Days || period.first.isEmpty() || period.second.isEmpty()) {
        qWarning() << "param error: " << day << period;
        return;
    }
    const QString end = period.second == QLatin1String("24:00:00") ? QStringLiteral("23:59:59") : period.second;
    const int startHour = hourOf(QTime::fromString(period.first, kTimeFormat));
    const QTime endTime = QTime::fromString(end, kTimeFormat);
    // An end on the full hour arms up to the hour before; 00:00:00 wraps to 23.
    const int endHour = endTime.isValid() ? endTime.addSecs(-1).hour() : -1;
    if (startHour > endHour || startHour < 0 || endHour > Hours - 1) {
        qWarning() << "time error: " << startHour << endHour << period;
        return;
    }
    for (int h = startHour; h <= endHour; ++h)
        setArmed(m_model->index(day, h), true);
}

void DeploymentTimeTableView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    event->accept();
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    m_paintValue = !index.data(ArmedRole).toBool();
    setArmed(index, m_paintValue);
    m_lastMoved = index;
}

void DeploymentTimeTableView::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    // Each cell takes the stroke's state once, however long the pointer stays.
    if (index == m_lastMoved)
        return;
    m_lastMoved = index;
    if (m_pressed)
        setArmed(index, m_paintValue);
    QAbstractItemView::mouseMoveEvent(event);
}

void DeploymentTimeTableView::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}
