#include "board/repaint.h"

namespace tarmigo {

void invalidateBoard(Table& g, Erase erase) {
    g.screenHost.invalidate(g.layout.boardRect(), erase == Erase::Yes);
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
