#pragma once

// What the camera pages read from a reply and what they send back, without
// any widget. A page keeps the texts its camera reported (Values) exactly as
// they came, overwrites only those whose controls the operator changed, and
// builds its set body from the result with the functions here. A Save the
// operator did not touch therefore sends every value back as received: a
// mode, format, language or unit the client has no list entry for included.
//
// Every body keeps the byte layout the camera expects (blanks and line
// breaks of the templates included); texts are escaped exactly once.

#include <QList>
#include <QMap>
#include <QString>

namespace IpcBody {

// Texts of the children of one element by child name, entities decoded and
// blanks kept. A child sent empty is an empty text; a child not sent is
// absent.
using Values = QMap<QString, QString>;

// One element of a reply read as a tree (bounded by the reader's depth).
struct Element
{
    QString name;
    QString text; // the element's own characters
    QList<Element> children;

    bool isNull() const { return name.isEmpty(); }
    // The first element of that name at any depth below this one, this one
    // excluded; null when there is none.
    const Element *find(const QString &name) const;
    const Element *child(const QString &name) const;
    // The children that hold no elements of their own, by name (the first
    // one of a name wins).
    Values values() const;
    // The element's content written out again: child elements and texts,
    // texts escaped once.
    QString innerXml() const;
};

// The whole reply; a null element when the text is not usable.
Element read(const QString &xml);

// values() of the first element of that name in the reply; empty when none.
Values children(const QString &xml, const QString &element);

// Fills "{name}" with the escaped text of values[name] and "{=name}" with
// values[name] as it stands (a fragment built here), both empty when absent,
// in one pass: a value's own text is never looked at again.
QString fill(const QString &pattern, const Values &values);

// The camera's own form of a text the operator typed (channel name, custom
// texts, device name), before escaping: hex of GBK bytes for an empty CPU
// text, hex of UTF-8 for the listed chips, the text itself otherwise.
QString encodeText(const QString &text, const QString &cpu);

// Video encoding (Cmd::SetVideoEncode): one stream, and both in their element.
QString videoStream(const Values &stream);
QString videoEncode(const Values &main, const Values &sub);

// Audio (Cmd::SetAudio): the parts, wrapped in <audio> unless the reply had none.
QString audioEncode(const Values &encode);
QString audioDecode(const Values &decode);
QString audio(const QString &parts, bool wrapped);

// Image groups by sub-page position 0..5 (Cmd::SetImageAdjustment ..
// Cmd::SetImageEnhancement); the group's element name; the anti-flicker element
// only for cameras that list it.
QString imageGroupElement(int position);
QString imageGroup(int position, const Values &values, bool antiFlicker);

// On-screen display (Cmd::SetOsd). Keys of values: posUnit, dateDisplayEnable,
// dateTimeFormat or weekDisplayEnable / timeformat / hourFormat, timeX,
// timeY, channelDisplayEnable, channelContent, channelX, channelY.
struct OsdCustom
{
    int index = 0; // n of customer<n>Config
    Values values; // displayEnable, textContent, PosX, PosY
};
struct Osd
{
    Values values;
    QList<OsdCustom> customs; // in index order
    bool newFormat() const { return !values.value(QStringLiteral("dateTimeFormat")).isEmpty(); }
};
Osd parseOsd(const QString &xml);
QString osd(const Osd &osd);
QString osdFrameStatus(const Values &values);

// Detection pages. own: the text children of the detection element (enable,
// sensitivity, areaType, blockConfig or the corners, checkSource, ...);
// schedule: the content of supervisedTime as received.
struct Detection
{
    Values own;
    bool hasSchedule = false;
    QString schedule;
    bool hasWhiteLight = false;
    Values whiteLight;
    bool hasVoiceAlarm = false;
    Values voiceAlarm;
};
Detection parseDetection(const QString &xml);
QString enableFragment(const Values &own);
// Block form unless the area type is "point".
QString areaFragment(const Values &own);
QString whiteLightFragment(const Values &whiteLight);
QString voiceAlarmFragment(const Values &voiceAlarm);
QString checkSourceFragment(const Values &own);
QString humanTrack(const Values &values);

// The network and system pages.
QString platformAccess(const Values &gb28181);
QString portConfig(const Values &ports);
QString tcpip(const Values &values);
QString settingsConfig(const Values &settings);
QString timingConfig(const Values &timing);
QString contactInfo(const Values &contact);

} // namespace IpcBody
