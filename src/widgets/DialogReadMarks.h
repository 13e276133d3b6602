#pragma once

// The read-failure mark of a dialog that reads a list from its device (the
// NVR's channels, a device's users): "Configuration failed" while the last
// read of the list failed, gone once a read succeeded, with the way back the
// marks offer: "Reconnect and read again" drops the device's session (the
// marks may ask first) and reads again once a fresh session is up.
//
// The marks sit in a room of their own: an empty widget of the dialog's
// layout, beside none of the dialog's own labels, made tall enough for the
// action's button so that it covers nothing below it.

#include <QObject>
#include <QString>

#include <functional>

class ConfigConversation;
class ConfigPageMarks;
class ConfigReadRound;
class QWidget;

class DialogReadMarks : public QObject
{
    Q_OBJECT

public:
    // readAgain: what the dialog does to read its list.
    DialogReadMarks(QWidget *room, ConfigConversation *conversation, std::function<void()> readAgain);

    // The mark follows the round of the list; read is told whether the list
    // shown is a full read each time a read ends.
    void follow(ConfigReadRound *round, std::function<void(bool read)> told);
    // A read of the dialog besides the list failed.
    void showFailure();
    // Only once a read of the dialog succeeded.
    void hideFailure();
    bool failureShown() const;
    ConfigPageMarks *marks() const { return m_marks; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_room;
    ConfigPageMarks *m_marks;
    ConfigConversation *m_conversation;
    std::function<void()> m_readAgain;
    bool m_readWhenBack = false;
};
