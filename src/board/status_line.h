#pragma once
// The status line: one line of tips, prompts and rule messages under the hand. The
// message is kept by string id and number, one per seat (SeatState::status), and becomes text only
// when it is drawn, in the language of the surface it is drawn on.
#include "board/table.h"

#include <string>
#include <utility>

namespace tarmigo {

struct Board;

// Whether setting the status message also asks for a repaint of the status line, or
// leaves it to a paint that follows anyway.
enum class Refresh : bool { No = false, Yes = true };

// Sets a seat's status message (AllSeats: every seat's) to a string id (no message
// while tips are hidden).
void setStatus(Table& g, int seat, int id, Refresh refresh);
// The same, with a number for the "%d" of the text.
void setStatusNumber(Table& g, int seat, int id, int number, Refresh refresh);
// Sets the message that says to discard when the hand the screen shows has no card
// that can be played and none selected. Whoever is about to show the table does this
// (the window before its paint, the board before it turns a hand up): the paint itself
// changes nothing.
void noteNothingPlayable(Table& g);
// Whether the seat's own turn has no card it may lay and none selected: the seat is told
// to discard.
bool mustDiscard(const SeatView& view);

// Paints the status strip white without touching the message.
void clearStatusLine(const Board& b);
// Clears the strip and draws the message, unless tips are hidden.
void drawStatusLine(const Board& b);

// The status text starts this far in; a text wider than the line goes on to a second
// line this far below the first.
inline constexpr int StatusLeft = 5;
inline constexpr int StatusLineStep = 14;
// A status text as the lines it takes on a surface within room pixels: the first, and
// the rest (empty when it fits on one line or the surface cannot measure).
std::pair<std::string, std::string> wrapStatus(const DrawingSurface& s, const std::string& text,
                                               int room);

} // namespace tarmigo
