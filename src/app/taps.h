#pragma once
// Where a tap and a new hand enter the game: the tap's surface, the turn, the save.
#include "app/session.h"

namespace tarmigo {

// The tap's surface is the current one from the first step to the save.
class TapSurface {
  public:
    explicit TapSurface(Session& g) : g_(g), previous_(g.surface) {
        g.surface = g.screenHost.acquireTapSurface();
    }
    ~TapSurface() {
        g_.surface = previous_;
        g_.screenHost.releaseTapSurface();
    }
    TapSurface(const TapSurface&) = delete;
    TapSurface& operator=(const TapSurface&) = delete;

  private:
    Session& g_;
    DrawingSurface* previous_;
};

// Pen down inside the window, and pen up anywhere (the stylus is captured).
void penDown(Session& g);
void penUp(Session& g, int x, int y);

void tapEntry(Session& g, int x, int y);
// Plays one tap on the tap's surface, saves the state, then asks for one repaint. A move
// that waits for an answer is not saved: stopped there, the program restores the
// position before it.
void handleTap(Session& g, int x, int y);
// Answers the question the last move waits on and plays the rest of that tap.
void answerPending(Session& g, bool yes);

// Starts a hand (a new game when the scores are reset): when the computer opens it, the new
// board is shown and the computer plays as if tapped; then the status line asks for
// a tap and the whole board is repainted.
void beginHand(Session& g, int playerCount, GameScores scores);

} // namespace tarmigo
