#pragma once

// What the device owes each session, line by line, counted from what was
// written to it and what came back. One for the program: every conversation
// on a session shares it, and requests written past the conversations (the
// login, the main window's reads) are counted too. The ledger keeps each
// line's state (LineState) and who took its last reply; the conversations
// ask it.
//
// The rule, the only one, written here only: replies of a line (reply
// command and head channel, per device session) come in the order the
// requests were written.
//
// - While no owed request of a line is past its deadline, the next reply
//   pays the oldest owed request. A request may be written while older
//   requests of its line are owed, a read after a Save as well as before,
//   unless one of them stands alone (below).
//
// - A request whose answer changes the client's own record of the device
//   (a password, a port, an address) stands alone: it is written only when
//   nothing of its line is owed, and nothing else of its line is written
//   while it is owed. Its answer is then its own and no other's, also one
//   that comes after its deadline. What cannot be written yet waits, in the
//   order it was sent, and goes out once its line lets it; a line that falls
//   in doubt refuses what waits (none of it was written). A reply whose
//   request had no other request of its line owed beside it, from its
//   writing to its answer, says so (ConfigReply::sole): only such an answer
//   proves what the device holds. What such a request changes of the
//   client's record (ConfigRequest::change) is settled by the record keeper
//   (RecordKeeper.h) as the ledger places its answer or tells how it ended,
//   whatever became of the window that sent it; a change whose answer makes
//   the device log in anew (a new password) holds what waits on its
//   session until the fresh one.
//
// - Once one owed request is past its deadline the line is in doubt: the
//   device may still answer it, or never. The replies that come are counted
//   and kept (no more than are owed), none is placed. A request not yet
//   written is refused at once (admit()); one already written is told at its
//   own deadline that no answer came, never that it was not sent.
//
// - When every written request of the line has its reply, the kept replies
//   are placed in order: a Save hears its own answer, late or not; a read
//   whose deadline passed is not answered any more (its page was told and
//   reads again once the line is in step, lineInStep()).
//
// - A line in doubt that hears nothing for another deadline has stalled:
//   the device stopped answering these requests. Only a reply that lets the
//   line catch up, or a fresh session, ends that.
//
// - A reply owed to nobody on a line that had requests proves a repeat: the
//   requester that took the line's last reply is told (its values may be a
//   copy of an older answer), when that reply was handed on at all.
//
// - A connection that breaks (or is replaced by a fresh one) ends its
//   session: every request still owed is told its connection was lost, and
//   the next connection starts with every line in step. A Save that waited
//   for its turn was never written: it waits for the fresh session to take
//   the device's login and goes out then, in the order sent, or is told
//   NotSent when none did in time.
//
// Known and left: a device that repeats a reply while the next request is
// lost cannot be told apart without request ids; nor can one that repeats an
// earlier answer while a request standing alone is owed, and that repeat
// would pass for its answer: what the record takes of it is kept beside
// what it had until a login or a read shows which the device holds
// (RecordKeeper.h).

#include "ConfigConversation.h"
#include "KelvoCommon.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>

#include <functional>

class QTimer;

class SessionLedger : public QObject
{
    Q_OBJECT

public:
    static SessionLedger *instance();
    // At exit, once the ledger is destroyed: nothing is counted any more.
    static bool gone();
    ~SessionLedger() override;

    void attach(ConfigConversation *conversation);
    void detach(ConfigConversation *conversation);
    // What the ledger holds for from (owed, waiting) goes to to.
    void handOver(ConfigConversation *from, ConfigConversation *to);

    // Whether a request of the line may be written now, must wait its turn
    // (behind what waits already, or beside a request standing alone), or is
    // refused (its line is in doubt).
    enum class Admission { Now, Wait, Refuse };
    Admission admit(const loginDev &key, int replyCmd, int channel, bool alone) const;
    // A request admitted to Wait: the owner is asked to write it
    // (ConfigConversation::writeWaiting) once the line lets it, or told why
    // it never will be.
    void enqueue(ConfigConversation *owner, quint64 id, const loginDev &key, int replyCmd, int channel, bool alone,
                 bool save);

    // The conversation's request about to be written; counted when it is.
    void claim(ConfigConversation *owner, quint64 id, int replyCmd, int deadlineMs, bool save, bool alone,
               const RecordChange &change = RecordChange());
    void unclaim();

    // The record keeper made the device log in anew, or found it need not:
    // what waits on the session goes out again unless the session was
    // replaced meanwhile (then it waits for the fresh one).
    void reopen(const loginDev &key);
    // Runs then (soon, never from within) once the session owes no answer
    // still awaited, or has ended: a session ended on purpose cuts off no
    // answer the device is still giving.
    void afterOwed(const loginDev &key, std::function<void()> then);
    // How long a Save waits for a fresh session to take the login.
    static int heldMs();
    // The device moved or was deleted: what waits for its fresh session
    // never goes out (NotSent).
    void giveUpHeld(const QString &ip);

    LineState state(const loginDev &key, int replyCmd, int channel) const;
    // The commands of the Saves the session still owes an answer to
    // (deadline passed or not), oldest first.
    QList<unsigned int> savesOwed(const loginDev &key) const;

private:
    // Beyond this many a line keeps only the count of what it is owed.
    static constexpr int MaxListed = 64;

    struct Owed
    {
        QPointer<ConfigConversation> owner; // null: written past the conversations
        quint64 id = 0;
        unsigned int cmd = 0;
        qint64 deadline = 0;
        int deadlineMs = 0;
        bool save = false;
        bool expired = false;
        bool alone = false;
        bool shared = false; // another request of the line was owed beside it
        quint64 seq = 0;     // its place among every request written
        RecordChange change;
    };
    struct Waiting
    {
        QPointer<ConfigConversation> owner;
        quint64 id = 0;
        bool alone = false;
        bool save = false; // a change the operator confirmed (not a read): it waits for a fresh session
    };
    // A Save that waited on a session that ended: it waits for a fresh one.
    struct Held
    {
        Waiting waiting;
        QPair<int, int> line;
        qint64 until = 0;
    };
    struct Line
    {
        QList<Owed> owed;        // oldest first
        QList<Waiting> waiting;  // not written yet, in the order sent
        int unlisted = 0;        // owed, older than every listed one, no longer listed
        QList<ConfigReply> kept; // while in doubt, in the order they came
        bool inDoubt = false;
        bool stalled = false;
        qint64 quietUntil = 0; // in doubt: stalled when nothing came before
        int quietMs = 0;
        // Who took the line's last reply: told when a reply owed to nobody
        // shows it may have been a copy. No requester: the last reply was
        // handed to nobody.
        QPointer<ConfigConversation> lastOwner;
        ConfigConversation::Taker lastTaker;
        quint64 sent = 0;
        quint64 received = 0;
        quint64 dropped = 0;
    };
    struct Session
    {
        const void *client = nullptr; // the connection object the lines were counted on
        QHash<QPair<int, int>, Line> lines;
        bool started = false; // the device took the login on this connection
        // A change's answer makes the device log in anew: nothing more is
        // written on this connection.
        bool closing = false;
        loginDev key;
        QList<std::function<void()>> afterOwed;
    };
    struct Claim
    {
        QPointer<ConfigConversation> owner;
        quint64 id = 0;
        int replyCmd = -1;
        int deadlineMs = 0;
        bool save = false;
        bool alone = false;
        bool active = false;
        RecordChange change;
    };

    explicit SessionLedger(QObject *parent);

    Session &sessionFor(const loginDev &key);
    QList<ConfigConversation *> conversationsOf(const QString &session) const;

    void onWritten(const loginDev &key, unsigned int cmd, unsigned char channel);
    void onMessage(const RecvInfo &info);
    void place(const RecvInfo &info);
    // Who takes the reply of an owed request: the line's last taker.
    void remember(Line &line, const Owed &owed, bool late);
    // Tells the owner of request id how it ended, once dispatched: after the
    // ledger's own books are straight.
    static void settleLater(QList<std::function<void()>> &notices, const QPointer<ConfigConversation> &owner,
                            quint64 id, ReplyFate fate, RecordFate record = RecordFate::None);
    // The same for a written request: what it changes of the record is
    // settled first.
    static void settleOwed(QList<std::function<void()>> &notices, const loginDev &key, const Owed &owed,
                           ReplyFate fate);
    // Places an answer: what its request changes of the record is settled
    // first (closing the session when the device logs in anew).
    static void settleChange(Session &session, const Owed &owed, ConfigReply &reply);
    // What is owed is told the connection was lost; Saves still waiting
    // wait for a fresh session (everything waiting does when the session
    // was ended on purpose).
    void endSession(const QString &name, Session &session, QList<std::function<void()>> &notices);
    // Runs what waits for the session to owe nothing more (afterOwed()).
    void runIfQuiet(const QString &name);
    // Whether a request of the line, standing alone or not, may be written
    // now as far as what the line owes goes.
    static bool mayWrite(const Line &line, bool alone);
    // Writes what waits on a line, as far as it may go now. Looked up by name:
    // a handler that ran since may have written to the session.
    void drain(const QString &session, QPair<int, int> lineKey);
    void onDeadline();
    void onDisconnected(const loginDev &key);
    void onConnected(const loginDev &key);
    void started(const loginDev &key, Session &session);
    void arm();

    QList<ConfigConversation *> m_conversations;
    QHash<QString, Session> m_sessions;
    QHash<QString, QList<Held>> m_held; // by session
    quint64 m_written = 0;
    Claim m_claim;
    QElapsedTimer m_clock;
    QTimer *m_timer;
};
