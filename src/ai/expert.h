#pragma once
// The Expert computer: plans each choice by playing the hand out on copies of the
// game, over many guesses at the cards it cannot see.
#include "game/game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarmigo {

// How many cards of each kind a player has seen so far in the hand: every card it
// drew (its whole hand among them) and every card its opponent laid or discarded.
// The computer of a one-player game keeps these in the round record.
using SeenCounts = std::array<std::uint8_t, CardKinds>;

// What the Expert remembers of the hand between its choices: every move laid in
// view of both players, with the table as it lay before it. It listens to the rules'
// reports and passes each on. It keeps no card that was hidden: the hands are
// blanked, only their sizes stay. Restored in the middle of a hand, it starts empty.
class ExpertMemory : public GameEvents {
  public:
    explicit ExpertMemory(GameEvents& next = GameEvents::silent()) : next_(&next) {}

    struct Move {
        RoundRecord round;
        std::array<PlayerRecord, 2> players;
        std::uint8_t mover = 0;
        std::uint8_t handSize = 0;
        Card card = EmptySlot;
        std::uint8_t target = 0;
    };
    // The moves of the current hand, oldest first; the Expert reads the last few.
    const std::vector<Move>& moves() const { return moves_; }
    void forget() { moves_.clear(); }
    void passTo(GameEvents& next) { next_ = &next; }

    void cardLeavesHand(Game& g, int target, int depth) override;
    void cardLeavesDrawPile(Game& g) override { next_->cardLeavesDrawPile(g); }
    void regionChanged(Game& g, Region r, int player) override {
        next_->regionChanged(g, r, player);
    }
    void statusMessage(Game& g, int id) override { next_->statusMessage(g, id); }
    void statusNumber(Game& g, int id, int n) override { next_->statusNumber(g, id, n); }
    void handEnded(Game& g) override;

  private:
    GameEvents* next_;
    std::vector<Move> moves_;
};

// The Expert's choice for the current player, with the contract of chooseCard with
// select set: a target code, and the card's slot written into selectedSlot. It reads
// only what that player may know: the own hand, the table, the seen-card counts, the
// size of the draw pile and of the opponent's hand. Without seen counts it goes by
// the own hand and the table alone. The guesses are drawn from seed, so a seed gives
// one answer.
// With a memory, the guesses favour an opponent hand that explains the opponent's
// recent moves.
int chooseExpertCardSeeded(Game& g, std::uint32_t seed, const SeenCounts* seen,
                           const ExpertMemory* memory = nullptr);

// The same, seeded from the game's tick count so that replays and the simulator
// repeat; the computer of a one-player game goes by its own seen counts.
int chooseExpertCard(Game& g, const SeenCounts* seen, const ExpertMemory* memory = nullptr);
int chooseExpertCard(Game& g, const ExpertMemory* memory = nullptr);

} // namespace tarmigo
