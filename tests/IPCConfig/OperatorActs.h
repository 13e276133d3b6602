#pragma once

// What the operator does to a control, as the control reports it: the value
// changes and the control's own user signal follows. A page counts only
// these as changes; a value merely set is what the page showed.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace OperatorActs {

inline void typeText(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    emit edit->textEdited(text);
}

inline void pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline void pickText(QComboBox *box, const QString &text)
{
    box->setCurrentText(text);
    emit box->activated(box->currentIndex());
}

inline void slide(QAbstractSlider *slider, int value)
{
    slider->setValue(value);
    emit slider->sliderMoved(value);
}

// A spin box reports only its value: a change outside the page's fill is the operator's.
inline void slide(QSpinBox *spin, int value)
{
    spin->setValue(value);
}

inline void tick(QAbstractButton *button, bool on)
{
    if (button->isChecked() != on)
        button->click();
}

} // namespace OperatorActs
