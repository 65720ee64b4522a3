#pragma once
// The help page, opened in the desktop's own viewer.
#include <QString>

namespace tarmigo {

// Beside the program in the build tree, or in ../share/tarmigo when installed.
// Empty when it is in neither place.
QString findHelpPage(const QString& programFolder);

// Opens the page without waiting for the viewer; a missing page or viewer is
// passed over silently.
void openHelpPage(const QString& path);

} // namespace tarmigo
