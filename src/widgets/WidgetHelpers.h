#pragma once

// Widget helpers shared with the table pages. They need Qt Widgets, so they
// live here rather than with the model helpers of the Common library.

#include <QColor>
#include <QStringList>

class QLineEdit;
class QTableView;
class QTableWidget;
class QWidget;

// A fresh palette whose Window brush (all colour groups) is the colour, filled.
void setBackgroundColor(QWidget *widget, const QColor &colour);
// Read-only, whole-row single selection, no vertical header, no focus.
void setTableViewStyle(QTableView *view, bool showGrid);
// Columns of a table grow to their header texts and to what their rows show
// (an e-mail address, a MAC address), never shrink. A last column stretched
// to the table's edge that still has less than it needs takes it, and the
// table scrolls sideways.
void widenColumnsToTexts(QTableView *view);

// The width a line edit needs to show text whole beside the icon buttons of
// its actions, by its style.
int lineEditWidthFor(const QLineEdit *edit, const QString &text);

// Check-box tables of the user and channel dialogs: the check state lives in
// each row's column-0 item; rows without one are passed over.
namespace TableChecks {
// False for a null table, true for one without rows, false as soon as a row's
// column-0 item is unchecked.
bool isAllChecked(const QTableWidget *table);
void setAllChecked(QTableWidget *table, bool checked);
// For each checked row in order: its number in decimal (asRowIndex), else the
// text of its item in column (empty for a missing item).
QStringList getCheckedRows(const QTableWidget *table, int column, bool asRowIndex);
// The first row whose item in column has exactly text; -1 when none.
int findRow(const QString &text, const QTableWidget *table, int column);
} // namespace TableChecks
