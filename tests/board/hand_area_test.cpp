// The hand row, its cover, the deck area and the count of cards left.
#include "board/draw.h"
#include "board_fixture.h"
#include "game/strings.h"

namespace tarmigo::testing {
namespace {

using Kind = DrawOp::Kind;

class HandRow : public BoardTest {};

TEST_F(HandRow, CardsSitInSevenSlotsOnAWhiteRow) {
    rolling(0);
    drawHand(g);
    EXPECT_TRUE(hasFill({0, 215, 171, 250}, colors::White, Pen::White));
    const int xs[HandSize] = {5, 28, 51, 74, 97, 120, 143};
    for (int s = 1; s <= HandSize; ++s)
        EXPECT_EQ(bitmapsAt(xs[s - 1], 219), (std::vector<int>{MidHand[s - 1]})) << "slot " << s;
    for (const DrawOp& op : bitmaps()) {
        EXPECT_EQ(op.width(), 18);
        EXPECT_EQ(op.height(), 26);
    }
    // The headers follow the hand.
    EXPECT_NE(findText("Hand"), nullptr);
}

TEST_F(HandRow, UnplayableCardsAreGreyedOnlyWhenAsked) {
    // Not moving: the distances, the hazard and the remedy cannot be played.
    g.players[0].hand = MidHand;
    g.round.set(flag::showPlayable, true);
    drawHand(g);
    auto tintOf = [&](int slot) { return bitmapsWithId(MidHand[slot - 1])[0].tint; };
    EXPECT_EQ(tintOf(1), GreyCardBitmap); // 25 miles
    EXPECT_EQ(tintOf(3), 0);              // Go
    EXPECT_EQ(tintOf(4), GreyCardBitmap); // Stop on a standing opponent
    EXPECT_EQ(tintOf(7), 0);              // safeties are always playable

    surface.clear();
    g.round.set(flag::showPlayable, false);
    drawHand(g);
    for (const DrawOp& op : bitmaps()) EXPECT_EQ(op.tint, 0);
}

TEST_F(HandRow, DeadHandAsksForADiscardEvenWithoutGreying) {
    g.players[0].hand = DeadHand;
    for (bool greyOut : {false, true}) {
        g.statusText.clear();
        g.round.set(flag::showPlayable, greyOut);
        surface.clear();
        drawHand(g);
        EXPECT_EQ(g.statusText, stringText(text::MustDiscard));
        EXPECT_TRUE(host.invalidated.empty()); // set inside the paint: no refresh
        for (const DrawOp& op : bitmaps()) EXPECT_EQ(op.tint, greyOut ? GreyCardBitmap : 0);
    }
}

TEST_F(HandRow, EmptySlotIsBlankNeverGreyAndKeepsTheHandAlive) {
    g.players[0].hand = DeadHand;
    g.players[0].slot(3) = EmptySlot;
    g.round.set(flag::showPlayable, true);
    drawHand(g);
    EXPECT_EQ(bitmapsAt(51, 219), (std::vector<int>{EmptySlot}));
    EXPECT_EQ(bitmapsWithId(EmptySlot)[0].tint, 0);
    EXPECT_TRUE(g.statusText.empty());
}

TEST_F(HandRow, SelectedCardIsHighlightedAndSilencesTheDiscardMessage) {
    g.players[0].hand = DeadHand;
    g.players[0].setSelectedSlot(2);
    drawHand(g);
    EXPECT_TRUE(g.statusText.empty());
    auto inverts = opsOf(Kind::Invert);
    ASSERT_EQ(inverts.size(), 1u);
    EXPECT_EQ(inverts[0].rect, (Rect{29, 223, 45, 241}));
}

TEST_F(HandRow, ComputerTurnLeavesRowAndHeadersAlone) {
    g.currentPlayer = 1;
    g.players[1].hand = DeadHand;
    drawHand(g);
    EXPECT_TRUE(ops().empty());
    EXPECT_TRUE(g.statusText.empty());

    // In a two-player game player 1's hand is shown.
    g.playerCount = 2;
    drawHand(g);
    EXPECT_EQ(bitmapsAt(5, 219), (std::vector<int>{Distance25}));
}

TEST_F(HandRow, HandOverCoversTheRowInsteadOfDrawingIt) {
    g.round.set(flag::turnHandover, true);
    drawLowerBoard(g);
    EXPECT_TRUE(hasFill({1, 215, 171, 250}, colors::LightGrey, Pen::White));
    EXPECT_TRUE(bitmapsAt(5, 219).empty());
    EXPECT_EQ(count(Kind::Invert), 0);
}

class DeckArea : public BoardTest {};

TEST_F(DeckArea, PilesSitBesideTheHand) {
    g.round.discardTop = Stop;
    drawDeckArea(g);
    EXPECT_TRUE(hasFill({172, 215, 240, 250}, colors::White, Pen::White));
    EXPECT_EQ(bitmapsAt(195, 220), (std::vector<int>{CardBackBitmap}));
    EXPECT_EQ(bitmapsAt(194, 219), (std::vector<int>{CardBackBitmap}));
    EXPECT_EQ(bitmapsAt(217, 219), (std::vector<int>{Stop}));
    EXPECT_TRUE(hasFill({176, 219, 186, 229}, colors::White, Pen::White));

    // Nothing discarded yet shows the blank; an armed discard shows the red square.
    surface.clear();
    g.round.discardTop = 0;
    g.discardArmed = true;
    drawDeckArea(g);
    EXPECT_EQ(bitmapsAt(217, 219), (std::vector<int>{EmptySlot}));
    EXPECT_TRUE(hasFill({176, 219, 186, 229}, colors::Red, Pen::White));
}

TEST_F(DeckArea, PileThinsAsItRunsOut) {
    struct Case {
        int deckPos;
        std::vector<int> edge, top;
        const char* count;
    };
    const Case cases[] = {
        {99, {CardBackBitmap}, {CardBackBitmap}, "  2"},
        {100, {}, {CardBackBitmap}, "  1"},
        {101, {}, {EmptySlot}, "  0"},
    };
    for (const Case& c : cases) {
        surface.clear();
        g.round.deckPos = static_cast<std::uint8_t>(c.deckPos);
        drawDeckArea(g);
        drawCardsLeft(g);
        EXPECT_EQ(bitmapsAt(195, 220), c.edge) << c.deckPos;
        EXPECT_EQ(bitmapsAt(194, 219), c.top) << c.deckPos;
        EXPECT_NE(findText(c.count), nullptr) << c.deckPos;
    }
}

TEST_F(DeckArea, CardsLeftIsRightAlignedAtTheBottomOfItsBox) {
    g.round.deckPos = 14;
    drawCardsLeft(g);
    const DrawOp* text = findText("  87");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->rect, (Rect{172, 214, 189, 245}));
    EXPECT_EQ(text->hAlign, HAlign::Right);
    EXPECT_EQ(text->vAlign, VAlign::Bottom);

    // A deck position past the end (a damaged record) reads as an empty pile.
    surface.clear();
    g.round.deckPos = 200;
    drawCardsLeft(g);
    EXPECT_NE(findText("  0"), nullptr);
}

} // namespace
} // namespace tarmigo::testing
