#include "IpcBodies.h"

#include "CommonHelper.h"
#include "IpcBodyText.h"
#include "KelvoCommon.h"

#include <QXmlStreamReader>

namespace IpcBody {

namespace {

// The line break the camera's own encoding bodies carry between element groups.
const QString kBreak = QStringLiteral("\n\t\t\t\t\t\t\t ");

const char *const kImageGroups[] = {"imageAdjustment", "dayNight",     "exposure",
                                    "backlight",       "whiteBalance", "imageEnhancement"};

// The detection element: the first child of the body that has children of
// its own (the body itself when none has).
const Element *detectionElement(const Element &root)
{
    const Element *body = root.name == QLatin1String("body") ? &root : root.find(QStringLiteral("body"));
    if (!body)
        return nullptr;
    for (const Element &e : body->children) {
        if (!e.children.isEmpty())
            return &e;
    }
    return body;
}

Values positionOf(const Element *owner, const char *x, const char *y)
{
    Values out;
    const Element *position = owner ? owner->child(QStringLiteral("displayPosition")) : nullptr;
    if (!position)
        return out;
    const Values v = position->values();
    if (v.contains(QStringLiteral("PosX")))
        out.insert(QLatin1String(x), v.value(QStringLiteral("PosX")));
    if (v.contains(QStringLiteral("PosY")))
        out.insert(QLatin1String(y), v.value(QStringLiteral("PosY")));
    return out;
}

void merge(Values &into, const Values &from)
{
    for (auto it = from.cbegin(); it != from.cend(); ++it)
        into.insert(it.key(), it.value());
}

} // namespace

const Element *Element::find(const QString &wanted) const
{
    for (const Element &c : children) {
        if (c.name == wanted)
            return &c;
        if (const Element *deeper = c.find(wanted))
            return deeper;
    }
    return nullptr;
}

const Element *Element::child(const QString &wanted) const
{
    for (const Element &c : children) {
        if (c.name == wanted)
            return &c;
    }
    return nullptr;
}

Values Element::values() const
{
    Values out;
    for (const Element &c : children) {
        if (c.children.isEmpty() && !out.contains(c.name))
            out.insert(c.name, c.text);
    }
    return out;
}

QString Element::innerXml() const
{
    if (children.isEmpty())
        return IpcBodyText::plain(text);
    QString out;
    for (const Element &c : children)
        out += QLatin1Char('<') + c.name + QLatin1Char('>') + c.innerXml() + QLatin1String("</") + c.name
               + QLatin1Char('>');
    return out;
}

Element read(const QString &xml)
{
    const DeviceXml::Check check = DeviceXml::check(xml);
    if (!check.usable()) {
        DeviceXml::reportUnusable(xml, check.reason);
        return Element();
    }
    Element root;
    QList<Element *> open;
    QXmlStreamReader reader(xml.left(check.end));
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (open.isEmpty()) {
                root.name = reader.name().toString();
                open.append(&root);
                continue;
            }
            Element e;
            e.name = reader.name().toString();
            open.last()->children.append(e);
            open.append(&open.last()->children.last());
        } else if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            if (open.isEmpty())
                break;
        } else if (token == QXmlStreamReader::Characters && !open.isEmpty()) {
            open.last()->text += reader.text();
        }
    }
    // The checker passed it whole; a reader error here would mean a text it
    // could not see, which gives nothing rather than a part.
    return reader.hasError() ? Element() : root;
}

Values children(const QString &xml, const QString &element)
{
    const Element root = read(xml);
    const Element *e = root.name == element ? &root : root.find(element);
    return e ? e->values() : Values();
}

QString fill(const QString &pattern, const Values &values)
{
    QString out;
    out.reserve(pattern.size() * 2);
    const int n = pattern.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = pattern.at(i);
        const int close = c == QLatin1Char('{') ? pattern.indexOf(QLatin1Char('}'), i + 1) : -1;
        if (close < 0) {
            out.append(c);
            continue;
        }
        const bool raw = pattern.at(i + 1) == QLatin1Char('=');
        const QString key = pattern.mid(i + (raw ? 2 : 1), close - i - (raw ? 2 : 1));
        const QString value = values.value(key);
        out += raw ? value : IpcBodyText::plain(value);
        i = close;
    }
    return out;
}

QString encodeText(const QString &text, const QString &cpu)
{
    // stringToHex escapes the plain form itself; the bodies here escape once.
    if (!cpu.isEmpty() && !CHIP_PLATFORMS.contains(cpu))
        return text;
    return CommonHelper::stringToHex(text, cpu);
}

QString videoStream(const Values &stream)
{
    return fill(QStringLiteral("<stream>{stream}</stream><resolution>{resolution}</resolution><frameRate>{frameRate}"
                               "</frameRate>")
                    + kBreak
                    + QStringLiteral("<encodeFormat>{encodeFormat}</encodeFormat><bitRateControl>{bitRateControl}"
                                     "</bitRateControl>")
                    + kBreak + QStringLiteral("<bitRate>{bitRate}</bitRate><initQuant>{initQuant}</initQuant>"),
                stream);
}

QString videoEncode(const Values &main, const Values &sub)
{
    return fill(QStringLiteral("<videoEncode><encode0>{=main}</encode0><encode1>{=sub}</encode1></videoEncode>"),
                {{QStringLiteral("main"), videoStream(main)}, {QStringLiteral("sub"), videoStream(sub)}});
}

QString audioEncode(const Values &encode)
{
    return fill(QStringLiteral("<audioEncode><enable>{enable}</enable><encodeFormat>{encodeFormat}</encodeFormat>"
                               "<samplingRate>{samplingRate}</samplingRate><volume>{volume}</volume></audioEncode>"),
                encode);
}

QString audioDecode(const Values &decode)
{
    return fill(QStringLiteral("<audioDecode><enable>{enable}</enable><decodeFormat>{decodeFormat}</decodeFormat>"
                               "<samplingRate>{samplingRate}</samplingRate><bitWidth>{bitWidth}</bitWidth>"
                               "<soundmode>{soundmode}</soundmode><volume>{volume}</volume></audioDecode>"),
                decode);
}

QString audio(const QString &parts, bool wrapped)
{
    return wrapped ? QStringLiteral("<audio>") + parts + QStringLiteral("</audio>") : parts;
}

QString imageGroupElement(int position)
{
    return position >= 0 && position < 6 ? QLatin1String(kImageGroups[position]) : QString();
}

QString imageGroup(int position, const Values &values, bool antiFlicker)
{
    switch (position) {
    case 0: {
        Values v = values;
        v.insert(QStringLiteral("=flicker"),
                 antiFlicker ? fill(QStringLiteral("<antiFlicker>{antiFlicker}</antiFlicker>"), values) : QString());
        return fill(QStringLiteral("<imageAdjustment><brightness>{brightness}</brightness><contrast>{contrast}"
                                   "</contrast><saturation>{saturation}</saturation><sharpness>{sharpness}</sharpness>"
                                   "<tvStandard>{tvStandard}</tvStandard><mirrorMode>{mirrorMode}</mirrorMode>"
                                   "<rotateMode>{rotateMode}</rotateMode>{==flicker}</imageAdjustment>"),
                    v);
    }
    case 1:
        return fill(QStringLiteral("<dayNight><dayNightMode>{dayNightMode}</dayNightMode><dayNightCompensateMode>"
                                   "{dayNightCompensateMode}</dayNightCompensateMode><startTime>{startTime}</startTime>"
                                   "<endTime>{endTime}</endTime></dayNight>"),
                    values);
    case 2:
        return fill(QStringLiteral("<exposure><exposureMode>{exposureMode}</exposureMode><exposureTime>{exposureTime}"
                                   "</exposureTime><SystemGain>{SystemGain}</SystemGain> </exposure>"),
                    values);
    case 3:
        return fill(QStringLiteral("<backlight><backlightMode>{backlightMode}</backlightMode></backlight>"), values);
    case 4:
        return fill(QStringLiteral("<whiteBalance><WBMode>{WBMode}</WBMode><redGain>{redGain}</redGain>"
                                   "<blueGain>{blueGain}</blueGain></whiteBalance>"),
                    values);
    case 5:
        return fill(QStringLiteral("<imageEnhancement><DRCMode>{DRCMode}</DRCMode><DRCStrength>{DRCStrength}"
                                   "</DRCStrength><denoiseMode>{denoiseMode}</denoiseMode><denoiseStrength>"
                                   "{denoiseStrength}</denoiseStrength></imageEnhancement>"),
                    values);
    default:
        return QString();
    }
}

Osd parseOsd(const QString &xml)
{
    Osd out;
    const Element root = read(xml);
    const Element *osd = root.find(QStringLiteral("OSD"));
    if (!osd)
        return out;
    const Values top = osd->values();
    if (top.contains(QStringLiteral("posUnit")))
        out.values.insert(QStringLiteral("posUnit"), top.value(QStringLiteral("posUnit")));
    if (const Element *time = osd->find(QStringLiteral("timeConfig"))) {
        merge(out.values, time->values());
        merge(out.values, positionOf(time, "timeX", "timeY"));
    }
    if (const Element *channel = osd->find(QStringLiteral("channelConfig"))) {
        merge(out.values, channel->values());
        merge(out.values, positionOf(channel, "channelX", "channelY"));
    }
    if (const Element *customs = osd->find(QStringLiteral("customerConfig"))) {
        for (int i = 0; i < 4; ++i) {
            const Element *entry = customs->find(QStringLiteral("customer%1Config").arg(i));
            if (!entry)
                continue;
            OsdCustom custom;
            custom.index = i;
            custom.values = entry->values();
            merge(custom.values, positionOf(entry, "PosX", "PosY"));
            out.customs.append(custom);
        }
    }
    return out;
}

QString osd(const Osd &osd)
{
    Values v = osd.values;
    v.insert(QStringLiteral("=time"),
             osd.newFormat() ? fill(QStringLiteral("<dateTimeFormat>{dateTimeFormat}</dateTimeFormat>"), osd.values)
                             : fill(QStringLiteral("<weekDisplayEnable>{weekDisplayEnable}</weekDisplayEnable>"
                                                   "<timeformat>{timeformat}</timeformat><hourFormat>{hourFormat}"
                                                   "</hourFormat>"),
                                    osd.values));
    QString customs;
    for (const OsdCustom &custom : osd.customs) {
        Values c = custom.values;
        c.insert(QStringLiteral("n"), QString::number(custom.index));
        customs += fill(QStringLiteral("<customer{n}Config><displayEnable>{displayEnable}</displayEnable><textContent>"
                                       "{textContent}</textContent><displayPosition><PosX>{PosX}</PosX><PosY>{PosY}"
                                       "</PosY></displayPosition></customer{n}Config>"),
                        c);
    }
    v.insert(QStringLiteral("=customs"), customs);
    return fill(QStringLiteral("<OSD><posUnit>{posUnit}</posUnit><timeConfig><dateDisplayEnable>{dateDisplayEnable}"
                               "</dateDisplayEnable>{==time}<displayPosition><PosX>{timeX}</PosX><PosY>{timeY}</PosY>"
                               "</displayPosition></timeConfig><channelConfig><channelDisplayEnable>"
                               "{channelDisplayEnable}</channelDisplayEnable><channelContent>{channelContent}"
                               "</channelContent><displayPosition><PosX>{channelX}</PosX><PosY>{channelY}</PosY>"
                               "</displayPosition></channelConfig><customerConfig>{==customs}</customerConfig></OSD>"),
                v);
}

QString osdFrameStatus(const Values &values)
{
    return fill(QStringLiteral("<osdFrameStatus>{osdFrameStatus}</osdFrameStatus>"), values);
}

Detection parseDetection(const QString &xml)
{
    Detection out;
    const Element root = read(xml);
    const Element *detection = detectionElement(root);
    if (!detection)
        return out;
    out.own = detection->values();
    if (const Element *schedule = detection->find(QStringLiteral("supervisedTime"))) {
        out.hasSchedule = true;
        out.schedule = schedule->innerXml();
    }
    if (const Element *light = detection->find(QStringLiteral("whiteLight"))) {
        out.hasWhiteLight = true;
        out.whiteLight = light->values();
    }
    if (const Element *voice = detection->find(QStringLiteral("voiceAlarm"))) {
        out.hasVoiceAlarm = true;
        out.voiceAlarm = voice->values();
    }
    return out;
}

QString enableFragment(const Values &own)
{
    return fill(QStringLiteral("<enable>{enable}</enable><sensitivity>{sensitivity}</sensitivity>"), own);
}

QString areaFragment(const Values &own)
{
    if (own.value(QStringLiteral("areaType")) == QLatin1String("point"))
        return fill(QStringLiteral("<areaType>{areaType}</areaType><startX>{startX}</startX><startY>{startY}</startY>"
                                   "<endX>{endX}</endX><endY>{endY}</endY>"),
                    own);
    return fill(QStringLiteral("<areaType>{areaType}</areaType><blockConfig>{blockConfig}</blockConfig>"), own);
}

QString whiteLightFragment(const Values &whiteLight)
{
    return fill(QStringLiteral("<whiteLight><enable>{enable}</enable><status>{status}</status><durationTime>"
                               "{durationTime}</durationTime></whiteLight>"),
                whiteLight);
}

QString voiceAlarmFragment(const Values &voiceAlarm)
{
    return fill(QStringLiteral("<voiceAlarm><enable>{enable}</enable><audioFile>{audioFile}</audioFile><playCount>"
                               "{playCount}</playCount></voiceAlarm>"),
                voiceAlarm);
}

QString checkSourceFragment(const Values &own)
{
    return fill(QStringLiteral("<checkSource>{checkSource}</checkSource><autoPlayFile>{autoPlayFile}</autoPlayFile>"
                               "<autoPlayCount>{autoPlayCount}</autoPlayCount>"),
                own);
}

QString humanTrack(const Values &values)
{
    return fill(QStringLiteral("<humanTrack><humanTrackStatus>{humanTrackStatus}</humanTrackStatus></humanTrack>"),
                values);
}

QString platformAccess(const Values &gb28181)
{
    return fill(QStringLiteral("<PlatformAccess><GB28181><Enable>{Enable}</Enable><SIPLocalPort>{SIPLocalPort}"
                               "</SIPLocalPort><SIPServerID>{SIPServerID}</SIPServerID><SIPServerDomain>"
                               "{SIPServerDomain}</SIPServerDomain><SIPServerIP>{SIPServerIP}</SIPServerIP>"
                               "<SIPServerPort>{SIPServerPort}</SIPServerPort><SIPClientAuthenticationID>"
                               "{SIPClientAuthenticationID}</SIPClientAuthenticationID>"
                               "<SIPClientAuthenticationPassword>{SIPClientAuthenticationPassword}"
                               "</SIPClientAuthenticationPassword><SIPRegisterExpires>{SIPRegisterExpires}"
                               "</SIPRegisterExpires><SIPRegisterStatus>{SIPRegisterStatus}</SIPRegisterStatus>"
                               "<SIPKeeplive>{SIPKeeplive}</SIPKeeplive></GB28181></PlatformAccess>"),
                gb28181);
}

QString portConfig(const Values &ports)
{
    return fill(QStringLiteral("<portConfig><RTSPPort>{RTSPPort}</RTSPPort><HTTPPort>{HTTPPort}</HTTPPort>"
                               "</portConfig>"),
                ports);
}

QString tcpip(const Values &values)
{
    return fill(QStringLiteral("<TCPIP><DHCPMode>{DHCPMode}</DHCPMode><IP>{IP}</IP><netmask>{netmask}</netmask>"
                               "<gateway>{gateway}</gateway><preferredDNS>{preferredDNS}</preferredDNS>"
                               "<standbyDNS>{standbyDNS}</standbyDNS><MAC>{MAC}</MAC></TCPIP>"),
                values);
}

QString settingsConfig(const Values &settings)
{
    return fill(QStringLiteral("<settingsConfig><deviceName>{deviceName}</deviceName><language>{language}</language>"
                               "</settingsConfig>"),
                settings);
}

QString timingConfig(const Values &timing)
{
    return fill(QStringLiteral("<timingConfig><timingMode>{timingMode}</timingMode><timeZone>{timeZone}</timeZone>\n"
                               "\t\t\t<timeOffset>{timeOffset}</timeOffset> <year>{year}</year><month>{month}</month>"
                               "<day>{day}</day>\n<hour>{hour}</hour><minute>{minute}</minute><second>{second}"
                               "</second> <NTPServer>{NTPServer}</NTPServer><NTPPort>{NTPPort}</NTPPort>\n"
                               "<timingInterval>{timingInterval}</timingInterval></timingConfig>"),
                timing);
}

QString contactInfo(const Values &contact)
{
    return fill(QStringLiteral("<contactInfo><contactAddress>{contactAddress}</contactAddress></contactInfo>"),
                contact);
}

} // namespace IpcBody
