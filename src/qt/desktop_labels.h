#pragma once
// Texts that only the desktop window shows: the zoom, the Done button and titles of
// the dialogs and the Statistics window, marked for lupdate like the string table.
#include <QtGlobal>

namespace tarmigo::desktop_label {

inline constexpr const char* Done = QT_TRANSLATE_NOOP("Tarmigo", "Done");
inline constexpr const char* Zoom = QT_TRANSLATE_NOOP("Tarmigo", "Zoom");
inline constexpr const char* ZoomIn = QT_TRANSLATE_NOOP("Tarmigo", "Zoom In");
inline constexpr const char* ZoomOut = QT_TRANSLATE_NOOP("Tarmigo", "Zoom Out");
// A zoom factor in the Zoom menu, "%1" being the factor.
inline constexpr const char* ZoomFactor = "%1\u00d7";
inline constexpr const char* Undo = QT_TRANSLATE_NOOP("Tarmigo", "Undo");
inline constexpr const char* Redo = QT_TRANSLATE_NOOP("Tarmigo", "Redo");
inline constexpr const char* Help = QT_TRANSLATE_NOOP("Tarmigo", "Help");
inline constexpr const char* AnimationSpeed = QT_TRANSLATE_NOOP("Tarmigo", "Animation speed");

inline constexpr const char* Statistics = QT_TRANSLATE_NOOP("Tarmigo", "Statistics");
inline constexpr const char* Expert = QT_TRANSLATE_NOOP("Tarmigo", "Expert");
inline constexpr const char* TwoPlayers = QT_TRANSLATE_NOOP("Tarmigo", "Two Players");
inline constexpr const char* GamesPlayed = QT_TRANSLATE_NOOP("Tarmigo", "Games Played");
inline constexpr const char* ShareWon = QT_TRANSLATE_NOOP("Tarmigo", "Share Won");
// A share of games, "%1" being the whole number of hundredths.
inline constexpr const char* Percent = QT_TRANSLATE_NOOP("Tarmigo", "%1%");
inline constexpr const char* LongestStreak = QT_TRANSLATE_NOOP("Tarmigo", "Longest Winning Streak");
inline constexpr const char* CurrentStreak = QT_TRANSLATE_NOOP("Tarmigo", "Current Winning Streak");
inline constexpr const char* HandsPlayed = QT_TRANSLATE_NOOP("Tarmigo", "Hands Played");
inline constexpr const char* HandsWon = QT_TRANSLATE_NOOP("Tarmigo", "Hands Won");
inline constexpr const char* BestHand = QT_TRANSLATE_NOOP("Tarmigo", "Best Hand Score");
inline constexpr const char* MeanHand = QT_TRANSLATE_NOOP("Tarmigo", "Mean Hand Score");
inline constexpr const char* CoupsFourres = QT_TRANSLATE_NOOP("Tarmigo", "Coups Fourrés");
inline constexpr const char* TripsCompleted = QT_TRANSLATE_NOOP("Tarmigo", "Trips Completed");
inline constexpr const char* ShutOuts = QT_TRANSLATE_NOOP("Tarmigo", "Shut Outs");
inline constexpr const char* TwoPlayersNote =
    QT_TRANSLATE_NOOP("Tarmigo", "In games between two players, the figures are Player 1's.");
inline constexpr const char* Reset = QT_TRANSLATE_NOOP("Tarmigo", "Reset");
inline constexpr const char* ResetStatistics =
    QT_TRANSLATE_NOOP("Tarmigo", "Do you want to reset the statistics?");
// What a reader hears once a reset is done.
inline constexpr const char* StatisticsReset =
    QT_TRANSLATE_NOOP("Tarmigo", "The statistics are reset.");
inline constexpr const char* ScoresReset = QT_TRANSLATE_NOOP("Tarmigo", "The scores are reset.");

// The dialogs' own titles, and the window's entries of the View menu.
inline constexpr const char* OptionsTitle = QT_TRANSLATE_NOOP("Tarmigo", "Options - Tarmigo");
inline constexpr const char* ScoresTitle = QT_TRANSLATE_NOOP("Tarmigo", "Scores - Tarmigo");
inline constexpr const char* StatisticsTitle = QT_TRANSLATE_NOOP("Tarmigo", "Statistics - Tarmigo");
inline constexpr const char* FullScreen = QT_TRANSLATE_NOOP("Tarmigo", "Full Screen");
inline constexpr const char* FullScreenOff = QT_TRANSLATE_NOOP("Tarmigo", "Full Screen off");
inline constexpr const char* Quit = QT_TRANSLATE_NOOP("Tarmigo", "Quit");
// The moves in words and the hint.
inline constexpr const char* Moves = QT_TRANSLATE_NOOP("Tarmigo", "Moves");
inline constexpr const char* HelpTitle = QT_TRANSLATE_NOOP("Tarmigo", "Help - Tarmigo");
inline constexpr const char* MovesTitle = QT_TRANSLATE_NOOP("Tarmigo", "Moves - Tarmigo");
inline constexpr const char* Hint = QT_TRANSLATE_NOOP("Tarmigo", "Hint");
// What an Undo says: "%1" is the move it took back.
inline constexpr const char* UndoneMove = QT_TRANSLATE_NOOP("Tarmigo", "Undone: %1");
// Watching a finished hand again.
inline constexpr const char* WatchHandAgain = QT_TRANSLATE_NOOP("Tarmigo", "Watch Hand Again");
inline constexpr const char* WatchHandNumber = QT_TRANSLATE_NOOP("Tarmigo", "Watch Hand %1");
inline constexpr const char* NextMove = QT_TRANSLATE_NOOP("Tarmigo", "Next Move");
inline constexpr const char* PreviousMove = QT_TRANSLATE_NOOP("Tarmigo", "Previous Move");
inline constexpr const char* ShowOtherHand = QT_TRANSLATE_NOOP("Tarmigo", "Show Other Hand");
inline constexpr const char* OtherHand = QT_TRANSLATE_NOOP("Tarmigo", "Other hand: %1");
inline constexpr const char* BackToGame = QT_TRANSLATE_NOOP("Tarmigo", "Back to Game");

} // namespace tarmigo::desktop_label
