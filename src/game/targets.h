#pragma once
// Board places: the result of hit-testing a tap and the destination of a move.

namespace tarmigo::target {

inline constexpr int Nothing = 0;
// 1..7: hand slots of the current player.
inline constexpr int SafetyArea = 8;    // + player
inline constexpr int BattlePile = 10;   // + player
inline constexpr int SpeedPile = 12;    // + player
inline constexpr int DistanceArea = 14; // + player
inline constexpr int DrawPile = 16;
inline constexpr int DiscardPile = 17;
inline constexpr int ScorePanel = 18;
inline constexpr int Board = 19;
inline constexpr int StatusLine = 20;

inline constexpr bool isHandSlot(int t) {
    return t >= 1 && t <= 7;
}

} // namespace tarmigo::target
