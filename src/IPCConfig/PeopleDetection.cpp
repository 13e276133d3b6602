#include "PeopleDetection.h"
#include "ui_PeopleDetection.h"

PeopleDetection::Description PeopleDetection::describe()
{
    Description d;
    d.get = Cmd::GetPeopleDetection;
    d.set = Cmd::SetPeopleDetection;
    d.token = "PD";
    d.unsupportedLog = "don't support pd.";
    d.channelToken = "PD1";
    d.recordChannel = true;
    d.pattern = QStringLiteral("<peopleDetection>{=enable} {=area}<supervisedTime>{=schedule}</supervisedTime>{=light} "
                               "{=voice} </peopleDetection>");
    d.trackGet = Cmd::GetHumanTrack;
    d.trackSet = Cmd::SetHumanTrack;
    d.trackToken = "PTZ";
    return d;
}

PeopleDetection::PeopleDetection(QWidget *parent)
    : DetectionPage(describe(), parent)
    , ui(new Ui::PeopleDetection)
{
    ui->setupUi(this);
    attachForm();
}

PeopleDetection::~PeopleDetection()
{
    delete ui;
}

void PeopleDetection::applyParams(const ipcCfgParams &params)
{
    applyDetectionParams(params);
}

void PeopleDetection::applyDetectionParams(const ipcCfgParams &params)
{
    DetectionPage::applyParams(params);
}

void PeopleDetection::retranslateForm()
{
    ui->retranslateUi(this);
}
