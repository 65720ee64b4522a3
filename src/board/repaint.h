#pragma once
// The four repaint requests of the board.
#include "game/game.h"

namespace tarmigo {

void invalidateBoard(Game& g, bool erase);
void invalidateHand(Game& g);
void invalidateDeck(Game& g);
void invalidateStatus(Game& g);

} // namespace tarmigo
