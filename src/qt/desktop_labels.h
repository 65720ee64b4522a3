#pragma once
// Texts that only the desktop window shows: the zoom, the Done button of the
// dialogs and the Statistics window.
namespace tarmigo::desktop_label {

inline constexpr const char* Done = "Done";
inline constexpr const char* Zoom = "Zoom";
inline constexpr const char* ZoomIn = "Zoom In";
inline constexpr const char* ZoomOut = "Zoom Out";
// A zoom factor in the Zoom menu, "%1" being the factor.
inline constexpr const char* ZoomFactor = "%1\u00d7";
inline constexpr const char* Undo = "Undo";
inline constexpr const char* Help = "Help";
inline constexpr const char* AnimationSpeed = "Animation speed";

inline constexpr const char* Statistics = "Statistics";
inline constexpr const char* Expert = "Expert";
inline constexpr const char* TwoPlayers = "Two Players";
inline constexpr const char* GamesPlayed = "Games Played";
inline constexpr const char* ShareWon = "Share Won";
// A share of games, "%1" being the whole number of hundredths.
inline constexpr const char* Percent = "%1%";
inline constexpr const char* LongestStreak = "Longest Winning Streak";
inline constexpr const char* CurrentStreak = "Current Winning Streak";
inline constexpr const char* HandsPlayed = "Hands Played";
inline constexpr const char* HandsWon = "Hands Won";
inline constexpr const char* BestHand = "Best Hand Score";
inline constexpr const char* MeanHand = "Mean Hand Score";
inline constexpr const char* CoupsFourres = "Coups Fourr\u00e9s";
inline constexpr const char* TripsCompleted = "Trips Completed";
inline constexpr const char* ShutOuts = "Shut Outs";
inline constexpr const char* TwoPlayersNote =
    "In games between two players, the figures are Player 1's.";
inline constexpr const char* Reset = "Reset";
inline constexpr const char* ResetStatistics = "Do you want to reset the statistics?";

} // namespace tarmigo::desktop_label
