#pragma once
// Qt only when a window is really shown: a QApplication is created when the host has none, and
// only after making sure a display can be opened, since Qt aborts the process when it cannot.

namespace app {

// Makes sure a QApplication exists and the desktop's Qt services are installed. A run-time error
// (429) with a Spanish description when there is no display or the host's Qt application has no
// widgets. `programa` names the application Qt creates.
void PreparaPantalla(const char* programa);

}  // namespace app
