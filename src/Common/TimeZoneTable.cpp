#include "TimeZoneTable.h"

#include <QList>

namespace {

struct ZoneRow
{
    const char *key;
    const char *display; // null for a group row
};

struct OffsetRow
{
    int minutes;
    const char *text;
};

// Group rows (no display text) carry their key as display text.
const ZoneRow kZones[] = {
    {"GMT-12:00", nullptr},
    {"GMT-11:00", nullptr},
    {"GMT-10:00", nullptr},
    {"Pacific/Honolulu", QT_TRANSLATE_NOOP("TimeZoneTable", "Hawaii")},
    {"GMT-09:00", nullptr},
    {"America/Anchorage", QT_TRANSLATE_NOOP("TimeZoneTable", "Alaska")},
    {"GMT-08:00", nullptr},
    {"PST8PDT", QT_TRANSLATE_NOOP("TimeZoneTable", "Pacific Time (US & Canada)")},
    {"GMT-07:00", nullptr},
    {"MST", QT_TRANSLATE_NOOP("TimeZoneTable", "Mountain Time (US & Canada)")},
    {"GMT-06:00", nullptr},
    {"America/Mexico_City", QT_TRANSLATE_NOOP("TimeZoneTable", "Guadalajara, Mexico City, Monterrey")},
    {"CST6CDT", QT_TRANSLATE_NOOP("TimeZoneTable", "Central Time (US & Canada)")},
    {"GMT-05:00", nullptr},
    {"EST", QT_TRANSLATE_NOOP("TimeZoneTable", "Eastern Time (US & Canada)")},
    {"America/Bogota", QT_TRANSLATE_NOOP("TimeZoneTable", "Bogota, Lima, Quito, Rio Branco")},
    {"GMT-04:00", nullptr},
    {"America/Caracas", QT_TRANSLATE_NOOP("TimeZoneTable", "Caracas")},
    {"America/Manaus", QT_TRANSLATE_NOOP("TimeZoneTable", "Georgetown, La Paz, Manaus, San Juan")},
    {"America/Santiago", QT_TRANSLATE_NOOP("TimeZoneTable", "Santiago")},
    {"America/St_Johns", QT_TRANSLATE_NOOP("TimeZoneTable", "Newfoundland")},
    {"GMT-03:00", nullptr},
    {"America/Sao_Paulo", QT_TRANSLATE_NOOP("TimeZoneTable", "Sao Paulo")},
    {"America/Argentina/Buenos_Aires", QT_TRANSLATE_NOOP("TimeZoneTable", "City of Buenos Aires")},
    {"America/Montevideo", QT_TRANSLATE_NOOP("TimeZoneTable", "Montevideo")},
    {"GMT-02:00", nullptr},
    {"America/Nuuk", QT_TRANSLATE_NOOP("TimeZoneTable", "Greenland")},
    {"GMT-01:00", nullptr},
    {"Atlantic/Azores", QT_TRANSLATE_NOOP("TimeZoneTable", "Azores")},
    {"Atlantic/Cape_Verde", QT_TRANSLATE_NOOP("TimeZoneTable", "Cabo Verde Is.")},
    {"GMT+00:00", nullptr},
    {"Europe/London", QT_TRANSLATE_NOOP("TimeZoneTable", "Dublin, Edinburgh, Lisbon, London")},
    {"GMT+01:00", nullptr},
    {"Europe/Amsterdam", QT_TRANSLATE_NOOP("TimeZoneTable", "Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna")},
    {"Europe/Paris", QT_TRANSLATE_NOOP("TimeZoneTable", "Brussels, Copenhagen, Madrid, Paris")},
    {"Europe/Belgrade", QT_TRANSLATE_NOOP("TimeZoneTable", "Belgrade, Bratislava, Budapest, Ljubljana, Prague")},
    {"Africa/Casablanca", QT_TRANSLATE_NOOP("TimeZoneTable", "Casablanca")},
    {"GMT+02:00", nullptr},
    {"Europe/Athens", QT_TRANSLATE_NOOP("TimeZoneTable", "Athens, Bucharest")},
    {"Asia/Beirut", QT_TRANSLATE_NOOP("TimeZoneTable", "Beirut")},
    {"Africa/Cairo", QT_TRANSLATE_NOOP("TimeZoneTable", "Tripoli")},
    {"Europe/Helsinki", QT_TRANSLATE_NOOP("TimeZoneTable", "Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius")},
    {"GMT+03:00", nullptr},
    {"Asia/Baghdad", QT_TRANSLATE_NOOP("TimeZoneTable", "Baghdad")},
    {"Europe/Moscow", QT_TRANSLATE_NOOP("TimeZoneTable", "Moscow, St. Petersburg")},
    {"Asia/Tehran", QT_TRANSLATE_NOOP("TimeZoneTable", "Tehran")},
    {"GMT+04:00", nullptr},
    {"Asia/Dubai", QT_TRANSLATE_NOOP("TimeZoneTable", "Abu Dhabi, Dubai, Muscat")},
    {"Asia/Kabul", QT_TRANSLATE_NOOP("TimeZoneTable", "Kabul")},
    {"GMT+05:00", nullptr},
    {"Asia/Karachi", QT_TRANSLATE_NOOP("TimeZoneTable", "Islamabad, Karachi")},
    {"Asia/Tashkent", QT_TRANSLATE_NOOP("TimeZoneTable", "Ashgabat, Tashkent")},
    {"Asia/Kolkata", QT_TRANSLATE_NOOP("TimeZoneTable", "Chennai, Kolkata, Mumbai, New Delhi")},
    {"Asia/Kathmandu", QT_TRANSLATE_NOOP("TimeZoneTable", "Kathmandu")},
    {"GMT+06:00", nullptr},
    {"Asia/Dhaka", QT_TRANSLATE_NOOP("TimeZoneTable", "Dhaka")},
    {"Asia/Rangoon", QT_TRANSLATE_NOOP("TimeZoneTable", "Rangoon")},
    {"GMT+07:00", nullptr},
    {"Asia/Bangkok", QT_TRANSLATE_NOOP("TimeZoneTable", "Bangkok, Hanoi, Jakarta")},
    {"Asia/Ho_Chi_Minh", QT_TRANSLATE_NOOP("TimeZoneTable", "Ho Chi Minh City")},
    {"GMT+08:00", nullptr},
    {"Asia/Shanghai", QT_TRANSLATE_NOOP("TimeZoneTable", "Beijing, Chongqing, Hong Kong, Urumqi")},
    {"Asia/Taipei", QT_TRANSLATE_NOOP("TimeZoneTable", "Taipei")},
    {"Asia/Singapore", QT_TRANSLATE_NOOP("TimeZoneTable", "Kuala Lumpur, Singapore")},
    {"Australia/Perth", QT_TRANSLATE_NOOP("TimeZoneTable", "Perth")},
    {"GMT+09:00", nullptr},
    {"Asia/Seoul", QT_TRANSLATE_NOOP("TimeZoneTable", "Seoul")},
    {"Asia/Tokyo", QT_TRANSLATE_NOOP("TimeZoneTable", "Osaka, Sapporo, Tokyo")},
    {"Australia/Darwin", QT_TRANSLATE_NOOP("TimeZoneTable", "Darwin")},
    {"GMT+10:00", nullptr},
    {"Australia/Melbourne", QT_TRANSLATE_NOOP("TimeZoneTable", "Canberra, Melbourne, Sydney")},
    {"Pacific/Guam", QT_TRANSLATE_NOOP("TimeZoneTable", "Guam, Port Moresby")},
    {"GMT+11:00", nullptr},
    {"Asia/Magadan", QT_TRANSLATE_NOOP("TimeZoneTable", "Magadan")},
    {"GMT+12:00", nullptr},
    {"Pacific/Auckland", QT_TRANSLATE_NOOP("TimeZoneTable", "Auckland, Wellington")},
    {"Pacific/Fiji", QT_TRANSLATE_NOOP("TimeZoneTable", "Fiji")},
    {"GMT+13:00", nullptr},
};

const OffsetRow kOffsets[] = {
    {-720, "GMT-12:00"}, {-660, "GMT-11:00"}, {-600, "GMT-10:00"}, {-540, "GMT-09:00"}, {-480, "GMT-08:00"},
    {-420, "GMT-07:00"}, {-360, "GMT-06:00"}, {-300, "GMT-05:00"}, {-240, "GMT-04:00"}, {-210, "GMT-03:30"},
    {-180, "GMT-03:00"}, {-120, "GMT-02:00"}, {-60, "GMT-01:00"},  {0, "GMT+00:00"},    {60, "GMT+01:00"},
    {120, "GMT+02:00"},  {180, "GMT+03:00"},  {210, "GMT+03:30"},  {240, "GMT+04:00"},  {270, "GMT+04:30"},
    {300, "GMT+05:00"},  {330, "GMT+05:30"},  {345, "GMT+05:45"},  {360, "GMT+06:00"},  {390, "GMT+06:30"},
    {420, "GMT+07:00"},  {480, "GMT+08:00"},  {540, "GMT+09:00"},  {570, "GMT+09:30"},  {600, "GMT+10:00"},
    {660, "GMT+11:00"},  {720, "GMT+12:00"},  {780, "GMT+13:00"},
};

const char *const kIndexTexts[] = {
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+00:00)Edinburgh, London"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+00:00)Dublin, Edinburgh, London"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+01:00)Prague"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+01:00)Paris"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+01:00)Rome"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+01:00)Berlin"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+01:00)Amsterdam, Paris"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+02:00)Jerusalem"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+02:00)Athens"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+03:00)Baghdad, Kuwait, Moscow, Istanbul"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+03:30)Tehran"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+04:00)Caucasus standard time, Dubai"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+04:30)Kabul"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+05:00)Islamabad, Karachi, Tashkent"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+05:30)Madras, Mumbai, New Delhi"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+05:45)Kathmandu"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+06:00)Almaty, Dhaka"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+06:30)Yangon"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+07:00)Bangkok, Hanoi, Jakarta, Novosibirsk"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+08:00)Beijing, Urumqi, Singapore"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+09:00)Seoul, Tokyo, Osaka, Sapporo"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+09:30)Darwin"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+09:30)Adelaide"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+10:00)Melbourne, Sydney, Canberra"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+11:00)Magadan, Solomon Islands"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+12:00)Auckland, Wellington"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT+13:00)Nukualofa"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-12:00)Date line west"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-11:00)Samoa"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-10:00)Hawaii"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-09:00)Alaska"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-08:00)Pacific time (USA and Canada)"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-07:00)Edmonton"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-07:00)Mountain time(USA and Canada)"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-06:00)Central time(USA and Canada)"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-05:00)Eastern time (USA and Canada)"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-04:00)Georgetown"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-03:30)Newfoundland"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-03:00)Sao Paulo, Brasilia"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-02:00)Central Atlantic"),
    QT_TRANSLATE_NOOP("TimeZoneTable", "(GMT-01:00)Cape Verde Islands, Azores"),
};

struct Tables
{
    QList<QPair<QString, QString>> zones; // key, display text
    QList<QPair<int, QString>> offsets;   // minutes, GMT text
    QStringList indexTexts;
    int mode = TimeZoneTable::NoMatch;
};

Tables &tables()
{
    static Tables t;
    return t;
}

bool isGroupKey(const QString &key)
{
    return key.contains(QLatin1String("GMT"));
}

} // namespace

void TimeZoneTable::init()
{
    Tables &t = tables();
    if (t.zones.isEmpty()) {
        for (const ZoneRow &row : kZones) {
            const QString key = QString::fromLatin1(row.key);
            t.zones.append({key, row.display ? tr(row.display) : key});
        }
    }
    if (t.offsets.isEmpty()) {
        for (const OffsetRow &row : kOffsets)
            t.offsets.append({row.minutes, QString::fromLatin1(row.text)});
    }
    if (t.indexTexts.isEmpty()) {
        for (const char *text : kIndexTexts)
            t.indexTexts.append(tr(text));
    }
}

void TimeZoneTable::retranslate()
{
    Tables &t = tables();
    t.zones.clear();
    t.offsets.clear();
    t.indexTexts.clear();
    init();
}

TimeZoneTable::Result TimeZoneTable::findByName(const QString &text)
{
    init();
    Tables &t = tables();
    t.mode = NoMatch;
    for (const auto &row : qAsConst(t.zones)) {
        if (row.first == text) {
            t.mode = ZoneMode;
            return {row.second, ZoneMode};
        }
    }
    // A text that is no number reads as 0 and so finds "GMT+00:00".
    const int minutes = text.toInt();
    for (const auto &row : qAsConst(t.offsets)) {
        if (row.first == minutes) {
            t.mode = OffsetMode;
            return {row.second, OffsetMode};
        }
    }
    return {QString(), NoMatch};
}

TimeZoneTable::Result TimeZoneTable::findByIndex(const QString &text)
{
    init();
    Tables &t = tables();
    t.mode = NoMatch;
    if (text.size() < 3) {
        const int index = text.toInt();
        if (index >= 0 && index < t.indexTexts.size()) {
            t.mode = IndexMode;
            return {t.indexTexts.at(index), IndexMode};
        }
        return {QString(), NoMatch};
    }
    for (const auto &row : qAsConst(t.zones)) {
        if (row.first == text) {
            t.mode = ZoneMode;
            return {row.second, ZoneMode};
        }
    }
    return {QString(), NoMatch};
}

TimeZoneTable::Result TimeZoneTable::findByValue(const QString &display)
{
    init();
    const Tables &t = tables();
    if (t.mode == ZoneMode) {
        for (const auto &row : t.zones) {
            if (row.second == display)
                return {row.first, ZoneMode};
        }
        return {QString(), NoMatch};
    }
    if (t.mode == IndexMode)
        return {QString(), IndexMode};
    return {QString(), NoMatch};
}

QStringList TimeZoneTable::list(int mode)
{
    init();
    const Tables &t = tables();
    QStringList out;
    switch (mode) {
    case ZoneMode:
        for (const auto &row : t.zones)
            out.append(row.second);
        break;
    case OffsetMode:
        for (const auto &row : t.offsets)
            out.append(row.second);
        break;
    case IndexMode:
        out = t.indexTexts;
        break;
    default:
        break;
    }
    return out;
}

QString TimeZoneTable::zoneIndexText(const QString &display, bool asOffset)
{
    init();
    const Tables &t = tables();
    QString key;
    int p = 0;
    for (int i = t.zones.size() - 1; i >= 0; --i) {
        if (t.zones.at(i).second == display) {
            key = t.zones.at(i).first;
            p = i;
            break;
        }
    }
    // An unknown display text has no key; as an offset it takes the first group's.
    if (!asOffset)
        return key;

    QString gmt;
    if (isGroupKey(key)) {
        gmt = key;
    } else if (key.contains(QLatin1String("Darwin"))) {
        gmt = QStringLiteral("GMT+09:30");
    } else {
        for (int i = p; i >= 0; --i) {
            if (isGroupKey(t.zones.at(i).first)) {
                gmt = t.zones.at(i).first;
                break;
            }
        }
    }
    for (const auto &row : t.offsets) {
        if (row.second == gmt)
            return QString::number(row.first);
    }
    return gmt;
}

int TimeZoneTable::lookupMode()
{
    return tables().mode;
}

int TimeZoneTable::zoneCount()
{
    init();
    return tables().zones.size();
}

int TimeZoneTable::offsetCount()
{
    init();
    return tables().offsets.size();
}

int TimeZoneTable::indexCount()
{
    init();
    return tables().indexTexts.size();
}
