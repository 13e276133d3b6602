#pragma once

// What a page showed for each value its camera reported: the state of the
// value's control right after the page filled it. A Save takes the camera's
// own text for a value whose control still shows that state, and the
// control's value once the operator changed it (or the page says it changed:
// "Default", a list rebuilt for another resolution). A control can show a
// value only approximately (a slider clamps 150 to 100, a list has no entry
// for mode 7, the arming grid widens 08:30 to whole hours), so comparing the
// value itself would send the approximation back.

#include "IpcBodies.h"

#include <QHash>
#include <QString>
#include <QVariant>

class QWidget;

class ShownValues
{
public:
    void clear() { m_states.clear(); }
    // Remembers the control's state now under key.
    void shown(const QString &key, const QWidget *control);
    void shown(const QString &key, const QVariant &state) { m_states.insert(key, state); }
    // Not remembered (never shown, or marked): changed.
    bool changed(const QString &key, const QWidget *control) const;
    bool changed(const QString &key, const QVariant &state) const;
    void markChanged(const QString &key) { m_states.remove(key); }
    bool isShown(const QString &key) const { return m_states.contains(key); }

    // values[key] becomes fromControl when the camera sent no such value or
    // the control changed since it was shown.
    void take(IpcBody::Values &values, const QString &key, const QWidget *control, const QString &fromControl) const;

    // The state of a combo box (its index, and the text when editable),
    // button (checked), slider or spin box (value), line edit (text), date
    // editor (its text).
    static QVariant stateOf(const QWidget *control);

private:
    QHash<QString, QVariant> m_states;
};
