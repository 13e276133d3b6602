#include "EthernetSettingWidget.h"
#include "ui_EthernetSettingWidget.h"

#include "AddressCheck.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "RecordKeeper.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

int EthernetSettingWidget::s_moveWindowMs = 5000;

namespace {
constexpr unsigned int CmdGetNetwork = Cmd::GetNetwork;
constexpr unsigned int CmdSetNetwork = Cmd::SetNetwork;
constexpr int TipMs = 2000;
constexpr int MovedTipMs = 5000;
} // namespace

EthernetSettingWidget::EthernetSettingWidget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::EthernetSettingWidget)
    , m_moveWindow(new QTimer(this))
{
    ui->setupUi(this);
    // No validator: it dropped keys silently ("999.1.1.1" became "99.1.1.1"),
    // and Save sent the altered text; Save judges what was typed.
    for (QLineEdit *edit :
         {ui->lineEdit_ip, ui->lineEdit_netMask, ui->lineEdit_gateway, ui->lineEdit_dns1, ui->lineEdit_dns2})
        edit->setMaxLength(15);
    ui->lineEdit_mac->setEnabled(false);
    ui->lineEdit_mac->setReadOnly(true);
    m_moveWindow->setSingleShot(true);
    // No broken connection in time: one later is no news of a move. The
    // camera's own answer still is, however late it comes.
    connect(m_moveWindow, &QTimer::timeout, this, [this] { m_pendingActive = false; });
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::disconnectDev, this, &EthernetSettingWidget::onDisconnected);
}

EthernetSettingWidget::~EthernetSettingWidget()
{
    delete ui;
}

void EthernetSettingWidget::setTimings(int moveWindowMs, int moveMs)
{
    s_moveWindowMs = moveWindowMs;
    RecordKeeper::setMoveTimings(moveWindowMs, moveMs);
}

QString EthernetSettingWidget::ipAvailableText()
{
    return SharedTexts::ipAvailableText();
}
QString EthernetSettingWidget::ipInUseText()
{
    return SharedTexts::ipInUseText();
}
QString EthernetSettingWidget::subnetMismatchText()
{
    return SharedTexts::subnetMismatchText();
}

QString EthernetSettingWidget::dhcpText()
{
    return tr("The camera now takes its address from DHCP. Find it again with the device search.");
}

QString EthernetSettingWidget::movedText(const QString &ip)
{
    return tr("The camera now answers at %1. This window closes; the camera is listed under its new address.").arg(ip);
}

void EthernetSettingWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    request(CmdGetNetwork);
}

bool EthernetSettingWidget::replyComplete(int cmd, const QString &xml) const
{
    return cmd != int(CmdGetNetwork) || !findAllXmlElements(xml, QStringLiteral("TCPIP")).isEmpty();
}

void EthernetSettingWidget::parseXml(int cmd, const QString &xml)
{
    if (cmd != int(CmdGetNetwork))
        return;
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("TCPIP"));
    if (values.isEmpty())
        return;
    if (DeviceValue::toInt(values.value(QStringLiteral("DHCPMode"))) < 1)
        ui->radioButton_static->setChecked(true);
    else
        ui->radioButton_dhcp->setChecked(true);
    setFieldsEnabled(ui->radioButton_static->isChecked());
    ui->lineEdit_ip->setText(values.value(QStringLiteral("IP")));
    ui->lineEdit_netMask->setText(values.value(QStringLiteral("netmask")));
    ui->lineEdit_gateway->setText(values.value(QStringLiteral("gateway")));
    ui->lineEdit_dns1->setText(values.value(QStringLiteral("preferredDNS")));
    ui->lineEdit_dns2->setText(values.value(QStringLiteral("standbyDNS")));
    ui->lineEdit_mac->setText(values.value(QStringLiteral("MAC")));
    m_received = IpcBody::children(xml, QStringLiteral("TCPIP"));
    m_shown.reset();
    m_shown.filled(QStringLiteral("DHCPMode"), ui->radioButton_dhcp);
    m_shown.filled(QStringLiteral("DHCPMode"), ui->radioButton_static);
    m_shown.filled(QStringLiteral("IP"), ui->lineEdit_ip);
    m_shown.filled(QStringLiteral("netmask"), ui->lineEdit_netMask);
    m_shown.filled(QStringLiteral("gateway"), ui->lineEdit_gateway);
    m_shown.filled(QStringLiteral("preferredDNS"), ui->lineEdit_dns1);
    m_shown.filled(QStringLiteral("standbyDNS"), ui->lineEdit_dns2);
}

void EthernetSettingWidget::setFieldsEnabled(bool enabled)
{
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setEnabled(enabled);
    ui->lineEdit_mac->setEnabled(false);
}

void EthernetSettingWidget::on_radioButton_static_clicked()
{
    setFieldsEnabled(true);
}

void EthernetSettingWidget::on_radioButton_dhcp_clicked()
{
    setFieldsEnabled(false);
}

QList<QLineEdit *> EthernetSettingWidget::addressEdits() const
{
    return {ui->lineEdit_ip, ui->lineEdit_netMask, ui->lineEdit_gateway, ui->lineEdit_dns1, ui->lineEdit_dns2};
}

AddressCheck::Network EthernetSettingWidget::addressOnly(const QString &ip, const QString &mask,
                                                         const QString &gateway) const
{
    // An address that is none is not "available", whatever a ping says.
    AddressCheck::Network network;
    network.texts[AddressCheck::Ip] = ip;
    network.texts[AddressCheck::Mask] = mask;
    network.texts[AddressCheck::Gateway] = gateway;
    network.typed[AddressCheck::Ip] = network.typed[AddressCheck::Mask] = network.typed[AddressCheck::Gateway] = true;
    network.currentIp = m_pDeviceInfo ? m_pDeviceInfo->ip : QString();
    return network;
}

int EthernetSettingWidget::checkIp(const QString &ip, const QString &mask, const QString &gateway, QString &message)
{
    return checkIp(addressOnly(ip, mask, gateway), message);
}

int EthernetSettingWidget::checkIp(const AddressCheck::Network &network, QString &message)
{
    // The field at fault is marked; a greyed one (DHCP) is named.
    const QList<QLineEdit *> edits = addressEdits();
    for (QLineEdit *edit : edits)
        CommonHelper::markAtFault(edit, false);
    const AddressCheck::Verdict verdict = AddressCheck::judge(network);
    if (!verdict.ok())
        message = CommonHelper::pointAtFault(edits.value(verdict.field), verdict.message);
    return verdict.fault;
}

void EthernetSettingWidget::on_pushButton_checkIp_clicked()
{
    QString message;
    const int fault = checkIp(ui->lineEdit_ip->text().trimmed(), ui->lineEdit_netMask->text().trimmed(),
                              ui->lineEdit_gateway->text().trimmed(), message);
    MsgTipInfoDlg::showTip(fault == AddressCheck::Usable ? ipAvailableText() : message, TipMs);
}

bool EthernetSettingWidget::checkInput(QString &message)
{
    // Only what goes out from a field is judged: a value the camera reported
    // and the operator left alone (an empty standby DNS) goes back as it came.
    const QStringList keys{QStringLiteral("IP"), QStringLiteral("netmask"), QStringLiteral("gateway"),
                           QStringLiteral("preferredDNS"), QStringLiteral("standbyDNS")};
    const QList<QLineEdit *> edits = addressEdits();
    AddressCheck::Network network;
    network.dhcp = !ui->radioButton_static->isChecked();
    network.toStatic = !network.dhcp && m_shown.edited(QStringLiteral("DHCPMode"));
    for (int i = 0; i < AddressCheck::FieldCount; ++i) {
        network.texts[i] = edits.at(i)->text().trimmed();
        network.typed[i] = m_shown.edited(keys.at(i));
        network.unreported[i] = !m_received.contains(keys.at(i));
    }
    network.currentIp = m_pDeviceInfo ? m_pDeviceInfo->ip : QString();
    message.clear();
    return checkIp(network, message) == AddressCheck::Usable;
}

void EthernetSettingWidget::on_pushButton_save_clicked()
{
    if (!m_pDeviceInfo || !canSave())
        return;
    // Before any Cmd::GetNetwork answer no mode is chosen: sending static mode
    // with whatever the fields hold would strand the camera.
    if (!ui->radioButton_static->isChecked() && !ui->radioButton_dhcp->isChecked()) {
        MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), TipMs);
        return;
    }
    const QList<QPair<QString, QWidget *>> controls{
        {QStringLiteral("DHCPMode"), ui->radioButton_dhcp},  {QStringLiteral("IP"), ui->lineEdit_ip},
        {QStringLiteral("netmask"), ui->lineEdit_netMask},   {QStringLiteral("gateway"), ui->lineEdit_gateway},
        {QStringLiteral("preferredDNS"), ui->lineEdit_dns1}, {QStringLiteral("standbyDNS"), ui->lineEdit_dns2},
    };
    bool changed = false;
    for (const auto &control : controls)
        changed = changed || !m_received.contains(control.first) || m_shown.edited(control.first);
    QString message;
    if (changed && !checkInput(message)) {
        MsgTipInfoDlg::showTip(message, TipMs);
        return;
    }
    const bool dhcp = ui->radioButton_dhcp->isChecked();
    IpcBody::Values values = m_received;
    m_shown.take(values, QStringLiteral("DHCPMode"), dhcp ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 1; i < controls.size(); ++i)
        m_shown.take(values, controls.at(i).first, static_cast<QLineEdit *>(controls.at(i).second)->text().trimmed());
    if (!values.contains(QStringLiteral("MAC")))
        values.insert(QStringLiteral("MAC"), ui->lineEdit_mac->text());
    const QString newIp = values.value(QStringLiteral("IP")).trimmed();
    const bool moves = !dhcp && newIp != m_pDeviceInfo->ip;
    // A Save that moves the record on its answer: that answer must be its own.
    RecordChange change;
    if (moves)
        change = RecordChange{RecordChange::Address, m_pDeviceInfo->ip, QString(), newIp};
    if (!request(CmdSetNetwork, IpcBody::tcpip(values), 0, RequestKind::Save, change))
        return;
    Sent sent;
    sent.oldIp = m_pDeviceInfo->ip;
    // Under DHCP the client cannot know the address the camera takes: the
    // record stays, and the operator is told how to find the camera.
    sent.dhcpChosen = dhcp && m_shown.edited(QStringLiteral("DHCPMode"));
    if (moves) {
        sent.newIp = newIp;
        m_pendingActive = true;
        m_moveWindow->start(s_moveWindowMs);
    }
    m_sent.add(ConfigPageSession::lastSaveTag(), sent);
}

const EthernetSettingWidget::Sent *EthernetSettingWidget::firstMove() const
{
    for (const auto &sent : m_sent.entries()) {
        if (!sent.second.newIp.isEmpty())
            return &sent.second;
    }
    return nullptr;
}

ConfigPageSession::Shown EthernetSettingWidget::shownValues() const
{
    return m_shown.shown();
}

bool EthernetSettingWidget::takeSaveAnswer(const ConfigReply &reply)
{
    m_answeredMove = false;
    if (reply.cmd != int(CmdSetNetwork))
        return false;
    Sent sent;
    if (!m_sent.take(reply, &sent))
        return false;
    const bool moves = !sent.newIp.isEmpty();
    // A camera that moves may break its connection instead of answering.
    if (moves && m_pendingActive && reply.fate == ReplyFate::ConnectionLost) {
        m_pendingOldIp = sent.oldIp;
        m_pendingNewIp = sent.newIp;
        followMove(true);
        return true;
    }
    if (sent.dhcpChosen && (reply.ok() || reply.fate == ReplyFate::ConnectionLost)) {
        MsgTipInfoDlg::showTip(dhcpText(), MovedTipMs);
        return true;
    }
    // A success that could be another request's moves nothing here: the
    // record keeper asks the camera where it is.
    if (moves && reply.ok() && reply.record == RecordFate::Stored) {
        m_pendingOldIp = sent.oldIp;
        m_pendingNewIp = sent.newIp;
        m_answeredMove = true;
    } else if (!firstMove()) {
        // The only move out was refused: the camera stays where it was.
        m_pendingActive = false;
        m_moveWindow->stop();
    }
    return false;
}

// The window hands this page the answer to its own Cmd::SetNetwork even when
// another page is current by then; takeSaveAnswer said which Save it paid.
void EthernetSettingWidget::onSaveResult(int cmd, bool ok)
{
    if (cmd != int(CmdSetNetwork) || !m_answeredMove)
        return;
    m_answeredMove = false;
    if (ok)
        followMove(false);
}

void EthernetSettingWidget::onDisconnected(const loginDev &dev)
{
    const Sent *sent = m_pendingActive ? firstMove() : nullptr;
    if (!sent || dev.ip != sent->oldIp || dev.channel != 0)
        return;
    m_pendingOldIp = sent->oldIp;
    m_pendingNewIp = sent->newIp;
    followMove(true);
}

void EthernetSettingWidget::followMove(bool silent)
{
    m_pendingActive = false;
    m_moveWindow->stop();
    m_sent.clear();
    // The window's own toast covers an answered change.
    if (silent)
        MsgTipInfoDlg::showTip(SharedTexts::configSuccessText(), TipMs);
    // Where the camera went is said while the window still shows; once the
    // operator has read it the record follows the camera and the window,
    // whose record that was, closes. Not from within the reply or the broken
    // connection that brought the news: the message waits in a loop of its
    // own.
    const QString text = movedText(m_pendingNewIp);
    QPointer<EthernetSettingWidget> self(this);
    QTimer::singleShot(0, this, [self, text] {
        CustomDialog::showMessage(text, false, true, 1);
        if (!self)
            return;
        self->updateDeviceInfoAfterIpChange();
        emit self->closeWindowRequested();
    });
}

void EthernetSettingWidget::updateDeviceInfoAfterIpChange()
{
    qDebug() << "update info";
    // The window closes now; the record keeper outlives it. The device
    // itself moves: its recording plan and alarm settings go with it.
    RecordKeeper::instance()->moveDevice(m_pendingOldIp, m_pendingNewIp);
    qDebug() << "update info finished";
}

void EthernetSettingWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
