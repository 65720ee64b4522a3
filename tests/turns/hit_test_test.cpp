// Turning a tap position into a board place, on the 240 x 320 screen.
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

int hit(int x, int y) {
    static Position pos;
    return hitTest(pos.g, x, y);
}

} // namespace

TEST(HitTest, EachHandSlotCoversItsCardAndOneColumnToItsRight) {
    for (int s = 1; s <= 7; ++s) {
        EXPECT_EQ(hit(23 * s - 18, 219), s);
        EXPECT_EQ(hit(23 * s, 245), s);
        EXPECT_EQ(hit(23 * s - 19, 230), 0) << "gap left of slot " << s;
    }
    EXPECT_EQ(hit(10, 214), 19); // the top of the hand row still counts as the board
    EXPECT_EQ(hit(10, 218), 0);
    EXPECT_EQ(hit(10, 246), 0); // below the cards, above the status line
}

TEST(HitTest, TheWholeDeckAreaIsTheDrawPile) {
    EXPECT_EQ(hit(171, 214), 16);
    EXPECT_EQ(hit(239, 250), 16);
    EXPECT_EQ(hit(200, 230), 16); // the discard pile counts as the draw pile
    EXPECT_EQ(hit(170, 230), 0);
    EXPECT_EQ(hit(171, 213), 19);
    EXPECT_EQ(hit(171, 251), 20);
}

TEST(HitTest, TheTopStripOfThePanelsIsTheScorePanel) {
    EXPECT_EQ(hit(0, 0), 18);
    EXPECT_EQ(hit(104, 29), 18);
    EXPECT_EQ(hit(136, 29), 18);
    EXPECT_EQ(hit(105, 10), 0); // the mileage bar
    EXPECT_EQ(hit(135, 10), 0);
    EXPECT_EQ(hit(104, 30), 19);
}

TEST(HitTest, ThePanelsBelowAreTheBoard) {
    EXPECT_EQ(hit(0, 30), 19);
    EXPECT_EQ(hit(239, 214), 16);
    EXPECT_EQ(hit(136, 214), 19);
    EXPECT_EQ(hit(120, 100), 0);
}

TEST(HitTest, TheStatusLineLiesStrictlyBetweenItsEdges) {
    EXPECT_EQ(hit(5, 250), 0);
    EXPECT_EQ(hit(5, 251), 20);
    EXPECT_EQ(hit(120, 293), 20);
    EXPECT_EQ(hit(5, 294), 0);
}

TEST(HitTest, PositionsOutsideTheWindowFollowTheSameRules) {
    EXPECT_EQ(hit(20, -40), 18); // above the window over a panel
    EXPECT_EQ(hit(-32768, -32768), 18);
    EXPECT_EQ(hit(32767, 10), 18);
    EXPECT_EQ(hit(120, -32768), 0);
    EXPECT_EQ(hit(32767, 230), 16);
    EXPECT_EQ(hit(-5, 230), 0);
    EXPECT_EQ(hit(-32768, 100), 19);
    EXPECT_EQ(hit(100, 32767), 0);
}
