#include "DialogReadMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "ConfigReadRound.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

DialogReadMarks::DialogReadMarks(QWidget *room, ConfigConversation *conversation, std::function<void()> readAgain)
    : QObject(room)
    , m_room(room)
    , m_marks(ConfigPageMarks::of(room))
    , m_conversation(conversation)
    , m_readAgain(std::move(readAgain))
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

void DialogReadMarks::follow(ConfigReadRound *round, std::function<void(bool read)> told)
{
    connect(round, &ConfigReadRound::done, this, [this, told] {
        told(true);
        hideFailure();
    });
    connect(round, &ConfigReadRound::failed, this, [this, told] {
        told(false);
        showFailure();
    });
}

void DialogReadMarks::showFailure()
{
    m_marks->showReadFailure(SharedTexts::configFailedText(), true);
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
        showFailure();
    return QObject::eventFilter(watched, event);
}
