#include "AddressCheck.h"

#include "CommonHelper.h"
#include "SharedTexts.h"

#include <QStringList>
#include <QValidator>

namespace AddressCheck {

std::optional<quint32> toNumber(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    quint32 value = 0;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.at(0) == QLatin1Char('0')))
            return std::nullopt;
        uint n = 0;
        for (const QChar ch : part) {
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                return std::nullopt;
            n = n * 10 + uint(ch.unicode() - '0');
        }
        if (n > 255)
            return std::nullopt;
        value = (value << 8) | n;
    }
    return value;
}

QString fromNumber(quint32 value)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((value >> 24) & 0xFF)
        .arg((value >> 16) & 0xFF)
        .arg((value >> 8) & 0xFF)
        .arg(value & 0xFF);
}

bool isAddress(const QString &text)
{
    return toNumber(text).has_value();
}

bool isMask(const QString &text)
{
    const std::optional<quint32> bits = toNumber(text);
    if (!bits || *bits == 0)
        return false;
    const quint32 hosts = ~*bits;
    return (hosts & (hosts + 1)) == 0;
}

namespace {

class AddressValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return isAddress(input) ? Acceptable : Intermediate; }
};

bool fits(int field, const QString &text)
{
    return field == Mask ? isMask(text) : isAddress(text);
}

} // namespace

QValidator *validator(QObject *parent)
{
    return new AddressValidator(parent);
}

bool judged(const Network &network, int field)
{
    if (field < 0 || field >= FieldCount)
        return false;
    if (network.typed[field])
        return true;
    if (network.dhcp)
        return false;
    return network.unreported[field] || (field <= Gateway && network.toStatic);
}

bool staticSetting(const Network &network)
{
    if (network.dhcp)
        return false;
    return network.wholeSetting || judged(network, Ip) || judged(network, Mask) || judged(network, Gateway);
}

Verdict judgeFormats(const Network &network)
{
    for (int i = 0; i < FieldCount; ++i) {
        if (judged(network, i) && !fits(i, network.texts[i]))
            return {BadFormat, i, SharedTexts::invalidFormatText()};
    }
    return {};
}

Verdict judge(const Network &network)
{
    const Verdict formats = judgeFormats(network);
    if (!formats.ok() || !staticSetting(network))
        return formats;
    // No subnet can be told from a reported value that is no address.
    for (int i : {Ip, Mask, Gateway}) {
        if (!fits(i, network.texts[i]))
            return {BadFormat, i, SharedTexts::invalidFormatText()};
    }
    const QString &ip = network.texts[Ip];
    const bool ping = judged(network, Ip) && ip != network.currentIp.trimmed();
    const int result = CommonHelper::checkIpAddress(ip, network.texts[Mask], network.texts[Gateway], ping);
    if (result == 1)
        return {InUse, Ip, SharedTexts::ipInUseText()};
    if (result != 0) {
        // The text names the gateway; when the operator left it alone, what
        // he changed is what moved the setting out of its subnet.
        int field = Gateway;
        if (!judged(network, Gateway))
            field = judged(network, Ip) ? Ip : judged(network, Mask) ? Mask : Gateway;
        return {OtherSubnet, field, SharedTexts::subnetMismatchText()};
    }
    return {};
}

} // namespace AddressCheck
