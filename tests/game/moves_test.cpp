// Carrying out remedies, hazards, speed cards and discards, and refusing moves.
#include "support/position.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

TEST(Moves, GoAndTheRemediesSetTheOwnBattlePile) {
    struct Case {
        Card card;
        int before;
        int after;
    };
    for (Case c : {Case{Go, 0, 1}, Case{Go, BattleStop, 1}, Case{Repairs, BattleAccident, 2},
                   Case{Gasoline, BattleOutOfGas, 3}, Case{SpareTire, BattleFlatTire, 4}}) {
        Position pos;
        pos.option(flag::playSounds, 1).battle(0, c.before).hand(0, letter(c.card));
        EXPECT_EQ(pos.play(1), TurnPasses);
        EXPECT_EQ(pos.player(0).battle(), c.after) << char(c.card);
        EXPECT_EQ(pos.player(0).slot(1), EmptySlot);
        EXPECT_EQ(pos.host.sounds, std::vector<std::string>{"WVR"});
        EXPECT_EQ(pos.seen(c.card), 1);
    }
}

TEST(Moves, AHazardStopsTheOpponentAndStaysPendingUntilTheAuthorsNextCard) {
    for (Card c : {Stop, Accident, OutOfGas, FlatTire}) {
        Position pos;
        pos.option(flag::playSounds, 1).rolling(1).hand(0, letter(c));
        pos.lastHazard(0, 5); // an older pending hazard is replaced
        EXPECT_EQ(pos.play(1), TurnPasses);
        EXPECT_EQ(pos.player(1).battle(), battleOf(c));
        EXPECT_EQ(pos.player(0).lastHazard(), c - 111);
        EXPECT_EQ(pos.host.sounds, std::vector<std::string>{"WVH"});
    }
}

TEST(Moves, SpeedLimitAndEndOfLimitWorkTheSpeedPiles) {
    Position pos;
    pos.option(flag::playSounds, 1).hand(0, "t").hand(1, "o");
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.player(1).speed(), SpeedLimited);
    EXPECT_EQ(pos.player(0).lastHazard(), LastHazardSpeedLimit);
    pos.current(1);
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.player(1).speed(), SpeedEnded);
    EXPECT_EQ(pos.host.sounds, (std::vector<std::string>{"WVH", "WVR"}));
}

TEST(Moves, ADiscardIsSilentPassesTheTurnAndShowsOnTheDiscardPile) {
    Position pos;
    pos.option(flag::playSounds, 1).hand(0, "fk").lastHazard(0, 1);
    EXPECT_EQ(pos.discard(2), TurnPasses);
    EXPECT_EQ(pos.g.round.discardTop, Go);
    EXPECT_TRUE(pos.host.sounds.empty());
    EXPECT_EQ(pos.player(0).slot(2), EmptySlot);
    EXPECT_EQ(pos.player(0).drawSlot(), 2);
    EXPECT_EQ(pos.player(0).lastHazard(), 0);
}

TEST(Moves, TheDrawPileTargetDiscardsTheSelectedCardToo) {
    Position pos;
    pos.hand(0, "fk");
    EXPECT_EQ(pos.playOn(1, target::DrawPile), TurnPasses);
    EXPECT_EQ(pos.g.round.discardTop, Distance25);
}

TEST(Moves, OnlyAHumansDiscardIsSeen) {
    Position pos(1);
    pos.hand(0, "k").hand(1, "p");
    pos.discard(1);
    EXPECT_EQ(pos.seen(Go), 1);
    pos.current(1).discard(1);
    EXPECT_EQ(pos.seen(Stop), 0);
    EXPECT_EQ(pos.g.round.discardTop, Stop);
}

TEST(Moves, InATwoPlayerGameEveryLaidCardIsSeen) {
    Position pos(2);
    pos.rolling(0).hand(0, "f").hand(1, "p");
    pos.play(1);
    pos.current(1).play(1);
    EXPECT_EQ(pos.seen(Distance25), 1);
    EXPECT_EQ(pos.seen(Stop), 1);
}

TEST(Moves, BeforeTheTurnsCardIsDrawnOnlyASafetyCanBeLaid) {
    Position pos;
    pos.rolling(0).rolling(1).speed(0, SpeedLimited).hand(0, "fkpot.").drawPending(0, 6);
    const Records before = pos.records();
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(pos.play(slot), TurnStays);
    EXPECT_EQ(pos.playOn(1, target::DrawPile), TurnStays);
    EXPECT_EQ(pos.playOn(1, target::DiscardPile), TurnStays);
    pos.select(0);
    EXPECT_EQ(pos.records(), before);
    EXPECT_FALSE(pos.host.undoEnabled);
}

TEST(Moves, OnceThePileIsExhaustedAWaitingSlotNoLongerBlocksAMove) {
    Position pos;
    pos.rolling(0).hand(0, "f.").drawPending(0, 2).exhausted();
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.player(0).miles, 25);
}

TEST(Moves, TargetsThatAreNoPileDoNothing) {
    Position pos;
    pos.rolling(0).hand(0, "f");
    for (int t : {target::Nothing, target::ScorePanel, target::Board, target::StatusLine}) {
        const Records before = pos.records();
        EXPECT_EQ(pos.playOn(1, t), TurnStays);
        pos.select(0);
        EXPECT_EQ(pos.records(), before);
    }
}

TEST(Moves, ARefusedMoveChangesNothingButTheMessageAndTheMark) {
    Position pos;
    pos.option(flag::playSounds, 1).hand(0, "l");
    const Records before = pos.records();
    EXPECT_EQ(pos.play(1), TurnStays);
    EXPECT_EQ(pos.status(), "Play remedy only when under hazard");
    EXPECT_TRUE(pos.host.sounds.empty());
    EXPECT_FALSE(pos.host.undoEnabled);
    EXPECT_EQ(pos.player(0).selectedSlot(), 1);
    EXPECT_EQ(pos.player(0).markedSlot(), 1);
    EXPECT_EQ(pos.player(0).slot(1), Repairs);
    Records after = pos.records();
    after.players[0].setSelectedSlot(0);
    after.players[0].setMarkedSlot(0);
    EXPECT_EQ(after, before);
}

TEST(Moves, EachRefusalShowsItsMessage) {
    struct Case {
        char card;
        int id;
    };
    for (Case c :
         {Case{'k', 1207}, Case{'p', 1210}, Case{'o', 1212}, Case{'n', 1209}, Case{'f', 1215}}) {
        Position pos;
        pos.hand(0, {&c.card, 1});
        if (c.card == 'k') pos.rolling(0);
        pos.play(1);
        EXPECT_EQ(pos.status(), textOf(c.id)) << c.card;
    }
}

TEST(Moves, TheRaceLengthRefusalCarriesTheRaceLength) {
    Position pos;
    pos.rolling(0).miles(0, 650).hand(0, "h");
    pos.play(1);
    EXPECT_EQ(pos.status(), "That would exceed the 700 mile race");
    Position extended;
    extended.race(1000).rolling(0).miles(0, 950).hand(0, "i");
    extended.play(1);
    EXPECT_EQ(extended.status(), "That would exceed the 1000 mile race");
}

TEST(Moves, ARefusedDistanceIsDiscardedAtOnceWhenOneTapDiscards) {
    Position pos;
    pos.modes(0, 2).hand(0, "f");
    EXPECT_EQ(pos.play(1), TurnPasses);
    EXPECT_EQ(pos.g.round.discardTop, Distance25);
    EXPECT_EQ(pos.player(0).slot(1), EmptySlot);
    EXPECT_EQ(pos.status(), "Cannot play mileage when not moving");
    EXPECT_TRUE(pos.host.undoEnabled); // the discard is a move
}

TEST(Moves, AnAcceptedHumanMoveTakesTheUndoSnapshotOfTheStateBeforeIt) {
    Position pos;
    pos.rolling(0).hand(0, "i").scores(0, 200).miles(0, 200);
    const Records before = pos.records();
    pos.play(1);
    EXPECT_TRUE(pos.host.undoEnabled);
    EXPECT_EQ(pos.g.undo.round, before.round);
    EXPECT_EQ(pos.g.undo.players, before.players);
    EXPECT_EQ(pos.g.undo.currentPlayer, 0);
}

TEST(Moves, TheComputersMovesTakeNoSnapshot) {
    Position pos(1);
    pos.current(1).rolling(1).hand(1, "i");
    pos.play(1);
    EXPECT_FALSE(pos.host.undoEnabled);
    EXPECT_EQ(pos.host.undoEnabledCalls, 0);
}
