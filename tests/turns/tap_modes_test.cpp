// How a tap selects, plays, marks or discards a card under the play and discard modes.
#include "app/save_state.h"
#include "app/taps.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// A two-player hand with the first player to move, who holds a card he cannot play
// in slot 1 (a Repairs with nothing to repair) and a playable Go in slot 2.
void unplayableInSlotOne(Position& pos, int playMode, int discardMode) {
    pos.modes(playMode, discardMode).hand(0, "lkfghij").hand(1, "fghijkl");
}

} // namespace

TEST(TapModes, ATapOnAnEmptySlotDoesNothingButSaveAndRepaint) {
    Position pos;
    pos.hand(0, "f.g");
    pos.g.statusText = "earlier";
    const Records before = pos.records();
    pos.tapSlot(2);
    EXPECT_EQ(pos.records(), before);
    EXPECT_EQ(pos.status(), "earlier");
    EXPECT_EQ(pos.fileCopy.writes, 1);
    ASSERT_FALSE(pos.host.invalidated.empty());
    EXPECT_EQ(pos.host.invalidated.back(), pos.g.layout.boardRect());
}

TEST(TapModes, AnArmedDiscardDiscardsTheNextCardTappedInEveryMode) {
    for (int play : {0, 1})
        for (int discard : {0, 1, 2}) {
            Position pos;
            pos.modes(play, discard).hand(0, "klfghij").hand(1, "fghijkl");
            pos.tapDeck();
            EXPECT_TRUE(pos.g.discardArmed);
            EXPECT_EQ(pos.status(), "Tap a card to discard it");
            pos.tapSlot(1); // a playable Go, discarded all the same
            EXPECT_EQ(pos.g.round.discardTop, Go);
            EXPECT_EQ(pos.player(0).battle(), 0);
            EXPECT_FALSE(pos.g.discardArmed);
            EXPECT_EQ(pos.g.currentPlayer, 1) << play << discard;
        }
}

TEST(TapModes, ASecondTapOnTheDrawPileDisarmsTheDiscard) {
    Position pos;
    pos.hand(0, "kl");
    pos.tapDeck();
    pos.tapDeck();
    EXPECT_FALSE(pos.g.discardArmed);
    EXPECT_EQ(pos.status(), "Tap a card to play it");
    pos.tapSlot(1);
    EXPECT_EQ(pos.player(0).battle(), BattleGo); // played, not discarded
}

TEST(TapModes, AnArmedDiscardOutlivesTheHand) {
    Position pos;
    pos.hand(0, "kl");
    pos.tapDeck();
    pos.option(flag::handOver, 1);
    pos.tapDeck(); // the hand is over: the tap is ignored
    EXPECT_TRUE(pos.g.discardArmed);
}

TEST(TapModes, TappingTwiceToPlayMarksFirstAndPlaysOnTheSecondTap) {
    Position pos;
    pos.modes(1, 0).hand(0, "kl");
    pos.tapSlot(1);
    EXPECT_EQ(pos.player(0).markedSlot(), 1);
    EXPECT_EQ(pos.player(0).selectedSlot(), 1);
    EXPECT_EQ(pos.player(0).battle(), 0);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    pos.tapSlot(1);
    EXPECT_EQ(pos.player(0).battle(), BattleGo);
    EXPECT_EQ(pos.player(0).markedSlot(), 0);
    EXPECT_EQ(pos.g.currentPlayer, 1);
}

TEST(TapModes, TappingTwiceToPlayMovesTheMarkToAnotherCard) {
    Position pos;
    pos.modes(1, 0).hand(0, "kl");
    pos.tapSlot(1);
    pos.tapSlot(2);
    EXPECT_EQ(pos.player(0).markedSlot(), 2);
    EXPECT_EQ(pos.player(0).selectedSlot(), 2);
    EXPECT_EQ(pos.player(0).battle(), 0);
}

TEST(TapModes, TappingOnceToPlayDropsTheMarkAndTriesTheNewCard) {
    Position pos;
    pos.modes(0, 0).hand(0, "lk");
    pos.tapSlot(1); // refused and marked
    ASSERT_EQ(pos.player(0).markedSlot(), 1);
    pos.tapSlot(2);
    EXPECT_EQ(pos.player(0).battle(), BattleGo);
    EXPECT_EQ(pos.player(0).markedSlot(), 0);
    EXPECT_EQ(pos.player(0).slot(1), Repairs);
}

TEST(TapModes, RefusalsOfTheMarkedCardAlternateBetweenHintAndRule) {
    Position pos;
    unplayableInSlotOne(pos, 0, 0);
    const std::string rule = "Play remedy only when under hazard";
    const std::string hint = "Tap the deck to discard this card";
    pos.tapSlot(1);
    EXPECT_EQ(pos.status(), rule);
    for (const std::string& expected : {hint, rule, hint, rule, hint}) {
        pos.tapSlot(1);
        EXPECT_EQ(pos.status(), expected);
        EXPECT_EQ(pos.player(0).slot(1), Repairs);
    }
    pos.tapDeck(); // the draw pile discards the marked card
    EXPECT_EQ(pos.g.round.discardTop, Repairs);
}

TEST(TapModes, EachModeTreatsAnUnplayableCardAsTheTableSays) {
    struct Expected {
        int play;
        int discard;
        int tapsToDiscard; // 0: never by tapping the card
    };
    for (Expected e : {Expected{0, 2, 1}, Expected{0, 1, 2}, Expected{0, 0, 0}, Expected{1, 2, 2},
                       Expected{1, 1, 2}, Expected{1, 0, 0}}) {
        Position pos;
        unplayableInSlotOne(pos, e.play, e.discard);
        for (int tap = 1; tap <= 4; ++tap) {
            pos.tapSlot(1);
            const bool discarded = pos.g.round.discardTop == Repairs;
            EXPECT_EQ(discarded, e.tapsToDiscard != 0 && tap >= e.tapsToDiscard)
                << "play " << e.play << " discard " << e.discard << " tap " << tap;
            if (discarded) break;
            EXPECT_EQ(pos.player(0).markedSlot(), 1);
        }
    }
}

TEST(TapModes, TheFirstTapOfTapTwiceShowsNoMessage) {
    Position pos;
    unplayableInSlotOne(pos, 1, 0);
    pos.g.statusText = "earlier";
    pos.tapSlot(1);
    EXPECT_EQ(pos.status(), "earlier");
}

TEST(TapModes, TheDrawPileDiscardsASelectedCardInEveryMode) {
    for (int play : {0, 1})
        for (int discard : {0, 1, 2}) {
            Position pos;
            pos.modes(play, discard).hand(0, "klfghij");
            pos.select(2);
            pos.tapDeck();
            EXPECT_EQ(pos.g.round.discardTop, Repairs);
            EXPECT_EQ(pos.g.currentPlayer, 1);
        }
}

TEST(TapModes, TheScorePanelOpensTheScoresAndAsksForACard) {
    Position pos;
    pos.hand(0, "kl");
    pos.tapScorePanel();
    EXPECT_EQ(pos.host.scoresDialogs, 1);
    EXPECT_EQ(pos.status(), "Tap a card to play it");
}

TEST(TapModes, TheScorePanelOpensTheScoresWithACardSelectedToo) {
    Position pos;
    pos.modes(1, 0).hand(0, "kl");
    pos.tapSlot(1);
    pos.tapScorePanel();
    EXPECT_EQ(pos.host.scoresDialogs, 1);
    EXPECT_EQ(pos.player(0).markedSlot(), 1);
}

TEST(TapModes, ATapOnNothingAsksForACardUnlessOneIsSelected) {
    Position pos;
    pos.hand(0, "kl");
    pos.tapBoard();
    EXPECT_EQ(pos.status(), "Tap a card to play it");
    pos.modes(1, 0);
    pos.tapSlot(1);
    pos.g.statusText = "earlier";
    const Records before = pos.records();
    pos.tapBoard();
    pos.tapStatusLine();
    pos.tap(120, 100); // the mileage bar hits nothing
    EXPECT_EQ(pos.status(), "earlier");
    EXPECT_EQ(pos.records(), before);
}

TEST(TapModes, APenUpAboveTheWindowOverAPanelOpensTheScores) {
    Position pos;
    pos.hand(0, "kl");
    penDown(pos.g);
    penUp(pos.g, 20, -40);
    EXPECT_EQ(pos.host.scoresDialogs, 1);
    EXPECT_FALSE(pos.g.penDown);
}

TEST(TapModes, APenUpWithoutAPenDownIsNoTap) {
    Position pos;
    pos.hand(0, "kl");
    penUp(pos.g, pos.g.layout.slotX(1) + 5, pos.g.layout.handY + 10);
    EXPECT_EQ(pos.player(0).battle(), 0);
    EXPECT_EQ(pos.fileCopy.writes, 0);
    penDown(pos.g);
    penUp(pos.g, pos.g.layout.slotX(1) + 5, pos.g.layout.handY + 10);
    EXPECT_EQ(pos.player(0).battle(), BattleGo);
}

TEST(TapModes, SortingTheHandUnderAMarkedCardNeverDiscardsAnEmptySlot) {
    Position pos(2);
    pos.modes(1, 0).exhausted().hand(0, "k.f..g.").hand(1, "k");
    pos.tapSlot(6); // marks the 50
    ASSERT_EQ(pos.player(0).markedSlot(), 6);
    pos.option(flag::sortHand, 1); // "Sort Cards in Hand" checked in the Options
    pos.tapBoard();                // the pile is exhausted: the hand is sorted now
    pos.tapDeck();                 // discard the marked card
    EXPECT_NE(pos.g.round.discardTop, EmptySlot);
    EXPECT_TRUE(pos.g.round.discardTop == 0 || pos.g.round.discardTop == Distance50);
    ASSERT_TRUE(pos.fileCopy.bytes.has_value());
    EXPECT_TRUE(isSoundRecord(*pos.fileCopy.bytes));
}
