#pragma once

// Typing as a keyboard sends it: a character that needs Shift on the layout
// (':' on a US one, the top-row digits on a Czech one) comes between a press
// and a release of the Shift key itself, with the Shift modifier and its text.

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

namespace Keyboard {

enum class Layout { Us, Czech };

template <class Target> void type(Target *target, const QString &text, Layout layout = Layout::Us)
{
    for (const QChar c : text) {
        const bool shift = c == QLatin1Char(':') || (layout == Layout::Czech && c.isDigit());
        if (shift)
            QTest::keyPress(target, Qt::Key_Shift);
        QTest::keyClick(target, c.toLatin1(), shift ? Qt::ShiftModifier : Qt::NoModifier);
        if (shift)
            QTest::keyRelease(target, Qt::Key_Shift, Qt::ShiftModifier);
    }
}

// Each key to the window that has the keyboard as it is typed, where an
// operator's keys go.
inline void typeToFocus(const QString &text)
{
    type<QWindow>(nullptr, text);
}

} // namespace Keyboard
