// Starting a hand: the shuffle, the deal, sorting and drawing.
#include "game/deal.h"
#include "support/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

const std::string InitialOrder =
    "ffffffffffgggggggggghhhhhhhhhhiiiiiiiiiiiijjjjvwxuqqrrssppppllllllmm"
    "mmmmnnnnnnkkkkkkkkkkkkkktttoooooo";

// The shuffle worked out independently: the runtime's generator, 923 exchanges of
// two indices each scaled by 100/32767 and truncated.
std::string referenceShuffle(std::string deck, std::uint32_t seed) {
    std::uint32_t state = seed;
    auto next = [&state] {
        state = state * 214013u + 2531011u;
        return int((state >> 16) & 0x7FFF);
    };
    for (int n = 0; n < 923; ++n) {
        const int r1 = next();
        const int r2 = next();
        std::swap(deck[std::size_t(r1 * (100 / 32767.0))], deck[std::size_t(r2 * (100 / 32767.0))]);
    }
    return deck;
}

// Whether the first 1846 draws from a seed include 32767, the one draw giving index 100.
bool reachesLastIndex(std::uint32_t seed) {
    std::uint32_t state = seed;
    for (int n = 0; n < 2 * 923; ++n) {
        state = state * 214013u + 2531011u;
        if (((state >> 16) & 0x7FFF) == 32767) return true;
    }
    return false;
}

std::string deckOf(const Game& g) {
    return std::string(g.deck.begin(), g.deck.end());
}

} // namespace

TEST(Deal, TickCountTwelveThreeFourFiveDealsTheseHands) {
    Position pos(2);
    pos.host.ticks = 12345;
    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(deckOf(pos.g),
              "fjhlhiomgfsltqgrhiskpmfkgoupjikpoimfklhwnfrglvmmgmkxfjinpkoikitigfnkhf"
              "nlnfkhfhhkoiktkiggnjihggqlhkkio");
    // Player 0 gets the even cards, player 1 the odd ones; both hands are sorted.
    EXPECT_EQ(handLetters(pos.player(0)), "fghhost");
    EXPECT_EQ(handLetters(pos.player(1)), "fijllmq");
    EXPECT_EQ(pos.g.round.deckPos, 14);
}

TEST(Deal, TheComputersDealtHandStaysInDealingOrderAndIsAllSeen) {
    Position pos(1);
    pos.host.ticks = 12345;
    startHand(pos.g, 1, GameScores::Reset);
    EXPECT_EQ(handLetters(pos.player(0)), "fghhost");
    EXPECT_EQ(handLetters(pos.player(1)), "jlimflq");
    for (Card c = FirstCard; c <= LastCard; ++c) {
        const auto expected = std::count(pos.player(1).hand.begin(), pos.player(1).hand.end(), c);
        EXPECT_EQ(pos.seen(c), expected) << char(c);
    }
}

TEST(Deal, ShuffleMatchesTheGeneratorForManySeeds) {
    int seedsReachingIndex100 = 0;
    for (std::uint32_t seed : {0u, 1u, 5u, 12345u, 65535u, 0x7FFFFFFFu, 0xFFFFFFFFu, 4000000000u}) {
        Position pos;
        pos.host.ticks = seed;
        shuffleDeck(pos.g);
        EXPECT_EQ(deckOf(pos.g), referenceShuffle(InitialOrder, seed)) << "seed " << seed;
        seedsReachingIndex100 += reachesLastIndex(seed);
    }
    EXPECT_GT(seedsReachingIndex100, 0); // the last card of the deck takes part too
}

TEST(Deal, ShuffleOnlyExchangesCardsWithinTheDeck) {
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        Position pos;
        pos.host.ticks = seed * 7919u;
        shuffleDeck(pos.g);
        std::string sorted = deckOf(pos.g);
        std::sort(sorted.begin(), sorted.end());
        std::string initial = InitialOrder;
        std::sort(initial.begin(), initial.end());
        ASSERT_EQ(sorted, initial) << "seed " << seed * 7919u;
    }
}

TEST(Deal, EachShuffleStartsFromTheOrderTheLastOneLeft) {
    Position pos;
    pos.host.ticks = 12345;
    shuffleDeck(pos.g);
    pos.host.ticks = 777;
    shuffleDeck(pos.g);
    EXPECT_EQ(deckOf(pos.g),
              "phhhlgftpipfkntxkgkihfffkflvgjkfkmmwkjhqirllmopikkflsjmmnhfioqogktsuri"
              "fmlohiikigingnhkknokgnhggjiihgo");
}

TEST(Deal, ANewHandStartsClean) {
    Position pos(2);
    pos.option(flag::handOver, 1).option(flag::gameOver, 1).option(flag::turnHandover, 1);
    pos.g.round.discardTop = Stop;
    pos.g.round.seenCount.fill(1);
    pos.race(1000).rolling(0).miles(0, 500).scores(0, 800, 2000).scores(1, 100, 900);
    startHand(pos.g, 2, GameScores::Kept);
    const RoundRecord& r = pos.g.round;
    EXPECT_FALSE(r.has(flag::handOver));
    EXPECT_FALSE(r.has(flag::gameOver));
    EXPECT_FALSE(r.has(flag::turnHandover));
    EXPECT_EQ(r.discardTop, 0);
    EXPECT_EQ(r.raceLength, 700);
    EXPECT_EQ(r.seenCount, (std::array<std::uint8_t, CardKinds>{}));
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(pos.player(p).miles, 0);
        EXPECT_EQ(pos.player(p).handScore, 0);
        EXPECT_EQ(pos.player(p).battle(), 0);
        EXPECT_EQ(pos.player(p).drawSlot(), 0);
        EXPECT_EQ(std::count(pos.player(p).hand.begin(), pos.player(p).hand.end(), EmptySlot), 0);
    }
    EXPECT_EQ(pos.player(0).gameScore, 2000); // the same game goes on
    EXPECT_EQ(pos.player(1).gameScore, 900);
    EXPECT_EQ(r.deckPos, 14);

    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(pos.player(0).gameScore, 0);
    EXPECT_EQ(pos.player(1).gameScore, 0);
}

TEST(Deal, TheDealKeepsTheSortAndAnimationOptions) {
    for (int sortOn : {0, 1})
        for (int animateOn : {0, 1}) {
            Position pos(2);
            pos.option(flag::sortHand, sortOn).option(flag::animate, animateOn);
            startHand(pos.g, 2, GameScores::Reset);
            EXPECT_EQ(pos.g.round.get(flag::sortHand), sortOn);
            EXPECT_EQ(pos.g.round.get(flag::animate), animateOn);
        }
}

TEST(Deal, TheStarterAlternatesFromHandToHandAndFromGameToGame) {
    Position pos(2);
    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(pos.g.currentPlayer, 0);
    startHand(pos.g, 2, GameScores::Kept);
    EXPECT_EQ(pos.g.currentPlayer, 1);
    startHand(pos.g, 2, GameScores::Reset); // a new game does not reset it
    EXPECT_EQ(pos.g.currentPlayer, 0);
    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(pos.g.currentPlayer, 1);
}

TEST(Deal, BothPlayersPlayTheirFirstTurnWithoutDrawing) {
    Position pos(2);
    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(pos.player(0).drawSlot(), 0);
    EXPECT_EQ(pos.player(1).drawSlot(), 0);
    pos.tapDeck(); // arm the discard
    pos.tapSlot(1);
    EXPECT_EQ(pos.g.currentPlayer, 1);
    pos.tapStatusLine(); // player 2 takes the device: his hand is full, nothing drawn
    EXPECT_EQ(pos.g.round.deckPos, 14);
    pos.tapDeck();
    pos.tapSlot(1);
    EXPECT_EQ(pos.g.round.deckPos, 14);
    pos.tapStatusLine(); // player 1's second turn opens with a draw
    EXPECT_EQ(pos.g.round.deckPos, 15);
    EXPECT_EQ(pos.player(0).drawSlot(), 0);
}

TEST(Deal, WithoutSortingADrawnCardStaysInTheVacatedSlot) {
    Position pos(2);
    pos.option(flag::sortHand, 0).hand(0, "fgh.jkl").drawPending(0, 4).next("u");
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(handLetters(pos.player(0)), "fghujkl");
    EXPECT_EQ(pos.player(0).drawSlot(), 0);
}

TEST(Deal, WithSortingADrawnCardIsSortedIntoPlace) {
    Position pos(2);
    pos.option(flag::sortHand, 1).hand(0, "fgh.jkl").drawPending(0, 4).next("g");
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(handLetters(pos.player(0)), "fgghjkl");
    EXPECT_EQ(pos.player(0).drawSlot(), 0);
}

TEST(Deal, AnExhaustedPileDrawsNothingButStillSorts) {
    Position pos(2);
    pos.option(flag::sortHand, 1).hand(0, "k.f.g.h").drawPending(0, 2).exhausted();
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(pos.g.round.deckPos, 101);
    EXPECT_EQ(handLetters(pos.player(0)), "fghk...");
    EXPECT_EQ(pos.player(0).drawSlot(), 7);
}

TEST(Deal, AnExhaustedPileWithoutSortingLeavesTheHandAsItIs) {
    Position pos(2);
    pos.hand(0, "k.f.g.h").drawPending(0, 2).exhausted();
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(handLetters(pos.player(0)), "k.f.g.h");
    EXPECT_EQ(pos.player(0).drawSlot(), 2);
}

TEST(Deal, AMoveAfterThePileRanOutLeavesTheEmptySlotsLast) {
    Position pos(2);
    pos.option(flag::sortHand, 1).hand(0, "fgkh...").exhausted().rolling(0);
    pos.play(2); // the 50
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(handLetters(pos.player(0)), "fhk....");
    EXPECT_EQ(pos.player(0).drawSlot(), 7);
}

TEST(Deal, APlayerWithNoSlotWaitingDrawsNothingAndIsNotSorted) {
    Position pos(2);
    pos.option(flag::sortHand, 1).hand(0, "kjihgfu");
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(pos.g.round.deckPos, 40);
    EXPECT_EQ(handLetters(pos.player(0)), "kjihgfu");
    EXPECT_TRUE(pos.status().empty());
}

TEST(Deal, OnlyTheComputersDrawsAreSeen) {
    Position one(1);
    one.hand(0, "fgh.jkl").drawPending(0, 4).hand(1, "fgh.jkl").drawPending(1, 4).next("uv");
    drawCard(one.g, DrawSlide::Shown);
    EXPECT_EQ(one.seen(RightOfWay), 0); // the human's card
    one.current(1);
    drawCard(one.g, DrawSlide::Shown);
    EXPECT_EQ(one.seen(DrivingAce), 1); // the computer's card

    Position two(2);
    two.hand(0, "fgh.jkl").drawPending(0, 4).hand(1, "fgh.jkl").drawPending(1, 4).next("uv");
    drawCard(two.g, DrawSlide::Shown);
    two.current(1);
    drawCard(two.g, DrawSlide::Shown);
    EXPECT_EQ(two.g.round.seenCount, (std::array<std::uint8_t, CardKinds>{}));
}

TEST(Deal, AHumansDrawAsksForACardToBePlayed) {
    Position pos(1);
    pos.hand(0, "fgh.jkl").drawPending(0, 4);
    drawCard(pos.g, DrawSlide::Shown);
    EXPECT_EQ(pos.status(), "Tap a card to play it");
    Position computer(1);
    computer.current(1).hand(1, "fgh.jkl").drawPending(1, 4);
    drawCard(computer.g, DrawSlide::Shown);
    EXPECT_TRUE(computer.status().empty());
}
