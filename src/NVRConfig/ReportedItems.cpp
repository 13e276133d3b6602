#include "ReportedItems.h"

#include "DeviceValues.h"

#include <QComboBox>

namespace ReportedItems {

void show(QComboBox *combo, int listed, const QString &reported)
{
    while (combo->count() > listed)
        combo->removeItem(listed);
    const QString text = reported.trimmed();
    const int index = text.isEmpty() ? 0 : DeviceValue::toInt(text, -1);
    if (index >= 0 && index < listed) {
        combo->setCurrentIndex(index);
        return;
    }
    combo->addItem(reported);
    combo->setCurrentIndex(listed);
}

void refill(QComboBox *combo, const QStringList &texts)
{
    const int index = combo->currentIndex();
    const bool own = combo->count() > texts.size();
    const QString ownText = own ? combo->itemText(texts.size()) : QString();
    combo->clear();
    combo->addItems(texts);
    if (own)
        combo->addItem(ownText);
    combo->setCurrentIndex(index);
}

QString value(const QComboBox *combo, int listed)
{
    const int index = combo->currentIndex();
    return index >= listed ? combo->itemText(index) : QString::number(qMax(index, 0));
}

} // namespace ReportedItems
