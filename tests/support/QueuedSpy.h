#pragma once

#include <QList>
#include <QMetaMethod>
#include <QObject>
#include <QVariant>

// What QSignalSpy records, taken in the test's thread. The players and
// recorders emit from their own threads, where a QSignalSpy would append to
// its list while the test reads it; this one is called queued instead.
class QueuedSpy : public QObject, public QList<QList<QVariant>>
{
public:
    template <typename Object, typename Signal>
    QueuedSpy(const Object *sender, Signal signal)
        : m_signal(QMetaMethod::fromSignal(signal))
    {
        QMetaObject::connect(sender, m_signal.methodIndex(), this, QObject::staticMetaObject.methodCount(),
                             Qt::QueuedConnection);
    }
    int qt_metacall(QMetaObject::Call call, int id, void **args) override
    {
        id = QObject::qt_metacall(call, id, args);
        if (id < 0 || call != QMetaObject::InvokeMetaMethod)
            return id;
        if (id == 0) {
            QList<QVariant> values;
            for (int i = 0; i < m_signal.parameterCount(); ++i)
                values << QVariant(m_signal.parameterType(i), args[i + 1]);
            append(values);
        }
        return id - 1;
    }

private:
    QMetaMethod m_signal;
};
