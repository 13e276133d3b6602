#pragma once

// The device side of the main window: loads the registry, runs the device
// login sequence, keeps the records up to date from the devices' replies and
// stores every device-list change that the pages announce on the signal bus.
// The main window owns one and forwards its slots; the pages plug into the
// hook signals below.

#include "KelvoCommon.h"
#include "OnvifService.h"
#include "OrmAccessQueue.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class CommandProcessor;

class DeviceController : public QObject
{
    Q_OBJECT

public:
    // Loads the registry from the database, creates the command processor and
    // connects the facade (recvConnectDev, disconnectDev), the ONVIF service
    // (updateDevInfo) and the signal bus (signals 1 to 6) to the slots below
    // itself: the main window must not connect them a second time. Needs the
    // database to be open.
    explicit DeviceController(QObject *parent = nullptr);
    ~DeviceController() override;

    CommandProcessor *commandProcessor() const { return m_processor; }

    // Spacing of the start-up logins and the delay of the repeated login
    // request; 20 ms and 1000 ms unless changed.
    void setLoginSpacingMs(int ms) { m_loginSpacingMs = ms; }
    int loginSpacingMs() const { return m_loginSpacingMs; }
    void setLoginRetryDelayMs(int ms) { m_loginRetryDelayMs = ms; }

    // Delay of the batched store of serial numbers reported at first login.
    static constexpr int SerialWriteDelayMs = 500;
    // Every write of the registry's rows goes through one queue, in the
    // order made: each is tried once on the GUI thread, briefly; a database
    // another program holds is then waited for on the queue's worker thread
    // (OrmAccessQueue), so the writes carry copies of the rows and a token
    // per record, never the records. An operator's add, change or move that
    // does not land is undone, so the lists show what the database holds; a
    // deleted device's row and the serial numbers are tried until they land.
    const OrmAccessQueue &rowWrites() const { return m_rows; }

    bool isClosing() const { return m_closing; }
    // How long the close reads what the devices still send (endSessions).
    static constexpr int SessionsEndMs = 1000;
    // Registry keys of the sessions whose login reply has not come yet.
    QList<QString> pendingLogins() const { return m_pending.keys(); }

    // The login request body for a record (user name and password escaped).
    static QString loginBody(const FUN_DEV_INFO *dev);

    // Refreshes a registered ONVIF record from its entry of the ONVIF table:
    // state, and when the camera answered, model, firmware, serial number and
    // service address. The operator's name, credentials, ports, group and
    // authentication mode stay.
    static void refreshFromOnvif(FUN_DEV_INFO *dev, const ONVIF::Service::ONVIF_DEV_INFO &entry);

public slots:
    // After the operator has logged in: every device is logged in, spaced apart.
    void onTimeoutLoginDevice();
    void recvConnectDev(loginDev dev);
    void disconnectDev(loginDev dev);

    void dealAddDevices(QList<FUN_DEV_INFO *> devs);
    void dealDelDevices(QList<FUN_DEV_INFO *> devs);
    // Takes ownership of the copy.
    void dealModifyDevice(FUN_DEV_INFO *dev);
    // The device at oldIp moved: dev (taken over) replaces its record, with
    // its alarm settings; the record schedules keep it (deviceMoved) and the
    // alarm reception reloads its settings.
    void dealMoveDevice(QString oldIp, FUN_DEV_INFO *dev);

    void showDevConfigManage(FUN_DEV_INFO *dev);
    void showDevUser(FUN_DEV_INFO *dev);
    void showNVRChannels(FUN_DEV_INFO *dev);

    void slotUpdateOnvifDevice(QString ip);

    // Derives the state of an NVR's channel records from its channel status
    // text, then announces it with nvrChannelStatusChanged.
    void refreshNvrChannelStatus(FUN_DEV_INFO *nvr);

    // Queues the serial numbers waiting for their batch now.
    void flushSerialWrites();
    // Stores now what the queue still owes, waiting for a held database at
    // most the busy timeout in all (the client closes).
    void flushWrites();

    // The close, in three steps. beginClose: from now on a change that does
    // not land is said by the close, not by a notice, and undone only where
    // that starts nothing (a name or group goes back, so the lists show what
    // is stored; no device logs in again). endSessions: every device is told
    // the client closes, and what it sent until it ends its side of the
    // connection is read and passed on (its alarms reach the alarm
    // reception), until readUntil; then every session ends, the records
    // staying. closeApp: both (reading at most SessionsEndMs), and the
    // records released. The registry's writes still owed stay queued: the
    // shell's close waits for them with the rest (OrmAccessQueue::flushAll).
    void beginClose();
    void endSessions(const QDeadlineTimer &readUntil);
    void closeApp();

signals:
    // ---- hooks for the pages (all emitted on the GUI thread) ----
    // A record's state or data changed: device management row
    // (DeviceManageWidget::updateDevStatus) and the live-view item state.
    void devStatusChanged(FUN_DEV_INFO *dev);
    // The live-view device tree should show the record as it is now.
    void liveTreeUpdate(FUN_DEV_INFO *dev);
    // Channel records of a multi-channel IPC were made: add their tree items.
    void ipcChannelsAdded(FUN_DEV_INFO *dev);
    // The channel states of an NVR changed (also right after its channels were made).
    void nvrChannelStatusChanged(FUN_DEV_INFO *nvr);
    // A new device is registered: its group and device items in the live-view
    // tree and its row in the device management table (addDevToAddTableView).
    void deviceAdded(FUN_DEV_INFO *dev);
    // Deletion, in this order: the record schedules drop the devices, the
    // device management table drops their rows (delAddTableView), then for
    // each device and each of its channel records deviceRemoving (close its
    // live-view panes, remove its tree item); then the registry and the
    // database forget them.
    void removeFromRecordSchedules(QList<FUN_DEV_INFO *> devs);
    // A device was logged in again with new credentials or ports (the old
    // record removed, the new one registered): the same device, a new record.
    void deviceRelogged(FUN_DEV_INFO *dev);
    // A device moved to a new address: the same device, a new record.
    void deviceMoved(FUN_DEV_INFO *dev, QString oldIp);
    // A device reported a serial number other than the one it was known by;
    // its channel records (made at login, before the version reply) took it
    // too.
    void serialNumberChanged(FUN_DEV_INFO *dev, QString oldSn);
    void devicesDeleting(QList<FUN_DEV_INFO *> devs);
    void deviceRemoving(FUN_DEV_INFO *dev);
    // A registered record was renamed or moved to another group: tree items
    // and the management row (DeviceManageWidget::updateDevRow).
    void deviceEdited(FUN_DEV_INFO *dev);
    // PTZ reply (Cmd::PtzConfig, Cmd::NvrPtzConfig) for the PTZ panel, which
    // takes it when visible.
    void ptzConfigReceived(devXmlInfo info);
    // Alarm event (Cmd::AlarmEvent) of a registered device, with the message
    // text.
    void alarmReceived(FUN_DEV_INFO *dev, QString xml);
    // Dialogs the main window opens for a record.
    void devConfigRequested(FUN_DEV_INFO *dev);
    void devUserRequested(FUN_DEV_INFO *dev);
    void nvrChannelsRequested(FUN_DEV_INFO *dev);
    // What the operator is to be told of the registry's writes: the waiting
    // ones landed, or one did not land.
    void storeNotice(QString text);
    // An operator's change (an add, an edit, a move) waits for a database
    // another program holds, for exactly as long as it does: the waiting
    // words follow it.
    void storeWaiting(bool waiting);

private:
    // How a record leaves the registry: deleted (its row too), replaced by
    // a new record of the same device (the caller stores that), or dropped
    // because its own row never landed.
    enum class Removal { Delete, Replace, Forget };
    // A write of the registry's rows; an operator's write is said when it
    // waits and when it fails. done gets the outcome.
    void queueWrite(const QString &what, const QString &key, bool byOperator, bool givesUp, OrmAccessQueue::Write write,
                    std::function<void(const QSqlError &)> done = {});
    void onWritesWaiting(bool waiting);
    // storeWaiting follows the operator's writes and the queue's state.
    void followWaiting();
    void setStoreWaiting(bool waiting);
    // Registers new records, logs them in and announces them; the ones registered.
    QList<FUN_DEV_INFO *> registerDevices(const QList<FUN_DEV_INFO *> &devs);
    void storeAdded(FUN_DEV_INFO *dev);
    // Stores the record as a new row in place of the rows at oldIp (none:
    // an add); given up or failed, undo puts the registry back.
    void storeRecord(const QString &what, const QString &oldIp, FUN_DEV_INFO *dev, std::function<void()> undo);
    // from leaves the registry, to comes in its place as a new session (new
    // credentials or ports, or a new address); whether to is registered.
    bool replaceRecord(FUN_DEV_INFO *from, FUN_DEV_INFO *to);
    // The credentials or ports changed: a new session; stored as a new row.
    void relogin(FUN_DEV_INFO *dev, FUN_DEV_INFO *copy, const QString &oldName);
    void storeEdit(FUN_DEV_INFO *dev, FUN_DEV_INFO *copy, const FUN_DEV_INFO &before);
    // Name, group and authentication mode of a registered record (its
    // channel records follow the group); whether the name or group changed.
    bool applyEdit(FUN_DEV_INFO *dev, const FUN_DEV_INFO &from);
    void moveRecord(FUN_DEV_INFO *from, FUN_DEV_INFO *to);
    void storeDeletes(const QList<FUN_DEV_INFO *> &devs);
    // A removal lets events run while the device's session ends, before its
    // own delete is queued: the queue may be empty for that moment, which
    // says nothing of what the operator changed. Its emptying is looked at
    // once the removal's writes are queued.
    void beginRemoval() { ++m_removing; }
    void endRemoval();
    static void announceStored(FUN_DEV_INFO *dev, const QSqlError &error);
    // What a write made on another thread may know of a record: whether it
    // left the registry, and the id of its row (an add still waiting gives
    // it one). Shared by the record's writes, set on the GUI thread.
    struct RowToken
    {
        std::atomic<bool> removed{false};
        std::atomic<long> dbId{0};
    };
    std::shared_ptr<RowToken> tokenOf(FUN_DEV_INFO *dev);
    void dropToken(FUN_DEV_INFO *dev);

    // The login request with the record's password, or with password when
    // given (the other one kept beside the record, RecordKeeper.h).
    void sendLogin(const loginDev &key, const QString &password = QString());
    // A device refused the login: tried once more on the connection with
    // the other password kept beside its record; refused with both, said.
    void onLoginAnswer(const RecvInfo &info);
    void retryWithOther(const loginDev &key, quint64 connection);
    // Replace: the devices come back at once (a new login), so the record
    // schedules keep them. The records removed that have rows of their own.
    QList<FUN_DEV_INFO *> removeDevices(QList<FUN_DEV_INFO *> devs, Removal how);
    bool isRegistered(FUN_DEV_INFO *dev) const;
    // A write of the registry's rows as the operator knows it (its device by
    // name and address).
    static QString changeSaid(const QString &ip);
    void followSerialNumber(FUN_DEV_INFO *dev, const QString &oldSn);

    CommandProcessor *m_processor = nullptr;
    int m_loginSpacingMs = 20;
    int m_loginRetryDelayMs = 1000;
    bool m_closing = false;
    // key of a session -> number of its connection, so a late retry of an
    // earlier connection does nothing.
    QHash<QString, quint64> m_pending;
    quint64 m_connectCount = 0;
    // The logins of a device's connection, by session key: the passwords
    // sent, oldest first (their answers come in that order).
    struct Logins
    {
        quint64 connection = 0;
        QStringList sent;
        bool triedOther = false;
        bool said = false;
    };
    QHash<QString, Logins> m_logins;
    QList<QMetaObject::Connection> m_sessionConnections;
    QSet<FUN_DEV_INFO *> m_serialWrites;
    QTimer m_serialTimer;
    OrmAccessQueue m_rows;
    QHash<const FUN_DEV_INFO *, std::shared_ptr<RowToken>> m_tokens;
    int m_operatorWrites = 0;   // operator writes not landed yet
    bool m_saidWaiting = false; // storeWaiting(true) is in force
    bool m_sawWaiting = false;  // ... was, since the queue last emptied
    int m_removing = 0;
    bool m_saidFailure = false;
};
