#pragma once

// The reads one configuration page or dialog makes before it may save.
//
// What an owner (any page or dialog, widget or not) may rely on:
//
// - begin() starts a round: on open, on refresh, on a channel change. The
//   requests of earlier rounds are no longer waited for; they stay on the
//   wire in the conversation, which takes and drops their late answers, so
//   the answer to an earlier read never passes for the new read's. A reply
//   the owner still gets for an earlier round is not this round's (Stale).
//
// - read() sends a required read through the conversation on behalf of the
//   requester given at construction; readOptional() one the page works
//   without. expect() announces a required read the owner sends later in
//   the same round (after a delay): the round is not read before it came.
//   A request whose send failed is a failed read.
//
// - The owner hands every reply the conversation delivers for the requester
//   to take(), with complete false when the reply lacks what the page needs
//   (an empty body, no block of the page). A reply is the round's when it
//   answers one of the round's own requests: same command, same channel (the
//   conversation hands the request's tag back).
//
// - The round is Done once every required read answered usable, with result
//   0 and complete. Any failure (a result other than 0, an unusable or
//   incomplete reply, a send that failed, no reply within timeoutMs(), or
//   fail() by the owner) makes it Failed for good: nothing later in the
//   round changes that; only begin() starts afresh. failed() is emitted once
//   per round, done() once when the round is read.
//
// - Optional reads never fail the round; optionalOk() says whether one
//   answered (so its control is enabled and its set command sent).
//
// - Idle (nothing begun or nothing asked) is not read: isRead() is true only
//   in Done. A Save goes out only when isRead().
//
// - channel() is the channel of the round's first read: where a Save of the
//   round's values belongs.
//
// - The round keeps nothing of its lines' state: the conversation's ledger
//   does. readAgain() asks the owner to begin a new round (when the page is
//   shown and not reading): once the line a read failed on caught up, once a
//   fresh session is up after a failure on the wire (or after reconnect()),
//   and at once when a reply the round took may have been a copy of an older
//   answer (one owed to nobody came on its line: the round fails first, so
//   no Save goes out on what it showed).
//   failureText() gives the words for the failure as things stand now;
//   failureChanged() says they changed (the line stalled).

#include "ConfigConversation.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <cstdint>

class QTimer;

class ConfigReadRound : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle,    // no round, or a round that asked nothing yet
        Pending, // required reads out
        Done,    // every required read answered whole and successful
        Failed,  // a required read failed, never came or could not be sent
    };

    // What take() made of a reply.
    enum class Answer {
        NotMine,  // not one of the round's requests (another request of the owner)
        Stale,    // answers a request of an earlier round
        Required, // a required read of this round
        Optional, // an optional read of this round
    };

    // requester: the object the conversation hands the replies to (the page).
    explicit ConfigReadRound(QObject *requester, QObject *parent = nullptr);
    ~ConfigReadRound() override;

    void setConversation(ConfigConversation *conversation);
    ConfigConversation *conversation() const { return m_conversation; }

    void begin();
    bool read(unsigned int cmd, uint8_t channel = 0, const QString &body = QString(), int replyCmd = -1);
    bool readOptional(unsigned int cmd, uint8_t channel = 0, const QString &body = QString(), int replyCmd = -1);
    void expect(unsigned int cmd, uint8_t channel = 0);

    Answer take(const ConfigReply &reply, bool complete = true);
    // The owner found what a reply brought unusable (or gives up the round).
    void fail(const QString &why);

    State state() const { return m_state; }
    bool isRead() const { return m_state == State::Done; }
    bool isFailed() const { return m_state == State::Failed; }
    bool optionalOk(unsigned int cmd) const { return m_optionalOk.contains(cmd); }
    // Required reads of this round not answered yet.
    int pending() const { return m_pending.size(); }
    int channel() const { return m_channel; }
    // Counts begin(): a read a page sends later (after a delay) belongs to
    // the round it was planned in, and is dropped once another began.
    quint64 generation() const { return m_generation; }
    QString failure() const { return m_failure; }
    // What the operator is told of the failure now: fallback unless the
    // device's answers of the failed read's line cannot be placed yet, have
    // stopped, or one the round took was repeated.
    QString failureText(const QString &fallback) const;
    // Failed because a reply the round took may have been a copy.
    bool untrusted() const { return m_state == State::Failed && m_untrusted; }

    // Drops the device's session and reads again once a fresh one is up.
    void reconnect();
    // What the page shows no longer holds (what it did was cut off with the
    // connection): read again at once, or once a fresh session is up.
    void readWhenBack();

    // The tag of the latest read any round sent: a request sent after a
    // reply with a tag up to it was taken went out after that read.
    static quint64 lastTag();

    // How long a read may go unanswered (the conversation's deadline, 6 s;
    // tests shorten it).
    static void setTimeoutMs(int ms);
    static int timeoutMs();

signals:
    void failed(const QString &why);
    void done();
    void readAgain();
    void failureChanged();

private:
    struct Sent
    {
        unsigned int cmd = 0; // the reply command waited for
        int channel = 0;
        bool required = true;
    };

    bool send(unsigned int cmd, uint8_t channel, const QString &body, int replyCmd, bool required);
    void settle();
    void onLineInStep(int replyCmd, int channel);
    void onLineStalled(int replyCmd, int channel);
    void onSessionStarted();
    void onRepeated(QObject *requester, quint64 tag);

    QObject *m_requester = nullptr;
    QPointer<ConfigConversation> m_conversation;
    State m_state = State::Idle;
    quint64 m_roundStart = 0; // tags of this round are above it
    quint64 m_generation = 0;
    QHash<quint64, Sent> m_sent;             // this round's requests by tag
    QList<QPair<unsigned, int>> m_pending;   // required (reply command, channel) not answered yet
    QList<QPair<unsigned, int>> m_announced; // expect()ed and not sent yet
    QSet<unsigned int> m_optionalOk;
    int m_channel = -1;
    QString m_failure;
    // How the round failed: the fate of the failing reply, and its line.
    ReplyFate m_failedFate = ReplyFate::Answered;
    QPair<int, int> m_failedLine{-1, 0};
    bool m_onWire = false; // not sent, not answered, cut off: a fresh session helps
    bool m_untrusted = false;
    bool m_readWhenBack = false;
    QList<QPair<unsigned, int>> m_lines;
    QTimer *m_deadline = nullptr;
};
