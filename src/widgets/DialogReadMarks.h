#pragma once

// The read-failure mark of a dialog that reads a list from its device (the
// NVR's channels, a device's users), following the list's read round
// (ConfigPageMarks::followRound): shown while the last read failed, gone
// once one succeeded, with "Reconnect and read again" beside it. The dialog
// reads again whenever the round asks it to (after a reconnect, once the
// device's answers can be placed again) while it is shown and not reading.
//
// The marks sit in a room of their own: an empty widget of the dialog's
// layout beside none of the dialog's own texts, as tall as the marks need at
// its width (the longest words a read may end with, wrapped, and the
// action's button), in every language, so that they show whole and cover
// nothing below it.

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitRoom();

    QWidget *m_room;
    ConfigPageMarks *m_marks;
};
