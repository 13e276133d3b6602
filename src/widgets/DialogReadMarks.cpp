#include "DialogReadMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageMarks.h"

#include <QDebug>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

DialogReadMarks::DialogReadMarks(QWidget *room, ConfigConversation *conversation, std::function<void()> readAgain,
                                 std::function<QString()> text)
    : QObject(room)
    , m_room(room)
    , m_marks(ConfigPageMarks::of(room))
    , m_conversation(conversation)
    , m_readAgain(std::move(readAgain))
    , m_text(std::move(text))
{
    {
        // The marks stand a few pixels below the room's top.
        QPushButton probe(ConfigConversation::reconnectText(), room);
        room->setMinimumHeight(probe.sizeHint().height() + 8);
    }
    room->installEventFilter(this);
    connect(m_marks, &ConfigPageMarks::reconnectClicked, this, [this] {
        if (!m_conversation)
            return;
        qInfo() << m_room->window()->metaObject()->className() << "reconnects to read again";
        m_readWhenBack = true;
        m_conversation->restartSession();
    });
    if (conversation) {
        connect(conversation, &ConfigConversation::sessionStarted, this, [this] {
            if (!m_readWhenBack)
                return;
            m_readWhenBack = false;
            m_readAgain();
        });
    }
}

void DialogReadMarks::showFailure()
{
    m_marks->showReadFailure(m_text(), true);
}

void DialogReadMarks::hideFailure()
{
    m_marks->hideReadFailure();
}

bool DialogReadMarks::failureShown() const
{
    return m_marks->readFailureShown();
}

bool DialogReadMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_room && event->type() == QEvent::LanguageChange && failureShown())
        m_marks->showReadFailure(m_text(), true);
    return QObject::eventFilter(watched, event);
}
