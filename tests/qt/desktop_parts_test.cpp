// The desktop pieces beside the window: runtime folder, help page, sounds, translations.
#include "board/status_line.h"
#include "game/strings.h"
#include "qt/board/board_font.h"
#include "qt/board/qt_surface.h"
#include "qt/dialogs/help_page.h"
#include "qt/platform/app_paths.h"
#include "qt/platform/sound_player.h"
#include "qt/platform/translation.h"

#include <QtTest>
#include <QtWidgets>

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

TEST(HelpPage, IsFoundInTheLanguageBesideTheProgramOrInstalled) {
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
    // No page: no viewer started (the viewers are tried by the fitting-zoom test).
    openHelpPage(QString(), [](const QUrl&, const std::function<void()>&) { ADD_FAILURE(); });
}

const QString Translations = findTranslations(ProgramFolder);

// The texts of the translation file, each with whether its translation is finished.
std::vector<std::pair<QString, bool>> translationFile(const char* language) {
    QFile file(
        QStringLiteral(TARMIGO_TRANSLATION_SOURCES "/tarmigo_%1.ts").arg(QLatin1String(language)));
    std::vector<std::pair<QString, bool>> messages;
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString source;
    bool awaited = false; // a source without its translation yet
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            // Two sources before one translation: the first is left untranslated.
            if (std::exchange(awaited, true)) messages.emplace_back(source, false);
            source = xml.readElementText();
        }
        if (xml.name() != QLatin1String("translation")) continue;
        const bool marked = !xml.attributes().value(QLatin1String("type")).isEmpty();
        messages.emplace_back(source, !marked && !xml.readElementText().isEmpty());
        awaited = false;
    }
    return messages;
}

// Every text the sources mark for translation (QT_TRANSLATE_NOOP("Tarmigo", "...")).
QStringList markedTexts() {
    static const QRegularExpression marked(
        QStringLiteral(R"re(QT_TRANSLATE_NOOP\(\s*"Tarmigo",\s*"((?:[^"\\]|\\.)*)"\))re"));
    QStringList texts;
    QDirIterator files(QStringLiteral(TARMIGO_TRANSLATION_SOURCES "/../../src"),
                       {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString code = QString::fromUtf8(file.readAll());
        for (const auto& m : marked.globalMatch(code))
            texts << m.captured(1).replace(QStringLiteral("\\\""), QStringLiteral("\""));
    }
    return texts;
}

class LanguageTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageTest, EveryTextHasATranslation) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("tarmigo_") + GetParam(), Translations));
    for (const auto& [id, english] : stringTable())
        EXPECT_FALSE(translator.translate(TextContext, english).isEmpty())
            << GetParam() << " lacks " << id << ": " << english;
    // Every marked text, the windows' labels among them, is translated and none is left over.
    const auto messages = translationFile(GetParam());
    EXPECT_GT(messages.size(), stringTable().size());
    for (const auto& [source, finished] : messages)
        EXPECT_TRUE(finished) << GetParam() << " lacks: " << source.toStdString();
    // So is every text the program marks, the desktop's and the network game's too.
    const QStringList texts = markedTexts();
    EXPECT_GT(texts.size(), messages.size() / 2);
    for (const QString& text : texts)
        EXPECT_FALSE(translator.translate(TextContext, text.toUtf8().constData()).isEmpty())
            << GetParam() << " leaves in English: " << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, LanguageTest, ::testing::Values("de", "fr"));

class BoardTextTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BoardTextTest, EveryStatusTextFitsTheBoardInAtMostTwoLines) {
    useLanguage(QString::fromLatin1(GetParam()), Translations);
    const QtSurface surface(240, 320);
    const QFontMetrics metrics(boardFont(1));
    const auto fits = [&](int id, int number, int room) {
        const std::string shown = messageText(surface.text(id), {id, true, number});
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(shown)), room)
            << GetParam() << ": " << shown;
    };
    // The status line starts 5 pixels in and is cut at the board's 240-pixel edge; a
    // wider text goes on to a second line. Status, player and result texts are ids 1200
    // to 1499, the widest number in them 1000.
    for (const auto& [id, english] : stringTable()) {
        if (id < 1200 || id >= 1500) continue;
        const std::string shown = messageText(surface.text(id), {id, true, id == 1218 ? 1000 : 2});
        EXPECT_TRUE(id != text::ExceedRace || shown.find("1000") != std::string::npos) << shown;
        const auto [first, second] = wrapStatus(surface, shown, 235);
        for (const std::string& line : {first, second})
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(line)), 235)
                << GetParam() << ": " << shown;
    }
    // Header cells, the hazard and speed piles side by side, the safety and distance rows.
    const std::pair<int, int> labels[] = {{text::LabelHand, 34},     {text::LabelScore, 34},
                                          {text::LabelWon, 34},      {text::LabelHazard, 44},
                                          {text::LabelSpeed, 44},    {text::LabelSafety, 99},
                                          {text::LabelDistance, 99}, {text::LabelWinner, 99}};
    for (auto [id, room] : labels) fits(id, 0, room);
    // The surface words an id in the language in use.
    EXPECT_EQ(surface.text(1406) == "Player 2 Wins!", GetParam() == std::string("en"));
    useLanguage(QStringLiteral("en"), Translations);
    // A larger board has a larger font, in proportion.
    EXPECT_NEAR(QFontMetrics(boardFont(3)).height(), 3 * metrics.height(), 3);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, BoardTextTest, ::testing::Values("en", "de", "fr"));

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
