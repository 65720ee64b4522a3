#pragma once
// Everything the application asks of its platform: the rules' clock, the screen's
// requests, what a tap's presentation does beyond the board's picture, and the
// shell's dialogs. No dialog blocks: each one reports its closing through a callback,
// at once where nobody is asked (the replay driver, the tests), or when the person
// closes it (the desktop window).
#include "app/commands.h"
#include "app/scores_dialog.h"
#include "board/screen_host.h"
#include "board/sentence.h"
#include "game/events.h"
#include "game/host.h"

#include <functional>

namespace tarmigo {

class OptionsDialog;
struct Game;

class ShellHost : public Host, public ScreenHost {
  public:
    // A hand was scored (the game perhaps decided with it), the game in progress was
    // given up and credited to a seat, or an undo took back the move that ended the
    // last hand scored: where the platform keeps statistics, it counts them. Nothing
    // is counted by default. A hand is counted once the game that ended it is saved.
    virtual void handScored(const Game&) {}
    virtual void gameForfeited(const Game&, int /*creditedSeat*/) {}
    virtual void handTakenBack() {}

    // The steps of a presentation that are not pictures: a move's sound (only queued
    // when sounds are on), and the Undo button's state.
    virtual void playSound(Sound sound) = 0;
    virtual void enableUndoButton(bool enabled) = 0;
    virtual void enableRedoButton(bool) {}
    // What a move did, in words, as it shows; a platform without a reader says nothing.
    virtual void say(const Sentence&) {}

    // A yes/no box titled "Tarmigo" with the text of a string id.
    virtual void askYesNo(int stringId, std::function<void(bool yes)> answered) = 0;
    // The Scores dialog showing `content`; closed with dialog::Done or dialog::NewHand.
    virtual void openScoresDialog(const ScoresContent& content,
                                  std::function<void(int closeId)> closed) = 0;
    // The Options dialog: the window operates the model's controls and closes it with
    // done() or cancel(); the model lives until closed has been called.
    virtual void openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) = 0;
    virtual void openAboutDialog() = 0;
    // Hands a menu command to the dispatcher once the presentation in progress is over.
    virtual void postCommand(int commandId) = 0;
    // Posts the help request; the window starts the help viewer when it arrives.
    virtual void postHelpRequest() = 0;
    // The choice of the Expert level, kept with the platform's own settings rather
    // than in the record (which says Hard). Where nothing keeps it, it lasts a run.
    virtual bool expertKept() { return false; }
    virtual void keepExpert(bool) {}
};

} // namespace tarmigo
