#include "AL_MoveDetect_Widget.h"
#include "ui_AL_MoveDetect_Widget.h"

#include <QDebug>

AL_MoveDetect_Widget::Description AL_MoveDetect_Widget::describe()
{
    Description d;
    d.get = Cmd::GetMotionDetection;
    d.set = Cmd::SetMotionDetection;
    d.channelToken = "md1";
    d.recordChannel = true;
    d.pattern = QStringLiteral("<motionDetection>{=enable} {=area}<supervisedTime>{=schedule}</supervisedTime>{=light} "
                               "{=voice}</motionDetection>");
    return d;
}

AL_MoveDetect_Widget::AL_MoveDetect_Widget(QWidget *parent)
    : DetectionPage(describe(), parent)
    , ui(new Ui::AL_MoveDetect_Widget)
{
    ui->setupUi(this);
    attachForm();
}

AL_MoveDetect_Widget::~AL_MoveDetect_Widget()
{
    delete ui;
}

void AL_MoveDetect_Widget::applyParams(const ipcCfgParams &params)
{
    qDebug() << "params.supportChannel:" << params.supportChannel << "; isMd1:" << readsMd1()
             << "; m_pDeviceInfo->capacitySet:" << (m_pDeviceInfo ? m_pDeviceInfo->capList : QString());
    DetectionPage::applyParams(params);
}

void AL_MoveDetect_Widget::on_comboBoxChannel_currentIndexChanged(int index)
{
    changeChannel(index);
}

void AL_MoveDetect_Widget::retranslateForm()
{
    ui->retranslateUi(this);
}
