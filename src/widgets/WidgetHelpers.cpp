#include "WidgetHelpers.h"

#include <QHeaderView>
#include <QTableView>
#include <QWidget>

void setBackgroundColor(QWidget *widget, const QColor &colour)
{
    if (!widget)
        return;
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        palette.setBrush(QPalette::ColorGroup(group), QPalette::Window, QBrush(colour));
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

void setTableViewStyle(QTableView *view, bool showGrid)
{
    if (!view)
        return;
    view->verticalHeader()->hide();
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setShowGrid(showGrid);
    view->setFocusPolicy(Qt::NoFocus);
}
