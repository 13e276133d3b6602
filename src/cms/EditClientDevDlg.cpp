#include "EditClientDevDlg.h"
#include "ui_EditClientDevDlg.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "DeviceFormRules.h"
#include "DeviceInfoManager.h"
#include "ForgotPassword.h"
#include "KelvoSDKHelper.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QListView>
#include <QRegExpValidator>

EditClientDevDlg::EditClientDevDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_ui(new Ui::EditClientDevDlg)
{
    m_ui->setupUi(this);

    connect(m_ui->m_btnClose, &QPushButton::clicked, this, &EditClientDevDlg::onbtnCloseclicked);
    connect(m_ui->m_OKBtn, &QPushButton::clicked, this, &EditClientDevDlg::onbtnOkClicked);
    connect(m_ui->m_CancelBtn, &QPushButton::clicked, this, &EditClientDevDlg::onbtnCancleClicked);
    connect(KelvoSDKHelper::instance(), &KelvoSDKHelper::signalCommonInfo, this, &EditClientDevDlg::parseQRCodeInfo);

    m_ui->m_VideoPortlineEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+$")), this));
    m_ui->m_UserNamelineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));
    m_ui->m_PassWdlineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));
    m_ui->m_PassWdlineEdit->setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(m_ui->m_PassWdlineEdit, true);
    m_ui->m_GroupCmbBox->setView(new QListView(m_ui->m_GroupCmbBox));
    m_ui->comboBoxAuth->setView(new QListView(m_ui->comboBoxAuth));

    if (DeviceInfoManager *registry = DeviceInfoManager::instance()) {
        for (const DEV_GROUP_INFO &group : registry->getAllGroups())
            m_ui->m_GroupCmbBox->addItem(group.name);
    }
    CommonHelper::fitDialogToTexts(this);
}

EditClientDevDlg::~EditClientDevDlg() = default;

void EditClientDevDlg::setDevInfo(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_dev = dev;
    m_ui->m_DevNamelineEdit->setText(dev->name);
    m_ui->m_PrivatePortlineEdit->setText(QString::number(dev->devPort));
    m_ui->m_VideoPortlineEdit->setText(QString::number(dev->rtspPort));
    m_ui->m_GroupCmbBox->setCurrentText(dev->group);
    m_ui->m_UserNamelineEdit->setText(dev->userName);
    m_ui->m_PassWdlineEdit->setText(dev->password);
    m_shownPassword = dev->password;
    updateTitle();

    const bool onvif = dev->devType == 2;
    m_ui->label->setVisible(onvif);
    m_ui->comboBoxAuth->setVisible(onvif);
    if (onvif) {
        m_ui->comboBoxAuth->setCurrentIndex(dev->onvifAuth);
        m_ui->pushButtonForgot->hide();
    } else {
        m_ui->pushButtonForgot->show();
        KelvoSDKHelper::instance()->sendCmd(toLoginDev(dev), Cmd::GetSecurityCode, 0);
    }
    // The title now names the device.
    CommonHelper::fitDialogToTexts(this);
}

void EditClientDevDlg::updateTitle()
{
    if (m_dev)
        m_ui->m_lblTextTitle->setText(tr("Edit Device") + QStringLiteral("---") + m_dev->ip);
}

void EditClientDevDlg::parseQRCodeInfo(const devXmlInfo &info)
{
    if (!isVisible() || !m_dev)
        return;
    // Another device's answer must never stand for this one's.
    if (info.ip != m_dev->ip || info.channel != 0 || !info.data.isEmpty())
        return;
    if (!info.head.usable || info.head.cmd != Cmd::GetSecurityCode)
        return;
    if (info.head.result.ok())
        m_resetInfo = findValuesInXml(info.xml, QStringLiteral("body")).value(QStringLiteral("QRCodeInfo"));
    else
        m_refused = true;
}

void EditClientDevDlg::onbtnCloseclicked()
{
    m_ui->m_lblTextInfo->clear();
    close();
    reject();
}

void EditClientDevDlg::onbtnCancleClicked()
{
    m_ui->m_lblTextInfo->clear();
    reject();
}

void EditClientDevDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void EditClientDevDlg::onbtnOkClicked()
{
    const QString name = m_ui->m_DevNamelineEdit->text().trimmed();
    const QString user = m_ui->m_UserNamelineEdit->text().trimmed();
    // As typed: a rename must give back the stored password unchanged, blanks included.
    QString password = m_ui->m_PassWdlineEdit->text();
    // Left as shown, it is the record's as it is now: a password the device
    // took meanwhile (a reset settled after its dialog was cancelled, a
    // change in the user dialog) is not undone by this dialog.
    const FUN_DEV_INFO *now = m_dev ? DeviceInfoManager::instance()->findDevInfo(m_dev->ip) : nullptr;
    if (now && now->channelIdx == 0 && password == m_shownPassword)
        password = now->password;
    const QString group = m_ui->m_GroupCmbBox->currentText().trimmed();
    const QString videoPort = m_ui->m_VideoPortlineEdit->text().trimmed();
    const QString privatePort = m_ui->m_PrivatePortlineEdit->text().trimmed();

    if (CommonHelper::hasEmptyString({user, group, videoPort, privatePort})) {
        m_ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    quint16 rtsp = 0;
    quint16 port = 0;
    if (!DeviceFormRules::parsePort(videoPort, &rtsp) || !DeviceFormRules::parsePort(privatePort, &port)) {
        m_ui->m_lblTextInfo->setText(SharedTexts::invalidFormatText());
        (DeviceFormRules::parsePort(videoPort, &rtsp) ? m_ui->m_PrivatePortlineEdit : m_ui->m_VideoPortlineEdit)
            ->setFocus();
        return;
    }
    if (m_dev) {
        m_dev->name = name;
        m_dev->password = password;
        m_dev->userName = user;
        m_dev->group = group;
        m_dev->rtspPort = rtsp;
        m_dev->devPort = port;
        if (m_dev->devType == 2)
            m_dev->onvifAuth = m_ui->comboBoxAuth->currentIndex();
    }
    accept();
}

void EditClientDevDlg::on_pushButtonForgot_clicked()
{
    if (!m_dev)
        return;
    if (m_dev->loginStatus == 0) {
        MsgTipInfoDlg::showTip(CommonHelper::getDevStatusText(m_dev), 2000);
        return;
    }
    if (!m_resetInfo.isEmpty() && !m_refused) {
        ForgotPassword forgot(nullptr);
        connect(&forgot, &ForgotPassword::resetPassword, this, [this](const QString &, const QString &) {
            close();
            accept();
        });
        forgot.setDevInfo(m_dev);
        forgot.raise();
        forgot.exec();
        return;
    }
    MsgTipInfoDlg::showTip(tr("The password is the default."), 2000);
}

void EditClientDevDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        updateTitle();
        CommonHelper::fitDialogToTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
