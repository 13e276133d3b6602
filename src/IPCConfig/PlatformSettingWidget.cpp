#include "PlatformSettingWidget.h"
#include "ui_PlatformSettingWidget.h"

#include "CommonHelper.h"
#include "IpcBodyText.h"

#include <QEvent>
#include <QLineEdit>

namespace {
constexpr unsigned int CmdGetPlatform = 13008;
constexpr unsigned int CmdSetPlatform = 13009;
const char *const kStatusProperty = "status";
} // namespace

PlatformSettingWidget::PlatformSettingWidget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::PlatformSettingWidget)
{
    ui->setupUi(this);
    CommonHelper::elideChildTexts(this);
}

PlatformSettingWidget::~PlatformSettingWidget()
{
    delete ui;
}

void PlatformSettingWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    request(CmdGetPlatform);
}

QString PlatformSettingWidget::registerStateText(const QString &value)
{
    switch (DeviceValue::toInt(value)) {
    case 1: return tr("In registration");
    case 2: return tr("Registered");
    case 3: return tr("Write off");
    default: return tr("Unregistered");
    }
}

void PlatformSettingWidget::parseXml(int cmd, const QString &xml)
{
    if (cmd != int(CmdGetPlatform))
        return;
    const QHash<QString, QString> values = findValuesInXml(xml, QStringLiteral("GB28181"));
    const auto value = [&values](const char *key) { return values.value(QLatin1String(key)); };
    ui->checkBox_enable->setChecked(DeviceValue::toInt(value("Enable")) != 0);
    ui->comboBox_mode->setCurrentIndex(0);
    // The camera's texts as they come: a blank may be part of a password.
    ui->lineEdit_SIPLocalPort->setText(value("SIPLocalPort"));
    ui->lineEdit_SIPServerID->setText(value("SIPServerID"));
    ui->lineEdit_SIPServerDomain->setText(value("SIPServerDomain"));
    ui->lineEdit_SIPServerIP->setText(value("SIPServerIP"));
    ui->lineEdit_SIPServerPort->setText(value("SIPServerPort"));
    ui->lineEdit_SIPClientAuthenticationID->setText(value("SIPClientAuthenticationID"));
    ui->lineEdit_SIPClientAuthenticationPassword->setText(value("SIPClientAuthenticationPassword"));
    ui->lineEdit_SIPRegisterExpires->setText(value("SIPRegisterExpires"));
    ui->lineEdit_SIPRegisterStatus->setText(registerStateText(value("SIPRegisterStatus")));
    ui->lineEdit_SIPRegisterStatus->setProperty(kStatusProperty, value("SIPRegisterStatus"));
    ui->lineEdit_SIPKeeplive->setText(value("SIPKeeplive"));
    on_checkBox_enable_stateChanged(ui->checkBox_enable->isChecked() ? 1 : 0);
}

void PlatformSettingWidget::on_checkBox_enable_stateChanged(int arg1)
{
    const bool on = arg1 != 0;
    ui->comboBox_mode->setEnabled(on);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setEnabled(on);
}

void PlatformSettingWidget::on_comboBox_mode_activated(int)
{
}

void PlatformSettingWidget::on_pushButton_save_clicked()
{
    static const QString pattern = QStringLiteral(
        "<PlatformAccess><GB28181><Enable>%1</Enable><SIPLocalPort>%2</SIPLocalPort><SIPServerID>%3</SIPServerID>"
        "<SIPServerDomain>%4</SIPServerDomain><SIPServerIP>%5</SIPServerIP><SIPServerPort>%6</SIPServerPort>"
        "<SIPClientAuthenticationID>%7</SIPClientAuthenticationID>"
        "<SIPClientAuthenticationPassword>%8</SIPClientAuthenticationPassword>"
        "<SIPRegisterExpires>%9</SIPRegisterExpires><SIPRegisterStatus>%10</SIPRegisterStatus>"
        "<SIPKeeplive>%11</SIPKeeplive></GB28181></PlatformAccess>");
    const auto text = [](const QLineEdit *edit) { return IpcBodyText::plain(edit->text()); };
    // One pass: a typed "%3" reaches the camera as "%3".
    const QString body = CommonHelper::fillTemplate(
        pattern, {ui->checkBox_enable->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                  text(ui->lineEdit_SIPLocalPort), text(ui->lineEdit_SIPServerID),
                  text(ui->lineEdit_SIPServerDomain), text(ui->lineEdit_SIPServerIP),
                  text(ui->lineEdit_SIPServerPort), text(ui->lineEdit_SIPClientAuthenticationID),
                  text(ui->lineEdit_SIPClientAuthenticationPassword), text(ui->lineEdit_SIPRegisterExpires),
                  IpcBodyText::plain(ui->lineEdit_SIPRegisterStatus->property(kStatusProperty).toString()),
                  text(ui->lineEdit_SIPKeeplive)});
    request(CmdSetPlatform, body, 0, RequestKind::Save);
}

void PlatformSettingWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        const QString status = ui->lineEdit_SIPRegisterStatus->property(kStatusProperty).toString();
        ui->retranslateUi(this);
        if (!ui->lineEdit_SIPRegisterStatus->text().isEmpty() || !status.isEmpty())
            ui->lineEdit_SIPRegisterStatus->setText(registerStateText(status));
        CommonHelper::elideChildTexts(this);
    }
}
