#include "game/undo.h"

#include "game/strings.h"

namespace tarmigo {

void takeUndoSnapshot(Game& g) {
    if (g.playerCount == 1 && g.currentPlayer != 0)
        return; // the computer's moves are not undone alone
    g.undo.round = g.round;
    g.undo.players = g.players;
    g.undo.currentPlayer = g.currentPlayer;
    for (PlayerRecord& p : g.undo.players) {
        p.setSelectedSlot(0);
        p.setMarkedSlot(0);
    }
    g.events->report(g, UndoAvailable{true});
}

void undoLastMove(Game& g) {
    g.round = g.undo.round;
    g.players = g.undo.players;
    g.currentPlayer = g.undo.currentPlayer;
    g.events->report(g, StatusSaid{g.currentPlayer, {text::Undone, false, 0}});
    g.events->report(g, UndoAvailable{false});
}

} // namespace tarmigo
