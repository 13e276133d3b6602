#include "ConfigReadRound.h"

#include <QDebug>
#include <QTimer>

namespace {
// Tags are unique over every round of the program: a late reply of an
// earlier round can never pass for one of a later round.
quint64 g_lastTag = 0;
} // namespace

ConfigReadRound::ConfigReadRound(QObject *requester, QObject *parent)
    : QObject(parent)
    , m_requester(requester)
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    // The reads sent are timed by the conversation, which says NoReply once
    // it has settled what the silence means; this one times the reads
    // announced and never sent.
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (m_announced.isEmpty())
            return;
        m_onWire = true;
        fail(QStringLiteral("no reply"));
    });
}

ConfigReadRound::~ConfigReadRound() = default;

quint64 ConfigReadRound::lastTag()
{
    return g_lastTag;
}

void ConfigReadRound::setTimeoutMs(int ms)
{
    ConfigConversation::setTimeoutMs(ms);
}

int ConfigReadRound::timeoutMs()
{
    return ConfigConversation::timeoutMs();
}

void ConfigReadRound::setConversation(ConfigConversation *conversation)
{
    if (m_conversation)
        disconnect(m_conversation, nullptr, this, nullptr);
    m_conversation = conversation;
    if (!conversation)
        return;
    connect(conversation, &ConfigConversation::lineInStep, this, &ConfigReadRound::onLineInStep);
    connect(conversation, &ConfigConversation::lineStalled, this, &ConfigReadRound::onLineStalled);
    connect(conversation, &ConfigConversation::sessionStarted, this, &ConfigReadRound::onSessionStarted);
    connect(conversation, &ConfigConversation::replyRepeated, this, &ConfigReadRound::onRepeated);
}

void ConfigReadRound::begin()
{
    if (m_conversation && !m_sent.isEmpty()) {
        QSet<quint64> earlier;
        for (auto it = m_sent.cbegin(); it != m_sent.cend(); ++it)
            earlier.insert(it.key());
        m_conversation->forgetTags(m_requester, earlier);
    }
    m_state = State::Idle;
    ++m_generation;
    m_roundStart = g_lastTag;
    m_sent.clear();
    m_pending.clear();
    m_announced.clear();
    m_optionalOk.clear();
    m_channel = -1;
    m_failure.clear();
    m_failedFate = ReplyFate::Answered;
    m_failedLine = qMakePair(-1, 0);
    m_onWire = false;
    m_untrusted = false;
    m_lines.clear();
    m_deadline->stop();
}

bool ConfigReadRound::read(unsigned int cmd, uint8_t channel, const QString &body, int replyCmd)
{
    return send(cmd, channel, body, replyCmd, true);
}

bool ConfigReadRound::readOptional(unsigned int cmd, uint8_t channel, const QString &body, int replyCmd)
{
    return send(cmd, channel, body, replyCmd, false);
}

void ConfigReadRound::expect(unsigned int cmd, uint8_t channel)
{
    if (m_channel < 0)
        m_channel = channel;
    if (m_state == State::Failed)
        return;
    m_pending.append(qMakePair(cmd, int(channel)));
    m_announced.append(qMakePair(cmd, int(channel)));
    m_state = State::Pending;
    m_deadline->start(timeoutMs());
}

bool ConfigReadRound::send(unsigned int cmd, uint8_t channel, const QString &body, int replyCmd, bool required)
{
    if (m_channel < 0 && required)
        m_channel = channel;
    const unsigned int waitFor = replyCmd >= 0 ? unsigned(replyCmd) : cmd;
    ConfigRequest request;
    request.cmd = cmd;
    request.body = body;
    request.channel = channel;
    request.kind = RequestKind::Read;
    request.replyCmd = replyCmd;
    request.tag = ++g_lastTag;
    const bool sent = m_conversation && m_conversation->send(m_requester, request);
    if (!required) {
        if (sent)
            m_sent.insert(request.tag, Sent{waitFor, channel, false});
        return sent;
    }
    if (m_state == State::Failed)
        return sent;
    if (!sent) {
        m_onWire = true;
        fail(QStringLiteral("read %1 not sent").arg(cmd));
        return false;
    }
    m_sent.insert(request.tag, Sent{waitFor, channel, true});
    m_lines.append(qMakePair(waitFor, int(channel)));
    // A read announced by expect() is the one now sent, not a second one.
    const QPair<unsigned, int> key(waitFor, int(channel));
    if (!m_announced.removeOne(key))
        m_pending.append(key);
    m_state = State::Pending;
    return true;
}

ConfigReadRound::Answer ConfigReadRound::take(const ConfigReply &reply, bool complete)
{
    if (reply.tag == 0)
        return Answer::NotMine;
    const auto it = m_sent.constFind(reply.tag);
    if (it == m_sent.cend())
        return reply.tag <= m_roundStart ? Answer::Stale : Answer::NotMine;
    const Sent sent = it.value();
    m_sent.erase(it);
    const bool ok = reply.ok() && complete;
    if (!sent.required) {
        if (ok)
            m_optionalOk.insert(sent.cmd);
        else
            qInfo() << "optional read" << sent.cmd << "on channel" << sent.channel
                    << "not answered:" << (reply.usable ? reply.result.describe() : QStringLiteral("unreadable"));
        return Answer::Optional;
    }
    if (m_state == State::Failed)
        return Answer::Required;
    if (!ok) {
        m_failedFate = reply.fate;
        m_failedLine = qMakePair(int(sent.cmd), sent.channel);
        m_onWire = reply.fate != ReplyFate::Answered;
        fail(reply.fate == ReplyFate::NoReply          ? QStringLiteral("no reply to %1").arg(sent.cmd)
             : reply.fate == ReplyFate::ConnectionLost ? QStringLiteral("connection lost")
             : reply.fate == ReplyFate::OutOfStep      ? QStringLiteral("replies %1 out of step").arg(reply.cmd)
             : !reply.usable                           ? QStringLiteral("reply %1 unreadable").arg(reply.cmd)
             : !reply.result.ok() ? QStringLiteral("reply %1 failed: %2").arg(reply.cmd).arg(reply.result.describe())
                                  : QStringLiteral("reply %1 without the page's elements").arg(reply.cmd));
        // Refused while its line was in doubt, which has caught up since.
        if (reply.fate == ReplyFate::OutOfStep && m_conversation && m_conversation->isOnline()
            && m_conversation->inStep(int(sent.cmd), sent.channel))
            emit readAgain();
        return Answer::Required;
    }
    m_pending.removeOne(qMakePair(sent.cmd, sent.channel));
    settle();
    return Answer::Required;
}

void ConfigReadRound::settle()
{
    if (m_state != State::Pending || !m_pending.isEmpty())
        return;
    m_deadline->stop();
    m_state = State::Done;
    emit done();
}

void ConfigReadRound::fail(const QString &why)
{
    m_pending.clear();
    m_announced.clear();
    m_deadline->stop();
    if (m_state == State::Failed)
        return;
    m_state = State::Failed;
    m_failure = why;
    qWarning() << "read round of" << (m_requester ? m_requester->metaObject()->className() : "?") << "failed:" << why;
    emit failed(why);
}

QString ConfigReadRound::failureText(const QString &fallback) const
{
    if (m_state != State::Failed)
        return fallback;
    if (m_conversation && m_failedLine.first >= 0
        && m_conversation->lineState(m_failedLine.first, m_failedLine.second) == LineState::Stalled)
        return ConfigConversation::stoppedAnsweringText();
    if (m_untrusted)
        return ConfigConversation::repeatedText();
    if (m_failedFate == ReplyFate::OutOfStep)
        return ConfigConversation::outOfStepText();
    return fallback;
}

void ConfigReadRound::reconnect()
{
    if (!m_conversation)
        return;
    qInfo() << "read round of" << (m_requester ? m_requester->metaObject()->className() : "?")
            << "reconnects to read again";
    m_readWhenBack = true;
    m_conversation->restartSession();
}

void ConfigReadRound::readWhenBack()
{
    if (m_conversation && m_conversation->isOnline()) {
        emit readAgain();
        return;
    }
    m_readWhenBack = true;
}

void ConfigReadRound::onLineInStep(int replyCmd, int channel)
{
    const QPair<unsigned, int> line(unsigned(replyCmd), channel);
    if (m_state == State::Failed && m_onWire
        && (m_lines.contains(line) || m_failedLine == qMakePair(replyCmd, channel)))
        emit readAgain();
}

void ConfigReadRound::onLineStalled(int replyCmd, int channel)
{
    if (m_state == State::Failed && m_failedLine == qMakePair(replyCmd, channel))
        emit failureChanged();
}

void ConfigReadRound::onSessionStarted()
{
    if (!m_readWhenBack && !(m_state == State::Failed && m_onWire))
        return;
    m_readWhenBack = false;
    emit readAgain();
}

void ConfigReadRound::onRepeated(QObject *requester, quint64)
{
    if (requester != m_requester || m_state == State::Idle || m_state == State::Failed)
        return;
    // What the round took may be an older answer than it asked for: not
    // read, and read again before anything is saved on it.
    m_untrusted = true;
    fail(QStringLiteral("a reply it took may have been a copy"));
    emit readAgain();
}
