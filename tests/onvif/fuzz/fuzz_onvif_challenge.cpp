// WWW-Authenticate values and request texts as a camera or a caller might give them.
#include "OnvifClient.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = QString::fromUtf8(bytes);
    const auto challenge = ONVIF::parseAuthHeader(text);
    ONVIF::Client::chooseQop(challenge.value(QStringLiteral("qop")));
    ONVIF::Client::makeDigestAuthorization(
        challenge, QStringLiteral("POST"), QStringLiteral("http://127.0.0.1:80/onvif/device_service"),
        QStringLiteral("admin"), QStringLiteral("pw"), bytes, QStringLiteral("0a4f113b"));
    ONVIF::Client::digestUri(text);
    ONVIF::stripSoapHeader(text, QStringLiteral("s:Header"));
    ONVIF::Client::maskSoap(text);
    ONVIF::Client::maskUrl(text);
    return 0;
}
