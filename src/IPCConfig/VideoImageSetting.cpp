#include "VideoImageSetting.h"
#include "ui_VideoImageSetting.h"

#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "MsgTipInfoDlg.h"
#include "OpenGLRender.h"
#include "UnreadForm.h"

#include <QDebug>
#include <QEvent>
#include <QStringListModel>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

constexpr unsigned int CmdGetImage = Cmd::GetImage;
constexpr unsigned int CmdGetDefaults = Cmd::GetImageDefaults;
constexpr int SecondGetDelayMs = 50;
constexpr int PreviewStream = 1;

const char *const kGroups[] = {"imageAdjustment", "dayNight",     "exposure",
                               "backlight",       "whiteBalance", "imageEnhancement"};

// Process-wide: the video-format warning is not repeated for the same choice.
int g_lastWarnedFormat = -1;

// A row that comes and goes with the camera's capabilities or a mode keeps
// its room: nothing else on the sub-page moves when a read or the operator
// shows it.
void setShown(std::initializer_list<QWidget *> widgets, bool shown)
{
    CommonHelper::keepRoomWhenHidden(widgets);
    for (QWidget *w : widgets)
        w->setVisible(shown);
}

} // namespace

VideoImageSetting::VideoImageSetting(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::VideoImageSetting)
    , m_sectionModel(new QStringListModel(this))
    , m_received(6)
    , m_present(6, false)
{
    ui->setupUi(this);
    // The channel shown is the operator's choice, not a value of the camera.
    UnreadForm::keepShown(ui->comboBoxChannel);
    const QList<QPair<QSlider *, QSpinBox *>> pairs{
        {ui->slider_brightness, ui->spinBox_brightness},
        {ui->slider_contrast, ui->spinBox_contrast},
        {ui->slider_saturation, ui->spinBox_saturation},
        {ui->slider_sharpness, ui->spinBox_sharpness},
        {ui->slider_exposure, ui->spinBox_exposure},
        {ui->slider_redGain, ui->spinBox_redGain},
        {ui->slider_blueGain, ui->spinBox_blueGain},
        {ui->slider_DRCStrength, ui->spinBox_DRCStrength},
        {ui->slider_denoiseStrength, ui->spinBox_denoiseStrength},
    };
    for (const auto &pair : pairs) {
        connect(pair.first, &QSlider::valueChanged, pair.second, &QSpinBox::setValue);
        connect(pair.second, QOverload<int>::of(&QSpinBox::valueChanged), pair.first, &QSlider::setValue);
        m_boxBeside.insert(pair.first, pair.second);
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
    m_sectionNames =
        QStringList{tr("Image"), tr("Night Vision Mode"), tr("Exposure"), tr("Backlight"), tr("WB"), tr("PE")};
    // Setting the names empties the list's current row: the sub-page shown
    // stays the current one.
    const int shown = ui->listView->currentIndex().isValid() ? ui->stackedWidget->currentIndex() : -1;
    m_sectionModel->setStringList(m_sectionNames);
    if (shown >= 0)
        ui->listView->setCurrentIndex(m_sectionModel->index(shown));
}

const QStringList &VideoImageSetting::shutterList(int standard)
{
    static const QStringList ntsc{"1/3",   "1/6",   "1/12",  "1/30",   "1/60",   "1/120",  "1/150",   "1/200",
                                  "1/250", "1/500", "1/750", "1/1000", "1/2000", "1/4000", "1/10000", "1/100000"};
    static const QStringList pal{"1/3",   "1/6",   "1/12",  "1/25",   "1/50",   "1/100",  "1/150",   "1/200",
                                 "1/250", "1/500", "1/750", "1/1000", "1/2000", "1/4000", "1/10000", "1/100000"};
    return standard == 1 ? pal : ntsc;
}

void VideoImageSetting::requestSettings()
{
    const uint8_t ch = getChannel();
    request(CmdGetImage, QString(), ch);
    // Without the camera's defaults "Default" takes fixed values.
    laterInThisRound(SecondGetDelayMs, [this, ch]() { requestOptional(CmdGetDefaults, ch); });
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
    beginReading();
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
        const IpcBody::Element reply = IpcBody::read(xml);
        for (int i = 0; i < 6; ++i) {
            const IpcBody::Element *group = reply.find(QLatin1String(kGroups[i]));
            m_present[i] = group != nullptr;
            m_received[i] = group ? group->values() : IpcBody::Values();
        }
        ui->stackedWidget->setCurrentIndex(m_rememberedPage);
        ui->listView->setCurrentIndex(m_sectionModel->index(m_rememberedPage));
        updateImageAdjustment(groups.at(0));
        updateNightVision(groups.at(1));
        updateExposure(groups.at(2));
        updateBacklight(groups.at(3));
        updateWhiteBalance(groups.at(4));
        updateImageEnhancement(groups.at(5));
        for (int i = 0; i < 6; ++i)
            rememberShown(i);
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
    // The sub-page on screen: the list's row follows it, but its text is
    // the name of another language once the operator switched.
    const QModelIndex current = ui->listView->currentIndex();
    return current.isValid() ? ui->stackedWidget->currentIndex() : -1;
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

QList<VideoImageSetting::Control> VideoImageSetting::controlsOf(int position) const
{
    switch (position) {
    case 0:
        return {{"brightness", ui->slider_brightness},    {"contrast", ui->slider_contrast},
                {"saturation", ui->slider_saturation},    {"sharpness", ui->slider_sharpness},
                {"tvStandard", ui->comboBox_videoFormat}, {"mirrorMode", ui->comboBox_mirror},
                {"rotateMode", ui->comboBox_rotate},      {"antiFlicker", ui->comboBoxAntiFlicker}};
    case 1:
        return {{"dayNightCompensateMode", ui->comboBox_nightVision}};
    case 2:
        return {{"exposureMode", ui->comboBox_exposureMode},
                {"exposureTime", ui->comboBox_exposureTime},
                {"SystemGain", ui->slider_exposure}};
    case 3:
        return {{"backlightMode", ui->comboBox_backlight}};
    case 4:
        return {
            {"WBMode", ui->comboBox_whiteBalance}, {"redGain", ui->slider_redGain}, {"blueGain", ui->slider_blueGain}};
    case 5:
        return {{"DRCMode", ui->comboBox_DRCMode},
                {"DRCStrength", ui->slider_DRCStrength},
                {"denoiseMode", ui->comboBox_denoiseMode},
                {"denoiseStrength", ui->slider_denoiseStrength}};
    default:
        return {};
    }
}

void VideoImageSetting::rememberShown(int position)
{
    m_shown[position].reset();
    for (const Control &c : controlsOf(position)) {
        m_shown[position].filled(QLatin1String(c.element), c.control);
        // A value typed beside the slider is the operator's as well; a value
        // beyond the slider's range goes back as reported until then.
        if (QWidget *box = m_boxBeside.value(c.control))
            m_shown[position].filled(QLatin1String(c.element), box);
    }
}

QString VideoImageSetting::controlValue(const QWidget *control)
{
    if (const auto *slider = qobject_cast<const QSlider *>(control))
        return QString::number(slider->value());
    const auto *combo = qobject_cast<const QComboBox *>(control);
    // The night-vision entries carry their mode; the others are positions.
    if (combo && combo->currentData().isValid())
        return QString::number(combo->currentData().toInt());
    return combo ? QString::number(combo->currentIndex()) : QString();
}

IpcBody::Values VideoImageSetting::valuesToSend(int position) const
{
    IpcBody::Values values = m_received.value(position);
    for (const Control &c : controlsOf(position))
        m_shown.at(position).take(values, QLatin1String(c.element), controlValue(c.control));
    if (position == 1) {
        // The page has no control for these: as received, or what the camera expects.
        if (!values.contains(QStringLiteral("dayNightMode")))
            values.insert(QStringLiteral("dayNightMode"), QStringLiteral("2"));
    }
    return values;
}

void VideoImageSetting::send(int position, const IpcBody::Values &values)
{
    if (!m_pDeviceInfo) {
        qWarning() << " device info is null ";
        return;
    }
    if (!canSave())
        return;
    // A group the camera did not report would be written with what the
    // controls happened to hold.
    if (!m_present.value(position) && (readState() != ReadState::Idle)) {
        qInfo() << "image group not read, not saved:" << IpcBody::imageGroupElement(position);
        sayFailure();
        return;
    }
    const bool antiFlicker = m_pDeviceInfo->capList.contains(QLatin1String("antiFlicker"));
    savePart(position, Cmd::setOfImageGroup(position), IpcBody::imageGroup(position, values, antiFlicker),
             readChannel());
}

bool VideoImageSetting::takeSaveAnswer(const ConfigReply &reply)
{
    const int *sets = std::begin(Cmd::ImageGroupSets);
    const int *set = std::find(sets, std::end(Cmd::ImageGroupSets), int(reply.cmd));
    if (set != std::end(Cmd::ImageGroupSets))
        answerOfPart(int(set - sets));
    return false;
}

ConfigPageSession::Shown VideoImageSetting::shownValues() const
{
    // A Save sends its group; every group keeps showing what it was given
    // when another section is on screen, so an answer that comes then still
    // settles the group it saved.
    ConfigPageSession::Shown shown;
    for (int group = 0; group < int(m_shown.size()); ++group) {
        if (sendingPart() >= 0 && group != sendingPart())
            continue;
        const OperatorEdits::Values values = m_shown[size_t(group)].shown();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            shown.insert(QStringLiteral("%1.%2").arg(group).arg(it.key()), it.value());
    }
    return shown;
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

namespace {
// A position outside the list leaves the list without a selection.
void selectPosition(QComboBox *combo, int position)
{
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}
} // namespace

void VideoImageSetting::updateImageAdjustment(const Values &v)
{
    ui->slider_brightness->setValue(v.value("brightness"));
    ui->slider_contrast->setValue(v.value("contrast"));
    ui->slider_saturation->setValue(v.value("saturation"));
    ui->slider_sharpness->setValue(v.value("sharpness"));
    selectPosition(ui->comboBox_videoFormat, v.value("tvStandard"));
    selectPosition(ui->comboBox_mirror, v.value("mirrorMode"));
    selectPosition(ui->comboBox_rotate, v.value("rotateMode"));
    const QString caps = m_pDeviceInfo ? m_pDeviceInfo->capList : QString();
    setShown({ui->label_7, ui->comboBox_rotate}, caps.contains(QLatin1String("rotate")));
    setShown({ui->label_8, ui->comboBoxAntiFlicker}, caps.contains(QLatin1String("antiFlicker")));
    selectPosition(ui->comboBoxAntiFlicker, v.value("antiFlicker"));
}

void VideoImageSetting::saveImageAdjustment()
{
    send(0, valuesToSend(0));
}

void VideoImageSetting::defaultImageAdjustment()
{
    if (m_defaults.isEmpty()) {
        for (QSlider *s : {ui->slider_brightness, ui->slider_contrast, ui->slider_saturation, ui->slider_sharpness})
            s->setValue(50);
        ui->comboBox_videoFormat->setCurrentIndex(1);
        ui->comboBox_mirror->setCurrentIndex(3);
        ui->comboBox_rotate->setCurrentIndex(0);
    } else {
        const Values &d = m_defaults;
        ui->slider_brightness->setValue(d.value("brightness"));
        ui->slider_contrast->setValue(d.value("contrast"));
        ui->slider_saturation->setValue(d.value("saturation"));
        ui->slider_sharpness->setValue(d.value("sharpness"));
        selectPosition(ui->comboBox_videoFormat, d.value("tvStandard"));
        selectPosition(ui->comboBox_mirror, d.value("mirrorMode"));
        selectPosition(ui->comboBox_rotate, d.value("rotateMode"));
    }
    // What "Default" put there is what a Save writes; anti-flicker is left.
    for (const char *element :
         {"brightness", "contrast", "saturation", "sharpness", "tvStandard", "mirrorMode", "rotateMode"})
        m_shown[0].mark(QLatin1String(element));
}

QStringList VideoImageSetting::nightVisionModes() const
{
    if (!m_pDeviceInfo)
        return QStringList();
    // Without dual light the camera only has infrared: its single entry,
    // "Infrared Mode", is mode 1. Read by position it would show nothing for
    // the camera's own 1 and save 0, smart mode, under the infrared name.
    if (!m_pDeviceInfo->capList.contains(QLatin1String("doubleLight"), Qt::CaseInsensitive))
        return QStringList{QStringLiteral("1")};
    return m_pDeviceInfo->doubleLightCfg.split(QLatin1Char('+'), Qt::SkipEmptyParts);
}

void VideoImageSetting::updateNightVision(const Values &v)
{
    static const char *const names[] = {QT_TR_NOOP("Smart Mode"), QT_TR_NOOP("Infrared Mode"),
                                        QT_TR_NOOP("Full Color Mode")};
    ui->comboBox_nightVision->clear();
    // Each entry carries its mode: a list with modes this client has no name
    // for ("0+3+2") would otherwise put the names and the numbers out of step.
    const QStringList modes = nightVisionModes();
    if (modes.isEmpty()) {
        for (int mode = 0; mode < 3; ++mode)
            ui->comboBox_nightVision->addItem(tr(names[mode]), mode);
    } else {
        for (const QString &part : modes) {
            const int mode = DeviceValue::toInt(part, -1);
            if (mode >= 0 && mode <= 2 && ui->comboBox_nightVision->findData(mode) < 0)
                ui->comboBox_nightVision->addItem(tr(names[mode]), mode);
        }
    }
    ui->comboBox_nightVision->setCurrentIndex(
        ui->comboBox_nightVision->findData(v.value("dayNightCompensateMode", -1)));
}

void VideoImageSetting::saveNightVision()
{
    if (!m_pDeviceInfo) {
        qWarning() << "Device info  is null";
        return;
    }
    IpcBody::Values values = valuesToSend(1);
    const int mode = DeviceValue::toInt(values.value(QStringLiteral("dayNightCompensateMode")), -1);
    // Only what the camera sent may go back unread by this client.
    const bool asReceived = m_received.at(1).contains(QStringLiteral("dayNightCompensateMode"))
                            && !m_shown.at(1).edited(QStringLiteral("dayNightCompensateMode"));
    if (!asReceived && mode < 0) {
        qWarning() << "Invalid night vision mode index:" << ui->comboBox_nightVision->currentIndex()
                   << "in list:" << nightVisionModes();
        return;
    }
    send(1, values);
}

void VideoImageSetting::defaultNightVision()
{
    if (m_defaults.isEmpty()) {
        ui->comboBox_nightVision->setCurrentIndex(ui->comboBox_nightVision->count() > 1 ? 1 : 0);
    } else {
        const int mode = m_defaults.value("dayNightCompensateMode");
        const int at = ui->comboBox_nightVision->findData(mode);
        if (at >= 0)
            ui->comboBox_nightVision->setCurrentIndex(at);
        else
            qDebug() << "defaultNightVision data err " << mode << nightVisionModes();
    }
    m_shown[1].mark(QStringLiteral("dayNightCompensateMode"));
}

void VideoImageSetting::updateExposure(const Values &v)
{
    ui->comboBox_exposureTime->clear();
    const int standard = v.value("tvStandard");
    if (standard == 0 || standard == 1)
        ui->comboBox_exposureTime->addItems(shutterList(standard));
    on_comboBox_exposureMode_currentIndexChanged(v.value("exposureMode"));
    selectPosition(ui->comboBox_exposureMode, v.value("exposureMode"));
    selectPosition(ui->comboBox_exposureTime, v.value("exposureTime"));
    ui->slider_exposure->setValue(v.value("SystemGain"));
}

void VideoImageSetting::saveExposure()
{
    send(2, valuesToSend(2));
}

void VideoImageSetting::defaultExposure()
{
    const bool table = !m_defaults.isEmpty();
    selectPosition(ui->comboBox_exposureMode, table ? m_defaults.value("exposureMode") : 0);
    selectPosition(ui->comboBox_exposureTime, table ? m_defaults.value("exposureTime") : 0);
    ui->slider_exposure->setValue(table ? m_defaults.value("SystemGain") : 50);
    m_shown[2].reset();
}

void VideoImageSetting::updateBacklight(const Values &v)
{
    selectPosition(ui->comboBox_backlight, v.value("backlightMode"));
}

void VideoImageSetting::saveBacklight()
{
    send(3, valuesToSend(3));
}

void VideoImageSetting::defaultBacklight()
{
    selectPosition(ui->comboBox_backlight, m_defaults.isEmpty() ? 2 : m_defaults.value("backlightMode"));
    m_shown[3].reset();
}

void VideoImageSetting::updateWhiteBalance(const Values &v)
{
    on_comboBox_whiteBalance_currentIndexChanged(v.value("WBMode"));
    selectPosition(ui->comboBox_whiteBalance, v.value("WBMode"));
    ui->slider_redGain->setValue(v.value("redGain"));
    ui->slider_blueGain->setValue(v.value("blueGain"));
}

void VideoImageSetting::saveWhiteBalance()
{
    send(4, valuesToSend(4));
}

void VideoImageSetting::defaultWhiteBalance()
{
    const bool table = !m_defaults.isEmpty();
    selectPosition(ui->comboBox_whiteBalance, table ? m_defaults.value("WBMode") : 0);
    ui->slider_redGain->setValue(table ? m_defaults.value("redGain") : 50);
    ui->slider_blueGain->setValue(table ? m_defaults.value("blueGain") : 50);
    m_shown[4].reset();
}

void VideoImageSetting::updateImageEnhancement(const Values &v)
{
    selectPosition(ui->comboBox_DRCMode, v.value("DRCMode"));
    ui->slider_DRCStrength->setValue(v.value("DRCStrength"));
    on_comboBox_DRCMode_currentIndexChanged(v.value("DRCMode"));
    selectPosition(ui->comboBox_denoiseMode, v.value("denoiseMode"));
    ui->slider_denoiseStrength->setValue(v.value("denoiseStrength"));
    on_comboBox_denoiseMode_currentIndexChanged(v.value("denoiseMode"));
}

void VideoImageSetting::saveImageEnhancement()
{
    send(5, valuesToSend(5));
}

void VideoImageSetting::defaultImageEnhancement()
{
    const bool table = !m_defaults.isEmpty();
    selectPosition(ui->comboBox_DRCMode, table ? m_defaults.value("DRCMode") : 0);
    ui->slider_DRCStrength->setValue(table ? m_defaults.value("DRCStrength") : 50);
    selectPosition(ui->comboBox_denoiseMode, table ? m_defaults.value("denoiseMode") : 0);
    ui->slider_denoiseStrength->setValue(table ? m_defaults.value("denoiseStrength") : 50);
    m_shown[5].reset();
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
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
