#include "ConfigConversation.h"

#include "KelvoSDKHelper.h"
#include "PrivateProto.h"

#include <QDebug>

ConfigConversation::ConfigConversation(QObject *parent)
    : QObject(parent)
{
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
    if (key.ip != m_key.ip || key.channel != m_key.channel)
        m_waiters.clear();
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
    add(w);
    const bool written = request.body.isEmpty()
                             ? KelvoSDKHelper::instance()->sendCmd(m_key, request.cmd, request.channel)
                             : KelvoSDKHelper::instance()->sendData(m_key, request.cmd, request.body, request.channel);
    if (written)
        return true;
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
            if (m_waiters.at(i).replyCmd == waiter.replyCmd && !m_waiters.at(i).every) {
                qWarning() << "no reply to" << m_waiters.at(i).sentCmd << "from" << m_key.ip
                           << "- no longer waited for";
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
        const Waiter &w = m_waiters.at(i);
        if (w.requester == requester && (replyCmd < 0 || w.replyCmd == replyCmd))
            m_waiters.removeAt(i);
    }
}

int ConfigConversation::waiting(const QObject *requester, int replyCmd) const
{
    int n = 0;
    for (const Waiter &w : m_waiters)
        n += (!requester || w.requester == requester) && (replyCmd < 0 || w.replyCmd == replyCmd) ? 1 : 0;
    return n;
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
    for (int i = m_waiters.size() - 1; i >= 0; --i) {
        if (m_waiters.at(i).request)
            m_waiters.removeAt(i);
    }
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
        // An unusable text was logged by the reader already.
        if (reply.usable && !reply.result.ok())
            qInfo() << "reply" << reply.cmd << "of" << m_key.ip << "failed:" << reply.result.describe();
        emit replied(w.requester, reply);
        return;
    }
    emit unrequested(reply);
}
