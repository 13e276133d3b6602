#include "CNVREthernetSetting.h"

#include "ui_CNVREthernetSetting.h"

#include "CNVRDrawQRcode.h"
#include "CommonHelper.h"
#include "MsgTipInfoDlg.h"
#include "PrivateProto.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QRegExpValidator>

CNVREthernetSetting::CNVREthernetSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVREthernetSetting)
{
    ui->setupUi(this);
    ui->m_lineEditIPAddress->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("^((25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)$")),
        ui->m_lineEditIPAddress));
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVREthernetSetting::onSaveBtnClicked);
    connect(ui->m_btnPhoneMonitoring, &QPushButton::clicked, this, &CNVREthernetSetting::onPhoneMonitorBtnClicked);
    connect(ui->m_btnPing, &QPushButton::clicked, this, &CNVREthernetSetting::onPingBtnClicked);
    connect(ui->m_ChkBoxDHCP, &QCheckBox::stateChanged, this, &CNVREthernetSetting::onDhcpChangeCheck);
    ui->m_lineEditMacAddress->setEnabled(false);
    CommonHelper::elideChildTexts(this);
}

CNVREthernetSetting::~CNVREthernetSetting()
{
    delete ui;
}

void CNVREthernetSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
}

void CNVREthernetSetting::setIpFieldsEnabled(bool on)
{
    ui->m_lineEditIPAddress->setEnabled(on);
    ui->m_lineEditSubnetMask->setEnabled(on);
    ui->m_lineEditGateway->setEnabled(on);
    ui->m_lineEditFirstDNS->setEnabled(on);
    ui->m_lineEditSecondDNS->setEnabled(on);
    ui->m_btnPing->setEnabled(on);
}

void CNVREthernetSetting::parseNetInfo(const QString &xml)
{
    const QHash<QString, QString> tcpip = findValuesInXml(xml, QStringLiteral("TCPIP"));
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    m_currentIp = tcpip.value(QStringLiteral("IP"));
    ui->m_lineEditIPAddress->setText(m_currentIp);
    ui->m_lineEditSubnetMask->setText(tcpip.value(QStringLiteral("netmask")));
    ui->m_lineEditGateway->setText(tcpip.value(QStringLiteral("gateway")));
    ui->m_lineEditFirstDNS->setText(tcpip.value(QStringLiteral("preferredDNS")));
    ui->m_lineEditSecondDNS->setText(tcpip.value(QStringLiteral("standbyDNS")));
    ui->m_lineEditMacAddress->setText(tcpip.value(QStringLiteral("MAC")));
    ui->m_lineEditMTU->setText(tcpip.value(QStringLiteral("MTU")));
    m_ipConflictMode = DeviceValue::toInt(tcpip.value(QStringLiteral("ipConflictMode")));

    const auto number = [&body](const char *key) { return DeviceValue::toInt(body.value(QLatin1String(key))); };
    ui->m_ChkBoxWiFi->setVisible(number("wifiEnable") > 0);
    ui->m_ChkBoxWiFi->setChecked(number("wifiEnhance") >= 1);
    ui->m_ChkBoxPOE->setVisible(number("poeEnable") > 0);
    ui->m_ChkBoxPOE->setChecked(number("poeLongCable") >= 1);

    m_qrText = body.value(QStringLiteral("qrCodeString"));
    // A binding code only makes sense when the NVR has one.
    ui->m_labelPhoneMonitoring->setVisible(!m_qrText.isEmpty());
    ui->m_btnPhoneMonitoring->setVisible(!m_qrText.isEmpty());

    const int dhcp = DeviceValue::toInt(tcpip.value(QStringLiteral("DHCPMode")));
    setIpFieldsEnabled(dhcp == 0);
    ui->m_ChkBoxDHCP->setChecked(dhcp != 0);
}

bool CNVREthernetSetting::isMtuInRange(const QString &text)
{
    const int mtu = text.toInt();
    return mtu >= 500 && mtu <= 1500;
}

void CNVREthernetSetting::onSaveBtnClicked()
{
    if (!isMtuInRange(ui->m_lineEditMTU->text())) {
        MsgTipInfoDlg::showTip(tr("The value of the mtu must be between the integers of the [500-1500]"), 1000);
        return;
    }
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<TCPIP><DHCPMode>%1</DHCPMode><ipConflictMode>%2</ipConflictMode><IP>%3</IP>"
                       "<netmask>%4</netmask><gateway>%5</gateway><preferredDNS>%6</preferredDNS>"
                       "<standbyDNS>%7</standbyDNS><MAC>%8</MAC><MTU>%9</MTU></TCPIP>"
                       "<wifiEnhance>%10</wifiEnhance><poeLongCable>%11</poeLongCable>"),
        {ui->m_ChkBoxDHCP->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
         QString::number(m_ipConflictMode),
         PrivateProto::escapeText(ui->m_lineEditIPAddress->text()),
         PrivateProto::escapeText(ui->m_lineEditSubnetMask->text()),
         PrivateProto::escapeText(ui->m_lineEditGateway->text()),
         PrivateProto::escapeText(ui->m_lineEditFirstDNS->text()),
         PrivateProto::escapeText(ui->m_lineEditSecondDNS->text()),
         PrivateProto::escapeText(ui->m_lineEditMacAddress->text()),
         PrivateProto::escapeText(ui->m_lineEditMTU->text()),
         ui->m_ChkBoxWiFi->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
         ui->m_ChkBoxPOE->isChecked() ? QStringLiteral("1") : QStringLiteral("0")});
    ConfigConversation::sendThrough(m_conversation, this, m_dev, 13003, body, 0, RequestKind::Save);
}

void CNVREthernetSetting::onDhcpChangeCheck(int state)
{
    setIpFieldsEnabled(state != Qt::Checked);
}

void CNVREthernetSetting::onPingBtnClicked()
{
    const QString ip = ui->m_lineEditIPAddress->text();
    // The NVR answers for its own address: only another address can be in use.
    const int result = CommonHelper::checkIpAddress(ip, ui->m_lineEditSubnetMask->text(),
                                                    ui->m_lineEditGateway->text(), ip != m_currentIp);
    QString text;
    if (result == 2)
        text = SharedTexts::subnetMismatchText();
    else if (result == 1)
        text = SharedTexts::ipInUseText();
    else
        text = SharedTexts::ipAvailableText();
    MsgTipInfoDlg::showTip(text, 1000);
}

void CNVREthernetSetting::onPhoneMonitorBtnClicked()
{
    auto *dlg = new CNVRDrawQRcode(this);
    dlg->setQRcode(m_qrText);
    dlg->exec();
    delete dlg;
}

void CNVREthernetSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    CommonHelper::elideChildTexts(this);
}
