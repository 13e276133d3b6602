#pragma once

// Input rules shared by the NVR channel dialogs.

#include <QString>

class QLineEdit;

namespace ChannelInputRules {

// Dotted IPv4, each part 0 to 255.
QString ipv4Pattern();
bool isIpv4(const QString &text);
// IPv4 validator on an address field.
void setIpv4Validator(QLineEdit *edit);
// User names and passwords the recorder accepts: at most 31 characters,
// none from U+04BB to U+FFFD.
void setCredentialValidator(QLineEdit *edit);
// Shows a listed user name or password whole, longer than the typed limit
// included: only what is typed is held to it.
void showListed(QLineEdit *edit, const QString &text);

} // namespace ChannelInputRules
