#pragma once
// Everything the application asks of its platform: the rules' requests, the
// screen's, and the shell's own dialogs.
#include "app/commands.h"
#include "board/screen_host.h"
#include "game/host.h"

namespace tarmigo {

class OptionsDialog;
struct Game;

class ShellHost : public Host, public ScreenHost {
  public:
    // A hand was scored (the game perhaps decided with it), the game in progress was
    // given up and credited to a seat, or an undo took back the move that ended the
    // last hand scored: where the platform keeps statistics, it counts them. Nothing
    // is counted by default.
    virtual void handScored(const Game&) {}
    virtual void gameForfeited(const Game&, int /*creditedSeat*/) {}
    virtual void handTakenBack() {}

    // Runs the Options dialog modally; the window operates the model's controls and
    // closes it with done() or cancel().
    virtual void runOptionsDialog(OptionsDialog& dialog) = 0;
    // Runs the About dialog modally.
    virtual void runAboutDialog() = 0;
    // Posts the help request; the window starts the help viewer when it arrives.
    virtual void postHelpRequest() = 0;
    // The choice of the Expert level, kept with the platform's own settings rather
    // than in the record (which says Hard). Where nothing keeps it, it lasts a run.
    virtual bool expertKept() { return false; }
    virtual void keepExpert(bool) {}
};

} // namespace tarmigo
