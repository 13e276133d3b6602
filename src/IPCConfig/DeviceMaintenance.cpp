#include "DeviceMaintenance.h"
#include "ui_DeviceMaintenance.h"

#include "CustomDialog.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGetNetwork = Cmd::GetRecoveryNetwork;
constexpr unsigned int CmdReboot = Cmd::Reboot;
constexpr unsigned int CmdSimpleRecovery = Cmd::SimpleRecovery;
constexpr unsigned int CmdFullRecovery = Cmd::FullRecovery;
constexpr unsigned int CmdLogin = Cmd::Login;
constexpr int TipMs = 2000;
} // namespace

DeviceMaintenance::DeviceMaintenance(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::DeviceMaintenance)
{
    ui->setupUi(this);
    connect(ui->m_btnReboot, &QPushButton::clicked, this, &DeviceMaintenance::onRebootBtnClicked);
    connect(ui->m_btnSimpleRecovery, &QPushButton::clicked, this, &DeviceMaintenance::onSimpleRecoveryBtnClicked);
    connect(ui->m_btnFullRecovery, &QPushButton::clicked, this, &DeviceMaintenance::onFullRecoveryBtnClicked);
}

DeviceMaintenance::~DeviceMaintenance()
{
    delete ui;
}

QString DeviceMaintenance::rebootText()
{
    return SharedTexts::rebootText();
}
QString DeviceMaintenance::restoreText()
{
    return SharedTexts::restoreText();
}

void DeviceMaintenance::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    // Only the full-recovery question needs it, and has a fallback.
    requestOptional(CmdGetNetwork);
}

QString DeviceMaintenance::failureText() const
{
    return tr("Operation failed!");
}

void DeviceMaintenance::act(unsigned int cmd)
{
    if (!request(cmd, QString(), 0, RequestKind::Other))
        MsgTipInfoDlg::showTip(failureText(), TipMs);
}

void DeviceMaintenance::parseXml(int cmd, const QString &xml)
{
    const ReplyResult result = ReplyResult::of(xml);
    qDebug().noquote() << "cmd=" << cmd << "; isOk=" << result.ok() << result.describe()
                       << "; xml=" << DeviceXml::masked(xml);
    switch (cmd) {
    case CmdGetNetwork:
        if (result.ok()) {
            tcpip = TCPIP();
            parseTcpipXml(xml, tcpip);
        }
        break;
    case CmdReboot:
    case CmdSimpleRecovery:
    case CmdFullRecovery:
        MsgTipInfoDlg::showTip(result.ok() ? tr("Rebooting device...") : tr("Operation failed!"), TipMs);
        // The camera comes back with the next login, on a new connection.
        if (result.ok() && conversation())
            conversation()->expect(this, CmdLogin);
        break;
    case CmdLogin:
        MsgTipInfoDlg::showTip(result.ok() ? tr("Device rebooted!") : tr("Operation failed!"), TipMs);
        break;
    default:
        break;
    }
}

void DeviceMaintenance::parseTcpipXml(const QString &xml, DeviceMaintenance::TCPIP &block)
{
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("TCPIP"));
    block.DHCPMode = uint8_t(DeviceValue::bounded(values.value(QStringLiteral("DHCPMode")), 0, 0xff, 0));
    block.IP = values.value(QStringLiteral("IP"));
    block.netmask = values.value(QStringLiteral("netmask"));
    block.gateway = values.value(QStringLiteral("gateway"));
    block.preferredDNS = values.value(QStringLiteral("preferredDNS"));
    block.standbyDNS = values.value(QStringLiteral("standbyDNS"));
    block.MAC = values.value(QStringLiteral("MAC"));
}

QString DeviceMaintenance::fullRecoveryText() const
{
    const QString text =
        tcpip.DHCPMode != 0
            ? tr(
                "After the default configuration is completely restored, the device will restart, and the device IP will "
                "be restored to the default %1 or a new IP obtained via DHCP. Are you sure to restore?")
            : tr(
                "After the default configuration is completely restored, the device will restart, and the device IP will "
                "be restored to the default %1. Are you sure to restore?");
    return text.arg(tcpip.IP);
}

void DeviceMaintenance::confirmAndRun(const QString &title, const QString &message,
                                      const std::function<void(FUN_DEV_INFO *)> &action)
{
    CustomDialog dialog(parentWidget());
    dialog.setTitle(title);
    dialog.setText(message);
    if (dialog.exec() == QDialog::Accepted && m_pDeviceInfo)
        action(m_pDeviceInfo);
}

void DeviceMaintenance::onRebootBtnClicked()
{
    confirmAndRun(rebootText(), SharedTexts::areYouSureText() + rebootText(),
                  [this](FUN_DEV_INFO *) { act(CmdReboot); });
}

void DeviceMaintenance::onSimpleRecoveryBtnClicked()
{
    confirmAndRun(tr("Simple Recovery"), SharedTexts::areYouSureText() + restoreText(),
                  [this](FUN_DEV_INFO *) { act(CmdSimpleRecovery); });
}

void DeviceMaintenance::onFullRecoveryBtnClicked()
{
    confirmAndRun(tr("Full Recovery"), fullRecoveryText(), [this](FUN_DEV_INFO *) { act(CmdFullRecovery); });
}

void DeviceMaintenance::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
