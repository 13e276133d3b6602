#include "BCDetection.h"
#include "ui_BCDetection.h"

BCDetection::Description BCDetection::describe()
{
    Description d;
    d.get = Cmd::GetCryDetection;
    d.set = Cmd::SetCryDetection;
    d.token = "BCD";
    d.pattern = QStringLiteral("<bcDetection>{=enable}<supervisedTime>{=schedule}</supervisedTime>{=light} {=source}"
                               "</bcDetection>");
    d.panelMode = 1;
    return d;
}

BCDetection::BCDetection(QWidget *parent)
    : DetectionPage(describe(), parent)
    , ui(new Ui::BCDetection)
{
    ui->setupUi(this);
    attachForm();
}

BCDetection::~BCDetection()
{
    delete ui;
}

void BCDetection::retranslateForm()
{
    ui->retranslateUi(this);
}
