#pragma once
// Command ids of the menu bar and of the Scores dialog's button, and the ids with
// which a dialog closes.
namespace tarmigo {

namespace command {
inline constexpr int NewGameMenu = 4010; // + playerCount
inline constexpr int OnePlayerGame = NewGameMenu + 1;
inline constexpr int TwoPlayerGame = NewGameMenu + 2;
inline constexpr int ViewMenu = 4020;
inline constexpr int About = 4021;
inline constexpr int Options = 4022;
inline constexpr int Scores = 4023;
inline constexpr int Help = 4030;
inline constexpr int Undo = 4040;
inline constexpr int Redo = 4041;
// Watching a finished hand again: the newest one, its next and previous steps, and back
// to the game.
inline constexpr int WatchHand = 4042;
inline constexpr int NextMove = 4043;
inline constexpr int PreviousMove = 4044;
inline constexpr int EndWatch = 4045;
} // namespace command

namespace dialog {
inline constexpr int Done = 1;
inline constexpr int Cancel = 2;
inline constexpr int NewHand = 3227; // the Scores dialog's "New Hand"
// The Scores dialog closed to watch a hand again: WatchHand + n, the nth newest from 0.
inline constexpr int WatchHand = 3240;
} // namespace dialog

} // namespace tarmigo
