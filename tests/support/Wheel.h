#pragma once

// The wheel as a mouse turns it: each notch one event at the widget, marked as
// coming from the window system, so that Qt delivers it as it does the
// operator's (the keyboard given by wheel focus, the event passed on to the
// parents when the widget leaves it).

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace Wheel {

// Notches away from the operator (positive) or towards him, at the widget's centre.
inline void turn(QWidget *widget, int notches)
{
    const QPoint at = widget->rect().center();
    for (int i = 0; i < qAbs(notches); ++i) {
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(widget, &event);
    }
}

// Lists, numbers, date and time fields and sliders: told apart here, not by
// the client's own test of them.
inline bool holdsValue(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QComboBox *>(w)
           || (qobject_cast<const QAbstractSlider *>(w) && !qobject_cast<const QScrollBar *>(w));
}

inline QString shown(const QWidget *w)
{
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
        return spin->text();
    if (const auto *list = qobject_cast<const QComboBox *>(w))
        return QStringLiteral("%1 (#%2)").arg(list->currentText()).arg(list->currentIndex());
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(w))
        return QString::number(slider->value());
    return QString();
}

// Turns the wheel over every value control shown in root, three notches each
// way, as someone scrolling the page would: what any of them then showed
// otherwise, or where the keyboard went, as "name: what".
inline QStringList turnOverEach(QWidget *root)
{
    QStringList moved;
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (!holdsValue(control) || !control->isVisible())
            continue;
        const QString name = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                             : control->objectName();
        const QString before = shown(control);
        const QWidget *keyboard = QApplication::focusWidget();
        for (int notches : {3, -3, -3, 3}) {
            turn(control, notches);
            if (shown(control) != before) {
                moved << QStringLiteral("%1: %2 -> %3").arg(name, before, shown(control));
                break;
            }
        }
        if (QApplication::focusWidget() != keyboard)
            moved << name + QStringLiteral(": took the keyboard");
    }
    return moved;
}

// The first value control shown in root that the operator can step: enabled,
// not read-only, a list of more than one entry; none named in skip.
inline QWidget *firstSteppable(QWidget *root, const QStringList &skip = {})
{
    for (QWidget *w : root->findChildren<QWidget *>()) {
        const auto *list = qobject_cast<const QComboBox *>(w);
        const auto *spin = qobject_cast<const QAbstractSpinBox *>(w);
        if (holdsValue(w) && w->isVisible() && w->isEnabled() && !skip.contains(w->objectName())
            && (!list || list->count() > 1) && (!spin || !spin->isReadOnly()))
            return w;
    }
    return nullptr;
}

// Takes the control in hand with a click where the operator would click it,
// on the part under its centre (a list's popup, opened by it, closed again
// with Escape): whether it then has the keyboard. The click activates its
// window first, as the window system does.
inline bool takeInHand(QWidget *control)
{
    control->activateWindow();
    if (!QTest::qWaitForWindowActive(control->window()))
        return false;
    QWidget *part = control->childAt(control->rect().center());
    QTest::mouseClick(part ? part : control, Qt::LeftButton);
    auto *list = qobject_cast<QComboBox *>(control);
    if (list && !list->isEditable()) {
        if (!QTest::qWaitFor([list] { return list->view()->isVisible(); }))
            return false;
        QTest::keyClick(list->view(), Qt::Key_Escape);
        if (!QTest::qWaitFor([list] { return !list->view()->isVisible(); }))
            return false;
    }
    return control->hasFocus();
}

// Turns the wheel over the control a notch each way until it shows another
// value: whether it did.
inline bool changes(QWidget *control)
{
    const QString before = shown(control);
    turn(control, -1);
    if (shown(control) == before)
        turn(control, 2);
    return shown(control) != before;
}

} // namespace Wheel
