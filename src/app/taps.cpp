#include "app/taps.h"

#include "app/save_state.h"
#include "app/saved_history.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/strings.h"
#include "turns/tap.h"

namespace tarmigo {
void penDown(Session& g) {
    g.penDown = true;
}

void penUp(Session& g, int x, int y) {
    if (g.penDown) tapEntry(g, x, y);
    g.penDown = false;
}

void tapEntry(Session& g, int x, int y) {
    g.screenHost.dropPendingRepaint();
    handleTap(g, x, y);
}

void handleTap(Session& g, int x, int y) {
    {
        TapSurface surface(g);
        playTap(g, x, y);
        if (g.pending == Decision::None) saveState(g);
    }
    invalidateBoard(g);
}

void answerPending(Session& g, bool yes) {
    if (g.pending == Decision::None) return;
    {
        TapSurface surface(g);
        answerDecision(g, yes);
        saveState(g);
    }
    invalidateBoard(g);
}

void beginHand(Session& g, int playerCount, GameScores scores) {
    if (g.moveLog) g.moveLog->nextHand(handOver(g), scores == GameScores::Reset);
    startHand(g, playerCount, scores);
    restartHistory(g); // the moves start from the deal
    Sentence dealt;
    dealt.pattern = text::NewHandDealt;
    g.presentation.say(dealt);
    if (isComputerTurn(g)) {
        // The computer opens the hand: show the new board, then let it play.
        g.screenHost.paintNow();
        tapEntry(g, 0, 0);
    }
    g.presentation.undo(false);
    setStatus(g, AllSeats, text::TapToPlay, Refresh::Yes);
    invalidateBoard(g);
}

} // namespace tarmigo
