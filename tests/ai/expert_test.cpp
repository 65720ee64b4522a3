// The Expert computer: it plans on guesses, never on the cards it cannot see.
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

using namespace tarmigo;
using tarmigo::testing::RulePosition;

namespace {

// Deals the cards hidden from the computer (the opponent's hand, the draw pile) anew.
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

// Where Expert parts from Hard and where it must not, the computer to move, seeded; Hard's
// choice shows the row still tests a difference.
TEST(Expert, PartsFromHardWhereItPaysAndOnlyThereWhateverTheCardsItCannotSee) {
    struct Row {
        const char* position;
        int hardSlot, hardTarget;
        int expertSlot, expertTarget;
    };
    constexpr int Safety = target::SafetyArea + 1;
    constexpr int Speed = target::SpeedPile + 1;
    constexpr int Distance = target::DistanceArea + 1;
    constexpr int Discard = target::DiscardPile;
    const Row rows[] = {
        // Limited, a 100 and two 200s: Hard lays a 50, Expert lifts the limit.
        {"go miles=100 score=100 hazard=5 draw=7 hand=ffgghh | go limit miles=50 score=50 "
         "hand=ofmijgj | hard turn=1 deck=19 pile=f seen=ffggiijjkkmot",
         6, Distance, 1, Speed},
        // Limited, a 100 and two End of Limits: Hard lays a 25, Expert ends the limit.
        {"go ended miles=200 laid=0.2.0.1.0 score=200 draw=2 hand=h.immnx | go limit miles=350 "
         "laid=0.2.2.1.0 score=350 hand=iomfoff | hard turn=1 deck=31 pile=n "
         "seen=ffffgggghhiiikkklmnoooqtt",
         4, Distance, 2, Speed},
        // Limited, only a 25, the person stopped: Expert ends the limit, the 25 can wait.
        {"stop draw=1 hand=.ghlnow | go limit miles=100 laid=0.2.0.0.0 score=100 hand=tnoflnk | "
         "hard turn=1 deck=23 pile=f seen=ffggkkkkllnnopptt",
         4, Distance, 3, Speed},
        // No Go: Hard throws away the Spare Tire its Puncture Proof makes useless, Expert lays
        // the Puncture Proof for another card (better than the Driving Ace).
        {"go miles=400 laid=1.2.1.2.0 score=400 draw=1 hand=.klnors | hand=mvjnxio | hard "
         "turn=1 deck=37 pile=f seen=fffffggghhhhhiiiiijkklmnnopppvx",
         4, Discard, 5, Safety},
        // No Go: Hard throws away a 25, Expert lays its Puncture Proof, by just over the margin.
        {"spare miles=175 score=175 draw=3 hand=fi.oppt | hand=hximlfh | hard turn=1 deck=27 "
         "pile=g seen=ffgghhiikkllmmmnnnrsx",
         6, Discard, 2, Safety},
        // Stopped and limited: Hard throws away the 50, Expert the 75 the limit bars.
        {"draw=1 hand=.hhimno | stop limit score=100 safe=v hand=ixsqghm | hard turn=1 deck=27 "
         "pile=g seen=ffgggghikklmmpqqrstvx",
         5, Discard, 6, Discard},
        // Under an Accident and a limit, throwing the Gasoline is not better by the margin.
        {"limit draw=5 hand=hiln.or | accident limit hazard=5 hand=hpnijhm | hard turn=1 "
         "deck=27 pile=o seen=ffgggghhhijklmmnopqtt",
         1, Discard, 1, Discard},
        // Hard's Go, useless beside the Right of Way under a Stop a restored game may hold, is
        // none of the moves Expert weighs: Expert plays it all the same.
        {"stop hand=ffgghhi | stop safe=u hand=kfgqrst | hard turn=1", 1, 11, 1, 11},
        // Stopped without a Go: the Puncture Proof for a card is not better by the margin.
        {"outofgas draw=1 hand=.iijlns | stop hand=soqxfml | hard turn=1 deck=31 pile=m "
         "seen=fffggghhhhijkkllmmnopqrsx",
         5, Discard, 5, Discard},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        RulePosition byHard(1);
        byHard.set(row.position);
        EXPECT_EQ(chooseCard(byHard.g, ChooseMode::Select), row.hardTarget);
        EXPECT_EQ(byHard.own().selectedSlot(), row.hardSlot);
        // The order and split of the hidden cards, seen-card memory or not, change nothing.
        int blindTarget = 0, blindSlot = 0;
        for (unsigned variant = 0; variant < 4; ++variant) {
            RulePosition byExpert(1);
            byExpert.set(row.position);
            if (variant > 0) reshuffleHidden(byExpert.g, variant);
            Game blind(byExpert.g);
            EXPECT_EQ(chooseExpertCardSeeded(byExpert.g, 7, &byExpert.g.round.seenCount),
                      row.expertTarget);
            EXPECT_EQ(byExpert.own().selectedSlot(), row.expertSlot) << "variant " << variant;
            const int target = chooseExpertCardSeeded(blind, 7, nullptr);
            if (variant == 0)
                std::tie(blindTarget, blindSlot) = std::pair(target, blind.own().selectedSlot());
            EXPECT_EQ(target, blindTarget) << "variant " << variant;
            EXPECT_EQ(blind.own().selectedSlot(), blindSlot) << "variant " << variant;
        }
    }
}
