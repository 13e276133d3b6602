#pragma once

// What a configuration page read, and which of its values the operator
// changed since: the one rule of every Save of a device page.
//
// What a page or dialog may rely on:
//
// - setReported() keeps the values a read delivered, as texts exactly as
//   they came (key: the element's name, or any name the page chooses).
//
// - watch() ties a control to a key. Only the operator's acts mark the key
//   edited: a combo box's activated (and, when editable, its text typed), a
//   button's clicked, a slider moved or stepped by the operator, a line
//   edit's textEdited, a spin box's or date editor's value changed while no
//   fill runs. watchSignal() ties any other signal of a page's own control.
//   Comparing what a control shows with what it showed is never used: a
//   control that can only show a value approximately would send the
//   approximation back.
//
// - Filling: a page fills its controls inside a Filling scope. The watched
//   controls' signals are blocked while it lasts, nothing is marked, and at
//   its end every mark is forgotten: the page shows what was read, untouched.
//
// - Picking again, in a list, the entry it shows is no change of value: a
//   reported value still goes back as it came.
//
// - mark(key): a change the page makes on the operator's behalf ("Default",
//   a list rebuilt for the resolution the operator chose).
//
// - send(key, fromControl): what a Save sends for the key: the reported text
//   while the operator did not act on it, the control's value once he did,
//   or when the device reported no such value.
//
// - A reported value a list has no entry for gets an entry of its own
//   (selectOrAdd(): shown as its number or text, its data the reported
//   text), so any listed entry the operator picks is a change and is sent.

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVariant>

class QComboBox;
class QWidget;

class OperatorEdits : public QObject
{
    Q_OBJECT

public:
    using Values = QHash<QString, QString>;

    explicit OperatorEdits(QObject *parent = nullptr);
    ~OperatorEdits() override;

    // ---- what was read
    void setReported(const Values &reported);
    void clearReported() { m_reported.clear(); }
    const Values &reported() const { return m_reported; }
    bool has(const QString &key) const { return m_reported.contains(key); }
    QString value(const QString &key) const { return m_reported.value(key); }

    // ---- what the operator did
    // Watching the same control under the same key again changes nothing.
    void watch(const QString &key, QWidget *control);
    // The page has just shown the read value of key in control: watched from
    // now on, and nothing done before counts as the operator's.
    void filled(const QString &key, QWidget *control);
    template <typename Sender, typename Signal> void watchSignal(const QString &key, Sender *sender, Signal signal)
    {
        connect(sender, signal, this, [this, key] { acted(key); });
        keep(sender);
    }
    void mark(const QString &key) { m_edited.insert(key); }
    void unmark(const QString &key) { m_edited.remove(key); }
    bool edited(const QString &key) const { return m_edited.contains(key); }
    bool anyEdited() const { return !m_edited.isEmpty(); }
    QSet<QString> editedKeys() const { return m_edited; }
    // Forgets every mark (after a fill, after a successful Save and re-read).
    void reset() { m_edited.clear(); }
    bool filling() const { return m_filling > 0; }

    // What the watched controls show now, key by key (a page says with it
    // what it shows, ConfigPageSession::setShowing()): a list or an edit its
    // text, a check box or radio button its state and text, a slider its
    // value. A key watched only through a signal is the page's to add.
    Values shown() const;

    // ---- what a Save sends
    QString send(const QString &key, const QString &fromControl) const;
    // For a page that keeps what was read in its own map (values): values[key]
    // becomes fromControl when the operator acted on key or values has no
    // such key (then the reported text when setReported() has one);
    // otherwise values[key] stays as read.
    // Values: a QHash or QMap of QString to QString.
    template <typename Map> void take(Map &values, const QString &key, const QString &fromControl) const
    {
        if (m_edited.contains(key))
            values.insert(key, fromControl);
        else if (!values.contains(key))
            values.insert(key, m_reported.value(key, fromControl));
    }

    // Selects the item whose data is value; without one, adds an item shown
    // as shownText (the value itself when empty) with value as its data.
    // Returns the index selected. Run it inside a Filling scope.
    static int selectOrAdd(QComboBox *box, const QVariant &value, const QString &shownText = QString());

    // Blocks the watched controls' signals and ignores their acts while it
    // lives; forgets every mark at its end.
    class Filling
    {
    public:
        explicit Filling(OperatorEdits &edits);
        ~Filling();
        Filling(const Filling &) = delete;
        Filling &operator=(const Filling &) = delete;

    private:
        OperatorEdits &m_edits;
        QList<QPair<QPointer<QObject>, bool>> m_blocked;
    };

signals:
    // The operator acted on a watched control.
    void operatorActed(const QString &key);

private:
    void acted(const QString &key);
    void keep(QObject *control);
    void picked(const QString &key, QComboBox *combo, int index);

    Values m_reported;
    QSet<QString> m_edited;
    QList<QPointer<QObject>> m_controls; // watched, blocked while filling
    QSet<QPair<QString, QObject *>> m_watched;
    // Lists whose entry changed since they were filled.
    QSet<QObject *> m_moved;
    int m_filling = 0;
};
