// The pieces of the desktop program that stand apart from the window: its runtime
// folder, the help page, the sounds, and the German and French texts: complete,
// recognised where the board shows them with a number, fitting the board at every zoom,
// and chosen by --lang, the settings or the system.
#include "game/strings.h"
#include "qt/app_paths.h"
#include "qt/board_font.h"
#include "qt/help_page.h"
#include "qt/help_window.h"
#include "qt/qt_surface.h"
#include "qt/sound_player.h"
#include "qt/translation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tarmigo {
namespace {

const QString ProgramFolder = QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path();

TEST(DesktopParts, TheRuntimeFolderIsPrivateAndTheSoundsAreEmbedded) {
    const QFileInfo runtime(runtimeFolder()); // where the single instance keeps its lock
    EXPECT_TRUE(runtime.isDir());
    EXPECT_EQ(runtime.permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());
    SoundPlayer player(SoundPlayer::foldersBeside(ProgramFolder));
    player.prepare();
    for (const char* name : {"WVS", "WVR", "WVH", "WVM"})
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name))));
}

TEST(HelpPage, IsFoundInTheLanguageAndOpensInTheProgramsOwnWindowWithoutAViewer) {
    QTemporaryDir root; // installed: the page in share/tarmigo beside the bin folder
    ASSERT_TRUE(QDir(root.path()).mkpath("bin") && QDir(root.path()).mkpath("share/tarmigo"));
    EXPECT_TRUE(findHelpPage(root.filePath("bin")).isEmpty());
    QFile installed(root.filePath("share/tarmigo/tarmigo.htm"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    EXPECT_EQ(findHelpPage(root.filePath("bin")), QFileInfo(installed).canonicalFilePath());
    const QString page = findHelpPage(ProgramFolder);
    const QString folder = QFileInfo(page).path();
    for (const QString language : {"de", "fr"})
        EXPECT_EQ(findHelpPage(folder, language), folder + "/tarmigo_" + language + ".htm");
    EXPECT_EQ(findHelpPage(folder, "xx"), page);

    EXPECT_EQ(openHelpPage(page, [](const QUrl&) { return true; }), nullptr);
    const auto noViewer = [](const QUrl&) { return false; };
    EXPECT_EQ(openHelpPage(QString(), noViewer), nullptr);
    std::unique_ptr<QWidget> opened(openHelpPage(page, noViewer));
    auto* window = dynamic_cast<HelpWindow*>(opened.get());
    ASSERT_TRUE(window && window->isVisible());
    // Follow the first link of the contents from the keyboard, then come back.
    QTextBrowser* browser = window->browser();
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_FALSE(browser->source().fragment().isEmpty());
    window->findChildren<QPushButton*>().value(0)->click();
    EXPECT_TRUE(browser->source().fragment().isEmpty() && browser->isForwardAvailable());
}

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
        EXPECT_TRUE(std::any_of(texts, texts + count,
                                [id](const char* t) { return qstrcmp(t, stringText(id)) == 0; }))
            << "not marked for translation: " << stringText(id);
    for (int i = 0; i < count; ++i)
        EXPECT_FALSE(translator.translate(TextContext, texts[i]).isEmpty())
            << GetParam() << " lacks: " << texts[i];
}

TEST_P(LanguageTest, EveryStatusTextFitsTheBoard) {
    useLanguage(QString::fromLatin1(GetParam()), Translations);
    const QFontMetrics metrics(boardFont(1));
    const auto fits = [&](const std::string& text, int room) {
        const QString shown = shownText(std::string_view(text));
        EXPECT_LE(metrics.horizontalAdvance(shown), room) << GetParam() << ": " << text;
    };
    // The status line starts 5 pixels in and is cut at the board's 240-pixel edge;
    // status, player and result texts are ids 1200 to 1499, the widest number in them 1000.
    for (int id : stringIds())
        if (id >= 1200 && id < 1500) fits(formatNumber(stringText(id), id == 1218 ? 1000 : 2), 235);
    // Three header cells to a 104-pixel panel, the hazard and speed piles side by side,
    // the safety row and the distance area across it.
    const std::pair<int, int> labels[] = {{text::LabelHand, 34},     {text::LabelScore, 34},
                                          {text::LabelWon, 34},      {text::LabelHazard, 44},
                                          {text::LabelSpeed, 44},    {text::LabelSafety, 99},
                                          {text::LabelDistance, 99}, {text::LabelWinner, 99}};
    for (auto [id, room] : labels) fits(stringText(id), room);
    useLanguage(QStringLiteral("en"), Translations);
    // A larger board has a larger font, in proportion.
    EXPECT_NEAR(QFontMetrics(boardFont(3)).height(), 3 * metrics.height(), 3);
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, LanguageTest, ::testing::Values("de", "fr"));

TEST(Translation, BoardTextsWithANumberAreTranslatedAndUnknownTextsStayEnglish) {
    useLanguage(QStringLiteral("de"), Translations);
    const std::pair<const char*, const char*> rows[] = {
        {"Player 2 Wins!", "Spieler 2 gewinnt!"},
        {"That would exceed the 1000 mile race", "Das überschreitet die 1000 Meilen"},
        {"700", "700"},
        {"That would exceed the mile race", "That would exceed the mile race"}};
    for (auto [shown, expected] : rows)
        EXPECT_EQ(shownText(std::string_view(shown)), QString::fromUtf8(expected));
    useLanguage(QStringLiteral("xx"), Translations); // none: English
    EXPECT_EQ(shownText(std::string_view("Player 2 Wins!")), QStringLiteral("Player 2 Wins!"));
}

TEST(Translation, TheCommandLineOverridesTheSettingsWhichOverrideTheSystem) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("s.ini"), QSettings::IniFormat);
    const QString system = chosenLanguage({}, nullptr);
    EXPECT_TRUE(availableLanguages().contains(system));
    const std::tuple<const char*, QStringList, QString> rows[] = {
        {"", {"--lang", "fr"}, "fr"},
        {"", {"--lang", "de_AT"}, "de"},
        {"", {"--lang"}, system},
        {"de", {}, "de"},
        {"de", {"--lang", "fr"}, "fr"},
        {"de", {"--lang", "xx"}, "de"},
        {"zz", {}, system}}; // the setting stored, the arguments, the language chosen
    for (const auto& [setting, arguments, chosen] : rows) {
        if (*setting) settings.setValue(QLatin1String(LanguageKey), setting);
        EXPECT_EQ(chosenLanguage(QStringList{"tarmigo"} + arguments, &settings), chosen)
            << setting << ' ' << arguments.join(' ').toStdString();
    }
}

} // namespace
} // namespace tarmigo
