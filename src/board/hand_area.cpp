// The lower board: the hand row (or its cover), the deck area and the cards left.
#include "board/draw.h"
#include "board/status_line.h"
#include "board/surface.h"
#include "game/legality.h"
#include "game/strings.h"

#include <algorithm>
#include <string>

namespace tarmigo {

void drawLowerBoard(Table& g) {
    if (!g.surface) return;
    if (g.has(flag::turnHandover))
        coverHand(g);
    else
        drawHand(g);
    drawDeckArea(g);
    drawPlayerPanels(g);
    drawCardsLeft(g);
}

void drawHand(Table& g) {
    if (!g.surface) return;
    // The computer's hand is never shown: the row keeps its last picture.
    if (isComputerTurn(g)) return;
    DrawingSurface& s = *g.surface;
    const Layout& l = g.layout;
    s.fillRect({0, l.handY + 1, l.deckX, l.statusY}, colors::White, Pen::White);

    const PlayerRecord& own = g.own();
    bool greyOut = g.has(flag::showPlayable);
    bool anyPlayable = false;
    for (int slot = 1; slot <= HandSize; ++slot) {
        bool playable = isSlotPlayable(g, slot);
        anyPlayable = anyPlayable || playable;
        int tint = !playable && greyOut ? GreyCardBitmap : 0;
        const Point at = l.slotCard(slot);
        s.drawBitmap(own.slot(slot), tint, at.x, at.y, CardWidth, CardHeight);
    }
    int selected = own.selectedSlot();
    // Set during the paint, before the status line is drawn, so no refresh is asked.
    if (!anyPlayable && selected == 0) setStatus(g, text::MustDiscard, Refresh::No);
    if (selected >= 1 && selected <= HandSize) invertSlotHighlight(g, selected);
    drawHeaders(g);
}

void coverHand(Table& g) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    g.surface->fillRect({1, l.handY + 1, l.deckX, l.statusY}, colors::LightGrey, Pen::White);
}

void drawDeckArea(Table& g) {
    if (!g.surface) return;
    DrawingSurface& s = *g.surface;
    const Layout& l = g.layout;
    int pos = g.round.deckPos;
    s.fillRect({l.deckX + 1, l.handY + 1, l.screenWidth, l.statusY}, colors::White, Pen::White);
    // With two or more cards left a second back peeks out beneath the top card.
    const Point pile = l.drawPileCard();
    if (pos < DeckSize - 1)
        s.drawBitmap(CardBackBitmap, 0, pile.x + 1, pile.y + 1, CardWidth, CardHeight);
    int top = pos <= DeckSize - 1 ? CardBackBitmap : int(EmptySlot);
    s.drawBitmap(top, 0, pile.x, pile.y, CardWidth, CardHeight);
    int discard = g.round.discardTop != 0 ? int(g.round.discardTop) : int(EmptySlot);
    const Point discardAt = l.discardCard();
    s.drawBitmap(discard, 0, discardAt.x, discardAt.y, CardWidth, CardHeight);
    s.fillRect({l.deckX + 5, l.handY + 5, l.deckX + 15, l.handY + 15},
               g.discardArmed ? colors::Red : colors::White, Pen::White);
}

void drawCardsLeft(Table& g) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    // A damaged record may hold a deck position past the end: the pile is then empty.
    int left = std::max(0, DeckSize - g.round.deckPos);
    // The two blanks, painted opaque, wipe out the leading digit of a longer count.
    g.surface->drawText("  " + std::to_string(left),
                        {l.deckX + 1, l.handY, l.deckX + 18, l.handY + 31}, HAlign::Right,
                        VAlign::Bottom);
}

void invertSlotHighlight(Table& g, int slot) {
    if (!g.surface) return;
    const Point card = g.layout.slotCard(slot);
    g.surface->invertRect(card.x + 1, card.y + 4, 16, 18);
}

} // namespace tarmigo
