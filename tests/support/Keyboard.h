#pragma once

// Typing as a keyboard sends it. A character that needs Shift on the layout
// comes between a press and a release of the Shift key itself, with the Shift
// modifier and its own text, as the window system delivers it: ':' on a US
// layout, the top-row digits on a Czech one. Typed to a widget, or to the
// window that has the keyboard (where an operator's keys go).

#include <QGuiApplication>
#include <QString>
#include <QTest>
#include <QWindow>

namespace Keyboard {

enum class Layout {
    Us,
    Czech,
};

inline bool needsShift(Layout layout, QChar c)
{
    if (c == QLatin1Char(':'))
        return true; // Shift+; on a US layout, Shift+. on a Czech one
    return layout == Layout::Czech && c.isDigit();
}

template <class Target> void type(Target *target, const QString &text, Layout layout)
{
    for (const QChar c : text) {
        const char ch = c.toLatin1();
        if (!needsShift(layout, c)) {
            QTest::keyClick(target, ch);
            continue;
        }
        QTest::keyPress(target, Qt::Key_Shift);
        QTest::keyClick(target, ch, Qt::ShiftModifier);
        QTest::keyRelease(target, Qt::Key_Shift, Qt::ShiftModifier);
    }
}

// Each character to the window that has the keyboard when it is typed;
// false when a character found none.
inline bool typeToFocus(const QString &text, Layout layout = Layout::Us)
{
    for (const QChar c : text) {
        QWindow *focus = QGuiApplication::focusWindow();
        if (!focus)
            return false;
        type(focus, QString(c), layout);
    }
    return true;
}

} // namespace Keyboard
