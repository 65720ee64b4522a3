#pragma once
// Cards sliding across the board.
#include "board/bitmaps.h"
#include "board/table.h"

namespace tarmigo {

constexpr int SlideStep = 4;

// One card picture moving across the board in steps of step pixels, delay ms apart.
struct Slide {
    int bitmap = 0;
    Point from;
    Point to;
    int delay = 0;
    // Whether the picture is left drawn at the end.
    bool finalDraw = true;
    int step = SlideStep;
    int width = CardWidth;
    int height = CardHeight;
};

void slideBitmap(Table& g, const Slide& slide);
// Slides the current player's selected card to (x, y) and leaves it drawn there.
void animatePlayedCard(Table& g, int x, int y);
// The slide of a card being drawn from the pile (before the state changes): the
// computer's card back flies to the top, a human's card face into its slot; then
// the pile picture thins as it runs out.
void animateDraw(Table& g);

} // namespace tarmigo
