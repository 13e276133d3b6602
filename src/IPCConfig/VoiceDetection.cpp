#include "VoiceDetection.h"
#include "ui_VoiceDetection.h"

VoiceDetection::Description VoiceDetection::describe()
{
    Description d;
    d.get = Cmd::GetVoiceDetection;
    d.set = Cmd::SetVoiceDetection;
    d.token = "voice";
    d.unsupportedLog = "don't support voice.";
    d.pattern = QStringLiteral("<voiceDetection>{=enable}<supervisedTime>{=schedule}</supervisedTime>{=light} {=voice}"
                               "</voiceDetection>");
    return d;
}

VoiceDetection::VoiceDetection(QWidget *parent)
    : DetectionPage(describe(), parent)
    , ui(new Ui::VoiceDetection)
{
    ui->setupUi(this);
    attachForm();
}

VoiceDetection::~VoiceDetection()
{
    delete ui;
}

void VoiceDetection::retranslateForm()
{
    ui->retranslateUi(this);
}
