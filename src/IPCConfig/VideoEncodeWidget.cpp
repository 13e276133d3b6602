#include "VideoEncodeWidget.h"
#include "ui_VideoEncodeWidget.h"

#include "CommonHelperWidgets.h"
#include "CustomDialog.h"
#include "MsgTipInfoDlg.h"
#include "UnreadForm.h"

#include <QDebug>
#include <QEvent>
#include <QSet>
#include <QTimer>

namespace {

constexpr unsigned int CmdGetCaps = Cmd::GetVideoCaps;
constexpr unsigned int CmdGetEncode = Cmd::GetVideoEncode;
constexpr unsigned int CmdSetEncode = Cmd::SetVideoEncode;
constexpr unsigned int CmdRestart = Cmd::Reboot;
constexpr int SecondGetDelayMs = 50;
constexpr int CapFields = 15;
constexpr int BestFields = 7;
// More than any camera offers; a longer list is cut with a log line.
constexpr int MaxCapEntries = 256;
// Frame rates listed at most: a range a camera sends may be any two numbers.
constexpr int MaxFrameRates = 240;

const QList<int> kMainPresets{8192, 6144, 5120, 4096, 3072, 2048, 1536, 1024, 512, 256};
const QList<int> kSubPresets{1024, 640, 512, 256, 128};

void fillIntervals(QComboBox *combo)
{
    for (int s = 1; s <= 9; ++s)
        combo->addItem(QString::number(s));
}

void fillRange(QComboBox *combo, int from, int to)
{
    if (to < from)
        return;
    if (qint64(to) - from >= MaxFrameRates) {
        DeviceValue::logCut(qint64(to) - from + 1, MaxFrameRates, "frame rates");
        to = from + MaxFrameRates - 1;
    }
    for (qint64 f = from; f <= to; ++f)
        combo->addItem(QString::number(f));
}

void selectData(QComboBox *combo, const QString &data)
{
    const int i = combo->findData(data);
    if (i >= 0)
        combo->setCurrentIndex(i);
}

void selectText(QComboBox *combo, const QString &text)
{
    const int i = combo->findText(text);
    if (i >= 0)
        combo->setCurrentIndex(i);
}

// A reported value the capability list lacks is an entry of its own, so the
// list still shows it and any listed entry picked is a change.
void selectOrAddData(QComboBox *combo, const QString &data, const QString &display)
{
    if (!data.isEmpty() && combo->findData(data) < 0)
        combo->addItem(display, data);
    selectData(combo, data);
}

void selectOrAddText(QComboBox *combo, const QString &text)
{
    if (!text.isEmpty() && combo->findText(text) < 0)
        combo->addItem(text);
    selectText(combo, text);
}

} // namespace

VideoEncodeWidget::VideoEncodeWidget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::VideoEncodeWidget)
    , m_resolutionOrder{QStringLiteral("8K"),   QStringLiteral("4K"),      QStringLiteral("5MP"),
                        QStringLiteral("5M"),   QStringLiteral("4MP"),     QStringLiteral("4M"),
                        QStringLiteral("3MP"),  QStringLiteral("3M"),      QStringLiteral("1080P"),
                        QStringLiteral("960P"), QStringLiteral("720P"),    QStringLiteral("D1"),
                        QStringLiteral("VGA"),  QStringLiteral("640X360"), QStringLiteral("CIF")}
{
    ui->setupUi(this);
    // A custom bit rate's field shows with the value read; its room is kept,
    // so the rows below stay where they were.
    CommonHelper::keepRoomWhenHidden(
        {ui->lineEdit_main_bitrate, ui->label_main_kbps, ui->lineEdit_sub_bitrate, ui->label_sub_kbps});
    // The channel shown is the operator's choice, not a value of the camera.
    UnreadForm::keepShown(ui->comboBoxChannel);
    // The lists' texts ("Custom", "Constant" in every language) decide their width.
    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (QWidget *w : {static_cast<QWidget *>(ui->lineEdit_main_bitrate), static_cast<QWidget *>(ui->label_main_kbps),
                       static_cast<QWidget *>(ui->lineEdit_sub_bitrate), static_cast<QWidget *>(ui->label_sub_kbps)})
        w->hide();
    CommonHelper::elideChildTexts(this);
}

VideoEncodeWidget::~VideoEncodeWidget()
{
    delete ui;
}

void VideoEncodeWidget::resetBest()
{
    m_bestParam.clear();
    m_mainBest = VideoCapabilitySet();
    m_subBest = VideoCapabilitySet();
}

void VideoEncodeWidget::requestCaps()
{
    m_readCaps.reset();
    m_readEncode.reset();
    const uint8_t ch = getChannel();
    expectReads({CmdGetCaps, CmdGetEncode}, ch);
    request(CmdGetCaps, QString(), ch);
    // The page owns the timer: a page gone before it fires asks nothing.
    laterInThisRound(SecondGetDelayMs, [this, ch]() { request(CmdGetEncode, QString(), ch); });
}

void VideoEncodeWidget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    m_pDeviceInfo = dev;
    supportChannel = dev->capList.contains(QLatin1String("channel1"), Qt::CaseInsensitive);
    if (dev->channelIdx != 0)
        channel = dev->channelIdx - 1;
    ui->comboBoxChannel->setCurrentIndex(channel);
    ui->label_Channel->setVisible(supportChannel);
    ui->comboBoxChannel->setVisible(supportChannel);
    requestCaps();
}

bool VideoEncodeWidget::replyComplete(int cmd, const QString &xml) const
{
    return cmd != int(CmdGetEncode) || !findAllXmlElements(xml, QStringLiteral("encode0")).isEmpty();
}

void VideoEncodeWidget::parseXml(int cmd, const QString &xml)
{
    // The lists and the settings of one read are shown together: a
    // capability list shown alone would show its first entries as if the
    // camera ran at them, and a read that fails after it would leave them.
    if (cmd == int(CmdGetCaps))
        m_readCaps = xml;
    else if (cmd == int(CmdGetEncode))
        m_readEncode = xml;
    else
        return;
    if (!m_readCaps || !m_readEncode)
        return;
    const QHash<QString, QString> body = findValuesInXml(*m_readCaps, QStringLiteral("body"));
    resetBest();
    m_bestParam = body.value(QStringLiteral("videoBestParameter")).trimmed();
    updateCaps(body.value(QStringLiteral("videoCapList")).trimmed());
    const IpcBody::Element reply = IpcBody::read(*m_readEncode);
    const IpcBody::Element *main = reply.find(QStringLiteral("encode0"));
    const IpcBody::Element *sub = reply.find(QStringLiteral("encode1"));
    m_receivedMain = main ? main->values() : IpcBody::Values();
    m_receivedSub = sub ? sub->values() : IpcBody::Values();
    applyEncodeParams(findValuesInXml(*m_readEncode, QStringLiteral("encode0")),
                      findValuesInXml(*m_readEncode, QStringLiteral("encode1")));
    rememberShown();
}

bool VideoEncodeWidget::parseStrVideo(const QString &entry, VideoCapabilitySet &set)
{
    const QStringList f = entry.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (f.size() < CapFields) {
        qWarning() << "Invalid video capability format: " << entry;
        return false;
    }
    using DeviceValue::bounded;
    using DeviceValue::toInt;
    set.id = uint16_t(bounded(f.at(0), 0, 0xffff, 0));
    set.resolution = f.at(1);
    set.encodeFormat = f.at(2);
    set.streamType = uint8_t(bounded(f.at(3), 0, 0xff, 0));
    set.bitRate = toInt(f.at(4));
    set.bitRateMin = toInt(f.at(5));
    set.bitRateMax = toInt(f.at(6));
    set.frameRate = toInt(f.at(7));
    set.frameRateMin = toInt(f.at(8));
    set.frameRateMax = toInt(f.at(9));
    set.extraFlag = uint8_t(bounded(f.at(10), 0, 0xff, 0));
    set.isBest = uint8_t(bounded(f.at(11), 0, 0xff, 0));
    set.bitRateControl = f.at(12);
    set.initQuant = uint16_t(bounded(f.at(13), 0, 0xffff, 0));
    set.subStreamIds.clear();
    for (const QString &part : f.at(14).split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.toInt(&ok);
        if (ok)
            set.subStreamIds.append(id);
    }
    return true;
}

QString VideoEncodeWidget::resolutionDisplayName(const QString &name)
{
    if (!name.endsWith(QLatin1Char('M')))
        return name;
    QString shown = name;
    return shown.replace(QLatin1String("M"), QLatin1String("MP"));
}

void VideoEncodeWidget::updateCaps(const QString &capList)
{
    m_mainCaps.clear();
    m_subCaps.clear();
    QStringList entries = capList.split(QLatin1Char(';'));
    DeviceValue::boundList(entries, MaxCapEntries, "video capability entries");
    for (const QString &entry : qAsConst(entries)) {
        VideoCapabilitySet set;
        if (!parseStrVideo(entry, set))
            continue;
        (set.streamType == 0 ? m_mainCaps : m_subCaps).insert(set.id, set);
        if (set.isBest)
            (set.streamType == 0 ? m_mainBest : m_subBest) = set;
    }
    qDebug() << "main key " << m_mainCaps.keys() << "sub key" << m_subCaps.keys();
    initResolutionLists();
    if (m_bestParam.isEmpty())
        return;
    QStringList bestParts = m_bestParam.split(QLatin1Char(';'));
    DeviceValue::boundList(bestParts, MaxCapEntries, "best parameter entries");
    for (const QString &part : qAsConst(bestParts)) {
        const QStringList f = part.split(QLatin1Char(','));
        if (f.size() < BestFields)
            continue;
        VideoCapabilitySet best;
        best.streamType = uint8_t(DeviceValue::bounded(f.at(0), 0, 0xff, 0));
        best.encodeFormat = f.at(1);
        best.resolution = f.at(2);
        best.bitRateControl = f.at(3);
        best.initQuant = uint16_t(DeviceValue::bounded(f.at(4), 0, 0xffff, 0));
        best.bitRate = DeviceValue::toInt(f.at(5));
        best.frameRate = DeviceValue::toInt(f.at(6));
        (best.streamType == 0 ? m_mainBest : m_subBest) = best;
    }
}

void VideoEncodeWidget::initResolutionLists()
{
    for (QComboBox *combo :
         {ui->comboBox_main_resolution, ui->comboBox_sub_resolution, ui->comboBox_sub_encodeType,
          ui->comboBox_sub_bitControl, ui->comboBox_sub_bitRate, ui->comboBox_sub_framerate, ui->comboBox_sub_iFrame})
        combo->clear();
    QSet<QString> names;
    for (const VideoCapabilitySet &set : qAsConst(m_mainCaps))
        names.insert(set.resolution);
    for (const QString &name : qAsConst(m_resolutionOrder)) {
        if (names.contains(name))
            ui->comboBox_main_resolution->addItem(resolutionDisplayName(name), name);
    }
}

void VideoEncodeWidget::fillBitRates(QComboBox *combo, const VideoCapabilitySet &entry, const QList<int> &presets)
{
    const int low = std::min(entry.bitRateMin, entry.bitRateMax);
    const int high = std::max(entry.bitRateMin, entry.bitRateMax);
    for (int preset : presets) {
        if (preset >= low && preset <= high)
            combo->addItem(QString::number(preset));
    }
    // Fewer than two presets give no range to read off the list: the custom
    // item carries the entry's own bounds.
    combo->addItem(tr("Custom"), QPoint(low, high));
}

QPair<int, int> VideoEncodeWidget::customBounds(const QComboBox *combo)
{
    const int n = combo->count();
    if (n - 1 >= 2) {
        const int a = combo->itemText(n - 2).toInt();
        const int b = combo->itemText(0).toInt();
        return qMakePair(std::min(a, b), std::max(a, b));
    }
    const QPoint bounds = n > 0 ? combo->itemData(n - 1).toPoint() : QPoint();
    return qMakePair(bounds.x(), bounds.y());
}

void VideoEncodeWidget::fillMainStreamOptions(const VideoCapabilitySet &entry)
{
    for (QComboBox *combo : {ui->comboBox_main_encodeType, ui->comboBox_main_bitControl, ui->comboBox_main_bitRate,
                             ui->comboBox_main_framerate, ui->comboBox_main_iFrame})
        combo->clear();
    QStringList formats;
    for (const VideoCapabilitySet &set : qAsConst(m_mainCaps)) {
        if (set.resolution == entry.resolution && !formats.contains(set.encodeFormat))
            formats << set.encodeFormat;
    }
    ui->comboBox_main_encodeType->addItems(formats);
    fillRange(ui->comboBox_main_framerate, entry.frameRateMin, entry.frameRateMax);
    ui->comboBox_main_bitControl->addItem(tr("Variable"), QStringLiteral("VBR"));
    ui->comboBox_main_bitControl->addItem(tr("Constant"), QStringLiteral("CBR"));
    fillBitRates(ui->comboBox_main_bitRate, entry, kMainPresets);
    fillIntervals(ui->comboBox_main_iFrame);
}

void VideoEncodeWidget::updateSubStream(const VideoCapabilitySet &mainEntry, const QString &subResolution,
                                        VideoCapabilitySet *chosen)
{
    for (QComboBox *combo : {ui->comboBox_sub_resolution, ui->comboBox_sub_encodeType, ui->comboBox_sub_bitControl,
                             ui->comboBox_sub_bitRate, ui->comboBox_sub_framerate, ui->comboBox_sub_iFrame})
        combo->clear();
    if (mainEntry.subStreamIds.isEmpty()) {
        qWarning() << "The main stream not has sub stream.";
        return;
    }
    QSet<QString> resolutions;
    QStringList formats;
    VideoCapabilitySet pick;
    bool matched = false;
    for (int id : mainEntry.subStreamIds) {
        if (!m_subCaps.contains(id))
            continue;
        const VideoCapabilitySet &set = m_subCaps[id];
        resolutions.insert(set.resolution);
        if (!formats.contains(set.encodeFormat))
            formats << set.encodeFormat;
        if (set.resolution == subResolution) {
            pick = set;
            matched = true;
        }
    }
    if (!matched)
        pick = m_subCaps.value(mainEntry.subStreamIds.first());
    for (const QString &name : qAsConst(m_resolutionOrder)) {
        if (resolutions.contains(name))
            ui->comboBox_sub_resolution->addItem(resolutionDisplayName(name), name);
    }
    ui->comboBox_sub_encodeType->addItems(formats);
    fillRange(ui->comboBox_sub_framerate, pick.frameRateMin, pick.frameRateMax);
    ui->comboBox_sub_bitControl->addItem(tr("Variable"), QStringLiteral("VBR"));
    ui->comboBox_sub_bitControl->addItem(tr("Constant"), QStringLiteral("CBR"));
    fillBitRates(ui->comboBox_sub_bitRate, pick, kSubPresets);
    fillIntervals(ui->comboBox_sub_iFrame);
    if (chosen)
        *chosen = pick;
}

void VideoEncodeWidget::updateMainStream(const VideoCapabilitySet &entry, const VideoEncodeParams &params)
{
    showStream(true, entry, params);
}

void VideoEncodeWidget::updateSubStream(const VideoCapabilitySet &entry, const VideoEncodeParams &params)
{
    showStream(false, entry, params);
}

void VideoEncodeWidget::showStream(bool main, const VideoCapabilitySet &, const VideoEncodeParams &params)
{
    QComboBox *resolution = main ? ui->comboBox_main_resolution : ui->comboBox_sub_resolution;
    QComboBox *frameRate = main ? ui->comboBox_main_framerate : ui->comboBox_sub_framerate;
    QComboBox *encodeType = main ? ui->comboBox_main_encodeType : ui->comboBox_sub_encodeType;
    QComboBox *control = main ? ui->comboBox_main_bitControl : ui->comboBox_sub_bitControl;
    QComboBox *bitRate = main ? ui->comboBox_main_bitRate : ui->comboBox_sub_bitRate;
    QLineEdit *custom = main ? ui->lineEdit_main_bitrate : ui->lineEdit_sub_bitrate;
    QComboBox *interval = main ? ui->comboBox_main_iFrame : ui->comboBox_sub_iFrame;

    selectOrAddData(resolution, params.resolution, resolutionDisplayName(params.resolution));
    const int f = DeviceValue::toInt(params.frameRate);
    selectOrAddText(frameRate, params.frameRate.trimmed());
    selectOrAddText(encodeType, params.encodeFormat);
    if (!params.bitRateControl.isEmpty())
        OperatorEdits::selectOrAdd(control, params.bitRateControl);
    const int preset = bitRate->findText(params.bitRate);
    if (preset >= 0) {
        bitRate->setCurrentIndex(preset);
    } else if (bitRate->count() > 0) {
        bitRate->setCurrentIndex(bitRate->count() - 1);
        custom->setText(params.bitRate);
    }
    applyCustomRule(main, bitRate->currentIndex());
    if (f != 0)
        selectText(interval, QString::number(DeviceValue::divide(DeviceValue::toInt(params.initQuant), f)));
    else
        qWarning() << (main ? "main frame rate is zero" : "sub frame rate is zero");
}

VideoEncodeWidget::VideoEncodeParams VideoEncodeWidget::defaultsOf(const VideoCapabilitySet &entry,
                                                                   const QString &encodeFormat)
{
    VideoEncodeParams p;
    p.resolution = entry.resolution;
    p.frameRate = QString::number(entry.frameRate);
    p.encodeFormat = encodeFormat;
    p.bitRateControl = entry.bitRateControl;
    p.bitRate = QString::number(entry.bitRate);
    p.initQuant = QString::number(entry.initQuant);
    return p;
}

void VideoEncodeWidget::applyEncodeParams(const QHash<QString, QString> &main, const QHash<QString, QString> &sub)
{
    const auto params = [](const QHash<QString, QString> &v) {
        VideoEncodeParams p;
        p.resolution = v.value(QStringLiteral("resolution"));
        p.frameRate = v.value(QStringLiteral("frameRate"));
        p.encodeFormat = v.value(QStringLiteral("encodeFormat"));
        p.bitRateControl = v.value(QStringLiteral("bitRateControl"));
        p.bitRate = v.value(QStringLiteral("bitRate"));
        p.initQuant = v.value(QStringLiteral("initQuant"));
        return p;
    };
    const VideoEncodeParams mainParams = params(main);
    // The lists come from the capability list whatever the camera runs at:
    // the entry of its resolution and format, else of its resolution, else
    // of its format, else the first. What it runs at is shown as its own item.
    const VideoCapabilitySet *found = nullptr;
    for (int pass = 0; pass < 4 && !found; ++pass) {
        for (const VideoCapabilitySet &entry : qAsConst(m_mainCaps)) {
            const bool resolution = entry.resolution == mainParams.resolution;
            const bool format = entry.encodeFormat == mainParams.encodeFormat;
            if ((pass == 0 && resolution && format) || (pass == 1 && resolution) || (pass == 2 && format)
                || pass == 3) {
                found = &entry;
                break;
            }
        }
    }
    if (!found)
        return;
    const VideoCapabilitySet entry = *found;
    fillMainStreamOptions(entry);
    updateMainStream(entry, mainParams);
    const VideoEncodeParams subParams = params(sub);
    VideoCapabilitySet chosen;
    updateSubStream(entry, subParams.resolution, &chosen);
    updateSubStream(chosen, subParams);
    m_mainShows = shownStream(true);
    m_subShows = shownStream(false);
}

QPair<QString, QString> VideoEncodeWidget::shownStream(bool main) const
{
    const QComboBox *resolution = main ? ui->comboBox_main_resolution : ui->comboBox_sub_resolution;
    const QComboBox *format = main ? ui->comboBox_main_encodeType : ui->comboBox_sub_encodeType;
    return qMakePair(resolution->currentData().toString(), format->currentText());
}

void VideoEncodeWidget::on_comboBox_main_resolution_activated(int)
{
    // The resolution and format on show picked again: nothing to rebuild.
    if (shownStream(true) == m_mainShows)
        return;
    m_mainRebuilt = true;
    m_subRebuilt = true;
    const QString resolution = ui->comboBox_main_resolution->currentData().toString();
    const QString format = ui->comboBox_main_encodeType->currentText();
    // The format shown may be one the list lacks (the camera's own): then
    // the resolution's first listed format.
    const VideoCapabilitySet *pick = nullptr;
    for (const VideoCapabilitySet &entry : qAsConst(m_mainCaps)) {
        if (entry.resolution != resolution)
            continue;
        if (entry.encodeFormat == format) {
            pick = &entry;
            break;
        }
        if (!pick)
            pick = &entry;
    }
    if (!pick)
        return;
    const VideoCapabilitySet entry = *pick;
    fillMainStreamOptions(entry);
    updateMainStream(entry, defaultsOf(entry, entry.encodeFormat));
    VideoCapabilitySet chosen;
    updateSubStream(entry, ui->comboBox_sub_resolution->currentData().toString(), &chosen);
    updateSubStream(chosen, defaultsOf(chosen, chosen.encodeFormat));
    m_mainShows = shownStream(true);
    m_subShows = shownStream(false);
}

void VideoEncodeWidget::on_comboBox_main_encodeType_activated(int index)
{
    on_comboBox_main_resolution_activated(index);
}

void VideoEncodeWidget::on_comboBox_sub_resolution_activated(int)
{
    if (shownStream(false) == m_subShows)
        return;
    m_subRebuilt = true;
    const QString resolution = ui->comboBox_sub_resolution->currentData().toString();
    const QString format = ui->comboBox_sub_encodeType->currentText();
    for (const VideoCapabilitySet &entry : qAsConst(m_subCaps)) {
        if (entry.resolution == resolution && entry.encodeFormat == format)
            updateSubStream(entry, defaultsOf(entry, format));
    }
    m_subShows = shownStream(false);
}

void VideoEncodeWidget::applyCustomRule(bool main, int index)
{
    QComboBox *combo = main ? ui->comboBox_main_bitRate : ui->comboBox_sub_bitRate;
    QLineEdit *edit = main ? ui->lineEdit_main_bitrate : ui->lineEdit_sub_bitrate;
    QLabel *label = main ? ui->label_main_kbps : ui->label_sub_kbps;
    const bool custom = combo->count() > 0 && index == combo->count() - 1;
    edit->setVisible(custom);
    label->setVisible(custom);
    if (custom) {
        const QPair<int, int> bounds = customBounds(combo);
        label->setText(QStringLiteral("(%1-%2)kbps").arg(bounds.first).arg(bounds.second));
    }
}

void VideoEncodeWidget::on_comboBox_main_bitRate_activated(int index)
{
    applyCustomRule(true, index);
}

void VideoEncodeWidget::on_comboBox_sub_bitRate_activated(int index)
{
    applyCustomRule(false, index);
}

QString VideoEncodeWidget::getBitRate(const QComboBox *combo, const QLineEdit *edit) const
{
    if (!combo || !edit) {
        qWarning() << "getBitRate fail widget is nullptr";
        return QString();
    }
    if (combo->currentIndex() != combo->count() - 1)
        return combo->currentText();
    const QString text = edit->text().trimmed();
    bool ok = false;
    const int v = text.toInt(&ok);
    const QPair<int, int> bounds = customBounds(combo);
    if (ok && v >= bounds.first && v <= bounds.second)
        return text;
    MsgTipInfoDlg::showTip(combo == ui->comboBox_main_bitRate ? tr("Main stream bitrate out of bounds")
                                                              : tr("Sub stream bitrate out of bounds"),
                           2000);
    return QString();
}

void VideoEncodeWidget::rememberShown()
{
    m_mainRebuilt = false;
    m_subRebuilt = false;
    m_shown.reset();
    const QList<QPair<QString, QWidget *>> controls{
        {"main.resolution", ui->comboBox_main_resolution},
        {"main.frameRate", ui->comboBox_main_framerate},
        {"main.encodeFormat", ui->comboBox_main_encodeType},
        {"main.bitRateControl", ui->comboBox_main_bitControl},
        {"main.bitRate", ui->comboBox_main_bitRate},
        {"main.custom", ui->lineEdit_main_bitrate},
        {"main.interval", ui->comboBox_main_iFrame},
        {"sub.resolution", ui->comboBox_sub_resolution},
        {"sub.frameRate", ui->comboBox_sub_framerate},
        {"sub.encodeFormat", ui->comboBox_sub_encodeType},
        {"sub.bitRateControl", ui->comboBox_sub_bitControl},
        {"sub.bitRate", ui->comboBox_sub_bitRate},
        {"sub.custom", ui->lineEdit_sub_bitrate},
        {"sub.interval", ui->comboBox_sub_iFrame},
    };
    for (const auto &control : controls)
        m_shown.filled(control.first, control.second);
}

bool VideoEncodeWidget::streamToSend(bool main, IpcBody::Values &values) const
{
    const QString side = main ? QStringLiteral("main.") : QStringLiteral("sub.");
    const bool rebuilt = main ? m_mainRebuilt : m_subRebuilt;
    const auto changed = [&](const char *key, const QWidget *) {
        return rebuilt || m_shown.edited(side + QLatin1String(key));
    };
    const auto put = [&](const char *key, const QWidget *control, const QString &fromControl) {
        if (!values.contains(QLatin1String(key)) || changed(key, control))
            values.insert(QLatin1String(key), fromControl);
    };
    QComboBox *resolution = main ? ui->comboBox_main_resolution : ui->comboBox_sub_resolution;
    QComboBox *frameRate = main ? ui->comboBox_main_framerate : ui->comboBox_sub_framerate;
    QComboBox *encodeType = main ? ui->comboBox_main_encodeType : ui->comboBox_sub_encodeType;
    QComboBox *control = main ? ui->comboBox_main_bitControl : ui->comboBox_sub_bitControl;
    QComboBox *bitRate = main ? ui->comboBox_main_bitRate : ui->comboBox_sub_bitRate;
    QLineEdit *custom = main ? ui->lineEdit_main_bitrate : ui->lineEdit_sub_bitrate;
    QComboBox *interval = main ? ui->comboBox_main_iFrame : ui->comboBox_sub_iFrame;

    if (!values.contains(QStringLiteral("stream")))
        values.insert(QStringLiteral("stream"), main ? QStringLiteral("0") : QStringLiteral("1"));
    put("resolution", resolution, resolution->currentData().toString());
    put("frameRate", frameRate, frameRate->currentText());
    put("encodeFormat", encodeType, encodeType->currentText());
    put("bitRateControl", control, control->currentData().toString());
    // A bitrate the camera sent goes back unchecked; one typed is checked.
    if (!values.contains(QStringLiteral("bitRate")) || changed("bitRate", bitRate) || changed("custom", custom)) {
        const QString rate = getBitRate(bitRate, custom);
        if (rate.isEmpty())
            return false;
        values.insert(QStringLiteral("bitRate"), rate);
    }
    if (!values.contains(QStringLiteral("initQuant")) || changed("frameRate", frameRate)
        || changed("interval", interval))
        values.insert(QStringLiteral("initQuant"),
                      QString::number(DeviceValue::multiply(DeviceValue::toInt(frameRate->currentText()),
                                                            DeviceValue::toInt(interval->currentText()))));
    return true;
}

void VideoEncodeWidget::on_pushButton_save_clicked()
{
    if (!m_pDeviceInfo || !canSave())
        return;
    IpcBody::Values main = m_receivedMain;
    IpcBody::Values sub = m_receivedSub;
    if (!streamToSend(true, main) || !streamToSend(false, sub))
        return;
    if (!request(CmdSetEncode, IpcBody::videoEncode(main, sub), readChannel(), RequestKind::Save))
        return;
    if (m_pDeviceInfo->sdkPlatform.compare(QLatin1String("TUYA"), Qt::CaseInsensitive) == 0
        && CustomDialog::showMessage(tr("The device needs to be restarted for the modification to take effect"), true,
                                     true, 0)
               == 1)
        request(CmdRestart, QString(), 0, RequestKind::Other);
}

ConfigPageSession::Shown VideoEncodeWidget::shownValues() const
{
    return m_shown.shown();
}

void VideoEncodeWidget::on_pushButton_default_clicked()
{
    const auto describe = [](const VideoCapabilitySet &s) {
        return QStringLiteral("%1,%2,%3,%4,%5,%6")
            .arg(s.resolution, s.encodeFormat, s.bitRateControl)
            .arg(s.bitRate)
            .arg(s.frameRate)
            .arg(s.initQuant);
    };
    qDebug() << "best param: " << m_bestParam << describe(m_mainBest) << describe(m_subBest);
    m_mainRebuilt = true;
    m_subRebuilt = true;
    for (bool main : {true, false}) {
        const VideoCapabilitySet &best = main ? m_mainBest : m_subBest;
        QComboBox *bitRate = main ? ui->comboBox_main_bitRate : ui->comboBox_sub_bitRate;
        selectData(main ? ui->comboBox_main_resolution : ui->comboBox_sub_resolution, best.resolution);
        selectText(main ? ui->comboBox_main_framerate : ui->comboBox_sub_framerate, QString::number(best.frameRate));
        selectText(main ? ui->comboBox_main_encodeType : ui->comboBox_sub_encodeType, best.encodeFormat);
        selectData(main ? ui->comboBox_main_bitControl : ui->comboBox_sub_bitControl, best.bitRateControl);
        const int preset = bitRate->findText(QString::number(best.bitRate));
        if (preset >= 0) {
            bitRate->setCurrentIndex(preset);
        } else if (bitRate->count() > 0) {
            bitRate->setCurrentIndex(bitRate->count() - 1);
            (main ? ui->lineEdit_main_bitrate : ui->lineEdit_sub_bitrate)->setText(QString::number(best.bitRate));
        }
        applyCustomRule(main, bitRate->currentIndex());
        selectText(main ? ui->comboBox_main_iFrame : ui->comboBox_sub_iFrame,
                   best.frameRate != 0 ? QString::number(DeviceValue::divide(best.initQuant, best.frameRate))
                                       : QStringLiteral("4"));
    }
}

void VideoEncodeWidget::on_comboBoxChannel_currentIndexChanged(int index)
{
    if (!m_pDeviceInfo || !supportChannel || index == channel || index < 0)
        return;
    channel = index;
    beginReading();
    requestCaps();
}

void VideoEncodeWidget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
