#pragma once
// Cards sliding across the board.
#include "board/bitmaps.h"
#include "board/table.h"
#include "game/move_record.h"

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
// A card laid slides to `to` and stays drawn there. `share` is the screen's share of the
// move: with a slot, the screen shows the mover's hand and the card leaves it; without
// one (the computer's hand, a network guest's on the host's screen) it comes from the
// top of the board.
void animatePlayedCard(Table& g, const Laid& share, Point to);
// A card drawn (before the state changes): by the screen's share, its face slides into
// its slot, or a card back flies to the top of the board and no card is left drawn in
// the screen's hand; then the pile picture thins as it runs out.
void animateDraw(Table& g, const Drawn& share);

} // namespace tarmigo
