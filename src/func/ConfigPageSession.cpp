#include "ConfigPageSession.h"

#include "ConfigReadRound.h"

namespace {
// Above the read rounds' tags: a Save's answer never passes for a read's.
quint64 g_lastSaveTag = quint64(1) << 62;
} // namespace

ConfigPageSession::ConfigPageSession(QObject *page, ConfigConversation *conversation)
    : QObject(conversation)
    , m_page(page)
    , m_round(new ConfigReadRound(page, this))
{
    m_round->setConversation(conversation);
    // The device's values shown again: nothing of the operator's is unsaved,
    // and no earlier Save's answer changes that.
    connect(m_round, &ConfigReadRound::done, this, [this] {
        m_latest = 0;
        setNotSaved(false);
    });
}

quint64 ConfigPageSession::saveSending(quint64 context)
{
    const quint64 tag = ++g_lastSaveTag;
    m_savesOut.append({tag, context});
    while (m_savesOut.size() > ConfigConversation::MaxWaiting)
        m_savesOut.removeFirst();
    m_latest = tag;
    return tag;
}

void ConfigPageSession::saveNotSent(quint64 tag)
{
    for (int i = 0; i < m_savesOut.size(); ++i) {
        if (m_savesOut.at(i).first == tag) {
            m_savesOut.removeAt(i);
            return;
        }
    }
}

void ConfigPageSession::forgetSaves()
{
    m_savesOut.clear();
    m_latest = 0;
}

ConfigPageSession::SaveAnswer ConfigPageSession::saveAnswered(const ConfigReply &reply)
{
    SaveAnswer answer;
    for (int i = 0; i < m_savesOut.size(); ++i) {
        if (m_savesOut.at(i).first != reply.tag)
            continue;
        answer.mine = true;
        answer.context = m_savesOut.at(i).second;
        answer.latest = reply.tag == m_latest;
        // Told no answer came in time, it may still hear the device's.
        if (reply.fate != ReplyFate::NoReply)
            m_savesOut.removeAt(i);
        break;
    }
    return answer;
}

ConfigPageSession::SaveAnswer ConfigPageSession::settleSave(const ConfigReply &reply)
{
    const SaveAnswer answer = saveAnswered(reply);
    if (answer.mine && answer.latest)
        setNotSaved(!reply.ok());
    return answer;
}

void ConfigPageSession::setNotSaved(bool notSaved)
{
    if (m_notSaved == notSaved)
        return;
    m_notSaved = notSaved;
    emit notSavedChanged(notSaved);
}
