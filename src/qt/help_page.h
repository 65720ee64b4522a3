#pragma once
// The help page, opened in the desktop's own viewer or in the program's help window.
#include <QString>

class QUrl;
class QWidget;

namespace tarmigo {

// Beside the program in the build tree, or in ../share/tarmigo when installed.
// The page in the given language (tarmigo_LANG.htm) where there is one, else the
// English page; empty when it is in neither place.
QString findHelpPage(const QString& programFolder, const QString& language = QString());

// Starts the desktop's viewer on a page; false when none could be started.
bool openInDesktopViewer(const QUrl& page);

// Opens the page in the desktop's viewer without waiting for it, or, where none
// can be started, in the program's own help window, which it returns (else null).
// A missing page is passed over silently.
QWidget* openHelpPage(const QString& path, bool (*viewer)(const QUrl&) = openInDesktopViewer);

} // namespace tarmigo
