#include "HeaderViewPrivate.h"

#include <QCheckBox>
#include <QPainter>
#include <QStyleOptionButton>

HeaderViewPrivate::HeaderViewPrivate(QWidget *parent, int checkColumn)
    : QHeaderView(Qt::Horizontal, parent)
    , m_checkColumn(checkColumn)
{
    setSectionsClickable(true);
    connect(this, &QHeaderView::sectionClicked, this, &HeaderViewPrivate::onHeaderClicked);
}

QRect HeaderViewPrivate::indicatorRect(const QRect &section)
{
    return QRect(section.left(), section.top() + 5, 20, 20);
}

void HeaderViewPrivate::setCheckedHeader(bool bChecked)
{
    m_checked = bChecked;
    viewport()->update();
}

void HeaderViewPrivate::onHeaderClicked(int nIndex)
{
    if (nIndex != m_checkColumn)
        return;
    m_checked = !m_checked;
    viewport()->update();
    emit columnCheck(m_checkColumn, m_checked);
}

void HeaderViewPrivate::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex != m_checkColumn)
        return;
    QStyleOptionButton option;
    option.rect = indicatorRect(rect);
    option.state = QStyle::State_Enabled | (m_checked ? QStyle::State_On : QStyle::State_Off);
    QCheckBox styled;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, &styled);
}
