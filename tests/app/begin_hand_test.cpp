// The board is painted before the computer opens a hand, so that its first card slides
// over the new deal, not over the last hand's board. The replay driver has no surface
// to show this; what the opening leaves (the turn handed back, Undo off, the save) shows
// in app-commands.script.
#include "app/taps.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo::testing;

TEST(BeginHand, TheNewBoardIsPaintedBeforeTheComputerOpensTheHand) {
    Position pos(1);
    pos.g.round.nextStarter = 1;
    beginHand(pos.g, 1, tarmigo::GameScores::Reset);
    EXPECT_EQ(pos.host.paintsNow, 1);
    EXPECT_EQ(pos.g.currentPlayer, 0); // it has played
}
