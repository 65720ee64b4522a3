#include "board/repaint.h"

namespace tarmigo {

void invalidateBoard(Game& g, bool erase) {
    g.host.invalidate(g.layout.boardRect(), erase);
}
void invalidateHand(Game& g) {
    g.host.invalidate(g.layout.handRect(), false);
}
void invalidateDeck(Game& g) {
    g.host.invalidate(g.layout.deckRect(), false);
}
void invalidateStatus(Game& g) {
    g.host.invalidate(g.layout.statusRect(), false);
}

} // namespace tarmigo
