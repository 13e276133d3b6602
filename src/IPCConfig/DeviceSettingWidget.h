#pragma once

// The "Device Settings" page: the camera's language (tab "General", 14005)
// and its clock (tab "Time Settings", 14007), read with 15004 (language
// capabilities) and 14003. The camera clock is shown running from the time it
// reported.

#include "RemoteCfg_Widget.h"

#include <QMap>
#include <QStringList>

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
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fillGeneral(const QHash<QString, QString> &settings);
    void fillTime(const QHash<QString, QString> &timing);

    Ui::DeviceSettingWidget *ui;
    QTimer *clockTimer;
    QTimer *setTimeTimer;
    QStringList languageCaps;
    QMap<QString, QString> languageNames;
    // A 14003 without settingsConfig would have Save erase the camera's name.
    bool m_settingsRead = false;
    // The zone text of the last 14003, sent back as it came while the operator
    // has not picked another zone (the table reads unknown zones as GMT+00:00).
    QString m_readZone;
    bool m_zonePicked = false;
};
