#include "DialogReadMarks.h"

#include "ConfigConversation.h"
#include "ConfigPageMarks.h"
#include "ConfigReadRound.h"
#include "SharedTexts.h"

#include <QPushButton>
#include <QWidget>

DialogReadMarks::DialogReadMarks(QWidget *room, ConfigReadRound *round, std::function<void()> readAgain,
                                 std::function<void(bool read)> told)
    : QObject(room)
    , m_room(room)
    , m_marks(ConfigPageMarks::of(room))
{
    {
        // The marks stand a few pixels below the room's top.
        QPushButton probe(ConfigConversation::reconnectText(), room);
        room->setMinimumHeight(probe.sizeHint().height() + 8);
    }
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

void DialogReadMarks::showFailure()
{
    m_marks->showReadFailure(SharedTexts::readFailedText(), true);
}
