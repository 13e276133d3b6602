#pragma once

// The "NVR" tab of the playback page: recordings kept on NVRs. A channel and
// a day are asked for (14300 by month on the NVR's connection, by day on the
// channel's own connection), the recorded minutes go onto the time line, and
// a double click or a pick streams the channel (14301 -> 90000, 90001) into
// one of four panes. Seek, speed, pause, resume and stop follow the focused
// pane; a watchdog ends a stream that fell silent. The download box copies a
// range of one channel into an MP4 file (90002 -> VideoRecord).

#include "ArchiveRecord.h"
#include "KelvoCommon.h"
#include "PlayerParam.h"

#include <QDate>
#include <QElapsedTimer>
#include <QMap>
#include <QModelIndex>
#include <QSet>
#include <QWidget>

class DeviceTree;
class FFmpegReplayWidget;
class MyCalendar;
class QTimer;
class ReplayControl;
class TimeLine;
class VideoRecord;

namespace Ui {
class RecordWnd;
}

class RecordWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ToastMs = 2000;

    explicit RecordWnd(QWidget *parent = nullptr);
    ~RecordWnd() override;

    void getNVRRecordInfo(const QString &key, const QDate &date, bool byMonth);
    void onSearchNvrRecordResult(const QString &xml, const RecvInfo &info = RecvInfo());
    void handleMonthlyQueryResult(const QString &stream, const QString &ip = QString());
    void dealNvrRecordInfo(const QString &stream, const QString &key, const QDate &date = QDate());
    void startPlaybackAt(const QString &key, qint64 startMs);
    void NVRChannelStream(const QString &key, const QDate &date, bool stop, bool download, qint64 startMs);
    bool sendStopCMD(const QString &key, bool download);
    void dealReplayInfo(const RecvInfo &info);
    void dealReplayData(const RecvInfo &info);
    void dealDownloadData(const RecvInfo &info);
    void dealWatchdog();
    void playDevice(const QString &key);
    void updateTimeLine(int index);
    void updateControlState();
    FUN_DEV_INFO *getDevByIndex(int index) const;
    int getFocusIndex() const;
    int getFreeIndex(const QString &key) const;
    int calculateProgress(qint64 timeMs);

    // Segments of a day text: one character per minute, 'C' not recorded.
    static QList<QPair<int, int>> minuteRuns(const QString &stream);

    // Inspection and test seams (the timers the tests wait for).
    DeviceTree *tree() const;
    MyCalendar *calendar() const;
    FFmpegReplayWidget *replayWidget() const;
    ReplayControl *control() const;
    TimeLine *timeLine() const;
    QString currentKey() const { return m_currentKey; }
    QMap<int, QString> paneKeys() const { return m_paneKeys; }
    std::vector<ArchiveRecordPtr> dayRecords(const QString &key) const { return m_dayRecords.value(key); }
    QSet<QString> monthDays(const QString &ip) const { return m_monthDays.value(ip); }
    QString downloadKey() const { return m_downloadKey; }
    QString downloadPath() const { return m_downloadPath; }
    VideoRecord *downloadWriter() const { return m_recorder; }
    void setWatchdogTimings(int tickMs, int idleLimitMs);
    void setProgressInterval(int ms);
    void setRefreshInterval(int ms) { m_refreshIntervalMs = ms; }

public slots:
    void resetReplay();
    void recvCommonInfo(devXmlInfo info);
    void onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t ms);
    void slotReplayTimestamp(int index, double second);
    void slotFocusViewChanged(int index);
    void onBtnPlayClicked(bool play);
    void onBtnSpeed(float speed);
    void stop(int index);
    void onCalendarClicked(const QDate &date);
    void onDeviceItemClicked(const QModelIndex &index);
    void onDeviceItemDoubleClicked(const QModelIndex &index);
    void onBtnStartDownoadClicked(bool checked = false);
    void onBtnEndDownoadClicked();
    void onProgressTimer();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Refresh
    {
        bool outstanding = false;
        qint64 position = 0;  // play position the refresh was asked for
        QElapsedTimer since;
    };

    static bool splitKey(const QString &key, QString *ip, int *channel);
    void showDeviceMenu(const QPoint &pos);
    void captureFocused();
    void onCaptureResult(bool result, const QString &path);
    void toggleFullScreen();
    void onFullScreenChanged(bool full);
    void pollFullScreenBar();
    void toggleLeftPanel();
    void finishDownload(bool success);
    void clearDownloadState();
    int paneOf(const QString &key) const;
    VideoRecord *recorder();
    qint64 recordedEndWithin(const QString &key, qint64 from, qint64 to) const;

    Ui::RecordWnd *ui = nullptr;
    QDate m_shownDate;
    QString m_currentKey;
    QString m_pendingPlayKey;
    QMap<int, QString> m_paneKeys;
    QMap<int, QDate> m_paneDates;
    QMap<int, qint64> m_panePositions;
    QMap<QString, QSet<QString>> m_monthDays;
    QMap<QString, std::vector<ArchiveRecordPtr>> m_dayRecords;
    // The day each key's last day query asked for, and the day its list is of.
    QMap<QString, QDate> m_dayAsked;
    QMap<QString, QDate> m_dayRecordDates;
    QMap<QString, Refresh> m_refresh;

    PlayerParam m_playerParam;
    VideoRecord *m_recorder = nullptr;
    bool m_downloading = false;
    QTimer *m_progressTimer = nullptr;
    qint64 m_lastTimeStamp = 0;
    QString m_downloadKey;
    QString m_downloadPath;
    qint64 m_rangeStart = 0;
    qint64 m_rangeEnd = 0;
    QDate m_rangeDay;
    qint64 m_footageEnd = 0;  // end of the recorded footage inside the range
    qint64 m_recvCount = 0;
    qint64 m_lastCount = 0;
    qint64 m_countDelta = 0;
    int m_stallCount = 0;

    QTimer *m_barHideTimer = nullptr;
    QWidget *m_fullScreenBar = nullptr;
    QTimer *m_barPollTimer = nullptr;
    QTimer *m_watchdogTimer = nullptr;
    QMap<QString, qint64> m_lastDataTime;
    int m_idleLimitMs = 5000;
    int m_refreshIntervalMs = 10000;
    bool m_shown = false;
};
