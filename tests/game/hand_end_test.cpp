// The end of a hand: bonuses, game scores, the end of the game and the blocked hand.
#include "ai/blocked_hand.h"
#include "app/scores_dialog.h"
#include "game/hand_end.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// Player 0 lays a 100 to complete the 700-mile trip and declines the extension.
void completeTrip(Position& pos) {
    pos.rolling(0).miles(0, 600).scores(0, 600).hand(0, "i");
    ASSERT_EQ(pos.play(1), TurnPasses);
    ASSERT_TRUE(pos.g.has(flag::handOver));
}

} // namespace

TEST(HandEnd, ASafeShutOutDelayedTripEarnsFifteenHundred) {
    Position pos;
    pos.exhausted();
    completeTrip(pos);
    EXPECT_EQ(pos.player(0).handScore, 700 + 400 + 300 + 500 + 300);
    EXPECT_EQ(pos.player(0).gameScore, 2200);
}

TEST(HandEnd, AllFourSafetiesAddThreeHundredMore) {
    Position pos;
    pos.exhausted().allSafeties(0);
    completeTrip(pos);
    EXPECT_EQ(pos.player(0).handScore, 700 + 1800);
}

TEST(HandEnd, EachTripBonusNeedsItsOwnCondition) {
    Position pos;
    pos.miles(1, 25).scores(1, 25);
    pos.rolling(0).miles(0, 500, 1).scores(0, 500).hand(0, "j");
    pos.play(1);
    EXPECT_EQ(pos.player(0).handScore, 700 + 400); // a 200 laid, opponent moved, cards left
    EXPECT_EQ(pos.player(1).handScore, 25);
}

TEST(HandEnd, AnExtendedTripEarnsSixHundredAndTheOpponentNoTripBonus) {
    Position pos;
    pos.race(1000).rolling(0).miles(0, 900).scores(0, 900).hand(0, "i");
    pos.miles(1, 750).scores(1, 750);
    pos.play(1);
    EXPECT_EQ(pos.player(0).handScore, 1000 + 600 + 300);
    EXPECT_EQ(pos.player(1).handScore, 750);
}

TEST(HandEnd, ABlockedHandGivesNoTripBonusButAllSafetiesStillCount) {
    Position pos;
    pos.exhausted().hand(0, "f").scores(0, 100).miles(0, 100);
    pos.allSafeties(1).battle(1, BattleStop).miles(1, 300).scores(1, 700);
    checkBlockedHand(pos.g);
    ASSERT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.player(0).handScore, 100);
    EXPECT_EQ(pos.player(1).handScore, 1000);
    EXPECT_EQ(pos.g.round.winner, 1);
    EXPECT_EQ(pos.g.currentPlayer, 1); // the player with the greater hand score
    // Between hands the pile stays exhausted and the cards left are not scored.
    EXPECT_EQ(pos.g.round.deckPos, 101);
    EXPECT_EQ(pos.player(0).slot(1), Distance25);
}

TEST(HandEnd, ABlockedHandIsLeftWithPlayerZeroOnEqualScores) {
    Position pos;
    pos.exhausted().hand(0, "f").hand(1, "f").current(1);
    checkBlockedHand(pos.g);
    ASSERT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.g.currentPlayer, 0);
}

TEST(HandEnd, WhileOnePlayerCanStillPlayTheHandGoesOn) {
    for (int current : {0, 1}) {
        Position pos;
        pos.exhausted().hand(0, "f").rolling(1).hand(1, "f").current(current);
        checkBlockedHand(pos.g);
        EXPECT_FALSE(pos.g.has(flag::handOver));
        EXPECT_EQ(pos.g.currentPlayer, current);
        EXPECT_EQ(pos.player(current).selectedSlot(), 0);
    }
}

TEST(HandEnd, NoBlockedHandWhileCardsRemainOrAfterTheHandEnded) {
    Position pos;
    pos.deckPos(100).hand(0, "f").hand(1, "f");
    checkBlockedHand(pos.g);
    EXPECT_FALSE(pos.g.has(flag::handOver));
    pos.exhausted().option(flag::handOver, 1);
    checkBlockedHand(pos.g);
    EXPECT_EQ(pos.host.scoresDialogs, 0);
}

TEST(HandEnd, FiveThousandAgainstFourThousandNineHundredNinetyWinsTheGame) {
    Position pos(1);
    pos.scores(0, 100, 4900).scores(1, 100, 4890);
    endHand(pos.g);
    EXPECT_EQ(pos.player(0).gameScore, 5000);
    EXPECT_TRUE(pos.g.has(flag::gameOver));
    EXPECT_EQ(pos.g.round.winner, 0);
    EXPECT_EQ(pos.player(0).gamesWon1P, 1);
    EXPECT_EQ(scoresContent(pos.g).resultId, 1403); // "You Win!"
}

TEST(HandEnd, EqualScoresPastTheLinePlayAnotherHand) {
    Position pos(2);
    pos.scores(0, 100, 5000).scores(1, 200, 4900);
    endHand(pos.g);
    EXPECT_EQ(pos.player(0).gameScore, 5100);
    EXPECT_EQ(pos.player(1).gameScore, 5100);
    EXPECT_FALSE(pos.g.has(flag::gameOver));
    EXPECT_EQ(pos.g.round.winner, 1); // the winner of the hand
    EXPECT_EQ(pos.player(0).gamesWon2P + pos.player(1).gamesWon2P, 0);
    EXPECT_EQ(pos.status(), "Tap New to play another hand");
}

TEST(HandEnd, BothPastTheLineTheHigherScoreWins) {
    Position pos(2);
    pos.scores(0, 200, 5000).scores(1, 300, 4800);
    endHand(pos.g);
    EXPECT_TRUE(pos.g.has(flag::gameOver));
    EXPECT_EQ(pos.g.round.winner, 0); // although player 2 won the hand
    EXPECT_EQ(pos.player(0).gamesWon2P, 1);
    EXPECT_EQ(pos.status(), "Game Over - Tap New to start a new game");
}

TEST(HandEnd, EqualHandScoresGoToPlayerZero) {
    Position one(1);
    one.scores(0, 300).scores(1, 300);
    endHand(one.g);
    EXPECT_EQ(one.g.round.winner, 0);
    EXPECT_EQ(scoresContent(one.g).resultId, 1403); // "You Win!"
    Position two(2);
    two.scores(0, 300).scores(1, 300);
    endHand(two.g);
    EXPECT_EQ(scoresContent(two.g).resultId, 1405); // "Player 1 Wins!"
}

TEST(HandEnd, AGameWonCountsOnlyInTheModeBeingPlayed) {
    Position one(1);
    one.scores(1, 200, 4900);
    one.player(1).gamesWon2P = 7;
    endHand(one.g);
    EXPECT_EQ(one.g.round.winner, 1);
    EXPECT_EQ(one.player(1).gamesWon1P, 1);
    EXPECT_EQ(one.player(1).gamesWon2P, 7);
    EXPECT_EQ(one.player(0).gamesWon1P, 0);

    Position two(2);
    two.scores(1, 200, 4900);
    two.player(1).gamesWon1P = 3;
    endHand(two.g);
    EXPECT_EQ(two.player(1).gamesWon2P, 1);
    EXPECT_EQ(two.player(1).gamesWon1P, 3);
}

TEST(HandEnd, NewHandInTheScoresDialogPostsTheCommandOfTheMode) {
    for (int players : {1, 2}) {
        Position pos(players);
        pos.host.scoresAnswers = {3227};
        const std::string before = pos.status();
        endHand(pos.g);
        EXPECT_EQ(pos.host.posted, std::vector<int>{4010 + players});
        EXPECT_EQ(pos.status(), before); // no notice: the next hand follows
    }
}

TEST(HandEnd, TheWholeBoardIsRepaintedAfterTheScores) {
    Position pos;
    endHand(pos.g);
    ASSERT_FALSE(pos.host.invalidated.empty());
    EXPECT_EQ(pos.host.invalidated.back(), pos.g.layout.boardRect());
}
