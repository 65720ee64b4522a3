// The lower board: the hand row (or its cover), the deck area and the cards left.
#include "board/draw.h"
#include "board/status_line.h"
#include "board/surface.h"
#include "game/strings.h"

#include <algorithm>
#include <string>

namespace tarmigo {

bool mustDiscard(const SeatView& view) {
    if (!view.handShown || !view.isOwnTurn() || view.selectedSlot != 0) return false;
    return std::none_of(view.playable.begin(), view.playable.end(),
                        [](bool playable) { return playable; });
}

void noteNothingPlayable(Table& g) {
    // Set before the hand and the status line are drawn, so no refresh is asked.
    if (mustDiscard(tableView(g))) setStatus(g, screenSeat(g), text::MustDiscard, Refresh::No);
}

void drawLowerBoard(const Board& b) {
    if (b.view.turnHandover)
        coverHand(b);
    else
        drawHand(b);
    drawDeckArea(b);
    drawPlayerPanels(b);
    drawCardsLeft(b);
}

void drawHand(const Board& b) {
    const SeatView& v = b.view;
    // The computer's hand is never shown: the row keeps its last picture. A network game's
    // window shows its seat's hand whoever is to move, so that a view given without a move
    // (a join, a resumed game, a new hand) shows that seat's cards at once.
    if (!v.handShown || (!v.isOwnTurn() && b.layout.ownSeat < 0)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    s.fillRect({0, l.handY + 1, l.deckX, l.statusY}, colors::White, Pen::White);

    for (int slot = 1; slot <= HandSize; ++slot) {
        int tint = !v.playable[slot - 1] && v.showPlayable ? GreyCardBitmap : 0;
        const Point at = l.slotCard(slot);
        s.drawBitmap(v.hand[slot - 1], tint, at.x, at.y, CardWidth, CardHeight);
    }
    if (v.selectedSlot >= 1 && v.selectedSlot <= HandSize) invertSlotHighlight(b, v.selectedSlot);
    drawHeaders(b);
}

void coverHand(const Board& b) {
    const Layout& l = b.layout;
    b.surface.fillRect({1, l.handY + 1, l.deckX, l.statusY}, colors::LightGrey, Pen::White);
}

void drawDeckArea(const Board& b) {
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    const int left = b.view.cardsLeft;
    s.fillRect({l.deckX + 1, l.handY + 1, l.screenWidth, l.statusY}, colors::White, Pen::White);
    // With two or more cards left a second back peeks out beneath the top card.
    const Point pile = l.drawPileCard();
    if (left >= 2) s.drawBitmap(CardBackBitmap, 0, pile.x + 1, pile.y + 1, CardWidth, CardHeight);
    int top = left >= 1 ? CardBackBitmap : int(EmptySlot);
    s.drawBitmap(top, 0, pile.x, pile.y, CardWidth, CardHeight);
    const Point discardAt = l.discardCard();
    s.drawBitmap(b.view.discardTop, 0, discardAt.x, discardAt.y, CardWidth, CardHeight);
    s.fillRect({l.deckX + 5, l.handY + 5, l.deckX + 15, l.handY + 15},
               b.view.discardArmed ? colors::Red : colors::White, Pen::White);
}

void drawCardsLeft(const Board& b) {
    const Layout& l = b.layout;
    // The two blanks, painted opaque, wipe out the leading digit of a longer count.
    b.surface.drawText("  " + std::to_string(b.view.cardsLeft),
                       {l.deckX + 1, l.handY, l.deckX + 18, l.handY + 31}, HAlign::Right,
                       VAlign::Bottom);
}

void invertSlotHighlight(const Board& b, int slot) {
    const Point card = b.layout.slotCard(slot);
    b.surface.invertRect(card.x + 1, card.y + 4, 16, 18);
}

} // namespace tarmigo
