#include "OperatorEdits.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStringList>

OperatorEdits::OperatorEdits(QObject *parent)
    : QObject(parent)
{
}

OperatorEdits::~OperatorEdits() = default;

void OperatorEdits::setReported(const Values &reported)
{
    m_reported = reported;
}

void OperatorEdits::keep(QObject *control)
{
    for (const QPointer<QObject> &known : qAsConst(m_controls)) {
        if (known == control)
            return;
    }
    m_controls.append(control);
}

void OperatorEdits::acted(const QString &key)
{
    if (m_filling > 0)
        return;
    m_edited.insert(key);
    emit operatorActed(key);
}

void OperatorEdits::watch(const QString &key, QWidget *control)
{
    if (!control || m_watched.contains(qMakePair(key, static_cast<QObject *>(control))))
        return;
    m_watched.insert(qMakePair(key, static_cast<QObject *>(control)));
    // A control destroyed and another made at its address is watched anew.
    connect(control, &QObject::destroyed, this, [this, key, control] {
        m_watched.remove(qMakePair(key, static_cast<QObject *>(control)));
        m_moved.remove(control);
    });
    keep(control);
    const auto mark = [this, key] { acted(key); };
    if (auto *combo = qobject_cast<QComboBox *>(control)) {
        // A list announces the new entry before the pick; the same entry
        // picked again announces none.
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, combo] {
            if (m_filling == 0)
                m_moved.insert(combo);
        });
        connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                [this, key, combo](int index) { picked(key, combo, index); });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, mark);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        connect(button, &QAbstractButton::clicked, this, mark);
    } else if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
        connect(slider, &QAbstractSlider::sliderMoved, this, mark);
        // Keys, clicks on the groove and the wheel (as a move) step the
        // slider; a value the page sets triggers no action.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, key](int action) {
            if (action != QAbstractSlider::SliderNoAction)
                acted(key);
        });
    } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, mark);
    } else if (auto *real = qobject_cast<QDoubleSpinBox *>(control)) {
        connect(real, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, mark);
    } else if (auto *date = qobject_cast<QDateTimeEdit *>(control)) {
        connect(date, &QDateTimeEdit::dateTimeChanged, this, mark);
    } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        connect(line, &QLineEdit::textEdited, this, mark);
    }
}

void OperatorEdits::filled(const QString &key, QWidget *control)
{
    watch(key, control);
    unmark(key);
    m_moved.remove(control);
}

void OperatorEdits::picked(const QString &key, QComboBox *combo, int index)
{
    if (!m_moved.contains(combo) && index == combo->currentIndex() && !combo->isEditable())
        return;
    acted(key);
}

namespace {

QString shownBy(const QObject *control)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // Said as the operator sees it: the box and its text.
        const QChar box = button->isChecked() ? QChar(0x2611) : QChar(0x2610);
        return button->text().isEmpty() ? QString(box) : box + QLatin1Char(' ') + button->text();
    }
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(control))
        return QString::number(slider->value());
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(control))
        return spin->text();
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    return QString();
}

} // namespace

OperatorEdits::Values OperatorEdits::shown() const
{
    // A key shown by several controls: their texts in the order they were watched.
    QHash<QString, QStringList> texts;
    for (const QPointer<QObject> &control : m_controls) {
        // A button clicked for an action ("Default") shows no value.
        const auto *button = qobject_cast<const QAbstractButton *>(control.data());
        if (!control || (button && !button->isCheckable()))
            continue;
        for (const auto &watched : m_watched) {
            if (watched.second == control.data())
                texts[watched.first] << shownBy(control.data());
        }
    }
    Values values;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        values.insert(it.key(), it.value().join(QStringLiteral(" / ")));
    return values;
}

QString OperatorEdits::send(const QString &key, const QString &fromControl) const
{
    const auto it = m_reported.constFind(key);
    if (it == m_reported.cend() || m_edited.contains(key))
        return fromControl;
    return it.value();
}

int OperatorEdits::selectOrAdd(QComboBox *box, const QVariant &value, const QString &shownText)
{
    if (!box)
        return -1;
    int at = box->findData(value);
    if (at < 0) {
        box->addItem(shownText.isEmpty() ? value.toString() : shownText, value);
        at = box->count() - 1;
    }
    box->setCurrentIndex(at);
    return at;
}

OperatorEdits::Filling::Filling(OperatorEdits &edits)
    : m_edits(edits)
{
    ++m_edits.m_filling;
    for (const QPointer<QObject> &control : qAsConst(m_edits.m_controls)) {
        if (control)
            m_blocked.append(qMakePair(control, control->blockSignals(true)));
    }
}

OperatorEdits::Filling::~Filling()
{
    for (int i = m_blocked.size() - 1; i >= 0; --i) {
        if (QObject *control = m_blocked.at(i).first)
            control->blockSignals(m_blocked.at(i).second);
    }
    if (--m_edits.m_filling == 0) {
        m_edits.reset();
        m_edits.m_moved.clear();
    }
}
