// Passing the turn: the two-player hand-over, the computer's turn, laid safeties and
// the end of a hand inside a tap.
#include "game/deal.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// A two-player hand: the first player, rolling, lays a 25; the second has a slot waiting.
void firstPlayerMoved(Position& pos) {
    pos.rolling(0).hand(0, "fghijkl").hand(1, "fghijk.").drawPending(1, 7).next("u");
    pos.tapSlot(1);
    ASSERT_EQ(pos.player(0).miles, 25);
}

// The invalidations of the status line since the list was last cleared.
int statusRepaints(const Position& pos) {
    int n = 0;
    for (const Rect& r : pos.host.invalidated) n += r == pos.g.layout.statusRect();
    return n;
}

} // namespace

TEST(TurnFlow, AfterAMoveTheNextPlayerIsAskedToTakeTheDevice) {
    Position pos(2);
    firstPlayerMoved(pos);
    EXPECT_EQ(pos.g.currentPlayer, 1);
    EXPECT_TRUE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(pos.status(), "End of Turn - Player 2 tap to here to continue");
    EXPECT_EQ(pos.player(1).slot(7), EmptySlot); // his card comes with his tap
}

TEST(TurnFlow, TapsAboveTheStatusLineDoNothingDuringTheHandOver) {
    Position pos(2);
    firstPlayerMoved(pos);
    const Records before = pos.records();
    for (auto [x, y] : {std::pair{20, 10}, std::pair{30, 230}, std::pair{200, 230},
                        std::pair{20, 249}, std::pair{120, -5}}) {
        pos.tap(x, y);
        EXPECT_EQ(pos.records(), before) << x << "," << y;
    }
    EXPECT_EQ(pos.host.scoresDialogs, 0);
}

TEST(TurnFlow, ATapOnTheTopEdgeOfTheStatusLineHandsTheDeviceOver) {
    Position pos(2);
    firstPlayerMoved(pos);
    ASSERT_TRUE(pos.host.undoEnabled);
    pos.tap(20, pos.g.layout.statusY);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(pos.player(1).slot(7), RightOfWay);
    EXPECT_EQ(pos.g.round.deckPos, 41);
    EXPECT_FALSE(pos.host.undoEnabled);
    EXPECT_EQ(pos.status(), "Tap a card to play it");
    EXPECT_EQ(pos.g.currentPlayer, 1);
}

TEST(TurnFlow, TapsFarBelowTheWindowHandTheDeviceOverToo) {
    Position pos(2);
    firstPlayerMoved(pos);
    pos.tap(-3000, 32767);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
}

TEST(TurnFlow, ALaidSafetyKeepsTheTurnWithAReplacementCard) {
    Position pos(2);
    pos.hand(0, "xghijkl").hand(1, "fghijkl").next("k");
    pos.tapSlot(1);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(pos.player(0).slot(1), Go);
    EXPECT_EQ(pos.g.round.deckPos, 41);
    pos.tapSlot(1); // and he moves again
    EXPECT_EQ(pos.player(0).battle(), BattleGo);
    EXPECT_EQ(pos.g.currentPlayer, 1);
}

TEST(TurnFlow, AgainstTheComputerTheHumansCardComesAfterTheComputersTurn) {
    Position pos(1);
    pos.rolling(0).rolling(1).hand(0, "fghijkl").hand(1, "ghijkl.").drawPending(1, 7);
    pos.next("mu");
    pos.tapSlot(1);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_EQ(pos.player(1).slot(7), Gasoline); // the computer drew first
    EXPECT_EQ(pos.player(0).drawSlot(), 0);     // then the human
    EXPECT_EQ(std::count(pos.player(0).hand.begin(), pos.player(0).hand.end(), RightOfWay), 1);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
}

TEST(TurnFlow, TheComputerMovesAgainAfterLayingASafety) {
    Position pos(1);
    pos.option(flag::hard, 1).rolling(0).rolling(1).hand(0, "qghijkl");
    pos.hand(1, "vffffff").drawPending(1, 0).next("hh");
    pos.tapSlot(1); // an Accident: the computer answers with a coup fourre
    const PlayerRecord& computer = pos.player(1);
    EXPECT_EQ(computer.coupFourre(), 1 << safetyBit(DrivingAce));
    EXPECT_EQ(computer.battle(), BattleGo);
    EXPECT_EQ(pos.g.round.deckPos, 42); // its replacement card, then the human's card
    EXPECT_GT(computer.miles, 0);       // and it moved again
    EXPECT_EQ(pos.g.currentPlayer, 0);
}

TEST(TurnFlow, ATapDuringTheComputersTurnMakesItPlay) {
    Position pos(1);
    pos.option(flag::hard, 1).current(1).rolling(1).hand(1, "iiiiiii").hand(0, "kghijkl");
    pos.tapSlot(1); // the position is not used: the human's Go stays in his hand
    EXPECT_EQ(pos.player(1).miles, 100);
    EXPECT_EQ(pos.player(0).slot(1), Go);
    EXPECT_EQ(pos.player(0).battle(), 0);
    EXPECT_EQ(pos.g.currentPlayer, 0);
}

TEST(TurnFlow, NoMoveFollowsTheMoveThatEndedTheHand) {
    Position pos(1);
    pos.rolling(0).miles(0, 600).hand(0, "i").rolling(1).hand(1, "iiiiiii");
    const PlayerRecord computerBefore = pos.player(1);
    pos.tapSlot(1); // completes the trip; the extension is declined
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.player(1).miles, computerBefore.miles);
    EXPECT_EQ(pos.player(1).hand, computerBefore.hand);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_EQ(pos.fileCopy.writes, 1); // still saved
}

TEST(TurnFlow, AHandEndedInATwoPlayerTapShowsNoHandOverPrompt) {
    Position pos(2);
    pos.rolling(0).miles(0, 600).hand(0, "i");
    pos.tapSlot(1);
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_EQ(pos.status(), "Tap New to play another hand");
}

TEST(TurnFlow, ABlockedHandEndsTheTapBeforeTheComputerMoves) {
    Position pos(1);
    pos.exhausted().hand(0, "f").hand(1, "g").scores(1, 50);
    pos.tapDeck();
    pos.tapSlot(1); // the human discards his last card; nobody can do more
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.player(1).slot(1), Distance50);
    EXPECT_EQ(pos.g.currentPlayer, 1); // left with the higher hand score
}

TEST(TurnFlow, AfterTheHandEndedTapsOnlySaveAndRepaint) {
    Position pos(2);
    pos.rolling(0).hand(0, "fgh").option(flag::handOver, 1);
    const Records before = pos.records();
    pos.tapSlot(1);
    pos.tapDeck();
    pos.tapScorePanel();
    EXPECT_EQ(pos.records(), before);
    EXPECT_EQ(pos.host.scoresDialogs, 0);
    EXPECT_EQ(pos.fileCopy.writes, 3);
    EXPECT_EQ(pos.host.invalidated.back(), pos.g.layout.boardRect());
}

TEST(TurnFlow, TheComputersTurnEndsAfterTwentyAttempts) {
    Position pos(1);
    // The computer holds nothing and the pile is exhausted; the human can still play.
    pos.exhausted().current(1).rolling(0).hand(0, "f");
    pos.tap(0, 0);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_FALSE(pos.g.has(flag::handOver));
    EXPECT_EQ(statusRepaints(pos), 20); // each attempt found no card to play
}

TEST(TurnFlow, TheComputerMayLayFourSafetiesInOneTurn) {
    Position pos(1);
    pos.exhausted().current(1).rolling(0).hand(0, "f").hand(1, "uvwx");
    pos.tap(0, 0);
    EXPECT_EQ(pos.player(1).safeties(), 0xF);
    EXPECT_EQ(pos.player(1).handScore, 400);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_EQ(statusRepaints(pos), 16); // the other sixteen attempts found nothing
}

TEST(TurnFlow, ATurnStaysWithThePlayerWhenNothingWasPlayed) {
    Position pos(2);
    pos.hand(0, "l").hand(1, "f");
    pos.tapSlot(1); // refused: marked
    EXPECT_EQ(pos.g.currentPlayer, 0);
    EXPECT_FALSE(pos.g.has(flag::turnHandover));
}
