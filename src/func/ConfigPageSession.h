#pragma once

// What one configuration page has going on with its device, kept by the
// conversation the page talks through (ConfigConversation::pageSession()):
// the page's read round, the Saves it sent and how they ended, and whether
// its values are not saved. The page keeps none of this itself: a mark on
// the page follows notSavedChanged(), and the window says saveSaid()'s words.
//
// A page's Save goes out from here (sendSave()) as what the page shows at
// that moment: every page says what it shows of the values its Saves send
// (setShowing()). An answer settles only its own Save (settleSave()): the
// not-saved state follows it while the page still shows what that Save
// sent; otherwise the state stays as it is, and the words say which values
// the device took. A Save sent before the page's round was last read
// changes the state no more: the page shows the device's values since.
//
// A reply the page took that the device proves repeated (a reply of its line
// owed to nobody came) casts doubt on every Save the page sent since that
// read, answered or not: each is said possibly built on a copy of an older
// answer, and the page is marked, also through the reading again that
// follows, until a Save sent since is stored while the page shows what it
// sent.

#include "ConfigConversation.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class ConfigReadRound;

class ConfigPageSession : public QObject
{
    Q_OBJECT

public:
    // What a page shows of the values its Saves send, by name. A page with
    // channels names the one shown under channelKey() ("CH_01"): a channel,
    // not a value the Save sent.
    using Shown = QHash<QString, QString>;
    static QString channelKey() { return QStringLiteral("channel"); }
    // What of the page a Save sends.
    enum class Sends {
        ShownValues, // the values the page shows (showing())
        Action,      // no value on show: what the device does (a disk format)
    };

    QObject *page() const { return m_page; }
    ConfigReadRound *round() const { return m_round; }

    // How the page says what it shows now.
    void setShowing(std::function<Shown()> showing) { m_showing = std::move(showing); }
    Shown showing() const { return m_showing ? m_showing() : Shown(); }

    // Sends a Save of the page through the conversation. False when nothing
    // went out: the page is marked not saved and saveSaid() says why (the
    // device offline, else failedText, by default the generic failure).
    bool sendSave(ConfigRequest request, Sends sends = Sends::ShownValues, const QString &failedText = QString());
    // The tag of the Save sent last by any page: right after sendSave() went
    // out, that Save's; its answer carries it back (ConfigReply::tag).
    static quint64 lastSaveTag();
    // The same for a page that may have no conversation: straight to the
    // device then, and no answer is heard.
    static bool sendSave(ConfigConversation *conversation, QObject *page, const FUN_DEV_INFO *dev,
                         const ConfigRequest &request, Sends sends = Sends::ShownValues);

    // The answer to a Save of the page (its reply, late or not, none in
    // time, the connection lost, not written): what it means for the page.
    // The not-saved state follows it as said above; saveSettled() and
    // saveSaid() (the words, refusedText for a refusal, by default the
    // device's own) tell it.
    SaveSettled settleSave(const ConfigReply &reply, const QString &refusedText = QString());
    // Another device, another page content: no Save sent is the page's.
    void forgetSaves();

    // For a page that says how its Saves went itself: it keeps no not-saved
    // state here, and hears saveSettled() and savesDoubted().
    void keepOwnSaveState() { m_ownState = true; }

    bool notSaved() const { return m_notSaved; }
    void setNotSaved(bool notSaved);

signals:
    void notSavedChanged(bool notSaved);
    // What the operator is told of the page's Saves: why one did not go
    // out, what became of one, that one may be built on a repeated answer.
    void saveSaid(const QString &words);
    void saveSettled(const ConfigReply &reply, const SaveSettled &settled);
    // Saves of the page may have sent values of a repeated answer.
    void savesDoubted();

private:
    friend class ConfigConversation;
    ConfigPageSession(QObject *page, ConfigConversation *conversation);

    struct Save
    {
        quint64 tag = 0;
        Shown shown;          // what the page showed of what the Save sent
        quint64 readMark = 0; // the latest read sent when it went out
        int reads = 0;        // rounds read before it went out
        bool out = true;      // its answer may still come
        bool onRepeat = false;
    };

    void onRepeated(QObject *requester, quint64 tag);
    void keep(const Save &save);
    // The values save showed that the page shows otherwise now.
    QStringList changedSince(const Save &save) const;

    QObject *m_page;
    ConfigConversation *m_conversation;
    ConfigReadRound *m_round;
    std::function<Shown()> m_showing;
    QList<Save> m_saves; // the latest, oldest first; answered ones too
    int m_reads = 0;     // rounds of the page read
    // Marked for Saves built on a repeated answer: only a Save with a later
    // tag clears it. 0: not held.
    quint64 m_heldThrough = 0;
    bool m_notSaved = false;
    bool m_ownState = false;
};
