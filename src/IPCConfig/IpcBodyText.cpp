#include "IpcBodyText.h"

#include "CommonHelper.h"
#include "PrivateProto.h"

namespace IpcBodyText {

QString plain(const QString &text)
{
    return PrivateProto::escapeText(text);
}

QString encoded(const QString &text, const QString &cpu)
{
    return CommonHelper::stringToHex(text, cpu);
}

QString decoded(const QString &value, const QString &cpu)
{
    return CommonHelper::hexToString(value, cpu);
}

} // namespace IpcBodyText
