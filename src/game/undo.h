#pragma once
// One level of undo: a human's last move, with everything the computer did after it.
#include "game/game.h"

namespace tarmigo {

void takeUndoSnapshot(Game& g);
void undoLastMove(Game& g);
// Plays again what the last Undo took back, the computer's replies included, exactly as
// they were: the position before the Undo comes back, each seat's status line with it.
// Nothing once another move is made.
void redoMove(Game& g);
// Another move was made, or a hand dealt: what Undo took back is gone.
inline void dropRedo(Game& g) {
    if (!g.redoable) return;
    g.redoable = false;
    tell(g, RedoAvailable{false});
}

} // namespace tarmigo
