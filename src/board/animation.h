#pragma once
// Cards sliding across the board.
#include "game/game.h"

namespace tarmigo {

constexpr int SlideStep = 4;

void slideBitmap(Game& g, int bitmap, int x0, int y0, int w, int h, int x1, int y1, int step,
                 int delay, bool finalDraw);
// Slides the current player's selected card to (x, y) and leaves it drawn there.
void animatePlayedCard(Game& g, int x, int y);
// The slide of a card being drawn from the pile (before the state changes): the
// computer's card back flies to the top, a human's card face into its slot; then
// the pile picture thins as it runs out.
void animateDraw(Game& g);

} // namespace tarmigo
