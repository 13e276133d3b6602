#include "DialogReadMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "ConfigReadRound.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

DialogReadMarks::DialogReadMarks(QWidget *room, ConfigReadRound *round, std::function<void()> readAgain,
                                 std::function<void(bool read)> told)
    : QObject(room)
    , m_room(room)
    , m_marks(ConfigPageMarks::of(room))
{
    // The marks keep their room as the page's contents margin; the room's
    // height follows it (after the marks' own filter placed them).
    room->installEventFilter(this);
    fitRoom();
    m_marks->followRound(round, [] { return SharedTexts::readFailedText(); });
    connect(round, &ConfigReadRound::done, this, [told] { told(true); });
    connect(round, &ConfigReadRound::failed, this, [told] { told(false); });
    connect(round, &ConfigReadRound::readAgain, this, [this, round, readAgain] {
        // A dialog not shown yet reads when it opens; one reading now gets
        // its answer.
        if (m_room->window()->isVisible() && round->state() != ConfigReadRound::State::Pending)
            readAgain();
    });
}

bool DialogReadMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_room && event->type() == QEvent::ContentsRectChange)
        fitRoom();
    return QObject::eventFilter(watched, event);
}

void DialogReadMarks::fitRoom()
{
    // The marks stand a few pixels below the room's top; the room is at
    // least as tall as the action's button with that.
    QPushButton probe(ConfigConversation::reconnectText(), m_room);
    const QMargins marks = m_room->contentsMargins();
    const int height = std::max(probe.sizeHint().height() + 8, marks.top() + marks.bottom());
    if (m_room->minimumHeight() != height)
        m_room->setMinimumHeight(height);
}

void DialogReadMarks::showFailure()
{
    m_marks->showReadFailure(SharedTexts::readFailedText(), true);
}
