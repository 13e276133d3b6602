#pragma once

// What the client keeps of a device (the password of the account it logs in
// with, the RTSP port, the address) and what the device holds never part
// without a way back. The one home of the rule, whatever page or dialog sent
// the change and whatever became of it since:
//
// - A change travels with its request (ConfigRequest::change). The session
//   ledger tells the keeper when it is written and how it ended (its answer,
//   none in time, the connection lost), before the window hears of it, if it
//   still can; the answer carries what the record did (ConfigReply::record),
//   and ConfigConversation::saveOutcomeText() has the words.
//
// - A success that can only be the change's own (ConfigReply::sole) changes
//   the record. A success that could be another request's, no answer, or one
//   that cannot be read changes nothing yet: the device is asked (the ports,
//   the network settings, the user list, which shows passwords) while its
//   connection lasts, and the record follows what it shows. A refusal
//   changes nothing.
//
// - The login account's password: from the moment a new one is written
//   until a login shows which one the device holds, the client keeps the
//   other one it cannot rule out beside the record, stored in the database
//   so that it outlives a restart. A login the device refuses is tried once
//   more with it (DeviceController); the one the device takes is kept, the
//   other forgotten, and the operator is told, naming the device. A user
//   list asked for after the change was written proves it too.
//
// - What is said of a device outside its windows (the outcome of a Save
//   whose window is gone, a password the device turned out to hold) goes
//   out as a notice naming the device.
//
// GUI thread only.

#include "ConfigConversation.h"
#include "KelvoCommon.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class OrmAccessQueue;

class RecordKeeper : public QObject
{
    Q_OBJECT

public:
    static RecordKeeper *instance();

    struct Settled
    {
        RecordFate fate = RecordFate::None;
        // The record took a new login password: the device logs in anew.
        bool relogs = false;
    };

    // The session ledger's: a change written (seq: its place among every
    // request written), and how it ended. heard: the window that sent it
    // still hears of it.
    void written(const loginDev &key, const RecordChange &change, quint64 seq);
    Settled settle(const loginDev &key, const RecordChange &change, const ConfigReply &reply, bool heard);

    // A user list of the device (Cmd::GetUsers) answered whole; written:
    // the place of its request (ConfigReply::written).
    void listed(const QString &ip, const QString &xml, quint64 written);
    // The device took a login carrying password.
    void loggedIn(const QString &ip, const QString &password);

    // The password kept beside the record of the device (empty: none).
    // False while it is not known yet (not read from the database).
    bool otherPassword(const QString &ip, QString *password) const;
    // done runs once it is known, or its read failed (then it stays unknown).
    void whenKnown(const QString &ip, QObject *context, std::function<void()> done);
    // The record's password is replaced by another (an edit, a change the
    // device took): the one it had is kept beside it until a login shows
    // which one the device holds.
    void keepOther(const QString &ip, const QString &previous);
    // The device was deleted: nothing is kept for it any more.
    void forgetDevice(const QString &ip);

    // The device at oldIp now answers at newIp: its record follows, once,
    // moveMs() from now. said: no window of the device tells where it went,
    // a notice does.
    void moveDevice(const QString &oldIp, const QString &newIp, bool said = false);
    // The record moved from one address to the other: the password kept
    // beside it goes along.
    void carryOther(const QString &from, const QString &to);
    // The device refused a login with both passwords.
    void loginRefused(const QString &ip);
    // Said in a notice naming the device.
    void tell(const QString &ip, const QString &words);
    // The device's name as the operator knows it.
    static QString deviceName(const QString &ip);

    // How long after a change of address a broken connection still means
    // the camera moved, and the delay of the record's move.
    static void setMoveTimings(int windowMs, int moveMs);
    static int moveMs();

    static QString otherTakenText(const QString &device);
    static QString bothRefusedText(const QString &device);
    // Where a camera went, said when no window of it says so.
    static QString movedText(const QString &ip);

signals:
    void notice(const QString &text);

private:
    explicit RecordKeeper(QObject *parent);

    struct Other
    {
        bool known = false;
        QString password;
    };
    struct Check
    {
        loginDev key;
        RecordChange change;
        bool heard = false;
    };

    Settled judge(const loginDev &key, const RecordChange &change, const ConfigReply &reply, bool heard);
    void setOther(const QString &ip, const QString &password);
    // The device holds password: the record takes it, the other is forgotten.
    void storePassword(const QString &ip, const QString &password);
    void applyPort(const QString &ip, int port);
    // Asks the device what it holds now, while its connection lasts.
    void readBack(const loginDev &key, const RecordChange &change, bool heard);
    void onReadBack(QObject *requester, const ConfigReply &reply);
    bool movedInTime(const QString &ip) const;
    void followMove(const QString &oldIp, const QString &newIp, bool said);

    QHash<QString, Other> m_other;
    QHash<QString, quint64> m_passwordWritten; // the last password change written, by device
    // A password change written whose answer has not come: a list read
    // meanwhile waits for it (its answer settles the change first).
    struct Listed
    {
        QString xml;
        quint64 written = 0;
    };
    QHash<QString, int> m_awaited;
    QHash<QString, Listed> m_listedMeanwhile;
    QSet<QString> m_relogging;               // a new login password proven, the record not changed yet
    QHash<QString, qint64> m_addressWritten; // when the last address change was written
    QHash<QString, ConfigConversation *> m_reads;
    QHash<quint64, Check> m_checks;
    quint64 m_lastTag = 0;
    QElapsedTimer m_clock;
    OrmAccessQueue *m_store;
};
