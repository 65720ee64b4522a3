#include "app/step_player.h"

#include "app/scores_dialog.h"

namespace tarmigo {

ScoresContent StepGame::scoresOf(const Step& step) {
    // A game held elsewhere sends its figures; the window's own are made from its standing.
    return step.figures ? *step.figures : scoresContent(*step.standing);
}

void StepGame::enable(ShellHost& host, Step::Kind button, bool enabled) {
    if (button == Step::Kind::Undo)
        host.enableUndoButton(enabled);
    else
        host.enableRedoButton(enabled);
}

void playStep(ShellHost& host, StepGame& game, const Step& step,
              const std::function<void()>& done) {
    if (!game.plays(step)) {
        done();
        return;
    }
    switch (step.kind) {
    case Step::Kind::Sound: host.playSound(step.sound); break;
    case Step::Kind::Undo:
    case Step::Kind::Redo: game.enable(host, step.kind, step.enabled); break;
    case Step::Kind::Say: host.say(step.sentence); break;
    case Step::Kind::Scores:
        game.openScores(host, step, [&game, step, done](int closeId) {
            game.scoresClosed(step, closeId);
            done();
        });
        return;
    case Step::Kind::Ask:
        if (!game.asks()) break;
        game.ask(host, step.stringId, [&game, done](bool yes) {
            game.answered(yes);
            done();
        });
        return;
    case Step::Kind::Draw:
    case Step::Kind::Frame:
    case Step::Kind::Slide:
    case Step::Kind::Show: break; // the window's own
    }
    done();
}

} // namespace tarmigo
