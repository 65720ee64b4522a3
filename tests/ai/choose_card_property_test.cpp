// Properties of the computer's choice over many random positions: a card named for
// a pile may be laid there, and a question without selecting changes nothing.
#include "ai_position.h"
#include "game/legality.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

int pick(std::mt19937& rng, int lo, int hi) {
    return std::uniform_int_distribution<>(lo, hi)(rng);
}

// A player's piles as play can leave them.
void randomPiles(std::mt19937& rng, PlayerRecord& p, int raceLength) {
    static constexpr int battles[] = {0, 1, 2, 3, 4, 6, 7, 8, 9};
    p.setSafeties(pick(rng, 0, 3) == 0 ? pick(rng, 0, 15) : 0);
    int battle = battles[pick(rng, 0, 8)];
    // A safety in play keeps its hazard off the pile.
    if (isHazardBattle(battle) && p.hasSafety(battle - BattleStop)) battle = BattleGo;
    p.setBattle(battle);
    int speed = pick(rng, 0, 2);
    if (speed == SpeedLimited && p.hasSafety(safetyBit(RightOfWay))) speed = SpeedEnded;
    p.setSpeed(speed);
    int twoHundreds = pick(rng, 0, 2);
    int miles = 200 * twoHundreds + 25 * pick(rng, 0, (raceLength - 200 * twoHundreds) / 25);
    AiPosition::travel(p, miles, twoHundreds);
}

void randomize(std::mt19937& rng, AiPosition& x) {
    x.g.round.set(flag::hard, pick(rng, 0, 1) == 1);
    x.g.currentPlayer = std::uint8_t(pick(rng, 0, 1));
    x.g.round.raceLength = std::int16_t(pick(rng, 0, 3) == 0 ? 1000 : 700);
    for (PlayerRecord& p : x.g.players) {
        randomPiles(rng, p, x.g.round.raceLength);
        for (Card& c : p.hand)
            c = Card(pick(rng, 0, 5) == 0 ? EmptySlot : pick(rng, FirstCard, LastCard));
    }
    for (int code = FirstCard; code <= LastCard; ++code)
        x.seen(Card(code), pick(rng, 0, deckCount[code - FirstCard]));
    x.g.round.deckPos = std::uint8_t(pick(rng, 0, 2) == 0 ? DeckSize : pick(rng, 14, DeckSize));
    x.me().setDrawSlot(pick(rng, 0, 3) == 0 ? pick(rng, 1, HandSize) : 0);
    x.host.ticks = std::uint32_t(rng());
}

bool legalOnItsPile(const Game& g, int slot) {
    return isSafety(g.own().slot(slot)) || isSlotPlayable(g, slot);
}

} // namespace

TEST(ChooseCardProperties, EveryCardNamedForAPileMayBeLaidThere) {
    std::mt19937 rng(20240611);
    int pileChoices = 0;
    for (int i = 0; i < 20000; ++i) {
        AiPosition x;
        randomize(rng, x);
        x.me().setSelectedSlot(0);
        int result = x.choose();
        if (result == target::DrawPile) {
            EXPECT_EQ(x.selected(), 0);
            continue;
        }
        int slot = x.selected();
        if (result == target::DiscardPile) {
            if (slot != 0) {
                EXPECT_TRUE(isCard(x.me().slot(slot)));
            }
            continue;
        }
        ++pileChoices;
        ASSERT_TRUE(target::isHandSlot(slot)) << "position " << i;
        Card c = x.me().slot(slot);
        EXPECT_EQ(result, autoTarget(x.g, c)) << "position " << i << " card " << int(c);
        EXPECT_TRUE(legalOnItsPile(x.g, slot)) << "position " << i << " card " << int(c);
    }
    EXPECT_GT(pileChoices, 5000);
}

TEST(ChooseCardProperties, AskingWithoutSelectingChangesNothingAndNeverSkips) {
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        AiPosition x;
        randomize(rng, x);
        const RoundRecord round = x.g.round;
        const auto players = x.g.players;
        const int current = x.g.currentPlayer;

        int asked = x.choose(false);
        EXPECT_EQ(x.g.round, round);
        EXPECT_EQ(x.g.players, players);
        EXPECT_EQ(x.g.currentPlayer, current);
        EXPECT_EQ(x.host.reads, 0);

        // Asking answers what choosing would when every random step is tried.
        x.host.ticks = 99;
        EXPECT_EQ(asked, x.choose(true)) << "position " << i;
    }
}

TEST(ChooseCardProperties, EasyNeverSkipsWhenOnlyAsked) {
    AiPosition x(false);
    x.hand("pgk").rolling().opponentRolling();
    x.host.ticks = 0; // would skip every random step if choosing
    EXPECT_EQ(x.choose(false), x.oppBattle());
    EXPECT_EQ(x.host.reads, 0);
    EXPECT_EQ(x.selected(), 0);

    x.me().setBattle(BattleStop);
    x.them().setBattle(BattleStop);
    EXPECT_EQ(x.choose(false), x.ownBattle());

    x.rolling();
    EXPECT_EQ(x.choose(false), x.distance());
    EXPECT_EQ(x.host.reads, 0);

    EXPECT_EQ(x.choose(true), AiPosition::discard); // the same hand, choosing
    EXPECT_EQ(x.selected(), 2);
    EXPECT_EQ(x.host.reads, 1);
}
