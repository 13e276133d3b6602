#include "CNVRChannelAddDevDlg.h"

#include "ui_CNVRChannelAddDevDlg.h"

#include "AddressCheck.h"
#include "ChannelInputRules.h"
#include "CommonHelper.h"
#include "CommonHelperWidgets.h"
#include "KelvoCommon.h"
#include "SharedTexts.h"

#include <QEvent>
#include <QListView>
#include <QRegularExpressionValidator>

CNVRChannelAddDevDlg::CNVRChannelAddDevDlg(QWidget *parent)
    : DropShadowWidget(parent)
    , ui(new Ui::CNVRChannelAddDevDlg)
{
    ui->setupUi(this);
    connect(ui->m_btnClose, &QPushButton::clicked, this, &CNVRChannelAddDevDlg::onbtnCloseclicked);
    connect(ui->m_OKBtn, &QPushButton::clicked, this, &CNVRChannelAddDevDlg::onbtnOkClicked);
    connect(ui->m_CancelBtn, &QPushButton::clicked, this, &CNVRChannelAddDevDlg::onbtnCancleClicked);
    ui->m_ProtocolCmbBox->setCurrentIndex(0);
    ui->m_UserNamelineEdit->setText(DEFAULT_DEV_USER);
    ui->m_PassWdlineEdit->setText(DEFAULT_DEV_PASSWORD);
    ui->m_PassWdlineEdit->setEchoMode(QLineEdit::Password);
    CommonHelper::addPasswordViewAction(ui->m_PassWdlineEdit, false);
    ui->m_PortlineEdit->setText(QStringLiteral("2028"));
    connect(ui->m_ProtocolCmbBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CNVRChannelAddDevDlg::protocolCmbBoxValueChanged);
    // "Changed" is what the operator did; a protocol he chooses brings its
    // own port.
    m_edits.watch(QStringLiteral("IpAddr"), ui->m_IPAddrlineEdit);
    m_edits.watch(QStringLiteral("Username"), ui->m_UserNamelineEdit);
    m_edits.watch(QStringLiteral("Password"), ui->m_PassWdlineEdit);
    m_edits.watch(QStringLiteral("CtrlPort"), ui->m_PortlineEdit);
    m_edits.watch(QStringLiteral("Protocol"), ui->m_ProtocolCmbBox);
    m_edits.watch(QStringLiteral("AuthType"), ui->comboBoxType);
    m_edits.watch(QStringLiteral("DoubleCam"), ui->m_doubleCamCbBox);
    connect(&m_edits, &OperatorEdits::operatorActed, this, [this](const QString &key) {
        if (key == QLatin1String("Protocol"))
            m_edits.mark(QStringLiteral("CtrlPort"));
    });
    ui->m_IPAddrlineEdit->setValidator(AddressCheck::validator(ui->m_IPAddrlineEdit));
    ui->m_PortlineEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,5}")), ui->m_PortlineEdit));
    ChannelInputRules::setCredentialValidator(ui->m_UserNamelineEdit);
    ChannelInputRules::setCredentialValidator(ui->m_PassWdlineEdit);
    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->setView(new QListView(combo));
    setOnvifMode(false);
    // As tall as its rows: the form's own size left a large empty area.
    adjustSize();
}

CNVRChannelAddDevDlg::~CNVRChannelAddDevDlg()
{
    delete ui;
}

void CNVRChannelAddDevDlg::setChannelId(int row)
{
    // Each use starts as an add from the defaults: neither a change's title
    // nor its fields are carried into it. A change fills them next.
    resetToDefaults();
    m_channelIndex = row;
}

void CNVRChannelAddDevDlg::resetToDefaults()
{
    const OperatorEdits::Filling filling(m_edits);
    m_edits.clearReported();
    ui->m_lblTextTitle->setText(tr("NVRChannelAdd"));
    ui->m_IPAddrlineEdit->clear();
    ui->m_IPAddrlineEdit->setVisible(true);
    ChannelInputRules::showListed(ui->m_UserNamelineEdit, DEFAULT_DEV_USER);
    ChannelInputRules::showListed(ui->m_PassWdlineEdit, DEFAULT_DEV_PASSWORD);
    ui->m_ProtocolCmbBox->setCurrentIndex(0);
    protocolCmbBoxValueChanged(0);
    ui->comboBoxType->setCurrentIndex(0);
    ui->m_doubleCamCbBox->setCurrentIndex(0);
    ui->m_lblTextInfo->clear();
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        CommonHelper::markAtFault(edit, false);
    m_modify = false;
    m_record.clear();
}

void CNVRChannelAddDevDlg::setChannelInfo(const QHash<QString, QString> &record)
{
    auto value = [&record](const char *key) { return record.value(QLatin1String(key)).trimmed(); };
    const OperatorEdits::Filling filling(m_edits);
    m_edits.setReported(record);
    ui->m_lblTextTitle->setText(QObject::tr("Modify Channel Dev"));
    ui->m_IPAddrlineEdit->setText(value("IpAddr"));
    // The camera's login whole and as listed: it goes back so when untouched.
    ChannelInputRules::showListed(ui->m_UserNamelineEdit, record.value(QStringLiteral("Username")));
    ChannelInputRules::showListed(ui->m_PassWdlineEdit, record.value(QStringLiteral("Password")));
    ui->m_ProtocolCmbBox->setCurrentIndex(value("Protocol") == QLatin1String("ONVIF") ? 1 : 0);
    // Signals are blocked while filling: the rows of the protocol follow here.
    setOnvifMode(ui->m_ProtocolCmbBox->currentIndex() == 1);
    // A missing value reads as the first item; one that is no item shows none.
    auto index = [&value](const char *key) { return value(key).isEmpty() ? 0 : DeviceValue::toInt(value(key), -1); };
    ui->comboBoxType->setCurrentIndex(index("AuthType"));
    m_modify = true;
    const QString port = value("CtrlPort");
    ui->m_PortlineEdit->setText(port.isEmpty() ? value("VideoPort") : port);
    ui->m_doubleCamCbBox->setCurrentIndex(index("DoubleCam"));
    m_record = record;
}

void CNVRChannelAddDevDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void CNVRChannelAddDevDlg::onbtnOkClicked()
{
    // A change sends every field the operator left alone as the channel
    // listed it; typed addresses and ports are trimmed, typed logins go as
    // typed. An add sends what the fields hold.
    auto sent = [this](const char *key, const QString &fromControl) {
        const QString name = QLatin1String(key);
        // A listed value that is blank stands for nothing: the field's goes.
        return m_modify && !m_edits.value(name).trimmed().isEmpty() ? m_edits.send(name, fromControl) : fromControl;
    };
    const QString ip = sent("IpAddr", ui->m_IPAddrlineEdit->text().trimmed());
    const QString user = m_modify ? m_edits.send(QStringLiteral("Username"), ui->m_UserNamelineEdit->text())
                                  : ui->m_UserNamelineEdit->text();
    const QString password = m_modify ? m_edits.send(QStringLiteral("Password"), ui->m_PassWdlineEdit->text())
                                      : ui->m_PassWdlineEdit->text();
    const QString port = sent("CtrlPort", ui->m_PortlineEdit->text().trimmed());
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        CommonHelper::markAtFault(edit, false);
    const QList<QPair<QString, QLineEdit *>> fields{{ip, ui->m_IPAddrlineEdit},
                                                    {user, ui->m_UserNamelineEdit},
                                                    {password, ui->m_PassWdlineEdit},
                                                    {port, ui->m_PortlineEdit}};
    for (const auto &field : fields) {
        if (CommonHelper::hasEmptyString({field.first})) {
            refuse(SharedTexts::incompleteInfoText(), field.second);
            return;
        }
    }
    // What the operator typed is judged; what goes back as listed is the
    // NVR's own.
    const auto typed = [this](const char *key) { return !m_modify || m_edits.edited(QLatin1String(key)); };
    if (typed("IpAddr") && !AddressCheck::isAddress(ip)) {
        refuse(SharedTexts::invalidFormatText(), ui->m_IPAddrlineEdit);
        return;
    }
    if (typed("CtrlPort") && !ChannelInputRules::isPort(port)) {
        refuse(SharedTexts::invalidFormatText(), ui->m_PortlineEdit);
        return;
    }
    const int protocol = ui->m_ProtocolCmbBox->currentIndex();
    const int auth = ui->comboBoxType->currentIndex();
    const int lens = ui->m_doubleCamCbBox->currentIndex();
    const QString videoPort = m_modify ? m_record.value(QStringLiteral("VideoPort")) : QString();
    QHash<QString, QString> record;
    // A changed channel is named as the list named it.
    if (m_modify)
        record.insert(QStringLiteral("ChannelId"), m_record.value(QStringLiteral("ChannelId")));
    record.insert(QStringLiteral("IpAddr"), ip);
    record.insert(QStringLiteral("Protocol"),
                  sent("Protocol", protocol == 0 ? QStringLiteral("BRELON") : QStringLiteral("ONVIF")));
    record.insert(QStringLiteral("Username"), user);
    record.insert(QStringLiteral("Password"), password);
    record.insert(QStringLiteral("CtrlPort"), port);
    record.insert(QStringLiteral("VideoPort"), videoPort.trimmed().isEmpty() ? QStringLiteral("554") : videoPort);
    record.insert(QStringLiteral("AuthType"), sent("AuthType", QString::number(qMax(auth, 0))));
    record.insert(QStringLiteral("DoubleCam"), sent("DoubleCam", QString::number(qMax(lens, 0))));
    m_keepOpen = false;
    if (m_modify)
        emit siganlModifyChannel({record}, {m_channelIndex});
    else
        emit siganlAddChannel({record}, {m_channelIndex});
    if (!m_keepOpen)
        accept();
}

void CNVRChannelAddDevDlg::refuse(const QString &text, QLineEdit *atFault)
{
    // One text fits several fields: the mark and the focus say which.
    ui->m_lblTextInfo->setText(CommonHelper::pointAtFault(atFault, text));
}

void CNVRChannelAddDevDlg::onbtnCloseclicked()
{
    resetToDefaults();
    reject();
}

void CNVRChannelAddDevDlg::onbtnCancleClicked()
{
    onbtnCloseclicked();
}

void CNVRChannelAddDevDlg::protocolCmbBoxValueChanged(int index)
{
    if (index == 0) {
        ui->m_PortlineEdit->setText(QStringLiteral("2028"));
        setOnvifMode(false);
    } else if (index == 1) {
        ui->m_PortlineEdit->setText(QStringLiteral("80"));
        setOnvifMode(true);
    } else {
        ui->m_PortlineEdit->clear();
        setOnvifMode(false);
    }
}

void CNVRChannelAddDevDlg::setOnvifMode(bool onvif)
{
    ui->labelType->setVisible(onvif);
    ui->comboBoxType->setVisible(onvif);
    ui->m_lblDoubleCam->setVisible(!onvif);
    ui->m_doubleCamCbBox->setVisible(!onvif);
}

void CNVRChannelAddDevDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        adjustSize();
    }
    DropShadowWidget::changeEvent(event);
}
