#include "ConfigPageMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageSession.h"
#include "ConfigReadRound.h"
#include "CustomDialog.h"
#include "DeviceCommands.h"
#include "MsgTipInfoDlg.h"

#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int Edge = 12;   // from the page's right edge
constexpr int Gap = 8;     // between the failure text and the action
constexpr int Padding = 4; // above and below the marks
constexpr int TipMs = 2000;
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
    setNotSaved(session->notSaved());
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
    connect(round, &ConfigReadRound::failed, this, &ConfigPageMarks::sayRoundFailure);
    connect(round, &ConfigReadRound::failureChanged, this, [this] {
        if (readFailureShown())
            sayRoundFailure();
    });
    connect(round, &ConfigReadRound::done, this, &ConfigPageMarks::hideReadFailure);
}

void ConfigPageMarks::sayRoundFailure()
{
    if (!m_round)
        return;
    showReadFailure(m_round->failureText(m_fallback ? m_fallback() : QString()), true);
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
}

void ConfigPageMarks::place()
{
    // Where the operator sees the page: a page wider than the room it is
    // shown in (a scroll area) keeps its marks in the part on show.
    const QRect seen = m_page->visibleRegion().boundingRect();
    const int right = (seen.isEmpty() ? m_page->width() : seen.right() + 1) - Edge;
    int top = m_margins.top() + Padding;
    const bool failure = m_failure && !m_failure->isHidden();
    if (m_reconnect)
        m_reconnect->setVisible(failure && m_offered && !m_page->isHidden());
    if (failure) {
        int room = right - Edge;
        int rowHeight = 0;
        if (m_reconnect && m_offered) {
            m_reconnect->adjustSize();
            const QPoint at(std::max(0, right - m_reconnect->width()), top);
            m_reconnect->move(m_reconnect->parentWidget() == m_page ? at
                                                                    : m_page->mapTo(m_reconnect->parentWidget(), at));
            m_reconnect->raise();
            room -= m_reconnect->width() + Gap;
            rowHeight = m_reconnect->height();
        }
        room = std::max(room, 80);
        const int natural = m_failure->fontMetrics().horizontalAdvance(m_failure->text()) + 2;
        const int width = std::min(room, natural);
        const int height = m_failure->heightForWidth(width);
        m_failure->setFixedSize(width, std::max(height, m_failure->fontMetrics().height()));
        const int beside = m_reconnect && m_offered ? m_reconnect->width() + Gap : 0;
        m_failure->move(std::max(0, right - beside - width), top + std::max(0, (rowHeight - m_failure->height()) / 2));
        top += std::max(m_failure->height(), rowHeight) + Padding;
    }
    if (m_notSaved && !m_notSaved->isHidden()) {
        const int natural = m_notSaved->fontMetrics().horizontalAdvance(m_notSaved->text()) + 2;
        const int width = std::min(std::max(right - Edge, 80), natural);
        m_notSaved->setFixedSize(width,
                                 std::max(m_notSaved->heightForWidth(width), m_notSaved->fontMetrics().height()));
        m_notSaved->move(std::max(0, right - width), top);
        top += m_notSaved->height() + Padding;
    }
    // The page's own contents start below the marks.
    const int room = top > m_margins.top() + Padding ? top - m_margins.top() : 0;
    const QMargins wanted(m_margins.left(), m_margins.top() + room, m_margins.right(), m_margins.bottom());
    if (m_page->contentsMargins() != wanted)
        m_page->setContentsMargins(wanted);
}

bool ConfigPageMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page
        && (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::Hide
            || event->type() == QEvent::Move))
        place();
    else if (watched == m_page && event->type() == QEvent::LanguageChange) {
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
