// The two player panels: safety row, battle pile, speed pile and distance area.
#include "board/draw.h"
#include "board/surface.h"
#include "game/strings.h"

#include <algorithm>
#include <string>

namespace tarmigo {
namespace {

void drawLabel(const Board& b, int id, int x, int y) {
    drawTextAt(b, b.surface.text(id), x, y, HAlign::Left);
}

// No stack of a 1000-mile race holds more than ten cards; a damaged record must not
// draw a stack down over the hand row.
constexpr int MaxStackHeight = 10;

} // namespace

void drawPlayerPanels(const Board& b) {
    for (int p = 0; p < 2; ++p) {
        drawSafetyRow(b, p);
        drawBattlePile(b, p);
        drawSpeedPile(b, p);
        drawDistanceArea(b, p);
    }
}

void drawSafetyRow(const Board& b, int player) {
    if (!validPlayer(player)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    const PlayerView& rec = b.view.players[player];
    int x = l.panelX(player);
    s.fillRect({x, Layout::HeaderBottom + 1, x + l.panelWidth, Layout::SafetyBottom}, colors::White,
               Pen::White);
    drawLabel(b, text::LabelSafety, x + 5, 32);
    // A network game marks the window's own side, across from the label.
    if (player == l.ownSeat)
        drawTextAt(b, s.text(text::SideYou), x + l.panelWidth - 5, 32, HAlign::Right);
    for (int i = 0; i < 4; ++i) {
        const Point card = l.safetyCard(player, i);
        if ((rec.safeties >> i) & 1)
            s.drawBitmap(RightOfWay + i, 0, card.x, card.y, CardWidth, CardHeight);
        // A coup fourre wears the same inverted box as a hand highlight.
        if ((rec.coupFourre >> i) & 1) s.invertRect(card.x + 1, card.y + 4, 16, 18);
    }
}

void drawBattlePile(const Board& b, int player) {
    if (!validPlayer(player)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    int x = l.panelX(player);
    bool moving = b.view.players[player].moving;
    s.fillRect({x, Layout::SafetyBottom + 1, x + l.subColumn, Layout::PileBottom},
               moving ? colors::Green : colors::White, Pen::Null);
    Rgb saved = s.background();
    if (moving) s.setBackground(colors::Green);
    drawLabel(b, text::LabelHazard, x + 5, 82);
    int battle = b.view.players[player].battle;
    // Values 5 and 10..15 never occur; a damaged record shows an empty pile.
    const Point card = l.battleCard(player);
    if ((battle >= BattleGo && battle <= 4) || isHazardBattle(battle))
        s.drawBitmap(battle + 106, 0, card.x, card.y, CardWidth, CardHeight);
    s.setBackground(saved);
}

void drawSpeedPile(const Board& b, int player) {
    if (!validPlayer(player)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    int x = l.panelX(player) + l.subColumn;
    s.fillRect(
        {x + 1, Layout::SafetyBottom + 1, l.panelX(player) + l.panelWidth, Layout::PileBottom},
        colors::White, Pen::White);
    drawLabel(b, text::LabelSpeed, x + 5, 82);
    int speed = b.view.players[player].speed;
    const Point card = l.speedCard(player);
    if (speed == SpeedLimited)
        s.drawBitmap(SpeedLimit, 0, card.x, card.y, CardWidth, CardHeight);
    else if (speed == SpeedEnded)
        s.drawBitmap(EndOfLimit, 0, card.x, card.y, CardWidth, CardHeight);
}

void drawDistanceArea(const Board& b, int player) {
    if (!validPlayer(player)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    const PlayerView& rec = b.view.players[player];
    const PlayerView& other = b.view.players[1 - player];
    int x = l.panelX(player);
    s.fillRect({x, 131, x + l.panelWidth, l.handY}, colors::White, Pen::White);
    drawLabel(b, text::LabelDistance, x + 5, 132);
    drawTextAt(b, std::to_string(rec.miles), x + l.panelWidth - 5, 132, HAlign::Right);

    // Equal mileages short of 1000 give no flag to either side.
    if (b.view.handOver && (rec.miles == ExtendedRace || rec.miles > other.miles)) {
        constexpr int FlagSize = 32;
        s.drawBitmap(FlagBitmap, 0, x + 23, Layout::DistanceY, FlagSize, FlagSize);
        drawLabel(b, text::LabelWinner, x + 23, 183);
        return;
    }
    for (int i = 0; i < 5; ++i) {
        int count = std::min(rec.distancePlayed[i], MaxStackHeight);
        for (int j = 0; j < count; ++j) {
            const Point card = l.distanceCard(player, i, j);
            s.drawBitmap(Distance25 + i, 0, card.x, card.y, CardWidth, CardHeight);
        }
    }
}

} // namespace tarmigo
