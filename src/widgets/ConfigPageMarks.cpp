#include "ConfigPageMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageSession.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

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
{
    page->installEventFilter(this);
}

QLabel *ConfigPageMarks::label(const char *name)
{
    auto *mark = new QLabel(m_page);
    mark->setObjectName(QLatin1String(name));
    mark->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 96, 96); font-weight: bold; }"));
    mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark->hide();
    return mark;
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
        // Beside the page, not in it: a page that was not read is disabled,
        // and the action must stay usable.
        QWidget *host = m_page->parentWidget() ? m_page->parentWidget() : m_page;
        m_reconnect = new QPushButton(host);
        m_reconnect->setObjectName(QStringLiteral("pushButtonReconnect"));
        connect(m_reconnect, &QPushButton::clicked, this, &ConfigPageMarks::reconnectClicked);
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

void ConfigPageMarks::place()
{
    const int right = m_page->width() - 12;
    int top = 4;
    if (m_reconnect)
        m_reconnect->setVisible(m_offered && !m_page->isHidden());
    if (m_failure && !m_failure->isHidden()) {
        m_failure->adjustSize();
        int left = right - m_failure->width();
        if (m_reconnect && m_offered) {
            m_reconnect->adjustSize();
            const QPoint at(std::max(0, right - m_reconnect->width()), top);
            m_reconnect->move(m_reconnect->parentWidget() == m_page ? at
                                                                    : m_page->mapTo(m_reconnect->parentWidget(), at));
            m_reconnect->raise();
            left -= m_reconnect->width() + 8;
            m_failure->move(std::max(0, left), top + std::max(0, (m_reconnect->height() - m_failure->height()) / 2));
            top += std::max(m_failure->height(), m_reconnect->height()) + 2;
        } else {
            m_failure->move(std::max(0, left), top);
            top += m_failure->height() + 2;
        }
    }
    if (m_notSaved) {
        m_notSaved->adjustSize();
        m_notSaved->move(std::max(0, right - m_notSaved->width()), top);
    }
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
        place();
    }
    return QObject::eventFilter(watched, event);
}
