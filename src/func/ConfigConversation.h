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
// - The device sends no request id. What is on the wire is kept per device
//   session, not per conversation, by the session ledger, which holds the one
//   rule of how the replies of a line (reply command and channel) are placed
//   (SessionLedger.h): every request that goes out to the session is counted,
//   whoever sends it (a window opened later shares the wire with what an
//   earlier one left on it), and the reply carries its request's tag back.
//   What the conversation adds to that rule: a request sent to a line in
//   doubt (lineState()) is not written and is answered OutOfStep; it says
//   when a line caught up (lineInStep()) or stalled (lineStalled()), and
//   when a reply its requester took may have been a copy of an older answer
//   (replyRepeated()). Only a reply or a fresh session (restartSession())
//   brings a line in doubt back in step.
//
// - A request standing alone (ConfigRequest::alone), or one sent while such
//   a request of its line is owed or others wait before it, is not written
//   at once: it waits its turn (queued()), the window answering meanwhile,
//   and goes out in the order sent, or is answered OutOfStep when its line
//   falls in doubt first, ConnectionLost when the connection breaks first.
//
// - Every request is answered or said failed: NoReply when nothing came
//   within its deadline (timeoutMs(), 6 s; longTimeoutMs() for what a device
//   does at length, deadlineFor()), ConnectionLost when its connection broke,
//   OutOfStep when it was not written because its line is in doubt, NoReply
//   too when more than MaxWaiting of one command wait (the oldest is given
//   up). A request that was written is never answered OutOfStep. A Save
//   whose reply comes after its deadline is answered again with that reply
//   and late set, once its line caught up: the device did answer it. A
//   read's reply after its deadline is not handed on.

// - An unusable message (cut off, not XML, nested too deep) is still handed
//   to the requester when its command can be read from the text, with
//   usable false and an Unreadable result; its text is never parsed further.
//   Its values must not reach a page.
//
// - Replies come in the order the device sent them, synchronously inside the
//   facade's signal (those kept while their line was in doubt all at once
//   when it caught up, in order): a page sees the reply to its first request
//   before the reply to its second.
//
// - A requester that is destroyed is forgotten with all it waited for,
//   except its Saves: one waiting for its turn still goes out in turn, and
//   what becomes of each is said in a notice naming the device
//   (RecordKeeper::notice()). A conversation destroyed with its window
//   hands the Saves it still owes to one that settles them without it.
//
// - A Save waiting for its turn when the connection breaks (the device logs
//   in anew with new credentials, or the connection was lost) is not
//   written on the broken one: it goes out once the device took the login
//   of a fresh one, or is answered NotSent when none comes in time.
//
// The windows decide what a reply means to the operator: a Save reply gets
// the result toast, a Read reply fills the page only when ok(), and so on.
// The conversation shows nothing and holds no widget.

#include "KelvoCommon.h"

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>


// A change of what the client keeps of its device (the password of the
// account it logs in with, the RTSP port, the address) that the answer to a
// request brings. RecordKeeper.h holds what becomes of it.
struct RecordChange
{
    enum Kind {
        None,
        Password, // user's password becomes value
        RtspPort, // value: the port
        Address,  // value: the new address
        Reset,    // the password reset of the account the client logs in with
    };
    Kind kind = None;
    QString ip;    // the device, as the registry knows it when sent
    QString user;  // Password: the account
    QString value; // the new password, port or address
    bool isSet() const { return kind != None; }
};

// What the answer to a request carrying a change did to the client's record.
enum class RecordFate {
    None,     // no change carried, or nothing written
    Stored,   // the answer can only be its own, or the camera moved instead of answering: the record follows it
    Unproven, // a success that could be another request's: checked with the device first
    Refused,  // the device refused: the record stays
    InDoubt,  // no answer, or one that cannot be read: checked with the device, or at the next login
};

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
    // Its answer changes the client's own record of the device (a password,
    // a port, an address): it stands alone on its line (SessionLedger.h), so
    // that its answer is provably its own (ConfigReply::sole).
    bool alone = false;
    // What its answer changes of the record (RecordKeeper.h); one set stands
    // alone whatever alone says.
    RecordChange change;
};

// How a request ended.
enum class ReplyFate {
    Answered,       // the device's reply (see usable and result)
    NoReply,        // nothing within the deadline
    ConnectionLost, // the connection broke while it was out
    OutOfStep,      // not written: its line is in doubt (see above)
    NotSent,        // not written: it waited for a fresh session that never logged in in time
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
    bool late = false;                     // a Save's reply that came after its deadline
    // No other request of its line was owed from its request's writing to
    // this answer: it can only be its own request's. Only such an answer
    // proves what the device holds.
    bool sole = false;
    // What the answer did to the client's record (ConfigRequest::change).
    RecordFate record = RecordFate::None;
    // The request's place among every request written to any device (the
    // ledger's count), 0 when it was not written: what a read shows holds
    // for the changes written before it.
    quint64 written = 0;

    // Usable and the device's result is success.
    bool ok() const { return fate == ReplyFate::Answered && usable && result.ok(); }
};

Q_DECLARE_METATYPE(ConfigReply)

// Whether the replies of a line are placed as they come, kept until the
// earlier ones came, or no longer come. The session ledger keeps it
// (SessionLedger.h); a conversation only asks.
enum class LineState {
    InStep,  // replies are placed as they come
    InDoubt, // an owed request passed its deadline; replies are kept
    Stalled, // in doubt, and nothing came for another deadline
};

// What an answer to a Save means for the page that sent it
// (ConfigPageSession::settleSave()). A dialog's Save always stands for what
// it shows.
struct SaveSettled
{
    bool mine = true;      // answers a Save the page sent (and still listens for)
    bool shown = true;     // the page still shows what that Save sent
    bool onRepeat = false; // the Save may have sent values of a repeated answer
    QStringList took;      // not shown: the values of that Save the page no longer shows
    // The channel that Save was of and the one the page shows now, as the
    // page names them ("CH_01"); empty for a page without channels.
    QString savedChannel;
    QString shownChannel;
    bool readSince = false; // the page read the device again after that Save went out
};

// What each written request of a page or dialog sent, kept by its tag until
// the answer the ledger says pays it: an answer settles only its own
// request, never the one sent last. As many are kept as a line waits for.
template <class T> class SentByTag
{
public:
    void add(quint64 tag, const T &sent);
    // Whether the answer pays one of the requests kept.
    bool owns(const ConfigReply &reply) const { return indexOf(reply) >= 0; }
    // What the answered request sent, taken out. Nothing for an answer of no
    // request kept, nor when told no answer came: the device's own may still
    // come, and the request stays.
    bool take(const ConfigReply &reply, T *sent);
    bool isEmpty() const { return m_sent.isEmpty(); }
    void clear() { m_sent.clear(); }
    // Oldest first.
    QList<QPair<quint64, T>> &entries() { return m_sent; }
    const QList<QPair<quint64, T>> &entries() const { return m_sent; }

private:
    int indexOf(const ConfigReply &reply) const;
    QList<QPair<quint64, T>> m_sent;
};

class ConfigPageSession;

class ConfigConversation : public QObject
{
    Q_OBJECT

public:
    // Replies waited for per command at most; older requests are given up
    // first (said NoReply), so a device that never answers cannot make the
    // list grow.
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

    // The session of a configuration page (ConfigPageSession.h): made on
    // first use, one per page, gone with the page.
    ConfigPageSession *pageSession(QObject *page);

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
    // Requests of requester (null: any) not written yet: they wait for the
    // device to answer earlier requests of their line (queueChanged()).
    int queued(const QObject *requester = nullptr) const;

    // How long a request may go unanswered (6 s; tests shorten it).
    static void setTimeoutMs(int ms);
    static int timeoutMs();
    // What a device does at length (a disk format) is given a hundred times
    // as long: ten minutes.
    static int longTimeoutMs();
    static int deadlineFor(unsigned int cmd);

    // Counts every request written to any session from now on (made on the
    // first conversation otherwise).
    static void startCounting();

    LineState lineState(int replyCmd, int channel) const;
    bool inStep(int replyCmd, int channel) const { return lineState(replyCmd, channel) == LineState::InStep; }
    // The commands of the Saves (a disk format too) the device's session
    // still owes an answer to, whoever sent them, oldest first: what a fresh
    // session would leave unanswered.
    QList<unsigned int> savesOut() const;
    // Drops the device's session and lets the usual reconnect and login open a
    // fresh one: what runs over it (NVR playback, downloads) is told its
    // connection was lost. The only way back in step for a device that
    // dropped a request for good.
    void restartSession();

    // What the operator is told of the answer to a Save, the same in every
    // window and dialog: stored (late or not), stored with values the page no
    // longer shows (which ones), possibly built on a repeated answer, no
    // answer, connection lost, not written as its line is in doubt, or
    // refused: refusedText, by default the device's own words
    // (refusalText()). successText: what a dialog says of a Save stored in
    // time instead of the generic success.
    static QString saveOutcomeText(const ConfigReply &reply, const SaveSettled &settled = SaveSettled(),
                                   const QString &refusedText = QString(), const QString &successText = QString());
    // The device's words for a refused request: its text for the error code,
    // the generic failure for an answer that cannot be read.
    static QString refusalText(const ConfigReply &reply);
    static QString offlineText();
    static QString noAnswerText();
    static QString connectionLostText();
    // A Save clicked before the page's read came.
    static QString stillReadingText();
    // The mark of a page whose last Save did not go through.
    static QString notSavedText();
    // A read whose answer cannot be placed; the page reads again once it can.
    static QString outOfStepText();
    // A line in doubt that heard nothing for another deadline.
    static QString stoppedAnsweringText();
    // A page whose last answer may have been a copy of an older one.
    static QString repeatedText();
    // A Save not sent because the device still owes answers of its command.
    static QString saveOutOfStepText();
    // A Save whose success came after its deadline.
    static QString savedLateText();
    // A request waiting for the device to answer earlier ones of its kind.
    static QString waitingText();
    // A change the device took whose answer could be another request's: the
    // client's record follows only what the device shows it holds (a read,
    // a login). The one text of that case, on every page and dialog.
    static QString unprovenText();
    // A Save that waited for a fresh session of its device, which did not
    // log in in time: never written.
    static QString notSentText();
    // A request written whose answer has not come yet.
    static QString awaitingAnswerText();
    // What is said of a device in a notice, outside its windows.
    static QString ofDeviceText(const QString &device, const QString &words);
    // A failure of a Save of one channel, said while the page shows another.
    static QString ofChannelText(const QString &channel, const QString &words);
    // A Save stored while the page shows other values since: the values the
    // device took (none listed: the values of that Save).
    static QString tookEarlierText(const QStringList &values);
    // A Save of one channel stored while the page shows another: the other
    // one's values as read from the device since, when they were.
    static QString tookChannelText(const QString &savedChannel, const QString &shownChannel, bool readSince);
    // A Save sent while the page showed values a repeated answer brought.
    static QString saveOnRepeatText();
    // The action offered beside an out-of-step failure.
    static QString reconnectText();

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
    // A line of the session caught up: reads of it are placed again.
    void lineInStep(int replyCmd, int channel);
    // A line in doubt heard nothing for another deadline.
    void lineStalled(int replyCmd, int channel);
    // The reply requester took last (its tag) may have been a copy of an
    // older answer: a reply of its line came that was owed to nobody.
    void replyRepeated(QObject *requester, quint64 tag);
    // A fresh session of the device is connected and the device took its login.
    void sessionStarted();
    // A request began or ended waiting for its turn (queued()).
    void queueChanged();

private:
    friend class SessionLedger;
    struct Waiter
    {
        QObject *requester = nullptr;
        int replyCmd = -1;
        RequestKind kind = RequestKind::Other;
        unsigned int sentCmd = 0;
        int channel = -1; // the request's head channel; -1: any (expect())
        quint64 tag = 0;
        quint64 id = 0;      // the session ledger's, for a request
        bool request = true; // from send(): owed until its reply was counted or the connection broke
        bool every = false;
        bool live = true;    // a request whose requester still waits for it
        bool queued = false; // not written yet: waits for its line (pending)
        // A Save whose requester is gone: it goes out all the same, and what
        // becomes of it is said in a notice naming the device.
        bool unheard = false;
        ConfigRequest pending;
    };

    // Who the reply to a request reaches once placed: its requester and tag;
    // no requester when nobody waits for it any more.
    struct Taker
    {
        QPointer<QObject> requester;
        quint64 tag = 0;
    };

    // Called by the session ledger.
    Taker takerOf(quint64 id, bool late) const;
    // Whether whoever sent request id still hears of it.
    bool hears(quint64 id) const;
    void placed(quint64 id, ConfigReply reply, bool late);
    void settled(quint64 id, ReplyFate fate, RecordFate record = RecordFate::None);
    void unplaced(const ConfigReply &reply);
    void repeated(const Taker &taker, const ConfigReply &reply);
    // A request that waited for its line goes out now.
    void writeWaiting(quint64 id);

    int find(quint64 id) const;
    void watch(QObject *requester);
    void requesterGone(QObject *gone);
    // The Saves still owed or waiting go on without this conversation.
    void handOver();
    bool owesSaves() const;
    // Said outside the windows, naming the device: the outcome of a Save
    // whose requester is gone.
    void sayUnheard(const ConfigReply &reply) const;
    // An orphan ends once nothing of it is owed.
    void endWhenDone();
    void add(const Waiter &waiter);
    void refuseLater(const Waiter &waiter);
    // Writes a request already listed; false, unlisting it, when nothing went out.
    bool write(quint64 id, const ConfigRequest &request);
    ConfigReply failure(const Waiter &w, ReplyFate fate) const;

    loginDev m_key;
    QHash<QObject *, ConfigPageSession *> m_pages;
    QList<Waiter> m_waiters; // in the order they were added
    QSet<QObject *> m_watched;
    bool m_orphan = false; // settles what a conversation destroyed handed over
};

template <class T> void SentByTag<T>::add(quint64 tag, const T &sent)
{
    if (tag == 0)
        return;
    m_sent.append(qMakePair(tag, sent));
    while (m_sent.size() > ConfigConversation::MaxWaiting)
        m_sent.removeFirst();
}

template <class T> int SentByTag<T>::indexOf(const ConfigReply &reply) const
{
    for (int i = 0; i < m_sent.size() && reply.tag != 0; ++i) {
        if (m_sent.at(i).first == reply.tag)
            return i;
    }
    return -1;
}

template <class T> bool SentByTag<T>::take(const ConfigReply &reply, T *sent)
{
    const int at = indexOf(reply);
    if (at < 0 || reply.fate == ReplyFate::NoReply)
        return false;
    const T taken = m_sent.takeAt(at).second;
    if (sent)
        *sent = taken;
    return true;
}
