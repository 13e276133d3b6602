#include "CNVRChannelModifyIPDlg.h"

#include "ui_CNVRChannelModifyIPDlg.h"

#include "AddressCheck.h"
#include "ChannelInputRules.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "PrivateProto.h"
#include "SharedTexts.h"

#include <QEvent>

CNVRChannelModifyIPDlg::CNVRChannelModifyIPDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRChannelModifyIPDlg)
{
    ui->setupUi(this);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRChannelModifyIPDlg::onbtnCloseclicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRChannelModifyIPDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRChannelModifyIPDlg::onbtnOkClicked);
    for (QLineEdit *edit : {ui->m_IPAddrlineEdit, ui->m_NetmasklineEdit, ui->m_GatewaylineEdit})
        edit->setValidator(AddressCheck::validator(edit));
    ChannelInputRules::setCredentialValidator(ui->m_UserNamelineEdit);
    ChannelInputRules::setCredentialValidator(ui->m_PassWdlineEdit);
    m_edits.watch(QStringLiteral("Username"), ui->m_UserNamelineEdit);
    m_edits.watch(QStringLiteral("Password"), ui->m_PassWdlineEdit);
    // As tall as its rows, without an empty area below them.
    adjustSize();
}

CNVRChannelModifyIPDlg::~CNVRChannelModifyIPDlg()
{
    delete ui;
}

void CNVRChannelModifyIPDlg::setDevInfo(const QHash<QString, QString> &record, FUN_DEV_INFO *nvr)
{
    if (!nvr)
        return;
    m_nvr = nvr;
    m_record = record;
    const OperatorEdits::Filling filling(m_edits);
    m_edits.setReported(record);
    auto value = [&record](const char *key) { return record.value(QLatin1String(key)).trimmed(); };
    ui->m_lblTextTitle->setText(tr("Modify IP-") + value("IPAddress"));
    ui->m_IPAddrlineEdit->setText(value("IPAddress"));
    ui->m_NetmasklineEdit->setText(value("Netmask"));
    ui->m_GatewaylineEdit->setText(value("Gateway"));
    // The camera's login whole and as listed: it goes back so when untouched.
    ChannelInputRules::showListed(ui->m_UserNamelineEdit, record.value(QStringLiteral("Username")));
    ChannelInputRules::showListed(ui->m_PassWdlineEdit, record.value(QStringLiteral("Password")));
    // The NVR cannot re-address an ONVIF camera; only its login can change.
    const bool onvif = value("Protocol") == QLatin1String("ONVIF");
    ui->m_IPAddrlineEdit->setReadOnly(onvif);
    ui->m_NetmasklineEdit->setReadOnly(onvif);
    ui->m_GatewaylineEdit->setReadOnly(onvif);
}

void CNVRChannelModifyIPDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void CNVRChannelModifyIPDlg::onbtnOkClicked()
{
    const QString ip = ui->m_IPAddrlineEdit->text().trimmed();
    const QString mask = ui->m_NetmasklineEdit->text().trimmed();
    const QString gateway = ui->m_GatewaylineEdit->text().trimmed();
    // Logins as listed when untouched, as typed otherwise.
    const QString user = m_edits.send(QStringLiteral("Username"), ui->m_UserNamelineEdit->text());
    const QString password = m_edits.send(QStringLiteral("Password"), ui->m_PassWdlineEdit->text());
    if (CommonHelper::hasEmptyString({ip, mask, gateway, user, password})) {
        ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    auto value = [this](const char *key) { return m_record.value(QLatin1String(key)).trimmed(); };
    // The camera is named as the NVR listed it.
    auto listed = [this](const char *key) { return PrivateProto::escapeText(m_record.value(QLatin1String(key))); };
    // What the NVR listed goes back as listed; what the operator changed is
    // judged (AddressCheck::judged), a changed setting must hold together,
    // and the field at fault is marked.
    const QList<QLineEdit *> fields{ui->m_IPAddrlineEdit, ui->m_NetmasklineEdit, ui->m_GatewaylineEdit};
    const QStringList asListed{value("IPAddress"), value("Netmask"), value("Gateway")};
    AddressCheck::Network network;
    for (int i = AddressCheck::Ip; i <= AddressCheck::Gateway; ++i) {
        network.texts[i] = fields.at(i)->text().trimmed();
        network.typed[i] = network.texts[i] != asListed.at(i);
        CommonHelper::markAtFault(fields.at(i), false);
    }
    network.currentIp = value("IPAddress");
    const AddressCheck::Verdict verdict = AddressCheck::judge(network);
    if (!verdict.ok()) {
        ui->m_lblTextInfo->setText(CommonHelper::pointAtFault(fields.value(verdict.field), verdict.message));
        return;
    }
    ui->m_lblTextInfo->clear();
    const QString body = CommonHelper::fillTemplate(
        QStringLiteral("<Protocol>%1</Protocol><IPAddressOld>%2</IPAddressOld><IPAddressNew>%3</IPAddressNew>"
                       "<Username>%4</Username><Password>%5</Password><CtrlPort>%6</CtrlPort><UID>%7</UID>"
                       "<MacAddress>%8</MacAddress><Netmask>%9</Netmask><Gateway>%10</Gateway>"),
        {listed("Protocol"), listed("IPAddress"), PrivateProto::escapeText(ip), PrivateProto::escapeText(user),
         PrivateProto::escapeText(password), listed("CtrlPort"), listed("UID"), listed("MacAddress"),
         PrivateProto::escapeText(mask), PrivateProto::escapeText(gateway)});
    const loginDev key = toLoginDev(m_nvr);
    if (key.ip.isEmpty())
        return;
    const bool sent =
        m_route.conversation
            ? m_route.conversation->send(m_route.requester, Cmd::ReaddressCamera, body, 0, RequestKind::Save)
            : ConfigConversation::sendThrough(nullptr, this, m_nvr, Cmd::ReaddressCamera, body, 0, RequestKind::Save);
    // An NVR that cannot be reached is said; the dialog keeps what was typed.
    if (!sent) {
        MsgTipInfoDlg::showTip(SharedTexts::configFailedText(), 2000);
        return;
    }
    accept();
}

void CNVRChannelModifyIPDlg::onbtnCloseclicked()
{
    ui->m_lblTextInfo->clear();
    reject();
}

void CNVRChannelModifyIPDlg::onbtnCancleClicked()
{
    onbtnCloseclicked();
}

void CNVRChannelModifyIPDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        adjustSize();
    }
    DropShadowWidget::changeEvent(event);
}
