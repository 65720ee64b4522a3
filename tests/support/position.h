#pragma once
// Game positions for the turn, board and shell tests: the rules' positions with the
// board listening, taps as the window hands them over, and the two saved copies.
#include "app/taps.h"
#include "board/layout.h"
#include "support/memory_store.h"
#include "support/rules_position.h"
#include "turns/tap.h"

namespace tarmigo::testing {

// A position on the 240 x 320 screen with no drawing surface; the saved copies go
// to two memory stores.
struct Position : PositionBuilder<Position, Session> {
    MemoryStore fileCopy;
    MemoryStore secondCopy;

    explicit Position(int players = 2) : PositionBuilder(players) {
        g.layout = computeLayout(240, 320);
        g.fileStore = &fileCopy;
        g.secondStore = &secondCopy;
    }

    // A tap, as the window hands it over.
    void tap(int x, int y) { tapEntry(g, x, y); }
};

} // namespace tarmigo::testing
