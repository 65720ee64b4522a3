#include "app/taps.h"

#include "app/save_state.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/strings.h"
#include "turns/tap.h"

namespace tarmigo {
namespace {

// The tap's surface is the current one from the first step to the save.
class TapSurface {
  public:
    explicit TapSurface(Game& g) : g_(g), previous_(g.surface) {
        g.surface = g.host.acquireTapSurface();
    }
    ~TapSurface() {
        g_.surface = previous_;
        g_.host.releaseTapSurface();
    }
    TapSurface(const TapSurface&) = delete;
    TapSurface& operator=(const TapSurface&) = delete;

  private:
    Game& g_;
    DrawingSurface* previous_;
};

} // namespace

void penDown(Game& g) {
    g.penDown = true;
}

void penUp(Game& g, int x, int y) {
    if (g.penDown) tapEntry(g, x, y);
    g.penDown = false;
}

void tapEntry(Game& g, int x, int y) {
    g.host.dropPendingRepaint();
    handleTap(g, x, y);
}

void handleTap(Game& g, int x, int y) {
    {
        TapSurface surface(g);
        playTap(g, x, y);
        saveState(g);
    }
    invalidateBoard(g, false);
}

void beginHand(Game& g, int playerCount, bool keepScores) {
    startHand(g, playerCount, keepScores);
    if (isComputerTurn(g)) {
        // The computer opens the hand: show the new board, then let it play.
        g.host.paintNow();
        tapEntry(g, 0, 0);
    }
    g.host.enableUndoButton(false);
    setStatus(g, text::TapToPlay, true);
    invalidateBoard(g, true);
}

} // namespace tarmigo
