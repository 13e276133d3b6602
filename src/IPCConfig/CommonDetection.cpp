#include "CommonDetection.h"
#include "ui_CommonDetection.h"

#include "CommonHelper.h"

#include <QDebug>
#include <QEvent>
#include <QLineEdit>

namespace {

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
    fillVoiceList();
    ui->labelChannelsTitle->hide();
    ui->comboBoxChannel->hide();
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
    const int voice = std::max(0, ui->comboBoxVoice->findData(params.audioFile));
    ui->comboBoxVoice->setCurrentIndex(voice);
    ui->spinBoxVoice->setValue(params.playCount);
    qDebug() << "VOICE INFO" << params.voiceAlarmEnable << params.audioFile << voice << params.playCount;
    setLayoutVisible(ui->HLAlarm, m_mode == 0 && params.hasVoiceAlarm);
    ui->label->setVisible(params.hasWhiteLight || params.hasVoiceAlarm);

    ui->checkBoxSource->setChecked(intOf(params.bodyValues, "checkSource") > 0);
    const int music = DeviceValue::add(intOf(params.bodyValues, "autoPlayFile"), -1);
    // Past the list (a file this client does not know) leaves no current item.
    ui->comboBoxPlay->setCurrentIndex(music < 0 ? ui->comboBoxPlay->count() - 1 : music);
    ui->spinBoxPlay->setValue(intOf(params.bodyValues, "autoPlayCount"));

    ui->labelChannelsTitle->setVisible(params.supportChannel);
    ui->comboBoxChannel->setVisible(params.supportChannel);
    if (params.supportChannel)
        ui->comboBoxChannel->setCurrentIndex(params.channel);
}

QString CommonDetection::enableXml() const
{
    return CommonHelper::fillTemplate(QStringLiteral("<enable>%1</enable><sensitivity>%2</sensitivity>"),
                                      {flag(ui->checkBoxEnable->isChecked()),
                                       QString::number(ui->horizontalSlider->value())});
}

QString CommonDetection::whiteLightXml() const
{
    if (!ui->checkBoxLight->isVisibleTo(this))
        return QString();
    // The duration is one of the listed numbers or the camera's own, shown
    // read-only: digits only.
    return CommonHelper::fillTemplate(
        QStringLiteral("<whiteLight><enable>%1</enable><status>%2</status><durationTime>%3</durationTime></whiteLight>"),
        {flag(ui->checkBoxLight->isChecked()), QString::number(ui->comboBoxLight->currentIndex()),
         ui->comboBoxTime->currentText()});
}

QString CommonDetection::voiceAlarmXml() const
{
    if (!ui->checkBoxVoice->isVisibleTo(this))
        return QString();
    return CommonHelper::fillTemplate(
        QStringLiteral("<voiceAlarm><enable>%1</enable><audioFile>%2</audioFile><playCount>%3</playCount></voiceAlarm>"),
        {flag(ui->checkBoxVoice->isChecked()), QString::number(ui->comboBoxVoice->currentData().toInt()),
         QString::number(ui->spinBoxVoice->value())});
}

QString CommonDetection::checkSourceXml() const
{
    const int next = ui->comboBoxPlay->currentIndex() + 1;
    return CommonHelper::fillTemplate(QStringLiteral("<checkSource>%1</checkSource><autoPlayFile>%2</autoPlayFile>"
                                                     "<autoPlayCount>%3</autoPlayCount>"),
                                      {flag(ui->checkBoxSource->isChecked()),
                                       QString::number(next < ui->comboBoxPlay->count() ? next : 0),
                                       QString::number(ui->spinBoxPlay->value())});
}

void CommonDetection::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
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
}
