// The German and French texts: complete, recognised where the board shows them with
// a number, fitting the board's status line, and chosen by --lang, the settings or
// the system.
#include "game/strings.h"
#include "qt/qt_surface.h"
#include "qt/translation.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>

namespace tarmigo {
namespace {

const QString Translations = findTranslations(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());

// The ids of the string table, found by asking it.
std::vector<int> stringIds() {
    std::vector<int> ids;
    for (int id = 1000; id < 2000; ++id)
        if (stringText(id)) ids.push_back(id);
    return ids;
}

class LanguageTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageTest, EveryTextHasATranslation) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("tarmigo_") + GetParam(), Translations));
    int count = 0;
    const char* const* texts = translatableTexts(&count);
    for (int id : stringIds())
        EXPECT_TRUE(std::find_if(texts, texts + count,
                                 [id](const char* t) { return qstrcmp(t, stringText(id)) == 0; }) !=
                    texts + count)
            << "not marked for translation: " << stringText(id);
    for (int i = 0; i < count; ++i)
        EXPECT_FALSE(translator.translate(TextContext, texts[i]).isEmpty())
            << GetParam() << " lacks: " << texts[i];
}

TEST_P(LanguageTest, EveryStatusTextFitsTheBoard) {
    // The status line starts 5 pixels in and is cut at the board's 240-pixel edge.
    constexpr int Room = 240 - 5;
    useLanguage(QString::fromLatin1(GetParam()), Translations);
    const QFontMetrics metrics(boardFont(1));
    for (int id : stringIds()) {
        if (id < 1200 || id >= 1500) continue; // status, player and result texts
        const std::string text = formatNumber(stringText(id), id == 1218 ? 1000 : 2);
        const QString shown = shownText(std::string_view(text));
        EXPECT_LE(metrics.horizontalAdvance(shown), Room)
            << GetParam() << " runs past the edge: " << shown.toStdString();
    }
    // The board's labels: three header cells to a 104-pixel panel, the hazard and speed
    // piles side by side, the safety row and the distance area across it.
    const struct {
        int id;
        int room;
    } labels[] = {{text::LabelHand, 34},     {text::LabelScore, 34}, {text::LabelWon, 34},
                  {text::LabelHazard, 44},   {text::LabelSpeed, 44}, {text::LabelSafety, 99},
                  {text::LabelDistance, 99}, {text::LabelWinner, 99}};
    for (const auto& label : labels) {
        const QString shown = shownText(stringText(label.id));
        EXPECT_LE(metrics.horizontalAdvance(shown), label.room)
            << GetParam() << " label too wide: " << shown.toStdString();
    }
    useLanguage(QStringLiteral("en"), Translations);
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, LanguageTest, ::testing::Values("de", "fr"));

TEST(TranslationTest, BoardTextsWithANumberAreTranslatedAndUnknownTextsStayEnglish) {
    useLanguage(QStringLiteral("de"), Translations);
    ASSERT_EQ(currentLanguage(), QStringLiteral("de"));
    const struct {
        const char* shown;
        const char* expected;
    } rows[] = {
        {"Player 2 Wins!", "Spieler 2 gewinnt!"},
        {"That would exceed the 1000 mile race", "Das überschreitet die 1000 Meilen"},
        {"End of Turn - Player 1 tap to here to continue", "Zugende - Spieler 1 tippt hier weiter"},
        {"Hand", "Hand"},
        {"700", "700"},
        {"A text added later", "A text added later"},
        {"That would exceed the mile race", "That would exceed the mile race"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shownText(std::string_view(row.shown)), QString::fromUtf8(row.expected));
    useLanguage(QStringLiteral("xx"), Translations);
    EXPECT_EQ(currentLanguage(), QStringLiteral("en"));
    EXPECT_EQ(shownText(std::string_view("Player 2 Wins!")), QStringLiteral("Player 2 Wins!"));
}

TEST(TranslationTest, TheCommandLineOverridesTheSettingsWhichOverrideTheSystem) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("s.ini"), QSettings::IniFormat);
    const QString system = chosenLanguage({}, nullptr);
    EXPECT_TRUE(availableLanguages().contains(system));
    const QStringList program{QStringLiteral("tarmigo")};
    EXPECT_EQ(chosenLanguage(program + QStringList{"--lang", "fr"}, &settings), "fr");
    EXPECT_EQ(chosenLanguage(program + QStringList{"--lang", "de_AT"}, &settings), "de");
    EXPECT_EQ(chosenLanguage(program + QStringList{"--lang"}, &settings), system);
    settings.setValue(QLatin1String(LanguageKey), QStringLiteral("de"));
    EXPECT_EQ(chosenLanguage(program, &settings), "de");
    EXPECT_EQ(chosenLanguage(program + QStringList{"--lang", "fr"}, &settings), "fr");
    EXPECT_EQ(chosenLanguage(program + QStringList{"--lang", "xx"}, &settings), "de");
    settings.setValue(QLatin1String(LanguageKey), QStringLiteral("klingon"));
    EXPECT_EQ(chosenLanguage(program, &settings), system);
}

} // namespace
} // namespace tarmigo
