#include "ConfigPageMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageSession.h"
#include "ConfigReadRound.h"
#include "CustomDialog.h"
#include "DeviceCommands.h"
#include "MsgTipInfoDlg.h"

#include <QDebug>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {
constexpr int Edge = 12;   // from the page's right edge
constexpr int Gap = 8;     // between the failure text and the action
constexpr int Padding = 4; // above and below the marks
constexpr int MinTextWidth = 80;
constexpr int TipMs = 2000;

// The size a mark's text takes in room pixels at most, wrapped as its label
// lays it out.
QSize textSize(const QFont &font, const QString &text, int room)
{
    const QFontMetrics metrics(font);
    const int width = std::min(room, metrics.horizontalAdvance(text) + 2);
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::AlignLeft | Qt::TextWordWrap, text);
    return {width, std::max(wrapped.height(), metrics.height())};
}
} // namespace

ConfigPageMarks *ConfigPageMarks::of(QWidget *page)
{
    if (!page)
        return nullptr;
    if (auto *marks = page->findChild<ConfigPageMarks *>(QString(), Qt::FindDirectChildrenOnly))
        return marks;
    return new ConfigPageMarks(page);
}

ConfigPageMarks::ConfigPageMarks(QWidget *page)
    : QObject(page)
    , m_page(page)
    , m_margins(page->contentsMargins())
    , m_unread(page)
{
    page->installEventFilter(this);
}

QLabel *ConfigPageMarks::label(const char *name)
{
    auto *mark = new QLabel(m_page);
    mark->setObjectName(QLatin1String(name));
    mark->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 96, 96); font-weight: bold; }"));
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->setWordWrap(true);
    mark->hide();
    return mark;
}

void ConfigPageMarks::setConversation(ConfigConversation *conversation)
{
    m_conversation = conversation;
}

ConfigConversation *ConfigPageMarks::conversation() const
{
    if (m_conversation)
        return m_conversation;
    if (m_round && m_round->conversation())
        return m_round->conversation();
    // A window or dialog owns its conversation.
    for (QObject *owner = m_page; owner; owner = owner->parent()) {
        if (auto *c = owner->findChild<ConfigConversation *>(QString(), Qt::FindDirectChildrenOnly))
            return c;
    }
    return nullptr;
}

void ConfigPageMarks::showReadFailure(const QString &text, bool offerReconnect)
{
    if (!m_failure)
        m_failure = label("labelReadFailed");
    m_failure->setText(text);
    m_failure->show();
    m_failure->raise();
    m_offered = offerReconnect;
    if (offerReconnect && !m_reconnect) {
        QWidget *host = m_page->parentWidget() ? m_page->parentWidget() : m_page;
        m_reconnect = new QPushButton(host);
        m_reconnect->setObjectName(QStringLiteral("pushButtonReconnect"));
        connect(m_reconnect, &QPushButton::clicked, this, &ConfigPageMarks::onReconnect);
    }
    if (m_reconnect) {
        m_reconnect->setText(ConfigConversation::reconnectText());
        m_reconnect->raise();
    }
    place();
}

void ConfigPageMarks::hideReadFailure()
{
    if (m_failure)
        m_failure->hide();
    m_offered = false;
    place();
}

bool ConfigPageMarks::readFailureShown() const
{
    return m_failure && !m_failure->isHidden();
}

void ConfigPageMarks::setNotSaved(bool show)
{
    if (!show && !m_notSaved)
        return;
    if (!m_notSaved)
        m_notSaved = label("labelNotSaved");
    m_notSaved->setText(ConfigConversation::notSavedText());
    m_notSaved->setVisible(show);
    if (show)
        m_notSaved->raise();
    place();
}

void ConfigPageMarks::follow(ConfigPageSession *session)
{
    if (!session)
        return;
    connect(session, &ConfigPageSession::notSavedChanged, this, &ConfigPageMarks::setNotSaved, Qt::UniqueConnection);
    connect(session, &ConfigPageSession::saveSettled, this, &ConfigPageMarks::onSaveSettled, Qt::UniqueConnection);
    setNotSaved(session->notSaved());
}

void ConfigPageMarks::followParts(ConfigPageSession *session)
{
    if (!session || m_partsSession == session)
        return;
    m_partsSession = session;
    m_partsNotSaved.clear();
    m_partsDoubted = false;
    connect(session, &ConfigPageSession::savesDoubted, this, [this] { m_partsDoubted = true; });
    // After the session took the reading in (it was connected first): read
    // again, nothing of the page is unsaved unless a doubt still holds it.
    connect(session->round(), &ConfigReadRound::done, this, [this] {
        if (m_partsSession && !m_partsSession->notSaved()) {
            m_partsNotSaved.clear();
            m_partsDoubted = false;
        }
    });
}

void ConfigPageMarks::partBegins(int part)
{
    if (!m_partsSession)
        return;
    m_partInHand = part;
    m_partsSession->setNotSaved(m_partsDoubted || m_partsNotSaved.contains(part));
}

void ConfigPageMarks::partEnds()
{
    if (!m_partsSession || m_partInHand < 0)
        return;
    const bool marked = m_partsSession->notSaved();
    // A Save stored while the page was held for a doubt ends the doubt.
    if (!marked)
        m_partsDoubted = false;
    if (marked)
        m_partsNotSaved.insert(m_partInHand);
    else
        m_partsNotSaved.remove(m_partInHand);
    m_partInHand = -1;
    m_partsSession->setNotSaved(m_partsDoubted || !m_partsNotSaved.isEmpty());
}

bool ConfigPageMarks::notSavedShown() const
{
    return m_notSaved && !m_notSaved->isHidden();
}

void ConfigPageMarks::followRound(ConfigReadRound *round, std::function<QString()> fallback)
{
    if (m_round)
        disconnect(m_round, nullptr, this, nullptr);
    m_round = round;
    m_fallback = std::move(fallback);
    if (!round)
        return;
    connect(round, &ConfigReadRound::failed, this, &ConfigPageMarks::onRoundFailed);
    connect(round, &ConfigReadRound::failureChanged, this, [this] {
        if (readFailureShown())
            sayRoundFailure();
    });
    connect(round, &ConfigReadRound::done, this, &ConfigPageMarks::onRoundDone);
}

void ConfigPageMarks::onRoundFailed()
{
    // What the controls were built with, or show of another channel, is no
    // value of what was asked.
    if (!m_showsReading || m_round->channel() != m_readChannel)
        m_unread.blank();
    sayRoundFailure();
}

void ConfigPageMarks::onRoundDone()
{
    m_showsReading = true;
    m_readChannel = m_round->channel();
    // Before the page fills in the round's last answer.
    m_unread.restore();
    hideReadFailure();
    // A page read again while its Saves' line is still in doubt keeps the way back.
    ConfigConversation *c = conversation();
    if (m_doubtLine.first >= 0 && c && !c->inStep(m_doubtLine.first, m_doubtLine.second))
        showReadFailure(ConfigConversation::saveOutOfStepText(), true);
    else
        m_doubtLine = qMakePair(-1, 0);
}

void ConfigPageMarks::onSaveSettled(const ConfigReply &reply)
{
    if (reply.fate == ReplyFate::OutOfStep)
        offerReconnect(reply);
}

void ConfigPageMarks::offerReconnect(const ConfigReply &refused)
{
    ConfigConversation *c = conversation();
    // Caught up meanwhile: the next Save goes out.
    if (!c || c->inStep(refused.cmd, refused.channel))
        return;
    m_doubtLine = qMakePair(refused.cmd, refused.channel);
    if (m_doubtWatched != c) {
        if (m_doubtWatched)
            disconnect(m_doubtWatched, nullptr, this, nullptr);
        m_doubtWatched = c;
        connect(c, &ConfigConversation::lineInStep, this, [this](int cmd, int channel) {
            if (m_doubtLine == qMakePair(cmd, channel))
                endDoubt();
        });
        connect(c, &ConfigConversation::sessionStarted, this, &ConfigPageMarks::endDoubt);
    }
    qInfo() << "save of" << refused.cmd << "refused while its line is in doubt: reconnect offered";
    showReadFailure(ConfigConversation::saveOutOfStepText(), true);
}

void ConfigPageMarks::endDoubt()
{
    if (m_doubtLine.first < 0)
        return;
    m_doubtLine = qMakePair(-1, 0);
    // A failed read keeps its own mark.
    if (readFailureShown() && !(m_round && m_round->isFailed()))
        hideReadFailure();
}

void ConfigPageMarks::sayRoundFailure()
{
    if (!m_round)
        return;
    // Read fine, but its Saves' line still in doubt.
    if (m_doubtLine.first >= 0 && !m_round->isFailed()) {
        showReadFailure(ConfigConversation::saveOutOfStepText(), true);
        return;
    }
    showReadFailure(m_round->failureText(m_fallback ? m_fallback() : QString()), true);
}

void ConfigPageMarks::sayWaiting(ConfigConversation *conversation, QObject *requester, std::function<void()> done)
{
    if (!conversation || !requester)
        return;
    auto tip = std::make_shared<QPointer<MsgTipInfoDlg>>();
    const QPointer<ConfigConversation> from(conversation);
    connect(conversation, &ConfigConversation::queueChanged, requester, [from, requester, tip, done] {
        const bool waiting = from && from->queued(requester) > 0;
        MsgTipInfoDlg::showWhile(*tip, waiting, ConfigConversation::waitingText());
        if (!waiting && done)
            done();
    });
    // The words go with whoever waited.
    connect(requester, &QObject::destroyed, [tip] {
        if (*tip)
            (*tip)->close();
    });
}

QString ConfigPageMarks::reconnectQuestion(const QList<unsigned int> &savesOut)
{
    if (savesOut.isEmpty())
        return QString();
    QStringList lines;
    if (savesOut.contains(unsigned(Cmd::FormatDisk)))
        lines << tr("A disk format is still running on the device: a fresh connection would never hear whether it "
                    "finished.");
    if (std::any_of(savesOut.cbegin(), savesOut.cend(), [](unsigned cmd) { return cmd != unsigned(Cmd::FormatDisk); }))
        lines << tr("A save still waits for the device's answer: a fresh connection would never hear whether it was "
                    "stored.");
    lines << tr("Reconnect anyway?");
    return lines.join(QLatin1Char('\n'));
}

void ConfigPageMarks::onReconnect()
{
    if (m_asking)
        return;
    ConfigConversation *c = conversation();
    const QString question = reconnectQuestion(c ? c->savesOut() : QList<unsigned int>());
    if (!question.isEmpty()) {
        m_asking = true;
        CustomDialog ask(m_page->window());
        ask.setTitle(CustomDialog::tr("Tips"));
        ask.setText(question);
        const int agreed = ask.exec();
        m_asking = false;
        if (agreed != 1) {
            qInfo() << "reconnect not done: answers still out";
            return;
        }
    }
    if (m_round)
        m_round->reconnect();
    else if (c)
        c->restartSession();
}

void ConfigPageMarks::place()
{
    // Where the operator sees the page: a page wider than the room it is
    // shown in (a scroll area) keeps its marks in the part on show.
    const QRect seen = m_page->visibleRegion().boundingRect();
    const int right = (seen.isEmpty() ? m_page->width() : seen.right() + 1) - Edge;
    const int width = std::max(right - Edge, MinTextWidth);
    const int top = m_margins.top() + Padding;
    measure();
    const int failureRow = failureRowHeight(width);
    if (m_reconnect)
        m_reconnect->setVisible(readFailureShown() && m_offered && !m_page->isHidden());
    if (readFailureShown())
        placeFailure(right, top);
    const int notSavedRow = notSavedRowHeight(width);
    if (notSavedShown()) {
        m_notSaved->setFixedSize(textSize(m_markFont, m_notSaved->text(), width));
        m_notSaved->move(std::max(0, right - m_notSaved->width()), top + failureRow + Padding);
    }
    // The page's own contents start below the room, whether a mark shows or not.
    const int room = Padding + failureRow + Padding + notSavedRow + Padding;
    const QMargins wanted(m_margins.left(), m_margins.top() + room, m_margins.right(), m_margins.bottom());
    if (m_page->contentsMargins() != wanted)
        m_page->setContentsMargins(wanted);
}

bool ConfigPageMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (m_measuring)
        return QObject::eventFilter(watched, event);
    if (watched == m_page
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::Hide
            || event->type() == QEvent::Move))
        place();
    else if (watched == m_page
             && (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange
                 || event->type() == QEvent::Polish)) {
        m_action = QSize();
        place();
    } else if (watched == m_page && event->type() == QEvent::LanguageChange) {
        m_action = QSize();
        if (m_reconnect)
            m_reconnect->setText(ConfigConversation::reconnectText());
        if (m_notSaved)
            m_notSaved->setText(ConfigConversation::notSavedText());
        // Said again in the new language (a round read again meanwhile has
        // no failure of its own yet: the page's generic words).
        if (readFailureShown() && m_round)
            sayRoundFailure();
        place();
    }
    return QObject::eventFilter(watched, event);
}

void ConfigPageMarks::measure()
{
    // The marks' labels are the page's, in its font made bold by their look.
    m_markFont = m_page->font();
    m_markFont.setBold(true);
    if (m_reconnect) {
        m_action = m_reconnect->sizeHint();
        return;
    }
    if (m_action.isValid())
        return;
    // The action is made with the first failure: measured as it will be
    // drawn, a button where it will lie. Polishing it may change the page's
    // look, which asks for the marks to be placed again: not from in here.
    m_measuring = true;
    QPushButton action(ConfigConversation::reconnectText(), m_page->parentWidget() ? m_page->parentWidget() : m_page);
    action.ensurePolished();
    m_action = action.sizeHint();
    m_measuring = false;
}

QStringList ConfigPageMarks::failureTexts() const
{
    // Whatever a round may say of its failure, and what the mark says now.
    QStringList texts{ConfigConversation::outOfStepText(), ConfigConversation::stoppedAnsweringText(),
                      ConfigConversation::repeatedText(), ConfigConversation::saveOutOfStepText()};
    if (m_fallback)
        texts << m_fallback();
    if (m_failure && !m_failure->text().isEmpty())
        texts << m_failure->text();
    return texts;
}

int ConfigPageMarks::failureRowHeight(int width) const
{
    const int room = std::max(width - m_action.width() - Gap, MinTextWidth);
    int height = m_action.height();
    for (const QString &text : failureTexts())
        height = std::max(height, textSize(m_markFont, text, room).height());
    return height;
}

int ConfigPageMarks::notSavedRowHeight(int width) const
{
    return textSize(m_markFont, m_notSaved ? m_notSaved->text() : ConfigConversation::notSavedText(), width).height();
}

void ConfigPageMarks::placeFailure(int right, int top)
{
    int room = right - Edge;
    int actionHeight = 0;
    if (m_reconnect && m_offered) {
        m_reconnect->resize(m_action);
        const QPoint at(std::max(0, right - m_reconnect->width()), top);
        m_reconnect->move(m_reconnect->parentWidget() == m_page ? at : m_page->mapTo(m_reconnect->parentWidget(), at));
        m_reconnect->raise();
        room -= m_reconnect->width() + Gap;
        actionHeight = m_reconnect->height();
    }
    m_failure->setFixedSize(textSize(m_markFont, m_failure->text(), std::max(room, MinTextWidth)));
    const int beside = m_reconnect && m_offered ? m_reconnect->width() + Gap : 0;
    m_failure->move(std::max(0, right - beside - m_failure->width()),
                    top + std::max(0, (actionHeight - m_failure->height()) / 2));
}
