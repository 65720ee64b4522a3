// What the Scores dialog shows during a hand, at its end and at the end of the game.
#include "app/scores_dialog.h"
#include "game/hand_end.h"
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

enum Row {
    Miles,
    Safeties,
    AllSafeties,
    CoupFourre,
    TripComplete,
    DelayedAction,
    SafeTrip,
    Extension,
    ShutOut,
    HandScore,
    GameScore,
    GamesWon
};

int value(const ScoresContent& c, Row row, int player) {
    return c.values[row][player];
}

// The rows from "Miles" to "Shut Out", which add up to the hand score at its end.
int rowSum(const ScoresContent& c, int player) {
    int sum = 0;
    for (int row = Miles; row <= ShutOut; ++row) sum += c.values[row][player];
    return sum;
}

} // namespace

TEST(ScoresDialog, DuringAHandThereIsNoButtonNoResultAndNoTripBonus) {
    Position pos(1);
    pos.miles(0, 700).allSafeties(0).scores(0, 1100, 2000);
    pos.player(0).setCoupFourre(0x3);
    pos.player(0).setDelayedAction(true);
    pos.player(0).gamesWon1P = 4;
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(c.button, ScoresButton::Hidden);
    EXPECT_EQ(c.resultId, 0);
    EXPECT_FALSE(c.twoPlayers);
    EXPECT_EQ(value(c, Miles, 0), 700);
    EXPECT_EQ(value(c, Safeties, 0), 400);
    EXPECT_EQ(value(c, AllSafeties, 0), 300); // shown, though not yet in the hand score
    EXPECT_EQ(value(c, CoupFourre, 0), 600);
    EXPECT_EQ(value(c, TripComplete, 0), 0);
    EXPECT_EQ(value(c, SafeTrip, 0), 0);
    EXPECT_EQ(value(c, ShutOut, 0), 0);
    EXPECT_EQ(value(c, HandScore, 0), 1100);
    EXPECT_EQ(value(c, GameScore, 0), 2000);
    EXPECT_EQ(value(c, GamesWon, 0), 4);
}

TEST(ScoresDialog, SafetiesCountOneHundredEachAndAllFourThreeHundredMore) {
    Position pos;
    pos.safety(1, RightOfWay).safety(1, PunctureProof);
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(value(c, Safeties, 1), 200);
    EXPECT_EQ(value(c, AllSafeties, 1), 0);
    EXPECT_EQ(value(c, Safeties, 0), 0);
}

TEST(ScoresDialog, AtTheEndOfAHandTheRowsAddUpToTheHandScore) {
    Position pos(1);
    // 600 miles, four safeties and one coup fourre so far.
    pos.exhausted().allSafeties(0).rolling(0).miles(0, 600).scores(0, 600 + 400 + 300);
    pos.player(0).setCoupFourre(0x1);
    pos.hand(0, "i");
    pos.play(1); // 700 miles, extension declined
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(c.button, ScoresButton::NewHand);
    EXPECT_EQ(value(c, TripComplete, 0), 400);
    EXPECT_EQ(value(c, SafeTrip, 0), 300);
    EXPECT_EQ(value(c, ShutOut, 0), 500);
    EXPECT_EQ(value(c, DelayedAction, 0), 300);
    EXPECT_EQ(rowSum(c, 0), value(c, HandScore, 0));
    EXPECT_EQ(rowSum(c, 1), value(c, HandScore, 1));
}

TEST(ScoresDialog, AtTheEndOfAHandTheResultNamesTheHigherHandScore) {
    Position pos(1);
    pos.scores(0, 200).scores(1, 300);
    endHand(pos.g);
    EXPECT_EQ(textOf(scoresContent(pos.g).resultId), "Computer Wins!");
    Position tie(1);
    tie.scores(0, 300).scores(1, 300);
    endHand(tie.g);
    EXPECT_EQ(textOf(scoresContent(tie.g).resultId), "You Win!");
}

TEST(ScoresDialog, AtTheEndOfTheGameTheButtonStartsANewGame) {
    Position pos(2);
    pos.scores(0, 500, 4000).scores(1, 100, 4950);
    endHand(pos.g);
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(c.button, ScoresButton::NewGame);
    EXPECT_EQ(textOf(c.resultId), "Player 2 Wins!"); // the game's winner, not the hand's
}

TEST(ScoresDialog, ATwoPlayerGameShowsPlayerCaptionsAndTwoPlayerGamesWon) {
    Position pos(2);
    pos.player(0).gamesWon1P = 5;
    pos.player(0).gamesWon2P = 2;
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_TRUE(c.twoPlayers);
    EXPECT_EQ(value(c, GamesWon, 0), 2);
    Position one(1);
    one.player(0).gamesWon1P = 5;
    one.player(0).gamesWon2P = 2;
    const ScoresContent c1 = scoresContent(one.g);
    EXPECT_FALSE(c1.twoPlayers);
    EXPECT_EQ(value(c1, GamesWon, 0), 5);
}

TEST(ScoresDialog, AThousandMileTripShowsTheTripAndTheExtensionApart) {
    Position pos;
    pos.race(1000).rolling(0).miles(0, 900, 1).scores(0, 900).miles(1, 750).hand(0, "i");
    pos.play(1);
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(value(c, TripComplete, 0), 400);
    EXPECT_EQ(value(c, Extension, 0), 200);
    EXPECT_EQ(value(c, SafeTrip, 0), 0);
    EXPECT_EQ(value(c, HandScore, 0), 1600);
    EXPECT_EQ(rowSum(c, 0), 1600);
    EXPECT_EQ(value(c, TripComplete, 1), 0);
    EXPECT_EQ(value(c, Extension, 1), 0);
}

TEST(ScoresDialog, TheFieldsRunPlayerByPlayerRowByRow) {
    Position pos;
    pos.miles(0, 100).miles(1, 200);
    const ScoresContent c = scoresContent(pos.g);
    EXPECT_EQ(c.field(0), 100); // 3203
    EXPECT_EQ(c.field(1), 200); // 3204
}

TEST(ScoresDialog, ClosingWithDoneAtTheEndOfAHandLeavesItOver) {
    Position pos;
    endHand(pos.g);
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.status(), "Tap New to play another hand");
    EXPECT_TRUE(pos.host.posted.empty());
}
