#include "AlarmInfoProcessing.h"
#include "ui_AlarmInfoProcessing.h"

AlarmInfoProcessing::AlarmInfoProcessing(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::AlarmInfoProcessing)
{
    ui->setupUi(this);
    setModal(true);
    setObjectName(QStringLiteral("AlarmProcess"));
}

AlarmInfoProcessing::~AlarmInfoProcessing()
{
    delete ui;
}

void AlarmInfoProcessing::on_pushButtonSubmit_clicked()
{
    const QString note = ui->textEdit->toPlainText();
    if (!note.isEmpty())
        emit signalsDealWithAlarm(note);
    ui->textEdit->clear();
    close();
}

void AlarmInfoProcessing::on_pushButtonClose_clicked()
{
    ui->textEdit->clear();
    close();
}

void AlarmInfoProcessing::paintEvent(QPaintEvent *event)
{
    DropShadowWidget::paintEvent(event);
}
