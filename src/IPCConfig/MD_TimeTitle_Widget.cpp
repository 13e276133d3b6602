#include "MD_TimeTitle_Widget.h"
#include "ui_MD_TimeTitle_Widget.h"

#include "CommonHelperStream.h"
#include "CommonHelperWidgets.h"
#include "DeviceInfoManager.h"
#include "IpcBodyText.h"
#include "OpenGLRender.h"
#include "SignalsHelper.h"
#include "UnreadForm.h"

#include <QDateTime>
#include <QDebug>
#include <QEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr unsigned int CmdGetOsd = Cmd::GetOsd;
constexpr unsigned int CmdSetOsd = Cmd::SetOsd;
constexpr unsigned int CmdGetOsdDefaults = Cmd::GetOsdDefaults;
constexpr unsigned int CmdGetFrame = Cmd::GetOsdFrame;
constexpr unsigned int CmdSetFrame = Cmd::SetOsdFrame;
constexpr int DefaultUnit = 100;
constexpr int CustomCount = 4;
// The date list: its forms, then "Do not display".
constexpr int DateFormats = 3;
constexpr int NoDate = DateFormats;
constexpr int PreviewStream = 1;
const char *const kMoved = "moved";
const char *const kWanted = "wanted";

QFont labelFont()
{
    QFont font(QStringLiteral("Bahnschrift SemiLight SemiConde"));
    font.setPointSize(9);
    return font;
}

int intOf(const QHash<QString, QString> &values, const char *key)
{
    return DeviceValue::toInt(values.value(QLatin1String(key)));
}

QPoint positionIn(const QString &xml)
{
    const QStringList pos = findAllXmlElements(xml, QStringLiteral("displayPosition"));
    if (pos.isEmpty())
        return QPoint();
    const QHash<QString, QString> v = findValuesInXml(pos.first(), QStringLiteral("displayPosition"));
    return QPoint(intOf(v, "PosX"), intOf(v, "PosY"));
}

} // namespace

MD_TimeTitle_Widget::MD_TimeTitle_Widget(QWidget *parent)
    : RemoteCfg_Widget(parent)
    , ui(new Ui::MD_TimeTitle_Widget)
{
    ui->setupUi(this);
    // The channel shown is the operator's choice, not a value of the camera.
    UnreadForm::keepShown(ui->comboBoxChannel);
    m_labels = {ui->labelCustom, ui->labelCustomOne, ui->labelCustomTwo, ui->labelCustomThree, ui->labelMoveChannel};
    m_checks = {ui->checkBoxCustom, ui->checkBoxCustomOne, ui->checkBoxCustomTwo, ui->checkBoxCustomThree,
                ui->checkBoxShowName};
    m_edits = {ui->lineEditCustom, ui->lineEditCustomOne, ui->lineEditCustomTwo, ui->lineEditCustomThree,
               ui->lineEditChannelName};
    m_defaultPositions = {QPoint(20, 20), QPoint(80, 20), QPoint(20, 80), QPoint(80, 80)};
    ui->comboBoxDateFormat->setEditable(false);
    for (int i = 0; i < DateFormats; ++i)
        ui->comboBoxDateFormat->setItemData(i, ui->comboBoxDateFormat->itemText(i));
    for (QLabel *label : m_labels + QList<QLabel *>{ui->labelMoveTime})
        label->setFont(labelFont());
    for (QLabel *label : QList<QLabel *>{ui->labelCustom, ui->labelCustomOne, ui->labelCustomTwo, ui->labelCustomThree,
                                         ui->labelMoveTime})
        label->hide();
    connect(ui->pushButtonDefault, &QPushButton::clicked, this, &MD_TimeTitle_Widget::onDefaultParameterBtnClicked);
    connect(ui->pushButtonSave, &QPushButton::clicked, this, &MD_TimeTitle_Widget::onSaveBtnClicked);
    connect(ui->checkBoxShowOSD, &QCheckBox::clicked, this, &MD_TimeTitle_Widget::onCheckBoxShowDateClicked);
    connect(ui->checkBoxHour, &QCheckBox::clicked, this, &MD_TimeTitle_Widget::onCheckBoxShowDateClicked);
    for (QComboBox *combo : {ui->comboBoxDateFormat, ui->comboBoxWeek, ui->comboBoxTime})
        connect(combo, &QComboBox::textActivated, this, &MD_TimeTitle_Widget::onCheckBoxShowDateClicked);
    for (int i = 0; i < m_labels.size(); ++i) {
        connect(m_checks.at(i), &QCheckBox::stateChanged, this, &MD_TimeTitle_Widget::slotStateChanged);
        connect(m_edits.at(i), &QLineEdit::textChanged, m_labels.at(i), &QLabel::setText);
        connect(m_edits.at(i), &QLineEdit::textChanged, this, &MD_TimeTitle_Widget::slotAdjustLabel);
    }
    connect(SignalsHelper::instance(), &SignalsHelper::signalMove, this, &MD_TimeTitle_Widget::slotMove);
    CommonHelper::elideChildTexts(this);
}

MD_TimeTitle_Widget::~MD_TimeTitle_Widget()
{
    delete ui;
}

void MD_TimeTitle_Widget::resetRecords()
{
    m_info = OSD_INFO();
    m_defaultInfo = OSD_INFO();
    for (int i = 0; i < CustomCount; ++i)
        m_defaultInfo.customs.append(CustomEntry());
    m_received = IpcBody::Osd();
    m_receivedDefaults = IpcBody::Osd();
    m_receivedFrame.clear();
    m_shown.reset();
    m_shownFrame.reset();
    // Usable once the camera said its frame status.
    ui->comboBoxOSD->setEnabled(false);
}

bool MD_TimeTitle_Widget::replyComplete(int cmd, const QString &xml) const
{
    return cmd != int(CmdGetOsd) || !findAllXmlElements(xml, QStringLiteral("OSD")).isEmpty();
}

void MD_TimeTitle_Widget::requestOsd()
{
    const uint8_t ch = getChannel();
    request(CmdGetOsd, QString(), ch);
    laterInThisRound(50, [this, ch]() { requestOptional(CmdGetOsdDefaults, ch); });
    // The page works without the frame switch: it is saved only where the
    // camera answered its read.
    laterInThisRound(80, [this, ch]() { requestOptional(CmdGetFrame, ch); });
}

void MD_TimeTitle_Widget::updateDevice(FUN_DEV_INFO *dev)
{
    if (!dev)
        return;
    resetRecords();
    m_pDeviceInfo = dev;
    supportChannel = dev->capList.contains(QLatin1String("OSD1"), Qt::CaseInsensitive);
    if (dev->channelIdx > 0)
        channel = dev->channelIdx - 1;
    ui->comboBoxChannel->setCurrentIndex(channel);
    ui->comboBoxChannel->setVisible(supportChannel);
    ui->labelChannels->setVisible(supportChannel);
    requestOsd();
}

void MD_TimeTitle_Widget::on_comboBoxChannel_currentIndexChanged(int index)
{
    if (!m_pDeviceInfo || !supportChannel || index == channel || index < 0)
        return;
    channel = index;
    resetRecords();
    beginReading();
    requestOsd();
    DeviceInfoManager *registry = DeviceInfoManager::instance();
    FUN_DEV_INFO *record = registry ? registry->getChannelInfo(m_pDeviceInfo->ip, uchar(index + 1)) : nullptr;
    ui->widget->setStreamKey(CommonHelper::getDevUrl(record, ENUM_STREAM_TYPE(PreviewStream)));
}

void MD_TimeTitle_Widget::parseXml(int cmd, const QString &xml)
{
    if (xml.trimmed().isEmpty()) {
        qWarning() << "Received empty XML for command:" << cmd
                   << "from device:" << (m_pDeviceInfo ? m_pDeviceInfo->ip : QString());
        return;
    }
    if (cmd == int(CmdGetOsd)) {
        parseXml(m_info, xml);
        m_received = IpcBody::parseOsd(xml);
        applyOsdInfo(m_info);
        rememberShown();
    } else if (cmd == int(CmdGetOsdDefaults)) {
        m_defaultInfo = OSD_INFO();
        for (int i = 0; i < CustomCount; ++i)
            m_defaultInfo.customs.append(CustomEntry());
        parseXml(m_defaultInfo, xml);
        m_receivedDefaults = IpcBody::parseOsd(xml);
    } else if (cmd == int(CmdGetFrame)) {
        const QHash<QString, QString> body = findValuesInXml(xml, QStringLiteral("body"));
        const QString status = body.value(QStringLiteral("osdFrameStatus"));
        m_receivedFrame.clear();
        if (body.contains(QStringLiteral("osdFrameStatus")))
            m_receivedFrame.insert(QStringLiteral("osdFrameStatus"), status);
        ui->comboBoxOSD->setCurrentIndex(DeviceValue::toInt(status) >= 1 ? 1 : 0);
        m_shownFrame.reset();
        m_shownFrame.filled(QStringLiteral("osdFrameStatus"), ui->comboBoxOSD);
        ui->comboBoxOSD->setEnabled(!m_receivedFrame.isEmpty());
    }
}

void MD_TimeTitle_Widget::parseXml(OSD_INFO &info, const QString &xml)
{
    qDebug() << "parse xml:" << xml;
    const QHash<QString, QString> osd = findValuesInXml(xml, QStringLiteral("OSD"));
    info.posUnit = DefaultUnit;
    if (osd.contains(QStringLiteral("posUnit"))) {
        bool ok = false;
        const int unit = osd.value(QStringLiteral("posUnit")).trimmed().toInt(&ok);
        // A unit of 0 would divide by zero when placing and measuring.
        if (ok && unit > 0)
            info.posUnit = unit;
        else
            qWarning() << "OSD posUnit not usable, read as 100:" << osd.value(QStringLiteral("posUnit"));
    }
    const QStringList time = findAllXmlElements(xml, QStringLiteral("timeConfig"));
    if (!time.isEmpty())
        parseTimeXml(info, time.first());
    const QStringList channelConfig = findAllXmlElements(xml, QStringLiteral("channelConfig"));
    if (!channelConfig.isEmpty()) {
        const QHash<QString, QString> v = findValuesInXml(channelConfig.first(), QStringLiteral("channelConfig"));
        info.channelDisplayEnable = uint8_t(intOf(v, "channelDisplayEnable"));
        info.channelContent = v.value(QStringLiteral("channelContent"));
        const QPoint p = positionIn(channelConfig.first());
        info.channelX = p.x();
        info.channelY = p.y();
    }
    const QStringList customer = findAllXmlElements(xml, QStringLiteral("customerConfig"));
    if (!customer.isEmpty()) {
        info.customs.clear();
        // Entry n belongs to control n: a number the camera skipped keeps its
        // place as an empty entry, so a later one is not shown (and saved)
        // under the wrong number.
        for (int i = 0; i < CustomCount; ++i) {
            const QString tag = QStringLiteral("customer%1Config").arg(i);
            const QStringList entry = findAllXmlElements(customer.first(), tag);
            if (entry.isEmpty())
                continue;
            const QHash<QString, QString> v = findValuesInXml(entry.first(), tag);
            CustomEntry c;
            c.displayEnable = intOf(v, "displayEnable") > 0;
            c.text = v.value(QStringLiteral("textContent")).trimmed();
            const QPoint p = positionIn(entry.first());
            c.x = p.x();
            c.y = p.y();
            while (info.customs.size() < i)
                info.customs.append(CustomEntry());
            info.customs.append(c);
        }
    }
}

void MD_TimeTitle_Widget::parseTimeXml(OSD_INFO &info, const QString &xml)
{
    const QHash<QString, QString> v = findValuesInXml(xml, QStringLiteral("timeConfig"));
    info.dateDisplayEnable = uint8_t(intOf(v, "dateDisplayEnable"));
    if (v.contains(QStringLiteral("dateTimeFormat"))) {
        info.dateTimeFormat = v.value(QStringLiteral("dateTimeFormat")).trimmed();
        qDebug() << " recv " << info.dateTimeFormat;
    } else {
        info.weekDisplayEnable = uint8_t(intOf(v, "weekDisplayEnable"));
        info.timeformat = v.value(QStringLiteral("timeformat"));
        info.hourFormat = uint8_t(intOf(v, "hourFormat"));
        qDebug() << " recv old " << info.timeformat << info.hourFormat;
    }
    const QPoint p = positionIn(xml);
    info.timeX = p.x();
    info.timeY = p.y();
}

// ---- geometry -------------------------------------------------------------------

QRect MD_TimeTitle_Widget::previewRect() const
{
    return QRect(ui->widget->mapToGlobal(QPoint(0, 0)), ui->widget->size());
}

QPoint MD_TimeTitle_Widget::scalePos(const QRect &l, const QRect &r, int unit)
{
    if (r.width() <= 0 || r.height() <= 0 || unit <= 0)
        return QPoint();
    int x = int(std::clamp<qint64>(qint64(l.left() - r.left()) * unit / r.width(), 0, unit));
    int y = int(std::clamp<qint64>(qint64(l.top() - r.top()) * unit / r.height(), 0, unit));
    if (l.top() <= r.top())
        y = unit / 100;
    if (l.bottom() >= r.bottom())
        y = unit - (unit / 100) * 3;
    if (l.right() >= r.right())
        x = unit - (unit / 100) * 5;
    return QPoint(x, y);
}

QPoint MD_TimeTitle_Widget::placePos(QPoint device, const QSize &label, const QRect &r, int unit)
{
    // The camera's numbers may be anything: scaled in 64 bits, then kept on the picture.
    const int px =
        int(std::clamp<qint64>(qint64(r.width()) * device.x() / unit, 0, std::max(0, r.width() - label.width())));
    const int py =
        int(std::clamp<qint64>(qint64(r.height()) * device.y() / unit, 0, std::max(0, r.height() - label.height())));
    return QPoint(r.left() + px, r.top() + py);
}

QPoint MD_TimeTitle_Widget::getScalePos(const QLabel *label) const
{
    if (!label) {
        qDebug() << "getScalePos: no label";
        return QPoint();
    }
    return scalePos(label->geometry(), previewRect(), m_info.posUnit);
}

QPoint MD_TimeTitle_Widget::defaultPosition(const QLabel *label) const
{
    const int i = m_labels.indexOf(const_cast<QLabel *>(label));
    if (i < 0 || i >= m_defaultPositions.size())
        return QPoint();
    // The defaults are in percent of the picture.
    const QPoint percent = m_defaultPositions.at(i);
    return QPoint(int(qint64(percent.x()) * m_info.posUnit / 100), int(qint64(percent.y()) * m_info.posUnit / 100));
}

void MD_TimeTitle_Widget::placeLabel(QLabel *label, int x, int y, bool visible)
{
    const QRect r = previewRect();
    // Without a laid-out preview there is nothing to place against.
    if (r.width() > 0 && r.height() > 0) {
        QPoint device(x, y);
        if (x < 1 && y < 1)
            device = defaultPosition(label);
        label->setGeometry(QRect(placePos(device, label->size(), r, m_info.posUnit), label->size()));
        label->setProperty("placed", true);
    }
    showLabel(label, visible);
}

void MD_TimeTitle_Widget::showLabel(QLabel *label, bool wanted)
{
    label->setProperty(kWanted, wanted);
    label->setVisible(wanted && isVisible());
    if (label->isVisible())
        label->raise();
}

// ---- date and time pattern --------------------------------------------------------

QString MD_TimeTitle_Widget::buildDateTimeFormat() const
{
    QString date =
        ui->comboBoxDateFormat->currentIndex() == NoDate ? QString() : ui->comboBoxDateFormat->currentData().toString();
    date.replace(QLatin1Char('Y'), QLatin1Char('y')).replace(QLatin1Char('D'), QLatin1Char('d'));
    const bool twelve = ui->checkBoxHour->isChecked();
    const QString time = twelve ? QStringLiteral("hh:mm:ss") : QStringLiteral("HH:mm:ss");
    const QString week = QStringLiteral("dddd");
    QStringList parts;
    if (ui->comboBoxTime->currentIndex() == 0)
        parts << time;
    if (ui->comboBoxWeek->currentIndex() == 0)
        parts << week;
    parts << date;
    if (ui->comboBoxTime->currentIndex() == 1)
        parts << time;
    if (ui->comboBoxWeek->currentIndex() == 1)
        parts << week;
    if (twelve)
        parts << QStringLiteral("tt");
    return parts.join(QLatin1Char(' ')).trimmed();
}

QString MD_TimeTitle_Widget::formatCurrentDateTime(const QString &pattern)
{
    QString qtPattern = pattern;
    qtPattern.replace(QLatin1String("tt"), QLatin1String("AP"));
    return QLocale(QLocale::English).toString(QDateTime::currentDateTime(), qtPattern);
}

void MD_TimeTitle_Widget::applyDateTimeFormat(const QString &pattern, bool show)
{
    const QStringList pieces = pattern.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString datePiece;
    int dateIndex = -1, timeIndex = -1, weekIndex = -1;
    for (int i = 0; i < pieces.size(); ++i) {
        if (pieces.at(i).contains(QLatin1String("MM"))) {
            datePiece = pieces.at(i);
            dateIndex = i;
        } else if (pieces.at(i).contains(QLatin1String("mm"))) {
            timeIndex = i;
        } else if (pieces.at(i).contains(QLatin1String("ddd"))) {
            weekIndex = i;
        }
    }
    const auto place = [dateIndex](int index) { return index == -1 ? 2 : (index < dateIndex ? 0 : 1); };
    ui->comboBoxTime->setCurrentIndex(place(timeIndex));
    ui->comboBoxWeek->setCurrentIndex(place(weekIndex));
    ui->checkBoxHour->setChecked(pattern.contains(QLatin1String("hh")));
    datePiece.replace(QLatin1Char('y'), QLatin1Char('Y')).replace(QLatin1Char('d'), QLatin1Char('D'));
    // A date form the list lacks ("YYYY-MM-DD") is an entry of its own:
    // picking a listed one is then always a change, and it goes back as it
    // came while the operator leaves it.
    while (ui->comboBoxDateFormat->count() > DateFormats + 1)
        ui->comboBoxDateFormat->removeItem(ui->comboBoxDateFormat->count() - 1);
    if (!datePiece.isEmpty())
        OperatorEdits::selectOrAdd(ui->comboBoxDateFormat, datePiece);
    else
        ui->comboBoxDateFormat->setCurrentIndex(NoDate);
    if (show)
        ui->labelMoveTime->setText(formatCurrentDateTime(pattern));
}

// ---- showing and collecting ---------------------------------------------------------

void MD_TimeTitle_Widget::applyOsdInfo(const OSD_INFO &info)
{
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    ui->checkBoxShowName->setChecked(info.channelDisplayEnable > 0);
    ui->lineEditChannelName->setEnabled(info.channelDisplayEnable > 0);
    ui->checkBoxShowOSD->setChecked(info.dateDisplayEnable > 0);
    ui->labelMoveTime->setFont(labelFont());
    ui->labelMoveTime->setProperty(kMoved, false);
    if (!info.dateTimeFormat.isEmpty())
        applyDateTimeFormat(info.dateTimeFormat.trimmed(), info.dateDisplayEnable != 0);
    const QString channelText = IpcBodyText::decoded(info.channelContent, cpu);
    ui->lineEditChannelName->setText(channelText);
    ui->labelMoveChannel->setFont(labelFont());
    ui->labelMoveChannel->setProperty(kMoved, false);
    ui->labelMoveChannel->setText(channelText);
    ui->labelMoveTime->adjustSize();
    placeLabel(ui->labelMoveTime, info.timeX, info.timeY, info.dateDisplayEnable > 0 || info.weekDisplayEnable > 0);
    placeLabel(ui->labelMoveChannel, info.channelX, info.channelY, info.channelDisplayEnable > 0);
    for (int i = 0; i < std::min(int(info.customs.size()), 5); ++i) {
        const CustomEntry &entry = info.customs.at(i);
        const QString text = IpcBodyText::decoded(entry.text, cpu);
        m_checks.at(i)->setChecked(entry.displayEnable);
        QLabel *label = m_labels.at(i);
        label->setFont(labelFont());
        label->setProperty(kMoved, false);
        label->setText(text);
        m_edits.at(i)->setText(text);
        placeLabel(label, entry.x, entry.y, entry.displayEnable);
    }
}

void MD_TimeTitle_Widget::rememberShown()
{
    m_shown.reset();
    m_shown.filled(QStringLiteral("dateDisplayEnable"), ui->checkBoxShowOSD);
    m_shown.filled(QStringLiteral("pattern.date"), ui->comboBoxDateFormat);
    m_shown.filled(QStringLiteral("pattern.time"), ui->comboBoxTime);
    m_shown.filled(QStringLiteral("pattern.week"), ui->comboBoxWeek);
    m_shown.filled(QStringLiteral("pattern.hour"), ui->checkBoxHour);
    m_shown.filled(QStringLiteral("channelDisplayEnable"), ui->checkBoxShowName);
    m_shown.filled(QStringLiteral("channelContent"), ui->lineEditChannelName);
    for (int i = 0; i < CustomCount; ++i) {
        m_shown.filled(QStringLiteral("custom%1.enable").arg(i), m_checks.at(i));
        m_shown.filled(QStringLiteral("custom%1.text").arg(i), m_edits.at(i));
    }
}

bool MD_TimeTitle_Widget::patternChanged() const
{
    return m_shown.edited(QStringLiteral("pattern.date")) || m_shown.edited(QStringLiteral("pattern.time"))
           || m_shown.edited(QStringLiteral("pattern.week")) || m_shown.edited(QStringLiteral("pattern.hour"));
}

// Only a label the operator dragged is measured again; the others keep the
// camera's own numbers (a label shows them rounded to pixels and clamped).
QPoint MD_TimeTitle_Widget::positionToSend(const QLabel *label, const QPoint &received) const
{
    const bool measurable = previewRect().width() > 0 && previewRect().height() > 0;
    return measurable && label->property(kMoved).toBool() ? getScalePos(label) : received;
}

void MD_TimeTitle_Widget::collectOsdInfo()
{
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    m_info.dateDisplayEnable = ui->checkBoxShowOSD->isChecked() ? 1 : 0;
    m_info.channelContent = IpcBody::encodeText(ui->lineEditChannelName->text(), cpu);
    m_info.channelDisplayEnable = ui->checkBoxShowName->isChecked() ? 1 : 0;
    const QPoint channelPos = positionToSend(ui->labelMoveChannel, QPoint(m_info.channelX, m_info.channelY));
    m_info.channelX = channelPos.x();
    m_info.channelY = channelPos.y();
    const QPoint timePos = positionToSend(ui->labelMoveTime, QPoint(m_info.timeX, m_info.timeY));
    m_info.timeX = timePos.x();
    m_info.timeY = timePos.y();
    // An entry the camera did not report exists once the operator fills it in.
    for (int i = 0; i < CustomCount; ++i) {
        const bool used = m_checks.at(i)->isChecked() || !m_edits.at(i)->text().isEmpty();
        while (used && m_info.customs.size() <= i) {
            CustomEntry fresh;
            const QPoint p = defaultPosition(m_labels.at(m_info.customs.size()));
            fresh.x = p.x();
            fresh.y = p.y();
            m_info.customs.append(fresh);
        }
        if (i >= m_info.customs.size())
            continue;
        CustomEntry &entry = m_info.customs[i];
        entry.displayEnable = m_checks.at(i)->isChecked();
        entry.text = IpcBody::encodeText(m_edits.at(i)->text(), cpu);
        const QPoint p = positionToSend(m_labels.at(i), QPoint(entry.x, entry.y));
        entry.x = p.x();
        entry.y = p.y();
    }
}

QString MD_TimeTitle_Widget::saveBody() const
{
    const QString cpu = m_pDeviceInfo ? m_pDeviceInfo->cpu : QString();
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto moved = [](const QLabel *label) { return label->property(kMoved).toBool(); };
    IpcBody::Osd out = m_received;
    IpcBody::Values &v = out.values;

    bool anyMoved = moved(ui->labelMoveTime) || moved(ui->labelMoveChannel);
    for (QLabel *label : m_labels)
        anyMoved = anyMoved || moved(label);
    // Positions measured in a unit the camera never named go with that unit.
    if (!v.contains(QStringLiteral("posUnit"))
        || (anyMoved && DeviceValue::toInt(v.value(QStringLiteral("posUnit"))) <= 0))
        v.insert(QStringLiteral("posUnit"), QString::number(m_info.posUnit));

    m_shown.take(v, QStringLiteral("dateDisplayEnable"), flag(ui->checkBoxShowOSD->isChecked()));
    if (out.newFormat()) {
        if (patternChanged())
            v.insert(QStringLiteral("dateTimeFormat"), buildDateTimeFormat());
    } else {
        // Never changed by the controls: as received, or the record's own.
        if (!v.contains(QStringLiteral("weekDisplayEnable")))
            v.insert(QStringLiteral("weekDisplayEnable"), QString::number(m_info.weekDisplayEnable));
        if (!v.contains(QStringLiteral("timeformat")))
            v.insert(QStringLiteral("timeformat"), m_info.timeformat);
        if (!v.contains(QStringLiteral("hourFormat")))
            v.insert(QStringLiteral("hourFormat"), QString::number(m_info.hourFormat));
    }
    const auto position = [&](const char *x, const char *y, const QLabel *label, const QPoint &record) {
        const QLatin1String xKey(x), yKey(y);
        if (moved(label) && previewRect().width() > 0 && previewRect().height() > 0) {
            const QPoint p = getScalePos(label);
            v.insert(xKey, QString::number(p.x()));
            v.insert(yKey, QString::number(p.y()));
            return;
        }
        if (!v.contains(xKey))
            v.insert(xKey, QString::number(record.x()));
        if (!v.contains(yKey))
            v.insert(yKey, QString::number(record.y()));
    };
    position("timeX", "timeY", ui->labelMoveTime, QPoint(m_info.timeX, m_info.timeY));
    m_shown.take(v, QStringLiteral("channelDisplayEnable"), flag(ui->checkBoxShowName->isChecked()));
    m_shown.take(v, QStringLiteral("channelContent"), IpcBody::encodeText(ui->lineEditChannelName->text(), cpu));
    position("channelX", "channelY", ui->labelMoveChannel, QPoint(m_info.channelX, m_info.channelY));

    QList<IpcBody::OsdCustom> customs;
    for (int i = 0; i < CustomCount; ++i) {
        IpcBody::OsdCustom entry;
        bool known = false;
        for (const IpcBody::OsdCustom &c : qAsConst(out.customs)) {
            if (c.index == i) {
                entry = c;
                known = true;
            }
        }
        const bool used = m_checks.at(i)->isChecked() || !m_edits.at(i)->text().isEmpty();
        if (!known && !used)
            continue;
        entry.index = i;
        IpcBody::Values &c = entry.values;
        const QString enableKey = QStringLiteral("custom%1.enable").arg(i);
        const QString textKey = QStringLiteral("custom%1.text").arg(i);
        if (!c.contains(QStringLiteral("displayEnable")) || m_shown.edited(enableKey))
            c.insert(QStringLiteral("displayEnable"), flag(m_checks.at(i)->isChecked()));
        if (!c.contains(QStringLiteral("textContent")) || m_shown.edited(textKey))
            c.insert(QStringLiteral("textContent"), IpcBody::encodeText(m_edits.at(i)->text(), cpu));
        QPoint record = defaultPosition(m_labels.at(i));
        if (i < m_info.customs.size())
            record = QPoint(m_info.customs.at(i).x, m_info.customs.at(i).y);
        if (moved(m_labels.at(i)) && previewRect().width() > 0 && previewRect().height() > 0) {
            const QPoint p = getScalePos(m_labels.at(i));
            c.insert(QStringLiteral("PosX"), QString::number(p.x()));
            c.insert(QStringLiteral("PosY"), QString::number(p.y()));
        } else {
            if (!c.contains(QStringLiteral("PosX")))
                c.insert(QStringLiteral("PosX"), QString::number(record.x()));
            if (!c.contains(QStringLiteral("PosY")))
                c.insert(QStringLiteral("PosY"), QString::number(record.y()));
        }
        customs.append(entry);
    }
    out.customs = customs;
    return IpcBody::osd(out);
}

void MD_TimeTitle_Widget::onSaveBtnClicked()
{
    if (!canSave())
        return;
    const QString body = saveBody();
    collectOsdInfo();
    qDebug() << "OSD XML:" << body;
    IpcBody::Values frame = m_receivedFrame;
    m_shownFrame.take(frame, QStringLiteral("osdFrameStatus"),
                      QString::number(std::max(0, ui->comboBoxOSD->currentIndex())));
    const uint8_t ch = readChannel();
    request(CmdSetOsd, body, ch, RequestKind::Save);
    if (optionalAnswered(CmdGetFrame) && !m_receivedFrame.isEmpty())
        request(CmdSetFrame, IpcBody::osdFrameStatus(frame), ch, RequestKind::Other);
}

ConfigPageSession::Shown MD_TimeTitle_Widget::shownValues() const
{
    // The fields by name, and the body for where the texts were dragged.
    ConfigPageSession::Shown shown = m_shown.shown();
    shown.insert(m_shownFrame.shown());
    shown.insert(QStringLiteral("osd"), saveBody());
    return shown;
}

void MD_TimeTitle_Widget::onDefaultParameterBtnClicked()
{
    ui->pushButtonDefault->setEnabled(false);
    QTimer::singleShot(200, this, [this]() { ui->pushButtonDefault->setEnabled(true); });
    m_info = m_defaultInfo;
    // What "Default" shows is what a Save writes: the camera's defaults as
    // they came, the controls' values where it sent none.
    m_received = m_receivedDefaults;
    applyOsdInfo(m_defaultInfo);
    rememberShown();
}

void MD_TimeTitle_Widget::onCheckBoxShowDateClicked()
{
    QLabel *label = ui->labelMoveTime;
    showLabel(label, ui->checkBoxShowOSD->isChecked());
    label->setText(formatCurrentDateTime(buildDateTimeFormat()));
    label->adjustSize();
    const QPoint p = getScalePos(label);
    placeLabel(label, p.x(), p.y(), ui->checkBoxShowOSD->isChecked());
}

void MD_TimeTitle_Widget::slotStateChanged(int state)
{
    const int i = m_checks.indexOf(qobject_cast<QCheckBox *>(sender()));
    if (i < 0)
        return;
    QLabel *label = m_labels.at(i);
    // A label never placed (an entry the camera did not report) would show
    // where a new window goes, outside the preview.
    if (state > 0 && !label->property("placed").toBool())
        placeLabel(label, 0, 0, true);
    showLabel(label, state > 0);
    m_edits.at(i)->setEnabled(state > 0);
}

void MD_TimeTitle_Widget::slotAdjustLabel(const QString &)
{
    const int i = m_edits.indexOf(qobject_cast<QLineEdit *>(sender()));
    if (i < 0)
        return;
    QLabel *label = m_labels.at(i);
    label->adjustSize();
    const QRect r = previewRect();
    if (label->geometry().right() > r.right())
        label->move(r.right() + 3 - label->width(), label->y());
}

void MD_TimeTitle_Widget::slotMove(QPoint point)
{
    for (QLabel *label : m_labels + QList<QLabel *>{ui->labelMoveTime})
        label->move(label->pos() + point);
}

void MD_TimeTitle_Widget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->globalPos();
        for (QLabel *label : QList<QLabel *>{ui->labelMoveTime, ui->labelMoveChannel} + m_labels) {
            if (label->isVisible() && label->geometry().contains(p)) {
                m_dragging = true;
                m_lastPos = p;
                m_dragLabel = label;
                setCursor(Qt::ClosedHandCursor);
                return;
            }
        }
    }
    RemoteCfg_Widget::mousePressEvent(event);
}

void MD_TimeTitle_Widget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !m_dragLabel) {
        RemoteCfg_Widget::mouseMoveEvent(event);
        return;
    }
    const QPoint p = event->globalPos();
    const QRect b = previewRect();
    const QRect l = m_dragLabel->geometry();
    const int left = std::clamp(l.left() + p.x() - m_lastPos.x(), b.left(), std::max(b.left(), b.right() - l.width()));
    const int top = std::clamp(l.top() + p.y() - m_lastPos.y(), b.top(), std::max(b.top(), b.bottom() - l.height()));
    m_dragLabel->move(left, top);
    m_dragLabel->setProperty(kMoved, true);
    m_lastPos = p;
}

void MD_TimeTitle_Widget::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        RemoteCfg_Widget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    setCursor(Qt::ArrowCursor);
    if (m_dragLabel)
        m_dragLabel->raise();
    m_dragLabel = nullptr;
}

void MD_TimeTitle_Widget::showEvent(QShowEvent *event)
{
    // Replaces the base's handler: these line edits get no copy menu.
    QWidget::showEvent(event);
    ui->widget->setStreamKey(CommonHelper::getDevUrl(m_pDeviceInfo, ENUM_STREAM_TYPE(PreviewStream)));
    for (QLabel *label : m_labels + QList<QLabel *>{ui->labelMoveTime})
        showLabel(label, label->property(kWanted).toBool());
}

void MD_TimeTitle_Widget::hideEvent(QHideEvent *event)
{
    RemoteCfg_Widget::hideEvent(event);
    ui->widget->clear();
    // Hidden with the page, still wanted when it comes back.
    for (QLabel *label : m_labels + QList<QLabel *>{ui->labelMoveTime})
        label->hide();
}

void MD_TimeTitle_Widget::changeEvent(QEvent *event)
{
    RemoteCfg_Widget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        RemoteCfg_Widget::elideWhenLaidOut(this);
    }
}
