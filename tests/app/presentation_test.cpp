// A tap's show waits in the presentation queue in the rules' order; a question stops it.
#include "app/save_state.h"
#include "app/taps.h"
#include "board/pictures.h"
#include "game/strings.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {
// The steps that are not drawing calls, as words ("frames*34 undo+ WVH ..."), each frame
// checked to wait the Options' pause and to show something drawn since the last; the
// sentences are left to the sentences' test.
std::string shown(Presentation& queue, const Layout& layout, int pause) {
    makePictures(queue, layout); // as the window plays them
    std::string out;
    int frames = 0;
    bool drawn = false;
    for (const Step& s : queue.steps()) {
        EXPECT_TRUE(s.kind != Step::Kind::Frame || (s.delayMs == pause && drawn));
        drawn = s.kind == Step::Kind::Draw || (drawn && s.kind != Step::Kind::Frame);
        frames += s.kind == Step::Kind::Frame;
        if (s.isPicture() || s.kind == Step::Kind::Say) continue;
        if (frames > 0) out += "frames*" + std::to_string(frames) + ' ';
        frames = 0;
        out += s.kind == Step::Kind::Sound    ? soundName(s.sound)
               : s.kind == Step::Kind::Undo   ? (s.enabled ? "undo+" : "undo-")
               : s.kind == Step::Kind::Scores ? (s.handEnd ? "scores-end" : "scores")
                                              : "ask " + std::to_string(s.stringId);
        out += ' ';
    }
    if (frames > 0) out += "frames*" + std::to_string(frames) + ' ';
    return out.empty() ? out : out.substr(0, out.size() - 1);
}

void tap(Program& app, Point at) {
    app.shell.penDown();
    app.shell.penUp(at.x, at.y);
}
} // namespace

TEST(Presentation, ATapQueuesEachMoveInTheOrderTheRulesMadeIt) {
    const struct {
        const char* position;
        int slot; // 0: the score panel
        const char* shown;
    } Rows[] = {
        // The Stop slides, can be undone and is heard; then the computer's turn and the draw slide.
        {"hand=pfghijk | go | one sounds animate", 1, "frames*34 undo+ WVH frames*101"},
        // Without sounds nothing is heard; without slides there is no frame to wait on.
        {"hand=pfghijk | go | one animate", 1, "frames*34 undo+ frames*101"},
        {"hand=pfghijk | go | one sounds", 1, "undo+ WVH"},
        // Miles can be taken back before their slide; the trip's last 100 asks before the rest.
        {"go miles=600 hand=i | | one sounds animate", 1, "undo+ frames*14 WVM ask 1601"},
        {"hand=f | | one", 0, "scores"},
    };
    for (const auto& row : Rows) {
        Program app;
        app.start();
        Session& g = app.g();
        g.round.flags = 0; // only the options the row names
        setPosition(g, row.position);
        g.presentation.clear();
        app.host.tapSurface = &g.presentation;
        tap(app, row.slot > 0 ? g.layout.slotTap(row.slot) : Point{10, 10});
        EXPECT_EQ(shown(g.presentation, g.layout, g.round.animDelay), row.shown) << row.position;
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
    tap(app, g.layout.slotTap(1));
    ASSERT_EQ(g.pending, Decision::Extension);
    EXPECT_EQ(*app.fileCopy.bytes, before);
    tap(app, g.layout.slotTap(2)); // the question waits: the Go stays in the hand
    EXPECT_EQ(g.own().slot(2), Card('k'));
    // Stopped here, the program comes back to the position before the move.
    Program restarted(app.fileCopy, app.secondCopy);
    restarted.start();
    EXPECT_EQ(describe(restarted.g()), position);
    // Answered Yes, the race goes on to 1000 and the move is saved with the rest of the turn.
    app.host.yesNoAnswers = {true};
    app.runPosted();
    EXPECT_EQ(app.host.questions, std::vector<int>{text::ExtendRace});
    EXPECT_EQ(g.round.raceLength, ExtendedRace);
    EXPECT_FALSE(g.pending != Decision::None || g.has(flag::handOver));
    buildSaveRecord(g);
    EXPECT_TRUE(
        std::equal(g.recordBuffer.begin(), g.recordBuffer.end(), app.fileCopy.bytes->begin()));
}

// The Scores asked for from the score panel show the hand as it stood at the tap, even
// when the same tap then finds the hand blocked and ends it with Scores of its own.
TEST(Presentation, ScoresAskedForShowTheHandAsItStoodThen) {
    Program app;
    app.start();
    Session& g = app.g();
    setPosition(g, "stop hand=f | stop hand=f | one deck=101");
    g.presentation.clear();
    app.host.tapSurface = &g.presentation;
    tap(app, {10, 10});
    std::vector<const Step*> scores;
    for (const Step& s : g.presentation.steps())
        if (s.kind == Step::Kind::Scores) scores.push_back(&s);
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_FALSE(scores[0]->handEnd);
    EXPECT_FALSE(scores[0]->standing->handOver);
    EXPECT_EQ(scoresContent(*scores[0]->standing).resultId, 0);
    EXPECT_TRUE(scores[1]->handEnd);
    EXPECT_TRUE(scores[1]->standing->handOver);
    EXPECT_NE(scoresContent(*scores[1]->standing).button, ScoresButton::Hidden);
}

// The headers and the status line are drawn again once the hand is scored, so that beside
// the Scores the header shows the same hand score, bonuses and all, and the status line
// what comes next rather than whose turn it was.
TEST(Presentation, TheHeadersAndStatusShowTheHandsEndBeforeTheScores) {
    Program app;
    app.start();
    Session& g = app.g();
    setPosition(g, "go miles=600 hand=i | | one");
    g.presentation.clear();
    app.host.tapSurface = &g.presentation;
    tap(app, g.layout.slotTap(1));
    answerPending(g, false); // the race is not extended: the hand ends
    ASSERT_TRUE(g.has(flag::handOver));
    makePictures(g.presentation, g.layout);
    for (const std::string& shown :
         {std::to_string(g.players[0].handScore), g.presentation.text(text::TapNewForHand)}) {
        bool drawn = false;
        for (const Step& s : g.presentation.steps()) {
            drawn = drawn || (s.kind == Step::Kind::Draw && s.op.text == shown);
            if (s.kind == Step::Kind::Scores) break;
        }
        EXPECT_TRUE(drawn) << shown;
    }
}
