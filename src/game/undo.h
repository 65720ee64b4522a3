#pragma once
// One level of undo: a human's last move, with everything the computer did after it.
#include "game/game.h"

namespace tarmigo {

// What taking the snapshot changed, to be told once the move has changed the state.
struct UndoTaken {
    bool taken = false;       // Undo can now take the move back
    bool redoDropped = false; // what Undo took back before is gone
};

// Keeps the position before a person's move for Undo; tells nothing (tellUndoTaken does).
UndoTaken takeUndoSnapshot(Game& g);
inline void tellUndoTaken(Game& g, UndoTaken taken) {
    if (taken.redoDropped) tell(g, RedoAvailable{false});
    if (taken.taken) tell(g, UndoAvailable{true});
}
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
