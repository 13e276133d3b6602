#pragma once

// A date-time field that takes a typed time. The plain field takes digits
// only into a selected section and drops what does not fit there, so a time
// typed whole, or a number typed into the section under the cursor, changes
// nothing or lands in the wrong sections. Here the digits typed fill the
// section the cursor is in, from its start, and go on into the next one once
// it is full; a separator typed ends a section early (its digits taken as a
// number: "8:" is 08), and so does leaving the field or Enter. A digit or a
// separator counts by the character it makes, whatever keys the layout needs
// for it (Shift, AltGr); a modifier pressed on its own changes nothing. A
// section ended makes the value when the whole text is a valid time. A text
// that is no time (31 February, hour 25) is taken back whole when the typing
// ends, never moved to another date, and the operator is told; the click that
// ended such a typing elsewhere only ends it. Made for fixed-width formats
// (yyyy, MM, dd, HH, mm, ss); other formats type as the plain field does.

#include <QDateTimeEdit>
#include <QVector>

class TypedDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit TypedDateTimeEdit(QWidget *parent = nullptr);

    // What the operator is told when the typed text is no time.
    static QString noSuchTimeText(const QString &typed, const QString &kept);
    static constexpr int NoSuchTimeMs = 4000;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // A click into the text places the cursor where the next typing starts.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Section
    {
        int start;
        int width;
    };
    QVector<Section> sections() const;
    int sectionAt(int position) const;
    // Takes the typed text when it is a valid time; true when taken.
    bool takeTyped();
    // A section left with fewer digits than it holds is ended: its digits
    // right-aligned with zeros.
    void endSection();
    // Ends the typing; a text that is no time is taken back and said (true).
    bool finishTyping();
    void stopTyping();
    void showTyped(int cursor);

    QString m_typed;         // the text being typed; empty when not typing
    QDateTime m_before;      // the value when the typing began
    int m_section = -1;      // the section the next digit goes into
    QString m_digits;        // the digits typed into it so far
    bool m_advanced = false; // the last digit filled a section: a separator after it is already done
};
