#pragma once
// Game positions for the rule tables, with the rules alone: nobody listens to what
// they report. A position starts as a hand in progress (player 0 to move, nothing on
// any pile, a 700-mile race, the draw pile at card 40, both hands empty, every option
// off) and is set in the one-line notation of game/notation.h. support/position.h
// adds the board, the taps and the stores.
#include "game/game.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/targets.h"
#include "support/notation.h"
#include "support/test_host.h"

#include <string>
#include <string_view>

namespace tarmigo::testing {

// Self is the position type that the building calls return; State the game it builds
// (the rules' Game, or a Session with the board and the stores).
template <class Self, class State = Game> struct PositionBuilder {
    TestHost host;
    State g{host};

    explicit PositionBuilder(int players) {
        startPosition(g);
        g.playerCount = std::uint8_t(players);
    }
    // The game holds a reference to this position's host: never copied.
    PositionBuilder(const PositionBuilder&) = delete;
    PositionBuilder& operator=(const PositionBuilder&) = delete;

    Self& self() { return static_cast<Self&>(*this); }
    PlayerRecord& player(int p) { return g.players[p]; }
    PlayerRecord& own() { return g.own(); }
    std::string describe() const { return testing::describe(g); }

    Self& set(std::string_view notation) {
        setPosition(g, notation);
        return self();
    }
    Self& select(int slot) {
        setSelectedSlot(g, slot);
        return self();
    }
};

// The rules alone: a refused move returns MoveRefused and nothing follows it.
struct RulePosition : PositionBuilder<RulePosition> {
    explicit RulePosition(int players = 2) : PositionBuilder(players) {}

    int play(int slot) { return playOn(slot, autoTarget(g, own().slot(slot))); }
    int playOn(int slot, int target) {
        select(slot);
        return dispatchMove(g, target);
    }
    int discard(int slot) { return playOn(slot, target::DiscardPile); }
};

} // namespace tarmigo::testing
