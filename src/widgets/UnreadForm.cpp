#include "UnreadForm.h"

#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>

namespace {

const char *const OperatorChoice = "keepsOperatorChoice";

// Neither handle nor filled part: the groove alone tells no value.
const QString NoHandle = QStringLiteral("QSlider::handle { background: transparent; border: none; image: none; }"
                                        "QSlider::sub-page, QSlider::add-page { background: transparent; }");

// A list's or spin box's own line edit shows what its owner shows.
bool partOfAnother(const QWidget *edit)
{
    const QWidget *owner = edit->parentWidget();
    return qobject_cast<const QAbstractSpinBox *>(owner) || qobject_cast<const QComboBox *>(owner);
}

void setChecked(QAbstractButton *button, bool checked)
{
    QButtonGroup *group = button->group();
    const QSignalBlocker quietGroup(group);
    const bool exclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    // An exclusive choice cannot be taken back, only moved: none chosen needs
    // the exclusion off for a moment.
    if (group)
        group->setExclusive(checked && exclusive);
    button->setAutoExclusive(checked && autoExclusive);
    button->setChecked(checked);
    button->setAutoExclusive(autoExclusive);
    if (group)
        group->setExclusive(exclusive);
}

bool anyChosen(const QAbstractButton *button)
{
    if (const QButtonGroup *group = button->group())
        return group->checkedButton() != nullptr;
    const QWidget *parent = button->parentWidget();
    if (!parent || !button->autoExclusive())
        return button->isChecked();
    const auto siblings = parent->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
    return std::any_of(siblings.cbegin(), siblings.cend(),
                       [](const QAbstractButton *sibling) { return sibling->autoExclusive() && sibling->isChecked(); });
}

void showValueAgain(QAbstractSpinBox *spin)
{
    if (auto *whole = qobject_cast<QSpinBox *>(spin))
        whole->setValue(whole->value());
    else if (auto *real = qobject_cast<QDoubleSpinBox *>(spin))
        real->setValue(real->value());
    else if (auto *time = qobject_cast<QDateTimeEdit *>(spin))
        time->setDateTime(time->dateTime());
}

} // namespace

UnreadForm::UnreadForm(QWidget *form)
    : m_form(form)
{
}

void UnreadForm::keepShown(QWidget *control)
{
    if (control)
        control->setProperty(OperatorChoice, true);
}

bool UnreadForm::kept(const QWidget *control) const
{
    for (const QWidget *w = control; w && w != m_form; w = w->parentWidget()) {
        if (w->property(OperatorChoice).toBool())
            return true;
    }
    return false;
}

void UnreadForm::blank()
{
    if (m_blank || !m_form)
        return;
    m_blank = true;
    for (QWidget *control : m_form->findChildren<QWidget *>()) {
        if (kept(control))
            continue;
        Held held;
        held.control = control;
        const QSignalBlocker quiet(control);
        if (blankOne(control, held))
            m_held << held;
    }
}

bool UnreadForm::blankOne(QWidget *control, Held &held)
{
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
        // The base's clear() empties the whole text (a date editor's own
        // clears one section) and keeps it empty until a value is set.
        spin->QAbstractSpinBox::clear();
        held.before = spin->text(); // its prefix and suffix, if any
        return true;
    }
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        held.before = list->currentIndex();
        list->setCurrentIndex(-1);
        return true;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        if (!partOfAnother(edit))
            edit->clear();
        return false;
    }
    if (auto *slider = qobject_cast<QSlider *>(control)) {
        held.before = slider->styleSheet();
        slider->setStyleSheet(slider->styleSheet() + NoHandle);
        return true;
    }
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        held.before = int(box->checkState());
        held.tristate = box->isTristate();
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return true;
    }
    if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        held.before = radio->isChecked();
        setChecked(radio, false);
        return true;
    }
    return false;
}

void UnreadForm::restore()
{
    if (!m_blank)
        return;
    m_blank = false;
    const QList<Held> held = m_held;
    m_held.clear();
    for (const Held &one : held) {
        if (!one.control)
            continue;
        const QSignalBlocker quiet(one.control.data());
        restoreOne(one);
    }
}

void UnreadForm::restoreOne(const Held &held)
{
    QWidget *control = held.control;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
        if (spin->text() == held.before.toString())
            showValueAgain(spin);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        if (list->currentIndex() < 0 && held.before.toInt() < list->count())
            list->setCurrentIndex(held.before.toInt());
    } else if (auto *slider = qobject_cast<QSlider *>(control)) {
        slider->setStyleSheet(held.before.toString());
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        if (box->checkState() == Qt::PartiallyChecked)
            box->setCheckState(Qt::CheckState(held.before.toInt()));
        box->setTristate(held.tristate);
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        if (held.before.toBool() && !anyChosen(radio))
            setChecked(radio, true);
    }
}
