#pragma once

#include "ConfigConversation.h"
#include "ConfigPageSession.h"
#include "KelvoCommon.h"
#include "OperatorEdits.h"

#include <QList>
#include <QMap>
#include <QSharedPointer>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QCheckBox;

namespace Ui {
class CNVRStoragePlan;
}

// Weekly record schedule of each NVR channel, painted on the grid and copied to
// other channels in the same save. Read from a Cmd::GetRecordSchedule reply,
// saved with Cmd::SetRecordSchedule and read back once the NVR took it (the
// window runs the read). A channel shows its own schedule or, when the NVR
// reported none, an empty grid that Save does not write until it is painted;
// an untouched schedule, and every channel ID, goes back exactly as it came.
// A Save the NVR refused, never answered or that could not go out leaves the
// painting, the copy targets and the mark of what was painted as they were,
// marked as not saved: the next Save sends them again. Without a channel
// there is nothing to address and Save stays off.
class CNVRStoragePlan : public QWidget
{
    Q_OBJECT

public:
    explicit CNVRStoragePlan(QWidget *parent = nullptr);
    ~CNVRStoragePlan() override;

    // Channel schedules a reply may carry (channels are numbered in one byte).
    static constexpr int MaxListedChannels = 256;

    void setDevInfo(FUN_DEV_INFO *dev);
    // The window's conversation: the NVR's answers to this page's requests
    // reach the window through it. None: sent straight to the NVR.
    void setConversation(ConfigConversation *conversation);
    void parseRecordPlan(const QString &xml);
    int recordMode() const { return m_recordMode; }
    QList<QCheckBox *> copyBoxes() const;

    // Whether the page shows a read of the NVR (see CNVRBasicSetting).
    void setReadOk(bool ok);
    bool isReadOk() const { return m_readOk; }
    // Whether the shown channel has a schedule the NVR reported.
    bool shownChannelKnown() const { return m_shownKnown; }

public slots:
    void on_comboBox_channel_activated(int index);
    void on_checkBox_noRecord_stateChanged(int arg1);
    void on_checkBox_general_stateChanged(int arg1);
    void on_checkBox_detection_stateChanged(int arg1);
    void on_checkBox_intelligence_stateChanged(int arg1);
    void on_checkBox_all_stateChanged(int arg1);
    void on_pushButton_save_clicked();
    void on_pushButton_all_clicked();

signals:
    // A Save went out: the window reads the schedules again.
    void readAgain();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Why the painting on the grid is not on the NVR; NotFailed once it is,
    // or once the grid shows a read again.
    enum class SaveFailure { NotFailed, Refused, NoAnswer, Offline, OnRepeat };

    void initModeButtons();
    void modeChecked(int arg1, QChar brush);
    QString gridText() const;
    void updateSaveEnabled();
    void onSaveSettled(const ConfigReply &reply, const SaveSettled &settled);
    // What the page shows of what a Save sends: the channel, its week and
    // the channels it is copied to.
    ConfigPageSession::Shown shownValues() const;
    void saved();
    void setSaveFailure(SaveFailure failure);
    void showSaveFailure();

    Ui::CNVRStoragePlan *ui;
    QButtonGroup *m_modes;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    QMap<int, QString> m_schedules;
    QMap<int, QString> m_idTexts; // channel -> its ID as reported
    quint8 m_recordMode = 4;
    // The shown channel's schedule as reported ("schedule"), and whether the
    // operator painted since: an untouched grid saves the NVR's own text.
    OperatorEdits m_edits;
    bool m_shownKnown = false;
    int m_shownIndex = -1;
    bool m_readOk = false;
    QList<QSharedPointer<QCheckBox>> m_copyBoxes;
    // The Saves out, each with what the grid showed when it went out, and
    // how they end are the page session's.
    QPointer<ConfigPageSession> m_session;
    SaveFailure m_saveFailure = SaveFailure::NotFailed;
};
