#pragma once
// The computer player: what the current player should do next.
#include "game/game.h"

namespace tarmigo {

// Names the one thing the current player should do next, as a target code: 16 to
// draw first, a pile to lay a card on, or 17 to discard. With select set, the
// card's slot is written into the player's selectedSlot (nothing for 16, nor for an
// empty hand); with select clear nothing at all is written and Easy mode never
// skips a step at random, so the answer tells whether the player can do anything
// but discard.
int chooseCard(Game& g, bool select);

} // namespace tarmigo
