// The computer over random positions: a card named for a pile may be laid there, and asking
// without choosing changes and skips nothing.
#include "ai/choose_card.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

int pick(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<>(lo, hi)(rng);
}

// A position as play can leave it, with the computer's clock at random.
void randomize(std::mt19937& rng, RulePosition& x) {
    static constexpr int battles[] = {0, 1, 2, 3, 4, 6, 7, 8, 9};
    Game& g = x.g;
    g.round.set(flag::hard, pick(rng, 0, 1) == 1);
    g.currentPlayer = std::uint8_t(pick(rng, 0, 1));
    g.round.raceLength = std::int16_t(pick(rng, 0, 3) == 0 ? 1000 : 700);
    for (PlayerRecord& p : g.players) {
        p.setSafeties(pick(rng, 0, 3) == 0 ? pick(rng, 0, 15) : 0);
        int battle = battles[pick(rng, 0, 8)];
        // A safety in play keeps its hazard off the pile, Right of Way a limit.
        if (isHazardBattle(battle) && p.hasSafety(battle - BattleStop)) battle = BattleGo;
        p.setBattle(battle);
        p.setSpeed(pick(rng, p.hasSafety(safetyBit(RightOfWay)) ? 2 : 0, 2));
        const int twos = pick(rng, 0, 2);
        p.miles =
            std::uint16_t(200 * twos + 25 * pick(rng, 0, (g.round.raceLength - 200 * twos) / 25));
        p.distancePlayed = distanceFor(p.miles, twos);
        for (Card& c : p.hand)
            c = Card(pick(rng, 0, 5) == 0 ? EmptySlot : pick(rng, FirstCard, LastCard));
    }
    for (int k = 0; k < CardKinds; ++k)
        g.round.seenCount[k] = std::uint8_t(pick(rng, 0, deckCount[k]));
    g.round.deckPos = std::uint8_t(pick(rng, 0, 2) == 0 ? DeckSize : pick(rng, 14, DeckSize));
    g.own().setDrawSlot(pick(rng, 0, 3) == 0 ? pick(rng, 1, HandSize) : 0);
    x.host.ticks = std::uint32_t(rng());
}

} // namespace

TEST(ChooseCardProperties, EveryCardNamedForAPileMayBeLaidThere) {
    std::mt19937 rng(20240611);
    int pileChoices = 0;
    for (int i = 0; i < 20000; ++i) {
        RulePosition x;
        randomize(rng, x);
        const int result = chooseCard(x.g, ChooseMode::Select);
        const int slot = x.own().selectedSlot();
        if (result == target::DrawPile || result == target::DiscardPile) {
            EXPECT_TRUE(slot == 0 || (result == target::DiscardPile && isCard(x.own().slot(slot))));
            continue;
        }
        ++pileChoices;
        ASSERT_TRUE(target::isHandSlot(slot)) << "position " << i;
        const Card c = x.own().slot(slot);
        EXPECT_EQ(result, autoTarget(x.g, c)) << "position " << i << " card " << c;
        EXPECT_TRUE(isSafety(c) || isSlotPlayable(x.g, slot)) << "position " << i << " card " << c;
    }
    EXPECT_GT(pileChoices, 5000);
}

TEST(ChooseCardProperties, AskingWithoutSelectingChangesNothingAndNeverSkips) {
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        RulePosition x;
        randomize(rng, x);
        const std::string before = x.describe();
        x.host.ticks = 0; // Easy would skip every step on this reading
        const int asked = chooseCard(x.g, ChooseMode::AskOnly);
        EXPECT_EQ(x.describe(), before);
        // Asking answers what choosing would when every random step is tried.
        x.host.ticks = 99;
        EXPECT_EQ(asked, chooseCard(x.g, ChooseMode::Select)) << "position " << i;
    }
}
