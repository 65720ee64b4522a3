#pragma once
// Cards sliding across the board, made from a move alone: the card laid or drawn (the
// screen's share of it), the board's layout and the Options. Nothing of the game is
// read, so the window's own game, the hosted and the joined make their slides alike.
#include "board/bitmaps.h"
#include "board/layout.h"
#include "game/move_record.h"

namespace tarmigo {

class DrawingSurface;
class Presentation;

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

// Where slides are drawn and paced: the surface, the queue that takes their frames, the
// layout, and the Options that say whether cards slide and how fast.
struct SlideStage {
    DrawingSurface& surface;
    Presentation& frames;
    const Layout& layout;
    bool animate = true;
    int delay = 0;
};

void slideBitmap(const SlideStage& stage, const Slide& slide);
// A card laid slides to its pile and stays drawn there. With a slot (the screen shows
// the mover's hand) the card leaves it; without one (the computer's hand, the other seat's
// of a network game) it comes from the top of the board.
void slideLaid(const SlideStage& stage, const Laid& share);
// A card drawn: with a slot its face slides into it, without one a card back flies to the
// top of the board and nothing is left drawn; then the pile thins as it runs out.
void slideDrawn(const SlideStage& stage, const Drawn& share);

// Where `card`, laid on the pile of a target code, comes to rest; depth: the cards
// already in its distance column.
Point pileCardPosition(const Layout& l, int target, Card card, int depth);

} // namespace tarmigo
