// Starting a hand: the shuffle and who starts. The deal and the clean start of a new
// hand are pinned by the replay dumps (tests/replay/rules-new-hand.script).
#include "game/deal.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

std::string deckOf(const Game& g) {
    return std::string(g.deck.begin(), g.deck.end());
}

} // namespace

// Each shuffle starts from the order the last one left. Seed 1 draws 32767 once, the
// one draw that reaches the deck's last card.
TEST(Deal, TheShuffleFollowsTheGeneratorFromTheOrderTheLastOneLeft) {
    RulePosition pos;
    pos.host.ticks = 1;
    shuffleDeck(pos.g);
    EXPECT_EQ(deckOf(pos.g),
              "nrhhlstkxkliqfkpkkghhmfgknihjgknflwtoinfjkglnhkhmgvifkogiffhmgorhiifjl"
              "iisfmptpmokiioimjqukfnlhggpkgko");
    pos.host.ticks = 777;
    shuffleDeck(pos.g);
    EXPECT_EQ(deckOf(pos.g), "hjmpilkqnhifoioikjgsptftglihlrmiigmfkjngggngkkhgmvkigkkwuhfkfffxfolip"
                             "knhhnllmhrkiihgpifstoqjnkhkfokmo");
}

// The position a draw picks is the draw scaled by the double nearest 100/32767, rounded
// down, on every draw the generator can make.
TEST(Deal, EachDrawPicksThePositionTheScaledDrawRoundsDownTo) {
    int wrong = 0;
    for (int draw = 0; draw <= 32767; ++draw)
        wrong += shuffledPosition(draw) != std::size_t(draw * (100.0 / 32767.0));
    EXPECT_EQ(wrong, 0);
}

TEST(Deal, TheStarterAlternatesFromHandToHandAndFromGameToGame) {
    RulePosition pos;
    std::string starters;
    for (GameScores scores :
         {GameScores::Reset, GameScores::Kept, GameScores::Reset, GameScores::Reset}) {
        startHand(pos.g, 2, scores);
        starters += char('0' + pos.g.currentPlayer);
    }
    EXPECT_EQ(starters, "0101");
}

// Where the cards are, after a deal and after faults a damaged game could hold.
TEST(Deal, EveryCardIsInOnePlaceAndEachFaultIsNamed) {
    const auto playedOut = [](Game& g) { // nothing left to draw, the hands empty
        g.round.deckPos = DeckSize;
        for (PlayerRecord& p : g.players) p.hand.fill(EmptySlot);
    };
    struct Row {
        std::function<void(Game&)> fault;
        const char* said;
    };
    const Row rows[] = {
        {[](Game&) {}, ""},
        {[](Game& g) { g.deck[3] = 0; }, "the deck holds 0"},
        {[](Game& g) { g.players[1].hand[2] = 200; }, "a hand holds 200"},
        {[](Game& g) {
             *std::ranges::find_if(g.deck, [](Card c) { return c != Distance25; }) = Distance25;
         },
         "the deck has 11 of f"},
        {[&](Game& g) {
             playedOut(g);
             g.players[0].distancePlayed[0] = 10;
         },
         ""},
        {[&](Game& g) {
             playedOut(g);
             g.players[0].distancePlayed[0] = 6;
             g.players[1].distancePlayed[0] = 5;
         },
         "11 of f in play"},
        {[&](Game& g) {
             playedOut(g);
             g.players[0].setSafeties(1);
             g.players[1].setSafeties(1);
         },
         "2 of u in play"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        RulePosition pos;
        pos.host.ticks = 5;
        startHand(pos.g, 2, GameScores::Reset);
        rows[i].fault(pos.g);
        EXPECT_EQ(misplacedCards(pos.g), rows[i].said) << "row " << i;
    }
}
