#pragma once

// Whether a window shows its texts whole, measured as the operator sees them
// with the client's own style sheet and font: labels, buttons, the hint of
// an empty field, every entry of a box, list entries, tree rows (across and
// down), table headers and cells. With
// KELVO_SCREENSHOT_DIR set, shoot() saves what was looked at as
// <language>_<name>.png there.

#include "ClientLook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QLayout>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>
#include <QWidget>

namespace TextsWhole {

// As the client starts: its own font and style sheet.
inline bool lookAsTheClient()
{
    return ClientLook::apply();
}

// The width a table's column title needs, and a cell's: the text and the
// room around it (a check box beside it too).
inline int titleNeed(const QHeaderView *header, const QString &title)
{
    return header->fontMetrics().horizontalAdvance(title) + 12;
}

inline int cellNeed(const QAbstractItemView *view, const QModelIndex &index)
{
    const int extra = index.data(Qt::CheckStateRole).isValid() ? 28 : 8;
    return view->fontMetrics().horizontalAdvance(index.data().toString()) + extra;
}

// Where a text shows less than itself: the widget's own hint wants more room
// than it has, or the text was elided (its whole form kept in the tool tip).
inline QStringList cutTexts(QWidget *root)
{
    QStringList cut;
    const auto report = [&cut](QWidget *w, const QString &text, int need, int have) {
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className()) + QLatin1String(" in ")
                                       + (w->parentWidget() ? w->parentWidget()->objectName() : QString())
                                 : w->objectName();
        cut << QStringLiteral("%1 '%2' (%3 px, needs %4)").arg(name, text).arg(have).arg(need);
    };
    const QChar ellipsis(0x2026);
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            const int need = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
            if (need > label->contentsRect().width() + 1)
                report(w, label->text(), need, label->contentsRect().width());
            else if (!label->toolTip().isEmpty() && label->toolTip() != label->text()
                     && label->text().contains(ellipsis))
                report(w, label->toolTip(), need, label->width());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            // A line edit's own icon buttons show no text.
            if (button->text().isEmpty() || qobject_cast<QLineEdit *>(button->parentWidget()))
                continue;
            if (button->text().contains(ellipsis) && button->toolTip() != button->text())
                report(w, button->toolTip(), button->sizeHint().width(), button->width());
            else if (button->sizeHint().width() > button->width() + 1)
                report(w, button->text(), button->sizeHint().width(), button->width());
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // The placeholder in the room the edit leaves its text: the
            // style's contents, its margins, and the icon buttons of its
            // actions with the gap before each.
            if (!edit->text().isEmpty() || edit->placeholderText().isEmpty())
                continue;
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth =
                edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
            int have = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width()
                       - edit->textMargins().left() - edit->textMargins().right() - 4;
            for (auto *icon : edit->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly))
                if (icon->isVisible())
                    have -= icon->width() + (edit->height() < 34 ? 4 : 8);
            const int need = edit->fontMetrics().horizontalAdvance(edit->placeholderText());
            if (need > have)
                report(w, edit->placeholderText(), need, have);
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            // Each entry shows whole once chosen: the room the style gives
            // a box for that text.
            for (int i = 0; i < combo->count(); ++i) {
                QStyleOptionComboBox option;
                option.initFrom(combo);
                option.editable = combo->isEditable();
                option.currentText = combo->itemText(i);
                const QSize text(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), combo->height());
                const int need = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
                if (need > combo->width() + 2)
                    report(w, combo->itemText(i), need, combo->width());
            }
        } else if (auto *tree = qobject_cast<QTreeView *>(w)) {
            // Every row the tree has open shows whole, across and down: the
            // few devices of a page fit without scrolling.
            const QAbstractItemModel *model = tree->model();
            QList<QModelIndex> open;
            for (int r = 0; model && r < model->rowCount(); ++r)
                open << model->index(r, 0);
            for (int i = 0; i < open.size(); ++i) {
                const QModelIndex index = open[i];
                if (tree->isExpanded(index))
                    for (int r = 0; r < model->rowCount(index); ++r)
                        open << model->index(r, 0, index);
                const QRect rect = tree->visualRect(index);
                const QString text = index.data().toString();
                if (rect.isEmpty())
                    continue;
                const int need =
                    rect.left() + tree->iconSize().width() + 8 + tree->fontMetrics().horizontalAdvance(text);
                if (need > tree->viewport()->width())
                    report(w, text, need, tree->viewport()->width());
                const int shown =
                    qMax(0, qMin(rect.bottom(), tree->viewport()->height() - 1) - qMax(rect.top(), 0) + 1);
                if (shown < rect.height())
                    report(w, text + QStringLiteral(" (height)"), rect.height(), shown);
            }
        } else if (auto *list = qobject_cast<QListView *>(w)) {
            if (list->wordWrap())
                continue;
            const QAbstractItemModel *model = list->model();
            for (int r = 0; model && r < model->rowCount(); ++r) {
                const QModelIndex index = model->index(r, list->modelColumn());
                const int need = list->fontMetrics().horizontalAdvance(index.data().toString()) + 8;
                if (need > list->viewport()->width())
                    report(w, index.data().toString(), need, list->viewport()->width());
            }
            if (list->horizontalScrollBar()->isVisible())
                report(w, QStringLiteral("horizontal scroll bar"), list->horizontalScrollBar()->maximum(), 0);
        } else if (auto *table = qobject_cast<QTableView *>(w)) {
            QHeaderView *header = table->horizontalHeader();
            const QAbstractItemModel *model = table->model();
            for (int c = 0; model && c < model->columnCount() && header->isVisible(); ++c) {
                if (header->isSectionHidden(c))
                    continue;
                const QString text = model->headerData(c, Qt::Horizontal).toString();
                const int need = titleNeed(header, text);
                if (!text.isEmpty() && need > header->sectionSize(c))
                    report(w, text, need, header->sectionSize(c));
                for (int r = 0; r < model->rowCount(); ++r) {
                    const QModelIndex index = model->index(r, c);
                    const QString cell = index.data().toString();
                    if (cell.isEmpty() || table->indexWidget(index))
                        continue;
                    if (cellNeed(table, index) > header->sectionSize(c))
                        report(w, cell, cellNeed(table, index), header->sectionSize(c));
                }
            }
        }
    }
    return cut;
}

// Where the marks of a configuration page (why its read failed, with the
// way back; that its last Save did not go through) are drawn over the
// page's own texts and controls, leave the page, or show less than their
// text.
inline QStringList marksCovering(QWidget *page)
{
    QStringList bad;
    QList<QWidget *> marks;
    const auto direct = [](QWidget *in, const char *name) {
        return in ? in->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly) : nullptr;
    };
    for (QWidget *w : {direct(page, "labelReadFailed"), direct(page, "labelNotSaved"),
                       direct(page->parentWidget(), "pushButtonReconnect")}) {
        if (w && w->isVisible())
            marks << w;
    }
    const auto rectIn = [page](QWidget *w) {
        return QRect(w->mapToGlobal(QPoint(0, 0)) - page->mapToGlobal(QPoint(0, 0)), w->size());
    };
    for (QWidget *mark : qAsConst(marks)) {
        const QRect at = rectIn(mark);
        const QString name = mark->objectName();
        if (!page->rect().contains(at))
            bad << QStringLiteral("%1 leaves the page").arg(name);
        if (auto *label = qobject_cast<QLabel *>(mark)) {
            if (label->heightForWidth(label->width()) > label->height()
                || label->fontMetrics().horizontalAdvance(label->text().section(QLatin1Char(' '), 0, 0))
                       > label->width())
                bad << QStringLiteral("%1 '%2' not whole").arg(name, label->text());
        }
        for (QWidget *w : page->findChildren<QWidget *>()) {
            if (!w->isVisible() || marks.contains(w) || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            auto *label = qobject_cast<QLabel *>(w);
            const bool content = (label && (!label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull()))
                                 || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                                 || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractItemView *>(w);
            if (content && rectIn(w).intersects(at))
                bad << QStringLiteral("%1 over %2").arg(name, w->objectName());
        }
    }
    return bad;
}

// The buttons of a window that say what they do (Save, Default, OK, not the
// icons of a row in a form) and the marks of its pages (why a read failed,
// the way back, that a Save did not go through) that the operator cannot
// see whole without scrolling or moving the window: each must lie inside
// every widget around it, and the window inside the given screen. Also a
// widget squeezed below what its rows need.
inline QStringList outOfView(QWidget *window, const QRect &screen = QRect(0, 0, 1280, 720))
{
    QStringList out;
    if (window->width() > screen.width() || window->height() > screen.height())
        out << QStringLiteral("the window is %1x%2").arg(window->width()).arg(window->height());
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // Squeezed below what its rows need (margins aside), its controls
        // lie over one another or leave it.
        if (QLayout *rows = w->layout(); rows && !qobject_cast<QScrollArea *>(w->parentWidget())) {
            const QMargins margins = rows->contentsMargins();
            const QSize least =
                rows->minimumSize() - QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
            const QSize has = w->contentsRect().size();
            if (has.width() + 1 < least.width() || has.height() + 1 < least.height())
                out << QStringLiteral("%1 squeezed to %2x%3, needs %4x%5")
                           .arg(w->objectName())
                           .arg(has.width())
                           .arg(has.height())
                           .arg(least.width())
                           .arg(least.height());
        }
        const bool mark =
            w->objectName() == QLatin1String("labelReadFailed") || w->objectName() == QLatin1String("labelNotSaved");
        auto *button = qobject_cast<QPushButton *>(w);
        if (!mark && (!button || button->text().isEmpty()))
            continue;
        QRect seen(w->mapTo(window, QPoint(0, 0)), w->size());
        const QRect whole = seen;
        for (QWidget *around = w->parentWidget(); around && around != window; around = around->parentWidget())
            seen &= QRect(around->mapTo(window, QPoint(0, 0)), around->size());
        seen &= window->rect();
        if (seen != whole) {
            const QString name = w->objectName().isEmpty() ? button->text() : w->objectName();
            out << QStringLiteral("%1 at %2,%3 %4x%5, seen %6,%7 %8x%9")
                       .arg(name)
                       .arg(whole.x())
                       .arg(whole.y())
                       .arg(whole.width())
                       .arg(whole.height())
                       .arg(seen.x())
                       .arg(seen.y())
                       .arg(seen.width())
                       .arg(seen.height());
        }
    }
    return out;
}

inline void shoot(QWidget *w, const QString &language, const QString &name)
{
    const QString dir = qEnvironmentVariable("KELVO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QString file = name;
    file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    w->grab().save(QDir(dir).filePath(language + QLatin1Char('_') + file + QStringLiteral(".png")));
}

} // namespace TextsWhole
