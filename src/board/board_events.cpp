#include "board/board_events.h"

#include "board/animation.h"
#include "board/draw.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

constexpr int SafetyRowY = 49;
constexpr int PileY = 99;
constexpr int DistanceY = 149;

Card selectedCard(const Game& g) {
    const int s = g.own().selectedSlot();
    return s >= 1 && s <= HandSize ? g.own().slot(s) : Card(EmptySlot);
}

} // namespace

Point pileCardPosition(const Game& g, int t, int depth) {
    const Layout& l = g.layout;
    if (t == target::DiscardPile) return {l.deckX + 46, l.handY + 5};
    const int p = (t - target::SafetyArea) % 2;
    if (t - p == target::SafetyArea)
        return {l.panelX(p) + 23 * safetyBit(selectedCard(g)) + 5, SafetyRowY};
    if (t - p == target::BattlePile) return {l.panelX(p) + 5, PileY};
    if (t - p == target::SpeedPile) return {l.panelX(p) + l.subColumn + 5, PileY};
    const int k = selectedCard(g) - Distance25;
    return {l.panelX(p) + 19 * k + 5, DistanceY + 4 * depth};
}

void BoardEvents::cardLeavesHand(Game& g, int target, int depth) {
    const Point to = pileCardPosition(g, target, depth);
    animatePlayedCard(g, to.x, to.y);
}

void BoardEvents::cardLeavesDrawPile(Game& g) {
    animateDraw(g);
}

void BoardEvents::regionChanged(Game& g, Region region, int player) {
    switch (region) {
    case Region::Hand: invalidateHand(g); break;
    case Region::DrawPile: invalidateDeck(g); break;
    case Region::PlayerPanels: drawPlayerPanels(g); break;
    case Region::BattlePile: drawBattlePile(g, player); break;
    case Region::MilesAndHeaders: drawMilesAndHeaders(g); break;
    case Region::MileageBar: drawMileageBar(g); break;
    case Region::Board: invalidateBoard(g, false); break;
    }
}

void BoardEvents::statusMessage(Game& g, int stringId) {
    setStatus(g, stringId, true);
}

void BoardEvents::statusNumber(Game& g, int stringId, int number) {
    setStatusNumber(g, stringId, number, true);
}

BoardEvents& BoardEvents::instance() {
    static BoardEvents board;
    return board;
}

} // namespace tarmigo
