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
}

quint64 ConfigPageSession::saveSending(quint64 context)
{
    const quint64 tag = ++g_lastSaveTag;
    m_savesOut.append({tag, context});
    while (m_savesOut.size() > ConfigConversation::MaxWaiting)
        m_savesOut.removeFirst();
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

ConfigPageSession::SaveAnswer ConfigPageSession::saveAnswered(const ConfigReply &reply)
{
    SaveAnswer answer;
    int at = 0;
    while (at < m_savesOut.size() && m_savesOut.at(at).first != reply.tag)
        ++at;
    if (at == m_savesOut.size())
        return answer;
    answer.mine = true;
    answer.context = m_savesOut.at(at).second;
    m_savesOut.erase(m_savesOut.begin(), m_savesOut.begin() + at + 1);
    answer.latest = m_savesOut.isEmpty();
    return answer;
}

void ConfigPageSession::setNotSaved(bool notSaved)
{
    if (m_notSaved == notSaved)
        return;
    m_notSaved = notSaved;
    emit notSavedChanged(notSaved);
}
