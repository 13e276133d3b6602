#include "ConfigPageSession.h"

#include "ConfigReadRound.h"
#include "SharedTexts.h"

#include <QDebug>

#include <algorithm>

namespace {
// Above the read rounds' tags: a Save's answer never passes for a read's.
quint64 g_lastSaveTag = quint64(1) << 62;
// Saves kept beyond those still out: a repeat proven later may concern them.
constexpr int MaxKept = 2 * ConfigConversation::MaxWaiting;
} // namespace

ConfigPageSession::ConfigPageSession(QObject *page, ConfigConversation *conversation)
    : QObject(conversation)
    , m_page(page)
    , m_conversation(conversation)
    , m_round(new ConfigReadRound(page, this))
{
    m_round->setConversation(conversation);
    connect(conversation, &ConfigConversation::replyRepeated, this, &ConfigPageSession::onRepeated);
    // The device's values shown again: nothing of the operator's is unsaved,
    // and no earlier Save's answer changes that; only doubt about a Save
    // stays.
    connect(m_round, &ConfigReadRound::done, this, [this] {
        ++m_reads;
        if (m_heldThrough == 0)
            setNotSaved(false);
    });
}

void ConfigPageSession::keep(const Save &save)
{
    m_saves.append(save);
    while (m_saves.size() > MaxKept) {
        const auto answered = std::find_if(m_saves.begin(), m_saves.end(), [](const Save &s) { return !s.out; });
        m_saves.erase(answered != m_saves.end() ? answered : m_saves.begin());
    }
}

bool ConfigPageSession::sendSave(ConfigRequest request, Sends sends, const QString &failedText)
{
    request.kind = RequestKind::Save;
    Save save;
    save.tag = ++g_lastSaveTag;
    if (sends == Sends::ShownValues)
        save.shown = showing();
    save.readMark = ConfigReadRound::lastTag();
    save.reads = m_reads;
    request.tag = save.tag;
    keep(save);
    if (m_conversation->send(m_page, request))
        return true;
    qInfo() << (m_page ? m_page->metaObject()->className() : "?") << "save" << request.cmd << "not sent";
    m_saves.removeLast();
    if (!m_ownState)
        setNotSaved(true);
    emit saveSaid(!m_conversation->isOnline() ? ConfigConversation::offlineText()
                  : failedText.isEmpty()      ? SharedTexts::configFailedText()
                                              : failedText);
    return false;
}

quint64 ConfigPageSession::lastSaveTag()
{
    return g_lastSaveTag;
}

bool ConfigPageSession::sendSave(ConfigConversation *conversation, QObject *page, const FUN_DEV_INFO *dev,
                                 const ConfigRequest &request, Sends sends)
{
    if (conversation)
        return conversation->pageSession(page)->sendSave(request, sends);
    ConfigRequest straight = request;
    straight.kind = RequestKind::Save;
    return ConfigConversation::sendThrough(nullptr, page, dev, straight);
}

QStringList ConfigPageSession::changedSince(const Save &save) const
{
    const Shown now = showing();
    QStringList keys = save.shown.keys();
    std::sort(keys.begin(), keys.end());
    QStringList took;
    for (const QString &key : qAsConst(keys)) {
        if (key == channelKey())
            continue;
        const auto shown = now.constFind(key);
        if (shown == now.cend() || shown.value() != save.shown.value(key))
            took << save.shown.value(key);
    }
    return took;
}

SaveSettled ConfigPageSession::settleSave(const ConfigReply &reply, const QString &refusedText)
{
    SaveSettled settled;
    const auto save =
        std::find_if(m_saves.begin(), m_saves.end(), [&reply](const Save &s) { return s.out && s.tag == reply.tag; });
    settled.mine = save != m_saves.end();
    if (settled.mine) {
        settled.onRepeat = save->onRepeat;
        settled.took = changedSince(*save);
        settled.savedChannel = save->shown.value(channelKey());
        settled.shownChannel = showing().value(channelKey());
        settled.readSince = m_reads > save->reads;
        settled.shown = settled.took.isEmpty() && settled.savedChannel == settled.shownChannel;
        // Told no answer came in time, it may still hear the device's.
        if (reply.fate != ReplyFate::NoReply)
            save->out = false;
        if (!m_ownState && save->reads == m_reads && settled.shown) {
            if (!reply.ok() || save->onRepeat) {
                setNotSaved(true);
            } else if (save->tag > m_heldThrough) {
                m_heldThrough = 0;
                setNotSaved(false);
            }
        }
    }
    emit saveSettled(reply, settled);
    emit saveSaid(ConfigConversation::saveOutcomeText(reply, settled, refusedText));
    return settled;
}

void ConfigPageSession::onRepeated(QObject *requester, quint64 tag)
{
    if (requester != m_page)
        return;
    bool doubted = false;
    for (Save &save : m_saves) {
        // Sent after the read whose answer may have been a copy: built on it.
        if (save.readMark < tag || save.onRepeat)
            continue;
        save.onRepeat = true;
        doubted = true;
    }
    if (!doubted)
        return;
    qWarning() << m_page->metaObject()->className() << "saved values that may come from a repeated answer";
    m_heldThrough = g_lastSaveTag;
    if (!m_ownState)
        setNotSaved(true);
    emit savesDoubted();
    emit saveSaid(ConfigConversation::saveOnRepeatText());
}

void ConfigPageSession::forgetSaves()
{
    m_saves.clear();
    m_heldThrough = 0;
}

void ConfigPageSession::setNotSaved(bool notSaved)
{
    if (m_notSaved == notSaved)
        return;
    m_notSaved = notSaved;
    emit notSavedChanged(notSaved);
}
