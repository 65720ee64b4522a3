#pragma once
// The end of a hand that nobody can finish: the computer's chooser tells whether a
// player can do anything but discard.
#include "game/game.h"

namespace tarmigo {

// Once the draw pile is exhausted, ends the hand when nobody can do anything but discard.
void checkBlockedHand(Game& g);

} // namespace tarmigo
