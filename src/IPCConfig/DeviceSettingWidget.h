#pragma once

// The "Device Settings" page: the camera's language (tab "General",
// Cmd::SetSettings) and its clock (tab "Time Settings", Cmd::SetTimeConfig),
// read with Cmd::GetLanguageCaps (language capabilities) and Cmd::GetSettings.
// The camera clock is shown running from the time it reported.
//
// A Save sends every value the camera reported that the operator did not
// change as it came: a language or zone this client has no name for, a
// numeric zone, port or interval. The clock goes back running (the camera's
// own time, not the "Set Time" proposal) unless the operator set a time. A
// port or interval he types must be a number.

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

#include <QMap>
#include <QStringList>

class QLineEdit;
class QTimer;

namespace Ui {
class DeviceSettingWidget;
}

class DeviceSettingWidget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit DeviceSettingWidget(QWidget *parent = nullptr);
    ~DeviceSettingWidget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;
    bool replyComplete(int cmd, const QString &xml) const override;

    QString timingXml() const;
    void settingsXml();
    QStringList languageCapabilities() const { return languageCaps; }
    bool clockRunning() const;
    bool setTimeRunning() const;

public slots:
    void on_pushButton_save_clicked();
    void on_comboBox_timingMode_activated(int index);
    void on_checkBox_syncLocalTime_clicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    bool takeSaveAnswer(const ConfigReply &reply) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fillGeneral(const QHash<QString, QString> &settings);
    void fillTime(const QHash<QString, QString> &timing);
    void fillLanguageNames();
    // Each tab's Saves are marked apart (RemoteCfg_Widget::savePart):
    // 0 "General", 1 "Time Settings".
    void sendSave(int tab, unsigned int cmd, const QString &body);
    // The typed value of a number field, or nothing after saying it is not one.
    bool typedNumber(const QString &key, QLineEdit *edit, int low, int high, IpcBody::Values &values) const;

    Ui::DeviceSettingWidget *ui;
    QTimer *clockTimer;
    QTimer *setTimeTimer;
    QStringList languageCaps;
    QMap<QString, QString> languageNames;
    // A Cmd::GetSettings without settingsConfig would have Save erase the
    // camera's name, one without timingConfig its clock.
    bool m_settingsRead = false;
    bool m_timingRead = false;
    // The zone text of the last Cmd::GetSettings, sent back as it came while
    // the operator has not picked another zone (the table reads unknown zones
    // as GMT+00:00).
    QString m_readZone;
    bool m_zonePicked = false;
    int m_zoneMode = 0; // the table the zone list came from
    // The texts of the last Cmd::GetSettings, and how the controls showed them.
    IpcBody::Values m_receivedSettings;
    IpcBody::Values m_receivedTiming;
    OperatorEdits m_shown;
    bool m_setTimeTouched = false;
    bool m_filling = false;
};
