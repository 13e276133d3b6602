#pragma once

#include <QHash>
#include <QString>

namespace ONVIF {

// Namespace identifiers of the SOAP, WS-* and ONVIF vocabularies the client speaks.
namespace NS {
extern const QString SoapEnvelope;   // SOAP 1.2 envelope
extern const QString Soap11Envelope; // SOAP 1.1 envelope (only to recognise faults)
extern const QString Xsd;
extern const QString Xsi;
extern const QString Wsse;
extern const QString Wsu;
extern const QString PasswordDigestType;
extern const QString Base64BinaryType;
extern const QString Tds;
extern const QString Trt;
extern const QString Tr2; // media2; some cameras answer stream URIs in it
extern const QString Tt;
extern const QString Wsa;
extern const QString Wsd;
} // namespace NS

// Prefix -> namespace table handed to every reply parser.
QHash<QString, QString> defaultNamespaces();

} // namespace ONVIF
