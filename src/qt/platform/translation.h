#pragma once
// The program's texts in the player's language. The English texts are the sources,
// marked for lupdate where they are defined (the string table in game/strings.cpp,
// the labels in game/strings.h and qt/desktop_labels.h), all in one context; each is
// translated where it is shown, and a text with no translation shows in English.
#include <QString>
#include <QStringList>

class QSettings;

namespace tarmigo {

struct Sentence;

// The one translation context of the string table and the window labels.
inline constexpr const char* TextContext = "Tarmigo";

// An English text as the player sees it.
QString shownText(const char* english);
// A sentence in the player's language.
QString shownSentence(const Sentence& sentence);

// The languages the program speaks, English first.
QStringList availableLanguages();

// The language to show: "--lang CODE" on the command line, else the View menu's
// choice kept in the settings, else the system's; "en" where none is spoken.
QString chosenLanguage(const QStringList& arguments, const QSettings* settings);
// Where the View menu's choice is kept; empty means the system's language.
inline constexpr const char* LanguageKey = "Desktop/language";

// Loads the program's (and Qt's own) translations for a language, replacing any
// loaded before; "en" loads none. The .qm files are looked for in translationsFolder.
void useLanguage(const QString& code, const QString& translationsFolder);
// Beside the program in the build tree, or in ../share/tarmigo/translations.
QString findTranslations(const QString& programFolder);
// The language in use.
QString currentLanguage();

} // namespace tarmigo
