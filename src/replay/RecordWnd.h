#pragma once

// The "NVR" tab of the playback page: recordings kept on NVRs. The left panel
// picks a channel and a day, the time line shows the recorded minutes, four
// panes play channels, and the download box copies a range of one channel
// into an MP4 file. What is asked of the NVR, which stream plays in which
// pane, the watchdog and the download's books are the NvrPlaybackSession's;
// this window forwards the operator's actions to it, shows what it reports,
// and writes the downloaded frames into the file (VideoRecord).

#include "ArchiveRecord.h"
#include "KelvoCommon.h"
#include "NvrPlaybackSession.h"
#include "PlayerParam.h"

#include <QDate>
#include <QMap>
#include <QModelIndex>
#include <QHash>
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

    // Inspection and test seams (the timers the tests wait for).
    DeviceTree *tree() const;
    MyCalendar *calendar() const;
    FFmpegReplayWidget *replayWidget() const;
    ReplayControl *control() const;
    TimeLine *timeLine() const;
    NvrPlaybackSession *session() const { return m_session; }
    QString currentKey() const { return m_session->currentKey(); }
    QMap<int, QString> paneKeys() const { return m_session->paneKeys(); }
    std::vector<ArchiveRecordPtr> dayRecords(const QString &key) const;
    QSet<QString> monthDays(const QString &ip) const { return m_session->monthDays(ip); }
    QString downloadKey() const { return m_session->downloadKey(); }
    QString downloadPath() const { return m_session->downloadPath(); }
    VideoRecord *downloadWriter() const { return m_recorder; }
    void setWatchdogTimings(int tickMs, int idleLimitMs) { m_session->setWatchdogTimings(tickMs, idleLimitMs); }
    void setProgressInterval(int ms) { m_session->setProgressInterval(ms); }
    void setRefreshInterval(int ms) { m_session->setRefreshInterval(ms); }

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
    void showDeviceMenu(const QPoint &pos);
    void captureFocused();
    void onCaptureResult(bool result, const QString &path);
    void toggleFullScreen();
    void onFullScreenChanged(bool full);
    void pollFullScreenBar();
    void toggleLeftPanel();
    int paneOf(const QString &key) const { return m_session->paneOf(key); }
    VideoRecord *recorder();
    VideoRecord *makeWriter();
    // A writer closed a download file.
    void onDownloadWritten(bool ok, const QString &written);
    // Both the recorder and the writer are done with a download file: only a
    // whole range written whole takes the complete name and is told as
    // saved; anything else is told as failed.
    void settleDownload(const QString &written);

    // What the session reports.
    void onNotice(NvrPlaybackSession::Notice what, const QString &key);
    void onDayRecordsChanged(const QString &key);
    void onDayGrewPast(int pane, qint64 position);
    void onPaneStarted(int pane, const QString &key);
    void onPaneStreamReady(int pane, const QString &key, bool h265);
    void onPaneStopped(int pane, const QString &key);
    void onPaneConnectionLost(int pane, const QString &key);
    void onPaneRecorderBack(int pane, const QString &key, bool back);
    // The channel as the operator knows it: its recorder and its name.
    static QString channelTitle(const QString &key);
    static QString connectionLostText(const QString &key);
    static QString recorderBackText(const QString &key);
    // What a pane says of a channel it lost stays until the operator acts on
    // that pane: a stream started in it, it stopped, its channel picked, the
    // page left. Other panes keep theirs.
    void showLostWord(int pane);
    void clearLostWord(int pane);
    // Of every pane that lost the channel; of all with no key.
    void clearLostWords(const QString &key = QString());
    void onDownloadWriterWanted(const QString &path, bool h265, qint64 rangeStart, qint64 rangeEnd);
    void onDownloadProgress(int percent);
    void onDownloadFinished(const QString &key, const QString &path, bool success, bool received, StreamLoss lost,
                            const NvrPlaybackSession::DownloadEnd &end);
    // Why data of a download was lost, as the operator is told.
    static QString lossText(StreamLoss lost);
    // What the operator is told of a download that is not whole.
    static QString shortfallText(const QString &title, const NvrPlaybackSession::DownloadEnd &end);
    void onDownloadEnded(const QString &path, bool received);

    Ui::RecordWnd *ui = nullptr;
    NvrPlaybackSession *m_session = nullptr;

    PlayerParam m_playerParam;
    VideoRecord *m_recorder = nullptr;
    // A download file being written, by its partial name.
    struct WrittenDownload
    {
        QString key;
        QString title;        // the channel as the operator knows it
        QString complete;     // its name once whole
        bool judged = false;  // the session said whether the range came whole
        bool whole = false;   // ... and it did
        bool ended = false;   // the session let go of it (verdict or not)
        bool written = false; // the writer closed it
        bool writtenOk = false;
        QString reason; // why the writer failed
        NvrPlaybackSession::DownloadEnd end;
    };
    QHash<QString, WrittenDownload> m_writtenDownloads;
    // Pane -> the channel whose loss it says, and whether its recorder is back.
    struct LostWord
    {
        QString key;
        bool back = false;
    };
    QMap<int, LostWord> m_lostWords;
    // The running download's channel as the operator knew it when it began:
    // its notices name it so even once the device is gone.
    QString m_downloadTitle;

    QTimer *m_barHideTimer = nullptr;
    QWidget *m_fullScreenBar = nullptr;
    QTimer *m_barPollTimer = nullptr;
};
