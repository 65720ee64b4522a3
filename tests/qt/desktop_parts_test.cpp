// The pieces of the desktop program that stand apart from the window: where its files
// are, the sounds, and how the board view maps the mouse onto the board.
#include "qt/app_paths.h"
#include "qt/board_view.h"
#include "qt/help_page.h"
#include "qt/sound_player.h"
#include "qt/ui_scale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarmigo {
namespace {

TEST(DesktopPathsTest, TheFileCopyIsNamedAfterTheProgram) {
    EXPECT_EQ(saveFilePath("/data/tarmigo", "tarmigo"), "/data/tarmigo/tarmigt");
    EXPECT_EQ(saveFilePath("/data/tarmigo", "tarmiga"), "/data/tarmigo/tarmigt");
    // A name that ends in 't' would make the copy overwrite the program: no copy at all.
    EXPECT_TRUE(saveFilePath("/data/tarmigo", "tarmigot").isEmpty());
    EXPECT_TRUE(saveFilePath("", "tarmigo").isEmpty());
}

TEST(DesktopPathsTest, TheRuntimeFolderIsPrivate) {
    const QString folder = runtimeFolder();
    ASSERT_FALSE(folder.isEmpty());
    const QFileInfo info(folder);
    EXPECT_TRUE(info.isDir());
    EXPECT_EQ(info.permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());
}

TEST(DesktopPathsTest, TheHelpPageIsFoundBesideTheProgramOrWhereItIsInstalled) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(root.path()).mkpath("share/tarmigo"));
    const QString bin = root.filePath("bin");
    EXPECT_TRUE(findHelpPage(bin).isEmpty());

    QFile installed(root.filePath("share/tarmigo/tarmigo.htm"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();
    EXPECT_EQ(findHelpPage(bin), QFileInfo(installed).canonicalFilePath());

    QFile beside(root.filePath("bin/tarmigo.htm"));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(findHelpPage(bin), QFileInfo(beside).canonicalFilePath());

    // The build puts a copy beside the program.
    EXPECT_FALSE(findHelpPage(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path()).isEmpty());
}

QStringList moduleFolders() {
    return SoundPlayer::foldersBeside(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());
}

TEST(DesktopSoundsTest, TheFourSoundsAreEmbeddedAsWaveFilesInTheSoundModule) {
    SoundPlayer player(moduleFolders());
    player.prepare();
    for (const char* name : {"WVS", "WVR", "WVH", "WVM"}) {
        QFile file(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray head = file.read(12);
        EXPECT_TRUE(head.startsWith("RIFF") && head.endsWith("WAVE")) << name;
    }
}

std::vector<QString> messages;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    messages.push_back(message);
}

TEST(DesktopSoundsTest, PlayingWithoutAnAudioDeviceIsSilentAndQuiet) {
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    {
        SoundPlayer player(moduleFolders());
        for (int i = 0; i < 3; ++i)
            for (const char* name : {"WVS", "WVR", "WVH", "WVM", "nonsense", ""}) player.play(name);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
}

TEST(DesktopSoundsTest, AMissingSoundModuleOnlyMeansSilence) {
    SoundPlayer player({QStringLiteral("/nonexistent")});
    player.play("WVS");
    SUCCEED();
}

TEST(BoardViewTest, PositionsAreDividedByTheZoomAndRoundedDown) {
    BoardView view;
    view.setZoom(2);
    view.resize(view.sizeHint());
    EXPECT_EQ(view.toBoard({0, 0}), QPoint(0, 0));
    EXPECT_EQ(view.toBoard({479.9, 587.9}), QPoint(239, 293));
    EXPECT_EQ(view.toBoard({-0.5, -1}), QPoint(-1, -1));
    EXPECT_EQ(view.toBoard({-3, 5}), QPoint(-2, 2));
    // Far outside the window the position still fits a 16-bit coordinate.
    EXPECT_EQ(view.toBoard({1e7, -1e7}), QPoint(32767, -32768));
}

TEST(BoardViewTest, ABoardThatDoesNotFitKeepsItsProportions) {
    BoardView view;
    view.setZoom(2);
    view.resize(240, 1000);
    const QRectF area = view.boardArea();
    EXPECT_DOUBLE_EQ(area.width(), 240);
    EXPECT_DOUBLE_EQ(area.height(), 294);
    EXPECT_EQ(view.toBoard({120, area.top() + 10}), QPoint(120, 10));
}

TEST(UiScaleTest, TheZoomFitsTheScreen) {
    EXPECT_EQ(comfortableZoom(1280, 1024), 2);
    EXPECT_EQ(largestZoom(1280, 1024), 3);
    EXPECT_EQ(comfortableZoom(2560, 1400), 3);
    EXPECT_EQ(comfortableZoom(320, 240), 1); // never below 1
    EXPECT_EQ(largestZoom(100000, 100000), MaxZoom);
}

} // namespace
} // namespace tarmigo
