// The Expert computer: it plans on guesses, never on the cards it cannot see.
#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "app/self_play.h"
#include "board/table.h"
#include "game/deal.h"
#include "game/moves.h"
#include "support/test_host.h"
#include "turns/tap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace tarmigo;
using tarmigo::testing::TestHost;

namespace {

// A one-player hand played by Hard for some turns, then the computer to move with
// its card drawn.
void dealForComputer(Table& g, int turns) {
    prepareSelfPlay(g);
    g.round.set(flag::hard, true);
    startHand(g, 1, GameScores::Reset);
    for (int t = 0; t < turns && !g.has(flag::handOver); ++t) {
        drawCard(g, DrawSlide::Hidden);
        const MoveResult result = executeTarget(g, chooseCard(g, ChooseMode::Select));
        checkBlockedHand(g);
        if (result == MoveResult::TurnPasses) g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    }
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
        int turns;
        std::uint32_t samplingSeed;
        bool memory; // the computer's seen counts, or the table alone
    };
    for (Row row : {Row{1000, 0, 7, true}, Row{2024, 9, 99, true}, Row{31337, 24, 0, true},
                    Row{5, 40, 123456, true}, Row{77, 16, 3, false}}) {
        int firstTarget = 0;
        int firstSlot = 0;
        for (unsigned variant = 0; variant < 4; ++variant) {
            TestHost host;
            host.ticks = row.deal;
            Table g(host, host);
            dealForComputer(g, row.turns);
            if (g.has(flag::handOver)) continue;
            if (variant > 0) reshuffleHidden(g, variant);
            const int target = chooseExpertCardSeeded(g, row.samplingSeed,
                                                      row.memory ? &g.round.seenCount : nullptr);
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
