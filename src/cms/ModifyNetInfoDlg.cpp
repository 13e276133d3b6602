#include "ModifyNetInfoDlg.h"
#include "ui_ModifyNetInfoDlg.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "DeviceFormRules.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "SharedTexts.h"

#include <QEvent>

ModifyNetInfoDlg::ModifyNetInfoDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_ui(new Ui::ModifyNetInfoDlg)
{
    m_ui->setupUi(this);
    for (QLineEdit *edit : {m_ui->m_IPAddrlineEdit, m_ui->m_NetmasklineEdit, m_ui->m_GatewaylineEdit,
                            m_ui->m_DNS1lineEdit, m_ui->m_DNS2lineEdit})
        edit->setValidator(DeviceFormRules::ipv4Validator(this));
    m_ui->m_UserNamelineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));
    m_ui->m_UserPasslineEdit->setValidator(DeviceFormRules::noIdeographValidator(this));

    connect(m_ui->m_btnClose, &QPushButton::clicked, this, &ModifyNetInfoDlg::onbtnCloseclicked);
    connect(m_ui->m_CancelBtn, &QPushButton::clicked, this, &ModifyNetInfoDlg::onbtnCancleClicked);
    connect(m_ui->m_OKBtn, &QPushButton::clicked, this, &ModifyNetInfoDlg::onbtnOkClicked);
    // Elide against the laid-out widths, not the default ones.
    layout()->activate();
    CommonHelper::elideChildTexts(this);
}

ModifyNetInfoDlg::~ModifyNetInfoDlg() = default;

void ModifyNetInfoDlg::setFoundDevices(const FoundDeviceTable *table)
{
    m_found = table;
}

void ModifyNetInfoDlg::setDevInfo(const SearchDevInfo &dev)
{
    m_dev = dev;
    updateTitle();
    m_ui->m_CurrentIPAddrlineEdit->setText(dev.ip);
    m_ui->m_IPAddrlineEdit->setText(dev.ip);
    m_ui->m_NetmasklineEdit->setText(dev.netmask);
    m_ui->m_GatewaylineEdit->setText(dev.gateway);
    m_ui->m_DNS1lineEdit->setText(dev.preferredDns);
    m_ui->m_DNS2lineEdit->setText(dev.standbyDns);
    m_ui->m_UserNamelineEdit->setText(DEFAULT_DEV_USER);
    m_ui->m_UserPasslineEdit->setText(DEFAULT_DEV_PASSWORD);
    m_ui->m_UserPasslineEdit->setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(m_ui->m_UserPasslineEdit, false);
}

void ModifyNetInfoDlg::updateTitle()
{
    m_ui->m_lblTextTitle->setText(tr("Modify IP-") + m_dev.ip);
}

void ModifyNetInfoDlg::onbtnCloseclicked()
{
    m_ui->m_lblTextInfo->clear();
    reject();
}

void ModifyNetInfoDlg::onbtnCancleClicked()
{
    onbtnCloseclicked();
}

void ModifyNetInfoDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void ModifyNetInfoDlg::onbtnOkClicked()
{
    const QString ipText = m_ui->m_IPAddrlineEdit->text();
    const QString maskText = m_ui->m_NetmasklineEdit->text();
    const QString gatewayText = m_ui->m_GatewaylineEdit->text();
    const QString dns1Text = m_ui->m_DNS1lineEdit->text();
    const QString dns2Text = m_ui->m_DNS2lineEdit->text();
    const QString user = m_ui->m_UserNamelineEdit->text();
    const QString password = m_ui->m_UserPasslineEdit->text();

    if (CommonHelper::hasEmptyString({ipText, maskText, gatewayText, dns1Text, dns2Text, user, password})) {
        m_ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    for (QLineEdit *edit : {m_ui->m_IPAddrlineEdit, m_ui->m_NetmasklineEdit, m_ui->m_GatewaylineEdit,
                            m_ui->m_DNS1lineEdit, m_ui->m_DNS2lineEdit}) {
        if (!DeviceFormRules::isIpv4(edit->text())) {
            m_ui->m_lblTextInfo->setText(SharedTexts::invalidFormatText());
            edit->setFocus();
            return;
        }
    }
    const QString ip = DeviceFormRules::canonicalIpv4(ipText);
    const QString mask = DeviceFormRules::canonicalIpv4(maskText);
    const QString gateway = DeviceFormRules::canonicalIpv4(gatewayText);
    const QString current = DeviceFormRules::canonicalIpv4(m_ui->m_CurrentIPAddrlineEdit->text());
    const bool addressChanged = ip != current;

    if (addressChanged) {
        if (m_found && m_found->isExisted(ip)) {
            m_ui->m_lblTextInfo->setText(SharedTexts::ipInUseText());
            return;
        }
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        if (registry && registry->findDevInfo(ip)) {
            m_ui->m_lblTextInfo->setText(SharedTexts::ipInUseText());
            return;
        }
    }
    // The device itself answers on an unchanged address; only the subnet counts then.
    const int check = CommonHelper::checkIpAddress(ip, mask, gateway, addressChanged);
    if (check == 1) {
        m_ui->m_lblTextInfo->setText(SharedTexts::ipInUseText());
        return;
    }
    if (check == 2) {
        m_ui->m_lblTextInfo->setText(SharedTexts::subnetMismatchText());
        return;
    }

    m_dev.ip = ip;
    m_dev.netmask = mask;
    m_dev.gateway = gateway;
    m_dev.preferredDns = DeviceFormRules::canonicalIpv4(dns1Text);
    m_dev.standbyDns = DeviceFormRules::canonicalIpv4(dns2Text);
    m_dev.userName = user;
    m_dev.password = password;
    KelvoSDKHelper::instance()->modifyNetwork(m_dev);
    accept();
}

void ModifyNetInfoDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        updateTitle();
        CommonHelper::elideChildTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
