#pragma once
// The board's geometry, derived once from the screen size.
#include "game/screen.h"

#include <cstdint>

namespace tarmigo {

// The screen size is taken as the platform reports it: signed 16-bit values.
Layout computeLayout(std::int16_t width, std::int16_t height);

} // namespace tarmigo
