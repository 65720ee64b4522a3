// A tap's show waits in the presentation queue in the rules' order; a question stops it.
#include "app/save_state.h"
#include "game/strings.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// The steps that are not drawing calls, as words: "frames*34 undo+ WVH frames*41 ...".
std::string shown(const Presentation& queue) {
    std::string out;
    int frames = 0;
    auto word = [&out](const std::string& w) { out += (out.empty() ? "" : " ") + w; };
    for (const Step& s : queue.steps()) {
        if (s.kind == Step::Kind::Frame) ++frames;
        if (s.kind == Step::Kind::Frame || s.kind == Step::Kind::Draw) continue;
        if (frames > 0) word("frames*" + std::to_string(frames));
        frames = 0;
        switch (s.kind) {
        case Step::Kind::Sound: word(soundName(s.sound)); break;
        case Step::Kind::Undo: word(s.enabled ? "undo+" : "undo-"); break;
        case Step::Kind::Scores: word(s.handEnd ? "scores-end" : "scores"); break;
        case Step::Kind::Ask: word("ask " + std::to_string(s.stringId)); break;
        default: break;
        }
    }
    if (frames > 0) word("frames*" + std::to_string(frames));
    return out;
}

} // namespace

TEST(Presentation, ATapQueuesEachMoveInTheOrderTheRulesMadeIt) {
    struct Row {
        const char* position;
        int slot;
        const char* shown;
    };
    const Row Rows[] = {
        // The Stop slides, can be undone and is heard; then the computer's turn and the draw slide.
        {"hand=pfghijk | go | one sounds animate", 1, "frames*34 undo+ WVH frames*101"},
        // Without sounds nothing is heard; without slides there is no frame to wait on.
        {"hand=pfghijk | go | one animate", 1, "frames*34 undo+ frames*101"},
        {"hand=pfghijk | go | one sounds", 1, "undo+ WVH"},
        // Miles can be taken back before their slide; the trip's last 100 asks before the rest.
        {"go miles=600 hand=i | | one sounds animate", 1, "undo+ frames*14 WVM ask 1601"},
        // A tap on the score panel shows the Scores of the hand in play.
        {"hand=f | | one", 0, "scores"},
    };
    for (const Row& row : Rows) {
        Program app;
        app.start();
        Session& g = app.g();
        g.round.flags = 0; // only the options the row names
        setPosition(g, row.position);
        g.presentation.clear();
        app.host.tapSurface = &g.presentation;
        app.shell.penDown();
        if (row.slot > 0)
            app.shell.penUp(g.layout.slotX(row.slot) + 9, g.layout.handY + 18);
        else
            app.shell.penUp(10, 10);
        EXPECT_EQ(shown(g.presentation), row.shown) << row.position;
        // Every frame waits the Options' pause.
        for (const Step& s : g.presentation.steps())
            EXPECT_TRUE(s.kind != Step::Kind::Frame || s.delayMs == g.round.animDelay);
    }
}

TEST(Presentation, AMoveThatAsksIsSavedOnlyOnceAnswered) {
    Program app;
    app.start();
    Session& g = app.g();
    setPosition(g, "go miles=600 score=600 hand=ik | miles=300 score=300 | one");
    saveState(g);
    const std::vector<std::uint8_t> before = *app.fileCopy.bytes;
    const std::string position = describe(g);

    app.shell.penDown();
    app.shell.penUp(g.layout.slotX(1) + 9, g.layout.handY + 18);
    ASSERT_EQ(g.pending, Decision::Extension);
    EXPECT_EQ(*app.fileCopy.bytes, before);
    // While the question waits, the board takes no other tap.
    app.shell.penDown();
    app.shell.penUp(g.layout.slotX(2) + 9, g.layout.handY + 18);
    EXPECT_EQ(g.own().slot(2), Card('k')); // the 100 was laid, the Go is still held

    // Stopped here, the program comes back to the position before the move.
    Program restarted(app.fileCopy, app.secondCopy);
    restarted.start();
    EXPECT_EQ(describe(restarted.g()), position);

    // Answered Yes, the race goes on to 1000 and the move is saved with the rest of the turn.
    app.host.yesNoAnswers = {true};
    app.runPosted();
    EXPECT_EQ(app.host.questions, std::vector<int>{text::ExtendRace});
    EXPECT_EQ(g.pending, Decision::None);
    EXPECT_EQ(g.round.raceLength, ExtendedRace);
    EXPECT_FALSE(g.has(flag::handOver));
    buildSaveRecord(g);
    EXPECT_TRUE(
        std::equal(g.recordBuffer.begin(), g.recordBuffer.end(), app.fileCopy.bytes->begin()));
}
