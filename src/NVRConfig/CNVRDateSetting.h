#pragma once

#include "ConfigConversation.h"
#include "KelvoCommon.h"
#include "NvrBodies.h"
#include "OperatorEdits.h"

#include <QPointer>
#include <QWidget>

class CNVRSummerTimeDlg;
class QTimer;

namespace Ui {
class CNVRDateSetting;
}

// The NVR's clock: device time (kept running), a time to set, time zone,
// display formats, camera time sync and the daylight-saving rule. Read from a
// Cmd::GetTimeConfig reply; saved with Cmd::SetTimeConfig; the clock set with
// Cmd::SetClock. A Save writes back what the operator left alone as the NVR
// reported it (a format, zone or rule the page has no item for included) and
// the NVR's running clock; a clock the reply did not hold readably shows as
// unknown and goes back as it came. Nothing is sent while the page holds no
// read of the NVR.
class CNVRDateSetting : public QWidget
{
    Q_OBJECT

public:
    explicit CNVRDateSetting(QWidget *parent = nullptr);
    ~CNVRDateSetting() override;

    void setDevInfo(FUN_DEV_INFO *dev);
    // The window's conversation: the NVR's answers to this page's requests
    // reach the window through it. None: sent straight to the NVR.
    void setConversation(ConfigConversation *conversation);
    void parseTimeConfig(const QString &xml);
    void parseSummerTime(const QString &xml);

    CNVRSummerTimeDlg *summerTimeDialog() const { return m_summerDlg; }
    bool hasSummerTime() const { return m_summerTime; }
    QTimer *clockTimer() const { return m_clock; }

    // Whether the page shows a read of the NVR (see CNVRBasicSetting).
    void setReadOk(bool ok);
    bool isReadOk() const { return m_readOk; }
    // Whether the last reply held a device time the page could read.
    bool isDeviceTimeKnown() const { return m_timeKnown; }

public slots:
    void onSaveBtnClicked();
    void onSummerTimeBtnClicked();
    void onNtpUpdateTimeBtnClicked();
    void on_m_btnSettingTime_clicked();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onClockTick();
    void onTimeFormatChanged();
    bool send(unsigned cmd, const QString &body);
    void fillTimeZones();
    QString summerValue(const char *key) const;

    Ui::CNVRDateSetting *ui;
    CNVRSummerTimeDlg *m_summerDlg;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    bool m_summerTime = false;
    QTimer *m_clock;
    // The list the combo was filled from, by this page's own lookup: the
    // process-wide lookup mode changes with any other page's lookup.
    int m_zoneMode = 0;
    OperatorEdits m_edits;
    OperatorEdits m_summerEdits;
    bool m_timeKnown = false;
    bool m_readOk = false;
};
