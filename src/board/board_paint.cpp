// The full paint and the upper board: grid, mileage bar with the cars, headers.
#include "board/draw.h"
#include "board/status_line.h"
#include "board/surface.h"
#include "game/strings.h"

#include <string>

namespace tarmigo {
namespace {

// A single-pixel line is a one-pixel-wide or -high box outlined with the pen.
void line(DrawingSurface& s, int left, int top, int right, int bottom, Pen pen) {
    s.fillRect({left, top, right, bottom}, pen == Pen::White ? colors::White : colors::Black, pen);
}

} // namespace

void paintWindow(Table& g, DrawingSurface& surface) {
    DrawingSurface* previous = g.surface;
    g.surface = &surface;
    surface.setBackground(colors::White);
    drawBoard(g);
    g.surface = previous;
}

void drawBoard(Table& g) {
    if (!g.surface) return;
    drawGrid(g);
    drawLowerBoard(g);
    drawStatusLine(g);
}

void drawTextAt(Table& g, std::string_view text, int x, int y, HAlign align) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    if (align != HAlign::Right)
        g.surface->drawText(text, {x, y, l.screenWidth, l.screenHeight}, HAlign::Left, VAlign::Top);
    else
        g.surface->drawText(text, {0, y, x, l.screenHeight}, HAlign::Right, VAlign::Top);
}

void drawGrid(Table& g) {
    if (!g.surface) return;
    DrawingSurface& s = *g.surface;
    const Layout& l = g.layout;
    line(s, 0, l.statusY, l.screenWidth, l.statusY + 1, Pen::Black);
    line(s, 0, l.handY, l.screenWidth, l.handY + 1, Pen::Black);
    line(s, l.deckX, l.handY, l.deckX + 1, l.statusY, Pen::Black);
    for (int p = 0; p < 2; ++p) {
        int x = l.panelX(p);
        line(s, x, 30, x + l.panelWidth, 31, Pen::Black);
        line(s, x, 80, x + l.panelWidth, 81, Pen::Black);
        line(s, x + l.subColumn, 80, x + l.subColumn + 1, 130, Pen::Black);
        line(s, x, 130, x + l.panelWidth, 131, Pen::Black);
    }
    drawMileageBar(g);
    drawMilesAndHeaders(g);
}

void drawMileageBar(Table& g) {
    if (!g.surface) return;
    DrawingSurface& s = *g.surface;
    const Layout& l = g.layout;
    s.fillRect({l.panelWidth, -1, l.columnStride, l.handY + 1}, colors::LightGrey, Pen::Black);
    // The race line marks 700 miles; it stays there after an extension to 1000.
    int m = static_cast<int>((l.handY - 15) * 0.7);
    s.fillRect({l.panelWidth, l.handY - m - 15, l.columnStride, l.handY - m - 14},
               colors::LightGrey, Pen::Black);
    s.fillRect({l.halfWidth, 0, l.halfWidth + 1, l.handY}, colors::LightGrey, Pen::White);
    drawCarMarkers(g);
}

void drawCarMarkers(Table& g) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    constexpr int CarWidth = 12;
    constexpr int CarHeight = 15;
    for (int p = 0; p < 2; ++p) {
        // The bar is handY - 15 pixels tall for 1000 miles.
        int d = static_cast<int>(static_cast<double>((l.handY - 15) * g.players[p].miles) * 0.001);
        int x = p == 0 ? l.panelWidth + 2 : l.halfWidth + 2;
        int bitmap = p == 0 ? BlueCarBitmap : RedCarBitmap;
        g.surface->drawBitmap(bitmap, 0, x, l.handY - d - 15, CarWidth, CarHeight);
    }
}

void drawMilesAndHeaders(Table& g) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    for (int p = 0; p < 2; ++p) {
        drawTextAt(g, std::to_string(g.players[p].miles), l.panelX(p) + l.panelWidth - 5, 132,
                   HAlign::Right);
        drawPlayerHeader(g, p);
    }
}

void drawPlayerHeader(Table& g, int player) {
    if (!g.surface || !validPlayer(player)) return;
    DrawingSurface& s = *g.surface;
    const Layout& l = g.layout;
    const PlayerRecord& rec = g.players[player];
    bool current = player == g.currentPlayer;
    int x = l.panelX(player);

    s.fillRect({x, 0, x + l.panelWidth, 30}, current ? colors::Blue : colors::White, Pen::Null);
    Rgb saved = s.background();
    if (current) s.setBackground(colors::Blue);

    const int edges[4] = {x, x + l.panelWidth / 3, x + (2 * l.panelWidth) / 3, x + l.panelWidth};
    const int labels[3] = {text::LabelHand, text::LabelScore, text::LabelWon};
    const int values[3] = {rec.handScore, rec.gameScore, rec.gamesWon(g.playerCount)};
    for (int c = 0; c < 3; ++c) {
        Rect cell{edges[c], 2, edges[c + 1], 28};
        const char* label = stringText(labels[c]);
        s.drawText(label ? label : "", cell, HAlign::Center, VAlign::Top);
        s.drawText(std::to_string(values[c]), cell, HAlign::Center, VAlign::Bottom);
    }
    s.setBackground(saved);
}

void drawHeaders(Table& g) {
    drawPlayerHeader(g, 0);
    drawPlayerHeader(g, 1);
}

} // namespace tarmigo
