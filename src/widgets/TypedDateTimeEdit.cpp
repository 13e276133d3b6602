#include "TypedDateTimeEdit.h"

#include "MsgTipInfoDlg.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>

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

// A press that brings no character of its own: the character comes with the
// next press (Shift held for ':' on a US layout or for the digits on a Czech
// one, a dead key before its letter).
bool bringsNoCharacter(const QKeyEvent *event)
{
    if (!event->text().isEmpty())
        return false;
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_Multi_key:
    case Qt::Key_unknown:
        return true;
    default:
        return event->key() >= Qt::Key_Dead_Grave && event->key() <= Qt::Key_Dead_Horn;
    }
}

// The digit ('0' to '9') or separator a press types, by its text; null for
// anything else. Shift and AltGr (Ctrl+Alt on some systems) are part of
// typing on many layouts; Ctrl or Alt alone makes a shortcut.
QChar typedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1)
        return QChar();
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier))
        return QChar();
    const QChar c = text.at(0);
    if (c.isDigit() && c.digitValue() >= 0)
        return QChar(QLatin1Char('0').unicode() + c.digitValue());
    return isSeparator(c) ? c : QChar();
}

// Swallows the mouse press under way on `taker` (or inside it): the press
// that took the focus from a field whose typing was just refused. It goes
// once that press has passed.
class SwallowsPress : public QObject
{
public:
    SwallowsPress(QWidget *taker, QObject *owner)
        : QObject(owner)
        , m_taker(taker)
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!m_taker || !widget || (widget != m_taker && !m_taker->isAncestorOf(widget)))
            return false;
        qApp->removeEventFilter(this);
        return true;
    }

private:
    QPointer<QWidget> m_taker;
};

} // namespace

QString TypedDateTimeEdit::noSuchTimeText(const QString &typed, const QString &kept)
{
    return tr("%1 does not exist. The field keeps %2.").arg(typed, kept);
}

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
    // Shift pressed for the next character ends nothing and touches nothing:
    // handed to the plain field, it would make the field correct the text
    // typed so far (31 February to the 28th).
    if (bringsNoCharacter(event)) {
        event->ignore();
        return;
    }
    const QVector<Section> all = sections();
    const QChar c = typedCharacter(event);
    const bool typed = !all.isEmpty() && !isReadOnly() && !c.isNull();
    if (!typed) {
        // Enter after a refused typing confirms nothing: the time put back
        // is not the one the operator meant.
        if (finishTyping() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            event->accept();
            return;
        }
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    QLineEdit *line = lineEdit();
    if (m_typed.isEmpty()) {
        m_typed = line->text();
        m_before = dateTime();
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
    showTyped(all[m_section].start + m_digits.size());
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
    showTyped(lineEdit()->cursorPosition());
    takeTyped();
}

bool TypedDateTimeEdit::finishTyping()
{
    endSection();
    if (m_typed.isEmpty() || takeTyped()) {
        stopTyping();
        return false;
    }
    const QString typed = m_typed;
    const QDateTime before = m_before;
    stopTyping();
    // Taken back whole, to the time before the typing: the plain field would
    // move 31 February to the 28th, another day than the one typed.
    setDateTime(before);
    MsgTipInfoDlg::showTip(noSuchTimeText(typed, lineEdit()->text()), NoSuchTimeMs);
    return true;
}

void TypedDateTimeEdit::showTyped(int cursor)
{
    // Shown only: the plain field would take a text that happens to be a
    // valid time as the value at once, and would move a day the month lacks
    // (31 February) to its last one, on the text and on the cursor's moves.
    const QSignalBlocker quiet(lineEdit());
    if (lineEdit()->text() != m_typed) {
        const QValidator *checker = lineEdit()->validator();
        lineEdit()->setValidator(nullptr);
        lineEdit()->setText(m_typed);
        lineEdit()->setValidator(checker);
    }
    lineEdit()->setCursorPosition(cursor);
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
    // A click on a button that ended a refused typing does not act on the
    // time put back, which the operator has not seen yet: the focus moves,
    // the button stays unpressed.
    if (finishTyping() && event->reason() == Qt::MouseFocusReason && QApplication::focusWidget()
        && QApplication::focusWidget() != this)
        new SwallowsPress(QApplication::focusWidget(), this);
    QDateTimeEdit::focusOutEvent(event);
}

bool TypedDateTimeEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        finishTyping();
    return QDateTimeEdit::eventFilter(watched, event);
}
