#pragma once

// The "Storage Schedule" page: which channels are recorded locally, on which
// weekly time parts, and the switch of scheduled recording. It owns the record
// plan and, while recording is on, the schedule thread.

#include "KelvoCommon.h"
#include "OrmAccessQueue.h"
#include "RecordPlan.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QSqlError>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QLabel;
class QStandardItem;
class QStandardItemModel;
class QTimer;
class RecordScheduleThread;
class TimeRangeCtrl;

namespace Ui {
class RecordSchedule;
}

class RecordSchedule : public QWidget
{
    Q_OBJECT

public:
    explicit RecordSchedule(QWidget *parent = nullptr);
    ~RecordSchedule() override;

    // The texts of the PlanRecord columns devInfo and scheduleTime: indented
    // JSON arrays. Reading never fails: what does not parse reads as empty.
    static QString writeRecordDevices(const QVector<RECORD_DEVICE_INFO> &devices);
    static QVector<RECORD_DEVICE_INFO> readRecordDevices(const QString &text);
    static QString writeTimePlan(const QVector<RECORD_DAY_INFO> &days);
    static QVector<RECORD_DAY_INFO> readTimePlan(const QString &text);
    // What a read of the stored plan could not read: the table and why.
    struct ReadFailure
    {
        QString table;
        QSqlError error;
    };
    // The stored row into a plan (the work mode is left to the page) and back.
    // The storage folder in force is the settings' BackupPath as last read; a
    // plan without devices is off. storePlan logs a failure and returns false.
    // loadPlan gives the stored work mode, which the page applies itself; a
    // plan or settings row that cannot be read leaves the plan untouched and
    // returns false, with what failed.
    static bool loadPlan(RECORD_PLAN_INFO &plan, int *storedMode = nullptr, ReadFailure *failure = nullptr);
    static bool storePlan(const RECORD_PLAN_INFO &plan, QSqlError *error = nullptr);
    // The start-up reads the stored plan within its wait for the database,
    // off the GUI thread; the page made after it takes that reading (once)
    // in place of a read of its own. False while another program's lock
    // keeps it from being read (*lockError): the start-up tries again.
    static bool readStartPlan(QSqlError *lockError = nullptr);

    // Once, after the operator's rights are set: when the stored plan is on,
    // recording starts. The page shows the plan from its making (as the
    // start-up read it); one that could not be read then is read again by the
    // page until it is, and recording starts once it is.
    void initPlan();
    // Devices leaving the registry (records still alive): their channels leave
    // the plan and their recorders stop at once.
    void deleteDevices(QList<FUN_DEV_INFO *> devs);
    // A device logged in again with new credentials or ports: its recorders
    // start again with the new address.
    void deviceRelogged(FUN_DEV_INFO *dev);
    // A device moved to a new address (its new record): its channels stay in
    // the plan, at the new address.
    void deviceMoved(FUN_DEV_INFO *dev, const QString &oldIp);
    // A device (and its channel records) reported a serial number other than
    // the one it was known by: the plan entries made with the old one follow.
    void deviceSerialChanged(FUN_DEV_INFO *dev, const QString &oldSn);
    // The schedule thread and its recorders end.
    void stopPlan();
    // The client closes: stopPlan(), and recording never starts again in
    // this page's life (a Stop the database gave up, or initPlan's turn,
    // arriving while the close waits).
    void closePlan();
    // A device or channel came online, went offline, or joined or left the
    // registry: while the page shows, "Original Device" follows at once,
    // keeping what the operator has ticked.
    void registryChanged();

    // Loads the stored plan and shows it; the name does not select anything.
    // Read through the page's queue: returns -1 when the row could not be
    // read now (the page keeps what it holds, says why and reads again by
    // itself, also after a wait for another program's lock).
    int showStrategyData(const QString &name);
    // What a write of the plan changed: the editor's content (week, mode,
    // advanced settings), the record devices, or the switch.
    enum class PlanChange { Edited, Devices, Switched };
    // Every write of the plan goes here, through the page's write queue:
    // tried at once, briefly; while another program holds the database the
    // page shows the write as waiting, and a later change takes its place
    // with both changes, until the queue gives it up. Given up (or refused), the
    // page shows the devices and the switch the database holds, edits stay
    // for the next Save, and "Configuration failed" says why. Recording
    // follows the stored plan only. True when stored at once. Refused when
    // the stored plan was never read (it would be overwritten by an empty one).
    bool savePlan(PlanChange change = PlanChange::Edited);

    const RECORD_PLAN_INFO &plan() const { return m_plan; }
    // The record list's row of a plan entry holds its RecordScheduleThread::DeviceState here.
    static constexpr int StateRole = Qt::UserRole + 2;
    int deviceState(int row) const;
    bool isRecording() const { return m_thread != nullptr; }
    QList<TimeRangeCtrl *> rows() const { return m_rows; }
    // What the page says when the storage folder path is not the storage
    // (a StorageMark::State other than Ours; detail as the look gave it).
    static QString storageUnavailableText(const QString &path, int state, const QString &detail = QString());
    // What it says when the database did not keep the storage folder's mark.
    static QString markNotKeptText(const QString &reason);
    // What it says when recording moved onto a disk mounted over the folder.
    static QString storageMovedText(const QString &path, const QString &mountPoint, const QString &earlierSource,
                                    const QString &earlierMountPoint);
    // What it says when the storage folder was removed from its disk, still
    // mounted, and the client made it again.
    static QString storageRemadeText(const QString &path);
    // What it says, for as long as it lasts, while the stored plan or the
    // settings it needs cannot be read (readBefore: a plan read earlier is
    // what the page holds and recording follows).
    static QString unreadText(const ReadFailure &failure, bool readBefore);

public slots:
    void on_m_btnAddDevices_clicked();
    void on_m_btnDelDevices_clicked();
    void on_m_btnAdvance_clicked();
    void on_m_btnSave_clicked();
    void on_m_btnOn_clicked();
    void onBtnEveryDayClicked(bool checked);
    void onBtnWorkDayClicked(bool checked);
    void onBtnCustomClicked(bool checked);
    void saveTime();
    void record();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void changeLockButton();
    // Reads the stored plan when it has not been read yet; whether it has.
    bool planRead();
    struct PlanReading
    {
        bool read = false;
        RECORD_PLAN_INFO plan;
        int mode = 0;
        ReadFailure failure;
    };
    // A read of the stored plan through the page's queue (one at a time);
    // its answer goes to planReadDone.
    void readPlan();
    bool takeStartPlan();
    void planReadDone(const PlanReading &reading);
    void applyPlan(const RECORD_PLAN_INFO &plan, int storedMode);
    // The waiting words follow what the queue owes: a write, or a read only.
    void followQueue();
    // The words of the notice room: an unread plan first, then why the
    // storage folder is not recorded into.
    void showNotice();
    void fitNoticeRoom();
    void refreshOriginalDevice();
    void refreshRecordDevice();
    // The record list's texts follow the registry (a recorder's channels are
    // made when it logs in, after the plan was shown).
    void relabelRecordDevices();
    bool isRecordDevice(const FUN_DEV_INFO *dev) const;
    void showPlan();
    void showOnText();
    void onRecordStopped(int storageType);
    void onDeviceState(const QString &sn, const QString &ip, int channel, int state);
    void showState(QStandardItem *item, int state) const;
    void stopThread();
    // Queues the plan as it is now; true when it was stored at once.
    bool trySave();
    void planStored();
    void writeGivenUp(bool locked);
    void endWrite();
    // The schedule thread runs the plan the database holds.
    void followStoredPlan(bool switched);
    // The devices, the switch and what depends on them, as the plan holds them.
    void showPlanState();
    // A registry follow-up: follow changes the entries of a device; whether any.
    bool followDevice(const std::function<bool(QVector<RECORD_DEVICE_INFO> &)> &follow);

    Ui::RecordSchedule *ui = nullptr;
    QStandardItemModel *m_strategyModel = nullptr;
    QStandardItem *m_strategyItem = nullptr;
    QList<TimeRangeCtrl *> m_rows;
    QList<QLabel *> m_dayLabels;
    QList<QAbstractButton *> m_modeButtons;
    RECORD_PLAN_INFO m_plan;
    // What the database holds, as last read or written: the schedule thread
    // runs it, and a write given up brings the page back to it.
    RECORD_PLAN_INFO m_storedPlan;
    QStandardItemModel *m_sourceModel = nullptr;
    QStandardItemModel *m_recordModel = nullptr;
    RecordScheduleThread *m_thread = nullptr;
    quint64 m_threadGeneration = 0;
    // "sn|ip|channel" of a plan entry -> its last announced state.
    QHash<QString, int> m_states;
    bool m_initialised = false;
    bool m_closed = false;
    bool m_initAsked = false;
    bool m_planRead = false;
    bool m_readPending = false;
    quint64 m_readsApplied = 0;
    QTimer *m_readRetry = nullptr;
    // The words of the notice room, built again in a new language.
    std::function<QString()> m_readNotice;
    std::function<QString()> m_storageNotice;
    bool m_sourceRefreshPending = false;
    // The StorageMark::State the thread said last (Ours while none).
    int m_storageState = 0;
    // The plan's read and its writes, in the order made.
    OrmAccessQueue m_planQueue;
    quint64 m_saveGeneration = 0; // of the latest write queued
    bool m_savedAtOnce = false;
    bool m_writeWaits = false;
    // What the waiting write is to undo when given up, and whether its end is said.
    bool m_revertDevices = false;
    bool m_revertSwitch = false;
    bool m_sayStored = false;
};
