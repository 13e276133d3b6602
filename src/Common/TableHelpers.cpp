#include "TableHelpers.h"

#include <QStandardItemModel>

void setModelTextAlignment(QStandardItemModel *model, int alignment)
{
    if (!model)
        return;
    for (int r = 0; r < model->rowCount(); ++r) {
        for (int c = 0; c < model->columnCount(); ++c) {
            if (QStandardItem *item = model->item(r, c))
                item->setTextAlignment(Qt::Alignment(alignment));
        }
    }
}

void setAllRowsChecked(QStandardItemModel *model, bool checked)
{
    if (!model)
        return;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (QStandardItem *item = model->item(r, 0))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

bool isAllRowsChecked(QStandardItemModel *model)
{
    if (!model)
        return false;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QStandardItem *item = model->item(r, 0);
        if (item && item->checkState() == Qt::Unchecked)
            return false;
    }
    return true;
}

QStringList getCheckedItems(QStandardItemModel *model, int column, bool asRowNumber)
{
    QStringList out;
    if (!model)
        return out;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QStandardItem *check = model->item(r, 0);
        if (!check || check->checkState() != Qt::Checked)
            continue;
        if (asRowNumber) {
            out.append(QString::number(r));
        } else {
            const QStandardItem *item = model->item(r, column);
            out.append(item ? item->text() : QString());
        }
    }
    return out;
}

int findRowByText(const QString &text, QStandardItemModel *model, int column)
{
    if (!model)
        return -1;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QStandardItem *item = model->item(r, column);
        if (item && item->text() == text)
            return r;
    }
    return -1;
}
