#pragma once
// Positions for the computer player's tests, built in a line or two.
#include "ai/choose_card.h"
#include "board/table.h"
#include "game/targets.h"
#include "support/test_host.h"

#include <deque>
#include <string_view>

namespace tarmigo::testing {

// A host whose clock counts how often it is read and may answer from a queue.
class CountingHost : public TestHost {
  public:
    int reads = 0;
    std::deque<std::uint32_t> queued; // read first, one value a read
    std::uint32_t tickCount() override {
        ++reads;
        if (queued.empty()) return ticks;
        std::uint32_t t = queued.front();
        queued.pop_front();
        return t;
    }
};

// A one-player hand in progress with the computer (player 1) to move: both battle
// piles empty, cards left in the draw pile, the turn's card already drawn, the
// race 700 miles, both hands empty until given.
struct AiPosition {
    CountingHost host;
    Table g{host, host};

    explicit AiPosition(bool hard = true) {
        g.playerCount = 1;
        g.currentPlayer = 1;
        g.round.raceLength = 700;
        g.round.deckPos = 40;
        g.round.set(flag::hard, hard);
        for (PlayerRecord& p : g.players) p.hand.fill(EmptySlot);
    }
    // The game holds a reference to this position's host: never copied.
    AiPosition(const AiPosition&) = delete;
    AiPosition& operator=(const AiPosition&) = delete;

    PlayerRecord& me() { return g.own(); }
    PlayerRecord& them() { return g.opponent(); }

    // Cards by letter, 'f' Distance25 to 'x' PunctureProof, '.' an empty slot.
    AiPosition& hand(std::string_view cards) {
        for (int s = 1; s <= HandSize; ++s) {
            char c = s <= int(cards.size()) ? cards[s - 1] : '.';
            me().slot(s) = c == '.' ? Card(EmptySlot) : Card(c);
        }
        return *this;
    }
    AiPosition& seen(Card c, int n) {
        g.round.seenCount[c - FirstCard] = std::uint8_t(n);
        return *this;
    }
    AiPosition& allSeen(Card c) { return seen(c, deckCount[c - FirstCard]); }
    AiPosition& exhausted() {
        g.round.deckPos = DeckSize;
        return *this;
    }
    AiPosition& rolling() {
        me().setBattle(BattleGo);
        return *this;
    }
    AiPosition& opponentRolling() {
        them().setBattle(BattleGo);
        return *this;
    }
    static void travel(PlayerRecord& p, int miles, int twoHundreds = 0) {
        p.miles = std::uint16_t(miles);
        p.distancePlayed[Distance200 - Distance25] = std::uint8_t(twoHundreds);
    }

    int choose(bool select = true) {
        return chooseCard(g, select ? ChooseMode::Select : ChooseMode::AskOnly);
    }
    int selected() { return me().selectedSlot(); }

    // The targets of the player to move.
    int safetyArea() const { return target::SafetyArea + g.currentPlayer; }
    int ownBattle() const { return target::BattlePile + g.currentPlayer; }
    int oppBattle() const { return target::BattlePile + 1 - g.currentPlayer; }
    int ownSpeed() const { return target::SpeedPile + g.currentPlayer; }
    int oppSpeed() const { return target::SpeedPile + 1 - g.currentPlayer; }
    int distance() const { return target::DistanceArea + g.currentPlayer; }
    static constexpr int discard = target::DiscardPile;
    static constexpr int draw = target::DrawPile;
};

} // namespace tarmigo::testing
