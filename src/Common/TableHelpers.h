#pragma once

// Helpers for check-box tables on QStandardItemModel (the check box is the
// column-0 item of a row) and the shared table and background look. A null
// model, view or widget makes them do nothing.

#include <QString>
#include <QStringList>

class QStandardItemModel;

void setModelTextAlignment(QStandardItemModel *model, int alignment);
void setAllRowsChecked(QStandardItemModel *model, bool checked);
bool isAllRowsChecked(QStandardItemModel *model);
QStringList getCheckedItems(QStandardItemModel *model, int column, bool asRowNumber);
// First row whose item in column has exactly text; -1 when none.
int findRowByText(const QString &text, QStandardItemModel *model, int column);

// The two widget helpers are inline so that this library needs no Qt Widgets:
// they exist wherever the Qt Widgets headers are on the include path.
#if __has_include(<QTableView>)
#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>
#include <QWidget>

// The colour as the Window brush of every colour group, painted by the widget itself.
inline void setBackgroundColor(QWidget *widget, const QColor &color)
{
    if (!widget)
        return;
    QPalette palette;
    palette.setBrush(QPalette::Window, QBrush(color));
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

// The shared table look: no row header, no editing, one whole row selected at a time.
inline void setTableViewStyle(QTableView *view, bool showGrid)
{
    if (!view)
        return;
    view->verticalHeader()->setVisible(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setShowGrid(showGrid);
    view->setFocusPolicy(Qt::NoFocus);
}
#endif
