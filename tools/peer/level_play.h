#pragma once
// tarmigo-peer's --level: a seat played by the computer's rules (Easy or Hard) instead of
// at random. The host plays from its own game; the guest from a game put together out of
// its view alone (its hand, both tableaux, the pile's count), so that it knows no more
// than its player would.
#include "game/game.h"
#include "game/view.h"
#include "net/autoplay.h"

#include <optional>

namespace tarmigo::peer {

class LevelPlayer {
  public:
    explicit LevelPlayer(Level level) : level_(level) {}

    // The next input of `seat` in the game (a copy is played on), or nothing when the
    // seat has nothing to do.
    std::optional<net::Input> next(const Game& real, int seat, net::Dice& dice);
    // The same from a seat's view alone.
    std::optional<net::Input> next(const SeatView& v, net::Dice& dice);

  private:
    Level level_;
    // A discard takes two taps: the draw pile, then this slot.
    int armedSlot_ = 0;
};

} // namespace tarmigo::peer
