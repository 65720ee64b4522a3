// The player panels: safeties and coups fourres, battle and speed piles, distances.
#include "board/draw.h"
#include "board_fixture.h"

namespace tarmigo::testing {
namespace {

using Kind = DrawOp::Kind;

class Panels : public BoardTest {};

TEST_F(Panels, CoupFourreSafetyIsInvertedAndAPlainOneIsNot) {
    PlayerRecord& p1 = g.players[1];
    p1.setSafeties(0b1010);   // DrivingAce and PunctureProof
    p1.setCoupFourre(0b1000); // PunctureProof was a coup fourre
    drawSafetyRow(g, 1);
    EXPECT_TRUE(hasFill({136, 31, 240, 80}, colors::White, Pen::White));
    EXPECT_EQ(findText("Safety")->rect.left, 141);
    EXPECT_EQ(bitmapsAt(164, 49), (std::vector<int>{DrivingAce}));
    EXPECT_EQ(bitmapsAt(210, 49), (std::vector<int>{PunctureProof}));
    EXPECT_TRUE(bitmapsAt(141, 49).empty());
    auto inverts = opsOf(Kind::Invert);
    ASSERT_EQ(inverts.size(), 1u);
    EXPECT_EQ(inverts[0].rect, (Rect{211, 53, 227, 71}));
}

TEST_F(Panels, BattlePileOfAMovingPlayerIsGreenUnderItsLabelToo) {
    rolling(0);
    g.players[1].setBattle(BattleAccident);
    drawBattlePile(g, 0);
    drawBattlePile(g, 1);
    EXPECT_TRUE(hasFill({0, 81, 52, 130}, colors::Green, Pen::Null));
    EXPECT_TRUE(hasFill({136, 81, 188, 130}, colors::White, Pen::Null));
    auto labels = opsOf(Kind::Text);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "Hazard");
    EXPECT_EQ(labels[0].colour, colors::Green);
    EXPECT_EQ(labels[1].colour, colors::White);
    EXPECT_EQ(bitmapsAt(5, 99), (std::vector<int>{Go}));
    EXPECT_EQ(bitmapsAt(141, 99), (std::vector<int>{Accident}));
    EXPECT_EQ(surface.background(), colors::White);
}

TEST_F(Panels, BattlePileShowsTheCardOfEachBattleValue) {
    const int cards[10] = {0, Go,   Repairs,  Gasoline, SpareTire,
                           0, Stop, Accident, OutOfGas, FlatTire};
    for (int b = 0; b < 16; ++b) {
        surface.clear();
        g.players[0].setBattle(b);
        drawBattlePile(g, 0);
        int expected = b < 10 ? cards[b] : 0;
        EXPECT_EQ(bitmapsAt(5, 99), expected ? std::vector<int>{expected} : std::vector<int>{})
            << "battle " << b;
    }
    // A right of way keeps a player moving under a remedy: the pile turns green.
    surface.clear();
    g.players[0].setBattle(2);
    g.players[0].setSafeties(1);
    drawBattlePile(g, 0);
    EXPECT_TRUE(hasFill({0, 81, 52, 130}, colors::Green, Pen::Null));
}

TEST_F(Panels, SpeedPileShowsTheLimitOrItsEnd) {
    drawSpeedPile(g, 0);
    EXPECT_TRUE(hasFill({53, 81, 104, 130}, colors::White, Pen::White));
    EXPECT_EQ(findText("Speed")->rect.left, 57);
    EXPECT_TRUE(bitmaps().empty());
    g.players[0].setSpeed(SpeedLimited);
    drawSpeedPile(g, 0);
    EXPECT_EQ(bitmapsAt(57, 99), (std::vector<int>{SpeedLimit}));
    surface.clear();
    g.players[0].setSpeed(SpeedEnded);
    drawSpeedPile(g, 0);
    EXPECT_EQ(bitmapsAt(57, 99), (std::vector<int>{EndOfLimit}));
}

TEST_F(Panels, DistanceCardsStackFourRowsApart) {
    layDistance(0, Distance25, 3);
    layDistance(0, Distance200, 1);
    drawDistanceArea(g, 0);
    EXPECT_TRUE(hasFill({0, 131, 104, 214}, colors::White, Pen::White));
    EXPECT_EQ(bitmapsAt(5, 149), (std::vector<int>{Distance25}));
    EXPECT_EQ(bitmapsAt(5, 153), (std::vector<int>{Distance25}));
    EXPECT_EQ(bitmapsAt(5, 157), (std::vector<int>{Distance25}));
    EXPECT_EQ(bitmapsAt(81, 149), (std::vector<int>{Distance200}));
    EXPECT_EQ(bitmaps().size(), 4u);
    EXPECT_NE(findText("275"), nullptr);
    EXPECT_EQ(findText("Winner!"), nullptr);

    // A damaged count must not draw a stack down over the hand row.
    g.players[0].distancePlayed[0] = 250;
    drawDistanceArea(g, 0);
    for (const DrawOp& op : bitmaps()) EXPECT_LE(op.rect.bottom, g.layout.handY);
}

TEST_F(Panels, WinnerGetsTheFlagInsteadOfStacks) {
    struct Case {
        int miles0, miles1;
        bool flag0, flag1;
    };
    const Case cases[] = {
        {700, 300, true, false},  // more miles
        {275, 450, false, true},  // more miles on the right
        {1000, 1000, true, true}, // exactly 1000 always wins the flag
        {500, 500, false, false}, // a tie short of 1000: stacks on both sides
    };
    for (const Case& c : cases) {
        for (int p = 0; p < 2; ++p) {
            g.players[p] = PlayerRecord{};
            layDistance(p, Distance25, (p == 0 ? c.miles0 : c.miles1) / 25);
        }
        g.round.set(flag::handOver, true);
        surface.clear();
        drawDistanceArea(g, 0);
        drawDistanceArea(g, 1);
        EXPECT_EQ(bitmapsAt(23, 149) == std::vector<int>{FlagBitmap}, c.flag0) << c.miles0;
        EXPECT_EQ(bitmapsAt(159, 149) == std::vector<int>{FlagBitmap}, c.flag1) << c.miles1;
        EXPECT_EQ(!bitmapsAt(5, 149).empty(), !c.flag0) << c.miles0;
        EXPECT_EQ(!bitmapsAt(141, 149).empty(), !c.flag1) << c.miles1;
        int winners = int(c.flag0) + int(c.flag1);
        EXPECT_EQ(int(opsOf(Kind::Text).size()), 4 + winners);
        if (c.flag0) {
            EXPECT_EQ(bitmapsWithId(FlagBitmap)[0].rect, (Rect{23, 149, 55, 181}));
            EXPECT_EQ(findText("Winner!")->rect, (Rect{23, 183, 240, 320}));
        }
    }
    // While the hand goes on, more miles show no flag.
    g.round.set(flag::handOver, false);
    surface.clear();
    drawDistanceArea(g, 0);
    EXPECT_TRUE(bitmapsWithId(FlagBitmap).empty());
}

} // namespace
} // namespace tarmigo::testing
