#pragma once

// Widget helpers shared with the table pages. They need Qt Widgets, so they
// live here rather than with the model helpers of the Common library.

#include <QColor>

class QTableView;
class QWidget;

// A fresh palette whose Window brush (all colour groups) is the colour, filled.
void setBackgroundColor(QWidget *widget, const QColor &colour);
// Read-only, whole-row single selection, no vertical header, no focus.
void setTableViewStyle(QTableView *view, bool showGrid);
