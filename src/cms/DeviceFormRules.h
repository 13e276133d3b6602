#pragma once

// Input rules shared by the device dialogs: port numbers and the character
// rule of device credentials (addresses: AddressCheck).

#include <QString>

class QObject;
class QValidator;

namespace DeviceFormRules {

// A TCP/UDP port typed as decimal digits, 1..65535.
bool parsePort(const QString &text, quint16 *port);

// Validator owned by parent.
// Any text, the empty one too, without CJK unified ideographs (U+4E00..U+9FA5).
QValidator *noIdeographValidator(QObject *parent);

} // namespace DeviceFormRules
