// Taking back the last move, once.
#include "app/options_dialog.h"
#include "game/undo.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(Undo, TakesBackTheHumansMoveWithEverythingTheComputerDidAfterIt) {
    Position pos(1);
    pos.rolling(0).rolling(1).hand(0, "pfghijk").hand(1, "fghijk.").drawPending(1, 7);
    pos.next("ilmnop");
    pos.g.round.seenCount[Distance25 - FirstCard] = 1;
    const Records before = pos.records();
    pos.tapSlot(1); // the Stop; the computer then draws and plays, and the human draws
    ASSERT_EQ(pos.player(1).battle(), BattleStop);
    ASSERT_GT(pos.g.round.deckPos, 40);
    ASSERT_TRUE(pos.host.undoEnabled);

    undoLastMove(pos.g);
    EXPECT_EQ(pos.records(), before);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_EQ(pos.g.round.deckPos, 40); // the computer will draw the same cards again
    EXPECT_EQ(pos.status(), "Undone");
    EXPECT_FALSE(pos.host.undoEnabled);
}

TEST(Undo, TheRestoredPositionHasNoCardSelectedOrMarked) {
    Position pos(2);
    pos.modes(1, 0).rolling(0).hand(0, "fg");
    pos.tapSlot(1); // marks
    pos.tapSlot(1); // plays
    ASSERT_EQ(pos.player(0).miles, 25);
    undoLastMove(pos.g);
    EXPECT_EQ(pos.player(0).slot(1), Distance25);
    EXPECT_EQ(pos.player(0).selectedSlot(), 0);
    EXPECT_EQ(pos.player(0).markedSlot(), 0);
}

TEST(Undo, DuringTheHandOverItGivesTheTurnBackToThePlayerWhoMoved) {
    Position pos(2);
    pos.rolling(0).hand(0, "fghijkl").hand(1, "fghijk.").drawPending(1, 7);
    pos.tapSlot(1);
    ASSERT_TRUE(pos.g.has(flag::turnHandover));
    ASSERT_EQ(pos.g.currentPlayer, 1);
    undoLastMove(pos.g);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(handLetters(pos.player(0)), "fghijkl");
    EXPECT_EQ(pos.player(0).miles, 0);
}

TEST(Undo, IsNoLongerPossibleOnceTheNextPlayerHasTakenOver) {
    Position pos(2);
    pos.rolling(0).hand(0, "fghijkl").hand(1, "fghijk.").drawPending(1, 7);
    pos.tapSlot(1);
    ASSERT_TRUE(pos.host.undoEnabled);
    pos.tapStatusLine();
    EXPECT_FALSE(pos.host.undoEnabled);
}

TEST(Undo, ReopensAHandThatTheMoveEnded) {
    Position pos(1);
    pos.rolling(0).miles(0, 600).scores(0, 600, 4500).hand(0, "i").miles(1, 100);
    pos.scores(1, 100, 2000);
    pos.player(0).gamesWon1P = 2;
    const Records before = pos.records();
    pos.tapSlot(1); // completes the trip, extension declined, Scores closed with Done
    ASSERT_TRUE(pos.g.has(flag::gameOver));
    ASSERT_EQ(pos.player(0).gamesWon1P, 3);
    undoLastMove(pos.g);
    EXPECT_EQ(pos.records(), before);
    EXPECT_FALSE(pos.g.has(flag::handOver));
    EXPECT_FALSE(pos.g.has(flag::gameOver));
    EXPECT_EQ(pos.player(0).gameScore, 4500);
    EXPECT_EQ(pos.player(0).gamesWon1P, 2);
}

TEST(Undo, RevertsOptionsChangedAfterTheMove) {
    Position pos(2);
    pos.rolling(0).hand(0, "fg").option(flag::sortHand, 1);
    pos.play(1);
    OptionsDialog dialog(pos.g);
    dialog.sortCards = false;
    dialog.chooseDifficulty(1);
    dialog.done();
    ASSERT_TRUE(pos.g.has(flag::hard));
    undoLastMove(pos.g);
    EXPECT_TRUE(pos.g.has(flag::sortHand));
    EXPECT_FALSE(pos.g.has(flag::hard));
}

TEST(Undo, LeavesWhatIsNotInTheSnapshotAlone) {
    Position pos(2);
    pos.rolling(0).hand(0, "fg");
    pos.play(1);
    pos.g.deck[50] = Stop;
    pos.g.discardArmed = true;
    undoLastMove(pos.g);
    EXPECT_EQ(pos.g.deck[50], Stop);
    EXPECT_TRUE(pos.g.discardArmed);
    EXPECT_EQ(pos.g.playerCount, 2);
}
