#pragma once

// Input rules shared by the NVR channel dialogs.

#include <QString>

class QLineEdit;

namespace ChannelInputRules {

// User names and passwords the recorder accepts: at most 31 characters,
// none from U+04BB to U+FFFD.
void setCredentialValidator(QLineEdit *edit);
// Shows a listed user name or password whole, longer than the typed limit
// included: only what is typed is held to it.
void showListed(QLineEdit *edit, const QString &text);

} // namespace ChannelInputRules
