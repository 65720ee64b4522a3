#include "game/game.h"

#include <algorithm>

namespace tarmigo {

Game::Game(Host& h) : host(h) {
    std::copy(InitialDeckOrder, InitialDeckOrder + DeckSize, deck.begin());
}

Level computerLevel(const Game& g) {
    if (!g.has(flag::hard)) return Level::Easy;
    return g.expert ? Level::Expert : Level::Hard;
}

void setComputerLevel(Game& g, Level level) {
    g.round.set(flag::hard, level != Level::Easy);
    g.expert = level == Level::Expert;
}

bool isMoving(const Game& g, int player) {
    const PlayerRecord& p = g.players[player];
    int b = p.battle();
    return b == BattleGo || (p.hasSafety(safetyBit(RightOfWay)) && !isHazardBattle(b));
}

bool isComputerTurn(const Game& g) {
    return g.playerCount == 1 && g.currentPlayer == 1;
}

void setSelectedSlot(Game& g, int slot) {
    g.own().setSelectedSlot(slot);
}

void setSeatStatus(Game& g, int seat, StatusMessage message) {
    for (int s = 0; s < 2; ++s)
        if (seat == AllSeats || seat == s) g.seats[s].status = message;
}

void removePlayedCard(Game& g) {
    PlayerRecord& p = g.own();
    p.setLastHazard(0);
    int s = p.selectedSlot();
    // A selected slot is always 1..7; a damaged state must not index past the hand.
    if (s >= 1 && s <= HandSize) p.slot(s) = EmptySlot;
    p.setDrawSlot(s);
    p.setSelectedSlot(0);
    p.setMarkedSlot(0);
}

void resetPlayers(Game& g, GameScores scores) {
    for (PlayerRecord& p : g.players) {
        p.status = 0;
        p.miles = 0;
        p.distancePlayed = {};
        p.handScore = 0;
        if (scores == GameScores::Reset) p.gameScore = 0;
    }
}

void noteSeen(Game& g, Card c) {
    if (!isCard(c)) return;
    // A restored game may count every card of a kind as seen already; the count
    // never passes the number of such cards in the deck.
    std::uint8_t& seen = g.round.seenCount[c - FirstCard];
    if (seen < deckCount[c - FirstCard]) ++seen;
}

std::string misplacedCards(const Game& g) {
    std::array<int, CardKinds> inDeck{};
    std::array<int, CardKinds> placed{};
    const auto count = [](std::array<int, CardKinds>& counts, Card c) {
        if (isCard(c)) ++counts[c - FirstCard];
        return isCard(c);
    };
    for (Card c : g.deck)
        if (!count(inDeck, c)) return "the deck holds " + std::to_string(int(c));
    for (int i = g.round.deckPos; i < DeckSize; ++i) count(placed, g.deck[i]);
    for (const PlayerRecord& p : g.players) {
        for (Card c : p.hand)
            if (c != EmptySlot && !count(placed, c))
                return "a hand holds " + std::to_string(int(c));
        for (int k = 0; k < 5; ++k) placed[k] += p.distancePlayed[k];
        for (int bit = 0; bit < 4; ++bit) placed[RightOfWay - FirstCard + bit] += p.hasSafety(bit);
    }
    for (int k = 0; k < CardKinds; ++k) {
        const char card = char(FirstCard + k);
        if (inDeck[k] != deckCount[k])
            return "the deck has " + std::to_string(inDeck[k]) + " of " + card;
        if (placed[k] > deckCount[k]) return std::to_string(placed[k]) + " of " + card + " in play";
    }
    return {};
}

} // namespace tarmigo
