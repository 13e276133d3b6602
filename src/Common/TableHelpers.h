#pragma once

// Helpers for check-box tables on QStandardItemModel (the check box is the
// column-0 item of a row). A null model makes them do nothing.

#include <QString>
#include <QStringList>

class QStandardItemModel;

void setModelTextAlignment(QStandardItemModel *model, int alignment);
void setAllRowsChecked(QStandardItemModel *model, bool checked);
bool isAllRowsChecked(QStandardItemModel *model);
QStringList getCheckedItems(QStandardItemModel *model, int column, bool asRowNumber);
// First row whose item in column has exactly text; -1 when none.
int findRowByText(const QString &text, QStandardItemModel *model, int column);

// The table look and the background colour are in WidgetHelpers.h (widgets library).
