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

SeatView tableView(const Table& g) {
    SeatView view = viewFor(g, screenSeat(g));
    view.discardArmed = g.seats[view.seat].discardArmed;
    return view;
}

void paintWindow(const Table& g, DrawingSurface& surface) {
    paintView(Board{tableView(g), g.layout, surface});
}

void paintView(const Board& b) {
    b.surface.setBackground(colors::White);
    drawBoard(b);
}

void drawBoard(const Board& b) {
    drawGrid(b);
    drawLowerBoard(b);
    drawStatusLine(b);
}

void drawTextAt(const Board& b, std::string_view text, int x, int y, HAlign align) {
    const Layout& l = b.layout;
    if (align != HAlign::Right)
        b.surface.drawText(text, {x, y, l.screenWidth, l.screenHeight}, HAlign::Left, VAlign::Top);
    else
        b.surface.drawText(text, {0, y, x, l.screenHeight}, HAlign::Right, VAlign::Top);
}

void drawGrid(const Board& b) {
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    line(s, 0, l.statusY, l.screenWidth, l.statusY + 1, Pen::Black);
    line(s, 0, l.handY, l.screenWidth, l.handY + 1, Pen::Black);
    line(s, l.deckX, l.handY, l.deckX + 1, l.statusY, Pen::Black);
    for (int p = 0; p < 2; ++p) {
        int x = l.panelX(p);
        line(s, x, Layout::HeaderBottom, x + l.panelWidth, Layout::HeaderBottom + 1, Pen::Black);
        line(s, x, Layout::SafetyBottom, x + l.panelWidth, Layout::SafetyBottom + 1, Pen::Black);
        line(s, x + l.subColumn, Layout::SafetyBottom, x + l.subColumn + 1, Layout::PileBottom,
             Pen::Black);
        line(s, x, Layout::PileBottom, x + l.panelWidth, Layout::PileBottom + 1, Pen::Black);
    }
    drawMileageBar(b);
    drawMilesAndHeaders(b);
}

void drawMileageBar(const Board& b) {
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    s.fillRect({l.panelWidth, -1, l.columnStride, l.handY + 1}, colors::LightGrey, Pen::Black);
    // The race line marks 700 miles; it stays there after an extension to 1000.
    int m = static_cast<int>((l.handY - 15) * 0.7);
    s.fillRect({l.panelWidth, l.handY - m - 15, l.columnStride, l.handY - m - 14},
               colors::LightGrey, Pen::Black);
    s.fillRect({l.halfWidth, 0, l.halfWidth + 1, l.handY}, colors::LightGrey, Pen::White);
    drawCarMarkers(b);
}

void drawCarMarkers(const Board& b) {
    const Layout& l = b.layout;
    constexpr int CarWidth = 12;
    constexpr int CarHeight = 15;
    for (int p = 0; p < 2; ++p) {
        // The bar is handY - 15 pixels tall for 1000 miles.
        int d =
            static_cast<int>(static_cast<double>((l.handY - 15) * b.view.players[p].miles) * 0.001);
        // Each car in the bar's half on its player's side; its colour is the player's.
        int x = l.sideOf(p) == 0 ? l.panelWidth + 2 : l.halfWidth + 2;
        int bitmap = p == 0 ? BlueCarBitmap : RedCarBitmap;
        b.surface.drawBitmap(bitmap, 0, x, l.handY - d - 15, CarWidth, CarHeight);
    }
}

void drawMilesAndHeaders(const Board& b) {
    const Layout& l = b.layout;
    for (int p = 0; p < 2; ++p) {
        drawTextAt(b, std::to_string(b.view.players[p].miles), l.panelX(p) + l.panelWidth - 5, 132,
                   HAlign::Right);
        drawPlayerHeader(b, p);
    }
}

void drawPlayerHeader(const Board& b, int player) {
    if (!validPlayer(player)) return;
    DrawingSurface& s = b.surface;
    const Layout& l = b.layout;
    const PlayerView& rec = b.view.players[player];
    bool current = player == b.view.currentPlayer;
    int x = l.panelX(player);

    s.fillRect({x, 0, x + l.panelWidth, Layout::HeaderBottom},
               current ? colors::Blue : colors::White, Pen::Null);
    Rgb saved = s.background();
    if (current) s.setBackground(colors::Blue);

    const int edges[4] = {x, x + l.panelWidth / 3, x + (2 * l.panelWidth) / 3, x + l.panelWidth};
    const int labels[3] = {text::LabelHand, text::LabelScore, text::LabelWon};
    const int values[3] = {rec.handScore, rec.gameScore, rec.gamesWon};
    for (int c = 0; c < 3; ++c) {
        Rect cell{edges[c], 2, edges[c + 1], 28};
        s.drawText(s.text(labels[c]), cell, HAlign::Center, VAlign::Top);
        s.drawText(std::to_string(values[c]), cell, HAlign::Center, VAlign::Bottom);
    }
    s.setBackground(saved);
}

void drawHeaders(const Board& b) {
    drawPlayerHeader(b, 0);
    drawPlayerHeader(b, 1);
}

} // namespace tarmigo
