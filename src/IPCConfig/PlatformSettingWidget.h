#pragma once

// The "Platform Access" page: the camera's registration with a video platform
// over GB28181 (the only access mode offered), and the registration state the
// camera reports. A Save sends every field as the camera reported it unless
// the operator changed it; a port he types must be one (1 to 65535).

#include "RemoteCfg_Widget.h"
#include "OperatorEdits.h"

namespace Ui {
class PlatformSettingWidget;
}

class PlatformSettingWidget : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    explicit PlatformSettingWidget(QWidget *parent = nullptr);
    ~PlatformSettingWidget() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

    // The shown text of a register state value; out of range reads as
    // "Unregistered".
    static QString registerStateText(const QString &value);

private slots:
    void on_checkBox_enable_stateChanged(int arg1);
    void on_comboBox_mode_activated(int index);
    void on_pushButton_save_clicked();

protected:
    ConfigPageSession::Shown shownValues() const override;
    void changeEvent(QEvent *event) override;

private:
    Ui::PlatformSettingWidget *ui;
    IpcBody::Values m_received;
    OperatorEdits m_shown;
};
