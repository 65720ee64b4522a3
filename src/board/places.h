#pragma once
// The places of the board, each named by its target code (game/targets.h): the one
// numbering that a tap's hit test, a move's destination, the keyboard's focus ring and
// the screen reader's places all use. Each place has its box on the board and the
// point a tap on it hits.
#include "board/bitmaps.h"
#include "board/layout.h"
#include "game/targets.h"

#include <algorithm>
#include <array>

namespace tarmigo {

// A place: its target code, and for the score panel whose it is. The score panel has
// one code for both players' headers, which the hit test does not tell apart, but a
// screen reader reads each player's score on its own. The piles' codes hold their player.
struct Place {
    int target = target::Nothing;
    int player = 0; // the score panel's; 0 for every other place
    bool operator==(const Place&) const = default;
};

namespace place {

// The places the keyboard visits, in the order the arrow keys go through them: the
// seven hand slots, the draw pile, the discard pile and the status line.
inline constexpr std::array<int, 10> Visited = {
    1, 2, 3, 4, 5, 6, 7, target::DrawPile, target::DiscardPile, target::StatusLine};

// Where a place stands in Visited; -1 when the keyboard does not visit it.
inline constexpr int visitIndex(int target) {
    const auto* at = std::find(Visited.begin(), Visited.end(), target);
    return at == Visited.end() ? -1 : int(at - Visited.begin());
}

// The player whose place it is: the piles' codes say it, the score panel's Place does.
inline constexpr int playerOf(Place p) {
    const bool pile = p.target >= target::SafetyArea && p.target < target::DrawPile;
    return pile ? (p.target - target::SafetyArea) % 2 : p.player;
}

inline Rect box(const Layout& l, Place p) {
    const auto card = [](Point at) {
        return Rect{at.x, at.y, at.x + CardWidth, at.y + CardHeight};
    };
    const int t = p.target;
    if (target::isHandSlot(t)) return card(l.slotCard(t));
    if (t == target::DrawPile) return card(l.drawPileCard());
    if (t == target::DiscardPile) return card(l.discardCard());
    if (t == target::StatusLine) return l.statusRect();
    const int player = playerOf(p);
    const int x = l.panelX(player);
    switch (t - player) {
    case target::BattlePile: return card(l.battleCard(player));
    case target::SpeedPile: return card(l.speedCard(player));
    case target::DistanceArea: return {x, Layout::PileBottom + 1, x + l.panelWidth, l.handY};
    case target::SafetyArea:
        return {x, Layout::HeaderBottom + 1, x + l.panelWidth, Layout::SafetyBottom};
    default: break;
    }
    if (t == target::ScorePanel) return {x, 0, x + l.panelWidth, Layout::HeaderBottom};
    return {};
}

// The box the focus ring is drawn on: two pixels out round a card, the status strip's own.
inline Rect ringBox(const Layout& l, int target) {
    const Rect b = box(l, {target});
    if (target == target::StatusLine) return b;
    return {b.left - 2, b.top - 2, b.right + 2, b.bottom + 2};
}

// Where a tap on a place lands: the middle of a hand card, of the draw pile's place, of
// the status line and of a score panel (the discard pile's hits the draw pile, as a
// stylus there does).
inline Point tapPoint(const Layout& l, Place p) {
    const int t = p.target;
    if (target::isHandSlot(t)) return l.slotTap(t);
    if (t == target::DrawPile) return l.drawPileTap();
    if (t == target::DiscardPile) return {l.discardCard().x + CardWidth / 2, l.drawPileTap().y};
    if (t == target::StatusLine) return l.statusTap();
    const Rect r = box(l, p);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace place
} // namespace tarmigo
