#include "DeviceFormRules.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QStringList>

namespace DeviceFormRules {

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

QValidator *noIdeographValidator(QObject *parent)
{
    return new QRegExpValidator(QRegExp(QStringLiteral("[^\\x4E00-\\x9FA5]*")), parent);
}

} // namespace DeviceFormRules
