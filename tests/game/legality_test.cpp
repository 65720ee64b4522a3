// Where a card goes and whether it may be laid now, with the reason of a refusal.
#include "support/rules_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The check of a card's kind, for the current player.
int check(const Game& g, Card c) {
    if (isGoOrRemedy(c)) return checkRemedy(g, c);
    if (isHazard(c)) return checkHazard(g, c);
    if (isDistance(c)) return checkDistance(g, c);
    if (c == SpeedLimit) return checkSpeedLimit(g);
    if (c == EndOfLimit) return checkEndOfLimit(g);
    return Legal;
}

} // namespace

TEST(Legality, EachCardGoesToThePileOfItsKind) {
    RulePosition pos;
    for (int p : {0, 1}) {
        pos.current(p);
        EXPECT_EQ(autoTarget(pos.g, Distance200), 14 + p);
        EXPECT_EQ(autoTarget(pos.g, PunctureProof), 8 + p);
        EXPECT_EQ(autoTarget(pos.g, Stop), 11 - p);
        EXPECT_EQ(autoTarget(pos.g, FlatTire), 11 - p);
        EXPECT_EQ(autoTarget(pos.g, Go), 10 + p);
        EXPECT_EQ(autoTarget(pos.g, SpareTire), 10 + p);
        EXPECT_EQ(autoTarget(pos.g, SpeedLimit), 13 - p);
        EXPECT_EQ(autoTarget(pos.g, EndOfLimit), 12 + p);
        EXPECT_EQ(autoTarget(pos.g, EmptySlot), 0);
    }
}

TEST(Legality, AtTheStartOfAHandOnlyGoSafetiesAndSpeedLimitMayBeLaid) {
    RulePosition pos;
    EXPECT_EQ(check(pos.g, Go), Legal);
    EXPECT_EQ(check(pos.g, SpeedLimit), Legal);
    for (Card c : {RightOfWay, DrivingAce, ExtraTank, PunctureProof})
        EXPECT_EQ(check(pos.g, c), Legal);
    for (Card c : {Stop, Accident, OutOfGas, FlatTire}) EXPECT_EQ(check(pos.g, c), 1210);
    for (Card c : {Repairs, Gasoline, SpareTire}) EXPECT_EQ(check(pos.g, c), 1209);
    EXPECT_EQ(check(pos.g, EndOfLimit), 1212);
    for (Card c : {Distance25, Distance50, Distance75, Distance100, Distance200})
        EXPECT_EQ(check(pos.g, c), 1215);
}

TEST(Legality, AnOpponentHoldingRightOfWayCanBeHitAtOnceButNotLimited) {
    RulePosition pos;
    pos.safety(1, RightOfWay);
    EXPECT_EQ(check(pos.g, Accident), Legal);
    EXPECT_EQ(check(pos.g, Stop), 1211);
    EXPECT_EQ(check(pos.g, SpeedLimit), 1214);
}

TEST(Legality, RightOfWayLetsDistanceGoAtOnceAndRefusesGo) {
    RulePosition pos;
    pos.safety(0, RightOfWay);
    EXPECT_EQ(check(pos.g, Distance100), Legal);
    EXPECT_EQ(check(pos.g, Go), 1207);
}

TEST(Legality, GoOverStopIsLegalButNotOverAnotherHazard) {
    RulePosition pos;
    pos.battle(0, BattleStop);
    EXPECT_EQ(check(pos.g, Go), Legal);
    for (int b : {BattleAccident, BattleOutOfGas, BattleFlatTire}) {
        pos.battle(0, b);
        EXPECT_EQ(check(pos.g, Go), 1206);
    }
    for (int b : {2, 3, 4}) { // a remedy on top
        pos.battle(0, b);
        EXPECT_EQ(check(pos.g, Go), Legal);
    }
    pos.rolling(0);
    EXPECT_EQ(check(pos.g, Go), 1207);
}

TEST(Legality, ARemedyFixesOnlyItsOwnHazard) {
    RulePosition pos;
    pos.battle(0, BattleStop);
    EXPECT_EQ(check(pos.g, Repairs), 1208);
    pos.battle(0, BattleAccident);
    EXPECT_EQ(check(pos.g, Repairs), Legal);
    EXPECT_EQ(check(pos.g, Gasoline), 1208);
    EXPECT_EQ(check(pos.g, SpareTire), 1208);
    pos.battle(0, BattleOutOfGas);
    EXPECT_EQ(check(pos.g, Gasoline), Legal);
    pos.battle(0, BattleFlatTire);
    EXPECT_EQ(check(pos.g, SpareTire), Legal);
    pos.rolling(0);
    EXPECT_EQ(check(pos.g, Repairs), 1209);
}

TEST(Legality, ANonRemedyGivenToTheRemedyCheckIsRefusedWithoutText) {
    RulePosition pos;
    EXPECT_EQ(checkRemedy(pos.g, Distance25), 0);
    EXPECT_EQ(checkRemedy(pos.g, EndOfLimit), 0);
}

TEST(Legality, AHazardNeedsAMovingUnprotectedOpponent) {
    RulePosition pos;
    pos.battle(1, battleOf(Repairs));
    EXPECT_EQ(check(pos.g, Stop), 1210);
    pos.rolling(1).safety(1, RightOfWay);
    EXPECT_EQ(check(pos.g, Stop), 1211);
    EXPECT_EQ(check(pos.g, Accident), Legal);
    pos.safety(1, DrivingAce).safety(1, ExtraTank).safety(1, PunctureProof);
    for (Card c : {Accident, OutOfGas, FlatTire}) EXPECT_EQ(check(pos.g, c), 1211);
    RulePosition stopped;
    stopped.battle(1, BattleStop).safety(1, RightOfWay);
    EXPECT_EQ(check(stopped.g, Accident), 1210); // a hazard on top stops even RightOfWay
}

TEST(Legality, ASpeedLimitNeedsNoMovingOpponentButOnlyOneAtATime) {
    RulePosition pos;
    pos.battle(1, BattleStop);
    EXPECT_EQ(check(pos.g, SpeedLimit), Legal);
    pos.speed(1, SpeedLimited);
    EXPECT_EQ(check(pos.g, SpeedLimit), 1213);
    pos.speed(1, SpeedEnded);
    EXPECT_EQ(check(pos.g, SpeedLimit), Legal);
    pos.speed(1, SpeedLimited).safety(1, RightOfWay);
    EXPECT_EQ(check(pos.g, SpeedLimit), 1213); // already limited is tested first
}

TEST(Legality, EndOfLimitOnlyEndsALimit) {
    RulePosition pos;
    pos.speed(0, SpeedLimited);
    EXPECT_EQ(check(pos.g, EndOfLimit), Legal);
    pos.speed(0, SpeedEnded);
    EXPECT_EQ(check(pos.g, EndOfLimit), 1212);
}

TEST(Legality, AThirdTwoHundredIsRefusedEvenWhenItWouldFit) {
    RulePosition pos;
    pos.rolling(0).miles(0, 400, 2);
    EXPECT_EQ(check(pos.g, Distance200), 1216);
    EXPECT_EQ(check(pos.g, Distance100), Legal);
}

TEST(Legality, UnderASpeedLimitOnlyTwentyFiveAndFiftyMayBeLaid) {
    RulePosition pos;
    pos.rolling(0).speed(0, SpeedLimited);
    EXPECT_EQ(check(pos.g, Distance25), Legal);
    EXPECT_EQ(check(pos.g, Distance50), Legal);
    EXPECT_EQ(check(pos.g, Distance75), 1217);
    EXPECT_EQ(check(pos.g, Distance100), 1217);
    EXPECT_EQ(check(pos.g, Distance200), 1217);
}

TEST(Legality, TheSpeedLimitIsReportedBeforeTheRaceLength) {
    RulePosition pos;
    pos.rolling(0).speed(0, SpeedLimited).miles(0, 650);
    EXPECT_EQ(check(pos.g, Distance75), 1217);
}

TEST(Legality, TheTwoHundredRuleIsReportedBeforeTheSpeedLimit) {
    RulePosition pos;
    pos.rolling(0).speed(0, SpeedLimited).miles(0, 400, 2);
    EXPECT_EQ(check(pos.g, Distance200), 1216);
}

TEST(Legality, TheRaceMustBeFinishedExactly) {
    RulePosition pos;
    pos.rolling(0).miles(0, 650);
    EXPECT_EQ(check(pos.g, Distance50), Legal);
    EXPECT_EQ(check(pos.g, Distance25), Legal);
    EXPECT_EQ(check(pos.g, Distance75), 1218);
    pos.race(1000);
    EXPECT_EQ(check(pos.g, Distance75), Legal);
    pos.miles(0, 950);
    EXPECT_EQ(check(pos.g, Distance100), 1218);
}

TEST(Legality, AnEmptySlotAndASafetyAreAlwaysPlayable) {
    RulePosition pos;
    pos.hand(0, ".ufpl");
    EXPECT_TRUE(isSlotPlayable(pos.g, 1));
    EXPECT_TRUE(isSlotPlayable(pos.g, 2));
    EXPECT_FALSE(isSlotPlayable(pos.g, 3)); // not moving
    EXPECT_FALSE(isSlotPlayable(pos.g, 4)); // opponent not moving
    EXPECT_FALSE(isSlotPlayable(pos.g, 5)); // no hazard to fix
    pos.rolling(0).rolling(1);
    EXPECT_TRUE(isSlotPlayable(pos.g, 3));
    EXPECT_TRUE(isSlotPlayable(pos.g, 4));
}

TEST(Legality, SlotPlayabilityFollowsEachKindsCheck) {
    RulePosition pos;
    pos.hand(0, "kotp");
    EXPECT_TRUE(isSlotPlayable(pos.g, 1));  // Go
    EXPECT_FALSE(isSlotPlayable(pos.g, 2)); // EndOfLimit, no limit
    EXPECT_TRUE(isSlotPlayable(pos.g, 3));  // SpeedLimit
    pos.speed(0, SpeedLimited).speed(1, SpeedLimited);
    EXPECT_TRUE(isSlotPlayable(pos.g, 2));
    EXPECT_FALSE(isSlotPlayable(pos.g, 3));
}
