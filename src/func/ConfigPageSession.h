#pragma once

// What one configuration page has going on with its device, kept by the
// conversation the page talks through (ConfigConversation::pageSession()):
// the page's read round, the Saves it has out and how they ended, and
// whether its values are not saved. The page keeps none of this itself; a
// mark on the page follows notSavedChanged().

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

    // A Save of the page goes out: the tag to send it with. context: what
    // the page showed when it was sent (handed back with its answer).
    quint64 saveSending(quint64 context = 0);
    // The Save was not sent after all.
    void saveNotSent(quint64 tag);
    struct SaveAnswer
    {
        bool mine = false;   // the answer to a Save of this page still out
        bool latest = false; // no later Save of the page is out
        quint64 context = 0;
    };
    // The answer to a Save of the page (its reply, none in time, the
    // connection lost, out of step). Answers come in the order of the Saves:
    // earlier Saves still listed get none.
    SaveAnswer saveAnswered(const ConfigReply &reply);
    int savesOut() const { return m_savesOut.size(); }
    // Another device, another page content: no answer still out is the page's.
    void forgetSaves() { m_savesOut.clear(); }

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
    bool m_notSaved = false;
};
