#pragma once

// Input rules shared by the NVR channel dialogs.

#include <QString>

class QLineEdit;

namespace ChannelInputRules {

// User names and passwords the recorder accepts: at most 31 characters,
// none from U+04BB to U+FFFD.
void setCredentialValidator(QLineEdit *edit);
// A port as typed: 1 to 65535 in decimal, without leading zeros (like an
// address part, "02028" is refused rather than guessed at).
bool isPort(const QString &text);
// Shows a listed user name or password whole, longer than the typed limit
// included: only what is typed is held to it.
void showListed(QLineEdit *edit, const QString &text);

} // namespace ChannelInputRules
