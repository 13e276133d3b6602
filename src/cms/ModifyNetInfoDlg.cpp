#include "ModifyNetInfoDlg.h"
#include "ui_ModifyNetInfoDlg.h"

#include "AddressCheck.h"
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
        edit->setValidator(AddressCheck::validator(edit));
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
    const QList<QLineEdit *> fields{m_ui->m_IPAddrlineEdit, m_ui->m_NetmasklineEdit, m_ui->m_GatewaylineEdit,
                                    m_ui->m_DNS1lineEdit, m_ui->m_DNS2lineEdit};
    // What the search found goes back as found; what the operator changed is
    // judged as typed (AddressCheck::judged), and the field at fault marked.
    const QStringList found{m_dev.ip, m_dev.netmask, m_dev.gateway, m_dev.preferredDns, m_dev.standbyDns};
    const QString user = m_ui->m_UserNamelineEdit->text();
    const QString password = m_ui->m_UserPasslineEdit->text();
    AddressCheck::Network network;
    QStringList texts;
    for (int i = 0; i < AddressCheck::FieldCount; ++i) {
        network.texts[i] = fields.at(i)->text().trimmed();
        network.typed[i] = network.texts[i] != found.at(i).trimmed();
        texts << network.texts[i];
        CommonHelper::markAtFault(fields.at(i), false);
    }
    texts << user << password;
    if (CommonHelper::hasEmptyString(texts)) {
        m_ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    const auto refuse = [&](const AddressCheck::Verdict &verdict) {
        m_ui->m_lblTextInfo->setText(CommonHelper::pointAtFault(fields.value(verdict.field), verdict.message));
    };
    AddressCheck::Verdict verdict = AddressCheck::judgeFormats(network);
    if (!verdict.ok()) {
        refuse(verdict);
        return;
    }
    const QString ip = network.texts[AddressCheck::Ip];
    const bool addressChanged = ip != m_ui->m_CurrentIPAddrlineEdit->text().trimmed();

    if (addressChanged) {
        DeviceInfoManager *registry = DeviceInfoManager::instance();
        if ((m_found && m_found->isExisted(ip)) || (registry && registry->findDevInfo(ip))) {
            refuse({AddressCheck::InUse, AddressCheck::Ip, SharedTexts::ipInUseText()});
            return;
        }
    }
    // The device itself answers on an unchanged address; only the subnet counts then.
    network.wholeSetting = true;
    network.currentIp = m_ui->m_CurrentIPAddrlineEdit->text();
    verdict = AddressCheck::judge(network);
    if (!verdict.ok()) {
        refuse(verdict);
        return;
    }

    auto sent = [&](int i) { return AddressCheck::judged(network, i) ? network.texts[i] : found.at(i); };
    m_dev.ip = sent(AddressCheck::Ip);
    m_dev.netmask = sent(AddressCheck::Mask);
    m_dev.gateway = sent(AddressCheck::Gateway);
    m_dev.preferredDns = sent(AddressCheck::Dns1);
    m_dev.standbyDns = sent(AddressCheck::Dns2);
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
