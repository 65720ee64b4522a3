#include "board/repaint.h"

namespace tarmigo {

void invalidateBoard(Table& g) {
    g.screenHost.invalidate(g.layout.boardRect());
}
void invalidateHand(Table& g) {
    g.screenHost.invalidate(g.layout.handRect());
}
void invalidateDeck(Table& g) {
    g.screenHost.invalidate(g.layout.deckRect());
}
void invalidateStatus(Table& g) {
    g.screenHost.invalidate(g.layout.statusRect());
}

} // namespace tarmigo
