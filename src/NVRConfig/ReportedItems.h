#pragma once

// Combo boxes whose first `listed` items stand for the numbers 0 to
// listed - 1. A reported number without an item is shown as an item of its
// own after them (its text as reported), not as no selection or as the first
// item: the operator sees what the NVR holds, and choosing any listed item is
// a choice of its own.

#include <QString>
#include <QStringList>

class QComboBox;

namespace ReportedItems {

// Shows a reported number (an empty text shows the first item). Run it while
// the page fills its controls (signals blocked).
void show(QComboBox *combo, int listed, const QString &reported);
// Fills the listed items anew (another language); the choice and an item of
// its own stay.
void refill(QComboBox *combo, const QStringList &texts);
// What the choice stands for: the item's number, or the reported text of an
// item of its own.
QString value(const QComboBox *combo, int listed);

} // namespace ReportedItems
