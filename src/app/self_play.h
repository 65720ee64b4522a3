#pragma once
// The computer playing both sides of one-player hands, for the simulator and the
// benchmarks: no window, nobody to ask, and every hand reproducible from one seed.
#include "app/commands.h"
#include "app/session.h"

#include <array>
#include <cstdint>

namespace tarmigo {

// A platform with no window and nobody at it. Its clock is a pseudo-random sequence
// drawn from a seed, so that every shuffle and every random skip of Easy mode varies
// yet the whole run can be played again. The extension question is answered No, and
// nothing of a hand is shown: playSelfPlayHand does not tell the table's board.
class SelfPlayHost : public Host, public ScreenHost {
  public:
    explicit SelfPlayHost(std::uint64_t seed) : state_(seed) {}

    std::uint32_t tickCount() override;
    void invalidate(const Rect&) override {}
    void dropPendingRepaint() override {}
    void paintNow() override {}
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}

  private:
    std::uint64_t state_;
};

// The level of each side, player 0 first.
using Levels = std::array<Level, 2>;

// The options a new program starts with, less the sounds and the slides, which
// nobody would see.
void prepareSelfPlay(Game& g);

// Starts a hand (a new game when newGame is set) and plays it to its end: player 1
// as the computer of a one-player game, player 0 by the same choice, made from a
// memory of its own and played through the moves a tap would make. The rules report
// to that memory and to a listener set in place of the table's own board, never to
// the board. False if the hand failed to end, which is a fault.
bool playSelfPlayHand(Session& g, const Levels& levels, bool newGame);

} // namespace tarmigo
