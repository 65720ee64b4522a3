// The computer's moves on the piles: finishing the trip, attacking, repairing,
// laying distance and the speed limit, and Easy mode's random skips.
#include "ai_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(ChooseCardDistance, BestDistanceIsTheFirstOfTheHighestAllowed) {
    AiPosition x;
    x.hand("fgiggi").rolling();
    EXPECT_EQ(x.choose(), x.distance());
    EXPECT_EQ(x.selected(), 3);
}

TEST(ChooseCardDistance, BestDistanceLeavesOutWhatTheMileageRulesForbid) {
    AiPosition limited;
    limited.hand("higf").rolling();
    limited.me().setSpeed(SpeedLimited);
    EXPECT_EQ(limited.choose(), limited.distance());
    EXPECT_EQ(limited.selected(), 3);

    AiPosition twoLaid;
    twoLaid.hand("jgi").rolling();
    AiPosition::travel(twoLaid.me(), 400, 2);
    EXPECT_EQ(twoLaid.choose(), twoLaid.distance());
    EXPECT_EQ(twoLaid.selected(), 3);

    AiPosition nearEnd;
    nearEnd.hand("higf").rolling();
    AiPosition::travel(nearEnd.me(), 650);
    EXPECT_EQ(nearEnd.choose(), nearEnd.distance());
    EXPECT_EQ(nearEnd.selected(), 3);
}

TEST(ChooseCardDistance, CompletingTheTripComesBeforeAnAttack) {
    AiPosition x;
    x.hand("pgi").rolling().opponentRolling();
    AiPosition::travel(x.me(), 600);
    EXPECT_EQ(x.choose(), x.distance());
    EXPECT_EQ(x.selected(), 3);

    AiPosition::travel(x.me(), 550); // the 100 no longer finishes
    EXPECT_EQ(x.choose(), x.oppBattle());
    EXPECT_EQ(x.selected(), 1);
}

TEST(ChooseCardDistance, NoDistanceWithoutMoving) {
    AiPosition x;
    x.hand("ik");
    AiPosition::travel(x.me(), 600);
    EXPECT_EQ(x.choose(), x.ownBattle());
    EXPECT_EQ(x.selected(), 2);

    AiPosition rightOfWay; // RightOfWay in play rolls without a Go
    rightOfWay.hand("ik");
    rightOfWay.me().setSafeties(1 << safetyBit(RightOfWay));
    EXPECT_EQ(rightOfWay.choose(), rightOfWay.distance());
    EXPECT_EQ(rightOfWay.selected(), 1);
}

TEST(ChooseCardAttack, FirstHazardTheOpponentIsNotProtectedAgainst) {
    AiPosition x;
    x.hand("gqrp").rolling().opponentRolling();
    x.them().setSafeties(1 << safetyBit(DrivingAce));
    EXPECT_EQ(x.choose(), x.oppBattle());
    EXPECT_EQ(x.selected(), 3);
}

TEST(ChooseCardAttack, SpeedLimitWhenNoHazardCanBeLaid) {
    AiPosition x;
    x.hand("gtq").rolling().opponentRolling();
    x.them().setSafeties(1 << safetyBit(DrivingAce));
    EXPECT_EQ(x.choose(), x.oppSpeed());
    EXPECT_EQ(x.selected(), 2);

    x.them().setSpeed(SpeedLimited); // already limited: lay distance instead
    EXPECT_EQ(x.choose(), x.distance());
    EXPECT_EQ(x.selected(), 1);
}

TEST(ChooseCardAttack, OnlyAMovingOpponentIsAttacked) {
    AiPosition stopped;
    stopped.hand("pg").rolling();
    stopped.them().setBattle(BattleStop);
    EXPECT_EQ(stopped.choose(), stopped.distance());

    AiPosition rightOfWay; // RightOfWay in play counts as moving
    rightOfWay.hand("qg").rolling();
    rightOfWay.them().setSafeties(1 << safetyBit(RightOfWay));
    EXPECT_EQ(rightOfWay.choose(), rightOfWay.oppBattle());
    EXPECT_EQ(rightOfWay.selected(), 1);
}

TEST(ChooseCardRepair, RemedyForTheHazardOnThePileOrGo) {
    struct Case {
        int battle;
        int slot;
    };
    for (Case c : {Case{BattleEmpty, 1}, Case{BattleStop, 1}, Case{BattleAccident, 2},
                   Case{BattleOutOfGas, 3}, Case{BattleFlatTire, 4}, Case{2, 1}, Case{4, 1}}) {
        AiPosition x;
        x.hand("klmn").opponentRolling();
        x.me().setBattle(c.battle);
        EXPECT_EQ(x.choose(), x.ownBattle()) << c.battle;
        EXPECT_EQ(x.selected(), c.slot) << c.battle;
    }
}

TEST(ChooseCardRepair, RepairComesBeforeAnAttackOnlyWhenTheOpponentIsStill) {
    AiPosition x;
    x.hand("pk").opponentRolling();
    EXPECT_EQ(x.choose(), x.oppBattle()); // attack is tried first

    x.them().setBattle(BattleAccident);
    EXPECT_EQ(x.choose(), x.ownBattle());
    EXPECT_EQ(x.selected(), 2);
}

TEST(ChooseCardSpeed, EndsItsOwnLimitBeforeLimitingTheOpponent) {
    AiPosition x;
    x.hand("htop").rolling();
    x.me().setSpeed(SpeedLimited);
    EXPECT_EQ(x.choose(), x.ownSpeed());
    EXPECT_EQ(x.selected(), 3);
}

TEST(ChooseCardSpeed, LimitsAnOpponentWhoIsNotMoving) {
    AiPosition x;
    x.hand("pt").rolling();
    EXPECT_EQ(x.choose(), x.oppSpeed());
    EXPECT_EQ(x.selected(), 2);

    x.them().setSafeties(1 << safetyBit(RightOfWay));
    x.them().setBattle(BattleAccident);
    EXPECT_NE(x.choose(), x.oppSpeed());
}

TEST(ChooseCardEasy, EachStepIsTriedFromItsThreshold) {
    struct Case {
        std::uint32_t ticks;
        bool attacks;
    };
    for (Case c : {Case{80, true}, Case{79, false}, Case{199, true}, Case{1279, false}}) {
        AiPosition x(false);
        x.hand("pg").rolling().opponentRolling();
        x.host.ticks = c.ticks;
        EXPECT_EQ(x.choose(), c.attacks ? x.oppBattle() : x.distance()) << c.ticks;
    }
    for (std::uint32_t ticks : {39u, 40u}) {
        AiPosition x(false);
        x.hand("k").them().setBattle(BattleStop);
        x.me().setBattle(BattleStop);
        x.host.ticks = ticks;
        EXPECT_EQ(x.choose(), ticks >= 40 ? x.ownBattle() : AiPosition::discard) << ticks;
    }
    for (std::uint32_t ticks : {19u, 20u}) {
        AiPosition x(false);
        x.hand("gh").rolling();
        x.host.ticks = ticks;
        EXPECT_EQ(x.choose(), ticks >= 20 ? x.distance() : AiPosition::discard) << ticks;
        EXPECT_EQ(x.selected(), ticks >= 20 ? 2 : 1);
    }
}

TEST(ChooseCardEasy, ASkippedAttackMayStillLimitTheOpponent) {
    AiPosition x(false);
    x.hand("t").opponentRolling().rolling();
    x.host.ticks = 0;
    EXPECT_EQ(x.choose(), x.oppSpeed());
}

TEST(ChooseCardEasy, EachStepTakesItsOwnReadingOnlyWhenItIsReached) {
    AiPosition x(false);
    x.hand("pkg").opponentRolling();
    x.me().setBattle(BattleStop);
    x.host.queued = {0, 40}; // attack skipped, repair tried
    EXPECT_EQ(x.choose(), x.ownBattle());
    EXPECT_EQ(x.host.reads, 2);

    AiPosition rolling(false); // own moving: step 6 takes no reading
    rolling.hand("g").rolling().opponentRolling();
    rolling.host.queued = {0, 20};
    EXPECT_EQ(rolling.choose(), rolling.distance());
    EXPECT_EQ(rolling.host.reads, 2);

    AiPosition hard;
    hard.hand("pkg").opponentRolling();
    EXPECT_EQ(hard.choose(), hard.oppBattle());
    EXPECT_EQ(hard.host.reads, 0);
}
