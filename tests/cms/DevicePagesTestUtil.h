#pragma once

// Helpers of the device page tests: waiting for a modal dialog to appear and
// acting on it, reading the toasts on screen, and a ping probe that answers for
// chosen addresses only (no test pings what it types).

#include "MsgTipInfoDlg.h"
#include "Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSet>
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

// The red frame of a field the operator has to correct, as painted.
inline bool framedRed(QWidget *field)
{
    const QImage image = field->grab().toImage();
    const QColor edge = image.pixelColor(0, image.height() / 2);
    return edge.red() > 180 && edge.green() < 110 && edge.blue() < 110;
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
