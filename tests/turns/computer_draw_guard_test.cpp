#include "board/layout.h"
#include "board/table.h"
#include "game/deal.h"
#include "game/targets.h"
#include "support/test_host.h"
#include "turns/tap.h"

#include <gtest/gtest.h>

using namespace tarmigo;

// A restored one-player game in the computer's turn, with a card still to draw.
TEST(ComputerTurn, DrawFirstFromARestoredStateDrawsWithoutArmingTheHumansDiscard) {
    tarmigo::testing::TestHost host;
    Table g(host, host);
    g.layout = computeLayout(240, 320);
    g.playerCount = 1;
    g.currentPlayer = 1;
    g.round.deckPos = 40;
    g.round.raceLength = 700;
    g.players[0].hand = {'f', 'g', 'k', 'l', 'm', 'n', 'o'};
    g.players[1].hand = {'p', 'g', EmptySlot, 'l', 'm', 'n', 'o'};
    g.players[1].setDrawSlot(3);

    EXPECT_TRUE(computerTurn(g));
    EXPECT_FALSE(g.discardArmed);
    EXPECT_EQ(g.currentPlayer, 0);
    EXPECT_NE(g.players[1].slot(3), EmptySlot); // the computer drew into its waiting slot
}
