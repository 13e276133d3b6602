#include "WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QScrollBar>
#include <QWidget>

namespace {

// Set on a control the operator took in hand: the keyboard came to it by his
// click, Tab or shortcut, or he pressed a key or a button on it; not the
// keyboard a window gives its first control when it opens.
const char *const InHandProperty = "_kelvo_in_hand";

// The control a widget is, or whose part it is (the text field of a spin box
// or an editable list).
QWidget *controlOf(QWidget *widget)
{
    if (WheelGuard::isValueControl(widget))
        return widget;
    QWidget *parent = widget->parentWidget();
    return parent && !widget->isWindow() && WheelGuard::isValueControl(parent) ? parent : nullptr;
}

bool byOperator(Qt::FocusReason reason)
{
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
           || reason == Qt::ShortcutFocusReason;
}

// The keyboard away for a while and back again: another window, the
// control's own popup list, a menu. The control stays in hand.
bool forAWhile(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason
           || QApplication::activePopupWidget();
}

bool inHand(const QWidget *control)
{
    if (!control->property(InHandProperty).toBool())
        return false;
    const QWidget *focus = QApplication::focusWidget();
    return control->hasFocus() || (focus && control->isAncestorOf(focus));
}

// What tells whether the operator took the control in hand.
void follow(QWidget *control, QEvent *event)
{
    bool taken = false;
    switch (event->type()) {
    case QEvent::FocusIn:
        taken = byOperator(static_cast<QFocusEvent *>(event)->reason());
        break;
    case QEvent::FocusOut:
        if (!forAWhile(static_cast<QFocusEvent *>(event)->reason()))
            control->setProperty(InHandProperty, false);
        return;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        taken = true;
        break;
    default:
        return;
    }
    if (taken)
        control->setProperty(InHandProperty, true);
}

class Guard final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Wheel:
        case QEvent::Polish:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() != QEvent::Wheel && event->type() != QEvent::Polish) {
            if (QWidget *control = controlOf(widget))
                follow(control, event);
            return false;
        }
        if (!WheelGuard::isValueControl(widget))
            return false;
        if (event->type() == QEvent::Polish) {
            // Qt hands the keyboard to a widget with wheel focus before any
            // filter sees the wheel: only the policy can keep it from doing so.
            // Tab and click still take the control in hand.
            const Qt::FocusPolicy policy = widget->focusPolicy();
            if ((policy & Qt::WheelFocus) == Qt::WheelFocus)
                widget->setFocusPolicy(Qt::StrongFocus);
            return false;
        }
        if (inHand(widget))
            return false;
        // Left, the wheel goes on to the parents as any wheel a widget does
        // not take, up to the scroll area that holds the page. A wheel sent
        // by a program rather than the mouse goes nowhere further, so it
        // changes nothing either.
        event->ignore();
        return true;
    }
};

void installGuard()
{
    // Widgets exist only in a QApplication; a console program linking the
    // library has nothing to guard.
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    app->installEventFilter(new Guard(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installGuard)

// Named by the library's link options, so every program linking the library
// takes this file, and with it the guard, even when nothing else of the
// file is called.
extern "C" void kelvoWheelGuardLinked() { }

namespace WheelGuard {

bool isValueControl(const QWidget *widget)
{
    if (qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget))
        return true;
    return qobject_cast<const QAbstractSlider *>(widget) && !qobject_cast<const QScrollBar *>(widget);
}

} // namespace WheelGuard
