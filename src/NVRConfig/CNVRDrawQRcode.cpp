#include "CNVRDrawQRcode.h"

#include "ui_CNVRDrawQRcode.h"

#include "QrPixmap.h"

CNVRDrawQRcode::CNVRDrawQRcode(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRDrawQRcode)
{
    ui->setupUi(this);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRDrawQRcode::reject);
}

CNVRDrawQRcode::~CNVRDrawQRcode()
{
    delete ui;
}

void CNVRDrawQRcode::setQRcode(const QString &text)
{
    const int side = ui->label->width();
    ui->label->setPixmap(createQrPixmap(text, side));
    ui->label->show();
    ui->label->setStyleSheet(QStringLiteral(" border: 1px solid rgb(63,63,70);"));
}

void CNVRDrawQRcode::onEnterPressed()
{
    accept();
}

void CNVRDrawQRcode::onEscPressed()
{
    reject();
}
