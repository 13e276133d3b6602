#include "PlatformSettingWidget.h"

#include "AddressCheck.h"
#include "ui_PlatformSettingWidget.h"

#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QLineEdit>

namespace {
constexpr unsigned int CmdGetPlatform = Cmd::GetPlatform;
constexpr unsigned int CmdSetPlatform = Cmd::SetPlatform;
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
    case 1:
        return tr("In registration");
    case 2:
        return tr("Registered");
    case 3:
        return tr("Write off");
    default:
        return tr("Unregistered");
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
    m_received = IpcBody::children(xml, QStringLiteral("GB28181"));
    m_shown.reset();
    m_shown.filled(QStringLiteral("Enable"), ui->checkBox_enable);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        const QString element = edit->objectName().mid(int(qstrlen("lineEdit_")));
        if (element != QLatin1String("SIPRegisterStatus"))
            m_shown.filled(element, edit);
    }
}

void PlatformSettingWidget::on_checkBox_enable_stateChanged(int arg1)
{
    const bool on = arg1 != 0;
    ui->comboBox_mode->setEnabled(on);
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->setEnabled(on);
}

void PlatformSettingWidget::on_comboBox_mode_activated(int) { }

void PlatformSettingWidget::on_pushButton_save_clicked()
{
    if (!canSave())
        return;
    IpcBody::Values values = m_received;
    m_shown.take(values, QStringLiteral("Enable"),
                 ui->checkBox_enable->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        const QString element = edit->objectName().mid(int(qstrlen("lineEdit_")));
        // The state is the camera's to say: the value it last sent goes back.
        if (element == QLatin1String("SIPRegisterStatus")) {
            if (!values.contains(element))
                values.insert(element, edit->property(kStatusProperty).toString());
            continue;
        }
        const bool typed = !values.contains(element) || m_shown.edited(element);
        if (!typed)
            continue;
        // A port the operator types is a port: empty, negative or beyond
        // 65535 would be stored by the camera and leave it unreachable.
        if (element.endsWith(QLatin1String("Port"))) {
            const int port = DeviceValue::toInt(edit->text(), -1);
            if (port < 1 || port > 65535) {
                MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
                edit->setFocus();
                return;
            }
        }
        // A server address the operator types is an address: "999.1.1.1" or
        // nothing would leave the camera registering nowhere.
        if (element.endsWith(QLatin1String("IP")) && !AddressCheck::isAddress(edit->text().trimmed())) {
            MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
            edit->setFocus();
            return;
        }
        values.insert(element, edit->text());
    }
    request(CmdSetPlatform, IpcBody::platformAccess(values), 0, RequestKind::Save);
}

ConfigPageSession::Shown PlatformSettingWidget::shownValues() const
{
    return m_shown.shown();
}

void PlatformSettingWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        const QString status = ui->lineEdit_SIPRegisterStatus->property(kStatusProperty).toString();
        ui->retranslateUi(this);
        if (!ui->lineEdit_SIPRegisterStatus->text().isEmpty() || !status.isEmpty())
            ui->lineEdit_SIPRegisterStatus->setText(registerStateText(status));
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
