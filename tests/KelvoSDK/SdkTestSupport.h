#pragma once

// Shared pieces of the protocol tests: scaled timings, loopback addresses
// owned by the test, and a recorder of what the facade relays.

#include "KelvoSDKHelper.h"
#include "PrivateProto.h"
#include "SimDevice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QTest>
#include <QUdpSocket>

// Each simulated device gets an address of its own, so sessions of one test
// process never share a key.
inline QHostAddress nextLoopback()
{
    static quint32 counter = 0;
    ++counter;
    const quint32 base = (127u << 24) | (42u << 16);
    return QHostAddress(base + ((counter / 250) << 8) + (counter % 250) + 1);
}

struct Received
{
    RecvInfo info;
    int cmd = -1;
    qint64 atMs = 0;
};

class FacadeRecorder : public QObject
{
    Q_OBJECT

public:
    FacadeRecorder()
    {
        m_clock.start();
        auto *sdk = KelvoSDKHelper::instance();
        connect(sdk, &KelvoSDKHelper::signalCommonInfo, this, [this](const RecvInfo &info) {
            Received r;
            r.info = info;
            r.cmd = PrivateProto::headCommand(info.xml);
            r.atMs = m_clock.elapsed();
            messages.append(r);
        });
        connect(sdk, &KelvoSDKHelper::recvConnectDev, this,
                [this](const loginDev &dev) { connects.append(qMakePair(dev, m_clock.elapsed())); });
        connect(sdk, &KelvoSDKHelper::disconnectDev, this,
                [this](const loginDev &dev) { disconnects.append(qMakePair(dev, m_clock.elapsed())); });
    }

    QList<Received> of(const QString &ip, int cmd = -1, int channel = -1) const
    {
        QList<Received> out;
        for (const Received &r : messages)
            if (r.info.ip == ip && (cmd < 0 || r.cmd == cmd) && (channel < 0 || r.info.channel == channel))
                out.append(r);
        return out;
    }
    int count(const QString &ip, int cmd) const { return of(ip, cmd).size(); }
    int connectCount(const QString &ip) const
    {
        int n = 0;
        for (const auto &c : connects)
            n += c.first.ip == ip ? 1 : 0;
        return n;
    }
    QList<qint64> disconnectTimes(const QString &ip) const
    {
        QList<qint64> out;
        for (const auto &c : disconnects)
            if (c.first.ip == ip)
                out.append(c.second);
        return out;
    }
    qint64 now() const { return m_clock.elapsed(); }

    QList<Received> messages;
    QList<QPair<loginDev, qint64>> connects;
    QList<QPair<loginDev, qint64>> disconnects;

private:
    QElapsedTimer m_clock;
};

inline SdkTimings fastTimings()
{
    SdkTimings t;
    t.heartbeatIntervalMs = 400;
    t.replyTimeoutMs = 150;
    t.reconnectUnitMs = 25;
    t.uploadBurstGapMs = 100;
    return t;
}

inline QString loginBody(const QString &user, const QString &password)
{
    return QStringLiteral("<userName>%1</userName><password>%2</password>")
        .arg(PrivateProto::escapeText(user), PrivateProto::escapeText(password));
}

// Whether some time has passed, told without measuring it: the timers of one
// thread fire in the order of their deadlines, however late the thread runs.
// Armed before the code under test arms its own timer for a longer interval,
// it has passed by the time anything that timer causes is seen on this
// thread; a load that holds the thread up holds both up alike.
class Deadline
{
public:
    explicit Deadline(int ms)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { m_passed = true; });
        m_timer.start(ms);
    }
    bool passed() const { return m_passed; }

private:
    QTimer m_timer;
    bool m_passed = false;
};

// The one fixed wait of these tests, for checks that something does NOT
// happen (no reconnect, no stray chunk, no late heartbeat): the event loop
// runs for ms, and the caller then looks that nothing came. Never use it to
// wait for something that should happen.
inline void expectNothingFor(int ms)
{
    QTest::qWait(ms);
}

// Logs every session of keys out and waits until each is destroyed (its
// deferred deletion has run), so that the next test starts without them.
inline bool logoutAndWait(const QList<loginDev> &keys, int timeoutMs = 10000)
{
    auto *sdk = KelvoSDKHelper::instance();
    QList<QPointer<TcpClient>> sessions;
    for (const loginDev &k : keys) {
        if (TcpClient *s = sdk->session(k))
            sessions.append(s);
        sdk->logoutDev(k);
    }
    return QTest::qWaitFor(
        [&] {
            for (const QPointer<TcpClient> &s : qAsConst(sessions))
                if (s)
                    return false;
            return true;
        },
        timeoutMs);
}

// A version query sent now reaches the device after everything the session
// sent before it, and its reply comes after everything the device had sent:
// once the reply reaches the caller, the device has read what the session
// sent, and the session has read and handled every byte before the reply
// (stream frames included, which then wait in the worker's queue).
inline bool wireDrained(FacadeRecorder &rec, const loginDev &key, int timeoutMs = 20000)
{
    const int replies = rec.count(key.ip, 14002);
    KelvoSDKHelper::instance()->sendCmd(key, 14002, 0);
    return QTest::qWaitFor([&] { return rec.count(key.ip, 14002) > replies; }, timeoutMs);
}

// Loopback hands a datagram to the receiving socket within the send: once
// none of owner's bound UDP sockets holds one, owner has read every datagram
// sent to it so far.
inline bool datagramsRead(const QObject &owner)
{
    for (QUdpSocket *socket : owner.findChildren<QUdpSocket *>())
        if (socket->state() == QAbstractSocket::BoundState && socket->hasPendingDatagrams())
            return false;
    return true;
}
