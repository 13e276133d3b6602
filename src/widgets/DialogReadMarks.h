#pragma once

// The read-failure mark of a dialog that reads a list from its device (the
// NVR's channels, a device's users), following the list's read round
// (ConfigPageMarks::followRound): shown while the last read failed, gone
// once one succeeded, with "Reconnect and read again" beside it. The dialog
// reads again whenever the round asks it to (after a reconnect, once the
// device's answers can be placed again) while it is shown and not reading.
//
// The marks sit in a room of their own: an empty widget of the dialog's
// layout beside none of the dialog's own texts, made tall enough for the
// action's button so that it covers nothing below it.

#include <QObject>

#include <functional>

class ConfigPageMarks;
class ConfigReadRound;
class QWidget;

class DialogReadMarks : public QObject
{
    Q_OBJECT

public:
    // readAgain: what the dialog does to read its list; told: whether the
    // list shown is a full read, each time a read of it ended.
    DialogReadMarks(QWidget *room, ConfigReadRound *round, std::function<void()> readAgain,
                    std::function<void(bool read)> told);

    // A read of the dialog besides the list failed.
    void showFailure();

private:
    QWidget *m_room;
    ConfigPageMarks *m_marks;
};
