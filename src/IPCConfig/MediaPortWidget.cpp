#include "MediaPortWidget.h"
#include "ui_MediaPortWidget.h"

#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "SignalsHelper.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGetPorts = Cmd::GetPorts;
constexpr unsigned int CmdSetPorts = Cmd::SetPorts;
constexpr int DevicePort = 2028;

bool inUserRange(int port)
{
    return port >= 1024 && port < 65536;
}
} // namespace

MediaPortWidget::MediaPortWidget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::MediaPortWidget)
{
    ui->setupUi(this);
    CommonHelper::elideChildTexts(this);
}

MediaPortWidget::~MediaPortWidget()
{
    delete ui;
}

void MediaPortWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    request(CmdGetPorts);
}

void MediaPortWidget::parseXml(int cmd, const QString &xml)
{
    if (cmd != int(CmdGetPorts))
        return;
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("portConfig"));
    ui->lineEdit_rtsp->setText(values.value(QStringLiteral("RTSPPort")).trimmed());
    ui->lineEdit_http->setText(values.value(QStringLiteral("HTTPPort")).trimmed());
    m_received = IpcBody::children(xml, QStringLiteral("portConfig"));
    m_shown.reset();
    m_shown.filled(QStringLiteral("RTSPPort"), ui->lineEdit_rtsp);
    m_shown.filled(QStringLiteral("HTTPPort"), ui->lineEdit_http);
}

QString MediaPortWidget::checkPorts(const QString &rtspText, const QString &httpText)
{
    const int rtsp = rtspText.toInt();
    const int http = httpText.toInt();
    if (rtsp == DevicePort || http == DevicePort)
        return tr("2028 has been occupied");
    if (rtsp != 554 && !inUserRange(rtsp))
        return tr("RTSP Port Range(554,1024-65535)");
    if (http != 80 && !inUserRange(http))
        return tr("HTTP Port Range(80,1024-65535)");
    return QString();
}

void MediaPortWidget::on_pushButton_default_clicked()
{
    ui->lineEdit_rtsp->setText(QStringLiteral("554"));
    ui->lineEdit_http->setText(QStringLiteral("80"));
}

void MediaPortWidget::on_pushButton_save_clicked()
{
    if (!canSave())
        return;
    const bool rtspTyped =
        !m_received.contains(QStringLiteral("RTSPPort")) || m_shown.edited(QStringLiteral("RTSPPort"));
    const bool httpTyped =
        !m_received.contains(QStringLiteral("HTTPPort")) || m_shown.edited(QStringLiteral("HTTPPort"));
    // Only what the operator typed is checked: the camera's own ports go
    // back as they are.
    const QString refusal = checkPorts(rtspTyped ? ui->lineEdit_rtsp->text() : QStringLiteral("554"),
                                       httpTyped ? ui->lineEdit_http->text() : QStringLiteral("80"));
    if (!refusal.isEmpty()) {
        MsgTipInfoDlg::showTip(refusal, 2000);
        return;
    }
    IpcBody::Values values = m_received;
    if (rtspTyped)
        values.insert(QStringLiteral("RTSPPort"), QString::number(ui->lineEdit_rtsp->text().toInt()));
    if (httpTyped)
        values.insert(QStringLiteral("HTTPPort"), QString::number(ui->lineEdit_http->text().toInt()));
    const int rtsp = DeviceValue::bounded(values.value(QStringLiteral("RTSPPort")), 0, 65535, -1);
    // Its answer moves the client's record to the port sent: it must be this
    // Save's answer and no other's. Every Save of the page stands alone.
    const RecordChange change{RecordChange::RtspPort, m_pDeviceInfo ? m_pDeviceInfo->ip : QString(), QString(),
                              rtsp < 0 ? QString() : QString::number(rtsp)};
    if (!request(CmdSetPorts, IpcBody::portConfig(values), 0, RequestKind::Save, change) || rtsp < 0)
        return;
    m_sentRtspPorts.add(ConfigPageSession::lastSaveTag(), rtsp);
}

ConfigPageSession::Shown MediaPortWidget::shownValues() const
{
    return m_shown.shown();
}

bool MediaPortWidget::takeSaveAnswer(const ConfigReply &reply)
{
    int rtsp = -1;
    if (reply.cmd != int(CmdSetPorts) || !m_sentRtspPorts.take(reply, &rtsp))
        return false;
    // The registry's record took the port with the answer (RecordKeeper.h),
    // this page open or not; a record of the page's own follows here.
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    if (m_pDeviceInfo && reply.record == RecordFate::Stored && m_pDeviceInfo->rtspPort != rtsp
        && !(registry && registry->findDevInfo(m_pDeviceInfo->ip))) {
        m_pDeviceInfo->rtspPort = uint16_t(rtsp);
        emit SignalsHelper::instance()->signalModifyDev(new FUN_DEV_INFO(*m_pDeviceInfo));
    }
    // The window's words follow.
    return false;
}

void MediaPortWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
