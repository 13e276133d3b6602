#pragma once

// The "Device Maintenance" page: reboot, simple recovery (all but the network)
// and full recovery of the camera, each after a question. The full-recovery
// question names the address the camera falls back to, read
// (Cmd::GetRecoveryNetwork) on every visit.

#include "RemoteCfg_Widget.h"

#include <functional>

namespace Ui {
class DeviceMaintenance;
}

class DeviceMaintenance : public RemoteCfg_Widget
{
    Q_OBJECT

public:
    struct TCPIP
    {
        uint8_t DHCPMode = 1;
        QString IP = QStringLiteral("192.168.8.88");
        QString netmask;
        QString gateway;
        QString preferredDNS;
        QString standbyDNS;
        QString MAC;
    };

    explicit DeviceMaintenance(QWidget *parent = nullptr);
    ~DeviceMaintenance() override;

    void updateDevice(FUN_DEV_INFO *dev) override;
    void parseXml(int cmd, const QString &xml) override;

    const TCPIP &networkBlock() const { return tcpip; }
    QString fullRecoveryText() const;

    static QString rebootText();
    static QString restoreText();
    // "Operation failed!": what this page says of a camera that did not do it.
    QString failureText() const override;

public slots:
    void onRebootBtnClicked();
    void onSimpleRecoveryBtnClicked();
    void onFullRecoveryBtnClicked();
    void parseTcpipXml(const QString &xml, DeviceMaintenance::TCPIP &tcpip);

protected:
    void changeEvent(QEvent *event) override;

private:
    void confirmAndRun(const QString &title, const QString &message, const std::function<void(FUN_DEV_INFO *)> &action);
    // Sends an action; a camera that is not connected is said at once.
    void act(unsigned int cmd);

    Ui::DeviceMaintenance *ui;
    TCPIP tcpip;
};
