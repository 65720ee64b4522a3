// The small state operations every rule relies on.
#include "game/deal.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(GameState, OnlyPositionOneHundredAndOneMeansTheDrawPileIsExhausted) {
    RulePosition pos;
    pos.hand(0, "fgh.ijk").drawPending(0, 4).deckPos(100).next("u");
    EXPECT_FALSE(pos.g.deckExhausted());
    drawCard(pos.g, DrawSlide::Hidden);
    EXPECT_EQ(pos.player(0).slot(4), RightOfWay); // the last card is still drawn
    EXPECT_EQ(pos.g.round.deckPos, 101);
    EXPECT_TRUE(pos.g.deckExhausted());
}

TEST(GameState, RemovePlayedCardClearsAPendingHazardWhateverIsLaid) {
    RulePosition pos;
    pos.hand(0, "fgh").lastHazard(0, 2);
    pos.player(0).setMarkedSlot(2);
    pos.select(2);
    removePlayedCard(pos.g);
    const PlayerRecord& p = pos.player(0);
    EXPECT_EQ(p.lastHazard(), 0);
    EXPECT_EQ(p.slot(2), EmptySlot);
    EXPECT_EQ(p.drawSlot(), 2);
    EXPECT_EQ(p.selectedSlot(), 0);
    EXPECT_EQ(p.markedSlot(), 0);
    EXPECT_EQ(p.slot(1), Distance25);
    EXPECT_EQ(p.slot(3), Distance75);
}

TEST(GameState, RemovePlayedCardLeavesTheOtherStatusFieldsAlone) {
    RulePosition pos;
    pos.hand(0, "fgh").rolling(0).speed(0, SpeedLimited).safety(0, DrivingAce).lastHazard(0, 5);
    pos.player(0).setDelayedAction(true);
    pos.select(1);
    removePlayedCard(pos.g);
    const PlayerRecord& p = pos.player(0);
    EXPECT_EQ(p.battle(), BattleGo);
    EXPECT_EQ(p.speed(), SpeedLimited);
    EXPECT_EQ(p.safeties(), 1 << safetyBit(DrivingAce));
    EXPECT_TRUE(p.delayedAction());
}

TEST(GameState, ResetPlayersKeepsGameScoresOnlyWhenAsked) {
    for (bool keep : {true, false}) {
        RulePosition pos;
        pos.hand(0, "fghijkl").hand(1, "mnopqrs").rolling(0).miles(0, 300).scores(0, 400, 1200);
        pos.scores(1, 50, 3000);
        pos.player(0).gamesWon1P = 3;
        pos.player(1).gamesWon2P = 4;
        resetPlayers(pos.g, keep ? GameScores::Kept : GameScores::Reset);
        for (int p = 0; p < 2; ++p) {
            EXPECT_EQ(pos.player(p).status, 0u);
            EXPECT_EQ(pos.player(p).miles, 0);
            EXPECT_EQ(pos.player(p).handScore, 0);
            EXPECT_EQ(pos.player(p).distancePlayed, (std::array<std::uint8_t, 5>{}));
        }
        EXPECT_EQ(pos.player(0).gameScore, keep ? 1200 : 0);
        EXPECT_EQ(pos.player(1).gameScore, keep ? 3000 : 0);
        EXPECT_EQ(pos.player(0).gamesWon1P, 3);
        EXPECT_EQ(pos.player(1).gamesWon2P, 4);
        EXPECT_EQ(pos.player(0).slot(1), Distance25);
        EXPECT_EQ(pos.player(1).slot(7), FlatTire);
    }
}

TEST(GameState, RightOfWayCountsAsMovingUnlessAHazardIsOnTop) {
    RulePosition pos;
    pos.safety(0, RightOfWay);
    EXPECT_TRUE(isMoving(pos.g, 0)); // nothing laid yet
    pos.battle(0, battleOf(Repairs));
    EXPECT_TRUE(isMoving(pos.g, 0));
    pos.battle(0, BattleAccident);
    EXPECT_FALSE(isMoving(pos.g, 0));
    pos.battle(0, BattleStop);
    EXPECT_FALSE(isMoving(pos.g, 0));
}

TEST(GameState, WithoutRightOfWayOnlyGoIsMoving) {
    RulePosition pos;
    for (int b : {0, 2, 3, 4, 6, 7, 8, 9}) {
        pos.battle(0, b);
        EXPECT_FALSE(isMoving(pos.g, 0)) << "battle " << b;
    }
    pos.rolling(0);
    EXPECT_TRUE(isMoving(pos.g, 0));
}

TEST(GameState, OnlyPlayerOneOfAOnePlayerGameIsTheComputer) {
    RulePosition one(1);
    EXPECT_FALSE(isComputerTurn(one.g));
    one.current(1);
    EXPECT_TRUE(isComputerTurn(one.g));
    RulePosition two(2);
    two.current(1);
    EXPECT_FALSE(isComputerTurn(two.g));
}

TEST(GameState, NoteSeenCountsOneCardOfItsCode) {
    RulePosition pos;
    noteSeen(pos.g, Go);
    noteSeen(pos.g, Go);
    noteSeen(pos.g, PunctureProof);
    EXPECT_EQ(pos.seen(Go), 2);
    EXPECT_EQ(pos.seen(PunctureProof), 1);
    EXPECT_EQ(pos.seen(Distance25), 0);
}
