#include "ManageWidget.h"

#include "ui_ManageWidget.h"

ManageWidget::ManageWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ManageWidget)
{
    ui->setupUi(this);
    ui->pushButtonPassword->setVisible(false);
    ui->pushButtonUser->setVisible(false);
    ui->pushButtonAuth->setVisible(false);
    ui->pushButtonSet->setVisible(false);
    ui->pushButtonChannel->setVisible(false);
}

ManageWidget::~ManageWidget()
{
    delete ui;
}

void ManageWidget::setKey(const QString &key)
{
    m_key = key;
}

void ManageWidget::setPasswordVisible(bool visible)
{
    ui->pushButtonPassword->setVisible(visible);
}

void ManageWidget::setDeleteVisible(bool visible)
{
    ui->pushButtonDelete->setVisible(visible);
}

void ManageWidget::setUserVisible(bool visible)
{
    ui->pushButtonUser->setVisible(visible);
}

void ManageWidget::setAuthVisible(bool visible)
{
    ui->pushButtonAuth->setVisible(visible);
}

void ManageWidget::setSetVisible(bool visible)
{
    ui->pushButtonSet->setVisible(visible);
}

void ManageWidget::setChannelVisible(bool visible)
{
    ui->pushButtonChannel->setVisible(visible);
}

void ManageWidget::on_pushButtonPassword_clicked()
{
    emit signalPassword(m_key);
}

void ManageWidget::on_pushButtonEdit_clicked()
{
    emit signalEdit(m_key);
}

void ManageWidget::on_pushButtonDelete_clicked()
{
    emit signalDelete(m_key);
}

void ManageWidget::on_pushButtonUser_clicked()
{
    emit signalUser(m_key);
}

void ManageWidget::on_pushButtonAuth_clicked()
{
    emit signalAuth(m_key);
}

void ManageWidget::on_pushButtonSet_clicked()
{
    emit signalSet(m_key);
}

void ManageWidget::on_pushButtonChannel_clicked()
{
    emit signalChannel(m_key);
}

void ManageWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
