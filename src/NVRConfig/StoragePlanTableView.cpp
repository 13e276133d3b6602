#include "StoragePlanTableView.h"

#include <QDebug>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>

StoragePlanTableView::StoragePlanTableView(QWidget *parent)
    : QTableView(parent)
    , m_model(new QStandardItemModel(Rows, Columns, this))
{
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            auto *item = new QStandardItem;
            item->setData(QChar('0'), ModeRole);
            item->setData(periodText(c), PeriodRole);
            m_model->setItem(r, c, item);
        }
    }
    setModel(m_model);
    setItemDelegate(new StoragePlanDelegate(this));
    setMouseTracking(true);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMaximumSectionSize(12);
    for (int c = 0; c < Columns; ++c)
        setColumnWidth(c, 12);
    // 7 rows of 30 pixels fill the fixed 576 x 210 grid without scrolling.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(30);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::NoSelection);
}

QString StoragePlanTableView::periodText(int column)
{
    const int hour = column / 2;
    if (column % 2 == 0)
        return QStringLiteral("%1:00-%2:30").arg(hour, 2, 10, QLatin1Char('0')).arg(hour, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:30-%2:00").arg(hour, 2, 10, QLatin1Char('0')).arg(hour + 1, 2, 10, QLatin1Char('0'));
}

void StoragePlanTableView::setRecordInfo(const QString &info) const
{
    const int n = m_model->rowCount() * m_model->columnCount();
    if (info.size() < n) {
        qDebug() << "info size less than model row * col.";
        return;
    }
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < m_model->columnCount(); ++c)
            m_model->item(r, c)->setData(info.at(r * Columns + c), ModeRole);
    }
}

void StoragePlanTableView::getRecordInfo(QString &out)
{
    out.clear();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < m_model->columnCount(); ++c)
            out.append(m_model->item(r, c)->data(ModeRole).toChar());
    }
}

void StoragePlanTableView::setBrush(QChar brush)
{
    m_brush = brush;
}

void StoragePlanTableView::paintCell(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_model->setData(index, m_brush, ModeRole);
    emit cellPainted();
}

void StoragePlanTableView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_painting = true;
    event->accept();
    paintCell(indexAt(event->pos()));
}

void StoragePlanTableView::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex cell = indexAt(event->pos());
    if (cell == m_lastCell)
        return;
    m_lastCell = cell;
    emit sigHoverCellText(cell.data(PeriodRole).toString());
    if (m_painting)
        paintCell(cell);
    QTableView::mouseMoveEvent(event);
}

void StoragePlanTableView::mouseReleaseEvent(QMouseEvent *event)
{
    m_painting = false;
    event->accept();
}

StoragePlanDelegate::StoragePlanDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QColor StoragePlanDelegate::modeColour(QChar mode)
{
    switch (mode.unicode()) {
    case '1':
        return QColor(14, 132, 236);
    case '2':
        return QColor(0, 240, 0);
    case '3':
        return QColor(255, 128, 64);
    default:
        return QColor(240, 240, 240);
    }
}

void StoragePlanDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem copy(option);
    copy.state &= ~QStyle::State_HasFocus;
    const QColor colour = (option.state & QStyle::State_MouseOver)
                              ? QColor(180, 200, 220)
                              : modeColour(index.data(StoragePlanTableView::ModeRole).toChar());
    painter->fillRect(option.rect, colour);
    QStyledItemDelegate::paint(painter, copy, index);
}
