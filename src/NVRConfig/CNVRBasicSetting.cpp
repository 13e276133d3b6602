#include "CNVRBasicSetting.h"

#include "ui_CNVRBasicSetting.h"

#include "ConfigPageSession.h"
#include "CNVRLockScreenDlg.h"
#include "CommonHelperWidgets.h"
#include "MsgTipInfoDlg.h"
#include "ReportedItems.h"
#include "SharedTexts.h"

#include <QDebug>
#include <QEvent>
#include <QStandardItemModel>

namespace {
// Entries of the NVR's language and resolution lists shown at most.
constexpr int MaxListed = 64;
// The idle time before the NVR locks its screen, in seconds (0: never, at
// most a day).
constexpr int MinLockSeconds = 0;
constexpr int MaxLockSeconds = 86400;
} // namespace

CNVRBasicSetting::CNVRBasicSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CNVRBasicSetting)
{
    m_lockDlg = new CNVRLockScreenDlg(this);
    ui->setupUi(this);
    // The NVR's own names of its menu languages, compared exactly.
    const char *const names[] = {
        "(简体中文)",  "English",    "Indonesia",  "Русский язык", "Nederlands",    "(čeština)",
        "(slovenský)", "Magyar",     "(Română)",   "Deutsch",      "(Slovenščina)", "(български)",
        "(Ελληνικά)",  "(ភាសាខ្មែរ)", "(Français)", "(Español)",    "(Português)",   "(Türkçe)",
    };
    for (int code = 0; code < int(sizeof(names) / sizeof(names[0])); ++code)
        m_languages.insert(code, QString::fromUtf8(names[code]));
    m_fixedResolutions =
        QStringList{QStringLiteral("1280*1024"), QStringLiteral("1366*768"), QStringLiteral("1920*1080")};
    initComboItems();
    ui->m_cbxTransparency->setCurrentIndex(0);
    ui->m_cbxBootWizard->setCurrentIndex(0);
    ui->m_lineLockScreen->setPlaceholderText(QStringLiteral("%1-%2").arg(MinLockSeconds).arg(MaxLockSeconds));
    ui->m_lineLockScreen->setToolTip(ui->m_lineLockScreen->placeholderText());
    // The level's row shows only for an NVR that reports one; its room is
    // kept either way, so that nothing below it moves when a read brings it.
    CommonHelper::keepRoomWhenHidden({ui->labelLogLevel, ui->comboBoxLogLevel});
    ui->labelLogLevel->hide();
    ui->comboBoxLogLevel->hide();
    connect(ui->m_btnSave, &QPushButton::clicked, this, &CNVRBasicSetting::onSaveBtnClicked);
    connect(ui->m_btnSetting, &QPushButton::clicked, this, &CNVRBasicSetting::onSettingBtnClicked);
    connect(ui->m_cbxLanguage, QOverload<int>::of(&QComboBox::activated), this, &CNVRBasicSetting::onLanguageChanged);
    // "Changed" is what the operator did, whatever the controls show.
    m_edits.watch(QStringLiteral("language"), ui->m_cbxLanguage);
    m_edits.watch(QStringLiteral("transparency"), ui->m_cbxTransparency);
    m_edits.watch(QStringLiteral("resolution"), ui->m_cbxResolution);
    m_edits.watch(QStringLiteral("lockScreenTime"), ui->m_lineLockScreen);
    m_edits.watch(QStringLiteral("guideEnable"), ui->m_cbxBootWizard);
    m_edits.watch(QStringLiteral("autoAddIpc"), ui->checkBoxPNP);
    m_edits.watch(QStringLiteral("debugLogLevel"), ui->comboBoxLogLevel);
    CommonHelper::elideChildTexts(this);
    setReadOk(false);
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
    // Refilled in the new language; the choices stay where they were, so a
    // language change neither shows nor saves other values.
    ReportedItems::refill(ui->m_cbxTransparency, {tr("Opaque"), tr("Translucent"), tr("Transparent")});
    ReportedItems::refill(ui->m_cbxBootWizard, {tr("Disable"), tr("Enable")});
}

void CNVRBasicSetting::setReadOk(bool ok)
{
    m_readOk = ok;
    setEnabled(ok);
}

int CNVRBasicSetting::languageCode(const QString &name) const
{
    for (int code = 0; code < m_languages.size(); ++code) {
        if (m_languages.value(code) == name)
            return code;
    }
    return -1;
}

void CNVRBasicSetting::fillResolutions(int code)
{
    QStringList items = code == 0 || code == 1 ? m_devResolutions : m_fixedResolutions;
    // The resolution the NVR runs at stays choosable whatever the list.
    const QString current = m_edits.value(QStringLiteral("resolution"));
    if (!current.isEmpty() && !items.contains(current))
        items << current;
    ui->m_cbxResolution->addItems(items);
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
    // A name the client has no code for cannot be saved: it is shown, not offered.
    if (auto *model = qobject_cast<QStandardItemModel *>(ui->m_cbxLanguage->model())) {
        for (int i = 0; i < m_devLanguages.size(); ++i)
            model->item(i)->setEnabled(languageCode(m_devLanguages.at(i)) >= 0);
    }
    // A code outside the table shows no language rather than a wrong one.
    ui->m_cbxLanguage->setCurrentIndex(-1);
    const std::optional<int> code = DeviceValue::number(language);
    if (code && m_languages.contains(*code)) {
        const int index =
            ui->m_cbxLanguage->findText(m_languages.value(*code), Qt::MatchExactly | Qt::MatchCaseSensitive);
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
    const NvrBodies::Values body = NvrBodies::readBasic(xml);
    if (body.isEmpty())
        return;
    const OperatorEdits::Filling filling(m_edits);
    m_edits.setReported(body);
    auto value = [&body](const char *key) { return body.value(QLatin1String(key)); };
    const QString language = value("language");
    updateLanguageList(language, value("languageList"));
    ReportedItems::show(ui->m_cbxTransparency, 3, value("transparency"));
    updateResolutionList(language, value("resolutionList"));
    ui->m_cbxResolution->setCurrentIndex(ui->m_cbxResolution->findText(value("resolution"), Qt::MatchExactly));
    ui->m_lineLockScreen->setText(value("lockScreenTime"));
    ReportedItems::show(ui->m_cbxBootWizard, 2, value("guideEnable"));
    m_lockDlg->setLockScreenOp(DeviceValue::toInt(value("lockScreenOp")));
    ui->checkBoxPNP->setChecked(DeviceValue::toInt(value("autoAddIpc")) >= 1);
    const int level = body.contains(QStringLiteral("debugLogLevel")) ? DeviceValue::toInt(value("debugLogLevel")) : -1;
    const bool showLevel = level > 0;
    ui->labelLogLevel->setVisible(showLevel);
    ui->comboBoxLogLevel->setVisible(showLevel);
    ui->comboBoxLogLevel->setCurrentIndex(showLevel && level <= ui->comboBoxLogLevel->count() ? level - 1 : -1);
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
    else
        m_edits.mark(QStringLiteral("resolution")); // the list of the chosen language shows another
}

void CNVRBasicSetting::onSettingBtnClicked()
{
    m_lockDlg->show();
}

void CNVRBasicSetting::onSaveBtnClicked()
{
    if (!m_readOk)
        return;
    const OperatorEdits &r = m_edits;
    // Only a typed time is judged; the NVR's own goes back as it came.
    const QString lockTime = ui->m_lineLockScreen->text().trimmed();
    if (r.edited(QStringLiteral("lockScreenTime"))
        && !NvrBodies::isTypedNumberIn(lockTime, MinLockSeconds, MaxLockSeconds)) {
        MsgTipInfoDlg::showTip(SharedTexts::invalidFormatText(), 2000);
        return;
    }
    if (m_lockDlg->operatorChanged())
        m_edits.mark(QStringLiteral("lockScreenOp"));
    const QComboBox *language = ui->m_cbxLanguage;
    const int code = languageCode(language->currentText());
    const int level = ui->comboBoxLogLevel->currentIndex();
    const NvrBodies::Values values{
        {QStringLiteral("language"), r.send(QStringLiteral("language"), code >= 0 ? QString::number(code) : QString())},
        {QStringLiteral("transparency"),
         r.send(QStringLiteral("transparency"), ReportedItems::value(ui->m_cbxTransparency, 3))},
        {QStringLiteral("resolution"), r.send(QStringLiteral("resolution"), ui->m_cbxResolution->currentText())},
        {QStringLiteral("lockScreenTime"), r.send(QStringLiteral("lockScreenTime"), lockTime)},
        {QStringLiteral("lockScreenOp"),
         r.send(QStringLiteral("lockScreenOp"), QString::number(m_lockDlg->getLockScreenOp()))},
        {QStringLiteral("guideEnable"),
         r.send(QStringLiteral("guideEnable"), ReportedItems::value(ui->m_cbxBootWizard, 2))},
        {QStringLiteral("autoAddIpc"),
         r.send(QStringLiteral("autoAddIpc"),
                ui->checkBoxPNP->isChecked() ? QStringLiteral("1") : QStringLiteral("0"))},
        {QStringLiteral("debugLogLevel"), r.send(QStringLiteral("debugLogLevel"), QString::number(level + 1))},
    };
    // isVisible() depends on the window being on screen; what counts is
    // whether the page shows the row.
    const QString body = NvrBodies::basicBody(values, ui->comboBoxLogLevel->isVisibleTo(this));
    ConfigRequest save;
    save.cmd = Cmd::SetSettings;
    save.body = body;
    ConfigPageSession::sendSave(m_conversation, this, m_dev, save);
}

void CNVRBasicSetting::setConversation(ConfigConversation *conversation)
{
    m_conversation = conversation;
    if (!conversation)
        return;
    // What a Save sends: the fields, and the choice of the lock-screen dialog.
    conversation->pageSession(this)->setShowing([this] {
        OperatorEdits::Values shown = m_edits.shown();
        shown.insert(QStringLiteral("lockScreenOp"), QString::number(m_lockDlg->getLockScreenOp()));
        return shown;
    });
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
