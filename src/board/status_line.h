#pragma once
// The status line: one line of tips, prompts and rule messages under the hand.
#include "board/table.h"

namespace tarmigo {

// Whether setting the status text also asks for a repaint of the status line, or
// leaves it to a paint that follows anyway.
enum class Refresh : bool { No = false, Yes = true };

// Sets the status text to a string id's text (blank while tips are hidden).
void setStatus(Table& g, int id, Refresh refresh);
// The same, with the "%d" of the text replaced by a number.
void setStatusNumber(Table& g, int id, int number, Refresh refresh);

// Paints the status strip white without touching the text.
void clearStatusLine(Table& g);
// Clears the strip and draws the text, unless tips are hidden.
void drawStatusLine(Table& g);

} // namespace tarmigo
