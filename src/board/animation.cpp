// Cards sliding across the board, step by step, on the current surface.
#include "board/animation.h"
#include "board/status_line.h"
#include "board/surface.h"

#include <algorithm>
#include <cstdlib>

namespace tarmigo {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

void slideBitmap(Table& g, const Slide& slide) {
    if (!g.surface) return;
    const int bitmap = slide.bitmap;
    const int x0 = slide.from.x;
    const int y0 = slide.from.y;
    const int x1 = slide.to.x;
    const int y1 = slide.to.y;
    const int w = slide.width;
    const int h = slide.height;
    const int step = slide.step;
    const bool finalDraw = slide.finalDraw;
    DrawingSurface& s = *g.surface;
    if (!g.has(flag::animate)) {
        if (finalDraw) s.drawBitmap(bitmap, 0, x1, y1, w, h);
        return;
    }

    const int dx = x1 - x0;
    const int dy = y1 - y0;
    double incX = 0.0;
    double incY = 0.0;
    int steps = 0;
    // A step of zero or less would never arrive: such a slide has no steps.
    if (step > 0) {
        if (std::abs(dx) > std::abs(dy)) {
            incX = sign(dx) * step;
            incY = std::abs(static_cast<double>(dy) / dx) * sign(dy) * step;
            steps = std::abs(dx) / step;
        } else if (dy != 0) {
            incX = std::abs(static_cast<double>(dx) / dy) * sign(dx) * step;
            incY = sign(dy) * step;
            steps = std::abs(dy) / step;
        }
    }

    const int pause = std::max(0, slide.delay);
    double fx = x0;
    double fy = y0;
    int x = x0;
    int y = y0;
    for (int i = 0; i < steps; ++i) {
        s.saveBlock(x, y, w, h);
        s.drawBitmap(bitmap, 0, x, y, w, h);
        g.presentation.frame(pause);
        fx += incX;
        fy += incY;
        const int nextX = static_cast<int>(fx);
        const int nextY = static_cast<int>(fy);
        s.restoreBlock(x, y);
        x = nextX;
        y = nextY;
    }
    // The steps stop short of the end, and truncation may leave a pixel off.
    if (finalDraw) s.drawBitmap(bitmap, 0, x1, y1, w, h);
}

void animatePlayedCard(Table& g, const Laid& share, Point to) {
    if (!g.surface) return;
    clearStatusLine(g);
    if (!isCard(share.card)) return; // every move lays a card; without one nothing slides
    const Layout& l = g.layout;
    Point from{l.halfWidth, 0};
    if (share.slot >= 1 && share.slot <= HandSize) {
        from = l.slotCard(share.slot);
        g.surface->drawBitmap(EmptySlot, 0, from.x, from.y, CardWidth, CardHeight);
    }
    slideBitmap(g, {.bitmap = share.card, .from = from, .to = to, .delay = g.round.animDelay});
}

void animateDraw(Table& g, const Drawn& share) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    const int pos = DeckSize - 1 - share.cardsLeft; // where the drawn card lay in the deck
    if (pos < 0 || pos >= DeckSize) return;
    const int pileX = l.drawPileCard().x;
    const int pileY = l.drawPileCard().y;
    if (share.slot >= 1 && share.slot <= HandSize) {
        slideBitmap(g, {.bitmap = share.card,
                        .from = {pileX, pileY},
                        .to = l.slotCard(share.slot),
                        .delay = g.round.animDelay});
    } else {
        slideBitmap(g, {.bitmap = CardBackBitmap,
                        .from = {pileX, pileY},
                        .to = {l.halfWidth, 0},
                        .delay = g.round.animDelay,
                        .finalDraw = false});
    }
    // The pile thins as it runs out: one card left shows no edge, none shows the blank.
    if (pos == DeckSize - 2 || pos == DeckSize - 1) {
        g.surface->fillRect({l.deckX + 41, l.handY + 6, l.deckX + 42, l.handY + 32}, colors::White,
                            Pen::White);
        g.surface->fillRect({l.deckX + 24, l.handY + 31, l.deckX + 42, l.handY + 32}, colors::White,
                            Pen::White);
    }
    if (pos == DeckSize - 1)
        g.surface->drawBitmap(EmptySlot, 0, pileX, pileY, CardWidth, CardHeight);
}

} // namespace tarmigo
