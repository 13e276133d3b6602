#include "TypedDateTimeEdit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

namespace {

bool isSectionLetter(QChar c)
{
    return c == QLatin1Char('y') || c == QLatin1Char('M') || c == QLatin1Char('d') || c == QLatin1Char('H')
           || c == QLatin1Char('h') || c == QLatin1Char('m') || c == QLatin1Char('s');
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('-') || c == QLatin1Char(':') || c == QLatin1Char(' ') || c == QLatin1Char('/')
           || c == QLatin1Char('.');
}

} // namespace

TypedDateTimeEdit::TypedDateTimeEdit(QWidget *parent)
    : QDateTimeEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

QVector<TypedDateTimeEdit::Section> TypedDateTimeEdit::sections() const
{
    // Only formats whose text has the format's own length: every section
    // two digits wide, or four for the year.
    QVector<Section> out;
    const QString format = displayFormat();
    for (int i = 0; i < format.size();) {
        if (!isSectionLetter(format[i])) {
            if (format[i].isLetter() || format[i] == QLatin1Char('\''))
                return {};
            ++i;
            continue;
        }
        int j = i;
        while (j < format.size() && format[j] == format[i])
            ++j;
        const int width = j - i;
        if (width != (format[i] == QLatin1Char('y') ? 4 : 2))
            return {};
        out.append({i, width});
        i = j;
    }
    return out;
}

int TypedDateTimeEdit::sectionAt(int position) const
{
    const QVector<Section> all = sections();
    for (int i = 0; i < all.size(); ++i)
        if (position <= all[i].start + all[i].width)
            return i;
    return all.size() - 1;
}

void TypedDateTimeEdit::keyPressEvent(QKeyEvent *event)
{
    const QVector<Section> all = sections();
    const QString text = event->text();
    const QChar c = text.size() == 1 ? text[0] : QChar();
    const bool typed = !all.isEmpty() && !isReadOnly()
                       && (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0
                       && (c.isDigit() || isSeparator(c));
    if (!typed) {
        endSection();
        stopTyping();
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    QLineEdit *line = lineEdit();
    if (m_typed.isEmpty()) {
        m_typed = line->text();
        // A selection of the whole text is replaced from its start; else the
        // section under the cursor (or the selection's start) is typed anew.
        m_section = line->hasSelectedText() && line->selectedText() == m_typed
                        ? 0
                        : sectionAt(line->hasSelectedText() ? line->selectionStart() : line->cursorPosition());
        m_digits.clear();
        m_advanced = false;
    }
    if (m_typed.size() != displayFormat().size() || m_section < 0) {
        // A text of another length (a special value): the plain field's typing.
        stopTyping();
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    if (isSeparator(c)) {
        // A separator right after a full section was already passed.
        if (!m_advanced) {
            endSection();
            if (m_section < all.size() - 1)
                ++m_section;
        }
        m_advanced = false;
    } else {
        const Section s = all[m_section];
        m_digits += c;
        m_typed.replace(s.start, s.width, m_digits.rightJustified(s.width, QLatin1Char('0')));
        m_advanced = false;
        // A section is taken once it is whole: "1" on the way to "13" is
        // no January.
        if (m_digits.size() == s.width) {
            m_digits.clear();
            if (m_section < all.size() - 1) {
                ++m_section;
                m_advanced = true;
            }
            takeTyped();
        }
    }
    const int cursor = all[m_section].start + m_digits.size();
    showTyped();
    line->setCursorPosition(cursor);
    event->accept();
}

bool TypedDateTimeEdit::takeTyped()
{
    QDateTime value = QLocale::c().toDateTime(m_typed, displayFormat());
    if (!value.isValid() || value < minimumDateTime() || value > maximumDateTime())
        return false;
    value.setTimeSpec(timeSpec());
    const QString typed = m_typed;
    setDateTime(value);
    // The field writes its text anew; the typing goes on where it was.
    m_typed = typed;
    return true;
}

void TypedDateTimeEdit::endSection()
{
    if (m_typed.isEmpty() || m_digits.isEmpty())
        return;
    const Section s = sections().value(m_section);
    m_typed.replace(s.start, s.width, m_digits.rightJustified(s.width, QLatin1Char('0')));
    m_digits.clear();
    showTyped();
    takeTyped();
}

void TypedDateTimeEdit::showTyped()
{
    // Shown only: the plain field would take a text that happens to be a
    // valid time as the value at once.
    if (lineEdit()->text() == m_typed)
        return;
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(m_typed);
}

void TypedDateTimeEdit::stopTyping()
{
    m_typed.clear();
    m_digits.clear();
    m_section = -1;
    m_advanced = false;
}

void TypedDateTimeEdit::focusOutEvent(QFocusEvent *event)
{
    endSection();
    stopTyping();
    QDateTimeEdit::focusOutEvent(event);
}

bool TypedDateTimeEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        endSection();
        stopTyping();
    }
    return QDateTimeEdit::eventFilter(watched, event);
}
