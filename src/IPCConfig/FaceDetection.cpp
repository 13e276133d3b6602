#include "FaceDetection.h"
#include "ui_FaceDetection.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelper.h"
#include "DetectionPageSupport.h"
#include "OpenGLRender.h"
#include "OverlayWidget.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGet = 12008;
constexpr unsigned int CmdSet = 12009;
constexpr int SubStream = 1;
const char *const kToken = "FD";
} // namespace

FaceDetection::FaceDetection(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::FaceDetection)
{
    ui->setupUi(this);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &FaceDetection::onSaveBtnClicked);
    ui->widgetOverlay->raise();
}

FaceDetection::~FaceDetection()
{
    delete ui;
}

void FaceDetection::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    const bool supported = DetectionPage::hasCapability(dev, kToken);
    if (supported)
        request(CmdGet);
    ui->widget->setEnableEditable(supported);
}

void FaceDetection::parseXml(int cmd, const QString &xml)
{
    if (xml.isEmpty()) {
        qDebug() << "xml is empty." << (m_pDeviceInfo ? m_pDeviceInfo->capList : QString());
        return;
    }
    if (cmd != int(CmdGet))
        return;
    ipcCfgParams params;
    parseDetectionXml(xml, params);
    DetectionPage::apply(params, ui->widgetTime, ui->widget, ui->widgetOverlay);
}

void FaceDetection::onSaveBtnClicked()
{
    if (!DetectionPage::hasCapability(m_pDeviceInfo, kToken)) {
        if (m_pDeviceInfo)
            qDebug() << "don't support pd." << m_pDeviceInfo->ip << m_pDeviceInfo->model;
        return;
    }
    const Week times = ui->widgetTime->getTimes();
    if (CMoveDetectTimeSetDlg::hasTooManyPeriods(times)) {
        showPeriodLimitTip();
        return;
    }
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<faceDetection>%1 %2 <supervisedTime>%3</supervisedTime>%4 %5</faceDetection>"),
        {ui->widget->enableXml(), ui->widgetOverlay->getAreaSelect(),
         buildScheduleXml(times, m_pDeviceInfo->cpu), ui->widget->whiteLightXml(), ui->widget->voiceAlarmXml()});
    request(CmdSet, body, 0, RequestKind::Save);
}

void FaceDetection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->widgetOverlay->preview()->setStreamKey(CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(SubStream)));
}

void FaceDetection::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    ui->widgetOverlay->preview()->clear();
}

void FaceDetection::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->labelTime->setText(tr("Arming Time"));
    ui->pushButtonSave->setText(tr("Save"));
    CommonHelper::elideChildTexts(this);
}
