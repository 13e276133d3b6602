#include "ConfigConversation.h"

#include "ConfigPageSession.h"

#include "KelvoSDKHelper.h"
#include "DeviceCommands.h"
#include "PrivateProto.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
// Twice what the connection waits for any reply: a reply this late is not
// waited for any more.
int g_timeoutMs = 6000;
quint64 g_lastId = 0;

QString sessionOf(const loginDev &key)
{
    return key.ip + QLatin1Char('#') + QString::number(key.channel);
}
} // namespace

// What the device owes each session, line by line (reply command and head
// channel), counted from what was written to it and what came back. One for
// the program: every conversation on a session shares it, and requests sent
// past the conversations are counted too.
class SessionLedger : public QObject
{
public:
    static SessionLedger *instance()
    {
        static SessionLedger *ledger = new SessionLedger(KelvoSDKHelper::instance());
        return ledger;
    }

    void attach(ConfigConversation *c)
    {
        if (!m_conversations.contains(c))
            m_conversations.append(c);
    }
    void detach(ConfigConversation *c) { m_conversations.removeAll(c); }

    // Whether a request of the line may go out: not while the line is out
    // of step, and a read not while a request of its line from before a Save
    // that writes it is owed (then the line goes out of step).
    bool admit(const loginDev &key, int replyCmd, int channel, RequestKind kind)
    {
        Session &session = sessionFor(key);
        auto it = session.lines.find(qMakePair(replyCmd, channel));
        if (it == session.lines.end())
            return true;
        Line &line = it.value();
        if (line.outOfStep)
            return false;
        if (kind == RequestKind::Save)
            return true;
        const int epoch = session.saves.value(replyCmd);
        for (const Owed &o : qAsConst(line.owed)) {
            if (o.epoch < epoch) {
                qWarning() << "reply" << replyCmd << "of" << key.ip
                           << "may still answer a request sent before a save: out of step";
                line.outOfStep = true;
                dispatch(outOfStepNotices(line));
                return false;
            }
        }
        return true;
    }

    // The conversation's request about to be written; counted when it is.
    void claim(ConfigConversation *owner, quint64 id, int replyCmd, int deadlineMs, bool save)
    {
        m_claim = Claim{owner, id, replyCmd, deadlineMs, save, true};
    }
    void unclaim() { m_claim.active = false; }

    bool inStep(const loginDev &key, int replyCmd, int channel) const
    {
        const auto session = m_sessions.constFind(sessionOf(key));
        if (session == m_sessions.cend())
            return true;
        const auto line = session->lines.constFind(qMakePair(replyCmd, channel));
        return line == session->lines.cend() || !line->outOfStep;
    }

private:
    // Beyond this many a line keeps only the count of what it is owed.
    static constexpr int MaxListed = 64;

    struct Owed
    {
        QPointer<ConfigConversation> owner; // null: sent past the conversations
        quint64 id = 0;
        qint64 deadline = 0;
        int epoch = 0; // Saves that write the line, sent before it
        bool save = false;
        bool expired = false;
        bool said = false; // its requester was told it failed
    };
    struct Line
    {
        QList<Owed> owed; // oldest first
        int unlisted = 0; // owed, no longer listed
        bool outOfStep = false;
        quint64 sent = 0;
        quint64 received = 0;
        quint64 dropped = 0;
    };
    struct Session
    {
        const void *client = nullptr; // the connection object the lines were counted on
        QHash<QPair<int, int>, Line> lines;
        QHash<int, int> saves; // per read command: Saves that write it
    };
    struct Claim
    {
        QPointer<ConfigConversation> owner;
        quint64 id = 0;
        int replyCmd = -1;
        int deadlineMs = 0;
        bool save = false;
        bool active = false;
    };
    struct Notice
    {
        QPointer<ConfigConversation> owner;
        quint64 id;
        ReplyFate fate;
        bool keep;
    };

    explicit SessionLedger(QObject *parent)
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

    // The session's lines; counted afresh on a new connection object (the
    // device was logged out and in again).
    Session &sessionFor(const loginDev &key)
    {
        Session &session = m_sessions[sessionOf(key)];
        const void *client = KelvoSDKHelper::instance()->session(key);
        if (session.client != client) {
            session.lines.clear();
            session.saves.clear();
            session.client = client;
        }
        return session;
    }

    QList<ConfigConversation *> conversationsOf(const loginDev &key) const
    {
        QList<ConfigConversation *> list;
        for (ConfigConversation *c : m_conversations) {
            if (c->hasDevice() && c->device().ip == key.ip && c->device().channel == key.channel)
                list.append(c);
        }
        return list;
    }

    void onWritten(const loginDev &key, unsigned int cmd, unsigned char channel)
    {
        Session &session = sessionFor(key);
        Owed owed;
        int replyCmd = int(cmd);
        int deadlineMs = ConfigConversation::deadlineFor(cmd);
        if (m_claim.active) {
            owed.owner = m_claim.owner;
            owed.id = m_claim.id;
            owed.save = m_claim.save;
            replyCmd = m_claim.replyCmd;
            deadlineMs = m_claim.deadlineMs;
            m_claim.active = false;
        }
        if (owed.save) {
            for (int read : ConfigConversation::readsWrittenBy(cmd))
                ++session.saves[read];
        }
        owed.epoch = session.saves.value(replyCmd);
        owed.deadline = m_clock.elapsed() + deadlineMs;
        Line &line = session.lines[qMakePair(replyCmd, int(channel))];
        ++line.sent;
        line.owed.append(owed);
        while (line.owed.size() > MaxListed) {
            line.owed.removeFirst();
            ++line.unlisted;
        }
        arm();
    }

    void onMessage(const RecvInfo &info)
    {
        if (!info.data.isEmpty())
            return;
        loginDev key;
        key.ip = info.ip;
        key.channel = info.channel;
        const QList<ConfigConversation *> listeners = conversationsOf(key);
        const ReplyHead &head = info.head;
        ConfigReply reply;
        reply.usable = head.usable;
        reply.cmd = head.cmd;
        reply.channel = head.channel;
        reply.result = head.result;
        reply.xml = info.xml;
        auto session = m_sessions.find(sessionOf(key));
        auto line = reply.cmd < 0 || session == m_sessions.end()
                        ? QHash<QPair<int, int>, Line>::iterator()
                        : session->lines.find(qMakePair(reply.cmd, reply.channel));
        if (reply.cmd < 0 || session == m_sessions.end() || line == session->lines.end()
            || (line->owed.isEmpty() && line->unlisted == 0)) {
            // Owed to nobody: a set reply out of the blue, an event, what a
            // search answers.
            for (ConfigConversation *c : listeners)
                c->unplaced(reply);
            return;
        }
        ++line->received;
        if (line->unlisted > 0) {
            --line->unlisted;
            ++line->dropped;
            qInfo() << "reply" << reply.cmd << "of" << key.ip << "pays a request no longer listed: dropped";
            catchUp(key, *line, reply);
            return;
        }
        const Owed owed = line->owed.takeFirst();
        if (!line->outOfStep) {
            if (owed.owner)
                owed.owner->placed(owed.id, reply, false);
            else
                for (ConfigConversation *c : listeners)
                    c->unplaced(reply);
            return;
        }
        // Out of step. The only owed request of the line has been paid by
        // this reply: a Save that timed out hears what the device did.
        if (owed.save && owed.expired && line->owed.isEmpty() && line->unlisted == 0 && owed.owner) {
            qInfo() << "late reply" << reply.cmd << "of" << key.ip << "answers the save that timed out";
            line->outOfStep = false;
            catchUp(key, *line, reply, true);
            owed.owner->placed(owed.id, reply, true);
            return;
        }
        ++line->dropped;
        qWarning() << "reply" << reply.cmd << "of" << key.ip << "cannot be told apart: dropped (" << line->sent
                   << "sent," << line->received << "received)";
        if (owed.owner)
            owed.owner->settled(owed.id, ReplyFate::OutOfStep, false);
        catchUp(key, *line, reply);
    }

    // A line whose replies caught up with its requests is in step again.
    void catchUp(const loginDev &key, Line &line, const ConfigReply &reply, bool wasOut = false)
    {
        if (!line.owed.isEmpty() || line.unlisted > 0)
            return;
        if (!line.outOfStep && !wasOut)
            return;
        line.outOfStep = false;
        qInfo() << "reply" << reply.cmd << "of" << key.ip << "in step again";
        for (ConfigConversation *c : conversationsOf(key)) {
            QPointer<ConfigConversation> alive(c);
            if (alive)
                emit alive->lineInStep(reply.cmd, reply.channel);
        }
    }

    QList<Notice> outOfStepNotices(Line &line)
    {
        QList<Notice> notices;
        for (Owed &o : line.owed) {
            if (o.said)
                continue;
            o.said = true;
            if (o.owner)
                notices.append({o.owner, o.id, o.expired ? ReplyFate::NoReply : ReplyFate::OutOfStep, true});
        }
        return notices;
    }

    void dispatch(const QList<Notice> &notices)
    {
        for (const Notice &n : notices) {
            if (n.owner)
                n.owner->settled(n.id, n.fate, n.keep);
        }
    }

    void arm()
    {
        const qint64 now = m_clock.elapsed();
        qint64 next = -1;
        for (const Session &session : qAsConst(m_sessions)) {
            for (const Line &line : session.lines) {
                for (const Owed &o : line.owed) {
                    if (!o.expired && (next < 0 || o.deadline < next))
                        next = o.deadline;
                }
            }
        }
        // A deadline already past (its timer event not run yet, the thread
        // busy) fails at once, never one timeout later.
        if (next < 0)
            m_timer->stop();
        else
            m_timer->start(int(std::max<qint64>(0, next - now)));
    }

    void onDeadline()
    {
        const qint64 now = m_clock.elapsed();
        QList<Notice> notices;
        for (auto session = m_sessions.begin(); session != m_sessions.end(); ++session) {
            for (auto it = session->lines.begin(); it != session->lines.end(); ++it) {
                Line &line = it.value();
                bool expired = false;
                for (Owed &o : line.owed) {
                    if (o.expired || o.deadline > now)
                        continue;
                    o.expired = true;
                    expired = true;
                    qWarning() << "no reply" << it.key().first << "from" << session.key() << "within its deadline";
                }
                if (!expired)
                    continue;
                if (!line.outOfStep)
                    qWarning() << "reply" << it.key().first << "of" << session.key()
                               << "out of step: what comes next cannot be told apart";
                line.outOfStep = true;
                notices += outOfStepNotices(line);
            }
        }
        arm();
        dispatch(notices);
    }

    void onDisconnected(const loginDev &key)
    {
        const auto session = m_sessions.find(sessionOf(key));
        if (session == m_sessions.end())
            return;
        // No reply of the broken connection can come any more.
        QList<Notice> notices;
        for (const Line &line : qAsConst(session->lines)) {
            for (const Owed &o : line.owed) {
                if (o.owner)
                    notices.append({o.owner, o.id, ReplyFate::ConnectionLost, false});
            }
        }
        m_sessions.erase(session);
        arm();
        dispatch(notices);
    }

    void onConnected(const loginDev &key)
    {
        for (ConfigConversation *c : conversationsOf(key)) {
            QPointer<ConfigConversation> alive(c);
            if (alive)
                emit alive->sessionStarted();
        }
    }

    QList<ConfigConversation *> m_conversations;
    QHash<QString, Session> m_sessions;
    Claim m_claim;
    QElapsedTimer m_clock;
    QTimer *m_timer;
};

ConfigConversation::ConfigConversation(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    qRegisterMetaType<ConfigReply>("ConfigReply");
    SessionLedger::instance()->attach(this);
}

ConfigConversation::~ConfigConversation()
{
    SessionLedger::instance()->detach(this);
}

void ConfigConversation::setDevice(const FUN_DEV_INFO *dev)
{
    setDevice(dev ? toLoginDev(dev) : loginDev());
}

void ConfigConversation::setDevice(const loginDev &key)
{
    if (key.ip != m_key.ip || key.channel != m_key.channel)
        m_waiters.clear();
    m_key = key;
    if (key.ip.isEmpty())
        m_key = loginDev();
}

ConfigPageSession *ConfigConversation::pageSession(QObject *page)
{
    if (!page)
        return nullptr;
    if (ConfigPageSession *session = m_pages.value(page))
        return session;
    auto *session = new ConfigPageSession(page, this);
    m_pages.insert(page, session);
    connect(page, &QObject::destroyed, this, [this](QObject *gone) {
        if (ConfigPageSession *ended = m_pages.take(gone))
            delete ended;
    });
    return session;
}

bool ConfigConversation::isOnline() const
{
    return hasDevice() && KelvoSDKHelper::instance()->isConnected(m_key);
}

bool ConfigConversation::send(QObject *requester, unsigned int cmd, const QString &body, uint8_t channel,
                              RequestKind kind)
{
    ConfigRequest request;
    request.cmd = cmd;
    request.body = body;
    request.channel = channel;
    request.kind = kind;
    return send(requester, request);
}

bool ConfigConversation::send(QObject *requester, const ConfigRequest &request)
{
    if (!isOnline()) {
        qInfo() << "not sent, device offline:" << m_key.ip << request.cmd;
        return false;
    }
    if (!request.body.isEmpty() && !isSafeXmlFragment(request.body)) {
        qWarning() << "not sent, body refused:" << m_key.ip << request.cmd;
        return false;
    }
    Waiter w;
    w.requester = requester;
    w.replyCmd = request.replyCmd >= 0 ? request.replyCmd : int(request.cmd);
    w.kind = request.kind;
    w.sentCmd = request.cmd;
    w.channel = request.channel;
    w.tag = request.tag;
    w.id = ++g_lastId;
    SessionLedger *ledger = SessionLedger::instance();
    if (!ledger->admit(m_key, w.replyCmd, w.channel, w.kind)) {
        // Its reply could not be placed: not written, said out of step.
        qWarning() << "not sent, replies" << w.replyCmd << "of" << m_key.ip << "out of step";
        refuseLater(w);
        return true;
    }
    add(w);
    ledger->claim(this, w.id, w.replyCmd, deadlineFor(request.cmd), w.kind == RequestKind::Save);
    const bool written = request.body.isEmpty()
                             ? KelvoSDKHelper::instance()->sendCmd(m_key, request.cmd, request.channel)
                             : KelvoSDKHelper::instance()->sendData(m_key, request.cmd, request.body, request.channel);
    ledger->unclaim();
    if (written)
        return true;
    // Nothing went out: no reply will come.
    qWarning() << "not sent, write failed:" << m_key.ip << request.cmd;
    const int at = find(w.id);
    if (at >= 0)
        m_waiters.removeAt(at);
    return false;
}

void ConfigConversation::refuseLater(const Waiter &waiter)
{
    // Said after send() returned, as any answer is.
    QPointer<QObject> requester(waiter.requester);
    const ConfigReply reply = failure(waiter, ReplyFate::OutOfStep);
    watch(waiter.requester);
    QTimer::singleShot(0, this, [this, requester, reply] {
        if (requester && m_watched.contains(requester.data()))
            emit replied(requester.data(), reply);
    });
}

bool ConfigConversation::sendThrough(ConfigConversation *conversation, QObject *requester, const FUN_DEV_INFO *dev,
                                     const ConfigRequest &request)
{
    if (!dev)
        return false;
    if (conversation)
        return conversation->send(requester, request);
    const loginDev key = toLoginDev(dev);
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    if (key.ip.isEmpty() || !sdk->isConnected(key))
        return false;
    return request.body.isEmpty() ? sdk->sendCmd(key, request.cmd, request.channel)
                                  : sdk->sendData(key, request.cmd, request.body, request.channel);
}

bool ConfigConversation::sendThrough(ConfigConversation *conversation, QObject *requester, const FUN_DEV_INFO *dev,
                                     unsigned int cmd, const QString &body, uint8_t channel, RequestKind kind)
{
    ConfigRequest request;
    request.cmd = cmd;
    request.body = body;
    request.channel = channel;
    request.kind = kind;
    return sendThrough(conversation, requester, dev, request);
}

void ConfigConversation::expect(QObject *requester, int replyCmd, RequestKind kind, Expect how)
{
    Waiter w;
    w.requester = requester;
    w.replyCmd = replyCmd;
    w.kind = kind;
    w.request = false;
    w.every = how == Expect::Every;
    if (w.every) {
        // Once is enough: a second registration would take the same replies twice.
        for (const Waiter &existing : qAsConst(m_waiters)) {
            if (existing.every && existing.requester == requester && existing.replyCmd == replyCmd)
                return;
        }
    }
    add(w);
}

void ConfigConversation::add(const Waiter &waiter)
{
    watch(waiter.requester);
    int same = 0;
    for (const Waiter &w : qAsConst(m_waiters))
        same += w.replyCmd == waiter.replyCmd && !w.every && w.live ? 1 : 0;
    if (!waiter.every && same >= MaxWaiting) {
        for (int i = 0; i < m_waiters.size(); ++i) {
            Waiter &old = m_waiters[i];
            if (old.replyCmd != waiter.replyCmd || old.every || !old.live)
                continue;
            qWarning() << "no reply to" << old.sentCmd << "from" << m_key.ip << "- no longer waited for";
            if (old.request) {
                // Still owed: its reply is counted when it comes, and dropped.
                old.live = false;
                const ConfigReply given = failure(old, ReplyFate::NoReply);
                QObject *requester = old.requester;
                emit replied(requester, given);
            } else {
                m_waiters.removeAt(i);
            }
            break;
        }
    }
    // Requests given up stay until the ledger counted their replies; a
    // session counted afresh never pays them.
    int given = 0;
    for (const Waiter &w : qAsConst(m_waiters))
        given += w.request && !w.live ? 1 : 0;
    for (int i = 0; given > 4 * MaxWaiting && i < m_waiters.size(); ++i) {
        if (m_waiters.at(i).request && !m_waiters.at(i).live) {
            m_waiters.removeAt(i--);
            --given;
        }
    }
    m_waiters.append(waiter);
}

void ConfigConversation::forget(QObject *requester, int replyCmd)
{
    for (int i = m_waiters.size() - 1; i >= 0; --i) {
        Waiter &w = m_waiters[i];
        if (w.requester != requester || (replyCmd >= 0 && w.replyCmd != replyCmd))
            continue;
        if (w.request) {
            // Still on the wire: its reply is taken when it comes, and dropped.
            w.live = false;
            w.requester = nullptr;
        } else {
            m_waiters.removeAt(i);
        }
    }
}

void ConfigConversation::forgetTags(QObject *requester, const QSet<quint64> &tags)
{
    for (Waiter &w : m_waiters) {
        if (w.request && w.requester == requester && w.tag != 0 && tags.contains(w.tag))
            w.live = false;
    }
}

int ConfigConversation::waiting(const QObject *requester, int replyCmd) const
{
    int n = 0;
    for (const Waiter &w : m_waiters)
        n += w.live && (!requester || w.requester == requester) && (replyCmd < 0 || w.replyCmd == replyCmd) ? 1 : 0;
    return n;
}

int ConfigConversation::onWire(int replyCmd) const
{
    int n = 0;
    for (const Waiter &w : m_waiters)
        n += w.request && (replyCmd < 0 || w.replyCmd == replyCmd) ? 1 : 0;
    return n;
}

void ConfigConversation::setTimeoutMs(int ms)
{
    g_timeoutMs = ms;
}

int ConfigConversation::timeoutMs()
{
    return g_timeoutMs;
}

ConfigReply ConfigConversation::failure(const Waiter &w, ReplyFate fate) const
{
    ConfigReply reply;
    reply.fate = fate;
    reply.cmd = w.replyCmd;
    reply.channel = std::max(0, w.channel);
    reply.kind = w.kind;
    reply.sentCmd = w.sentCmd;
    reply.tag = w.tag;
    return reply;
}

QString ConfigConversation::offlineText()
{
    return tr("The device is offline. Nothing was saved.");
}

QString ConfigConversation::noAnswerText()
{
    return tr("The device did not answer. The change may not have been saved.");
}

QString ConfigConversation::connectionLostText()
{
    return tr("The connection to the device was lost. The change may not have been saved.");
}

QString ConfigConversation::stillReadingText()
{
    return tr("The page is still being read from the device. Save once it is shown.");
}

QString ConfigConversation::notSavedText()
{
    return tr("Not saved");
}

QString ConfigConversation::outOfStepText()
{
    return tr("The device's answers cannot be told apart yet; reading again.");
}

QString ConfigConversation::saveOutOfStepText()
{
    return tr("The device has not answered earlier requests of this kind yet. Nothing was saved.");
}

QString ConfigConversation::savedLateText()
{
    return tr("Saved (the device answered late).");
}

QString ConfigConversation::reconnectText()
{
    return tr("Reconnect and read again");
}

QString ConfigConversation::saveFailureText(const ConfigReply &reply, const QString &refusedText)
{
    if (reply.ok())
        return QString();
    switch (reply.fate) {
    case ReplyFate::NoReply:
        return noAnswerText();
    case ReplyFate::OutOfStep:
        return saveOutOfStepText();
    case ReplyFate::ConnectionLost:
        return connectionLostText();
    case ReplyFate::Answered:
        break;
    }
    return refusedText;
}

void ConfigConversation::watch(QObject *requester)
{
    if (!requester || m_watched.contains(requester))
        return;
    m_watched.insert(requester);
    connect(requester, &QObject::destroyed, this, [this](QObject *gone) {
        m_watched.remove(gone);
        forget(gone);
    });
}

int ConfigConversation::find(quint64 id) const
{
    for (int i = 0; i < m_waiters.size(); ++i) {
        if (m_waiters.at(i).request && m_waiters.at(i).id == id)
            return i;
    }
    return -1;
}

void ConfigConversation::placed(quint64 id, ConfigReply reply, bool late)
{
    const int at = find(id);
    if (at < 0)
        return;
    const Waiter w = m_waiters.takeAt(at);
    reply.kind = w.kind;
    reply.sentCmd = w.sentCmd;
    reply.tag = w.tag;
    reply.late = late;
    if (!w.live && !(late && w.requester)) {
        qInfo() << "late reply" << reply.cmd << "of" << m_key.ip << "dropped: nobody waits for it";
        return;
    }
    // An unusable text was logged by the reader already.
    if (reply.usable && !reply.result.ok())
        qInfo() << "reply" << reply.cmd << "of" << m_key.ip << "failed:" << reply.result.describe();
    emit replied(w.requester, reply);
}

void ConfigConversation::settled(quint64 id, ReplyFate fate, bool keep)
{
    const int at = find(id);
    if (at < 0)
        return;
    Waiter &w = m_waiters[at];
    const bool tell = w.live;
    const ConfigReply reply = failure(w, fate);
    QObject *requester = w.requester;
    if (fate == ReplyFate::NoReply)
        qWarning() << "no reply to" << w.sentCmd << "from" << m_key.ip << "within" << deadlineFor(w.sentCmd) << "ms";
    // Kept, requester too: a late reply to a Save may still say what the
    // device did.
    w.live = false;
    if (!keep)
        m_waiters.removeAt(at);
    if (tell)
        emit replied(requester, reply);
}

void ConfigConversation::unplaced(const ConfigReply &given)
{
    ConfigReply reply = given;
    for (int i = 0; i < m_waiters.size(); ++i) {
        const Waiter w = m_waiters.at(i);
        if (w.request || w.replyCmd != reply.cmd || (w.channel >= 0 && w.channel != reply.channel))
            continue;
        if (!w.every)
            m_waiters.removeAt(i);
        reply.kind = w.kind;
        emit replied(w.requester, reply);
        return;
    }
    emit unrequested(reply);
}

int ConfigConversation::longTimeoutMs()
{
    return g_timeoutMs * 100;
}

int ConfigConversation::deadlineFor(unsigned int cmd)
{
    // A recorder answers a format only when the disk is done.
    return int(cmd) == Cmd::FormatDisk ? longTimeoutMs() : g_timeoutMs;
}

QList<int> ConfigConversation::readsWrittenBy(unsigned int setCmd)
{
    switch (int(setCmd)) {
    case Cmd::SetSettings:
        return {Cmd::GetSettings, Cmd::GetBasicSettings};
    case Cmd::SetNetwork:
        return {Cmd::GetNetwork, Cmd::GetNvrNetwork};
    case Cmd::SetTimeConfig:
        return {Cmd::GetTimeConfig, Cmd::GetSettings};
    case Cmd::SetClock:
        return {Cmd::GetTimeConfig};
    case Cmd::FormatDisk:
        return {Cmd::GetDisks};
    case Cmd::EditUser:
    case Cmd::DeleteUser:
    case Cmd::ChangePassword:
        return {Cmd::GetUsers};
    case Cmd::AddChannels:
    case Cmd::DeleteChannel:
    case Cmd::ReaddressCamera:
        return {Cmd::GetChannels};
    default:
        break;
    }
    for (int set : Cmd::ImageGroupSets) {
        if (set == int(setCmd))
            return {Cmd::GetImage};
    }
    // Mostly the get plus one.
    return {int(setCmd) - 1};
}

void ConfigConversation::startCounting()
{
    SessionLedger::instance();
}

bool ConfigConversation::inStep(int replyCmd, int channel) const
{
    return SessionLedger::instance()->inStep(m_key, replyCmd, channel);
}

void ConfigConversation::restartSession()
{
    if (hasDevice())
        KelvoSDKHelper::instance()->restartSession(m_key);
}
