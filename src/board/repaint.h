#pragma once
// The four repaint requests of the board.
#include "board/table.h"

namespace tarmigo {

// Whether a repaint of the whole board first erases the window to its background.
enum class Erase : bool { No = false, Yes = true };

void invalidateBoard(Table& g, Erase erase);
void invalidateHand(Table& g);
void invalidateDeck(Table& g);
void invalidateStatus(Table& g);

} // namespace tarmigo
