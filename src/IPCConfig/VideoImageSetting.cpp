#include "VideoImageSetting.h"
#include "ui_VideoImageSetting.h"

#include "CommonHelper.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OpenGLRender.h"

#include <QDebug>
#include <QEvent>
#include <QStringListModel>
#include <QTimer>

namespace {

constexpr unsigned int CmdGetImage = 11001;
constexpr unsigned int CmdGetDefaults = 11014;
constexpr int SecondGetDelayMs = 50;
constexpr int PreviewStream = 1;

const char *const kGroups[] = {"imageAdjustment", "dayNight", "exposure", "backlight", "whiteBalance",
                               "imageEnhancement"};

// Process-wide: the video-format warning is not repeated for the same choice.
int g_lastWarnedFormat = -1;

void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *w : widgets)
        w->setVisible(shown);
}

} // namespace

VideoImageSetting::VideoImageSetting(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::VideoImageSetting)
    , m_sectionModel(new QStringListModel(this))
{
    ui->setupUi(this);
    const QList<QPair<QSlider *, QSpinBox *>> pairs {
        {ui->slider_brightness, ui->spinBox_brightness}, {ui->slider_contrast, ui->spinBox_contrast},
        {ui->slider_saturation, ui->spinBox_saturation}, {ui->slider_sharpness, ui->spinBox_sharpness},
        {ui->slider_exposure, ui->spinBox_exposure},     {ui->slider_redGain, ui->spinBox_redGain},
        {ui->slider_blueGain, ui->spinBox_blueGain},     {ui->slider_DRCStrength, ui->spinBox_DRCStrength},
        {ui->slider_denoiseStrength, ui->spinBox_denoiseStrength},
    };
    for (const auto &pair : pairs) {
        connect(pair.first, &QSlider::valueChanged, pair.second, &QSpinBox::setValue);
        connect(pair.second, QOverload<int>::of(&QSpinBox::valueChanged), pair.first, &QSlider::setValue);
    }
    ui->stackedWidget->setCurrentIndex(5);
    ui->listView->setModel(m_sectionModel);
    ui->listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    initSectionList();
    CommonHelper::elideChildTexts(this);
}

VideoImageSetting::~VideoImageSetting()
{
    delete ui;
}

void VideoImageSetting::initSectionList()
{
    m_sectionNames = QStringList {tr("Image"), tr("Night Vision Mode"), tr("Exposure"),
                                  tr("Backlight"), tr("WB"), tr("PE")};
    m_sectionModel->setStringList(m_sectionNames);
}

const QStringList &VideoImageSetting::shutterList(int standard)
{
    static const QStringList ntsc {"1/3",   "1/6",   "1/12",  "1/30",   "1/60",   "1/120",   "1/150",   "1/200",
                                   "1/250", "1/500", "1/750", "1/1000", "1/2000", "1/4000", "1/10000", "1/100000"};
    static const QStringList pal {"1/3",   "1/6",   "1/12",  "1/25",   "1/50",   "1/100",   "1/150",   "1/200",
                                  "1/250", "1/500", "1/750", "1/1000", "1/2000", "1/4000", "1/10000", "1/100000"};
    return standard == 1 ? pal : ntsc;
}

void VideoImageSetting::requestSettings()
{
    const uint8_t ch = getChannel();
    request(CmdGetImage, QString(), ch);
    QTimer::singleShot(SecondGetDelayMs, this, [this, ch]() { request(CmdGetDefaults, QString(), ch); });
}

void VideoImageSetting::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_defaults.clear();
    m_pDeviceInfo = dev;
    supportChannel = dev->capList.contains(QLatin1String("image1"), Qt::CaseInsensitive);
    if (dev->channelIdx != 0)
        channel = dev->channelIdx - 1;
    setShown({ui->widgetChannel, ui->labelChannel, ui->comboBoxChannel}, supportChannel);
    if (supportChannel)
        ui->comboBoxChannel->setCurrentIndex(channel);
    requestSettings();
}

void VideoImageSetting::on_comboBoxChannel_currentIndexChanged(int index)
{
    if (!m_pDeviceInfo || !supportChannel || index == channel || index < 0)
        return;
    channel = index;
    m_rememberedPage = ui->stackedWidget->currentIndex();
    m_defaults.clear();
    requestSettings();
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(index + 1)) : nullptr;
    ui->widget_video->setStreamKey(CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(PreviewStream)));
}

VideoImageSetting::Values VideoImageSetting::intValues(const QString &xml, const QString &group)
{
    Values values;
    const QHash<QString, QString> texts = findValuesInXml(xml, group);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        bool ok = false;
        const int v = it.value().toInt(&ok, 10);
        if (ok)
            values.insert(it.key(), v);
    }
    return values;
}

void VideoImageSetting::parseXml(int cmd, const QString &xml)
{
    if (xml.trimmed().isEmpty()) {
        qDebug() << "Empty XML received for command:" << cmd;
        return;
    }
    if (cmd != int(CmdGetImage) && cmd != int(CmdGetDefaults))
        return;
    QList<Values> groups;
    for (const char *group : kGroups)
        groups.append(intValues(xml, QLatin1String(group)));
    if (cmd == int(CmdGetImage)) {
        ui->stackedWidget->setCurrentIndex(m_rememberedPage);
        ui->listView->setCurrentIndex(m_sectionModel->index(m_rememberedPage));
        updateImageAdjustment(groups.at(0));
        updateNightVision(groups.at(1));
        updateExposure(groups.at(2));
        updateBacklight(groups.at(3));
        updateWhiteBalance(groups.at(4));
        updateImageEnhancement(groups.at(5));
        return;
    }
    Values merged;
    for (const Values &group : groups) {
        for (auto it = group.cbegin(); it != group.cend(); ++it)
            merged.insert(it.key(), it.value());
    }
    m_defaults = merged;
}

void VideoImageSetting::on_listView_clicked(const QModelIndex &index)
{
    const int position = m_sectionNames.indexOf(index.data().toString());
    if (position >= 0 && position < ui->stackedWidget->count() && position != ui->stackedWidget->currentIndex())
        ui->stackedWidget->setCurrentIndex(position);
}

int VideoImageSetting::currentSection() const
{
    const QModelIndex current = ui->listView->currentIndex();
    return current.isValid() ? m_sectionNames.indexOf(current.data().toString()) : -1;
}

void VideoImageSetting::on_btn_save_clicked()
{
    using Op = void (VideoImageSetting::*)();
    static const Op ops[] = {&VideoImageSetting::saveImageAdjustment, &VideoImageSetting::saveNightVision,
                             &VideoImageSetting::saveExposure,        &VideoImageSetting::saveBacklight,
                             &VideoImageSetting::saveWhiteBalance,    &VideoImageSetting::saveImageEnhancement};
    const int section = currentSection();
    if (section >= 0 && section < 6)
        (this->*ops[section])();
}

void VideoImageSetting::on_btn_default_clicked()
{
    using Op = void (VideoImageSetting::*)();
    static const Op ops[] = {&VideoImageSetting::defaultImageAdjustment, &VideoImageSetting::defaultNightVision,
                             &VideoImageSetting::defaultExposure,        &VideoImageSetting::defaultBacklight,
                             &VideoImageSetting::defaultWhiteBalance,    &VideoImageSetting::defaultImageEnhancement};
    const int section = currentSection();
    if (section >= 0 && section < 6)
        (this->*ops[section])();
}

void VideoImageSetting::on_comboBox_videoFormat_activated(int index)
{
    if (index == g_lastWarnedFormat)
        return;
    MsgTipInfoDlg::showTip(tr("Change the video format and IPC will restart."), 2000);
    g_lastWarnedFormat = index;
}

// ---- groups ---------------------------------------------------------------------

void VideoImageSetting::selectReceived(QComboBox *combo, const QString &element, int position)
{
    m_received.insert(element, position);
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}

int VideoImageSetting::positionToSend(const QComboBox *combo, const QString &element) const
{
    const int position = combo->currentIndex();
    return position >= 0 ? position : m_received.value(element, 0);
}

void VideoImageSetting::send(unsigned int cmd, const QString &body)
{
    if (!m_pDeviceInfo) {
        qWarning() << " device info is null ";
        return;
    }
    request(cmd, body, uint8_t(std::max(0, ui->comboBoxChannel->currentIndex())), RequestKind::Save);
}

void VideoImageSetting::on_comboBox_exposureMode_currentIndexChanged(int index)
{
    setShown({ui->label_exposureTime, ui->label_gainIntensity, ui->comboBox_exposureTime, ui->slider_exposure,
              ui->spinBox_exposure},
             index == 1);
}

void VideoImageSetting::on_comboBox_whiteBalance_currentIndexChanged(int index)
{
    setShown({ui->label_redGain, ui->label_blueGain, ui->slider_redGain, ui->slider_blueGain, ui->spinBox_redGain,
              ui->spinBox_blueGain},
             index == 1);
}

void VideoImageSetting::on_comboBox_DRCMode_currentIndexChanged(int index)
{
    setShown({ui->label_DRCStrength, ui->slider_DRCStrength, ui->spinBox_DRCStrength}, index == 1);
}

void VideoImageSetting::on_comboBox_denoiseMode_currentIndexChanged(int index)
{
    setShown({ui->label_denoiseStrength, ui->slider_denoiseStrength, ui->spinBox_denoiseStrength}, index == 1);
}

void VideoImageSetting::updateImageAdjustment(const Values &v)
{
    ui->slider_brightness->setValue(v.value("brightness"));
    ui->slider_contrast->setValue(v.value("contrast"));
    ui->slider_saturation->setValue(v.value("saturation"));
    ui->slider_sharpness->setValue(v.value("sharpness"));
    selectReceived(ui->comboBox_videoFormat, "tvStandard", v.value("tvStandard"));
    selectReceived(ui->comboBox_mirror, "mirrorMode", v.value("mirrorMode"));
    selectReceived(ui->comboBox_rotate, "rotateMode", v.value("rotateMode"));
    const QString caps = m_pDeviceInfo ? m_pDeviceInfo->capList : QString();
    setShown({ui->label_7, ui->comboBox_rotate}, caps.contains(QLatin1String("rotate")));
    setShown({ui->label_8, ui->comboBoxAntiFlicker}, caps.contains(QLatin1String("antiFlicker")));
    selectReceived(ui->comboBoxAntiFlicker, "antiFlicker", v.value("antiFlicker"));
}

void VideoImageSetting::saveImageAdjustment()
{
    const bool antiFlicker = m_pDeviceInfo && m_pDeviceInfo->capList.contains(QLatin1String("antiFlicker"));
    const QString flicker =
        antiFlicker ? QStringLiteral("<antiFlicker>%1</antiFlicker>")
                          .arg(positionToSend(ui->comboBoxAntiFlicker, QStringLiteral("antiFlicker")))
                    : QString();
    send(11003, CommonHelper::fillTemplate(
                    QStringLiteral("<imageAdjustment><brightness>%1</brightness><contrast>%2</contrast>"
                                   "<saturation>%3</saturation><sharpness>%4</sharpness><tvStandard>%5</tvStandard>"
                                   "<mirrorMode>%6</mirrorMode><rotateMode>%7</rotateMode>%8</imageAdjustment>"),
                    {QString::number(ui->slider_brightness->value()), QString::number(ui->slider_contrast->value()),
                     QString::number(ui->slider_saturation->value()), QString::number(ui->slider_sharpness->value()),
                     QString::number(positionToSend(ui->comboBox_videoFormat, QStringLiteral("tvStandard"))),
                     QString::number(positionToSend(ui->comboBox_mirror, QStringLiteral("mirrorMode"))),
                     QString::number(positionToSend(ui->comboBox_rotate, QStringLiteral("rotateMode"))), flicker}));
}

void VideoImageSetting::defaultImageAdjustment()
{
    if (m_defaults.isEmpty()) {
        for (QSlider *s : {ui->slider_brightness, ui->slider_contrast, ui->slider_saturation, ui->slider_sharpness})
            s->setValue(50);
        ui->comboBox_videoFormat->setCurrentIndex(1);
        ui->comboBox_mirror->setCurrentIndex(3);
        ui->comboBox_rotate->setCurrentIndex(0);
        return;
    }
    const Values &d = m_defaults;
    ui->slider_brightness->setValue(d.value("brightness"));
    ui->slider_contrast->setValue(d.value("contrast"));
    ui->slider_saturation->setValue(d.value("saturation"));
    ui->slider_sharpness->setValue(d.value("sharpness"));
    selectReceived(ui->comboBox_videoFormat, "tvStandard", d.value("tvStandard"));
    selectReceived(ui->comboBox_mirror, "mirrorMode", d.value("mirrorMode"));
    selectReceived(ui->comboBox_rotate, "rotateMode", d.value("rotateMode"));
}

QStringList VideoImageSetting::nightVisionModes() const
{
    if (!m_pDeviceInfo)
        return QStringList();
    // Without dual light the camera only has infrared: its single entry,
    // "Infrared Mode", is mode 1. Read by position it would show nothing for
    // the camera's own 1 and save 0, smart mode, under the infrared name.
    if (!m_pDeviceInfo->capList.contains(QLatin1String("doubleLight"), Qt::CaseInsensitive))
        return QStringList {QStringLiteral("1")};
    return m_pDeviceInfo->doubleLightCfg.split(QLatin1Char('+'), Qt::SkipEmptyParts);
}

void VideoImageSetting::updateNightVision(const Values &v)
{
    static const char *const names[] = {QT_TR_NOOP("Smart Mode"), QT_TR_NOOP("Infrared Mode"),
                                        QT_TR_NOOP("Full Color Mode")};
    ui->comboBox_nightVision->clear();
    const QStringList modes = nightVisionModes();
    const bool dual = m_pDeviceInfo && m_pDeviceInfo->capList.contains(QLatin1String("doubleLight"), Qt::CaseInsensitive);
    if (!dual) {
        ui->comboBox_nightVision->addItem(tr(names[1]));
    } else if (modes.isEmpty()) {
        for (const char *name : names)
            ui->comboBox_nightVision->addItem(tr(name));
    } else {
        for (const QString &part : modes) {
            const int mode = DeviceValue::toInt(part, -1);
            if (mode >= 0 && mode <= 2)
                ui->comboBox_nightVision->addItem(tr(names[mode]));
        }
    }
    const int mode = v.value("dayNightCompensateMode");
    ui->comboBox_nightVision->setCurrentIndex(modes.isEmpty() ? mode : modes.indexOf(QString::number(mode)));
}

void VideoImageSetting::saveNightVision()
{
    if (!m_pDeviceInfo) {
        qWarning() << "Device info  is null";
        return;
    }
    const int position = ui->comboBox_nightVision->currentIndex();
    const QStringList modes = nightVisionModes();
    int mode = position;
    bool valid = true;
    if (!modes.isEmpty()) {
        valid = position >= 0 && position < modes.size();
        mode = valid ? DeviceValue::toInt(modes.at(position), -1) : -1;
    }
    if (!valid || mode < 0) {
        qWarning() << "Invalid night vision mode index:" << position << "in list:" << modes;
        return;
    }
    send(11005, QStringLiteral("<dayNight><dayNightMode>2</dayNightMode><dayNightCompensateMode>%1"
                               "</dayNightCompensateMode><startTime></startTime><endTime></endTime></dayNight>")
                    .arg(mode));
}

void VideoImageSetting::defaultNightVision()
{
    if (m_defaults.isEmpty()) {
        ui->comboBox_nightVision->setCurrentIndex(ui->comboBox_nightVision->count() > 1 ? 1 : 0);
        return;
    }
    const QString mode = QString::number(m_defaults.value("dayNightCompensateMode"));
    const QStringList modes = nightVisionModes();
    if (modes.contains(mode))
        ui->comboBox_nightVision->setCurrentIndex(modes.indexOf(mode));
    else
        qDebug() << "defaultNightVision data err " << mode << modes;
}

void VideoImageSetting::updateExposure(const Values &v)
{
    ui->comboBox_exposureTime->clear();
    const int standard = v.value("tvStandard");
    if (standard == 0 || standard == 1)
        ui->comboBox_exposureTime->addItems(shutterList(standard));
    on_comboBox_exposureMode_currentIndexChanged(v.value("exposureMode"));
    selectReceived(ui->comboBox_exposureMode, "exposureMode", v.value("exposureMode"));
    selectReceived(ui->comboBox_exposureTime, "exposureTime", v.value("exposureTime"));
    ui->slider_exposure->setValue(v.value("SystemGain"));
}

void VideoImageSetting::saveExposure()
{
    send(11007, QStringLiteral("<exposure><exposureMode>%1</exposureMode><exposureTime>%2</exposureTime>"
                               "<SystemGain>%3</SystemGain> </exposure>")
                    .arg(positionToSend(ui->comboBox_exposureMode, QStringLiteral("exposureMode")))
                    .arg(positionToSend(ui->comboBox_exposureTime, QStringLiteral("exposureTime")))
                    .arg(ui->slider_exposure->value()));
}

void VideoImageSetting::defaultExposure()
{
    const bool table = !m_defaults.isEmpty();
    selectReceived(ui->comboBox_exposureMode, "exposureMode", table ? m_defaults.value("exposureMode") : 0);
    selectReceived(ui->comboBox_exposureTime, "exposureTime", table ? m_defaults.value("exposureTime") : 0);
    ui->slider_exposure->setValue(table ? m_defaults.value("SystemGain") : 50);
}

void VideoImageSetting::updateBacklight(const Values &v)
{
    selectReceived(ui->comboBox_backlight, "backlightMode", v.value("backlightMode"));
}

void VideoImageSetting::saveBacklight()
{
    send(11009, QStringLiteral("<backlight><backlightMode>%1</backlightMode></backlight>")
                    .arg(positionToSend(ui->comboBox_backlight, QStringLiteral("backlightMode"))));
}

void VideoImageSetting::defaultBacklight()
{
    selectReceived(ui->comboBox_backlight, "backlightMode",
                   m_defaults.isEmpty() ? 2 : m_defaults.value("backlightMode"));
}

void VideoImageSetting::updateWhiteBalance(const Values &v)
{
    on_comboBox_whiteBalance_currentIndexChanged(v.value("WBMode"));
    selectReceived(ui->comboBox_whiteBalance, "WBMode", v.value("WBMode"));
    ui->slider_redGain->setValue(v.value("redGain"));
    ui->slider_blueGain->setValue(v.value("blueGain"));
}

void VideoImageSetting::saveWhiteBalance()
{
    send(11011, QStringLiteral("<whiteBalance><WBMode>%1</WBMode><redGain>%2</redGain><blueGain>%3</blueGain>"
                               "</whiteBalance>")
                    .arg(positionToSend(ui->comboBox_whiteBalance, QStringLiteral("WBMode")))
                    .arg(ui->slider_redGain->value())
                    .arg(ui->slider_blueGain->value()));
}

void VideoImageSetting::defaultWhiteBalance()
{
    const bool table = !m_defaults.isEmpty();
    selectReceived(ui->comboBox_whiteBalance, "WBMode", table ? m_defaults.value("WBMode") : 0);
    ui->slider_redGain->setValue(table ? m_defaults.value("redGain") : 50);
    ui->slider_blueGain->setValue(table ? m_defaults.value("blueGain") : 50);
}

void VideoImageSetting::updateImageEnhancement(const Values &v)
{
    selectReceived(ui->comboBox_DRCMode, "DRCMode", v.value("DRCMode"));
    ui->slider_DRCStrength->setValue(v.value("DRCStrength"));
    on_comboBox_DRCMode_currentIndexChanged(v.value("DRCMode"));
    selectReceived(ui->comboBox_denoiseMode, "denoiseMode", v.value("denoiseMode"));
    ui->slider_denoiseStrength->setValue(v.value("denoiseStrength"));
    on_comboBox_denoiseMode_currentIndexChanged(v.value("denoiseMode"));
}

void VideoImageSetting::saveImageEnhancement()
{
    send(11013, QStringLiteral("<imageEnhancement><DRCMode>%1</DRCMode><DRCStrength>%2</DRCStrength>"
                               "<denoiseMode>%3</denoiseMode><denoiseStrength>%4</denoiseStrength></imageEnhancement>")
                    .arg(positionToSend(ui->comboBox_DRCMode, QStringLiteral("DRCMode")))
                    .arg(ui->slider_DRCStrength->value())
                    .arg(positionToSend(ui->comboBox_denoiseMode, QStringLiteral("denoiseMode")))
                    .arg(ui->slider_denoiseStrength->value()));
}

void VideoImageSetting::defaultImageEnhancement()
{
    const bool table = !m_defaults.isEmpty();
    selectReceived(ui->comboBox_DRCMode, "DRCMode", table ? m_defaults.value("DRCMode") : 0);
    ui->slider_DRCStrength->setValue(table ? m_defaults.value("DRCStrength") : 50);
    selectReceived(ui->comboBox_denoiseMode, "denoiseMode", table ? m_defaults.value("denoiseMode") : 0);
    ui->slider_denoiseStrength->setValue(table ? m_defaults.value("denoiseStrength") : 50);
}

void VideoImageSetting::showEvent(QShowEvent *event)
{
    RemoteCfg_Widget::showEvent(event);
    // setStreamKey on every show: clear() on hide empties the key.
    ui->widget_video->setStreamKey(CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(PreviewStream)));
}

void VideoImageSetting::hideEvent(QHideEvent *event)
{
    RemoteCfg_Widget::hideEvent(event);
    ui->widget_video->clear();
}

void VideoImageSetting::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        initSectionList();
        CommonHelper::elideChildTexts(this);
    }
}
