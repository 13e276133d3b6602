#pragma once

// The client's screen scaling, set before the application object exists:
// Qt's high-DPI scaling on, with the screen's own factor (a 100 dpi screen
// scales by 100/96), and pixmaps at device resolution. Shared by the program
// and by what measures or tests its panes as it runs.
namespace HighDpi {
void setUp();
}
