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

void drawStatusLine(const Board& b) {
    clearStatusLine(b);
    const StatusMessage& message = b.view.status;
    if (message.id == 0 || b.view.hideTips) return;
    const std::string text = messageText(b.surface.text(message.id), message);
    if (text.empty()) return;
    const int room = b.layout.screenWidth - StatusLeft;
    const auto [first, second] = wrapStatus(b.surface, text, room);
    drawTextAt(b, first, StatusLeft, b.layout.statusY + 2, HAlign::Left);
    if (!second.empty())
        drawTextAt(b, second, StatusLeft, b.layout.statusY + 2 + StatusLineStep, HAlign::Left);
}

std::pair<std::string, std::string> wrapStatus(const DrawingSurface& s, const std::string& text,
                                               int room) {
    const int width = s.textWidth(text);
    if (width <= room) return {text, {}};
    // Broken at the last space that leaves the first line within the room; a text
    // without one stays whole and is cut at the edge as before.
    for (auto at = text.rfind(' '); at != std::string::npos && at > 0;
         at = text.rfind(' ', at - 1)) {
        if (s.textWidth(std::string_view(text).substr(0, at)) <= room)
            return {text.substr(0, at), text.substr(at + 1)};
    }
    return {text, {}};
}

} // namespace tarmigo
