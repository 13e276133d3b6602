#include "CNVRVersionInfo.h"

#include "ui_CNVRVersionInfo.h"

#include "CommonHelperWidgets.h"

#include <QEvent>

CNVRVersionInfo::CNVRVersionInfo(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRVersionInfo)
{
    ui->setupUi(this);
    for (QLineEdit *edit : {ui->m_lineEditProductModel, ui->m_lineEditSoftVersion, ui->m_lineEditHardVersion,
                            ui->m_lineEditProductSerialNum, ui->m_lineEditMac})
        edit->setReadOnly(true);
    CommonHelper::elideChildTexts(this);
    setReadOk(false);
}

CNVRVersionInfo::~CNVRVersionInfo()
{
    delete ui;
}

void CNVRVersionInfo::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
    if (dev)
        ui->m_lineEditMac->setText(dev->mac.toUpper());
}

void CNVRVersionInfo::parseVersionInfo(const QString &xml)
{
    ui->m_lineEditProductModel->clear();
    const QHash<QString, QString> info = findValuesInXml(xml, QStringLiteral("versionInfo"));
    const QString model = info.value(QStringLiteral("product_model_ext")).trimmed();
    ui->m_lineEditProductModel->setText(model.isEmpty() ? info.value(QStringLiteral("deviceType")).trimmed() : model);
    ui->m_lineEditSoftVersion->setText(info.value(QStringLiteral("firmwaveVersion")).trimmed());
    ui->m_lineEditProductSerialNum->setText(info.value(QStringLiteral("UID")).trimmed());
    ui->m_lineEditHardVersion->setText(QStringLiteral("V1.0.0"));
}

void CNVRVersionInfo::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->m_labelProductModel->setText(tr("Product Model"));
    ui->m_labelSoftVersion->setText(tr("Sofware Version"));
    ui->m_labelHardVersion->setText(tr("Hardware Version"));
    ui->m_labelProductSerialNum->setText(tr("Serial Number"));
    ui->label->setText(tr("MAC"));
    CommonHelper::elideChildTexts(this);
}
