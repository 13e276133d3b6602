#include "VersionInformation.h"
#include "ui_VersionInformation.h"

#include "CommonHelperWidgets.h"

#include <QEvent>
#include <QLineEdit>

VersionInformation::VersionInformation(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::VersionInformation)
{
    ui->setupUi(this);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    CommonHelper::elideChildTexts(this);
}

VersionInformation::~VersionInformation()
{
    delete ui;
}

void VersionInformation::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    ui->lineEdit_type->setText(dev->model);
    ui->lineEdit_version->setText(dev->version);
    ui->lineEdit_uid->setText(dev->sn);
    ui->lineEdit_mac->setText(dev->mac.toUpper());
}

void VersionInformation::parseXml(int, const QString &) { }

void VersionInformation::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
