#include "board/repaint.h"

namespace tarmigo {

void invalidateBoard(Table& g, bool erase) {
    g.screenHost.invalidate(g.layout.boardRect(), erase);
}
void invalidateHand(Table& g) {
    g.screenHost.invalidate(g.layout.handRect(), false);
}
void invalidateDeck(Table& g) {
    g.screenHost.invalidate(g.layout.deckRect(), false);
}
void invalidateStatus(Table& g) {
    g.screenHost.invalidate(g.layout.statusRect(), false);
}

} // namespace tarmigo
