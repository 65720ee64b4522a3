#include "game/deal.h"

#include "game/random.h"
#include "game/strings.h"
#include "game/undo.h"

#include <utility>

namespace tarmigo {

void startHand(Game& g, int playerCount, GameScores scores) {
    g.round.seenCount = {};
    dropRedo(g);
    g.currentPlayer = g.round.nextStarter;
    g.round.nextStarter = std::uint8_t(1 - g.round.nextStarter);
    g.round.deckPos = 0;
    g.round.discardTop = 0;
    g.playerCount = std::uint8_t(playerCount);
    g.round.set(flag::handOver, false);
    g.round.set(flag::gameOver, false);
    g.round.set(flag::turnHandover, false);
    g.round.raceLength = StandardRace;
    resetPlayers(g, scores);
    shuffleDeck(g);
    dealHands(g);
}

void shuffleDeck(Game& g) {
    Random random(g.host.tickCount());
    for (int n = 0; n < ShuffleExchanges; ++n) {
        const std::size_t i = shuffledPosition(random.next());
        const std::size_t j = shuffledPosition(random.next());
        std::swap(g.deck[i], g.deck[j]);
    }
}

void dealHands(Game& g) {
    const int sortAndAnimate = g.round.get(flag::sortHand) | (g.round.get(flag::animate) << 1);
    g.round.set(flag::sortHand, false);
    g.round.set(flag::animate, false);
    const std::uint8_t starter = g.currentPlayer;
    for (int i = 0; i < 2 * HandSize; ++i) {
        g.currentPlayer = std::uint8_t(i % 2);
        g.own().setDrawSlot(i / 2 + 1);
        drawCard(g, g.playerCount == 1 ? DrawSlide::Shown : DrawSlide::Hidden);
    }
    g.round.set(flag::sortHand, (sortAndAnimate & 1) != 0);
    g.round.set(flag::animate, (sortAndAnimate & 2) != 0);
    g.currentPlayer = 1;
    sortHand(g);
    g.currentPlayer = 0;
    sortHand(g);
    g.currentPlayer = starter;
}

void sortHand(Game& g) {
    if (isComputerTurn(g)) return; // the computer's hand is never sorted
    PlayerRecord& p = g.own();
    // By insertion: the hand is sorted but for the card just drawn, so each card moves
    // past few others.
    for (int i = 2; i <= HandSize; ++i) {
        const Card c = p.slot(i);
        int j = i - 1;
        for (; j >= 1 && p.slot(j) > c; --j) p.slot(j + 1) = p.slot(j);
        p.slot(j + 1) = c;
    }
    if (p.drawSlot() != 0) p.setDrawSlot(HandSize);
    tell(g, RegionChanged{Region::Hand, g.currentPlayer});
}

void drawCard(Game& g, DrawSlide slide) {
    if (!g.deckExhausted()) {
        PlayerRecord& p = g.own();
        const int slot = p.drawSlot();
        if (slot == 0 || slot > HandSize) return; // nothing waits to be filled: no sort either
        const Card drawn = g.deck[g.round.deckPos];
        if (isComputerTurn(g)) noteSeen(g, drawn);
        p.slot(slot) = drawn;
        ++g.round.deckPos;
        int empty = HandSize; // the last empty slot, if any
        while (empty > 0 && p.slot(empty) != EmptySlot) --empty;
        p.setDrawSlot(empty);
        if (slide == DrawSlide::Shown)
            tell(g, Drawn{g.currentPlayer, slot, drawn, DeckSize - g.round.deckPos});
        tell(g, RegionChanged{Region::DrawPile, g.currentPlayer});
        if (!isComputerTurn(g)) tell(g, StatusSaid{g.currentPlayer, {text::TapToPlay, false, 0}});
    }
    if (g.has(flag::sortHand)) sortHand(g);
}

} // namespace tarmigo
