// Starting a hand: the shuffle, the deal and who starts.
#include "game/deal.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(Deal, TheShuffleOnlyExchangesCardsWithinTheDeck) {
    std::string initial = InitialDeckOrder;
    std::sort(initial.begin(), initial.end());
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        RulePosition pos;
        pos.host.ticks = seed * 7919u;
        shuffleDeck(pos.g);
        std::string sorted = deckOf(pos.g);
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, initial) << "seed " << seed * 7919u;
    }
}

TEST(Deal, ANewHandStartsCleanAndKeepsTheGameScoresOnlyWithinAGame) {
    RulePosition pos;
    pos.set("go miles=500 score=800 game=2000 draw=3 won=3 | stop score=100 game=900 | over "
            "gameover handover pile=p race=1000 seen=kk sort notips");
    pos.option(flag::animate, 1);
    startHand(pos.g, 2, GameScores::Kept);
    EXPECT_EQ(pos.describe(),
              "game=2000 won=3/3 hand=fhhijqr | game=900 hand=fgiikko | notips deck=14");
    EXPECT_TRUE(pos.g.has(flag::sortHand) && pos.g.has(flag::animate));
    startHand(pos.g, 2, GameScores::Reset);
    EXPECT_EQ(pos.player(0).gameScore + pos.player(1).gameScore, 0);
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
