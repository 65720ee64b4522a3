// The Expert computer: it plans on guesses, never on the cards it cannot see.
#include "ai/expert.h"
#include "app/self_play.h"
#include "game/deal.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace tarmigo;
using tarmigo::testing::TestHost;

namespace {

// A fresh one-player hand with the computer to move.
void dealForComputer(Game& g) {
    prepareSelfPlay(g);
    g.round.set(flag::hard, true);
    g.expert = true;
    startHand(g, 1, false);
    g.currentPlayer = 1;
    drawCard(g, DrawSlide::Hidden); // the computer's card comes before it chooses
}

// Puts the cards hidden from the computer (the opponent's hand and the draw pile)
// back in another order and split.
void reshuffleHidden(Game& g, unsigned seed) {
    PlayerRecord& them = g.players[0];
    std::vector<Card> hidden;
    for (Card c : them.hand)
        if (c != EmptySlot) hidden.push_back(c);
    for (int i = g.round.deckPos; i < DeckSize; ++i) hidden.push_back(g.deck[i]);
    std::mt19937 order(seed);
    std::shuffle(hidden.begin(), hidden.end(), order);
    std::size_t next = 0;
    for (Card& c : them.hand)
        if (c != EmptySlot) c = hidden[next++];
    for (int i = g.round.deckPos; i < DeckSize; ++i) g.deck[i] = hidden[next++];
}

} // namespace

TEST(Expert, ItsChoiceIgnoresTheOrderAndSplitOfTheUnseenCards) {
    struct Row {
        std::uint32_t deal;
        std::uint32_t samplingSeed;
    };
    for (Row row : {Row{1000, 7}, Row{2024, 99}, Row{31337, 0}, Row{5, 123456}}) {
        int firstTarget = 0;
        int firstSlot = 0;
        for (unsigned variant = 0; variant < 4; ++variant) {
            TestHost host;
            host.ticks = row.deal;
            Game g(host);
            dealForComputer(g);
            if (variant > 0) reshuffleHidden(g, variant);
            const int target = chooseExpertCardSeeded(g, row.samplingSeed);
            if (variant == 0) {
                firstTarget = target;
                firstSlot = g.own().selectedSlot();
                continue;
            }
            EXPECT_EQ(target, firstTarget) << "deal " << row.deal << " variant " << variant;
            EXPECT_EQ(g.own().selectedSlot(), firstSlot) << "deal " << row.deal;
        }
    }
}
