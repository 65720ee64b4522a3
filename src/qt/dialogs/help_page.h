#pragma once
// The help page, opened in the desktop's own viewer or in the program's help window.
#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace tarmigo {

// Beside the program in the build tree, or in ../share/tarmigo when installed.
// The page in the given language (tarmigo_LANG.htm) where there is one, else the
// English page; empty when it is in neither place.
QString findHelpPage(const QString& programFolder, const QString& language = QString());

// Starts the desktop's viewer on a page without waiting for it. `failed` is called,
// then or later, when no viewer could be started or the viewer reports that it could
// not open the page (xdg-open without a browser ends with a non-zero status).
void openInDesktopViewer(const QUrl& page, const std::function<void()>& failed);
using HelpViewer = void (*)(const QUrl&, const std::function<void()>&);

// Opens the page in the desktop's viewer, or, wherever that fails, in the program's
// own help window, sized for the game window's zoom. A missing page is passed over silently.
void openHelpPage(const QString& path, HelpViewer viewer = openInDesktopViewer, int zoom = 1);

// The program's own help window on a page, shown; it deletes itself when closed.
QWidget* showHelpWindow(const QUrl& page, int zoom = 1);

} // namespace tarmigo
