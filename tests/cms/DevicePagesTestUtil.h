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
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

namespace DevicePagesTest {

// A named child of a page or dialog; a missing one is reported, not guessed.
template<class T>
T *child(QWidget *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning() << "missing child" << name;
    return w;
}

// Runs act on the first modal dialog of type T that shows up within timeoutMs.
template<class T>
void onModal(std::function<void(T *)> act, int timeoutMs = 10000)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs]() {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if ((dialog && dialog->isVisible()) || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            if (!dialog)
                return;
            QPointer<T> guard(dialog);
            act(dialog);
            // A failed check must not leave the test blocked in exec().
            if (guard && guard->isVisible() && QTest::currentTestFailed())
                guard->reject();
        }
    });
    timer->start();
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
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace DevicePagesTest
