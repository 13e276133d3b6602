#include "BRN_DevContactInfo_Widget.h"
#include "ui_BRN_DevContactInfo_Widget.h"

#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QRegExpValidator>

namespace {
constexpr unsigned int CmdGetContact = Cmd::GetContact;
constexpr unsigned int CmdSetContact = Cmd::SetContact;
constexpr int MaxContactLength = 64;

const QString kPhonePattern =
    QStringLiteral("^(((\\+\\d{2}-)?0\\d{2,3}-\\d{7,8})|((\\+\\d{2}-)?(\\d{2,3}-)?([1][3,4,5,7,8][0-9]\\d{8})))$");
const QString kMailPattern = QStringLiteral("^[A-Za-z0-9]+([-_.][A-Za-z0-9]+)*@([A-Za-z0-9]+[-.])+[A-Za-z0-9]{2,5}$");
} // namespace

BRN_DevContactInfo_Widget::BRN_DevContactInfo_Widget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::BRN_DevContactInfo_Widget)
{
    ui->setupUi(this);
    ui->lineEdit->setMaxLength(MaxContactLength);
    connect(ui->pushButton, &QPushButton::clicked, this, &BRN_DevContactInfo_Widget::onSave);
    CommonHelper::elideChildTexts(this);
}

BRN_DevContactInfo_Widget::~BRN_DevContactInfo_Widget()
{
    delete ui;
}

void BRN_DevContactInfo_Widget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    request(CmdGetContact);
}

void BRN_DevContactInfo_Widget::parseXml(int cmd, const QString &xml)
{
    if (cmd != int(CmdGetContact))
        return;
    ui->lineEdit->setText(
        findValuesInXml(xml, QStringLiteral("contactInfo")).value(QStringLiteral("contactAddress")).trimmed());
    m_received = IpcBody::children(xml, QStringLiteral("contactInfo"));
    m_shown.reset();
    m_shown.filled(QStringLiteral("contactAddress"), ui->lineEdit);
}

bool BRN_DevContactInfo_Widget::isValidContact(const QString &text)
{
    QString candidate = text;
    int pos = 0;
    QRegExpValidator validator(QRegExp(text.contains(QLatin1Char('@')) ? kMailPattern : kPhonePattern));
    return validator.validate(candidate, pos) == QValidator::Acceptable;
}

void BRN_DevContactInfo_Widget::onSave()
{
    if (!canSave())
        return;
    IpcBody::Values values = m_received;
    if (!values.contains(QStringLiteral("contactAddress")) || m_shown.edited(QStringLiteral("contactAddress"))) {
        const QString contact = ui->lineEdit->text().trimmed();
        if (!isValidContact(contact)) {
            MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
            return;
        }
        values.insert(QStringLiteral("contactAddress"), contact);
    }
    request(CmdSetContact, IpcBody::contactInfo(values), 0, RequestKind::Save);
}

ConfigPageSession::Shown BRN_DevContactInfo_Widget::shownValues() const
{
    return m_shown.shown();
}

void BRN_DevContactInfo_Widget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
