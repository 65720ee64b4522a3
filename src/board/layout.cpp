#include "board/layout.h"

namespace tarmigo {

Layout computeLayout(std::int16_t width, std::int16_t height) {
    Layout l;
    l.screenWidth = width;
    l.screenHeight = height;
    l.halfWidth = width / 2;
    l.panelWidth = width / 2 - 16;
    l.subColumn = (width / 2 - 16) / 2;
    l.columnStride = width / 2 + 16;
    l.deckX = width - 69;
    l.statusY = height - 70;
    l.handY = height - 106;
    return l;
}

} // namespace tarmigo
