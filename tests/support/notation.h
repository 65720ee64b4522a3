#pragma once
// The one-line position notation of game/notation.h, for the test tables.
#include "game/notation.h"

namespace tarmigo::testing {
using namespace tarmigo::notation;
} // namespace tarmigo::testing
