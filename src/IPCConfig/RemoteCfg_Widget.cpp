#include "RemoteCfg_Widget.h"

#include "CommonHelper.h"
#include "CustomDialog.h"
#include "IpcBodyText.h"

#include <QDomDocument>
#include <QEvent>
#include <QStringList>

RemoteCfg_Widget::RemoteCfg_Widget(QWidget *parent)
    : QWidget(parent)
{
    CommonHelper::elideChildTexts(this);
}

RemoteCfg_Widget::~RemoteCfg_Widget() = default;

void RemoteCfg_Widget::onSaveResult(int, bool)
{
}

bool RemoteCfg_Widget::request(unsigned int cmd, const QString &body, uint8_t channel, RequestKind kind)
{
    return ConfigConversation::sendThrough(m_conversation, this, m_pDeviceInfo, cmd, body, channel, kind);
}

void RemoteCfg_Widget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    CommonHelper::addCopyMenu(this);
}

void RemoteCfg_Widget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        CommonHelper::elideChildTexts(this);
}

namespace {

const char *const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr int DayCount = 7;
constexpr int PeriodSlots = 6;
const QString kEmptyTime = QStringLiteral("00:00:00");

int intOf(const QHash<QString, QString> &values, const char *key)
{
    return DeviceValue::toInt(values.value(QLatin1String(key)));
}

bool usesElementForm(const QString &cpu)
{
    static const QStringList chips {QStringLiteral("SIGMASTAR"), QStringLiteral("GUOKE"), QStringLiteral("DUOFANG")};
    return cpu.isEmpty() || chips.contains(cpu);
}

// The direct children of the detection element (the first element of the
// body that has element children; the body itself when none has). A nested
// <whiteLight> listed first must not lend the detection its own "enable".
QHash<QString, QString> detectionChildren(const QString &xml)
{
    QHash<QString, QString> values;
    QDomDocument doc;
    if (!DeviceXml::parse(xml, doc))
        return values;
    const QDomElement body = doc.documentElement().firstChildElement(QStringLiteral("body"));
    QDomElement owner = body;
    for (QDomElement e = body.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!e.firstChildElement().isNull()) {
            owner = e;
            break;
        }
    }
    for (QDomElement e = owner.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.firstChildElement().isNull() && !values.contains(e.tagName()))
            values.insert(e.tagName(), e.text());
    }
    return values;
}

} // namespace

QString RemoteCfg_Widget::dayName(int index)
{
    return index >= 0 && index < DayCount ? QLatin1String(kDays[index]) : QString();
}

void RemoteCfg_Widget::parseDetectionXml(const QString &xml, ipcCfgParams &params) const
{
    params.bodyValues = findValuesInXml(xml, QStringLiteral("body"));
    const QHash<QString, QString> own = detectionChildren(xml);
    for (const char *key : {"enable", "sensitivity"}) {
        const QString name = QLatin1String(key);
        if (own.contains(name))
            params.bodyValues.insert(name, own.value(name));
    }
    const QStringList schedule = findAllXmlElements(xml, QStringLiteral("supervisedTime"));
    if (!schedule.isEmpty())
        parseSupervisedTime(schedule.first(), params.timeList);
    const QStringList light = findAllXmlElements(xml, QStringLiteral("whiteLight"));
    if (!light.isEmpty())
        parseWhiteLight(light.first(), params.whiteLightEnable, params.whiteLightStatus, params.durationTime);
    const QStringList voice = findAllXmlElements(xml, QStringLiteral("voiceAlarm"));
    if (!voice.isEmpty())
        parseVoiceAlarm(voice.first(), params.voiceAlarmEnable, params.audioFile, params.playCount);
    const QString caps = m_pDeviceInfo ? m_pDeviceInfo->capList : QString();
    params.hasWhiteLight = caps.contains(QLatin1String("doubleLight"), Qt::CaseInsensitive);
    params.hasVoiceAlarm = caps.contains(QLatin1String("audioDecode"), Qt::CaseInsensitive);
}

void RemoteCfg_Widget::parseSupervisedTime(const QString &fragment, Week &days)
{
    if (fragment.contains(QLatin1String("time"))) {
        for (int d = 0; d < DayCount; ++d) {
            Periods periods;
            const QStringList day = findAllXmlElements(fragment, dayName(d));
            if (!day.isEmpty()) {
                for (int slot = 0; slot < PeriodSlots; ++slot) {
                    const QString tag = QStringLiteral("time%1").arg(slot);
                    if (findAllXmlElements(day.first(), tag).isEmpty())
                        continue;
                    const QHash<QString, QString> period = findValuesInXml(day.first(), tag);
                    const QString start = period.value(QStringLiteral("startTime")).trimmed();
                    const QString end = period.value(QStringLiteral("endTime")).trimmed();
                    if (start == end)
                        break;
                    periods.append(qMakePair(start, end));
                }
            }
            days.append(periods);
        }
        return;
    }
    const QHash<QString, QString> texts = findValuesInXml(fragment, QStringLiteral("supervisedTime"));
    for (int d = 0; d < DayCount; ++d) {
        Periods periods;
        QStringList parts = texts.value(dayName(d)).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // The camera keeps six periods a day, as the element form has slots.
        DeviceValue::boundList(parts, PeriodSlots, "periods in a day");
        for (const QString &part : parts) {
            const QStringList times = part.split(QLatin1Char('-'), Qt::SkipEmptyParts);
            if (times.size() != 2)
                continue;
            if (times.at(0) == times.at(1))
                break;
            periods.append(qMakePair(times.at(0), times.at(1)));
        }
        days.append(periods);
    }
}

void RemoteCfg_Widget::parseWhiteLight(const QString &fragment, int &enable, int &status, int &durationTime)
{
    const QHash<QString, QString> values = findValuesInXml(fragment, QStringLiteral("whiteLight"));
    enable = intOf(values, "enable");
    status = intOf(values, "status");
    durationTime = intOf(values, "durationTime");
}

void RemoteCfg_Widget::parseVoiceAlarm(const QString &fragment, int &enable, int &audioFile, int &playCount)
{
    const QHash<QString, QString> values = findValuesInXml(fragment, QStringLiteral("voiceAlarm"));
    enable = intOf(values, "enable");
    audioFile = intOf(values, "audioFile");
    playCount = intOf(values, "playCount");
}

QString RemoteCfg_Widget::buildScheduleXml(const Week &days, const QString &cpu)
{
    const bool elements = usesElementForm(cpu);
    const QString period = elements ? QStringLiteral("<%1><startTime>%2</startTime><endTime>%3</endTime></%1>")
                                    : QStringLiteral("%2-%3;");
    QString xml;
    // The camera knows seven days and six periods a day; more would shift or
    // overflow its table.
    for (int d = 0; d < days.size() && d < DayCount; ++d) {
        const Periods &day = days.at(d);
        xml += QStringLiteral("<%1>").arg(dayName(d));
        for (int slot = 0; slot < PeriodSlots; ++slot) {
            const bool real = slot < day.size();
            const QString start = real ? IpcBodyText::plain(day.at(slot).first) : kEmptyTime;
            const QString end = real ? IpcBodyText::plain(day.at(slot).second) : kEmptyTime;
            xml += CommonHelper::fillTemplate(period, {QStringLiteral("time%1").arg(slot), start, end});
        }
        xml += QStringLiteral("</%1>").arg(dayName(d));
    }
    return xml;
}

void RemoteCfg_Widget::showPeriodLimitTip()
{
    CustomDialog tip;
    tip.setTitle(CustomDialog::tr("Tips"));
    tip.setText(tr("Set up to four time periods in a day!"));
    tip.exec();
}
