#pragma once

// What a configuration page shows while it holds no reading of its device:
// no value at all. Without it a page whose read failed before it was ever
// read shows what its controls were built with (zeros, first entries, boxes
// off) as if the device had sent them.
//
// blank() makes every value control of the form show nothing: a line edit
// empty, a spin box or date editor without text, a slider without handle or
// filled part, a list without current entry, a check box neither on nor off,
// no radio button chosen. No value changes and no signal is emitted: nothing
// counts as the operator's act, and nothing the page derives from a control
// follows.
//
// restore() ends it: a control the page filled since (or the operator set)
// keeps that; one still blank shows again what it showed before, except a
// line edit, which stays empty (an empty text the device sent looks just the
// same).
//
// Controls that hold the operator's choices rather than the device's values
// (the channel shown, a brush, the targets of a copy, a time to set) are
// marked with keepShown() and left alone, with whatever lies inside them.

#include <QList>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

class UnreadForm
{
public:
    explicit UnreadForm(QWidget *form);

    void blank();
    void restore();
    bool isBlank() const { return m_blank; }

    static void keepShown(QWidget *control);

private:
    struct Held
    {
        QPointer<QWidget> control;
        QVariant before; // what it showed (index, state, checked, style sheet), or a spin box's blank text
        bool tristate = false;
    };

    bool kept(const QWidget *control) const;
    bool blankOne(QWidget *control, Held &held);
    void restoreOne(const Held &held);

    QPointer<QWidget> m_form;
    QList<Held> m_held;
    bool m_blank = false;
};
