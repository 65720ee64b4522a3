#pragma once
// The network game this window hosts, as the window plays it. Included by
// network_play.cpp alone.
#include "app/commands.h"
#include "app/network_host.h"
#include "app/options_dialog.h"
#include "app/save_state.h"
#include "app/scores_dialog.h"
#include "app/step_player.h"
#include "game/targets.h"
#include "qt/network/network_play.h"
#include "qt/network/network_window.h"
#include "qt/network/transport.h"
#include "qt/qt_host.h"

#include <functional>
#include <memory>
#include <string>

namespace tarmigo {

// The game hosted: the window presents it as its own, seat 0's hand always shown.
class NetworkPlay::Hosted : public PlayedGame, public StepGame {
  public:
    Hosted(NetworkPlay& owner, const NetworkStores& stores, const std::string& code,
           net::LineFactory lines)
        : owner_(owner), qtHost_(owner.window_.platform()),
          game_(qtHost_, stores, code, std::move(lines)) {}

    NetworkHost& host() { return game_; }
    HostTransport& link() { return *link_; }
    void setLink(std::unique_ptr<HostTransport> link) { link_ = std::move(link); }
    bool shown = false; // the window presents it

    // After every input of this side: the guest is sent what changed.
    void flush() {
        if (link_) link_->flush();
        owner_.update();
    }

    Session* game() override { return &game_.game(); }
    void penDown() override {}
    void penUp(int x, int y) override {
        game_.penUp(x, y);
        flush();
    }
    void handleCommand(int id) override {
        switch (id) {
        case command::Undo: game_.undo(); break;
        case command::Scores:
            qtHost_.openScoresDialog(scoresContent(game_.game()), [](int) {});
            break;
        case command::Options: {
            // The options chosen are the person's: their game at this program takes them too.
            auto dialog = std::make_shared<OptionsDialog>(game_.game(), qtHost_);
            qtHost_.openOptionsDialog(*dialog, [this, dialog] {
                Session& own = owner_.window_.ownGame();
                copyOptions(game_.game(), own);
                saveState(own);
            });
            break;
        }
        case command::About: qtHost_.openAboutDialog(); break;
        case command::Help: qtHost_.postHelpRequest(); break;
        default: break;
        }
        flush();
    }
    StepGame& steps() override { return *this; }

    // StepGame: no Redo; "New Hand" deals the next hand, as a tap on the status line does.
    void enable(ShellHost& host, Step::Kind button, bool enabled) override {
        if (button == Step::Kind::Undo) host.enableUndoButton(enabled);
    }
    void scoresClosed(const Step& step, int closeId) override {
        if (step.handEnd && closeId == dialog::NewHand) game_.tapPlace(target::StatusLine);
        flush();
    }
    void answered(bool yes) override {
        game_.answer(yes);
        flush();
    }

  private:
    NetworkPlay& owner_;
    ShellHost& qtHost_; // the window's host, as the platform a game is played on
    NetworkHost game_;
    std::unique_ptr<HostTransport> link_;
};

} // namespace tarmigo
