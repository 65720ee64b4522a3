#pragma once
// How a player fares over many games: one set of figures for each level of the
// computer, one for games between two people at the same screen, and one for games
// across the network. The figures are counted from the first seat (the person
// playing the computer, or "Player 1"), but in a network game from the reader's own:
// each program counts its player's results.
// They live apart from the saved record, in the platform's own settings, each set
// as one short line of text.
#include "game/game.h"
#include "game/view.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarmigo {

// In the order of the stored "last hand" line's number: new ones go at the end.
enum class Opponent { Easy, Hard, Expert, TwoPlayers, Network };
inline constexpr int OpponentCount = 5;

struct Figures {
    std::uint32_t games = 0;
    std::uint32_t gamesWon = 0;
    std::uint32_t hands = 0;
    std::uint32_t handsWon = 0;
    std::uint32_t longestStreak = 0; // games won in a row
    std::uint32_t currentStreak = 0;
    std::uint32_t bestHand = 0;
    std::uint64_t handScoreTotal = 0;
    std::uint32_t coupsFourres = 0;
    std::uint32_t tripsCompleted = 0;
    std::uint32_t shutOuts = 0; // trips completed with the opponent still at 0 miles

    // Games won in hundredths of the games played, rounded; 0 before any game.
    std::uint32_t percentWon() const;
    // The mean hand score, rounded; 0 before any hand.
    std::uint32_t meanHandScore() const;

    bool operator==(const Figures&) const = default;
};

using Statistics = std::array<Figures, OpponentCount>;

// Whom the first seat plays in g: the other person, or the computer at the level
// of the record's Hard flag, Expert when the desktop's Expert choice goes with it.
Opponent opponentOf(const Game& g, bool expertChosen);

// Folds in the hand that the rules have just scored, and the game when that hand
// decided it.
void countHand(Figures& f, const Game& g);
// The same for the seat whose view v is, from what that seat sees at the hand's end
// (a network game's guest holds no game).
void countHand(Figures& f, const SeatView& v);
// Folds in a game given up before its end, which the rules credit to one seat.
void countForfeit(Figures& f, int creditedSeat);

// The stored form: the figures as decimal numbers, one space apart, in the order
// of the struct. A text that is not such a line, or whose figures contradict each
// other (more games won than played, say), is refused.
std::string figuresText(const Figures& f);
std::optional<Figures> figuresFromText(std::string_view text);

} // namespace tarmigo
