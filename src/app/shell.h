#pragma once
// The application shell without its window: start-up and the menu commands.
#include "app/session.h"
#include "app/shell_host.h"
#include "board/board_events.h"

#include <cstdint>

namespace tarmigo {

// The options a new program starts with.
inline constexpr int DefaultAnimDelay = 8;
inline constexpr int DefaultDiscardMode = 1; // "tap card twice"

class Store;

class Shell {
  public:
    Shell(ShellHost& host, Store* fileStore, Store* secondStore);

    Session& game() { return game_; }
    const Session& game() const { return game_; }

    // The start-up after the window exists: layout, defaults, a new one-player game,
    // the saved state, and the hand-over prompt of a restored two-player game.
    void start(std::int16_t screenWidth, std::int16_t screenHeight);
    // A menu command, or one posted by the Scores dialog's "New Hand" button.
    void handleCommand(int id);

  private:
    // The board's answer to the rules, and the end of each hand passed on to the host.
    class Events : public BoardEvents {
      public:
        Events(Table& table, ShellHost& host) : BoardEvents(table), host_(host) {}
        void handEnded(Game& g) override { host_.handScored(g); }

      private:
        ShellHost& host_;
    };

    void setDefaults();
    void newGameOrHand(int players);

    ShellHost& host_;
    Session game_;
    Events events_;
};

} // namespace tarmigo
