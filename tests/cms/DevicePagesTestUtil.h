#pragma once

// Helpers of the device page tests: waiting for a modal dialog to appear and
// acting on it, reading the toasts on screen, and a ping probe that answers for
// chosen addresses only (no test pings what it types).

#include "MsgTipInfoDlg.h"
#include "OrmHelper.h"
#include "Platform.h"
#include "../support/StoredRows.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QRadioButton>
#include <QRect>
#include <QSet>
#include <QSlider>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace DevicePagesTest {

// A named child of a page or dialog; a missing one is reported, not guessed.
template <class T> T *child(QWidget *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning() << "missing child" << name;
    return w;
}

// Name of the running test function and data row: guards armed by one test
// must never act on the dialogs of the next.
inline QByteArray currentTestKey()
{
    QByteArray key = QTest::currentTestFunction();
    if (const char *tag = QTest::currentDataTag())
        key += '/' + QByteArray(tag);
    return key;
}

// onModal handlers armed and still waiting for their dialog.
inline int &pendingModalHandlers()
{
    static int pending = 0;
    return pending;
}

// A modal dialog nobody closes blocks exec() until the test times out. Until
// the current test function ends, watch for such a dialog: once `expired`
// says so, reject it and fail the test instead.
template <class T> void rejectStrandedModal(std::function<T *()> find, std::function<bool()> expired, const char *why)
{
    const QByteArray test = currentTestKey();
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, test, find, expired, why]() {
        if (currentTestKey() != test) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        T *dialog = find();
        if (!dialog || !dialog->isVisible() || !expired())
            return;
        timer->stop();
        timer->deleteLater();
        QTest::qFail(why, __FILE__, __LINE__);
        dialog->reject();
    });
    timer->start();
}

// What onModal returns: giveUp() ends the wait at once, as if its time were
// up, for a test that knows the dialog would have shown up by now (inside the
// click that would open it) and wants no guard left behind.
struct ModalWait
{
    std::function<void()> giveUp = [] {};
};

// Runs act on the first modal dialog of type T that shows up within timeoutMs.
// Giving up is not a failure by itself (some tests use a short wait as a guard
// against a dialog that must not come), but a T that shows up later with no
// other handler waiting, or a dialog act leaves open for timeoutMs, is
// rejected and fails the test, so exec() always returns.
template <class T> ModalWait onModal(std::function<void(T *)> act, int timeoutMs = 10000)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    auto done = std::make_shared<bool>(false);
    clock->start();
    timer->setInterval(10);
    ++pendingModalHandlers();
    const auto finish = [timer, done]() {
        *done = true;
        timer->stop();
        timer->deleteLater();
        --pendingModalHandlers();
    };
    const auto giveUp = [done, finish]() {
        if (*done)
            return;
        finish();
        rejectStrandedModal<T>([] { return qobject_cast<T *>(QApplication::activeModalWidget()); },
                               [] { return pendingModalHandlers() == 0; },
                               "a modal dialog showed up after onModal gave up waiting for it");
    };
    QObject::connect(timer, &QTimer::timeout, [clock, done, finish, giveUp, act, timeoutMs]() {
        if (*done)
            return;
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (clock->elapsed() > timeoutMs)
                giveUp();
            return;
        }
        finish();
        QPointer<T> guard(dialog);
        act(dialog);
        // A failed check must not leave the test blocked in exec().
        if (guard && guard->isVisible() && QTest::currentTestFailed()) {
            guard->reject();
            return;
        }
        if (guard && guard->isVisible()) {
            QElapsedTimer left;
            left.start();
            rejectStrandedModal<T>([guard] { return guard.data(); },
                                   [left, timeoutMs] { return left.elapsed() > timeoutMs; },
                                   "onModal's action left its dialog open");
        }
    });
    timer->start();
    return ModalWait{giveUp};
}

// Whether act opened a modal dialog of type T, which is then rejected: a
// dialog asked for by a click opens inside the click.
template <class T> bool opensModal(const std::function<void()> &act)
{
    bool opened = false;
    const ModalWait guard = onModal<T>(
        [&opened](T *dialog) {
            opened = true;
            dialog->reject();
        },
        1000);
    act();
    guard.giveUp();
    return opened;
}

// The red frame of a field the operator has to correct, as painted.
inline bool framedRed(QWidget *field)
{
    const QImage image = field->grab().toImage();
    const QColor edge = image.pixelColor(0, image.height() / 2);
    return edge.red() > 180 && edge.green() < 110 && edge.blue() < 110;
}

// A slider as painted tells a value by its handle and its filled part:
// without them every column of its picture looks the same but at the ends.
inline bool sliderShowsValue(QWidget *slider)
{
    const QImage image = slider->grab().toImage();
    for (int x = 4; x < image.width() - 4; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != image.pixel(4, y))
                return true;
        }
    }
    return false;
}

// What the visible controls of a page show, as "name=value": texts, entries,
// numbers, boxes on or off (neither: nothing), a radio button chosen, a
// slider's position. The operator's own choices named in theirs (the
// channel shown, a time to set), and what lies inside them, are left out.
inline QStringList shownValues(QWidget *page, const QStringList &theirs = {})
{
    const auto operatorChoice = [&](const QWidget *w) {
        for (; w && w != page; w = w->parentWidget()) {
            if (theirs.contains(w->objectName()))
                return true;
        }
        return false;
    };
    QStringList shown;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(page) || operatorChoice(w))
            continue;
        const QWidget *owner = w->parentWidget();
        QString value;
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            value = spin->text();
        else if (auto *list = qobject_cast<QComboBox *>(w))
            value = list->currentText();
        else if (auto *edit = qobject_cast<QLineEdit *>(w);
                 edit && !qobject_cast<const QAbstractSpinBox *>(owner) && !qobject_cast<const QComboBox *>(owner))
            value = edit->text();
        else if (auto *box = qobject_cast<QCheckBox *>(w); box && box->checkState() != Qt::PartiallyChecked)
            value = box->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else if (auto *radio = qobject_cast<QRadioButton *>(w); radio && radio->isChecked())
            value = QStringLiteral("chosen");
        else if (auto *slider = qobject_cast<QSlider *>(w); slider && sliderShowsValue(slider))
            value = QString::number(slider->value());
        if (!value.isEmpty())
            shown << w->objectName() + QLatin1Char('=') + value;
    }
    return shown;
}

// Where the texts and buttons of a page are drawn in its window (the marks
// of a configuration page left out).
inline QMap<QString, QRect> placesOf(QWidget *page)
{
    QMap<QString, QRect> places;
    int index = 0;
    for (QWidget *w : page->findChildren<QWidget *>()) {
        const bool text = qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w);
        const QString name = w->objectName();
        if (!text || !w->isVisibleTo(page) || name == QLatin1String("labelReadFailed")
            || name == QLatin1String("labelNotSaved"))
            continue;
        places.insert(QStringLiteral("%1 #%2").arg(w->objectName()).arg(index++),
                      QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()));
    }
    return places;
}

inline QStringList toastTexts()
{
    QStringList texts;
    for (QWidget *w : QApplication::allWidgets()) {
        auto *toast = qobject_cast<MsgTipInfoDlg *>(w);
        if (!toast)
            continue;
        if (auto *label = toast->findChild<QLabel *>(QStringLiteral("labelText")))
            texts << label->text();
    }
    return texts;
}

// Every toast shown while the log lives, in order: what the operator was
// told, also once the toast has gone.
class ToastLog : public QObject
{
public:
    ToastLog() { qApp->installEventFilter(this); }
    ~ToastLog() override { qApp->removeEventFilter(this); }
    QStringList said() const { return m_said; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *toast = event->type() == QEvent::Show ? qobject_cast<MsgTipInfoDlg *>(watched) : nullptr;
        if (auto *label = toast ? toast->findChild<QLabel *>(QStringLiteral("labelText")) : nullptr)
            m_said << label->text();
        return false;
    }

private:
    QStringList m_said;
};

// The device as the client's database holds it (found by its address); an
// empty record when there is none.
inline FUN_DEV_INFO storedDevice(const QString &ip)
{
    FUN_DEV_INFO stored;
    const auto groups = storedGroups();
    for (const auto &row : storedDevices()) {
        FUN_DEV_INFO dev;
        OrmHelper::devFromRow(*row, &dev, groups);
        if (dev.ip == ip)
            stored = dev;
    }
    return stored;
}

inline void closeToasts()
{
    QList<QPointer<MsgTipInfoDlg>> toasts;
    for (QWidget *w : QApplication::allWidgets()) {
        if (auto *toast = qobject_cast<MsgTipInfoDlg *>(w))
            toasts << toast;
    }
    for (const QPointer<MsgTipInfoDlg> &toast : toasts)
        delete toast.data();
}

// Fake ping: answers for the addresses in the set, records what was asked.
struct FakePing
{
    QSet<QString> answering;
    QStringList asked;

    void install()
    {
        Platform::setPingProbe([this](const QString &ip) {
            asked << ip;
            return answering.contains(ip);
        });
    }
};

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs = 10000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace DevicePagesTest
