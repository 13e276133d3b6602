#pragma once

// The wheel scrolls a page; it changes a value only once the operator has
// taken its control in hand. Turned over a list, number, slider or date field
// that has no keyboard focus, the wheel goes on to the widgets around it, so
// the page's scroll area scrolls as if the pointer were over empty room, and
// the value stays what it was. The operator takes a control in hand by giving
// it the keyboard himself, with a click, Tab or its shortcut; from then on,
// while it keeps the keyboard, the wheel steps it as Qt does. The keyboard a
// window hands its first control when it opens is not his act, and neither
// is a wheel: Qt's wheel focus would give these controls the keyboard, and
// with it the very next notch would change the value.
//
// Every program that links this library has the guard from the moment its
// QApplication exists: the pages and dialogs need nothing of their own, and a
// test that builds a page alone has it as the client does.

class QWidget;

namespace WheelGuard {

// The controls whose value a wheel notch would change: lists, numbers and
// date or time fields, sliders (scroll bars are the scrolling itself).
bool isValueControl(const QWidget *widget);

} // namespace WheelGuard
