#include "app/shell.h"

#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/saved_history.h"
#include "app/taps.h"
#include "board/layout.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/strings.h"
#include "game/undo.h"

#include <memory>

namespace tarmigo {

Shell::Shell(ShellHost& host, Store* fileStore, Store* secondStore, Store* historyStore)
    : host_(host), game_(host), events_(game_, scored_) {
    game_.events = &events_;
    game_.fileStore = fileStore;
    game_.secondStore = secondStore;
    game_.historyStore = historyStore;
    keepHistory(game_);
}

void Shell::setDefaults() {
    Session& g = game_;
    g.round.nextStarter = 0;
    g.seats = {};
    g.round.set(flag::sortHand, true);
    g.round.set(flag::playSounds, true);
    g.round.set(flag::animate, true);
    g.round.set(flag::showPlayable, false);
    g.round.set(flag::hard, false);
    g.round.set(flag::hideTips, false);
    g.round.setPlayMode(PlayMode::TapOnce);
    g.round.setDiscardMode(DefaultDiscardMode);
    for (PlayerRecord& p : g.players) {
        p.gamesWon1P = 0;
        p.gamesWon2P = 0;
    }
    g.round.animDelay = DefaultAnimDelay;
}

void Shell::start(std::int16_t screenWidth, std::int16_t screenHeight) {
    Session& g = game_;
    g.layout = computeLayout(screenWidth, screenHeight);
    setDefaults();
    beginHand(g, 1, GameScores::Reset);
    loadState(g);
    g.expert = host_.expertKept();
    if (g.has(flag::turnHandover))
        setStatusNumber(g, g.currentPlayer, text::EndOfTurn, g.currentPlayer + 1, Refresh::Yes);
    handled();
}

void Shell::penDown() {
    tarmigo::penDown(game_);
}

void Shell::penUp(int x, int y) {
    if (review_.active()) {
        game_.penDown = false; // a hand watched again takes no tap
        return;
    }
    tarmigo::penUp(game_, x, y);
    handled();
}

void Shell::handled() {
    if (!scored_) return;
    scored_ = false;
    host_.handScored(game_);
}

bool Shell::plays(const Step& step) const {
    // A hand watched again asks nothing and changes neither button nor score.
    const bool watched = step.kind == Step::Kind::Ask || step.kind == Step::Kind::Scores ||
                         step.kind == Step::Kind::Undo || step.kind == Step::Kind::Redo;
    return !(review_.active() && watched);
}

void Shell::enable(ShellHost& host, Step::Kind button, bool enabled) {
    (button == Step::Kind::Undo ? undoShown_ : redoShown_) = enabled;
    StepGame::enable(host, button, enabled);
}

void Shell::openScores(ShellHost& host, const Step& step, std::function<void(int)> closed) {
    host.openScoresDialog(withWatchable(scoresOf(step)), std::move(closed));
}

void Shell::scoresClosed(const Step& step, int closeId) {
    if (step.handEnd && closeId == dialog::NewHand)
        host_.postCommand(command::NewGameMenu + game_.playerCount);
    watchFromScores(closeId);
}

void Shell::answered(bool yes) {
    answerPending(game_, yes);
    handled();
}

void Shell::presentAtOnce() {
    while (!game_.presentation.empty()) {
        const Step step = game_.presentation.take();
        if (!step.isPicture()) playStep(step, [] {});
    }
}

void Shell::newGameOrHand(int players) {
    Session& g = game_;
    if (g.has(flag::gameOver)) {
        beginHand(g, players, GameScores::Reset);
    } else if (g.has(flag::handOver) && players == g.playerCount) {
        beginHand(g, players, GameScores::Kept);
    } else {
        host_.askYesNo(text::ForfeitGame, [this, players](bool yes) {
            if (!yes) return;
            // The forfeited game counts as won by the opponent, in the mode being played.
            Session& g = game_;
            const int winner = g.playerCount == 1 ? 1 : 1 - g.currentPlayer;
            host_.gameForfeited(g, winner); // the game as it was given up
            ++g.players[winner].gamesWon(g.playerCount);
            beginHand(g, players, GameScores::Reset);
            handled();
        });
    }
}

bool Shell::reviewCommand(int id) {
    Session& g = game_;
    switch (id) {
    case command::WatchHand: watchHand(0); return true;
    case command::NextMove:
        review_.forward(g);
        scored_ = false; // the hand's end, seen again, is not counted again
        return true;
    case command::PreviousMove:
        if (review_.back(g))
            g.presentation.say(
                Sentence{text::SteppedBack, {int(review_.step()), int(review_.steps())}, 0b11});
        return true;
    case command::EndWatch: endWatch(); return true;
    default: break;
    }
    // Anything else is the game's: the review ends first. Help, About and the window's own
    // commands leave it be.
    if (review_.active() && id != command::Help && id != command::About) endWatch();
    return false;
}

void Shell::watchHand(std::size_t which) {
    Session& g = game_;
    if (review_.active() || !review_.begin(g, which)) return;
    host_.enableUndoButton(false);
    host_.enableRedoButton(false);
    g.presentation.say(
        Sentence{text::WatchingHand, {review_.handNumber(), int(review_.steps())}, 0b11});
}

ScoresContent Shell::withWatchable(ScoresContent content) const {
    if (!review_.active())
        for (const HandMoves& hand : watchableHands(game_))
            content.watchable.push_back(hand.number);
    return content;
}

void Shell::watchFromScores(int closeId) {
    if (closeId >= dialog::WatchHand && closeId <= dialog::WatchHand + int(KeptHands))
        watchHand(std::size_t(closeId - dialog::WatchHand));
}

void Shell::endWatch() {
    if (!review_.active()) return;
    review_.end(game_);
    host_.enableUndoButton(undoShown_);
    host_.enableRedoButton(redoShown_);
    game_.presentation.say(Sentence{.pattern = text::WatchEnded});
}

void Shell::handleCommand(int id) {
    Session& g = game_;
    if (reviewCommand(id)) {
        handled();
        return;
    }
    switch (id) {
    case command::OnePlayerGame:
    case command::TwoPlayerGame: newGameOrHand(id - command::NewGameMenu); break;
    case command::About:
        saveState(g);
        host_.openAboutDialog();
        break;
    case command::Options: {
        auto dialog = std::make_shared<OptionsDialog>(g, host_);
        host_.openOptionsDialog(*dialog, [this, dialog] { host_.keepExpert(game_.expert); });
        break;
    }
    case command::Scores:
        host_.openScoresDialog(withWatchable(scoresContent(g)), [this](int closeId) {
            watchFromScores(closeId);
            if (closeId != dialog::NewHand) return;
            Session& g = game_;
            beginHand(g, g.playerCount,
                      g.has(flag::gameOver) ? GameScores::Reset : GameScores::Kept);
            handled();
        });
        break;
    case command::Help: host_.postHelpRequest(); break;
    case command::Undo: {
        const bool wasOver = handOver(g);
        if (g.moveLog) g.moveLog->note(Move{g.currentPlayer, 0, entry::Undo});
        undoLastMove(g);
        if (wasOver && !handOver(g)) host_.handTakenBack();
        saveHistory(g, WithRecord::No);
        invalidateBoard(g);
        break;
    }
    case command::Redo: {
        const bool wasOver = handOver(g);
        if (!g.redoable) break;
        if (g.moveLog) g.moveLog->note(Move{g.currentPlayer, 0, entry::Redo});
        redoMove(g);
        g.presentation.say(Sentence{.pattern = text::Redone}); // heard, as Undo is
        if (!wasOver && handOver(g)) host_.handScored(g);      // the hand taken back ends again
        saveHistory(g, WithRecord::No);
        invalidateBoard(g);
        break;
    }
    default: break; // the drop-down buttons and unknown ids do nothing
    }
    handled();
}

} // namespace tarmigo
