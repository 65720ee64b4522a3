#pragma once
// The View menu's choice of language, kept with the desktop settings.
class QMenu;
class QSettings;

namespace tarmigo {

// Adds a Language submenu: the system's language or one the program speaks. A choice is
// kept in the settings and takes effect at the next start (--lang still overrides it).
void addLanguageMenu(QMenu* view, QSettings* preferences);

} // namespace tarmigo
