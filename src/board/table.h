#pragma once
// The game as it is shown: the rules' state, what the screen shows of it, and the
// board listening to what the rules report.
//
// The rules take a Game and touch only the rules' state. The board and the turn
// layer take a Table: the same game with the screen beside it (the layout, the tap's
// surface) and the window's screen requests (ScreenHost). A Table reports its rules'
// events to its own board, which queues what they show for the window to play.
#include "board/board_events.h"
#include "board/layout.h"
#include "board/presentation.h"
#include "board/screen_host.h"
#include "game/game.h"
#include "game/history.h"

#include <cstdint>

namespace tarmigo {

class DrawingSurface;

// What the screen shows beside the rules' state, and the input of the tap on it;
// none of it is saved. What each seat has armed and is told is the seat's own
// (Game::seats).
struct Screen {
    Layout layout;
    // The surface of the tap in progress where a screen shows it (null where none does:
    // the replay driver, the simulator, a hand nobody watches); nothing draws on it
    // while the rules run, its presence says that the board queues its pictures.
    DrawingSurface* surface = nullptr;
    // The pen went down inside the window; only then does a pen up tap.
    bool penDown = false;
    // What the taps since the window last caught up have shown, for it to play.
    Presentation presentation;
    // A network game's host: the screen always shows seat 0, and the turn passes with
    // no hand-over cover (the other player sits at another program).
    bool network = false;
};

struct Table : Game, Screen {
    Table(Host& host, ScreenHost& screen);
    // A copy reports to its own board, not to that of the table it was copied from.
    Table(const Table& other);
    Table& operator=(const Table&) = delete;

    ScreenHost& screenHost;
    // Where the inputs played on this table are noted (and, while a history is played
    // again, the computer's choices taken from); nothing is noted when null. A copy
    // notes nothing.
    MoveHistory* moveLog = nullptr;

    // Whether the rules report to this table's own board alone, which draws and queues
    // for a screen; a caller that knows nobody watches can leave the board out.
    bool reportsToOwnBoard() const { return events == &board_; }

  private:
    BoardEvents board_;
};

// The seat whose hand the screen shows: seat 0 against the computer and on a network
// host's screen, the current player's when two players share the screen.
int screenSeat(const Table& g);

} // namespace tarmigo
