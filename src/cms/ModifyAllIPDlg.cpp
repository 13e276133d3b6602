#include "ModifyAllIPDlg.h"
#include "ui_ModifyAllIPDlg.h"

#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "AddressCheck.h"
#include "DeviceInfoManager.h"
#include "KelvoSDKHelper.h"
#include "ModifyNetInfoDlg.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>
#include <QSet>

ModifyAllIPDlg::ModifyAllIPDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , m_ui(new Ui::ModifyAllIPDlg)
{
    m_ui->setupUi(this);
    connect(m_ui->m_btnClose, &QPushButton::clicked, this, &ModifyAllIPDlg::onbtnCloseclicked);
    connect(m_ui->m_CancelBtn, &QPushButton::clicked, this, &ModifyAllIPDlg::onbtnCancleClicked);
    connect(m_ui->m_OKBtn, &QPushButton::clicked, this, &ModifyAllIPDlg::onbtnOkClicked);
    // Elide against the laid-out widths, not the default ones.
    layout()->activate();
    CommonHelper::elideChildTexts(this);
}

ModifyAllIPDlg::~ModifyAllIPDlg()
{
    qDeleteAll(m_devices);
}

void ModifyAllIPDlg::setDevices(const QList<SearchDevInfo *> &devices)
{
    if (devices.isEmpty())
        return;
    for (SearchDevInfo *dev : qAsConst(m_devices)) {
        if (!devices.contains(dev))
            delete dev;
    }
    m_devices = devices;
    const SearchDevInfo *first = m_devices.first();
    m_ui->m_StartIPAddrlineEdit->clear();
    m_ui->m_NetmasklineEdit->setText(first ? first->netmask : QString());
    m_ui->m_GatewaylineEdit->setText(first ? first->gateway : QString());
    m_ui->m_DNS1lineEdit->clear();
    m_ui->m_DNS2lineEdit->clear();
    m_ui->m_UserNamelineEdit->setText(DEFAULT_DEV_USER);
    m_ui->m_UserPasslineEdit->setText(DEFAULT_DEV_PASSWORD);
    m_ui->m_UserPasslineEdit->setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(m_ui->m_UserPasslineEdit, false);
}

void ModifyAllIPDlg::setFoundDevices(const FoundDeviceTable *table)
{
    m_found = table;
}

void ModifyAllIPDlg::onbtnCloseclicked()
{
    m_ui->m_lblTextInfo->clear();
    m_closed = true;
    reject();
}

void ModifyAllIPDlg::onbtnCancleClicked()
{
    onbtnCloseclicked();
}

void ModifyAllIPDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void ModifyAllIPDlg::onbtnOkClicked()
{
    const QString start = m_ui->m_StartIPAddrlineEdit->text().trimmed();
    const QString mask = m_ui->m_NetmasklineEdit->text().trimmed();
    const QString gateway = m_ui->m_GatewaylineEdit->text().trimmed();
    const QString user = m_ui->m_UserNamelineEdit->text().trimmed();
    const QString password = m_ui->m_UserPasslineEdit->text().trimmed();

    if (CommonHelper::hasEmptyString({start, mask, gateway, user, password})) {
        m_ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    // The whole setting is the operator's; the DNS servers may stay empty,
    // typed they must be addresses. The field at fault is marked.
    AddressCheck::Network network;
    const QList<QLineEdit *> fields{m_ui->m_StartIPAddrlineEdit, m_ui->m_NetmasklineEdit, m_ui->m_GatewaylineEdit,
                                    m_ui->m_DNS1lineEdit, m_ui->m_DNS2lineEdit};
    for (int i = 0; i < AddressCheck::FieldCount; ++i) {
        network.texts[i] = fields.at(i)->text().trimmed();
        network.typed[i] = i <= AddressCheck::Gateway || !network.texts[i].isEmpty();
        CommonHelper::markAtFault(fields.at(i), false);
    }
    const AddressCheck::Verdict verdict = AddressCheck::judge(network);
    if (!verdict.ok()) {
        m_ui->m_lblTextInfo->setText(CommonHelper::pointAtFault(fields.value(verdict.field), verdict.message));
        return;
    }
    modifyIP();
}

QList<QString> ModifyAllIPDlg::getAllFreeIPAddr(const QString &startIp, int count)
{
    Q_UNUSED(startIp)
    QList<QString> result;
    const std::optional<quint32> startNumber = AddressCheck::toNumber(m_ui->m_StartIPAddrlineEdit->text().trimmed());
    const std::optional<quint32> maskNumber = AddressCheck::toNumber(m_ui->m_NetmasklineEdit->text().trimmed());
    const std::optional<quint32> gatewayNumber = AddressCheck::toNumber(m_ui->m_GatewaylineEdit->text().trimmed());
    if (count <= 0 || !startNumber || !maskNumber || !gatewayNumber)
        return result;
    const quint32 start = *startNumber;
    const quint32 mask = *maskNumber;
    const quint32 gateway = *gatewayNumber;

    const QString maskText = AddressCheck::fromNumber(mask);
    const QString gatewayText = AddressCheck::fromNumber(gateway);
    const quint32 network = start & mask;
    const quint32 broadcast = network | ~mask;

    // Addresses that are taken whether or not they answer a ping: registered
    // devices and found devices other than the ones being changed.
    QSet<QString> changing;
    for (const SearchDevInfo *dev : qAsConst(m_devices)) {
        if (dev)
            changing.insert(dev->ip.trimmed());
    }
    DeviceInfoManager *registry = DeviceInfoManager::instance();

    // Only the last part counts up, as far as .255 of the start address.
    // Nothing above the subnet's broadcast address can be a host of it.
    const quint32 last = qMin<quint32>(start | 0xFFu, broadcast);
    for (quint64 n = start; n <= last && result.size() < count; ++n) {
        const quint32 candidate = static_cast<quint32>(n);
        const QString text = AddressCheck::fromNumber(candidate);
        if (n != start)
            qDebug() << "  check  ip" << text;
        if ((candidate & mask) != network || candidate == network || candidate == broadcast || candidate == gateway)
            continue;
        if (registry && registry->findDevInfo(text))
            continue;
        if (m_found && !changing.contains(text) && m_found->isExisted(text))
            continue;
        if (CommonHelper::checkIpAddress(text, maskText, gatewayText, true) == 0) {
            qDebug() << " add free  ip" << text;
            result.append(text);
        }
    }
    return result;
}

void ModifyAllIPDlg::modifyIP()
{
    if (m_closed)
        return;
    const int n = m_devices.size();
    const QList<QString> freeAddresses = getAllFreeIPAddr(m_ui->m_StartIPAddrlineEdit->text().trimmed(), n);
    if (freeAddresses.size() < n) {
        m_ui->m_lblTextInfo->setText(tr("Not enough free IP addresses for the selected devices."));
        return;
    }
    const QString mask = m_ui->m_NetmasklineEdit->text().trimmed();
    const QString gateway = m_ui->m_GatewaylineEdit->text().trimmed();
    const QString dns1 = m_ui->m_DNS1lineEdit->text().trimmed();
    const QString dns2 = m_ui->m_DNS2lineEdit->text().trimmed();
    for (int i = 0; i < n; ++i) {
        if (!m_devices.at(i))
            continue;
        SearchDevInfo dev = *m_devices.at(i);
        qDebug() << "old " + dev.ip + "new" + freeAddresses.at(i);
        dev.ip = freeAddresses.at(i);
        dev.netmask = mask;
        dev.gateway = gateway;
        dev.preferredDns = dns1;
        dev.standbyDns = dns2;
        dev.userName = m_ui->m_UserNamelineEdit->text().trimmed();
        dev.password = m_ui->m_UserPasslineEdit->text().trimmed();
        KelvoSDKHelper::instance()->modifyNetwork(dev);
    }
    accept();
}

void ModifyAllIPDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        CommonHelper::elideChildTexts(this);
    }
    DropShadowWidget::changeEvent(event);
}
