#pragma once
// The end of a hand: bonuses, game scores, and the game's end.
#include "game/game.h"

namespace tarmigo {

constexpr int WinningScore = 5000;

void endHand(Game& g);

} // namespace tarmigo
