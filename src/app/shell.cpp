#include "app/shell.h"

#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/taps.h"
#include "board/layout.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/strings.h"
#include "game/undo.h"

namespace tarmigo {

Shell::Shell(ShellHost& host, Store* fileStore, Store* secondStore)
    : host_(host), game_(host), events_(game_, host) {
    game_.events = &events_;
    game_.fileStore = fileStore;
    game_.secondStore = secondStore;
}

void Shell::setDefaults() {
    Session& g = game_;
    g.round.nextStarter = 0;
    g.discardArmed = false;
    g.round.set(flag::sortHand, true);
    g.round.set(flag::playSounds, true);
    g.round.set(flag::animate, true);
    g.round.set(flag::showPlayable, false);
    g.round.set(flag::hard, false);
    g.round.set(flag::hideTips, false);
    g.round.set(flag::playMode, 0);
    g.round.set(flag::discardMode, DefaultDiscardMode);
    for (PlayerRecord& p : g.players) {
        p.gamesWon1P = 0;
        p.gamesWon2P = 0;
    }
    g.round.animDelay = DefaultAnimDelay;
    g.status = {};
}

void Shell::start(std::int16_t screenWidth, std::int16_t screenHeight) {
    Session& g = game_;
    g.layout = computeLayout(screenWidth, screenHeight);
    setDefaults();
    beginHand(g, 1, GameScores::Reset);
    loadState(g);
    g.expert = host_.expertKept();
    if (g.has(flag::turnHandover))
        setStatusNumber(g, text::EndOfTurn, g.currentPlayer + 1, Refresh::Yes);
}

void Shell::newGameOrHand(int players) {
    Session& g = game_;
    if (g.has(flag::gameOver)) {
        beginHand(g, players, GameScores::Reset);
    } else if (g.has(flag::handOver) && players == g.playerCount) {
        beginHand(g, players, GameScores::Kept);
    } else if (host_.askYesNo(text::ForfeitGame)) {
        // The forfeited game counts as won by the opponent, in the mode being played.
        const int winner = g.playerCount == 1 ? 1 : 1 - g.currentPlayer;
        ++g.players[winner].gamesWon(g.playerCount);
        host_.gameForfeited(g, winner);
        beginHand(g, players, GameScores::Reset);
    }
}

void Shell::handleCommand(int id) {
    Session& g = game_;
    switch (id) {
    case command::OnePlayerGame:
    case command::TwoPlayerGame: newGameOrHand(id - command::NewGameMenu); break;
    case command::About:
        saveState(g);
        host_.runAboutDialog();
        break;
    case command::Options: {
        OptionsDialog dialog(g);
        host_.runOptionsDialog(dialog);
        host_.keepExpert(g.expert);
        break;
    }
    case command::Scores:
        if (host_.runScoresDialog() == dialog::NewHand)
            beginHand(g, g.playerCount,
                      g.has(flag::gameOver) ? GameScores::Reset : GameScores::Kept);
        break;
    case command::Help: host_.postHelpRequest(); break;
    case command::Undo: {
        const bool wasOver = handOver(g);
        undoLastMove(g);
        if (wasOver && !handOver(g)) host_.handTakenBack();
        invalidateBoard(g, Erase::Yes);
        break;
    }
    default: break; // the drop-down buttons and unknown ids do nothing
    }
}

} // namespace tarmigo
