#pragma once

// The marks a configuration page shows, the same in the camera and the NVR
// window and in the dialogs: why its values are not the device's (a read
// that failed), with the way back beside it ("Reconnect and read again"),
// and that the operator's last Save did not go through. One set per page, a
// child of the page; the labels are the page's direct children
// ("labelReadFailed", "labelNotSaved"); the action, "pushButtonReconnect",
// lies over the page as a child of its parent (a page that was not read is
// disabled, and the action must stay usable).
//
// The marks have a room of their own above the page's contents (the page's
// contents margin), kept whether a mark shows or not: nothing on the page
// moves when a mark comes or goes, and no mark is drawn over the page's own
// texts. The failure's row is as tall as the longest words it may say at
// the page's width beside the action; below it the not-saved row. Texts
// that do not fit the width wrap.
//
// A page whose read failed while it shows no reading of its device (none
// yet, or one of another channel) shows no values at all (UnreadForm) until
// a read succeeds; a page that shows an earlier reading keeps it, marked.
//
// A Save refused because an earlier request of its line never had its answer
// (offerReconnect()) is said the same way, with the same action: the doubt
// is the device session's, and only that line catching up or a fresh
// session ends it.
//
// Reconnect asks first when the device's session still owes the answer to a
// Save or a disk format (whoever sent it): a fresh session would lose it.
// Once the operator agreed (or nothing was out) the followed round
// (followRound()) reconnects and reads again by itself.

#include "KelvoCommon.h"
#include "UnreadForm.h"

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class ConfigConversation;
class ConfigPageSession;
struct ConfigReply;
class ConfigReadRound;
class QLabel;
class QPushButton;
class QWidget;

class ConfigPageMarks : public QObject
{
    Q_OBJECT

public:
    // The page's marks, made on first use.
    static ConfigPageMarks *of(QWidget *page);

    void showReadFailure(const QString &text, bool offerReconnect);
    void hideReadFailure();
    bool readFailureShown() const;
    void setNotSaved(bool show);
    bool notSavedShown() const;
    // The not-saved mark follows the page's session from now on.
    void follow(ConfigPageSession *session);
    // A page whose Saves each send a part of it (a section, a tab): each
    // part keeps its own not-saved state, so a part refused stays marked
    // while another part is stored; it goes once that part is stored or the
    // page is read again. The mark shows while any part is marked. Between
    // partBegins() and partEnds() (a Save of the part sent, or its answer
    // settled) the session's state is that part's.
    void followParts(ConfigPageSession *session);
    void partBegins(int part);
    void partEnds();
    bool partNotSaved(int part) const { return m_partsNotSaved.contains(part); }
    // The read-failure mark follows the round: shown with the round's words
    // for its failure (fallback() where it has none of its own), and
    // Reconnect; hidden only when a round of the page was read. fallback() is
    // also asked whenever the marks are placed, to keep room for its words.
    void followRound(ConfigReadRound *round, std::function<QString()> fallback);
    QPushButton *reconnectButton() const { return m_reconnect; }
    // A Save (of the page, or of a dialog the marks stand in) not written
    // because its line is in doubt: said, with Reconnect beside it, until the
    // line is in step again.
    void offerReconnect(const ConfigReply &refused);
    // The conversation asked what is still out: the one given, else the
    // nearest one owned by the page or a widget around it.
    void setConversation(ConfigConversation *conversation);
    ConfigConversation *conversation() const;

    // The question asked before a fresh session, naming what would lose its
    // answer; empty when nothing is out.
    static QString reconnectQuestion(const QList<unsigned int> &savesOut);
    // Waiting words for as long as requests of requester wait their turn on
    // the conversation's lines (ConfigConversation::queued()), the same for
    // every page and dialog; done (if any) runs each time none waits any more.
    static void sayWaiting(ConfigConversation *conversation, QObject *requester,
                           std::function<void()> done = std::function<void()>());

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ConfigPageMarks(QWidget *page);
    void place();
    QLabel *label(const char *name);
    void onReconnect();
    void sayRoundFailure();
    void onRoundFailed();
    void onRoundDone();
    void onSaveSettled(const ConfigReply &reply);
    void endDoubt();
    // The room's rows at a width: the failure's with the action beside it
    // (whatever it may say), and the not-saved one's.
    void measure();
    QStringList failureTexts() const;
    int failureRowHeight(int width) const;
    int notSavedRowHeight(int width) const;
    void placeFailure(int right, int top);

    QWidget *m_page;
    QMargins m_margins; // the page's own contents margins
    QLabel *m_failure = nullptr;
    QPushButton *m_reconnect = nullptr; // a child of the page's parent
    bool m_offered = false;
    QLabel *m_notSaved = nullptr;
    QPointer<ConfigConversation> m_conversation;
    QPointer<ConfigReadRound> m_round;
    std::function<QString()> m_fallback;
    bool m_asking = false;
    // The line whose Save was refused while in doubt; -1: none.
    QPair<int, int> m_doubtLine{-1, 0};
    QPointer<ConfigConversation> m_doubtWatched;
    UnreadForm m_unread;
    // The channel of the reading the page shows; none before a round was read.
    bool m_showsReading = false;
    int m_readChannel = 0;
    // The action's size (measured once per language and look while it is
    // not made) and the marks' font.
    QSize m_action;
    QFont m_markFont;
    bool m_measuring = false;
    // Parts of the page not saved (followParts()), and the part in hand.
    QPointer<ConfigPageSession> m_partsSession;
    QSet<int> m_partsNotSaved;
    int m_partInHand = -1;
    // The session holds the whole page marked (Saves built on a repeated
    // answer) until a later Save is stored.
    bool m_partsDoubted = false;
};
