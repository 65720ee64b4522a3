// Laying distance: miles and points, the extension question and the end of the trip.
#include "support/rules_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(DistanceMoves, ADistanceCardAddsItsMilesAndPoints) {
    RulePosition pos;
    pos.option(flag::playSounds, 1).rolling(0).hand(0, "fghij").miles(0, 100).scores(0, 100);
    for (int slot = 1; slot <= 5; ++slot) {
        pos.play(slot);
        pos.drawPending(0, 0); // as if the turn's card had been drawn
    }
    const PlayerRecord& p = pos.player(0);
    EXPECT_EQ(p.miles, 550);
    EXPECT_EQ(p.handScore, 550);
    EXPECT_EQ(p.distancePlayed, (std::array<std::uint8_t, 5>{1, 1, 1, 2, 1}));
    EXPECT_EQ(pos.host.sounds.size(), 5u);
    EXPECT_EQ(pos.host.sounds.front(), "WVM");
    EXPECT_EQ(pos.seen(Distance200), 1);
}

TEST(DistanceMoves, AHumanReachingSevenHundredFirstIsAskedToExtend) {
    RulePosition pos;
    pos.rolling(0).miles(0, 600).miles(1, 300).hand(0, "i");
    pos.host.yesNoAnswers = {true};
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.host.questions, std::vector<int>{1601});
    EXPECT_EQ(pos.g.round.raceLength, 1000);
    EXPECT_FALSE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.host.scoresDialogs, 0);
}

TEST(DistanceMoves, DecliningTheExtensionCompletesTheTrip) {
    RulePosition pos;
    pos.rolling(0).miles(0, 600).hand(0, "i");
    pos.host.yesNoAnswers = {false};
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.g.round.raceLength, 700);
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.host.scoresDialogs, 1);
}

TEST(DistanceMoves, TheComputerNeverExtends) {
    RulePosition pos(1);
    pos.current(1).rolling(1).miles(1, 600).hand(1, "i");
    pos.play(1);
    EXPECT_TRUE(pos.host.questions.empty());
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_EQ(pos.player(1).miles, 700);
}

TEST(DistanceMoves, InATwoPlayerGameEitherPlayerIsAsked) {
    RulePosition pos(2);
    pos.current(1).rolling(1).miles(1, 600).hand(1, "i");
    pos.host.yesNoAnswers = {true};
    pos.play(1);
    EXPECT_EQ(pos.host.questions, std::vector<int>{1601});
    EXPECT_EQ(pos.g.round.raceLength, 1000);
}

TEST(DistanceMoves, AfterAnExtensionSevenHundredBehindTheLeaderIsNotAsked) {
    RulePosition pos;
    pos.race(1000).rolling(0).miles(0, 600).miles(1, 700).hand(0, "i");
    pos.play(1);
    EXPECT_TRUE(pos.host.questions.empty());
    EXPECT_FALSE(pos.g.has(flag::handOver));
}

TEST(DistanceMoves, ReachingAThousandEndsTheHand) {
    RulePosition pos;
    pos.race(1000).rolling(0).miles(0, 900).miles(1, 750).hand(0, "i");
    pos.play(1);
    EXPECT_TRUE(pos.host.questions.empty());
    EXPECT_TRUE(pos.g.has(flag::handOver));
    EXPECT_FALSE(pos.player(0).delayedAction());
}

TEST(DistanceMoves, CompletingTheTripAfterThePileRanOutIsADelayedAction) {
    RulePosition declined;
    declined.rolling(0).miles(0, 600).hand(0, "i").exhausted();
    declined.play(1);
    EXPECT_TRUE(declined.player(0).delayedAction());

    RulePosition extended;
    extended.race(1000).rolling(0).miles(0, 900).miles(1, 700).hand(0, "i").exhausted();
    extended.play(1);
    EXPECT_TRUE(extended.player(0).delayedAction());

    RulePosition withCardsLeft;
    withCardsLeft.rolling(0).miles(0, 600).hand(0, "i").deckPos(100);
    withCardsLeft.play(1);
    EXPECT_TRUE(withCardsLeft.g.has(flag::handOver));
    EXPECT_FALSE(withCardsLeft.player(0).delayedAction());
}

TEST(DistanceMoves, TheCompletingCardLeavesTheHandBeforeTheHandEnds) {
    RulePosition pos;
    pos.rolling(0).miles(0, 600).hand(0, "ik");
    pos.host.onScoresDialog = [&pos] {
        EXPECT_EQ(pos.player(0).slot(1), EmptySlot);
        EXPECT_EQ(pos.player(0).miles, 700);
    };
    pos.play(1);
    EXPECT_EQ(pos.host.scoresDialogs, 1);
}
