#include "CNVRBasicSetting.h"

#include "ui_CNVRBasicSetting.h"

#include "CNVRLockScreenDlg.h"
#include "CommonHelper.h"
#include "PrivateProto.h"

#include <QDebug>
#include <QEvent>

namespace {
// Entries of the NVR's language and resolution lists shown at most.
constexpr int MaxListed = 64;
} // namespace

CNVRBasicSetting::CNVRBasicSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRBasicSetting)
{
    m_lockDlg = new CNVRLockScreenDlg(this);
    ui->setupUi(this);
    // The NVR's own names of its menu languages, compared exactly.
    const char *const names[] = {
        "(简体中文)", "English", "Indonesia", "Русский язык", "Nederlands", "(čeština)",
        "(slovenský)", "Magyar", "(Română)", "Deutsch", "(Slovenščina)", "(български)",
        "(Ελληνικά)", "(ភាសាខ្មែរ)", "(Français)", "(Español)", "(Português)", "(Türkçe)",
    };
    for (int code = 0; code < int(sizeof(names) / sizeof(names[0])); ++code)
        m_languages.insert(code, QString::fromUtf8(names[code]));
    m_fixedResolutions = QStringList {QStringLiteral("1280*1024"), QStringLiteral("1366*768"), QStringLiteral("1920*1080")};
    initComboItems();
    ui->labelLogLevel->hide();
    ui->comboBoxLogLevel->hide();
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVRBasicSetting::onSaveBtnClicked);
    connect(ui->m_btnSetting, &QPushButton::clicked, this, &CNVRBasicSetting::onSettingBtnClicked);
    connect(ui->m_cbxLanguage, QOverload<int>::of(&QComboBox::activated), this, &CNVRBasicSetting::onLanguageChanged);
    CommonHelper::elideChildTexts(this);
}

CNVRBasicSetting::~CNVRBasicSetting()
{
    delete ui;
}

void CNVRBasicSetting::setDevInfo(FUN_DEV_INFO *dev)
{
    m_dev = dev;
}

void CNVRBasicSetting::initComboItems()
{
    ui->m_cbxTransparency->clear();
    ui->m_cbxTransparency->addItems({tr("Opaque"), tr("Translucent"), tr("Transparent")});
    ui->m_cbxBootWizard->clear();
    ui->m_cbxBootWizard->addItems({tr("Disable"), tr("Enable")});
}

int CNVRBasicSetting::languageCode(const QString &name) const
{
    for (int code = 0; code < m_languages.size(); ++code) {
        if (m_languages.value(code) == name)
            return code;
    }
    return 0;
}

void CNVRBasicSetting::fillResolutions(int code)
{
    ui->m_cbxResolution->addItems(code == 0 || code == 1 ? m_devResolutions : m_fixedResolutions);
}

void CNVRBasicSetting::updateLanguageList(const QString &language, const QString &languageList)
{
    ui->m_cbxLanguage->clear();
    m_devLanguages = languageList.split(QLatin1Char(','), Qt::SkipEmptyParts);
    DeviceValue::boundList(m_devLanguages, MaxListed, "languages");
    if (m_devLanguages.isEmpty()) {
        qDebug() << "split fail." << languageList;
        return;
    }
    ui->m_cbxLanguage->addItems(m_devLanguages);
    bool ok = false;
    const int code = language.toInt(&ok);
    if (ok && m_languages.contains(code)) {
        const int index = ui->m_cbxLanguage->findText(m_languages.value(code), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            ui->m_cbxLanguage->setCurrentIndex(index);
    }
}

void CNVRBasicSetting::updateResolutionList(const QString &language, const QString &resolutionList)
{
    ui->m_cbxResolution->clear();
    m_devResolutions = resolutionList.split(QLatin1Char(','), Qt::SkipEmptyParts);
    DeviceValue::boundList(m_devResolutions, MaxListed, "resolutions");
    if (m_devResolutions.isEmpty()) {
        qDebug() << "split fail." << resolutionList;
        return;
    }
    fillResolutions(DeviceValue::toInt(language));
}

void CNVRBasicSetting::parseBasicInfo(const QString &xml)
{
    if (xml.isEmpty())
        return;
    const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
    if (body.isEmpty())
        return;
    const QString language = body.value(QStringLiteral("language"));
    updateLanguageList(language, body.value(QStringLiteral("languageList")));
    m_rawTransparency = body.value(QStringLiteral("transparency"));
    ui->m_cbxTransparency->setCurrentIndex(DeviceValue::toInt(m_rawTransparency));
    updateResolutionList(language, body.value(QStringLiteral("resolutionList")));
    const int resolution = ui->m_cbxResolution->findText(body.value(QStringLiteral("resolution")), Qt::MatchExactly);
    if (resolution >= 0)
        ui->m_cbxResolution->setCurrentIndex(resolution);
    ui->m_lineLockScreen->setText(body.value(QStringLiteral("lockScreenTime")));
    m_rawGuide = body.value(QStringLiteral("guideEnable"));
    ui->m_cbxBootWizard->setCurrentIndex(DeviceValue::toInt(m_rawGuide));
    m_lockDlg->setLockScreenOp(DeviceValue::toInt(body.value(QStringLiteral("lockScreenOp"))));
    ui->checkBoxPNP->setChecked(DeviceValue::toInt(body.value(QStringLiteral("autoAddIpc"))) >= 1);
    const QString levelText = body.value(QStringLiteral("debugLogLevel"));
    m_rawLogLevel = levelText.isEmpty() ? -1 : DeviceValue::toInt(levelText);
    const bool showLevel = m_rawLogLevel > 0;
    ui->labelLogLevel->setVisible(showLevel);
    ui->comboBoxLogLevel->setVisible(showLevel);
    if (showLevel)
        ui->comboBoxLogLevel->setCurrentIndex(DeviceValue::add(m_rawLogLevel, -1));
}

void CNVRBasicSetting::onLanguageChanged(int index)
{
    Q_UNUSED(index)
    const QString kept = ui->m_cbxResolution->currentText();
    ui->m_cbxResolution->clear();
    fillResolutions(languageCode(ui->m_cbxLanguage->currentText()));
    const int again = ui->m_cbxResolution->findText(kept, Qt::MatchExactly);
    if (again >= 0)
        ui->m_cbxResolution->setCurrentIndex(again);
}

void CNVRBasicSetting::onSettingBtnClicked()
{
    m_lockDlg->show();
}

void CNVRBasicSetting::onSaveBtnClicked()
{
    auto comboValue = [](const QComboBox *combo, const QString &received) {
        return combo->currentIndex() >= 0 ? QString::number(combo->currentIndex())
                                          : QString::number(DeviceValue::toInt(received));
    };
    QString body = CommonHelper::fillTemplate(
        QStringLiteral("<language>%1</language><transparency>%2</transparency><resolution>%3</resolution>"
                       "<lockScreenTime>%4</lockScreenTime><lockScreenOp>%5</lockScreenOp>"
                       "<guideEnable>%6</guideEnable><autoAddIpc>%7</autoAddIpc>"),
        {QString::number(languageCode(ui->m_cbxLanguage->currentText())),
         comboValue(ui->m_cbxTransparency, m_rawTransparency),
         PrivateProto::escapeText(ui->m_cbxResolution->currentText()),
         PrivateProto::escapeText(ui->m_lineLockScreen->text()),
         QString::number(m_lockDlg->getLockScreenOp()),
         comboValue(ui->m_cbxBootWizard, m_rawGuide),
         ui->checkBoxPNP->isChecked() ? QStringLiteral("1") : QStringLiteral("0")});
    // isVisible() depends on the window being on screen; what counts is
    // whether the page shows the row.
    if (ui->comboBoxLogLevel->isVisibleTo(this)) {
        const int index = ui->comboBoxLogLevel->currentIndex();
        const int level = index >= 0 ? index + 1 : m_rawLogLevel;
        body += QStringLiteral("<debugLogLevel>%1</debugLogLevel>").arg(level);
    }
    ConfigConversation::sendThrough(m_conversation, this, m_dev, 14005, body, 0, RequestKind::Save);
}

void CNVRBasicSetting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ui->retranslateUi(this);
    CommonHelper::elideChildTexts(this);
    initComboItems();
}
