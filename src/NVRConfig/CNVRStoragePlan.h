#pragma once

#include "ConfigConversation.h"
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
// saved with Cmd::SetRecordSchedule and read back at once (the window runs the
// read). A channel shows its
// own schedule or, when the NVR reported none, an empty grid that Save does not
// write until it is painted; an untouched schedule goes back exactly as it
// came.
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
    void setConversation(ConfigConversation *conversation) { m_conversation = conversation; }
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
    void initModeButtons();
    void modeChecked(int arg1, QChar brush);
    QString gridText() const;
    void updateSaveEnabled();

    Ui::CNVRStoragePlan *ui;
    QButtonGroup *m_modes;
    FUN_DEV_INFO *m_dev = nullptr;
    QPointer<ConfigConversation> m_conversation;
    QMap<int, QString> m_schedules;
    quint8 m_recordMode = 4;
    // The shown channel's schedule as reported ("schedule"), and whether the
    // operator painted since: an untouched grid saves the NVR's own text.
    OperatorEdits m_edits;
    bool m_shownKnown = false;
    int m_shownIndex = -1;
    bool m_readOk = false;
    QList<QSharedPointer<QCheckBox>> m_copyBoxes;
};
