#include "ShownValues.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSpinBox>

void ShownValues::shown(const QString &key, const QWidget *control)
{
    m_states.insert(key, stateOf(control));
}

bool ShownValues::changed(const QString &key, const QWidget *control) const
{
    return changed(key, stateOf(control));
}

bool ShownValues::changed(const QString &key, const QVariant &state) const
{
    const auto it = m_states.constFind(key);
    return it == m_states.cend() || it.value() != state;
}

void ShownValues::take(IpcBody::Values &values, const QString &key, const QWidget *control,
                       const QString &fromControl) const
{
    if (!values.contains(key) || changed(key, control))
        values.insert(key, fromControl);
}

QVariant ShownValues::stateOf(const QWidget *control)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->isEditable()
                   ? QVariant(QString::number(combo->currentIndex()) + QLatin1Char('|') + combo->currentText())
                   : QVariant(combo->currentIndex());
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(control))
        return slider->value();
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        return spin->value();
    if (const auto *edit = qobject_cast<const QDateTimeEdit *>(control))
        return edit->dateTime();
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    return QVariant();
}
