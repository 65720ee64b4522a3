#pragma once
// Playing a presentation's steps that are not pictures, for every game the window plays:
// its own, the network game it hosts and the one it joined. The steps mean the same in
// each; what differs is what a game does with the answers its dialogs get, which the
// game says by overriding StepGame.
#include "app/shell_host.h"
#include "board/presentation.h"

#include <functional>

namespace tarmigo {

class StepGame {
  public:
    virtual ~StepGame() = default;
    // Whether a step is played at all.
    virtual bool plays(const Step&) const { return true; }
    // The Undo or Redo button as a step leaves it (a network game has no Redo).
    virtual void enable(ShellHost& host, Step::Kind button, bool enabled);
    // The Scores dialog of a step (at a hand's end when step.handEnd), and what its
    // closing with closeId does; by default the host opens it and its closing does
    // nothing more.
    virtual void openScores(ShellHost& host, const Step& step, std::function<void(int)> closed) {
        host.openScoresDialog(scoresOf(step), std::move(closed));
    }
    virtual void scoresClosed(const Step& step, int closeId) = 0;
    // Whether a question is asked (one asked again, already answered, is not), how, and
    // what the answer does.
    virtual bool asks() const { return true; }
    virtual void ask(ShellHost& host, int stringId, std::function<void(bool)> answered) {
        host.askYesNo(stringId, std::move(answered));
    }
    virtual void answered(bool yes) = 0;

  protected:
    static ScoresContent scoresOf(const Step& step);
};

// Plays one step; done runs once it is over, which for a dialog is when it closes.
// Answering a question plays the rest of the move, which queues more steps.
void playStep(ShellHost& host, StepGame& game, const Step& step, const std::function<void()>& done);

} // namespace tarmigo
