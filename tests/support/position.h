#pragma once
// Positions for the turn, board and shell tests: the board listening, taps and stores.
#include "app/taps.h"
#include "board/layout.h"
#include "support/memory_store.h"
#include "support/rules_position.h"
#include "turns/tap.h"

namespace tarmigo::testing {
// A position on the 240 x 320 screen, no drawing surface, its copies in memory stores.
struct Position : PositionBuilder<Position, Session> {
    MemoryStore fileCopy;
    MemoryStore secondCopy;
    explicit Position(int players = 2) : PositionBuilder(players) {
        g.layout = computeLayout(240, 320);
        g.fileStore = &fileCopy;
        g.secondStore = &secondCopy;
    }
    void tap(int x, int y) { tapEntry(g, x, y); }
};
} // namespace tarmigo::testing
