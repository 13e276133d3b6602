#pragma once

// Alarm reception: every alarm event a device sends passes here. An event is
// kept when the device has its type enabled and its moment lies in the
// device's arming time for that weekday; a kept event is stored as a
// CustomAlarmInfo row (written off the GUI thread, in arrival order) and
// starts the device's linkage actions. A rejected event leaves no trace.
//
// The per-device settings (enabled types, arming time, linkage) are cached
// from the database and reloaded on SignalsHelper::signalUpdateAlarm. Rows are
// keyed by the device's IP address in devip and found by it only; rows that
// older databases stored under a device's name are taken over by its address
// at the first load (AlarmSettingsStore::takeOverNamedRows).
//
// Everything runs on the GUI thread.

#include "KelvoCommon.h"
#include "OrmEntities.h"
#include "OrmAccessQueue.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSharedPointer>
#include <QString>
#include <QTime>
#include <QTimer>

#include <deque>
#include <vector>

class AlarmRecordWriter;
class DeviceAlarmLinkage;

class DeviceAlarmHandler : public QObject
{
    Q_OBJECT

public:
    // Loads nothing: the caches stay empty until updateAlarmDataBase.
    explicit DeviceAlarmHandler(QObject *parent = nullptr);
    ~DeviceAlarmHandler() override;

    // Refills the three caches from the database, off the GUI thread; a later
    // row with the same key replaces an earlier one. The first call (after
    // login, with the devices registered) takes rows stored under names over
    // first. A read that fails changes no cache: the alarms follow what was
    // last read and the read is tried again after RereadMs. Until a first
    // read has answered, alarms wait to be handled.
    void updateAlarmDataBase();
    bool settingsRead() const { return m_settingsRead; }
    static constexpr int RereadMs = 2000;
    // One alarm event message (Cmd::AlarmEvent) of a registered device. The
    // event is taken with a copy of the device record and handled with the
    // others that came meanwhile, at the next pass of the event loop: a flood
    // is handled in slices of at most DrainBudgetMs, its rows queued for the
    // writer together, so the GUI thread keeps answering between slices.
    void handleDeviceAlarm(const QString &xml, FUN_DEV_INFO *dev);
    static constexpr int DrainBudgetMs = 5;
    // Alarms taken but not handled yet; beyond MaxPending they are dropped
    // (and said as alarms not stored).
    int pendingAlarms() const { return int(m_pending.size()); }
    static constexpr int MaxPending = 20000;
    // Off: each event handled at once as it comes, and each row written as
    // soon as the writer sees it (for measurements).
    void setCoalescing(bool on);

    // The close, in two steps so the window answers between them: begin
    // ends every linkage still running (their players are stopped and waited
    // for), takes no alarm any more (one that comes is counted as not
    // stored) and hands every alarm taken to the writer, which stores until
    // the deadline and gives up the rest; end waits for the writer and says
    // in the log what was not stored, each device's apart. Returns the
    // alarms not stored and not said yet: those the close gave up or kept
    // from the writer, and those lost earlier in the outage the close ends
    // in, so that every alarm a device sent is stored or said lost.
    void beginClose(QDeadlineTimer deadline);
    qint64 endClose();
    // Of endClose()'s alarms, those the close itself did not store.
    qint64 lostToTheClose() const;
    // Both at once, with the busy timeout as the deadline.
    void shutdown();
    bool isClosing() const { return m_closing; }
    // Alarms taken and not stored yet.
    qint64 alarmsWaiting();
    int runningLinkages();
    // The stored alarm records are kept to this many rows (the oldest go
    // first); AlarmRecordWriter::DefaultRowLimit unless set, 0 keeps all.
    void setRowLimit(qint64 rows);
    AlarmRecordWriter *recordWriter() const { return m_writer; }
    // More alarms than this at once still store their rows but start no
    // further linkage: each linkage opens a stream and may show a window, and
    // a device must not be able to flood the client with them.
    static constexpr int MaxLinkages = 16;

    // What the operator is told, once per outage, when alarms cannot be
    // stored, and at start when the database cannot be written at all; and
    // once when the outage is over, with the alarms it lost.
    static QString notStoredText(int failure);
    static QString storedAgainText(qint64 lost);
    static QString readOnlyDatabaseText();
    static constexpr int ToastMs = 10000;

    // The rules, without database or caches.
    // Type (base-10, a missing element is 0) and moment ("yyyy-MM-dd
    // hh:mm:ss", empty for an impossible date or time) of the message.
    static CustomAlarmInfo parseAlarmXml(const QString &xml);
    // Codes 0, 1, 2 and 5 have a flag; every other code is never enabled.
    static bool isAlarmTypeEnabled(const cms_DealAlarmType *row, int type);
    // The weekday's ranges (Monday = 1 ... Sunday = 7); a day whose flag is
    // off is disarmed.
    static bool isInArmingTime(const cms_DealAlarmTime *row, const QString &alarmTime);
    // "hh:mm:ss-hh:mm:ss" ranges joined by ";", bounds included; a part that
    // is not exactly two times joined by "-" is skipped; an unreadable time
    // counts as -1.
    static bool isTimeInRanges(const QTime &time, const QString &ranges);

private:
    struct PendingAlarm
    {
        QString xml;
        FUN_DEV_INFO dev;
    };
    void drainPending();
    // The rules and the linkage for one event; a kept row is added to rows.
    void handleOne(const QString &xml, FUN_DEV_INFO *dev, bool linkage, std::vector<CustomAlarmInfo> *rows);
    // Counts what still waits as the close's loss, by device, and lets it go.
    void givePendingUp(qint64 &counted, const char *why);
    void sayNotStored(int failure);
    void startAlarmLinkage(const CustomAlarmInfo &record, FUN_DEV_INFO *dev);
    template <class T>
    static QSharedPointer<T> lookup(const QHash<QString, QSharedPointer<T>> &cache, const FUN_DEV_INFO *dev);

    QHash<QString, QSharedPointer<cms_DealAlarmLink>> m_links;
    QHash<QString, QSharedPointer<cms_DealAlarmTime>> m_times;
    QHash<QString, QSharedPointer<cms_DealAlarmType>> m_types;
    QList<QPointer<DeviceAlarmLinkage>> m_linkages;
    AlarmRecordWriter *m_writer = nullptr;
    // Alarms stored without linkage since the last one that had it.
    qint64 m_withoutLinkage = 0;
    std::deque<PendingAlarm> m_pending;
    bool m_drainPosted = false;
    bool m_coalescing = true;
    bool m_namedRowsTaken = false;
    bool m_settingsRead = false;
    bool m_closing = false;
    bool m_closed = false;
    // Alarms the close kept from the writer: unhandled for want of settings,
    // those that came after it began, and those still waiting when its time
    // ran out.
    qint64 m_unreadAtClose = 0;
    qint64 m_refusedAtClose = 0;
    qint64 m_unhandledAtClose = 0;
    // Those three by AlarmRecordWriter::deviceLabel.
    QHash<QString, qint64> m_closeLossByDevice;
    OrmAccessQueue m_reads;
    QTimer m_reread;
};
