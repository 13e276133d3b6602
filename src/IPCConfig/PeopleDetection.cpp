#include "PeopleDetection.h"
#include "ui_PeopleDetection.h"

#include "CMoveDetectTimeSetDlg.h"
#include "CommonDetection.h"
#include "CommonHelper.h"
#include "DetectionPageSupport.h"
#include "OpenGLRender.h"
#include "OverlayWidget.h"

#include <QDebug>
#include <QEvent>
#include <QSpacerItem>
#include <QTimer>

namespace {
constexpr unsigned int CmdGet = 12004;
constexpr unsigned int CmdSet = 12005;
constexpr unsigned int CmdGetTrack = 35010;
constexpr unsigned int CmdSetTrack = 35011;
constexpr int SubStream = 1;
constexpr int TrackRowHeight = 30;
} // namespace

PeopleDetection::PeopleDetection(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::PeopleDetection)
{
    ui->setupUi(this);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &PeopleDetection::onSaveBtnClicked);
    ui->widgetOverlay->raise();
}

PeopleDetection::~PeopleDetection()
{
    delete ui;
}

void PeopleDetection::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    const bool supported = DetectionPage::hasCapability(dev, "PD");
    supportChannel = DetectionPage::hasCapability(dev, "PD1");
    if (dev->channelIdx > 0)
        channel = dev->channelIdx - 1;
    if (supported) {
        const uint8_t ch = getChannel();
        request(CmdGet, QString(), ch);
        setTrackRowShown(DetectionPage::hasCapability(dev, "PTZ"));
        // The page owns the timer: a page gone before it fires sends nothing.
        QTimer::singleShot(TrackQueryDelayMs, this, [this, ch]() { request(CmdGetTrack, QString(), ch); });
    }
    ui->widget->setEnableEditable(supported);
}

void PeopleDetection::setTrackRowShown(bool shown)
{
    QLayout *row = ui->horizontalLayoutTrack;
    if (shown) {
        ui->checkBoxTrack->setMinimumHeight(TrackRowHeight);
        ui->checkBoxTrack->setMaximumHeight(QWIDGETSIZE_MAX);
        ui->checkBoxTrack->show();
        return;
    }
    // Collapsed so that it takes no space at all above the panel.
    ui->checkBoxTrack->hide();
    ui->checkBoxTrack->setMinimumHeight(0);
    ui->checkBoxTrack->setMaximumHeight(0);
    for (int i = 0; i < row->count(); ++i) {
        QLayoutItem *item = row->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem())
            spacer->changeSize(0, 0, QSizePolicy::Ignored, QSizePolicy::Ignored);
        else if (QWidget *w = item->widget())
            w->hide();
    }
    row->setContentsMargins(0, 0, 0, 0);
    row->invalidate();
    row->activate();
    ui->verticalLayoutRight->invalidate();
    ui->verticalLayoutRight->activate();
    if (QWidget *parent = row->parentWidget())
        parent->updateGeometry();
}

void PeopleDetection::parseXml(int cmd, const QString &xml)
{
    if (xml.isEmpty()) {
        qDebug() << "xml is empty.";
        return;
    }
    if (cmd == int(CmdGet)) {
        ipcCfgParams params;
        parseDetectionXml(xml, params);
        params.supportChannel = supportChannel;
        params.channel = channel;
        applyDetectionParams(params);
    } else if (cmd == int(CmdGetTrack)) {
        const int status =
            DeviceValue::toInt(findValuesInXml(xml, QStringLiteral("body")).value(QStringLiteral("humanTrackStatus")));
        ui->checkBoxTrack->setChecked(status >= 1);
    }
}

void PeopleDetection::applyDetectionParams(const ipcCfgParams &params)
{
    ui->widgetTime->setTimes(params.timeList);
    ui->widgetOverlay->parseAreaXml(params.bodyValues);
    ui->widgetOverlay->setAreaSelect(params.bodyValues);
    ui->widget->setUi(params);
}

void PeopleDetection::onSaveBtnClicked()
{
    if (!DetectionPage::hasCapability(m_pDeviceInfo, "PD")) {
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
        QStringLiteral("<peopleDetection>%1 %2<supervisedTime>%3</supervisedTime>%4 %5 </peopleDetection>"),
        {ui->widget->enableXml(), ui->widgetOverlay->getAreaSelect(),
         buildScheduleXml(times, m_pDeviceInfo->cpu), ui->widget->whiteLightXml(), ui->widget->voiceAlarmXml()});
    request(CmdSet, body, getChannel(), RequestKind::Save);
    // Sent even while the switch is hidden: the camera keeps what it had.
    request(CmdSetTrack,
            CommonHelper::fillTemplate(QStringLiteral("<humanTrack><humanTrackStatus>%1</humanTrackStatus></humanTrack>"),
                                       {ui->checkBoxTrack->isChecked() ? QStringLiteral("1") : QStringLiteral("0")}),
            getChannel(), RequestKind::Other);
}

void PeopleDetection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ui->widgetOverlay->preview()->setStreamKey(CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(SubStream)));
}

void PeopleDetection::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    ui->widgetOverlay->preview()->clear();
}

void PeopleDetection::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    CommonHelper::elideChildTexts(this);
}
