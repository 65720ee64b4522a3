// The computer's draw and its handling of safeties: laid at once, held back for a
// coup fourre, and let go before the hand can end under them.
#include "ai_position.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(ChooseCardDraw, DrawsBeforeLookingAtTheHandWhileCardsRemain) {
    AiPosition x;
    x.hand("u.pqrsv").rolling();
    x.me().setDrawSlot(2);
    x.me().setSelectedSlot(5);
    EXPECT_EQ(x.choose(), x.draw);
    EXPECT_EQ(x.selected(), 5);

    x.g.round.deckPos = 100; // the last card is still to come
    EXPECT_EQ(x.choose(), x.draw);

    x.exhausted(); // a pending slot can no longer be filled
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 1);
}

TEST(ChooseCardSafety, EasyLaysTheFirstSafetyBeforeAnythingElse) {
    AiPosition x(false);
    x.hand("ipwv").rolling().opponentRolling(); // Hard would hold both and attack
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 3);
    EXPECT_EQ(x.host.reads, 0);
}

TEST(ChooseCardSafety, HardHoldsDrivingAceUntilBothAccidentsAreSeen) {
    AiPosition x;
    x.hand("gvfpk").rolling().seen(Accident, 1);
    AiPosition::travel(x.them(), 300);
    EXPECT_EQ(x.choose(), x.distance());
    EXPECT_EQ(x.selected(), 1);

    x.seen(Accident, 2);
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 2);
}

TEST(ChooseCardSafety, HardLaysASafetyThatCuresItsHazardOnThePile) {
    for (Card safety : {RightOfWay, DrivingAce, ExtraTank, PunctureProof}) {
        AiPosition x;
        x.hand("g").rolling();
        x.me().slot(2) = safety;
        x.me().setBattle(battleOf(safety - 5));
        EXPECT_EQ(x.choose(), x.safetyArea()) << int(safety);
        EXPECT_EQ(x.selected(), 2);
    }
}

TEST(ChooseCardSafety, HardLaysRightOfWayWhenItSparesAGoOrEndsALimit) {
    for (int battle : {0, 2, 3, 4}) {
        AiPosition x;
        x.hand("ku");
        x.me().setBattle(battle);
        EXPECT_EQ(x.choose(), x.safetyArea()) << battle;
        EXPECT_EQ(x.selected(), 2);
    }
    AiPosition limited;
    limited.hand("gu").rolling();
    limited.me().setSpeed(SpeedLimited);
    EXPECT_EQ(limited.choose(), limited.safetyArea());

    AiPosition stopsSeen;
    stopsSeen.hand("gu").rolling().allSeen(Stop);
    EXPECT_EQ(stopsSeen.choose(), stopsSeen.safetyArea());
}

TEST(ChooseCardSafety, HardHoldsRightOfWayWhileRollingOrUnderAnotherHazard) {
    AiPosition rolling;
    rolling.hand("ug").rolling().seen(Stop, 3);
    EXPECT_EQ(rolling.choose(), rolling.distance());
    EXPECT_EQ(rolling.selected(), 2);

    AiPosition crashed;
    crashed.hand("ul");
    crashed.me().setBattle(BattleAccident);
    EXPECT_EQ(crashed.choose(), crashed.ownBattle());
    EXPECT_EQ(crashed.selected(), 2);
}

TEST(ChooseCardSafety, HeldSafetyGoesDownBeforeTheTripIsCompleted) {
    AiPosition x;
    x.hand("f.vi").rolling();
    AiPosition::travel(x.me(), 600);
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 3);
}

TEST(ChooseCardSafety, HeldSafetyGoesDownOnceTheDrawPileIsExhausted) {
    AiPosition x;
    x.hand("fwv").rolling().exhausted();
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 2); // the first safety held
}

// Whether a held DrivingAce goes down because the opponent could finish with one
// card; otherwise the computer lays its 25.
struct OpponentFinish {
    int left;
    int opponentTwoHundreds;
    std::vector<Card> allSeen;
    bool lays;
};

TEST(ChooseCardSafety, HeldSafetyGoesDownWhenTheOpponentCouldFinishWithOneCard) {
    const std::vector<OpponentFinish> cases{
        {200, 0, {}, true},
        {200, 1, {}, true},
        {200, 0, {Distance200}, false},
        {200, 2, {}, false},
        {125, 0, {}, false},
        {150, 0, {}, false},
        {175, 0, {}, false},
        {100, 0, {}, true},
        {100, 0, {Distance100, Distance200}, false},
        {75, 0, {}, true},
        {75, 1, {Distance75, Distance100}, true},
        {75, 2, {Distance75, Distance100}, false},
        {75, 0, {Distance75, Distance100, Distance200}, false},
        {50, 0, {Distance75, Distance100, Distance200}, true},
        {25, 0, {Distance25, Distance50, Distance75, Distance100, Distance200}, false},
    };
    for (const OpponentFinish& c : cases) {
        AiPosition x;
        x.hand("fv").rolling();
        AiPosition::travel(x.them(), 700 - c.left, c.opponentTwoHundreds);
        for (Card seen : c.allSeen) x.allSeen(seen);
        int expected = c.lays ? x.safetyArea() : x.distance();
        EXPECT_EQ(x.choose(), expected) << c.left << " left, " << c.opponentTwoHundreds << " laid";
        EXPECT_EQ(x.selected(), c.lays ? 2 : 1);
    }
}

TEST(ChooseCardSafety, HeldSafetyGoesBeforeAHazardOrRemedyIsDiscarded) {
    AiPosition x;
    x.hand("pkv").rolling(); // the opponent is not moving: the Stop waits
    EXPECT_EQ(x.choose(), x.safetyArea());
    EXPECT_EQ(x.selected(), 3);
}

TEST(ChooseCardSafety, HeldSafetyStaysWhileADeadCardOrDistanceCanGo) {
    AiPosition dead;
    dead.hand("vp").rolling();
    dead.them().setSafeties(1 << safetyBit(RightOfWay));
    dead.them().setBattle(BattleAccident);
    EXPECT_EQ(dead.choose(), AiPosition::discard);
    EXPECT_EQ(dead.selected(), 2);

    AiPosition stopped;
    stopped.hand("vg");
    stopped.me().setBattle(BattleStop);
    EXPECT_EQ(stopped.choose(), AiPosition::discard);
    EXPECT_EQ(stopped.selected(), 2);
}
