// Drawing the status line under the hand row.
#include "board/status_line.h"
#include "board/draw.h"
#include "board/surface.h"

namespace tarmigo {

void clearStatusLine(Table& g) {
    if (!g.surface) return;
    const Layout& l = g.layout;
    g.surface->fillRect({0, l.statusY + 1, l.screenWidth, l.screenHeight - 26}, colors::White,
                        Pen::White);
}

void drawStatusLine(Table& g) {
    if (!g.surface) return;
    clearStatusLine(g);
    if (g.statusText.empty() || g.has(flag::hideTips)) return;
    drawTextAt(g, g.statusText, 5, g.layout.statusY + 2, HAlign::Left);
}

} // namespace tarmigo
