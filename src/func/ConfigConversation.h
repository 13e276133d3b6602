#pragma once

// The conversation of one configuration window or dialog with its device.
//
// What a window, a dialog or a page may rely on:
//
// - One conversation per open window or dialog, owned by it. setDevice()
//   points it at the device; it listens once to the facade's
//   signalCommonInfo and hears only that device: the same IP address and the
//   same session channel as toLoginDev(device). Stream data is not looked at.
//
// - Requests go out through send(): the conversation remembers who sent
//   what, and which reply command it waits for (the command itself unless
//   the request says otherwise). send() returns false, and remembers
//   nothing, when the device has no connection, the body is refused or the
//   message could not be written; the caller can then say so instead of
//   waiting.
//
// - The head of each message of the device comes read once with the bounded
//   reader (DeviceXml.h) by the receive worker (RecvInfo::head); the
//   conversation does not read the text again.
//
// - The device sends no request id. A request stays on the wire until a
//   reply of its command (on its head channel; what expect() waits for takes
//   any channel) was taken by it, oldest first, or its connection broke:
//   also when its requester gave up on it (forgetTags(), destroyed), whose
//   reply is then taken and dropped. So a late reply never answers a later
//   request while the earlier one is still out. One request takes one reply,
//   and the reply carries the request's tag back. A reply nobody waits for
//   goes to unrequested() and nowhere else: a set reply out of the blue
//   changes nothing and raises no toast.
//
// - A Save is a barrier: a request sent after a Save while a request of the
//   same command sent before that Save may still be answered cannot tell its
//   reply from the earlier one's. It is answered Unattributable, never with
//   the values: what came before a Save never stands for what was asked
//   after it.
//
// - Every request is answered or said failed: NoReply when nothing came
//   within timeoutMs() (6 s), ConnectionLost when its connection broke. A
//   request that timed out stays on the wire (its reply may still come).
//   A device that dropped one for good is found out when the next reply of
//   that command was taken by it and the newer request then timed out: both
//   are then counted answered, and what may still come for the older one
//   bars reads sent after a later Save (as above) until one of them took a
//   reply in its place. So one dropped request fails at most the next read
//   of its command (and one more read after a Save). Only a reply held past
//   two deadlines while the next read is held too can still go astray.
//
// - An unusable message (cut off, not XML, nested too deep) is still handed
//   to the requester when its command can be read from the text, with
//   usable false and an Unreadable result; its text is never parsed further.
//   Its values must not reach a page.
//
// - Replies come in the order the device sent them, synchronously inside the
//   facade's signal: a page sees the reply to its first request before the
//   reply to its second.
//
// - A requester that is destroyed is forgotten with all it waited for.
//
// The windows decide what a reply means to the operator: a Save reply gets
// the result toast, a Read reply fills the page only when ok(), and so on.
// The conversation shows nothing and holds no widget.

#include "KelvoCommon.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>

class QTimer;

// What a request is for; the window reads it back from the reply.
enum class RequestKind {
    Read,  // a get: the reply fills its page
    Save,  // a set whose result the window reports to the operator
    Other, // anything else (actions, sets reported by the page itself)
};

struct ConfigRequest
{
    unsigned int cmd = 0;
    QString body;
    uint8_t channel = 0; // the head's channel (a camera lens, ...), not the session's
    RequestKind kind = RequestKind::Read;
    int replyCmd = -1; // the command of the reply; -1: cmd itself
    quint64 tag = 0;   // the requester's own mark, handed back with the reply
};

// How a request ended.
enum class ReplyFate {
    Answered,       // the device's reply (see usable and result)
    NoReply,        // nothing within the deadline
    ConnectionLost, // the connection broke while it was out
    Unattributable, // a reply came, but it may answer a request sent before a Save
};

// One message of the device, as the conversation hands it on.
struct ConfigReply
{
    ReplyFate fate = ReplyFate::Answered;
    bool usable = false;                   // the whole text passed the bounded reader
    int cmd = -1;                          // the head's command; -1 when it cannot be read
    int channel = 0;                       // the head's channel
    ReplyResult result;                    // Unreadable whenever usable is false
    QString xml;                           // the text as received; parse it only when usable
    RequestKind kind = RequestKind::Other; // what the request was for
    unsigned int sentCmd = 0;              // the request's command; 0 for expect()
    quint64 tag = 0;                       // the request's tag; 0 for expect()

    // Usable and the device's result is success.
    bool ok() const { return fate == ReplyFate::Answered && usable && result.ok(); }
};

Q_DECLARE_METATYPE(ConfigReply)

class ConfigConversation : public QObject
{
    Q_OBJECT

public:
    // Replies waited for per command at most; older requests are forgotten
    // first, so a device that never answers cannot make the list grow.
    static constexpr int MaxWaiting = 16;

    explicit ConfigConversation(QObject *parent = nullptr);
    ~ConfigConversation() override;

    // The device's address and session channel (toLoginDev); null: none.
    // Changing the device forgets every request.
    void setDevice(const FUN_DEV_INFO *dev);
    void setDevice(const loginDev &key);
    loginDev device() const { return m_key; }
    bool hasDevice() const { return !m_key.ip.isEmpty(); }
    bool isOnline() const;

    // Sends the request and waits for its reply on behalf of requester.
    bool send(QObject *requester, const ConfigRequest &request);
    bool send(QObject *requester, unsigned int cmd, const QString &body = QString(), uint8_t channel = 0,
              RequestKind kind = RequestKind::Read);

    // Waits for messages of replyCmd that no request of this conversation
    // asks for (the login reply after a reboot, the answers of a search):
    // the next one only, or every one until forget().
    enum class Expect { Next, Every };
    void expect(QObject *requester, int replyCmd, RequestKind kind = RequestKind::Other, Expect how = Expect::Next);
    // Stops waiting: for one command, or for everything (replyCmd -1).
    void forget(QObject *requester, int replyCmd = -1);
    // Stops waiting for the requests of requester whose tags are listed;
    // they stay on the wire until their replies came.
    void forgetTags(QObject *requester, const QSet<quint64> &tags);

    // Replies waited for: by one requester (null: any), for one command (-1: any).
    int waiting(const QObject *requester = nullptr, int replyCmd = -1) const;
    // Requests of replyCmd (-1: any) still on the wire, waited for or not.
    int onWire(int replyCmd = -1) const;

    // How long a request may go unanswered (6 s; tests shorten it).
    static void setTimeoutMs(int ms);
    static int timeoutMs();

    // What the operator is told of a Save that did not go through: not sent
    // (offline), no answer, connection lost; refusedText for the device's
    // refusal. Empty for a Save that was stored.
    static QString saveFailureText(const ConfigReply &reply, const QString &refusedText);
    static QString offlineText();
    static QString noAnswerText();
    static QString connectionLostText();
    // A Save clicked before the page's read came.
    static QString stillReadingText();
    // The mark of a page whose last Save did not go through.
    static QString notSavedText();

    // For pages and dialogs that also work on their own: through the
    // conversation when there is one, otherwise straight to the device, and
    // then no reply is read. False when nothing was sent.
    static bool sendThrough(ConfigConversation *conversation, QObject *requester, const FUN_DEV_INFO *dev,
                            const ConfigRequest &request);
    static bool sendThrough(ConfigConversation *conversation, QObject *requester, const FUN_DEV_INFO *dev,
                            unsigned int cmd, const QString &body = QString(), uint8_t channel = 0,
                            RequestKind kind = RequestKind::Read);

signals:
    void replied(QObject *requester, const ConfigReply &reply);
    void unrequested(const ConfigReply &reply);

private:
    struct Waiter
    {
        QObject *requester = nullptr;
        int replyCmd = -1;
        RequestKind kind = RequestKind::Other;
        unsigned int sentCmd = 0;
        int channel = -1; // the request's head channel; -1: any (expect())
        quint64 tag = 0;
        bool request = true; // from send(): on the wire until answered or the connection broke
        bool every = false;
        bool live = true;      // a request whose requester still waits for it
        int epoch = 0;         // Saves sent before it
        bool crossing = false; // sent after a Save while a request before it was out
        bool skipped = false;  // an older request took a reply while this one was out
        int skippedEpoch = 0;  // the oldest such request's epoch
        qint64 deadline = 0;   // of m_clock; 0: none (expect())
    };
    using Line = QPair<int, int>; // reply command, head channel

    void onMessage(const RecvInfo &info);
    void onDisconnected(const loginDev &key);
    void onDeadline();
    void armDeadline();
    void watch(QObject *requester);
    void add(const Waiter &waiter);
    ConfigReply failure(const Waiter &w, ReplyFate fate) const;

    loginDev m_key;
    QList<Waiter> m_waiters; // in the order they were added
    QSet<QObject *> m_watched;
    // Per command and channel: epochs of requests counted answered that may
    // still be answered (a drop assumed, not known).
    QHash<Line, QList<int>> m_doubts;
    int m_saves = 0;
    QElapsedTimer m_clock;
    QTimer *m_deadline;
};
