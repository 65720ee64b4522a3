// What the computer throws away when it can lay nothing, and in which order.
#include "ai_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// Rolling, with nothing to play: the opponent is not moving, so hazards wait.
struct Stuck : AiPosition {
    explicit Stuck(const char* cards) { hand(cards).rolling(); }
};

// Under a Stop with no Go in the hand: distance cannot be laid either.
struct Stopped : AiPosition {
    explicit Stopped(const char* cards) {
        hand(cards);
        me().setBattle(BattleStop);
    }
};

void expectDiscard(AiPosition& x, int slot) {
    EXPECT_EQ(x.choose(), AiPosition::discard);
    EXPECT_EQ(x.selected(), slot);
}

} // namespace

TEST(ChooseCardDeadCards, HazardOrLimitAgainstAProtectedOpponent) {
    Stuck hazard("pq");
    hazard.them().setSafeties(1 << safetyBit(DrivingAce));
    expectDiscard(hazard, 2);

    Stuck limit("qt");
    limit.them().setSafeties(1 << safetyBit(RightOfWay));
    limit.them().setBattle(BattleAccident);
    expectDiscard(limit, 2);
}

TEST(ChooseCardDeadCards, RemedyWhoseSafetyIsInPlayOrHeld) {
    Stuck inPlay("pl");
    inPlay.me().setSafeties(1 << safetyBit(DrivingAce));
    expectDiscard(inPlay, 2);

    Stopped held("vl"); // the held DrivingAce makes Repairs useless
    expectDiscard(held, 2);

    AiPosition heldRightOfWay; // and a held RightOfWay makes Go useless
    heldRightOfWay.hand("ku");
    heldRightOfWay.me().setBattle(BattleAccident);
    expectDiscard(heldRightOfWay, 1);
}

TEST(ChooseCardDeadCards, RemedyWhoseHazardIsAllSeenButNeverGo) {
    Stuck go("kq");
    go.allSeen(Stop);
    expectDiscard(go, 2); // the hazard goes, not the Go

    Stuck repairs("lq");
    repairs.allSeen(Accident);
    expectDiscard(repairs, 1);
}

TEST(ChooseCardDeadCards, ThirdTwoHundredIsDead) {
    Stopped one("gjj");
    AiPosition::travel(one.me(), 200, 1);
    expectDiscard(one, 2);

    Stopped none("gjj");
    expectDiscard(none, 1); // two may still be laid: the shortest goes
}

TEST(ChooseCardDeadCards, EndOfLimitWithoutALimitToCome) {
    Stuck live("po");
    expectDiscard(live, 1);

    Stuck allLimitsSeen("po");
    allLimitsSeen.allSeen(SpeedLimit);
    expectDiscard(allLimitsSeen, 2);

    Stuck rightOfWayInPlay("po");
    rightOfWayInPlay.me().setSafeties(1 << safetyBit(RightOfWay));
    expectDiscard(rightOfWayInPlay, 2);

    Stuck rightOfWayHeld("pou");
    expectDiscard(rightOfWayHeld, 2);
}

TEST(ChooseCardDeadCards, DistanceThatWouldOverrunTheRace) {
    Stopped x("gh");
    AiPosition::travel(x.me(), 650);
    expectDiscard(x, 2);
}

TEST(ChooseCardDeadCards, TheLowestSlotHoldingAnyDeadCardGoes) {
    Stopped x("phq");
    AiPosition::travel(x.me(), 650);
    x.them().setSafeties(1 << safetyBit(DrivingAce));
    expectDiscard(x, 2);
}

TEST(ChooseCardDuplicates, TheEarlierCopyGoes) {
    Stuck x("qkpk");
    expectDiscard(x, 2);

    Stuck hazards("kptp");
    hazards.them().setSpeed(SpeedLimited);
    expectDiscard(hazards, 2);
}

TEST(ChooseCardDuplicates, DistanceIsNotADuplicate) {
    Stopped x("ggf");
    expectDiscard(x, 3);
}

TEST(ChooseCardShortest, FirstOfTheLowestDistance) {
    Stopped x("higff");
    expectDiscard(x, 4);
}

TEST(ChooseCardLastResort, HazardsGoBeforeRemedies) {
    Stuck x("okp");
    expectDiscard(x, 3);

    Stuck limit("kt");
    limit.them().setSpeed(SpeedLimited);
    expectDiscard(limit, 2);

    Stuck remedies("ok");
    expectDiscard(remedies, 1);
}

TEST(ChooseCardLastResort, EmptyHandDiscardsWithoutSelecting) {
    AiPosition x;
    x.exhausted();
    x.me().setSelectedSlot(4);
    EXPECT_EQ(x.choose(), AiPosition::discard);
    EXPECT_EQ(x.selected(), 4);
}

TEST(ChooseCardDamagedState, OutOfRangeValuesIndexNothing) {
    for (int battle = 0; battle < 16; ++battle) {
        for (int speed = 0; speed < 4; ++speed) {
            AiPosition x;
            x.hand("klmnopt").opponentRolling();
            x.me().setBattle(battle);
            x.me().setSpeed(speed);
            x.them().setSpeed(speed);
            int result = x.choose();
            EXPECT_TRUE(result >= 8 && result <= 17) << battle << ' ' << speed;
            EXPECT_TRUE(x.selected() >= 1 && x.selected() <= 7);
        }
    }
    AiPosition garbage;
    garbage.exhausted();
    garbage.me().hand = {0, 'a', 200, 255, 101, 122, 0};
    EXPECT_EQ(garbage.choose(), AiPosition::discard);
    EXPECT_EQ(garbage.selected(), 0);
}
