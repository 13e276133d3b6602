#include "CommonDetection.h"
#include "ui_CommonDetection.h"

#include "CommonHelperWidgets.h"
#include "UnreadForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

constexpr int DurationBoxWidth = 72;
// The soothing music files the list names, in list order; "Not Playing" is 0.
constexpr int MusicFiles = 5;
const char *const kDesignWidth = "designMinimumWidth";

int intOf(const QHash<QString, QString> &values, const char *key)
{
    return DeviceValue::toInt(values.value(QLatin1String(key)));
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

CommonDetection::CommonDetection(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CommonDetection)
{
    ui->setupUi(this);
    setMode(0);
    connect(ui->horizontalSlider, &QSlider::valueChanged, ui->spinBox, &QSpinBox::setValue);
    connect(ui->spinBox, qOverload<int>(&QSpinBox::valueChanged), ui->horizontalSlider, &QSlider::setValue);
    ui->horizontalSlider->setRange(1, 100);
    ui->spinBox->setRange(1, 100);
    // Any duration the camera reports can be shown; the operator picks only
    // the listed ones.
    ui->comboBoxTime->setEditable(true);
    ui->comboBoxTime->lineEdit()->setReadOnly(true);
    // Wide enough for any entry in any language, and for two digits beside
    // the arrow: a narrow box showed 60 with its first digit cut.
    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ui->comboBoxTime->setMinimumWidth(DurationBoxWidth);
    fillVoiceList();
    for (int i = 0; i < ui->comboBoxPlay->count(); ++i)
        ui->comboBoxPlay->setItemData(i, QString::number(i < MusicFiles ? i + 1 : 0));
    ui->labelChannelsTitle->hide();
    ui->comboBoxChannel->hide();
    // The channel shown is the operator's choice, not a value of the camera.
    UnreadForm::keepShown(ui->comboBoxChannel);
    keepTextsWhole(true);
}

// The texts of a row never give way to its length: the form's own minimum
// widths (which line the rows up) only ever grow to what a text needs, so a
// room too narrow for a long translation ("Звуковая тревога") scrolls the
// page instead of cutting the text.
void CommonDetection::keepTextsWhole(bool freshTexts)
{
    QList<QWidget *> widgets;
    for (QLabel *w : findChildren<QLabel *>())
        widgets << w;
    for (QAbstractButton *w : findChildren<QAbstractButton *>())
        widgets << w;
    for (QComboBox *w : findChildren<QComboBox *>())
        widgets << w;
    for (QWidget *w : qAsConst(widgets)) {
        if (!w->property(kDesignWidth).isValid())
            w->setProperty(kDesignWidth, w->minimumWidth());
        // Texts not fresh from the form may have been elided since: a width
        // only grows then.
        const int floor = freshTexts ? w->property(kDesignWidth).toInt() : w->minimumWidth();
        w->setMinimumWidth(std::max(floor, w->sizeHint().width()));
    }
}

CommonDetection::~CommonDetection()
{
    delete ui;
}

void CommonDetection::fillVoiceList()
{
    ui->comboBoxVoice->clear();
    for (const auto &sound : CommonHelper::alarmAudioList())
        ui->comboBoxVoice->addItem(sound.first, sound.second);
}

void CommonDetection::setMode(int mode)
{
    m_mode = mode;
    setLayoutVisible(ui->HLAlarm, mode == 0);
    setLayoutVisible(ui->HLCheckSource, mode == 1);
    setLayoutVisible(ui->HLPlay, mode == 1);
}

void CommonDetection::setEnableEditable(bool editable)
{
    ui->checkBoxEnable->setEnabled(editable);
}

void CommonDetection::setLayoutVisible(QLayout *layout, bool visible)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget *w = layout->itemAt(i)->widget())
            w->setVisible(visible);
    }
}

void CommonDetection::setUi(const RemoteCfg_Widget::ipcCfgParams &params)
{
    // Texts as received; a record filled without them (the numbers alone)
    // has its body values.
    m_own = params.received.own;
    if (m_own.isEmpty()) {
        for (const char *key : {"enable", "sensitivity", "checkSource", "autoPlayFile", "autoPlayCount"}) {
            if (params.bodyValues.contains(QLatin1String(key)))
                m_own.insert(QLatin1String(key), params.bodyValues.value(QLatin1String(key)));
        }
    }
    m_light = params.received.hasWhiteLight ? params.received.whiteLight : IpcBody::Values();
    m_voice = params.received.hasVoiceAlarm ? params.received.voiceAlarm : IpcBody::Values();

    ui->checkBoxEnable->setChecked(intOf(params.bodyValues, "enable") > 0);
    ui->horizontalSlider->setValue(intOf(params.bodyValues, "sensitivity"));

    ui->checkBoxLight->setChecked(params.whiteLightEnable > 0);
    ui->comboBoxLight->setCurrentIndex(params.whiteLightStatus);
    // A listed duration becomes the current item, so the list and the text
    // agree; any other one is shown as the camera sent it.
    const QString duration = QString::number(params.durationTime);
    const int listed = ui->comboBoxTime->findText(duration);
    if (listed >= 0)
        ui->comboBoxTime->setCurrentIndex(listed);
    ui->comboBoxTime->setEditText(duration);
    setLayoutVisible(ui->HLLight, params.hasWhiteLight);

    ui->checkBoxVoice->setChecked(params.voiceAlarmEnable > 0);
    // A file the list lacks is an entry of its own, shown as its number:
    // picking a listed one is then always a change.
    const int listedSounds = int(CommonHelper::alarmAudioList().size());
    while (ui->comboBoxVoice->count() > listedSounds)
        ui->comboBoxVoice->removeItem(ui->comboBoxVoice->count() - 1);
    int voice = ui->comboBoxVoice->findData(params.audioFile);
    if (voice < 0) {
        ui->comboBoxVoice->addItem(QString::number(params.audioFile), params.audioFile);
        voice = ui->comboBoxVoice->count() - 1;
    }
    ui->comboBoxVoice->setCurrentIndex(voice);
    ui->spinBoxVoice->setValue(params.playCount);
    qDebug() << "VOICE INFO" << params.voiceAlarmEnable << params.audioFile << voice << params.playCount;
    setLayoutVisible(ui->HLAlarm, m_mode == 0 && params.hasVoiceAlarm);
    ui->label->setVisible(params.hasWhiteLight || params.hasVoiceAlarm);

    ui->checkBoxSource->setChecked(intOf(params.bodyValues, "checkSource") > 0);
    // A file the list lacks (one this client does not know, -1) is an entry
    // of its own, shown as the camera's text.
    while (ui->comboBoxPlay->count() > MusicFiles + 1)
        ui->comboBoxPlay->removeItem(ui->comboBoxPlay->count() - 1);
    const QString music = params.bodyValues.value(QStringLiteral("autoPlayFile")).trimmed();
    bool numeric = false;
    const int file = music.toInt(&numeric);
    // None reported: not playing.
    OperatorEdits::selectOrAdd(ui->comboBoxPlay, numeric || music.isEmpty() ? QString::number(file) : music);
    ui->spinBoxPlay->setValue(intOf(params.bodyValues, "autoPlayCount"));

    ui->labelChannelsTitle->setVisible(params.supportChannel);
    ui->comboBoxChannel->setVisible(params.supportChannel);
    if (params.supportChannel)
        ui->comboBoxChannel->setCurrentIndex(params.channel);

    m_shownOwn.reset();
    m_shownOwn.filled(QStringLiteral("enable"), ui->checkBoxEnable);
    m_shownOwn.filled(QStringLiteral("sensitivity"), ui->horizontalSlider);
    // Typed into the box beside the slider just as well.
    m_shownOwn.filled(QStringLiteral("sensitivity"), ui->spinBox);
    m_shownOwn.filled(QStringLiteral("checkSource"), ui->checkBoxSource);
    m_shownOwn.filled(QStringLiteral("autoPlayFile"), ui->comboBoxPlay);
    m_shownOwn.filled(QStringLiteral("autoPlayCount"), ui->spinBoxPlay);
    m_shownLight.reset();
    m_shownLight.filled(QStringLiteral("enable"), ui->checkBoxLight);
    m_shownLight.filled(QStringLiteral("status"), ui->comboBoxLight);
    m_shownLight.filled(QStringLiteral("durationTime"), ui->comboBoxTime);
    m_shownVoice.reset();
    m_shownVoice.filled(QStringLiteral("enable"), ui->checkBoxVoice);
    m_shownVoice.filled(QStringLiteral("audioFile"), ui->comboBoxVoice);
    m_shownVoice.filled(QStringLiteral("playCount"), ui->spinBoxVoice);
}

QString CommonDetection::enableXml() const
{
    IpcBody::Values v = m_own;
    m_shownOwn.take(v, QStringLiteral("enable"), flag(ui->checkBoxEnable->isChecked()));
    m_shownOwn.take(v, QStringLiteral("sensitivity"), QString::number(ui->horizontalSlider->value()));
    return IpcBody::enableFragment(v);
}

QString CommonDetection::whiteLightXml() const
{
    if (!ui->checkBoxLight->isVisibleTo(this))
        return QString();
    IpcBody::Values v = m_light;
    m_shownLight.take(v, QStringLiteral("enable"), flag(ui->checkBoxLight->isChecked()));
    m_shownLight.take(v, QStringLiteral("status"), QString::number(std::max(0, ui->comboBoxLight->currentIndex())));
    // One of the listed numbers or the camera's own, shown read-only.
    m_shownLight.take(v, QStringLiteral("durationTime"), ui->comboBoxTime->currentText());
    return IpcBody::whiteLightFragment(v);
}

QString CommonDetection::voiceAlarmXml() const
{
    if (!ui->checkBoxVoice->isVisibleTo(this))
        return QString();
    IpcBody::Values v = m_voice;
    m_shownVoice.take(v, QStringLiteral("enable"), flag(ui->checkBoxVoice->isChecked()));
    m_shownVoice.take(v, QStringLiteral("audioFile"), QString::number(ui->comboBoxVoice->currentData().toInt()));
    m_shownVoice.take(v, QStringLiteral("playCount"), QString::number(ui->spinBoxVoice->value()));
    return IpcBody::voiceAlarmFragment(v);
}

QString CommonDetection::checkSourceXml() const
{
    IpcBody::Values v = m_own;
    m_shownOwn.take(v, QStringLiteral("checkSource"), flag(ui->checkBoxSource->isChecked()));
    const QVariant music = ui->comboBoxPlay->currentData();
    m_shownOwn.take(v, QStringLiteral("autoPlayFile"), music.isValid() ? music.toString() : QStringLiteral("0"));
    m_shownOwn.take(v, QStringLiteral("autoPlayCount"), QString::number(ui->spinBoxPlay->value()));
    return IpcBody::checkSourceFragment(v);
}

void CommonDetection::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Measured again once styled: the style sheet gives the texts their
    // font and the boxes their padding only now.
    keepTextsWhole(false);
}

void CommonDetection::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        keepTextsWhole(false);
    if (event->type() != QEvent::LanguageChange)
        return;
    // Retranslating rebuilds the list items from the form: keep the choices.
    const int light = ui->comboBoxLight->currentIndex();
    const int play = ui->comboBoxPlay->currentIndex();
    const int voice = ui->comboBoxVoice->currentIndex();
    const QString duration = ui->comboBoxTime->currentText();
    ui->retranslateUi(this);
    ui->comboBoxLight->setCurrentIndex(light);
    ui->comboBoxPlay->setCurrentIndex(play);
    const auto sounds = CommonHelper::alarmAudioList();
    for (int i = 0; i < sounds.size() && i < ui->comboBoxVoice->count(); ++i)
        ui->comboBoxVoice->setItemText(i, sounds.at(i).first);
    ui->comboBoxVoice->setCurrentIndex(voice);
    ui->comboBoxTime->setCurrentText(duration);
    keepTextsWhole(true);
}
