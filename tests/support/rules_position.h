#pragma once
// Positions for the rule tables, the rules alone: a hand in progress (player 0 to move,
// piles empty, a 700-mile race, the draw pile at card 40, hands empty, options off) set in
// the notation of game/notation.h.
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
// Self is the type the building calls return; State the game built (Game, or a Session).
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

// What the rules report, in order: sounds ("WVM"), the question ("ask 1601", answered from
// answers, else No) and the Scores ("scores", after onScores looked at the position).
class NoticedEvents : public GameEvents {
  public:
    std::string effects;
    std::deque<bool> answers;
    std::function<void()> onScores;
    int leftFor = 0; // the pile the last card that left a hand went to
    void report(Game& g, const Report& r) override {
        if (const auto* laid = std::get_if<Laid>(&r)) leftFor = laid->target;
        if (const auto* s = std::get_if<SoundMade>(&r); s && g.has(flag::playSounds))
            note(soundName(s->sound));
        if (std::holds_alternative<Question>(r)) note("ask 1601");
        if (std::holds_alternative<HandEnded>(r) && onScores) onScores();
        if (std::holds_alternative<HandEnded>(r)) note("scores");
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

// The rules alone: a refused move returns MoveResult::Refused and nothing follows it.
struct RulePosition : PositionBuilder<RulePosition> {
    NoticedEvents noticed;
    explicit RulePosition(int players = 2) : PositionBuilder(players) { g.events = &noticed; }
    MoveResult play(int slot) { return playOn(slot, autoTarget(g, own().slot(slot))); }
    MoveResult playOn(int slot, int target) {
        select(slot);
        const MoveResult result = dispatchMove(g, target);
        noticed.answer(g);
        return result;
    }
    MoveResult discard(int slot) { return playOn(slot, target::DiscardPile); }
};
} // namespace tarmigo::testing
