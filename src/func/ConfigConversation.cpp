#include "ConfigConversation.h"

#include "ConfigPageSession.h"
#include "RecordKeeper.h"
#include "SessionLedger.h"

#include "CommonHelper.h"
#include "DeviceCommands.h"
#include "KelvoSDKHelper.h"
#include "PrivateProto.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
// Twice what the connection waits for any reply: a reply this late is not
// waited for any more.
int g_timeoutMs = 6000;
quint64 g_lastId = 0;
// The values a text names at most, and the longest one it names.
constexpr int MaxNamed = 3;
constexpr int MaxNamedLength = 32;

// A Save told no answer came hears what the device did; a read's values that
// came after its deadline are not the page's any more (it was told, and
// reads again).
template <typename W> bool handedOn(const W &w, bool late)
{
    return w.live || (late && w.requester && w.kind == RequestKind::Save);
}
} // namespace

ConfigConversation::ConfigConversation(QObject *parent)
    : QObject(parent)
{
    registerKelvoMetaTypes();
    qRegisterMetaType<ConfigReply>("ConfigReply");
    SessionLedger::instance()->attach(this);
}

void ConfigConversation::handOver()
{
    QList<Waiter> saves;
    // Told no answer came, a Save still hears its late one.
    for (const Waiter &w : qAsConst(m_waiters)) {
        if (w.request && w.kind == RequestKind::Save)
            saves.append(w);
    }
    if (saves.isEmpty())
        return;
    // A Save the operator confirmed is settled whatever becomes of the
    // window it was made in: nobody of it hears any more.
    auto *heir = new ConfigConversation(SessionLedger::instance());
    heir->m_key = m_key;
    heir->m_orphan = true;
    for (Waiter w : qAsConst(saves)) {
        w.requester = nullptr;
        w.live = false;
        w.unheard = true;
        heir->m_waiters.append(w);
    }
    SessionLedger::instance()->handOver(this, heir);
    qInfo() << "the window of" << m_key.ip << "closed:" << saves.size() << "saves owed are settled without it";
}

bool ConfigConversation::owesSaves() const
{
    for (const Waiter &w : m_waiters) {
        if (w.request && w.kind == RequestKind::Save)
            return true;
    }
    return false;
}

void ConfigConversation::endWhenDone()
{
    if (m_orphan && !owesSaves())
        deleteLater();
}

void ConfigConversation::sayUnheard(const ConfigReply &reply) const
{
    // A camera that moved instead of answering: the record keeper, which
    // follows it, says where it went.
    if (reply.kind != RequestKind::Save
        || (reply.fate == ReplyFate::ConnectionLost && reply.record == RecordFate::Stored))
        return;
    qInfo() << "outcome of" << reply.sentCmd << "of" << m_key.ip << "said outside its window";
    RecordKeeper::instance()->tell(m_key.ip, saveOutcomeText(reply));
}

void ConfigConversation::requesterGone(QObject *gone)
{
    // Nothing is told of it: whoever listened for this requester goes with it.
    m_watched.remove(gone);
    for (int i = m_waiters.size() - 1; i >= 0; --i) {
        Waiter &w = m_waiters[i];
        if (w.requester != gone)
            continue;
        if (!w.request) {
            m_waiters.removeAt(i);
            continue;
        }
        // A Save the operator confirmed goes out and is settled all the
        // same; anything else is only counted when its reply comes.
        w.unheard = w.kind == RequestKind::Save;
        w.live = false;
        w.requester = nullptr;
    }
}

ConfigConversation::~ConfigConversation()
{
    if (SessionLedger::gone())
        return;
    handOver();
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

bool ConfigConversation::send(QObject *requester, const ConfigRequest &sent)
{
    ConfigRequest request = sent;
    request.alone = request.alone || request.change.isSet();
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
    switch (ledger->admit(m_key, w.replyCmd, w.channel, request.alone)) {
    case SessionLedger::Admission::Refuse:
        // Its reply could not be placed: not written, said out of step.
        qWarning() << "not sent, replies" << w.replyCmd << "of" << m_key.ip << "in doubt";
        refuseLater(w);
        return true;
    case SessionLedger::Admission::Wait:
        qInfo() << "request" << request.cmd << "of" << m_key.ip << "waits for earlier answers of" << w.replyCmd;
        w.queued = true;
        w.pending = request;
        add(w);
        ledger->enqueue(this, w.id, m_key, w.replyCmd, w.channel, request.alone, w.kind != RequestKind::Read);
        emit queueChanged();
        return true;
    case SessionLedger::Admission::Now:
        break;
    }
    add(w);
    return write(w.id, request);
}

bool ConfigConversation::write(quint64 id, const ConfigRequest &request)
{
    const int listed = find(id);
    if (listed < 0)
        return false;
    const Waiter &w = m_waiters.at(listed);
    SessionLedger *ledger = SessionLedger::instance();
    ledger->claim(this, id, w.replyCmd, deadlineFor(request.cmd), w.kind == RequestKind::Save, request.alone,
                  request.change);
    const bool written = request.body.isEmpty()
                             ? KelvoSDKHelper::instance()->sendCmd(m_key, request.cmd, request.channel)
                             : KelvoSDKHelper::instance()->sendData(m_key, request.cmd, request.body, request.channel);
    ledger->unclaim();
    if (written)
        return true;
    // Nothing went out: no reply will come.
    qWarning() << "not sent, write failed:" << m_key.ip << request.cmd;
    const int at = find(id);
    if (at >= 0)
        m_waiters.removeAt(at);
    return false;
}

void ConfigConversation::writeWaiting(quint64 id)
{
    const int at = find(id);
    if (at < 0 || !m_waiters.at(at).queued)
        return;
    Waiter &w = m_waiters[at];
    const ConfigRequest request = w.pending;
    w.queued = false;
    w.pending = ConfigRequest();
    if (!w.live && !w.unheard) {
        // Nobody waits for it any more (given up): not written.
        m_waiters.removeAt(at);
        emit queueChanged();
        return;
    }
    QObject *requester = w.requester;
    const bool unheard = w.unheard;
    // Never written: said so, never that it may not have been saved.
    const ConfigReply lost = failure(w, ReplyFate::NotSent);
    qInfo() << "request" << request.cmd << "of" << m_key.ip << "goes out after waiting for its line";
    const bool written = isOnline() && write(id, request);
    if (!written) {
        const int still = find(id);
        if (still >= 0)
            m_waiters.removeAt(still);
    }
    emit queueChanged();
    if (!written && unheard)
        sayUnheard(lost);
    else if (!written)
        emit replied(requester, lost);
    endWhenDone();
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
        given += w.request && !w.live && !w.unheard ? 1 : 0;
    for (int i = 0; given > 4 * MaxWaiting && i < m_waiters.size(); ++i) {
        if (m_waiters.at(i).request && !m_waiters.at(i).live && !m_waiters.at(i).unheard) {
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
        n += w.request && !w.queued && (replyCmd < 0 || w.replyCmd == replyCmd) ? 1 : 0;
    return n;
}

int ConfigConversation::queued(const QObject *requester) const
{
    int n = 0;
    for (const Waiter &w : m_waiters)
        n += w.queued && w.live && (!requester || w.requester == requester) ? 1 : 0;
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

QString ConfigConversation::stoppedAnsweringText()
{
    return tr("The device stopped answering these requests.");
}

QString ConfigConversation::repeatedText()
{
    return tr("The device sent an answer twice: the values shown cannot be trusted. Reading again.");
}

QString ConfigConversation::saveOutOfStepText()
{
    return tr("The device has not answered earlier requests of this kind yet. Nothing was saved.");
}

QString ConfigConversation::savedLateText()
{
    return tr("Saved (the device answered late).");
}

QString ConfigConversation::waitingText()
{
    return tr("Waiting for the device to answer an earlier request of this kind; this one goes out next.");
}

QString ConfigConversation::unprovenText()
{
    return tr("The device took a change, but its answer could be another request's: the client's record of the "
              "device follows only once the device shows what it holds.");
}

QString ConfigConversation::notSentText()
{
    return tr("Not sent: the device did not log in again in time. Make the change again once it is online.");
}

QString ConfigConversation::awaitingAnswerText()
{
    return tr("Sent; waiting for the device's answer.");
}

QString ConfigConversation::ofDeviceText(const QString &device, const QString &words)
{
    return tr("%1: %2").arg(device, words);
}

QString ConfigConversation::ofChannelText(const QString &channel, const QString &words)
{
    return tr("Save of %1: %2").arg(channel, words);
}

QString ConfigConversation::reconnectText()
{
    return tr("Reconnect and read again");
}

QString ConfigConversation::tookEarlierText(const QStringList &values)
{
    // Only what reads as a value in a line: a week's schedule or a block of
    // a body is not.
    QStringList named;
    for (const QString &value : values) {
        if (!value.isEmpty() && value.size() <= MaxNamedLength && !value.contains(QLatin1Char('<'))
            && named.size() < MaxNamed)
            named << value;
    }
    if (named.isEmpty())
        return tr("The device took the values of an earlier Save; the values shown now are not saved.");
    return tr("The device took %1 from an earlier Save; the values shown now are not saved.")
        .arg(named.join(QStringLiteral(", ")));
}

QString ConfigConversation::tookChannelText(const QString &savedChannel, const QString &shownChannel, bool readSince)
{
    if (readSince && !shownChannel.isEmpty())
        return tr("The device took the Save of %1; %2 shows what the device holds.").arg(savedChannel, shownChannel);
    return tr("The device took the Save of %1.").arg(savedChannel);
}

QString ConfigConversation::saveOnRepeatText()
{
    return tr("The last Save may have sent values of a repeated answer; read again before saving.");
}

QString ConfigConversation::refusalText(const ConfigReply &reply)
{
    return reply.fate == ReplyFate::Answered && reply.result.kind == ReplyResult::Failure
               ? CommonHelper::errorCodeToText(reply.result.code)
               : SharedTexts::configFailedText();
}

QString ConfigConversation::saveOutcomeText(const ConfigReply &reply, const SaveSettled &settled,
                                            const QString &refusedText, const QString &successText)
{
    // Said as a channel: the values shown are another channel's, and the
    // operator must know which one's Save this was.
    const bool otherChannel = !settled.savedChannel.isEmpty() && settled.savedChannel != settled.shownChannel;
    const auto named = [&settled, otherChannel](const QString &words) {
        return otherChannel ? ofChannelText(settled.savedChannel, words) : words;
    };
    switch (reply.fate) {
    case ReplyFate::NoReply:
        return named(noAnswerText());
    case ReplyFate::OutOfStep:
        return named(saveOutOfStepText());
    case ReplyFate::ConnectionLost:
        return named(connectionLostText());
    case ReplyFate::NotSent:
        return named(notSentText());
    case ReplyFate::Answered:
        break;
    }
    if (!reply.ok())
        return named(refusedText.isEmpty() ? refusalText(reply) : refusedText);
    // A success the record cannot follow yet: the same words wherever it is said.
    if (reply.record == RecordFate::Unproven)
        return named(unprovenText());
    // Stored: what the device holds now is what the operator is told.
    if (settled.onRepeat)
        return saveOnRepeatText();
    if (otherChannel)
        return tookChannelText(settled.savedChannel, settled.shownChannel, settled.readSince);
    if (!settled.shown)
        return tookEarlierText(settled.took);
    if (reply.late)
        return savedLateText();
    return successText.isEmpty() ? SharedTexts::configSuccessText() : successText;
}

void ConfigConversation::watch(QObject *requester)
{
    if (!requester || m_watched.contains(requester))
        return;
    m_watched.insert(requester);
    connect(requester, &QObject::destroyed, this, &ConfigConversation::requesterGone);
}

int ConfigConversation::find(quint64 id) const
{
    for (int i = 0; i < m_waiters.size(); ++i) {
        if (m_waiters.at(i).request && m_waiters.at(i).id == id)
            return i;
    }
    return -1;
}

bool ConfigConversation::hears(quint64 id) const
{
    const int at = find(id);
    return at >= 0 && m_waiters.at(at).requester;
}

ConfigConversation::Taker ConfigConversation::takerOf(quint64 id, bool late) const
{
    const int at = find(id);
    if (at < 0 || !handedOn(m_waiters.at(at), late))
        return Taker();
    return Taker{m_waiters.at(at).requester, m_waiters.at(at).tag};
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
    if (!handedOn(w, late)) {
        if (w.unheard)
            sayUnheard(reply);
        else
            qInfo() << "late reply" << reply.cmd << "of" << m_key.ip << "dropped: nobody waits for it";
        endWhenDone();
        return;
    }
    // An unusable text was logged by the reader already.
    if (reply.usable && !reply.result.ok())
        qInfo() << "reply" << reply.cmd << "of" << m_key.ip << "failed:" << reply.result.describe();
    emit replied(w.requester, reply);
}

void ConfigConversation::settled(quint64 id, ReplyFate fate, RecordFate record)
{
    const int at = find(id);
    if (at < 0)
        return;
    Waiter &w = m_waiters[at];
    const bool tell = w.live;
    const bool unheard = w.unheard;
    const bool wasQueued = w.queued;
    ConfigReply reply = failure(w, fate);
    reply.record = record;
    QObject *requester = w.requester;
    if (fate == ReplyFate::NoReply)
        qWarning() << "no reply to" << w.sentCmd << "from" << m_key.ip << "within" << deadlineFor(w.sentCmd) << "ms";
    // Kept, requester too, while its reply may still come: a late reply to a
    // Save says what the device did.
    w.live = false;
    if (fate != ReplyFate::NoReply || wasQueued)
        m_waiters.removeAt(at);
    if (wasQueued)
        emit queueChanged();
    if (tell)
        emit replied(requester, reply);
    else if (unheard)
        sayUnheard(reply);
    endWhenDone();
}

void ConfigConversation::repeated(const Taker &taker, const ConfigReply &reply)
{
    if (!taker.requester)
        return;
    qWarning() << "reply" << reply.cmd << "of" << m_key.ip << "taken last by"
               << taker.requester->metaObject()->className() << "may have been a copy";
    emit replyRepeated(taker.requester.data(), taker.tag);
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

void ConfigConversation::startCounting()
{
    SessionLedger::instance();
}

LineState ConfigConversation::lineState(int replyCmd, int channel) const
{
    return SessionLedger::instance()->state(m_key, replyCmd, channel);
}

QList<unsigned int> ConfigConversation::savesOut() const
{
    return hasDevice() ? SessionLedger::instance()->savesOwed(m_key) : QList<unsigned int>();
}

void ConfigConversation::restartSession()
{
    if (hasDevice())
        KelvoSDKHelper::instance()->restartSession(m_key);
}
