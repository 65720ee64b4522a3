#pragma once
// The application shell without its window: start-up, the stylus, the menu commands
// and the presentation's dialogs.
#include "app/hand_review.h"
#include "app/session.h"
#include "app/shell_host.h"
#include "app/step_player.h"
#include "board/board_events.h"

#include <cstdint>
#include <functional>

namespace tarmigo {

// The options a new program starts with.
inline constexpr int DefaultAnimDelay = 8;
inline constexpr DiscardMode DefaultDiscardMode = DiscardMode::TapTwice;

class Store;

// The window's own game answers what its steps ask (StepGame).
class Shell : public StepGame {
  public:
    // The hand's moves are kept, and saved beside the record, where historyStore is set.
    Shell(ShellHost& host, Store* fileStore, Store* secondStore, Store* historyStore = nullptr);

    Session& game() { return game_; }
    const Session& game() const { return game_; }

    // The start-up after the window exists: layout, defaults, a new one-player game,
    // the saved state, and the hand-over prompt of a restored two-player game.
    void start(std::int16_t screenWidth, std::int16_t screenHeight);
    // A menu command, or one posted by the Scores dialog's "New Hand" button.
    void handleCommand(int id);
    // The stylus: pen down inside the window, pen up anywhere (it is captured).
    void penDown();
    void penUp(int x, int y);
    // A finished hand being watched again (the board shows it, taps do nothing).
    const HandReview& review() const { return review_; }
    // Watches the watchable hand `which` (0 the newest) again, when there is one.
    void watchHand(std::size_t which);

    // Plays one step of the game's presentation that is not a picture (a sound, the
    // Undo button, the Scores dialog, a question); done runs once it is over, which
    // for a dialog is when it closes. Answering the question plays the rest of the
    // move, which queues more steps.
    void playStep(const Step& step, const std::function<void()>& done) {
        tarmigo::playStep(host_, *this, step, done);
    }
    // Plays the whole queue at once, leaving the pictures out: for front ends
    // without a screen, whose dialogs answer at once.
    void presentAtOnce();

    // StepGame: a hand watched again asks nothing and changes neither button nor score;
    // the Scores offer the hands kept to watch again; "New Hand" at a hand's end starts the
    // next hand of the same kind; the answer to the question plays the rest of the move.
    bool plays(const Step& step) const override;
    void enable(ShellHost& host, Step::Kind button, bool enabled) override;
    void openScores(ShellHost& host, const Step& step, std::function<void(int)> closed) override;
    void scoresClosed(const Step& step, int closeId) override;
    void answered(bool yes) override;

  private:
    // The board's answer to the rules; a hand's end is also noted for the statistics.
    class Events : public BoardEvents {
      public:
        Events(Table& table, bool& scored) : BoardEvents(table), scored_(scored) {}
        void report(Game& g, const Report& r) override {
            BoardEvents::report(g, r);
            scored_ = scored_ || std::holds_alternative<HandEnded>(r);
        }

      private:
        bool& scored_;
    };

    void setDefaults();
    void newGameOrHand(int players);
    // After every handling: a hand scored by it is counted, now that it is saved.
    void handled();
    // The review's commands; false for any other.
    bool reviewCommand(int id);
    // The Scores dialog's content with the hands it offers to watch again.
    ScoresContent withWatchable(ScoresContent content) const;
    // The Scores dialog closed with one of its hands to watch.
    void watchFromScores(int closeId);
    void endWatch();

    ShellHost& host_;
    Session game_;
    bool scored_ = false;
    Events events_;
    HandReview review_;
    // The Undo and Redo buttons as the game last set them, given back after a review.
    bool undoShown_ = false;
    bool redoShown_ = false;
};

} // namespace tarmigo
