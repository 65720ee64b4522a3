#pragma once
// The four repaint requests of the board.
#include "board/table.h"

namespace tarmigo {

void invalidateBoard(Table& g);
void invalidateHand(Table& g);
void invalidateDeck(Table& g);
void invalidateStatus(Table& g);

} // namespace tarmigo
