#include "game/undo.h"

#include "game/strings.h"

namespace tarmigo {

UndoTaken takeUndoSnapshot(Game& g) {
    if (g.playerCount == 1 && g.currentPlayer != 0)
        return {}; // the computer's moves are not undone alone
    // A move of a person: what Undo took back is gone.
    const UndoTaken taken{true, g.redoable};
    g.redoable = false;
    g.undo.round = g.round;
    g.undo.players = g.players;
    g.undo.currentPlayer = g.currentPlayer;
    for (PlayerRecord& p : g.undo.players) {
        p.setSelectedSlot(0);
        p.setMarkedSlot(0);
    }
    return taken;
}

void undoLastMove(Game& g) {
    g.redo = UndoSnapshot{g.round, g.players, g.currentPlayer};
    g.redoSeats = g.seats;
    g.redoable = true;
    g.round = g.undo.round;
    g.players = g.undo.players;
    g.currentPlayer = g.undo.currentPlayer;
    tell(g, StatusSaid{g.currentPlayer, {text::Undone, false, 0}});
    tell(g, UndoAvailable{false});
    tell(g, RedoAvailable{true});
}

void redoMove(Game& g) {
    if (!g.redoable) return;
    g.round = g.redo.round;
    g.players = g.redo.players;
    g.currentPlayer = g.redo.currentPlayer;
    g.seats = g.redoSeats; // each status line as it was
    g.redoable = false;
    tell(g, UndoAvailable{true});
    tell(g, RedoAvailable{false});
}

} // namespace tarmigo
