#include "OnvifNamespaces.h"

namespace ONVIF {
namespace NS {
const QString SoapEnvelope = QStringLiteral("http://www.w3.org/2003/05/soap-envelope");
const QString Soap11Envelope = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
const QString Xsd = QStringLiteral("http://www.w3.org/2001/XMLSchema");
const QString Xsi = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");
const QString Wsse =
    QStringLiteral("http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-wssecurity-secext-1.0.xsd");
const QString Wsu =
    QStringLiteral("http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-wssecurity-utility-1.0.xsd");
const QString PasswordDigestType =
    QStringLiteral("http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-username-token-profile-1.0#PasswordDigest");
const QString Base64BinaryType =
    QStringLiteral("http://docs.oasis-open.org/wss/2004/01/oasis-200401-wss-soap-message-security-1.0#Base64Binary");
const QString Tds = QStringLiteral("http://www.onvif.org/ver10/device/wsdl");
const QString Trt = QStringLiteral("http://www.onvif.org/ver10/media/wsdl");
const QString Tr2 = QStringLiteral("http://www.onvif.org/ver20/media/wsdl");
const QString Tt = QStringLiteral("http://www.onvif.org/ver10/schema");
const QString Wsa = QStringLiteral("http://schemas.xmlsoap.org/ws/2004/08/addressing");
const QString Wsd = QStringLiteral("http://schemas.xmlsoap.org/ws/2005/04/discovery");
} // namespace NS

QHash<QString, QString> defaultNamespaces()
{
    QHash<QString, QString> ns;
    ns.insert(QStringLiteral("xsi"), NS::Xsi);
    ns.insert(QStringLiteral("wsa"), NS::Wsa);
    ns.insert(QStringLiteral("d"), NS::Wsd);
    ns.insert(QStringLiteral("tds"), NS::Tds);
    ns.insert(QStringLiteral("tt"), NS::Tt);
    ns.insert(QStringLiteral("trt"), NS::Trt);
    ns.insert(QStringLiteral("tr2"), NS::Tr2);
    ns.insert(QStringLiteral("soap"), NS::SoapEnvelope);
    ns.insert(QStringLiteral("soap11"), NS::Soap11Envelope);
    return ns;
}

} // namespace ONVIF
