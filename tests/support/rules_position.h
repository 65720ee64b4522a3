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

#include <deque>
#include <functional>
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

// What the rules report that a player notices, in order: the sounds heard ("WVM"),
// the question asked ("ask 1601", answered from answers, else No) and the Scores
// dialog ("scores", after onScores has looked at the position).
class NoticedEvents : public GameEvents {
  public:
    std::string effects;
    std::deque<bool> answers;
    std::function<void()> onScores;

    void sound(Game& g, Sound s) override {
        if (g.has(flag::playSounds)) note(soundName(s));
    }
    void extensionAsked(Game&) override { note("ask 1601"); }
    void handEnded(Game&) override {
        if (onScores) onScores();
        note("scores");
    }
    // The question a move left waiting gets its answer, as the next input would give it.
    void answer(Game& g) {
        if (g.pending == Decision::None) return;
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        answerExtension(g, yes);
    }

  private:
    void note(std::string_view what) {
        if (!effects.empty()) effects += ' ';
        effects += what;
    }
};

// The rules alone: a refused move returns MoveRefused and nothing follows it.
struct RulePosition : PositionBuilder<RulePosition> {
    NoticedEvents noticed;

    explicit RulePosition(int players = 2) : PositionBuilder(players) { g.events = &noticed; }

    int play(int slot) { return playOn(slot, autoTarget(g, own().slot(slot))); }
    int playOn(int slot, int target) {
        select(slot);
        const int result = dispatchMove(g, target);
        noticed.answer(g);
        return result;
    }
    int discard(int slot) { return playOn(slot, target::DiscardPile); }
};

} // namespace tarmigo::testing
