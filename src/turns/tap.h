#pragma once
// Stylus taps: hit-testing, card selection by the play and discard modes, the
// turn passing, the computer's turn and the two-player hand-over.
#include "board/table.h"
#include "game/moves.h"

namespace tarmigo {

// Everything a tap does before the save: the move, the turn passing, the
// computer's turn and the two-player hand-over.
// A move that asks a question (Game::pending) stops there, and the answer plays the rest.
void playTap(Table& g, int x, int y);
// The same with the place tapped (game/targets.h) in place of the point, past the
// hand-over: a network game's inputs, which come as places.
void playTarget(Table& g, int target);
void answerDecision(Table& g, bool yes);
// Between two players at one screen, the next player takes the device (a tap on the
// status line or below during the hand-over).
void takeOverDevice(Table& g);
// Plays a history's moves again from its start on g (its records and deck become the
// start's); false when the moves ran out before the computer's choices did, or an Undo or
// a Redo had nothing to take back or play again.
bool replayHistory(Table& g, const HandMoves& h);
// Plays a history's next input (log.next) on g, with the computer's choices that follow
// it taken from the log too: one person's input and all it causes.
void playNextInput(Table& g, MoveHistory& log);
// The place (game/targets.h) a tap at (x, y) of the board lands on.
int hitTest(const Layout& l, int x, int y);
// A tap's target becomes a move: selects a tapped card by the modes, then plays it.
MoveResult executeTarget(Table& g, int target);
void markSlot(Table& g, int slot);
// What follows a move the rules refused, by the discard mode.
MoveResult handleRefusedMove(Table& g);
// The computer draws and plays until a move passes the turn, or TurnAttempts are used
// (ai/turn.h). Returns false when the hand ended during the turn.
bool computerTurn(Table& g);

} // namespace tarmigo
