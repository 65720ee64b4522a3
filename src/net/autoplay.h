#pragma once
// A player that chooses, from its seat's view alone, a random input the game takes: a
// playable card, or a card refused and then discarded (tapped, then the draw pile), the
// extension's answer. The game plays a network guest's taps as "tap card once" and "tap
// card then deck"; a host played by this sets the same options. Used by tarmigo-peer,
// the tests and the benchmarks.
#include "game/view.h"
#include "net/messages.h"

#include <cstdint>
#include <optional>

namespace tarmigo::net {

// A small generator of its own, so that a seed plays the same inputs everywhere.
class Dice {
  public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int below(int n) { return int(next() % std::uint64_t(n)); }

  private:
    std::uint64_t state_;
};

// Nothing when the seat has nothing to do: not its turn, or the hand or game is over.
std::optional<Input> randomInput(const SeatView& view, Dice& dice);

} // namespace tarmigo::net
