#pragma once

// The client's look, set up once at start-up: its font and its style sheet.
// The window text tests take it from here too, so what they measure is what
// the operator sees.

#include <QFont>

namespace ClientLook {

// Arial (matched without regard to case, as font names are) or the system
// font, at 14 px.
QFont applicationFont();
// The client's style sheet on the application; false when it is missing.
bool loadStyleSheet();
// Both, as the client has them once it runs.
bool apply();

} // namespace ClientLook
