// Laying a safety: protection, the cure of the hazard on top, and the coup fourre.
#include "support/rules_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

struct HazardAndSafety {
    char hazard;
    char safety;
};
constexpr HazardAndSafety Pairs[] = {{'p', 'u'}, {'q', 'v'}, {'r', 'w'}, {'s', 'x'}};

// Player 0 lays the hazard on rolling player 1, who holds the matching safety.
void hazardLaid(RulePosition& pos, HazardAndSafety pair, std::string_view moreCards = "") {
    pos.rolling(0).rolling(1);
    pos.hand(0, std::string(1, pair.hazard) + std::string(moreCards)).hand(1, {&pair.safety, 1});
    ASSERT_EQ(pos.play(1), TurnPasses);
}

} // namespace

TEST(SafetyMoves, TheMatchingSafetyRightAfterTheHazardIsACoupFourre) {
    for (HazardAndSafety pair : Pairs) {
        RulePosition pos;
        hazardLaid(pos, pair);
        pos.current(1);
        EXPECT_EQ(pos.play(1), TurnStays);
        const PlayerRecord& p = pos.player(1);
        const int bit = safetyBit(pair.safety);
        EXPECT_EQ(p.coupFourre(), 1 << bit) << pair.safety;
        EXPECT_EQ(p.safeties(), 1 << bit);
        EXPECT_EQ(p.handScore, 400);
        EXPECT_EQ(p.battle(), BattleGo); // rolling again, whatever the hazard was
        EXPECT_EQ(p.slot(1), EmptySlot);
        EXPECT_EQ(p.drawSlot(), 1);
    }
}

TEST(SafetyMoves, TheSafetyAfterTheAuthorsNextCardCuresWithoutBonus) {
    for (HazardAndSafety pair : Pairs) {
        RulePosition pos;
        hazardLaid(pos, pair, "f");
        pos.drawPending(0, 0).discard(2); // the author moves on: his hazard is no longer pending
        EXPECT_EQ(pos.player(0).lastHazard(), 0);
        pos.current(1);
        EXPECT_EQ(pos.play(1), TurnStays);
        const PlayerRecord& p = pos.player(1);
        EXPECT_EQ(p.coupFourre(), 0);
        EXPECT_EQ(p.handScore, 100);
        // The hazard turns into its remedy: Stop into rolling, the others need a Go.
        EXPECT_EQ(p.battle(), battleOf(pair.hazard) - 5) << pair.hazard;
    }
}

TEST(SafetyMoves, AfterACuredAccidentTheDriverStillNeedsGo) {
    RulePosition pos;
    hazardLaid(pos, {'q', 'v'}, "f");
    pos.drawPending(0, 0).discard(2);
    pos.current(1);
    pos.play(1);
    EXPECT_FALSE(isMoving(pos.g, 1));
    EXPECT_EQ(checkRemedy(pos.g, Go), Legal);
    EXPECT_EQ(checkDistance(pos.g, Distance25), 1215);
}

TEST(SafetyMoves, RightOfWayRightAfterASpeedLimitIsACoupFourre) {
    RulePosition pos;
    pos.hand(0, "t").hand(1, "u");
    pos.play(1);
    pos.current(1);
    EXPECT_EQ(pos.play(1), TurnStays);
    const PlayerRecord& p = pos.player(1);
    EXPECT_EQ(p.coupFourre(), 1);
    EXPECT_EQ(p.speed(), SpeedEnded);
    EXPECT_EQ(p.handScore, 400);
    EXPECT_EQ(p.battle(), 0);
}

TEST(SafetyMoves, RightOfWayUnderAnEarlierStopAndALaterLimitScoresOnlyTheLimit) {
    RulePosition pos;
    pos.battle(1, BattleStop).speed(1, SpeedLimited).lastHazard(0, LastHazardSpeedLimit);
    pos.hand(1, "u").current(1);
    pos.play(1);
    const PlayerRecord& p = pos.player(1);
    EXPECT_EQ(p.battle(), BattleGo);
    EXPECT_EQ(p.speed(), SpeedEnded);
    EXPECT_EQ(p.coupFourre(), 1);
    EXPECT_EQ(p.handScore, 400);
}

TEST(SafetyMoves, RightOfWayAfterTheLimitWasNotTheLastCardEndsItWithoutBonus) {
    RulePosition pos;
    pos.speed(1, SpeedLimited).hand(1, "u").current(1);
    pos.play(1);
    EXPECT_EQ(pos.player(1).speed(), SpeedEnded);
    EXPECT_EQ(pos.player(1).coupFourre(), 0);
    EXPECT_EQ(pos.player(1).handScore, 100);
}

TEST(SafetyMoves, ASafetyThatMatchesNothingOnlyProtects) {
    RulePosition pos;
    pos.rolling(0).speed(0, SpeedEnded).hand(0, "w").lastHazard(1, 2);
    const std::uint32_t before = pos.player(0).status;
    EXPECT_EQ(pos.play(1), TurnStays);
    const PlayerRecord& p = pos.player(0);
    EXPECT_EQ(p.handScore, 100);
    EXPECT_EQ(p.safeties(), 1 << safetyBit(ExtraTank));
    EXPECT_EQ(p.battle(), BattleGo);
    EXPECT_EQ(p.speed(), SpeedEnded);
    EXPECT_EQ(p.coupFourre(), 0);
    // Apart from the safety bit, only the slot bookkeeping of the played card changed.
    EXPECT_EQ(p.status & ~0xFF00Fu, before & ~0xFF00Fu);
}

TEST(SafetyMoves, ASafetyLeavesTheOpponentsPendingHazardForASecondCoupFourre) {
    RulePosition pos;
    pos.battle(1, BattleStop).speed(1, SpeedLimited).lastHazard(0, LastHazardSpeedLimit);
    pos.hand(1, "wu").current(1);
    pos.play(1); // ExtraTank answers nothing
    EXPECT_EQ(pos.player(0).lastHazard(), LastHazardSpeedLimit);
    pos.play(2);
    EXPECT_EQ(pos.player(1).coupFourre(), 1);
    EXPECT_EQ(pos.player(1).handScore, 500);
}

TEST(SafetyMoves, ASafetyMayBeLaidBeforeTheTurnsCardIsDrawn) {
    RulePosition pos;
    pos.hand(0, "x.").drawPending(0, 2);
    EXPECT_EQ(pos.play(1), TurnStays);
    EXPECT_EQ(pos.player(0).safeties(), 1 << safetyBit(PunctureProof));
    EXPECT_EQ(pos.g.round.deckPos, 40);
}

TEST(SafetyMoves, ASafetyPlaysItsSoundAndIsSeenOnlyWhenAHumanLaysIt) {
    RulePosition pos(1);
    pos.option(flag::playSounds, 1).hand(0, "u").hand(1, "v");
    pos.play(1);
    EXPECT_EQ(pos.host.sounds, std::vector<std::string>{"WVS"});
    EXPECT_EQ(pos.seen(RightOfWay), 1);
    pos.current(1).play(1);
    EXPECT_EQ(pos.seen(DrivingAce), 0);
    EXPECT_EQ(pos.host.sounds.size(), 2u);
}

TEST(SafetyMoves, ASafetyIsSilentWithSoundsOff) {
    RulePosition pos;
    pos.hand(0, "u");
    pos.play(1);
    EXPECT_TRUE(pos.host.sounds.empty());
}
