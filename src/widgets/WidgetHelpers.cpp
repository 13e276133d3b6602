#include "WidgetHelpers.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int CellPadding = 8;
} // namespace

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

void widenColumnsToTexts(QTableView *view)
{
    if (!view)
        return;
    QHeaderView *header = view->horizontalHeader();
    header->ensurePolished();
    int last = -1;
    for (int c = header->count() - 1; c >= 0 && last < 0; --c) {
        if (!header->isSectionHidden(c))
            last = c;
    }
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c) || header->sectionResizeMode(c) != QHeaderView::Interactive)
            continue;
        // The room a cell's text and check box take, and a few pixels more
        // than the item's own hint, which leaves the text touching its edges.
        const int needed = std::max(header->sectionSizeHint(c),
                                    static_cast<const QAbstractItemView *>(view)->sizeHintForColumn(c) + CellPadding);
        if (needed <= header->sectionSize(c))
            continue;
        if (c == last && header->stretchLastSection())
            header->setStretchLastSection(false);
        header->resizeSection(c, needed);
    }
}

namespace TableChecks {

bool isAllChecked(const QTableWidget *table)
{
    if (!table)
        return false;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (item && item->checkState() == Qt::Unchecked)
            return false;
    }
    return true;
}

void setAllChecked(QTableWidget *table, bool checked)
{
    if (!table)
        return;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem *item = table->item(row, 0))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList getCheckedRows(const QTableWidget *table, int column, bool asRowIndex)
{
    QStringList rows;
    if (!table)
        return rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (!item || item->checkState() != Qt::Checked)
            continue;
        if (asRowIndex) {
            rows << QString::number(row);
        } else {
            const QTableWidgetItem *cell = table->item(row, column);
            rows << (cell ? cell->text() : QString());
        }
    }
    return rows;
}

int findRow(const QString &text, const QTableWidget *table, int column)
{
    if (!table)
        return -1;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, column);
        if (item && item->text() == text)
            return row;
    }
    return -1;
}

} // namespace TableChecks

int lineEditWidthFor(const QLineEdit *edit, const QString &text)
{
    // As the edit lays its text out: two pixels of margin each side, its
    // text margins, and per visible action button the button and the gap
    // before it (a quarter of the icon, 16 px icons below 34 px of height).
    int content =
        edit->fontMetrics().horizontalAdvance(text) + 4 + edit->textMargins().left() + edit->textMargins().right();
    for (const QToolButton *icon : edit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
        if (!icon->isHidden())
            content += icon->sizeHint().width() + (edit->height() < 34 ? 4 : 8);
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(content, edit->fontMetrics().height()), edit)
        .width();
}
