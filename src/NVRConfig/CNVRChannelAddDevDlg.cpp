#include "CNVRChannelAddDevDlg.h"

#include "ui_CNVRChannelAddDevDlg.h"

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
    connect(ui->m_ProtocolCmbBox, QOverload<int>::of(&QComboBox::activated), this,
            [this] { m_protocolTouched = true; });
    ChannelInputRules::setIpv4Validator(ui->m_IPAddrlineEdit);
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
    ui->m_lblTextTitle->setText(tr("NVRChannelAdd"));
    ui->m_IPAddrlineEdit->clear();
    ui->m_IPAddrlineEdit->setVisible(true);
    ChannelInputRules::showListed(ui->m_UserNamelineEdit, DEFAULT_DEV_USER);
    ChannelInputRules::showListed(ui->m_PassWdlineEdit, DEFAULT_DEV_PASSWORD);
    m_protocolTouched = false;
    ui->m_ProtocolCmbBox->setCurrentIndex(0);
    protocolCmbBoxValueChanged(0);
    ui->comboBoxType->setCurrentIndex(0);
    ui->m_doubleCamCbBox->setCurrentIndex(0);
    ui->m_lblTextInfo->clear();
    m_modify = false;
    m_record.clear();
}

void CNVRChannelAddDevDlg::setChannelInfo(const QHash<QString, QString> &record)
{
    auto value = [&record](const char *key) { return record.value(QLatin1String(key)).trimmed(); };
    ui->m_lblTextTitle->setText(QObject::tr("Modify Channel Dev"));
    ui->m_IPAddrlineEdit->setText(value("IpAddr"));
    // The camera's login whole and as listed: it goes back so when untouched.
    ChannelInputRules::showListed(ui->m_UserNamelineEdit, record.value(QStringLiteral("Username")));
    ChannelInputRules::showListed(ui->m_PassWdlineEdit, record.value(QStringLiteral("Password")));
    ui->m_ProtocolCmbBox->setCurrentIndex(value("Protocol") == QLatin1String("ONVIF") ? 1 : 0);
    // A missing value reads as the first item; one that is no item shows none.
    auto index = [&value](const char *key) { return value(key).isEmpty() ? 0 : DeviceValue::toInt(value(key), -1); };
    ui->comboBoxType->setCurrentIndex(index("AuthType"));
    m_modify = true;
    const QString port = value("CtrlPort");
    ui->m_PortlineEdit->setText(port.isEmpty() ? value("VideoPort") : port);
    ui->m_doubleCamCbBox->setCurrentIndex(index("DoubleCam"));
    m_record = record;
    m_protocolTouched = false;
    m_shownProtocol = ui->m_ProtocolCmbBox->currentIndex();
    m_shownAuth = ui->comboBoxType->currentIndex();
    m_shownLens = ui->m_doubleCamCbBox->currentIndex();
}

void CNVRChannelAddDevDlg::onEnterPressed()
{
    onbtnOkClicked();
}

void CNVRChannelAddDevDlg::onbtnOkClicked()
{
    // A change sends every field the operator left alone as the channel
    // listed it; typed addresses and ports are trimmed, typed logins go as
    // typed.
    auto listedText = [this](const char *key) { return m_record.value(QLatin1String(key)); };
    auto field = [this, &listedText](const QLineEdit *edit, const char *key, bool trim) {
        if (m_modify && !edit->isModified())
            return listedText(key);
        return trim ? edit->text().trimmed() : edit->text();
    };
    const QString ip = field(ui->m_IPAddrlineEdit, "IpAddr", true);
    const QString user = field(ui->m_UserNamelineEdit, "Username", false);
    const QString password = field(ui->m_PassWdlineEdit, "Password", false);
    // A protocol the operator chose brings its own port.
    const bool portListed = m_modify && !m_protocolTouched && !ui->m_PortlineEdit->isModified()
                            && !listedText("CtrlPort").trimmed().isEmpty();
    const QString port = portListed ? listedText("CtrlPort") : ui->m_PortlineEdit->text().trimmed();
    if (CommonHelper::hasEmptyString({ip, user, password, port})) {
        ui->m_lblTextInfo->setText(SharedTexts::incompleteInfoText());
        return;
    }
    if (ui->m_IPAddrlineEdit->isModified() || !m_modify) {
        if (!ChannelInputRules::isIpv4(ip)) {
            ui->m_lblTextInfo->setText(SharedTexts::invalidFormatText());
            return;
        }
    }
    // A change keeps what the operator left alone as the channel listed it.
    auto listed = [this](const char *key, int shown, int now, const QString &edited) {
        const QString text = m_record.value(QLatin1String(key));
        return m_modify && now == shown && !text.trimmed().isEmpty() ? text : edited;
    };
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
                  listed("Protocol", m_shownProtocol, protocol,
                         protocol == 0 ? QStringLiteral("BRELON") : QStringLiteral("ONVIF")));
    record.insert(QStringLiteral("Username"), user);
    record.insert(QStringLiteral("Password"), password);
    record.insert(QStringLiteral("CtrlPort"), port);
    record.insert(QStringLiteral("VideoPort"), videoPort.trimmed().isEmpty() ? QStringLiteral("554") : videoPort);
    record.insert(QStringLiteral("AuthType"), listed("AuthType", m_shownAuth, auth, QString::number(qMax(auth, 0))));
    record.insert(QStringLiteral("DoubleCam"), listed("DoubleCam", m_shownLens, lens, QString::number(qMax(lens, 0))));
    m_keepOpen = false;
    if (m_modify)
        emit siganlModifyChannel({record}, {m_channelIndex});
    else
        emit siganlAddChannel({record}, {m_channelIndex});
    if (!m_keepOpen)
        accept();
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
