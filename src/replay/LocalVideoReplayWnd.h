#pragma once

// The "Local" tab of the playback page: plays the segments the client
// recorded on its schedule. A device or channel and a day pick a day folder
// (BackupPath/<IP>[/CH_NN]/yyyyMMdd); its index "record.json" (or the older
// "recordIdx.txt", converted on the way) gives the segments, which play one
// after another in one of four panes. Nothing here talks to a device.

#include "ArchiveRecord.h"
#include "KelvoCommon.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QModelIndex>
#include <QSet>
#include <QWidget>

class DeviceTree;
class FFmpegReplayWidget;
class MyCalendar;
class QJsonObject;
class ReplayControl;
class TimeLine;

namespace Ui {
class LocalVideoReplayWnd;
}

class LocalVideoReplayWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ToastMs = 2000;

    explicit LocalVideoReplayWnd(QWidget *parent = nullptr);
    ~LocalVideoReplayWnd() override;

    std::vector<ArchiveRecordPtr> getDeviceRecordInfo(const QString &indexPath) const;
    // The segments of a day folder's index as they play: entries that name a
    // file outside the folder, or a missing, empty or unreadable one, are left
    // out. Any thread.
    static std::vector<ArchiveRecordPtr> readDayRecords(const QString &dayDir, const QDate &day,
                                                        QSet<QString> *openFiles = nullptr);
    // The day folders below a device folder that hold a segment. Any thread.
    static QStringList recordDays(const QString &deviceFolder);
    // Writes the legacy entries into the day index; true when it was written
    // and the legacy file may go.
    static bool convertLegacyIndex(const QString &legacyPath, const QString &indexPath);
    static bool parseLegacyItems(QJsonObject &out, const QStringList &items);
    int getFreeIndex();
    QString makeCapturePath(FUN_DEV_INFO *dev);
    void markRecordDays(const QString &deviceFolder);
    FUN_DEV_INFO *paneDevice(int index) const;
    static qint64 recordStartOfFile(const std::vector<ArchiveRecordPtr> &records, const QString &file);
    int focusIndex() const;
    // BackupPath/<IP>, or BackupPath/<IP>/<channel item text> for a channel key.
    QString deviceFolder(const QString &key) const;

    // Inspection (tests).
    DeviceTree *tree() const;
    MyCalendar *calendar() const;
    FFmpegReplayWidget *replayWidget() const;
    ReplayControl *control() const;
    TimeLine *timeLine() const;
    QString currentKey() const { return m_currentKey; }
    QHash<int, QString> paneKeys() const { return m_paneKeys; }
    std::vector<ArchiveRecordPtr> paneRecords(int index) const { return m_paneRecords.value(index); }
    // A day is being read from disk (off the GUI thread).
    bool isLoading() const { return m_loading > 0; }

signals:
    // The day a double click asked for has been read and, when it has
    // segments, set playing.
    void dayOpened(QString key, QDate day, int segments);

public slots:
    void resetReplay();

    void onDeviceItemClicked(QModelIndex index);
    void onDeviceItemDoubleClicked(QModelIndex index);
    void slotFocusViewChanged(int index);
    void slotPlayFinished(int index, QString file);
    void slotTimestampSecond(int index, qlonglong second);
    void slotUpdateTimeline();
    void slotCaptureResult(bool result, QString path);
    void onTxtFilterChanged(QString text);
    void onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t time);
    void onBtnPlayClicked(bool checked);
    void onBtnStopClicked();
    void onBtnCaptureClicked();
    void onBtnFullScreenClicked();
    void onUpdatePlayButtons();
    void onCalendarClicked(QDate dt);
    void onBtnSpeed(float speed);
    void slotPlayError(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct LoadedDay
    {
        QStringList days;
        std::vector<ArchiveRecordPtr> records;
        QSet<QString> openFiles; // segments still being written
    };
    // Where a pane's day comes from, and how its end is being waited for.
    struct PaneDay
    {
        QString folder; // the day folder
        QDate date;
        QSet<QString> openFiles;
        qint64 playedMs = 0; // into the current file, as far as shown
        qint64 waitedMs = 0; // at the end of the last file, without growth
        quint64 ticket = 0;  // the refresh in flight
    };
    void continueAfter(int index, const QString &file);
    void refreshDay(int index, const QString &file);
    void endOfDay(int index);
    static LoadedDay loadDay(const QString &deviceFolder, const QDate &day);

public:
    // The end of the last known segment: how long to wait for a segment still
    // being written to grow before the day counts as played (ms), and how
    // often to look.
    static constexpr int GrowthWaitMs = 10000;
    static constexpr int GrowthPollMs = 1000;

private:
    void openDay(const QString &key, const QDate &day, const LoadedDay &loaded);
    void toggleLeftPanel();
    void releasePane(int index);
    // Stops the pane's player and frees the pane.
    void stopPane(int index);
    static QString storageRoot();

    Ui::LocalVideoReplayWnd *ui = nullptr;
    QString m_currentKey;
    QHash<int, QString> m_paneKeys;
    QMap<int, std::vector<ArchiveRecordPtr>> m_paneRecords;
    QDate m_shownDate;
    bool m_shown = false;
    QMap<int, PaneDay> m_paneDays;
    quint64 m_loadTicket = 0; // the latest day asked for; older answers are dropped
    quint64 m_refreshTicket = 0;
    int m_loading = 0;
};
