#pragma once
// What the Scores dialog shows: the make-up of the hand for both players, the game
// scores, the games won in the current mode and, at the end of a hand, the result.
// Figures of the rules, made from a seat's view, so that every audience shows the same
// (the window's dialog, and the network guest's, which is sent them).
#include "game/view.h"

#include <array>
#include <vector>

namespace tarmigo {

enum class ScoresButton { Hidden, NewHand, NewGame };

struct ScoresContent {
    static constexpr int Rows = 12;
    // values[row][player], rows from "Miles" to "Games Won".
    std::array<std::array<int, 2>, Rows> values{};
    // Column captions: "You"/"Computer" or the string ids 1401/1402.
    bool twoPlayers = false;
    // String id of the result line, 0 while a hand is in progress.
    int resultId = 0;
    ScoresButton button = ScoresButton::Hidden;
    // The numbers of the hands that can be watched again, newest first (closing with
    // dialog::WatchHand + their index); none where nothing is kept. The window's own:
    // not sent to a network guest.
    std::vector<int> watchable;

    // The value of control 3203 + i (i = 0..23): player 0 at even i, player 1 at odd.
    int field(int i) const { return values[i / 2][i % 2]; }
    bool operator==(const ScoresContent&) const = default;
};

// The figures as a seat sees them: everything in the dialog is open to both players.
ScoresContent scoresContent(const SeatView& v);
ScoresContent scoresContent(const Game& g);

} // namespace tarmigo
