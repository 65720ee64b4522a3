#pragma once
// One level of undo: a human's last move, with everything the computer did after it.
#include "game/game.h"

namespace tarmigo {

void takeUndoSnapshot(Game& g);
void undoLastMove(Game& g);

} // namespace tarmigo
