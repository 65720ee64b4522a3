#pragma once
// The program's texts in the player's language. The English string table stays the
// one source: each text is translated where it is shown, in one context, and a text
// with no translation shows in English.
#include <QString>
#include <QStringList>

#include <string_view>

class QSettings;

namespace tarmigo {

// The one translation context of the string table and the window labels.
inline constexpr const char* TextContext = "Tarmigo";

// Every text that lupdate should offer the translators (see translatable_texts.cpp).
const char* const* translatableTexts(int* count);

// An English text as the player sees it. A board text such as "Player 2 Wins!" or
// "That would exceed the 1000 mile race", made from a string-table text with a number,
// is recognised and translated with its number.
QString shownText(const char* english);
QString shownText(std::string_view english);

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
