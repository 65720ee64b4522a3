#pragma once
// The computer player: what the current player should do next.
#include "game/game.h"

namespace tarmigo {

// Whether the choice is acted on, or only asked for.
enum class ChooseMode : bool { AskOnly = false, Select = true };

// Names the one thing the current player should do next, as a target code: 16 to
// draw first, a pile to lay a card on, or 17 to discard. With Select, the card's
// slot is written into the player's selectedSlot (nothing for 16, nor for an empty
// hand); with AskOnly nothing at all is written and Easy mode never skips a step
// at random, so the answer tells whether the player can do anything but discard.
int chooseCard(Game& g, ChooseMode mode);

} // namespace tarmigo
