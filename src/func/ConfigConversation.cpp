#include "ConfigConversation.h"

#include "KelvoSDKHelper.h"
#include "PrivateProto.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>

namespace {
// Twice what the connection waits for any reply: a reply this late is not
// waited for any more.
int g_timeoutMs = 6000;
} // namespace

ConfigConversation::ConfigConversation(QObject *parent)
    : QObject(parent)
    , m_deadline(new QTimer(this))
{
    m_clock.start();
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, &ConfigConversation::onDeadline);
    registerKelvoMetaTypes();
    qRegisterMetaType<ConfigReply>("ConfigReply");
    KelvoSDKHelper *sdk = KelvoSDKHelper::instance();
    // Direct: the facade emits in this thread, and each reply is handed on
    // before the next one is looked at.
    connect(sdk, &KelvoSDKHelper::signalCommonInfo, this, &ConfigConversation::onMessage);
    connect(sdk, &KelvoSDKHelper::disconnectDev, this, &ConfigConversation::onDisconnected);
}

ConfigConversation::~ConfigConversation() = default;

void ConfigConversation::setDevice(const FUN_DEV_INFO *dev)
{
    setDevice(dev ? toLoginDev(dev) : loginDev());
}

void ConfigConversation::setDevice(const loginDev &key)
{
    if (key.ip != m_key.ip || key.channel != m_key.channel) {
        m_waiters.clear();
        m_doubts.clear();
    }
    m_key = key;
    if (key.ip.isEmpty())
        m_key = loginDev();
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
    // Waiting first: a reply cannot overtake its request, but the order of
    // the list is the order of the requests.
    Waiter w;
    w.requester = requester;
    w.replyCmd = request.replyCmd >= 0 ? request.replyCmd : int(request.cmd);
    w.kind = request.kind;
    w.sentCmd = request.cmd;
    w.channel = request.channel;
    w.tag = request.tag;
    w.epoch = m_saves;
    w.deadline = m_clock.elapsed() + g_timeoutMs;
    // What a Save reply says is only its result: only what brings values can
    // stand for the wrong request.
    if (w.kind != RequestKind::Save) {
        for (const Waiter &out : qAsConst(m_waiters)) {
            if (out.request && out.replyCmd == w.replyCmd && out.channel == w.channel && out.epoch < w.epoch)
                w.crossing = true;
        }
        for (int epoch : m_doubts.value(Line(w.replyCmd, w.channel))) {
            if (epoch < w.epoch)
                w.crossing = true;
        }
    }
    add(w);
    const bool written = request.body.isEmpty()
                             ? KelvoSDKHelper::instance()->sendCmd(m_key, request.cmd, request.channel)
                             : KelvoSDKHelper::instance()->sendData(m_key, request.cmd, request.body, request.channel);
    if (written) {
        if (w.kind == RequestKind::Save)
            ++m_saves;
        armDeadline();
        return true;
    }
    // Nothing went out: no reply will come, and a reply of the same command
    // must not be taken for this one.
    qWarning() << "not sent, write failed:" << m_key.ip << request.cmd;
    for (int i = m_waiters.size() - 1; i >= 0; --i) {
        const Waiter &mine = m_waiters.at(i);
        if (mine.request && mine.requester == requester && mine.sentCmd == w.sentCmd && mine.tag == w.tag
            && mine.channel == w.channel) {
            m_waiters.removeAt(i);
            break;
        }
    }
    return false;
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
        same += w.replyCmd == waiter.replyCmd && !w.every ? 1 : 0;
    if (!waiter.every && same >= MaxWaiting) {
        for (int i = 0; i < m_waiters.size(); ++i) {
            const Waiter &old = m_waiters.at(i);
            if (old.replyCmd == waiter.replyCmd && !old.every) {
                qWarning() << "no reply to" << old.sentCmd << "from" << m_key.ip << "- no longer waited for";
                if (old.request) {
                    QList<int> &doubts = m_doubts[Line(old.replyCmd, old.channel)];
                    doubts.append(old.epoch);
                    while (doubts.size() > MaxWaiting)
                        doubts.removeFirst();
                }
                m_waiters.removeAt(i);
                break;
            }
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

void ConfigConversation::armDeadline()
{
    const qint64 now = m_clock.elapsed();
    qint64 next = -1;
    for (const Waiter &w : qAsConst(m_waiters)) {
        if (w.request && w.deadline > now && (next < 0 || w.deadline < next))
            next = w.deadline;
    }
    if (next < 0)
        m_deadline->stop();
    else
        m_deadline->start(int(next - now));
}

void ConfigConversation::onDeadline()
{
    const qint64 now = m_clock.elapsed();
    QList<QPair<QObject *, ConfigReply>> failed;
    for (int i = 0; i < m_waiters.size(); ++i) {
        Waiter &w = m_waiters[i];
        if (!w.request || w.deadline == 0 || w.deadline > now)
            continue;
        if (w.live) {
            qWarning() << "no reply to" << w.sentCmd << "from" << m_key.ip << "within" << g_timeoutMs << "ms";
            failed.append({w.requester, failure(w, ReplyFate::NoReply)});
            w.live = false;
        }
        if (!w.skipped)
            continue;
        // The reply an older request took was this one's: that one was
        // dropped, or its reply may still come. The doubt bars reads sent
        // after a later Save until one of them took a reply in its place; a
        // request that was barred itself settled it.
        if (!w.crossing) {
            QList<int> &doubts = m_doubts[Line(w.replyCmd, w.channel)];
            doubts.append(w.skippedEpoch);
            while (doubts.size() > MaxWaiting)
                doubts.removeFirst();
        }
        m_waiters.removeAt(i--);
    }
    armDeadline();
    for (const auto &f : qAsConst(failed))
        emit replied(f.first, f.second);
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

QString ConfigConversation::saveFailureText(const ConfigReply &reply, const QString &refusedText)
{
    if (reply.ok())
        return QString();
    switch (reply.fate) {
    case ReplyFate::NoReply:
    case ReplyFate::Unattributable:
        return noAnswerText();
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

void ConfigConversation::onDisconnected(const loginDev &key)
{
    if (!hasDevice() || key.ip != m_key.ip || key.channel != m_key.channel)
        return;
    // No reply of the broken connection can come any more.
    QList<QPair<QObject *, ConfigReply>> failed;
    for (int i = m_waiters.size() - 1; i >= 0; --i) {
        const Waiter &w = m_waiters.at(i);
        if (!w.request)
            continue;
        if (w.live)
            failed.prepend({w.requester, failure(w, ReplyFate::ConnectionLost)});
        m_waiters.removeAt(i);
    }
    m_doubts.clear();
    armDeadline();
    for (const auto &f : qAsConst(failed))
        emit replied(f.first, f.second);
}

void ConfigConversation::onMessage(const RecvInfo &info)
{
    if (!hasDevice() || info.ip != m_key.ip || info.channel != m_key.channel || !info.data.isEmpty())
        return;
    const ReplyHead &head = info.head;
    ConfigReply reply;
    reply.usable = head.usable;
    reply.cmd = head.cmd;
    reply.channel = head.channel;
    reply.result = head.result;
    reply.xml = info.xml;
    if (reply.cmd < 0) {
        emit unrequested(reply);
        return;
    }
    for (int i = 0; i < m_waiters.size(); ++i) {
        const Waiter w = m_waiters.at(i);
        if (w.replyCmd != reply.cmd || (w.channel >= 0 && w.channel != reply.channel))
            continue;
        if (!w.every)
            m_waiters.removeAt(i);
        reply.kind = w.kind;
        reply.sentCmd = w.sentCmd;
        reply.tag = w.tag;
        if (w.request) {
            // The requests of the same command behind it were out while it
            // took this reply: should it have been dropped, this was theirs.
            bool expired = false;
            for (int j = i; j < m_waiters.size(); ++j) {
                Waiter &later = m_waiters[j];
                if (!later.request || later.replyCmd != w.replyCmd || later.channel != w.channel)
                    continue;
                later.skippedEpoch = later.skipped ? std::min(later.skippedEpoch, w.epoch) : w.epoch;
                later.skipped = true;
                expired = expired || (later.deadline > 0 && later.deadline <= m_clock.elapsed());
            }
            if (w.crossing) {
                // Taken in place of a request from before the Save, whose
                // doubt this settles.
                QList<int> &doubts = m_doubts[Line(w.replyCmd, w.channel)];
                const auto oldest = std::min_element(doubts.begin(), doubts.end());
                if (oldest != doubts.end() && *oldest < w.epoch)
                    doubts.erase(oldest);
                if (doubts.isEmpty())
                    m_doubts.remove(Line(w.replyCmd, w.channel));
                qWarning() << "reply" << reply.cmd << "of" << m_key.ip
                           << "may answer a request sent before a save: not taken";
                if (expired)
                    onDeadline();
                if (w.live)
                    emit replied(w.requester, failure(w, ReplyFate::Unattributable));
                return;
            }
            if (expired)
                onDeadline();
            if (!w.live) {
                qInfo() << "late reply" << reply.cmd << "of" << m_key.ip << "dropped: nobody waits for it";
                return;
            }
        }
        // An unusable text was logged by the reader already.
        if (reply.usable && !reply.result.ok())
            qInfo() << "reply" << reply.cmd << "of" << m_key.ip << "failed:" << reply.result.describe();
        emit replied(w.requester, reply);
        return;
    }
    emit unrequested(reply);
}
