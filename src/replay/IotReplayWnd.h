#pragma once

// The "Cloud" tab of the playback page: recordings of cloud-registered
// devices. It sequences the calls to the cloud access object; the media of a
// record stream arrive on the cloud library's threads and go straight into
// the pane that plays the stream.

#include "ArchiveRecord.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QWidget>

#include <vector>

namespace Ui {
class IotReplayWnd;
}

class FFmpegReplayWidget;
class RemoteDevView;
class ReplayControl;
class TimeLine;
class MyCalendar;

class IotReplayWnd : public QWidget
{
    Q_OBJECT

public:
    explicit IotReplayWnd(QWidget *parent = nullptr);
    ~IotReplayWnd() override;

    std::vector<ArchiveRecordPtr> getOneDayRecord(const QString &key, const QDate &day) const;
    bool loadMonthMarks(const QString &key, const QDate &day);
    void stopPane(int index);
    int focusIndex() const;

    // Inspection (tests).
    QMap<int, QString> paneKeys() const { return m_paneKeys; }
    QString currentKey() const { return m_currentKey; }
    FFmpegReplayWidget *replayWidget() const;
    RemoteDevView *deviceView() const;
    ReplayControl *controlBar() const;
    TimeLine *timeLine() const;
    MyCalendar *calendar() const;

public slots:
    void onDeviceItemClicked(QString key);
    void onDeviceItemDoubleClicked(QString key);
    void slotRecvStream(QString key);
    void slotStopStream(QString key);
    void slotReplayTimestamp(qulonglong timestamp);
    void onTimeLineRecordSelected(ArchiveRecordPtr record, int64_t time);
    void onBtnPlayClicked(bool checked);
    void onBtnStopClicked();
    void onBtnSlowClicked();
    void onBtnFastClicked();
    void onBtnCaptureClicked();
    void onBtnFullScreenClicked();
    void onUpdatePlayButtons();
    void onCalendarClicked(QDate dt);
    void onCalendarPageChanged(int year, int month);
    void slotFocusViewChanged(int index);
    void updateTimeLine(int index);
    void updatePlayControl(int index);
    void slotCaptureResult(bool result, QString path);
    void slotRecordEnded(QString key, qulonglong lastMs);
    void resetReplay();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void stopStreams();

    Ui::IotReplayWnd *ui = nullptr;
    QString m_currentKey;
    QMap<int, QString> m_paneKeys;
    QMap<QString, std::vector<ArchiveRecordPtr>> m_dayRecords;
    QMap<int, QDate> m_paneDays;
    QMap<int, qint64> m_paneTimes;
    QDate m_shownDate;
    bool m_shown = false;
};
