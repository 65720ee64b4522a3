#pragma once
// The places of the board that the keyboard visits, in the order the arrow keys go
// through them: the seven hand slots, the draw pile, the discard pile and the status
// line. Each has its box (for the focus ring) and the point a tap on it hits.
#include "board/bitmaps.h"
#include "board/layout.h"

namespace tarmigo::place {

inline constexpr int FirstSlot = 0; // slot s is place s - 1
inline constexpr int DrawPile = 7;
inline constexpr int DiscardPile = 8;
inline constexpr int StatusLine = 9;
inline constexpr int Count = 10;

inline Rect box(const Layout& l, int place) {
    const auto card = [](Point p) { return Rect{p.x, p.y, p.x + CardWidth, p.y + CardHeight}; };
    if (place == DrawPile) return card(l.drawPileCard());
    if (place == DiscardPile) return card(l.discardCard());
    if (place == StatusLine) return l.statusRect();
    return card(l.slotCard(place + 1));
}

// The box the focus ring is drawn on: two pixels out round a card, the status strip's own.
inline Rect ringBox(const Layout& l, int place) {
    const Rect b = box(l, place);
    if (place == StatusLine) return b;
    return {b.left - 2, b.top - 2, b.right + 2, b.bottom + 2};
}

inline Point tapPoint(const Layout& l, int place) {
    if (place == DrawPile) return l.drawPileTap();
    if (place == DiscardPile) return {l.discardCard().x + CardWidth / 2, l.drawPileTap().y};
    if (place == StatusLine) return l.statusTap();
    return l.slotTap(place + 1);
}

} // namespace tarmigo::place
