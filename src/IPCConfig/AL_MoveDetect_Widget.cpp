#include "AL_MoveDetect_Widget.h"
#include "ui_AL_MoveDetect_Widget.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelper.h"
#include "DetectionPageSupport.h"
#include "DeviceInfoManager.h"
#include "OpenGLRender.h"
#include "OverlayWidget.h"

#include <QDebug>
#include <QEvent>

namespace {
constexpr unsigned int CmdGet = 12002;
constexpr unsigned int CmdSet = 12003;
constexpr int SubStream = 1;
} // namespace

AL_MoveDetect_Widget::AL_MoveDetect_Widget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::AL_MoveDetect_Widget)
{
    ui->setupUi(this);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &AL_MoveDetect_Widget::onSaveBtnClicked);
    ui->widgetOverlay->raise();
}

AL_MoveDetect_Widget::~AL_MoveDetect_Widget()
{
    delete ui;
}

void AL_MoveDetect_Widget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    supportChannel = DetectionPage::hasCapability(dev, "md1");
    // Opened on a channel record: that channel, as the device numbers it.
    if (dev->channelIdx != 0)
        channel = dev->channelIdx - 1;
    request(CmdGet, QString(), getChannel());
}

void AL_MoveDetect_Widget::parseXml(int cmd, const QString &xml)
{
    const QString caps = m_pDeviceInfo ? m_pDeviceInfo->capList : QString();
    if (cmd != int(CmdGet) || xml.isEmpty()) {
        qDebug() << "xml is empty." << cmd << caps;
        return;
    }
    ipcCfgParams params;
    parseDetectionXml(xml, params);
    params.supportChannel = supportChannel;
    params.channel = channel;
    qDebug() << "params.supportChannel:" << params.supportChannel
             << "; isMd1:" << caps.contains(QLatin1String("md1"), Qt::CaseInsensitive)
             << "; m_pDeviceInfo->capacitySet:" << caps;
    applyParams(params);
}

void AL_MoveDetect_Widget::applyParams(const ipcCfgParams &params)
{
    DetectionPage::apply(params, ui->widgetTime, ui->widget, ui->widgetOverlay);
}

void AL_MoveDetect_Widget::onSaveBtnClicked()
{
    if (!m_pDeviceInfo)
        return;
    const Week times = ui->widgetTime->getTimes();
    if (CMoveDetectTimeSetDlg::hasTooManyPeriods(times)) {
        showPeriodLimitTip();
        return;
    }
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<motionDetection>%1 %2<supervisedTime>%3</supervisedTime>%4 %5</motionDetection>"),
        {ui->widget->enableXml(), ui->widgetOverlay->getAreaSelect(),
         buildScheduleXml(times, m_pDeviceInfo->cpu), ui->widget->whiteLightXml(), ui->widget->voiceAlarmXml()});
    request(CmdSet, body, getChannel(), RequestKind::Save);
}

QString AL_MoveDetect_Widget::previewKey() const
{
    if (!m_pDeviceInfo)
        return QString();
    if (supportChannel) {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        // The window plays the device itself when it has no channel records.
        if (FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(channel + 1)) : nullptr)
            return CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(SubStream));
    }
    return CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(SubStream));
}

void AL_MoveDetect_Widget::on_comboBoxChannel_currentIndexChanged(int index)
{
    if (!m_pDeviceInfo || !supportChannel || index == channel || index < 0)
        return;
    channel = index;
    request(CmdGet, QString(), getChannel());
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(index + 1)) : nullptr;
    ui->widgetOverlay->preview()->setStreamKey(CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(SubStream)));
}

void AL_MoveDetect_Widget::showEvent(QShowEvent *event)
{
    // The clear on hide emptied the key: set it again on every show.
    QWidget::showEvent(event);
    ui->widgetOverlay->preview()->setStreamKey(previewKey());
}

void AL_MoveDetect_Widget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    ui->widgetOverlay->preview()->clear();
}

void AL_MoveDetect_Widget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->labelTime->setText(tr("Arming Time"));
    ui->pushButtonSave->setText(tr("Save"));
    CommonHelper::elideChildTexts(this);
}
