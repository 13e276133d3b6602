#pragma once

// Input rules shared by the device dialogs: the dotted IPv4 form, port numbers
// and the character rule of device credentials.

#include <QString>

class QObject;
class QValidator;

namespace DeviceFormRules {

// Dotted quad, each part 0..255 with up to three digits (leading zeros allowed).
extern const QString Ipv4Pattern;

bool isIpv4(const QString &text);

// The address with plain decimal parts ("192.168.001.010" -> "192.168.1.10"), so
// the client reaches the host the operator typed and not an octal reading of it.
// Text that is not a dotted IPv4 address is returned unchanged.
QString canonicalIpv4(const QString &text);

// Address as a 32-bit number (host order); false when the text is not IPv4.
bool ipv4ToNumber(const QString &text, quint32 *value);
QString numberToIpv4(quint32 value);

// A TCP/UDP port typed as decimal digits, 1..65535.
bool parsePort(const QString &text, quint16 *port);

// Validators owned by parent.
QValidator *ipv4Validator(QObject *parent);
// Any text, the empty one too, without CJK unified ideographs (U+4E00..U+9FA5).
QValidator *noIdeographValidator(QObject *parent);

} // namespace DeviceFormRules
