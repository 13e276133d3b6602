#include "DeviceFormRules.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QStringList>

namespace DeviceFormRules {

const QString Ipv4Pattern =
    QStringLiteral("^((25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)\\.){3}(25[0-5]|2[0-4][0-9]|[01]?[0-9][0-9]?)$");

bool isIpv4(const QString &text)
{
    QRegExp re(Ipv4Pattern, Qt::CaseSensitive);
    return re.exactMatch(text);
}

bool ipv4ToNumber(const QString &text, quint32 *value)
{
    if (!isIpv4(text))
        return false;
    quint32 v = 0;
    for (const QString &part : text.split('.'))
        v = (v << 8) | part.toUInt(nullptr, 10);
    if (value)
        *value = v;
    return true;
}

QString numberToIpv4(quint32 value)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg((value >> 24) & 0xFF)
        .arg((value >> 16) & 0xFF)
        .arg((value >> 8) & 0xFF)
        .arg(value & 0xFF);
}

QString canonicalIpv4(const QString &text)
{
    quint32 v = 0;
    if (!ipv4ToNumber(text, &v))
        return text;
    return numberToIpv4(v);
}

bool parsePort(const QString &text, quint16 *port)
{
    static const QRegExp digits(QStringLiteral("[0-9]{1,5}"));
    if (!digits.exactMatch(text))
        return false;
    const uint v = text.toUInt(nullptr, 10);
    if (v == 0 || v > 65535)
        return false;
    if (port)
        *port = static_cast<quint16>(v);
    return true;
}

namespace {

// Marks a dotted IPv4 address as acceptable and everything else as still being
// typed. It never refuses a key: dropping one changed what the operator typed
// ("999.1.1.1" became "99.1.1.1", a valid address that was then used). The
// dialogs' OK check refuses what is not an address.
class Ipv4Validator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return isIpv4(input) ? Acceptable : Intermediate; }
};

} // namespace

QValidator *ipv4Validator(QObject *parent)
{
    return new Ipv4Validator(parent);
}

QValidator *noIdeographValidator(QObject *parent)
{
    return new QRegExpValidator(QRegExp(QStringLiteral("[^\\x4E00-\\x9FA5]*")), parent);
}

} // namespace DeviceFormRules
