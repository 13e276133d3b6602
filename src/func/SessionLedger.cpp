#include "SessionLedger.h"

#include "DeviceCommands.h"
#include "KelvoSDKHelper.h"
#include "RecordKeeper.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <functional>

namespace {

QString sessionOf(const loginDev &key)
{
    return key.ip + QLatin1Char('#') + QString::number(key.channel);
}

// What the ledger tells the conversations once its own books are straight:
// a handler may write the next request at once.
using Notices = QList<std::function<void()>>;

bool g_gone = false;

void dispatch(const Notices &notices)
{
    for (const auto &notice : notices)
        notice();
}

} // namespace

void SessionLedger::settleLater(Notices &notices, const QPointer<ConfigConversation> &owner, quint64 id, ReplyFate fate,
                                RecordFate record)
{
    if (!owner)
        return;
    notices.append([owner, id, fate, record] {
        if (owner)
            owner->settled(id, fate, record);
    });
}

void SessionLedger::settleOwed(Notices &notices, const loginDev &key, const Owed &owed, ReplyFate fate)
{
    RecordFate record = RecordFate::None;
    if (owed.change.isSet()) {
        ConfigReply reply;
        reply.fate = fate;
        reply.written = owed.seq;
        record =
            RecordKeeper::instance()->settle(key, owed.change, reply, owed.owner && owed.owner->hears(owed.id)).fate;
    }
    settleLater(notices, owed.owner, owed.id, fate, record);
}

void SessionLedger::settleChange(Session &session, const Owed &owed, ConfigReply &reply)
{
    reply.written = owed.seq;
    if (!owed.change.isSet())
        return;
    const bool heard = owed.owner && owed.owner->hears(owed.id);
    const RecordKeeper::Settled settled = RecordKeeper::instance()->settle(session.key, owed.change, reply, heard);
    reply.record = settled.fate;
    // The device logs in anew with what the record took: nothing more goes
    // out on this connection, what waits goes out on the fresh one.
    if (settled.relogs)
        session.closing = true;
}

int SessionLedger::heldMs()
{
    // A device logging in anew answers well within this, also a slow one.
    return std::max(2 * ConfigConversation::timeoutMs(), 15000);
}

void SessionLedger::endSession(const QString &name, Session &session, Notices &notices)
{
    const qint64 until = m_clock.elapsed() + heldMs();
    for (auto it = session.lines.cbegin(); it != session.lines.cend(); ++it) {
        for (const Owed &o : it->owed)
            settleOwed(notices, session.key, o, ReplyFate::ConnectionLost);
        // Never written: a Save waits for the fresh session, the rest goes
        // with this one unless the session was ended on purpose.
        for (const Waiting &w : it->waiting) {
            if ((w.save || session.closing) && w.owner)
                m_held[name].append(Held{w, it.key(), until});
            else
                settleLater(notices, w.owner, w.id, ReplyFate::ConnectionLost);
        }
    }
    for (const std::function<void()> &then : std::exchange(session.afterOwed, {}))
        QTimer::singleShot(0, this, then);
}

void SessionLedger::afterOwed(const loginDev &key, std::function<void()> then)
{
    const QString name = sessionOf(key);
    const auto session = m_sessions.find(name);
    if (session == m_sessions.end() || session->client != KelvoSDKHelper::instance()->session(key)) {
        QTimer::singleShot(0, this, then);
        return;
    }
    session->afterOwed.append(std::move(then));
    runIfQuiet(name);
}

void SessionLedger::runIfQuiet(const QString &name)
{
    const auto session = m_sessions.find(name);
    if (session == m_sessions.end() || session->afterOwed.isEmpty())
        return;
    // An answer past its deadline may never come: not waited for.
    for (const Line &line : qAsConst(session->lines)) {
        for (const Owed &o : line.owed) {
            if (!o.expired)
                return;
        }
    }
    for (const std::function<void()> &then : std::exchange(session->afterOwed, {}))
        QTimer::singleShot(0, this, then);
}

bool SessionLedger::gone()
{
    return g_gone;
}

SessionLedger::~SessionLedger()
{
    // Conversations that outlive it (its own orphans, the record keeper's)
    // detach from nothing.
    g_gone = true;
}

SessionLedger *SessionLedger::instance()
{
    static SessionLedger *ledger = new SessionLedger(KelvoSDKHelper::instance());
    return ledger;
}

SessionLedger::SessionLedger(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_clock.start();
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SessionLedger::onDeadline);
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    // Direct: the facade emits in this thread, and each reply is counted
    // and handed on before the next one is looked at.
    connect(sdk, &KelvoSDKHelper::requestWritten, this, &SessionLedger::onWritten, Qt::DirectConnection);
    connect(sdk, &KelvoSDKHelper::signalCommonInfo, this, &SessionLedger::onMessage, Qt::DirectConnection);
    connect(sdk, &KelvoSDKHelper::disconnectDev, this, &SessionLedger::onDisconnected);
    connect(sdk, &KelvoSDKHelper::recvConnectDev, this, &SessionLedger::onConnected);
}

void SessionLedger::attach(ConfigConversation *conversation)
{
    if (!m_conversations.contains(conversation))
        m_conversations.append(conversation);
}

void SessionLedger::detach(ConfigConversation *conversation)
{
    m_conversations.removeAll(conversation);
}

void SessionLedger::handOver(ConfigConversation *from, ConfigConversation *to)
{
    const auto follow = [from, to](QPointer<ConfigConversation> &owner) {
        if (owner == from)
            owner = to;
    };
    for (Session &session : m_sessions) {
        for (Line &line : session.lines) {
            for (Owed &o : line.owed)
                follow(o.owner);
            for (Waiting &w : line.waiting)
                follow(w.owner);
        }
    }
    for (QList<Held> &held : m_held) {
        for (Held &h : held)
            follow(h.waiting.owner);
    }
}

SessionLedger::Session &SessionLedger::sessionFor(const loginDev &key)
{
    const QString name = sessionOf(key);
    Session &session = m_sessions[name];
    const void *client = KelvoSDKHelper::instance()->session(key);
    // Counted afresh on a new connection object (logged out and in again).
    if (session.client != client) {
        // What was owed on the old one is never answered; told once the
        // caller is done with the session.
        Notices notices;
        endSession(name, session, notices);
        if (!notices.isEmpty())
            QTimer::singleShot(0, this, [notices] { dispatch(notices); });
        session.lines.clear();
        session.client = client;
        session.started = false;
        session.closing = false;
        arm();
    }
    session.key.ip = key.ip;
    session.key.channel = key.channel;
    return session;
}

QList<ConfigConversation *> SessionLedger::conversationsOf(const QString &session) const
{
    QList<ConfigConversation *> list;
    for (ConfigConversation *c : m_conversations) {
        if (c->hasDevice() && sessionOf(c->device()) == session)
            list.append(c);
    }
    return list;
}

bool SessionLedger::mayWrite(const Line &line, bool alone)
{
    if (line.inDoubt)
        return false;
    for (const Owed &o : line.owed) {
        if (o.alone)
            return false;
    }
    return !alone || (line.owed.isEmpty() && line.unlisted == 0);
}

SessionLedger::Admission SessionLedger::admit(const loginDev &key, int replyCmd, int channel, bool alone) const
{
    const auto session = m_sessions.constFind(sessionOf(key));
    if (session == m_sessions.cend() || session->client != KelvoSDKHelper::instance()->session(key))
        return Admission::Now;
    // Written on the fresh session once the device took its login.
    if (session->closing)
        return Admission::Wait;
    const auto line = session->lines.constFind(qMakePair(replyCmd, channel));
    if (line == session->lines.cend())
        return Admission::Now;
    if (line->inDoubt)
        return Admission::Refuse;
    // Behind what waits already: the line's requests go out in the order sent.
    return line->waiting.isEmpty() && mayWrite(*line, alone) ? Admission::Now : Admission::Wait;
}

void SessionLedger::enqueue(ConfigConversation *owner, quint64 id, const loginDev &key, int replyCmd, int channel,
                            bool alone, bool save)
{
    Session &session = sessionFor(key);
    session.lines[qMakePair(replyCmd, channel)].waiting.append(Waiting{owner, id, alone, save});
}

void SessionLedger::giveUpHeld(const QString &ip)
{
    Notices notices;
    for (auto held = m_held.begin(); held != m_held.end();) {
        if (!held.key().startsWith(ip + QLatin1Char('#'))) {
            ++held;
            continue;
        }
        for (const Held &h : qAsConst(*held))
            settleLater(notices, h.waiting.owner, h.waiting.id, ReplyFate::NotSent);
        held = m_held.erase(held);
    }
    arm();
    dispatch(notices);
}

void SessionLedger::reopen(const loginDev &key)
{
    const QString name = sessionOf(key);
    const auto session = m_sessions.find(name);
    // Replaced meanwhile: what waited goes out on the fresh one.
    if (session == m_sessions.end() || session->client != KelvoSDKHelper::instance()->session(key) || !session->closing)
        return;
    session->closing = false;
    for (const QPair<int, int> &line : session->lines.keys())
        drain(name, line);
}

void SessionLedger::drain(const QString &name, QPair<int, int> lineKey)
{
    for (;;) {
        const auto session = m_sessions.find(name);
        if (session == m_sessions.end())
            return;
        const auto line = session->lines.find(lineKey);
        if (session->closing || line == session->lines.end() || line->waiting.isEmpty()
            || !mayWrite(*line, line->waiting.first().alone))
            return;
        const Waiting next = line->waiting.takeFirst();
        // Written from here: the line and the session may move meanwhile.
        if (next.owner)
            next.owner->writeWaiting(next.id);
    }
}

void SessionLedger::claim(ConfigConversation *owner, quint64 id, int replyCmd, int deadlineMs, bool save, bool alone,
                          const RecordChange &change)
{
    m_claim = Claim{owner, id, replyCmd, deadlineMs, save, alone, true, change};
}

void SessionLedger::unclaim()
{
    m_claim.active = false;
}

LineState SessionLedger::state(const loginDev &key, int replyCmd, int channel) const
{
    const auto session = m_sessions.constFind(sessionOf(key));
    if (session == m_sessions.cend() || session->client != KelvoSDKHelper::instance()->session(key))
        return LineState::InStep;
    const auto line = session->lines.constFind(qMakePair(replyCmd, channel));
    if (line == session->lines.cend() || !line->inDoubt)
        return LineState::InStep;
    return line->stalled ? LineState::Stalled : LineState::InDoubt;
}

QList<unsigned int> SessionLedger::savesOwed(const loginDev &key) const
{
    QList<unsigned int> saves;
    const auto session = m_sessions.constFind(sessionOf(key));
    if (session == m_sessions.cend())
        return saves;
    for (const Line &line : session->lines) {
        for (const Owed &o : line.owed) {
            if (o.save)
                saves.append(o.cmd);
        }
    }
    return saves;
}

void SessionLedger::onWritten(const loginDev &key, unsigned int cmd, unsigned char channel)
{
    Session &session = sessionFor(key);
    Owed owed;
    owed.cmd = cmd;
    int replyCmd = int(cmd);
    owed.deadlineMs = ConfigConversation::deadlineFor(cmd);
    owed.seq = ++m_written;
    if (m_claim.active) {
        owed.owner = m_claim.owner;
        owed.id = m_claim.id;
        owed.save = m_claim.save;
        owed.alone = m_claim.alone;
        owed.change = m_claim.change;
        replyCmd = m_claim.replyCmd;
        owed.deadlineMs = m_claim.deadlineMs;
        m_claim.active = false;
    }
    owed.deadline = m_clock.elapsed() + owed.deadlineMs;
    Line &line = session.lines[qMakePair(replyCmd, int(channel))];
    ++line.sent;
    // Owed beside others, its answer and theirs can be taken for each other.
    owed.shared = !line.owed.isEmpty() || line.unlisted > 0;
    for (Owed &o : line.owed) {
        if (o.alone && !o.shared)
            qWarning() << "request" << cmd << "of" << key.ip << "written beside one that stands alone:"
                       << "neither answer proves anything";
        o.shared = true;
    }
    line.owed.append(owed);
    Notices notices;
    while (line.owed.size() > MaxListed) {
        const Owed oldest = line.owed.takeFirst();
        ++line.unlisted;
        // Its reply is still counted when it comes; nobody waits for it.
        if (!oldest.expired)
            settleOwed(notices, key, oldest, ReplyFate::NoReply);
    }
    if (owed.change.isSet())
        RecordKeeper::instance()->written(key, owed.change, owed.seq);
    arm();
    dispatch(notices);
}

void SessionLedger::onMessage(const RecvInfo &info)
{
    if (!info.data.isEmpty())
        return;
    place(info);
    runIfQuiet(info.ip + QLatin1Char('#') + QString::number(info.channel));
    // A fresh connection is a session once the device took the login: what
    // is read before that a device may refuse.
    if (info.head.cmd != Cmd::Login || !info.head.usable || !info.head.result.ok())
        return;
    loginDev key;
    key.ip = info.ip;
    key.channel = info.channel;
    Session &session = sessionFor(key);
    if (!session.started)
        started(key, session);
}

void SessionLedger::place(const RecvInfo &info)
{
    loginDev key;
    key.ip = info.ip;
    key.channel = info.channel;
    const QString name = sessionOf(key);
    const QList<ConfigConversation *> listeners = conversationsOf(name);
    const ReplyHead &head = info.head;
    ConfigReply reply;
    reply.usable = head.usable;
    reply.cmd = head.cmd;
    reply.channel = head.channel;
    reply.result = head.result;
    reply.xml = info.xml;
    const auto unplaced = [&listeners, &reply] {
        for (ConfigConversation *c : listeners)
            c->unplaced(reply);
    };
    auto session = m_sessions.find(name);
    if (reply.cmd < 0 || session == m_sessions.end() || session->client != KelvoSDKHelper::instance()->session(key)) {
        // Owed to nobody: an event, what a search answers.
        unplaced();
        return;
    }
    const auto found = session->lines.find(qMakePair(reply.cmd, reply.channel));
    if (found == session->lines.end()) {
        unplaced();
        return;
    }
    Line &line = found.value();
    const QPair<int, int> lineKey = found.key();
    if (line.owed.isEmpty() && line.unlisted == 0) {
        // The line had requests and all were paid: this one is a copy of an
        // answer, and whoever took the line's last reply may hold a copy too.
        ++line.dropped;
        qWarning() << "reply" << reply.cmd << "of" << key.ip << "is owed to nobody: the device repeated an answer ("
                   << line.sent << "sent," << line.received << "received)";
        const QPointer<ConfigConversation> owner = line.lastOwner;
        const ConfigConversation::Taker taker = line.lastTaker;
        // A conversation pointed at another device since hears nothing of this one.
        if (owner && listeners.contains(owner.data()))
            owner->repeated(taker, reply);
        unplaced();
        return;
    }
    ++line.received;
    if (line.unlisted > 0) {
        --line.unlisted;
        ++line.dropped;
        qInfo() << "reply" << reply.cmd << "of" << key.ip << "pays a request no longer listed: dropped";
        if (!line.inDoubt || line.owed.size() != line.kept.size()) {
            drain(name, lineKey);
            return;
        }
    } else if (!line.inDoubt) {
        const Owed owed = line.owed.takeFirst();
        remember(line, owed, false);
        reply.sole = !owed.shared;
        settleChange(*session, owed, reply);
        if (owed.owner)
            owed.owner->placed(owed.id, reply, false);
        else
            unplaced();
        drain(name, lineKey);
        return;
    } else {
        line.kept.append(reply);
        if (line.stalled)
            qInfo() << "reply" << reply.cmd << "of" << key.ip << "came after the line had stalled";
        line.stalled = false;
        line.quietUntil = m_clock.elapsed() + line.quietMs;
        arm();
        if (line.kept.size() < line.owed.size() || line.unlisted > 0) {
            qInfo() << "reply" << reply.cmd << "of" << key.ip << "kept until the earlier ones came ("
                    << line.kept.size() << "of" << line.owed.size() << ")";
            return;
        }
    }
    // Every written request of the line has its reply: placed in order.
    const QList<Owed> owed = line.owed;
    const QList<ConfigReply> kept = line.kept;
    line.owed.clear();
    line.kept.clear();
    line.inDoubt = false;
    line.stalled = false;
    if (!owed.isEmpty())
        remember(line, owed.last(), owed.last().expired);
    qInfo() << "reply" << reply.cmd << "of" << key.ip << "in step again:" << kept.size() << "kept replies placed";
    arm();
    for (int i = 0; i < owed.size() && i < kept.size(); ++i) {
        const Owed &o = owed.at(i);
        ConfigReply placedReply = kept.at(i);
        placedReply.sole = !o.shared;
        const auto current = m_sessions.find(name);
        if (current != m_sessions.end())
            settleChange(*current, o, placedReply);
        if (o.owner)
            o.owner->placed(o.id, placedReply, o.expired);
        else
            for (ConfigConversation *c : listeners)
                c->unplaced(placedReply);
    }
    const int cmd = reply.cmd;
    const int channel = reply.channel;
    for (ConfigConversation *c : conversationsOf(name)) {
        QPointer<ConfigConversation> alive(c);
        if (alive)
            emit alive->lineInStep(cmd, channel);
    }
    drain(name, lineKey);
}

void SessionLedger::remember(Line &line, const Owed &owed, bool late)
{
    // Before the reply is handed on: a handler may write the next request
    // at once, and the line may move in the table.
    line.lastOwner = owed.owner;
    line.lastTaker = owed.owner ? owed.owner->takerOf(owed.id, late) : ConfigConversation::Taker();
}

void SessionLedger::arm()
{
    const qint64 now = m_clock.elapsed();
    qint64 next = -1;
    const auto earliest = [&next](qint64 at) {
        if (next < 0 || at < next)
            next = at;
    };
    for (const Session &session : qAsConst(m_sessions)) {
        for (const Line &line : session.lines) {
            for (const Owed &o : line.owed) {
                if (!o.expired)
                    earliest(o.deadline);
            }
            if (line.inDoubt && !line.stalled)
                earliest(line.quietUntil);
        }
    }
    for (const QList<Held> &held : qAsConst(m_held)) {
        for (const Held &h : held)
            earliest(h.until);
    }
    // A deadline already past (its timer event not run yet, the thread
    // busy) is handled at once, never one timeout later.
    if (next < 0)
        m_timer->stop();
    else
        m_timer->start(int(std::max<qint64>(0, next - now)));
}

void SessionLedger::onDeadline()
{
    const qint64 now = m_clock.elapsed();
    Notices notices;
    for (auto session = m_sessions.begin(); session != m_sessions.end(); ++session) {
        const QString name = session.key();
        for (auto it = session->lines.begin(); it != session->lines.end(); ++it) {
            Line &line = it.value();
            const int cmd = it.key().first;
            const int channel = it.key().second;
            QList<Waiting> refused;
            for (Owed &o : line.owed) {
                if (o.expired || o.deadline > now)
                    continue;
                o.expired = true;
                qWarning() << "no reply" << cmd << "from" << name << "within its deadline";
                if (!line.inDoubt) {
                    qWarning() << "reply" << cmd << "of" << name
                               << "in doubt: what comes next is kept until every earlier request has its reply";
                    line.inDoubt = true;
                    line.quietMs = o.deadlineMs;
                    line.quietUntil = now + o.deadlineMs;
                    // What waited for its turn could not be told apart from
                    // what is owed now: refused, never written; told after
                    // what was sent before it.
                    refused = line.waiting;
                    line.waiting.clear();
                }
                settleOwed(notices, session->key, o, ReplyFate::NoReply);
            }
            for (const Waiting &w : qAsConst(refused))
                settleLater(notices, w.owner, w.id, ReplyFate::OutOfStep);
            if (line.inDoubt && !line.stalled && line.quietUntil <= now) {
                line.stalled = true;
                qWarning() << "replies" << cmd << "of" << name << "stopped: nothing came for another deadline";
                notices.append([this, name, cmd, channel] {
                    for (ConfigConversation *c : conversationsOf(name)) {
                        QPointer<ConfigConversation> alive(c);
                        if (alive)
                            emit alive->lineStalled(cmd, channel);
                    }
                });
            }
        }
    }
    for (const QString &name : m_sessions.keys())
        runIfQuiet(name);
    // Saves that waited for a fresh session that never took the login:
    // never written.
    for (auto held = m_held.begin(); held != m_held.end();) {
        for (int i = held->size() - 1; i >= 0; --i) {
            const Held &h = held->at(i);
            if (h.until > now)
                continue;
            qWarning() << "save of" << held.key() << "not sent: no fresh session took the login in time";
            settleLater(notices, h.waiting.owner, h.waiting.id, ReplyFate::NotSent);
            held->removeAt(i);
        }
        held = held->isEmpty() ? m_held.erase(held) : std::next(held);
    }
    arm();
    dispatch(notices);
}

void SessionLedger::onDisconnected(const loginDev &key)
{
    const QString name = sessionOf(key);
    const auto session = m_sessions.find(name);
    if (session == m_sessions.end())
        return;
    // No reply of the broken connection can come any more.
    Notices notices;
    endSession(name, *session, notices);
    m_sessions.erase(session);
    arm();
    dispatch(notices);
}

void SessionLedger::onConnected(const loginDev &key)
{
    sessionFor(key).started = false;
    // The login goes out from the same signal, after this: looked at once it
    // has. A session that logs in starts with the login's answer (what is
    // read before that a device may refuse); one without a login at once.
    QTimer::singleShot(0, this, [this, key] {
        if (!KelvoSDKHelper::instance()->isConnected(key))
            return;
        Session &session = sessionFor(key);
        const auto login = session.lines.constFind(qMakePair(int(Cmd::Login), int(key.channel)));
        if (session.started || (login != session.lines.cend() && !login->owed.isEmpty()))
            return;
        started(key, session);
    });
}

void SessionLedger::started(const loginDev &key, Session &session)
{
    session.started = true;
    const QString name = sessionOf(key);
    // What waited for a fresh session goes out first, in the order sent.
    const QList<Held> held = m_held.take(name);
    QList<QPair<int, int>> lines;
    for (const Held &h : held) {
        if (!h.waiting.owner)
            continue;
        session.lines[h.line].waiting.append(h.waiting);
        if (!lines.contains(h.line))
            lines.append(h.line);
    }
    if (!held.isEmpty()) {
        qInfo() << held.size() << "saves of" << name << "that waited go out on the fresh session";
        arm();
    }
    for (const QPair<int, int> &line : qAsConst(lines))
        drain(name, line);
    for (ConfigConversation *c : conversationsOf(name)) {
        QPointer<ConfigConversation> alive(c);
        if (alive)
            emit alive->sessionStarted();
    }
}
