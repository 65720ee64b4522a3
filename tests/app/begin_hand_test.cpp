#include "app/taps.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

TEST(BeginHand, ANewHandDisablesUndoAndAsksForATap) {
    Position pos(2);
    pos.host.undoEnabled = true;
    beginHand(pos.g, 2, GameScores::Kept);
    EXPECT_FALSE(pos.host.undoEnabled);
    EXPECT_EQ(pos.status(), "Tap a card to play it");
}

TEST(BeginHand, TheComputerOpensItsHandAtOnceAndHandsTheTurnBack) {
    Position pos(1);
    pos.g.round.nextStarter = 1;
    beginHand(pos.g, 1, GameScores::Reset);
    EXPECT_EQ(pos.host.paintsNow, 1);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    // The computer moved; the human's dealt hand is still full.
    EXPECT_NE(pos.player(1).drawSlot(), 0);
    EXPECT_EQ(pos.player(0).drawSlot(), 0);
    EXPECT_TRUE(pos.fileCopy.bytes.has_value()); // that turn was saved
    EXPECT_FALSE(pos.host.undoEnabled);
}

} // namespace
