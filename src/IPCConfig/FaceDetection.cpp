#include "FaceDetection.h"
#include "ui_FaceDetection.h"

FaceDetection::Description FaceDetection::describe()
{
    Description d;
    d.get = Cmd::GetFaceDetection;
    d.set = Cmd::SetFaceDetection;
    d.token = "FD";
    d.pattern = QStringLiteral("<faceDetection>{=enable} {=area} <supervisedTime>{=schedule}</supervisedTime>{=light} "
                               "{=voice}</faceDetection>");
    return d;
}

FaceDetection::FaceDetection(QWidget *parent)
    : DetectionPage(describe(), parent)
    , ui(new Ui::FaceDetection)
{
    ui->setupUi(this);
    attachForm();
}

FaceDetection::~FaceDetection()
{
    delete ui;
}

void FaceDetection::retranslateForm()
{
    ui->retranslateUi(this);
}
