#pragma once
// What the rules ask of their platform: only the clock. Everything else a move causes
// (a sound, the Undo button, the end of a hand, a question) the rules report through
// GameEvents (game/events.h), and the layers above decide what it looks like.
#include <cstdint>

namespace tarmigo {

class Host {
  public:
    virtual ~Host() = default;

    // Milliseconds since the system started: the seed of a shuffle, the Easy
    // computer's dice.
    virtual std::uint32_t tickCount() = 0;
};

} // namespace tarmigo
