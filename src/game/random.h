#pragma once
// The pseudo-random generator, fixed on every platform so that a shuffle from a
// given tick count is the same everywhere.
#include <cstdint>

namespace tarmigo {

class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    // 0..32767
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

  private:
    std::uint32_t state_;
};

} // namespace tarmigo
