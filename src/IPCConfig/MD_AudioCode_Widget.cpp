#include "MD_AudioCode_Widget.h"
#include "ui_MD_AudioCode_Widget.h"

#include "CommonHelperWidgets.h"

#include <QDebug>
#include <QEvent>
#include <QSet>
#include <QTimer>

namespace {

constexpr unsigned int CmdGetAudioCaps = Cmd::GetAudioCaps;
constexpr unsigned int CmdGetAudio = Cmd::GetAudio;
constexpr unsigned int CmdSetAudio = Cmd::SetAudio;
constexpr int CapFields = 4;
constexpr int VolumeSteps = 6;
// More than any camera lists; a longer list is cut with a log line.
constexpr int MaxCapEntries = 64;

// Entries with at least four fields, in text order.
QList<QStringList> capEntries(const QString &list)
{
    QList<QStringList> entries;
    QStringList parts = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    DeviceValue::boundList(parts, MaxCapEntries, "audio capability entries");
    for (const QString &entry : qAsConst(parts)) {
        const QStringList fields = entry.split(QLatin1Char(','));
        if (fields.size() >= CapFields)
            entries.append(fields);
    }
    return entries;
}

const QStringList *defaultEntry(const QList<QStringList> &entries)
{
    for (const QStringList &fields : entries) {
        if (fields.at(2).toInt() == 1)
            return &fields;
    }
    return nullptr;
}

} // namespace

MD_AudioCode_Widget::MD_AudioCode_Widget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::MD_AudioCode_Widget)
{
    ui->setupUi(this);
    for (QWidget *w : {static_cast<QWidget *>(ui->label), static_cast<QWidget *>(ui->comboBoxEnable),
                       static_cast<QWidget *>(ui->label_14), static_cast<QWidget *>(ui->comboBoxDecodeEnable),
                       static_cast<QWidget *>(ui->label_18), static_cast<QWidget *>(ui->comboBoxDecodeBit),
                       static_cast<QWidget *>(ui->label_17), static_cast<QWidget *>(ui->comboBoxDecodeMode)})
        w->hide();
    connect(ui->slider_mic, &QSlider::valueChanged, ui->spinBox_mic, &QSpinBox::setValue);
    connect(ui->spinBox_mic, QOverload<int>::of(&QSpinBox::valueChanged), ui->slider_mic, &QSlider::setValue);
    connect(ui->slider_speaker, &QSlider::valueChanged, ui->spinBox_speaker, &QSpinBox::setValue);
    connect(ui->spinBox_speaker, QOverload<int>::of(&QSpinBox::valueChanged), ui->slider_speaker, &QSlider::setValue);
    for (QComboBox *steps : {ui->comboBoxMIC, ui->comboBoxSpeaker}) {
        for (int i = 0; i < VolumeSteps; ++i)
            steps->setItemData(i, QString::number(i));
    }
    CommonHelper::elideChildTexts(this);
}

MD_AudioCode_Widget::~MD_AudioCode_Widget()
{
    delete ui;
}

void MD_AudioCode_Widget::refreshLater(int msec)
{
    laterInThisRound(msec, [this]() { request(CmdGetAudio); });
}

QMultiMap<QString, QString> MD_AudioCode_Widget::parseCapList(const QString &list)
{
    QMultiMap<QString, QString> map;
    for (const QStringList &fields : capEntries(list))
        map.insert(fields.at(0), fields.at(1));
    return map;
}

QList<QString> MD_AudioCode_Widget::uniqueTexts(const QList<QString> &texts)
{
    const QSet<QString> set(texts.cbegin(), texts.cend());
    return QList<QString>(set.cbegin(), set.cend());
}

void MD_AudioCode_Widget::applyVolume(bool mic, int volume, bool fromReply)
{
    if (!volumeAsList) {
        (mic ? ui->slider_mic : ui->slider_speaker)->setValue(volume);
        return;
    }
    if (fromReply) {
        showVolume(mic, QString::number(volume));
        return;
    }
    QComboBox *combo = mic ? ui->comboBoxMIC : ui->comboBoxSpeaker;
    const int i = combo->findData(QString::number(volume));
    if (i >= 0)
        combo->setCurrentIndex(i);
}

void MD_AudioCode_Widget::showVolume(bool mic, const QString &reported)
{
    if (!volumeAsList) {
        (mic ? ui->slider_mic : ui->slider_speaker)->setValue(reported.toInt());
        return;
    }
    // A step the list lacks is an entry of its own, shown as the camera's
    // text: the operator picking "Mute" or a listed step is then always a
    // change.
    QComboBox *combo = mic ? ui->comboBoxMIC : ui->comboBoxSpeaker;
    while (combo->count() > VolumeSteps)
        combo->removeItem(combo->count() - 1);
    bool numeric = false;
    const int step = reported.toInt(&numeric);
    // None reported: muted, as the list has always shown it.
    OperatorEdits::selectOrAdd(combo, numeric || reported.isEmpty() ? QString::number(step) : reported);
}

void MD_AudioCode_Widget::applyDecodeDefault(const QString &list)
{
    const QList<QStringList> entries = capEntries(list);
    const QStringList *fields = defaultEntry(entries);
    if (!fields)
        return;
    decodeFormatText = fields->at(0);
    decodeRateText = fields->at(1);
    applyVolume(false, fields->at(3).toInt(), false);
}

void MD_AudioCode_Widget::applyEncodeDefault(const QString &list)
{
    const QList<QStringList> entries = capEntries(list);
    const QStringList *fields = defaultEntry(entries);
    if (!fields)
        return;
    encodeFormatText = fields->at(0);
    encodeRateText = fields->at(1);
    applyVolume(true, fields->at(3).toInt(), false);
}

void MD_AudioCode_Widget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    noAudioWrapper = false;
    decodeCapList.clear();
    encodeCapList.clear();
    m_pDeviceInfo = dev;
    QString caps = dev->capList;
    qDebug() << "recv audio cap " << caps;
    capsHaveAudioDecode = caps.contains(QLatin1String("+audioDecode"), Qt::CaseInsensitive);
    caps.remove(QStringLiteral("+audioDecode"));
    capsHaveAudio = caps.contains(QLatin1String("+audio"), Qt::CaseInsensitive);
    volumeAsList = dev->sdkPlatform == QLatin1String("BRELON");
    ui->label_mic->setVisible(capsHaveAudio);
    ui->slider_mic->setVisible(capsHaveAudio && !volumeAsList);
    ui->spinBox_mic->setVisible(capsHaveAudio && !volumeAsList);
    ui->comboBoxMIC->setVisible(capsHaveAudio && volumeAsList);
    ui->label_speaker->setVisible(capsHaveAudioDecode);
    ui->slider_speaker->setVisible(capsHaveAudioDecode && !volumeAsList);
    ui->spinBox_speaker->setVisible(capsHaveAudioDecode && !volumeAsList);
    ui->comboBoxSpeaker->setVisible(capsHaveAudioDecode && volumeAsList);
    m_receivedEncode.clear();
    m_receivedDecode.clear();
    m_shown.reset();
    m_readCaps.reset();
    m_readAudio.reset();
    if (!capsHaveAudio && !capsHaveAudioDecode)
        return;
    expectReads({CmdGetAudioCaps, CmdGetAudio});
    request(CmdGetAudioCaps);
    refreshLater(50);
}

bool MD_AudioCode_Widget::replyComplete(int cmd, const QString &xml) const
{
    if (cmd != int(CmdGetAudio))
        return true;
    return !findAllXmlElements(xml, QStringLiteral("audioEncode")).isEmpty()
           || !findAllXmlElements(xml, QStringLiteral("audioDecode")).isEmpty();
}

namespace {
// A reported text the list lacks is an entry of its own: picking a listed
// one is then always the operator's change.
void showText(QComboBox *box, const QString &text)
{
    if (!text.isEmpty() && box->findText(text) < 0)
        box->addItem(text);
    box->setCurrentText(text);
}
} // namespace

void MD_AudioCode_Widget::parseXml(int cmd, const QString &xml)
{
    qDebug() << "recv audio info " << cmd;
    // The lists and the settings of one read are shown together: lists
    // shown alone would show their first entries as the camera's, and a
    // read failing after them would leave them so.
    if (cmd == int(CmdGetAudioCaps))
        m_readCaps = xml;
    else if (cmd == int(CmdGetAudio))
        m_readAudio = xml;
    else
        return;
    if (!m_readCaps || !m_readAudio)
        return;
    {
        const QHash<QString, QString> body = findValuesInXml(*m_readCaps, QStringLiteral("body"));
        encodeCapList = body.value(QStringLiteral("audioCapList")).trimmed();
        decodeCapList = body.value(QStringLiteral("audioDecodeCapLis")).trimmed();
        const QMultiMap<QString, QString> encode = parseCapList(encodeCapList);
        const QMultiMap<QString, QString> decode = parseCapList(decodeCapList);
        ui->comboBoxType->clear();
        ui->comboBoxType->addItems(uniqueTexts(encode.keys()));
        ui->comboBoxRate->clear();
        ui->comboBoxRate->addItems(uniqueTexts(encode.values()));
        ui->comboBoxDecodeType->clear();
        ui->comboBoxDecodeType->addItems(uniqueTexts(decode.keys()));
        ui->comboBoxDecodeRate->clear();
        ui->comboBoxDecodeRate->addItems(uniqueTexts(decode.values()));
    }
    const QString &settings = *m_readAudio;
    noAudioWrapper = !settings.contains(QLatin1String("<audio>"));
    const QHash<QString, QString> encode = findValuesInXml(settings, QStringLiteral("audioEncode"));
    const QHash<QString, QString> decode = findValuesInXml(settings, QStringLiteral("audioDecode"));
    qDebug() << "encode hash " << encode << "decode hash " << decode;
    encodeFormatText = encode.value(QStringLiteral("encodeFormat")).trimmed();
    encodeRateText = encode.value(QStringLiteral("samplingRate")).trimmed();
    showText(ui->comboBoxType, encodeFormatText);
    showText(ui->comboBoxRate, encodeRateText);
    const QString micVolume = encode.value(QStringLiteral("volume")).trimmed();
    if (volumeAsList && micVolume.toInt() >= VolumeSteps)
        qWarning() << "volume invailed" << micVolume.toInt();
    showVolume(true, micVolume);
    decodeFormatText = decode.value(QStringLiteral("decodeFormat")).trimmed();
    decodeRateText = decode.value(QStringLiteral("samplingRate")).trimmed();
    showText(ui->comboBoxDecodeType, decodeFormatText);
    showText(ui->comboBoxDecodeRate, decodeRateText);
    bitWidthText = decode.value(QStringLiteral("bitWidth"));
    soundModeText = decode.value(QStringLiteral("soundmode"));
    const QString speakerVolume = decode.value(QStringLiteral("volume")).trimmed();
    if (volumeAsList && speakerVolume.toInt() >= VolumeSteps)
        qWarning() << "volume invailed" << speakerVolume.toInt();
    showVolume(false, speakerVolume);

    const IpcBody::Element reply = IpcBody::read(settings);
    const IpcBody::Element *encodePart = reply.find(QStringLiteral("audioEncode"));
    const IpcBody::Element *decodePart = reply.find(QStringLiteral("audioDecode"));
    m_receivedEncode = encodePart ? encodePart->values() : IpcBody::Values();
    m_receivedDecode = decodePart ? decodePart->values() : IpcBody::Values();
    m_shown.reset();
    m_shown.filled(QStringLiteral("encode.encodeFormat"), ui->comboBoxType);
    m_shown.filled(QStringLiteral("encode.samplingRate"), ui->comboBoxRate);
    m_shown.filled(QStringLiteral("encode.volume"), volumeControl(true));
    m_shown.filled(QStringLiteral("encode.volume"), ui->slider_mic);
    m_shown.filled(QStringLiteral("decode.decodeFormat"), ui->comboBoxDecodeType);
    m_shown.filled(QStringLiteral("decode.samplingRate"), ui->comboBoxDecodeRate);
    m_shown.filled(QStringLiteral("decode.volume"), volumeControl(false));
    m_shown.filled(QStringLiteral("decode.volume"), ui->spinBox_speaker);
}

QWidget *MD_AudioCode_Widget::volumeControl(bool mic) const
{
    if (volumeAsList)
        return mic ? ui->comboBoxMIC : ui->comboBoxSpeaker;
    return mic ? static_cast<QWidget *>(ui->spinBox_mic) : ui->slider_speaker;
}

QString MD_AudioCode_Widget::volumeValue(bool mic) const
{
    if (volumeAsList)
        return (mic ? ui->comboBoxMIC : ui->comboBoxSpeaker)->currentData().toString();
    return QString::number(mic ? ui->spinBox_mic->value() : ui->slider_speaker->value());
}

void MD_AudioCode_Widget::on_pushButton_default_clicked()
{
    if (!decodeCapList.isEmpty())
        applyDecodeDefault(decodeCapList);
    if (!encodeCapList.isEmpty())
        applyEncodeDefault(encodeCapList);
}

void MD_AudioCode_Widget::on_pushButton_save_clicked()
{
    if (!m_pDeviceInfo || (!capsHaveAudio && !capsHaveAudioDecode) || !canSave())
        return;
    const auto put = [this](IpcBody::Values &values, const QString &side, const char *key, const QWidget *,
                            const QString &fromControl) {
        if (!values.contains(QLatin1String(key)) || m_shown.edited(side + QLatin1String(key)))
            values.insert(QLatin1String(key), fromControl);
    };
    // The page offers no switch for the halves: a camera's own state goes
    // back, otherwise they are on.
    IpcBody::Values encode = m_receivedEncode;
    if (!encode.contains(QStringLiteral("enable")))
        encode.insert(QStringLiteral("enable"), QStringLiteral("1"));
    put(encode, QStringLiteral("encode."), "encodeFormat", ui->comboBoxType, ui->comboBoxType->currentText());
    put(encode, QStringLiteral("encode."), "samplingRate", ui->comboBoxRate, ui->comboBoxRate->currentText());
    put(encode, QStringLiteral("encode."), "volume", volumeControl(true), volumeValue(true));
    QString parts = IpcBody::audioEncode(encode);
    if (capsHaveAudioDecode) {
        IpcBody::Values decode = m_receivedDecode;
        if (!decode.contains(QStringLiteral("enable")))
            decode.insert(QStringLiteral("enable"), QStringLiteral("1"));
        put(decode, QStringLiteral("decode."), "decodeFormat", ui->comboBoxDecodeType,
            ui->comboBoxDecodeType->currentText());
        put(decode, QStringLiteral("decode."), "samplingRate", ui->comboBoxDecodeRate,
            ui->comboBoxDecodeRate->currentText());
        if (!decode.contains(QStringLiteral("bitWidth")))
            decode.insert(QStringLiteral("bitWidth"), bitWidthText);
        if (!decode.contains(QStringLiteral("soundmode")))
            decode.insert(QStringLiteral("soundmode"), soundModeText);
        put(decode, QStringLiteral("decode."), "volume", volumeControl(false), volumeValue(false));
        parts += IpcBody::audioDecode(decode);
    }
    request(CmdSetAudio, IpcBody::audio(parts, !noAudioWrapper), 0, RequestKind::Save);
}

ConfigPageSession::Shown MD_AudioCode_Widget::shownValues() const
{
    return m_shown.shown();
}

void MD_AudioCode_Widget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
