// Seeded random taps, commands, options and answers in both modes: after every step the game
// is sound, after every tap its saved record reads back to the same game, and Undo then
// Redo leaves it as it was; the saved history played again gives the saved game, and a
// restart resumes the game with its Undo and Redo. A hand that ends is now and then watched
// again: forward to its end gives the hand's final position, back its start, what the steps
// say is what was said as the hand was played, and the game and its stores stay as they were.
#include "app/options_dialog.h"
#include "board/draw.h"
#include "board/recording_surface.h"
#include "game/notation.h"
#include "support/invariants.h"
#include "support/program.h"
#include "turns/tap.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

class RandomRun {
  public:
    explicit RandomRun(std::uint32_t seed) : rng_(seed) { restart(); }

    // Long stretches of play in both modes, now and then a restart over the stored copies.
    void run(int tapsWanted) {
        for (step_ = 0; taps_ < tapsWanted; ++step_) {
            Program& app = *app_;
            app.host.ticks = std::uint32_t(rng_());
            while (app.host.yesNoAnswers.size() < 3) app.host.yesNoAnswers.push_back(pick(2));
            const int closings[] = {dialog::Done, dialog::Cancel, dialog::NewHand};
            while (app.host.scoresAnswers.size() < 3)
                app.host.scoresAnswers.push_back(closings[pick(3)]);
            const int roll = pick(1000);
            if (roll < 15)
                command();
            else if (roll < 20 && g().has(flag::handOver))
                app.command(command::NewGameMenu + g().playerCount); // the next hand at once
            else if (roll < 21 && taps_ % 20000 < 200)
                restart();
            else if (roll < 30 && app.host.undoEnabled)
                undo();
            else
                tap();
            if (taps_ % 5000 == 0 && taps_ != switchedAt_) {
                switchedAt_ = taps_;
                app_->host.yesNoAnswers.push_front(true);
                app_->command(g().playerCount == 1 ? command::TwoPlayerGame
                                                   : command::OnePlayerGame);
            }
            ASSERT_EQ(brokenInvariant(g()), "") << "step " << step_;
            app_->host.questions.clear();
            app_->host.invalidated.clear();
        }
    }

    int taps[2] = {0, 0}; // in one- and two-player games
    int handsEnded = 0, gamesEnded = 0, undos = 0, restarts = 0, replayed = 0, watched = 0;

  private:
    int pick(int n) { return int(rng_() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + pick(hi - lo + 1); }
    Session& g() { return app_->g(); }

    // Mostly on the hand, the draw pile and the status line; now and then anywhere at all.
    std::pair<int, int> position() {
        const Layout& l = g().layout;
        const int kind = pick(100);
        if (kind < 20) return {pick(240), pick(320)};
        if (kind < 65) return {23 * between(1, 7) - pick(20), l.handY + between(4, 32)};
        if (kind < 75) return {between(l.deckX - 2, 240), between(l.handY - 2, l.statusY + 2)};
        if (kind < 90) return {pick(240), between(l.statusY - 2, 296)};
        if (kind < 95) {
            const int xs[] = {-1, 0, 1, 239, 240, 241, -32768, 32767};
            const int ys[] = {-1, 0, 1, 319, 320, 321, -32768, 32767};
            return {xs[pick(8)], ys[pick(8)]};
        }
        return {between(-32768, 32767), between(-32768, 32767)};
    }

    void tap() {
        const auto [x, y] = position();
        surface_.clear();
        app_->host.tapSurface = pick(4) == 0 ? &surface_ : nullptr;
        const bool penWasDown = pick(50) != 0;
        const bool wasOver = g().has(flag::handOver), wasGameOver = g().has(flag::gameOver);
        ++taps[g().playerCount - 1];
        ++taps_;
        if (penWasDown) app_->shell.penDown();
        app_->shell.penUp(x, y);
        handsEnded += !wasOver && g().has(flag::handOver);
        gamesEnded += !wasGameOver && g().has(flag::gameOver);
        if (penWasDown && g().pending == Decision::None) {
            ASSERT_EQ(brokenRecord(g(), app_->fileCopy.bytes), "") << "step " << step_;
            ASSERT_EQ(app_->fileCopy.bytes, app_->secondCopy.bytes);
            ASSERT_TRUE(taps_ % 7 != 0 || historyGivesTheGame()) << "step " << step_;
        }
        // What the tap showed, its question answered, and what it posted.
        if (pick(2) == 0) app_->host.yesNoAnswers.push_back(true);
        app_->runPosted();
        ASSERT_EQ(g().pending, Decision::None) << "step " << step_;
        if (!wasOver && g().has(flag::handOver) && handsEnded % 3 == 0) watch();
        if (pick(8) == 0) {
            surface_.clear();
            paintWindow(g(), surface_);
        }
    }
    // The menu as a person uses it, now and then an unknown id; a disabled Undo is not pressed.
    void command() {
        static constexpr int Menu[] = {
            command::OnePlayerGame, command::OnePlayerGame, command::TwoPlayerGame,
            command::TwoPlayerGame, command::About,         command::Options,
            command::Options,       command::Scores,        command::Help,
            command::Undo,          command::NewGameMenu,   command::ViewMenu};
        const int kind = pick(13);
        const int id = kind < 12 ? Menu[kind] : pick(65536);
        if (id != command::Undo)
            app_->command(id);
        else if (app_->host.undoEnabled)
            undo();
    }

    // The sentences said since the deal; none when an Undo, a restart or a change of the
    // options came between (these leave an Undone behind).
    static std::vector<Sentence> playedSentences(const std::vector<Sentence>& said) {
        std::vector<Sentence> moves;
        bool spoiled = false;
        for (const Sentence& s : said) {
            if (s.pattern == text::NewHandDealt) {
                moves.clear();
                spoiled = false;
            } else if (s.pattern == text::Undone) {
                spoiled = true;
            } else if (s.pattern != text::Redone) {
                moves.push_back(s);
            }
        }
        return spoiled ? std::vector<Sentence>{} : moves;
    }
    void watch() {
        Program& app = *app_;
        const std::string over = notation::describeAll(g());
        const MemoryStore file = app.fileCopy, moves = app.history;
        const std::vector<Sentence> played = playedSentences(app.host.said);
        app.shell.watchHand(0);
        const HandReview& review = app.shell.review();
        if (!review.active()) return;
        ++watched;
        app.runPosted();
        ASSERT_EQ(startOf(g()), g().history.history.start) << "step " << step_;
        app.host.said.clear();
        while (review.step() < review.steps()) app.command(command::NextMove);
        ASSERT_EQ(notation::describeAll(g()), over) << "step " << step_;
        if (!played.empty()) {
            ASSERT_EQ(app.host.said, played) << "step " << step_;
        }
        while (review.step() > 0) app.command(command::PreviousMove);
        ASSERT_EQ(startOf(g()), g().history.history.start) << "step " << step_;
        app.command(command::EndWatch);
        ASSERT_EQ(notation::describeAll(g()), over) << "step " << step_;
        ASSERT_TRUE(app.fileCopy.bytes == file.bytes && app.history.bytes == moves.bytes);
    }

    // Every other Undo is played again at once by Redo: the game, each seat's state and the
    // Undo button are as before the Undo.
    void undo() {
        const std::string before = notation::describeAll(g());
        const auto seats = g().seats;
        app_->command(command::Undo);
        if (++undos % 2 != 0) return;
        app_->command(command::Redo);
        ASSERT_EQ(notation::describeAll(g()), before) << "step " << step_;
        ASSERT_TRUE(g().seats == seats && app_->host.undoEnabled) << "step " << step_;
    }
    // The Options dialog, with a few random controls operated before Done or cancel.
    void operate(OptionsDialog& d) {
        for (int n = pick(6); n > 0; --n) {
            switch (pick(10)) {
            case 0: d.chooseDifficulty(between(-1, 2)); break;
            case 1: d.choosePlay(between(-1, 2)); break;
            case 2: d.chooseDiscard(between(-1, 3)); break;
            case 3: d.sortCards = !d.sortCards; break;
            case 4: d.playSounds = !d.playSounds; break;
            case 5: d.setAnimation(!d.animation()); break;
            case 6: d.moveSlider(between(-2, 18)); break;
            case 7: d.showPlayable = !d.showPlayable; break;
            case 8: d.showTips = !d.showTips; break;
            default: d.pressResetScores(); break;
            }
        }
        pick(3) == 0 ? d.cancel() : d.done();
        app_->host.said.push_back(Sentence{text::Undone}); // the moves may start here
    }

    // The saved history is whole, and played again gives the saved game, unless it
    // starts after the snapshot of an Undo it holds (it then says so).
    bool historyGivesTheGame() {
        const auto h = decodeHistory(*app_->history.bytes);
        Table replay(g());
        if (!h) return false;
        if (!replayHistory(replay, *h)) return true;
        ++replayed;
        return startOf(replay) == startOf(g());
    }

    // The game resumes as it was left, Undo and Redo included, when its history is
    // adopted (one that starts after an Undo's snapshot cannot be).
    void restart() {
        const std::string before = app_ ? notation::describeAll(g()) : "";
        const bool undo = app_ && app_->host.undoEnabled, redo = app_ && g().redoable;
        const auto stored = app_ ? decodeHistory(*app_->history.bytes) : std::nullopt;
        app_ = app_ ? std::make_unique<Program>(app_->fileCopy, app_->secondCopy, app_->history)
                    : std::make_unique<Program>();
        app_->host.optionsDialog = [this](OptionsDialog& d) { operate(d); };
        app_->start();
        app_->runPosted();
        app_->host.said.push_back(Sentence{text::Undone}); // a resumed hand said only its end
        if (!stored || g().history.history != *stored) return;
        ++restarts;
        ASSERT_EQ(notation::describeAll(g()), before) << "step " << step_;
        ASSERT_TRUE(undo || !app_->host.undoEnabled) << "step " << step_;
        ASSERT_EQ(g().redoable, redo) << "step " << step_;
    }

    std::mt19937 rng_;
    std::unique_ptr<Program> app_;
    RecordingSurface surface_;
    int step_ = 0, taps_ = 0, switchedAt_ = 0;
};

} // namespace

TEST(RandomTaps, AHundredThousandRandomTapsKeepTheGameSound) {
    RandomRun run(20241207);
    run.run(100000);
    // The run played real games in both modes, not just taps on a finished hand.
    EXPECT_GT(run.taps[0], 20000);
    EXPECT_GT(run.taps[1], 20000);
    EXPECT_GT(run.handsEnded, 100);
    EXPECT_GT(run.gamesEnded, 0);
    EXPECT_GT(run.undos, 500);
    EXPECT_GT(run.watched, 20);
    EXPECT_GT(run.restarts, 5);
    EXPECT_GT(run.replayed, 5000);
}
