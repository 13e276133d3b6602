#include "CNVREthernetSetting.h"

#include "ui_CNVREthernetSetting.h"

#include "AddressCheck.h"
#include "CNVRDrawQRcode.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "ConfigPageSession.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QEvent>

CNVREthernetSetting::CNVREthernetSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVREthernetSetting)
{
    ui->setupUi(this);
    // No validator on the addresses: one would silently drop a typed digit
    // ("999.1.1.1" became "99.1.1.1"); Save judges what was typed.
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVREthernetSetting::onSaveBtnClicked);
    connect(ui->m_btnPhoneMonitoring, &QPushButton::clicked, this, &CNVREthernetSetting::onPhoneMonitorBtnClicked);
    connect(ui->m_btnPing, &QPushButton::clicked, this, &CNVREthernetSetting::onPingBtnClicked);
    connect(ui->m_ChkBoxDHCP, &QCheckBox::stateChanged, this, &CNVREthernetSetting::onDhcpChangeCheck);
    ui->m_lineEditMacAddress->setEnabled(false);
    // "Changed" is what the operator did, whatever the controls show.
    for (const auto &field : addressFields())
        m_edits.watch(QLatin1String(field.first), field.second);
    m_edits.watch(QStringLiteral("DHCPMode"), ui->m_ChkBoxDHCP);
    m_switchEdits.watch(QStringLiteral("wifiEnhance"), ui->m_ChkBoxWiFi);
    m_switchEdits.watch(QStringLiteral("poeLongCable"), ui->m_ChkBoxPOE);
    // The switches and the binding code show as the NVR reports them; their
    // room is kept either way, so nothing moves when a read brings them.
    CommonHelper::keepRoomWhenHidden(
        {ui->m_ChkBoxWiFi, ui->m_ChkBoxPOE, ui->m_labelPhoneMonitoring, ui->m_btnPhoneMonitoring});
    CommonHelper::elideChildTexts(this);
    setReadOk(false);
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

void CNVREthernetSetting::setReadOk(bool ok)
{
    m_readOk = ok;
    setEnabled(ok);
}

void CNVREthernetSetting::parseNetInfo(const QString &xml)
{
    const NvrBodies::NetConfig config = NvrBodies::readNetConfig(xml);
    const NvrBodies::Values &tcpip = config.tcpip;
    const NvrBodies::Values &body = config.body;
    const OperatorEdits::Filling filling(m_edits);
    const OperatorEdits::Filling switchFilling(m_switchEdits);
    m_edits.setReported(tcpip);
    m_switchEdits.setReported(body);
    m_currentIp = tcpip.value(QStringLiteral("IP"));
    const QList<QPair<const char *, QLineEdit *>> fields = addressFields();
    for (const auto &field : fields)
        field.second->setText(tcpip.value(QLatin1String(field.first)));

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

QList<QPair<const char *, QLineEdit *>> CNVREthernetSetting::addressFields() const
{
    return {{"IP", ui->m_lineEditIPAddress},
            {"netmask", ui->m_lineEditSubnetMask},
            {"gateway", ui->m_lineEditGateway},
            {"preferredDNS", ui->m_lineEditFirstDNS},
            {"standbyDNS", ui->m_lineEditSecondDNS},
            {"MAC", ui->m_lineEditMacAddress},
            {"MTU", ui->m_lineEditMTU}};
}

bool CNVREthernetSetting::isMtuInRange(const QString &text)
{
    const int mtu = text.toInt();
    return mtu >= 500 && mtu <= 1500;
}

void CNVREthernetSetting::onSaveBtnClicked()
{
    if (!m_readOk)
        return;
    // Only an MTU the operator typed is judged; the NVR's own goes back as it is.
    if (m_edits.edited(QStringLiteral("MTU")) && !isMtuInRange(ui->m_lineEditMTU->text())) {
        MsgTipInfoDlg::showTip(tr("The value of the mtu must be between the integers of the [500-1500]"), 1000);
        return;
    }
    QString message;
    if (!checkTypedAddresses(message)) {
        MsgTipInfoDlg::showTip(message, 2000);
        return;
    }
    auto flag = [](const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    NvrBodies::Values tcpip{
        {QStringLiteral("DHCPMode"), m_edits.send(QStringLiteral("DHCPMode"), flag(ui->m_ChkBoxDHCP))},
        // Never shown: how the NVR handles an address conflict goes back as read.
        {QStringLiteral("ipConflictMode"), m_edits.send(QStringLiteral("ipConflictMode"), QStringLiteral("0"))},
    };
    for (const auto &field : addressFields()) {
        const QString key = QLatin1String(field.first);
        tcpip.insert(key, m_edits.send(key, field.second->text().trimmed()));
    }
    const NvrBodies::Values switches{
        {QStringLiteral("wifiEnhance"), m_switchEdits.send(QStringLiteral("wifiEnhance"), flag(ui->m_ChkBoxWiFi))},
        {QStringLiteral("poeLongCable"), m_switchEdits.send(QStringLiteral("poeLongCable"), flag(ui->m_ChkBoxPOE))},
    };
    ConfigRequest save;
    save.cmd = Cmd::SetNetwork;
    save.body = NvrBodies::netConfigBody(tcpip, switches);
    ConfigPageSession::sendSave(m_conversation, this, m_dev, save);
}

void CNVREthernetSetting::setConversation(ConfigConversation *conversation)
{
    m_conversation = conversation;
    if (!conversation)
        return;
    conversation->pageSession(this)->setShowing([this] {
        OperatorEdits::Values shown = m_edits.shown();
        shown.insert(m_switchEdits.shown());
        return shown;
    });
}

bool CNVREthernetSetting::checkTypedAddresses(QString &message)
{
    // As the camera's network page judges them (AddressCheck::judged): an
    // address the operator typed is checked as typed, in DHCP mode too (it
    // goes out all the same); one he left alone goes back as the NVR
    // reported it.
    const QList<QPair<const char *, QLineEdit *>> fields = addressFields();
    AddressCheck::Network network;
    network.dhcp = ui->m_ChkBoxDHCP->isChecked();
    network.toStatic = !network.dhcp && m_edits.edited(QStringLiteral("DHCPMode"));
    for (int i = 0; i < AddressCheck::FieldCount; ++i) {
        const QString key = QLatin1String(fields.at(i).first);
        network.texts[i] = fields.at(i).second->text().trimmed();
        network.typed[i] = m_edits.edited(key);
        network.unreported[i] = !m_edits.has(key);
    }
    network.currentIp = m_currentIp;
    message.clear();
    return checkAddresses(network, message) == AddressCheck::Usable;
}

int CNVREthernetSetting::checkAddresses(const AddressCheck::Network &network, QString &message)
{
    // The field at fault is marked; a greyed one (DHCP) is named.
    const QList<QPair<const char *, QLineEdit *>> fields = addressFields();
    for (int i = 0; i < AddressCheck::FieldCount; ++i)
        CommonHelper::markAtFault(fields.at(i).second, false);
    const AddressCheck::Verdict verdict = AddressCheck::judge(network);
    if (!verdict.ok())
        message = CommonHelper::pointAtFault(fields.value(verdict.field).second, verdict.message);
    return verdict.fault;
}

void CNVREthernetSetting::onDhcpChangeCheck(int state)
{
    setIpFieldsEnabled(state != Qt::Checked);
}

void CNVREthernetSetting::onPingBtnClicked()
{
    // An address that is none is not "available", whatever a ping says; the
    // NVR answers for its own address, so only another one is pinged.
    AddressCheck::Network network;
    const QList<QPair<const char *, QLineEdit *>> fields = addressFields();
    for (int i : {AddressCheck::Ip, AddressCheck::Mask, AddressCheck::Gateway}) {
        network.texts[i] = fields.at(i).second->text().trimmed();
        network.typed[i] = true;
    }
    network.currentIp = m_currentIp;
    QString message;
    const int fault = checkAddresses(network, message);
    MsgTipInfoDlg::showTip(fault == AddressCheck::Usable ? SharedTexts::ipAvailableText() : message, 1000);
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
