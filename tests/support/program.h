#pragma once
// The shell of the program without its window, over two stores kept in memory.
#include "app/shell.h"
#include "app/taps.h"
#include "support/memory_store.h"
#include "support/position.h"
#include "support/test_host.h"

namespace tarmigo::testing {
struct Program {
    TestHost host;
    MemoryStore fileCopy;
    MemoryStore secondCopy;
    MemoryStore history; // the hand's moves
    Shell shell{host, &fileCopy, &secondCopy, &history};
    Program() = default;
    // Another start of the program over the copies that an earlier run left behind.
    Program(const MemoryStore& file, const MemoryStore& second, const MemoryStore& moves = {})
        : fileCopy(file), secondCopy(second), history(moves) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    Session& g() { return shell.game(); }
    PlayerRecord& player(int p) { return g().players[p]; }
    void start() { shell.start(240, 320); }
    // A menu command, then what it showed and posted, as the window would play it.
    void command(int id) {
        shell.handleCommand(id);
        runPosted();
    }
    void runPosted() {
        for (;;) {
            shell.presentAtOnce();
            if (host.posted.empty()) break;
            const int id = host.posted.front();
            host.posted.erase(host.posted.begin());
            shell.handleCommand(id);
        }
    }
    void tap(int x, int y) {
        shell.penDown();
        shell.penUp(x, y);
        runPosted();
    }
    void tapSlot(int s) { tap(g().layout.slotX(s) + 9, g().layout.handY + 18); }
    void tapDeck() { tap(g().layout.deckX + 30, g().layout.handY + 15); }
};
} // namespace tarmigo::testing
