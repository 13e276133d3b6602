#include "BCDetection.h"
#include "ui_BCDetection.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelper.h"
#include "DetectionPageSupport.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGet = 12010;
constexpr unsigned int CmdSet = 12011;
const char *const kToken = "BCD";
} // namespace

BCDetection::BCDetection(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::BCDetection)
{
    ui->setupUi(this);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &BCDetection::onSaveBtnClicked);
    ui->widget->setMode(1);
}

BCDetection::~BCDetection()
{
    delete ui;
}

void BCDetection::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    const bool supported = DetectionPage::hasCapability(dev, kToken);
    if (supported)
        request(CmdGet);
    ui->widget->setEnableEditable(supported);
}

void BCDetection::parseXml(int cmd, const QString &xml)
{
    if (xml.isEmpty()) {
        qDebug() << "xml is empty." << (m_pDeviceInfo ? m_pDeviceInfo->capList : QString());
        return;
    }
    if (cmd != int(CmdGet))
        return;
    ipcCfgParams params;
    parseDetectionXml(xml, params);
    applyParams(params);
}

void BCDetection::applyParams(const ipcCfgParams &params)
{
    DetectionPage::apply(params, ui->widgetTime, ui->widget, nullptr);
}

void BCDetection::onSaveBtnClicked()
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
        QStringLiteral("<bcDetection>%1<supervisedTime>%2</supervisedTime>%3 %4</bcDetection>"),
        {ui->widget->enableXml(), buildScheduleXml(times, m_pDeviceInfo->cpu), ui->widget->whiteLightXml(),
         ui->widget->checkSourceXml()});
    request(CmdSet, body, 0, RequestKind::Save);
}

void BCDetection::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->labelTime->setText(tr("Arming Time"));
    ui->pushButtonSave->setText(tr("Save"));
    CommonHelper::elideChildTexts(this);
}
