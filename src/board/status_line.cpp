// Drawing the status line under the hand row.
#include "board/status_line.h"
#include "board/draw.h"
#include "board/surface.h"

namespace tarmigo {

void clearStatusLine(const Board& b) {
    const Layout& l = b.layout;
    b.surface.fillRect({0, l.statusY + 1, l.screenWidth, l.boardBottom()}, colors::White,
                       Pen::White);
}

void clearStatusLine(Table& g) {
    if (!g.surface) return;
    static const SeatView nothing; // clearing shows nothing of the game
    clearStatusLine(Board{nothing, g.layout, *g.surface});
}

void drawStatusLine(const Board& b) {
    clearStatusLine(b);
    const StatusMessage& message = b.view.status;
    if (message.id == 0 || b.view.hideTips) return;
    const std::string text = messageText(b.surface.text(message.id), message);
    if (text.empty()) return;
    drawTextAt(b, text, 5, b.layout.statusY + 2, HAlign::Left);
}

} // namespace tarmigo
