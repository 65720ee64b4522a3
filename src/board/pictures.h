#pragma once
// The window makes a move's pictures when it plays them: a card's slide from the move
// alone, a part of the board from the view it was queued with, on the window's own
// layout. What comes out is drawing calls and frames, as if drawn straight onto it.
#include "board/layout.h"
#include "board/presentation.h"

namespace tarmigo {

// Makes a Slide or Show step's drawing calls and frames, in order, into made.
void makePicture(const Step& step, const Layout& layout, Presentation& made);

// Makes every Slide and Show step queued into its drawing calls and frames where it
// stands, the other steps kept in their order: the queue as the window plays it.
void makePictures(Presentation& queue, const Layout& layout);

} // namespace tarmigo
