#pragma once

// What one configuration page has going on with its device, kept by the
// conversation the page talks through (ConfigConversation::pageSession()):
// the page's read round, the Saves it has out and how they ended, and
// whether its values are not saved. The page keeps none of this itself; a
// mark on the page follows notSavedChanged().
//
// A late answer settles only its own Save: the not-saved state follows the
// answer to the page's latest Save attempt (one refused before it was
// written counts), and no answer at all once the page shows the device's
// values again (its round was read since).

#include "ConfigConversation.h"

#include <QList>
#include <QObject>
#include <QPair>

class ConfigReadRound;

class ConfigPageSession : public QObject
{
    Q_OBJECT

public:
    QObject *page() const { return m_page; }
    ConfigReadRound *round() const { return m_round; }

    // A Save of the page goes out: the tag to send it with. It is the page's
    // latest attempt from now on. context: what the page showed when it was
    // sent (handed back with its answer).
    quint64 saveSending(quint64 context = 0);
    // The Save was not sent after all: nothing answers it, and it stays the
    // latest attempt (the page shows what it did not send).
    void saveNotSent(quint64 tag);
    struct SaveAnswer
    {
        bool mine = false;   // the answer to a Save of this page still out
        bool latest = false; // the page still shows what that Save sent
        quint64 context = 0;
    };
    // The answer to a Save of the page (its reply, late or not, none in
    // time, the connection lost, not written).
    SaveAnswer saveAnswered(const ConfigReply &reply);
    // The same, and the not-saved state follows it when the page shows what
    // that Save sent.
    SaveAnswer settleSave(const ConfigReply &reply);
    int savesOut() const { return m_savesOut.size(); }
    // Another device, another page content: no answer still out is the page's.
    void forgetSaves();

    bool notSaved() const { return m_notSaved; }
    void setNotSaved(bool notSaved);

signals:
    void notSavedChanged(bool notSaved);

private:
    friend class ConfigConversation;
    ConfigPageSession(QObject *page, ConfigConversation *conversation);

    QObject *m_page;
    ConfigReadRound *m_round;
    QList<QPair<quint64, quint64>> m_savesOut; // tag, context
    quint64 m_latest = 0;                      // the latest attempt's tag; 0: the device's values shown
    bool m_notSaved = false;
};
