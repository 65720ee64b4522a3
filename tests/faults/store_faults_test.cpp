// The saved state under a full disk and a store that cannot be written: the game
// goes on, and whatever was saved before is still there at the next start.
#include "fault_support.h"

#include <gtest/gtest.h>

namespace tarmigo::faults {
namespace {

constexpr int Width = 240;
constexpr int Height = 320;

struct Program {
    PlainHost host;
    Shell shell;
    Program(Store& file, Store& second) : shell(host, &file, &second) {
        shell.start(Width, Height);
    }
    Session& game() { return shell.game(); }
};

TEST(FullDisk, FileCopyReplacedWholeKeepsTheLastSave) {
    FillingStore file, second;
    Bytes saved;
    {
        Program p(file, second);
        ASSERT_TRUE(playOn(p.game(), 12));
        saved = *file.bytes;
        ASSERT_EQ(second.bytes, saved);

        file.fillUp();
        const int secondWrites = second.writes;
        EXPECT_TRUE(playOn(p.game(), 12, 12)) << "the game goes on";
        EXPECT_EQ(file.bytes, saved);
        EXPECT_EQ(second.bytes, saved);
        EXPECT_EQ(second.writes, secondWrites) << "no second copy after a failed file copy";
    }
    Program next(file, second);
    EXPECT_EQ(currentRecord(next.game()), saved);
}

TEST(FullDisk, FileCopyHalfRewrittenInPlaceFallsBackOnTheSecondCopy) {
    FillingStore file, second;
    file.replacedWhole = false;
    file.keptOnFailure = 100;
    Bytes saved;
    {
        Program p(file, second);
        ASSERT_TRUE(playOn(p.game(), 9));
        saved = *second.bytes;
        file.fillUp();
        EXPECT_TRUE(playOn(p.game(), 9, 9));
        ASSERT_EQ(file.bytes->size(), 100u) << "the file copy is damaged";
        EXPECT_EQ(second.bytes, saved);
    }
    Program next(file, second);
    EXPECT_EQ(currentRecord(next.game()), saved) << "the sound second copy is restored";
}

TEST(FullDisk, SecondCopyFullRestoresTheStateBothCopiesHeld) {
    FillingStore file, second;
    Bytes saved;
    {
        Program p(file, second);
        ASSERT_TRUE(playOn(p.game(), 10));
        saved = *second.bytes;
        second.fillUp();
        EXPECT_TRUE(playOn(p.game(), 10, 10));
        EXPECT_NE(file.bytes, saved) << "the file copy is still written";
        EXPECT_EQ(second.bytes, saved);
    }
    // Both copies are sound and differ: the second copy wins, as always.
    Program next(file, second);
    EXPECT_EQ(currentRecord(next.game()), saved);
}

TEST(FullDisk, SavingResumesOnceThereIsRoomAgain) {
    FillingStore file, second;
    Program p(file, second);
    playOn(p.game(), 5);
    file.fillUp();
    second.fillUp();
    playOn(p.game(), 5, 5);
    file.makeRoom();
    second.makeRoom();
    playOn(p.game(), 1, 10);
    const Bytes now = currentRecord(p.game());
    EXPECT_EQ(file.bytes, now);
    EXPECT_EQ(second.bytes, now);
}

TEST(FullDisk, DiskFullFromTheFirstStartGivesAFreshGameThatPlays) {
    FillingStore file, second;
    file.fillUp();
    second.fillUp();
    Program p(file, second);
    EXPECT_FALSE(file.bytes.has_value());
    EXPECT_TRUE(playOn(p.game(), 10));
    EXPECT_FALSE(second.bytes.has_value());
}

} // namespace
} // namespace tarmigo::faults
