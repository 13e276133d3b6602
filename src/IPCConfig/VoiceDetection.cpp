#include "VoiceDetection.h"
#include "ui_VoiceDetection.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelper.h"
#include "DetectionPageSupport.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGet = 12006;
constexpr unsigned int CmdSet = 12007;
const char *const kToken = "voice";
} // namespace

VoiceDetection::VoiceDetection(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::VoiceDetection)
{
    ui->setupUi(this);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &VoiceDetection::onSaveBtnClicked);
}

VoiceDetection::~VoiceDetection()
{
    delete ui;
}

void VoiceDetection::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    const bool supported = DetectionPage::hasCapability(dev, kToken);
    if (supported)
        request(CmdGet);
    ui->widget->setEnableEditable(supported);
}

void VoiceDetection::parseXml(int cmd, const QString &xml)
{
    if (cmd != int(CmdGet))
        return;
    if (xml.isEmpty()) {
        qDebug() << "xml is empty." << (m_pDeviceInfo ? m_pDeviceInfo->capList : QString());
        return;
    }
    ipcCfgParams params;
    parseDetectionXml(xml, params);
    DetectionPage::apply(params, ui->widgetTime, ui->widget, nullptr);
}

void VoiceDetection::onSaveBtnClicked()
{
    if (!DetectionPage::hasCapability(m_pDeviceInfo, kToken)) {
        if (m_pDeviceInfo)
            qDebug() << "don't support voice." << m_pDeviceInfo->ip << m_pDeviceInfo->model;
        return;
    }
    const Week times = ui->widgetTime->getTimes();
    if (CMoveDetectTimeSetDlg::hasTooManyPeriods(times)) {
        showPeriodLimitTip();
        return;
    }
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<voiceDetection>%1<supervisedTime>%2</supervisedTime>%3 %4</voiceDetection>"),
        {ui->widget->enableXml(), buildScheduleXml(times, m_pDeviceInfo->cpu), ui->widget->whiteLightXml(),
         ui->widget->voiceAlarmXml()});
    request(CmdSet, body, 0, RequestKind::Save);
}

void VoiceDetection::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    CommonHelper::elideChildTexts(this);
}
