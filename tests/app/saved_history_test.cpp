// The saved history: a game resumes with its Undo and Redo when its history is sound, and
// a history missing, cut, changed or of another game costs the history alone.
#include "game/notation.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// A move of the person, then its Undo: Redo is available, and the record holds the move.
void playAndUndo(Program& app) {
    app.start();
    for (int n = 0; n < 4 && !app.host.undoEnabled; ++n) app.tapSlot(1); // refused, then discarded
    ASSERT_TRUE(app.host.undoEnabled);
    app.command(command::Undo);
}

TEST(SavedHistory, ASoundHistoryResumesRedoAndAnyOtherLosesOnlyItself) {
    Program other;
    other.host.ticks = 777;
    playAndUndo(other);
    const struct {
        const char* what;
        void (*damage)(MemoryStore& history, const MemoryStore& others);
        bool resumed;
    } cases[] = {
        {"sound", [](MemoryStore&, const MemoryStore&) {}, true},
        {"missing", [](MemoryStore& h, const MemoryStore&) { h.bytes.reset(); }, false},
        {"cut", [](MemoryStore& h, const MemoryStore&) { h.bytes->pop_back(); }, false},
        {"changed", [](MemoryStore& h, const MemoryStore&) { h.bytes->back() ^= 1; }, false},
        {"another game's", [](MemoryStore& h, const MemoryStore& o) { h.bytes = o.bytes; }, false},
    };
    for (const auto& c : cases) {
        Program app;
        playAndUndo(app);
        const std::string undone = notation::describeAll(app.g());
        MemoryStore history = app.history;
        c.damage(history, other.history);
        Program record(app.fileCopy, app.secondCopy); // as a start without a history has it
        record.start();
        Program resumed(app.fileCopy, app.secondCopy, history);
        resumed.start();
        resumed.runPosted();
        EXPECT_EQ(notation::describeAll(resumed.g()),
                  c.resumed ? undone : notation::describeAll(record.g()))
            << c.what;
        EXPECT_EQ(resumed.g().redoable, c.resumed) << c.what;
        resumed.command(command::Redo); // the move taken back is played again, or nothing
        EXPECT_EQ(notation::describeAll(resumed.g()), notation::describeAll(record.g())) << c.what;
    }
}

} // namespace
