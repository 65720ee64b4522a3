// The saved history: a game resumes with its Undo and Redo and the finished hands to watch again
// when its history is sound (one of the first version too), and a history missing, cut, changed
// or of another game costs the history alone.
#include "app/hand_review.h"
#include "app/saved_history.h"
#include "game/notation.h"
#include "support/notation.h"
#include "support/program.h"

#include <gtest/gtest.h>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// A move of the person, then its Undo: Redo is available, and the record holds the move.
void undoAMove(Program& app) {
    for (int n = 0; n < 4 && !app.host.undoEnabled; ++n) app.tapSlot(1); // refused, then discarded
    ASSERT_TRUE(app.host.undoEnabled);
    app.command(command::Undo);
}

void playAndUndo(Program& app) {
    app.start();
    undoAMove(app);
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

// A history as the first version wrote it: no hand number and no finished hands.
std::vector<std::uint8_t> firstVersion(std::vector<std::uint8_t> bytes) {
    bytes.resize(bytes.size() - 3); // the hand's number and the count of finished hands
    bytes[4] = 1;
    std::uint32_t sum = 2166136261u;
    for (std::size_t i = 4; i < bytes.size(); ++i) sum = (sum ^ bytes[i]) * 16777619u;
    for (int i = 0; i < 4; ++i) bytes[std::size_t(i)] = std::uint8_t(sum >> (8 * i));
    return bytes;
}

TEST(SavedHistory, FinishedHandsResumeWithRedoAndAFirstVersionHistoryLoads) {
    Program app;
    app.host.ticks = 4242;
    app.start();
    setPosition(app.g(), "go miles=600 hand=iffffff | go | one");
    restartHistory(app.g());
    app.tapSlot(1);
    ASSERT_TRUE(app.g().has(flag::handOver));
    app.command(command::OnePlayerGame); // the next hand; the one that ended is kept
    undoAMove(app);
    const auto watchable = watchableHands(app.g());
    ASSERT_EQ(watchable.size(), 1u);

    Program resumed(app.fileCopy, app.secondCopy, app.history);
    resumed.start();
    resumed.runPosted();
    EXPECT_TRUE(resumed.g().redoable);
    EXPECT_EQ(watchableHands(resumed.g()), watchable);
    resumed.shell.watchHand(0);
    EXPECT_TRUE(resumed.shell.review().active());

    MemoryStore first;
    History h = app.g().history.history;
    h.finished.clear();
    first.bytes = firstVersion(encodeHistory(h));
    Program old(app.fileCopy, app.secondCopy, first);
    old.start();
    old.runPosted();
    EXPECT_TRUE(old.g().redoable);
    EXPECT_TRUE(watchableHands(old.g()).empty());
}

} // namespace
