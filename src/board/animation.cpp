// Cards sliding across the board, step by step.
#include "board/animation.h"
#include "board/draw.h"
#include "board/presentation.h"
#include "board/status_line.h"
#include "board/surface.h"
#include "game/targets.h"

#include <algorithm>
#include <cstdlib>

namespace tarmigo {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

Point pileCardPosition(const Layout& l, int t, Card card, int depth) {
    if (t == target::DiscardPile) return l.discardCard();
    const int p = (t - target::SafetyArea) % 2;
    if (t - p == target::SafetyArea) return l.safetyCard(p, safetyBit(card));
    if (t - p == target::BattlePile) return l.battleCard(p);
    if (t - p == target::SpeedPile) return l.speedCard(p);
    return l.distanceCard(p, card - Distance25, depth);
}

void slideBitmap(const SlideStage& stage, const Slide& slide) {
    const int bitmap = slide.bitmap;
    const int x0 = slide.from.x;
    const int y0 = slide.from.y;
    const int x1 = slide.to.x;
    const int y1 = slide.to.y;
    const int w = slide.width;
    const int h = slide.height;
    const int step = slide.step;
    DrawingSurface& s = stage.surface;
    if (!stage.animate) {
        if (slide.finalDraw) s.drawBitmap(bitmap, 0, x1, y1, w, h);
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
        stage.frames.frame(pause);
        fx += incX;
        fy += incY;
        const int nextX = static_cast<int>(fx);
        const int nextY = static_cast<int>(fy);
        s.restoreBlock(x, y);
        x = nextX;
        y = nextY;
    }
    // The steps stop short of the end, and truncation may leave a pixel off.
    if (slide.finalDraw) s.drawBitmap(bitmap, 0, x1, y1, w, h);
}

void slideLaid(const SlideStage& stage, const Laid& share) {
    static const SeatView nothing; // clearing the status line shows nothing of the game
    clearStatusLine(Board{nothing, stage.layout, stage.surface});
    if (!isCard(share.card)) return; // every move lays a card; without one nothing slides
    const Layout& l = stage.layout;
    Point from{l.halfWidth, 0};
    if (share.slot >= 1 && share.slot <= HandSize) {
        from = l.slotCard(share.slot);
        stage.surface.drawBitmap(EmptySlot, 0, from.x, from.y, CardWidth, CardHeight);
    }
    slideBitmap(stage, {.bitmap = share.card,
                        .from = from,
                        .to = pileCardPosition(l, share.target, share.card, share.depth),
                        .delay = stage.delay});
}

void slideDrawn(const SlideStage& stage, const Drawn& share) {
    const Layout& l = stage.layout;
    const int pos = DeckSize - 1 - share.cardsLeft; // where the drawn card lay in the deck
    if (pos < 0 || pos >= DeckSize) return;
    const Point pile = l.drawPileCard();
    if (share.slot >= 1 && share.slot <= HandSize) {
        slideBitmap(stage, {.bitmap = share.card,
                            .from = pile,
                            .to = l.slotCard(share.slot),
                            .delay = stage.delay});
    } else {
        slideBitmap(stage, {.bitmap = CardBackBitmap,
                            .from = pile,
                            .to = {l.halfWidth, 0},
                            .delay = stage.delay,
                            .finalDraw = false});
    }
    // The pile thins as it runs out: one card left shows no edge, none shows the blank.
    DrawingSurface& s = stage.surface;
    if (pos == DeckSize - 2 || pos == DeckSize - 1) {
        s.fillRect({l.deckX + 41, l.handY + 6, l.deckX + 42, l.handY + 32}, colors::White,
                   Pen::White);
        s.fillRect({l.deckX + 24, l.handY + 31, l.deckX + 42, l.handY + 32}, colors::White,
                   Pen::White);
    }
    if (pos == DeckSize - 1) s.drawBitmap(EmptySlot, 0, pile.x, pile.y, CardWidth, CardHeight);
}

} // namespace tarmigo
